#pragma once

#include <cstdio>
#include <string>

#include "framework/containers/double_vector.h"
#include "framework/export.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"

class CSableDocument;

// How a solver run ended.
enum EOPTIMIZATIONSTATUS {
    OPT_NOT_SOLVED = 0,      // Solve has not run, or an abort ended it
    OPT_OPTIMAL = 1,         // the solution is optimal within the tolerance
    OPT_INFEASIBLE = 2,      // no solution satisfies the constraints
    OPT_UNBOUNDED = 3,       // the objective improves without end
    OPT_ITERATION_LIMIT = 4, // the maximum number of iterations was reached first
    OPT_TIME_LIMIT = 5,      // the time limit ran out first
    OPT_INVALID_DATA = 6,    // the problem data were refused with a message
};

// The status as a word for reports: "Not solved", "Optimal", "Infeasible", "Unbounded",
// "Iteration limit", "Time limit", "Invalid data".
SABLEKIT_API const char* GetOptimizationStatusName(EOPTIMIZATIONSTATUS status);

// The base of the standalone solvers. A solver is given its problem through its own setters,
// then Solve checks the data (a refusal shows its message and gives OPT_INVALID_DATA), runs
// the method and returns how it ended; the objective value, the solution and the counts stay
// readable until the next Solve.
//
// Limits: the maximum iterations, the time limit (seconds on the GetClockSeconds clock, from
// the start of Solve) and the tolerance are range-checked parameters like the document's common
// ones; a value outside the range is refused with the parameter's message. A limit that ends a
// run gives OPT_ITERATION_LIMIT or OPT_TIME_LIMIT, and the solution is then the last iterate
// where the solver says so.
//
// Algorithm control: while the application's document has an algorithm running (its caller
// brackets the run with SetIsAlgorithmRunning and SetStopTime, as every algorithm does), each
// iteration first calls the document's CheckAlgorithmContinuation, so Abort and the document's
// time-limit dialog work. An abort raises the user exception out of Solve and leaves the status
// OPT_NOT_SOLVED.
//
// Report: when a report file name is set, Solve writes the report to it (created or emptied)
// after the run: the solver's name, status, objective value and iterations, then the solution
// and the solver's own results in the containers' Write layout. A failed open or write raises a
// CFileException.
class SABLEKIT_API COptimizationAlgorithm {
public:
    virtual ~COptimizationAlgorithm();
    COptimizationAlgorithm(const COptimizationAlgorithm&) = default;
    COptimizationAlgorithm& operator=(const COptimizationAlgorithm&) = default;

    // Checks the data, runs the method and writes the report; returns the status.
    EOPTIMIZATIONSTATUS Solve();

    EOPTIMIZATIONSTATUS GetStatus() const { return m_status; }
    const char* GetStatusName() const { return GetOptimizationStatusName(m_status); }
    // The objective value of the solution (0 until a run has one).
    double GetObjectiveValue() const { return m_objectiveValue; }
    const CDoubleVector& GetSolution() const { return m_solution; }
    // Iterations of the last run, and its length in seconds.
    int GetIterations() const { return m_iterations; }
    double GetSolveSeconds() const { return m_solveSeconds; }
    // The method's name, the first line of the report.
    virtual const char* GetName() const = 0;

    // Limits and tolerance.
    const CLongParameter& MaxIterationsParameter() const { return m_maxIterations; }
    const CDoubleParameter& TimeLimitParameter() const { return m_timeLimit; }
    const CDoubleParameter& ToleranceParameter() const { return m_tolerance; }
    int GetMaxIterations() const { return m_maxIterations.GetValue(); }
    double GetTimeLimit() const { return m_timeLimit.GetValue(); }
    double GetTolerance() const { return m_tolerance.GetValue(); }
    bool SetMaxIterations(int iterations);
    bool SetTimeLimit(double seconds);
    bool SetTolerance(double tolerance);
    // Takes the time limit and the tolerance of a document's common parameters.
    bool TakeCommonParameters(const CSableDocument& document);

    // The report file ("" for none).
    void SetReportFileName(const std::string& path) { m_reportFileName = path; }
    const std::string& GetReportFileName() const { return m_reportFileName; }
    // Writes the report of the last run to an open file.
    void WriteReport(std::FILE* file) const;

protected:
    // Sets up the parameters: "Maximum Iterations" [1, 1000000000], "Time Limit" [0, 360000]
    // seconds with default 120, "Tolerance" [0, 1]; the given values are the defaults.
    COptimizationAlgorithm(int defaultMaxIterations, double defaultTolerance);

    // Checks the problem data; a refusal shows its message and returns false.
    virtual bool CheckData() = 0;
    // Runs the method on checked data, filling the objective value and the solution.
    virtual EOPTIMIZATIONSTATUS Run() = 0;
    // Writes the solver's own results after the solution.
    virtual void WriteResults(std::FILE* file) const = 0;

    // Called at the start of every iteration: checks the algorithm control of a running
    // document, then the iteration and time limits. Returns false when a limit ends the run;
    // GetLimitStatus then says which. Counts the iteration when it may go on.
    bool StartIteration();
    EOPTIMIZATIONSTATUS GetLimitStatus() const { return m_limitStatus; }
    // Writes a vector titled "\n%s\n" in the report layout (nothing for an empty vector).
    static void WriteVector(std::FILE* file, const char* title, const CDoubleVector& values);

    double m_objectiveValue = 0.0;
    CDoubleVector m_solution;

private:
    EOPTIMIZATIONSTATUS m_status = OPT_NOT_SOLVED;
    EOPTIMIZATIONSTATUS m_limitStatus = OPT_NOT_SOLVED;
    int m_iterations = 0;
    double m_startSeconds = 0.0;
    double m_solveSeconds = 0.0;
    CLongParameter m_maxIterations;
    CDoubleParameter m_timeLimit;
    CDoubleParameter m_tolerance;
    std::string m_reportFileName;

    void WriteReportFile() const;
};
