#pragma once

#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "model/route.h"
#include "runs/run_frame.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

// The best two-exchange of a scan: the links (fi, fi+1) and (fj, fj+1) are replaced by (fi, fj)
// and (fi+1, fj+1), the run fi+1 ... fj being reversed.
struct TwoExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    CFacility* fi = nullptr;
    CRoute::POSITION positionI{};
    CFacility* fi1 = nullptr;
    CRoute::POSITION positionI1{};
    CFacility* fj = nullptr;
    CRoute::POSITION positionJ{};
    CFacility* fj1 = nullptr;
    CRoute::POSITION positionJ1{};
};

// Forms of a three-exchange.
enum EThreeExchangeForm {
    THREE_EXCHANGE_SEGMENTS = 0, // the segments fa+1 ... fb and fb+1 ... fc change places
    THREE_EXCHANGE_REVERSALS = 1 // both segments are reversed where they are
};

// The best three-exchange of a scan: the links (fa, fa+1), (fb, fb+1), (fc, fc+1) are removed.
struct ThreeExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    int form = THREE_EXCHANGE_SEGMENTS;
    CFacility* fa = nullptr;
    CRoute::POSITION positionA{};
    CFacility* fa1 = nullptr;
    CRoute::POSITION positionA1{};
    CFacility* fb = nullptr;
    CRoute::POSITION positionB{};
    CFacility* fb1 = nullptr;
    CRoute::POSITION positionB1{};
    CFacility* fc = nullptr;
    CRoute::POSITION positionC{};
    CFacility* fc1 = nullptr;
    CRoute::POSITION positionC1{};
};

// The best chain exchange of a scan: the chain fs ... fe leaves its place between p and n and is
// put, in the same direction, on the link (x, y).
struct ChainExchangeCandidate {
    double savings = 0.0;
    CRoute* route = nullptr;
    CFacility* p = nullptr;
    CFacility* fs = nullptr;
    CRoute::POSITION positionS{};
    CFacility* fe = nullptr;
    CRoute::POSITION positionE{};
    CFacility* n = nullptr;
    CFacility* x = nullptr;
    CFacility* y = nullptr;
    CRoute::POSITION positionX{};
};

// What one status window of the exchanges shows: the steps applied, the new links of the last
// step (origin and destination), its route, its savings and the savings of all steps.
class CExchangeStepReport {
public:
    // The window of the title's text id, showing the given number of new links (at most 3).
    CExchangeStepReport(unsigned titleId, int links);

    // Empties the report (no step yet).
    void Clear();
    // Counts a step with its savings, new links (origin, destination pairs) and route.
    void Record(double savings, const CFacility* const* linkEnds, const CRoute* route);
    // The window's fields; the total distance is the run's recorded distance.
    std::vector<SStatusField> GetFields(double totalDistance) const;
    void Show(double totalDistance) const;
    void Close() const;

    const std::string& GetTitle() const { return m_title; }
    int GetCount() const { return m_count; }

private:
    static constexpr int MAX_LINKS = 3;
    std::string m_title;
    int m_links;
    int m_count = 0;
    double m_lastSavings = 0.0;
    double m_cumulativeSavings = 0.0;
    const CFacility* m_slots[2 * MAX_LINKS] = {};
    const CRoute* m_route = nullptr;
};

// The within-route improvements of a project: scans for the best two-exchange, three-exchange
// and chain exchange, and the steps that apply them. Distances are read from the project's
// matrix, and a candidate replaces the best of its scan only when its savings beat the best by
// more than the tolerance times the stored distance of its route. The counters of the steps are
// the current record's exchange counters: counter 1 and savings 1 for two-exchanges, counter 2
// and savings 2 for three- and chain exchanges. The scans allocate nothing per candidate: each
// route is laid out in reused buffers before it is scanned.
class CExchangeImprovement {
public:
    explicit CExchangeImprovement(CTramletDoc& document);

    // Each scan fills the candidate and returns true when it found a change.
    bool FindBestTwoExchange(TwoExchangeCandidate& candidate);
    bool FindBestThreeExchange(ThreeExchangeCandidate& candidate);
    // With the project's chain length.
    bool FindBestChainExchange(ChainExchangeCandidate& candidate);

    // Each step changes the route, subtracts the savings from the recorded distance and cost,
    // counts itself and, at report level Standard and above, shows itself (at Debug with the
    // changed links as temporary routes and a pause).
    void ApplyTwoExchange(const TwoExchangeCandidate& candidate);
    void ApplyThreeExchange(const ThreeExchangeCandidate& candidate);
    void ApplyChainExchange(const ChainExchangeCandidate& candidate);

    // The start of a run: the four counters of the record at 0 and, at report level Standard
    // and above, the consistency check with the cost check and the chosen status windows shown
    // empty.
    void BeginRun(bool twoExchangeReport, bool threeExchangeReport);
    // Closes the status windows BeginRun showed.
    void CloseReports();

    const CExchangeStepReport& GetTwoExchangeReport() const { return m_twoReport; }
    const CExchangeStepReport& GetThreeExchangeReport() const { return m_threeReport; }

private:
    // One route laid out for a scan.
    struct SRouteEntries {
        std::vector<CFacility*> facility;
        std::vector<int> number;        // the facility's matrix index
        std::vector<const double*> row; // its row of the matrix
        std::vector<int> type;
        std::vector<CRoute::POSITION> position;
        double length = 0.0; // the sum of its links' distances
    };
    static constexpr double ROUNDING_NOISE = 1e-10;

    // Lays the route out in m_entries; false when its facilities lie outside the matrix.
    bool LoadRoute(CRoute& route);
    // The matrix entry of two laid-out entries.
    double D(int from, int to) const { return m_entries.row[from][m_entries.number[to]]; }
    // By how much a candidate of the route laid out last must beat the best savings of the scan:
    // the tolerance times the route's stored distance, but never less than the rounding noise of
    // savings on a route of its length (a tolerance of 0 would otherwise accept the noise of a
    // change and of its undoing one after the other without end).
    double Margin(double storedDistance) const {
        const double margin = m_tolerance * storedDistance;
        const double noise = ROUNDING_NOISE * m_entries.length;
        return margin > noise ? margin : noise;
    }
    // Reads the matrix and the tolerance for a scan; false when there is no matrix to read.
    bool PrepareScan();
    // At Standard and above: the step in its status window with its old links as display routes.
    void ShowStep(CExchangeStepReport& report, const CFacility* const* oldLinkEnds, int links);
    // Reverses the run of entries from first to last in place.
    static void ReverseRun(CRoute& route, CRoute::POSITION first, CRoute::POSITION last);

    CTramletDoc& m_document;
    CAlgoStat& m_record;
    SRouteEntries m_entries;
    const double* m_matrix = nullptr;
    int m_matrixSize = 0;
    double m_tolerance = 0.0;
    CExchangeStepReport m_twoReport;
    CExchangeStepReport m_threeReport;
    bool m_twoReportShown = false;
    bool m_threeReportShown = false;
};

// The three commands.
enum class EExchangeCommand {
    two,   // Two Exchange: best two-exchanges
    three, // Three Exchange: best two-exchanges, and the best three-exchange when none is left
    chain  // Chain Exchange: best chain exchanges of the project's chain length
};

// Runs one of the commands on the project's routes in the run frame of an improvement (abort
// dialog, no heading; Chain Exchange without the announcement) until a pass finds nothing, and
// records the run: delta objective and count of the steps it made, parameter the chain length
// for Chain Exchange. Refused (nothing happens) while an algorithm runs or without routes.
ERunResult RunExchangeCommand(CTramletDoc& document, EExchangeCommand command);
