#pragma once

#include <string>

// The items of a scalar data file.
enum ESCALARITEM {
    SI_DATA_VERSION,
    SI_PROJECT_NAME,
    SI_MAP_PROJECTION,
    SI_MINIMUM_X,
    SI_MAXIMUM_X,
    SI_MINIMUM_Y,
    SI_MAXIMUM_Y,
    SI_MINIMUM_LONGITUDE,
    SI_MAXIMUM_LONGITUDE,
    SI_MINIMUM_LATITUDE,
    SI_MAXIMUM_LATITUDE,
    SI_DISTANCE_NORM,
    SI_WORLD_RADIUS,
    SI_DISTANCE_FACTOR,
    SI_NUMBER_OF_VEHICLES,
    SI_VEHICLE_CAPACITY,
    SI_INFEASIBILITY_PENALTY,
    SI_NUMBER_OF_CUSTOMERS,
    SI_NUMBER_OF_SUPPLIERS,
    SI_NUMBER_OF_DEPOTS,
    SI_NUMBER_OF_ROUTES,
    SI_CUSTOMER_FILE_NAME,
    SI_SUPPLIER_FILE_NAME,
    SI_DEPOT_FILE_NAME,
    SI_ROUTE_FILE_NAME,
    SI_MAP_FILE_NAME,
    SI_DISTANCE_FILE_NAME,
    SI_OUTPUT_LOG_FILE_NAME,
    SI_REPORT_LEVEL,
    SI_SEED,
    SI_NUMBER_OF_ITERATIONS,
    SI_TIME_LIMIT,
    SI_TOLERANCE,
    SI_CASE_NAME,
    SI_COST_FACTOR,
    SI_COUNT,
};

// Which kind of limits a key belongs to: the x and y limits are read only with the Orthogonal
// projection, the longitude and latitude limits only with the others.
enum class ELimitKind { none, rectangular, geographic };

struct SScalarDataKey {
    ESCALARITEM item;
    const char* key;  // with its brackets, as written
    bool quoted;      // a value starting with a double quote is taken between the line's quotes
    bool projectItem; // an item of the program's own data (else one of the framework's)
    int code;         // the program's attribute code of a project item, -1 otherwise
    ELimitKind limits;
};

// The key of an item ("[data_version]", ...).
const SScalarDataKey& GetScalarDataKey(ESCALARITEM item);
// The item of a key in any letter case; null for an unknown key or for limit keys that do not
// belong to the projection (orthogonal or not).
const SScalarDataKey* FindScalarDataKey(const std::string& key, bool orthogonal);

// The program's attribute codes of its scalar items.
enum EPROJECTITEMCODE {
    PI_NUMBER_OF_CUSTOMERS = 0,
    PI_NUMBER_OF_SUPPLIERS = 1,
    PI_NUMBER_OF_DEPOTS = 2,
    PI_NUMBER_OF_ROUTES = 3,
    PI_CUSTOMER_FILE_NAME = 4,
    PI_SUPPLIER_FILE_NAME = 5,
    PI_DEPOT_FILE_NAME = 6,
    PI_ROUTE_FILE_NAME = 7,
    PI_NUMBER_OF_VEHICLES = 8,
    PI_VEHICLE_CAPACITY = 9,
    PI_INFEASIBILITY_PENALTY = 10,
    PI_DISTANCE = 11,
};
