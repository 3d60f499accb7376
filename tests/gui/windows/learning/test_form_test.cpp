#include <gtest/gtest.h>

#include "gui/windows/learning/test_form.h"
#include "tests/gui/windows/learning/learning_test_support.h"

namespace zelmor::gui {
namespace {

using testing::FakeVoice;
using testing::FakeVoices;
using testing::LearningRig;
using testing::ScriptedPrompts;
using zelmor::testing::Utf8;

class TestFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        TTest::ForgetSentenceCache();
        rig.store = testing::DemoWordStore(8);
    }
    LearningContext Context() {
        LearningContext c = rig.Context();
        c.en_tr = [this](std::string_view cp) {
            ++translations;
            return "TR " + std::string(cp);
        };
        return c;
    }
    // The right answer of the question on display.
    static QString RightAnswer(const QString& question) {
        return question.startsWith(QLatin1Char('w')) ? QStringLiteral("anlam") + question.mid(1)
                                                     : QStringLiteral("TR ") + question;
    }
    static char WrongLetter(char correct) { return correct == 'A' ? 'B' : 'A'; }

    FakeVoices voices;
    ScriptedPrompts prompts;
    LearningRig rig;
    int translations = 0;
};

TEST_F(TestFormTest, StartAndOkCountOnlyTheFirstCheckOfAQuestion) {
    TTest form(Context());
    form.Activate();
    EXPECT_EQ(form.Caption("Window"), QStringLiteral("ingilizce - Türkçe Test"));
    EXPECT_EQ(form.Caption("StartButton"), QStringLiteral("DEVAM ET"));
    EXPECT_EQ(form.Question(), QStringLiteral("?"));
    EXPECT_EQ(form.Answer(0), QStringLiteral("?"));
    EXPECT_EQ(form.PressedLetter(), 'D');

    form.PressStart();
    const QString question = form.Question();
    ASSERT_NE(question, QStringLiteral("?"));
    EXPECT_EQ(form.Panel(1), QStringLiteral("1"));
    const char correct = form.Logic()->Correct;
    ASSERT_TRUE(correct >= 'A' && correct <= 'C');
    EXPECT_EQ(form.Answer(correct - 'A'), RightAnswer(question));
    EXPECT_NE(form.Answer(3), RightAnswer(question));

    form.PressStart();
    ASSERT_FALSE(prompts.questions.empty());
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("Click O.K !"));
    EXPECT_EQ(prompts.questions.back().caption, QStringLiteral("Warning"));
    EXPECT_EQ(form.Question(), question);

    form.PressLetter(WrongLetter(correct));
    form.PressOk();
    EXPECT_EQ(form.Mark(), QStringLiteral("YANLIS"));
    form.PressLetter(correct);
    form.PressOk();
    EXPECT_EQ(form.Mark(), QStringLiteral("DOGRU"));
    EXPECT_EQ(form.Panel(3), QStringLiteral("0"));
    EXPECT_EQ(form.Panel(5), QStringLiteral("1"));

    form.PressStart();
    EXPECT_EQ(form.Panel(1), QStringLiteral("2"));
    form.PressLetter(form.Logic()->Correct);
    form.PressOk();
    EXPECT_EQ(form.Panel(3), QStringLiteral("1"));

    // The clock: half-second ticks, stopped by the clock button.
    for (int i = 0; i < 3; ++i) form.TimerTick();
    EXPECT_EQ(form.Panel(7), QStringLiteral("1"));
    form.ToggleClock();
    for (int i = 0; i < 3; ++i) form.TimerTick();
    EXPECT_EQ(form.Panel(7), QStringLiteral("1"));

    form.PressReset();
    for (int panel : {1, 3, 5, 7}) EXPECT_EQ(form.Panel(panel), QStringLiteral("0")) << panel;
    EXPECT_EQ(form.Question(), QStringLiteral("?"));
    EXPECT_EQ(form.Answer(2), QStringLiteral("?"));
    EXPECT_EQ(form.Mark(), QStringLiteral("?"));
    // After RESET a new question comes without "Click O.K !".
    const auto asked = prompts.questions.size();
    form.PressStart();
    EXPECT_EQ(prompts.questions.size(), asked);
    EXPECT_EQ(form.Panel(1), QStringLiteral("1"));
}

TEST_F(TestFormTest, EnglishInterfaceMarks) {
    rig.switches.EnglishUi = true;
    TTest form(Context());
    form.Activate();
    EXPECT_EQ(form.Caption("Window"), QStringLiteral("English - Turkish Test"));
    EXPECT_EQ(form.Caption("AnswerGroup"), QStringLiteral("Select Correct Answer"));
    form.PressStart();
    form.PressLetter(WrongLetter(form.Logic()->Correct));
    form.PressOk();
    EXPECT_EQ(form.Mark(), QStringLiteral("WRONG"));
    form.PressLetter(form.Logic()->Correct);
    form.PressOk();
    EXPECT_EQ(form.Mark(), QStringLiteral("O.K. "));
}

