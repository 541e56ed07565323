#pragma once

#include <functional>
#include <string>

#include "runs/algo_stat.h"

class CFileException;
class CTramletDoc;

// How a run of one algorithm is framed. The defaults are those of an improvement heuristic
// working on the current routes; a construction heuristic sets deleteRoutes.
struct SRunOptions {
    // The algorithm's name: the text of nameId from the string table, or name when given.
    unsigned nameId = 0;
    std::string name;
    // Start from an empty solution: all routes deleted; distance, routed count and count 0.
    bool deleteRoutes = false;
    // Show the "Algorithm Execution" dialog with its Abort button for the run.
    bool enableAbort = false;
    // Write "Executing %s algorithm\n" to the execution log.
    bool announce = true;
    // At report level Standard and above, write "\n\n%s\n\n" with the name to the output log.
    bool writeHeading = true;
    // Title of the algorithm's status window (shown by the algorithm); the frame hides it when
    // the algorithm has finished or failed.
    std::string statusWindow;
    // At report level Standard and above, check the routes (without the cost check) before the
    // run is announced.
    bool checkBeforeRun = false;
    // The recorded distance is set from the routes after the algorithm (for algorithms that do
    // not keep it up to date themselves).
    bool computeDistance = false;
    // A failed run deletes all routes (set partitioning keeps them).
    bool deleteRoutesOnFailure = true;
    // A run ended by a failed log write or by exhausted memory leaves the routes as they are
    // (an improvement's routes are then as its last completed step left them).
    bool keepRoutesOnFileOrMemoryFailure = false;
    // Whether the run changed the routes (improvements). When given, the check after the run
    // and the modified mark happen only when it returns true.
    std::function<bool()> changedRoutes;
};

// How a run ended.
enum class ERunResult {
    refused,  // no depot, or neither customers nor suppliers: nothing happened
    recorded, // the run was checked and recorded in the statistics list
    failed,   // ended by an exception (a failed check, a file error, ...); no record added
    aborted,  // ended by the user's abort or a refused time-limit extension; no record added
};

// The algorithm itself. It works on the document's routes and fills the current record: the
// distance (unless computeDistance), and where it has them the count, parameter, iterations,
// delta objective and lower bound. Before it runs the frame has set parameter, count, delta
// objective and lower bound to 0 and iterations to 1. It calls CheckAlgorithmContinuation
// between steps; any CUserException, CFileException, std::invalid_argument or std::bad_alloc
// it raises ends the run.
using AlgorithmBody = std::function<void(CAlgoStat& record)>;

// Runs one algorithm in the frame every algorithm command shares: the refusals, the running
// mark, the stop time, the announcement, the optional deletion of the routes, the heading, the
// timing, the cost, the check at Standard and above, the record, and the handling of the
// exceptions that end a run (run status -1, routes deleted, no record). The running mark is
// always cleared and the views redrawn at the end; the frame itself never throws.
ERunResult RunAlgorithm(CTramletDoc& document, const SRunOptions& options, const AlgorithmBody& algorithm);

// Whether the algorithm commands are enabled: no algorithm runs, the project has a depot and
// at least one customer or supplier.
bool CanRunAlgorithm(const CTramletDoc& document);
// Whether the project has what an algorithm needs (the frame's refusal test).
bool HasFacilitiesToRoute(const CTramletDoc& document);

// Finishes the current record and appends a copy to the statistics list: run status 1; with
// routes the consistency check with the cost check and the best-so-far values; the copy
// numbered by its position; the five record lines (and at Detailed the routes report) to the
// output log at Standard and above; the views redrawn. A failed check raises a CUserException
// (nothing appended), a failed output-log write a CFileException (after the append).
void RecordAlgorithmStatistics(CTramletDoc& document);

// Shows the write-failure message for a log that could not be written ("output log", or
// "error log" for the execution log) through DisplayErrorMessage.
void ReportLogWriteFailure(const CFileException& error);

// Appends text to the output log when one is open, creating the file when missing. A failed
// open or write raises a CFileException.
void AppendToOutputLog(const std::string& text);
