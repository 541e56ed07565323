#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "framework/archive/object.h"
#include "framework/colours/color.h"
#include "framework/geography/lon_lat.h"

class CRoute;
class CTramletDoc;

// Facility type indices. FT_ROUTE is no facility type: it names routes in messages and
// selects the route label table.
enum FACILITYTYPE {
    FT_NONE = -1,
    FT_CUSTOMER = 0,
    FT_SUPPLIER = 1,
    FT_DEPOT = 2,
    FT_ROUTE = 3,
};
constexpr int NUMBER_OF_FACILITY_TYPES = 3;

// Attribute numbers of CFacility::DecodeAttribute.
enum FACILITYATTRIBUTE {
    FA_LABEL = 0,
    FA_NAME = 1,
    FA_X = 2, // x, or the packed longitude
    FA_Y = 3, // y, or the packed latitude
    FA_QUANTITY = 4,
    FA_COLOR = 5,
    FA_SHAPE = 6,
    FA_SIZE = 7,
};

constexpr int FACILITY_MAX_LABEL_LENGTH = 7;
constexpr int FACILITY_MAX_NAME_LENGTH = 63;
constexpr int FACILITY_MIN_SIZE = 1;
constexpr int FACILITY_MAX_SIZE = 1000;
// Number of items of a facility data line.
constexpr int FACILITY_DATA_ITEMS = 8;

// The view location of a facility that has not been placed.
constexpr CIntPoint FACILITY_NULL_POINT{0, 0};

// A customer, supplier or depot. The document owns every facility; a facility refers to the
// route that serves it by a plain pointer that the document and the routes keep right.
// Operations that need the project (label tables, world limits, capacity, view limits) use the
// facility's document; without one those checks are left out.
class CFacility : public CObject {
public:
    // A facility of the active document (the archive creates facilities without arguments).
    CFacility();
    CFacility(CTramletDoc* document, int type);
    // Copies every field, label, name and route pointer included.
    CFacility(const CFacility& other);
    CFacility& operator=(const CFacility& other);
    // Index -1, no route; quantity through SetQuantity, world location and then the view location
    // through SetViewLocation. A non-empty label or name is validated (message box on refusal,
    // and the field stays empty); an empty one is stored as it is.
    CFacility(CTramletDoc* document, int type, const CLonLatPoint& worldLocation,
              const CIntPoint& viewLocation, int quantity, int size, int shape, CPRGB color,
              const std::string& label, const std::string& name);
    virtual ~CFacility();

    CTramletDoc* GetDocument() const { return m_pDocument; }
    void SetDocument(CTramletDoc* document) { m_pDocument = document; }

    // Validates text for one attribute. On success the decoded value is stored in out and true
    // returned; on refusal the message is reported (ReportModelError: with the data line when a
    // file line is being read, else in a message box) and false returned. Labels and names use
    // the text overload, colours the CPRGB one, the others the int one; an attribute given to the
    // wrong overload is refused as unknown.
    bool DecodeAttribute(int attribute, const std::string& text, std::string& out,
                         const char* dataLine = nullptr) const;
    bool DecodeAttribute(int attribute, const std::string& text, int& out,
                         const char* dataLine = nullptr) const;
    bool DecodeAttribute(int attribute, const std::string& text, CPRGB& out,
                         const char* dataLine = nullptr) const;

    // Validates the eight items of a facility data line (label, x, y, quantity, shape, size,
    // colour, name) in the order label, name, x, y, quantity, colour, shape, size, storing each
    // accepted value and stopping at the first refusal; then sets the view location from the
    // world location. Items after the eighth are ignored; fewer than eight give false without
    // a message (the reader reports the item count).
    bool DecodeDataItems(const std::vector<std::string>& items, const std::string& dataLine);

    // Label: validated as attribute 0; on success stored and, when the facility belongs to its
    // document, entered in its label table (the old label's entry is removed).
    bool SetLabel(const std::string& label);
    const std::string& GetLabel() const { return m_strLabel; }
    // Stores without checks (archive loading, renumbering).
    void SetLabelText(const std::string& label) { m_strLabel = label; }

