#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/application/sable_document.h"
#include "framework/containers/double_matrix.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"
#include "model/distances/distance_data.h"
#include "model/distances/distance_norms.h"
#include "model/distances/route_preferences.h"
#include "model/facility.h"
#include "model/route.h"
#include "runs/algo_stat.h"

// Application settings of the project's size.
constexpr int TRAMLET_MAX_FACILITIES_PER_TYPE = 500;
constexpr int TRAMLET_MAX_ROUTES = 500;
constexpr int TRAMLET_MAX_VEHICLES = 500;

// The recorded distance and cost of a new project's current solution.
constexpr double TRAMLET_UNSET_VALUE = ALGOSTAT_UNSET_VALUE;

// Default world limits of a new rectangular project (west, south, east, north).
constexpr int TRAMLET_DEFAULT_WORLD_EXTENT = 10000;

// What Add Random Facilities is asked to do (the values of its dialog).
struct SRandomFacilitiesRequest {
    int number[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0}; // customers, suppliers, depots
    int maxQuantity[2] = {1, 1};                      // customers, suppliers
    int seed = 1;
};

// The ranges the Add Random Facilities dialog offers, with the proposed values.
struct SRandomFacilitiesRanges {
    int maxNumber[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0}; // range [0, maxNumber]
    int maxQuantity = 1;                                 // range [1, maxQuantity]
    SRandomFacilitiesRequest proposed;
};

// The project document: it owns every facility and route of the open project, numbers the
// facilities project-wide (customers, then suppliers, then depots: the number is the facility's
// index and its distance-matrix row), holds the fleet parameters and the distances, and
// evaluates a solution. Facilities and routes are owned through std::unique_ptr and handed out
// as plain pointers, valid until they are deleted through the document.
class CTramletDoc : public CSableDocument {
public:
    using RouteArray = std::vector<CRoute*>;

    CTramletDoc();
    ~CTramletDoc() override;

    // The document facilities and routes work with: the application's document when it is a
    // CTramletDoc, else the most recently made document still alive; null when none.
    static CTramletDoc* GetActiveDocument();
    // Makes this the application's document.
    void MakeActive();

    // ---- lifecycle ----

    // A new project: clears everything, sets the world limits (and the view limits from them),
    // initialises the common parameters and the fleet parameters, the algorithm parameters and
    // the current solution (distance and cost at TRAMLET_UNSET_VALUE).
    // The projection is set up for the world limits first (its refusals raise a user exception).
    void OnNewDocument(const CLonLatRect& worldLimits = CLonLatRect(0, 0, TRAMLET_DEFAULT_WORLD_EXTENT,
                                                                    TRAMLET_DEFAULT_WORLD_EXTENT),
                       MP_TYPE projection = MP_ORTHOGONAL);
    // Empties the project: facilities, routes, statistics, file names, counts and totals,
    // selected type -1, norm Euclidean, fleet parameters cleared, algorithm parameters
    // 1, 0, 1, 0.25, distance matrix empty, routed count, number of routes, recorded distance 0.
    void Clear() override;
    // Number of vehicles 10 [1, TRAMLET_MAX_VEHICLES], capacity 100 [1, 32767], penalty 1000.0
    // [0.0, 1000000.0], with their captions. For an import the penalty's range is
    // [0.0, 2147483647.0].
    void InitializeFleetParameters(bool forImport = false);
    // Chain length 1, starting angle 0, randomization depth 1, crossover penalty factor 0.25.
    void ResetAlgorithmParameters();
    // The current record of a new or reset project (CAlgoStat::ResetForProject with the seed).
    void ResetCurrentSolution();
    // True while a text project is being imported (the application's importing status).
    bool IsImportingProject() const;

