#include "runs/algorithm_parameters.h"

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {
constexpr int kMaxStartingAngle = 359;
constexpr double kMaxCrossoverPenaltyFactor = 1.0;
} // namespace

void SetAlgorithmStartingAngle(CTramletDoc& document, int angle) {
    if (angle < 0 || angle > kMaxStartingAngle) {
        DisplayErrorMessage(FormatString("Invalid algorithm starting angle %d outside range [%d, %d]", angle,
                                         0, kMaxStartingAngle));
        ThrowUserException();
    }
    document.SetStartingAngle(angle);
}

void SetAlgorithmRandomizationDepth(CTramletDoc& document, int depth) {
    int facilities =
        document.GetNumberOfDepots() + document.GetNumberOfSuppliers() + document.GetNumberOfCustomers();
    if (depth < 1 || depth > facilities) {
        DisplayErrorMessage(
            FormatString("Invalid randomization depth %d outside range [%d, %d]", depth, 1, facilities));
        ThrowUserException();
    }
    document.SetRandomizationDepth(depth);
}

void SetAlgorithmCrossoverPenaltyFactor(CTramletDoc& document, double factor) {
    // Written so that a NaN is refused too.
    if (!(factor >= 0.0 && factor <= kMaxCrossoverPenaltyFactor)) {
        DisplayErrorMessage(
            FormatString("Invalid crossover savings penalty factor %lf out of valid range [%lf, %lf]", factor,
                         0.0, kMaxCrossoverPenaltyFactor));
        ThrowUserException();
    }
    document.SetCrossoverPenaltyFactor(factor);
}