    const std::string& GetName() const { return m_strName; }
    void SetName(const std::string& name) { m_strName = name; }

    int GetType() const { return m_lType; }
    void SetType(int type) { m_lType = type; }
    bool IsCustomer() const { return m_lType == FT_CUSTOMER; }
    bool IsSupplier() const { return m_lType == FT_SUPPLIER; }
    bool IsDepot() const { return m_lType == FT_DEPOT; }
    // "Customer", "Supplier", "Depot" (empty for a facility without type).
    std::string GetTypeName() const;

    int GetIndex() const { return m_lIndex; }
    void SetIndex(int index) { m_lIndex = index; }

    // Stores the quantity and computes the quantity size and rectangle.
    void SetQuantity(int quantity);
    int GetQuantity() const { return m_lQuantity; }
    int GetQuantitySize() const { return m_lQuantitySize; }
    const CIntRect& GetQuantityRect() const { return m_rcQuantity; }

    // Stores the world location and sets the view location from it (WorldToView).
    void SetWorldLocation(const CLonLatPoint& location);
    const CLonLatPoint& GetWorldLocation() const { return m_ptWorldLocation; }
    // Stores the world location only (archive loading).
    void SetWorldLocationOnly(const CLonLatPoint& location) { m_ptWorldLocation = location; }
    // Stores the view location, recomputes the symbol and quantity rectangles and widens the
    // bounding rectangle of the facility's route.
    void SetViewLocation(const CIntPoint& location);
    const CIntPoint& GetViewLocation() const { return m_ptViewLocation; }
    // Sets the view location from the world location through the facility's document.
    void UpdateViewLocation();

    int GetSize() const { return m_lSize; }
    void SetSize(int size);
    int GetShape() const { return m_lShape; }
    void SetShape(int shape) { m_lShape = shape; }
    const CPRGB& GetColor() const { return m_Color; }
    void SetColor(const CPRGB& color) { m_Color = color; }
    const CIntRect& GetSymbolRect() const { return m_rcSymbol; }
    // Stores the rectangle as read from an archive.
    void SetSymbolRect(const CIntRect& rect) { m_rcSymbol = rect; }

    CRoute* GetRoute() const { return m_pRoute; }
    void SetRoute(CRoute* route) { m_pRoute = route; }
    bool IsRouted() const { return m_pRoute != nullptr; }

    // The facility's line of a facility data file.
    void WriteDataLine(std::FILE* file) const;

    // ---- binary archive (files/archive/) ----
    // Type, index, view location, world location, quantity, size, shape, symbol rectangle,
    // label, name, route (object reference), colour, world location again (the copy kept).
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CFacility)
    // ---- end of binary archive ----

private:
    bool ReportInvalid(const std::string& message, const char* dataLine) const;
    void ComputeSymbolRect();
    void ComputeQuantityRect();

    CTramletDoc* m_pDocument = nullptr;
    int m_lType = FT_NONE;
    std::string m_strLabel;
    std::string m_strName;
    int m_lIndex = -1;
    CIntPoint m_ptViewLocation = FACILITY_NULL_POINT;
    CLonLatPoint m_ptWorldLocation;
    int m_lQuantity = 0;
    int m_lSize = 1;
    int m_lShape = -1;
    CPRGB m_Color;
    CIntRect m_rcSymbol;
    CRoute* m_pRoute = nullptr;
    int m_lQuantitySize = 1;
    CIntRect m_rcQuantity;
};

// A rectangle from center minus half-width to center plus half-width plus one on both axes.
CIntRect MakeSymbolRect(const CIntPoint& center, int halfWidth);
// The union of two rectangles; an empty one (no width or no height) adds nothing.
CIntRect UnionRect(const CIntRect& a, const CIntRect& b);
// True for a rectangle without width or height.
bool IsRectEmpty(const CIntRect& rect);
