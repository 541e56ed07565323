#include "construction/savings_display.h"

#include "construction/savings_matrix.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

bool CanDisplaySavings(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfDepots() > 0 &&
           document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() > 1;
}

SSavingsDisplay GetSavingsDisplay(const CTramletDoc& document) {
    SSavingsDisplay display;
    const CSavingsFacilities facilities(document);
    CDoubleMatrix savings;
    ComputeSavingsMatrix(document, savings);
    const int N = facilities.GetSize();
    const int n = N + document.GetNumberOfDepots();
    for (int k = 0; k < N; ++k) {
        display.labels.push_back(facilities.GetFacility(k)->GetLabel());
    }
    for (int k = 0; k < document.GetNumberOfDepots(); ++k) {
        display.labels.push_back(document.GetFacility(FT_DEPOT, k)->GetLabel());
    }
    display.cells.assign(n, std::vector<std::string>(n));
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) {
            double value = savings[i][j];
            if (i == j || !(value > SAVINGS_MINUS_INFINITY)) {
                continue;
            }
            // A crossover penalty factor scales the minus infinity of a customer or supplier
            // above the capacity too; such a pair is still no join.
            if (facilities.IsCustomer(i) && !facilities.IsCustomer(j) &&
                (!facilities.IsEligible(i) || !facilities.IsEligible(j))) {
                continue;
            }
            display.cells[i][j] = FormatString("%.2lf", value);
        }
    }
    return display;
}

std::string FormatSavingsDisplay(const SSavingsDisplay& display, const std::string& lineEnd) {
    std::string text;
    for (const std::string& label : display.labels) {
        text += "\t" + label;
    }
    text += lineEnd;
    for (size_t i = 0; i < display.cells.size(); ++i) {
        text += i < display.labels.size() ? display.labels[i] : std::string();
        for (const std::string& cell : display.cells[i]) {
            text += "\t" + cell;
        }
        text += lineEnd;
    }
    return text;
}
