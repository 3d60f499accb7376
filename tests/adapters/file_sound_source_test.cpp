#include <gtest/gtest.h>

#include "adapters/file_sound_source.h"
#include "adapters/wav_file.h"
#include "tests/support/fixtures.h"

namespace zelmor::adapters {
namespace {

namespace fs = std::filesystem;
using speech::LoadStatus;
using speech::SoundFolder;

speech::PcmBuffer Short(std::int16_t value) {
    speech::PcmBuffer b;
    b.samples.assign(160, value);
    return b;
}

struct Folders {
    testing::TempDir dir;
    Folders() {
        fs::create_directories(dir.path() / "trwav" / "trwa-z");
        WriteWavFile(dir.path() / "trwav" / "MER_.WAV", Short(1000));
        WriteWavFile(dir.path() / "trwav" / "trwa-z" / "EV.WAV", Short(2000));
        // Beside the sound folders, where no sound name may lead.
        WriteWavFile(dir.path() / "SECRET_.WAV", Short(3000));
        WriteWavFile(dir.path() / "trwav" / "SECRET.WAV", Short(3000));
    }
};

TEST(FileSoundSource, LoadsFromBothFolders) {
    Folders f;
    FileSoundSource source(f.dir.path());
    auto syl = source.Load(SoundFolder::Syllables, "MER_.WAV");
    ASSERT_EQ(syl.status, LoadStatus::Loaded);
    EXPECT_EQ(syl.sound.samples[0], 1000);
    auto word = source.Load(SoundFolder::Words, "EV.WAV");
    ASSERT_EQ(word.status, LoadStatus::Loaded);
    EXPECT_EQ(word.sound.samples[0], 2000);
    // Each folder has its own files.
    EXPECT_NE(source.Load(SoundFolder::Words, "MER_.WAV").status, LoadStatus::Loaded);
}

TEST(FileSoundSource, NamesThatLeaveTheFoldersAreRefused) {
    Folders f;
    FileSoundSource source(f.dir.path());
    bool fetched = false;
    source.SetFetcher([&](SoundFolder, const std::string&, const fs::path&) { return fetched = true; },
                      [] { return true; });
    const std::string absolute = (f.dir.path() / "SECRET_.WAV").string();
    for (std::string name : {std::string("../SECRET_.WAV"), std::string("../../SECRET_.WAV"),
                             std::string(".."), std::string("/etc/passwd"), absolute,
                             std::string("trwa-z/../../SECRET_.WAV"),
                             std::string("..\\SECRET_.WAV"), std::string()}) {
        EXPECT_FALSE(source.PathOf(SoundFolder::Syllables, name)) << name;
        EXPECT_EQ(source.Load(SoundFolder::Syllables, name).status, LoadStatus::Missing) << name;
    }
    EXPECT_EQ(source.Load(SoundFolder::Words, "../SECRET.WAV").status, LoadStatus::Missing);
    EXPECT_FALSE(fetched);
}

TEST(FileSoundSource, MissingFilesAreFetchedOnlyWhenOnline) {
    Folders f;
    FileSoundSource source(f.dir.path());
    // Without a way to fetch, a listed file that is not there is unreachable.
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "HA_.WAV").status, LoadStatus::Unreachable);

    bool online = false;
    std::vector<std::string> asked;
    source.SetFetcher(
        [&](SoundFolder folder, const std::string& name, const fs::path& target) {
            asked.push_back(name);
            if (name == "BROKEN_.WAV") return false;
            EXPECT_EQ(target.parent_path().filename(),
                      folder == SoundFolder::Words ? "trwa-z" : "trwav");
            return WriteWavFile(target, Short(4000));
        },
        [&] { return online; });
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "HA_.WAV").status, LoadStatus::Unreachable);
    EXPECT_TRUE(asked.empty());

    online = true;
    auto got = source.Load(SoundFolder::Syllables, "HA_.WAV");
    ASSERT_EQ(got.status, LoadStatus::Loaded);
    EXPECT_EQ(got.sound.samples[0], 4000);
    EXPECT_TRUE(fs::exists(f.dir.path() / "trwav" / "HA_.WAV"));  // kept for next time
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "BROKEN_.WAV").status, LoadStatus::Missing);
    EXPECT_EQ(source.Load(SoundFolder::Syllables, "HA_.WAV").status, LoadStatus::Loaded);
    EXPECT_EQ(asked, (std::vector<std::string>{"HA_.WAV", "BROKEN_.WAV"}));
}

}  // namespace
}  // namespace zelmor::adapters
