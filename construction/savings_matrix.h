#pragma once

#include <string>
#include <vector>

#include "framework/containers/double_matrix.h"

class CFacility;
class CTramletDoc;

// The value of a join that may never be made.
constexpr double SAVINGS_MINUS_INFINITY = -9999999999.99;

// The customers and suppliers a savings computation works on. They are numbered k = 0 .. C-1
// for the customers and k = C + j for supplier j, in document order (the rows and columns of
// the savings matrix). Distances are read straight from the document's distance matrix by
// each facility's distance index; the depot is the project's first depot. The object keeps
// references into the document and is valid while the project's facilities do not change.
class CSavingsFacilities {
public:
    explicit CSavingsFacilities(const CTramletDoc& document);
    // It points into its own members.
    CSavingsFacilities(const CSavingsFacilities&) = delete;
    CSavingsFacilities& operator=(const CSavingsFacilities&) = delete;

    int GetNumberOfCustomers() const { return m_customers; }
    int GetNumberOfSuppliers() const { return m_suppliers; }
    // C + S.
    int GetSize() const { return m_customers + m_suppliers; }
    int GetCapacity() const { return m_capacity; }
    int GetNumberOfVehicles() const { return m_vehicles; }
    // The distance table is taken as symmetric when the asymmetric-distances flag is off.
    bool IsSymmetric() const { return m_symmetric; }

    CFacility* GetFacility(int k) const { return m_facility[k]; }
    CFacility* GetDepot() const { return m_depot; }
    int GetQuantity(int k) const { return m_quantity[k]; }
    bool IsCustomer(int k) const { return k < m_customers; }
    // FT_CUSTOMER or FT_SUPPLIER.
    int GetType(int k) const { return k < m_customers ? 0 : 1; }
    bool IsEligible(int k) const { return m_quantity[k] <= m_capacity; }
    // The number of eligible customers and suppliers.
    int CountEligible() const;
    // k of a customer or supplier of the project (-1 for a depot or a foreign facility).
    int IndexOf(const CFacility* f) const;

    // d(k, l), d(k, o) and d(o, k).
    double Distance(int k, int l) const { return m_rows[k][m_number[l]]; }
    double ToDepot(int k) const { return m_rows[k][m_depotNumber]; }
    double FromDepot(int k) const { return m_depotRow[m_number[k]]; }

private:
    int m_customers = 0;
    int m_suppliers = 0;
    int m_capacity = 0;
    int m_vehicles = 0;
    bool m_symmetric = true;
    CFacility* m_depot = nullptr;
    int m_depotNumber = 0;
    const double* m_depotRow = nullptr;
    std::vector<CFacility*> m_facility;
    std::vector<int> m_quantity;
    std::vector<int> m_number;
    std::vector<const double*> m_rows;
    // A copy of the distances padded with zeros, when the document's matrix is too small.
    CDoubleMatrix m_padded;
    // k by project number (-1 for depots).
    std::vector<int> m_indexOfNumber;
};

// Fills matrix with the (C+S)-square savings of the project: s(x, y) = d(x, o) + d(o, y) -
// d(x, y) for every join x -> y that may be made (customer pairs and supplier pairs whose
// quantities fit one vehicle together, a customer before a supplier when both fit), minus
// infinity for the others (a supplier never precedes a customer). Customer-to-supplier entries
// are multiplied by 1 - f, f the crossover penalty factor, when f > 0. With a symmetric table
// only i < j is computed and mirrored; the diagonals of the customer and supplier blocks are
// then left at 0 and never read. At report level Debug, with an output log open, the matrix is
// written to the log (a failed write raises a CFileException). A project without a depot is
// refused with std::invalid_argument.
void ComputeSavingsMatrix(const CTramletDoc& document, CDoubleMatrix& matrix);

// At report level Debug with an output log open: writes "\n\n<title>\n\n" and the matrix in the
// report layout (indices from 1).
void WriteSavingsMatrixToLog(const CTramletDoc& document, const std::string& title,
                             const CDoubleMatrix& matrix);
