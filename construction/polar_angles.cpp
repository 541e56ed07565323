#include "construction/polar_angles.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "framework/application/sable_win_app.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"

namespace {

bool WritesDebugTables(const CTramletDoc& document) {
    const CSableWinApp* app = CSableWinApp::GetApp();
    return document.GetReportLevel() >= REPORT_DEBUG && app != nullptr && app->HasOutputLogFile();
}

std::string FacilityLine(const CFacility* f, double angle, double radius) {
    const CLonLatPoint& p = f->GetWorldLocation();
    return FormatString("%s\t%s\t%d\t%d\t%5.3lf\t%7.1lf\t%5d\n", f->GetTypeName().c_str(),
                        f->GetLabel().c_str(), p.x(), p.y(), angle, radius, f->GetQuantity());
}

} // namespace

void ComputePolarAngles(const CTramletDoc& document, int selection, CDoubleVector& angles,
                        CDoubleVector& radii, CLongVector& order) {
    if (selection < PS_CUSTOMERS || selection > PS_CUSTOMERS_AND_SUPPLIERS) {
        throw std::invalid_argument(FormatString("Invalid polar angle selection %d", selection));
    }
    const CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    if (depot == nullptr) {
        throw std::invalid_argument("Polar angles need a depot");
    }

    // The selected facilities in position order.
    std::vector<const CFacility*> selected;
    int types[2] = {FT_CUSTOMER, FT_SUPPLIER};
    int firstType = selection == PS_SUPPLIERS ? 1 : 0;
    int lastType = selection == PS_CUSTOMERS ? 0 : 1;
    for (int t = firstType; t <= lastType; ++t) {
        for (int k = 0; k < document.GetNumberOfFacilities(types[t]); ++k) {
            selected.push_back(document.GetFacility(types[t], k));
        }
    }
    const int n = static_cast<int>(selected.size());

    const int startingAngle = document.GetStartingAngle();
    const double theta0 = startingAngle * 6.28318530717956 / 360;
    const double xo = depot->GetWorldLocation().x();
    const double yo = depot->GetWorldLocation().y();
    angles.SetSize(n);
    radii.SetSize(n);
    order.SetSize(n);
    for (int k = 0; k < n; ++k) {
        const CLonLatPoint& p = selected[k]->GetWorldLocation();
        double dx = p.x() - xo;
        double dy = p.y() - yo;
        double angle = std::atan2(dy, dx);
        if (angle < 0.0) {
            angle += POLAR_TWO_PI;
        }
        angle -= theta0;
        if (angle < 0.0) {
            angle += POLAR_TWO_PI;
        }
        angles[k] = angle;
        radii[k] = std::hypot(dx, dy);
        order[k] = k;
    }

    const bool debug = WritesDebugTables(document);
    if (debug) {
        std::string text =
            FormatString("\nStarting Angle (radians, degrees) = %8.6lf %5d\n", theta0, startingAngle);
        text += "\nFac. Type\tLabel\tX-Coord\tY-Coord\tPolar Angle\tRadius\tQuantity\n\n";
        text += FormatString("%s   \t%s\t%d\t%d\n\n", depot->GetTypeName().c_str(), depot->GetLabel().c_str(),
                             depot->GetWorldLocation().x(), depot->GetWorldLocation().y());
        for (int k = 0; k < n; ++k) {
            text += FacilityLine(selected[k], angles[k], radii[k]);
        }
        text += "\n";
        AppendToOutputLog(text);
    }

    angles.IndexSort(order);

    if (debug) {
        std::string text = "Fac. Type\tLabel\tX-Coord\tY-Coord\tPolar Angle\tRadius\tQuantity\n\n";
        for (int k = 0; k < n; ++k) {
            int position = order[k];
            text += FacilityLine(selected[position], angles[position], radii[position]);
        }
        text += "\n";
        AppendToOutputLog(text);
    }
}
