#include "files/common_data_items.h"

#include <cctype>
#include <cerrno>
#include <climits>

#include "files/data_file_names.h"
#include "files/text_items.h"
#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/geography/geo_map.h"
#include "framework/strings/format.h"
#include "model/model_strings.h"

namespace {

constexpr int kMaxProjectNameLength = 63;
constexpr double kMinWorldRadius = 1000.0;
constexpr double kMinDistanceFactor = 1.0;
constexpr double kMaxDistanceFactor = 9.0;

bool Refuse(const std::string& message, const std::string* dataLine) {
    ReportCommonItemError(message, dataLine);
    return false;
}

bool InRange(double value, double lower, double upper) {
    return value >= lower && value <= upper;
}

const char* LimitMessage(ESCALARITEM item) {
    switch (item) {
    case SI_MINIMUM_X:
        return "Invalid minimum x coordinate %s out of range [%ld, %ld]";
    case SI_MAXIMUM_X:
        return "Invalid maximum x coordinate %s out of range [%ld, %ld]";
    case SI_MINIMUM_Y:
        return "Invalid minimum y coordinate %s out of range [%ld, %ld]";
    case SI_MAXIMUM_Y:
        return "Invalid maximum y coordinate %s out of range [%ld, %ld]";
    case SI_MINIMUM_LONGITUDE:
        return "Invalid minimum longitude %s out of range [%ld, %ld]";
    case SI_MAXIMUM_LONGITUDE:
        return "Invalid maximum longitude %s out of range [%ld, %ld]";
    case SI_MINIMUM_LATITUDE:
        return "Invalid minimum latitude %s out of range [%ld, %ld]";
    default:
        return "Invalid maximum latitude %s out of range [%ld, %ld]";
    }
}

// Stores one world limit: west, east, south or north.
void StoreLimit(CSableDocument& document, ESCALARITEM item, int value) {
    CLonLatRect limits = document.GetWorldLimits();
    switch (item) {
    case SI_MINIMUM_X:
    case SI_MINIMUM_LONGITUDE:
        limits.m_west = value;
        break;
    case SI_MAXIMUM_X:
    case SI_MAXIMUM_LONGITUDE:
        limits.m_east = value;
        break;
    case SI_MINIMUM_Y:
    case SI_MINIMUM_LATITUDE:
        limits.m_south = value;
        break;
    default:
        limits.m_north = value;
        break;
    }
    document.SetWorldLimits(limits);
}

bool DecodeRectangularLimit(CSableDocument& document, ESCALARITEM item, const std::string& text,
                            const std::string* dataLine) {
    int value = 0;
    const int limit = GetMaxCoord();
    if (!ParseWholeNumber(text, value) || value < -limit || value > limit) {
        return Refuse(FormatString(LimitMessage(item), text.c_str(), static_cast<long>(-limit),
                                   static_cast<long>(limit)),
                      dataLine);
    }
    StoreLimit(document, item, value);
    return true;
}

bool DecodeGeographicLimit(CSableDocument& document, ESCALARITEM item, const std::string& text,
                           const std::string* dataLine) {
    bool latitude = item == SI_MINIMUM_LATITUDE || item == SI_MAXIMUM_LATITUDE;
    int packed = 0;
    std::string message;
    if (!DecodePackedCoordinate(text, latitude, packed, message, LimitMessage(item))) {
        return Refuse(message, dataLine);
    }
    StoreLimit(document, item, packed);
    return true;
}

// A data file named by the scalar data file must be readable.
bool CheckReadable(const std::string& path, const char* kindOfFile, const std::string* dataLine) {
    try {
        CheckReadableRegularFile(path);
    } catch (const CFileException& error) {
        return Refuse(CSableWinApp::ConstructFileErrorMessage(false, kindOfFile, error), dataLine);
    }
    return true;
}

bool DecodeWholeParameter(const std::string& text, int lower, int upper, const char* format,
                          const std::string* dataLine, int& value) {
    if (!ParseWholeNumber(text, value) || value < lower || value > upper) {
        return Refuse(FormatString(format, text.c_str(), lower, upper), dataLine);
    }
    return true;
}

} // namespace

bool CheckProjectName(const std::string& name, std::string& message) {
    if (name.empty()) {
        message = "Invalid empty (null) project name";
        return false;
    }
    if (name.size() > static_cast<std::size_t>(kMaxProjectNameLength)) {
        message = FormatString("Invalid project name length %d outside range [1, %d] for project name %s\"",
                               static_cast<int>(name.size()), kMaxProjectNameLength, name.c_str());
        return false;
    }
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != ' ') {
            message = FormatString("Invalid character %c in project name %s", c, name.c_str());
            return false;
        }
    }
    return true;
}

