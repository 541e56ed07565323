// The greedy pairing of Extreme Crossovers, used when GLPK cannot be loaded.

#include <cfloat>
#include <vector>

#include "construction/crossover.h"
#include "construction/crossover_rules.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"

void BuildGreedyCrossovers(SCrossoverRun& run) {
    // Scan the type with fewer eligible facilities; on equal counts the suppliers.
    const bool scanCustomers = run.customers.size() < run.suppliers.size();
    const std::vector<CFacility*>& scanned = scanCustomers ? run.customers : run.suppliers;
    const std::vector<CFacility*>& partners = scanCustomers ? run.suppliers : run.customers;
    const size_t n = scanned.size();

    // Savings by position in the scanned list (rows) and the partner list (columns), read once
    // from the distance matrix.
    const CDoubleMatrix& d = run.document.GetDistanceMatrix();
    const int D = run.depot->GetIndex();
    std::vector<double> toDepot(partners.size());
    std::vector<double> fromDepot(n);
    for (size_t k = 0; k < n; ++k) {
        const int f = scanned[k]->GetIndex();
        fromDepot[k] = scanCustomers ? d[f][D] : d[D][f];
    }
    for (size_t g = 0; g < partners.size(); ++g) {
        const int p = partners[g]->GetIndex();
        toDepot[g] = scanCustomers ? d[D][p] : d[p][D];
    }
    auto savings = [&](size_t k, size_t g) {
        const int f = scanned[k]->GetIndex();
        const int p = partners[g]->GetIndex();
        // d(customer, D) + d(D, supplier) - d(customer, supplier)
        return fromDepot[k] + toDepot[g] - (scanCustomers ? d[f][p] : d[p][f]);
    };

    constexpr size_t NONE = static_cast<size_t>(-1);
    std::vector<size_t> partner(n, NONE);
    std::vector<double> best(n, -DBL_MAX);
    std::vector<char> searchedAgain(n, 0);
    bool mayNotBeOptimal = false;

    for (int step = 0; step < run.allowed; ++step) {
        size_t chosen = NONE;
        double chosenSavings = -DBL_MAX;
        for (size_t k = 0; k < n; ++k) {
            if (scanned[k]->IsRouted()) {
                continue;
            }
            searchedAgain[k] = 0;
            if (partner[k] == NONE || partners[partner[k]]->IsRouted()) {
                searchedAgain[k] = partner[k] != NONE;
                best[k] = -DBL_MAX;
                partner[k] = NONE;
                for (size_t g = 0; g < partners.size(); ++g) {
                    if (partners[g]->IsRouted()) {
                        continue;
                    }
                    double s = savings(k, g);
                    if (partner[k] == NONE || s > best[k]) {
                        best[k] = s;
                        partner[k] = g;
                    }
                }
            }
            if (partner[k] != NONE && (chosen == NONE || best[k] > chosenSavings)) {
                chosen = k;
                chosenSavings = best[k];
            }
        }
        if (chosen == NONE) {
            break; // cannot happen while fewer than K routes exist: K is at most either count
        }
        CFacility* f = scanned[chosen];
        CFacility* g = partners[partner[chosen]];
        if (searchedAgain[chosen]) {
            mayNotBeOptimal = true;
        }
        if (scanCustomers) {
            run.AddCrossoverRoute(f, g);
        } else {
            run.AddCrossoverRoute(g, f);
        }
    }
    if (mayNotBeOptimal) {
        GetUserInterface().MessageBox(CROSSOVER_GREEDY_NOT_OPTIMAL, EMessageIcon::information,
                                      EMessageButtons::ok);
    }
}
