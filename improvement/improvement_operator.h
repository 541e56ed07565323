#pragma once

#include <functional>
#include <vector>

#include "runs/run_frame.h"

class CTramletDoc;

// An improvement operator: a neighbourhood of changes to the project's routes, searched whole
// for its best change. FindBest scans every candidate and keeps the first of largest savings;
// it returns true only when that change saves distance (by more than the operator's margin),
// and ApplyBest then makes that change, subtracts its savings from the recorded distance and
// cost and counts it. Neither runs when Supports says the operator does not apply to the
// project (for example nothing is reversed on an asymmetric matrix).
class IImprovementOperator {
public:
    virtual ~IImprovementOperator() = default;
    // The text id of the operator's name in the statistics list.
    virtual unsigned GetNameId() const = 0;
    // Whether the operator applies to the project at all.
    virtual bool Supports(const CTramletDoc& document) const = 0;
    virtual bool FindBest() = 0;
    virtual void ApplyBest() = 0;
};

// The descent: passes over the operators in order, each pass applying the best change of the
// first operator that finds one (and starting over from the first), the continuation check
// after each search, until a pass finds nothing. So "two-exchanges first, a three-exchange
// when none is left" is {two, three}.
void Descend(CTramletDoc& document, const std::vector<IImprovementOperator*>& operators);

// The frame of the improvements: the run frame with the Abort dialog and no heading (options
// give the name, the announcement and the status window). A run ended by an abort, a refused
// time-limit extension or a failed check deletes all routes and records nothing; one ended by a
// failed output-log write or by exhausted memory records nothing and leaves the routes as the
// last completed step left them. The check after the run and the modified mark need a step
// applied (changedRoutes).
ERunResult RunImprovementFrame(CTramletDoc& document, SRunOptions options, const AlgorithmBody& body,
                               std::function<bool()> changedRoutes);
