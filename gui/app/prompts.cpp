#include "gui/app/prompts.h"

#include <QFileDialog>

namespace zelmor::gui {
namespace {
Prompts* g_installed = nullptr;
}

QMessageBox::StandardButton Prompts::Ask(QWidget* parent, QMessageBox::Icon icon,
                                         const QString& caption, const QString& text,
                                         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString Prompts::OpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString Prompts::SaveFileName(QWidget* parent, const QString& initial, const QString& filter,
                              const QString& default_suffix) {
    QFileDialog dialog(parent, QString(), initial, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(default_suffix);
    // The overwrite question is the editor's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

Prompts& Prompts::Current() {
    static Prompts defaults;
    return g_installed ? *g_installed : defaults;
}

void Prompts::Install(Prompts* prompts) { g_installed = prompts; }

}  // namespace zelmor::gui

namespace zelmor::gui {
QString QtFileFilter(const QString& windows_filter) {
    const QStringList parts = windows_filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (name.contains(QLatin1Char('(')))
            out << name;
        else
            out << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return out.join(QStringLiteral(";;"));
}
}  // namespace zelmor::gui
