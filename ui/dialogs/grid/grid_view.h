#pragma once

#include <QString>
#include <QTableView>

class QAbstractItemModel;

// The grid of the display and edit dialogs: a table view over a small model per grid whose
// Copy (the shortcut or the context menu) puts the selection, or the whole grid when nothing is
// selected, on the clipboard as tab-separated text with the headers.
class CGridView : public QTableView {
    Q_OBJECT
public:
    explicit CGridView(QWidget* parent = nullptr);

    // The selection (or everything) as lines of tab-separated cells, the column headers first and
    // each row led by its header.
    QString SelectionText() const;
    void CopyToClipboard() const;
};

// The whole model as tab-separated text, headers included.
QString GridText(const QAbstractItemModel& model);
