// The report-level dialog.

#include "ui/dialogs/parameters/report_level_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CReportLevelDialog::CReportLevelDialog(int level, QWidget* parent)
    : QDialog(parent), m_levels(new QButtonGroup(this)) {
    setWindowTitle("Edit Report Level");
    static const char* const names[] = {"&0 (no reports)", "&1 Database", "&2 Summary",
                                        "&3 Standard",     "&4 Detailed", "&5 Debug"};
    auto* group = new QGroupBox("Report Level");
    auto* column = new QVBoxLayout(group);
    for (int value = 0; value <= 5; ++value) {
        auto* button = new QRadioButton(names[value]);
        m_levels->addButton(button, value);
        column->addWidget(button);
    }
    SetLevel(level);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int CReportLevelDialog::Level() const {
    return m_levels->checkedId();
}

void CReportLevelDialog::SetLevel(int level) {
    if (QAbstractButton* button = m_levels->button(level >= 0 && level <= 5 ? level : 3)) {
        button->setChecked(true);
    }
}
