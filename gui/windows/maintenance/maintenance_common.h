// Shared pieces of the dictionary maintenance windows: what a window needs
// from the frame (store and switches), the CP1254 <-> Qt text conversion at
// the widget edge, the message boxes the maintenance logic asks for, and the
// default translators over the two engines.
#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/maintenance/lookup.h"
#include "core/maintenance/maintenance_ui.h"
#include "core/store/dictionary_store.h"
#include "gui/app/frame_switches.h"

class QWidget;

namespace zelmor::gui {

class TFrameForm;

/// What the maintenance windows use of the frame. The store is reached
/// through a function because the frame replaces it as a whole when it
/// loads the dictionaries; a window must never keep the old one.
struct MaintenanceContext {
    std::function<store::DictionaryStore&()> store;
    FrameSwitches& switches;

    static MaintenanceContext Of(TFrameForm& frame);
};

/// Engine text (code page 1254) as Qt text and back. Characters the code
/// page lacks become "?" so that typing them can never break a file.
QString FromCp(std::string_view cp1254);
std::string ToCp(const QString& text);

/// ProgramDir as a path.
std::filesystem::path ProgramPath(const FrameSwitches& switches);

/// The translators of the look-up windows and the user dictionary editors:
/// a fresh engine over the store of the moment for each call.
maintenance::Translator EnTrTranslator(std::function<store::DictionaryStore&()> store);
maintenance::Translator TrEnTranslator(std::function<store::DictionaryStore&()> store);

/// The maintenance logic's boxes shown through Prompts (so that tests can
/// answer them), with the window's text area as the listing.
class PromptsUi : public maintenance::MaintenanceUi {
public:
    PromptsUi(QWidget* parent, std::function<void(const QString&)> set_listing, std::function<QString()> save_dir)
        : parent_(parent), set_listing_(std::move(set_listing)), save_dir_(std::move(save_dir)) {}

    void Message(std::string_view text) override;
    void Warning(std::string_view text, std::string_view caption) override;
    void Error(std::string_view text) override;
    bool Confirm(std::string_view text, std::string_view caption) override;
    maintenance::Answer AskYesNoCancel(std::string_view text) override;
    std::optional<std::filesystem::path> ChooseSaveFile(std::string_view filter) override;
    void SetListing(std::string_view text) override;

private:
    QWidget* parent_;
    std::function<void(const QString&)> set_listing_;
    std::function<QString()> save_dir_;
};

/// Caption of the plain information boxes.
inline QString MessageCaption() { return QStringLiteral("ZELMOR"); }

/// Runs `fn` when `widget` is double-clicked.
void OnDoubleClick(QWidget* widget, std::function<void()> fn);

/// "Yazı Tipi" / "font": the font dialog for `target`.
void ChooseFont(QWidget* parent, QWidget* target);

}  // namespace zelmor::gui
