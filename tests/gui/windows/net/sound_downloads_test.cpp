// Fetching sound files and the sound index from a web site served by the
// test itself on 127.0.0.1 (a small QTcpServer answering HTTP/1.1 with
// "Connection: close"); no other address is ever contacted.
#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "adapters/file_sound_source.h"
#include "adapters/wav_file.h"
#include "core/speech/index_update.h"
#include "core/speech/sound_index.h"
#include "core/store/file_io.h"
#include "gui/net/downloader.h"
#include "gui/net/sound_fetchers.h"
#include "gui/net/sound_site.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui::net {
namespace {

namespace fs = std::filesystem;
using speech::SoundFolder;
using zelmor::testing::TempDir;

struct Route {
    int status = 200;
    QByteArray body;
    QByteArray extra_headers;     // complete "Name: value\r\n" lines
    qint64 announced_length = -2;  // -2: the body's size, -1: no Content-Length
    bool never_answer = false;
};

class LocalSite {
public:
    LocalSite() {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) Serve(s);
        });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    }
    QUrl url() const {
        QUrl u;
        u.setScheme(QStringLiteral("http"));
        u.setHost(QStringLiteral("127.0.0.1"));
        u.setPort(server_.serverPort());
        return u;
    }
    void Set(const char* path, Route route) { routes_[QString::fromLatin1(path)] = std::move(route); }
    const QStringList& requests() const { return requests_; }

private:
    void Serve(QTcpSocket* s) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
            buffer->append(s->readAll());
            if (buffer->indexOf("\r\n\r\n") < 0) return;
            const QList<QByteArray> request_line = buffer->left(buffer->indexOf("\r\n")).split(' ');
            buffer->clear();
            const QString path = QString::fromLatin1(request_line.value(1));
            requests_ << path;
            Route r = routes_.value(path, Route{404, QByteArray("not here")});
            if (r.never_answer) return;
            QByteArray answer = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\nConnection: close\r\n";
            answer += r.extra_headers;
            if (r.announced_length != -1)
                answer += "Content-Length: " +
                          QByteArray::number(r.announced_length == -2 ? r.body.size()
                                                                      : r.announced_length) +
                          "\r\n";
            answer += "\r\n";
            answer += r.body;
            s->write(answer);
            s->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QMap<QString, Route> routes_;
    QStringList requests_;
};

std::vector<std::string> FilesBelow(const fs::path& dir) {
    std::vector<std::string> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); it != fs::recursive_directory_iterator();
         ++it)
        if (it->is_regular_file()) out.push_back(fs::relative(it->path(), dir).generic_string());
    std::sort(out.begin(), out.end());
    return out;
}

std::string ReadBytes(const fs::path& p) {
    std::string bytes;
    store::ReadWholeFile(p, bytes, nullptr);
    return bytes;
}