    // ---- binary project archive (files/archive/) ----
    // The program part after the framework part (CSableDocument::Serialize): route preferences,
    // counts and totals, asymmetry flag, algorithm parameters, facilities, routes, label tables,
    // distance matrix and fleet parameters, each read by the data version's rules. Loading fills
    // a cleared document: the objects read become the document's, the label tables are built
    // from their labels, and an archive whose objects do not fit together (an array entry that
    // is not a facility of its type, a reference to an object outside the project, a distance
    // matrix of the wrong size) is refused with a generic archive exception.
    void Serialize(CArchive& archive) override;
    // The two halves of Serialize: the store and the load of the program part.
    void StoreProgramPart(CArchive& archive);
    void LoadProgramPart(CArchive& archive);
    // The Open command on path: a ".dat" file (or any file while importing) is imported as text;
    // otherwise the archive is read, falling back to the text import when that fails while
    // importing. After a read: the current record reset, labels of old archives updated, the
    // routes evaluated and checked and recorded as "Initial Load", the summary written to an
    // open output log. Failures are reported; the document is then empty. Returns success.
    bool OnOpenDocument(const std::string& path);
    // Writes the archive safely (the old file survives a failure) and takes path as the
    // document's; a failure is reported and false returned.
    bool OnSaveDocument(const std::string& path);
    // ---- end of binary project archive ----

    // ---- type texts ----

    const std::string& GetTypeName(int type) const { return m_strTypeName[type]; }
    const std::string& GetTypeCode(int type) const { return m_strTypeCode[type]; }
    int GetSelectedType() const { return m_lSelectedType; }
    void SetSelectedType(int type) { m_lSelectedType = type; }

    // ---- facilities ----

    int GetNumberOfFacilities(int type) const { return static_cast<int>(m_facilities[type].size()); }
    int GetNumberOfCustomers() const { return GetNumberOfFacilities(FT_CUSTOMER); }
    int GetNumberOfSuppliers() const { return GetNumberOfFacilities(FT_SUPPLIER); }
    int GetNumberOfDepots() const { return GetNumberOfFacilities(FT_DEPOT); }
    // All facilities (n, the distance matrix dimension).
    int GetTotalNumberOfFacilities() const;
    // The facility with project number i; null outside 0 to n-1.
    CFacility* GetFacility(int i) const;
    // The k-th facility of a type (document order); null outside.
    CFacility* GetFacility(int type, int k) const;
    // The project number of the first facility of a type.
    int GetFirstNumber(int type) const;
    bool ContainsFacility(const CFacility* f) const;

    // Takes f over: numbers it behind the last facility of its type (an empty label becomes the
    // number + 1), enters it in its array and label table, adds its quantity to its type's total
    // and, unless importing, raises its type's specified count. Facilities behind it are
    // renumbered. With updateDistances the distance matrix gets f's row and column (the other
    // entries kept): a depot's distances are computed alone, after a customer or supplier all
    // distances are computed again. Returns f. A null f raises a user exception.
    // A facility beyond the maximum per type (TRAMLET_MAX_FACILITIES_PER_TYPE) also raises a user
    // exception, after the message of CheckFacilityLimit.
    CFacility* AddFacility(std::unique_ptr<CFacility> f, bool updateDistances);
    // Whether adding more facilities of the type keeps it within the maximum per type that every
    // reader enforces; otherwise shows "Invalid number of %s facilities %s out of range [%d, %d]"
    // with the count it would reach and returns false.
    bool CheckFacilityLimit(int type, long long adding) const;
    // After a change of the fleet parameters or the distances: the current routes' distance and
    // cost are computed again (each route's distance stored) and become the recorded ones, so
    // that Evaluate and the improvements check against the changed project. Nothing happens
    // without routes or while importing.
    void UpdateCurrentSolutionCost();
    // Removes f (a depot deletes all routes first; a routed customer or supplier leaves its
    // route), its distance row and column, its quantity, label and count; renumbers the
    // facilities behind it and destroys it.
    void DeleteFacility(CFacility* f);
    // Deletes all routes and all facilities; counts and totals become 0.
    void DeleteAllFacilities();
    // Gives every facility its project number (and an empty label the number + 1).
    void RenumberFacilities();

    // Totals of the quantities by type (the fourth stays 0).
    int GetTotalQuantity(int type) const { return m_lTotalQuantity[type]; }
    void SetTotalQuantity(int type, int quantity) { m_lTotalQuantity[type] = quantity; }
    // Adds delta to the type's total; true when it is at most vehicles x capacity.
    bool AdjustTotalQuantity(int type, int delta);
    // A changed quantity of a facility of the project (the facility dialog, after validation by
    // CFacility::DecodeAttribute): the type's total and the route's load follow, then SetQuantity;
    // the document is marked modified. Returns what AdjustTotalQuantity returns.
    bool ChangeFacilityQuantity(CFacility* f, int quantity);

