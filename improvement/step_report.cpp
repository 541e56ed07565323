#include "improvement/step_report.h"

#include <cassert>
#include <utility>

#include "framework/colours/color.h"
#include "framework/strings/format.h"
#include "improvement/improvement_strings.h"
#include "model/tramlet_doc.h"

std::string FormatReportFacility(const CFacility* f) {
    if (f == nullptr) {
        return LoadImprovementString(IDS_REPORT_NONE);
    }
    return f->GetTypeName() + " " + f->GetLabel();
}

std::string FormatReportCapacity(const CRoute* route, int type) {
    if (route == nullptr) {
        return LoadImprovementString(IDS_REPORT_NONE);
    }
    return FormatString("%d", route->GetResidualCapacity(type));
}

// ---- display routes ----

void CStepDisplayRoutes::Add(std::initializer_list<CFacility*> sequence, int colorIndex) {
    assert(sequence.size() >= 2 && "a display route shows at least one link");
    auto route = std::make_unique<CRoute>(&m_document);
    for (CFacility* f : sequence) {
        route->AddFacility(f, false);
    }
    m_routes.push_back({std::move(route), colorIndex});
}

void CStepDisplayRoutes::RemoveTemporaryRoutes(int added) {
    // The last added is the project's last route: take them back in reverse order.
    for (int k = added - 1; k >= 0; --k) {
        m_routes[k].route = m_document.RemoveLastRoute(false);
    }
}

void CStepDisplayRoutes::ShowAndPause(const std::function<void()>& refreshStatusWindow) {
    int added = 0;
    try {
        for (SDisplayRoute& display : m_routes) {
            CPRGB color;
            color.SetColorIndex(display.colorIndex);
            display.route->SetColor(color);
            // The document takes the route over until it is removed again.
            m_document.AddRoute(std::move(display.route), false);
            ++added;
        }
        m_document.RedrawAllGraphicalViews();
        refreshStatusWindow();
        m_document.PauseAlgorithm();
    } catch (...) {
        RemoveTemporaryRoutes(added);
        throw;
    }
    RemoveTemporaryRoutes(added);
}
