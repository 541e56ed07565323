#pragma once

#include <vector>

class CTramletDoc;

// The numbering of the VRPB MIP model, shared by the model writer and the solution readers.
// The facility with project number g is node g + 1 (customers, then suppliers); node 0 is the
// depot as the start of every route and node E, the depot's project number + 1, the same depot
// as the end of every route. The model routes from the project's first depot: with several
// depots the others take no part in it, and node numbers above E do not belong to the model.
class CMipNodes {
public:
    explicit CMipNodes(const CTramletDoc& document);

    int GetNumberOfCustomers() const { return m_customers; }
    int GetNumberOfSuppliers() const { return m_suppliers; }
    int GetNumberOfVehicles() const { return m_vehicles; }
    // E; also the number of nodes that stand for customers and suppliers, plus one.
    int GetEndNode() const { return m_end; }
    // The depot's project number (E - 1).
    int GetDepotNumber() const { return m_end - 1; }

    bool IsCustomerNode(int node) const { return node >= 1 && node <= m_customers; }
    bool IsSupplierNode(int node) const { return node > m_customers && node < m_end; }

    // The successors of a customer or supplier node in project order, E last: a customer may be
    // followed by every other customer and every supplier, a supplier by every other supplier.
    void GetSuccessors(int node, std::vector<int>& successors) const;
    // The predecessors of a customer or supplier node in project order (node 0 not included):
    // the other customers of a customer; every customer and the other suppliers of a supplier.
    void GetPredecessors(int node, std::vector<int>& predecessors) const;

private:
    int m_customers = 0;
    int m_suppliers = 0;
    int m_vehicles = 0;
    int m_end = 0;
};
