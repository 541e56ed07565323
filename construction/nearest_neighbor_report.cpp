#include "construction/nearest_neighbor_report.h"

#include "construction/construction_strings.h"
#include "framework/strings/format.h"
#include "model/facility.h"
#include "model/route.h"

namespace {

SStatusField IntegerField(unsigned id, int value) {
    std::string format = LoadConstructionString(id);
    return MakeStatusField(format, FormatString(format.c_str(), value));
}

SStatusField RealField(unsigned id, double value) {
    std::string format = LoadConstructionString(id);
    return MakeStatusField(format, FormatString(format.c_str(), value));
}

SStatusField TextField(unsigned id, const std::string& value) {
    std::string format = LoadConstructionString(id);
    return MakeStatusField(format, FormatString(format.c_str(), value.c_str()));
}

std::string TypeName(const CFacility* f) {
    return f != nullptr ? f->GetTypeName() : std::string();
}

std::string Label(const CFacility* f) {
    return f != nullptr ? f->GetLabel() : std::string();
}

} // namespace

void CReportAddFacility::Clear() {
    *this = CReportAddFacility();
}

void CReportAddFacility::SetCapacities(const CRoute& route) {
    m_lLinehaulCapacity = route.GetResidualCapacity(FT_CUSTOMER);
    m_lBackhaulCapacity = route.GetResidualCapacity(FT_SUPPLIER);
}

std::vector<SStatusField> CReportAddFacility::GetFields() const {
    return {
        IntegerField(IDS_ADD_NUMBER_OF_FACILITIES, m_lCount),
        TextField(IDS_ADD_APPEND_FACILITY_TYPE, TypeName(m_pFacility[ADD_APPENDED])),
        TextField(IDS_ADD_APPEND_FACILITY, Label(m_pFacility[ADD_APPENDED])),
        TextField(IDS_ADD_ANCHOR_FACILITY_TYPE, TypeName(m_pFacility[ADD_ANCHOR])),
        TextField(IDS_ADD_ANCHOR_FACILITY, Label(m_pFacility[ADD_ANCHOR])),
        IntegerField(IDS_ADD_LINEHAUL_CAPACITY, m_lLinehaulCapacity),
        IntegerField(IDS_ADD_BACKHAUL_CAPACITY, m_lBackhaulCapacity),
        RealField(IDS_ADD_APPEND_DISTANCE, m_dAppendDistance),
        RealField(IDS_ADD_TOTAL_DISTANCE, m_dTotalDistance),
    };
}

void CReportAddFacility::Show() const {
    GetUserInterface().ShowStatusWindow(GetTitle(), GetFields());
}

void CReportAddFacility::Close() const {
    GetUserInterface().CloseStatusWindow(GetTitle());
}
