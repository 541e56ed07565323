#include "improvement/exchange_improvement.h"

#include <iterator>
#include <memory>

#include "framework/colours/color.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "improvement/improvement_strings.h"
#include "improvement/move_swap_common.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"
#include "runs/runs_strings.h"

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

CExchangeStepReport::CExchangeStepReport(unsigned titleId, int links)
    : m_title(LoadImprovementString(titleId)), m_links(links < MAX_LINKS ? links : MAX_LINKS) {}

void CExchangeStepReport::Clear() {
    m_count = 0;
    m_lastSavings = 0.0;
    m_cumulativeSavings = 0.0;
    for (const CFacility*& slot : m_slots) {
        slot = nullptr;
    }
    m_route = nullptr;
}

void CExchangeStepReport::Record(double savings, const CFacility* const* linkEnds, const CRoute* route) {
    m_count += 1;
    m_lastSavings = savings;
    m_cumulativeSavings += savings;
    for (int k = 0; k < 2 * m_links; ++k) {
        m_slots[k] = linkEnds[k];
    }
    m_route = route;
}

std::vector<SStatusField> CExchangeStepReport::GetFields(double totalDistance) const {
    std::vector<SStatusField> fields;
    fields.push_back({LoadImprovementString(IDS_EXCHANGE_REPORT_COUNT), FormatString("%d", m_count)});
    for (int k = 0; k < m_links; ++k) {
        fields.push_back(
            {LoadImprovementString(LINK_ORIGIN_LABELS[k]), FormatReportFacility(m_slots[2 * k])});
        fields.push_back(
            {LoadImprovementString(LINK_DESTINATION_LABELS[k]), FormatReportFacility(m_slots[2 * k + 1])});
    }
    fields.push_back({LoadImprovementString(IDS_EXCHANGE_REPORT_ROUTE),
                      m_route != nullptr ? m_route->GetLabel() : LoadImprovementString(IDS_REPORT_NONE)});
    fields.push_back(
        {LoadImprovementString(IDS_EXCHANGE_REPORT_SAVINGS), FormatString("%.2lf", m_lastSavings)});
    fields.push_back({LoadImprovementString(IDS_EXCHANGE_REPORT_TOTAL_SAVINGS),
                      FormatString("%.2lf", m_cumulativeSavings)});
    fields.push_back(
        {LoadImprovementString(IDS_REPORT_TOTAL_DISTANCE), FormatString("%.2lf", totalDistance)});
    return fields;
}

void CExchangeStepReport::Show(double totalDistance) const {
    GetUserInterface().ShowStatusWindow(m_title, GetFields(totalDistance));
}

void CExchangeStepReport::Close() const {
    GetUserInterface().CloseStatusWindow(m_title);
}

// ---- the improvement ----

CExchangeImprovement::CExchangeImprovement(CTramletDoc& document)
    : m_document(document), m_record(document.GetCurrentSolution()),
      m_twoReport(IDS_TWO_EXCHANGE_REPORT_TITLE, 2), m_threeReport(IDS_THREE_EXCHANGE_REPORT_TITLE, 3) {}

void CExchangeImprovement::BeginRun(bool twoExchangeReport, bool threeExchangeReport) {
    m_twoReport.Clear();
    m_threeReport.Clear();
    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        m_document.CheckSolution(true);
        if (twoExchangeReport) {
            m_twoReport.Show(m_record.m_dDistance);
            m_twoReportShown = true;
        }
        if (threeExchangeReport) {
            m_threeReport.Show(m_record.m_dDistance);
            m_threeReportShown = true;
        }
    }
    m_record.m_lExchangeCounter1 = 0;
    m_record.m_dExchangeSavings1 = 0.0;
    m_record.m_lExchangeCounter2 = 0;
    m_record.m_dExchangeSavings2 = 0.0;
}

void CExchangeImprovement::CloseReports() {
    if (m_twoReportShown) {
        m_twoReport.Close();
        m_twoReportShown = false;
    }
    if (m_threeReportShown) {
        m_threeReport.Close();
        m_threeReportShown = false;
    }
}

bool CExchangeImprovement::PrepareScan() {
    const CDoubleMatrix& matrix = m_document.GetDistanceMatrix();
    m_matrixSize = matrix.GetNumberRows() < matrix.GetNumberColumns() ? matrix.GetNumberRows()
                                                                      : matrix.GetNumberColumns();
    m_matrix = matrix.GetData();
    m_tolerance = m_document.GetTolerance();
    return m_matrixSize > 0 && m_matrix != nullptr;
}

