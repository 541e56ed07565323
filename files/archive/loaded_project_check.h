#pragma once

#include <string>

class CTramletDoc;

// Checks a project just read from a binary archive the way the text import checks its values:
// every parameter against the program's own fixed ranges (not the bounds the file stored), the
// world limits, the project name, every facility (label, name, location, quantity, symbol) and
// the distances. A parameter keeps the bounds the file stored when they lie inside the fixed
// ones, else it gets the fixed bounds. The first value refused is shown with the text import's
// message; then a generic CArchiveException naming fileName is raised.
void CheckLoadedProject(CTramletDoc& document, const std::string& fileName);
