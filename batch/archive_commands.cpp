// Saving the project as a binary project file.

#include "batch/batch_command_table.h"
#include "model/tramlet_doc.h"

void AddArchiveCommands(CBatchCommandTable& table) {
    table.Add({"--save",
               {"FILE"},
               "save the project as a binary project file (.tramlet); an existing file is replaced only "
               "after the new one is complete",
               [](SBatchContext& context, const std::vector<std::string>& arguments) {
                   return context.document.OnSaveDocument(arguments[0]);
               }});
}
