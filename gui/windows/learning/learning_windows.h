// The learning windows of one frame (word demos, sentence demos and the
// test), created on first use and kept for the whole run, and the Help-menu
// commands of the editors that open them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>

namespace zelmor::gui {

class TFrameForm;
class TEditForm;
class TDemoForm;
class TDemoForm2;
class TForm12;
class TForm13;
class TTest;

/// The Turkish read-aloud the demos hand their Turkish text to (code page
/// 1254). Empty until the program's Turkish speech is plugged in; the demos
/// then stay silent in Turkish.
std::function<void(const std::string&)>& LearningTurkishReader();

class LearningWindows : public QObject {
    Q_OBJECT
public:
    /// Owned by the frame (a child object); destroyed with it.
    explicit LearningWindows(TFrameForm& frame);
    /// The frame's instance, created when missing.
    static LearningWindows& Of(TFrameForm& frame);

    TDemoForm& DemoForm();
    TDemoForm2& DemoForm2();
    TForm12& Form12();
    TForm13& Form13();
    TTest& Test();

    // The menu commands; the modal windows return when they are closed.
    /// "ing-turk kelime demo" / "turk-ing kelime demo" > "demo1".
    void OpenDemo1(bool turkish_first);
    /// ... > "demo2".
    void OpenDemo2(bool turkish_first);
    /// "Turkish Sentences" with the editor's lines.
    void OpenTurkishSentences(const QStringList& lines);
    /// "English Sentences" with the editor's lines, or the note field's when
    /// it starts with the line "boncuk".
    void OpenEnglishSentences(const QStringList& document_lines, const QStringList& note_lines);
    /// "TEST DEMO".
    void OpenTest();

private:
    TFrameForm& frame_;
    QPointer<TDemoForm> demo1_;
    QPointer<TDemoForm2> demo2_;
    QPointer<TForm12> form12_;
    QPointer<TForm13> form13_;
    QPointer<TTest> test_;
};

/// Registers the Help-menu demo and test commands ("TestDemoItem",
/// "IngDemo1Item", "IngDemo2Item", "TurDemo1Item", "TurDemo2Item",
/// "TurkishSentencesItem", "EnglishSentencesItem") for the editors created
/// afterwards. Call once, before the frame's first editor.
void RegisterLearningCommands();

}  // namespace zelmor::gui
