#include "optimisation/mip_solution.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/model_strings.h"
#include "model/tramlet_doc.h"
#include "optimisation/mip_formulation.h"
#include "optimisation/mip_model.h"
#include "optimisation/mip_reports.h"
#include "optimisation/optimisation_strings.h"
#include "runs/runs_strings.h"

// ---- what the report readers share ----

bool CMipReportLines::ReadLine(std::string& line) {
    if (m_next >= m_contents.size()) {
        return false;
    }
    std::string::size_type end = m_contents.find('\n', m_next);
    if (end == std::string::npos) {
        end = m_contents.size();
    }
    line.assign(m_contents, m_next, end - m_next);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    m_next = end + 1;
    return true;
}

bool CMipReportLines::ReadNonEmptyLine(std::string& line) {
    while (ReadLine(line)) {
        if (!line.empty()) {
            return true;
        }
    }
    return false;
}

bool MipValueCounts(double value) {
    return std::fabs(value - 1.0) < 0.0001;
}

std::vector<std::string> SplitMipTokens(const std::string& text, const char* delimiters) {
    std::vector<std::string> tokens;
    std::string::size_type start = text.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        std::string::size_type end = text.find_first_of(delimiters, start);
        tokens.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? end : text.find_first_not_of(delimiters, end);
    }
    return tokens;
}

std::vector<std::string> SplitMipWords(const std::string& line) {
    return SplitMipTokens(line, " \t");
}

bool ScanMipReal(const std::string& text, double& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    double number = std::strtod(start, &end);
    if (end == start) {
        return false;
    }
    value = number;
    return true;
}

void ReadMipVariables(CMipReportLines& lines, SMipReport& report, const std::string* firstLine) {
    std::string line = firstLine != nullptr ? *firstLine : std::string();
    bool haveLine = firstLine != nullptr;
    while ((haveLine || lines.ReadLine(line)) && !line.empty()) {
        haveLine = false;
        std::vector<std::string> words = SplitMipWords(line);
        double value = 0.0;
        if (words.size() < 2 || !ScanMipReal(words[1], value) || words[0][0] == 'q') {
            return;
        }
        if (MipValueCounts(value)) {
            report.arcNames.push_back(words[0]);
        }
    }
}

// ---- the common part of the three readers ----

namespace {

struct SSolverTexts {
    unsigned nameId;
    unsigned invalidFileId;
    const char* fileKind;     // of the file error message
    const char* dialogTitle;  // of the open dialog
    const char* dialogFilter; // of the open dialog
    bool (*read)(CMipReportLines&, SMipReport&);
};

const SSolverTexts& GetSolverTexts(EMipSolver solver) {
    static const SSolverTexts texts[] = {
        {IDS_ALGO_GLPSOL_MIP_SOLUTION, IDS_INVALID_GLPSOL_SOLUTION, "glpsol solution", "glpsol Solution File",
         "glpsol Solution (*.sol);;All Files (*.*)", &ReadGlpsolReport},
        {IDS_ALGO_CPLEX_MIP_SOLUTION, IDS_INVALID_CPLEX_SOLUTION, "cplex solution", "cplex Solution File",
         "cplex Solution (*.sol);;All Files (*.*)", &ReadCplexReport},
        {IDS_ALGO_GUROBI_MIP_SOLUTION, IDS_INVALID_GUROBI_SOLUTION, "gurobi solution", "gurobi Solution File",
         "gurobi Solution (*.sol);;All Files (*.*)", &ReadGurobiReport},
    };
    return texts[static_cast<int>(solver)];
}

// The whole file; a failed open or read, a file that is not a regular file or one larger than
// any data file raises a CFileException.
std::string ReadSolutionFile(const std::string& path) {
    return ReadFileBytes(path);
}

// The successor of every facility of the model and the first facility of every vehicle
// (project numbers, -1 for none), filled from the arc variables at 1.
class CMipArcTables {
public:
    explicit CMipArcTables(const CMipNodes& nodes)
        : m_nodes(nodes), m_successor(nodes.GetEndNode(), -1), m_first(nodes.GetNumberOfVehicles(), -1) {}

    // Enters the arc a variable name stands for: "x(i,j,k)", split at "(,)-*:=\n". False for a
    // name that is no arc of the model (another letter, missing numbers, a node or vehicle
    // outside the project) and for a second arc leaving the same facility or depot departure.
    bool Enter(const std::string& name) {
        std::vector<std::string> tokens = SplitMipTokens(name, "(,)-*:=\n");
        int i = 0;
        int j = 0;
        int k = 0;
        if (tokens.size() < 4 || tokens[0] != "x" || !ParseWholeNumber(tokens[1], i) ||
            !ParseWholeNumber(tokens[2], j) || !ParseWholeNumber(tokens[3], k)) {
            return false;
        }
        const int E = m_nodes.GetEndNode();
        // Arcs end at E but leave the depot as node 0: an arc from E is none of the model's.
        if (i == E) {
            return false;
        }
        if (i == 0) {
            i = E;
        }
        if (i < 1 || i > E || j < 1 || j > E || k < 1 || k > m_nodes.GetNumberOfVehicles()) {
            return false;
        }
        --i;
        --j;
        --k;
        int& entry = i == m_nodes.GetDepotNumber() ? m_first[k] : m_successor[i];
        if (entry != -1) {
            return false;
        }
        entry = j;
        return true;
    }

