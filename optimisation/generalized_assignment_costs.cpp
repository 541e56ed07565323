// The assignment costs of the seed points and of the seed rays, with their Debug reports.

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "construction/construction_strings.h"
#include "construction/polar_angles.h"
#include "framework/application/sable_win_app.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment.h"
#include "optimisation/generalized_assignment_seeds.h"

const char* const GAP_INSUFFICIENT_FACILITIES =
    "Insufficient number of %s facilities to start Seed Point Generalized Assignment algorithm";

namespace {

const CFacility* FirstDepot(const CTramletDoc& document) {
    const CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    if (depot == nullptr) {
        throw std::invalid_argument("Generalized assignment needs a depot");
    }
    return depot;
}

double StartingRadians(const CTramletDoc& document) {
    return document.GetStartingAngle() * POLAR_TWO_PI / 360.0;
}

// The type that places the seed points: the type of the larger total quantity (suppliers on a
// tie) when it has a facility per vehicle, else the other one when that has; else the message.
int ChooseSeedPointType(const CTramletDoc& document) {
    const int m = document.GetNumberOfVehicles();
    const int preferred = document.GetTotalQuantity(FT_CUSTOMER) > document.GetTotalQuantity(FT_SUPPLIER)
                              ? FT_CUSTOMER
                              : FT_SUPPLIER;
    const int other = 1 - preferred;
    if (document.GetNumberOfFacilities(preferred) >= m) {
        return preferred;
    }
    if (document.GetNumberOfFacilities(other) >= m) {
        return other;
    }
    DisplayErrorMessage(FormatString(GAP_INSUFFICIENT_FACILITIES, document.GetTypeName(preferred).c_str()),
                        false);
    ThrowUserException();
}

// A matrix report block of the output log: the heading, then the matrix.
void WriteMatrixBlock(const char* heading, const CDoubleMatrix& matrix) {
    WriteAssignmentLog([&](std::FILE* file) {
        std::fputs(heading, file);
        matrix.Write(file, "%8.2lf  ", 10, 80, true);
    });
}

// The seed points of the sectors (S3): absolute angle, coordinates.
void PlaceSeedPoints(const CTramletDoc& document, const SSeedSectors& sectors, std::vector<double>& x,
                     std::vector<double>& y) {
    const CFacility* depot = FirstDepot(document);
    const double x0 = depot->GetWorldLocation().x();
    const double y0 = depot->GetWorldLocation().y();
    const double start = StartingRadians(document);
    const size_t m = sectors.angle.size();
    std::vector<double> absolute(m);
    x.assign(m, 0.0);
    y.assign(m, 0.0);
    for (size_t s = 0; s < m; ++s) {
        absolute[s] = sectors.angle[s] + start;
        if (absolute[s] > POLAR_TWO_PI) {
            absolute[s] -= POLAR_TWO_PI;
        }
        x[s] = x0 + sectors.radius[s] * std::cos(absolute[s]);
        y[s] = y0 + sectors.radius[s] * std::sin(absolute[s]);
    }
    if (WritesAssignmentDebug(document)) {
        std::string text = FormatString("\nStarting Angle (radians, degrees) = %8.6lf %5d\n", start,
                                        document.GetStartingAngle());
        text += "\nSeed Point Coordinates\n";
        text += "\nSector\tAbs. Angle\tRadius\tX Coord\tY Coord\n\n";
        for (size_t s = 0; s < m; ++s) {
            text += FormatString("%d\t%6.4lf\t%7.1lf\t%7.1lf\t%7.1lf\n", static_cast<int>(s) + 1, absolute[s],
                                 sectors.radius[s], x[s], y[s]);
        }
        WriteAssignmentLog(text);
    }
}

// The facility line of the seed-ray reports: type name, label, coordinates.
std::string FacilityHead(const CFacility* f, const char* separator) {
    return FormatString("%s%s\t%s\t%d\t%d", f->GetTypeName().c_str(), separator, f->GetLabel().c_str(),
                        f->GetWorldLocation().x(), f->GetWorldLocation().y());
}

} // namespace

void ComputeSeedPointCosts(const CTramletDoc& document, CDoubleMatrix& costs) {
    const CFacility* depot = FirstDepot(document);
    const int m = document.GetNumberOfVehicles();
    const int n = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    const int total = document.GetTotalNumberOfFacilities();
    const int type = ChooseSeedPointType(document);
    const double qbar = static_cast<double>(document.GetTotalQuantity(type)) / m;

    CDoubleVector angles;
    CDoubleVector radii;
    CLongVector order;
    ComputePolarAngles(document, type, angles, radii, order);
    std::vector<SPolarEntry> polar;
    for (int j = 0; j < order.GetSize(); ++j) {
        const int position = order[j];
        polar.push_back(
            {angles[position], radii[position], document.GetFacility(type, position)->GetQuantity()});
    }
    const SSeedSectors sectors = SweepSeedPointSectors(polar, m, qbar, document.GetTolerance());
    const bool debug = WritesAssignmentDebug(document);
    if (debug) {
        std::string text = "\nSector\tStart Angle\tEnd Angle\tSector Angle\tRadius\n\n";
        for (int s = 0; s < m; ++s) {
            text += FormatString("%d\t%6.4lf\t%6.4lf\t%6.4lf\t%7.1lf\n", s + 1, sectors.start[s],
                                 sectors.end[s], sectors.angle[s], sectors.radius[s]);
        }
        WriteAssignmentLog(text);
    }

    std::vector<double> seedX;
    std::vector<double> seedY;
    PlaceSeedPoints(document, sectors, seedX, seedY);

    CDoubleMatrix seedDistances(total, m);
    for (int i = 0; i < total; ++i) {
        const CLonLatPoint& p = document.GetFacility(i)->GetWorldLocation();
        for (int s = 0; s < m; ++s) {
            seedDistances[i][s] = std::hypot(p.x() - seedX[s], p.y() - seedY[s]);
        }
    }
    costs.SetSize(n, m);
    const double x0 = depot->GetWorldLocation().x();
    const double y0 = depot->GetWorldLocation().y();
    for (int g = 0; g < n; ++g) {
        const CLonLatPoint& p = document.GetFacility(g)->GetWorldLocation();
        const double radius = std::hypot(p.x() - x0, p.y() - y0);
        for (int s = 0; s < m; ++s) {
            costs[g][s] = radius + seedDistances[g][s] - seedDistances[total - 1][s];
        }
    }
    if (debug) {
        WriteMatrixBlock("\n\nSeed Point Distances\n\n", seedDistances);
        WriteMatrixBlock("\n\nSeed Point Assignment Costs\n\n", costs);
    }
}

