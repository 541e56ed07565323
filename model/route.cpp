#include "model/route.h"

#include <cctype>
#include <cfloat>
#include <iterator>
#include <strings.h>

#include "framework/strings/format.h"
#include "model/model_strings.h"
#include "model/tramlet_doc.h"

namespace {

constexpr int kLabelWidth = FACILITY_MAX_LABEL_LENGTH;
constexpr int kLabelsPerLine = 15;

bool IsLabelCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

// ---- construction ----

CRoute::CRoute() : CRoute(CTramletDoc::GetActiveDocument()) {}

CRoute::CRoute(CTramletDoc* document) : m_pDocument(document) {
    m_Color.SetColorIndex(COLOR_BLUE);
}

CRoute::CRoute(const CRoute& other) = default;
CRoute& CRoute::operator=(const CRoute& other) = default;
CRoute::~CRoute() = default;

int CRoute::GetCapacity() const {
    CTramletDoc* document = m_pDocument;
    return document != nullptr ? document->GetVehicleCapacity() : 0;
}

void CRoute::WidenBoundingRect(const CIntRect& rect) {
    m_rcBounding = UnionRect(m_rcBounding, rect);
}

int CRoute::GetResidualCapacity(int type) const {
    return GetCapacity() - m_lQuantity[type];
}

void CRoute::GetQuantities(int out[NUMBER_OF_FACILITY_TYPES]) const {
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        out[type] = 0;
    }
    for (const CFacility* f : m_listFacilities) {
        int type = f->GetType();
        if (type >= 0 && type < NUMBER_OF_FACILITY_TYPES) {
            out[type] += f->GetQuantity();
        }
    }
}

// ---- positions and iteration ----

CRoute::POSITION CRoute::GetTailPosition() {
    return m_listFacilities.empty() ? m_listFacilities.end() : std::prev(m_listFacilities.end());
}

CRoute::POSITION CRoute::Find(const CFacility* f) {
    for (auto it = m_listFacilities.begin(); it != m_listFacilities.end(); ++it) {
        if (*it == f) {
            return it;
        }
    }
    return m_listFacilities.end();
}

bool CRoute::Contains(const CFacility* f) const {
    for (const CFacility* g : m_listFacilities) {
        if (g == f) {
            return true;
        }
    }
    return false;
}

CFacility* CRoute::GetFirst(POSITION& position) {
    position = m_listFacilities.begin();
    return GetNext(position);
}

CFacility* CRoute::GetNext(POSITION& position) {
    if (position == m_listFacilities.end()) {
        return nullptr;
    }
    CFacility* f = *position;
    ++position;
    return f;
}

CFacility* CRoute::GetLast(POSITION& position) {
    position = GetTailPosition();
    return GetPrevious(position);
}

CFacility* CRoute::GetPrevious(POSITION& position) {
    if (position == m_listFacilities.end()) {
        return nullptr;
    }
    CFacility* f = *position;
    if (position == m_listFacilities.begin()) {
        position = m_listFacilities.end();
    } else {
        --position;
    }
    return f;
}

CFacility* CRoute::GetPredecessor(const CFacility* f) const {
    const CFacility* previous = nullptr;
    for (const CFacility* g : m_listFacilities) {
        if (g == f) {
            return const_cast<CFacility*>(previous);
        }
        previous = g;
    }
    return nullptr;
}

// ---- adding and removing ----

void CRoute::CountIn(CFacility* f, bool setRoute) {
    int type = f->GetType();
    if (type >= 0 && type < NUMBER_OF_FACILITY_TYPES) {
        m_lCount[type] += 1;
        m_lQuantity[type] += f->GetQuantity();
    }
    if (setRoute) {
        f->SetRoute(this);
    }
    WidenBoundingRect(f->GetSymbolRect());
}

void CRoute::CountOut(CFacility* f, bool clearRoute) {
    int type = f->GetType();
    if (type >= 0 && type < NUMBER_OF_FACILITY_TYPES) {
        m_lCount[type] -= 1;
        m_lQuantity[type] -= f->GetQuantity();
    }
    if (clearRoute) {
        f->SetRoute(nullptr);
    }
}

CRoute::POSITION CRoute::AddFacility(CFacility* f, bool setRoute) {
    POSITION position = m_listFacilities.insert(m_listFacilities.end(), f);
    CountIn(f, setRoute);
    return position;
}

CRoute::POSITION CRoute::InsertBefore(CFacility* f, POSITION position, bool setRoute) {
    if (position == m_listFacilities.end()) {
        position = m_listFacilities.begin();
    }
    POSITION inserted = m_listFacilities.insert(position, f);
    CountIn(f, setRoute);
    return inserted;
}

