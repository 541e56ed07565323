// tramlet-batch: opens a project, runs settings and commands in the order given and prints the
// statistics list.

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/tramlet_app.h"
#include "app/tramlet_version.h"
#include "batch/batch_command_table.h"
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
    std::vector<std::pair<const SBatchCommand*, std::vector<std::string>>> steps;
};

void PrintHelp(const CBatchCommandTable& table) {
    std::printf("Usage: tramlet-batch [OPTIONS] PROJECT [STEP...]\n"
                "       tramlet-batch [OPTIONS] --new [STEP...]\n"
                "\n"
                "Opens a Tramlet project (a .dat scalar data file is imported, a .tramlet binary\n"
                "project opened), runs the steps in the order given and prints the statistics list.\n"
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
                "  --json                                print the statistics list as JSON\n"
                "  --quiet                               print no statistics list\n"
                "\n"
                "Steps:\n%s"
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
                   options.newProject) {
            std::fprintf(stderr, "tramlet-batch: unknown option or command \"%s\" (see --help)\n",
                         word.c_str());
            return false;
        } else {
            options.project = word;
        }
    }
    if (options.project.empty() == !options.newProject) {
        std::fprintf(stderr, options.newProject ? "tramlet-batch: give either a project or --new\n"
                                                : "tramlet-batch: no project given (see --help)\n");
        return false;
    }
    return true;
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
    if (!app.InitInstance()) {
        return 1;
    }
    int status = 0;
    CTramletDoc* document = nullptr;
    if (options.newProject) {
        document = app.OnFileNew();
    } else {
        // A .dat scalar data file is imported, any other file opened as a binary project.
        std::unique_ptr<CTramletDoc> opened = OpenProjectFile(options.project);
        if (opened) {
            document = app.SetTramletDocument(std::move(opened));
        }
    }
    if (document == nullptr) {
        std::fprintf(stderr, "tramlet-batch: could not open \"%s\"\n", options.project.c_str());
        status = 1;
    } else {
        app.SetIsIdle();
        SBatchContext context{*document, ui};
        for (const auto& [command, arguments] : options.steps) {
            if (!command->run(context, arguments)) {
                std::fprintf(stderr, "tramlet-batch: %s failed\n", command->name.c_str());
                status = 1;
                break;
            }
        }
        if (status == 0 && !options.quiet) {
            PrintStatistics(stdout, *document, options.json);
        }
    }
    app.ExitInstance();
    return status;
}
