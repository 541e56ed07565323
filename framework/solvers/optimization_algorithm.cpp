#include "framework/solvers/optimization_algorithm.h"

#include <cassert>
#include <cerrno>
#include <cmath>

#include "framework/application/clock.h"
#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"

namespace {

// The document whose running algorithm this solver belongs to, or null.
CSableDocument* RunningDocument() {
    CSableWinApp* app = CSableWinApp::GetApp();
    CSableDocument* document = app != nullptr ? app->GetDocument() : nullptr;
    return document != nullptr && document->IsAlgorithmRunning() ? document : nullptr;
}

// Stores a value inside the parameter's range without marking any document modified; a value
// outside goes through SetValue, which shows the refusal.
template <class Parameter, class Value> bool SetInRange(Parameter& parameter, Value value) {
    if (!(value >= parameter.GetLowerBound() && value <= parameter.GetUpperBound())) {
        return parameter.SetValue(value);
    }
    parameter.SetRawValue(value);
    return true;
}

} // namespace

const char* GetOptimizationStatusName(EOPTIMIZATIONSTATUS status) {
    switch (status) {
    case OPT_NOT_SOLVED:
        return "Not solved";
    case OPT_OPTIMAL:
        return "Optimal";
    case OPT_INFEASIBLE:
        return "Infeasible";
    case OPT_UNBOUNDED:
        return "Unbounded";
    case OPT_ITERATION_LIMIT:
        return "Iteration limit";
    case OPT_TIME_LIMIT:
        return "Time limit";
    case OPT_INVALID_DATA:
        return "Invalid data";
    }
    return "Unknown";
}

COptimizationAlgorithm::COptimizationAlgorithm(int defaultMaxIterations, double defaultTolerance) {
    assert(defaultMaxIterations >= 1 && defaultTolerance >= 0.0 && defaultTolerance <= 1.0 &&
           "a solver's defaults lie within its parameter ranges");
    m_maxIterations.SetRaw(defaultMaxIterations, 1, 1000000000, defaultMaxIterations, "Maximum Iterations");
    m_timeLimit.SetRaw(120.0, 0.0, 360000.0, 120.0, "Time Limit");
    m_tolerance.SetRaw(defaultTolerance, 0.0, 1.0, defaultTolerance, "Tolerance");
}

COptimizationAlgorithm::~COptimizationAlgorithm() = default;

bool COptimizationAlgorithm::SetMaxIterations(int iterations) {
    return SetInRange(m_maxIterations, iterations);
}

bool COptimizationAlgorithm::SetTimeLimit(double seconds) {
    return SetInRange(m_timeLimit, seconds);
}

bool COptimizationAlgorithm::SetTolerance(double tolerance) {
    return SetInRange(m_tolerance, tolerance);
}

bool COptimizationAlgorithm::TakeCommonParameters(const CSableDocument& document) {
    bool timeLimit = SetTimeLimit(document.GetTimeLimit());
    return SetTolerance(document.GetTolerance()) && timeLimit;
}

EOPTIMIZATIONSTATUS COptimizationAlgorithm::Solve() {
    m_status = OPT_NOT_SOLVED;
    m_limitStatus = OPT_NOT_SOLVED;
    m_iterations = 0;
    m_objectiveValue = 0.0;
    m_solution.RemoveAll();
    m_startSeconds = GetClockSeconds();
    if (!CheckData()) {
        m_status = OPT_INVALID_DATA;
    } else {
        try {
            m_status = Run();
        } catch (const CUserException&) {
            m_status = OPT_NOT_SOLVED;
            m_solveSeconds = GetClockSeconds() - m_startSeconds;
            throw;
        }
    }
    m_solveSeconds = GetClockSeconds() - m_startSeconds;
    WriteReportFile();
    return m_status;
}

bool COptimizationAlgorithm::StartIteration() {
    if (CSableDocument* document = RunningDocument()) {
        document->CheckAlgorithmContinuation();
    }
    if (m_iterations >= GetMaxIterations()) {
        m_limitStatus = OPT_ITERATION_LIMIT;
        return false;
    }
    if (GetClockSeconds() - m_startSeconds >= GetTimeLimit()) {
        m_limitStatus = OPT_TIME_LIMIT;
        return false;
    }
    ++m_iterations;
    return true;
}

void COptimizationAlgorithm::WriteVector(std::FILE* file, const char* title, const CDoubleVector& values) {
    if (values.IsEmpty()) {
        return;
    }
    std::fprintf(file, "\n%s\n", title);
    values.Write(file, "%12.6f  ", 14, 84, true);
}

void COptimizationAlgorithm::WriteReport(std::FILE* file) const {
    std::fprintf(file, "%s\n", GetName());
    std::fprintf(file, "Status: %s\n", GetStatusName());
    std::fprintf(file, "Objective value: %.10g\n", m_objectiveValue);
    std::fprintf(file, "Iterations: %d\n", m_iterations);
    WriteVector(file, "Solution", m_solution);
    WriteResults(file);
}

void COptimizationAlgorithm::WriteReportFile() const {
    if (m_reportFileName.empty()) {
        return;
    }
    std::FILE* file = std::fopen(m_reportFileName.c_str(), "w");
    if (file == nullptr) {
        throw CFileException::FromErrno(m_reportFileName, errno);
    }
    WriteReport(file);
    bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed) {
        throw CFileException::FromErrno(m_reportFileName, errno);
    }
}
