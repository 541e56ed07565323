// The facility dialog: add, edit and delete one facility.

#include "ui/dialogs/facility/facility_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "framework/exceptions/user_exception.h"
#include "model/distances/road_network.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"

namespace {

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

std::string ToLocal(const QString& text) {
    return text.trimmed().toLocal8Bit().toStdString();
}

// Selects the whole text of a refused field and gives it the focus.
bool SelectField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    return false;
}

// The symbol of a new facility of a type: red circle, green triangle, blue square.
void SetTypeSymbol(CFacility& f) {
    static const int colors[NUMBER_OF_FACILITY_TYPES] = {4, 2, 1};
    static const int shapes[NUMBER_OF_FACILITY_TYPES] = {SHAPE_CIRCLE, SHAPE_TRIANGLE, SHAPE_SQUARE};
    int type = f.GetType();
    CPRGB color;
    color.SetColorIndex(colors[type]);
    f.SetColor(color);
    f.SetShape(shapes[type]);
}

} // namespace

CFacilityDialog::CFacilityDialog(CTramletDoc& document, CFacility* facility, EFacilityDialogMode mode,
                                 QWidget* parent)
    : QDialog(parent), m_document(document), m_facility(facility), m_mode(mode),
      m_geographic(document.IsGeographicProjection()) {
    const char* verb = mode == EFacilityDialogMode::remove ? "Delete " : "Edit ";
    setWindowTitle(verb + FromLocal(facility->GetTypeName()) + " " + FromLocal(facility->GetLabel()));
    BuildForm();
    FillFields();
}

CFacilityDialog::CFacilityDialog(CTramletDoc& document, int type, int worldX, int worldY, QWidget* parent)
    : QDialog(parent), m_document(document), m_new(std::make_unique<CFacility>(&document, type)),
      m_mode(EFacilityDialogMode::add), m_geographic(document.IsGeographicProjection()) {
    m_facility = m_new.get();
    m_facility->SetWorldLocationOnly(CLonLatPoint(worldX, worldY));
    m_facility->SetSize(document.GetDefaultVertexSize());
    SetTypeSymbol(*m_facility);
    setWindowTitle("Add " + FromLocal(m_facility->GetTypeName()));
    BuildForm();
    FillFields();
}

CFacilityDialog::~CFacilityDialog() = default;

