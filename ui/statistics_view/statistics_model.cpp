#include "ui/statistics_view/statistics_model.h"

#include "model/tramlet_doc.h"
#include "runs/statistics_columns.h"

CStatisticsModel::CStatisticsModel(const CTramletDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {
    m_rows = m_filledRows = static_cast<int>(document.GetAlgorithmStatistics().size());
}

int CStatisticsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CStatisticsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SC_COLUMN_COUNT;
}

QVariant CStatisticsModel::data(const QModelIndex& index, int role) const {
    const auto& statistics = m_document.GetAlgorithmStatistics();
    if (!index.isValid() || index.row() >= static_cast<int>(statistics.size())) {
        return QVariant();
    }
    if (role == Qt::DisplayRole) {
        bool appended = index.row() >= m_filledRows;
        return QString::fromLocal8Bit(
            FormatStatisticsCell(*statistics[index.row()], index.column(), appended).c_str());
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == SC_ALGORITHM ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                              : int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant CStatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return QString(GetStatisticsColumn(section).caption);
    }
    return QVariant();
}

bool CStatisticsModel::Refresh() {
    int size = static_cast<int>(m_document.GetAlgorithmStatistics().size());
    if (size > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, size - 1);
        m_rows = size;
        endInsertRows();
        return true;
    }
    if (size < m_rows) {
        beginResetModel();
        m_rows = m_filledRows = size;
        endResetModel();
    }
    return false;
}
