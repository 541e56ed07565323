// The facility dialogs: refusals keep the dialog open on the faulty field, accepted values reach
// the document, delete and Add Random Facilities.

#include <QLineEdit>
#include <QSpinBox>

#include <QPushButton>
#include <optional>

#include "model/distances/road_network.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/facility/facility_dialog.h"
#include "ui/dialogs/facility/random_facilities_dialog.h"

namespace {

using FacilityDialogTest = UiFixture;

// A road network that finds one address, in Lisbon.
class CLisbonNetwork : public CRoadNetworkProvider {
public:
    void Start() override {}
    void Quit() noexcept override {}
    double GetRoadDistance(const SGeoPosition&, const SGeoPosition&,
                           const CMapPointRoutePreferences&) override {
        return 1.0;
    }
    std::optional<SGeoPosition> FindAddress(const SPostalAddress& address) override {
        return address.city == "Lisbon" ? std::optional<SGeoPosition>(SGeoPosition{38.7167, -9.1333})
                                        : std::nullopt;
    }
};

TEST_F(FacilityDialogTest, RefusedLabelAndQuantityKeepTheDialogOpenWithTheOtherFields) {
    NewRandomProject(3, 2, 1);
    CFacility* c1 = Document().GetFacility(FT_CUSTOMER, 0);
    const int quantity = c1->GetQuantity();
    CFacilityDialog dialog(Document(), c1, EFacilityDialogMode::edit);
    dialog.show();
    dialog.NameEdit()->setText("harbour");
    dialog.LabelEdit()->setText("abcdefgh");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.LabelEdit()->hasSelectedText());
    dialog.LabelEdit()->setText("quay");
    dialog.QuantityEdit()->setText("-5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.NameEdit()->text(), "harbour");
    EXPECT_EQ(c1->GetLabel(), "c1");
    const int capacity = Document().GetVehicleCapacity();
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid Customer label \"abcdefgh\" with length 8 outside range [1, 7]",
                              "Invalid quantity -5 for Customer c1 outside range [0, " +
                                  std::to_string(capacity) + "]"}));

    const int total = Document().GetTotalQuantity(FT_CUSTOMER);
    dialog.QuantityEdit()->setText(QString::number(quantity + 1));
    dialog.CoordinateEdit(0)->setText("17");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(c1->GetLabel(), "quay");
    EXPECT_EQ(c1->GetName(), "harbour");
    EXPECT_EQ(c1->GetWorldLocation().x(), 17);
    EXPECT_EQ(Document().GetTotalQuantity(FT_CUSTOMER), total + 1);
    EXPECT_EQ(Document().FindFacilityByLabel(FT_CUSTOMER, "quay"), c1);
}

TEST_F(FacilityDialogTest, AddGrowsTheMatrixAndDeleteShrinksIt) {
    NewRandomProject(3, 2, 1);
    CFacilityDialog add(Document(), FT_SUPPLIER, 40, 50);
    add.QuantityEdit()->setText("3");
    add.accept();
    ASSERT_EQ(add.result(), QDialog::Accepted);
    ASSERT_EQ(Document().GetTotalNumberOfFacilities(), 7);
    CFacility* added = Document().GetFacility(FT_SUPPLIER, 2);
    EXPECT_EQ(added->GetQuantity(), 3);
    EXPECT_EQ(added->GetLabel(), "6"); // an empty label becomes the project number + 1
    EXPECT_EQ(Document().GetDistanceData().GetNumberFacilities(), 7);

    CFacilityDialog remove(Document(), added, EFacilityDialogMode::remove);
    remove.accept();
    EXPECT_EQ(Document().GetTotalNumberOfFacilities(), 6);
    EXPECT_EQ(Document().GetDistanceData().GetNumberFacilities(), 6);
}

TEST_F(FacilityDialogTest, FindFillsTheDegreesOfTheAddressFromTheRoadNetwork) {
    CLisbonNetwork network;
    ASSERT_TRUE(SetRoadNetworkProvider(&network));
    struct SUninstall {
        ~SUninstall() { SetRoadNetworkProvider(nullptr); }
    } uninstall;
    auto document = std::make_unique<CTramletDoc>();
    document->MakeActive();
    document->OnNewDocument(CLonLatRect(-100000, 350000, 300000, 600000), MP_MERCATOR);
    frame->InstallDocument(std::move(document));
    CFacilityDialog dialog(Document(), FT_DEPOT, 0, 400000);
    ASSERT_NE(dialog.FindButton(), nullptr);
    dialog.FindButton()->click();
    dialog.AddressEdit(1)->setText("Porto");
    dialog.FindButton()->click();
    dialog.AddressEdit(2)->setText("Norte");
    dialog.FindButton()->click();
    dialog.AddressEdit(1)->setText("Lisbon");
    dialog.FindButton()->click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Geocoding requires a valid city",
                                                    "Geocoding requires a valid state or region",
                                                    "No location found for this address"}));
    // -9.1333 is 9 deg 7 min 59.88 sec west: the seconds round up into the minutes.
    const char* expected[2][3] = {{"-9", "8", "0"}, {"38", "43", "0"}};
    for (int axis = 0; axis < 2; ++axis) {
        for (int part = 0; part < 3; ++part) {
            EXPECT_EQ(dialog.CoordinatePartEdit(axis, part)->text(), expected[axis][part]);
        }
    }
    dialog.accept();
    ASSERT_EQ(Document().GetNumberOfDepots(), 1);
    EXPECT_EQ(Document().GetFacility(FT_DEPOT, 0)->GetWorldLocation(), CLonLatPoint(-90800, 384300));

    // Half a degree west keeps its sign on the degrees "-0" through an unchanged OK.
    CFacilityDialog west(Document(), FT_CUSTOMER, -3000, 400000);
    EXPECT_EQ(west.CoordinatePartEdit(0, 0)->text(), "-0");
    west.accept();
    EXPECT_EQ(Document().GetFacility(FT_CUSTOMER, 0)->GetWorldLocation().x(), -3000);
}

TEST_F(FacilityDialogTest, AddRandomFacilitiesOffersTheDocumentRangesAndAddsTheRequest) {
    NewRandomProject(3, 0, 1);
    CRandomFacilitiesDialog dialog(Document());
    EXPECT_EQ(dialog.Field(2)->maximum(), 0); // one depot at most
    EXPECT_EQ(dialog.Field(4)->maximum(), Document().GetVehicleCapacity());
    dialog.Field(0)->setValue(2);
    dialog.Field(1)->setValue(4);
    dialog.accept();
    EXPECT_EQ(Document().GetNumberOfCustomers(), 5);
    EXPECT_EQ(Document().GetNumberOfSuppliers(), 4);
    EXPECT_EQ(Document().GetFacility(FT_CUSTOMER, 3)->GetLabel(), "c4");
}

} // namespace
