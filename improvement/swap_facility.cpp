#include "improvement/swap_facility.h"

#include <cfloat>

#include "framework/colours/color.h"
#include "framework/numeric/first_best.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "improvement/improvement_strings.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

const char* const kRemovalOneLine =
    "Move One %s %s from link (%s %s, %s %s) with quantity %d and removal delta distance %.3lf\n";
const char* const kRemovalTwoLine =
    "Move two %s %s from link (%s %s, %s %s) with quantity %d and removal delta distance %.3lf\n";
const char* const kInsertionOneLine = "Insert on link (%s %s, %s %s) with total-one delta distance %.3lf\n";
const char* const kInsertionTwoLine = "Insert on link (%s %s, %s %s) with total-two delta distance %.3lf\n";
const char* const kBestSwapHeading = "\nSwap %d with cumulative savings %.3lf\n";
const char* const kBestFirstLine = "Best first move %s %s from link (%s %s, %s %s)\n";
const char* const kBestFirstInsertionLine = "Insert on link (%s %s, %s %s) with total delta distance %.3lf\n";
const char* const kBestSecondLine = "Best second move %s %s from link (%s %s, %s %s)\n";
const char* const kBestSecondInsertionLine =
    "Insert on link (%s %s, %s %s) with total delta distance %.3lf\n\n";
const char* const kNoSwapLine = "\nNo swap with positive savings found\n\n";

// The best place of a facility in a route: its value and the entries of the link.
struct SBestPlace {
    double value = -DBL_MAX;
    int from = -1;
    int to = -1;
};

} // namespace

CSwapFacility::CSwapFacility(CTramletDoc& document)
    : CBetweenRouteSearch(document, IDS_ALGO_SWAP_FACILITY, IDS_SWAP_REPORT_TITLE) {}

bool CSwapFacility::FindBestSwap(SwapCandidate& candidate) {
    candidate = SwapCandidate();
    if (m_document.GetNumberOfRoutes() == 0) {
        return false;
    }
    RunScanWithDebugLog(m_document, [&](std::FILE* log) { Scan(candidate, log); });
    return IsRealSaving(candidate.m_dSavings);
}

