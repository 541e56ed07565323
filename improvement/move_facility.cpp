#include "improvement/move_facility.h"

#include "framework/colours/color.h"
#include "framework/numeric/first_best.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "improvement/improvement_strings.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

const char* const kRemovalLine =
    "Move %s %s from link (%s %s, %s %s) with quantity %d and removal delta distance %.3lf\n";
const char* const kInsertionLine = "Insert on link (%s %s, %s %s) with total delta distance %.3lf\n";
const char* const kBestMoveHeading = "\nMove %d with cumulative savings %.3lf\n";
const char* const kBestMoveLine = "Best Move %s %s from link (%s %s, %s %s)\n";
const char* const kBestInsertionLine = "Insert on link (%s %s, %s %s) with total delta distance %.3lf\n\n";
const char* const kNoMoveLine = "\nNo move with positive savings found\n\n";

} // namespace

CMoveFacility::CMoveFacility(CTramletDoc& document)
    : CBetweenRouteSearch(document, IDS_ALGO_MOVE_FACILITY, IDS_MOVE_REPORT_TITLE) {}

bool CMoveFacility::FindBestMove(MoveCandidate& candidate) {
    candidate = MoveCandidate();
    RunScanWithDebugLog(m_document, [&](std::FILE* log) { Scan(candidate, log); });
    return IsRealSaving(candidate.m_dSavings);
}

void CMoveFacility::Scan(MoveCandidate& candidate, std::FILE* log) {
    m_view.Build(m_document);
    const CDoubleMatrix& d = m_document.GetDistanceMatrix();
    const int capacity = m_document.GetVehicleCapacity();
    const std::vector<SScanEntry>& entries = m_view.entries;
    const std::vector<SScanRoute>& routes = m_view.routes;
    const size_t routeCount = routes.size();
    CLargestFirst bestSavings(0.0);

    for (size_t r1 = 0; r1 < routeCount; ++r1) {
        const SScanRoute& source = routes[r1];
        if (!source.HasFacilities()) {
            continue;
        }
        const int sourceLast = source.first + source.size - 1;
        for (int k = source.first + 1; k < sourceLast; ++k) {
            const SScanEntry& f = entries[k];
            const SScanEntry& p = entries[k - 1];
            const SScanEntry& s = entries[k + 1];
            const double* fromF = d[f.index];
            const double* fromP = d[p.index];
            const double removal = fromP[f.index] + fromF[s.index] - fromP[s.index];
            if (log != nullptr) {
                WriteFacilityLine(log, kRemovalLine, f.facility, p.facility, s.facility, f.quantity, removal);
            }
            const bool isCustomer = f.type == FT_CUSTOMER;
            const bool isSupplier = f.type == FT_SUPPLIER;

            for (size_t r2 = 0; r2 < routeCount; ++r2) {
                if (r2 == r1) {
                    continue;
                }
                const SScanRoute& target = routes[r2];
                if (target.route->GetQuantity(f.type) + f.quantity > capacity) {
                    continue;
                }
                const int targetLast = target.first + target.size - 1;
                for (int l = target.first; l < targetLast; ++l) {
                    const SScanEntry& a = entries[l];
                    const SScanEntry& b = entries[l + 1];
                    // Customers come before suppliers: a supplier never enters before a
                    // customer, and no link after the first supplier takes a customer.
                    if (isSupplier && b.type == FT_CUSTOMER) {
                        continue;
                    }
                    if (isCustomer && a.type == FT_SUPPLIER) {
                        break;
                    }
                    const double* fromA = d[a.index];
                    const double total = removal + fromA[b.index] - fromA[f.index] - fromF[b.index];
                    if (log != nullptr) {
                        WriteLinkLine(log, kInsertionLine, a.facility, b.facility, total);
                    }
                    if (bestSavings.Offer(total)) {
                        candidate.m_dSavings = total;
                        candidate.m_pSourceRoute = source.route;
                        candidate.m_facility = f.Place();
                        candidate.m_pPredecessor = p.facility;
                        candidate.m_pSuccessor = s.facility;
                        candidate.m_pTargetRoute = target.route;
                        candidate.m_pLinkFrom = a.facility;
                        candidate.m_linkTo = b.Place();
                    }
                }
            }
        }
    }

    if (log != nullptr) {
        if (bestSavings.Found()) {
            std::fprintf(log, kBestMoveHeading, m_lSteps + 1, m_dCumulativeSavings + bestSavings.Value());
            WriteBestLine(log, kBestMoveLine, candidate.m_facility.facility, candidate.m_pPredecessor,
                          candidate.m_pSuccessor);
            WriteLinkLine(log, kBestInsertionLine, candidate.m_pLinkFrom, candidate.m_linkTo.facility,
                          bestSavings.Value());
        } else {
            std::fputs(kNoMoveLine, log);
        }
    }
}

void CMoveFacility::ApplyMove(const MoveCandidate& candidate) {
    CRoute* source = candidate.m_pSourceRoute;
    CRoute* target = candidate.m_pTargetRoute;
    CFacility* f = candidate.m_facility.facility;
    const double savings = candidate.m_dSavings;

    // f enters the target route before it leaves the source route, so that a failure to make
    // room for it leaves both routes as they were.
    target->InsertBefore(f, candidate.m_linkTo.position, true);
    source->RemoveFacility(f, candidate.m_facility.position, false);

    CountStep(savings);

    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        CStepDisplayRoutes display(m_document);
        display.Add({candidate.m_pPredecessor, f, candidate.m_pSuccessor}, COLOR_RED);
        display.Add({candidate.m_pLinkFrom, candidate.m_linkTo.facility}, COLOR_RED);
        m_report.m_pFacility[0] = f;
        m_report.m_pFacility[1] = candidate.m_pLinkFrom;
        m_report.m_pFacility[2] = candidate.m_linkTo.facility;
        m_report.m_pRoute[1] = target;
        ShowStep(savings, display);
    }

    // A route left with its two depot entries only is no route any more.
    if (source->GetNumberOfCustomers() + source->GetNumberOfSuppliers() == 0) {
        m_document.DeleteRoute(source);
    }
}

std::vector<SStatusField> CMoveFacility::GetReportFields() const {
    const CRoute* target = m_report.m_pRoute[1];
    return {
        {LoadImprovementString(IDS_MOVE_REPORT_COUNT), FormatString("%d", m_report.m_lCount)},
        {LoadImprovementString(IDS_MOVE_REPORT_FACILITY), FormatReportFacility(m_report.m_pFacility[0])},
        {LoadImprovementString(IDS_MOVE_REPORT_PREDECESSOR), FormatReportFacility(m_report.m_pFacility[1])},
        {LoadImprovementString(IDS_MOVE_REPORT_SUCCESSOR), FormatReportFacility(m_report.m_pFacility[2])},
        {LoadImprovementString(IDS_MOVE_REPORT_LINEHAUL_CAPACITY), FormatReportCapacity(target, FT_CUSTOMER)},
        {LoadImprovementString(IDS_MOVE_REPORT_BACKHAUL_CAPACITY), FormatReportCapacity(target, FT_SUPPLIER)},
        {LoadImprovementString(IDS_MOVE_REPORT_SAVINGS), FormatString("%.2lf", m_report.m_dLastSavings)},
        {LoadImprovementString(IDS_REPORT_TOTAL_DISTANCE),
         FormatString("%.2lf", m_document.GetCurrentSolution().m_dDistance)},
    };
}

ERunResult RunMoveFacility(CTramletDoc& document) {
    CMoveFacility move(document);
    return RunBetweenRouteSearch(document, move);
}
