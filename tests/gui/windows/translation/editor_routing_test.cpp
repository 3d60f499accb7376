// The editor's translate commands reach the program's translation windows
// through RegisterTranslationWindows: short selections the dialogs, long
// ones the result window, in both directions.
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "gui/app/frame_form.h"
#include "gui/app/prompts.h"
#include "gui/editor/edit_form.h"
#include "gui/windows/translation/translation_windows.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui {
namespace {

class SilentPrompts : public Prompts {
public:
    QMessageBox::StandardButton Ask(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                    QMessageBox::StandardButtons) override {
        return QMessageBox::Ok;
    }
};

class NullVoice : public SpeechVoice {
public:
    void Speak(const QString&, int) override {}
};

void Select(TEditForm& editor, const QString& text) {
    editor.Editor()->setPlainText(text);
    editor.Editor()->selectAll();
}

TEST(EditorRouting, SelectionLengthChoosesTheWindow) {
    SilentPrompts prompts;
    Prompts::Install(&prompts);
    SetVoiceFactory([] { return std::make_unique<NullVoice>(); });
    RegisterTranslationWindows();
    {
        TFrameForm frame;
        frame.MutableStore() = testing::MakeStore({});
        TEditForm editor(frame);
        TranslationWindowSet& w = ProgramTranslationWindows(frame);

        const QString short_text(78, u'a');
        Select(editor, short_text);
        editor.TranslateCommand(true);
        EXPECT_TRUE(w.en_tr_dialog->isVisible());
        EXPECT_FALSE(w.result->isVisible());
        EXPECT_TRUE(frame.TraceRequest);

        Select(editor, short_text);
        editor.TranslateCommand(false);
        EXPECT_TRUE(w.tr_en_dialog->isVisible());

        const QString long_text(79, u'b');
        Select(editor, long_text);
        editor.TranslateCommand(true);
        EXPECT_TRUE(w.result->isVisible());
        EXPECT_EQ(w.result->windowTitle(), QString::fromUtf8("İngilizce->Türkçe Dialog"));
        w.result->Activate();  // also when the platform did not activate it
        EXPECT_TRUE(w.result->HandedText.isEmpty());
        EXPECT_FALSE(frame.TraceRequest);

        Select(editor, long_text);
        editor.TranslateCommand(false);
        EXPECT_EQ(w.result->TranslationDirection, Direction::TrToEn);
        EXPECT_EQ(w.result->windowTitle(), QString::fromUtf8("Türkçe->ingilizce Dialog"));
    }
    TranslationWindows::Registered() = TranslationWindows{};
    SetVoiceFactory({});
    Prompts::Install(nullptr);
}

}  // namespace
}  // namespace zelmor::gui
