#pragma once

#include <string>

class CTramletDoc;

// Menu commands the Select sheet can choose.
enum ESelectableCommand : unsigned {
    ID_ALGORITHM_SWEEP = 2080,
    ID_ALGORITHM_CHAIN_EXCHANGE = 2082,
    ID_ALGORITHM_SAVINGS_GREEDY_PARALLEL = 2103,
    ID_ALGORITHM_SAVINGS_GREEDY_SERIAL = 2130,
    ID_ALGORITHM_GAP_SEED_POINTS = 2134,
    ID_ALGORITHM_GAP_SEED_RAYS = 2135,
    ID_ALGORITHM_SET_PARTITIONING_BOUND = 2137,
    ID_ALGORITHM_SET_PARTITIONING_NO_REVISITS_BOUND = 2138,
    ID_ALGORITHM_SET_PARTITIONING = 2139,
    ID_ALGORITHM_SET_PARTITIONING_NO_REVISITS = 2140,
    ID_ALGORITHM_SAVINGS_RANDOMIZED_SERIAL = 2161,
    ID_ALGORITHM_SAVINGS_RANDOMIZED_PARALLEL = 2162,
    ID_ALGORITHM_SELECT = 2086,
};

// The pages of the sheet, in their order.
enum ESelectPage {
    SELECT_PAGE_SWEEP = 0,
    SELECT_PAGE_CHAIN_EXCHANGE,
    SELECT_PAGE_SAVINGS,
    SELECT_PAGE_GENERALIZED_ASSIGNMENT,
    SELECT_PAGE_SET_PARTITIONING,
    SELECT_PAGE_COUNT,
};

// The values behind the "Select Algorithm and Specify Parameters" sheet: loaded from the project
// when the sheet opens, edited by its pages, stored back page by page. The dialog itself is the
// user interface's; it edits the public fields and calls ApplyPage and GetChosenCommand.
class CSelectAlgorithmSheet {
public:
    explicit CSelectAlgorithmSheet(CTramletDoc& document);

    // The sheet's title.
    static std::string GetTitle();
    // The pages' titles ("Sweep", "Chain Exchange", "Savings", "Generalized Assignment",
    // "Set Partitioning").
    static const char* GetPageTitle(ESelectPage page);

    // Values shared by the pages.
    int m_iterationLimit = 0; // "Iteration Limit:" [1, 32767] (maximum iterations)
    double m_timeLimit = 0.0; // "Time Limit:" [1.0, 32767.0]
    int m_startingAngle = 0;  // "Starting Angle (0-359):" [0, 359]
    int m_seed = 0;           // "Seed:" [0, 32767]
    // Chain Exchange.
    int m_chainLength = 1; // "Chain Length (>=1):" [1, customers + suppliers - 1]
    // Savings.
    double m_crossoverPenaltyFactor = 0.0; // "Crossover Penalty Factor:" field [0.0, 100.0], applied [0, 1]
    bool m_parallel = true;                // "Parallel" / "Serial"
    bool m_randomized = false;             // "Greedy" / "Randomized"
    int m_randomizationDepth = 1;          // "Randomization Depth:" [1, depots + customers + suppliers]
    // Generalized Assignment.
    bool m_seedRays = false; // "Seed Point" / "Seed Ray"
    // Set Partitioning.
    bool m_routesOnly = false;     // "Lower Bound" / "Routes"
    bool m_revisitsAllowed = true; // revisits "Allowed" / "Not Allowed"

    // Checks the page's fields against their ranges and stores every changed value in the
    // project, marking it modified when anything changed. False keeps the sheet open: a field
    // outside its range (GetFailedField names its caption; nothing is stored), or a value the
    // project refused with its message.
    bool ApplyPage(ESelectPage page);
    const std::string& GetFailedField() const { return m_failedField; }

    // The command OK on the page chooses (posted to the main window after the sheet closes).
    unsigned GetChosenCommand(ESelectPage page) const;

private:
    bool CheckField(bool valid, const char* caption);

    CTramletDoc& m_document;
    std::string m_failedField;
};
