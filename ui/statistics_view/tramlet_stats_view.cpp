#include "ui/statistics_view/tramlet_stats_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHeaderView>
#include <algorithm>

#include "model/tramlet_doc.h"
#include "runs/statistics_columns.h"
#include "runs/statistics_text.h"
#include "ui/notes_view/text_printing.h"
#include "ui/statistics_view/statistics_model.h"

CTramletStatsView::CTramletStatsView(CTramletDoc& document, QWidget* parent)
    : QTableView(parent), m_document(document), m_model(new CStatisticsModel(document, this)) {
    setModel(m_model);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    int charWidth = fontMetrics().horizontalAdvance('0');
    for (int column = 0; column < SC_COLUMN_COUNT; ++column) {
        int characters = GetStatisticsColumn(column).width;
        int headerWidth =
            horizontalHeader()->fontMetrics().horizontalAdvance(GetStatisticsColumn(column).caption);
        setColumnWidth(column, std::max(characters * charWidth, headerWidth) + 12);
    }
    setWindowTitle("Statistics");
}

void CTramletStatsView::Redraw() {
    if (m_model->Refresh()) {
        scrollToBottom();
    }
    viewport()->update();
}

std::string CTramletStatsView::GetClipboardText() const {
    return FormatStatisticsClipboardText(m_document.GetAlgorithmStatistics(), m_document.GetDocTitle());
}

void CTramletStatsView::Copy() {
    QApplication::clipboard()->setText(QString::fromLocal8Bit(GetClipboardText().c_str()));
}

void CTramletStatsView::Print(QPrinter& printer) {
    PrintTextLines(printer, SplitTextLines(FormatStatisticsTable(m_document.GetAlgorithmStatistics())));
}
