#pragma once

#include <memory>
#include <string>
#include <vector>

#include "optimisation/gsp_labels.h"

class CRoute;
class CTramletDoc;

// The column pool of set partitioning: copies of the project's routes, then every generated route.
using CRoutePool = std::vector<std::unique_ptr<CRoute>>;

// The generalized shortest path pricing of set partitioning: dynamic programming over the states
// (facility, load index) of the project with one label per state, settled in order of increasing
// load index, whose depot labels become candidate routes of negative reduced cost.
//
// Load index: a customer's state holds the demand delivered so far (0 to Q), a supplier's Q plus
// the supply collected so far (Q + 1 to 2Q); the depot's state at the end of a route holds the
// load index of the route's last facility. The labels of all states lie in one contiguous array,
// reset between iterations; nothing is allocated per label or per extension.
//
// The plain variant lets a path come back to a facility after another one (u, v, u, never u, u);
// the no-revisits variant keeps the visit sets of each path and never extends it to a facility in
// them. A permanent label is never replaced: only facilities of quantity 0 could improve one, and
// keeping it lets every state be settled once, so that a cycle of such facilities ends.
class CGSPPricing {
public:
    // Sizes the label matrix for the document's facilities and capacity; the first depot is the
    // depot of every route. No-revisits needs at most 128 customers and 128 suppliers.
    CGSPPricing(CTramletDoc& document, bool noRevisits);
    ~CGSPPricing();
    CGSPPricing(const CGSPPricing&) = delete;
    CGSPPricing& operator=(const CGSPPricing&) = delete;

    // Every label back to its new state.
    void ResetLabels();
    // The arc values of the dual prices pi (one per customer and supplier, then the vehicle row's)
    // and the first labels from the depot; the step count becomes 0. currentLoad becomes the least
    // load index labelled (the largest integer when none is).
    void InitializeLabels(const std::vector<double>& pi, int& currentLoad);
    // The first temporary reached label at the least load index from currentLoad on (customers
    // for load indices up to Q, suppliers from Q on, in facility order); false when none is left.
    bool SelectLabel(int& currentLoad, int& facility);
    // Extends the selected state to every allowed successor and makes it permanent.
    void ExtendLabel(int facility, int load);
    // Appends a route for every depot label of reduced cost below -(tolerance x totalDistance),
    // by load index, to the pool (labelled by its 1-based pool number) and returns their number.
    int GenerateRoutes(CRoutePool& pool, double totalDistance);
    // One whole pricing: initialization, selection and extension until no label is left, and the
    // generation of the routes. Returns the number of routes appended.
    int Price(const std::vector<double>& pi, CRoutePool& pool, double totalDistance);

    // The iteration number the Debug listings name.
    void SetIteration(int iteration) { m_iteration = iteration; }
    int GetStepCount() const { return m_steps; }
    bool IsNoRevisits() const { return m_noRevisits; }
    int GetMaxLoadIndex() const { return 2 * m_capacity; }
    // The label of a state (the plain part of an extended label).
    const CGSPLabel& GetLabel(int facility, int load) const;
    // The visit sets of a state (no-revisits variant only).
    const CGSPExLabel& GetExLabel(int facility, int load) const;

private:
    template <class Label> void Initialize(std::vector<Label>& labels);
    template <class Label> void Extend(std::vector<Label>& labels, int u, int load);
    template <class Label> void Improve(Label& target, const Label& from, int u, int load, double arc);
    template <class Label> int Generate(const std::vector<Label>& labels, CRoutePool& pool, double threshold);
    template <class Label> std::string ListLabels(const std::vector<Label>& labels) const;
    int Index(int facility, int load) const { return facility * m_loads + load; }

    bool IsCustomer(int f) const { return f < m_customers; }
    bool IsDebugReport() const;
    void WriteListing(const char* title, bool withStep);
    void WriteDepotListing();
    std::string FacilityName(int f) const;

    CTramletDoc& m_document;
    bool m_noRevisits;
    int m_customers = 0;
    int m_suppliers = 0;
    int m_facilities = 0; // rows of the matrix: every facility of the project
    int m_depot = 0;      // project number of the first depot
    int m_capacity = 0;
    int m_loads = 0; // 2Q + 1 load indices
    int m_iteration = 0;
    int m_steps = 0;
    std::vector<int> m_quantity;
    std::vector<double> m_arc;           // a(u, v) by u * N + v
    std::vector<int> m_temporary;        // temporary reached labels of customers and suppliers per load index
    std::vector<CGSPLabel> m_labels;     // plain variant, by load * N + facility
    std::vector<CGSPExLabel> m_exLabels; // no-revisits variant, same layout
    std::vector<COctalWord> m_customerSets; // the singleton sets {i} of every customer
    std::vector<COctalWord> m_supplierSets; // and of every supplier
};
