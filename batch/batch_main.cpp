// tramlet-batch: opens a project, runs settings and commands in the order given and prints the
// statistics list.

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/tramlet_app.h"
#include "app/tramlet_version.h"
#include "batch/batch_command_table.h"
#include "batch/instance_runner.h"
#include "batch/statistics_output.h"
#include "files/archive/binary_project_file.h"
#include "files/text_project_import.h"
#include "framework/platform/console_user_interface.h"
#include "model/tramlet_doc.h"

namespace {

struct SBatchOptions {
    bool json = false;
    bool quiet = false;
    bool newProject = false;
    std::string project;
    std::string roadNetwork;
    std::optional<double> referenceValue;
    SInstanceRun instances;
    BatchSteps steps;
};

void PrintHelp(const CBatchCommandTable& table) {
    std::printf("Usage: tramlet-batch [OPTIONS] PROJECT [STEP...]\n"
                "       tramlet-batch [OPTIONS] --new [STEP...]\n"
                "       tramlet-batch --instances FOLDER [--best-known CSV] [--csv FILE] [STEP...]\n"
                "\n"
                "Opens a Tramlet project (a .dat scalar data file is imported, a .vrpb benchmark\n"
                "instance read, a .tramlet binary project opened), runs the steps in the order given\n"
                "and prints the statistics list.\n"
                "Steps are settings (--name VALUE) and commands (plain words). The system's messages\n"
                "go to stderr.\n"
                "\n"
                "Options:\n"
                "  --help                                show this text and exit\n"
                "  --version                             show the program's version and exit\n"
                "  --new                                 start from a new empty project\n"
                "  --yes                                 answer Yes to the program's questions (default No)\n"
                "  --extend-time-limit                   continue when the run-time limit expires\n"
                "                                        (default: the run ends)\n"
                "  --status-windows                      echo algorithm status windows to stderr\n"
                "  --json                                print one JSON object (see below)\n"
                "  --reference-value X                   a best-known or reference distance: the JSON\n"
                "                                        gives every record's gap to it\n"
                "  --instances FOLDER                    run the steps on every .vrpb instance of the\n"
                "                                        folder: one row per instance and a summary\n"
                "  --best-known CSV                      best known values (columns instance, bks) for\n"
                "                                        the gaps of --instances\n"
                "  --csv FILE                            write the rows of --instances as CSV\n"
                "  --quiet                               print no statistics list\n"
                "  --road-network FILE                   road network for the Transportation_Network\n"
                "                                        norm: an OpenStreetMap extract (.osm, .osm.pbf;\n"
                "                                        default: $TRAMLET_ROAD_NETWORK)\n"
                "\n"
                "Steps:\n%s"
                "\n"
                "JSON: {\"records\": [...], \"routes\": [...], \"project\": {...}, \"distance\",\n"
                "\"infeasibility_penalty\", \"cost\", \"reference_value\", \"reference_gap_percent\"}.\n"
                "A record has number, algorithm, distance, distance_penalty_percent (the list's\n"
                "\"Dist. Penalty\" column), infeasibility_penalty (the penalty cost added to the\n"
                "distance), cost, best_distance, best_cost, routes, routed, run_time, count,\n"
                "iterations, parameter, delta_objective, lower_bound, gap (to the lower bound),\n"
                "seed, run_status and, with --reference-value, reference_gap_percent. A route has\n"
                "label, facilities (labels in order, depot first and last), distance, delivery_load\n"
                "and pickup_load. The project has name, path, customers, suppliers, depots,\n"
                "vehicles, capacity, penalty_per_unit, distance_norm, total_delivery, total_pickup.\n"
                "\n"
                "Exit status: 0 when every step ran, 1 when a step was refused or failed, 2 for a\n"
                "usage error.\n",
                table.FormatHelp().c_str());
}

// Parses the command line; false (after a one-line reason) on a usage error.
bool ParseArguments(int argc, char** argv, const CBatchCommandTable& table, CConsoleUserInterface& ui,
                    SBatchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--json") {
            options.json = true;
        } else if (word == "--quiet") {
            options.quiet = true;
        } else if (word == "--reference-value" || word == "--instances" || word == "--best-known" ||
                   word == "--csv" || word == "--road-network") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "tramlet-batch: %s needs 1 argument(s)\n", word.c_str());
                return false;
            }
            const std::string value = argv[++i];
            if (word == "--reference-value") {
                double reference = 0.0;
                if (!ParseBatchReal(word, value, reference)) {
                    return false;
                }
                if (reference <= 0.0) {
                    std::fprintf(stderr, "tramlet-batch: --reference-value must be positive\n");
                    return false;
                }
                options.referenceValue = reference;
            } else if (word == "--road-network") {
                options.roadNetwork = value;
            } else {
                (word == "--instances"    ? options.instances.folder
                 : word == "--best-known" ? options.instances.bestKnown
                                          : options.instances.csv) = value;
            }
        } else if (word == "--new") {
            options.newProject = true;
        } else if (word == "--yes") {
            ui.SetAnswerYes(true);
        } else if (word == "--extend-time-limit") {
            ui.SetExtendTimeLimit(true);
        } else if (word == "--status-windows") {
            ui.SetShowStatusWindows(true);
        } else if (const SBatchCommand* command = table.Find(word)) {
            if (i + static_cast<int>(command->arguments.size()) >= argc) {
                std::fprintf(stderr, "tramlet-batch: %s needs %zu argument(s)\n", word.c_str(),
                             command->arguments.size());
                return false;
            }
            std::vector<std::string> arguments(argv + i + 1, argv + i + 1 + command->arguments.size());
            i += static_cast<int>(command->arguments.size());
            options.steps.emplace_back(command, std::move(arguments));
        } else if (word.rfind("--", 0) == 0 || !options.steps.empty() || !options.project.empty() ||
                   options.newProject || !options.instances.folder.empty()) {
            std::fprintf(stderr, "tramlet-batch: unknown option or command \"%s\" (see --help)\n",
                         word.c_str());
            return false;
        } else {
            options.project = word;
        }
    }
    if (!options.instances.folder.empty()) {
        if (!options.project.empty() || options.newProject) {
            std::fprintf(stderr, "tramlet-batch: --instances takes no project\n");
            return false;
        }
        return true;
    }
    if (!options.instances.bestKnown.empty() || !options.instances.csv.empty()) {
        std::fprintf(stderr, "tramlet-batch: --best-known and --csv go with --instances\n");
        return false;
    }
    if (options.project.empty() == !options.newProject) {
        std::fprintf(stderr, options.newProject ? "tramlet-batch: give either a project or --new\n"
                                                : "tramlet-batch: no project given (see --help)\n");
        return false;
    }
    return true;
}

