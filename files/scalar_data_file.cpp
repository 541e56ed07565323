#include "files/scalar_data_file.h"

#include "files/data_file_names.h"
#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// The facility type (or FT_ROUTE) of a count or file name code.
int TypeOfCode(int code) {
    return code >= PI_CUSTOMER_FILE_NAME ? code - PI_CUSTOMER_FILE_NAME : code;
}

bool AskToContinueAfterUnknownKey(const std::string& key, const std::string& line) {
    CUserInterface& ui = GetUserInterface();
    ui.Beep(EMessageIcon::question);
    std::string question =
        FormatString("Unknown scalar data field name %s in data line \r\n%s \r\nDo you want to "
                     "continue reading the project scalar data file?",
                     key.c_str(), line.c_str());
    return ui.MessageBox(question, EMessageIcon::question, EMessageButtons::yesNo) == EMessageAnswer::yes;
}

} // namespace

void RefuseScalarData() {
    DisplayErrorMessage("Missing necessary project scalar data items");
    ThrowUserException();
}

CScalarDataFileReader::CScalarDataFileReader(CTramletDoc& document, std::string scalarFilePath)
    : m_document(document), m_scalarFilePath(std::move(scalarFilePath)) {}

// A scalar data file starts with a key in square brackets; a file whose first data line does not
// (a binary file, a system file named by mistake) is refused by that line alone, shown shortened.
void CScalarDataFileReader::CheckFirstLine(const std::vector<std::string>& items, const std::string& line) {
    const std::string& key = items[0];
    if (key.size() >= 2 && key.front() == '[' && key.back() == ']') {
        return;
    }
    constexpr std::size_t kShownCharacters = 80;
    std::string shown = line.substr(0, kShownCharacters);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ' && c != '\t') {
            c = '?';
        }
    }
    if (line.size() > kShownCharacters) {
        shown += "...";
    }
    DisplayErrorMessage(
        FormatString("The file %s is not a project scalar data file: its first data line \r\n%s\r\n"
                     "does not start with a key in square brackets",
                     m_scalarFilePath.c_str(), shown.c_str()));
    ThrowUserException();
}

void CScalarDataFileReader::Read(CTextLineReader& reader) {
    std::string line;
    bool first = true;
    while (reader.ReadNonCommentLine(line)) {
        std::vector<std::string> items = SplitItems(line);
        if (items.empty()) {
            break;
        }
        if (first) {
            CheckFirstLine(items, line);
            first = false;
        }
        if (items.size() == 1) {
            DisplayErrorMessage(FormatString(
                "Invalid number of data items read %d different from required number %d on data line \r\n%s",
                1, 2, line.c_str()));
            RefuseScalarData();
        }
        bool orthogonal = m_document.GetMapProjectionType() == MP_ORTHOGONAL;
        const SScalarDataKey* key = FindScalarDataKey(items[0], orthogonal);
        if (key == nullptr) {
            if (!AskToContinueAfterUnknownKey(items[0], line)) {
                RefuseScalarData();
            }
            continue;
        }
        std::string value = items[1];
        if (key->quoted && value[0] == '"') {
            value = ExtractQuotedValue(line);
        }
        bool accepted = key->projectItem ? DecodeProjectItem(*key, value, line)
                                         : DecodeCommonDataItem(m_document, key->item, value, &line,
                                                                m_scalarFilePath, m_pending);
        if (!accepted) {
            RefuseScalarData();
        }
    }
    CheckCompleteness();
}

