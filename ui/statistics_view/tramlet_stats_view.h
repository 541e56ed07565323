#pragma once

#include <QTableView>

class CStatisticsModel;
class CTramletDoc;
class QPrinter;

// The statistics list view: one row per recorded run with the columns of the statistics list,
// each as wide as its character count. After a run the newest row is appended and scrolled into
// view. Copy puts the tab-separated list on the clipboard; printing prints the fixed-width list.
class CTramletStatsView : public QTableView {
    Q_OBJECT
public:
    explicit CTramletStatsView(CTramletDoc& document, QWidget* parent = nullptr);

    // Re-reads the statistics list.
    void Redraw();
    // The clipboard text of the list ("Created by ...", "Project ... on ...", tab header,
    // underline and rows, each line ending in "\r\n").
    std::string GetClipboardText() const;
    // Copy: the clipboard text onto the clipboard.
    void Copy();
    // Prints the fixed-width list.
    void Print(QPrinter& printer);
    CStatisticsModel* GetStatisticsModel() const { return m_model; }

private:
    CTramletDoc& m_document;
    CStatisticsModel* m_model;
};
