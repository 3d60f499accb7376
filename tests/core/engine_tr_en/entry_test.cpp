// The engine's entry: segmentation, dictionary access, whole-sentence and
// user look-ups, assembly of the English text and the trace mode.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "core/text/search.h"
#include "core/text/split.h"
#include "tests/core/engine_tr_en/tr_en_test_support.h"

namespace zelmor::tr_en::test {
namespace {

std::vector<std::string> Segment(TrEnEngine& e, const std::string& utf8) {
    std::vector<std::string> out;
    for (auto& s : e.SegmentTrText(Cp(utf8))) out.push_back(Utf8(s));
    return out;
}

TEST(TrSegmentation, CutsTextIntoPiecesSeparatorsAndMarkers) {
    auto store = DemoStore();
    TrEnEngine e(store);
    struct Case {
        std::string text;
        std::vector<std::string> items;
    } cases[] = {
        {"Ali geldi. Ayşe gitti.", {"Ali geldi  ", ". ", "Ayşe gitti ", "."}},
        // An abbreviation keeps its period and does not end the sentence.
        {"Dr. Ali geldi.", {"Dr. Ali geldi ", "."}},
        // "Feb" has no period in the table: the period ends the sentence.
        {"Feb. geldi", {"Feb  ", ". ", "geldi "}},
        {"3.5 kilo", {"3.5 kilo "}},
        {"12abc", {"12 abc "}},
        {"Ahmet'in evi", {"Ahmet'in evi "}},
        {"Ali, Ayşe", {"Ali  n9 Ayşe "}},
        {"Saat 10:30 oldu", {"Saat 10:30 oldu "}},
        {"Ali geldi.\r\nAyşe", {"Ali geldi ", ".e-o-s", "Ayşe "}},
        {"Ali geldi.\r\n\r\nAyşe", {"Ali geldi ", ".e-o-s", "e-o-p", "Ayşe "}},
        // Brackets are separators: the pronoun marker is cut apart.
        {"o(e) geldi", {"o ", "(", "e  ", ") ", "geldi "}},
        {"", {}},
        {" ?! ", {}},
    };
    for (auto& c : cases) EXPECT_EQ(Segment(e, c.text), c.items) << c.text;
}

TEST(TrSegmentation, LongPiecesAreCutEveryTwentyWords) {
    auto store = DemoStore();
    TrEnEngine e(store);
    auto words = [](int n) {
        std::string t;
        for (int i = 1; i <= n; ++i) t += "k" + std::to_string(i) + " ";
        return t;
    };
    auto count = [](const std::string& piece) {
        std::size_t n = 0;
        for (auto w : text::SplitViews(piece, ' ')) n += !w.empty();
        return n;
    };
    auto items = Segment(e, words(25));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(count(items[0]), 20u);
    EXPECT_EQ(count(items[1]), 5u);
    EXPECT_EQ(items[1].substr(0, 4), "k21 ");
    // Every later piece holds twenty words as well, not twenty-one.
    items = Segment(e, words(45));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(count(items[0]), 20u);
    EXPECT_EQ(count(items[1]), 20u);
    EXPECT_EQ(count(items[2]), 5u);
}

TEST(TrLookup, BinarySearchSkipsHeaderAndAddsSuffixPrefix) {
    auto store = DemoStore();
    TrEnEngine e(store);
    EXPECT_TRUE(e.LookupTrEntry("kitap", 0));
    EXPECT_TRUE(e.LookupTrEntry(" kit#ap ", 1));  // trimmed, "#" removed
    EXPECT_FALSE(e.LookupTrEntry("!!!!", 0));      // the header is never a word
    EXPECT_FALSE(e.LookupTrEntry("du_", 0));
    EXPECT_TRUE(e.LookupTrEntry("du_", 3));  // "Z+du_"
    e.DecodeTrEntry(TrEnEngine::Target::Last);
    EXPECT_EQ(e.LastEntry().key, "Z+du_");
    EXPECT_EQ(e.LastEntry().EK, "..<P..");
    EXPECT_EQ(e.LastEntry().YING, "CG2.AOs");
    // After a failed look-up the decode leaves an empty entry.
    EXPECT_FALSE(e.LookupTrEntry("yok", 0));
    e.DecodeTrEntry(TrEnEngine::Target::Last);
    EXPECT_TRUE(e.LastEntry().key.empty());
}

TEST(TrLookup, RecordWithWrongFieldCountKeepsOnlyItsKey) {
    store::DictionaryStore s;
    s.TrEnKeys = {"!!!!", "bozuk", "kitap"};
    s.TrEnRecords = {"", "..FF..;;broken", "..FF..;;book;;;;;;"};
    TrEnEngine e(s);
    ASSERT_TRUE(e.LookupTrEntry("bozuk", 0));
    e.DecodeTrEntry(TrEnEngine::Target::Last);
    EXPECT_EQ(e.LastEntry().key, "bozuk");
    EXPECT_TRUE(e.LastEntry().EK.empty());
    EXPECT_TRUE(e.LastEntry().ING.empty());
    ASSERT_TRUE(e.LookupTrEntry("kitap", 0));
    e.DecodeTrEntry(TrEnEngine::Target::Slot, 1);
    EXPECT_EQ(e.WordEntry(1).ING, "book");
    e.DecodeTrEntry(TrEnEngine::Target::CurrentWord);
    EXPECT_EQ(e.WordEntry(0).YDEK, "TSRT=2>");
}

TEST(TrLookup, EmptyDictionaryNeverMatches) {
    store::DictionaryStore empty;
    TrEnEngine e(empty);
    EXPECT_FALSE(e.LookupTrEntry("kitap", 0));
    EXPECT_EQ(e.LookupTrUser("günaydın", 0), "***");
    // A text still translates: every word becomes a name.
    EXPECT_EQ(Translate(e, "kitap okudu."), "kitap okudu .");
}

TEST(TrLookup, UserLookupCleansThePhraseAndRetriesLowerCase) {
    auto store = DemoStore({}, {"kitap okudum=I read a book", "evler=houses"});
    TrEnEngine e(store);
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("kitap_okudum"), 0)), "I read a book");
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("*kitap  n9 okudum"), 0)), "I read a book");
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("ev(ler)"), 0)), "***");
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("Günaydın"), 0)), "good morning");
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("Günaydın"), 1)), "***");  // mode 1 does not retry
    EXPECT_EQ(Utf8(e.LookupTrUser(Cp("günaydın"), 1)), "günaydın");
}

