// The editor window: creation by EditMode and language, the translate
// routing, captions, saving, the close query, reading aloud and the pad.
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "gui/app/frame_form.h"
#include "gui/editor/edit_form.h"
#include "gui/editor/letter_pad.h"
#include "gui_test_support.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui {
namespace {

using testing::FakeVoice;
using testing::FakeVoices;
using testing::ScriptedPrompts;

class EditorTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (auto* e : editors_) {
            e->Document()->setModified(false);
            delete e;
        }
    }
    TEditForm* Make() {
        editors_.push_back(new TEditForm(frame));
        return editors_.back();
    }
    void Select(TEditForm* e, int from, int to) {
        QTextCursor c = e->Editor()->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        e->Editor()->setTextCursor(c);
    }

    ScriptedPrompts prompts;
    FakeVoices voices;
    TFrameForm frame;
    std::vector<TEditForm*> editors_;
};

TEST_F(EditorTest, RegistrationFollowsEditModeAtCreationOnly) {
    frame.EditMode = false;
    TEditForm* without = Make();
    frame.EditMode = true;
    TEditForm* with = Make();
    EXPECT_FALSE(without->Action(QStringLiteral("RegistrationMenu"))->isVisible());
    EXPECT_TRUE(with->Action(QStringLiteral("RegistrationMenu"))->isVisible());
    frame.EditMode = false;
    EXPECT_TRUE(with->Action(QStringLiteral("RegistrationMenu"))->isVisible());
    // Without the Registration items the hidden record commands own the keys.
    EXPECT_EQ(without->Action(QStringLiteral("PavolkItem"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    EXPECT_TRUE(with->Action(QStringLiteral("PavolkItem"))->shortcut().isEmpty());
}

TEST_F(EditorTest, SelectionLengthChoosesDialogOrResultWindow) {
    EXPECT_EQ(RouteSelection(0), TranslateTarget::Dialog);
    EXPECT_EQ(RouteSelection(78), TranslateTarget::Dialog);
    EXPECT_EQ(RouteSelection(79), TranslateTarget::ResultWindow);

    QStringList dialog, result;
    TranslationWindows& tw = TranslationWindows::Registered();
    tw.show_en_tr_dialog = [&](const QString& s) { dialog << s; };
    tw.show_en_tr_result = [&](const QString& s) { result << s; };
    TEditForm* e = Make();
    e->Editor()->setPlainText(QString(100, QLatin1Char('a')));

    e->TranslateCommand(true);  // nothing selected
    Select(e, 0, 78);
    e->TranslateCommand(true);
    EXPECT_TRUE(frame.TraceRequest);
    Select(e, 0, 79);
    e->TranslateCommand(true);
    EXPECT_FALSE(frame.TraceRequest);
    tw = TranslationWindows{};

    ASSERT_EQ(dialog.size(), 2);
    EXPECT_EQ(dialog[0], QString());
    EXPECT_EQ(dialog[1].size(), 78);
    ASSERT_EQ(result.size(), 1);
    EXPECT_EQ(result[0].size(), 79);
}

TEST_F(EditorTest, TranslateCommandsAreDisabledUntilTheirWindowsExist) {
    TEditForm* e = Make();
    EXPECT_FALSE(e->Action(QStringLiteral("IngTurItem"))->isEnabled());
    EXPECT_FALSE(e->Action(QStringLiteral("TurIngItem"))->isEnabled());
    EXPECT_FALSE(e->Action(QStringLiteral("IngTurDictItem"))->isEnabled());
    EXPECT_TRUE(e->Action(QStringLiteral("AboutItem"))->isEnabled());

    // A window that registers its command enables it in new editors.
    int runs = 0;
    RegisteredEditorCommands().insert(QStringLiteral("TestDemoItem"), [&runs](TEditForm&) { ++runs; });
    TEditForm* later = Make();
    RegisteredEditorCommands().clear();
    ASSERT_TRUE(later->Action(QStringLiteral("TestDemoItem"))->isEnabled());
    later->Action(QStringLiteral("TestDemoItem"))->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(e->Action(QStringLiteral("TestDemoItem"))->isEnabled());
}

TEST_F(EditorTest, MenuLanguageSwitchChangesOnlyThisEditorAndNewOnes) {
    frame.EnglishUi = false;
    TEditForm* a = Make();
    TEditForm* b = Make();
    EXPECT_EQ(a->Caption(QStringLiteral("RegistrationMenu")), QStringLiteral("Kayıt"));
    EXPECT_EQ(a->Caption(QStringLiteral("UserDictMenu")), QStringLiteral("Kullanici sözlük"));
    EXPECT_EQ(a->Caption(QStringLiteral("SaveAsItem")), QStringLiteral("Farkli Kaydet"));

    a->Action(QStringLiteral("EnglishItem"))->trigger();
    EXPECT_TRUE(frame.EnglishUi);
    struct Row {
        const char* item;
        const char16_t* english;
    } rows[] = {
        {"FileMenu", u"File"},         {"SaveAsItem", u"SaveAs"},
        {"PrinterSetupItem", u"Printer Setup"}, {"ExitItem", u"Exit"},
        {"EditMenu", u"Edit"},         {"SelectAllItem", u"Select All"},
        {"ColorItem", u"EditorColor"}, {"TurIngDictItem", u"Tur-Ing Dictionary"},
        {"RegistrationMenu", u"Register"}, {"HelpFileItem", u"Help"},
        {"EnglishSentencesItem", u"English SEntences"}, {"PopPasteItem", u"Paste"},
        {"UserDictMenu", u"Kullanici sözlük"},  // the switch leaves it alone
    };
    for (const Row& r : rows)
        EXPECT_EQ(a->Caption(QString::fromLatin1(r.item)), QString::fromUtf16(r.english)) << r.item;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("ZELMOR Translation Program (FOR BEGINNERS)"));
    EXPECT_EQ(frame.FileMenuCaption(2), QStringLiteral("Open"));
    // The other open editor keeps its captions.
    EXPECT_EQ(b->Caption(QStringLiteral("FileMenu")), QStringLiteral("Dosya"));
    // A new editor takes the language in force, with the creation captions.
    TEditForm* c = Make();
    EXPECT_EQ(c->Caption(QStringLiteral("PrinterSetupItem")), QStringLiteral("Printer SetUp"));
    EXPECT_EQ(c->Caption(QStringLiteral("UserDictMenu")), QStringLiteral("User Dictionary"));

    a->Action(QStringLiteral("PopTurkishItem"))->trigger();
    EXPECT_FALSE(frame.EnglishUi);
    EXPECT_EQ(a->Caption(QStringLiteral("RegistrationMenu")), QStringLiteral("Kayit"));
    EXPECT_EQ(a->Caption(QStringLiteral("ExitItem")), QStringLiteral("Çikis"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("ZELMOR Çeviri Programi (FOR BEGINNERS)"));
}

TEST_F(EditorTest, SaveOnNewDocumentAsksForNameAndConfirmsOverwrite) {
    zelmor::testing::TempDir dir;
    TEditForm* e = Make();
    e->Editor()->insertPlainText(QStringLiteral("Merhaba dünya"));
    const QString path = QString::fromStdString((dir.path() / "mektup.rtf").string());

    // Cancelled dialog: nothing happens.
    EXPECT_FALSE(e->Save());
    EXPECT_EQ(prompts.save_requests, QStringList{QStringLiteral("DIALOG")});
    EXPECT_EQ(prompts.save_suffix, QStringLiteral("rtf"));
    EXPECT_EQ(prompts.save_filter, QStringLiteral("Rich Text Files (*.rtf);;All files (*.*)"));

    prompts.save_name = path;
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(e->FileName, path);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("mektup.rtf"));
    EXPECT_FALSE(e->Document()->isModified());
    EXPECT_TRUE(prompts.questions.empty());

    // Save as over the existing file: No leaves the document unsaved and
    // its name unchanged.
    TEditForm* other = Make();
    other->Editor()->insertPlainText(QStringLiteral("başka"));
    prompts.answers = {QMessageBox::No};
    EXPECT_FALSE(other->SaveAs());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("Üzerine yazilacak, O.K  ") + path);
    EXPECT_EQ(prompts.questions[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(other->FileName, QStringLiteral("DIALOG"));
    EXPECT_TRUE(other->Document()->isModified());

    // The saved file reads back with its text.
    TEditForm* reader = Make();
    ASSERT_TRUE(reader->LoadDocument(path));
    EXPECT_EQ(reader->Document()->toPlainText(), QStringLiteral("Merhaba dünya"));
    EXPECT_EQ(reader->windowTitle(), QStringLiteral("mektup.rtf"));
    EXPECT_FALSE(reader->Document()->isModified());
}

TEST_F(EditorTest, BrokenRtfGivesAMessageAndNoEditor) {
    zelmor::testing::TempDir dir;
    auto path = dir.Write("kırık.rtf", "{\\rtf1 {\\b yarım");
    EXPECT_EQ(frame.OpenEditorFile(QString::fromStdString(path.string())), nullptr);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(prompts.questions[0].text.contains(QStringLiteral("RTF"))) << prompts.questions[0].text.toStdString();
    EXPECT_TRUE(frame.Editors().isEmpty());
}

TEST_F(EditorTest, CloseQueryWithUnsavedEdits) {
    zelmor::testing::TempDir dir;
    frame.EditMode = true;
    TEditForm* e = Make();
    e->Editor()->insertPlainText(QStringLiteral("text"));

    prompts.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(e->close());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, QStringLiteral("ONAYLA"));
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("Değişiklik kaydedilecek mi?  DIALOG"));
    EXPECT_TRUE(frame.EditMode);

    // Yes runs "Kaydet", which asks for a name; cancelling it keeps the text.
    prompts.answers = {QMessageBox::Yes};
    EXPECT_FALSE(e->close());

    prompts.answers = {QMessageBox::Yes};
    prompts.save_name = QString::fromStdString((dir.path() / "kapat.rtf").string());
    editors_.clear();  // closing deletes the window
    EXPECT_TRUE(e->close());
    EXPECT_TRUE(QFile::exists(prompts.save_name));
    EXPECT_FALSE(frame.EditMode);

    TEditForm* f = Make();
    f->Editor()->insertPlainText(QStringLiteral("drop"));
    prompts.answers = {QMessageBox::No};
    editors_.clear();
    EXPECT_TRUE(f->close());
}

TEST_F(EditorTest, ReadingSpeaksPhrasesAndRejoinsAbbreviations) {
    TEditForm::SetReadingPaceForTesting(0);
    TEditForm* e = Make();
    e->Editor()->setPlainText(QStringLiteral("Mr. Smith came home. He was tired, I think."));
    e->ReadAloud(-1);
    auto* voice = static_cast<FakeVoice*>(e->Voice());
    EXPECT_EQ(voice->Rate(), -1);
    EXPECT_EQ(voice->last_flags, SpeechVoice::kSpeakAsync);
    EXPECT_EQ(voice->spoken,
              (QStringList{QStringLiteral("Mr. Smith came home   . "), QStringLiteral("He was tired   , "),
                           QStringLiteral("I think  ..")}));
    EXPECT_FALSE(e->Reading());
    EXPECT_EQ(e->Editor()->textCursor().position(), 0);
    // The loop frames the text with a blank line before and "." after.
    EXPECT_EQ(e->Document()->toPlainText(),
              QStringLiteral(" \nMr. Smith came home. He was tired, I think.\n."));
    e->Action(QStringLiteral("SlowReadItem"))->trigger();
    EXPECT_EQ(voice->Rate(), -5);
    EXPECT_EQ(e->Document()->toPlainText(),
              QStringLiteral(" \n \nMr. Smith came home. He was tired, I think.\n.\n."));
    TEditForm::SetReadingPaceForTesting(1);
}

TEST_F(EditorTest, ReadingAnEmptyDocumentOnlyTellsTheUser) {
    TEditForm* e = Make();
    e->ReadAloud(-1);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("Bir dosya yükleyiniz veya bir metin yazınız.."));
    EXPECT_TRUE(static_cast<FakeVoice*>(e->Voice())->spoken.isEmpty());
    EXPECT_TRUE(e->Document()->isEmpty());
}

