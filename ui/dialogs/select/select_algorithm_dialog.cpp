// The Select sheet: algorithm parameters page by page, and the command OK chooses.

#include "ui/dialogs/select/select_algorithm_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"

namespace {

constexpr double kMinTimeLimit = 1.0;
constexpr double kMaxTimeLimit = 32767.0;
constexpr int kMaxWholeField = 32767;

QSpinBox* MakeSpinBox(int lower, int upper) {
    auto* field = new QSpinBox;
    field->setRange(lower, std::max(lower, upper));
    return field;
}

QDoubleSpinBox* MakeDoubleSpinBox(double lower, double upper, int decimals) {
    auto* field = new QDoubleSpinBox;
    field->setDecimals(decimals);
    field->setRange(lower, upper);
    return field;
}

// A titled pair of exclusive choices; the first is checked when first is true.
QGroupBox* MakeChoice(const char* title, QRadioButton*& one, const char* oneText, QRadioButton*& other,
                      const char* otherText) {
    auto* group = new QGroupBox(title);
    auto* layout = new QHBoxLayout(group);
    one = new QRadioButton(oneText);
    other = new QRadioButton(otherText);
    layout->addWidget(one);
    layout->addWidget(other);
    layout->addStretch();
    return group;
}

void SetChoice(QRadioButton* first, QRadioButton* second, bool firstChosen) {
    (firstChosen ? first : second)->setChecked(true);
}

} // namespace

CSelectAlgorithmDialog::CSelectAlgorithmDialog(CTramletDoc& document, QWidget* parent)
    : QDialog(parent), m_sheet(document), m_tabs(new QTabWidget) {
    setWindowTitle(QString::fromLocal8Bit(CSelectAlgorithmSheet::GetTitle().c_str()));
    m_tabs->addTab(BuildSweepPage(), CSelectAlgorithmSheet::GetPageTitle(SELECT_PAGE_SWEEP));
    m_tabs->addTab(BuildChainExchangePage(), CSelectAlgorithmSheet::GetPageTitle(SELECT_PAGE_CHAIN_EXCHANGE));
    m_tabs->addTab(BuildSavingsPage(), CSelectAlgorithmSheet::GetPageTitle(SELECT_PAGE_SAVINGS));
    m_tabs->addTab(BuildAssignmentPage(),
                   CSelectAlgorithmSheet::GetPageTitle(SELECT_PAGE_GENERALIZED_ASSIGNMENT));
    m_tabs->addTab(BuildSetPartitioningPage(),
                   CSelectAlgorithmSheet::GetPageTitle(SELECT_PAGE_SET_PARTITIONING));
    const int facilities =
        document.GetNumberOfDepots() + document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
    m_chainLength->setRange(
        1, std::max(1, document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() - 1));
    m_depth->setRange(1, std::max(1, facilities));
    for (int page = 0; page < SELECT_PAGE_COUNT; ++page) {
        LoadPage(static_cast<ESelectPage>(page));
        TrackEdits(static_cast<ESelectPage>(page));
    }
    SetChoice(m_parallel, m_serial, m_sheet.m_parallel);
    SetChoice(m_greedy, m_randomized, !m_sheet.m_randomized);
    SetChoice(m_seedPoint, m_seedRay, !m_sheet.m_seedRays);
    SetChoice(m_lowerBound, m_routes, !m_sheet.m_routesOnly);
    SetChoice(m_revisitsAllowed, m_revisitsNotAllowed, m_sheet.m_revisitsAllowed);
    // Every page's tab stays readable: the sheet is as wide as its tabs.
    m_tabs->setUsesScrollButtons(false);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CSelectAlgorithmDialog::OnPageChanged);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { ApplyActivePage(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

// A page's form: its own fields, then the time limit every page has.
QWidget* CSelectAlgorithmDialog::BuildSweepPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_angle[SELECT_PAGE_SWEEP] = MakeSpinBox(0, 359);
    m_timeLimit[SELECT_PAGE_SWEEP] = MakeDoubleSpinBox(kMinTimeLimit, kMaxTimeLimit, 1);
    form->addRow("Starting Angle (0-359):", m_angle[SELECT_PAGE_SWEEP]);
    form->addRow("Time Limit:", m_timeLimit[SELECT_PAGE_SWEEP]);
    return page;
}

QWidget* CSelectAlgorithmDialog::BuildChainExchangePage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_chainLength = MakeSpinBox(1, 1);
    m_timeLimit[SELECT_PAGE_CHAIN_EXCHANGE] = MakeDoubleSpinBox(kMinTimeLimit, kMaxTimeLimit, 1);
    form->addRow("Chain Length (>=1):", m_chainLength);
    form->addRow("Time Limit:", m_timeLimit[SELECT_PAGE_CHAIN_EXCHANGE]);
    return page;
}

