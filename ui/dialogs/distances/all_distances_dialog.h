#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include "framework/containers/double_matrix.h"

class CTramletDoc;
class CGridView;

// The distance matrix as an editable table of "%.2lf" cells; a cell edit goes through
// DecodeDistanceCell, which refuses a negative distance with its message.
class CDistanceGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CDistanceGridModel(const CTramletDoc& document, QObject* parent = nullptr);

    const CDoubleMatrix& GetMatrix() const { return m_matrix; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const CTramletDoc& m_document;
    CDoubleMatrix m_matrix;
};

// "All Distances": the whole matrix in a grid. OK stores the edited matrix and sets the
// asymmetry flag from it.
class CAllDistancesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAllDistancesDialog(CTramletDoc& document, QWidget* parent = nullptr);

    CDistanceGridModel* Model() const { return m_model; }
    CGridView* Grid() const { return m_grid; }

    void accept() override;

private:
    CTramletDoc& m_document;
    CDistanceGridModel* m_model;
    CGridView* m_grid;
};
