// The look-up windows: TForm3 lists the marked head words of the
// English-Turkish dictionary, TForm7 those of the Turkish-English one; the
// meaning of the chosen word comes from its record or, when the record has
// none, from the translation engine.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "core/maintenance/lookup.h"
#include "gui/windows/maintenance/maintenance_common.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace zelmor::gui {

class TLookupForm : public QDialog {
    Q_OBJECT
public:
    /// An empty `translate` uses the engine of the dictionary over the store.
    TLookupForm(MaintenanceContext context, maintenance::LookupDictionary which,
                maintenance::Translator translate = {}, QWidget* parent = nullptr);

    /// Activation: clears the window and fills the list of head words.
    void Activate();
    /// Shows the meaning of list entry `row`.
    void ShowItem(int row);
    /// The search field's text changed.
    void SearchTextChanged(const QString& text);

    const std::vector<std::string>& LookupWords() const { return words_; }
    QLineEdit* SearchEdit() const { return search_; }
    QListWidget* WordList() const { return list_; }
    QPlainTextEdit* MeaningText() const { return meaning_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    MaintenanceContext context_;
    maintenance::LookupDictionary which_;
    maintenance::Translator translate_;
    std::vector<std::string> words_;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* meaning_ = nullptr;
};

/// "İNGİLİZCE - TÜRKÇE SÖZLÜK"
class TForm3 : public TLookupForm {
    Q_OBJECT
public:
    explicit TForm3(MaintenanceContext context, maintenance::Translator translate = {}, QWidget* parent = nullptr)
        : TLookupForm(std::move(context), maintenance::LookupDictionary::EnTr, std::move(translate), parent) {}
};

/// "TÜRKÇE - İNGİLİZCE SÖZLÜK"
class TForm7 : public TLookupForm {
    Q_OBJECT
public:
    explicit TForm7(MaintenanceContext context, maintenance::Translator translate = {}, QWidget* parent = nullptr)
        : TLookupForm(std::move(context), maintenance::LookupDictionary::TrEn, std::move(translate), parent) {}
};

}  // namespace zelmor::gui
