#pragma once

#include <QDialog>
#include <memory>

class CFacility;
class CTramletDoc;
class QComboBox;
class QLineEdit;

// What the facility dialog does with its facility on OK.
enum class EFacilityDialogMode { add, edit, remove };

// The facility dialog: label, name, location (x/y, or longitude and latitude as degrees,
// minutes and seconds with a geographic projection), quantity, shape, colour and size of one
// facility. Every changed field is validated by CFacility::DecodeAttribute; a refusal keeps the
// dialog open with the faulty field selected. In remove mode the fields are read-only and OK
// deletes the facility.
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

    void accept() override;

private:
    void BuildForm();
    void FillFields();
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
    QComboBox* m_shape = nullptr;
    QComboBox* m_color = nullptr;
    // Accepted values, stored once every field has passed.
    std::string m_labelValue, m_nameValue;
    int m_xValue = 0, m_yValue = 0, m_quantityValue = 0, m_sizeValue = 0;
};
