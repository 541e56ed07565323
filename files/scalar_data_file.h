#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "files/common_data_items.h"

class CTextLineReader;
class CTramletDoc;

// Reads the scalar data file of a text project into a document that is being imported. Keys
// are compared in any letter case, comment lines are skipped and a line without items ends the
// reading. Limit keys are recognised only for the projection in force (so the projection must
// come first); an unknown key asks whether to go on. Every refusal shows its message, then
// "Missing necessary project scalar data items", and raises a user exception.
class CScalarDataFileReader {
public:
    CScalarDataFileReader(CTramletDoc& document, std::string scalarFilePath);

    void Read(CTextLineReader& reader);

    // What the framework's items leave to do once the import has succeeded.
    const SCommonItemsPending& GetPending() const { return m_pending; }

private:
    bool DecodeProjectItem(const SScalarDataKey& key, const std::string& text, const std::string& line);
    void CheckCompleteness();
    void CheckFirstLine(const std::vector<std::string>& items, const std::string& line);

    CTramletDoc& m_document;
    std::string m_scalarFilePath;
    SCommonItemsPending m_pending;
};

// "Missing necessary project scalar data items" and a user exception.
[[noreturn]] void RefuseScalarData();

// Writes the scalar data file of the document: the framework's leading items, the fleet, the
// counts with their data file names, then the framework's trailing items. File names are written
// relative to projectPath, the path of the scalar data file.
void WriteScalarDataFile(std::FILE* file, const CTramletDoc& document, const std::string& projectPath,
                         const std::string& outputLogFileName);