QWidget* CSelectAlgorithmDialog::BuildSavingsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_crossoverFactor = MakeDoubleSpinBox(0.0, 100.0, 3);
    m_crossoverFactor->setSingleStep(0.05);
    m_timeLimit[SELECT_PAGE_SAVINGS] = MakeDoubleSpinBox(kMinTimeLimit, kMaxTimeLimit, 1);
    m_depth = MakeSpinBox(1, 1);
    m_iterations[SELECT_PAGE_SAVINGS] = MakeSpinBox(1, kMaxWholeField);
    m_seed = MakeSpinBox(0, kMaxWholeField);
    form->addRow("Crossover Penalty Factor:", m_crossoverFactor);
    form->addRow("Time Limit:", m_timeLimit[SELECT_PAGE_SAVINGS]);
    form->addRow(MakeChoice("Savings", m_parallel, "Parallel", m_serial, "Serial"));
    form->addRow(MakeChoice("Selection", m_greedy, "Greedy", m_randomized, "Randomized"));
    form->addRow("Randomization Depth:", m_depth);
    form->addRow("Iteration Limit:", m_iterations[SELECT_PAGE_SAVINGS]);
    form->addRow("Seed:", m_seed);
    return page;
}

QWidget* CSelectAlgorithmDialog::BuildAssignmentPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_angle[SELECT_PAGE_GENERALIZED_ASSIGNMENT] = MakeSpinBox(0, 359);
    m_timeLimit[SELECT_PAGE_GENERALIZED_ASSIGNMENT] = MakeDoubleSpinBox(kMinTimeLimit, kMaxTimeLimit, 1);
    form->addRow("Starting Angle (0-359):", m_angle[SELECT_PAGE_GENERALIZED_ASSIGNMENT]);
    form->addRow("Time Limit:", m_timeLimit[SELECT_PAGE_GENERALIZED_ASSIGNMENT]);
    form->addRow(MakeChoice("Seeds", m_seedPoint, "Seed Point", m_seedRay, "Seed Ray"));
    return page;
}

QWidget* CSelectAlgorithmDialog::BuildSetPartitioningPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_iterations[SELECT_PAGE_SET_PARTITIONING] = MakeSpinBox(1, kMaxWholeField);
    m_timeLimit[SELECT_PAGE_SET_PARTITIONING] = MakeDoubleSpinBox(kMinTimeLimit, kMaxTimeLimit, 1);
    form->addRow("Iteration Limit:", m_iterations[SELECT_PAGE_SET_PARTITIONING]);
    form->addRow("Time Limit:", m_timeLimit[SELECT_PAGE_SET_PARTITIONING]);
    form->addRow(MakeChoice("Result", m_lowerBound, "Lower Bound", m_routes, "Routes"));
    form->addRow(MakeChoice("Revisits", m_revisitsAllowed, "Allowed", m_revisitsNotAllowed, "Not Allowed"));
    return page;
}

void CSelectAlgorithmDialog::TrackEdits(ESelectPage page) {
    QWidget* form = m_tabs->widget(page);
    auto edited = [this, page] { m_edited[page] |= !m_loading; };
    for (QSpinBox* field : form->findChildren<QSpinBox*>()) {
        connect(field, &QSpinBox::valueChanged, this, edited);
    }
    for (QDoubleSpinBox* field : form->findChildren<QDoubleSpinBox*>()) {
        connect(field, &QDoubleSpinBox::valueChanged, this, edited);
    }
    for (QRadioButton* choice : form->findChildren<QRadioButton*>()) {
        connect(choice, &QRadioButton::toggled, this, edited);
    }
}

