// Every modal question the windows ask goes through Prompts, so that tests
// can answer them without a user.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace zelmor::gui {

class Prompts {
public:
    virtual ~Prompts() = default;
    /// A message box; returns the button pressed.
    virtual QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);
    virtual QString OpenFileName(QWidget* parent, const QString& filter);
    /// Save dialog; `default_suffix` without the dot.
    virtual QString SaveFileName(QWidget* parent, const QString& initial, const QString& filter,
                                 const QString& default_suffix);

    void Inform(QWidget* parent, const QString& caption, const QString& text) {
        Ask(parent, QMessageBox::Information, caption, text, QMessageBox::Ok);
    }
    void Warn(QWidget* parent, const QString& caption, const QString& text) {
        Ask(parent, QMessageBox::Warning, caption, text, QMessageBox::Ok);
    }

    /// The prompts in force (message boxes and file dialogs by default).
    static Prompts& Current();
    /// Replaces them (tests); nullptr restores the defaults.
    static void Install(Prompts* prompts);
};

}  // namespace zelmor::gui

namespace zelmor::gui {
/// A Windows-style filter ("Rich text files (*.rtf)|*.rtf|All files|*.*")
/// as a Qt file-dialog filter ("Rich text files (*.rtf);;All files (*.*)").
QString QtFileFilter(const QString& windows_filter);
}  // namespace zelmor::gui
