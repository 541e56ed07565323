#include "batch/batch_command_table.h"

void AddAllBatchCommands(CBatchCommandTable& table) {
    AddProjectCommands(table);
    AddArchiveCommands(table);
    AddConstructionCommands(table);
    AddMipCommands(table);
    AddSavingsCommands(table);
    AddExchangeCommands(table);
    AddMoveSwapCommands(table);
    AddCrossoverCommands(table);
    AddAssignmentCommands(table);
    AddCombinedCommands(table);
    AddSetPartitioningCommands(table);
    AddSearchCommands(table);
    AddSolutionCommands(table);
}