CRoute::POSITION CRoute::InsertAfter(CFacility* f, POSITION position, bool setRoute) {
    POSITION next = position == m_listFacilities.end() ? position : std::next(position);
    POSITION inserted = m_listFacilities.insert(next, f);
    CountIn(f, setRoute);
    return inserted;
}

CRoute::POSITION CRoute::InsertAfterFacility(CFacility* f, const CFacility* g, bool setRoute) {
    return InsertAfter(f, Find(g), setRoute);
}

void CRoute::RemoveFacility(CFacility* f, POSITION position, bool clearRoute) {
    if (position == m_listFacilities.end()) {
        return;
    }
    m_listFacilities.erase(position);
    CountOut(f, clearRoute);
}

bool CRoute::RemoveFacility(CFacility* f, bool clearRoute) {
    POSITION position = Find(f);
    if (position == m_listFacilities.end()) {
        return false;
    }
    RemoveFacility(f, position, clearRoute);
    return true;
}

CRoute::POSITION CRoute::MoveBefore(CFacility* f, POSITION fromPosition, POSITION toPosition) {
    if (fromPosition == toPosition) {
        return fromPosition;
    }
    POSITION target = toPosition == m_listFacilities.end() ? m_listFacilities.begin() : toPosition;
    m_listFacilities.splice(target, m_listFacilities, fromPosition);
    (void)f;
    return fromPosition;
}

CRoute::POSITION CRoute::MoveAfter(CFacility* f, POSITION fromPosition, POSITION toPosition) {
    if (fromPosition == toPosition) {
        return fromPosition;
    }
    POSITION target = toPosition == m_listFacilities.end() ? toPosition : std::next(toPosition);
    if (target != fromPosition) {
        m_listFacilities.splice(target, m_listFacilities, fromPosition);
    }
    (void)f;
    return fromPosition;
}

void CRoute::MoveChainAfter(POSITION fromPosition, const CFacility* last, POSITION targetPosition) {
    POSITION position = fromPosition;
    while (position != m_listFacilities.end() && *position != last && position != targetPosition) {
        CFacility* f = *position;
        POSITION next = std::next(position);
        bool routed = !f->IsDepot();
        RemoveFacility(f, position, routed);
        InsertAfter(f, targetPosition, routed);
        position = next;
    }
}

void CRoute::Clear() {
    for (CFacility* f : m_listFacilities) {
        f->SetRoute(nullptr);
    }
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        m_lCount[type] = 0;
        m_lQuantity[type] = 0;
    }
    m_rcBounding = CIntRect{};
    m_listFacilities.clear();
}

// ---- distance and insertion ----

double CRoute::ComputeDistance() {
    double distance = 0.0;
    CTramletDoc* document = m_pDocument;
    if (document != nullptr && m_listFacilities.size() >= 2) {
        auto previous = m_listFacilities.begin();
        for (auto it = std::next(previous); it != m_listFacilities.end(); previous = it, ++it) {
            distance += document->GetDistance((*previous)->GetIndex(), (*it)->GetIndex());
        }
    }
    m_dDistance = distance;
    return distance;
}

void CRoute::FindBestInsertion(const CFacility* f, CFacility*& predecessor, CFacility*& successor,
                               double& cost) const {
    cost = DBL_MAX;
    predecessor = nullptr;
    successor = nullptr;
    int type = f->GetType();
    if (type != FT_CUSTOMER && type != FT_SUPPLIER) {
        return;
    }
    if (static_cast<long long>(m_lQuantity[type]) + f->GetQuantity() > GetCapacity() ||
        m_listFacilities.size() < 2) {
        return;
    }
    CTramletDoc* document = m_pDocument;
    if (document == nullptr) {
        return;
    }
    int k = f->GetIndex();
    auto previous = m_listFacilities.begin();
    for (auto it = std::next(previous); it != m_listFacilities.end(); previous = it, ++it) {
        CFacility* p = *previous;
        CFacility* s = *it;
        if (type == FT_CUSTOMER) {
            if (p->IsSupplier()) {
                break;
            }
        } else if (!s->IsSupplier() && !s->IsDepot()) {
            continue;
        }
        int i = p->GetIndex();
        int j = s->GetIndex();
        double insertion =
            document->GetDistance(i, k) + document->GetDistance(k, j) - document->GetDistance(i, j);
        if (insertion < cost) {
            cost = insertion;
            predecessor = p;
            successor = s;
        }
    }
}

// ---- text ----

