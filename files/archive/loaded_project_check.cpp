#include "files/archive/loaded_project_check.h"

#include <cmath>
#include <string>

#include "files/common_data_items.h"
#include "files/scalar_data_keys.h"
#include "framework/application/sable_win_app.h"
#include "framework/colours/shape.h"
#include "framework/exceptions/archive_exception.h"
#include "framework/geography/lon_lat.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// The largest quantity any facility may have: the largest vehicle capacity.
constexpr int kMaxQuantity = 32767;

// A real number as text that reads back as the same value.
std::string RealText(double value) {
    return FormatString("%.17g", value);
}

// Keeps the stored parameter when its bounds lie inside the fixed ones that checked its value.
template <class Parameter> void KeepStoredBounds(Parameter& fixed, const Parameter& stored) {
    if (stored.GetLowerBound() >= fixed.GetLowerBound() && stored.GetUpperBound() <= fixed.GetUpperBound() &&
        stored.GetLowerBound() <= stored.GetValue() && stored.GetValue() <= stored.GetUpperBound() &&
        stored.GetLowerBound() <= stored.GetDefault() && stored.GetDefault() <= stored.GetUpperBound()) {
        fixed = stored;
    }
}

// The framework's parameters, world radius and distance factor, decoded as the scalar data file
// decodes them, with the fixed bounds of an import.
bool CheckCommonParameters(CTramletDoc& document) {
    const CLongParameter iterations = document.MaxIterationsParameter();
    const CReportLevel level = document.ReportLevelParameter();
    const CSeed seed = document.SeedParameter();
    const CDoubleParameter timeLimit = document.TimeLimitParameter();
    const CDoubleParameter tolerance = document.ToleranceParameter();
    const CLongParameter sizes[3] = {document.VertexSizeParameter(), document.LabelSizeParameter(),
                                     document.GridSizeParameter()};
    for (const CLongParameter& size : sizes) {
        if (size.GetValue() < 1) {
            return false;
        }
    }
    document.InitializeCommonParameters();
    document.VertexSizeParameter() = sizes[0];
    document.LabelSizeParameter() = sizes[1];
    document.GridSizeParameter() = sizes[2];
    SCommonItemsPending pending;
    const std::string path = document.GetPathName();
    auto decode = [&](ESCALARITEM item, const std::string& text) {
        return DecodeCommonDataItem(document, item, text, nullptr, path, pending);
    };
    if (!decode(SI_NUMBER_OF_ITERATIONS, std::to_string(iterations.GetValue())) ||
        !decode(SI_REPORT_LEVEL, std::to_string(level.GetValue())) ||
        !decode(SI_SEED, std::to_string(seed.GetValue())) ||
        !decode(SI_TIME_LIMIT, RealText(timeLimit.GetValue())) ||
        !decode(SI_TOLERANCE, RealText(tolerance.GetValue())) ||
        !decode(SI_WORLD_RADIUS, RealText(document.GetWorldRadius())) ||
        !decode(SI_DISTANCE_FACTOR, RealText(document.GetDistanceFactor()))) {
        return false;
    }
    KeepStoredBounds(document.MaxIterationsParameter(), iterations);
    KeepStoredBounds<CLongParameter>(document.ReportLevelParameter(), level);
    KeepStoredBounds<CLongParameter>(document.SeedParameter(), seed);
    KeepStoredBounds(document.TimeLimitParameter(), timeLimit);
    KeepStoredBounds(document.ToleranceParameter(), tolerance);
    return true;
}

// The number of vehicles, the capacity and the penalty, decoded as the scalar data file does.
bool CheckFleetParameters(CTramletDoc& document) {
    const CLongParameter vehicles = document.NumberOfVehiclesParameter();
    const CLongParameter capacity = document.VehicleCapacityParameter();
    const CDoubleParameter penalty = document.InfeasibilityPenaltyParameter();
    document.InitializeFleetParameters(true);
    int whole = 0;
    double real = 0.0;
    if (!document.DecodeAttribute(PI_NUMBER_OF_VEHICLES, std::to_string(vehicles.GetValue()), whole) ||
        !document.NumberOfVehiclesParameter().SetValue(whole) ||
        !document.DecodeAttribute(PI_VEHICLE_CAPACITY, std::to_string(capacity.GetValue()), whole) ||
        !document.VehicleCapacityParameter().SetValue(whole) ||
        !document.DecodeAttribute(PI_INFEASIBILITY_PENALTY, RealText(penalty.GetValue()), real) ||
        !document.InfeasibilityPenaltyParameter().SetValue(real)) {
        return false;
    }
    KeepStoredBounds(document.NumberOfVehiclesParameter(), vehicles);
    KeepStoredBounds(document.VehicleCapacityParameter(), capacity);
    KeepStoredBounds(document.InfeasibilityPenaltyParameter(), penalty);
    return true;
}

