// The sentence demos: TForm12 steps through Turkish lines and shows their
// English translation, TForm13 through English lines with their Turkish
// translation and a hidden tool panel for preparing sentence files. The
// stepping logic is learning::SentenceDemo; the pacing a DemoPacer driven
// on the GUI thread, so every engine and speech call runs there.
#pragma once

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "core/learning/demo.h"
#include "gui/speech/english_voice.h"
#include "gui/windows/learning/learning_common.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QToolButton;

namespace zelmor::gui {

class TSentenceDemoBase : public TPacedDialog {
    Q_OBJECT
public:
    TSentenceDemoBase(learning::SentenceDemo::Language language, LearningContext context, QWidget* parent);

    /// The opening command fills the hidden line buffer.
    void SetLines(const QStringList& lines);
    QStringList Lines() const;

    /// Activation: captions, glyphs, pause 2 and a new cycle that runs at once.
    virtual void Activate();
    void Open();

    void PressStart() { ResumePacing(); }
    void PressStop() { PausePacing(); }
    /// "+++".
    void ToggleTranslation();
    void ToggleSpeech();
    void SetPause(int seconds);

    QString UpperText() const;
    QString LowerText() const;
    QColor LowerBackground() const;
    QString Caption(const char* object_name) const;
    learning::SentenceDemo& Demo() { return demo_; }
    SpeechVoice* Voice() const { return voice_.get(); }

protected:
    void OnStep(learning::DemoStep step) override;
    virtual void ShowNextSentence();
    virtual void ReadAloud() = 0;
    virtual void AfterSentence() {}
    void SetLowerBackground(const QColor& color);

    learning::SentenceDemo demo_;
    std::unique_ptr<SpeechVoice> voice_;
    QTextEdit* upper_ = nullptr;
    QTextEdit* lower_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* rate_label_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* plus_ = nullptr;
    QToolButton* speaker_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QSpinBox* rate_ = nullptr;
    QTextDocument* glyphs_ = nullptr;
    bool glyphs_loaded_ = false;
};

/// Turkish sentences, translated by the Turkish-English engine.
class TForm12 : public TSentenceDemoBase {
    Q_OBJECT
public:
    explicit TForm12(LearningContext context, QWidget* parent = nullptr);
    void Activate() override;

protected:
    void ShowNextSentence() override;
    void ReadAloud() override;
    QString EndText() const override;
};

/// English sentences, translated by the English-Turkish engine.
class TForm13 : public TSentenceDemoBase {
    Q_OBJECT
public:
    explicit TForm13(LearningContext context, QWidget* parent = nullptr);
    void Activate() override;

    // The tool panel (double-click on the speed label).
    void ToggleToolPanel();
    bool ToolPanelVisible() const;
    void ToggleCoding();     // "şifrele"
    void ListParts();        // "Listele"
    void IndexFirstMemo();   // "index"
    void LoadUserLists();    // "ingTrLoad"
    void TurkishCoded();     // "tur-sifre"
    void DecodeSelection(bool english);  // "ingDecode" / "TrDecode"
    void LoadFileMemo();     // "DosyaYükle"
    void AppendToFile();     // "Dosya Ekle"
    void IndexFileMemo();    // "indeks"
    void SaveFirstMemo();    // "Dosya Kayıt"

    QPlainTextEdit* FirstMemo() const { return memo1_; }
    QPlainTextEdit* SecondMemo() const { return memo2_; }
    QPlainTextEdit* FileMemo() const { return file_memo_; }

protected:
    void ShowNextSentence() override;
    void ReadAloud() override;
    QString EndText() const override { return QStringLiteral("DEMO End"); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* tools_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QPlainTextEdit* file_memo_ = nullptr;
    QPushButton* coding_ = nullptr;
    std::size_t coded_shown_ = 0;
};

}  // namespace zelmor::gui