    // Specified counts: customers, suppliers, depots, routes (type 0 to 3).
    int GetSpecifiedCount(int type) const { return m_lSpecifiedCount[type]; }
    void SetSpecifiedCount(int type, int count) { m_lSpecifiedCount[type] = count; }

    // Label tables of the three facility types and of the routes.
    CFacility* FindFacilityByLabel(int type, const std::string& label) const;
    CRoute* FindRouteByLabel(const std::string& label) const;
    // Enters f under its label in its type's table; removes the entry under f's label (only
    // when it names f).
    void EnterFacilityLabel(CFacility* f);
    void RemoveFacilityLabel(const CFacility* f);
    void EnterRouteLabel(CRoute* route);
    void RemoveRouteLabel(const CRoute* route);
    // The tables themselves (label, object), as the archive writes them.
    const std::map<std::string, CFacility*>& GetFacilityLabelTable(int type) const {
        return m_mapLabels[type];
    }
    const std::map<std::string, CRoute*>& GetRouteLabelTable() const { return m_mapRouteLabels; }

    // ---- fleet parameters ----

    CLongParameter& NumberOfVehiclesParameter() { return m_NumberOfVehicles; }
    CLongParameter& VehicleCapacityParameter() { return m_VehicleCapacity; }
    CDoubleParameter& InfeasibilityPenaltyParameter() { return m_InfeasibilityPenalty; }
    int GetNumberOfVehicles() const { return m_NumberOfVehicles.GetValue(); }
    int GetVehicleCapacity() const { return m_VehicleCapacity.GetValue(); }
    double GetInfeasibilityPenalty() const { return m_InfeasibilityPenalty.GetValue(); }
    // Each refuses a value outside the parameter's range with its message; on a change the
    // document is marked modified.
    bool SetNumberOfVehicles(int vehicles);
    bool SetInfeasibilityPenalty(double penalty);
    // Sets the capacity; when it changes, routes whose demand or supply no longer fits are
    // deleted and customers and suppliers whose quantity no longer fits are taken off their
    // routes (each of the two messages shown once), the document is marked modified and the
    // views are redrawn. A refused value changes nothing and gives false.
    bool SetVehicleCapacity(int capacity);
    // The three edit commands (parameter dialog, then the rules above on a change).
    void OnEditNumberOfVehicles();
    void OnEditVehicleCapacity();
    void OnEditInfeasibilityPenalty();

    // ---- algorithm parameters (validated by the run commands) ----

    int GetChainLength() const { return m_lChainLength; }
    void SetChainLength(int length) { m_lChainLength = length; }
    int GetStartingAngle() const { return m_lStartingAngle; }
    void SetStartingAngle(int angle) { m_lStartingAngle = angle; }
    int GetRandomizationDepth() const { return m_lRandomizationDepth; }
    void SetRandomizationDepth(int depth) { m_lRandomizationDepth = depth; }
    double GetCrossoverPenaltyFactor() const { return m_dCrossoverPenaltyFactor; }
    void SetCrossoverPenaltyFactor(double factor) { m_dCrossoverPenaltyFactor = factor; }

    // ---- routes ----

    int GetNumberOfRoutes() const { return static_cast<int>(m_routes.size()); }
    CRoute* GetRoute(int index) const;
    // The document's routes as an array of plain pointers.
    RouteArray GetRoutes() const;
    // Takes the route over: a route still in the colour of a new route gets palette colour
    // (k mod 7) + 8 (k the routes before it; the specified route count while importing); its
    // index is its position and its label index + 1; unless importing the specified route count
    // rises; with countRouted its customers and suppliers are added to the routed count. Returns
    // the index. A null route raises a user exception.
    int AddRoute(std::unique_ptr<CRoute> route, bool countRouted);
    // Take a route out of the array without emptying it and hand it back; with countRouted its
    // customers and suppliers leave the routed count. Null when the route is not the document's.
    // The routes behind it are renumbered as by DeleteRoute.
    std::unique_ptr<CRoute> RemoveRoute(CRoute* route, bool countRouted);
    std::unique_ptr<CRoute> RemoveLastRoute(bool countRouted);
    // Empties the route (its facilities' route fields cleared), removes its label, takes it out
    // and destroys it. The caller adjusts the routed count. The routes behind it move up: each
    // route's index stays its position and its label index + 1.
    void DeleteRoute(CRoute* route);
    // Deletes every route; routed count, recorded distance and recorded cost become 0.
    void DeleteAllRoutes();
    // Gives every route its position as index and index + 1 as label (label table rebuilt).
    void RenumberRoutes();

