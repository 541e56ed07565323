// The shared grid of the display and edit dialogs.

#include "ui/dialogs/grid/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QStringList>

namespace {

// Tab-separated lines of the given rows and columns of model.
QString RowsText(const QAbstractItemModel& model, const QList<int>& rows, const QList<int>& columns) {
    QStringList lines;
    QStringList header{QString()};
    for (int column : columns) {
        header << model.headerData(column, Qt::Horizontal).toString();
    }
    lines << header.join('\t');
    for (int row : rows) {
        QStringList cells{model.headerData(row, Qt::Vertical).toString()};
        for (int column : columns) {
            cells << model.index(row, column).data().toString();
        }
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

QList<int> Range(int count) {
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        values << i;
    }
    return values;
}

} // namespace

QString GridText(const QAbstractItemModel& model) {
    return RowsText(model, Range(model.rowCount()), Range(model.columnCount()));
}

CGridView::CGridView(QWidget* parent) : QTableView(parent) {
    auto* copy = new QAction("&Copy", this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CGridView::CopyToClipboard);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    horizontalHeader()->setDefaultSectionSize(72);
}

QString CGridView::SelectionText() const {
    if (model() == nullptr) {
        return QString();
    }
    const QModelIndexList selected =
        selectionModel() != nullptr ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (selected.isEmpty()) {
        return GridText(*model());
    }
    QList<int> rows, columns;
    for (const QModelIndex& index : selected) {
        if (!rows.contains(index.row())) {
            rows << index.row();
        }
        if (!columns.contains(index.column())) {
            columns << index.column();
        }
    }
    std::sort(rows.begin(), rows.end());
    std::sort(columns.begin(), columns.end());
    return RowsText(*model(), rows, columns);
}

void CGridView::CopyToClipboard() const {
    QApplication::clipboard()->setText(SelectionText());
}
