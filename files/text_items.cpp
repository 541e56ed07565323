#include "files/text_items.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "framework/application/sable_win_app.h"
#include "framework/platform/user_interface.h"

const char* const kBlankSeparators = " \t\r\n\v\f";
const char* const kDistanceSeparators = " ,\t\r\n\v\f";

std::vector<std::string> SplitItems(const std::string& line, const char* separators) {
    std::vector<std::string> items;
    std::size_t position = 0;
    while (position < line.size()) {
        std::size_t start = line.find_first_not_of(separators, position);
        if (start == std::string::npos) {
            break;
        }
        std::size_t end = line.find_first_of(separators, start);
        if (end == std::string::npos) {
            end = line.size();
        }
        items.push_back(line.substr(start, end - start));
        position = end;
    }
    return items;
}

std::string ExtractQuotedValue(const std::string& line) {
    std::size_t first = line.find('"');
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t second = line.find('"', first + 1);
    if (second == std::string::npos) {
        return std::string();
    }
    return line.substr(first + 1, second - first - 1);
}

bool ParseWholeRealNumber(const std::string& text, double& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    double result = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || !std::isfinite(result)) {
        return false;
    }
    value = result;
    return true;
}

std::string CompleteWithDataLine(const std::string& message, const std::string& dataLine) {
    return message + " in document data line\r\n" + dataLine;
}

void ReportProjectItemError(const std::string& message, const std::string* dataLine) {
    if (dataLine != nullptr) {
        DisplayErrorMessage(CompleteWithDataLine(message, *dataLine));
    } else {
        GetUserInterface().MessageBox(message, EMessageIcon::exclamation, EMessageButtons::ok);
    }
}

void ReportCommonItemError(const std::string& message, const std::string* dataLine) {
    CUserInterface& ui = GetUserInterface();
    ui.Beep(EMessageIcon::exclamation);
    ui.MessageBox(dataLine != nullptr ? CompleteWithDataLine(message, *dataLine) : message,
                  EMessageIcon::exclamation, EMessageButtons::ok);
}

std::string RestOfLineAfterItems(const std::string& line, int skip, const char* separators) {
    std::size_t at = line.find_first_not_of(separators);
    for (int k = 0; k < skip && at != std::string::npos; ++k) {
        at = line.find_first_of(separators, at);
        at = at == std::string::npos ? at : line.find_first_not_of(separators, at);
    }
    if (at == std::string::npos) {
        return std::string();
    }
    std::size_t end = line.find_last_not_of(separators);
    return line.substr(at, end + 1 - at);
}