void CSwapFacility::Scan(SwapCandidate& candidate, std::FILE* log) {
    m_view.Build(m_document);
    const CDoubleMatrix& d = m_document.GetDistanceMatrix();
    const int capacity = m_document.GetVehicleCapacity();
    const std::vector<SScanEntry>& entries = m_view.entries;
    const std::vector<SScanRoute>& routes = m_view.routes;
    const size_t routeCount = routes.size();
    CLargestFirst bestSavings(0.0);

    for (size_t r1 = 0; r1 < routeCount; ++r1) {
        const SScanRoute& first = routes[r1];
        if (!first.HasFacilities()) {
            continue;
        }
        const int firstEnd = first.first + first.size; // one past the closing depot
        for (int k1 = first.first + 1; k1 < firstEnd - 1; ++k1) {
            const SScanEntry& f1 = entries[k1];
            const SScanEntry& p1 = entries[k1 - 1];
            const SScanEntry& s1 = entries[k1 + 1];
            const double* fromF1 = d[f1.index];
            const double removal1 = d[p1.index][f1.index] + fromF1[s1.index] - d[p1.index][s1.index];
            if (log != nullptr) {
                WriteFacilityLine(log, kRemovalOneLine, f1.facility, p1.facility, s1.facility, f1.quantity,
                                  removal1);
            }
            const bool f1IsCustomer = f1.type == FT_CUSTOMER;

            // The value of inserting f1 on the link (a, b) of the second route.
            auto valueOfF1 = [&](const SScanEntry& a, const SScanEntry& b) {
                const double* fromA = d[a.index];
                return removal1 + fromA[b.index] - fromA[f1.index] - fromF1[b.index];
            };

            for (size_t r2 = r1 + 1; r2 < routeCount; ++r2) {
                const SScanRoute& second = routes[r2];
                if (!second.HasFacilities()) {
                    continue;
                }
                const int secondEnd = second.first + second.size;

                // f1's best place in the second route with f2 still in it.
                SBestPlace place1;
                for (int l = second.first; l < secondEnd - 1; ++l) {
                    const SScanEntry& a = entries[l];
                    const SScanEntry& b = entries[l + 1];
                    if (f1.type > b.type) {
                        continue;
                    }
                    if (f1IsCustomer && a.type == FT_SUPPLIER) {
                        break;
                    }
                    const double v = valueOfF1(a, b);
                    if (log != nullptr) {
                        WriteLinkLine(log, kInsertionOneLine, a.facility, b.facility, v);
                    }
                    if (v > place1.value) {
                        place1 = {v, l, l + 1};
                    }
                }

                for (int k2 = second.first + 1; k2 < secondEnd - 1; ++k2) {
                    const SScanEntry& f2 = entries[k2];
                    // Both routes must take their new facility.
                    const int secondLoad = second.route->GetQuantity(f1.type) -
                                           (f2.type == f1.type ? f2.quantity : 0) + f1.quantity;
                    const int firstLoad = first.route->GetQuantity(f2.type) -
                                          (f1.type == f2.type ? f1.quantity : 0) + f2.quantity;
                    if (secondLoad > capacity || firstLoad > capacity) {
                        continue;
                    }
                    const SScanEntry& p2 = entries[k2 - 1];
                    const SScanEntry& s2 = entries[k2 + 1];
                    const double* fromF2 = d[f2.index];
                    const double removal2 = d[p2.index][f2.index] + fromF2[s2.index] - d[p2.index][s2.index];
                    if (log != nullptr) {
                        WriteFacilityLine(log, kRemovalTwoLine, f2.facility, p2.facility, s2.facility,
                                          f2.quantity, removal2);
                    }
                    const bool f2IsCustomer = f2.type == FT_CUSTOMER;
                    // When f1's best place touches f2 it is searched again without f2, so that
                    // the link (p2, s2) that f2 leaves is a candidate. The result is the same
                    // for every link of the first route; at Debug the search is written out
                    // each time.
                    const bool placeTouchesF2 = place1.from == k2 || place1.to == k2;
                    SBestPlace freshPlace;
                    bool freshPlaceFound = false;

                    // f2's places in the first route without f1: the link (p1, s1) included.
                    for (int kd = first.first + 1; kd < firstEnd; ++kd) {
                        if (kd == k1) {
                            continue;
                        }
                        const int kc = kd - 1 == k1 ? k1 - 1 : kd - 1;
                        const SScanEntry& c = entries[kc];
                        const SScanEntry& dd = entries[kd];
                        if (f2.type > dd.type) {
                            continue;
                        }
                        if (f2IsCustomer && c.type == FT_SUPPLIER) {
                            break;
                        }
                        const double* fromC = d[c.index];
                        const double w = removal2 + fromC[dd.index] - fromC[f2.index] - fromF2[dd.index];
                        if (log != nullptr) {
                            WriteLinkLine(log, kInsertionTwoLine, c.facility, dd.facility, w);
                        }

                        const SBestPlace* value1 = &place1;
                        if (placeTouchesF2) {
                            if (!freshPlaceFound || log != nullptr) {
                                if (log != nullptr) {
                                    WriteFacilityLine(log, kRemovalOneLine, f1.facility, p1.facility,
                                                      s1.facility, f1.quantity, removal1);
                                }
                                freshPlace = SBestPlace();
                                for (int lg = second.first + 1; lg < secondEnd; ++lg) {
                                    if (lg == k2) {
                                        continue;
                                    }
                                    const int le = lg - 1 == k2 ? k2 - 1 : lg - 1;
                                    const SScanEntry& e = entries[le];
                                    const SScanEntry& g = entries[lg];
                                    if (f1.type > g.type) {
                                        continue;
                                    }
                                    if (f1IsCustomer && e.type == FT_SUPPLIER) {
                                        break;
                                    }
                                    const double v = valueOfF1(e, g);
                                    if (log != nullptr) {
                                        WriteLinkLine(log, kInsertionOneLine, e.facility, g.facility, v);
                                    }
                                    if (v > freshPlace.value) {
                                        freshPlace = {v, le, lg};
                                    }
                                }
                                freshPlaceFound = true;
                            }
                            value1 = &freshPlace;
                        }

                        const double total = value1->value + w;
                        if (value1->from >= 0 && bestSavings.Offer(total)) {
                            const SScanEntry& e = entries[value1->from];
                            const SScanEntry& g = entries[value1->to];
                            candidate.m_dSavings = total;
                            candidate.m_pFirstRoute = first.route;
                            candidate.m_pSecondRoute = second.route;
                            candidate.m_facility1 = f1.Place();
                            candidate.m_pPredecessor1 = p1.facility;
                            candidate.m_pSuccessor1 = s1.facility;
                            candidate.m_facility2 = f2.Place();
                            candidate.m_pPredecessor2 = p2.facility;
                            candidate.m_pSuccessor2 = s2.facility;
                            candidate.m_pLinkFrom1 = e.facility;
                            candidate.m_linkTo1 = g.Place();
                            candidate.m_pLinkFrom2 = c.facility;
                            candidate.m_linkTo2 = dd.Place();
                        }
                    }
                }
            }
        }
    }

    if (log != nullptr) {
        if (bestSavings.Found()) {
            std::fprintf(log, kBestSwapHeading, m_lSteps + 1, m_dCumulativeSavings + bestSavings.Value());
            WriteBestLine(log, kBestFirstLine, candidate.m_facility1.facility, candidate.m_pPredecessor1,
                          candidate.m_pSuccessor1);
            WriteLinkLine(log, kBestFirstInsertionLine, candidate.m_pLinkFrom1, candidate.m_linkTo1.facility,
                          bestSavings.Value());
            WriteBestLine(log, kBestSecondLine, candidate.m_facility2.facility, candidate.m_pPredecessor2,
                          candidate.m_pSuccessor2);
            WriteLinkLine(log, kBestSecondInsertionLine, candidate.m_pLinkFrom2, candidate.m_linkTo2.facility,
                          bestSavings.Value());
        } else {
            std::fputs(kNoSwapLine, log);
        }
    }
}

