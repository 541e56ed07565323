#include "tests/ui/ui_fixture.h"

#include <QAction>
#include <QSettings>
#include <cstdlib>

#include "ui/frame/command_table.h"

void UiFixture::SetUp() {
    home = std::make_unique<CTempFolder>();
    setenv("HOME", home->Path().c_str(), 1);
    unsetenv("XDG_STATE_HOME");
    unsetenv("XDG_DATA_HOME");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(home->File("config")));
    ui = std::make_unique<CQtUserInterface>();
    ui->SetMessageResponder([this](const CQtUserInterface::SShownMessage& message) {
        if (!answers.empty()) {
            EMessageAnswer answer = answers.front();
            answers.pop_front();
            return std::optional<EMessageAnswer>(answer);
        }
        // Questions are answered Yes, "Save changes?" No, messages OK.
        switch (message.buttons) {
        case EMessageButtons::yesNo:
            return std::optional<EMessageAnswer>(EMessageAnswer::yes);
        case EMessageButtons::yesNoCancel:
            return std::optional<EMessageAnswer>(EMessageAnswer::no);
        default:
            return std::optional<EMessageAnswer>(EMessageAnswer::ok);
        }
    });
    // No file dialog is ever shown: cancelled unless a test chooses a file.
    ui->SetFileDialogResponder([](const std::string&) { return std::optional<std::string>(); });
    SetUserInterface(ui.get());
    app = std::make_unique<CTramletApp>();
    ASSERT_TRUE(app->InitInstance());
    frame = std::make_unique<CMainFrame>(*app, *ui);
}

void UiFixture::TearDown() {
    frame.reset();
    if (app) {
        app->ExitInstance();
    }
    app.reset();
    SetUserInterface(nullptr);
    ui.reset();
    home.reset();
}

void UiFixture::OpenExample(const std::string& relativePath) {
    ASSERT_TRUE(frame->OpenProject(std::string(EXAMPLES_DIR) + "/" + relativePath));
}

void UiFixture::NewRandomProject(int customers, int suppliers, int depots) {
    TriggerFromMenu(0xE100); // File New
    ASSERT_NE(frame->GetDocument(), nullptr);
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = customers;
    request.number[FT_SUPPLIER] = suppliers;
    request.number[FT_DEPOT] = depots;
    request.maxQuantity[0] = request.maxQuantity[1] = 20;
    request.seed = 7;
    ASSERT_TRUE(Document().AddRandomFacilities(request));
    frame->RedrawAllViews();
}

void UiFixture::TriggerFromMenu(unsigned id) {
    QAction* action = frame->GetCommands().GetAction(id);
    ASSERT_NE(action, nullptr) << id;
    frame->GetCommands().UpdateActions();
    ASSERT_TRUE(action->isEnabled()) << id;
    action->trigger();
}

bool UiFixture::IsEnabled(unsigned id) const {
    frame->GetCommands().UpdateActions();
    QAction* action = frame->GetCommands().GetAction(id);
    return action != nullptr && action->isEnabled();
}

std::vector<std::string> UiFixture::Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : ui->GetShownMessages()) {
        texts.push_back(StripTimeStamp(message.text));
    }
    return texts;
}
