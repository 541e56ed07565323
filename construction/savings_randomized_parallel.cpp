// Savings (Randomized Parallel): the command exists in the menus but builds no routes; it says
// so and records an empty run.
#include "construction/savings.h"
#include "construction/savings_matrix.h"
#include "construction/savings_progress.h"
#include "framework/application/sable_win_app.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

ERunResult OnAlgorithmsSavingsParallelRandomized(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_SAVINGS_RANDOMIZED_PARALLEL;
    options.deleteRoutes = true;
    options.enableAbort = true;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        DisplayErrorMessage("Function OnAlgorithmsSavingsParallelRandomized has not yet been implemented");
        if (CSavingsFacilities(document).CountEligible() == 0) {
            ShowNoFeasibleShortcutMessage();
        }
        record.m_lCount = 0;
        record.m_dParameter = document.GetRandomizationDepth();
    });
}
