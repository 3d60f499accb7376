#include <QAction>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "gui/windows/learning/word_demo_forms.h"
#include "tests/gui/windows/learning/learning_test_support.h"

namespace zelmor::gui {
namespace {

using testing::FakeVoice;
using testing::FakeVoices;
using testing::LearningRig;
using testing::ScriptedPrompts;

QStringList Texts(const ScriptedPrompts& p) {
    QStringList out;
    for (const auto& q : p.questions) out << q.text;
    return out;
}

class WordDemoTest : public ::testing::Test {
protected:
    FakeVoices voices;
    ScriptedPrompts prompts;
    LearningRig rig;
    zelmor::testing::TempDir dir;

    // Moves the fake clock and runs what is due.
    template <class Form>
    void At(Form& form, std::int64_t ms) {
        rig.now = ms;
        form.Tick();
    }
};

TEST_F(WordDemoTest, CardsOfAWordFileFollowTheClockUntilTheEndOfTheFile) {
    TDemoForm form(rig.Context());
    form.Activate();
    At(form, 0);
    EXPECT_EQ(form.WordText(), QStringLiteral(" DEMO "));
    EXPECT_EQ(form.MeaningText(), QStringLiteral(" STARTING !"));
    At(form, 999);
    EXPECT_EQ(form.WordText(), QStringLiteral(" DEMO "));
    // The empty store has no demo words.
    At(form, 1000);
    EXPECT_EQ(form.WordText(), QStringLiteral("NO RECORD PRESENT!"));

    prompts.open_name = QString::fromStdString(dir.Write("ingdemo.txt", "book;kitap\nkitap\nice_cream; dondurma\n").string());
    prompts.answers = {QMessageBox::Yes};
    At(form, 1200);
    form.ChooseWordFile();
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("ingdemo.txt dosyası yüklenecek! "));
    EXPECT_EQ(prompts.questions[1].text, QStringLiteral(" Dosya Yüklendi,Başla tuşuna basınız !"));
    EXPECT_TRUE(form.Paused());
    EXPECT_EQ(form.Caption("FileLabel"), QStringLiteral("ingdemo.txt\n\r Dosya Açık"));

    // START resumes where the cycle was: reading at 1500 (was due 300 ms later).
    At(form, 5000);
    form.PressStart();
    At(form, 5300);  // read aloud
    At(form, 7299);
    EXPECT_EQ(form.WordText(), QString());
    At(form, 7300);
    EXPECT_EQ(form.WordText(), QStringLiteral("book"));
    EXPECT_EQ(form.MeaningText(), QStringLiteral("kitap"));
    EXPECT_EQ(form.Caption("CounterLabel"), QStringLiteral("1"));  // file order counts the file cards
    At(form, 9800);
    EXPECT_EQ(form.WordText(), QStringLiteral("kitap"));
    EXPECT_EQ(form.MeaningText(), QString());
    At(form, 12300);
    EXPECT_EQ(form.WordText(), QStringLiteral("ice cream"));
    EXPECT_EQ(form.MeaningText(), QStringLiteral("dondurma"));
    At(form, 14800);
    EXPECT_EQ(form.WordText(), QStringLiteral("DOSYA SONU"));
    EXPECT_TRUE(form.Paused());
    // START goes on with the same state: the end is shown again.
    form.PressStart();
    At(form, 20000);
    EXPECT_EQ(form.WordText(), QStringLiteral("DOSYA SONU"));

    // Closing while paused ends the cycle with one "DEMO End".
    form.reject();
    form.reject();
    EXPECT_EQ(form.EndMessages(), 1);
    EXPECT_EQ(Texts(prompts).count(QStringLiteral("DEMO End")), 1);
    EXPECT_TRUE(form.PacingEnded());
}

TEST_F(WordDemoTest, RefusedFileKeepsTheCardsAndGoesOn) {
    TDemoForm form(rig.Context());
    form.Activate();
    prompts.open_name = QString::fromStdString(dir.Write("w.txt", "a;b\n").string());
    prompts.answers = {QMessageBox::No};
    form.ChooseWordFile();
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("DOSYA YÜKLENMEDi!"));
    EXPECT_FALSE(form.Paused());
    EXPECT_FALSE(form.Demo().FromFile);
}