bool CScalarDataFileReader::DecodeProjectItem(const SScalarDataKey& key, const std::string& text,
                                              const std::string& line) {
    const char* dataLine = line.c_str();
    switch (key.code) {
    case PI_NUMBER_OF_CUSTOMERS:
    case PI_NUMBER_OF_SUPPLIERS:
    case PI_NUMBER_OF_DEPOTS:
    case PI_NUMBER_OF_ROUTES: {
        int count = 0;
        if (!m_document.DecodeAttribute(key.code, text, count, dataLine)) {
            return false;
        }
        m_document.SetSpecifiedCount(TypeOfCode(key.code), count);
        return true;
    }
    case PI_CUSTOMER_FILE_NAME:
    case PI_SUPPLIER_FILE_NAME:
    case PI_DEPOT_FILE_NAME:
    case PI_ROUTE_FILE_NAME: {
        std::string name;
        if (!m_document.DecodeAttribute(key.code, ExpandDataFileName(text, m_scalarFilePath), name,
                                        dataLine)) {
            return false;
        }
        m_document.SetDataFileName(TypeOfCode(key.code), name);
        return true;
    }
    case PI_NUMBER_OF_VEHICLES: {
        int vehicles = 0;
        return m_document.DecodeAttribute(key.code, text, vehicles, dataLine) &&
               m_document.NumberOfVehiclesParameter().SetValue(vehicles);
    }
    case PI_VEHICLE_CAPACITY: {
        int capacity = 0;
        return m_document.DecodeAttribute(key.code, text, capacity, dataLine) &&
               m_document.VehicleCapacityParameter().SetValue(capacity);
    }
    case PI_INFEASIBILITY_PENALTY: {
        double penalty = 0.0;
        return m_document.DecodeAttribute(key.code, text, penalty, dataLine) &&
               m_document.InfeasibilityPenaltyParameter().SetValue(penalty);
    }
    default:
        return false;
    }
}

void CScalarDataFileReader::CheckCompleteness() {
    if (m_document.GetDocTitle().empty()) {
        RefuseScalarData();
    }
    if (m_document.GetMapProjectionType() == MP_ORTHOGONAL) {
        const CLonLatRect& limits = m_document.GetWorldLimits();
        const long long maximum = GetMaxCoord();
        const long long ranges[2] = {static_cast<long long>(limits.m_east) - limits.m_west,
                                     static_cast<long long>(limits.m_north) - limits.m_south};
        const char* formats[2] = {"Invalid x coordinate range %s out of range [%ld, %ld]",
                                  "Invalid y coordinate range %s out of range [%ld, %ld]"};
        for (int axis = 0; axis < 2; ++axis) {
            if (ranges[axis] < MIN_COORDINATE_RANGE || ranges[axis] > maximum) {
                std::string range = FormatString("%lld", ranges[axis]);
                DisplayErrorMessage(FormatString(formats[axis], range.c_str(),
                                                 static_cast<long>(MIN_COORDINATE_RANGE),
                                                 static_cast<long>(maximum)));
                RefuseScalarData();
            }
        }
    }
    for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
        if (m_document.GetSpecifiedCount(type) != 0 && m_document.GetDataFileName(type).empty()) {
            RefuseScalarData();
        }
    }
}

void WriteScalarDataFile(std::FILE* file, const CTramletDoc& document, const std::string& projectPath,
                         const std::string& outputLogFileName) {
    auto key = [](ESCALARITEM item) { return GetScalarDataKey(item).key; };
    WriteLeadingCommonDataItems(file, document);
    std::fprintf(file, "%s\t%d\n", key(SI_NUMBER_OF_VEHICLES), document.GetNumberOfVehicles());
    std::fprintf(file, "%s\t%d\n", key(SI_VEHICLE_CAPACITY), document.GetVehicleCapacity());
    std::fprintf(file, "%s\t%lf\n", key(SI_INFEASIBILITY_PENALTY), document.GetInfeasibilityPenalty());
    const ESCALARITEM counts[4] = {SI_NUMBER_OF_CUSTOMERS, SI_NUMBER_OF_SUPPLIERS, SI_NUMBER_OF_DEPOTS,
                                   SI_NUMBER_OF_ROUTES};
    const ESCALARITEM names[4] = {SI_CUSTOMER_FILE_NAME, SI_SUPPLIER_FILE_NAME, SI_DEPOT_FILE_NAME,
                                  SI_ROUTE_FILE_NAME};
    for (int type = FT_CUSTOMER; type <= FT_ROUTE; ++type) {
        int count = type == FT_ROUTE ? document.GetNumberOfRoutes() : document.GetNumberOfFacilities(type);
        std::fprintf(file, "%s\t%d\n", key(counts[type]), count);
        if (count != 0) {
            WriteQuotedDataItem(file, names[type],
                                GetBaseDataFileName(document.GetDataFileName(type), projectPath));
        }
    }
    WriteTrailingCommonDataItems(file, document, projectPath, outputLogFileName);
}
