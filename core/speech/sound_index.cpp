#include "core/speech/sound_index.h"

#include "core/text/split.h"

namespace zelmor::speech {

std::string_view SoundFolderPath(SoundFolder folder) {
    return folder == SoundFolder::Syllables ? "trwav/" : "trwav/trwa-z/";
}

std::string SoundWebPath(SoundFolder folder, std::string_view file_name) {
    std::string path = "/";
    path += SoundFolderPath(folder);
    path += file_name;
    return path;
}

std::string SoundFileName(SoundFolder folder, std::string_view name) {
    std::string file(name);
    file += folder == SoundFolder::Syllables ? "_.WAV" : ".WAV";
    return file;
}

SoundIndex::SoundIndex(const store::StringList& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text_ += lines[i];
        text_ += "\r\n";
    }
}

bool SoundIndex::Lists(SoundFolder folder, std::string_view name) const {
    std::string needle = "*" + SoundFileName(folder, name);
    return text_.find(needle) != std::string::npos;
}

std::string IndexVersion(std::string_view first_line) {
    std::string_view head = first_line.substr(0, first_line.find('_'));
    if (!head.empty()) head.remove_prefix(1);
    return std::string(text::Trim(head));
}

bool IndexNeedsUpdateCheck(const store::StringList& index) {
    return !index.empty() && !index[0].empty() && index[0][0] == '*';
}

void MarkIndexChecked(store::StringList& index) {
    if (index.empty() || index[0].empty()) return;
    std::string first(index[0]);
    first[0] = '?';
    index.set(0, first);
}

bool IndexIsNewer(std::string_view local_first_line, std::string_view downloaded_first_line) {
    return IndexVersion(local_first_line) != IndexVersion(downloaded_first_line);
}

bool IsSafeSoundFileName(std::string_view name) {
    if (name.empty() || name.size() > 200) return false;
    if (name.find("..") != std::string_view::npos) return false;
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7f) return false;
    }
    return true;
}

std::vector<ListedSoundFile> ListedSoundFiles(const store::StringList& index) {
    std::vector<ListedSoundFile> out;
    for (std::size_t i = 1; i < index.size(); ++i) {
        std::string_view line = text::Trim(index[i]);
        if (line.size() < 2 || line[0] != '*' || !line.ends_with(".WAV")) continue;
        std::string_view file = line.substr(1);
        if (!IsSafeSoundFileName(file)) continue;
        SoundFolder folder =
            file.ends_with("_.WAV") ? SoundFolder::Syllables : SoundFolder::Words;
        out.push_back({folder, std::string(file)});
    }
    return out;
}

std::vector<ListedSoundFile> MissingSoundFiles(
    const store::StringList& index,
    const std::function<bool(SoundFolder, const std::string&)>& exists) {
    std::vector<ListedSoundFile> out;
    for (auto& f : ListedSoundFiles(index))
        if (!exists(f.folder, f.file_name)) out.push_back(f);
    return out;
}

bool DownloadSizeAllowed(bool is_index, std::uint64_t bytes) {
    return bytes <= (is_index ? kMaxIndexBytes : kMaxSoundFileBytes);
}

}  // namespace zelmor::speech
