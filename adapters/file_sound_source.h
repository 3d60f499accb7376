// Recordings from the sound folders beside the program: "trwav/" for
// syllables and "trwav/trwa-z/" for words. A file that is listed but not
// there can be fetched by a caller-supplied function (the desktop program
// downloads it from the web site); without one, or while offline, the load
// reports the file unreachable.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "core/speech/turkish_speech.h"

namespace zelmor::adapters {

class FileSoundSource : public speech::SoundSource {
public:
    /// Fetches `file_name` of `folder` into `target` (complete or not at
    /// all); returns false when it could not.
    using Fetcher = std::function<bool(speech::SoundFolder folder, const std::string& file_name,
                                       const std::filesystem::path& target)>;

    explicit FileSoundSource(std::filesystem::path program_dir)
        : program_dir_(std::move(program_dir)) {}

    /// `online` is asked before each fetch; a missing file while offline is
    /// unreachable.
    void SetFetcher(Fetcher fetch, std::function<bool()> online) {
        fetch_ = std::move(fetch);
        online_ = std::move(online);
    }

    /// The path of a file, or nothing when the name could leave its folder
    /// ("..", "/", "\", an absolute path, control characters).
    std::optional<std::filesystem::path> PathOf(speech::SoundFolder folder,
                                                const std::string& file_name) const;

    speech::SoundLoad Load(speech::SoundFolder folder, const std::string& file_name) override;

private:
    std::filesystem::path program_dir_;
    Fetcher fetch_;
    std::function<bool()> online_;
};

}  // namespace zelmor::adapters
