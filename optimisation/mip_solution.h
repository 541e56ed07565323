#pragma once

#include <string>

#include "runs/run_frame.h"

class CTramletDoc;

// The outside solvers whose solution reports the program reads.
enum class EMipSolver { glpsol, cplex, gurobi };

// Reads a solver's solution report of the model that WriteLPFormulation wrote and records it
// as a run ("glpsol VRPB MIP Solution", ...): the project's routes are deleted, one route is
// built per vehicle from the arc variables at 1 (within 0.0001), and the record gets the routes'
// distance and cost, iterations 1, delta objective = distance - the solver's objective and the
// solver's lower bound. A file that cannot be read shows the file error ("Could not read from
// glpsol solution file ..."); a report that is not a solution of this project's model (arcs
// that form no routes, or routes that leave a customer or supplier unserved) shows 16548, 16549
// or 16550 with the path. After a failure the project has no routes, the run
// status is -1 and nothing is recorded. Refused (nothing happens) unless CanRunMipCommand.
ERunResult ReadMipSolution(CTramletDoc& document, EMipSolver solver, const std::string& path);

// The three commands with their file chosen.
ERunResult OnReadGlpsolSolution(CTramletDoc& document, const std::string& path);
ERunResult OnReadCplexSolution(CTramletDoc& document, const std::string& path);
ERunResult OnReadGurobiSolution(CTramletDoc& document, const std::string& path);
// The commands with their open dialog ("glpsol Solution File", ...); Cancel ends the command
// (refused).
ERunResult OnReadGlpsolSolution(CTramletDoc& document);
ERunResult OnReadCplexSolution(CTramletDoc& document);
ERunResult OnReadGurobiSolution(CTramletDoc& document);
