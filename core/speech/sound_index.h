// The index of recorded sounds ("trwav/abcdhece.txt") and the rules for the
// sound files it lists: where each lives, which are missing, which names
// are safe to turn into paths, and how large a fetched file may be.
//
// Layout of the index: line 1 is "*" (or "?" once this run has checked for
// a newer index) + a version text + "_" + anything; every further line
// lists one file, "*NAME_.WAV" for a syllable in "trwav/" or "*NAME.WAV"
// for a word or word part in "trwav/trwa-z/". The index is searched as one
// text, so a sound is available when "*" + NAME + "_.WAV" (or ".WAV")
// occurs anywhere in it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/string_list.h"

namespace zelmor::speech {

/// Which of the two sound folders a file lives in.
enum class SoundFolder {
    Syllables,  // "trwav/", files NAME_.WAV
    Words,      // "trwav/trwa-z/", files NAME.WAV
};

/// Folder below the program folder, with a trailing "/".
std::string_view SoundFolderPath(SoundFolder folder);
/// Path on the program's web site: "/trwav/" + file or "/trwav/trwa-z/" + file.
std::string SoundWebPath(SoundFolder folder, std::string_view file_name);
/// The index's path below the program folder and on the web site.
inline constexpr std::string_view kSoundIndexPath = "trwav/abcdhece.txt";
/// Where a downloaded index is put for comparison with the local one.
inline constexpr std::string_view kDownloadedIndexPath = "trwav/abcdhece1.txt";

/// "NAME_.WAV" for a syllable, "NAME.WAV" for a word.
std::string SoundFileName(SoundFolder folder, std::string_view name);

class SoundIndex {
public:
    SoundIndex() = default;
    explicit SoundIndex(const store::StringList& lines);
    explicit SoundIndex(std::string text) : text_(std::move(text)) {}

    /// "*" + name + "_.WAV" (syllables) or "*" + name + ".WAV" (words) occurs.
    bool Lists(SoundFolder folder, std::string_view name) const;
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

/// The version text of an index's first line: what lies before the first
/// "_", without its first character, trimmed. "*2.1 _ZELMOR" -> "2.1".
std::string IndexVersion(std::string_view first_line);
/// The update check runs once per run: only while line 1 starts with "*".
bool IndexNeedsUpdateCheck(const store::StringList& index);
/// After a check, line 1 starts with "?" so that the run does not check again.
void MarkIndexChecked(store::StringList& index);
/// Whether a downloaded index replaces the local one (their versions differ).
bool IndexIsNewer(std::string_view local_first_line, std::string_view downloaded_first_line);

/// A sound file name that is safe to join to a sound folder: not empty,
/// no "..", no "/" or "\", no drive or absolute form, no control bytes.
bool IsSafeSoundFileName(std::string_view file_name);

struct ListedSoundFile {
    SoundFolder folder;
    std::string file_name;  // code page 1254, e.g. "MER_.WAV"
    bool operator==(const ListedSoundFile&) const = default;
};

/// Every file the index lists (line 2 on), in index order; unsafe names
/// are left out.
std::vector<ListedSoundFile> ListedSoundFiles(const store::StringList& index);
/// The listed files for which `exists(folder, file_name)` says no.
std::vector<ListedSoundFile> MissingSoundFiles(
    const store::StringList& index,
    const std::function<bool(SoundFolder, const std::string&)>& exists);

/// Largest sound file and index accepted from the web site; a download that
/// announces or delivers more is dropped and leaves no file behind.
inline constexpr std::uint64_t kMaxSoundFileBytes = 4u << 20;
inline constexpr std::uint64_t kMaxIndexBytes = 2u << 20;
/// Whether a download of `bytes_so_far` (or an announced length) may go on.
bool DownloadSizeAllowed(bool is_index, std::uint64_t bytes);

}  // namespace zelmor::speech
