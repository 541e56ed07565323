#include "framework/containers/container_report.h"

#include <cctype>
#include <cfloat>
#include <cstring>
#include <stdexcept>

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"

namespace containers_detail {

bool IsUsableReportFormat(const std::string& format, bool realElements, bool& longArgument) {
    int conversions = 0;
    longArgument = false;
    for (size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            continue;
        }
        ++at;
        if (at < format.size() && format[at] == '%') {
            continue;
        }
        while (at < format.size() && std::strchr("-+ #0", format[at]) != nullptr) {
            ++at;
        }
        while (at < format.size() && std::isdigit(static_cast<unsigned char>(format[at]))) {
            ++at;
        }
        if (at < format.size() && format[at] == '.') {
            ++at;
            while (at < format.size() && std::isdigit(static_cast<unsigned char>(format[at]))) {
                ++at;
            }
        }
        bool withL = false;
        if (at < format.size() && format[at] == 'l') {
            withL = true;
            ++at;
        }
        if (at >= format.size()) {
            return false;
        }
        const char* allowed = realElements ? "fFeEgGaA" : "di";
        if (std::strchr(allowed, format[at]) == nullptr) {
            return false;
        }
        longArgument = withL;
        ++conversions;
    }
    return conversions == 1;
}

void WriteReportIndex(std::FILE* file, int width, int index) {
    std::fprintf(file, "%*d  ", width - 2, index);
}

void WriteReportBlank(std::FILE* file, int width) {
    std::fprintf(file, "%*s  ", width - 2, "");
}

void WriteReportValue(std::FILE* file, const std::string& format, int width, double value) {
    if (value >= DBL_MAX) {
        std::fprintf(file, "%*s  ", width - 2, "\xEC");
        return;
    }
    std::fprintf(file, format.c_str(), value);
}

void WriteReportValue(std::FILE* file, const std::string& format, int value, bool longArgument) {
    if (longArgument) {
        std::fprintf(file, format.c_str(), static_cast<long>(value));
    } else {
        std::fprintf(file, format.c_str(), value);
    }
}

void RefuseVectorRange(int first, int last, const char* operation) {
    std::string text =
        FormatString("Invalid range of indices [%d, %d] for vector %s operation", first, last, operation);
    DisplayErrorMessage(text);
    throw std::invalid_argument(text);
}

void RefuseMatrixBounds(int firstRow, int lastRow, int firstColumn, int lastColumn, int rows, int columns,
                        const char* operation) {
    std::string text = FormatString("Invalid row [%ld-%ld] and column  [%ld-%ld] bounds for matrix with "
                                    "dimensions [%ld, %ld] for matrix %s operation",
                                    static_cast<long>(firstRow), static_cast<long>(lastRow),
                                    static_cast<long>(firstColumn), static_cast<long>(lastColumn),
                                    static_cast<long>(rows), static_cast<long>(columns), operation);
    DisplayErrorMessage(text);
    throw std::invalid_argument(text);
}

} // namespace containers_detail
