#pragma once

// What Two, Three and Chain Exchange share: the status windows of their steps, the flat view of
// a scan, the margin a candidate must beat, the counters of a step and the run of a command.

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "improvement/improvement_operator.h"
#include "improvement/improvement_strings.h"
#include "improvement/route_scan_view.h"
#include "improvement/step_report.h"
#include "model/route.h"
#include "runs/run_frame.h"

class CAlgoStat;
class CFacility;
class CTramletDoc;

// The status window of the exchanges: the steps applied, the new links of the last step
// (origin and destination), its route, its savings and the savings of all steps.
class CExchangeStatusWindow {
public:
    // The window of the title's text id, showing the given number of new links (at most 3).
    CExchangeStatusWindow(unsigned titleId, int links);

    // Empties the report (no step yet).
    void Clear() { m_report.Clear(); }
    // Counts a step with its savings, new links (origin, destination pairs) and route.
    void Record(double savings, const CFacility* const* linkEnds, const CRoute* route);
    // The window's fields; the total distance is the run's recorded distance.
    std::vector<SStatusField> GetFields(double totalDistance) const;
    void Show(double totalDistance) const;
    void Close() const;

    const std::string& GetTitle() const { return m_title; }
    int GetCount() const { return m_report.m_lCount; }

private:
    static constexpr int MAX_LINKS = 3;
    std::string m_title;
    int m_links;
    SStepReport m_report;
};

// The two windows of a run: two-exchanges show in the first, three- and chain exchanges in the
// second.
struct SExchangeWindows {
    CExchangeStatusWindow two{IDS_TWO_EXCHANGE_REPORT_TITLE, 2};
    CExchangeStatusWindow three{IDS_THREE_EXCHANGE_REPORT_TITLE, 3};
};

// Which counters of the record a step counts in: counter 1 and savings 1 for two-exchanges,
// counter 2 and savings 2 for three- and chain exchanges.
enum class EExchangeCounter { first, second };

// An exchange within one route. A scan lays the routes out in the flat view and, for each route
// inside the matrix, offers each candidate; a candidate replaces the best of the scan only when
// its savings beat the best by more than the margin of its route. An applied step changes the
// route, subtracts the savings from the recorded distance and cost, counts itself and, at
// report level Standard and above, shows itself in its window (at Debug with the old links as
// display routes and a pause).
class CExchangeOperator : public IImprovementOperator {
public:
    CExchangeStatusWindow& GetWindow() const { return m_window; }

protected:
    CExchangeOperator(CTramletDoc& document, CExchangeStatusWindow& window, EExchangeCounter counter);

    // Reads the matrix and the tolerance and lays the routes out; false when there is no
    // matrix to read.
    bool PrepareScan();
    // Whether a route of the view is to be scanned: at least minimumSize entries (depots
    // included), all inside the matrix.
    bool IsScanned(const SScanRoute& route, int minimumSize) const {
        return route.size >= minimumSize && m_view.IsInMatrix(route, m_matrixSize);
    }
    // The matrix entry of two entries.
    double Distance(const SScanEntry& from, const SScanEntry& to) const {
        return m_matrix[static_cast<size_t>(from.index) * static_cast<size_t>(m_columns) + to.index];
    }
    // By how much a candidate on the route must beat the best savings of the scan: the
    // tolerance times the route's stored distance, but never less than the rounding noise of
    // savings on a route of its length (a tolerance of 0 would otherwise accept the noise of a
    // change and of its undoing one after the other without end).
    double Margin(const SScanRoute& route) const;
    // Subtracts the savings of a step from the record and counts it.
    void CountStep(double savings);
    // At Standard and above: the step recorded in the window with its new links and shown with
    // its old links as display routes.
    void ShowStep(double savings, const CFacility* const* newLinkEnds, const CFacility* const* oldLinkEnds,
                  int links, const CRoute* route);
    // Reverses the run of entries from first to last in place.
    static void ReverseRun(CRoute& route, CRoute::POSITION first, CRoute::POSITION last);

    CTramletDoc& m_document;
    CRouteScanView m_view;

private:
    static constexpr double ROUNDING_NOISE = 1e-10;

    CAlgoStat& m_record;
    CExchangeStatusWindow& m_window;
    EExchangeCounter m_counter;
    const double* m_matrix = nullptr;
    int m_matrixSize = 0;
    int m_columns = 0;
    double m_tolerance = 0.0;
};

// Runs a command of exchanges on the project's routes in the frame of an improvement (options
// give the name and the announcement): at Standard and above the check with the cost check and
// the operators' windows shown empty, the record's four exchange counters at 0, the descent of
// the operators, the windows closed; the record's delta objective and count are the savings
// and steps of all its exchanges, its parameter the one given. Refused (nothing happens) while
// an algorithm runs or without routes.
ERunResult RunExchangeCommand(CTramletDoc& document, const SRunOptions& options,
                              std::initializer_list<CExchangeOperator*> operators, double parameter = 0.0);
