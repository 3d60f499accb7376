#include <gtest/gtest.h>

#include <set>

#include "core/learning/demo.h"
#include "tests/support/fixtures.h"

namespace zelmor::learning {
namespace {

using testing::Cp;
using testing::Utf8;
using Kind = WordDemo::Card::Kind;

TEST(WordDemo, RandomOrderReachesEveryPairAndIsSeeded) {
    std::vector<WordPair> pairs = {{"a", "1"}, {"b", "2"}, {"c", "3"}};
    WordDemo demo(7), same(7);
    demo.UseDictionaryPairs(pairs);
    same.UseDictionaryPairs(pairs);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        WordDemo::Card card = demo.NextCard();
        ASSERT_EQ(card.kind, Kind::Show);
        EXPECT_EQ(card.word, same.NextCard().word);
        EXPECT_EQ(card.meaning, pairs[demo.CurrentIndex].meaning);
        seen.insert(card.word);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"a", "b", "c"}));  // the last pair too

    WordDemo one(1);
    one.UseDictionaryPairs({{"go_on", "devam_et"}});
    WordDemo::Card card = one.NextCard();
    EXPECT_EQ(card.kind, Kind::Show);
    EXPECT_EQ(card.word, "go on");
    EXPECT_EQ(card.meaning, "devam et");

    WordDemo none(1);
    EXPECT_EQ(none.NextCard().kind, Kind::NoRecord);
}

TEST(WordDemo, FileOrderEndsWithEndOfFileUntilReset) {
    WordDemo demo(3);
    demo.UseFilePairs({{"book", "kitap"}, {"pen", "kalem"}});
    demo.ShowMeaning = false;
    WordDemo::Card c1 = demo.NextCard();
    EXPECT_EQ(c1.word, "book");
    EXPECT_EQ(c1.meaning, "");
    demo.ShowMeaning = true;
    EXPECT_EQ(demo.CurrentMeaning(), "kitap");
    EXPECT_EQ(demo.NextCard().word, "pen");
    EXPECT_EQ(demo.NextCard().kind, Kind::EndOfFile);
    EXPECT_EQ(demo.NextCard().kind, Kind::EndOfFile);
    EXPECT_EQ(demo.FileIndex, 2u);
    demo.Reset();
    EXPECT_EQ(demo.NextCard().word, "book");
    demo.UseFilePairs({{"x", "y"}});
    EXPECT_EQ(demo.NextCard().word, "x");
}

TEST(DemoPacer, WordDemoCycleWithAFakeClock) {
    DemoPacer p(/*builds_list=*/true, 0, 2);
    using S = DemoStep;
    EXPECT_EQ(p.Advance(0), std::vector<S>{S::ShowStarting});
    EXPECT_EQ(p.NextDue(), 1000);
    EXPECT_TRUE(p.Advance(999).empty());
    EXPECT_EQ(p.Advance(1000), (std::vector<S>{S::BuildList, S::ShowNext}));
    EXPECT_EQ(p.Cycles(), 1);
    EXPECT_EQ(p.Advance(1500), std::vector<S>{S::ReadAloud});
    EXPECT_EQ(p.NextDue(), 3500);
    EXPECT_TRUE(p.Advance(3499).empty());
    // A late call catches up in order.
    EXPECT_EQ(p.Advance(6000), (std::vector<S>{S::ShowNext, S::ReadAloud, S::ShowNext}));
    EXPECT_EQ(p.Cycles(), 3);
    // STOP halfway through the 500 ms wait keeps the rest of it for START.
    p.Pause(6200);
    EXPECT_FALSE(p.NextDue());
    EXPECT_TRUE(p.Advance(60000).empty());
    p.Resume(70000);
    EXPECT_EQ(p.NextDue(), 70300);
    p.SetPauseSeconds(5);
    EXPECT_EQ(p.Advance(70300), std::vector<S>{S::ReadAloud});
    EXPECT_EQ(p.NextDue(), 75300);
}

TEST(DemoPacer, ClosingWhilePausedEndsOnce) {
    DemoPacer p(/*builds_list=*/false, 100);
    EXPECT_EQ(p.Advance(100), std::vector<DemoStep>{DemoStep::ShowNext});
    p.Pause(200);
    p.RequestStop();
    EXPECT_TRUE(p.NextDue());
    EXPECT_EQ(p.Advance(200), std::vector<DemoStep>{DemoStep::Ended});
    EXPECT_TRUE(p.ended());
    EXPECT_TRUE(p.Advance(100000).empty());
    EXPECT_FALSE(p.NextDue());
}

TEST(SentenceDemo, TurkishLinesAreTranslatedWithGenderMarksWrittenOut) {
    std::vector<std::string> asked;
    Translator translate = [&](std::string_view s) {
        asked.emplace_back(s);
        return std::string("He reads.");
    };
    SentenceDemo demo(SentenceDemo::Language::Turkish, {Cp("O(e) okuyor, onun(k) kitabı 5 cm."), "ikinci"});
    SentenceDemo::Shown s = demo.Next(translate);
    EXPECT_FALSE(s.end);
    EXPECT_EQ(Utf8(s.upper), "O(e) okuyor, onun(k) kitabı 5 cm. ");
    EXPECT_EQ(s.lower, "He reads.");
    EXPECT_EQ(Utf8(asked[0]), "oerkek  okuyor, onunkız  kitabı 5 cm* ");
    EXPECT_EQ(demo.ToggleTranslation(), "");
    EXPECT_EQ(demo.ToggleTranslation(), "He reads.");
    demo.SpeechOn = true;
    s = demo.Next(translate);
    EXPECT_EQ(s.upper, "ikinci ");
    EXPECT_EQ(s.lower, "");
    EXPECT_EQ(asked.size(), 1u);  // read aloud, not translated
    s = demo.Next(translate);
    EXPECT_TRUE(s.end);
    EXPECT_EQ(demo.LineIndex, 1u);
    EXPECT_EQ(Utf8(demo.EndMessage()), "DOSYA SONU !!!");
    EXPECT_EQ(PrepareTurkishSentence(std::string(100, 'a')).size(), 80u);
}

TEST(SentenceDemo, LongEnglishLinesAreCutAtABlankBefore120) {
    // 130 characters; the last blank before position 120 is at position 115.
    std::string line = std::string(114, 'a') + " " + std::string(15, 'b');
    ASSERT_EQ(line.size(), 130u);
    std::string asked;
    Translator translate = [&](std::string_view s) {
        asked = std::string(s);
        return std::string();
    };
    SentenceDemo demo(SentenceDemo::Language::English, {line, "a\tb"});
    SentenceDemo::Shown s = demo.Next(translate);
    EXPECT_EQ(asked, line.substr(0, 115));
    EXPECT_FALSE(s.lower_highlight);  // empty translation: yellow
    // Without a blank from 111 to 119 the text is cut at 120.
    EXPECT_EQ(PrepareEnglishSentence(std::string(130, 'x')), std::string(120, 'x'));
    EXPECT_EQ(PrepareEnglishSentence("short "), "short ");

    demo.CodingMode = true;
    translate = [&](std::string_view s) {
        asked = std::string(s);
        return std::string("a b==12;34");
    };
    s = demo.Next(translate);
    EXPECT_EQ(asked, "ab ==");
    EXPECT_EQ(s.upper, "ab ==");
    EXPECT_TRUE(s.lower_highlight);
    EXPECT_EQ(demo.CodedParts, std::vector<std::string>{"==12;34"});
    EXPECT_EQ(demo.SpeechText(" I_go<home.Now "), "I go home. Now");
}

}  // namespace
}  // namespace zelmor::learning
