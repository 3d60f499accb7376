// The user dictionary editors: Tingtrform over "usering.txt" (English
// phrases) and Tzelmoruser over "usertur.txt" (Turkish phrases). The file is
// edited as plain text; "index-kayıt" rebuilds the file and the store from it.
#pragma once

#include <QWidget>

#include "core/maintenance/lookup.h"
#include "core/maintenance/user_dictionary.h"
#include "gui/windows/maintenance/maintenance_common.h"

class QPlainTextEdit;

namespace zelmor::gui {

class TUserDictionaryForm : public QWidget {
    Q_OBJECT
public:
    /// An empty `translate` uses the engine of the dictionary over the store.
    TUserDictionaryForm(MaintenanceContext context, maintenance::UserDictionary which,
                        maintenance::Translator translate = {}, QWidget* parent = nullptr);

    /// Activation and "Kullanıcı sozluk": the file into the text area.
    bool LoadDictionaryFile();
    /// "Açıklama": "benioku.txt" into the text area.
    bool LoadExplanation();
    /// "Kelime Kontrol" for the selected text.
    void CheckWord();
    /// "pavolk çeviri" / "zelmor çeviri" for the selected text.
    void TranslateSelection();
    /// "index-kayıt".
    void IndexAndSave();

    QPlainTextEdit* TextArea() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool LoadFile(const char* name);
    std::string SelectionCp() const;

    MaintenanceContext context_;
    maintenance::UserDictionary which_;
    maintenance::Translator translate_;
    PromptsUi ui_;
    QPlainTextEdit* text_ = nullptr;
    QPlainTextEdit* second_ = nullptr;
};

/// "ingilizce kullanici sözlük (usering.txt)"
class Tingtrform : public TUserDictionaryForm {
    Q_OBJECT
public:
    explicit Tingtrform(MaintenanceContext context, maintenance::Translator translate = {}, QWidget* parent = nullptr)
        : TUserDictionaryForm(std::move(context), maintenance::UserDictionary::English, std::move(translate),
                              parent) {}
};

/// "ZelmorUser (usertur.txt dosyası kullanır)"
class Tzelmoruser : public TUserDictionaryForm {
    Q_OBJECT
public:
    explicit Tzelmoruser(MaintenanceContext context, maintenance::Translator translate = {}, QWidget* parent = nullptr)
        : TUserDictionaryForm(std::move(context), maintenance::UserDictionary::Turkish, std::move(translate),
                              parent) {}
};

}  // namespace zelmor::gui
