// TEditForm: the rich-text editor window inside the frame. Its menus hold
// every command of the program.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "gui/speech/english_voice.h"

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSpinBox;
class QTextDocument;
class QTextEdit;

namespace zelmor::gui {

class TFrameForm;

/// Where a translate command sends the selection: the dialogs take short
/// texts, the result window anything of 79 characters or more.
enum class TranslateTarget { Dialog, ResultWindow };
inline TranslateTarget RouteSelection(qsizetype length) {
    return length >= 79 ? TranslateTarget::ResultWindow : TranslateTarget::Dialog;
}

/// The translation windows, registered by the code that builds them. While
/// a hook is empty its commands stay disabled.
struct TranslationWindows {
    /// English-Turkish / Turkish-English dialog with the text as its input.
    std::function<void(const QString&)> show_en_tr_dialog, show_tr_en_dialog;
    /// The result window translating the text.
    std::function<void(const QString&)> show_en_tr_result, show_tr_en_result;
    static TranslationWindows& Registered();
};

/// Commands whose windows are built elsewhere (look-up windows, record
/// editors, demos, test, games): the code that builds a window registers the
/// command by its item name ("IngTurDictItem", "TestDemoItem", ...). Editors
/// created afterwards enable the item and run the function; unregistered
/// items stay disabled.
using EditorCommand = std::function<void(class TEditForm&)>;
QHash<QString, EditorCommand>& RegisteredEditorCommands();

class TEditForm : public QWidget {
    Q_OBJECT
public:
    static constexpr const char16_t* kSaveFilter = u"Rich Text Files (*.rtf)|*.rtf|All files (*.*)|*.*";

    explicit TEditForm(TFrameForm& frame, QWidget* parent = nullptr);
    ~TEditForm() override;

    /// Path of the document; "DIALOG" until it is first saved.
    QString FileName = QStringLiteral("DIALOG");
    int PadRow = 2;
    int LastScrollLine = 0;
    bool Reading() const { return reading_; }

    QTextEdit* Editor() const { return editor_; }
    QTextDocument* Document() const;
    void FocusDocument();

    /// A command or menu by its object name ("SaveItem", "EditMenu", ...);
    /// menus answer with their menu action.
    QAction* Action(const QString& name) const;
    /// The caption shown for an item, without the shortcut text.
    QString Caption(const QString& name) const;

    /// Loads a document (rich text, or plain text when it is not RTF).
    bool LoadDocument(const QString& path);
    /// "Kaydet": saves to FileName, or asks for a name first.
    bool Save();
    /// "Farkli Kaydet".
    bool SaveAs();

    /// Menu-language commands: set EnglishUi and the captions.
    void SetMenuLanguage(bool english);

    /// "Okuma(ingilizce)" (rate -1) / "Yavas Okuma(ing)" (rate -5).
    void ReadAloud(int rate);
    /// Escape and "Okumayı Kapat"; `tell` shows "Cümle Okuma kapatılacak".
    void StopReading(bool escape, bool tell = true);

    /// The translate commands "ING_TUR" and "TUR_ING".
    void TranslateCommand(bool english_to_turkish);

    /// The hidden access-code command of the "Window" menu.
    void AccessCodeCommand();

    /// Letter pad.
    void ShowLetterPad();
    bool LetterPadVisible() const;
    void PressPadButton(int button);
    void SetPadFontSize(int size);
    bool GlyphsUsable() const { return glyphs_usable_; }
    void SetCapsLockSource(std::function<bool()> source) { caps_lock_ = std::move(source); }

    SpeechVoice* Voice() const { return voice_.get(); }

    /// The pause of the reading loop is multiplied by this (tests use 0).
    static void SetReadingPaceForTesting(double factor);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     std::function<void()> fn = {});
    QAction* AddHidden(const QString& name, const QString& caption, const QKeySequence& key,
                       std::function<void()> fn = {});
    QMenu* AddMenu(QMenuBar* bar, QMenu* parent, const QString& name, const QString& caption);
    void SetCaption(const QString& name, const QString& caption);
    void Disable(std::initializer_list<const char*> names);
    void BuildMenus();
    void BuildPopup();
    void BuildLetterPad();
    void ApplyCaptions(bool english, bool creation);
    void UpdateEditActions();
    void Wait(int ms);
    void OpenWeb(const QString& request);
    void OpenSitePage(const QString& path);

    TFrameForm& frame_;
    QTextEdit* editor_ = nullptr;
    QMenuBar* menu_bar_ = nullptr;
    QMenu* popup_ = nullptr;
    QWidget* pad_ = nullptr;
    QSpinBox* pad_size_ = nullptr;
    QTextEdit* glyphs_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    bool glyphs_usable_ = false;
    bool reading_ = false;
    std::unique_ptr<SpeechVoice> voice_;
    std::function<bool()> caps_lock_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QString> shortcut_text_;
};

}  // namespace zelmor::gui
