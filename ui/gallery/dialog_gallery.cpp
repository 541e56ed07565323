// tramlet-dialog-gallery: draws every dialog of the desktop program into PNG files, for the
// screenshots and for looking at their layout without clicking through the menus.
//
//   tramlet-dialog-gallery PLANE_PROJECT GEOGRAPHIC_PROJECT OUTDIR [NAME ...]
//
// The menu dialogs are opened through their commands on the plane project, exactly as a user
// opens them, grabbed and cancelled; the facility and link dialogs are opened on its facilities,
// the geographic facility dialog (degrees, minutes and seconds, address and Find) on the
// geographic project. Names limit the output to those dialogs. Runs under QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "app/tramlet_app.h"
#include "model/distances/road_network.h"
#include "model/route.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/distances/link_dialog.h"
#include "ui/dialogs/facility/facility_dialog.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/main_frame.h"
#include "ui/platform/qt_user_interface.h"

namespace {

// What the gallery's geographic facility dialog needs to offer the address fields: a road network
// that is available. It finds no address and computes no distance; nothing is computed here.
class CGalleryRoadNetwork : public CRoadNetworkProvider {
public:
    void Start() override {}
    void Quit() noexcept override {}
    double GetRoadDistance(const SGeoPosition&, const SGeoPosition&,
                           const CMapPointRoutePreferences&) override {
        throw CRoadNetworkError("The dialog gallery computes no road distances");
    }
    std::optional<SGeoPosition> FindAddress(const SPostalAddress&) override { return std::nullopt; }
};

class CGallery {
public:
    CGallery(QString folder, std::set<std::string> names)
        : m_folder(std::move(folder)), m_names(std::move(names)) {}

    // Whether the dialog of that name is wanted.
    bool Wants(const char* name) const { return m_names.empty() || m_names.count(name) != 0; }

    // Shows the dialog, lets it lay itself out and saves its picture as NAME.png.
    void Save(QWidget& dialog, const char* name) {
        dialog.show();
        QApplication::processEvents();
        const QString path = m_folder + "/" + name + ".png";
        if (!dialog.grab().save(path)) {
            std::fprintf(stderr, "tramlet-dialog-gallery: could not write %s\n",
                         path.toLocal8Bit().constData());
            m_failed = true;
            return;
        }
        std::printf("%s\n", path.toLocal8Bit().constData());
    }

    // Saves a dialog the frame's command opens (each page of a sheet with tabs as NAME-N.png)
    // and cancels it.
    void SaveCommand(CMainFrame& frame, unsigned id, const char* name) {
        if (!Wants(name)) {
            return;
        }
        if (!frame.GetCommands().IsEnabled(id)) {
            std::fprintf(stderr, "tramlet-dialog-gallery: the command of %s is disabled\n", name);
            m_failed = true;
            return;
        }
        bool shown = false;
        QTimer::singleShot(0, [this, name, &shown] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            shown = true;
            auto* tabs = dialog->findChild<QTabWidget*>();
            for (int page = 0; tabs != nullptr && page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                Save(*dialog, (std::string(name) + "-" + std::to_string(page + 1)).c_str());
            }
            if (tabs == nullptr) {
                Save(*dialog, name);
            }
            dialog->reject();
        });
        if (!frame.TriggerCommand(id) || !shown) {
            std::fprintf(stderr, "tramlet-dialog-gallery: %s was not shown\n", name);
            m_failed = true;
        }
    }

    bool Failed() const { return m_failed; }

private:
    QString m_folder;
    std::set<std::string> m_names;
    bool m_failed = false;
};

