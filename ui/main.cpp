// tramlet: the desktop program. Starts the framework (the "Started" line), installs the Qt
// platform layer, shows the main window and opens the project named on the command line.
//
//   tramlet [PROJECT]                      a .tramlet project is opened, a .dat project imported
//   tramlet --render IMAGE PROJECT         draws the project's routes view into IMAGE (.png or
//                                          .svg) without showing a window
//   tramlet --run COMMAND ... --screenshot IMAGE PROJECT
//                                          runs menu commands (questions answered Yes), saves a
//                                          picture of the main window and quits (scripts)

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/tramlet_app.h"
#include "files/archive/binary_project_file.h"
#include "ui/frame/app_icon.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/main_frame.h"
#include "ui/platform/qt_user_interface.h"
#include "ui/roads/road_network_command.h"
#include "ui/routes_view/render_routes.h"

namespace {

struct SProgramOptions {
    std::string project;
    std::string renderImage;
    std::string screenshotImage;
    std::vector<unsigned> commands;
};

// The commands --run knows, by the names tramlet-batch uses.
const std::map<std::string, unsigned>& GetRunCommands() {
    static const std::map<std::string, unsigned> commands = {
        {"all-algorithms", ID_ALGO_ALL_ALGORITHMS},        {"all-improvements", ID_ALGO_ALL_IMPROVEMENTS},
        {"nearest-neighbor", ID_ALGO_NEAREST_NEIGHBOR},    {"sweep", ID_ALGO_SWEEP},
        {"savings-serial", ID_ALGO_SAVINGS_GREEDY_SERIAL},
    };
    return commands;
}

// Reads the command line; false (after a one-line reason) on a usage error.
bool ParseProgramOptions(int argc, char** argv, SProgramOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        if (word == "--render" && hasValue) {
            options.renderImage = argv[++i];
        } else if (word == "--screenshot" && hasValue) {
            options.screenshotImage = argv[++i];
        } else if (word == "--run" && hasValue) {
            auto found = GetRunCommands().find(argv[++i]);
            if (found == GetRunCommands().end()) {
                std::fprintf(stderr, "tramlet: unknown command \"%s\"\n", argv[i]);
                return false;
            }
            options.commands.push_back(found->second);
        } else if (word.rfind("--", 0) == 0 || !options.project.empty()) {
            std::fprintf(stderr, "tramlet: unknown option or extra argument \"%s\"\n", word.c_str());
            return false;
        } else {
            options.project = word;
        }
    }
    if (!options.renderImage.empty() && options.project.empty()) {
        std::fprintf(stderr, "tramlet: --render needs an image file and a project\n");
        return false;
    }
    return true;
}

// --render: opens the project and draws its routes view into the image.
int RenderProject(const SProgramOptions& options, CTramletApp& app) {
    std::unique_ptr<CTramletDoc> document = OpenProjectFile(options.project);
    if (document == nullptr) {
        std::fprintf(stderr, "tramlet: could not open \"%s\"\n", options.project.c_str());
        return 1;
    }
    CTramletDoc* opened = app.SetTramletDocument(std::move(document));
    std::string error;
    if (!RenderRoutesToFile(*opened, options.renderImage, error)) {
        std::fprintf(stderr, "tramlet: could not draw \"%s\": %s\n", options.renderImage.c_str(),
                     error.c_str());
        return 1;
    }
    return 0;
}

// Scripted runs answer every question Yes and every message OK, echoing the text to stderr, and
// let algorithms run on past their time limit and pauses.
void AnswerMessagesAutomatically(CQtUserInterface& ui) {
    ui.SetContinueWithoutAsking(true);
    ui.SetMessageResponder(
        [](const CQtUserInterface::SShownMessage& message) -> std::optional<EMessageAnswer> {
            std::fprintf(stderr, "tramlet: %s\n", message.text.c_str());
            bool asks =
                message.buttons == EMessageButtons::yesNo || message.buttons == EMessageButtons::yesNoCancel;
            return asks ? EMessageAnswer::yes : EMessageAnswer::ok;
        });
}

// --run and --screenshot: runs the commands, saves the main window's picture and quits.
int RunScript(const SProgramOptions& options, CMainFrame& frame) {
    for (unsigned id : options.commands) {
        if (!frame.TriggerCommand(id)) {
            std::fprintf(stderr, "tramlet: command %u is not enabled\n", id);
            return 1;
        }
    }
    frame.ArrangeChildWindows();
    QApplication::processEvents();
    if (!options.screenshotImage.empty() &&
        !frame.grab().save(QString::fromLocal8Bit(options.screenshotImage.c_str()))) {
        std::fprintf(stderr, "tramlet: could not write \"%s\"\n", options.screenshotImage.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    SProgramOptions options;
    if (!ParseProgramOptions(argc, argv, options)) {
        return 2;
    }
    if (!options.renderImage.empty() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tramlet");
    QApplication::setOrganizationName("Sable Routing");
    QApplication::setWindowIcon(MakeApplicationIcon());

    CQtUserInterface ui;
    SetUserInterface(&ui);
    int status = 0;
    {
        CTramletApp app;
        app.SetRoadNetworkFile(GetRoadNetworkSetting());
        if (!app.InitInstance()) {
            SetUserInterface(nullptr);
            return 1;
        }
        if (!options.renderImage.empty()) {
            AnswerMessagesAutomatically(ui);
            status = RenderProject(options, app);
        } else {
            CMainFrame frame(app, ui);
            AddRoadNetworkCommand(frame);
            bool scripted = !options.commands.empty() || !options.screenshotImage.empty();
            if (scripted) {
                AnswerMessagesAutomatically(ui);
            }
            frame.show();
            QApplication::processEvents();
            if (!options.project.empty() && !frame.OpenProject(options.project) && scripted) {
                status = 1;
            } else if (scripted) {
                status = RunScript(options, frame);
            } else {
                status = QApplication::exec();
            }
            frame.CloseProject(false);
        }
        app.ExitInstance();
    }
    SetUserInterface(nullptr);
    return status;
}
