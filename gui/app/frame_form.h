// TFrameForm: the main MDI frame. It owns the dictionary store, the English
// voice and the process-wide switches (FrameSwitches) for the whole run;
// editors live inside it.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

#include "core/store/dictionary_store.h"
#include "gui/app/frame_switches.h"
#include "gui/speech/english_voice.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;

namespace zelmor::gui {

class TEditForm;

class TFrameForm : public QMainWindow, public FrameSwitches {
    Q_OBJECT
public:
    static constexpr const char16_t* kDesignCaption = u"ZELMOR Çeviri Programı(FOR BEGINNERS)";
    static constexpr const char16_t* kOpenFilter = u"Rich text files (*.rtf)|*.rtf|All files|*.*";

    explicit TFrameForm(QWidget* parent = nullptr);
    ~TFrameForm() override;

    /// The one frame of the program (nullptr before it exists).
    static TFrameForm* Instance();

    /// The English voice of the frame (created on activation).
    std::unique_ptr<SpeechVoice> EnglishVoice;

    /// The store all windows read. It is replaced only as a whole, after a
    /// complete load, so no window ever sees a half-loaded store; a window
    /// that reads it from another thread keeps a StoreHandle() for as long
    /// as it reads.
    const store::DictionaryStore& Store() const { return *store_; }
    std::shared_ptr<const store::DictionaryStore> StoreHandle() const { return store_; }
    /// The store for the record editors, the only windows that change it.
    store::DictionaryStore& MutableStore() { return *store_; }

    /// First activation: resets the switches, opens the first editor,
    /// creates the voice, loads the store and checks the keyboard layout.
    /// Later activations of the frame do nothing (the store stays loaded).
    void Activate();
    bool Activated() const { return activation_done_; }
    /// Where the keyboard check gets the first layout's identifier (tests
    /// replace the X session's answer).
    void SetKeyboardLayoutSource(std::function<QString()> source) { keyboard_layout_ = std::move(source); }
    /// Loads the dictionary files of ProgramDir into a fresh store, asking
    /// through message boxes and an open dialog for missing files, and then
    /// swaps it in.
    void LoadStore();

    /// Creates an editor captioned "DIALOG" + (open editors + 1); loads the
    /// file of that name from the current folder when it exists.
    TEditForm* NewEditor();
    /// Runs the open dialog and opens the chosen file in a new editor.
    TEditForm* OpenEditor();
    /// Opens `path` in a new editor (nullptr when it cannot be loaded).
    TEditForm* OpenEditorFile(const QString& path);
    QList<TEditForm*> Editors() const;
    QMdiArea* MdiArea() const { return mdi_; }

    /// Shows the access-code dialog modally.
    void ShowAccessCodeDialog();

    /// The two questions about unsaved record edits; true when closing may go on.
    bool CloseQuery();

    /// Status bar text (red bold) and its background colour.
    void SetStatusText(const QString& text);
    void SetStatusColor(const QColor& color);
    void RestoreStatusColor();

    /// Sets the frame's "File" menu captions and its caption for a language.
    void ApplyLanguage(bool english);
    /// The frame caption the menu-language commands set.
    void ApplyFrameCaption(bool english);
    /// Captions of the "File" menu: 0 the menu, 1 New, 2 Open, 3 Exit.
    QString FileMenuCaption(int which) const;

    /// About box and information page: name, version and data statistics.
    void ShowAbout();
    void ShowInformationPage();
    QString DataStatistics() const;

    /// Makes the frame a normal (not top-most) or top-most window.
    void SetTopMost(bool on);

    void TileHorizontal();
    void TileVertical();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenus();
    void FillWindowMenu();
    QMdiSubWindow* AddEditor(TEditForm* editor);

    QMdiArea* mdi_ = nullptr;
    QMenu* file_menu_ = nullptr;
    QMenu* window_menu_ = nullptr;
    QAction* new_action_ = nullptr;
    QAction* open_action_ = nullptr;
    QAction* exit_action_ = nullptr;
    std::shared_ptr<store::DictionaryStore> store_;
    bool activated_ = false;        // the first activation is scheduled
    bool activation_done_ = false;  // ...and has run
    std::function<QString()> keyboard_layout_;
};

}  // namespace zelmor::gui
