#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "gui/windows/learning/sentence_demo_forms.h"
#include "tests/gui/windows/learning/learning_test_support.h"

namespace zelmor::gui {
namespace {

using testing::FakeVoice;
using testing::FakeVoices;
using testing::LearningRig;
using testing::ScriptedPrompts;
using zelmor::testing::Cp;
using zelmor::testing::Utf8;

class SentenceDemoTest : public ::testing::Test {
protected:
    FakeVoices voices;
    ScriptedPrompts prompts;
    LearningRig rig;
    std::vector<std::string> translated;  // UTF-8, what the engine was given

    LearningContext Context() {
        LearningContext c = rig.Context();
        auto fake = [this](std::string_view cp) {
            translated.push_back(Utf8(cp));
            return cp.empty() || cp[0] == '#' ? std::string() : Cp("çeviri: ") + std::string(cp);
        };
        c.en_tr = fake;
        c.tr_en = fake;
        return c;
    }
    template <class Form>
    void At(Form& form, std::int64_t ms) {
        rig.now = ms;
        form.Tick();
    }
};

TEST_F(SentenceDemoTest, EnglishLinesAreTranslatedOneByOneUntilTheEnd) {
    TForm13 form(Context());
    form.SetLines({QStringLiteral("I\tgo home"), QStringLiteral("#no translation")});
    form.Activate();
    EXPECT_EQ(form.Caption("Window"), QStringLiteral("İNGİLİZCE - TÜRKÇE DiALOG"));
    EXPECT_EQ(form.Caption("StartButton"), QStringLiteral("BAŞLA"));
    At(form, 0);
    EXPECT_EQ(form.UpperText(), QStringLiteral("Igo home "));
    EXPECT_EQ(form.LowerText(), QStringLiteral("çeviri: Igo home "));
    EXPECT_EQ(form.LowerBackground(), QColor(Qt::cyan));

    // "+++" off and on shows the translation of the current sentence again.
    form.ToggleTranslation();
    EXPECT_EQ(form.LowerText(), QString());
    EXPECT_EQ(form.Caption("PlusButton"), QString());
    form.ToggleTranslation();
    EXPECT_EQ(form.LowerText(), QStringLiteral("çeviri: Igo home "));

    At(form, 2499);
    EXPECT_EQ(translated.size(), 1u);
    At(form, 2500);
    EXPECT_EQ(form.LowerText(), QString());
    EXPECT_EQ(form.LowerBackground(), QColor(Qt::yellow));
    At(form, 5000);
    ASSERT_GE(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0].caption, QStringLiteral(" Please"));
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("End Of File  !!!"));
    EXPECT_EQ(prompts.questions[1].text, QStringLiteral("DEMO End"));
    EXPECT_TRUE(form.PacingEnded());
    form.reject();
    EXPECT_EQ(form.EndMessages(), 1);
    EXPECT_EQ(translated.size(), 2u);
}

TEST_F(SentenceDemoTest, SpeechOnReadsWithoutTranslating) {
    TForm13 form(Context());
    form.SetLines({QStringLiteral("Mr.Smith says:hello_there")});
    form.Activate();
    form.ToggleSpeech();
    At(form, 0);
    At(form, 500);
    auto* voice = static_cast<FakeVoice*>(form.Voice());
    EXPECT_EQ(voice->spoken, QStringList{QStringLiteral("Mr. Smith says: hello there")});
    EXPECT_TRUE(translated.empty());
    EXPECT_EQ(form.LowerText(), QString());
}

TEST_F(SentenceDemoTest, TurkishLinesKeepTheirTextAndAreTranslatedWithGenderMarks) {
    rig.switches.EnglishUi = true;
    TForm12 form(Context());
    form.SetLines({QStringLiteral("O(e) geldi")});
    form.Activate();
    EXPECT_EQ(form.Caption("Window"), QStringLiteral("TURKISH - ENGLISH  DIALOG"));
    At(form, 0);
    EXPECT_EQ(form.UpperText(), QStringLiteral("O(e) geldi "));
    EXPECT_EQ(translated, std::vector<std::string>{"oerkek  geldi "});
    EXPECT_EQ(form.LowerBackground(), QColor(Qt::yellow));
    form.ToggleSpeech();
    At(form, 2500);
    EXPECT_EQ(prompts.questions.at(0).text, QStringLiteral("DOSYA SONU !!!"));
    EXPECT_EQ(prompts.questions.at(0).caption, QStringLiteral(" DiKKAT"));
    EXPECT_EQ(prompts.questions.at(1).text, QStringLiteral("DEMO çalişmasi bitti"));
}

TEST_F(SentenceDemoTest, CodingModeCollectsTheCodedPartsInTheToolPanel) {
    TForm13 form(Context());
    form.SetLines({QStringLiteral("I go")});
    form.Activate();
    EXPECT_FALSE(form.ToolPanelVisible());
    form.ToggleToolPanel();
    EXPECT_TRUE(form.ToolPanelVisible());
    form.ToggleCoding();
    At(form, 0);
    EXPECT_EQ(form.UpperText(), QStringLiteral("I go =="));
    EXPECT_EQ(form.FirstMemo()->toPlainText(), QStringLiteral("=="));

    form.FirstMemo()->setPlainText(QStringLiteral("b\na\nb"));
    form.IndexFirstMemo();
    EXPECT_EQ(form.SecondMemo()->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(form.FirstMemo()->toPlainText(), QStringLiteral("b"));
}

}  // namespace
}  // namespace zelmor::gui
