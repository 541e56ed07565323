#pragma once

#include <string>

class CSableWinApp;
class CTramletDoc;

// The name of a GLPK problem built for the project: the project file's base name, the
// application's name for a project without a file. GLPK stops the whole program on a name longer
// than 255 characters or one holding control characters, so such characters become '_' and the
// name is cut to 255.
std::string GlpkProblemName(const CTramletDoc& document, const CSableWinApp& app);
