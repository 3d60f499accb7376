#include "core/speech/index_update.h"

#include "core/store/file_io.h"

namespace zelmor::speech {

namespace fs = std::filesystem;

namespace {

bool ReadLines(const fs::path& path, store::StringList& lines) {
    std::string bytes;
    if (!store::ReadWholeFile(path, bytes, nullptr)) return false;
    if (!DownloadSizeAllowed(true, bytes.size())) return false;
    lines.clear();
    for (auto l : store::SplitLines(bytes)) lines.push_back(l);
    return true;
}

}  // namespace

void PrepareSoundIndex(store::StringList& index, const fs::path& program_dir,
                       IndexFetcher& fetcher, SpeechHost& host) {
    const fs::path local = program_dir / std::string(kSoundIndexPath);
    std::error_code ec;

    if (IndexNeedsUpdateCheck(index)) {
        if (fetcher.Online()) {
            const fs::path downloaded = program_dir / std::string(kDownloadedIndexPath);
            fs::create_directories(downloaded.parent_path(), ec);
            store::StringList fresh;
            if (fetcher.FetchIndex(downloaded) && ReadLines(downloaded, fresh) && !fresh.empty() &&
                IndexIsNewer(index[0], fresh[0])) {
                std::string bytes;
                store::ReadWholeFile(downloaded, bytes, nullptr);
                // The running list stays as it is; the next start loads the new file.
                store::WriteFileAtomically(local, bytes, nullptr, false);
            }
            // Checked (or tried) once: not again in this run.
            MarkIndexChecked(index);
        } else {
            host.Message(OfflineIndexMessage());
        }
    }

    if (!fs::exists(local, ec)) {
        // Without a local index nothing is spoken until one can be fetched;
        // a failed fetch keeps the current list.
        if (fetcher.Online()) {
            fs::create_directories(local.parent_path(), ec);
            store::StringList fetched;
            if (fetcher.FetchIndex(local) && ReadLines(local, fetched)) index = std::move(fetched);
        }
    } else if (index.empty()) {
        ReadLines(local, index);
    }
}

}  // namespace zelmor::speech
