// The Debug listings of the shortest path pricing.

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/gsp_pricing.h"

namespace {

const char* const kShortHeader = " Load\t  Distance\tPred. Label\tPred. Load\tL\n";
const char* const kLongHeader = " Load\t  Distance\tPred. Label\tPred. Load\tL\tCusVisit\tSupVisit\n";

} // namespace

// Every reached label of every customer (load indices 0 to Q) and supplier (Q to 2Q, printed
// less Q), each facility under its name and header, and a closing blank line.
template <class Label> std::string CGSPPricing::ListLabels(const std::vector<Label>& labels) const {
    std::string text;
    for (int f = 0; f < m_customers + m_suppliers; ++f) {
        const bool customer = IsCustomer(f);
        text += FormatString("\n%s\n", FacilityName(f).c_str());
        text += customer && !m_noRevisits ? kShortHeader : kLongHeader;
        const int first = customer ? 0 : m_capacity;
        const int last = customer ? m_capacity : 2 * m_capacity;
        for (int load = first; load <= last; ++load) {
            const Label& label = labels[Index(f, load)];
            if (label.IsReached()) {
                text += FormatString("%5d\t", load - first);
                text += label.FormatLine(m_document.GetFacility(label.m_lPredecessor)->GetLabel());
            }
        }
    }
    return text + "\n";
}

void CGSPPricing::WriteListing(const char* title, bool withStep) {
    std::string text = withStep ? FormatString(title, static_cast<long>(m_iteration), m_steps)
                                : FormatString(title, static_cast<long>(m_iteration));
    text += m_noRevisits ? ListLabels(m_exLabels) : ListLabels(m_labels);
    WriteOutputLogMessage(text);
}

void CGSPPricing::WriteDepotListing() {
    std::string text = FormatString("\nGeneralized Depot Shortest Path Labels at Iteration %ld\n\n",
                                    static_cast<long>(m_iteration));
    text += FormatString("\n%s\n", FacilityName(m_depot).c_str());
    text += kLongHeader;
    for (int load = 0; load < m_loads; ++load) {
        const CGSPLabel& label = GetLabel(m_depot, load);
        if (!label.IsReached()) {
            continue;
        }
        text += FormatString("%5d\t", load);
        const std::string& predecessor = m_document.GetFacility(label.m_lPredecessor)->GetLabel();
        text +=
            m_noRevisits ? GetExLabel(m_depot, load).FormatLine(predecessor) : label.FormatLine(predecessor);
    }
    WriteOutputLogMessage(text + "\n");
}
