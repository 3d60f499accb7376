#include "gui/windows/maintenance/maintenance_windows.h"

#include <QTextCursor>
#include <QTextEdit>

#include "gui/app/frame_form.h"
#include "gui/editor/edit_form.h"
#include "gui/windows/maintenance/abbreviation_form.h"
#include "gui/windows/maintenance/lookup_form.h"
#include "gui/windows/maintenance/record_editor_form.h"
#include "gui/windows/maintenance/user_dictionary_form.h"

namespace zelmor::gui {

MaintenanceWindows::MaintenanceWindows(TFrameForm& frame) : QObject(&frame), frame_(frame) {
    setObjectName(QStringLiteral("MaintenanceWindows"));
}

MaintenanceWindows& MaintenanceWindows::Of(TFrameForm& frame) {
    auto* found = frame.findChild<MaintenanceWindows*>(QStringLiteral("MaintenanceWindows"), Qt::FindDirectChildrenOnly);
    return found ? *found : *new MaintenanceWindows(frame);
}

// The windows are children of the frame (separate top-level windows), so
// they live as long as it does.
TForm1& MaintenanceWindows::Form1() {
    if (!form1_) form1_ = new TForm1(MaintenanceContext::Of(frame_), &frame_);
    return *form1_;
}
TForm6& MaintenanceWindows::Form6() {
    if (!form6_) form6_ = new TForm6(MaintenanceContext::Of(frame_), &frame_);
    return *form6_;
}
TForm3& MaintenanceWindows::Form3() {
    if (!form3_) form3_ = new TForm3(MaintenanceContext::Of(frame_), EnTrTranslate, &frame_);
    return *form3_;
}
TForm7& MaintenanceWindows::Form7() {
    if (!form7_) form7_ = new TForm7(MaintenanceContext::Of(frame_), TrEnTranslate, &frame_);
    return *form7_;
}
Tingtrform& MaintenanceWindows::IngTrForm() {
    if (!ingtr_) ingtr_ = new Tingtrform(MaintenanceContext::Of(frame_), EnTrTranslate, &frame_);
    return *ingtr_;
}
Tzelmoruser& MaintenanceWindows::ZelmorUser() {
    if (!zelmoruser_) zelmoruser_ = new Tzelmoruser(MaintenanceContext::Of(frame_), TrEnTranslate, &frame_);
    return *zelmoruser_;
}
Tabform& MaintenanceWindows::AbForm() {
    if (!ab_) ab_ = new Tabform(MaintenanceContext::Of(frame_), &frame_);
    return *ab_;
}

void MaintenanceWindows::OpenLookup(bool english) {
    frame_.TraceRequest = false;
    frame_.EditMode = false;
    if (english)
        Form3().exec();
    else
        Form7().exec();
}

void MaintenanceWindows::OpenUserDictionary(bool english) {
    TUserDictionaryForm& w = english ? static_cast<TUserDictionaryForm&>(IngTrForm())
                                     : static_cast<TUserDictionaryForm&>(ZelmorUser());
    // Showing an already visible window activates it again: the file is reloaded.
    if (w.isVisible()) w.LoadDictionaryFile();
    w.show();
    w.raise();
    w.activateWindow();
}

void MaintenanceWindows::OpenAbbreviations() { AbForm().exec(); }

void MaintenanceWindows::OpenRecordEditor(bool english, const QString& selection, bool keep_when_empty) {
    TRecordEditorForm& w = english ? static_cast<TRecordEditorForm&>(Form1())
                                   : static_cast<TRecordEditorForm&>(Form6());
    if (!(keep_when_empty && selection.isEmpty())) w.SetHeadWord(selection.left(50));
    if (w.isVisible()) w.Activate();
    w.show();
    w.raise();
    w.activateWindow();
}

QString EditorSelection(TEditForm& editor) {
    QString s = editor.Editor()->textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return s;
}

void RegisterMaintenanceCommands() {
    QHash<QString, EditorCommand>& commands = RegisteredEditorCommands();
    auto windows = [](TEditForm&) -> MaintenanceWindows* {
        TFrameForm* frame = TFrameForm::Instance();
        return frame ? &MaintenanceWindows::Of(*frame) : nullptr;
    };
    commands.insert(QStringLiteral("IngTurDictItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenLookup(true);
    });
    commands.insert(QStringLiteral("TurIngDictItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenLookup(false);
    });
    commands.insert(QStringLiteral("UserIngTurItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenUserDictionary(true);
    });
    commands.insert(QStringLiteral("UserTurIngItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenUserDictionary(false);
    });
    commands.insert(QStringLiteral("AbbreviationsItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenAbbreviations();
    });
    commands.insert(QStringLiteral("RegEnglishItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenRecordEditor(true, EditorSelection(e), false);
    });
    commands.insert(QStringLiteral("RegTurkishItem"), [windows](TEditForm& e) {
        if (auto* w = windows(e)) w->OpenRecordEditor(false, EditorSelection(e), false);
    });
    // The hidden record commands answer only in trace mode.
    commands.insert(QStringLiteral("PavolkItem"), [windows](TEditForm& e) {
        TFrameForm* frame = TFrameForm::Instance();
        if (!frame || frame->EngineMode != QStringLiteral("Q47")) return;
        if (auto* w = windows(e)) w->OpenRecordEditor(true, EditorSelection(e), true);
    });
    commands.insert(QStringLiteral("TurkceItem"), [windows](TEditForm& e) {
        TFrameForm* frame = TFrameForm::Instance();
        if (!frame || frame->EngineMode != QStringLiteral("Q47")) return;
        if (auto* w = windows(e)) w->OpenRecordEditor(false, EditorSelection(e), true);
    });
}

}  // namespace zelmor::gui
