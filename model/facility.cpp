#include "model/facility.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cstdlib>

#include "framework/colours/shape.h"
#include "framework/strings/format.h"
#include "model/model_strings.h"
#include "model/route.h"
#include "model/tramlet_doc.h"

namespace {

bool IsLabelCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameCharacter(char c) {
    return IsLabelCharacter(c) || c == ' ';
}

// The first character of text that fails the test, or 0 when all pass.
template <class Test> char FirstInvalidCharacter(const std::string& text, Test test) {
    for (char c : text) {
        if (!test(c)) {
            return c == '\0' ? ' ' : c;
        }
    }
    return '\0';
}

} // namespace

CIntRect MakeSymbolRect(const CIntPoint& center, int halfWidth) {
    return CIntRect{center.x - halfWidth, center.y - halfWidth, center.x + halfWidth + 1,
                    center.y + halfWidth + 1};
}

bool IsRectEmpty(const CIntRect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

CIntRect UnionRect(const CIntRect& a, const CIntRect& b) {
    if (IsRectEmpty(a)) {
        return IsRectEmpty(b) ? CIntRect{} : b;
    }
    if (IsRectEmpty(b)) {
        return a;
    }
    return CIntRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom)};
}

// ---- construction ----

CFacility::CFacility() : m_pDocument(CTramletDoc::GetActiveDocument()) {}

CFacility::CFacility(CTramletDoc* document, int type) : m_pDocument(document), m_lType(type) {
    assert(type >= FT_CUSTOMER && type < NUMBER_OF_FACILITY_TYPES &&
           "a facility is a customer, supplier or depot");
}

CFacility::CFacility(const CFacility& other) = default;
CFacility& CFacility::operator=(const CFacility& other) = default;

CFacility::CFacility(CTramletDoc* document, int type, const CLonLatPoint& worldLocation,
                     const CIntPoint& viewLocation, int quantity, int size, int shape, CPRGB color,
                     const std::string& label, const std::string& name)
    : m_pDocument(document), m_lType(type) {
    assert(type >= FT_CUSTOMER && type < NUMBER_OF_FACILITY_TYPES &&
           "a facility is a customer, supplier or depot");
    m_lIndex = -1;
    m_pRoute = nullptr;
    SetQuantity(quantity);
    m_lSize = size;
    m_lShape = shape;
    m_Color = color;
    m_ptWorldLocation = worldLocation;
    SetViewLocation(viewLocation);
    if (!label.empty()) {
        std::string decoded;
        if (DecodeAttribute(FA_LABEL, label, decoded)) {
            m_strLabel = decoded;
        }
    }
    if (!name.empty()) {
        std::string decoded;
        if (DecodeAttribute(FA_NAME, name, decoded)) {
            m_strName = decoded;
        }
    }
}

CFacility::~CFacility() = default;

std::string CFacility::GetTypeName() const {
    return m_lType >= 0 && m_lType < NUMBER_OF_FACILITY_TYPES ? GetFacilityTypeName(m_lType) : std::string();
}

// ---- validation ----

bool CFacility::ReportInvalid(const std::string& message, const char* dataLine) const {
    ReportModelError(message, dataLine);
    return false;
}

bool CFacility::DecodeAttribute(int attribute, const std::string& text, std::string& out,
                                const char* dataLine) const {
    const std::string typeName = GetTypeName();
    if (attribute == FA_LABEL) {
        if (text.empty()) {
            return ReportInvalid(FormatString("Invalid empty (null) %s label", typeName.c_str()), dataLine);
        }
        int length = static_cast<int>(text.size());
        if (length < 1 || length > FACILITY_MAX_LABEL_LENGTH) {
            return ReportInvalid(FormatString("Invalid %s label \"%s\" with length %d outside range [1, %d]",
                                              typeName.c_str(), text.c_str(), length,
                                              FACILITY_MAX_LABEL_LENGTH),
                                 dataLine);
        }
        if (char bad = FirstInvalidCharacter(text, IsLabelCharacter); bad != '\0') {
            return ReportInvalid(FormatString("Invalid character \"%c\" in %s label \"%s\"", bad,
                                              typeName.c_str(), text.c_str()),
                                 dataLine);
        }
        if (CTramletDoc* document = m_pDocument) {
            for (int type = FT_CUSTOMER; type < NUMBER_OF_FACILITY_TYPES; ++type) {
                CFacility* holder = document->FindFacilityByLabel(type, text);
                if (holder != nullptr && holder != this) {
                    return ReportInvalid(
                        FormatString("Invalid duplicate %s label %s", typeName.c_str(), text.c_str()),
                        dataLine);
                }
            }
        }
        out = text;
        return true;
    }
    if (attribute == FA_NAME) {
        if (text.empty()) {
            return ReportInvalid(FormatString("Invalid empty (null) facility name for %s %s",
                                              typeName.c_str(), m_strLabel.c_str()),
                                 dataLine);
        }
        int length = static_cast<int>(text.size());
        if (length < 1 || length > FACILITY_MAX_NAME_LENGTH) {
            return ReportInvalid(
                FormatString("Invalid facility name \"%s\" with length %d outside range [1, %d] for %s %s",
                             text.c_str(), length, FACILITY_MAX_NAME_LENGTH, typeName.c_str(),
                             m_strLabel.c_str()),
                dataLine);
        }
        if (char bad = FirstInvalidCharacter(text, IsNameCharacter); bad != '\0') {
            return ReportInvalid(FormatString("Invalid character \"%c\" in facility name \"%s\" for %s %s",
                                              bad, text.c_str(), typeName.c_str(), m_strLabel.c_str()),
                                 dataLine);
        }
        out = text;
        return true;
    }
    return ReportInvalid(
        FormatString("Internal error: unknown scalar data item with value \"%s\" to validate", text.c_str()),
        dataLine);
}

