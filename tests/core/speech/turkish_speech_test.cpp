#include <gtest/gtest.h>

#include <map>

#include "core/speech/turkish_speech.h"
#include "tests/support/fixtures.h"

namespace zelmor::speech {
namespace {

using testing::Cp;
using testing::Utf8;

// Fixture recordings at 1000 samples per second (one sample per
// millisecond). Each file is a constant value unique to it, at a level of
// 30-40 % so that levelling leaves it alone; a joined sound can then be
// read back as a list of "NAME:ms" and "_:ms" (silence) runs.
class FakeSource : public SoundSource {
public:
    void Add(SoundFolder folder, const std::string& file, long ms, int value = 0) {
        if (value == 0) value = 10000 + 100 * static_cast<int>(files_.size() + 1);
        PcmBuffer b;
        b.sample_rate = 1000;
        b.samples.assign(static_cast<std::size_t>(ms), static_cast<std::int16_t>(value));
        files_[{folder, file}] = b;
        names_[static_cast<std::int16_t>(value)] = file;
    }
    void Unreachable(SoundFolder folder, const std::string& file) { offline_[{folder, file}] = true; }

    SoundLoad Load(SoundFolder folder, const std::string& file) override {
        loads.push_back(file);
        if (offline_.count({folder, file})) return {LoadStatus::Unreachable, {}};
        auto it = files_.find({folder, file});
        if (it == files_.end()) return {LoadStatus::Missing, {}};
        return {LoadStatus::Loaded, it->second};
    }

    // "MER:300 _:130 HA:200 ..."; a halved piece shows as "NAME/2".
    std::string Describe(const PcmBuffer& b) const {
        std::string out;
        std::size_t i = 0;
        while (i < b.samples.size()) {
            std::size_t j = i;
            while (j < b.samples.size() && b.samples[j] == b.samples[i]) ++j;
            std::int16_t v = b.samples[i];
            std::string name = "?";
            if (v == 0) name = "_";
            else if (names_.count(v)) name = Base(names_.at(v));
            else if (names_.count(static_cast<std::int16_t>(v * 2))) name = Base(names_.at(v * 2)) + "/2";
            else if (names_.count(static_cast<std::int16_t>(v * 2 + 1))) name = Base(names_.at(v * 2 + 1)) + "/2";
            if (!out.empty()) out += ' ';
            out += name + ":" + std::to_string(j - i);
            i = j;
        }
        return out;
    }

    std::vector<std::string> loads;

private:
    static std::string Base(const std::string& file) {
        std::string base = file.substr(0, file.find('.'));
        if (base.ends_with('_')) base.pop_back();
        return base;
    }
    std::map<std::pair<SoundFolder, std::string>, PcmBuffer> files_;
    std::map<std::pair<SoundFolder, std::string>, bool> offline_;
    std::map<std::int16_t, std::string> names_;
};

class RecordingHost : public SpeechHost {
public:
    void Message(std::string_view text) override { messages.push_back(Utf8(text)); }
    bool HasOutputDevice() override { return device; }
    void Play(const PcmBuffer& sound, int volume) override {
        played.push_back(sound);
        volumes.push_back(volume);
    }
    bool device = true;
    std::vector<std::string> messages;
    std::vector<PcmBuffer> played;
    std::vector<int> volumes;
};

// An index listing every file the fake source has plus `extra` lines.
struct Fixture {
    FakeSource source;
    RecordingHost host;
    std::vector<std::string> listed;

