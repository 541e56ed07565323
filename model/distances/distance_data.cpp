#include "model/distances/distance_data.h"

#include <cmath>
#include <stdexcept>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/distances/distance_validation.h"
#include "model/distances/road_network.h"
#include "model/model_strings.h"

const char* const kRoadNetworkProgressTitle =
    "Using MapPoint to calculate all link distances over the transportation network";

namespace {

// Closes the progress window however the computation ends.
class CProgressWindow {
public:
    explicit CProgressWindow(int range) : m_range(range) { Show(); }
    ~CProgressWindow() { GetUserInterface().CloseStatusWindow(kRoadNetworkProgressTitle); }
    CProgressWindow(const CProgressWindow&) = delete;
    CProgressWindow& operator=(const CProgressWindow&) = delete;

    void Advance(int steps) {
        m_position += steps;
        Show();
    }

private:
    void Show() const {
        GetUserInterface().ShowStatusWindow(kRoadNetworkProgressTitle,
                                            {{"Links", FormatString("%d of %d", m_position, m_range)}});
    }
    int m_range = 0;
    int m_position = 0;
};

// The x and y of planar locations, or the fractional latitude and longitude of packed ones.
struct SPlanePoint {
    double x = 0.0;
    double y = 0.0;
};

std::vector<SPlanePoint> ConvertLocations(const std::vector<CLonLatPoint>& locations, EDISTANCENORM norm) {
    std::vector<SPlanePoint> points(locations.size());
    for (size_t k = 0; k < locations.size(); ++k) {
        if (norm == DN_GREAT_CIRCLE) {
            points[k].x = DegMinSecToFracDeg(locations[k].GetLongitude());
            points[k].y = DegMinSecToFracDeg(locations[k].GetLatitude());
        } else {
            points[k].x = static_cast<double>(locations[k].x());
            points[k].y = static_cast<double>(locations[k].y());
        }
    }
    return points;
}

double PointDistance(const SPlanePoint& a, const SPlanePoint& b, const SDistanceSettings& settings) {
    const double dx = std::fabs(a.x - b.x);
    const double dy = std::fabs(a.y - b.y);
    switch (settings.norm) {
    case DN_GREAT_CIRCLE:
        return GreatCircleDistance(a.y, a.x, b.y, b.x, settings.worldRadius) * settings.distanceFactor;
    case DN_RECTILINEAR:
        return (dx + dy) * settings.distanceFactor;
    case DN_EUCLIDEAN:
        return std::hypot(dx, dy) * settings.distanceFactor;
    case DN_CHEBYSHEV:
        return (dx > dy ? dx : dy) * settings.distanceFactor;
    default:
        ThrowUserException();
    }
}

bool IsComputedFromLocations(EDISTANCENORM norm) {
    return norm == DN_GREAT_CIRCLE || norm == DN_RECTILINEAR || norm == DN_EUCLIDEAN || norm == DN_CHEBYSHEV;
}

} // namespace

void CDistanceData::SetSize(int numberFacilities) {
    if (numberFacilities < 0) {
        throw std::invalid_argument("negative number of facilities");
    }
    if (numberFacilities == 0) {
        m_distances.RemoveAll();
        return;
    }
    m_distances.SetSize(numberFacilities, numberFacilities);
}

void CDistanceData::Resize(int numberFacilities) {
    const int old = GetNumberFacilities();
    if (numberFacilities == old) {
        return;
    }
    CDoubleMatrix resized;
    if (numberFacilities > 0) {
        resized.SetSize(numberFacilities, numberFacilities);
    } else if (numberFacilities < 0) {
        throw std::invalid_argument("negative number of facilities");
    }
    const int kept = numberFacilities < old ? numberFacilities : old;
    for (int i = 0; i < kept; ++i) {
        for (int j = 0; j < kept; ++j) {
            resized[i][j] = m_distances[i][j];
        }
    }
    m_distances = resized;
}

void CDistanceData::Clear() {
    m_distances.RemoveAll();
    m_asymmetric = false;
}

void CDistanceData::InsertFacility(int index) {
    m_distances.InsertRowAndColumn(index, 0.0);
}

void CDistanceData::RemoveFacility(int index) {
    m_distances.DeleteRowAndColumn(index);
}

