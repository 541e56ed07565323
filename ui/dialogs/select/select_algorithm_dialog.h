#pragma once

#include <QDialog>

#include "runs/select_algorithm.h"

class CTramletDoc;
class QAbstractButton;
class QAbstractSpinBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The "Select Algorithm and Specify Parameters" sheet: five pages (Sweep, Chain Exchange,
// Savings, Generalized Assignment, Set Partitioning) over one CSelectAlgorithmSheet. Leaving a
// page keeps its fields for the others (time limit, starting angle, iteration limit). Apply
// stores the active page in the project; OK stores every page edited since it was last stored,
// the active one last, and a refusal keeps the sheet open on the refused page. On OK the active
// page's command is chosen; the caller posts it after the sheet has closed.
class CSelectAlgorithmDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSelectAlgorithmDialog(CTramletDoc& document, QWidget* parent = nullptr);

    // The command chosen by OK; 0 before (or after Cancel).
    unsigned ChosenCommand() const { return m_chosenCommand; }
    ESelectPage ActivePage() const;
    void SetActivePage(ESelectPage page);

    // Fields, for tests and the screenshots.
    QDoubleSpinBox* TimeLimitField(ESelectPage page) const { return m_timeLimit[page]; }
    QDoubleSpinBox* CrossoverFactorField() const { return m_crossoverFactor; }
    QRadioButton* RoutesButton() const { return m_routes; }
    QRadioButton* RevisitsNotAllowedButton() const { return m_revisitsNotAllowed; }

    void accept() override;
    // Stores the active page in the project; false (field selected) when it was refused.
    bool ApplyActivePage() { return ApplyPage(ActivePage()); }

private:
    QWidget* BuildSweepPage();
    QWidget* BuildChainExchangePage();
    QWidget* BuildSavingsPage();
    QWidget* BuildAssignmentPage();
    QWidget* BuildSetPartitioningPage();
    // Copies the page's fields into the sheet and back.
    bool ReadPage(ESelectPage page);
    void LoadPage(ESelectPage page);
    void OnPageChanged(int index);
    // Stores a page in the project; false (the page shown, field selected) when it was refused.
    bool ApplyPage(ESelectPage page);
    // Marks the page of a field edited when the user changes it.
    void TrackEdits(ESelectPage page);
    // Selects the field whose caption the sheet names (or the first unacceptable one).
    void SelectField(QAbstractSpinBox* field);

    CSelectAlgorithmSheet m_sheet;
    QTabWidget* m_tabs = nullptr;
    int m_currentPage = 0;
    bool m_loading = false;
    bool m_edited[SELECT_PAGE_COUNT] = {};
    unsigned m_chosenCommand = 0;
    QDoubleSpinBox* m_timeLimit[SELECT_PAGE_COUNT] = {};
    QSpinBox* m_angle[SELECT_PAGE_COUNT] = {};      // Sweep and Generalized Assignment
    QSpinBox* m_iterations[SELECT_PAGE_COUNT] = {}; // Savings and Set Partitioning
    QSpinBox* m_chainLength = nullptr;
    QDoubleSpinBox* m_crossoverFactor = nullptr;
    QSpinBox* m_depth = nullptr;
    QSpinBox* m_seed = nullptr;
    QRadioButton* m_parallel = nullptr;
    QRadioButton* m_serial = nullptr;
    QRadioButton* m_greedy = nullptr;
    QRadioButton* m_randomized = nullptr;
    QRadioButton* m_seedPoint = nullptr;
    QRadioButton* m_seedRay = nullptr;
    QRadioButton* m_lowerBound = nullptr;
    QRadioButton* m_routes = nullptr;
    QRadioButton* m_revisitsAllowed = nullptr;
    QRadioButton* m_revisitsNotAllowed = nullptr;
};