bool DecodeCommonDataItem(CSableDocument& document, ESCALARITEM item, const std::string& text,
                          const std::string* dataLine, const std::string& scalarFilePath,
                          SCommonItemsPending& pending) {
    switch (item) {
    case SI_DATA_VERSION: {
        int version = 0;
        if (!ParseWholeNumber(text, version) || version < 0) {
            return Refuse(
                FormatString("Invalid data version %s outside range [%d, %d]", text.c_str(), 0, INT_MAX),
                dataLine);
        }
        document.SetDataVersion(static_cast<unsigned>(version));
        return true;
    }
    case SI_PROJECT_NAME:
    case SI_CASE_NAME: {
        std::string message;
        if (!CheckProjectName(text, message)) {
            return Refuse(message, dataLine);
        }
        document.SetDocTitle(text);
        return true;
    }
    case SI_MAP_PROJECTION: {
        int type = DecodeMapProjection(text);
        if (type < 0) {
            return Refuse(FormatString("Invalid map projection name %s", text.c_str()), dataLine);
        }
        document.SetMapProjectionType(static_cast<MP_TYPE>(type));
        return true;
    }
    case SI_MINIMUM_X:
    case SI_MAXIMUM_X:
    case SI_MINIMUM_Y:
    case SI_MAXIMUM_Y:
        return DecodeRectangularLimit(document, item, text, dataLine);
    case SI_MINIMUM_LONGITUDE:
    case SI_MAXIMUM_LONGITUDE:
    case SI_MINIMUM_LATITUDE:
    case SI_MAXIMUM_LATITUDE:
        return DecodeGeographicLimit(document, item, text, dataLine);
    case SI_DISTANCE_NORM: {
        int norm = CDistanceNorm::DecodeDistanceNorm(text);
        if (norm < 0) {
            return Refuse(FormatString("Invalid distance norm name %s", text.c_str()), dataLine);
        }
        document.SetDistanceNorm(static_cast<EDISTANCENORM>(norm));
        return true;
    }
    case SI_WORLD_RADIUS: {
        double radius = 0.0;
        if (!ParseRealNumber(text, radius) || !InRange(radius, kMinWorldRadius, 1.0e300)) {
            return Refuse(
                FormatString("Invalid world radius %s less than %lf", text.c_str(), kMinWorldRadius),
                dataLine);
        }
        document.SetWorldRadius(radius);
        return true;
    }
    case SI_DISTANCE_FACTOR: {
        double factor = 0.0;
        if (!ParseRealNumber(text, factor) || !InRange(factor, kMinDistanceFactor, kMaxDistanceFactor)) {
            return Refuse(FormatString("Invalid distance adjustment factor %s out of valid range [%lf, %lf]",
                                       text.c_str(), kMinDistanceFactor, kMaxDistanceFactor),
                          dataLine);
        }
        document.SetDistanceFactor(factor);
        return true;
    }
    case SI_MAP_FILE_NAME: {
        std::string path = ExpandDataFileName(text, scalarFilePath);
        try {
            CGeoMap::CheckMapFile(path);
        } catch (const CFileException& error) {
            return Refuse(CSableWinApp::ConstructFileErrorMessage(false, "Import Map Data", error), dataLine);
        } catch (const CUserException&) {
            return false; // the map check has shown its message
        }
        document.SetMapFileName(path);
        return true;
    }
    case SI_DISTANCE_FILE_NAME: {
        std::string path = ExpandDataFileName(text, scalarFilePath);
        if (!CheckReadable(path, "Import Distance Data", dataLine)) {
            return false;
        }
        document.SetDistanceFileName(path);
        return true;
    }
    case SI_OUTPUT_LOG_FILE_NAME: {
        std::string path = ExpandDataFileName(text, scalarFilePath);
        // Checked only: the log is emptied when the whole project has been read.
        try {
            CheckWritableLogFile(path);
        } catch (const CFileException& error) {
            return Refuse(CSableWinApp::ConstructFileErrorMessage(true, "output log", error), dataLine);
        }
        pending.outputLogFileName = path;
        return true;
    }
    case SI_REPORT_LEVEL: {
        CLongParameter& level = document.ReportLevelParameter();
        int value = 0;
        if (!DecodeWholeParameter(text, level.GetLowerBound(), level.GetUpperBound(),
                                  "Invalid report level %s outside range [%d,%d]", dataLine, value)) {
            return false;
        }
        return document.SetReportLevel(value);
    }
    case SI_SEED: {
        CLongParameter& seed = document.SeedParameter();
        int value = 0;
        if (!DecodeWholeParameter(text, seed.GetLowerBound(), seed.GetUpperBound(),
                                  "Invalid seed %s out of range [%d,%d]", dataLine, value)) {
            return false;
        }
        pending.reseed = true;
        return document.SetSeed(value);
    }
    case SI_NUMBER_OF_ITERATIONS: {
        CLongParameter& iterations = document.MaxIterationsParameter();
        int value = 0;
        if (!DecodeWholeParameter(text, iterations.GetLowerBound(), iterations.GetUpperBound(),
                                  "Invalid maximum number of iterations %s outside range [%d,%d]", dataLine,
                                  value)) {
            return false;
        }
        return document.SetMaxIterations(value);
    }
    case SI_TIME_LIMIT: {
        CDoubleParameter& limit = document.TimeLimitParameter();
        double value = 0.0;
        if (!ParseRealNumber(text, value) || !InRange(value, limit.GetLowerBound(), limit.GetUpperBound())) {
            return Refuse(FormatString("Invalid time limit %s outside range [%.2lf, %.2lf]", text.c_str(),
                                       limit.GetLowerBound(), limit.GetUpperBound()),
                          dataLine);
        }
        return document.SetTimeLimit(value);
    }
    case SI_TOLERANCE: {
        CDoubleParameter& tolerance = document.ToleranceParameter();
        double value = 0.0;
        if (!ParseRealNumber(text, value) ||
            !InRange(value, tolerance.GetLowerBound(), tolerance.GetUpperBound())) {
            return Refuse(FormatString("Invalid tolerance %s out of range [0,%.2lf]", text.c_str(),
                                       tolerance.GetUpperBound()),
                          dataLine);
        }
        return document.SetTolerance(value);
    }
    case SI_COST_FACTOR:
        return true;
    default:
        return Refuse(FormatString("Internal error: unknown scalar data item with value \"%s\" to validate",
                                   text.c_str()),
                      dataLine);
    }
}

