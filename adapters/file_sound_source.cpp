#include "adapters/file_sound_source.h"

#include "adapters/wav_file.h"
#include "core/text/cp1254.h"

namespace zelmor::adapters {

namespace fs = std::filesystem;

std::optional<fs::path> FileSoundSource::PathOf(speech::SoundFolder folder,
                                                const std::string& file_name) const {
    if (!speech::IsSafeSoundFileName(file_name)) return std::nullopt;
    // Names are code page 1254; the file system speaks UTF-8.
    fs::path name(text::Cp1254ToUtf8(file_name));
    if (name.is_absolute() || name.has_parent_path()) return std::nullopt;
    return program_dir_ / fs::path(std::string(speech::SoundFolderPath(folder))) / name;
}

speech::SoundLoad FileSoundSource::Load(speech::SoundFolder folder, const std::string& file_name) {
    auto path = PathOf(folder, file_name);
    if (!path) return {speech::LoadStatus::Missing, {}};
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec)) {
        if (!fetch_ || !online_ || !online_()) return {speech::LoadStatus::Unreachable, {}};
        fs::create_directories(path->parent_path(), ec);
        if (!fetch_(folder, file_name, *path) || !fs::is_regular_file(*path, ec))
            return {speech::LoadStatus::Missing, {}};
    }
    auto sound = ReadWavFile(*path);
    if (!sound) return {speech::LoadStatus::Missing, {}};
    return {speech::LoadStatus::Loaded, std::move(*sound)};
}

}  // namespace zelmor::adapters