bool CFacility::DecodeAttribute(int attribute, const std::string& text, int& out,
                                const char* dataLine) const {
    const std::string typeName = GetTypeName();
    const char* type = typeName.c_str();
    const char* label = m_strLabel.c_str();
    CTramletDoc* document = m_pDocument;
    int value = 0;
    switch (attribute) {
    case FA_X:
    case FA_Y: {
        bool isX = attribute == FA_X;
        bool ok = ParseWholeNumber(text, value);
        if (ok && document != nullptr) {
            const CLonLatRect& limits = document->GetWorldLimits();
            int low = isX ? limits.m_west : limits.m_south;
            int high = isX ? limits.m_east : limits.m_north;
            ok = value >= low && value <= high;
        }
        if (!ok) {
            const CLonLatRect limits = document != nullptr ? document->GetWorldLimits() : CLonLatRect();
            if (isX) {
                return ReportInvalid(
                    FormatString("Invalid x coordinate %s for %s %s outside world x range [%d, %d]",
                                 text.c_str(), type, label, limits.m_west, limits.m_east),
                    dataLine);
            }
            return ReportInvalid(
                FormatString("Invalid y coordinate %s for %s %s outside world y range [%d, %d]", text.c_str(),
                             type, label, limits.m_south, limits.m_north),
                dataLine);
        }
        out = value;
        return true;
    }
    case FA_QUANTITY: {
        int capacity = document != nullptr ? document->GetVehicleCapacity() : 0;
        bool ok = ParseWholeNumber(text, value) && value >= 0 && (document == nullptr || value <= capacity);
        if (!ok) {
            return ReportInvalid(FormatString("Invalid quantity %s for %s %s outside range [%d, %d]",
                                              text.c_str(), type, label, 0, capacity),
                                 dataLine);
        }
        if (m_pRoute != nullptr && m_lType >= 0 && m_lType < NUMBER_OF_FACILITY_TYPES &&
            document != nullptr) {
            long long others = static_cast<long long>(m_pRoute->GetQuantity(m_lType)) - m_lQuantity;
            if (others + value > capacity) {
                return ReportInvalid(
                    FormatString("Invalid quantity %d violates vehicle capacity %d, valid range is "
                                 "[%d, %d]",
                                 value, capacity, 0, static_cast<int>(capacity - others)),
                    dataLine);
            }
        }
        out = value;
        return true;
    }
    case FA_SHAPE: {
        int shape = DecodeShape(text);
        if (shape == -1) {
            return ReportInvalid(FormatString("Invalid shape %s for %s %s", text.c_str(), type, label),
                                 dataLine);
        }
        out = shape;
        return true;
    }
    case FA_SIZE: {
        if (!ParseWholeNumber(text, value) || value < FACILITY_MIN_SIZE || value > FACILITY_MAX_SIZE) {
            return ReportInvalid(FormatString("Invalid size %s for %s %s outside range [%d, %d]",
                                              text.c_str(), type, label, FACILITY_MIN_SIZE,
                                              FACILITY_MAX_SIZE),
                                 dataLine);
        }
        out = value;
        return true;
    }
    default:
        break;
    }
    return ReportInvalid(
        FormatString("Internal error: unknown scalar data item with value \"%s\" to validate", text.c_str()),
        dataLine);
}