TEST(TrLookup, SingleEntryUserDictionaryIsSearched) {
    // The loaded user lists hold no header, so their one entry is a real one.
    store::DictionaryStore store;
    store.TrUserKeys = {Cp("günaydın")};
    store.TrUserRecords = {"good morning"};
    TrEnEngine e(store);
    EXPECT_EQ(e.LookupTrUser(Cp("günaydın"), 0), "good morning");
}

TEST(TrTranslate, DemonstrationSentenceGoesThroughEveryStage) {
    auto store = DemoStore();
    TrEnEngine e(store);
    EXPECT_EQ(Translate(e, "Ali kitabı okudu."), "Ali read the book .");
    EXPECT_EQ(e.SentenceState(), 'W');
    ASSERT_EQ(e.ClauseCount(), 3u);
    EXPECT_EQ(e.ClassPattern(), " FaFEPP");
    EXPECT_EQ(Translate(e, "Ali eve geldi."), "Ali came the house .");
}

TEST(TrTranslate, EmptyInputShowsMessage) {
    auto store = DemoStore();
    RecordingUi ui;
    TrEnEngine e(store, &ui);
    EXPECT_EQ(Translate(e, ""), "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Bir metin yazınız..");
}

TEST(TrTranslate, WholeSentenceEntriesAndUserDictionary) {
    auto store = DemoStore({"Z_merhaba_dünya;..??..;;hello world;;;;;;"}, {"yarın görüşürüz=see you tomorrow"});
    TrEnEngine e(store);
    // The stages do not run, so the letter case of the previous sentence applies.
    EXPECT_EQ(Translate(e, "Merhaba dünya!"), "hello world !");
    EXPECT_EQ(Translate(e, "Yarın görüşürüz."), "see you tomorrow .");
    EXPECT_EQ(Translate(e, "Ali geldi. Nasılsın?"), "Ali came . How are you ?");
}

TEST(TrTranslate, CaseRestorationAndPostProcessing) {
    auto store = DemoStore({"n9;..XX..;;N9;;;;;;"});
    TrEnEngine e(store);
    // All capitals: looked up in lower case, the result in capitals.
    EXPECT_EQ(Translate(e, "ALİ KİTABI OKUDU."), "ALI READ THE BOOK .");
    // A comma inside the sentence comes back as ",".
    EXPECT_EQ(Translate(e, "kitap, ev"), "book , house");
    // A blank line after a sentence: its line break and a paragraph break.
    EXPECT_EQ(Translate(e, "kitap.\r\n\r\nev"), "book .\r\n \r\n\r\n house");
}

TEST(TrTranslate, RecordNumberRequestAppendsTwoBytesPerWord) {
    auto store = DemoStore();
    TrEnEngine e(store);
    std::string r = e.TranslateTrToEn(Cp("kitap ev==")).substr(0);
    std::size_t at = r.find("==");
    ASSERT_NE(at, std::string::npos);
    std::string numbers = r.substr(at + 2);
    // "==" + " " + two bytes for each of the two words.
    ASSERT_EQ(numbers.size(), 5u);
    EXPECT_EQ(numbers[0], ' ');
    auto index = [&](std::string_view key) {
        return static_cast<int>(text::BinarySearch(store.TrEnKeys, Cp(key), 2).index);
    };
    EXPECT_EQ(static_cast<unsigned char>(numbers[2]), index("kitap") % 256);
    EXPECT_EQ(static_cast<unsigned char>(numbers[4]), index("ev") % 256);
    // At position 1 "==" is not a request.
    EXPECT_EQ(Translate(e, "==kitap"), "book");
}

