#pragma once

#include <cstdio>
#include <string>

#include "files/scalar_data_keys.h"

class CSableDocument;

// What the framework's items of a scalar data file leave to do once the whole project has been
// read: they must not touch the application while a failed import may still be discarded.
struct SCommonItemsPending {
    // The output log named by the file (checked, not yet emptied); emptied and made the output
    // log only when the whole project has been read.
    std::string outputLogFileName;
    // The generator is seeded again with the project seed at the end.
    bool reseed = false;
};

// Decodes one of the framework's scalar items (any item that is not the program's own) and
// stores it in the document. A refused value is reported with the data line (message box after
// a beep, not logged) and false returned. File names are completed relative to the scalar data
// file. Raises nothing.
bool DecodeCommonDataItem(CSableDocument& document, ESCALARITEM item, const std::string& text,
                          const std::string* dataLine, const std::string& scalarFilePath,
                          SCommonItemsPending& pending);

// Checks a project name ([project_name], [case_name]): 1 to 63 letters, digits, "_" or blanks.
// False with the message when it is refused.
bool CheckProjectName(const std::string& name, std::string& message);

// Writes a quoted item: the value in double quotes when it holds a blank.
void WriteQuotedDataItem(std::FILE* file, ESCALARITEM item, const std::string& value);

// The framework's items written before the program's own: data version (always 20014), project
// name, projection, world limits, distance norm, world radius (geographic projections only) and
// distance factor.
void WriteLeadingCommonDataItems(std::FILE* file, const CSableDocument& document);
// The framework's items written after the program's own: map file, distance file and output log
// (each when set, named relative to the project path), report level, seed, maximum iterations
// and time limit.
void WriteTrailingCommonDataItems(std::FILE* file, const CSableDocument& document,
                                  const std::string& projectPath, const std::string& outputLogFileName);

// The data version written by the exporter.
constexpr unsigned TEXT_PROJECT_DATA_VERSION = 20014;
