// The frame: access codes, first activation and the close query.
#include <QApplication>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "gui/app/frame_form.h"
#include "gui/app/frame_switches.h"
#include "gui/app/password_dlg.h"
#include "gui/editor/edit_form.h"
#include "gui_test_support.h"

namespace zelmor::gui {
namespace {

using testing::FakeVoice;
using testing::FakeVoices;
using testing::ScriptedPrompts;

TEST(AccessCode, OnlyTheListedSpellingsCount) {
    struct Case {
        const char* typed;
        bool accepted;
        bool edit_mode;
        const char* engine_mode;
    } cases[] = {
        {"PH47", true, true, "M47"}, {"ph47", true, true, "M47"}, {"P47", true, true, "M47"},
        {"p47", true, true, "M47"},  {"Q47", true, false, "Q47"}, {"q47", true, false, "Q47"},
        {"W47", true, false, "W47"}, {"w47", true, false, "W47"}, {"M47", true, false, "M47"},
        {"Ph47", false, false, "M47"}, {"pH47", false, false, "M47"}, {"Q47 ", false, false, "M47"},
        {" q47", false, false, "M47"}, {"**", false, false, "M47"}, {"", false, false, "M47"},
    };
    for (const Case& c : cases) {
        FrameSwitches s;
        EXPECT_EQ(ApplyAccessCode(QString::fromLatin1(c.typed), s), c.accepted) << c.typed;
        EXPECT_EQ(s.EditMode, c.edit_mode) << c.typed;
        EXPECT_EQ(s.EngineMode, QString::fromLatin1(c.engine_mode)) << c.typed;
    }
    // A mode code leaves EditMode as it was, and "M47" ends the trace mode.
    FrameSwitches s;
    s.EditMode = true;
    ApplyAccessCode(QStringLiteral("Q47"), s);
    EXPECT_TRUE(s.EditMode);
    ApplyAccessCode(QStringLiteral("m47"), s);
    EXPECT_EQ(s.EngineMode, QStringLiteral("M47"));
}

TEST(AccessCode, DialogResetsFieldRejectsWrongCodeAndCancelClearsEditMode) {
    ScriptedPrompts prompts;
    FrameSwitches s;
    TPasswordDlg dialog(s);
    dialog.show();
    EXPECT_EQ(dialog.CodeField()->text(), QStringLiteral("**"));
    EXPECT_EQ(dialog.CodeField()->echoMode(), QLineEdit::Password);

    dialog.CodeField()->setText(QStringLiteral("Q47 "));
    dialog.Ok();
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("Yanlış Şifre "));
    EXPECT_EQ(s.EngineMode, QStringLiteral("M47"));

    dialog.show();
    EXPECT_EQ(dialog.CodeField()->text(), QStringLiteral("**"));
    dialog.CodeField()->setText(QStringLiteral("P47"));
    dialog.Ok();
    EXPECT_TRUE(s.EditMode);
    EXPECT_EQ(prompts.questions.size(), 1u);

    dialog.show();
    dialog.Cancel();
    EXPECT_FALSE(s.EditMode);
}

TEST(CloseCode, JoinsBothStatesAndZero) {
    FrameSwitches s;
    EXPECT_EQ(CloseCode(s), QStringLiteral("000"));
    s.EnRecordEditState = 22;
    EXPECT_EQ(CloseCode(s), QStringLiteral("2200"));
    s.TrRecordEditState = 33;
    EXPECT_EQ(CloseCode(s), QStringLiteral("22330"));
}

class FrameTest : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    FakeVoices voices;
};

TEST_F(FrameTest, FirstActivationResetsSwitchesOpensEditorAndChecksKeyboard) {
    TFrameForm frame;
    frame.EditMode = true;
    frame.EngineMode = QStringLiteral("Q47");
    frame.EnRecordEditState = 22;
    frame.EnglishUi = false;
    frame.SetKeyboardLayoutSource([] { return QStringLiteral("0000041f"); });
    frame.Activate();

    EXPECT_FALSE(frame.EditMode);
    EXPECT_EQ(frame.EngineMode, QStringLiteral("M47"));
    EXPECT_EQ(frame.EnRecordEditState, 0);
    EXPECT_TRUE(frame.TurkishKeyboard);
    EXPECT_TRUE(frame.ProgramDir.endsWith(QLatin1Char('/')));
    ASSERT_TRUE(frame.EnglishVoice);
    EXPECT_EQ(frame.EnglishVoice->Rate(), 0);
    // The dictionaries of the program folder are loaded.
    EXPECT_GT(frame.Store().EnTrKeys.size(), 2u);

    auto editors = frame.Editors();
    ASSERT_EQ(editors.size(), 1);
    EXPECT_EQ(editors[0]->windowTitle(), QStringLiteral("DIALOG"));
    EXPECT_EQ(editors[0]->Caption(QStringLiteral("FileMenu")), QStringLiteral("Dosya"));
    EXPECT_EQ(frame.FileMenuCaption(3), QStringLiteral("Çikis"));

    // Later activations leave everything as it is.
    frame.EditMode = true;
    frame.Activate();
    EXPECT_TRUE(frame.EditMode);
    EXPECT_EQ(frame.Editors().size(), 1);
    for (auto* e : frame.Editors()) e->Document()->setModified(false);
}

TEST_F(FrameTest, OtherLayoutLeavesTurkishKeyboardToTheDictionaryLoad) {
    TFrameForm frame;
    frame.SetKeyboardLayoutSource([] { return QStringLiteral("us"); });
    frame.Activate();
    // The compiled English-Turkish dictionary has lines, which sets it.
    EXPECT_EQ(frame.TurkishKeyboard, frame.Store().EnTrKeys.size() > 0);
}

TEST_F(FrameTest, NewEditorNumbersCaptions) {
    TFrameForm frame;
    TEditForm* first = frame.NewEditor();
    TEditForm* second = frame.NewEditor();
    EXPECT_EQ(first->windowTitle(), QStringLiteral("DIALOG1"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("DIALOG2"));
}

TEST_F(FrameTest, CloseQueryAsksBothBoxesAndYesKeepsTheFrame) {
    TFrameForm frame;
    frame.EnRecordEditState = 22;
    frame.TrRecordEditState = 33;
    prompts.answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_FALSE(frame.CloseQuery());
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0].caption, QStringLiteral("PavOlkX.txt kayıtı tamamlanmadı"));
    EXPECT_EQ(prompts.questions[1].caption, QStringLiteral("ZelMorX.txt kayıtı tamamlanmadı"));
    EXPECT_EQ(prompts.questions[0].text, QStringLiteral("Kayıtı tamamlamak OK Dügmesine basin ve geri dönün"));
    EXPECT_EQ(prompts.questions[0].buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(FrameTest, NoInTheCloseQueryClosesAndShowsTheCloseCode) {
    TFrameForm frame;
    frame.show();
    frame.EnRecordEditState = 22;
    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(frame.close());
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[1].caption, QStringLiteral("2200"));
    EXPECT_EQ(prompts.questions[1].text, QStringLiteral("Dosya Yükleme Hatasi: "));
}

TEST_F(FrameTest, AnEditorThatKeepsItsTextStopsTheClosing) {
    TFrameForm frame;
    frame.show();
    TEditForm* editor = frame.NewEditor();
    editor->Editor()->insertPlainText(QStringLiteral("unsaved"));
    prompts.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.Editors().size(), 1);
    editor->Document()->setModified(false);
}

}  // namespace
}  // namespace zelmor::gui
