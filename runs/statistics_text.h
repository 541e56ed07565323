#pragma once

#include <string>

#include "runs/algo_stat.h"

// The statistics list as text: the fixed-width form that is printed and the tab-separated
// form that is copied to the clipboard.

// The fixed-width header and underline (no line ends).
std::string GetStatisticsHeader();
std::string GetStatisticsUnderline();
// The tab-separated header and underline (each ends in "\n").
std::string GetStatisticsTabHeader();
std::string GetStatisticsTabUnderline();

// Header, underline and one row per record, each line ending in "\n".
std::string FormatStatisticsTable(const CAlgoStatList& statistics);

// The clipboard text: "Created by ..." and "Project ... on ..." lines, the tab header and
// underline and one tab row per record, every line ending in "\r\n".
std::string FormatStatisticsClipboardText(const CAlgoStatList& statistics, const std::string& appName,
                                          const std::string& appVersion, const std::string& appDate,
                                          const std::string& projectTitle, const std::string& today);
// The same with the running application's name, version and date and today's date.
std::string FormatStatisticsClipboardText(const CAlgoStatList& statistics, const std::string& projectTitle);
