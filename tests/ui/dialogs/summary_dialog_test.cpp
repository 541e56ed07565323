// The project summary sheet from the File menu: a title that cannot name the project is refused.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/summary/project_summary_dialog.h"
#include "ui/frame/command_ids.h"

namespace {

using SummaryDialogTest = UiFixture;

TEST_F(SummaryDialogTest, RefusedTitleKeepsTheSheetOpenAndOkStoresTheTexts) {
    NewRandomProject(2, 0, 1);
    Document().SetModifiedFlag(false);
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<CProjectSummaryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        sheet->TextEdit(1)->setText("Ada");
        sheet->TextEdit(0)->setText("harbour/north");
        sheet->accept();
        stayedOpen = sheet->isVisible();
        sheet->TextEdit(0)->setText("harbour north");
        sheet->DescriptionEdit()->setPlainText("two piers");
        sheet->accept();
    });
    TriggerFromMenu(ID_FILE_SUMMARY);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid character / in project name harbour/north"});
    EXPECT_EQ(Document().GetDocTitle(), "harbour north");
    EXPECT_EQ(Document().m_author, "Ada");
    EXPECT_EQ(Document().m_description, "two piers");
    EXPECT_TRUE(Document().IsModified());
}

} // namespace
