// The read-only display grids and their dialog.

#include "ui/dialogs/grid/grid_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/grid/grid_view.h"

CTextGridModel::CTextGridModel(std::vector<std::string> rowLabels, std::vector<std::string> columnLabels,
                               std::vector<std::vector<std::string>> cells, QObject* parent)
    : QAbstractTableModel(parent), m_rowLabels(std::move(rowLabels)), m_columnLabels(std::move(columnLabels)),
      m_cells(std::move(cells)) {}

CTextGridModel* CTextGridModel::FromTable(const std::vector<std::vector<std::string>>& table) {
    std::vector<std::string> rowLabels, columnLabels;
    std::vector<std::vector<std::string>> cells;
    for (size_t row = 0; row < table.size(); ++row) {
        const std::vector<std::string>& line = table[row];
        std::vector<std::string> rest(line.empty() ? line.begin() : line.begin() + 1, line.end());
        if (row == 0) {
            columnLabels = std::move(rest);
            continue;
        }
        rowLabels.push_back(line.empty() ? std::string() : line[0]);
        cells.push_back(std::move(rest));
    }
    return new CTextGridModel(std::move(rowLabels), std::move(columnLabels), std::move(cells));
}

int CTextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

int CTextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columnLabels.size());
}

QVariant CTextGridModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::TextAlignmentRole) || !index.isValid()) {
        return QVariant();
    }
    const std::vector<std::string>& row = m_cells[static_cast<size_t>(index.row())];
    size_t column = static_cast<size_t>(index.column());
    QString text = column < row.size() ? QString::fromLocal8Bit(row[column].c_str()) : QString();
    if (role == Qt::TextAlignmentRole) {
        // Numbers line up on the right, texts on the left.
        bool number = false;
        text.toDouble(&number);
        return static_cast<int>(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return text;
}

QVariant CTextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::vector<std::string>& labels = orientation == Qt::Horizontal ? m_columnLabels : m_rowLabels;
    if (role != Qt::DisplayRole || section < 0 || static_cast<size_t>(section) >= labels.size()) {
        return QVariant();
    }
    return QString::fromLocal8Bit(labels[static_cast<size_t>(section)].c_str());
}

void FitColumns(QTableView& grid) {
    // Measuring every cell of a large grid would keep the dialog from opening promptly.
    constexpr long long kMaxMeasuredCells = 20000;
    const QAbstractItemModel* model = grid.model();
    if (model != nullptr &&
        static_cast<long long>(model->rowCount()) * model->columnCount() <= kMaxMeasuredCells) {
        grid.resizeColumnsToContents();
    }
}

CGridDialog::CGridDialog(const QString& title, QAbstractItemModel* model, QWidget* parent)
    : QDialog(parent), m_grid(new CGridView) {
    setWindowTitle(title);
    model->setParent(this);
    m_grid->setModel(model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FitColumns(*m_grid);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* copy = buttons->addButton("&Copy", QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [model] { QApplication::clipboard()->setText(GridText(*model)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 420);
}
