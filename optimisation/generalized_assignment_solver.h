#pragma once

// The GLPK side of the generalized assignment: the problem's lifetime, the solver controls, the
// check of a solver result and the assignment model itself.

#include <glpk.h>

#include <string>

#include "optimisation/generalized_assignment.h"

class CDoubleMatrix;
class CLongMatrix;
class CSableWinApp;
class CTramletDoc;

// Owns one GLPK problem: created with the binding's wrapper, deleted however the owner ends.
class CGapProblem {
public:
    explicit CGapProblem(CSableWinApp& app);
    ~CGapProblem();
    CGapProblem(const CGapProblem&) = delete;
    CGapProblem& operator=(const CGapProblem&) = delete;
    glp_prob* Get() const { return m_problem; }

private:
    CSableWinApp& m_app;
    glp_prob* m_problem;
};

// The time limit handed to GLPK: the project's time limit in whole milliseconds.
int GlpkTimeLimit(const CTramletDoc& document);
// The simplex controls of the relaxation: GLPK's defaults, the time limit and presolve on.
glp_smcp AssignmentSimplexControls(const CSableWinApp& app, const CTramletDoc& document);
// The integer optimiser's controls: the time limit, most-fractional branching, MIR, Gomory,
// cover and clique cuts, presolve on.
glp_iocp AssignmentIntegerControls(const CSableWinApp& app, const CTramletDoc& document);

// Checks the result of a solver call ("LP" or "MIP"): an optimal solution goes on, anything else
// shows message 16544, 16545 or 16546 and raises a user exception.
void CheckAssignmentSolverResult(const CSableWinApp& app, const CTramletDoc& document, const char* solver,
                                 int returned, int status);

// Builds the assignment model of the costs into lp, solves its relaxation and the integer
// program, and reads the assignment (n x m) and the cluster loads (m x 2: demand, supply). At
// Detailed the model is written as free MPS and LP files beside the project; the reports go to
// an open output log at Standard (assignments) and Debug (fractional and integer matrices).
void SolveAssignmentModel(CTramletDoc& document, CSableWinApp& app, glp_prob* lp, const CDoubleMatrix& costs,
                          EGAPSEEDMODE mode, CLongMatrix& assignment, CLongMatrix& loads);
