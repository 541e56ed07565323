#pragma once

#include <string>

class CTramletDoc;

// Whether the four commands of the MIP model for outside solvers (Write LP Formulation and the
// three solution readers) are enabled: no algorithm runs, more than one vehicle, at least one
// customer or supplier and at least one depot.
bool CanRunMipCommand(const CTramletDoc& document);

// Writes the three-index vehicle-flow model of the project's VRPB instance in CPLEX LP text to
// the file (created, or emptied when it exists). Columns appear in the order the solution
// readers rely on: total_length, the arc variables x(i,j,k), then the load variables ql and qb.
// Nothing in the project changes. A file that cannot be opened or written raises a
// CFileException (the file is then incomplete).
void WriteLPFormulation(const CTramletDoc& document, const std::string& path);

// The Write LP Formulation command with its file chosen: the running mark and the wait cursor
// while the model is written; a file error is shown ("Could not write to LP formulation file
// ..."). No statistics record is made. False when refused (see CanRunMipCommand) or failed.
bool OnWriteLPFormulation(CTramletDoc& document, const std::string& path);
// The command with its save dialog ("LP Formulation Data File"); Cancel writes nothing.
bool OnWriteLPFormulation(CTramletDoc& document);
