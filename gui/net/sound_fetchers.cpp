#include "gui/net/sound_fetchers.h"

#include <QFile>

#include "core/speech/sound_index.h"
#include "core/text/cp1254.h"
#include "gui/net/sound_site.h"
#include "gui/platform/web.h"

namespace zelmor::gui::net {

namespace fs = std::filesystem;

bool NetIndexFetcher::FetchIndex(const fs::path& target) {
    if (!Online()) return false;
    const QString path = QLatin1Char('/') + QString::fromUtf8(speech::kSoundIndexPath.data(),
                                                             speech::kSoundIndexPath.size());
    return downloader_.Download(path, target, speech::kMaxIndexBytes) == DownloadResult::Ok;
}

DownloadResult FetchSoundFile(Downloader& downloader, const fs::path& program_dir,
                              speech::SoundFolder folder, const std::string& file_name,
                              const fs::path& target) {
    if (!speech::IsSafeSoundFileName(file_name)) return DownloadResult::UnsafePath;
    // Names are code page 1254; paths and URLs are UTF-8.
    const std::string utf8 = text::Cp1254ToUtf8(file_name);
    const fs::path name(utf8);
    if (name.is_absolute() || name.has_parent_path() || name != name.filename())
        return DownloadResult::UnsafePath;
    const fs::path folder_path = program_dir / fs::path(std::string(speech::SoundFolderPath(folder)));
    const fs::path expected = folder_path / name;
    if (!target.empty() && target.lexically_normal() != expected.lexically_normal())
        return DownloadResult::UnsafePath;

    std::error_code ec;
    fs::create_directories(folder_path, ec);
    const std::string web = speech::SoundWebPath(folder, utf8);
    return downloader.Download(QString::fromUtf8(web.data(), static_cast<qsizetype>(web.size())),
                               expected, speech::kMaxSoundFileBytes);
}

SoundDownloads::SoundDownloads(fs::path program_dir, QUrl site, std::function<bool()> online)
    : program_dir_(std::move(program_dir)),
      online_(online ? std::move(online) : std::function<bool()>(&platform::MachineOnline)),
      downloader_(site.isEmpty() ? SoundSiteUrl(QFile::decodeName(program_dir_.c_str()))
                                 : std::move(site)),
      index_fetcher_(downloader_, online_) {}

void SoundDownloads::Attach(adapters::FileSoundSource& source) {
    source.SetFetcher(
        [this](speech::SoundFolder folder, const std::string& file_name, const fs::path& target) {
            if (!online_()) return false;
            return FetchSoundFile(downloader_, program_dir_, folder, file_name, target) ==
                   DownloadResult::Ok;
        },
        online_);
}

int SoundDownloads::FetchMissing(const store::StringList& index) {
    if (!online_()) return 0;
    auto missing = speech::MissingSoundFiles(
        index, [this](speech::SoundFolder folder, const std::string& file_name) {
            std::error_code ec;
            const fs::path p = program_dir_ / fs::path(std::string(speech::SoundFolderPath(folder))) /
                               fs::path(text::Cp1254ToUtf8(file_name));
            return fs::is_regular_file(p, ec);
        });
    int arrived = 0;
    for (const auto& f : missing)
        if (FetchSoundFile(downloader_, program_dir_, f.folder, f.file_name) == DownloadResult::Ok)
            ++arrived;
    return arrived;
}

}  // namespace zelmor::gui::net
