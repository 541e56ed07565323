#include "ui/notes_view/text_printing.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

void PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = lineHeight;
    for (const std::string& line : lines) {
        if (y > pageHeight) {
            printer.newPage();
            y = lineHeight;
        }
        painter.drawText(0, y, QString::fromLocal8Bit(line.c_str()));
        y += lineHeight;
    }
    painter.end();
}

std::vector<std::string> SplitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}
