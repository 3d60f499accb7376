// TTest: the multiple-choice test window. Each START asks a word of the
// dictionary, a generated English sentence or a question of a loaded file,
// with four answers A to D; O.K checks the pressed letter. The quiz logic
// is learning::MultipleChoiceTest; the window only shows what it returns.
#pragma once

#include <QTimer>

#include <memory>
#include <vector>

#include "core/learning/multiple_choice.h"
#include "core/learning/word_pairs.h"
#include "gui/speech/english_voice.h"
#include "gui/windows/learning/learning_common.h"

class QAbstractButton;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace zelmor::gui {

class TTest : public QDialog {
    Q_OBJECT
public:
    explicit TTest(LearningContext context, QWidget* parent = nullptr);

    /// Activation: counters, captions, the word list and the (cached)
    /// generated sentences.
    void Activate();
    void Open();

    // The controls.
    void PressStart();
    void PressLetter(char letter);   // 'A'..'D'
    void PressOk();
    void PressReset();
    void PressSpeaker();
    void ToggleClock();
    void ShowHelpPanel();
    void LoadQuestionFile();       // "Test Dosyasi yükleme"
    void UseDictionary();          // "Sözlük yükleme"
    void HideHelpPanel();          // "çikis"

    /// The half-second timer (tests call it directly).
    void TimerTick();

    /// Captions for the menu-language switch of the editors.
    void ApplyLanguage(bool english);

    char PressedLetter() const;
    QString Question() const;
    bool QuestionShown() const;
    QString Answer(int index) const;   // 0..3 = A..D
    QString Mark() const;
    QString Panel(int index) const;
    QString SourceText() const;
    QString Caption(const char* object_name) const;
    learning::MultipleChoiceTest* Logic() { return test_.get(); }
    SpeechVoice* Voice() const { return voice_.get(); }

    /// The generated sentences are translated once per loaded store; this
    /// forgets them (tests).
    static void ForgetSentenceCache();
    /// How many times sentences were translated since start (tests).
    static int SentenceBuilds();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    std::vector<learning::WordPair> SentencePairs(const std::shared_ptr<const store::DictionaryStore>& store);
    void ResetView();
    void UpdatePanels();
    void SetAnswers(const std::array<std::string, 4>& answers);
    void ShowQuestionText(const QString& text);
    void Say(const QString& caption, const QString& text);

    LearningContext context_;
    std::unique_ptr<learning::MultipleChoiceTest> test_;
    std::unique_ptr<SpeechVoice> voice_;
    QTimer timer_;
    QTextDocument* glyphs_ = nullptr;
    bool glyphs_loaded_ = false;
    QLabel* question_ = nullptr;
    QLabel* instruction_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* mark_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* source_ = nullptr;
    QGroupBox* group_ = nullptr;
    QTextEdit* answers_[4] = {};
    QPushButton* letters_[4] = {};
    QButtonGroup* letter_group_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* reset_ = nullptr;
    QToolButton* clock_ = nullptr;
    QToolButton* speaker_ = nullptr;
    QPushButton* info_ = nullptr;
    QFrame* help_ = nullptr;
    QList<QLabel*> panels_;
};

}  // namespace zelmor::gui
