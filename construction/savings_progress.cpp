#include "construction/savings_progress.h"

#include "construction/insertion_report.h"
#include "construction/savings_strings.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"

#include <iterator>
#include <memory>

CFacility* GetFirstFacility(const CRoute& route) {
    const CRoute::FacilityList& list = route.GetFacilities();
    if (list.size() < 3) {
        return nullptr;
    }
    return *std::next(list.begin());
}

CFacility* GetLastFacility(const CRoute& route) {
    const CRoute::FacilityList& list = route.GetFacilities();
    if (list.size() < 3) {
        return nullptr;
    }
    return *std::prev(list.end(), 2);
}

CRoute::POSITION GetFirstFacilityPosition(CRoute& route) {
    CRoute::POSITION position = route.GetHeadPosition();
    return route.IsNullPosition(position) ? position : std::next(position);
}

CRoute::POSITION GetLastFacilityPosition(CRoute& route) {
    CRoute::POSITION position = route.GetTailPosition();
    return route.IsNullPosition(position) || position == route.GetHeadPosition() ? route.GetNullPosition()
                                                                                 : std::prev(position);
}

void ReverseRouteFacilities(CRoute& route) {
    if (route.GetSize() < 4) {
        return;
    }
    // Moving each facility in turn right behind the opening depot reverses them.
    CRoute::POSITION head = route.GetHeadPosition();
    route.MoveChainAfter(std::next(head), route.GetAt(head), head);
}

std::unique_ptr<CRoute> MakeSavingsRoute(CTramletDoc& document, CFacility* depot, CFacility* first,
                                         CFacility* second, bool setRoute) {
    auto route = std::make_unique<CRoute>(&document);
    route->AddFacility(depot, false);
    route->AddFacility(first, setRoute);
    if (second != nullptr) {
        route->AddFacility(second, setRoute);
    }
    route->AddFacility(depot, false);
    return route;
}

void ShowNoFeasibleShortcutMessage() {
    GetUserInterface().MessageBox(LoadSavingsString(IDS_SAVINGS_NO_FEASIBLE_SHORTCUT),
                                  EMessageIcon::exclamation, EMessageButtons::ok);
}

void CSavingsProgress::Pause(const CRoute* privateRoute) {
    if (privateRoute == nullptr) {
        m_document.PauseAlgorithm();
        return;
    }
    m_document.AddRoute(std::make_unique<CRoute>(*privateRoute), false);
    try {
        m_document.PauseAlgorithm();
    } catch (...) {
        m_document.RemoveLastRoute(false);
        throw;
    }
    m_document.RemoveLastRoute(false);
}

void CSavingsProgress::Step(const CRoute& route, const CFacility* f, int insertions, double savings,
                            double distance, bool privateRoute) {
    const int level = m_document.GetReportLevel();
    if (level < REPORT_STANDARD) {
        return;
    }
    CReportInsertFacility report;
    report.m_lCount = insertions;
    report.m_pFacility[INSERT_FACILITY] = f;
    const CRoute::FacilityList& list = route.GetFacilities();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (*it == f) {
            report.m_pFacility[INSERT_PREDECESSOR] = it != list.begin() ? *std::prev(it) : nullptr;
            report.m_pFacility[INSERT_SUCCESSOR] = std::next(it) != list.end() ? *std::next(it) : nullptr;
            break;
        }
    }
    report.SetCapacities(route);
    report.m_dInsertionPenalty = savings;
    report.m_dTotalDistance = distance;
    report.Show();
    if (level >= REPORT_DEBUG) {
        Pause(privateRoute ? &route : nullptr);
    }
}

void CSavingsProgress::RouteClosed(const CRoute* privateRoute) {
    const int level = m_document.GetReportLevel();
    if (level < REPORT_STANDARD) {
        return;
    }
    m_document.RedrawAllViews();
    if (level >= REPORT_DETAILED) {
        Pause(privateRoute);
    }
}
