// The sector sweeps of the seed points and the seed rays, and the helpers of the seed reports.

#include <algorithm>
#include <cmath>

#include "construction/polar_angles.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment_seeds.h"
#include "runs/run_frame.h"

namespace {

// An angle brought into [0, 2 pi] by one turn at most.
double IntoFullTurn(double angle) {
    if (angle < 0.0) {
        return angle + POLAR_TWO_PI;
    }
    if (angle > POLAR_TWO_PI) {
        return angle - POLAR_TWO_PI;
    }
    return angle;
}

// The quantity a seed-point sector holds and its quantity-weighted radius and angle sums.
struct SSectorSums {
    double quantity = 0.0;
    double radius = 0.0;
    double angle = 0.0;
    void Add(double part, double rho, double theta) {
        quantity += part;
        radius += part * rho;
        angle += part * theta;
    }
};

// Sizes the sector vectors to m zeros.
SSeedSectors EmptySectors(int m) {
    SSeedSectors sectors;
    const size_t count = static_cast<size_t>(std::max(m, 0));
    sectors.start.assign(count, 0.0);
    sectors.end.assign(count, 0.0);
    sectors.angle.assign(count, 0.0);
    sectors.radius.assign(count, 0.0);
    return sectors;
}

// The angle that follows entry j in polar order, one turn on for the last entry.
double NextAngle(const std::vector<SPolarEntry>& polar, size_t j) {
    double next = j + 1 < polar.size() ? polar[j + 1].angle : polar[0].angle + POLAR_TWO_PI;
    return polar[j].angle > next ? next + POLAR_TWO_PI : next;
}

} // namespace

SSeedSectors SweepSeedPointSectors(const std::vector<SPolarEntry>& polar, int m, double qbar,
                                   double tolerance) {
    SSeedSectors sectors = EmptySectors(m);
    if (polar.empty() || m < 1) {
        return sectors;
    }
    const size_t N = polar.size();
    const int last = m - 1;
    int s = 0;
    SSectorSums sums;
    bool open = false; // the current sector holds quantity not yet in its seed
    double phi = polar[N - 1].angle - POLAR_TWO_PI;
    sectors.start[0] = (polar[0].angle + phi) / 2.0;

    auto setEnd = [&](double end) { sectors.end[s] = sectors.start[s] > end ? end + POLAR_TWO_PI : end; };
    // The seed of sector s from its sums (a sector of no quantity sits at the facility rho, theta).
    auto closeSector = [&](double rho, double theta) {
        sectors.radius[s] = sums.quantity > 0.0 ? sums.radius / sums.quantity : rho;
        sectors.angle[s] = IntoFullTurn(sums.quantity > 0.0 ? sums.angle / sums.quantity : theta);
        open = false;
    };

    for (size_t j = 0; j < N; ++j) {
        const double theta = polar[j].angle;
        const double rho = polar[j].radius;
        const double q = polar[j].quantity;
        const double next = NextAngle(polar, j);
        if (s == last) {
            sums.Add(q, rho, theta);
            open = true;
        } else if (std::fabs(sums.quantity + q - qbar) < tolerance * qbar) {
            setEnd((theta + next) / 2.0);
            sums.Add(q, rho, theta);
            closeSector(rho, theta);
            if (j + 1 < N) {
                ++s;
                sectors.start[s] = (theta + next) / 2.0;
                sums = SSectorSums();
            }
        } else if (sums.quantity + q < qbar) {
            sums.Add(q, rho, theta);
            open = true;
        } else {
            double excess = sums.quantity + q - qbar;
            const double part = q - excess;
            const double share = q > 0.0 ? part / q : 0.0;
            const double boundary = (theta + phi) / 2.0 + share * (next - phi) / 2.0;
            setEnd(boundary);
            sums.Add(part, rho, theta);
            closeSector(rho, theta);
            while (excess > 0.0) {
                ++s;
                sectors.start[s] = boundary;
                const double piece = s == last ? excess : std::min(excess, qbar);
                sums = SSectorSums();
                sums.Add(piece, rho, theta);
                excess -= piece;
                open = true;
                if (s == last) {
                    break;
                }
                if (std::fabs(piece - qbar) < tolerance * qbar) {
                    sectors.end[s] = (theta + next) / 2.0;
                    closeSector(rho, theta);
                }
            }
        }
        phi = theta;
    }
    if (open) {
        const size_t j = N - 1;
        setEnd((polar[j].angle + NextAngle(polar, j)) / 2.0);
        closeSector(polar[j].radius, polar[j].angle);
    }
    return sectors;
}

SSeedSectors SweepSeedRaySectors(const std::vector<SPolarEntry>& polar, int m, double qbar,
                                 double tolerance) {
    SSeedSectors sectors = EmptySectors(m);
    if (polar.empty() || m < 1) {
        return sectors;
    }
    const size_t N = polar.size();
    const int last = m - 1;
    int s = 0;
    double sum = 0.0;
    bool open = false;
    sectors.start[0] = polar[0].angle;

    auto closeSector = [&](double theta) {
        sectors.end[s] = theta < sectors.start[s] ? theta + POLAR_TWO_PI : theta;
        sectors.angle[s] = IntoFullTurn(sectors.start[s] + (sectors.end[s] - sectors.start[s]) / 2.0);
        open = false;
    };

    for (size_t j = 0; j < N; ++j) {
        const double theta = polar[j].angle;
        const double q = polar[j].quantity;
        open = true;
        if (s == last) {
            continue;
        }
        if (std::fabs(sum + q - qbar) < tolerance * qbar) {
            closeSector(theta);
            if (j + 1 < N) {
                ++s;
                sectors.start[s] = polar[j + 1].angle;
                sum = 0.0;
            }
        } else if (sum + q >= qbar) {
            closeSector(theta);
            if (j + 1 < N) {
                ++s;
                sectors.start[s] = theta;
                sum = sum + q - qbar;
            }
        } else {
            sum += q;
        }
    }
    if (open) {
        closeSector(polar[N - 1].angle);
    }
    // Rays the sweep never reached lie on the last one.
    for (int k = s + 1; k < m; ++k) {
        sectors.start[k] = sectors.start[s];
        sectors.end[k] = sectors.end[s];
        sectors.angle[k] = sectors.angle[s];
    }
    return sectors;
}

void ComputeRelativePolar(const CFacility* f, const CFacility* depot, double startingRadians, double& angle,
                          double& radius) {
    const double dx = f->GetWorldLocation().x() - depot->GetWorldLocation().x();
    const double dy = f->GetWorldLocation().y() - depot->GetWorldLocation().y();
    angle = std::atan2(dy, dx);
    if (angle < 0.0) {
        angle += POLAR_TWO_PI;
    }
    angle -= startingRadians;
    if (angle < 0.0) {
        angle += POLAR_TWO_PI;
    }
    radius = std::hypot(dx, dy);
}

void WriteAssignmentLog(const std::string& text) {
    WriteAssignmentLog([&](std::FILE* file) { std::fwrite(text.data(), 1, text.size(), file); });
}

void WriteAssignmentLog(const std::function<void(std::FILE*)>& write) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app == nullptr || !app->HasOutputLogFile()) {
        return;
    }
    try {
        app->WriteOutputLog(write);
    } catch (const CFileException& error) {
        ReportLogWriteFailure(error);
        ThrowUserException();
    }
}

bool WritesAssignmentDebug(const CTramletDoc& document) {
    const CSableWinApp* app = CSableWinApp::GetApp();
    return document.GetReportLevel() >= REPORT_DEBUG && app != nullptr && app->HasOutputLogFile();
}
