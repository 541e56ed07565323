// The between-route improvements: Move Facility and Swap Facility.

#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_command_table.h"
#include "improvement/move_facility.h"
#include "improvement/between_route_search.h"
#include "improvement/swap_facility.h"
#include "model/tramlet_doc.h"

namespace {

using Arguments = std::vector<std::string>;

// A command that runs when its menu command would be enabled (no algorithm running, at least
// two routes), else refuses with a reason.
SBatchCommand MoveOrSwap(const std::string& name, const std::string& help,
                         std::function<ERunResult(CTramletDoc&)> run) {
    return {name, {}, help, [=](SBatchContext& context, const Arguments&) {
                if (!CanMoveOrSwapFacility(context.document)) {
                    std::fprintf(stderr, "tramlet-batch: %s needs at least two routes\n", name.c_str());
                    return false;
                }
                return run(context.document) == ERunResult::recorded;
            }};
}

} // namespace

void AddMoveSwapCommands(CBatchCommandTable& table) {
    table.Add(MoveOrSwap("move", "Move Facility: move customers and suppliers to other routes while it saves",
                         RunMoveFacility));
    table.Add(MoveOrSwap("swap", "Swap Facility: swap customers and suppliers of two routes while it saves",
                         RunSwapFacility));
}
