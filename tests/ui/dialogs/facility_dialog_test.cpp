// The facility dialogs: refusals keep the dialog open on the faulty field, accepted values reach
// the document, delete and Add Random Facilities.

#include <QLineEdit>
#include <QSpinBox>

#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/facility/facility_dialog.h"
#include "ui/dialogs/facility/random_facilities_dialog.h"

namespace {

using FacilityDialogTest = UiFixture;

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