void CDistanceData::ComputeAllDistances(const std::vector<CLonLatPoint>& locations,
                                        const SDistanceSettings& settings) {
    const int n = static_cast<int>(locations.size());
    if (n < 2) {
        return;
    }
    if (settings.norm == DN_TRANSPORTATION_NETWORK) {
        ComputeRoadDistances(locations, settings, -1);
    } else if (IsComputedFromLocations(settings.norm)) {
        const std::vector<SPlanePoint> points = ConvertLocations(locations, settings.norm);
        // The first distance is computed before anything is written (it checks the radius).
        const double first = PointDistance(points[0], points[1], settings);
        if (GetNumberFacilities() != n || m_distances.GetNumberColumns() != n) {
            SetSize(n);
        }
        for (int i = 0; i < n; ++i) {
            double* row = m_distances[i];
            for (int j = i + 1; j < n; ++j) {
                const double d = (i == 0 && j == 1) ? first : PointDistance(points[i], points[j], settings);
                row[j] = d;
                m_distances[j][i] = d;
            }
        }
    } else {
        ThrowUserException();
    }
    WriteDebugReport(settings);
}

void CDistanceData::ComputeFacilityDistances(int facility, const std::vector<CLonLatPoint>& locations,
                                             const SDistanceSettings& settings) {
    const int n = static_cast<int>(locations.size());
    if (facility < 0 || facility >= n) {
        throw std::invalid_argument(FormatString("facility %d outside the %d locations", facility, n));
    }
    if (n < 2) {
        return;
    }
    if (settings.norm == DN_TRANSPORTATION_NETWORK) {
        ComputeRoadDistances(locations, settings, facility);
        return;
    }
    if (!IsComputedFromLocations(settings.norm)) {
        ThrowUserException();
    }
    const std::vector<SPlanePoint> points = ConvertLocations(locations, settings.norm);
    std::vector<double> row(n, 0.0);
    for (int j = 0; j < n; ++j) {
        if (j != facility) {
            row[j] = j < facility ? PointDistance(points[j], points[facility], settings)
                                  : PointDistance(points[facility], points[j], settings);
        }
    }
    Resize(n);
    for (int j = 0; j < n; ++j) {
        if (j != facility) {
            m_distances[facility][j] = row[j];
            m_distances[j][facility] = row[j];
        }
    }
}

void CDistanceData::ComputeRoadDistances(const std::vector<CLonLatPoint>& locations,
                                         const SDistanceSettings& settings, int onlyFacility) {
    const int n = static_cast<int>(locations.size());
    std::vector<SGeoPosition> positions(n);
    for (int k = 0; k < n; ++k) {
        positions[k] = ToGeoPosition(locations[k]);
    }
    // Positions and the road network are checked before the matrix is touched.
    CRoadNetworkSession session;
    if (onlyFacility >= 0) {
        Resize(n);
    } else if (GetNumberFacilities() != n || m_distances.GetNumberColumns() != n) {
        SetSize(n);
    }
    // Each facility's distances to those behind it come from one search from it; d(j, i) takes
    // the value of d(i, j).
    auto storePair = [this](int from, int to, double d) {
        m_distances[from][to] = d;
        m_distances[to][from] = d;
    };
    const CMapPointRoutePreferences& preferences = settings.routePreferences;
    if (onlyFacility >= 0) {
        const std::vector<SGeoPosition> before(positions.begin(), positions.begin() + onlyFacility);
        const std::vector<SGeoPosition> after(positions.begin() + onlyFacility + 1, positions.end());
        session.GetRoadDistances(
            positions[onlyFacility], before, true, preferences,
            [&](std::size_t k, double d) { storePair(static_cast<int>(k), onlyFacility, d); });
        session.GetRoadDistances(positions[onlyFacility], after, false, preferences,
                                 [&](std::size_t k, double d) {
                                     storePair(onlyFacility, onlyFacility + 1 + static_cast<int>(k), d);
                                 });
    } else {
        CProgressWindow progress(n * (n - 1) / 2);
        session.GetRoadDistanceRows(positions, preferences, [&](std::size_t i, std::size_t j, double d) {
            storePair(static_cast<int>(i), static_cast<int>(j), d);
            if (static_cast<int>(j) == n - 1) {
                progress.Advance(n - 1 - static_cast<int>(i));
            }
        });
    }
    if (HasAsymmetricPair(settings.tolerance)) {
        m_asymmetric = true;
    }
}

