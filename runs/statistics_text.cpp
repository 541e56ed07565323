#include "runs/statistics_text.h"

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"
#include "runs/runs_strings.h"

namespace {

// A line of the tab form ends in "\n"; the clipboard wants "\r\n".
std::string WithCrLf(std::string line) {
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    return line + "\r\n";
}

} // namespace

std::string GetStatisticsHeader() {
    return LoadRunsString(IDS_STATS_HEADER_1) + LoadRunsString(IDS_STATS_HEADER_2);
}

std::string GetStatisticsUnderline() {
    return LoadRunsString(IDS_STATS_UNDERLINE_1) + LoadRunsString(IDS_STATS_UNDERLINE_2);
}

std::string GetStatisticsTabHeader() {
    return LoadRunsString(IDS_STATS_TAB_HEADER);
}

std::string GetStatisticsTabUnderline() {
    return LoadRunsString(IDS_STATS_TAB_UNDERLINE);
}

std::string FormatStatisticsTable(const CAlgoStatList& statistics) {
    std::string text = GetStatisticsHeader() + "\n" + GetStatisticsUnderline() + "\n";
    for (const auto& record : statistics) {
        text += record->FormatStatisticsRow() + "\n";
    }
    return text;
}

std::string FormatStatisticsClipboardText(const CAlgoStatList& statistics, const std::string& appName,
                                          const std::string& appVersion, const std::string& appDate,
                                          const std::string& projectTitle, const std::string& today) {
    std::string text =
        FormatString("Created by %s, Version %s %s", appName.c_str(), appVersion.c_str(), appDate.c_str()) +
        "\r\n";
    text += FormatString("Project %s on %s", projectTitle.c_str(), today.c_str()) + "\r\n";
    text += WithCrLf(GetStatisticsTabHeader());
    text += WithCrLf(GetStatisticsTabUnderline());
    for (const auto& record : statistics) {
        text += WithCrLf(record->FormatStatisticsTabRow());
    }
    return text;
}

std::string FormatStatisticsClipboardText(const CAlgoStatList& statistics, const std::string& projectTitle) {
    std::string name, version, date;
    if (const CSableWinApp* app = CSableWinApp::GetApp()) {
        name = app->GetAppName();
        version = app->GetAppVersion();
        date = app->GetAppDate();
    }
    return FormatStatisticsClipboardText(statistics, name, version, date, projectTitle, FormatLongDate());
}
