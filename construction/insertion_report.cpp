#include "construction/insertion_report.h"

#include "construction/construction_strings.h"
#include "framework/strings/format.h"
#include "model/facility.h"
#include "model/route.h"

namespace {

template <class T> SStatusField Field(unsigned id, T value) {
    std::string format = LoadConstructionString(id);
    return MakeStatusField(format, FormatString(format.c_str(), value));
}

SStatusField TextField(unsigned id, const std::string& value) {
    return Field(id, value.c_str());
}

std::string TypeName(const CFacility* f) {
    return f != nullptr ? f->GetTypeName() : std::string();
}

std::string Label(const CFacility* f) {
    return f != nullptr ? f->GetLabel() : std::string();
}

} // namespace

void CReportInsertFacility::Clear() {
    *this = CReportInsertFacility();
}

void CReportInsertFacility::SetCapacities(const CRoute& route) {
    m_lLinehaulCapacity = route.GetResidualCapacity(FT_CUSTOMER);
    m_lBackhaulCapacity = route.GetResidualCapacity(FT_SUPPLIER);
}

std::vector<SStatusField> CReportInsertFacility::GetFields() const {
    return {
        Field(IDS_INSERT_NUMBER_OF_INSERTIONS, m_lCount),
        TextField(IDS_INSERT_FACILITY_TYPE, TypeName(m_pFacility[INSERT_FACILITY])),
        TextField(IDS_INSERT_FACILITY_LABEL, Label(m_pFacility[INSERT_FACILITY])),
        TextField(IDS_INSERT_PREDECESSOR_TYPE, TypeName(m_pFacility[INSERT_PREDECESSOR])),
        TextField(IDS_INSERT_PREDECESSOR_LABEL, Label(m_pFacility[INSERT_PREDECESSOR])),
        TextField(IDS_INSERT_SUCCESSOR_TYPE, TypeName(m_pFacility[INSERT_SUCCESSOR])),
        TextField(IDS_INSERT_SUCCESSOR_LABEL, Label(m_pFacility[INSERT_SUCCESSOR])),
        Field(IDS_ADD_LINEHAUL_CAPACITY, m_lLinehaulCapacity),
        Field(IDS_ADD_BACKHAUL_CAPACITY, m_lBackhaulCapacity),
        Field(IDS_INSERT_PENALTY, m_dInsertionPenalty),
        Field(IDS_ADD_TOTAL_DISTANCE, m_dTotalDistance),
    };
}

void CReportInsertFacility::Show() const {
    GetUserInterface().ShowStatusWindow(GetTitle(), GetFields());
}

void CReportInsertFacility::Close() const {
    GetUserInterface().CloseStatusWindow(GetTitle());
}