bool CFacility::DecodeAttribute(int attribute, const std::string& text, CPRGB& out,
                                const char* dataLine) const {
    if (attribute != FA_COLOR) {
        return ReportInvalid(
            FormatString("Internal error: unknown scalar data item with value \"%s\" to validate",
                         text.c_str()),
            dataLine);
    }
    std::uint32_t word = DecodeColor(text);
    if (word == INVALID_COLOR_VALUE) {
        return ReportInvalid(FormatString("Invalid color %s for %s %s", text.c_str(), GetTypeName().c_str(),
                                          m_strLabel.c_str()),
                             dataLine);
    }
    out.SetColorWord(word);
    return true;
}

bool CFacility::DecodeDataItems(const std::vector<std::string>& items, const std::string& dataLine) {
    if (static_cast<int>(items.size()) < FACILITY_DATA_ITEMS) {
        return false;
    }
    const char* line = dataLine.c_str();
    // Items in the line: label, x, y, quantity, shape, size, colour, name.
    std::string text;
    if (!DecodeAttribute(FA_LABEL, items[0], text, line)) {
        return false;
    }
    m_strLabel = text;
    if (!DecodeAttribute(FA_NAME, items[7], text, line)) {
        return false;
    }
    m_strName = text;
    int value = 0;
    if (!DecodeAttribute(FA_X, items[1], value, line)) {
        return false;
    }
    m_ptWorldLocation.m_lon = value;
    if (!DecodeAttribute(FA_Y, items[2], value, line)) {
        return false;
    }
    m_ptWorldLocation.m_lat = value;
    if (!DecodeAttribute(FA_QUANTITY, items[3], value, line)) {
        return false;
    }
    SetQuantity(value);
    CPRGB color;
    if (!DecodeAttribute(FA_COLOR, items[6], color, line)) {
        return false;
    }
    m_Color = color;
    if (!DecodeAttribute(FA_SHAPE, items[4], value, line)) {
        return false;
    }
    m_lShape = value;
    if (!DecodeAttribute(FA_SIZE, items[5], value, line)) {
        return false;
    }
    m_lSize = value;
    UpdateViewLocation();
    return true;
}

// ---- attributes ----

bool CFacility::SetLabel(const std::string& label) {
    std::string decoded;
    if (!DecodeAttribute(FA_LABEL, label, decoded)) {
        return false;
    }
    CTramletDoc* document = m_pDocument;
    bool entered = document != nullptr && document->ContainsFacility(this);
    if (entered) {
        document->RemoveFacilityLabel(this);
    }
    m_strLabel = decoded;
    if (entered) {
        document->EnterFacilityLabel(this);
    }
    return true;
}

void CFacility::SetQuantity(int quantity) {
    m_lQuantity = quantity;
    long long size = 1;
    if (CTramletDoc* document = m_pDocument) {
        const CIntRect& view = document->GetViewLimits();
        long long side = std::min(std::abs(view.Width()), std::abs(view.Height())) / 20;
        int capacity = document->GetVehicleCapacity();
        if (capacity > 0) {
            size = side * quantity / capacity;
        }
    }
    m_lQuantitySize = static_cast<int>(std::max(1LL, size));
    ComputeQuantityRect();
}

void CFacility::SetWorldLocation(const CLonLatPoint& location) {
    m_ptWorldLocation = location;
    UpdateViewLocation();
}

void CFacility::UpdateViewLocation() {
    CTramletDoc* document = m_pDocument;
    if (document == nullptr) {
        SetViewLocation(CIntPoint{m_ptWorldLocation.m_lon, m_ptWorldLocation.m_lat});
        return;
    }
    SetViewLocation(document->WorldToViewPoint(m_ptWorldLocation));
}

void CFacility::SetViewLocation(const CIntPoint& location) {
    m_ptViewLocation = location;
    ComputeSymbolRect();
    ComputeQuantityRect();
    if (m_pRoute != nullptr) {
        m_pRoute->WidenBoundingRect(m_rcSymbol);
    }
}

void CFacility::SetSize(int size) {
    m_lSize = size;
    ComputeSymbolRect();
}

void CFacility::ComputeSymbolRect() {
    m_rcSymbol = MakeSymbolRect(m_ptViewLocation, m_lSize);
}

void CFacility::ComputeQuantityRect() {
    m_rcQuantity = MakeSymbolRect(m_ptViewLocation, m_lQuantitySize);
}

// ---- text ----

void CFacility::WriteDataLine(std::FILE* file) const {
    std::fprintf(file, "%*s\t%5d\t%5d\t%5ld\t%8s\t%5d\t%16s\t%s\n", FACILITY_MAX_LABEL_LENGTH,
                 m_strLabel.c_str(), m_ptWorldLocation.m_lon, m_ptWorldLocation.m_lat,
                 static_cast<long>(m_lQuantity), GetShapeName(m_lShape).c_str(), m_lSize,
                 m_Color.GetColorName().c_str(), m_strName.c_str());
}
