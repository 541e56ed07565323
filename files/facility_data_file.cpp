#include "files/facility_data_file.h"

#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

std::unique_ptr<CFacility> ReadFacilityDataLine(CTramletDoc& document, int type, const std::string& typeName,
                                                CTextLineReader& reader) {
    std::string line;
    reader.ReadNonCommentLine(line);
    std::vector<std::string> items = SplitItems(line);
    if (items.empty()) {
        DisplayErrorMessage(FormatString("Missing or incomplete %s data line in file %s\n%s",
                                         typeName.c_str(), reader.GetFileName().c_str(), line.c_str()));
        ThrowUserException();
    }
    if (items.size() < static_cast<std::size_t>(FACILITY_DATA_ITEMS)) {
        DisplayErrorMessage(FormatString(
            "Invalid number of data items %d different from required number %d for %s "
            "data\n%s",
            static_cast<int>(items.size()), FACILITY_DATA_ITEMS, typeName.c_str(), line.c_str()));
        ThrowUserException();
    }
    // The name is the rest of the line after the seventh item, so a name of several words
    // (which the exporter writes as it is) comes back whole.
    items.resize(FACILITY_DATA_ITEMS);
    items[FACILITY_DATA_ITEMS - 1] = RestOfLineAfterItems(line, FACILITY_DATA_ITEMS - 1);
    auto facility = std::make_unique<CFacility>(&document, type);
    if (!facility->DecodeDataItems(items, line)) {
        ThrowUserException();
    }
    return facility;
}

void ReadFacilityDataFile(CTramletDoc& document, int type, int count, CTextLineReader& reader) {
    const std::string& typeName = document.GetTypeName(type);
    for (int k = 0; k < count; ++k) {
        document.AddFacility(ReadFacilityDataLine(document, type, typeName, reader), false);
    }
}

void WriteFacilityDataFile(const CTramletDoc& document, int type, std::FILE* file) {
    for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
        document.GetFacility(type, k)->WriteDataLine(file);
    }
}
