#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/application/sable_win_app.h"
#include "framework/platform/scripted_user_interface.h"

// A temporary folder that is removed again.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Reads a whole file as bytes (empty when missing).
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
// What write puts into a file.
std::string CaptureOutput(const std::function<void(std::FILE*)>& write);

// An application with a scripted user interface and HOME (and the XDG folders) pointing at a
// temporary folder, so the logs of a test land there.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The execution log's contents.
    std::string ExecutionLog() const;
    // The message box texts without their time stamps ("dd/Mon/yyyy hh:mm:ss: ").
    std::vector<std::string> Messages() const;

    std::unique_ptr<CTempFolder> home;
    CScriptedUserInterface ui;
    std::unique_ptr<CSableWinApp> app;
};

// Strips the leading "dd/Mon/yyyy hh:mm:ss: " of a displayed error message.
std::string StripTimeStamp(const std::string& text);