TEST_F(EditorTest, StopReadingEndsTheLoop) {
    TEditForm::SetReadingPaceForTesting(0);
    TEditForm* e = Make();
    e->Editor()->setPlainText(QStringLiteral("One, two, three, four."));
    auto* voice = static_cast<FakeVoice*>(e->Voice());
    // Stop as soon as the first phrase is spoken.
    QObject::connect(e->Editor(), &QTextEdit::selectionChanged, e, [e, voice] {
        if (voice->spoken.size() == 1 && e->Reading()) e->StopReading(false);
    });
    e->ReadAloud(-1);
    TEditForm::SetReadingPaceForTesting(1);
    EXPECT_EQ(voice->spoken.size(), 1);
    EXPECT_FALSE(e->Reading());
    ASSERT_FALSE(prompts.questions.empty());
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("Cümle Okuma kapatılacak"));
}

TEST_F(EditorTest, PadButtonsFollowCapsLockAndFontSize) {
    TEditForm* e = Make();
    ASSERT_TRUE(e->GlyphsUsable()) << "abc1.rtf missing from " << frame.ProgramDir.toStdString();
    bool caps = false;
    e->SetCapsLockSource([&caps] { return caps; });
    e->SetPadFontSize(20);
    e->PressPadButton(3);  // small i: nothing
    EXPECT_TRUE(e->Document()->isEmpty());
    e->PressPadButton(5);
    e->PressPadButton(7);
    caps = true;
    e->PressPadButton(1);
    e->PressPadButton(7);
    EXPECT_EQ(e->Document()->toPlainText(), QStringLiteral("şıÇI"));
    EXPECT_EQ(e->PadRow, 6);
    // Pasted glyphs carry the size of their row.
    QTextCursor c(e->Document());
    c.setPosition(1);
    EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 20.0);
}

TEST_F(EditorTest, LetterPadNeedsTheGlyphFile) {
    TEditForm* e = Make();
    e->ShowLetterPad();
    EXPECT_TRUE(e->LetterPadVisible());
    frame.ProgramDir = QStringLiteral("/nonexistent/");
    TEditForm* f = Make();
    f->ShowLetterPad();
    EXPECT_FALSE(f->LetterPadVisible());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].caption, QStringLiteral("abc1.rtf"));
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral(" Türkçe Karakter dosyasi yok!"));
}

}  // namespace
}  // namespace zelmor::gui