bool CDistanceData::HasAsymmetricPair(double tolerance) const {
    const int n = GetNumberFacilities();
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (std::fabs(m_distances[i][j] - m_distances[j][i]) > tolerance * m_distances[i][j]) {
                return true;
            }
        }
    }
    return false;
}

bool CDistanceData::UpdateAsymmetryFlag() {
    m_asymmetric = false;
    const int n = GetNumberFacilities();
    for (int i = 0; i < n && !m_asymmetric; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (m_distances[i][j] != m_distances[j][i]) {
                m_asymmetric = true;
                break;
            }
        }
    }
    return m_asymmetric;
}

void CDistanceData::MakeSymmetric() {
    const int n = GetNumberFacilities();
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            m_distances[j][i] = m_distances[i][j];
        }
    }
    m_asymmetric = false;
}

bool CDistanceData::OnSymmetricDistances() {
    EMessageAnswer answer = GetUserInterface().MessageBox(
        "This command will make all distances distances symmetric based on the upper triangular distance "
        "matrix.\r\nDo you wish to continue?",
        EMessageIcon::question, EMessageButtons::yesNo);
    if (answer != EMessageAnswer::yes) {
        return false;
    }
    MakeSymmetric();
    return true;
}

ELinkEditResult CDistanceData::EditLink(int a, int b, const std::string& forwardText,
                                        const std::string& backwardText, bool oneValue, double maxDistance,
                                        double tolerance) {
    const int n = GetNumberFacilities();
    if (a < 0 || a >= n || b < 0 || b >= n || a == b) {
        throw std::invalid_argument(FormatString("invalid link from %d to %d of %d facilities", a, b, n));
    }
    const std::string& backward = oneValue ? forwardText : backwardText;
    double forwardValue = 0.0;
    double backwardValue = 0.0;
    auto withinTolerance = [tolerance](double value, double stored) {
        return std::fabs(value - stored) <= tolerance * stored;
    };
    if (ParseRealNumber(forwardText, forwardValue) && ParseRealNumber(backward, backwardValue) &&
        withinTolerance(forwardValue, m_distances[a][b]) &&
        withinTolerance(backwardValue, m_distances[b][a])) {
        return ELinkEditResult::unchanged;
    }
    if (!DecodeDistance(forwardText, forwardValue, maxDistance) ||
        !DecodeDistance(backward, backwardValue, maxDistance)) {
        return ELinkEditResult::refused;
    }
    m_distances[a][b] = forwardValue;
    m_distances[b][a] = backwardValue;
    if (forwardValue != backwardValue) {
        m_asymmetric = true;
    }
    return ELinkEditResult::stored;
}

void CDistanceData::WriteDistanceReport(std::FILE* file) const {
    std::fputs("\n\nDistances\n\n", file);
    if (GetNumberFacilities() > 0) {
        m_distances.Write(file, "%8.2lf", 10, 80, true);
    }
}

void CDistanceData::WriteDebugReport(const SDistanceSettings& settings) const {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (settings.reportLevel < 5 || app == nullptr || !app->HasOutputLogFile()) {
        return;
    }
    // The report is formed in a scratch file and handed to the output log in one write.
    std::FILE* scratch = std::tmpfile();
    if (scratch == nullptr) {
        return;
    }
    WriteDistanceReport(scratch);
    std::string text;
    long size = std::ftell(scratch);
    if (size > 0) {
        text.resize(static_cast<size_t>(size));
        std::rewind(scratch);
        text.resize(std::fread(text.data(), 1, text.size(), scratch));
    }
    std::fclose(scratch);
    app->WriteOutputLogMessage(text);
}

std::string FormatLinkDialogTitle(const std::string& fromType, const std::string& fromLabel,
                                  const std::string& toType, const std::string& toLabel) {
    return FormatString("Edit Link from %s %s to %s %s", fromType.c_str(), fromLabel.c_str(), toType.c_str(),
                        toLabel.c_str());
}

std::string FormatLinkDialogLabel(const std::string& fromType, const std::string& fromLabel,
                                  const std::string& toType, const std::string& toLabel) {
    return FormatString("From %s %s to %s %s:", fromType.c_str(), fromLabel.c_str(), toType.c_str(),
                        toLabel.c_str());
}