void CRoute::WriteReport(std::FILE* file) const {
    std::fprintf(
        file,
        "Route = %*s: distance = %12.3lf, # customers = %5ld, total demand = %12ld, # suppliers = %5ld, "
        "total supply %12ld\nFacilities:\n",
        kLabelWidth, m_strLabel.c_str(), m_dDistance, static_cast<long>(m_lCount[FT_CUSTOMER]),
        static_cast<long>(m_lQuantity[FT_CUSTOMER]), static_cast<long>(m_lCount[FT_SUPPLIER]),
        static_cast<long>(m_lQuantity[FT_SUPPLIER]));
    int written = 0;
    int total = static_cast<int>(m_listFacilities.size());
    for (const CFacility* f : m_listFacilities) {
        ++written;
        if (written == total) {
            std::fprintf(file, "%*s\n", kLabelWidth, f->GetLabel().c_str());
            break;
        }
        std::fprintf(file, "%*s  ", kLabelWidth, f->GetLabel().c_str());
        if (written % kLabelsPerLine == 0) {
            std::fputc('\n', file);
        }
    }
}

void CRoute::WriteDataLines(std::FILE* file) const {
    std::fprintf(file, "%5d\t%5d\t%s\n", m_lCount[FT_CUSTOMER], m_lCount[FT_SUPPLIER],
                 m_Color.GetColorName().c_str());
    for (const CFacility* f : m_listFacilities) {
        std::fprintf(file, "%12s\t%4s\n", f->GetTypeName().c_str(), f->GetLabel().c_str());
    }
}

// ---- validation ----

bool CRoute::ReportInvalid(const std::string& message, const char* dataLine) const {
    ReportModelError(message, dataLine);
    return false;
}

bool CRoute::DecodeAttribute(int attribute, const std::string& text, int& out, const char* dataLine) const {
    CTramletDoc* document = m_pDocument;
    const char* label = m_strLabel.c_str();
    switch (attribute) {
    case RA_CUSTOMER_COUNT:
    case RA_SUPPLIER_COUNT: {
        int type = attribute == RA_CUSTOMER_COUNT ? FT_CUSTOMER : FT_SUPPLIER;
        int available = document != nullptr ? document->GetNumberOfFacilities(type) : 0;
        int value = 0;
        if (!ParseWholeNumber(text, value) || value < 0 || value > available) {
            return ReportInvalid(
                FormatString("Invalid number of %s facilities %s out of range [%d, %d] on route %s",
                             GetFacilityTypeName(type).c_str(), text.c_str(), 0, available, label),
                dataLine);
        }
        out = value;
        return true;
    }
    case RA_COLOR: {
        CPRGB color(DecodeColor(text));
        int index = color.UseRGBColor() ? -1 : color.GetColorIndex();
        if (color.GetColorWord() == INVALID_COLOR_VALUE || index < ROUTE_MIN_COLOR_INDEX ||
            index > ROUTE_MAX_COLOR_INDEX) {
            return ReportInvalid(FormatString("Invalid color %s for route %s", text.c_str(), label),
                                 dataLine);
        }
        out = static_cast<int>(color.GetColorWord());
        return true;
    }
    case RA_FACILITY_TYPE: {
        for (int type = FT_CUSTOMER; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            if (strcasecmp(text.c_str(), GetFacilityTypeName(type).c_str()) == 0) {
                out = type;
                return true;
            }
        }
        return ReportInvalid(FormatString("Invalid facility type %s on route %s", text.c_str(), label),
                             dataLine);
    }
    default:
        break;
    }
    return ReportInvalid(
        FormatString("Internal error: unknown scalar data item with value \"%s\" to validate", text.c_str()),
        dataLine);
}

bool CRoute::DecodeLabel(const std::string& text, std::string& out, const char* dataLine) const {
    const std::string typeName = GetFacilityTypeName(FT_ROUTE);
    if (text.empty()) {
        return ReportInvalid(FormatString("Invalid empty (null) %s label", typeName.c_str()), dataLine);
    }
    int length = static_cast<int>(text.size());
    if (length > FACILITY_MAX_LABEL_LENGTH) {
        return ReportInvalid(FormatString("Invalid %s label \"%s\" with length %d outside range [1, %d]",
                                          typeName.c_str(), text.c_str(), length, FACILITY_MAX_LABEL_LENGTH),
                             dataLine);
    }
    for (char c : text) {
        if (!IsLabelCharacter(c)) {
            return ReportInvalid(FormatString("Invalid character \"%c\" in %s label \"%s\"", c,
                                              typeName.c_str(), text.c_str()),
                                 dataLine);
        }
    }
    CTramletDoc* document = m_pDocument;
    if (document != nullptr) {
        CRoute* holder = document->FindRouteByLabel(text);
        if (holder != nullptr && holder != this) {
            return ReportInvalid(
                FormatString("Invalid duplicate %s label %s", typeName.c_str(), text.c_str()), dataLine);
        }
    }
    out = text;
    return true;
}

