#include "files/scalar_data_keys.h"

#include <strings.h>

namespace {

constexpr ELimitKind kNone = ELimitKind::none;
constexpr ELimitKind kXY = ELimitKind::rectangular;
constexpr ELimitKind kGeo = ELimitKind::geographic;

const SScalarDataKey kKeys[SI_COUNT] = {
    {SI_DATA_VERSION, "[data_version]", false, false, -1, kNone},
    {SI_PROJECT_NAME, "[project_name]", true, false, -1, kNone},
    {SI_MAP_PROJECTION, "[map_projection]", false, false, -1, kNone},
    {SI_MINIMUM_X, "[minimum_x_coordinate]", false, false, -1, kXY},
    {SI_MAXIMUM_X, "[maximum_x_coordinate]", false, false, -1, kXY},
    {SI_MINIMUM_Y, "[minimum_y_coordinate]", false, false, -1, kXY},
    {SI_MAXIMUM_Y, "[maximum_y_coordinate]", false, false, -1, kXY},
    {SI_MINIMUM_LONGITUDE, "[minimum_longitude]", false, false, -1, kGeo},
    {SI_MAXIMUM_LONGITUDE, "[maximum_longitude]", false, false, -1, kGeo},
    {SI_MINIMUM_LATITUDE, "[minimum_latitude]", false, false, -1, kGeo},
    {SI_MAXIMUM_LATITUDE, "[maximum_latitude]", false, false, -1, kGeo},
    {SI_DISTANCE_NORM, "[distance_norm]", false, false, -1, kNone},
    {SI_WORLD_RADIUS, "[world_radius]", false, false, -1, kNone},
    {SI_DISTANCE_FACTOR, "[distance_factor]", false, false, -1, kNone},
    {SI_NUMBER_OF_VEHICLES, "[number_of_vehicles]", false, true, PI_NUMBER_OF_VEHICLES, kNone},
    {SI_VEHICLE_CAPACITY, "[vehicle_capacity]", false, true, PI_VEHICLE_CAPACITY, kNone},
    {SI_INFEASIBILITY_PENALTY, "[infeasibility_penalty]", false, true, PI_INFEASIBILITY_PENALTY, kNone},
    {SI_NUMBER_OF_CUSTOMERS, "[number_of_customers]", false, true, PI_NUMBER_OF_CUSTOMERS, kNone},
    {SI_NUMBER_OF_SUPPLIERS, "[number_of_suppliers]", false, true, PI_NUMBER_OF_SUPPLIERS, kNone},
    {SI_NUMBER_OF_DEPOTS, "[number_of_depots]", false, true, PI_NUMBER_OF_DEPOTS, kNone},
    {SI_NUMBER_OF_ROUTES, "[number_of_routes]", false, true, PI_NUMBER_OF_ROUTES, kNone},
    {SI_CUSTOMER_FILE_NAME, "[customer_file_name]", true, true, PI_CUSTOMER_FILE_NAME, kNone},
    {SI_SUPPLIER_FILE_NAME, "[supplier_file_name]", true, true, PI_SUPPLIER_FILE_NAME, kNone},
    {SI_DEPOT_FILE_NAME, "[depot_file_name]", true, true, PI_DEPOT_FILE_NAME, kNone},
    {SI_ROUTE_FILE_NAME, "[route_file_name]", true, true, PI_ROUTE_FILE_NAME, kNone},
    {SI_MAP_FILE_NAME, "[map_file_name]", true, false, -1, kNone},
    {SI_DISTANCE_FILE_NAME, "[distance_file_name]", true, false, -1, kNone},
    {SI_OUTPUT_LOG_FILE_NAME, "[output_log_file_name]", true, false, -1, kNone},
    {SI_REPORT_LEVEL, "[report_level]", false, false, -1, kNone},
    {SI_SEED, "[seed]", false, false, -1, kNone},
    {SI_NUMBER_OF_ITERATIONS, "[number_of_iterations]", false, false, -1, kNone},
    {SI_TIME_LIMIT, "[time_limit]", false, false, -1, kNone},
    {SI_TOLERANCE, "[tolerance]", false, false, -1, kNone},
    {SI_CASE_NAME, "[case_name]", false, false, -1, kNone},
    {SI_COST_FACTOR, "[cost_factor]", false, false, -1, kNone},
};

} // namespace

const SScalarDataKey& GetScalarDataKey(ESCALARITEM item) {
    return kKeys[item];
}

const SScalarDataKey* FindScalarDataKey(const std::string& key, bool orthogonal) {
    for (const SScalarDataKey& entry : kKeys) {
        if (strcasecmp(entry.key, key.c_str()) != 0) {
            continue;
        }
        if ((entry.limits == kXY && !orthogonal) || (entry.limits == kGeo && orthogonal)) {
            return nullptr;
        }
        return &entry;
    }
    return nullptr;
}
