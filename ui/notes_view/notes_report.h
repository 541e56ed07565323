#pragma once

#include <string>
#include <vector>

class CTramletDoc;

// The project's notes: its geography, fleet and quantities with derived averages, the current
// statistics record and the common parameters and file names, one formatted text per line in
// their fixed order (an empty text is an empty line). No Qt here; the notes view shows and
// prints these lines. outputLogFileName is the application's output log ("" when none).
// With no vehicles or capacity 0 the utilisation and slack lines show 0.00.
std::vector<std::string> FormatNotesLines(const CTramletDoc& document, const std::string& outputLogFileName);

// The lines printed before the notes: "Created by %s, Version %s %s", "Project %s on %s" (today
// as "%A, %B %d, %Y") and an empty line.
std::vector<std::string> FormatNotesPrintHeader(const std::string& appName, const std::string& appVersion,
                                                const std::string& appDate, const std::string& projectTitle,
                                                const std::string& today);