void WriteQuotedDataItem(std::FILE* file, ESCALARITEM item, const std::string& value) {
    const char* key = GetScalarDataKey(item).key;
    if (value.find_first_of(" \t") != std::string::npos) {
        std::fprintf(file, "%s\t\"%s\"\n", key, value.c_str());
    } else {
        std::fprintf(file, "%s\t%s\n", key, value.c_str());
    }
}

void WriteLeadingCommonDataItems(std::FILE* file, const CSableDocument& document) {
    auto key = [](ESCALARITEM item) { return GetScalarDataKey(item).key; };
    std::fprintf(file, "%s\t%lu\n", key(SI_DATA_VERSION),
                 static_cast<unsigned long>(TEXT_PROJECT_DATA_VERSION));
    WriteQuotedDataItem(file, SI_PROJECT_NAME, document.GetDocTitle());
    std::fprintf(file, "%s\t%s\n", key(SI_MAP_PROJECTION),
                 GetMapProjectionName(document.GetMapProjectionType()));
    const CLonLatRect& limits = document.GetWorldLimits();
    bool geographic = document.IsGeographicProjection();
    std::fprintf(file, "%s\t%d\n", key(geographic ? SI_MINIMUM_LONGITUDE : SI_MINIMUM_X), limits.m_west);
    std::fprintf(file, "%s\t%d\n", key(geographic ? SI_MAXIMUM_LONGITUDE : SI_MAXIMUM_X), limits.m_east);
    std::fprintf(file, "%s\t%d\n", key(geographic ? SI_MINIMUM_LATITUDE : SI_MINIMUM_Y), limits.m_south);
    std::fprintf(file, "%s\t%d\n", key(geographic ? SI_MAXIMUM_LATITUDE : SI_MAXIMUM_Y), limits.m_north);
    std::fprintf(file, "%s\t%s\n", key(SI_DISTANCE_NORM), document.GetDistanceNormName());
    if (geographic) {
        std::fprintf(file, "%s\t%.1lf\n", key(SI_WORLD_RADIUS), document.GetWorldRadius());
    }
    std::fprintf(file, "%s\t%.3lf\n", key(SI_DISTANCE_FACTOR), document.GetDistanceFactor());
}

void WriteTrailingCommonDataItems(std::FILE* file, const CSableDocument& document,
                                  const std::string& projectPath, const std::string& outputLogFileName) {
    auto key = [](ESCALARITEM item) { return GetScalarDataKey(item).key; };
    if (!document.GetMapFileName().empty()) {
        WriteQuotedDataItem(file, SI_MAP_FILE_NAME,
                            GetBaseDataFileName(document.GetMapFileName(), projectPath));
    }
    if (!document.GetDistanceFileName().empty()) {
        WriteQuotedDataItem(file, SI_DISTANCE_FILE_NAME,
                            GetBaseDataFileName(document.GetDistanceFileName(), projectPath));
    }
    if (!outputLogFileName.empty()) {
        WriteQuotedDataItem(file, SI_OUTPUT_LOG_FILE_NAME,
                            GetBaseDataFileName(outputLogFileName, projectPath));
    }
    std::fprintf(file, "%s\t%d\n", key(SI_REPORT_LEVEL), document.GetReportLevel());
    std::fprintf(file, "%s\t%u\n", key(SI_SEED), static_cast<unsigned>(document.GetSeed()));
    std::fprintf(file, "%s\t%d\n", key(SI_NUMBER_OF_ITERATIONS), document.GetMaxIterations());
    std::fprintf(file, "%s\t%lf\n", key(SI_TIME_LIMIT), document.GetTimeLimit());
}