    int GetFirst(int vehicle) const { return m_first[vehicle]; }
    int GetSuccessor(int facility) const { return m_successor[facility]; }

private:
    const CMipNodes& m_nodes;
    std::vector<int> m_successor;
    std::vector<int> m_first;
};

// One route per vehicle that leaves the depot for a customer or supplier, following the
// successors back to the depot. False when a chain runs into a facility without successor or
// visits a facility a second time, and when a customer or supplier is left without a route:
// every solution of the model serves them all, so such a report is not one of this project.
bool BuildRoutes(CTramletDoc& document, const CMipNodes& nodes, const CMipArcTables& arcs) {
    const int depotNumber = nodes.GetDepotNumber();
    CFacility* depot = document.GetFacility(depotNumber);
    for (int k = 0; k < nodes.GetNumberOfVehicles(); ++k) {
        int current = arcs.GetFirst(k);
        // A vehicle without a departure in the report, or one that goes straight back, stays unused.
        if (current < 0 || current == depotNumber) {
            continue;
        }
        auto route = std::make_unique<CRoute>(&document);
        route->AddFacility(depot, false);
        while (current != depotNumber) {
            if (current < 0) {
                return false;
            }
            CFacility* facility = document.GetFacility(current);
            if (facility->IsRouted()) {
                return false;
            }
            route->AddFacility(facility, true);
            current = arcs.GetSuccessor(current);
        }
        route->AddFacility(depot, false);
        route->ComputeDistance();
        document.AddRoute(std::move(route), true);
        if (document.GetReportLevel() >= REPORT_STANDARD) {
            document.RedrawAllViews();
        }
        if (document.GetReportLevel() >= REPORT_DETAILED) {
            document.PauseAlgorithm();
        }
    }
    for (int facility = 0; facility < depotNumber; ++facility) {
        if (!document.GetFacility(facility)->IsRouted()) {
            return false;
        }
    }
    return true;
}

} // namespace

ERunResult ReadMipSolution(CTramletDoc& document, EMipSolver solver, const std::string& path) {
    if (!CanRunMipCommand(document)) {
        return ERunResult::refused;
    }
    const SSolverTexts& texts = GetSolverTexts(solver);
    SRunOptions options;
    options.nameId = texts.nameId;
    options.deleteRoutes = true;
    options.enableAbort = true;
    options.writeHeading = false;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        std::string contents;
        try {
            contents = ReadSolutionFile(path);
        } catch (const CFileException& error) {
            DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(false, texts.fileKind, error));
            ThrowUserException();
        }
        CMipReportLines lines(std::move(contents));
        SMipReport report;
        CMipNodes nodes(document);
        CMipArcTables arcs(nodes);
        bool valid = texts.read(lines, report);
        for (size_t a = 0; valid && a < report.arcNames.size(); ++a) {
            valid = arcs.Enter(report.arcNames[a]);
        }
        if (!valid || !BuildRoutes(document, nodes, arcs)) {
            document.DeleteAllRoutes();
            DisplayErrorMessage(
                FormatString(LoadOptimisationString(texts.invalidFileId).c_str(), path.c_str()));
            ThrowUserException();
        }
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        document.GetDistancePenaltyCost(distance, penalty, cost);
        record.m_dDistance = distance;
        record.m_lIterations = 1;
        record.m_dParameter = 0.0;
        record.m_lCount = 0;
        record.m_dDeltaObjective = distance - report.objective;
        record.m_dLowerBound =
            report.lowerBoundRule == EMipLowerBound::distance ? distance : report.lowerBound;
        record.m_dCost = cost;
    });
}

ERunResult OnReadGlpsolSolution(CTramletDoc& document, const std::string& path) {
    return ReadMipSolution(document, EMipSolver::glpsol, path);
}

ERunResult OnReadCplexSolution(CTramletDoc& document, const std::string& path) {
    return ReadMipSolution(document, EMipSolver::cplex, path);
}

ERunResult OnReadGurobiSolution(CTramletDoc& document, const std::string& path) {
    return ReadMipSolution(document, EMipSolver::gurobi, path);
}

namespace {

ERunResult ReadChosenSolution(CTramletDoc& document, EMipSolver solver) {
    if (!CanRunMipCommand(document)) {
        return ERunResult::refused;
    }
    const SSolverTexts& texts = GetSolverTexts(solver);
    std::optional<std::string> path =
        GetUserInterface().OpenFileDialog(texts.dialogTitle, texts.dialogFilter, "sol");
    if (!path) {
        return ERunResult::refused;
    }
    return ReadMipSolution(document, solver, *path);
}

} // namespace

ERunResult OnReadGlpsolSolution(CTramletDoc& document) {
    return ReadChosenSolution(document, EMipSolver::glpsol);
}

ERunResult OnReadCplexSolution(CTramletDoc& document) {
    return ReadChosenSolution(document, EMipSolver::cplex);
}

ERunResult OnReadGurobiSolution(CTramletDoc& document) {
    return ReadChosenSolution(document, EMipSolver::gurobi);
}
