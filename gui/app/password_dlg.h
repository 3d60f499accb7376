// TPasswordDlg: the access-code dialog. It switches the engines between the
// normal and the trace mode and unlocks the maintenance commands.
#pragma once

#include <QDialog>

class QLineEdit;

namespace zelmor::gui {

struct FrameSwitches;

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    TPasswordDlg(FrameSwitches& switches, QWidget* parent = nullptr);

    QLineEdit* CodeField() const { return code_; }
    /// The OK button: applies the typed code, or says "Yanlış Şifre ".
    void Ok();
    /// The "İptal" button: clears EditMode.
    void Cancel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    FrameSwitches& switches_;
    QLineEdit* code_;
};

}  // namespace zelmor::gui