bool CExchangeImprovement::LoadRoute(CRoute& route) {
    const CDoubleMatrix& matrix = m_document.GetDistanceMatrix();
    const int columns = matrix.GetNumberColumns();
    SRouteEntries& e = m_entries;
    e.facility.clear();
    e.number.clear();
    e.row.clear();
    e.type.clear();
    e.position.clear();
    e.length = 0.0;
    for (CRoute::POSITION position = route.GetHeadPosition(); !route.IsNullPosition(position); ++position) {
        CFacility* f = *position;
        const int number = f->GetIndex();
        if (number < 0 || number >= m_matrixSize) {
            return false;
        }
        e.facility.push_back(f);
        e.number.push_back(number);
        e.row.push_back(m_matrix + static_cast<size_t>(number) * static_cast<size_t>(columns));
        e.type.push_back(f->GetType());
        e.position.push_back(position);
    }
    e.length = 0.0;
    for (size_t k = 1; k < e.number.size(); ++k) {
        e.length += e.row[k - 1][e.number[k]];
    }
    return true;
}

void CExchangeImprovement::ReverseRun(CRoute& route, CRoute::POSITION first, CRoute::POSITION last) {
    // The run's first entry goes behind the run's last entry until that one comes first.
    while (first != last) {
        CRoute::POSITION next = std::next(first);
        route.MoveAfter(*first, first, last);
        first = next;
    }
}

void CExchangeImprovement::ShowStep(CExchangeStepReport& report, const CFacility* const* oldLinkEnds,
                                    int links) {
    if (m_document.GetReportLevel() < REPORT_STANDARD) {
        return;
    }
    CStepDisplayRoutes display(m_document);
    for (int k = 0; k < links; ++k) {
        display.Add(
            {const_cast<CFacility*>(oldLinkEnds[2 * k]), const_cast<CFacility*>(oldLinkEnds[2 * k + 1])},
            DISPLAY_ROUTE_COLOR);
    }
    if (m_document.GetReportLevel() >= REPORT_DEBUG) {
        display.ShowAndPause([&] { report.Show(m_record.m_dDistance); });
    }
    m_document.RedrawAllGraphicalViews();
    report.Show(m_record.m_dDistance);
}

// ---- the commands ----

ERunResult RunExchangeCommand(CTramletDoc& document, EExchangeCommand command) {
    if (document.IsAlgorithmRunning() || document.GetNumberOfRoutes() == 0) {
        return ERunResult::refused;
    }
    SRunOptions options;
    switch (command) {
    case EExchangeCommand::two:
        options.nameId = IDS_ALGO_TWO_EXCHANGE;
        break;
    case EExchangeCommand::three:
        options.nameId = IDS_ALGO_THREE_EXCHANGE;
        break;
    case EExchangeCommand::chain:
        options.nameId = IDS_ALGO_CHAIN_EXCHANGE;
        options.announce = false;
        break;
    }
    CExchangeImprovement improvement(document);
    auto body = [&](CAlgoStat& record) {
        try {
            improvement.BeginRun(command != EExchangeCommand::chain, command != EExchangeCommand::two);
            for (bool found = true; found;) {
                if (command == EExchangeCommand::chain) {
                    ChainExchangeCandidate candidate;
                    found = improvement.FindBestChainExchange(candidate);
                    if (found) {
                        improvement.ApplyChainExchange(candidate);
                    }
                    document.CheckAlgorithmContinuation();
                    continue;
                }
                TwoExchangeCandidate two;
                found = improvement.FindBestTwoExchange(two);
                if (found) {
                    improvement.ApplyTwoExchange(two);
                }
                document.CheckAlgorithmContinuation();
                if (found || command == EExchangeCommand::two) {
                    continue;
                }
                ThreeExchangeCandidate three;
                found = improvement.FindBestThreeExchange(three);
                if (found) {
                    improvement.ApplyThreeExchange(three);
                }
                document.CheckAlgorithmContinuation();
            }
        } catch (...) {
            improvement.CloseReports();
            throw;
        }
        improvement.CloseReports();
        switch (command) {
        case EExchangeCommand::two:
            record.m_dDeltaObjective = record.m_dExchangeSavings1;
            record.m_lCount = record.m_lExchangeCounter1;
            break;
        case EExchangeCommand::three:
            record.m_dDeltaObjective = record.m_dExchangeSavings1 + record.m_dExchangeSavings2;
            record.m_lCount = record.m_lExchangeCounter1 + record.m_lExchangeCounter2;
            break;
        case EExchangeCommand::chain:
            record.m_dDeltaObjective = record.m_dExchangeSavings2;
            record.m_lCount = record.m_lExchangeCounter2;
            record.m_dParameter = static_cast<double>(document.GetChainLength());
            break;
        }
    };
    CAlgoStat& record = document.GetCurrentSolution();
    return RunImprovementFrame(document, options, body, [&record] {
        return record.m_lExchangeCounter1 + record.m_lExchangeCounter2 > 0;
    });
}
