#pragma once

#include <cstdio>
#include <list>
#include <string>
#include <vector>

#include "framework/colours/color.h"
#include "framework/geography/lon_lat.h"
#include "model/facility.h"

class CTramletDoc;

// Attribute numbers of the route data items (CRoute::DecodeAttribute, DecodeFacilityReference,
// DecodeLabel).
enum ROUTEATTRIBUTE {
    RA_CUSTOMER_COUNT = 0,
    RA_SUPPLIER_COUNT = 1,
    RA_COLOR = 2,
    RA_FACILITY_TYPE = 3,
    RA_CUSTOMER_LABEL = 4, // the type index plus 4
    RA_SUPPLIER_LABEL = 5,
    RA_DEPOT_LABEL = 6,
    RA_LABEL = 7,
};

// Items of the first line of a route in the route data file, and of each entry line.
constexpr int ROUTE_HEADER_ITEMS = 3;
constexpr int ROUTE_ENTRY_ITEMS = 2;
// Palette colours a route may take from a route data file.
constexpr int ROUTE_MIN_COLOR_INDEX = 8;
constexpr int ROUTE_MAX_COLOR_INDEX = 34;

// One vehicle's tour: a depot, customers, suppliers, and the same depot again. The route does
// not own its facilities. While a customer or supplier is on a route its route field points to
// the route; a depot's route field is never set.
class CRoute : public CObject {
public:
    using FacilityList = std::list<CFacility*>;
    // A list position. The list's end() stands for "no position" (the null position).
    using POSITION = FacilityList::iterator;

    // A route of the active document.
    CRoute();
    explicit CRoute(CTramletDoc* document);
    // Copies label, index, totals, list, rectangle, colour (and document and distance); the
    // facilities themselves are shared, their route fields are not changed.
    CRoute(const CRoute& other);
    CRoute& operator=(const CRoute& other);
    virtual ~CRoute();

    CTramletDoc* GetDocument() const { return m_pDocument; }
    void SetDocument(CTramletDoc* document) { m_pDocument = document; }

    const std::string& GetLabel() const { return m_strLabel; }
    void SetLabel(const std::string& label) { m_strLabel = label; }
    int GetIndex() const { return m_lIndex; }
    void SetIndex(int index) { m_lIndex = index; }
    const CPRGB& GetColor() const { return m_Color; }
    void SetColor(const CPRGB& color) { m_Color = color; }
    const CIntRect& GetBoundingRect() const { return m_rcBounding; }
    void SetBoundingRect(const CIntRect& rect) { m_rcBounding = rect; }
    void WidenBoundingRect(const CIntRect& rect);

    // Stored totals by type (0 customers, 1 suppliers, 2 depots).
    int GetQuantity(int type) const { return m_lQuantity[type]; }
    int GetCount(int type) const { return m_lCount[type]; }
    int GetNumberOfCustomers() const { return m_lCount[FT_CUSTOMER]; }
    int GetNumberOfSuppliers() const { return m_lCount[FT_SUPPLIER]; }
    // Stores totals as read from an archive.
    void SetTotals(int type, int count, int quantity) {
        m_lCount[type] = count;
        m_lQuantity[type] = quantity;
    }
    // Adds delta to the quantity of a type (a routed facility's quantity was edited).
    void AdjustQuantity(int type, int delta) { m_lQuantity[type] += delta; }
    // Vehicle capacity minus the quantity of the type.
    int GetResidualCapacity(int type) const;
    // Sums the quantities of the list members by type (from the list, not the stored totals).
    void GetQuantities(int out[NUMBER_OF_FACILITY_TYPES]) const;

    // The visiting sequence.
    const FacilityList& GetFacilities() const { return m_listFacilities; }
    int GetSize() const { return static_cast<int>(m_listFacilities.size()); }
    bool IsEmpty() const { return m_listFacilities.empty(); }
    POSITION GetHeadPosition() { return m_listFacilities.begin(); }
    // The last entry's position, the null position when the list is empty.
    POSITION GetTailPosition();
    POSITION GetNullPosition() { return m_listFacilities.end(); }
    bool IsNullPosition(POSITION position) const { return position == m_listFacilities.end(); }
    // The position of the first entry that is f, or the null position.
    POSITION Find(const CFacility* f);
    CFacility* GetAt(POSITION position) const { return *position; }
    bool Contains(const CFacility* f) const;

    // Iteration. Each returns the facility at the position and advances it (forward with
    // GetFirst/GetNext, backward with GetLast/GetPrevious); null at the end, where the position
    // becomes the null position.
    CFacility* GetFirst(POSITION& position);
    CFacility* GetNext(POSITION& position);
    CFacility* GetLast(POSITION& position);
    CFacility* GetPrevious(POSITION& position);
    // The facility before f; null when f is first, not on the route, or the route is empty.
    CFacility* GetPredecessor(const CFacility* f) const;

