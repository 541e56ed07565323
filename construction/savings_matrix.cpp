#include "construction/savings_matrix.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "framework/application/sable_win_app.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"

CSavingsFacilities::CSavingsFacilities(const CTramletDoc& document)
    : m_customers(document.GetNumberOfCustomers()), m_suppliers(document.GetNumberOfSuppliers()),
      m_capacity(document.GetVehicleCapacity()), m_vehicles(document.GetNumberOfVehicles()),
      m_symmetric(document.GetAsymmetric() == 0), m_depot(document.GetFacility(FT_DEPOT, 0)) {
    const int size = GetSize();
    const int n = document.GetTotalNumberOfFacilities();
    const CDoubleMatrix& distances = document.GetDistanceMatrix();
    const CDoubleMatrix* matrix = &distances;
    // A matrix that does not cover every facility reads as 0 outside, as the document's own
    // distance lookup does.
    if (distances.GetNumberRows() < n || distances.GetNumberColumns() < n) {
        m_padded.SetSize(n, n);
        for (int i = 0; i < distances.GetNumberRows() && i < n; ++i) {
            for (int j = 0; j < distances.GetNumberColumns() && j < n; ++j) {
                m_padded[i][j] = distances[i][j];
            }
        }
        matrix = &m_padded;
    }
    m_facility.resize(size);
    m_quantity.resize(size);
    m_number.resize(size);
    m_rows.resize(size);
    m_indexOfNumber.assign(n, -1);
    for (int k = 0; k < size; ++k) {
        CFacility* f = IsCustomer(k) ? document.GetFacility(FT_CUSTOMER, k)
                                     : document.GetFacility(FT_SUPPLIER, k - m_customers);
        m_facility[k] = f;
        m_quantity[k] = f->GetQuantity();
        m_number[k] = f->GetIndex();
        m_rows[k] = (*matrix)[f->GetIndex()];
        m_indexOfNumber[f->GetIndex()] = k;
    }
    if (m_depot != nullptr) {
        m_depotNumber = m_depot->GetIndex();
        m_depotRow = (*matrix)[m_depotNumber];
    }
}

int CSavingsFacilities::CountEligible() const {
    int eligible = 0;
    for (int k = 0; k < GetSize(); ++k) {
        if (IsEligible(k)) {
            ++eligible;
        }
    }
    return eligible;
}

int CSavingsFacilities::IndexOf(const CFacility* f) const {
    if (f == nullptr) {
        return -1;
    }
    int number = f->GetIndex();
    if (number < 0 || number >= static_cast<int>(m_indexOfNumber.size())) {
        return -1;
    }
    int k = m_indexOfNumber[number];
    return k >= 0 && m_facility[k] == f ? k : -1;
}

void ComputeSavingsMatrix(const CTramletDoc& document, CDoubleMatrix& matrix) {
    const CSavingsFacilities facilities(document);
    if (facilities.GetDepot() == nullptr) {
        throw std::invalid_argument("The savings of a project without a depot cannot be computed");
    }
    const int C = facilities.GetNumberOfCustomers();
    const int S = facilities.GetNumberOfSuppliers();
    const int Q = facilities.GetCapacity();
    const bool symmetric = facilities.IsSymmetric();
    matrix.SetSize(C + S, C + S);
    if (C + S == 0) {
        return;
    }
    auto savings = [&](int x, int y) {
        return facilities.ToDepot(x) + facilities.FromDepot(y) - facilities.Distance(x, y);
    };
    // Pairs of one type, the block starting at first with count members.
    auto fillBlock = [&](int first, int count) {
        for (int i = first; i < first + count; ++i) {
            double* row = matrix[i];
            for (int j = symmetric ? i + 1 : first; j < first + count; ++j) {
                double value = SAVINGS_MINUS_INFINITY;
                if (i != j && facilities.GetQuantity(i) + facilities.GetQuantity(j) <= Q) {
                    value = savings(i, j);
                }
                row[j] = value;
                if (symmetric) {
                    matrix[j][i] = value;
                }
            }
        }
    };
    fillBlock(0, C);
    for (int i = 0; i < C; ++i) {
        for (int j = C; j < C + S; ++j) {
            matrix[i][j] =
                facilities.IsEligible(i) && facilities.IsEligible(j) ? savings(i, j) : SAVINGS_MINUS_INFINITY;
            matrix[j][i] = SAVINGS_MINUS_INFINITY;
        }
    }
    fillBlock(C, S);

    const double f = document.GetCrossoverPenaltyFactor();
    if (f > 0.0) {
        for (int i = 0; i < C; ++i) {
            for (int j = C; j < C + S; ++j) {
                matrix[i][j] *= 1.0 - f;
            }
        }
    }
    WriteSavingsMatrixToLog(document, "Savings Matrix", matrix);
}

void WriteSavingsMatrixToLog(const CTramletDoc& document, const std::string& title,
                             const CDoubleMatrix& matrix) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (document.GetReportLevel() < REPORT_DEBUG || app == nullptr || !app->HasOutputLogFile() ||
        matrix.IsEmpty()) {
        return;
    }
    char* buffer = nullptr;
    size_t length = 0;
    std::FILE* text = open_memstream(&buffer, &length);
    if (text == nullptr) {
        return;
    }
    std::fprintf(text, "\n\n%s\n\n", title.c_str());
    matrix.Write(text, "%8.2lf  ", 10, 80, true);
    std::fclose(text);
    std::string report(buffer, length);
    std::free(buffer);
    AppendToOutputLog(report);
}