// The dialogs of the menus, on the open project.
void SaveMenuDialogs(CGallery& gallery, CMainFrame& frame) {
    const std::pair<unsigned, const char*> commands[] = {
        {ID_FILE_SUMMARY, "project-summary"},
        {ID_FACILITY_ADD_RANDOM, "random-facilities"},
        {ID_FLEET_VEHICLES, "number-of-vehicles"},
        {ID_FLEET_PENALTY, "infeasibility-penalty"},
        {ID_DISTANCES_COMPUTE, "distance-parameters"},
        {ID_DISTANCES_NORM, "distance-norm"},
        {ID_DISTANCES_ALL, "all-distances"},
        {ID_DISTANCES_FACTOR, "distance-factor"},
        {ID_DISTANCES_ROUTE_PREFERENCES, "route-preferences"},
        {ID_ALGO_DISPLAY_SAVINGS, "savings"},
        {ID_ALGO_DISPLAY_COSTS_POINTS, "assignment-costs"},
        {ID_ALGO_SELECT, "select"},
        {ID_ALGO_EVALUATE, "evaluate"},
        {ID_REPORT_LEVEL_EDIT, "report-level"},
        {ID_EDIT_SEED, "seed"},
        {ID_EDIT_TIME_LIMIT, "time-limit"},
        {ID_EDIT_TOLERANCE, "tolerance"},
        {ID_EDIT_VERTEX_SIZE, "vertex-size"},
    };
    for (const auto& [id, name] : commands) {
        gallery.SaveCommand(frame, id, name);
    }
    // Insertion penalties are shown while some facilities are on no route: the last route goes
    // (the project is never saved).
    CTramletDoc& document = *frame.GetDocument();
    if (gallery.Wants("insertion-penalties") && document.GetNumberOfRoutes() > 1) {
        CRoute* last = document.GetRoute(document.GetNumberOfRoutes() - 1);
        document.AdjustRoutedCount(-(last->GetNumberOfCustomers() + last->GetNumberOfSuppliers()));
        document.DeleteRoute(last);
        gallery.SaveCommand(frame, ID_ALGO_DISPLAY_INSERTION_PENALTIES, "insertion-penalties");
    }
}

// The facility and link dialogs on the project's first facilities.
void SaveFacilityDialogs(CGallery& gallery, CTramletDoc& document, const char* prefix) {
    CFacility* customer = document.GetFacility(FT_CUSTOMER, 0);
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    const std::string edit = std::string(prefix) + "facility-edit";
    if (customer != nullptr && gallery.Wants(edit.c_str())) {
        CFacilityDialog dialog(document, customer, EFacilityDialogMode::edit);
        gallery.Save(dialog, edit.c_str());
    }
    const std::string remove = std::string(prefix) + "facility-delete";
    if (customer != nullptr && gallery.Wants(remove.c_str())) {
        CFacilityDialog dialog(document, customer, EFacilityDialogMode::remove);
        gallery.Save(dialog, remove.c_str());
    }
    const std::string link = std::string(prefix) + "link";
    if (customer != nullptr && depot != nullptr && gallery.Wants(link.c_str())) {
        CLinkDialog dialog(document, depot, customer);
        gallery.Save(dialog, link.c_str());
    }
}

// The projection dialog needs a project without facilities.
void SaveProjectionDialog(CGallery& gallery, CMainFrame& frame) {
    if (!gallery.Wants("projection")) {
        return;
    }
    frame.TriggerCommand(ID_FILE_NEW);
    gallery.SaveCommand(frame, ID_EDIT_PROJECTION, "projection");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: tramlet-dialog-gallery PLANE_PROJECT GEOGRAPHIC_PROJECT OUTDIR [NAME ...]\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tramlet");
    QDir().mkpath(QString::fromLocal8Bit(argv[3]));
    CGallery gallery(QString::fromLocal8Bit(argv[3]), std::set<std::string>(argv + 4, argv + argc));

    CQtUserInterface ui;
    // Messages are written out and answered OK or No: the gallery changes nothing.
    ui.SetMessageResponder(
        [](const CQtUserInterface::SShownMessage& message) -> std::optional<EMessageAnswer> {
            std::fprintf(stderr, "tramlet-dialog-gallery: %s\n", message.text.c_str());
            return message.buttons == EMessageButtons::ok ? EMessageAnswer::ok : EMessageAnswer::no;
        });
    SetUserInterface(&ui);
    CGalleryRoadNetwork network;
    int status = 0;
    {
        CTramletApp app;
        if (!app.InitInstance()) {
            SetUserInterface(nullptr);
            return 1;
        }
        {
            CMainFrame frame(app, ui);
            if (!frame.OpenProject(argv[1])) {
                status = 1;
            } else {
                SaveMenuDialogs(gallery, frame);
                SaveFacilityDialogs(gallery, *frame.GetDocument(), "");
                SaveProjectionDialog(gallery, frame);
            }
            SetRoadNetworkProvider(&network);
            if (status == 0 && frame.OpenProject(argv[2])) {
                SaveFacilityDialogs(gallery, *frame.GetDocument(), "geographic-");
            } else {
                status = 1;
            }
            SetRoadNetworkProvider(nullptr);
            frame.CloseProject(false);
        }
        app.ExitInstance();
    }
    SetUserInterface(nullptr);
    return status != 0 || gallery.Failed() ? 1 : 0;
}
