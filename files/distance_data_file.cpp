#include "files/distance_data_file.h"

#include <cfloat>
#include <cmath>

#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

[[noreturn]] void RefuseDistanceLine(const std::string& message, const std::string& line) {
    ReportProjectItemError(message, &line);
    ThrowUserException();
}

// The next line that is not a comment; the end of the file ends the reading.
std::string ReadRequiredLine(CTextLineReader& reader) {
    std::string line;
    if (!reader.ReadNonCommentLine(line)) {
        throw CFileException(CFileException::endOfFile, reader.GetFileName(), 0);
    }
    return line;
}

void CheckLabel(const std::vector<std::string>& items, std::size_t position, const std::string& label,
                int facility, const std::string& line) {
    if (position >= items.size()) {
        RefuseDistanceLine(FormatString("Invalid empty facility label for facility %d", facility), line);
    }
    if (items[position] != label) {
        RefuseDistanceLine(
            FormatString(
                "Invalid facility label %s different from specified facility label %s for facility %d",
                items[position].c_str(), label.c_str(), facility),
            line);
    }
}

} // namespace

void ReadDistanceData(CTextLineReader& reader, const std::vector<std::string>& labels,
                      std::vector<double>& distances) {
    const std::size_t n = labels.size();
    distances.assign(n * n, 0.0);

    std::string header = ReadRequiredLine(reader);
    std::vector<std::string> items = SplitItems(header, kDistanceSeparators);
    for (std::size_t i = 0; i < n; ++i) {
        CheckLabel(items, i, labels[i], static_cast<int>(i + 1), header);
    }

    for (std::size_t i = 0; i < n; ++i) {
        std::string line = ReadRequiredLine(reader);
        items = SplitItems(line, kDistanceSeparators);
        CheckLabel(items, 0, labels[i], static_cast<int>(i + 1), line);
        for (std::size_t j = 0; j < n; ++j) {
            const char* row = labels[i].c_str();
            const char* column = labels[j].c_str();
            if (j + 1 >= items.size()) {
                RefuseDistanceLine(
                    FormatString("Invalid empty distance between facilities %s and %s", row, column), line);
            }
            const std::string& item = items[j + 1];
            double value = 0.0;
            bool valid = ParseWholeRealNumber(item, value) && std::isfinite(value) && value >= 0.0;
            double upper = DBL_MAX;
            if (valid && i == j && value != 0.0) {
                valid = false;
            }
            if (i == j) {
                upper = 0.0;
            }
            if (!valid) {
                // The largest double is shown in exponent form rather than as 309 digits.
                const std::string upperText =
                    upper == DBL_MAX ? FormatString("%g", upper) : FormatString("%lf", upper);
                RefuseDistanceLine(
                    FormatString("Invalid distance %s outside range [%lf, %s] between facilities %s and %s",
                                 item.c_str(), 0.0, upperText.c_str(), row, column),
                    line);
            }
            distances[i * n + j] = value;
        }
    }
}

void WriteDistanceData(std::FILE* file, const std::vector<std::string>& labels,
                       const std::function<double(int row, int column)>& distance) {
    const int n = static_cast<int>(labels.size());
    std::fputs(" ", file);
    for (const std::string& label : labels) {
        std::fprintf(file, "\t%s", label.c_str());
    }
    std::fputs("\n", file);
    for (int i = 0; i < n; ++i) {
        std::fputs(labels[i].c_str(), file);
        for (int j = 0; j < n; ++j) {
            std::fprintf(file, "\t%.3lf", distance(i, j));
        }
        std::fputs("\n", file);
    }
}