QByteArray SmallWav() {
    TempDir tmp;
    speech::PcmBuffer sound;
    sound.samples.assign(800, 1000);
    const fs::path p = tmp.path() / "s.wav";
    EXPECT_TRUE(adapters::WriteWavFile(p, sound));
    const std::string bytes = ReadBytes(p);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

store::StringList Lines(std::initializer_list<const char*> lines) {
    store::StringList out;
    for (const char* l : lines) out.push_back(l);
    return out;
}

class RecordingHost : public speech::SpeechHost {
public:
    void Message(std::string_view text) override { messages.emplace_back(text); }
    void Play(const speech::PcmBuffer&, int) override {}
    std::vector<std::string> messages;
};

bool Online() { return true; }
bool Offline() { return false; }

// ---------------------------------------------------------------- settings

TEST(SoundSite, EnvironmentThenConfigFileThenDefault) {
    TempDir dir;
    const QString program_dir = QFile::decodeName(dir.path().c_str());
    qunsetenv(kSoundSiteVariable);
    EXPECT_EQ(SoundSiteUrl(program_dir), QUrl(QStringLiteral("https://zelmor.example.org")));

    dir.Write("zelmor.conf", "# sounds\n  sound-site = http://conf.test:8080/ignored/path \n");
    EXPECT_EQ(SoundSiteUrl(program_dir), QUrl(QStringLiteral("http://conf.test:8080")));

    qputenv(kSoundSiteVariable, "https://env.test");
    EXPECT_EQ(SoundSiteUrl(program_dir), QUrl(QStringLiteral("https://env.test")));

    // Not http(s) or without a host: the next choice wins.
    qputenv(kSoundSiteVariable, "ftp://env.test");
    EXPECT_EQ(SoundSiteUrl(program_dir), QUrl(QStringLiteral("http://conf.test:8080")));
    dir.Write("zelmor.conf", "sound-site=file:///etc\n");
    EXPECT_EQ(SoundSiteUrl(program_dir), QUrl(QStringLiteral("https://zelmor.example.org")));
    qunsetenv(kSoundSiteVariable);
}

// --------------------------------------------------------------- downloads

TEST(SoundDownloadsTest, ListedButMissingFilesArriveInTheirFolders) {
    LocalSite site;
    const QByteArray wav = SmallWav();
    site.Set("/trwav/MER_.WAV", {200, wav});
    site.Set("/trwav/trwa-z/EV.WAV", {200, QByteArray("word sound")});
    TempDir dir;
    dir.Write("trwav/HA_.WAV", "already here");
    SoundDownloads net(dir.path(), site.url(), Online);

    const auto index = Lines({"*1.0_ZELMOR", "*MER_.WAV", "*HA_.WAV", "*EV.WAV", "*../../x_.WAV"});
    EXPECT_EQ(net.FetchMissing(index), 2);
    EXPECT_EQ(site.requests(), (QStringList{QStringLiteral("/trwav/MER_.WAV"),
                                            QStringLiteral("/trwav/trwa-z/EV.WAV")}));
    EXPECT_EQ(FilesBelow(dir.path()),
              (std::vector<std::string>{"trwav/HA_.WAV", "trwav/MER_.WAV", "trwav/trwa-z/EV.WAV"}));
    EXPECT_EQ(ReadBytes(dir.path() / "trwav/MER_.WAV"), wav.toStdString());
    EXPECT_EQ(ReadBytes(dir.path() / "trwav/trwa-z/EV.WAV"), "word sound");
    EXPECT_EQ(ReadBytes(dir.path() / "trwav/HA_.WAV"), "already here");

    // A second pass has nothing left to fetch.
    EXPECT_EQ(net.FetchMissing(index), 0);
    EXPECT_EQ(site.requests().size(), 2);
}

TEST(SoundDownloadsTest, FileSoundSourceFetchesAMissingFileOnLoad) {
    LocalSite site;
    site.Set("/trwav/trwa-z/MERHABA.WAV", {200, SmallWav()});
    TempDir dir;
    SoundDownloads net(dir.path(), site.url(), Online);
    adapters::FileSoundSource source(dir.path());
    net.Attach(source);

    auto load = source.Load(SoundFolder::Words, "MERHABA.WAV");
    EXPECT_EQ(load.status, speech::LoadStatus::Loaded);
    EXPECT_EQ(load.sound.samples.size(), 800u);
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "trwav/trwa-z/MERHABA.WAV"));

    // Not on the site: no file, reported missing, not unreachable.
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "YOK_.WAV").status, speech::LoadStatus::Missing);
    EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{"trwav/trwa-z/MERHABA.WAV"});
}

TEST(SoundDownloadsTest, FailedDownloadsLeaveNoFileBehind) {
    const QByteArray over(static_cast<qsizetype>(speech::kMaxSoundFileBytes) + 1, 'x');
    struct Case {
        const char* what;
        Route route;
        DownloadResult expected;
    };
    const Case cases[] = {
        {"not found", {404, QByteArray("no")}, DownloadResult::HttpError},
        {"server error", {500, QByteArray("oops")}, DownloadResult::HttpError},
        {"announced too large", {200, QByteArray("tiny"), {}, 100'000'000}, DownloadResult::TooLarge},
        {"counted too large", {200, over, {}, -1}, DownloadResult::TooLarge},
        {"redirect to another site",
         {302, {}, QByteArray("Location: http://elsewhere.invalid/trwav/A_.WAV\r\n")},
         DownloadResult::Redirected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocalSite site;
        site.Set("/trwav/A_.WAV", c.route);
        TempDir dir;
        Downloader downloader(site.url(), 20000);
        EXPECT_EQ(FetchSoundFile(downloader, dir.path(), SoundFolder::Syllables, "A_.WAV"), c.expected);
        EXPECT_EQ(site.requests().size(), 1);
        EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{});
    }
}

TEST(SoundDownloadsTest, RedirectOnTheSameSiteIsFollowed) {
    LocalSite site;
    site.Set("/trwav/A_.WAV", {301, {}, "Location: " + site.url().toEncoded() + "/trwav/B_.WAV\r\n"});
    site.Set("/trwav/B_.WAV", {200, QByteArray("moved")});
    TempDir dir;
    Downloader downloader(site.url());
    EXPECT_EQ(FetchSoundFile(downloader, dir.path(), SoundFolder::Syllables, "A_.WAV"),
              DownloadResult::Ok);
    EXPECT_EQ(ReadBytes(dir.path() / "trwav/A_.WAV"), "moved");
}

TEST(SoundDownloadsTest, TimeoutLeavesNoFileBehind) {
    LocalSite site;
    site.Set("/trwav/A_.WAV", {200, {}, {}, -2, /*never_answer=*/true});
    TempDir dir;
    Downloader downloader(site.url(), 300);
    EXPECT_EQ(FetchSoundFile(downloader, dir.path(), SoundFolder::Syllables, "A_.WAV"),
              DownloadResult::Timeout);
    EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{});
}