// Why a step or the opening failed: the reason the step gave, else the first message the system
// showed meanwhile, else a plain refusal.
std::string ReasonOf(const CConsoleUserInterface& ui, const std::string& failure) {
    if (!failure.empty()) {
        return failure;
    }
    const std::string& message = ui.GetFirstMessage();
    if (!message.empty()) {
        // An error message starts with its time stamp "dd/Mon/yyyy hh:mm:ss: ", which the
        // reason leaves out.
        const bool stamped = message.size() > 22 && message[2] == '/' && message[6] == '/' &&
                             message[14] == ':' && message.compare(20, 2, ": ") == 0;
        return stamped ? message.substr(22) : message;
    }
    return "refused (see above)";
}

// Runs the steps in order until one fails; 0 when all ran, else 1 after the failure line that
// names the step and the reason.
int RunSteps(CTramletDoc& document, CConsoleUserInterface& ui, const BatchSteps& steps) {
    for (const auto& [command, arguments] : steps) {
        SBatchContext context{document, ui, std::string()};
        ui.ForgetMessages();
        if (!command->run(context, arguments)) {
            std::fprintf(stderr, "tramlet-batch: %s failed: %s\n", command->name.c_str(),
                         ReasonOf(ui, context.failure).c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CBatchCommandTable table;
    AddAllBatchCommands(table);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintHelp(table);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            const SVersionRecord record = GetTramletVersionRecord();
            std::printf("%s Version %s %s\n", record.productName.c_str(), record.productVersion.c_str(),
                        record.productDate.c_str());
            return 0;
        }
    }

    CConsoleUserInterface ui(stderr);
    SetUserInterface(&ui);
    SBatchOptions options;
    if (!ParseArguments(argc, argv, table, ui, options)) {
        return 2;
    }
    ui.InstallInterruptHandler();

    CTramletApp app;
    app.SetRoadNetworkFile(options.roadNetwork);
    if (!app.InitInstance()) {
        return 1;
    }
    if (!app.GetRoadNetworkFailure().empty()) {
        std::fprintf(stderr, "tramlet-batch: no road network: %s\n", app.GetRoadNetworkFailure().c_str());
    }
    if (!options.instances.folder.empty()) {
        const int status = RunInstances(app, ui, options.instances, options.steps);
        app.ExitInstance();
        return status;
    }
    int status = 0;
    CTramletDoc* document = nullptr;
    if (options.newProject) {
        document = app.OnFileNew();
    } else {
        // A .dat scalar data file is imported, a .vrpb instance read, any other file opened as a
        // binary project.
        ui.ForgetMessages();
        std::unique_ptr<CTramletDoc> opened = OpenProjectFile(options.project);
        if (opened) {
            document = app.SetTramletDocument(std::move(opened));
        }
    }
    if (document == nullptr) {
        std::fprintf(stderr, "tramlet-batch: the project \"%s\" was not opened: %s\n",
                     options.project.c_str(), ReasonOf(ui, std::string()).c_str());
        status = 1;
    } else {
        app.SetIsIdle();
        status = RunSteps(*document, ui, options.steps);
        // The records of the steps that ran are printed even when a later one failed.
        if (!options.quiet) {
            PrintStatistics(stdout, *document, options.json, options.referenceValue);
        }
    }
    app.ExitInstance();
    return status;
}
