#include "improvement/exchange_operator.h"

#include <cassert>
#include <iterator>
#include <vector>

#include "framework/colours/color.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"

namespace {

// Palette colour of the display routes.
constexpr int DISPLAY_ROUTE_COLOR = COLOR_RED;

const unsigned LINK_ORIGIN_LABELS[] = {IDS_EXCHANGE_REPORT_LINK_1_ORIGIN, IDS_EXCHANGE_REPORT_LINK_2_ORIGIN,
                                       IDS_EXCHANGE_REPORT_LINK_3_ORIGIN};
const unsigned LINK_DESTINATION_LABELS[] = {IDS_EXCHANGE_REPORT_LINK_1_DESTINATION,
                                            IDS_EXCHANGE_REPORT_LINK_2_DESTINATION,
                                            IDS_EXCHANGE_REPORT_LINK_3_DESTINATION};

} // namespace

// ---- status windows ----

CExchangeStatusWindow::CExchangeStatusWindow(unsigned titleId, int links)
    : m_title(LoadImprovementString(titleId)), m_links(links < MAX_LINKS ? links : MAX_LINKS) {
    assert(links >= 1 && links <= MAX_LINKS && "an exchange changes one to three links");
}

void CExchangeStatusWindow::Record(double savings, const CFacility* const* linkEnds, const CRoute* route) {
    m_report.AddStep(savings);
    for (int k = 0; k < 2 * m_links; ++k) {
        m_report.m_pFacility[k] = linkEnds[k];
    }
    m_report.m_pRoute[0] = route;
}

std::vector<SStatusField> CExchangeStatusWindow::GetFields(double totalDistance) const {
    std::vector<SStatusField> fields;
    fields.push_back(
        {LoadImprovementString(IDS_EXCHANGE_REPORT_COUNT), FormatString("%d", m_report.m_lCount)});
    for (int k = 0; k < m_links; ++k) {
        fields.push_back({LoadImprovementString(LINK_ORIGIN_LABELS[k]),
                          FormatReportFacility(m_report.m_pFacility[2 * k])});
        fields.push_back({LoadImprovementString(LINK_DESTINATION_LABELS[k]),
                          FormatReportFacility(m_report.m_pFacility[2 * k + 1])});
    }
    const CRoute* route = m_report.m_pRoute[0];
    fields.push_back({LoadImprovementString(IDS_EXCHANGE_REPORT_ROUTE),
                      route != nullptr ? route->GetLabel() : LoadImprovementString(IDS_REPORT_NONE)});
    fields.push_back(
        {LoadImprovementString(IDS_EXCHANGE_REPORT_SAVINGS), FormatString("%.2lf", m_report.m_dLastSavings)});
    fields.push_back({LoadImprovementString(IDS_EXCHANGE_REPORT_TOTAL_SAVINGS),
                      FormatString("%.2lf", m_report.m_dCumulativeSavings)});
    fields.push_back(
        {LoadImprovementString(IDS_REPORT_TOTAL_DISTANCE), FormatString("%.2lf", totalDistance)});
    return fields;
}

void CExchangeStatusWindow::Show(double totalDistance) const {
    GetUserInterface().ShowStatusWindow(m_title, GetFields(totalDistance));
}

void CExchangeStatusWindow::Close() const {
    GetUserInterface().CloseStatusWindow(m_title);
}

// ---- the operators ----

CExchangeOperator::CExchangeOperator(CTramletDoc& document, CExchangeStatusWindow& window,
                                     EExchangeCounter counter)
    : m_document(document), m_record(document.GetCurrentSolution()), m_window(window), m_counter(counter) {}

bool CExchangeOperator::PrepareScan() {
    const CDoubleMatrix& matrix = m_document.GetDistanceMatrix();
    m_columns = matrix.GetNumberColumns();
    m_matrixSize = matrix.GetNumberRows() < m_columns ? matrix.GetNumberRows() : m_columns;
    m_matrix = matrix.GetData();
    m_tolerance = m_document.GetTolerance();
    if (m_matrixSize <= 0 || m_matrix == nullptr) {
        return false;
    }
    m_view.Build(m_document);
    return true;
}

