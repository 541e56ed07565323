#include "runs/select_algorithm.h"

#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "runs/algorithm_parameters.h"
#include "runs/runs_strings.h"

namespace {
constexpr double kMinTimeLimit = 1.0;
constexpr double kMaxTimeLimit = 32767.0;
constexpr int kMaxIterationLimit = 32767;
constexpr int kMaxSeed = 32767;
constexpr int kMaxStartingAngle = 359;
constexpr double kMaxCrossoverFieldValue = 100.0;
} // namespace

CSelectAlgorithmSheet::CSelectAlgorithmSheet(CTramletDoc& document)
    : m_iterationLimit(document.GetMaxIterations()), m_timeLimit(document.GetTimeLimit()),
      m_startingAngle(document.GetStartingAngle()), m_seed(document.GetSeed()),
      m_chainLength(document.GetChainLength()),
      m_crossoverPenaltyFactor(document.GetCrossoverPenaltyFactor()),
      m_randomizationDepth(document.GetRandomizationDepth()), m_document(document) {}

std::string CSelectAlgorithmSheet::GetTitle() {
    return LoadRunsString(IDS_ALGO_SELECT_SHEET_TITLE);
}

const char* CSelectAlgorithmSheet::GetPageTitle(ESelectPage page) {
    switch (page) {
    case SELECT_PAGE_SWEEP:
        return "Sweep";
    case SELECT_PAGE_CHAIN_EXCHANGE:
        return "Chain Exchange";
    case SELECT_PAGE_SAVINGS:
        return "Savings";
    case SELECT_PAGE_GENERALIZED_ASSIGNMENT:
        return "Generalized Assignment";
    case SELECT_PAGE_SET_PARTITIONING:
        return "Set Partitioning";
    default:
        return "";
    }
}

bool CSelectAlgorithmSheet::CheckField(bool valid, const char* caption) {
    if (!valid && m_failedField.empty()) {
        m_failedField = caption;
    }
    return valid;
}

bool CSelectAlgorithmSheet::ApplyPage(ESelectPage page) {
    m_failedField.clear();
    CTramletDoc& document = m_document;
    const int facilities =
        document.GetNumberOfDepots() + document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    const bool angleOnPage = page == SELECT_PAGE_SWEEP || page == SELECT_PAGE_GENERALIZED_ASSIGNMENT;
    const bool iterationsOnPage = page == SELECT_PAGE_SAVINGS || page == SELECT_PAGE_SET_PARTITIONING;

    // Every page has the time limit; the other fields by page.
    bool valid = CheckField(m_timeLimit >= kMinTimeLimit && m_timeLimit <= kMaxTimeLimit, "Time Limit:");
    if (angleOnPage) {
        valid &= CheckField(m_startingAngle >= 0 && m_startingAngle <= kMaxStartingAngle,
                            "Starting Angle (0-359):");
    }
    if (page == SELECT_PAGE_CHAIN_EXCHANGE) {
        int maxChain = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() - 1;
        valid &= CheckField(m_chainLength >= 1 && m_chainLength <= maxChain, "Chain Length (>=1):");
    }
    if (page == SELECT_PAGE_SAVINGS) {
        valid &=
            CheckField(m_crossoverPenaltyFactor >= 0.0 && m_crossoverPenaltyFactor <= kMaxCrossoverFieldValue,
                       "Crossover Penalty Factor:");
        valid &= CheckField(m_randomizationDepth >= 1 && m_randomizationDepth <= facilities,
                            "Randomization Depth:");
        valid &= CheckField(m_seed >= 0 && m_seed <= kMaxSeed, "Seed:");
    }
    if (iterationsOnPage) {
        valid &=
            CheckField(m_iterationLimit >= 1 && m_iterationLimit <= kMaxIterationLimit, "Iteration Limit:");
    }
    if (!valid) {
        return false;
    }

    bool changed = false;
    try {
        // The factor's field accepts more than the project does: its refusal comes first, so a
        // refused page stores nothing.
        if (page == SELECT_PAGE_SAVINGS && m_crossoverPenaltyFactor != document.GetCrossoverPenaltyFactor()) {
            SetAlgorithmCrossoverPenaltyFactor(document, m_crossoverPenaltyFactor);
            changed = true;
        }
        if (page == SELECT_PAGE_SAVINGS && m_randomizationDepth != document.GetRandomizationDepth()) {
            SetAlgorithmRandomizationDepth(document, m_randomizationDepth);
            changed = true;
        }
        if (angleOnPage && m_startingAngle != document.GetStartingAngle()) {
            SetAlgorithmStartingAngle(document, m_startingAngle);
            changed = true;
        }
    } catch (const CUserException&) {
        if (changed) {
            document.SetModifiedFlag(true);
        }
        return false;
    }
    if (page == SELECT_PAGE_CHAIN_EXCHANGE && m_chainLength != document.GetChainLength()) {
        document.SetChainLength(m_chainLength);
        changed = true;
    }
    if (page == SELECT_PAGE_SAVINGS && m_seed != document.GetSeed()) {
        changed |= document.SetSeed(m_seed);
    }
    if (iterationsOnPage && m_iterationLimit != document.GetMaxIterations()) {
        changed |= document.SetMaxIterations(m_iterationLimit);
    }
    if (m_timeLimit != document.GetTimeLimit()) {
        changed |= document.SetTimeLimit(m_timeLimit);
    }
    if (changed) {
        document.SetModifiedFlag(true);
    }
    return true;
}

unsigned CSelectAlgorithmSheet::GetChosenCommand(ESelectPage page) const {
    switch (page) {
    case SELECT_PAGE_SWEEP:
        return ID_ALGORITHM_SWEEP;
    case SELECT_PAGE_CHAIN_EXCHANGE:
        return ID_ALGORITHM_CHAIN_EXCHANGE;
    case SELECT_PAGE_SAVINGS:
        if (m_randomized) {
            return m_parallel ? ID_ALGORITHM_SAVINGS_RANDOMIZED_PARALLEL
                              : ID_ALGORITHM_SAVINGS_RANDOMIZED_SERIAL;
        }
        return m_parallel ? ID_ALGORITHM_SAVINGS_GREEDY_PARALLEL : ID_ALGORITHM_SAVINGS_GREEDY_SERIAL;
    case SELECT_PAGE_GENERALIZED_ASSIGNMENT:
        return m_seedRays ? ID_ALGORITHM_GAP_SEED_RAYS : ID_ALGORITHM_GAP_SEED_POINTS;
    case SELECT_PAGE_SET_PARTITIONING:
        if (m_routesOnly) {
            return m_revisitsAllowed ? ID_ALGORITHM_SET_PARTITIONING
                                     : ID_ALGORITHM_SET_PARTITIONING_NO_REVISITS;
        }
        return m_revisitsAllowed ? ID_ALGORITHM_SET_PARTITIONING_BOUND
                                 : ID_ALGORITHM_SET_PARTITIONING_NO_REVISITS_BOUND;
    default:
        return 0;
    }
}