    // Adding entries: one more of f's type, f's quantity added to its type's total, f's route
    // field set when setRoute (callers pass false for depots), bounding rectangle widened. Each
    // returns the new entry's position. InsertBefore at the null position inserts at the head,
    // InsertAfter at the null position appends.
    POSITION AddFacility(CFacility* f, bool setRoute);
    POSITION InsertBefore(CFacility* f, POSITION position, bool setRoute);
    POSITION InsertAfter(CFacility* f, POSITION position, bool setRoute);
    // Inserts after the first entry that is g (appends when g is not on the route).
    POSITION InsertAfterFacility(CFacility* f, const CFacility* g, bool setRoute);

    // Removing one entry: one fewer of f's type, its quantity subtracted, its route field
    // cleared when clearRoute. The search form removes the first entry that is f and returns
    // whether one was found.
    void RemoveFacility(CFacility* f, POSITION position, bool clearRoute);
    bool RemoveFacility(CFacility* f, bool clearRoute);

    // Moves the entry at fromPosition before or after the entry at toPosition; totals unchanged.
    // Returns the entry's new position.
    POSITION MoveBefore(CFacility* f, POSITION fromPosition, POSITION toPosition);
    POSITION MoveAfter(CFacility* f, POSITION fromPosition, POSITION toPosition);
    // Moves the entries from fromPosition up to, not including, the facility last, one after the
    // other, directly after the entry at targetPosition: the run ends up there reversed.
    void MoveChainAfter(POSITION fromPosition, const CFacility* last, POSITION targetPosition);

    // Clears the route field of every listed facility, zeroes the totals, empties the bounding
    // rectangle and the list.
    void Clear();

    // Sum of the distances of consecutive entries; stored and returned (0 for fewer than two).
    double ComputeDistance();
    double GetDistance() const { return m_dDistance; }
    void SetDistance(double distance) { m_dDistance = distance; }

    // The cheapest link (predecessor, successor) to insert f into, and its cost d(p,f)+d(f,s)-d(p,s).
    // Customers go on links up to the first supplier, suppliers on links ending in a supplier or
    // the depot. No link (null, null, the largest double) when f's type has no room left or the
    // list has fewer than two entries.
    void FindBestInsertion(const CFacility* f, CFacility*& predecessor, CFacility*& successor,
                           double& cost) const;

    // The route's block of the route report.
    void WriteReport(std::FILE* file) const;
    // The route's lines of the route data file.
    void WriteDataLines(std::FILE* file) const;

    // Validation of route data items; the same reporting as CFacility::DecodeAttribute.
    // Attributes 0 and 1: the number of customers or suppliers, 0 to the project's number of that
    // type; 2: a palette colour with index 8 to 34 (out receives the colour word); 3: a type name
    // in any letter case, customer, supplier or depot (out receives the type index).
    bool DecodeAttribute(int attribute, const std::string& text, int& out,
                         const char* dataLine = nullptr) const;
    // Attribute 7: a route label (facility label rules, unique among the document's routes).
    bool DecodeLabel(const std::string& text, std::string& out, const char* dataLine = nullptr) const;
    // Attributes 4 to 6: a label of the document's label table of type attribute - 4.
    bool DecodeFacilityReference(int attribute, const std::string& text, CFacility*& out,
                                 const char* dataLine = nullptr) const;

    // Reading a route from its data lines, after the reader has split them into items and checked
    // their number. DecodeDataHeader validates the first line (customer count, supplier count,
    // colour; the colour is taken). AddDataEntry validates one entry line (type name, label), checks
    // a second route assignment and the sequence, and appends the entry; closed becomes true at the
    // closing depot. FinishDataLines runs the checks after the closing depot (counts read against
    // the counts given, quantities against the capacity, same depot at both ends). Each returns
    // false after reporting; the entries appended so far stay (the caller discards the route).
    bool DecodeDataHeader(const std::vector<std::string>& items, const std::string& dataLine);
    bool AddDataEntry(const std::vector<std::string>& items, const std::string& dataLine, bool& closed);
    bool FinishDataLines(const std::string& dataLine);
    int GetSpecifiedCount(int type) const { return m_lSpecifiedCount[type]; }

    // ---- binary archive (files/archive/) ----
    // Label, index, count and quantity of each type, bounding rectangle, colour, and the list of
    // facilities (object references). A route read without a label gets index + 1.
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CRoute)
    // ---- end of binary archive ----

private:
    int GetCapacity() const;
    bool ReportInvalid(const std::string& message, const char* dataLine) const;
    void CountIn(CFacility* f, bool setRoute);
    void CountOut(CFacility* f, bool clearRoute);

    CTramletDoc* m_pDocument = nullptr;
    std::string m_strLabel;
    int m_lIndex = -1;
    int m_lQuantity[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0};
    int m_lCount[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0};
    CPRGB m_Color;
    CIntRect m_rcBounding;
    FacilityList m_listFacilities;
    double m_dDistance = 0.0;
    // Counts given on the first data line while the route is read.
    int m_lSpecifiedCount[2] = {0, 0};
};
