#pragma once

#include <QDialog>
#include <memory>

class CFacility;
class CTramletDoc;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

// What the facility dialog does with its facility on OK.
enum class EFacilityDialogMode { add, edit, remove };

// The facility dialog: label, name, location (x/y, or longitude and latitude as degrees,
// minutes and seconds with a geographic projection), quantity, shape, colour and size of one
// facility. Every changed field is validated by CFacility::DecodeAttribute; a refusal keeps the
// dialog open with the faulty field selected. In remove mode the fields are read-only and OK
// deletes the facility. With a geographic projection and a road network the dialog also offers an
// address and Find, which fills the coordinate fields with the address's location.
class CFacilityDialog : public QDialog {
    Q_OBJECT
public:
    // Edit or remove an existing facility of the document.
    CFacilityDialog(CTramletDoc& document, CFacility* facility, EFacilityDialogMode mode,
                    QWidget* parent = nullptr);
    // Add a new facility of a type at a world location.
    CFacilityDialog(CTramletDoc& document, int type, int worldX, int worldY, QWidget* parent = nullptr);
    ~CFacilityDialog() override;

    QLineEdit* LabelEdit() const { return m_label; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* QuantityEdit() const { return m_quantity; }
    QLineEdit* SizeEdit() const { return m_size; }
    // x or longitude degrees (index 0), y or latitude degrees (index 1).
    QLineEdit* CoordinateEdit(int axis) const { return m_coordinate[axis][0]; }
    // The coordinate fields of an axis: degrees, minutes, seconds (geographic projection).
    QLineEdit* CoordinatePartEdit(int axis, int part) const { return m_coordinate[axis][part]; }
    // The address fields (street, city, state or region, postal code, country) and Find; null
    // unless a road network is available and the projection is geographic.
    QLineEdit* AddressEdit(int field) const { return m_address[field]; }
    QPushButton* FindButton() const { return m_find; }
    // Find: looks the address up and fills the coordinate fields with its location.
    void FindAddress();

    void accept() override;

private:
    void BuildForm();
    void FillFields();
    // Adds the address fields and Find to the form.
    void BuildAddressFields(QFormLayout* form);
    // Shows a packed location in the coordinate fields.
    void ShowLocation(int x, int y);
    // Packs the coordinate fields of an axis as entered text ("x" or DDDMMSS).
    QString CoordinateText(int axis) const;
    // Validates the changed fields in order; false (field selected) on the first refusal.
    bool ValidateFields();
    void StoreFields();

    CTramletDoc& m_document;
    CFacility* m_facility;
    std::unique_ptr<CFacility> m_new;
    EFacilityDialogMode m_mode;
    bool m_geographic;
    QLineEdit* m_label = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_coordinate[2][3] = {};
    QLineEdit* m_address[5] = {};
    QPushButton* m_find = nullptr;
    QComboBox* m_shape = nullptr;
    QComboBox* m_color = nullptr;
    // Accepted values, stored once every field has passed.
    std::string m_labelValue, m_nameValue;
    int m_xValue = 0, m_yValue = 0, m_quantityValue = 0, m_sizeValue = 0;
};
