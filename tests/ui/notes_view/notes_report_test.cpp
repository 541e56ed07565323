// The notes lines of a project without customers and of a geographic project, and the notes
// view that shows and prints them.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>

#include "framework/strings/format.h"
#include "tests/ui/ui_fixture.h"
#include "ui/notes_view/notes_report.h"
#include "ui/notes_view/tramlet_notes_view.h"

namespace {

using NotesReportTest = UiFixture;

// The lines from first up to (not including) the first line of the next block.
std::vector<std::string> Slice(const std::vector<std::string>& lines, size_t first, size_t count) {
    return std::vector<std::string>(lines.begin() + first, lines.begin() + first + count);
}

TEST_F(NotesReportTest, AProjectWithoutCustomersShowsAZeroAverageDemand) {
    NewRandomProject(0, 3, 1);
    Document().SetDocTitle("No Customers");
    std::vector<std::string> lines = FormatNotesLines(Document(), "");
    int supply = Document().GetTotalQuantity(FT_SUPPLIER);
    std::vector<std::string> fleet = {
        "Number of Depots = 1",
        "Number of Customers = 0",
        "Number of Suppliers = 3",
        "Number of Vehicles = 10",
        "Vehicle Capacity = 100",
        "Infeasibility Penalty = 1000.00",
        "Total Demand = 0",
        "Total Supply = " + std::to_string(supply),
        "Average Facility Demand = 0.00",
        FormatString("Average Facility Supply = %.2lf", supply / 3.0),
        "Average Vehicle Demand Utilization (%) = 0.00",
        FormatString("Average Vehicle Supply Utilization (%%) = %.2lf", supply * 100.0 / 1000.0),
        "Average Vehicle Demand Slack = 100.00",
        FormatString("Average Vehicle Supply Slack = %.2lf", 100.0 - supply / 10.0),
        ""};
    ASSERT_EQ(lines.size(), 8u + 15u + 18u + 1u + 10u);
    EXPECT_EQ(lines[0], "Project Name = No Customers");
    EXPECT_EQ(Slice(lines, 8, 15), fleet);
    EXPECT_EQ(lines[23], "Algorithm = ");
    EXPECT_EQ(lines[24], "Distance = 9999999999.99");
    EXPECT_EQ(lines[34], "Best Gap (%) = 100.000");
    EXPECT_EQ(lines[44], "Report Level = 3");
    EXPECT_EQ(lines[45], "Maximum Iterations = 20");
    EXPECT_EQ(lines[46], "Seed = 7"); // Add Random Facilities made its seed the project's
}

TEST_F(NotesReportTest, AGeographicProjectListsLongitudesLatitudesAndTheWorldRadius) {
    OpenExample("prairie/prairie.dat");
    std::string mapFile = Document().GetMapFileName();
    std::vector<std::string> geographic = {
        "Project Name = Prairie Region", "Map Projection = Albers",   "Minimum Longitude = -1040000",
        "Maximum Longitude = -900000",   "Minimum Latitude = 360000", "Maximum Latitude = 490000",
        "Distance Norm = Great_Circle",  "World Radius = 6371.0",     "Distance Factor = 1.000"};
    std::vector<std::string> lines = FormatNotesLines(Document(), "/tmp/run.log");
    EXPECT_EQ(Slice(lines, 0, 9), geographic);
    EXPECT_EQ(lines[lines.size() - 3], "Output Log File = /tmp/run.log");
    EXPECT_EQ(lines[lines.size() - 2], "Map Data File = " + mapFile);

    Document().SetMapProjectionType(MP_ORTHOGONAL);
    lines = FormatNotesLines(Document(), "");
    EXPECT_EQ(lines[1], "Map Projection = Orthogonal");
    EXPECT_EQ(lines[2], "Minimum x coordinate = -1040000");
    EXPECT_EQ(lines[5], "Maximum y coordinate = 490000");
    EXPECT_EQ(lines[7], "Distance Factor = 1.000"); // no world radius
}

TEST_F(NotesReportTest, TheViewShowsTheNotesAndPrintsThemUnderTheTwoHeaderLines) {
    OpenExample("harbour/harbour.tramlet");
    CTramletNotesView* view = frame->GetNotesView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetLines(), FormatNotesLines(Document(), ""));
    EXPECT_NE(view->toPlainText().toStdString().find("Algorithm = Initial Load\n"), std::string::npos);
    std::vector<std::string> printed = view->GetPrintLines();
    EXPECT_EQ(printed[0], "Created by Tramlet, Version 1.0.0 " + app->GetAppDate());
    EXPECT_EQ(printed[1], "Project Harbour Town on " + FormatLongDate());
    EXPECT_EQ(printed[2], "");
    EXPECT_EQ(printed[3], "Project Name = Harbour Town");
}

// Print (to a PDF file) from the active child window: the notes and the statistics list.
TEST_F(NotesReportTest, PrintingTheActiveWindowWritesItsPages) {
    OpenExample("harbour/harbour.tramlet");
    QList<QMdiSubWindow*> windows = frame->GetMdiArea()->subWindowList();
    for (int i : {1, 2}) {
        std::string path = home->File("print" + std::to_string(i) + ".pdf");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        frame->GetMdiArea()->setActiveSubWindow(windows[i]);
        frame->PrintActiveView(printer);
        EXPECT_EQ(ReadWholeFile(path).substr(0, 5), "%PDF-") << path;
    }
}

} // namespace
