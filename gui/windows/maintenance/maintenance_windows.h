// The dictionary maintenance windows of one frame, created on first use and
// kept for the whole run (their contents survive between showings), and the
// editor commands of the "Dictionary" menu that show them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/maintenance/lookup.h"

namespace zelmor::gui {

class TFrameForm;
class TEditForm;
class TForm1;
class TForm3;
class TForm6;
class TForm7;
class Tingtrform;
class Tzelmoruser;
class Tabform;

class MaintenanceWindows : public QObject {
    Q_OBJECT
public:
    /// Owned by the frame (a child object); destroyed with it.
    explicit MaintenanceWindows(TFrameForm& frame);
    /// The frame's instance, created when missing.
    static MaintenanceWindows& Of(TFrameForm& frame);

    TForm1& Form1();
    TForm6& Form6();
    TForm3& Form3();
    TForm7& Form7();
    Tingtrform& IngTrForm();
    Tzelmoruser& ZelmorUser();
    Tabform& AbForm();

    // The menu commands. The modal windows return when they are closed.
    /// "Ing-Tur Dictionary" / "Tur-Ing Dictionary".
    void OpenLookup(bool english);
    /// "User Dictionary" > "ing-tur" / "tur-ing".
    void OpenUserDictionary(bool english);
    /// "Abreviations".
    void OpenAbbreviations();
    /// "Registration" > "English" / "Turkish": the selection (at most 50
    /// characters) becomes the head word; with `keep_when_empty` (the hidden
    /// "pavolk kayit" / "turkce kayit") an empty selection leaves it as it was.
    void OpenRecordEditor(bool english, const QString& selection, bool keep_when_empty);

    /// Translators handed to the windows created afterwards (tests); empty
    /// means the engines over the frame's store.
    maintenance::Translator EnTrTranslate, TrEnTranslate;

private:
    TFrameForm& frame_;
    QPointer<TForm1> form1_;
    QPointer<TForm6> form6_;
    QPointer<TForm3> form3_;
    QPointer<TForm7> form7_;
    QPointer<Tingtrform> ingtr_;
    QPointer<Tzelmoruser> zelmoruser_;
    QPointer<Tabform> ab_;
};

/// The selected text of an editor, line breaks as LF.
QString EditorSelection(TEditForm& editor);

/// Registers the Dictionary menu commands ("IngTurDictItem",
/// "TurIngDictItem", "UserIngTurItem", "UserTurIngItem", "AbbreviationsItem",
/// "RegEnglishItem", "RegTurkishItem", "PavolkItem", "TurkceItem") for the
/// editors created afterwards. Call once, before the frame's first editor.
void RegisterMaintenanceCommands();

}  // namespace zelmor::gui
