#include "optimisation/mip_model.h"

#include "model/tramlet_doc.h"

CMipNodes::CMipNodes(const CTramletDoc& document)
    : m_customers(document.GetNumberOfCustomers()), m_suppliers(document.GetNumberOfSuppliers()),
      m_vehicles(document.GetNumberOfVehicles()), m_end(m_customers + m_suppliers + 1) {}

namespace {

// The nodes first to last without the node itself.
void AppendRange(int first, int last, int self, std::vector<int>& nodes) {
    for (int node = first; node <= last; ++node) {
        if (node != self) {
            nodes.push_back(node);
        }
    }
}

} // namespace

void CMipNodes::GetSuccessors(int node, std::vector<int>& successors) const {
    successors.clear();
    AppendRange(IsCustomerNode(node) ? 1 : m_customers + 1, m_end - 1, node, successors);
    successors.push_back(m_end);
}

void CMipNodes::GetPredecessors(int node, std::vector<int>& predecessors) const {
    predecessors.clear();
    AppendRange(1, IsCustomerNode(node) ? m_customers : m_end - 1, node, predecessors);
}
