// The projection and world limits of a project without facilities.

#include "ui/dialogs/parameters/projection_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "files/common_data_items.h"
#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_norms.h"

namespace {

// Limits proposed when the kind of projection changes: a plane of 10000 x 10000, or 10 degrees
// west to 30 degrees east and 35 to 60 degrees north.
const CLonLatRect kPlaneLimits(0, 0, 10000, 10000);
const CLonLatRect kGeographicLimits(-100000, 350000, 300000, 600000);

const char* const kPlaneCaptions[4] = {
    "Minimum &x coordinate:", "Maximum x coo&rdinate:", "Minimum &y coordinate:", "Maximum y coor&dinate:"};
const char* const kGeographicCaptions[4] = {"Minimum &longitude (DDDMMSS):", "Maximum longitude (DDDMMSS):",
                                            "Minimum l&atitude (DDMMSS):", "Maximum latitude (DDMMSS):"};
const ESCALARITEM kPlaneItems[4] = {SI_MINIMUM_X, SI_MAXIMUM_X, SI_MINIMUM_Y, SI_MAXIMUM_Y};
const ESCALARITEM kGeographicItems[4] = {SI_MINIMUM_LONGITUDE, SI_MAXIMUM_LONGITUDE, SI_MINIMUM_LATITUDE,
                                         SI_MAXIMUM_LATITUDE};

bool SelectField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    return false;
}

} // namespace

CProjectionDialog::CProjectionDialog(CSableDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_projection(new QComboBox),
      m_radius(new QLineEdit(QString::number(document.GetWorldRadius(), 'f', 1))),
      m_geographic(document.IsGeographicProjection()), m_oldType(document.GetMapProjectionType()),
      m_oldLimits(document.GetWorldLimits()), m_oldRadius(document.GetWorldRadius()) {
    setWindowTitle("Projection and World Limits");
    for (int type = 0; type < 3; ++type) {
        m_projection->addItem(GetMapProjectionName(static_cast<MP_TYPE>(type)));
    }
    m_projection->setCurrentIndex(m_oldType);
    auto* form = new QFormLayout(this);
    form->addRow("Map &projection:", m_projection);
    for (int side = 0; side < 4; ++side) {
        m_limit[side] = new QLineEdit;
        m_limitLabel[side] = new QLabel;
        m_limitLabel[side]->setBuddy(m_limit[side]);
        form->addRow(m_limitLabel[side], m_limit[side]);
    }
    form->addRow("World radi&us:", m_radius);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    OnProjectionChanged(m_oldType);
    FillLimits(m_oldLimits);
    connect(m_projection, &QComboBox::currentIndexChanged, this, &CProjectionDialog::OnProjectionChanged);
}

void CProjectionDialog::OnProjectionChanged(int index) {
    const bool geographic = index != MP_ORTHOGONAL;
    for (int side = 0; side < 4; ++side) {
        m_limitLabel[side]->setText(geographic ? kGeographicCaptions[side] : kPlaneCaptions[side]);
    }
    m_radius->setEnabled(geographic);
    if (geographic != m_geographic) {
        m_geographic = geographic;
        FillLimits(geographic ? kGeographicLimits : kPlaneLimits);
    }
}

void CProjectionDialog::FillLimits(const CLonLatRect& limits) {
    const int values[4] = {limits.m_west, limits.m_east, limits.m_south, limits.m_north};
    for (int side = 0; side < 4; ++side) {
        m_limit[side]->setText(QString::number(values[side]));
    }
}

bool CProjectionDialog::StoreFields() {
    SCommonItemsPending pending;
    auto decode = [&](ESCALARITEM item, const QString& text) {
        return DecodeCommonDataItem(m_document, item, text.trimmed().toLocal8Bit().toStdString(), nullptr,
                                    std::string(), pending);
    };
    if (!decode(SI_MAP_PROJECTION, m_projection->currentText())) {
        return false;
    }
    const ESCALARITEM* items = m_geographic ? kGeographicItems : kPlaneItems;
    for (int side = 0; side < 4; ++side) {
        if (!decode(items[side], m_limit[side]->text())) {
            return SelectField(m_limit[side]);
        }
    }
    if (m_geographic && !decode(SI_WORLD_RADIUS, m_radius->text())) {
        return SelectField(m_radius);
    }
    try {
        m_document.InitializeMapProjection();
    } catch (const CUserException&) {
        return SelectField(m_limit[0]);
    }
    return true;
}

void CProjectionDialog::RestoreSettings() {
    m_document.SetMapProjectionType(m_oldType);
    m_document.SetWorldLimits(m_oldLimits);
    m_document.SetWorldRadius(m_oldRadius);
    try {
        m_document.InitializeMapProjection();
    } catch (const CUserException&) {
    }
}

void CProjectionDialog::RedrawBackgroundMap() {
    CGeoMap& map = m_document.GetGeoMap();
    if (map.IsEmpty()) {
        return;
    }
    map.Clear();
    if (m_document.GetMapFileName().empty()) {
        return;
    }
    try {
        map.Import(m_document.GetMapFileName(), m_document.GetMapProjection());
    } catch (const CUserException&) {
        map.Clear(); // the refusal has been shown
    } catch (const CFileException& error) {
        map.Clear();
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(false, "Import Map Data", error));
    }
}

void CProjectionDialog::accept() {
    if (!StoreFields()) {
        RestoreSettings();
        return;
    }
    m_document.InitializeDisplaySizes();
    RedrawBackgroundMap();
    const EDISTANCENORM norm = m_document.GetDistanceNorm().GetNorm();
    if (norm != DN_EXTERNALLY_SPECIFIED) {
        bool served = false;
        for (EDISTANCENORM offered : GetOfferedDistanceNorms(m_geographic)) {
            served |= offered == norm;
        }
        if (!served) {
            ApplyDistanceNorm(m_document, m_geographic ? DN_GREAT_CIRCLE : DN_EUCLIDEAN);
        }
    }
    m_document.SetModifiedFlag(true);
    QDialog::accept();
}
