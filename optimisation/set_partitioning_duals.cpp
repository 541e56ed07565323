#include "optimisation/set_partitioning_duals.h"

#include <strings.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "framework/application/sable_win_app.h"
#include "framework/containers/double_vector.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/set_partitioning.h"

namespace {

// The label a data line must carry: the facility of that position, then "vc" (one per depot);
// empty beyond them.
std::string ExpectedLabel(const CTramletDoc& document, int line) {
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    if (line < served) {
        return document.GetFacility(line)->GetLabel();
    }
    return line < served + document.GetNumberOfDepots() ? "vc" : std::string();
}

// The project number of the first depot.
int Depot(const CTramletDoc& document) {
    return document.GetFirstNumber(FT_DEPOT);
}

} // namespace

bool ReadDualPrices(const CTramletDoc& document, const std::string& path, CDualPrices& pi) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    std::string line;
    int data = 0;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == ';' || line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        std::istringstream items(line);
        std::string label, value;
        const int read = (items >> label) ? ((items >> value) ? 2 : 1) : 0;
        if (read != 2) {
            DisplayErrorMessage(FormatString(SP_DUAL_ITEMS, read, 2, line.c_str()));
            ThrowUserException();
        }
        const std::string expected = ExpectedLabel(document, data);
        ++data;
        if (expected.empty()) {
            continue;
        }
        if (strcasecmp(label.c_str(), expected.c_str()) != 0) {
            DisplayErrorMessage(FormatString(SP_DUAL_LABEL, label.c_str(), expected.c_str(), data));
            ThrowUserException();
        }
        const double price = std::strtod(value.c_str(), nullptr);
        if (data <= served + 1) {
            pi[data - 1] = price;
        }
    }
    return true;
}

void ComputeHeuristicDualPrices(CTramletDoc& document, CDualPrices& pi) {
    std::fill(pi.begin(), pi.end(), 0.0);
    const int D = Depot(document);
    for (CRoute* route : document.GetRoutes()) {
        const double length = route->ComputeDistance();
        double weight = 0.0;
        for (const CFacility* f : route->GetFacilities()) {
            if (!f->IsDepot()) {
                weight += f->GetQuantity() * document.GetDistance(D, f->GetIndex());
            }
        }
        // A route of weight 0 (quantities or distances 0) gives no share: its facilities keep 0.
        if (weight == 0.0) {
            continue;
        }
        for (const CFacility* f : route->GetFacilities()) {
            if (!f->IsDepot()) {
                pi[f->GetIndex()] =
                    f->GetQuantity() * document.GetDistance(D, f->GetIndex()) * length / weight;
            }
        }
    }
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    for (int f = 0; f < served; ++f) {
        if (pi[f] == 0.0) {
            pi[f] = document.GetDistance(D, f) + document.GetDistance(f, D);
        }
    }
}

void WriteDualPrices(const CTramletDoc& document, const std::string& path, const CDualPrices& pi) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    for (int f = 0; f < served; ++f) {
        std::fprintf(file, "%s\t%12.5lf\n", document.GetFacility(f)->GetLabel().c_str(), pi[f]);
    }
    std::fprintf(file, "%s\t%12.5lf\n", "vc", pi[served]);
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed) {
        throw CFileException::FromErrno(path, errno);
    }
}

void WriteDualPriceVector(std::FILE* file, const CDualPrices& pi) {
    CDoubleVector vector(static_cast<int>(pi.size()));
    for (int i = 0; i < vector.GetSize(); ++i) {
        vector[i] = pi[i];
    }
    vector.Write(file, "%9.3lf  ", 11, 110, true);
}

std::string FormatReducedDistances(const CTramletDoc& document, const CDualPrices& pi, int iteration) {
    const int served = document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    const int n = document.GetTotalNumberOfFacilities();
    std::string text =
        FormatString("\nReduced Distances for iteration %ld\n\n", static_cast<long>(iteration));
    text += "\t";
    for (int f = 0; f < n; ++f) {
        text += document.GetFacility(f)->GetLabel() + "\t";
    }
    text += "\n";
    for (int row = 0; row < n; ++row) {
        text += document.GetFacility(row)->GetLabel() + "\t";
        for (int column = 0; column < n; ++column) {
            if (column == row) {
                text += "\t";
                continue;
            }
            const double price = column < served ? pi[column] : pi[served];
            text += FormatString("%.2lf\t", document.GetDistance(row, column) - price);
        }
        text += "\n";
    }
    return text;
}