    void Syllable(const std::string& name, long ms) {
        source.Add(SoundFolder::Syllables, name + "_.WAV", ms);
        listed.push_back("*" + name + "_.WAV");
    }
    void Word(const std::string& name, long ms) {
        source.Add(SoundFolder::Words, name + ".WAV", ms);
        listed.push_back("*" + name + ".WAV");
    }
    TurkishSpeech Speech() {
        store::StringList lines;
        lines.push_back("*1.0_TEST");
        for (auto& l : listed) lines.push_back(l);
        return TurkishSpeech(SoundIndex(lines), source, host);
    }
    std::string Say(const char* utf8_word) {
        auto speech = Speech();
        return source.Describe(speech.SpeakWord(Cp(utf8_word)));
    }
};

TEST(SpeakWord, WordFileWinsOverSyllables) {
    Fixture f;
    f.Word("MERHABA", 700);
    f.Syllable("MER", 300);
    f.Syllable("HA", 300);
    f.Syllable("BA", 300);
    EXPECT_EQ(f.Say("MERHABA"), "MERHABA:700 _:220");
    EXPECT_EQ(f.source.loads, (std::vector<std::string>{"MERHABA.WAV"}));
}

TEST(SpeakWord, TurkishLettersUseSoundNames) {
    Fixture f;
    f.Word("IIKII", 400);
    EXPECT_EQ(f.Say("İKİ"), "IIKII:400 _:220");
}

TEST(SpeakWord, SplitWordAtTheLongestListedPrefix) {
    Fixture f;
    f.Word("EV", 200);
    f.Word("EVLER", 400);
    f.Word("DE", 150);
    f.Word("LERDE", 300);
    // "EVLER" is the longest listed prefix and "DE" is listed: split there.
    EXPECT_EQ(f.Say("EVLERDE"), "EVLER:400 DE:150 _:220");
}

TEST(SpeakWord, LongestPrefixWithoutListedRestMeansNoSplit) {
    Fixture f;
    f.Word("EV", 200);
    f.Word("EVLE", 400);  // longest prefix, but "RDE" is not listed
    f.Word("LERDE", 300);
    f.Syllable("E", 100);
    EXPECT_EQ(f.Say("EVLERDE"), "");  // falls through to the syllables, none of which fit
}

TEST(SpeakWord, WholeWordAsOneSyllable) {
    Fixture f;
    f.Syllable("VE", 250);
    EXPECT_EQ(f.Say("VE"), "VE:250 _:220");
}

TEST(SpeakWord, SyllablesWithTheirSilences) {
    Fixture f;
    f.Syllable("MER", 300);
    f.Syllable("HA", 300);
    f.Syllable("BA", 300);
    // "MER" (101) 130 ms; "HA" (10, not last) loses 100 ms from its middle
    // and gets 100 ms; "BA" (10, last of three) keeps its length; 20 ms at
    // the end of the word.
    EXPECT_EQ(f.Say("MERHABA"), "MER:300 _:130 HA:200 _:100 BA:300 _:120");
}

TEST(SpeakWord, ShortOpenSyllableLosesTwentyMilliseconds) {
    Fixture f;
    f.Syllable("HA", 150);
    f.Syllable("LI", 150);
    EXPECT_EQ(f.Say("HALI"), "HA:130 _:100 LI:150 _:120");
}

TEST(SpeakWord, VowelSyllablesAndTheLastOfALongWord) {
    Fixture f;
    f.Syllable("A", 100);
    f.Syllable("II", 100);
    f.Syllable("LE", 200);
    // Single vowels: 50 ms before another syllable.
    EXPECT_EQ(f.Say("AİLE"), "A:100 _:50 II:100 _:50 LE:200 _:120");
    Fixture g;
    g.Syllable("A", 100);
    g.Syllable("RA", 300);
    g.Syllable("BA", 300);
    g.Syllable("MA", 300);
    // Four syllables: the closing "MA" is at half volume (its silence too).
    EXPECT_EQ(g.Say("ARABAMA"), "A:100 _:50 RA:200 _:100 BA:200 _:100 MA/2:300 _:120");
    Fixture h;
    h.Syllable("E", 100);
    EXPECT_EQ(h.Say("E"), "E:100 _:220");  // whole word found as a syllable
}

TEST(SpeakWord, ClosedSyllableShapes) {
    Fixture f;
    f.Syllable("UUST", 300);  // 011
    f.Syllable("TE", 200);
    EXPECT_EQ(f.Say("ÜSTTE"), "UUST:300 _:130 TE:200 _:120");
    Fixture g;
    g.Syllable("KAR", 300);
    g.Syllable("DE", 200);
    g.Syllable("SLE", 200);   // 110: a shape that is never spoken
    g.Syllable("RİN", 300);
    EXPECT_EQ(g.Say("KARDE"), "KAR:300 _:130 DE:200 _:120");
}

TEST(SpeakWord, HeadAndTailForClosedSyllables) {
    Fixture f;
    f.Syllable("T4UU", 200);   // head "T+Ü"
    f.Syllable("*UURK", 300);  // tail "*ÜRK": its first third goes
    f.Syllable("CCE", 200);
    EXPECT_EQ(f.Say("TÜRKÇE"), "T4UU:200 *UURK:200 _:100 CCE:200 _:120");
    Fixture g;
    g.Syllable("K4A", 200);
    g.Syllable("AR", 300);  // the tail of "KAR" has no "*"
    EXPECT_EQ(g.Say("KAR"), "K4A:200 AR:200 _:150");
    Fixture h;
    h.Syllable("AR", 300);  // no head: nothing
    EXPECT_EQ(h.Say("KAR"), "");
}

TEST(SpeakWord, ApostrophesAndBracketsAreNotPartOfTheSyllableSound) {
    Fixture f;
    f.Syllable("AN", 200);
    f.Syllable("KA", 200);
    f.Syllable("RA", 200);
    f.Syllable("DA", 200);
    f.Syllable("EV", 200);
    EXPECT_EQ(f.Say("ANKARA'DA"), "AN:200 _:100 KA:180 _:100 RA:180 _:100 DA/2:200 _:120");
    EXPECT_EQ(f.Say("(EV)"), "EV:200 _:120");
}

TEST(SpeakWord, UnlistedSyllableIsSilentOthersPlay) {
    Fixture f;
    f.Syllable("MER", 300);
    f.Syllable("BA", 300);
    EXPECT_EQ(f.Say("MERHABA"), "MER:300 _:130 BA:300 _:120");
}

TEST(SpeakWord, ListedSyllableOfflineStopsTheWordWithAMessage) {
    Fixture f;
    f.Syllable("MER", 300);
    f.Syllable("HA", 300);
    f.Syllable("BA", 300);
    f.source.Unreachable(SoundFolder::Syllables, "HA_.WAV");
    EXPECT_EQ(f.Say("MERHABA"), "");
    EXPECT_EQ(f.host.messages, (std::vector<std::string>{"internet bağlantısı yok..."}));
    // "BA" was never tried after the failure.
    EXPECT_EQ(f.source.loads.back(), "HA_.WAV");
}

TEST(SpeakWord, UnreachableWordFileFallsBackToSyllables) {
    Fixture f;
    f.Word("EV", 300);
    f.Syllable("EV", 250);
    f.source.Unreachable(SoundFolder::Words, "EV.WAV");
    EXPECT_EQ(f.Say("EV"), "EV:250 _:220");
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(SpeakWord, TraversalNamesNeverReachTheSource) {
    Fixture f;
    f.listed.push_back("*../../ETC.WAV");
    f.listed.push_back("*../../ETC_.WAV");
    EXPECT_EQ(f.Say("../../ETC"), "");
    EXPECT_TRUE(f.source.loads.empty());
}

TEST(LevelPiece, BringsLoudAndQuietPiecesToThirtyPercent) {
    struct Case {
        int level, expect_min, expect_max;
    } cases[] = {{80, 30, 40}, {20, 30, 40}, {10, 30, 40}, {35, 35, 35}, {5, 5, 5}, {100, 30, 40}};
    for (auto c : cases) {
        PcmBuffer b;
        b.samples = {0, static_cast<std::int16_t>(c.level * 32767 / 100 + 1), -100};
        LevelPiece(b);
        EXPECT_GE(b.LevelPercent(), c.expect_min) << c.level;
        EXPECT_LE(b.LevelPercent(), c.expect_max) << c.level;
    }
}

TEST(SpeakWord, LoadedPiecesAreLevelled) {
    Fixture f;
    f.source.Add(SoundFolder::Words, "EV.WAV", 100, 26000);  // about 79 %
    f.listed.push_back("*EV.WAV");
    auto speech = f.Speech();
    PcmBuffer out = speech.SpeakWord("EV");
    EXPECT_GE(out.LevelPercent(), 30);
    EXPECT_LE(out.LevelPercent(), 40);
}

TEST(SegmentSpeechText, CommasSentenceEndsAndLineBreaks) {
    auto segs = SegmentSpeechText(Cp("Merhaba, 1999 yılında geldim. Ne?\r\nEvet $5"));
    std::vector<std::string> utf8;
    for (auto& s : segs) utf8.push_back(Utf8(s));
    // Each token brings one blank plus the blanks that followed it.
    EXPECT_EQ(utf8, (std::vector<std::string>{"Merhaba N9 1999  yılında  geldim ", ". ", "Ne ",
                                              "? ", "Evet   5 "}));
    EXPECT_TRUE(SegmentSpeechText("  \r\n ").empty());
    // Numbers stay whole across one separator between digits.
    auto num = SegmentSpeechText("3.14 ve 10:30");
    ASSERT_EQ(num.size(), 1u);
    EXPECT_EQ(num[0], "3.14  ve  10:30 ");
    // A "(" inside a token starts a word of its own; a leading "*" is dropped.
    EXPECT_EQ(SegmentSpeechText("kitap(lar) *ev")[0], "kitap (lar)   ev ");
}

TEST(SegmentSpeechText, LongTextIsCut) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "ev ";
    text += "SON";
    auto segs = SegmentSpeechText(text);
    ASSERT_EQ(segs.size(), 1u);
    EXPECT_EQ(segs[0].find("SON"), std::string::npos);
}

TEST(SegmentWords, NumbersBecomeSeparateWords) {
    std::vector<std::string> words;
    for (auto& w : SegmentWords(Cp("Merhaba N9  1999 yılında 100 20000000000"))) words.push_back(Utf8(w));
    EXPECT_EQ(words, (std::vector<std::string>{"Merhaba", "N9", "BİN", "DOKUZ", "YÜZ", "DOKSAN",
                                               "DOKUZ", "yılında", "YÜZ", "20000000000"}));
}

TEST(SpeakTurkish, SpeaksEveryWordAtTheSpeechVolume) {
    Fixture f;
    f.Word("MERHABA", 500);
    f.Word("N9", 100);
    f.Word("BIIN", 200);
    f.Word("YUUZ", 200);
    auto speech = f.Speech();
    speech.SpeechVolume = 70;
    speech.SpeakTurkish(Cp("Merhaba, 1100 \"yüz\"!"));
    std::vector<std::string> played;
    for (auto& p : f.host.played) played.push_back(f.source.Describe(p));
    EXPECT_EQ(played, (std::vector<std::string>{"MERHABA:500 _:220", "N9:100 _:220",
                                                "BIIN:200 _:220", "YUUZ:200 _:220",
                                                "YUUZ:200 _:220"}));
    EXPECT_EQ(f.host.volumes, std::vector<int>(5, 70));
}

TEST(SpeakTurkish, NoDeviceShowsTheMessageForEachSegment) {
    Fixture f;
    f.Word("EV", 100);
    f.host.device = false;
    auto speech = f.Speech();
    speech.SpeakTurkish("Ev. Ev.");
    EXPECT_TRUE(f.host.played.empty());
    EXPECT_EQ(f.host.messages.size(), 4u);  // "Ev", ".", "Ev", "."
    EXPECT_EQ(f.host.messages[0], "Sound Device not Found! ");
}

}  // namespace
}  // namespace zelmor::speech
