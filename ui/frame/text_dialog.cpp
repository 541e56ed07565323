#include "ui/frame/text_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void ShowTextDialog(QWidget* parent, const std::string& title, const std::string& text) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromLocal8Bit(title.c_str()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* pane = new QPlainTextEdit(QString::fromLocal8Bit(text.c_str()), &dialog);
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(pane);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QPushButton* copy = buttons->addButton("&Copy", QDialogButtonBox::ActionRole);
    QObject::connect(copy, &QPushButton::clicked, &dialog,
                     [pane] { QApplication::clipboard()->setText(pane->toPlainText()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(760, 480);
    dialog.exec();
}
