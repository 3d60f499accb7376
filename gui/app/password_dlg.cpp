#include "gui/app/password_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/frame_switches.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

TPasswordDlg::TPasswordDlg(FrameSwitches& switches, QWidget* parent)
    : QDialog(parent), switches_(switches) {
    setWindowTitle(QStringLiteral("Şifre Dialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Şifre:"), this));
    code_ = new QLineEdit(this);
    code_->setEchoMode(QLineEdit::Password);
    layout->addWidget(code_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("İptal"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TPasswordDlg::Ok);
    connect(cancel, &QPushButton::clicked, this, &TPasswordDlg::Cancel);
    layout->addWidget(buttons);
}

void TPasswordDlg::showEvent(QShowEvent* event) {
    code_->setText(QStringLiteral("**"));
    code_->setFocus();
    code_->selectAll();
    QDialog::showEvent(event);
}

void TPasswordDlg::Ok() {
    if (!ApplyAccessCode(code_->text(), switches_))
        Prompts::Current().Inform(this, QStringLiteral("ZELMOR"), QStringLiteral("Yanlış Şifre "));
    accept();
}

void TPasswordDlg::Cancel() {
    switches_.EditMode = false;
    reject();
}

}  // namespace zelmor::gui
