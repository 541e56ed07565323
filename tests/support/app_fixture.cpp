#include "tests/support/app_fixture.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

CTempFolder::CTempFolder() {
    std::random_device device;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("tramlet-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(m_path)) {
            break;
        }
    }
}

CTempFolder::~CTempFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::string CaptureOutput(const std::function<void(std::FILE*)>& write) {
    std::FILE* file = std::tmpfile();
    write(file);
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return text;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string StripTimeStamp(const std::string& text) {
    // "07/Dec/2026 01:02:03: " is 22 characters.
    if (text.size() >= 22 && text[2] == '/' && text[6] == '/' && text[20] == ':' && text[21] == ' ') {
        return text.substr(22);
    }
    return text;
}

void AppFixture::SetUp() {
    home = std::make_unique<CTempFolder>();
    setenv("HOME", home->Path().c_str(), 1);
    unsetenv("XDG_STATE_HOME");
    unsetenv("XDG_DATA_HOME");
    SetUserInterface(&ui);
    SVersionRecord record;
    record.companyName = "Test Company";
    record.productName = "Tramlet";
    record.productVersion = "1.0.0";
    record.productDate = "December 7, 2026";
    app = std::make_unique<CSableWinApp>(record);
    ASSERT_TRUE(app->InitInstance());
    app->SetIsIdle();
}

void AppFixture::TearDown() {
    app.reset();
    SetUserInterface(nullptr);
    home.reset();
}

std::string AppFixture::ExecutionLog() const {
    return ReadWholeFile(app->GetErrorLogFileName());
}

std::vector<std::string> AppFixture::Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : ui.messages) {
        texts.push_back(StripTimeStamp(message.text));
    }
    return texts;
}
