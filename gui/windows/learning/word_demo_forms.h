// The flash-card word demos: TDemoForm (buttons, help panel, hiding) and
// TDemoForm2 (menus and a status bar). Both show a word in a large font
// with its meaning underneath at the pace set by the user, from the demo-
// marked dictionary records or from a "word;meaning" file, and can read the
// word aloud. The card logic is learning::WordDemo; the pacing is a
// DemoPacer driven on the GUI thread.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTextDocument>

#include <memory>

#include "core/learning/demo.h"
#include "core/learning/word_pairs.h"
#include "gui/speech/english_voice.h"
#include "gui/windows/learning/learning_common.h"

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QToolButton;
class QMenu;

namespace zelmor::gui {

/// What both word demos share: the cards, the panes, the voice and the
/// dictionary and file word lists.
class TWordDemoBase : public TPacedDialog {
    Q_OBJECT
public:
    TWordDemoBase(LearningContext context, QWidget* parent);

    /// Set by the opening command before the window is shown.
    learning::Direction Direction = learning::Direction::EnglishFirst;
    bool TurkishFirst() const { return Direction == learning::Direction::TurkishFirst; }

    /// Activation: voice, captions, glyphs, switches, and a new cycle.
    virtual void Activate();
    /// Activation and the modal window.
    void Open();

    /// Rebuilds the card list from the dictionaries.
    void LoadDictionaryWords();
    /// Loads a word file after the file dialog and the confirmation.
    void ChooseWordFile();
    /// Loads a word file without asking (the confirmed part of the above).
    bool LoadWordFile(const QString& path);

    learning::WordDemo& Demo() { return *demo_; }
    QString WordText() const;
    QString MeaningText() const;
    SpeechVoice* Voice() const { return voice_.get(); }

protected:
    void OnStep(learning::DemoStep step) override;
    QString EndText() const override { return QStringLiteral("DEMO End"); }
    virtual void ShowNextCard();
    virtual void ReadAloudAndHide();
    /// Messages of the file load.
    virtual QString LoadedMessage() const = 0;
    virtual QString NotLoadedMessage() const = 0;
    virtual void AfterFileLoad(const QString& path, bool loaded) = 0;
    virtual void ShowCounter() {}
    virtual bool UsesGlyphs() const { return true; }

    void SetWord(const QString& text);
    void SetMeaning(const QString& text);
    void Message(const QString& text);

    std::unique_ptr<learning::WordDemo> demo_;
    std::unique_ptr<SpeechVoice> voice_;
    QTextEdit* word_pane_ = nullptr;
    QTextEdit* meaning_pane_ = nullptr;
    QTextDocument glyphs_;
    bool glyphs_loaded_ = false;
};

class TDemoForm : public TWordDemoBase {
    Q_OBJECT
public:
    explicit TDemoForm(LearningContext context, QWidget* parent = nullptr);
    void Activate() override;

    /// The controls, for the menu-less commands and the tests.
    void PressStart();
    void PressStop();
    void ToggleMeaning();   // "?"
    void ShowHelpPanel();   // "info"
    void HideHelpPanel();   // "Çikis"
    void ToggleSpeech();    // speaker button
    void SetVisibleWord(bool visible);  // pop-up "görünür"
    bool HelpPanelVisible() const;
    QString Caption(const char* object_name) const;

protected:
    void ShowNextCard() override;
    void ReadAloudAndHide() override;
    QString LoadedMessage() const override;
    QString NotLoadedMessage() const override;
    void AfterFileLoad(const QString& path, bool loaded) override;
    void ShowCounter() override;

private:
    void ShowButtons(bool on);
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* file_label_ = nullptr;
    QLabel* rate_label_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* meaning_button_ = nullptr;
    QPushButton* info_ = nullptr;
    QToolButton* speaker_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QSpinBox* rate_ = nullptr;
    QFrame* help_ = nullptr;
    QAction* visible_ = nullptr;
};

class TDemoForm2 : public TWordDemoBase {
    Q_OBJECT
public:
    explicit TDemoForm2(LearningContext context, QWidget* parent = nullptr);
    void Activate() override;

    /// Menu commands.
    void Begin();        // "Başla"
    void Halt();         // "Durdur"
    void ResetCards();   // "Reset"
    void ToggleSpeech(); // "seslendirme(ing)"
    void ToggleMeaning();  // "AltPencereGörünür"
    void SetReadingRate(int which);  // 0 normal, 1 yavaş, 2 çok yavaş
    void SetSpeed(int seconds);      // "Hız ayarı" (1) .. (5)
    QString Panel(int index) const;
    QAction* Item(const QString& name) const;

protected:
    void ShowNextCard() override;
    QString LoadedMessage() const override;
    QString NotLoadedMessage() const override;
    void AfterFileLoad(const QString& path, bool loaded) override;
    void ShowCounter() override;
    bool UsesGlyphs() const override { return false; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetPanel(int index, const QString& text);
    QList<QLabel*> panels_;
    QMenu* rate_menu_ = nullptr;
    QList<QAction*> speed_items_;
    QHash<QString, QAction*> items_;
};

}  // namespace zelmor::gui