TEST(TrTranslate, TraceModeWritesATraceBlockPerSentence) {
    auto store = DemoStore();
    TrEnEngine e(store);
    e.EngineMode = "Q47";
    std::string out = Translate(e, "Ali kitabı okudu. kitap ev.");
    EXPECT_EQ(e.TraceCounter(), 2);
    std::size_t first = out.find(";Q47;");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(out.find(";Q47;", first + 1), std::string::npos);
    for (const char* mark : {"1-->Ali kitabı okudu", "-----------2-----------", "-----------3-----------",
                             "----------------------", "1DURUM-isim-fiil-ek var ->FF<F---kitab+ı",
                             "1ZAMAN--->du---CG2.AOs", "11=WFaFEPP-->True(hazır modul)", "*Ali read the book",
                             "2-->kitap ev"})
        EXPECT_NE(out.find(mark), std::string::npos) << mark;
    // The missing rule lines collect over all sentences of the call.
    std::size_t second_block = out.find("2-->kitap ev");
    EXPECT_NE(out.find("R1 FaFEPP;..//..;;FaFEPP", second_block), std::string::npos);
    // Translating a traced text again only takes the text before the first block end.
    e.EngineMode = "M47";
    EXPECT_EQ(Translate(e, "kitap;Q47;ev"), "book");
}

TEST(TrTranslate, DeveloperStepMessagesNeedBothSwitches) {
    auto store = DemoStore();
    RecordingUi ui;
    TrEnEngine e(store, &ui);
    e.EditMode = true;
    Translate(e, "Ali kitabı okudu.");
    EXPECT_TRUE(ui.steps.empty());
    e.TraceRequest = true;
    Translate(e, "Ali kitabı okudu.");
    bool durttt = false, zaman = false;
    for (auto& s : ui.steps) {
        durttt |= s == " FaFEPPDURTTT=";  // title, then text
        zaman |= s == "TDX=3 ZAMAN,Katek=CG2.AOs";
    }
    EXPECT_TRUE(durttt);
    EXPECT_TRUE(zaman);
}

TEST(TrTranslate, OverlongSentencesAndWordsStayWithinTheArrays) {
    auto store = DemoStore({"n9;..XX..;;N9;;;;;;"});
    TrEnEngine e(store);
    // 20 words with 19 commas: 39 words in one piece.
    std::string t;
    for (int i = 0; i < 20; ++i) t += "kitap, ";
    std::string out = Translate(e, t);
    std::size_t books = 0;
    for (std::size_t p = out.find("book"); p != std::string::npos; p = out.find("book", p + 1)) ++books;
    EXPECT_EQ(books, 20u);
    std::string longword(300, 'a');
    EXPECT_FALSE(Translate(e, longword + " kitap").empty());
    // Whole-sentence keys of 60 characters or more are not looked up.
    EXPECT_NO_THROW(Translate(e, std::string(70, 'k') + " " + std::string(70, 'z')));
}

TEST(TrTranslate, EnginesAreIndependent) {
    auto store = DemoStore();
    TrEnEngine a(store), b(store);
    a.EngineMode = "Q47";
    Translate(a, "kitap.");
    EXPECT_EQ(a.TraceCounter(), 1);
    EXPECT_EQ(b.TraceCounter(), 0);
    EXPECT_EQ(Translate(b, "kitap."), "book .");
}

// The command line, when it has been built next to the tests.
std::string RunCommand(const std::string& cmd, int* status) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen(cmd.c_str(), "r"), pclose);
    if (!p) return out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p.get())) out.append(buf, n);
    *status = pclose(p.release());
    return out;
}

TEST(TrCommandLine, InvalidUtf8IsAnErrorNamingTheLine) {
    auto cli = zelmor::testing::BinaryDir() / "zelmor-cli";
    if (!std::filesystem::exists(cli)) GTEST_SKIP() << "zelmor-cli not built";
    zelmor::testing::TempDir dir;
    auto input = dir.Write("in.txt", "kitap\nev \xff\xfe oku\n");
    int status = 0;
    std::string out = RunCommand(cli.string() + " translate tr-en --lines --data " + dir.path().string() + " < " +
                              input.string() + " 2>&1",
                          &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(out.find("line 2"), std::string::npos) << out;
}

}  // namespace
}  // namespace zelmor::tr_en::test