// The world limits an import accepts: on a plane each limit within [-M, M] and each range within
// [1000, M]; in longitude and latitude each limit strictly inside the packed bounds.
bool CheckWorldLimits(const CTramletDoc& document) {
    const CLonLatRect& limits = document.GetWorldLimits();
    if (document.IsGeographicProjection()) {
        auto inside = [](int value, int bound) { return value > -bound && value < bound; };
        return inside(limits.m_west, MAX_LONGITUDE_PACKED) && inside(limits.m_east, MAX_LONGITUDE_PACKED) &&
               inside(limits.m_south, MAX_LATITUDE_PACKED) && inside(limits.m_north, MAX_LATITUDE_PACKED);
    }
    const long long m = GetMaxCoord();
    for (long long limit : {limits.m_west, limits.m_east, limits.m_south, limits.m_north}) {
        if (limit < -m || limit > m) {
            return false;
        }
    }
    const long long ranges[2] = {static_cast<long long>(limits.m_east) - limits.m_west,
                                 static_cast<long long>(limits.m_north) - limits.m_south};
    for (long long range : ranges) {
        if (range < MIN_COORDINATE_RANGE || range > m) {
            return false;
        }
    }
    return true;
}

// One facility against the rules of a facility data line (the quantity against the largest
// capacity: a capacity edit may leave a facility heavier than the current capacity).
bool CheckFacility(const CFacility& f) {
    std::string text;
    int value = 0;
    const CLonLatPoint& world = f.GetWorldLocation();
    if (!f.DecodeAttribute(FA_LABEL, f.GetLabel(), text) || !f.DecodeAttribute(FA_NAME, f.GetName(), text) ||
        !f.DecodeAttribute(FA_X, std::to_string(world.m_lon), value) ||
        !f.DecodeAttribute(FA_Y, std::to_string(world.m_lat), value) ||
        !f.DecodeAttribute(FA_SIZE, std::to_string(f.GetSize()), value) ||
        !f.DecodeAttribute(FA_SHAPE, GetShapeName(f.GetShape()), value)) {
        return false;
    }
    if (f.GetQuantity() < 0 || f.GetQuantity() > kMaxQuantity) {
        DisplayErrorMessage(FormatString("Invalid quantity %d for %s %s outside range [%d, %d]",
                                         f.GetQuantity(), f.GetTypeName().c_str(), f.GetLabel().c_str(), 0,
                                         kMaxQuantity),
                            false);
        return false;
    }
    return true;
}

// Every distance is a finite number not below 0.
bool CheckDistances(const CTramletDoc& document) {
    const int n = document.GetTotalNumberOfFacilities();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double distance = document.GetDistance(i, j);
            if (!std::isfinite(distance) || distance < 0.0) {
                return false;
            }
        }
    }
    return true;
}

bool CheckProject(CTramletDoc& document) {
    std::string message;
    if (!CheckProjectName(document.GetDocTitle(), message)) {
        DisplayErrorMessage(message, false);
        return false;
    }
    if (!CheckCommonParameters(document) || !CheckFleetParameters(document) || !CheckWorldLimits(document)) {
        return false;
    }
    for (int i = 0; i < document.GetTotalNumberOfFacilities(); ++i) {
        if (!CheckFacility(*document.GetFacility(i))) {
            return false;
        }
    }
    return CheckDistances(document);
}

} // namespace

void CheckLoadedProject(CTramletDoc& document, const std::string& fileName) {
    if (!CheckProject(document)) {
        throw CArchiveException(CArchiveException::genericException, fileName);
    }
}