// Shows the sheet's values in the page's fields.
void CSelectAlgorithmDialog::LoadPage(ESelectPage page) {
    m_loading = true;
    m_timeLimit[page]->setValue(m_sheet.m_timeLimit);
    if (m_angle[page] != nullptr) {
        m_angle[page]->setValue(m_sheet.m_startingAngle);
    }
    if (m_iterations[page] != nullptr) {
        m_iterations[page]->setValue(m_sheet.m_iterationLimit);
    }
    if (page == SELECT_PAGE_CHAIN_EXCHANGE) {
        m_chainLength->setValue(m_sheet.m_chainLength);
    } else if (page == SELECT_PAGE_SAVINGS) {
        m_crossoverFactor->setValue(m_sheet.m_crossoverPenaltyFactor);
        m_depth->setValue(m_sheet.m_randomizationDepth);
        m_seed->setValue(m_sheet.m_seed);
    }
    m_loading = false;
}

// Takes the page's fields into the sheet; false (field selected) when one holds no acceptable
// number.
bool CSelectAlgorithmDialog::ReadPage(ESelectPage page) {
    QWidget* form = m_tabs->widget(page);
    for (QAbstractSpinBox* field : form->findChildren<QAbstractSpinBox*>()) {
        if (!field->hasAcceptableInput()) {
            SelectField(field);
            return false;
        }
        field->interpretText();
    }
    m_sheet.m_timeLimit = m_timeLimit[page]->value();
    if (m_angle[page] != nullptr) {
        m_sheet.m_startingAngle = m_angle[page]->value();
    }
    if (m_iterations[page] != nullptr) {
        m_sheet.m_iterationLimit = m_iterations[page]->value();
    }
    m_sheet.m_chainLength = m_chainLength->value();
    m_sheet.m_crossoverPenaltyFactor = m_crossoverFactor->value();
    m_sheet.m_randomizationDepth = m_depth->value();
    m_sheet.m_seed = m_seed->value();
    m_sheet.m_parallel = m_parallel->isChecked();
    m_sheet.m_randomized = m_randomized->isChecked();
    m_sheet.m_seedRays = m_seedRay->isChecked();
    m_sheet.m_routesOnly = m_routes->isChecked();
    m_sheet.m_revisitsAllowed = m_revisitsAllowed->isChecked();
    return true;
}

// Leaving a page hands its shared values to the page shown next.
void CSelectAlgorithmDialog::OnPageChanged(int index) {
    ReadPage(static_cast<ESelectPage>(m_currentPage));
    m_currentPage = index;
    LoadPage(static_cast<ESelectPage>(index));
}

void CSelectAlgorithmDialog::SelectField(QAbstractSpinBox* field) {
    QApplication::beep();
    field->setFocus();
    field->selectAll();
}

ESelectPage CSelectAlgorithmDialog::ActivePage() const {
    return static_cast<ESelectPage>(m_tabs->currentIndex());
}

void CSelectAlgorithmDialog::SetActivePage(ESelectPage page) {
    m_tabs->setCurrentIndex(page);
}

bool CSelectAlgorithmDialog::ApplyPage(ESelectPage page) {
    if (page != ActivePage()) {
        SetActivePage(page);
    }
    if (!ReadPage(page)) {
        return false;
    }
    bool applied = false;
    try {
        applied = m_sheet.ApplyPage(page);
    } catch (const CUserException&) {
        applied = false;
    }
    if (applied) {
        m_edited[page] = false;
        return true;
    }
    // The sheet names a field outside its range; a refusal of the project has shown its message.
    const QString caption = QString::fromLocal8Bit(m_sheet.GetFailedField().c_str());
    for (QLabel* label : m_tabs->widget(page)->findChildren<QLabel*>()) {
        auto* field = qobject_cast<QAbstractSpinBox*>(label->buddy());
        if (field != nullptr && !caption.isEmpty() && label->text() == caption) {
            SelectField(field);
        }
    }
    if (caption.isEmpty() && page == SELECT_PAGE_SAVINGS) {
        m_crossoverFactor->setFocus();
        m_crossoverFactor->selectAll();
    }
    return false;
}

void CSelectAlgorithmDialog::accept() {
    const ESelectPage active = ActivePage();
    for (int page = 0; page < SELECT_PAGE_COUNT; ++page) {
        if (page != active && m_edited[page] && !ApplyPage(static_cast<ESelectPage>(page))) {
            return;
        }
    }
    if (!ApplyPage(active)) {
        return;
    }
    m_chosenCommand = m_sheet.GetChosenCommand(active);
    QDialog::accept();
}
