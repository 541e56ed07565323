#pragma once

#include <memory>
#include <string>

class CTramletDoc;

// Imports the text project whose scalar data file is path into the document, which should be a
// new one: the scalar data file, the facility data files, the route data file, the distances
// (read from the distance data file for the norms whose distances cannot be computed, computed
// otherwise) and the background map. The document becomes the application's while it is read;
// the application is in importing status meanwhile and idle afterwards. Every failure is
// reported; the document is then emptied (nothing half-read remains) and false returned. The
// output log and the generator seed named by the file take effect only on success.
bool ImportTextProject(CTramletDoc& document, const std::string& path);

// Imports into a new document. On success it is returned as the application's document; on
// failure null is returned and the application's document is what it was before.
std::unique_ptr<CTramletDoc> OpenTextProject(const std::string& path);

// True for a file whose extension is ".dat" in any letter case: opening it imports it.
bool IsTextProjectFileName(const std::string& path);

// The Import command after the current project has been closed: asks for a scalar data file
// ("Import File"), writes the execution-log line and opens it. Null when the user cancels or the
// import fails.
std::unique_ptr<CTramletDoc> OnFileImport();
