#include "ui/platform/abort_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "framework/application/sable_win_app.h"

CAbortDialog::CAbortDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Algorithm Execution");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    m_abortButton = new QPushButton("&Abort", this);
    m_abortButton->setMinimumWidth(160);
    layout->addWidget(m_abortButton);
    connect(m_abortButton, &QPushButton::clicked, this, &CAbortDialog::Abort);
}

void CAbortDialog::Abort() {
    if (!m_abortButton->isEnabled()) {
        return;
    }
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->OnAbortPressed();
    }
    m_abortButton->setEnabled(false);
    setWindowTitle("Algorithm aborting, please wait");
}
