// What the maintenance logic asks of its window: message boxes, the save
// dialog and the listing text area. The Qt windows implement it; tests use a
// scripted fake. Every text is code page 1254.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelmor::maintenance {

enum class Answer { Yes, No, Cancel };

class MaintenanceUi {
public:
    virtual ~MaintenanceUi() = default;
    /// A plain information message with an OK button.
    virtual void Message(std::string_view text) = 0;
    /// A warning box with an OK button.
    virtual void Warning(std::string_view text, std::string_view caption) = 0;
    /// An error box with an OK button.
    virtual void Error(std::string_view text) = 0;
    /// An OK/Cancel box; true for OK.
    virtual bool Confirm(std::string_view text, std::string_view caption) = 0;
    /// A Yes/No/Cancel box.
    virtual Answer AskYesNoCancel(std::string_view text) = 0;
    /// The save dialog with `filter` (e.g. "text files [*.txt]|in*.txt");
    /// nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseSaveFile(std::string_view filter) = 0;
    /// The listing text area is replaced by `text` (lines ended by LF); the
    /// window clears its "edited by the user" flag.
    virtual void SetListing(std::string_view text) = 0;
};

}  // namespace zelmor::maintenance