void CSwapFacility::ApplySwap(const SwapCandidate& candidate) {
    CRoute* first = candidate.m_pFirstRoute;
    CRoute* second = candidate.m_pSecondRoute;
    CFacility* f1 = candidate.m_facility1.facility;
    CFacility* f2 = candidate.m_facility2.facility;
    const double savings = candidate.m_dSavings;

    // Both facilities enter their new routes before they leave the old ones, so that a failure
    // to make room leaves the routes as they were.
    CRoute::POSITION entered1 = second->InsertBefore(f1, candidate.m_linkTo1.position, true);
    try {
        first->InsertBefore(f2, candidate.m_linkTo2.position, true);
    } catch (...) {
        second->RemoveFacility(f1, entered1, false);
        f1->SetRoute(first);
        throw;
    }
    first->RemoveFacility(f1, candidate.m_facility1.position, false);
    second->RemoveFacility(f2, candidate.m_facility2.position, false);

    CountStep(savings);

    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        CStepDisplayRoutes display(m_document);
        display.Add({candidate.m_pPredecessor1, f1, candidate.m_pSuccessor1}, COLOR_MAGENTA);
        display.Add({candidate.m_pLinkFrom2, candidate.m_linkTo2.facility}, COLOR_RED);
        display.Add({candidate.m_pPredecessor2, f2, candidate.m_pSuccessor2}, COLOR_RED);
        display.Add({candidate.m_pLinkFrom1, candidate.m_linkTo1.facility}, COLOR_MAGENTA);
        m_report.m_pFacility[0] = f1;
        m_report.m_pFacility[1] = candidate.m_pLinkFrom1;
        m_report.m_pFacility[2] = candidate.m_linkTo1.facility;
        m_report.m_pFacility[3] = f2;
        m_report.m_pFacility[4] = candidate.m_pLinkFrom2;
        m_report.m_pFacility[5] = candidate.m_linkTo2.facility;
        m_report.m_pRoute[0] = second;
        m_report.m_pRoute[1] = first;
        ShowStep(savings, display);
    }
}

std::vector<SStatusField> CSwapFacility::GetReportFields() const {
    const CRoute* route1 = m_report.m_pRoute[0];
    const CRoute* route2 = m_report.m_pRoute[1];
    return {
        {LoadImprovementString(IDS_SWAP_REPORT_COUNT), FormatString("%d", m_report.m_lCount)},
        {LoadImprovementString(IDS_SWAP_REPORT_FACILITY_1), FormatReportFacility(m_report.m_pFacility[0])},
        {LoadImprovementString(IDS_SWAP_REPORT_PREDECESSOR_1), FormatReportFacility(m_report.m_pFacility[1])},
        {LoadImprovementString(IDS_SWAP_REPORT_SUCCESSOR_1), FormatReportFacility(m_report.m_pFacility[2])},
        {LoadImprovementString(IDS_SWAP_REPORT_LINEHAUL_CAPACITY_1),
         FormatReportCapacity(route1, FT_CUSTOMER)},
        {LoadImprovementString(IDS_SWAP_REPORT_BACKHAUL_CAPACITY_1),
         FormatReportCapacity(route1, FT_SUPPLIER)},
        {LoadImprovementString(IDS_SWAP_REPORT_FACILITY_2), FormatReportFacility(m_report.m_pFacility[3])},
        {LoadImprovementString(IDS_SWAP_REPORT_PREDECESSOR_2), FormatReportFacility(m_report.m_pFacility[4])},
        {LoadImprovementString(IDS_SWAP_REPORT_SUCCESSOR_2), FormatReportFacility(m_report.m_pFacility[5])},
        {LoadImprovementString(IDS_SWAP_REPORT_LINEHAUL_CAPACITY_2),
         FormatReportCapacity(route2, FT_CUSTOMER)},
        {LoadImprovementString(IDS_SWAP_REPORT_BACKHAUL_CAPACITY_2),
         FormatReportCapacity(route2, FT_SUPPLIER)},
        {LoadImprovementString(IDS_SWAP_REPORT_SAVINGS), FormatString("%.2lf", m_report.m_dLastSavings)},
        {LoadImprovementString(IDS_REPORT_TOTAL_DISTANCE),
         FormatString("%.2lf", m_document.GetCurrentSolution().m_dDistance)},
    };
}

ERunResult RunSwapFacility(CTramletDoc& document) {
    CSwapFacility swap(document);
    return RunBetweenRouteSearch(document, swap);
}
