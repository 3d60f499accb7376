// Tabform: the editor of the abbreviation list "abbreviate.txt".
#pragma once

#include <QDialog>

#include "gui/windows/maintenance/maintenance_common.h"

class QPlainTextEdit;

namespace zelmor::gui {

class Tabform : public QDialog {
    Q_OBJECT
public:
    explicit Tabform(MaintenanceContext context, QWidget* parent = nullptr);

    /// "Abreviations": the list of the store into the text area.
    void ShowAbbreviations();
    /// "index": sort, ask, write the file and replace the store's list.
    void Index();

    QPlainTextEdit* TextArea() const { return text_; }

private:
    MaintenanceContext context_;
    PromptsUi ui_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace zelmor::gui
