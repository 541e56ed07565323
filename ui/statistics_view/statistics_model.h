#pragma once

#include <QAbstractTableModel>

class CTramletDoc;

// A table model over the document's statistics list: one row per record, the columns and cell
// texts of the statistics list view. Rows present when the model was filled from the whole list
// use the wide Iterations and Delta Objective formats; rows appended after a run the narrow ones.
class CStatisticsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CStatisticsModel(const CTramletDoc& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Follows the document's list: when it grew, the new records are appended (true returned);
    // when it shrank or was replaced, the model is filled again from the whole list.
    bool Refresh();

private:
    const CTramletDoc& m_document;
    int m_rows = 0;
    int m_filledRows = 0; // rows filled from the whole list; later ones were appended
};