bool CRoute::DecodeFacilityReference(int attribute, const std::string& text, CFacility*& out,
                                     const char* dataLine) const {
    if (attribute < RA_CUSTOMER_LABEL || attribute > RA_DEPOT_LABEL) {
        return ReportInvalid(
            FormatString("Internal error: unknown scalar data item with value \"%s\" to validate",
                         text.c_str()),
            dataLine);
    }
    int type = attribute - RA_CUSTOMER_LABEL;
    CTramletDoc* document = m_pDocument;
    CFacility* f = document != nullptr ? document->FindFacilityByLabel(type, text) : nullptr;
    if (f == nullptr) {
        return ReportInvalid(FormatString("Invalid %s label %s or label not found on route %s",
                                          GetFacilityTypeName(type).c_str(), text.c_str(),
                                          m_strLabel.c_str()),
                             dataLine);
    }
    out = f;
    return true;
}

// ---- reading data lines ----

bool CRoute::DecodeDataHeader(const std::vector<std::string>& items, const std::string& dataLine) {
    if (static_cast<int>(items.size()) < ROUTE_HEADER_ITEMS) {
        return false;
    }
    const char* line = dataLine.c_str();
    int value = 0;
    if (!DecodeAttribute(RA_CUSTOMER_COUNT, items[0], value, line)) {
        return false;
    }
    m_lSpecifiedCount[FT_CUSTOMER] = value;
    if (!DecodeAttribute(RA_SUPPLIER_COUNT, items[1], value, line)) {
        return false;
    }
    m_lSpecifiedCount[FT_SUPPLIER] = value;
    if (!DecodeAttribute(RA_COLOR, items[2], value, line)) {
        return false;
    }
    m_Color.SetColorWord(static_cast<std::uint32_t>(value));
    return true;
}

bool CRoute::AddDataEntry(const std::vector<std::string>& items, const std::string& dataLine, bool& closed) {
    closed = false;
    if (static_cast<int>(items.size()) < ROUTE_ENTRY_ITEMS) {
        return false;
    }
    const char* line = dataLine.c_str();
    int type = 0;
    if (!DecodeAttribute(RA_FACILITY_TYPE, items[0], type, line)) {
        return false;
    }
    CFacility* f = nullptr;
    if (!DecodeFacilityReference(RA_CUSTOMER_LABEL + type, items[1], f, line)) {
        return false;
    }
    const std::string typeName = f->GetTypeName();
    if (!f->IsDepot()) {
        if (f->GetRoute() != nullptr) {
            return ReportInvalid(FormatString("Duplicate route assignment for %s %s to routes %s and %s",
                                              typeName.c_str(), f->GetLabel().c_str(),
                                              f->GetRoute()->GetLabel().c_str(), m_strLabel.c_str()),
                                 line);
        }
        if (m_lCount[FT_DEPOT] == 0) {
            return ReportInvalid(
                FormatString("Invalid %s %s first facility in route before depot facility on "
                             "route %s",
                             typeName.c_str(), f->GetLabel().c_str(), m_strLabel.c_str()),
                line);
        }
        if (f->IsCustomer() && m_lCount[FT_SUPPLIER] > 0) {
            return ReportInvalid(FormatString("Invalid %s %s after %s on route %s", typeName.c_str(),
                                              f->GetLabel().c_str(), GetFacilityTypeName(FT_SUPPLIER).c_str(),
                                              m_strLabel.c_str()),
                                 line);
        }
        AddFacility(f, true);
        return true;
    }
    AddFacility(f, false);
    closed = m_lCount[FT_DEPOT] >= 2;
    return true;
}

bool CRoute::FinishDataLines(const std::string& dataLine) {
    const char* line = dataLine.c_str();
    int capacity = GetCapacity();
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        const std::string typeName = GetFacilityTypeName(type);
        if (m_lCount[type] != m_lSpecifiedCount[type]) {
            return ReportInvalid(
                FormatString("Invalid number of %s data records specified %d <> %d number of %s "
                             "data records read on route %s",
                             typeName.c_str(), m_lSpecifiedCount[type], m_lCount[type], typeName.c_str(),
                             m_strLabel.c_str()),
                line);
        }
        if (m_lQuantity[type] > capacity) {
            return ReportInvalid(FormatString("Invalid total %s quantity %d out of range [0, %d] on route %s",
                                              typeName.c_str(), m_lQuantity[type], capacity,
                                              m_strLabel.c_str()),
                                 line);
        }
    }
    const CFacility* origin = m_listFacilities.empty() ? nullptr : m_listFacilities.front();
    const CFacility* destination = m_listFacilities.empty() ? nullptr : m_listFacilities.back();
    if (origin != destination || origin == nullptr) {
        return ReportInvalid(FormatString("Different origin %s and destination %s %s facilities on route %s",
                                          origin != nullptr ? origin->GetLabel().c_str() : "",
                                          destination != nullptr ? destination->GetLabel().c_str() : "",
                                          GetFacilityTypeName(FT_DEPOT).c_str(), m_strLabel.c_str()),
                             line);
    }
    return true;
}
