#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <string>
#include <vector>

class CGridView;
class QTableView;

// Widens the grid's columns to their texts (headers included) unless the grid is very large.
void FitColumns(QTableView& grid);

// A read-only grid of texts with row and column headers: the display grids (savings, ...).
class CTextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CTextGridModel(std::vector<std::string> rowLabels, std::vector<std::string> columnLabels,
                   std::vector<std::vector<std::string>> cells, QObject* parent = nullptr);

    // A table whose row 0 holds an empty corner and the column headings and whose column 0
    // holds the row headings (the insertion penalties, the assignment costs).
    static CTextGridModel* FromTable(const std::vector<std::vector<std::string>>& table);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::string> m_rowLabels;
    std::vector<std::string> m_columnLabels;
    std::vector<std::vector<std::string>> m_cells;
};

// A modal display dialog: the grid of a model and the buttons OK and Copy (the whole grid as
// tab-separated text onto the clipboard).
class CGridDialog : public QDialog {
    Q_OBJECT
public:
    CGridDialog(const QString& title, QAbstractItemModel* model, QWidget* parent = nullptr);

    CGridView* Grid() const { return m_grid; }

private:
    CGridView* m_grid;
};