// Lays out the fields: one line per attribute, three fields per coordinate when geographic.
void CFacilityDialog::BuildForm() {
    auto* form = new QFormLayout;
    m_label = new QLineEdit;
    m_name = new QLineEdit;
    m_quantity = new QLineEdit;
    m_size = new QLineEdit;
    m_shape = new QComboBox;
    m_color = new QComboBox;
    form->addRow("&Label:", m_label);
    form->addRow("&Name:", m_name);
    const char* axisNames[2][2] = {{"&X:", "L&ongitude (deg min sec):"}, {"&Y:", "L&atitude (deg min sec):"}};
    for (int axis = 0; axis < 2; ++axis) {
        auto* row = new QHBoxLayout;
        for (int part = 0; part < (m_geographic ? 3 : 1); ++part) {
            m_coordinate[axis][part] = new QLineEdit;
            row->addWidget(m_coordinate[axis][part]);
        }
        auto* caption = new QLabel(axisNames[axis][m_geographic ? 1 : 0]);
        caption->setBuddy(m_coordinate[axis][0]);
        form->addRow(caption, row);
    }
    if (IsAddressLookupOffered(m_geographic) && m_mode != EFacilityDialogMode::remove) {
        BuildAddressFields(form);
    }
    form->addRow("&Quantity:", m_quantity);
    form->addRow("S&hape:", m_shape);
    form->addRow("&Colour:", m_color);
    form->addRow("Si&ze:", m_size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    if (m_mode == EFacilityDialogMode::remove) {
        buttons->button(QDialogButtonBox::Ok)->setText("&Delete");
        for (QLineEdit* field : findChildren<QLineEdit*>()) {
            field->setReadOnly(true);
        }
        m_shape->setEnabled(false);
        m_color->setEnabled(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);
    setMinimumWidth(320);
}

// Shows the facility's current values; the coordinates split into degrees, minutes, seconds.
void CFacilityDialog::FillFields() {
    const CFacility& f = *m_facility;
    m_label->setText(FromLocal(f.GetLabel()));
    m_name->setText(FromLocal(f.GetName()));
    m_quantity->setText(QString::number(f.GetQuantity()));
    m_size->setText(QString::number(f.GetSize()));
    ShowLocation(f.GetWorldLocation().x(), f.GetWorldLocation().y());
    for (int shape = 0; shape < NUMBER_OF_SHAPES; ++shape) {
        m_shape->addItem(FromLocal(GetShapeName(shape)));
    }
    m_shape->setCurrentIndex(f.GetShape() >= 0 && f.GetShape() < NUMBER_OF_SHAPES ? f.GetShape() : 0);
    for (int color = 0; color < NUMBER_OF_COLORS; ++color) {
        m_color->addItem(FromLocal(GetPaletteColorName(color)));
    }
    int index = f.GetColor().GetColorIndex();
    if (index < 0) {
        // An RGB colour outside the palette stays as it is unless another entry is chosen.
        m_color->addItem(FromLocal(f.GetColor().GetColorName()));
        index = NUMBER_OF_COLORS;
    }
    m_color->setCurrentIndex(index);
}

void CFacilityDialog::ShowLocation(int x, int y) {
    const int values[2] = {x, y};
    for (int axis = 0; axis < 2; ++axis) {
        if (!m_geographic) {
            m_coordinate[axis][0]->setText(QString::number(values[axis]));
            continue;
        }
        // The sign stands on the degrees, also when they are 0 ("-0" for 0 deg 30 min west).
        int packed = values[axis];
        int magnitude = packed < 0 ? -packed : packed;
        m_coordinate[axis][0]->setText((packed < 0 ? "-" : "") + QString::number(magnitude / 10000));
        m_coordinate[axis][1]->setText(QString::number(magnitude / 100 % 100));
        m_coordinate[axis][2]->setText(QString::number(magnitude % 100));
    }
}

void CFacilityDialog::BuildAddressFields(QFormLayout* form) {
    const char* captions[5] = {"S&treet:", "C&ity:", "State or &region:", "&Postal code:", "Co&untry:"};
    for (int field = 0; field < 5; ++field) {
        m_address[field] = new QLineEdit;
        form->addRow(captions[field], m_address[field]);
    }
    m_find = new QPushButton("&Find");
    m_find->setAutoDefault(false);
    connect(m_find, &QPushButton::clicked, this, &CFacilityDialog::FindAddress);
    form->addRow(QString(), m_find);
}

void CFacilityDialog::FindAddress() {
    if (m_address[0] == nullptr) {
        return;
    }
    SPostalAddress address{ToLocal(m_address[0]->text()), ToLocal(m_address[1]->text()),
                           ToLocal(m_address[2]->text()), ToLocal(m_address[3]->text()),
                           ToLocal(m_address[4]->text())};
    CLonLatPoint location = m_facility->GetWorldLocation();
    try {
        if (!LookupAddress(address, location)) {
            return;
        }
    } catch (const CUserException&) {
        return; // the road network's failure has been shown
    }
    ShowLocation(location.x(), location.y());
}

// A plane coordinate as entered; a geographic one packed as (deg * 100 + min) * 100 + sec, the
// minutes and seconds taking the sign of negative degrees. A field that is not a whole number
// is passed on as entered so that the refusal names it.
QString CFacilityDialog::CoordinateText(int axis) const {
    if (!m_geographic) {
        return m_coordinate[axis][0]->text().trimmed();
    }
    bool ok[3] = {};
    int parts[3];
    for (int part = 0; part < 3; ++part) {
        parts[part] = m_coordinate[axis][part]->text().trimmed().toInt(&ok[part]);
        if (!ok[part]) {
            return m_coordinate[axis][part]->text().trimmed();
        }
    }
    bool negative = parts[0] < 0 || m_coordinate[axis][0]->text().trimmed().startsWith('-');
    long long packed =
        static_cast<long long>(parts[0]) * 10000 + (negative ? -1 : 1) * (parts[1] * 100 + parts[2]);
    return QString::number(packed);
}

// Label, name, quantity, x, y, size in that order; an unchanged field is not checked again.
bool CFacilityDialog::ValidateFields() {
    const CFacility& f = *m_facility;
    const bool adding = m_mode == EFacilityDialogMode::add;
    std::string label = ToLocal(m_label->text());
    m_labelValue = f.GetLabel();
    if ((label != f.GetLabel() || (adding && !label.empty())) &&
        !f.DecodeAttribute(FA_LABEL, label, m_labelValue)) {
        return SelectField(m_label);
    }
    std::string name = ToLocal(m_name->text());
    m_nameValue = f.GetName();
    if ((name != f.GetName() || (adding && !name.empty())) &&
        !f.DecodeAttribute(FA_NAME, name, m_nameValue)) {
        return SelectField(m_name);
    }
    m_quantityValue = f.GetQuantity();
    std::string quantity = ToLocal(m_quantity->text());
    if ((adding || quantity != std::to_string(f.GetQuantity())) &&
        !f.DecodeAttribute(FA_QUANTITY, quantity, m_quantityValue)) {
        return SelectField(m_quantity);
    }
    int* values[2] = {&m_xValue, &m_yValue};
    const int current[2] = {f.GetWorldLocation().x(), f.GetWorldLocation().y()};
    for (int axis = 0; axis < 2; ++axis) {
        *values[axis] = current[axis];
        std::string text = ToLocal(CoordinateText(axis));
        if ((adding || text != std::to_string(current[axis])) &&
            !f.DecodeAttribute(axis == 0 ? FA_X : FA_Y, text, *values[axis])) {
            return SelectField(m_coordinate[axis][0]);
        }
    }
    m_sizeValue = f.GetSize();
    std::string size = ToLocal(m_size->text());
    if ((adding || size != std::to_string(f.GetSize())) && !f.DecodeAttribute(FA_SIZE, size, m_sizeValue)) {
        return SelectField(m_size);
    }
    return true;
}

// Stores the accepted values through the facility's and the document's own operations.
void CFacilityDialog::StoreFields() {
    CFacility& f = *m_facility;
    if (!m_labelValue.empty() && m_labelValue != f.GetLabel()) {
        f.SetLabel(m_labelValue);
    }
    f.SetName(m_nameValue);
    f.SetWorldLocation(CLonLatPoint(m_xValue, m_yValue));
    if (m_mode == EFacilityDialogMode::add) {
        f.SetQuantity(m_quantityValue);
    } else if (m_quantityValue != f.GetQuantity()) {
        m_document.ChangeFacilityQuantity(&f, m_quantityValue);
    }
    f.SetShape(m_shape->currentIndex());
    if (m_color->currentIndex() < NUMBER_OF_COLORS) {
        CPRGB color;
        color.SetColorIndex(m_color->currentIndex());
        f.SetColor(color);
    }
    f.SetSize(m_sizeValue);
}

void CFacilityDialog::accept() {
    if (m_mode == EFacilityDialogMode::remove) {
        m_document.DeleteFacility(m_facility);
        m_facility = nullptr;
        QDialog::accept();
        return;
    }
    if (!ValidateFields()) {
        return;
    }
    StoreFields();
    if (m_mode == EFacilityDialogMode::add) {
        m_facility = m_document.AddFacility(std::move(m_new), true);
    }
    m_document.SetModifiedFlag(true);
    QDialog::accept();
}
