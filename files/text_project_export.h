#pragma once

#include <string>

class CTramletDoc;

// Writes the document as a text project whose scalar data file is path: a data file for each
// type with facilities (and for the routes), named by the path with the type code as extension,
// which become the document's data file names; for the norms whose distances cannot be computed
// the distance data file (extension "dist"), else no distance file name; then the scalar data
// file (data version 20014). Every file is written to a temporary file beside its target first;
// only when all are complete do they replace the targets, the scalar data file last. A file that
// cannot be written ends the export with its message and false, leaving the previous files and
// the document's file names as they were and no temporary file behind. An empty path, or one
// whose extension is that of a data file ("cus", "sup", "dep", "rou", "dist"), is refused with a
// message. The application is idle afterwards.
bool ExportTextProject(CTramletDoc& document, const std::string& path);

// The Export command: asks for the scalar data file ("Export Data File") and exports.
bool OnFileExport(CTramletDoc& document);
