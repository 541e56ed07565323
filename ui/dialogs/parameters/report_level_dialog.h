#pragma once

#include <QDialog>

class QButtonGroup;

// The report-level dialog "Edit Report Level": one choice per level 0 to 5 with its name.
class CReportLevelDialog : public QDialog {
    Q_OBJECT
public:
    explicit CReportLevelDialog(int level, QWidget* parent = nullptr);

    int Level() const;
    void SetLevel(int level);

private:
    QButtonGroup* m_levels;
};
