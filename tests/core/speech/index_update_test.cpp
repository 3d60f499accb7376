#include <gtest/gtest.h>

#include <fstream>

#include "core/speech/index_update.h"
#include "core/store/file_io.h"
#include "tests/support/fixtures.h"

namespace zelmor::speech {
namespace {

namespace fs = std::filesystem;

class FakeFetcher : public IndexFetcher {
public:
    bool Online() override { return online; }
    bool FetchIndex(const fs::path& target) override {
        ++fetches;
        if (site.empty()) return false;
        std::ofstream(target, std::ios::binary) << site;
        return true;
    }
    bool online = true;
    std::string site;  // the web site's index; empty: the fetch fails
    int fetches = 0;
};

struct Host : SpeechHost {
    void Message(std::string_view text) override { messages.push_back(testing::Utf8(text)); }
    void Play(const PcmBuffer&, int) override {}
    std::vector<std::string> messages;
};

std::string ReadFile(const fs::path& p) {
    std::string bytes;
    store::ReadWholeFile(p, bytes, nullptr);
    return bytes;
}

struct Program {
    testing::TempDir dir;
    fs::path index_path() const { return dir.path() / "trwav" / "abcdhece.txt"; }
    void WriteIndex(const std::string& text) const {
        fs::create_directories(dir.path() / "trwav");
        std::ofstream(index_path(), std::ios::binary) << text;
    }
};

TEST(PrepareSoundIndex, NewerSiteIndexIsSavedAndTheCheckRunsOnce) {
    Program p;
    p.WriteIndex("*1.0_old\r\n*A_.WAV\r\n");
    store::StringList index{"*1.0_old", "*A_.WAV"};
    FakeFetcher net;
    net.site = "*1.1_new\r\n*A_.WAV\r\n*BA_.WAV\r\n";
    Host host;
    PrepareSoundIndex(index, p.dir.path(), net, host);
    EXPECT_EQ(ReadFile(p.index_path()), net.site);
    EXPECT_EQ(ReadFile(p.dir.path() / "trwav" / "abcdhece1.txt"), net.site);
    EXPECT_EQ(index.size(), 2u);  // the running list is not reloaded
    EXPECT_EQ(index[0], "?1.0_old");
    PrepareSoundIndex(index, p.dir.path(), net, host);
    EXPECT_EQ(net.fetches, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST(PrepareSoundIndex, SameVersionLeavesTheLocalFile) {
    Program p;
    p.WriteIndex("*1.0 _old\r\n");
    store::StringList index{"*1.0 _old"};
    FakeFetcher net;
    net.site = "*1.0_other\r\n*X_.WAV\r\n";
    Host host;
    PrepareSoundIndex(index, p.dir.path(), net, host);
    EXPECT_EQ(ReadFile(p.index_path()), "*1.0 _old\r\n");
    EXPECT_EQ(index[0], "?1.0 _old");
}

TEST(PrepareSoundIndex, OfflineShowsTheMessageAndChecksAgainLater) {
    Program p;
    p.WriteIndex("*1.0_old\r\n");
    store::StringList index{"*1.0_old"};
    FakeFetcher net;
    net.online = false;
    Host host;
    PrepareSoundIndex(index, p.dir.path(), net, host);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"internet bağlantısı yok"}));
    EXPECT_EQ(index[0], "*1.0_old");
    EXPECT_EQ(net.fetches, 0);
}

TEST(PrepareSoundIndex, MissingLocalIndexIsFetchedAndLoaded) {
    Program p;
    store::StringList index{"???"};
    FakeFetcher net;
    net.site = "*2.0_x\r\n*EV.WAV\r\n";
    Host host;
    PrepareSoundIndex(index, p.dir.path(), net, host);
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[1], "*EV.WAV");
    EXPECT_TRUE(fs::exists(p.index_path()));

    // A failed fetch keeps the list as it was.
    Program q;
    store::StringList kept{"???"};
    FakeFetcher broken;
    PrepareSoundIndex(kept, q.dir.path(), broken, host);
    EXPECT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0], "???");
}

TEST(PrepareSoundIndex, EmptyListIsLoadedFromTheLocalFile) {
    Program p;
    p.WriteIndex("?1.0_x\r\n*EV.WAV\r\n");
    store::StringList index;
    FakeFetcher net;
    Host host;
    PrepareSoundIndex(index, p.dir.path(), net, host);
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(net.fetches, 0);
}

}  // namespace
}  // namespace zelmor::speech