TEST_F(WordDemoTest, DictionaryWordsAreReadAloudAndCanBeHidden) {
    rig.store = testing::DemoWordStore(3);
    TDemoForm form(rig.Context());
    form.Activate();
    auto* voice = static_cast<FakeVoice*>(form.Voice());
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(voice->Rate(), -1);  // one step below the default
    form.ToggleSpeech();
    At(form, 0);
    At(form, 1000);
    const QString word = form.WordText();
    EXPECT_TRUE(word.startsWith(QStringLiteral("w000"))) << word.toStdString();
    EXPECT_EQ(form.MeaningText(), QStringLiteral("anlam") + word.mid(1));
    EXPECT_TRUE(voice->spoken.isEmpty());
    At(form, 1500);
    EXPECT_EQ(voice->spoken, QStringList{word});
    EXPECT_EQ(voice->last_flags, SpeechVoice::kSpeakAsync);

    // "?" hides the meaning and shows it again.
    form.ToggleMeaning();
    EXPECT_EQ(form.MeaningText(), QString());
    EXPECT_EQ(form.Caption("ColorButton3"), QStringLiteral("++"));
    form.ToggleMeaning();
    EXPECT_EQ(form.MeaningText(), QStringLiteral("anlam") + word.mid(1));

    // "görünür" off: the next word is spoken in the background colour.
    form.SetVisibleWord(false);
    EXPECT_EQ(form.WordText(), QString());
    At(form, 3500);
    At(form, 4000);
    auto* pane = form.findChild<QTextEdit*>(QStringLiteral("WordPane"));
    QTextCursor c(pane->document());
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().foreground().color(), pane->palette().color(QPalette::Base));
    EXPECT_EQ(voice->spoken.size(), 2);
}

TEST_F(WordDemoTest, TurkishFirstPaintsTurkishLettersFromTheGlyphFileAndSpeaksTurkish) {
    rig.switches.ProgramDir = QString::fromStdString((zelmor::testing::SourceDir() / "data").string()) + QLatin1Char('/');
    prompts.open_name = QString::fromStdString(dir.Write("turdemo.txt", "kış;winter\n").string());
    prompts.answers = {QMessageBox::Yes};
    TDemoForm form(rig.Context());
    form.Direction = learning::Direction::TurkishFirst;
    form.Activate();
    EXPECT_EQ(form.Caption("Label1"), QStringLiteral("Türkçe"));
    EXPECT_EQ(form.Caption("ColorButton1"), QStringLiteral("BASLA"));
    At(form, 0);
    At(form, 1000);
    form.ChooseWordFile();
    form.ToggleSpeech();
    form.PressStart();
    At(form, 1500);
    EXPECT_TRUE(rig.turkish_spoken.empty());  // the pane was cleared by the load
    At(form, 3500);
    EXPECT_EQ(form.WordText(), QStringLiteral("kış"));
    auto* pane = form.findChild<QTextEdit*>(QStringLiteral("WordPane"));
    QTextCursor plain(pane->document()), glyph(pane->document());
    plain.setPosition(1);  // "k"
    glyph.setPosition(2);  // "ı" pasted from the glyph file
    EXPECT_NE(glyph.charFormat().fontPointSize(), plain.charFormat().fontPointSize());
    At(form, 4000);
    EXPECT_EQ(rig.turkish_spoken, std::vector<std::string>{"kış"});

    // With a Turkish keyboard the letters stay as they are.
    rig.switches.TurkishKeyboard = true;
    form.Demo().Reset();
    At(form, 6000);
    QTextCursor again(pane->document());
    again.setPosition(2);
    QTextCursor k(pane->document());
    k.setPosition(1);
    EXPECT_EQ(again.charFormat().fontPointSize(), k.charFormat().fontPointSize());
}

TEST_F(WordDemoTest, Demo2MenusSetSpeedRateAndSpeech) {
    TDemoForm2 form(rig.Context());
    form.Activate();
    form.SetSpeed(4);
    EXPECT_EQ(form.Panel(2), QStringLiteral("Hız= (4)"));
    EXPECT_TRUE(form.Item(QStringLiteral("Speed4Item"))->isChecked());
    EXPECT_FALSE(form.Item(QStringLiteral("Speed2Item"))->isChecked());
    EXPECT_EQ(form.Pacer()->pause_seconds(), 4);
    form.SetReadingRate(2);
    EXPECT_EQ(form.Voice()->Rate(), -4);
    form.ToggleSpeech();
    EXPECT_EQ(form.Panel(1), QStringLiteral(" Acik"));

    prompts.open_name = QString::fromStdString(dir.Write("d.txt", "a;b\n").string());
    prompts.answers = {QMessageBox::Yes};
    form.Item(QStringLiteral("EnFileItem"))->trigger();
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral(" Dosya Yüklendi,Başlama tuşunu tıklayınız !"));
    EXPECT_EQ(form.Panel(5), prompts.open_name);
    EXPECT_TRUE(form.Paused());
    form.Begin();
    At(form, 0);
    At(form, 1000);
    EXPECT_EQ(form.WordText(), QStringLiteral("a"));
    At(form, 6000);
    EXPECT_EQ(form.WordText(), QStringLiteral("DOSYA SONU"));
    form.ResetCards();
    form.Begin();
    At(form, 12000);
    EXPECT_EQ(form.WordText(), QStringLiteral("a"));

    // Turkish first: the English reading cannot be switched on.
    TDemoForm2 tr(rig.Context());
    tr.Direction = learning::Direction::TurkishFirst;
    tr.Activate();
    EXPECT_FALSE(tr.Item(QStringLiteral("SpeechItem"))->isEnabled());
}

}  // namespace
}  // namespace zelmor::gui
