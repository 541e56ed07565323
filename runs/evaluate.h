#pragma once

class CTramletDoc;

// Whether Evaluate is enabled: no algorithm runs and the project has at least one route.
bool CanEvaluate(const CTramletDoc& document);

// The Evaluate command as a run: the consistency check with the cost check (which stores the
// computed distance and cost), the announcement, and a record named "Evaluate" with parameter,
// delta objective, iterations and count 0. The routes are not changed and the running mark is
// not set. True when the run was recorded (the caller then shows the evaluation dialog); false
// when it was refused (see CanEvaluate) or ended by a failed check or a log failure (run
// status -1, views redrawn, nothing recorded).
bool EvaluateSolution(CTramletDoc& document);

// The current record of a project just opened from the binary archive with routes: the routed
// count and the number of routes from the routes, distance, penalty and cost computed (each
// route's distance stored), then the consistency check with the cost check. Without routes
// nothing happens. A failed check raises a CUserException.
void EvaluateLoadedSolution(CTramletDoc& document);

// After EvaluateLoadedSolution (and the project summary): the name "Initial Load", run time,
// delta objective, iterations and count 0, then the record. Without routes nothing happens. A
// failed output-log write raises a CFileException.
void RecordInitialLoad(CTramletDoc& document);

// What an import sets for the routes it read: the name "Initial Load", run time 0 and the
// number of routes. No row is recorded.
void NameImportedSolution(CTramletDoc& document);
