// The between-route improvements: Move Facility and Swap Facility.

#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_command_table.h"
#include "improvement/between_route_search.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "model/tramlet_doc.h"

void AddMoveSwapCommands(CBatchCommandTable& table) {
    const std::string routes = "at least two routes";
    table.Add(AlgorithmCommand("move",
                               "Move Facility: move customers and suppliers to other routes while it saves",
                               CanMoveOrSwapFacility, routes, RunMoveFacility));
    table.Add(AlgorithmCommand("swap",
                               "Swap Facility: swap customers and suppliers of two routes while it saves",
                               CanMoveOrSwapFacility, routes, RunSwapFacility));
}