TEST_F(TestFormTest, SentencesAreTranslatedOncePerStore) {
    const int builds = TTest::SentenceBuilds();
    TTest form(Context());
    form.Activate();
    const int first = translations;
    EXPECT_GT(first, 100);
    EXPECT_LE(first, 301);
    form.Activate();
    EXPECT_EQ(translations, first);
    EXPECT_EQ(TTest::SentenceBuilds(), builds + 1);
    // A newly loaded store gets its own sentences.
    rig.store = testing::DemoWordStore(8);
    form.Activate();
    EXPECT_EQ(TTest::SentenceBuilds(), builds + 2);
}

TEST_F(TestFormTest, EmptyDictionary) {
    rig.store = std::make_shared<store::DictionaryStore>();
    TTest form(Context());
    form.Activate();
    EXPECT_EQ(prompts.questions.at(0).text, QStringLiteral("List is empty!"));
    form.PressStart();
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("KAYIT Yok!"));
    EXPECT_EQ(translations, 0);
}

TEST_F(TestFormTest, QuestionFileAndListening) {
    zelmor::testing::TempDir dir;
    prompts.open_name = QString::fromStdString(
        dir.Write("sorular.txt",
                  "Bir test\r\n(?) Which one is a fruit?\r\na) car\r\nb) apple\r\nc) house\r\nd) book\r\nCevap *b\r\n"
                  "(?) No answer named\na- x\nb- y\nc- z\nd- w\n-\n")
            .string());
    prompts.answers = {QMessageBox::Yes};
    TTest form(Context());
    form.Activate();
    form.ShowHelpPanel();
    form.LoadQuestionFile();
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("sorular.txt dosyası yüklenecek! "));
    EXPECT_EQ(prompts.questions[1].text, QStringLiteral(" Dosya Yüklendi, devam ediniz !"));
    EXPECT_EQ(form.SourceText(), QStringLiteral("sorular.txt\n\r Dosya Açik"));

    form.PressStart();
    EXPECT_EQ(form.Question(), QStringLiteral("Which one is a fruit?"));
    EXPECT_EQ(form.Answer(0), QStringLiteral("car"));
    EXPECT_EQ(form.Answer(1), QStringLiteral("apple"));
    EXPECT_EQ(form.Answer(3), QStringLiteral("book"));
    EXPECT_EQ(form.Panel(1), QStringLiteral("1"));
    form.PressLetter('B');
    form.PressOk();
    EXPECT_EQ(form.Mark(), QStringLiteral("DOGRU"));
    EXPECT_EQ(form.Panel(3), QStringLiteral("1"));

    form.PressStart();  // shown, but not counted
    EXPECT_EQ(form.Question(), QStringLiteral("No answer named"));
    EXPECT_EQ(form.Answer(2), QStringLiteral("z"));
    EXPECT_EQ(form.Panel(1), QStringLiteral("1"));
    form.PressOk();
    form.PressStart();
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("File End !!!"));
    EXPECT_EQ(prompts.questions.back().caption, QStringLiteral(" Warning"));

    // The speaker leaves the file and asks words by ear.
    form.PressSpeaker();
    EXPECT_FALSE(form.Logic()->FileMode);
    EXPECT_EQ(form.SourceText(), QStringLiteral("Sözlük açık"));
    EXPECT_FALSE(form.QuestionShown());
    form.PressStart();
    const QString right = form.Answer(form.Logic()->Correct - 'A');
    EXPECT_TRUE(right.startsWith(QLatin1Char('w'))) << right.toStdString();
    form.PressSpeaker();
    auto* voice = static_cast<FakeVoice*>(form.Voice());
    EXPECT_EQ(voice->spoken.back(), right);
    EXPECT_EQ(voice->last_flags, SpeechVoice::kSpeakAsync);
}

TEST_F(TestFormTest, RefusedQuestionFile) {
    zelmor::testing::TempDir dir;
    prompts.open_name = QString::fromStdString(dir.Write("q.txt", "(?) x\n").string());
    prompts.answers = {QMessageBox::No};
    TTest form(Context());
    form.Activate();
    form.LoadQuestionFile();
    EXPECT_EQ(prompts.questions.back().text, QStringLiteral("Dosya Yüklenmedi!"));
    EXPECT_FALSE(form.Logic()->FileMode);
}

}  // namespace
}  // namespace zelmor::gui
