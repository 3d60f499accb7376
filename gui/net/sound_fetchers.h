// The desktop program's network side of Turkish speech: the index fetcher
// for PrepareSoundIndex and the fetcher of missing sound files for
// FileSoundSource, both over one Downloader and both only while the machine
// is online.
//
// Typical use (one instance for the whole run, e.g. owned by the frame):
//   SoundDownloads net(program_dir);             // site from SoundSiteUrl
//   net.Attach(file_sound_source);                // missing files fetched
//   PrepareSoundIndex(list, program_dir, net.index_fetcher(), host);
// The SoundDownloads must outlive every source it is attached to.
#pragma once

#include <QUrl>

#include <filesystem>
#include <functional>
#include <string>

#include "adapters/file_sound_source.h"
#include "core/speech/index_update.h"
#include "gui/net/downloader.h"

namespace zelmor::gui::net {

/// IndexFetcher over a Downloader: "/trwav/abcdhece.txt", at most
/// kMaxIndexBytes.
class NetIndexFetcher : public speech::IndexFetcher {
public:
    NetIndexFetcher(Downloader& downloader, std::function<bool()> online)
        : downloader_(downloader), online_(std::move(online)) {}
    bool Online() override { return online_ && online_(); }
    bool FetchIndex(const std::filesystem::path& target) override;

private:
    Downloader& downloader_;
    std::function<bool()> online_;
};

/// Fetches one listed sound file into its folder below `program_dir`:
/// "trwav/NAME_.WAV" or "trwav/trwa-z/NAME.WAV" from the same path on the
/// site, at most kMaxSoundFileBytes. The name (code page 1254) must pass
/// IsSafeSoundFileName and `target`, when given, must be exactly that file;
/// otherwise nothing is asked and UnsafePath comes back.
DownloadResult FetchSoundFile(Downloader& downloader, const std::filesystem::path& program_dir,
                              speech::SoundFolder folder, const std::string& file_name,
                              const std::filesystem::path& target = {});

/// The Downloader and both fetchers for one program folder.
class SoundDownloads {
public:
    /// `online` defaults to platform::MachineOnline; `site` to
    /// SoundSiteUrl(program_dir).
    explicit SoundDownloads(std::filesystem::path program_dir, QUrl site = {},
                            std::function<bool()> online = {});

    speech::IndexFetcher& index_fetcher() { return index_fetcher_; }
    Downloader& downloader() { return downloader_; }

    /// Lets `source` fetch its listed-but-missing files through this object.
    void Attach(adapters::FileSoundSource& source);

    /// Fetches every file the index lists that is not in its folder yet;
    /// returns how many arrived. Nothing happens while offline.
    int FetchMissing(const store::StringList& index);

private:
    std::filesystem::path program_dir_;
    std::function<bool()> online_;
    Downloader downloader_;
    NetIndexFetcher index_fetcher_;
};

}  // namespace zelmor::gui::net
