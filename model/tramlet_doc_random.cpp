// Add Random Facilities.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>

#include "framework/application/sable_win_app.h"
#include "framework/colours/shape.h"
#include "framework/exceptions/user_exception.h"
#include "framework/random/random.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// The number in a label: after its first character when that is a letter, else the whole label.
int LabelNumber(const std::string& label) {
    if (label.empty()) {
        return 0;
    }
    const char* digits =
        std::isalpha(static_cast<unsigned char>(label[0])) ? label.c_str() + 1 : label.c_str();
    return std::atoi(digits);
}

struct SRandomSymbol {
    int color;
    int shape;
};
constexpr SRandomSymbol kRandomSymbols[NUMBER_OF_FACILITY_TYPES] = {
    {COLOR_RED, SHAPE_CIRCLE},
    {COLOR_GREEN, SHAPE_TRIANGLE},
    {COLOR_BLUE, SHAPE_SQUARE},
};

} // namespace

SRandomFacilitiesRanges CTramletDoc::GetRandomFacilitiesRanges() const {
    SRandomFacilitiesRanges ranges;
    ranges.maxNumber[FT_CUSTOMER] = std::max(0, TRAMLET_MAX_FACILITIES_PER_TYPE - GetNumberOfCustomers());
    ranges.maxNumber[FT_SUPPLIER] = std::max(0, TRAMLET_MAX_FACILITIES_PER_TYPE - GetNumberOfSuppliers());
    ranges.maxNumber[FT_DEPOT] = std::max(0, 1 - GetNumberOfDepots());
    ranges.maxQuantity = GetVehicleCapacity();
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        ranges.proposed.number[type] = ranges.maxNumber[type];
    }
    ranges.proposed.maxQuantity[FT_CUSTOMER] = GetVehicleCapacity();
    ranges.proposed.maxQuantity[FT_SUPPLIER] = GetVehicleCapacity();
    ranges.proposed.seed = GetSeed();
    return ranges;
}

void CTramletDoc::DiscardFacility(CFacility* f) {
    int type = f->GetType();
    auto& facilities = m_facilities[type];
    auto it = std::find_if(facilities.begin(), facilities.end(), [f](const auto& g) { return g.get() == f; });
    if (it == facilities.end()) {
        return;
    }
    m_lTotalQuantity[type] -= f->GetQuantity();
    RemoveFacilityLabel(f);
    if (!IsImportingProject()) {
        m_lSpecifiedCount[type] -= 1;
    }
    facilities.erase(it);
}

bool CTramletDoc::CheckRandomFacilitiesRequest(const SRandomFacilitiesRequest& request) const {
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        if (request.number[type] > 0 && !CheckFacilityLimit(type, request.number[type])) {
            return false;
        }
    }
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        const int largest = request.maxQuantity[type];
        if (request.number[type] > 0 && (largest < 1 || largest > GetVehicleCapacity())) {
            DisplayErrorMessage(FormatString("Invalid maximum %s quantity %d outside range [%d, %d]",
                                             GetTypeName(type).c_str(), largest, 1, GetVehicleCapacity()),
                                false);
            return false;
        }
    }
    return true;
}

bool CTramletDoc::AddRandomFacilities(const SRandomFacilitiesRequest& request) {
    const long long requested = static_cast<long long>(request.number[FT_CUSTOMER]) +
                                request.number[FT_SUPPLIER] + request.number[FT_DEPOT];
    // A request the readers could not take back is refused before anything changes.
    if (!CheckRandomFacilitiesRequest(request)) {
        DisplayErrorMessage(FormatString("Unsuccessful in adding randomly %lld new facilities", requested),
                            false);
        return false;
    }
    SetStatusBits(DS_ADDING, true);
    if (request.seed != GetSeed()) {
        SetModifiedFlag(true);
        SetSeed(request.seed);
    }
    // The same seed gives the same facilities.
    setseed(request.seed);
    const CDistanceData savedDistances = m_DistanceData;
    std::vector<CFacility*> added;
    bool failed = false;
    try {
        const CLonLatRect limits = GetWorldLimits();
        const bool geographic = IsGeographic();
        for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            if (request.number[type] <= 0) {
                continue;
            }
            int largest = 0;
            for (const auto& f : m_facilities[type]) {
                largest = std::max(largest, LabelNumber(f->GetLabel()));
            }
            CPRGB color;
            color.SetColorIndex(kRandomSymbols[type].color);
            const std::string code = GetTypeCode(type);
            for (int k = largest + 1; k <= largest + request.number[type]; ++k) {
                int x = GetUniformInteger(limits.m_west, limits.m_east, false);
                int y = GetUniformInteger(limits.m_south, limits.m_north, false);
                CLonLatPoint world(x, y);
                if (geographic) {
                    world = CLonLatPoint(FracDegToDegMinSec(x / 10000.0), FracDegToDegMinSec(y / 10000.0));
                }
                auto f = std::make_unique<CFacility>(this, type, world, WorldToViewPoint(world), 0,
                                                     GetDefaultVertexSize(), kRandomSymbols[type].shape,
                                                     color, std::string(), std::string());
                if (type != FT_DEPOT) {
                    f->SetQuantity(GetUniformInteger(1, request.maxQuantity[type], false));
                }
                if (!f->SetLabel(code.substr(0, 1) + std::to_string(k))) {
                    ThrowUserException();
                }
                f->SetName(code + std::to_string(k));
                added.push_back(AddFacility(std::move(f), false));
            }
        }
        if (!added.empty()) {
            ResizeDistanceMatrix();
            ComputeAllDistances();
            SetModifiedFlag(true);
            RedrawAllViews();
        }
    } catch (const CUserException&) {
        failed = true;
    } catch (const std::invalid_argument&) {
        failed = true;
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    if (failed) {
        for (auto it = added.rbegin(); it != added.rend(); ++it) {
            DiscardFacility(*it);
        }
        RenumberFacilities();
        m_DistanceData = savedDistances;
        DisplayErrorMessage(FormatString("Unsuccessful in adding randomly %lld new facilities", requested),
                            false);
    }
    SetStatusBits(DS_ADDING, false);
    return !failed;
}
