// Set partitioning with column generation: the lower bound and the construct variants.

#include <cstdio>

#include "batch/batch_command_table.h"
#include "model/tramlet_doc.h"
#include "optimisation/set_partitioning.h"

namespace {

using Arguments = std::vector<std::string>;

// A command is run where the program enables it. The limit of 128 customers and suppliers of the
// no-revisits variants is the run's own refusal, with its message.
SBatchCommand SetPartitioningCommand(const std::string& name, int mode, const std::string& help) {
    return {name, {}, help, [name, mode](SBatchContext& context, const Arguments&) {
                if (!CanRunSetPartitioning(context.document, mode & SP_FLAG_CONSTRUCT)) {
                    std::fprintf(stderr,
                                 "tramlet-batch: %s needs a depot, more than one vehicle and every customer "
                                 "and supplier on a route\n",
                                 name.c_str());
                    return false;
                }
                return RunSetPartitioning(context.document, mode) == ERunResult::recorded;
            }};
}

} // namespace

void AddSetPartitioningCommands(CBatchCommandTable& table) {
    table.Add(SetPartitioningCommand("sp-bound", SP_MODE_BOUND,
                                     "lower bound by set partitioning with column generation"));
    table.Add(SetPartitioningCommand("sp-bound-no-revisits", SP_MODE_BOUND_NO_REVISITS,
                                     "the lower bound with pricing that never revisits a facility"));
    table.Add(SetPartitioningCommand("sp-construct", SP_MODE_CONSTRUCT,
                                     "the lower bound, then the best routes of the generated columns"));
    table.Add(SetPartitioningCommand("sp-construct-no-revisits", SP_MODE_CONSTRUCT_NO_REVISITS,
                                     "the construct variant with pricing that never revisits a facility"));
}