double CExchangeOperator::Margin(const SScanRoute& route) const {
    const SScanEntry* e = m_view.Entries(route);
    double length = 0.0;
    for (int k = 1; k < route.size; ++k) {
        length += Distance(e[k - 1], e[k]);
    }
    const double margin = m_tolerance * route.route->GetDistance();
    const double noise = ROUNDING_NOISE * length;
    return margin > noise ? margin : noise;
}

void CExchangeOperator::CountStep(double savings) {
    m_record.m_dDistance -= savings;
    m_record.m_dCost -= savings;
    if (m_counter == EExchangeCounter::first) {
        m_record.m_lExchangeCounter1 += 1;
        m_record.m_dExchangeSavings1 += savings;
    } else {
        m_record.m_lExchangeCounter2 += 1;
        m_record.m_dExchangeSavings2 += savings;
    }
}

void CExchangeOperator::ShowStep(double savings, const CFacility* const* newLinkEnds,
                                 const CFacility* const* oldLinkEnds, int links, const CRoute* route) {
    if (m_document.GetReportLevel() < REPORT_STANDARD) {
        return;
    }
    m_window.Record(savings, newLinkEnds, route);
    CStepDisplayRoutes display(m_document);
    for (int k = 0; k < links; ++k) {
        display.Add(
            {const_cast<CFacility*>(oldLinkEnds[2 * k]), const_cast<CFacility*>(oldLinkEnds[2 * k + 1])},
            DISPLAY_ROUTE_COLOR);
    }
    if (m_document.GetReportLevel() >= REPORT_DEBUG) {
        display.ShowAndPause([&] { m_window.Show(m_record.m_dDistance); });
    }
    m_document.RedrawAllGraphicalViews();
    m_window.Show(m_record.m_dDistance);
}

void CExchangeOperator::ReverseRun(CRoute& route, CRoute::POSITION first, CRoute::POSITION last) {
    // The run's first entry goes behind the run's last entry until that one comes first.
    while (first != last) {
        CRoute::POSITION next = std::next(first);
        route.MoveAfter(*first, first, last);
        first = next;
    }
}

// ---- the commands ----

namespace {

// The distinct windows of the operators, in their order.
std::vector<CExchangeStatusWindow*> WindowsOf(std::initializer_list<CExchangeOperator*> operators) {
    std::vector<CExchangeStatusWindow*> windows;
    for (CExchangeOperator* op : operators) {
        if (windows.empty() || windows.back() != &op->GetWindow()) {
            windows.push_back(&op->GetWindow());
        }
    }
    return windows;
}

} // namespace

ERunResult RunExchangeCommand(CTramletDoc& document, const SRunOptions& options,
                              std::initializer_list<CExchangeOperator*> operators, double parameter) {
    if (document.IsAlgorithmRunning() || document.GetNumberOfRoutes() == 0) {
        return ERunResult::refused;
    }
    const std::vector<CExchangeStatusWindow*> windows = WindowsOf(operators);
    std::vector<CExchangeStatusWindow*> shown;
    auto closeWindows = [&shown] {
        for (CExchangeStatusWindow* window : shown) {
            window->Close();
        }
        shown.clear();
    };
    auto body = [&](CAlgoStat& record) {
        try {
            for (CExchangeStatusWindow* window : windows) {
                window->Clear();
            }
            if (document.GetReportLevel() >= REPORT_STANDARD) {
                document.CheckSolution(true);
                for (CExchangeStatusWindow* window : windows) {
                    window->Show(record.m_dDistance);
                    shown.push_back(window);
                }
            }
            record.m_lExchangeCounter1 = 0;
            record.m_dExchangeSavings1 = 0.0;
            record.m_lExchangeCounter2 = 0;
            record.m_dExchangeSavings2 = 0.0;
            Descend(document, std::vector<IImprovementOperator*>(operators.begin(), operators.end()));
        } catch (...) {
            closeWindows();
            throw;
        }
        closeWindows();
        record.m_dDeltaObjective = record.m_dExchangeSavings1 + record.m_dExchangeSavings2;
        record.m_lCount = record.m_lExchangeCounter1 + record.m_lExchangeCounter2;
        record.m_dParameter = parameter;
    };
    CAlgoStat& record = document.GetCurrentSolution();
    return RunImprovementFrame(document, options, body, [&record] {
        return record.m_lExchangeCounter1 + record.m_lExchangeCounter2 > 0;
    });
}
