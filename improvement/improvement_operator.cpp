#include "improvement/improvement_operator.h"

#include <utility>

#include "model/tramlet_doc.h"

void Descend(CTramletDoc& document, const std::vector<IImprovementOperator*>& operators) {
    for (bool found = true; found;) {
        for (IImprovementOperator* op : operators) {
            found = op->Supports(document) && op->FindBest();
            if (found) {
                op->ApplyBest();
            }
            document.CheckAlgorithmContinuation();
            if (found) {
                break;
            }
        }
    }
}

ERunResult RunImprovementFrame(CTramletDoc& document, SRunOptions options, const AlgorithmBody& body,
                               std::function<bool()> changedRoutes) {
    options.enableAbort = true;
    options.writeHeading = false;
    options.keepRoutesOnFileOrMemoryFailure = true;
    options.changedRoutes = std::move(changedRoutes);
    return RunAlgorithm(document, options, body);
}