    // Customers plus suppliers on routes, kept in the current solution record.
    int GetRoutedCount() const { return m_CurrentSolution.m_lNumberOfRoutedFacilities; }
    void SetRoutedCount(int count) { m_CurrentSolution.m_lNumberOfRoutedFacilities = count; }
    void AdjustRoutedCount(int delta) { m_CurrentSolution.m_lNumberOfRoutedFacilities += delta; }

    // Snapshots: deep copies of the current routes and each customer's and supplier's route index.
    void SaveRouteSnapshot(CRouteSnapshot& snapshot) const;
    void RestoreRouteSnapshot(const CRouteSnapshot& snapshot);

    // ---- evaluation ----

    // Sum of the distances of the routes with at least one entry (null: the document's routes),
    // plus the penalty when includePenalty and the penalty per unit is above 0.
    double GetTotalDistance(bool includePenalty, const RouteArray* routes = nullptr);
    // The infeasibility penalty of the routes (null: the document's routes).
    double GetPenalty(const RouteArray* routes = nullptr) const;
    void GetDistancePenaltyCost(double& distance, double& penalty, double& cost,
                                const RouteArray* routes = nullptr);
    // The whole-project consistency check. A finding other than more routes than vehicles
    // raises a user exception after its message; without a finding the recorded distance and
    // cost are replaced by the computed ones.
    void CheckSolution(bool checkCost);
    // The report of all routes, each route's distance computed again.
    void WriteRoutesReport(std::FILE* file);

    // ---- distances (held by CDistanceData, model/distances/) ----

    CDistanceData& GetDistanceData() { return m_DistanceData; }
    const CDistanceData& GetDistanceData() const { return m_DistanceData; }
    CDoubleMatrix& GetDistanceMatrix() { return m_DistanceData.GetMatrix(); }
    const CDoubleMatrix& GetDistanceMatrix() const { return m_DistanceData.GetMatrix(); }
    // d(i, j) by project numbers; 0 outside the matrix.
    double GetDistance(int i, int j) const {
        const CDoubleMatrix& matrix = m_DistanceData.GetMatrix();
        if (i < 0 || j < 0 || i >= matrix.GetNumberRows() || j >= matrix.GetNumberColumns()) {
            return 0.0;
        }
        return matrix[i][j];
    }
    void SetDistance(int i, int j, double distance) { m_DistanceData.SetDistance(i, j, distance); }
    // The asymmetry flag (0 or 1).
    int GetAsymmetric() const { return m_DistanceData.GetAsymmetricFlag(); }
    void SetAsymmetric(int asymmetric) { m_DistanceData.SetAsymmetric(asymmetric != 0); }
    // Sizes the matrix to n x n zeros.
    void ResizeDistanceMatrix();
    // The settings the distance computations read (norm, factor, radius, limits, tolerance...).
    SDistanceSettings GetDistanceSettings() const;
    // Route preferences of the road network.
    CMapPointRoutePreferences& GetRoutePreferences() { return m_RoutePreferences; }
    const CMapPointRoutePreferences& GetRoutePreferences() const { return m_RoutePreferences; }
    // The largest distance a user may enter.
    double GetMaxDistance() const;
    // Numbers the facilities and computes the whole matrix under the project's norm (nothing
    // with fewer than two facilities); marks the document modified. Externally_Specified raises
    // a user exception (CDistanceData::ComputeAllDistances).
    void ComputeAllDistances();
    // Computes one facility's row and column (a depot that was just added).
    void ComputeFacilityDistances(const CFacility* f);
    // The facilities' world locations in project order.
    std::vector<CLonLatPoint> GetFacilityLocations() const;

    // ---- the program's scalar items (codes of the text project files) ----

