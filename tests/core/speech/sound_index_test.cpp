#include <gtest/gtest.h>

#include "core/speech/sound_index.h"

namespace zelmor::speech {
namespace {

store::StringList Index(std::initializer_list<std::string_view> lines) {
    return store::StringList(lines);
}

TEST(SoundIndex, ListsSyllablesAndWordsSeparately) {
    SoundIndex idx(Index({"*1.0_ZELMOR", "*MER_.WAV", "*MERHABA.WAV", "**ERK_.WAV"}));
    EXPECT_TRUE(idx.Lists(SoundFolder::Syllables, "MER"));
    EXPECT_FALSE(idx.Lists(SoundFolder::Words, "MER"));
    EXPECT_TRUE(idx.Lists(SoundFolder::Words, "MERHABA"));
    EXPECT_FALSE(idx.Lists(SoundFolder::Syllables, "MERHABA"));
    EXPECT_TRUE(idx.Lists(SoundFolder::Syllables, "*ERK"));
    EXPECT_FALSE(idx.Lists(SoundFolder::Syllables, "ME"));  // a prefix of a listed name
    EXPECT_FALSE(idx.Lists(SoundFolder::Syllables, "1.0"));  // the header is no entry
}

TEST(SoundIndex, FileNamesAndPaths) {
    EXPECT_EQ(SoundFileName(SoundFolder::Syllables, "HA"), "HA_.WAV");
    EXPECT_EQ(SoundFileName(SoundFolder::Words, "EV"), "EV.WAV");
    EXPECT_EQ(SoundWebPath(SoundFolder::Syllables, "HA_.WAV"), "/trwav/HA_.WAV");
    EXPECT_EQ(SoundWebPath(SoundFolder::Words, "EV.WAV"), "/trwav/trwa-z/EV.WAV");
}

TEST(SoundIndex, VersionAndOncePerRunUpdateCheck) {
    EXPECT_EQ(IndexVersion("*2.1 _ZELMOR"), "2.1");
    EXPECT_EQ(IndexVersion("? 3_x_y"), "3");
    EXPECT_EQ(IndexVersion("*nounderscore"), "nounderscore");
    EXPECT_EQ(IndexVersion(""), "");
    EXPECT_TRUE(IndexIsNewer("*1.0_a", "*1.1_a"));
    EXPECT_FALSE(IndexIsNewer("?1.0_a", "*1.0 _b"));

    auto idx = Index({"*1.0_ZELMOR", "*A_.WAV"});
    EXPECT_TRUE(IndexNeedsUpdateCheck(idx));
    MarkIndexChecked(idx);
    EXPECT_EQ(idx[0], "?1.0_ZELMOR");
    EXPECT_FALSE(IndexNeedsUpdateCheck(idx));
    EXPECT_FALSE(IndexNeedsUpdateCheck(Index({"???"})));
    EXPECT_FALSE(IndexNeedsUpdateCheck(Index({})));
}

TEST(SoundIndex, UnsafeNamesAreRefused) {
    for (const char* bad : {"", "..", "../X_.WAV", "A/B.WAV", "/etc/passwd", "..\\X.WAV",
                            "C:X.WAV", "X\\Y.WAV", "A\nB.WAV", "TRWA..Z.WAV"})
        EXPECT_FALSE(IsSafeSoundFileName(bad)) << bad;
    for (const char* good : {"MER_.WAV", "*ERK_.WAV", "M4E_.WAV", "N9.WAV", "IIKII.WAV"})
        EXPECT_TRUE(IsSafeSoundFileName(good)) << good;
    EXPECT_FALSE(IsSafeSoundFileName(std::string(300, 'A')));
}

TEST(SoundIndex, ListedAndMissingFiles) {
    auto idx = Index({"*1.0_ZELMOR", "*MER_.WAV", "  *EV.WAV ", "not an entry", "*../../X_.WAV",
                      "*HA_.WAV"});
    auto listed = ListedSoundFiles(idx);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], (ListedSoundFile{SoundFolder::Syllables, "MER_.WAV"}));
    EXPECT_EQ(listed[1], (ListedSoundFile{SoundFolder::Words, "EV.WAV"}));
    auto missing = MissingSoundFiles(idx, [](SoundFolder f, const std::string& name) {
        return f == SoundFolder::Syllables && name == "MER_.WAV";
    });
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0].file_name, "EV.WAV");
    EXPECT_EQ(missing[1].file_name, "HA_.WAV");
}

TEST(SoundIndex, DownloadSizeLimits) {
    EXPECT_TRUE(DownloadSizeAllowed(false, 0));
    EXPECT_TRUE(DownloadSizeAllowed(false, kMaxSoundFileBytes));
    EXPECT_FALSE(DownloadSizeAllowed(false, kMaxSoundFileBytes + 1));
    EXPECT_TRUE(DownloadSizeAllowed(true, kMaxIndexBytes));
    EXPECT_FALSE(DownloadSizeAllowed(true, kMaxIndexBytes + 1));
}

}  // namespace
}  // namespace zelmor::speech
