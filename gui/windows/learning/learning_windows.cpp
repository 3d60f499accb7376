#include "gui/windows/learning/learning_windows.h"

#include <QPlainTextEdit>
#include <QTextEdit>

#include "gui/app/frame_form.h"
#include "gui/app/prompts.h"
#include "gui/editor/edit_form.h"
#include "gui/windows/learning/sentence_demo_forms.h"
#include "gui/windows/learning/test_form.h"
#include "gui/windows/learning/word_demo_forms.h"

namespace zelmor::gui {

std::function<void(const std::string&)>& LearningTurkishReader() {
    static std::function<void(const std::string&)> reader;
    return reader;
}

namespace {

LearningContext ContextOf(TFrameForm& frame) {
    LearningContext c = LearningContext::Of(frame);
    // Looked up at each call, so a reader plugged in later is used.
    c.speak_turkish = [](const std::string& text) {
        if (LearningTurkishReader()) LearningTurkishReader()(text);
    };
    return c;
}

QStringList Lines(const QString& text) { return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')); }

}  // namespace

LearningWindows::LearningWindows(TFrameForm& frame) : QObject(&frame), frame_(frame) {
    setObjectName(QStringLiteral("LearningWindows"));
}

LearningWindows& LearningWindows::Of(TFrameForm& frame) {
    auto* found = frame.findChild<LearningWindows*>(QStringLiteral("LearningWindows"), Qt::FindDirectChildrenOnly);
    return found ? *found : *new LearningWindows(frame);
}

TDemoForm& LearningWindows::DemoForm() {
    if (!demo1_) demo1_ = new TDemoForm(ContextOf(frame_), &frame_);
    return *demo1_;
}
TDemoForm2& LearningWindows::DemoForm2() {
    if (!demo2_) demo2_ = new TDemoForm2(ContextOf(frame_), &frame_);
    return *demo2_;
}
TForm12& LearningWindows::Form12() {
    if (!form12_) form12_ = new TForm12(ContextOf(frame_), &frame_);
    return *form12_;
}
TForm13& LearningWindows::Form13() {
    if (!form13_) form13_ = new TForm13(ContextOf(frame_), &frame_);
    return *form13_;
}
TTest& LearningWindows::Test() {
    if (!test_) test_ = new TTest(ContextOf(frame_), &frame_);
    return *test_;
}

void LearningWindows::OpenDemo1(bool turkish_first) {
    TDemoForm& w = DemoForm();
    w.Direction = turkish_first ? learning::Direction::TurkishFirst : learning::Direction::EnglishFirst;
    frame_.TraceRequest = false;
    frame_.EditMode = false;
    w.Open();
}

void LearningWindows::OpenDemo2(bool turkish_first) {
    TDemoForm2& w = DemoForm2();
    w.Direction = turkish_first ? learning::Direction::TurkishFirst : learning::Direction::EnglishFirst;
    w.setWindowTitle(turkish_first ? QStringLiteral(" DEMO türkçe - ingilizce") : QStringLiteral(" DEMO ingilizce-türkçe"));
    w.Open();
}

namespace {

void WriteSentencesWarning(QWidget* parent, bool english_ui, const QString& turkish_caption) {
    if (english_ui)
        Prompts::Current().Warn(parent, QStringLiteral("Write sentences on the page "),
                                QStringLiteral("or Load a Text file and open Menü again"));
    else
        Prompts::Current().Warn(parent, turkish_caption,
                                QStringLiteral("veya bir metin dosyasi yükleyiniz ve Menüyü tekrar açiniz.."));
}

}  // namespace

void LearningWindows::OpenTurkishSentences(const QStringList& lines) {
    const store::DictionaryStore& s = frame_.Store();
    if (s.TrEnKeys.size() < 2 || s.TrEnRecords.size() < 2) {
        Prompts::Current().Inform(&frame_, QStringLiteral("ZELMOR"), QStringLiteral("ZELMOR File loading error"));
        return;
    }
    if (lines.isEmpty()) {
        WriteSentencesWarning(&frame_, frame_.EnglishUi, QStringLiteral("Sayfaya cümleler yaziniz  "));
        return;
    }
    TForm12& w = Form12();
    w.SetLines(lines);
    frame_.TraceRequest = false;
    frame_.EditMode = false;
    w.Open();
}

void LearningWindows::OpenEnglishSentences(const QStringList& document_lines, const QStringList& note_lines) {
    const store::DictionaryStore& s = frame_.Store();
    if (s.EnTrKeys.size() < 2 || s.EnTrRecords.size() < 2) {
        Prompts::Current().Inform(&frame_, QStringLiteral("ZELMOR"), QStringLiteral("PAVOLK File loading error"));
        return;
    }
    const bool boncuk = !note_lines.isEmpty() && note_lines.first().trimmed() == QStringLiteral("boncuk");
    if (document_lines.isEmpty() && !boncuk) {
        WriteSentencesWarning(&frame_, frame_.EnglishUi, QStringLiteral("Sayfaya cümleler yazınız  "));
        return;
    }
    TForm13& w = Form13();
    w.SetLines(boncuk ? note_lines : document_lines);
    frame_.TraceRequest = false;
    frame_.EditMode = false;
    w.Open();
}

void LearningWindows::OpenTest() { Test().Open(); }

void RegisterLearningCommands() {
    QHash<QString, EditorCommand>& commands = RegisteredEditorCommands();
    auto windows = []() -> LearningWindows* {
        TFrameForm* frame = TFrameForm::Instance();
        return frame ? &LearningWindows::Of(*frame) : nullptr;
    };
    commands.insert(QStringLiteral("TestDemoItem"), [windows](TEditForm&) {
        if (auto* w = windows()) w->OpenTest();
    });
    commands.insert(QStringLiteral("IngDemo1Item"), [windows](TEditForm&) {
        if (auto* w = windows()) w->OpenDemo1(false);
    });
    commands.insert(QStringLiteral("TurDemo1Item"), [windows](TEditForm&) {
        if (auto* w = windows()) w->OpenDemo1(true);
    });
    commands.insert(QStringLiteral("IngDemo2Item"), [windows](TEditForm&) {
        if (auto* w = windows()) w->OpenDemo2(false);
    });
    commands.insert(QStringLiteral("TurDemo2Item"), [windows](TEditForm&) {
        if (auto* w = windows()) w->OpenDemo2(true);
    });
    commands.insert(QStringLiteral("TurkishSentencesItem"), [windows](TEditForm& e) {
        if (auto* w = windows()) w->OpenTurkishSentences(Lines(e.Editor()->toPlainText()));
    });
    commands.insert(QStringLiteral("EnglishSentencesItem"), [windows](TEditForm& e) {
        auto* note = e.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        if (auto* w = windows())
            w->OpenEnglishSentences(Lines(e.Editor()->toPlainText()), note ? Lines(note->toPlainText()) : QStringList());
    });
}

}  // namespace zelmor::gui
