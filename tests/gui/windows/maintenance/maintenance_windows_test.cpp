// The editor's Dictionary menu commands open the maintenance windows of the
// frame.
#include <QAction>
#include <QApplication>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/app/frame_form.h"
#include "gui/editor/edit_form.h"
#include "gui/windows/maintenance/lookup_form.h"
#include "gui/windows/maintenance/maintenance_windows.h"
#include "gui/windows/maintenance/record_editor_form.h"
#include "gui/windows/maintenance/user_dictionary_form.h"
#include "maintenance_test_support.h"

namespace zelmor::gui {
namespace {

using namespace testing;

void Select(TEditForm& e, const QString& text, int from, int to) {
    e.Editor()->setPlainText(text);
    QTextCursor c = e.Editor()->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    e.Editor()->setTextCursor(c);
}

TEST(MaintenanceCommands, DictionaryMenuOpensTheWindowsOfTheFrame) {
    RegisterMaintenanceCommands();
    FakeVoices voices;
    Bench b(store::DictionaryStore{});
    TFrameForm frame;
    frame.ProgramDir = b.switches.ProgramDir;
    frame.MutableStore() = zelmor::testing::MakeStore({.en_tr = {"book;..FF..;*;kitap;;;;;"}});
    auto* editor = new TEditForm(frame);
    for (const char* item : {"IngTurDictItem", "TurIngDictItem", "UserIngTurItem", "UserTurIngItem",
                             "AbbreviationsItem", "RegEnglishItem", "RegTurkishItem", "PavolkItem", "TurkceItem"})
        EXPECT_TRUE(editor->Action(QString::fromLatin1(item))->isEnabled()) << item;

    // Registration > English: the selection (cut to 50) becomes the head word.
    Select(*editor, U("a book here"), 2, 6);
    editor->Action(QStringLiteral("RegEnglishItem"))->trigger();
    TForm1& form1 = MaintenanceWindows::Of(frame).Form1();
    EXPECT_TRUE(form1.isVisible());
    EXPECT_EQ(form1.KeyEdit()->text(), U("book"));
    Select(*editor, QString(60, QLatin1Char('x')), 0, 60);
    editor->Action(QStringLiteral("RegEnglishItem"))->trigger();
    EXPECT_EQ(form1.KeyEdit()->text(), QString(50, QLatin1Char('x')));

    // The hidden "turkce kayit" answers only in trace mode, and an empty
    // selection leaves the head word alone.
    Select(*editor, U("elma"), 0, 4);
    editor->Action(QStringLiteral("TurkceItem"))->trigger();
    EXPECT_EQ(frame.findChild<TForm6*>(), nullptr);
    frame.EngineMode = U("Q47");
    editor->Action(QStringLiteral("TurkceItem"))->trigger();
    TForm6& form6 = MaintenanceWindows::Of(frame).Form6();
    EXPECT_EQ(form6.KeyEdit()->text(), U("elma"));
    Select(*editor, U("elma"), 0, 0);
    editor->Action(QStringLiteral("TurkceItem"))->trigger();
    EXPECT_EQ(form6.KeyEdit()->text(), U("elma"));

    // The look-up windows are modal and clear TraceRequest and EditMode.
    frame.TraceRequest = true;
    frame.EditMode = true;
    bool was_modal = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TForm3*>(QApplication::activeModalWidget());
        was_modal = dialog != nullptr;
        if (dialog) dialog->reject();
    });
    editor->Action(QStringLiteral("IngTurDictItem"))->trigger();
    EXPECT_TRUE(was_modal);
    EXPECT_FALSE(frame.TraceRequest);
    EXPECT_FALSE(frame.EditMode);

    b.dir.Write("usering.txt", "a=b\r\n");
    editor->Action(QStringLiteral("UserIngTurItem"))->trigger();
    Tingtrform& user = MaintenanceWindows::Of(frame).IngTrForm();
    EXPECT_TRUE(user.isVisible());
    EXPECT_EQ(user.TextArea()->toPlainText(), U("a=b"));
    // Chosen again while open: the file is read again.
    b.dir.Write("usering.txt", "c=d\r\n");
    editor->Action(QStringLiteral("UserIngTurItem"))->trigger();
    EXPECT_EQ(user.TextArea()->toPlainText(), U("c=d"));
    delete editor;
}

}  // namespace
}  // namespace zelmor::gui