TEST(SoundDownloadsTest, UnsafeNamesAndTargetsAreRefusedWithoutARequest) {
    LocalSite site;
    TempDir dir;
    Downloader downloader(site.url());
    for (const char* name : {"../A_.WAV", "..", "a/B.WAV", "/etc/passwd", "..\\A.WAV", "C:A.WAV", "",
                             "A\n.WAV"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FetchSoundFile(downloader, dir.path(), SoundFolder::Words, name),
                  DownloadResult::UnsafePath);
    }
    // A safe name with a target outside its folder.
    EXPECT_EQ(FetchSoundFile(downloader, dir.path(), SoundFolder::Words, "A.WAV",
                             dir.path() / "trwav/A.WAV"),
              DownloadResult::UnsafePath);
    // Web paths that climb or carry a query.
    EXPECT_EQ(downloader.Download(QStringLiteral("/trwav/../x"), dir.path() / "x", 10),
              DownloadResult::UnsafePath);
    EXPECT_EQ(downloader.Download(QStringLiteral("/trwav/x?y"), dir.path() / "x", 10),
              DownloadResult::UnsafePath);
    EXPECT_TRUE(site.requests().isEmpty());
    EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{});
}

// ------------------------------------------------------------------- index

TEST(SoundIndexFetch, NewerIndexOnTheSiteReplacesTheLocalOneOncePerRun) {
    LocalSite site;
    site.Set("/trwav/abcdhece.txt", {200, QByteArray("*2.0_ZELMOR\r\n*A_.WAV\r\n")});
    TempDir dir;
    dir.Write("trwav/abcdhece.txt", "*1.0_ZELMOR\r\n");
    SoundDownloads net(dir.path(), site.url(), Online);
    RecordingHost host;
    auto index = Lines({"*1.0_ZELMOR"});

    speech::PrepareSoundIndex(index, dir.path(), net.index_fetcher(), host);
    EXPECT_EQ(ReadBytes(dir.path() / "trwav/abcdhece.txt"), "*2.0_ZELMOR\r\n*A_.WAV\r\n");
    EXPECT_EQ(index[0], "?1.0_ZELMOR");
    EXPECT_TRUE(host.messages.empty());

    speech::PrepareSoundIndex(index, dir.path(), net.index_fetcher(), host);
    EXPECT_EQ(site.requests().size(), 1);
}

TEST(SoundIndexFetch, MissingLocalIndexIsFetchedAndLoaded) {
    LocalSite site;
    site.Set("/trwav/abcdhece.txt", {200, QByteArray("?3.1_ZELMOR\n*MER_.WAV\n")});
    TempDir dir;
    SoundDownloads net(dir.path(), site.url(), Online);
    RecordingHost host;
    store::StringList index;
    speech::PrepareSoundIndex(index, dir.path(), net.index_fetcher(), host);
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[1], "*MER_.WAV");
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "trwav/abcdhece.txt"));
}

TEST(SoundIndexFetch, OversizeIndexIsNotKept) {
    LocalSite site;
    site.Set("/trwav/abcdhece.txt",
             {200, QByteArray(static_cast<qsizetype>(speech::kMaxIndexBytes) + 1, '*'), {}, -1});
    TempDir dir;
    fs::create_directories(dir.path() / "trwav");
    SoundDownloads net(dir.path(), site.url(), Online);
    EXPECT_EQ(net.downloader().Download(QStringLiteral("/trwav/abcdhece.txt"),
                                        dir.path() / "trwav/abcdhece1.txt", speech::kMaxIndexBytes),
              DownloadResult::TooLarge);
    EXPECT_FALSE(net.index_fetcher().FetchIndex(dir.path() / "trwav/abcdhece1.txt"));
    EXPECT_EQ(site.requests().size(), 2);
    EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{});
}

// ----------------------------------------------------------------- offline

TEST(SoundDownloadsOffline, NothingIsAskedOfTheSite) {
    LocalSite site;
    site.Set("/trwav/abcdhece.txt", {200, QByteArray("*2.0_ZELMOR\r\n")});
    site.Set("/trwav/MER_.WAV", {200, SmallWav()});
    TempDir dir;
    dir.Write("trwav/abcdhece.txt", "*1.0_ZELMOR\r\n*MER_.WAV\r\n");
    SoundDownloads net(dir.path(), site.url(), Offline);
    RecordingHost host;
    auto index = Lines({"*1.0_ZELMOR", "*MER_.WAV"});

    speech::PrepareSoundIndex(index, dir.path(), net.index_fetcher(), host);
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(speech::OfflineIndexMessage())});
    EXPECT_EQ(index[0], "*1.0_ZELMOR");  // the check is tried again next time

    EXPECT_EQ(net.FetchMissing(index), 0);
    adapters::FileSoundSource source(dir.path());
    net.Attach(source);
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "MER_.WAV").status,
              speech::LoadStatus::Unreachable);
    EXPECT_FALSE(net.index_fetcher().FetchIndex(dir.path() / "trwav/abcdhece1.txt"));

    EXPECT_TRUE(site.requests().isEmpty());
    EXPECT_EQ(FilesBelow(dir.path()), std::vector<std::string>{"trwav/abcdhece.txt"});
}

}  // namespace
}  // namespace zelmor::gui::net
