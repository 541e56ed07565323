// The All Distances dialog and its grid model.

#include "ui/dialogs/distances/all_distances_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "model/distances/distance_data.h"
#include "model/distances/distance_validation.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/grid/grid_view.h"

CDistanceGridModel::CDistanceGridModel(const CTramletDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document), m_matrix(document.GetDistanceData().GetMatrix()) {}

int CDistanceGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_matrix.GetNumberRows();
}

int CDistanceGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_matrix.GetNumberRows();
}

QVariant CDistanceGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return QVariant();
    }
    return QString::fromStdString(FormatDistanceCell(m_matrix[index.row()][index.column()]));
}

// Rows and columns are headed by the facilities' labels.
QVariant CDistanceGridModel::headerData(int section, Qt::Orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    const CFacility* f = m_document.GetFacility(section);
    return f != nullptr ? QString::fromLocal8Bit(f->GetLabel().c_str()) : QString::number(section + 1);
}

bool CDistanceGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    double distance = 0.0;
    if (role != Qt::EditRole ||
        !DecodeDistanceCell(value.toString().trimmed().toLocal8Bit().toStdString(), distance)) {
        return false;
    }
    m_matrix[index.row()][index.column()] = distance;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CDistanceGridModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

CAllDistancesDialog::CAllDistancesDialog(CTramletDoc& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_model(new CDistanceGridModel(document, this)),
      m_grid(new CGridView) {
    setWindowTitle("All Distances");
    m_grid->setModel(m_model);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

void CAllDistancesDialog::accept() {
    CDistanceData& distances = m_document.GetDistanceData();
    distances.GetMatrix() = m_model->GetMatrix();
    distances.UpdateAsymmetryFlag();
    m_document.SetModifiedFlag(true);
    QDialog::accept();
}
