// Our own recordings: espeak-ng synthesis, the full build of the sound
// folders and Turkish speech read back from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "adapters/espeak_synth.h"
#include "adapters/file_sound_source.h"
#include "adapters/sound_builder.h"
#include "core/speech/number_words.h"
#include "core/speech/syllables.h"
#include "core/store/file_io.h"
#include "tests/support/fixtures.h"

namespace zelmor::adapters {
namespace {

namespace fs = std::filesystem;
using testing::Cp;

TEST(EspeakSynth, TurkishVoiceProducesSound) {
    std::string error;
    auto synth = EspeakSynth::Open("tr", &error);
    ASSERT_TRUE(synth) << error;
    std::string second_error;
    EXPECT_FALSE(EspeakSynth::Open("tr", &second_error));  // one per process
    EXPECT_FALSE(second_error.empty());
    auto sound = synth->Synthesize("merhaba");
    EXPECT_GT(sound.LengthMs(), 300);
    EXPECT_GT(sound.LevelPercent(), 10);
    EXPECT_EQ(sound.sample_rate, synth->SampleRate());
    EXPECT_GT(synth->Synthesize("[[k]]").LevelPercent(), 1);  // phoneme letters
}

TEST(EspeakSynth, UnknownVoiceIsAnError) {
    std::string error;
    EXPECT_FALSE(EspeakSynth::Open("no-such-voice-zz", &error));
    EXPECT_FALSE(error.empty());
    auto again = EspeakSynth::Open("tr", &error);  // the failure released the library
    EXPECT_TRUE(again) << error;
}

TEST(SoundInventory, CoversEverySyllableShapeTheSpeechSpeaks) {
    std::set<std::string> syllables, words;
    for (auto& r : SoundInventory())
        (r.folder == speech::SoundFolder::Syllables ? syllables : words).insert(r.name);
    for (const char* s : {"A", "UU", "BA", "CCE", "AR", "MER", "GGIR", "UURK", "*UURK", "T4UU", "K"})
        EXPECT_TRUE(syllables.count(Cp(s))) << s;
    for (const char* w : {"MERHABA", "BIIN", "DOKUZ", "YUUZ", "DOKSAN", "N9", "SIFIR"})
        EXPECT_TRUE(words.count(w)) << w;
}

struct Host : speech::SpeechHost {
    void Message(std::string_view text) override { messages.push_back(std::string(text)); }
    void Play(const speech::PcmBuffer& sound, int) override {
        output.Append(sound);
        ++words;
    }
    std::vector<std::string> messages;
    speech::PcmBuffer output;
    int words = 0;
};

store::StringList ReadIndex(const fs::path& program_dir) {
    std::string bytes;
    EXPECT_TRUE(store::ReadWholeFile(program_dir / "trwav" / "abcdhece.txt", bytes, nullptr));
    store::StringList lines;
    for (auto l : store::SplitLines(bytes)) lines.push_back(l);
    return lines;
}

// One build of the whole sound set (several seconds), then speech from it.
TEST(BuildSoundFiles, BuildsAnIndexedSetThatSpeaksTurkish) {
    testing::TempDir dir;
    SoundBuildReport report;
    ASSERT_TRUE(BuildSoundFiles(dir.path(), 16000, report)) << report.error;
    auto index = ReadIndex(dir.path());
    FileSoundSource source(dir.path());
    {
        SCOPED_TRACE("the index lists exactly the files written");
        ASSERT_GT(index.size(), 1000u);
        EXPECT_EQ(speech::IndexVersion(index[0]), "1.0");
        EXPECT_TRUE(speech::IndexNeedsUpdateCheck(index));
        auto missing =
            speech::MissingSoundFiles(index, [&](speech::SoundFolder f, const std::string& n) {
                auto p = source.PathOf(f, n);
                return p && fs::is_regular_file(*p);
            });
        EXPECT_TRUE(missing.empty()) << missing.front().file_name;
        EXPECT_EQ(report.files, index.size());  // the listed files plus the index itself
        EXPECT_LT(report.bytes, 30u << 20);
    }
    {
        SCOPED_TRACE("a sentence from word files");
        Host host;
        speech::TurkishSpeech speech(speech::SoundIndex(index), source, host);
        speech.SpeakTurkish(Cp("Merhaba, 1999 yılında geldim."));
        EXPECT_TRUE(host.messages.empty());
        // MERHABA N9 BİN DOKUZ YÜZ DOKSAN DOKUZ YILINDA GELDİM
        EXPECT_EQ(host.words, 9);
        EXPECT_GT(host.output.LengthMs(), 3000);
        EXPECT_GE(host.output.LevelPercent(), 30);
    }
    {
        SCOPED_TRACE("words without a file, from their syllables");
        Host host;
        speech::TurkishSpeech speech(speech::SoundIndex(index), source, host);
        for (const char* word :
             {"KARPUZCULAR", "ÇİĞDEMLİ", "TÜRKLÜK", "AĞAÇLANDIRMA", "ÖĞRETMENLERİMİZ", "KRALİÇE"}) {
            speech::PcmBuffer sound = speech.SpeakWord(Cp(word));
            // Every syllable is heard: at least 150 ms of sound per syllable.
            std::string syllables = speech::Syllabify(Cp(word));
            long count = 1 + static_cast<long>(std::count(syllables.begin(), syllables.end(), '-'));
            EXPECT_GT(sound.LengthMs(), count * 150) << word;
            EXPECT_GE(sound.LevelPercent(), 15) << word;
        }
        EXPECT_TRUE(host.messages.empty());
    }
}

}  // namespace
}  // namespace zelmor::adapters
