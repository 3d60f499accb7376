// The index steps at the start of each read-aloud: once per run the web
// site's index is compared with the local one and saved when its version
// differs; a missing local index is fetched; an empty list is loaded from
// the local file. The caller supplies the network (IndexFetcher).
#pragma once

#include <filesystem>

#include "core/speech/turkish_speech.h"
#include "core/store/string_list.h"

namespace zelmor::speech {

class IndexFetcher {
public:
    virtual ~IndexFetcher() = default;
    /// Whether the computer has a network connection.
    virtual bool Online() = 0;
    /// Downloads the web site's "trwav/abcdhece.txt" to `target`: complete
    /// and within kMaxIndexBytes, or no file at all. False on any failure.
    virtual bool FetchIndex(const std::filesystem::path& target) = 0;
};

/// Runs the index steps for `program_dir`. `index` is the loaded index
/// (the store's SyllableList); messages go to `host`.
void PrepareSoundIndex(store::StringList& index, const std::filesystem::path& program_dir,
                       IndexFetcher& fetcher, SpeechHost& host);

}  // namespace zelmor::speech
