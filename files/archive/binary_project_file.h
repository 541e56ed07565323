#pragma once

#include <memory>
#include <string>

class CTramletDoc;

// The program's own file type: a whole project in one binary archive.
extern const char* const kBinaryProjectFilter;    // "Tramlet Binary Project Files (*.tramlet)"
extern const char* const kBinaryProjectExtension; // "tramlet"
// The kind of file that file and archive error messages name.
extern const char* const kBinaryProjectKind;

// True for a path whose extension is ".tramlet" in any letter case.
bool IsBinaryProjectFileName(const std::string& path);

// The archive of a document as bytes (storing sets its data version to the newest).
std::string StoreBinaryProject(CTramletDoc& document, const std::string& fileName = std::string());

// Reads archive bytes into the document (it becomes the application's document) and completes
// the open as CTramletDoc::OnOpenDocument does after a read: current record reset, labels of
// old archives, evaluation, check and "Initial Load" record, summary to the output log. Every
// failure is reported; the document is then empty and false is returned.
bool LoadBinaryProject(CTramletDoc& document, std::string bytes, const std::string& fileName);

// The Open command on a path, into a new document: a ".dat" file is imported as text, any other
// file read as an archive. On success the document is returned as the application's; on
// failure null is returned and the application's document is what it was before.
std::unique_ptr<CTramletDoc> OpenProjectFile(const std::string& path);

// The Open command: asks for a project file ("Open") and opens it. Null when the user cancels
// or the open fails.
std::unique_ptr<CTramletDoc> OnFileOpen();
// Save: to the document's path when it names a binary project file, otherwise as Save As.
bool OnFileSave(CTramletDoc& document);
// Save As: asks for the file ("Save As", proposing the project's path or title with the
// extension ".tramlet"); a name without an extension gets it. False when cancelled or failed.
bool OnFileSaveAs(CTramletDoc& document);
