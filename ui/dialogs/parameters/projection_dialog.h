#pragma once

#include <QDialog>

#include "framework/geography/lon_lat.h"
#include "framework/geography/map_projection.h"

class CSableDocument;
class QComboBox;
class QLabel;
class QLineEdit;

// "Projection and World Limits" of a project without facilities: the map projection, the world
// limits (x and y, or packed longitudes and latitudes DDDMMSS) and, for a geographic projection,
// the world radius. Each field is validated by the project's own item decoders in the order
// projection, west, east, south, north, radius, and the projection then checks the limits; a
// refusal restores the old settings and keeps the dialog open on the faulty field. On OK the view
// limits, the display sizes and the background map follow from the new limits, and a norm the
// projection does not serve becomes Euclidean (plane) or Great_Circle (geographic).
class CProjectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit CProjectionDialog(CSableDocument& document, QWidget* parent = nullptr);

    QComboBox* ProjectionBox() const { return m_projection; }
    // West, east, south, north.
    QLineEdit* LimitEdit(int side) const { return m_limit[side]; }
    QLineEdit* RadiusEdit() const { return m_radius; }

    void accept() override;

private:
    // Relabels the limit fields for the chosen projection and proposes limits of its kind.
    void OnProjectionChanged(int index);
    void FillLimits(const CLonLatRect& limits);
    // Decodes every field into the document; false (field selected) on the first refusal.
    bool StoreFields();
    void RestoreSettings();
    // The background map's polygons follow the new projection: read again from its file (left
    // empty when there is no file or the file no longer fits).
    void RedrawBackgroundMap();

    CSableDocument& m_document;
    QComboBox* m_projection;
    QLabel* m_limitLabel[4] = {};
    QLineEdit* m_limit[4] = {};
    QLineEdit* m_radius;
    bool m_geographic = false;
    MP_TYPE m_oldType;
    CLonLatRect m_oldLimits;
    double m_oldRadius;
};