    // Codes 0, 1, 2: number of customers, suppliers, depots (0 to TRAMLET_MAX_FACILITIES_PER_TYPE);
    // 3: number of routes (0 to TRAMLET_MAX_ROUTES); 8: number of vehicles (the parameter's
    // bounds); 9: vehicle capacity (1 to 32767) -- the int overload. 10: infeasibility penalty
    // (0.0 to 2147483647.0); 11: one distance (0 to GetMaxDistance) -- the double overload. 4 to 7:
    // customer, supplier, depot, route data file name, not empty and readable -- the text
    // overload. Reporting as CFacility::DecodeAttribute; another code, or a code given to the
    // wrong overload, is refused as unknown.
    bool DecodeAttribute(int code, const std::string& text, int& out, const char* dataLine = nullptr) const;
    bool DecodeAttribute(int code, const std::string& text, double& out,
                         const char* dataLine = nullptr) const;
    bool DecodeAttribute(int code, const std::string& text, std::string& out,
                         const char* dataLine = nullptr) const;

    // ---- Add Random Facilities ----

    // The ranges and proposals of the dialog for this project.
    SRandomFacilitiesRanges GetRandomFacilitiesRanges() const;
    // Adds the requested facilities (the seed becomes the project seed), resizes the matrix,
    // computes all distances, marks modified and redraws. On a failure shows
    // "Unsuccessful in adding randomly %d new facilities" and returns false.
    bool AddRandomFacilities(const SRandomFacilitiesRequest& request);
    // Whether a request keeps every type within the maximum per type and asks for maximum
    // quantities in [1, capacity]; otherwise shows why and returns false.
    bool CheckRandomFacilitiesRequest(const SRandomFacilitiesRequest& request) const;

    // ---- commands ----

    // Delete All Routes and Delete All Facilities, each after its question.
    void OnDeleteAllRoutes();
    void OnDeleteAllFacilities();

    // ---- statistics ----

    CAlgoStat& GetCurrentSolution() { return m_CurrentSolution; }
    const CAlgoStat& GetCurrentSolution() const { return m_CurrentSolution; }
    std::vector<std::unique_ptr<CAlgoStat>>& GetAlgorithmStatistics() { return m_AlgorithmStatistics; }
    const std::vector<std::unique_ptr<CAlgoStat>>& GetAlgorithmStatistics() const {
        return m_AlgorithmStatistics;
    }

    // ---- data file names (customers, suppliers, depots, routes) ----

    const std::string& GetDataFileName(int type) const { return m_strDataFileName[type]; }
    void SetDataFileName(int type, const std::string& name) { m_strDataFileName[type] = name; }

    // ---- world and view ----

    // The view point of a world point under the project's projection.
    CIntPoint WorldToViewPoint(const CLonLatPoint& world) const;
    // True when the world coordinates are packed longitudes and latitudes.
    bool IsGeographic() const;

private:
    void NumberFacilitiesFrom(int type);
    void ApplyVehicleCapacity();
    // Takes an unrouted facility out again without touching the distance matrix.
    void DiscardFacility(CFacility* f);
    void CheckSequence(CRoute* route) const;

    int m_lSelectedType = -1;
    int m_lSpecifiedCount[4] = {0, 0, 0, 0};
    CLongParameter m_NumberOfVehicles;
    CLongParameter m_VehicleCapacity;
    int m_lChainLength = 1;
    int m_lStartingAngle = 0;
    int m_lRandomizationDepth = 1;
    int m_lTotalQuantity[4] = {0, 0, 0, 0};
    double m_dCrossoverPenaltyFactor = 0.25;
    CDoubleParameter m_InfeasibilityPenalty;
    std::string m_strDataFileName[4];
    std::string m_strTypeCode[4];
    std::string m_strTypeName[4];
    std::vector<std::unique_ptr<CFacility>> m_facilities[NUMBER_OF_FACILITY_TYPES];
    std::vector<std::unique_ptr<CRoute>> m_routes;
    std::map<std::string, CFacility*> m_mapLabels[NUMBER_OF_FACILITY_TYPES];
    std::map<std::string, CRoute*> m_mapRouteLabels;
    CDistanceData m_DistanceData;
    CMapPointRoutePreferences m_RoutePreferences;
    CAlgoStat m_CurrentSolution;
    std::vector<std::unique_ptr<CAlgoStat>> m_AlgorithmStatistics;
};
