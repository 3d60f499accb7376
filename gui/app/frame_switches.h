// The process-wide switches of the main frame. Every window reads and writes
// them directly through the frame; they live on the GUI thread only.
#pragma once

#include <QString>

namespace zelmor::gui {

struct FrameSwitches {
    /// "M47" normal, "Q47" trace (engines write a trace), "W47" like "M47".
    QString EngineMode = QStringLiteral("M47");
    /// Unlocks the dictionary maintenance commands of editors created while set.
    bool EditMode = false;
    /// The running translation was started from an editor's translate command.
    bool TraceRequest = false;
    /// Menus and captions in English instead of Turkish.
    bool EnglishUi = false;
    /// Turkish letters can be shown as typed; when clear, windows paint
    /// "Ğ İ Ş ğ ı ş" from the glyph file.
    bool TurkishKeyboard = false;
    bool QuickWindowOpen = false;
    /// 22 while the English-Turkish record editor holds unsaved changes.
    int EnRecordEditState = 0;
    /// 33 while the Turkish-English record editor holds unsaved changes.
    int TrRecordEditState = 0;
    /// Request handed from an editor to the web browser.
    QString WebRequest;
    /// Folder of the executable, ending with '/'.
    QString ProgramDir;
};

/// Applies an access code typed into the access-code dialog. The codes are
/// compared whole and case-sensitively; only the listed spellings count.
/// Returns false (and changes nothing) for any other text.
bool ApplyAccessCode(const QString& typed, FrameSwitches& switches);

/// The close code: both record-edit states in decimal followed by "0"
/// ("000" when nothing is pending, "2200" for an unsaved English edit).
QString CloseCode(const FrameSwitches& switches);

}  // namespace zelmor::gui
