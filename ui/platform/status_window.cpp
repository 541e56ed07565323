#include "ui/platform/status_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <cstdio>

bool ParseProgressValue(const std::string& value, int& position, int& range) {
    int consumed = 0;
    return std::sscanf(value.c_str(), "%d of %d%n", &position, &range, &consumed) == 2 &&
           consumed == static_cast<int>(value.size()) && range > 0;
}

CStatusWindow::CStatusWindow(const std::string& title, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QString::fromLocal8Bit(title.c_str()));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_layout = new QFormLayout(this);
    m_layout->setLabelAlignment(Qt::AlignRight);
    setMinimumWidth(320);
}

void CStatusWindow::SetFields(const std::vector<SStatusField>& fields) {
    while (m_rows.size() > fields.size()) {
        m_layout->removeRow(static_cast<int>(m_rows.size()) - 1);
        m_rows.pop_back();
    }
    while (m_rows.size() < fields.size()) {
        auto* value = new QLabel(this);
        auto* progress = new QProgressBar(this);
        auto* cell = new QWidget(this);
        auto* cellLayout = new QVBoxLayout(cell);
        cellLayout->setContentsMargins(0, 0, 0, 0);
        cellLayout->addWidget(value);
        cellLayout->addWidget(progress);
        auto* label = new QLabel(this);
        m_layout->addRow(label, cell);
        m_rows.push_back({label, value, progress});
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        m_rows[i].label->setText(QString::fromLocal8Bit(fields[i].label.c_str()));
        m_rows[i].value->setText(QString::fromLocal8Bit(fields[i].value.c_str()));
        int position = 0;
        int range = 0;
        bool isProgress = ParseProgressValue(fields[i].value, position, range);
        m_rows[i].progress->setVisible(isProgress);
        if (isProgress) {
            m_rows[i].progress->setRange(0, range);
            m_rows[i].progress->setValue(position);
        }
    }
    if (!isVisible()) {
        show();
    }
    repaint();
}

std::string CStatusWindow::GetFieldValue(const std::string& label) const {
    for (const SRow& row : m_rows) {
        if (row.label->text().toStdString() == label) {
            return row.value->text().toStdString();
        }
    }
    return std::string();
}