void ComputeSeedRayCosts(const CTramletDoc& document, CDoubleMatrix& costs) {
    const CFacility* depot = FirstDepot(document);
    const int m = document.GetNumberOfVehicles();
    const int C = document.GetVehicleCapacity();
    const int n = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    const int type = document.GetTotalQuantity(FT_CUSTOMER) <= document.GetTotalQuantity(FT_SUPPLIER)
                         ? FT_SUPPLIER
                         : FT_CUSTOMER;
    const double qbar = static_cast<double>(document.GetTotalQuantity(type) / m);
    const double start = StartingRadians(document);
    const bool debug = WritesAssignmentDebug(document);

    std::vector<double> alpha(static_cast<size_t>(n));
    std::vector<double> rho(static_cast<size_t>(n));
    bool anyEligible = false;
    std::string text = "Fac. Type\tLabel\tX-Coord\tY-Coord\tPolar Angle\tRadius\n\n";
    text += FacilityHead(depot, "   ") + "\n\n";
    for (int g = 0; g < n; ++g) {
        const CFacility* f = document.GetFacility(g);
        ComputeRelativePolar(f, depot, start, alpha[g], rho[g]);
        if (f->GetQuantity() <= C) {
            anyEligible = true;
        }
        if (debug && f->GetQuantity() <= C) {
            text += FacilityHead(f, "") + FormatString("\t%6.4lf\t%7.1lf\n", alpha[g], rho[g]);
        }
    }
    if (debug) {
        WriteAssignmentLog(text);
    }

    // The driving type in polar order.
    const int first = document.GetFirstNumber(type);
    const int N = document.GetNumberOfFacilities(type);
    std::vector<SPolarEntry> polar;
    if (N > 0) {
        CDoubleVector angles(N);
        CLongVector order(N);
        for (int p = 0; p < N; ++p) {
            angles[p] = alpha[first + p];
            order[p] = p;
        }
        angles.IndexSort(order);
        for (int j = 0; j < N; ++j) {
            polar.push_back({angles[order[j]], 0.0, document.GetFacility(type, order[j])->GetQuantity()});
        }
        if (debug) {
            text = FormatString("\nStarting Angle (radians, degrees) = %8.6lf %5d\n", start,
                                document.GetStartingAngle());
            text += "\nFac. Type\tLabel\tX-Coord\tY-Coord\tRel. Polar Angle\n\n";
            for (int j = 0; j < N; ++j) {
                text += FacilityHead(document.GetFacility(type, order[j]), "") +
                        FormatString("\t%5.3lf\n", angles[order[j]]);
            }
            WriteAssignmentLog(text);
        }
    }
    const SSeedSectors rays = SweepSeedRaySectors(polar, m, qbar, document.GetTolerance());
    if (debug) {
        text = "\nSector\tStart Angle\tEnd Angle\tSector Angle\n\n";
        for (int s = 0; s < m; ++s) {
            text += FormatString("%d\t%8.6lf\t%8.6lf\t%8.6lf\n", s + 1, rays.start[s], rays.end[s],
                                 rays.angle[s]);
        }
        WriteAssignmentLog(text);
    }

    if (!anyEligible) {
        ShowNoRoutableFacilitiesWarning();
        ThrowUserException();
    }
    costs.SetSize(n, m);
    costs.Fill(GAP_NO_COST);
    text = "\nFac. Type\tLabel\tSector\tDelta Polar Angle\tRadius\tCost\n\n";
    for (int g = 0; g < n; ++g) {
        const CFacility* f = document.GetFacility(g);
        if (f->GetQuantity() > C) {
            continue;
        }
        for (int s = 0; s < m; ++s) {
            double ahead = alpha[g] - rays.angle[s];
            double behind = rays.angle[s] - alpha[g];
            ahead += ahead < 0.0 ? POLAR_TWO_PI : 0.0;
            behind += behind < 0.0 ? POLAR_TWO_PI : 0.0;
            const double delta = std::min(ahead, behind);
            costs[g][s] = rho[g] * delta;
            if (!debug) {
                continue;
            }
            text += FormatString("%s   \t%s\tv%d\t%6.4lf\t%7.1lf\t%8.2lf\n", f->GetTypeName().c_str(),
                                 f->GetLabel().c_str(), s + 1, delta, rho[g], costs[g][s]);
        }
    }
    if (debug) {
        WriteAssignmentLog(text);
        WriteMatrixBlock("\n\nSeed Ray Assignment Costs\n\n", costs);
    }
}
