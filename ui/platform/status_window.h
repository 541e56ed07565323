#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "framework/platform/user_interface.h"

class QFormLayout;
class QLabel;
class QProgressBar;

// A small non-modal window showing the labelled values of an algorithm status window ("Insert
// Facility Report", ...) or the progress of a long computation. A value of the form "N of M"
// is shown as a progress bar as well.
class CStatusWindow : public QWidget {
    Q_OBJECT
public:
    CStatusWindow(const std::string& title, QWidget* parent);

    // Shows the fields (rows are added or dropped to match) and repaints at once, so the window
    // stays current while an algorithm computes.
    void SetFields(const std::vector<SStatusField>& fields);
    // The text of a field's value, empty when there is no such field.
    std::string GetFieldValue(const std::string& label) const;

private:
    struct SRow {
        QLabel* label;
        QLabel* value;
        QProgressBar* progress;
    };
    QFormLayout* m_layout;
    std::vector<SRow> m_rows;
};

// The N and M of a value "N of M"; false for any other text.
bool ParseProgressValue(const std::string& value, int& position, int& range);
