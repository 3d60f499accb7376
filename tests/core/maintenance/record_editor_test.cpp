#include <gtest/gtest.h>

#include <algorithm>

#include "core/maintenance/key_order.h"
#include "core/maintenance/main_dictionary.h"
#include "core/maintenance/record_editor.h"
#include "core/store/file_io.h"
#include "tests/core/maintenance/fake_ui.h"

namespace zelmor::maintenance {
namespace {

using store::StringList;
using testing::Cp;
using testing::TempDir;
using testing::Utf8;

store::DictionaryStore EnStore() {
    return testing::MakeStore({.en_tr = {"apple;..FF..;*;elma;;;;;", "book;..FF..;*;kitap;;;;;",
                                         "go;..PP..;;gitmek;;;0;;", "zebra;..FF..;;zebra;;;;;"},
                               .tr_en = {"elma;..FF..;NN;apple;;;;;;", "kitap;..FF..;NN;book;;;;;;"}});
}

std::vector<std::string> Utf8Keys(const StringList& l) {
    std::vector<std::string> out;
    for (auto k : l) out.push_back(Utf8(k));
    return out;
}

void ExpectSortedParallel(const store::DictionaryStore& s) {
    EXPECT_TRUE(IsStrictlyAscending(s.EnTrKeys));
    EXPECT_EQ(s.EnTrKeys.size(), s.EnTrRecords.size());
}

void Fill(RecordEditor& ed, std::string key, std::vector<std::string> parts) {
    ed.Key = Cp(key);
    for (std::size_t i = 0; i < ed.Parts.size(); ++i) ed.Parts[i] = i < parts.size() ? Cp(parts[i]) : "";
}

TEST(InsertionIndex, LandsAtTheSortedPlaceFromEveryStartingProbe) {
    const StringList keys{"!!!!", "b", "d", "f", "\xFE\xFE\xFE\xFE"};
    const std::vector<std::string> as_vector = keys.ToVector();
    for (std::string key : {"a", "c", "e", "g", " ", "\xFF"}) {
        std::size_t want = 0;
        while (want < keys.size() && text::OrdinalCompare(keys[want], key) < 0) ++want;
        for (std::ptrdiff_t start = -1; start <= 5; ++start)
            EXPECT_EQ(InsertionIndex(as_vector, key, start), want) << key << " from " << start;
        for (std::ptrdiff_t start = -1; start <= 5; ++start)
            EXPECT_EQ(InsertionIndex(keys, key, start), want) << key << " from " << start;
    }
}

TEST(RecordEditor, InsertPlacesNewKeysInOrderAndKeepsListsParallel) {
    // (key, index it must land at) in a store "!!!!", apple, book, go, zebra, şşşş.
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"bank", 2}, {"Zoo", 1}, {"car", 3}, {"zz", 5}, {"ÿ", 6}, {"ab", 1}};
    for (const auto& [key, at] : cases) {
        store::DictionaryStore s = EnStore();
        FakeUi ui;
        RecordEditor ed(s, MainDictionary::EnTr, ui);
        ed.Activate();
        Fill(ed, "  " + key + " ", {"..FF..X", "*", " banka ", "", "", "", "", ""});
        ASSERT_TRUE(ed.Insert("")) << key;
        ExpectSortedParallel(s);
        ASSERT_EQ(Utf8(s.EnTrKeys[at]), key);
        // Parts are cut to their widths (".EK" keeps 7 characters) and trimmed.
        EXPECT_EQ(Utf8(s.EnTrRecords[at]), "..FF..X;*;banka;;;;;") << key;
        EXPECT_EQ(ed.EditState, kEnRecordEditState);
        EXPECT_EQ(ed.RecordLastIndex, 6);
        EXPECT_EQ(ui.messages.back(), "GEÇİCİ KAYIT YAPILDI !..:dFSize=6");
        EXPECT_NE(ui.listing.find(key + ";..FF..X;*;banka;;;;;\n"), std::string::npos);
    }
}

TEST(RecordEditor, EighthCharacterOfClassCodeIsDropped) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    Fill(ed, "cat", {"..FF..XY", "", "kedi"});
    ASSERT_TRUE(ed.Insert(""));
    EXPECT_EQ(Utf8(s.EnTrRecords[3]), "..FF..X;;kedi;;;;;");
}

TEST(RecordEditor, RefusedInsertsChangeNothing) {
    struct Case {
        std::string key, part3, message, key_field_after;
    };
    const std::vector<Case> cases = {
        {"book", "x", "KELİME KAYDI VAR!..", "book"},
        {"   ", "x", "", "KELiME GiRiNiZ!"},
        {"!", "x", "KELİME başlık kaydından önce geliyor, kayıt yapılmadı: !", "!"},
        {"cat", "ke;di", "\";\" işareti kullanılamaz: ke;di", "cat"},
        {"cat", "ke°di", "\"°\" karakteri sözlük dosyasında saklanamaz: ke°di", "cat"},
    };
    for (const Case& c : cases) {
        store::DictionaryStore s = EnStore();
        const store::DictionaryStore before = EnStore();
        FakeUi ui;
        RecordEditor ed(s, MainDictionary::EnTr, ui);
        Fill(ed, c.key, {"..FF..", "", c.part3});
        EXPECT_FALSE(ed.Insert("")) << c.key;
        EXPECT_EQ(s.EnTrKeys, before.EnTrKeys);
        EXPECT_EQ(s.EnTrRecords, before.EnTrRecords);
        EXPECT_EQ(ed.EditState, 0);
        if (!c.message.empty()) {
            ASSERT_EQ(ui.messages.size(), 1u) << c.key;
            EXPECT_EQ(ui.messages[0], c.message);
        }
        EXPECT_EQ(Utf8(ed.Key), c.key_field_after);
    }
}

TEST(RecordEditor, InsertIntoEmptyStoreAsksForAFile) {
    store::DictionaryStore s;
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    Fill(ed, "cat", {"..FF.."});
    EXPECT_FALSE(ed.Insert(""));
    EXPECT_EQ(s.EnTrKeys.size(), 0u);
    EXPECT_EQ(ui.warnings, std::vector<std::string>{"Bir dosya yükleyiniz|  "});
}

TEST(RecordEditor, TurkishInsertAsksAboutYingAndMarksTheStore) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::TrEn, ui);
    Fill(ed, "çay", {"..FF..", "NN", "tea", "", "", "", "AB", "", ""});
    ASSERT_TRUE(ed.Insert(""));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"YING[3]=N girisi varmi?", "GEÇiCi KAYIT YAPILDI !..:dFSize=4"}));
    EXPECT_EQ(ed.EditState, kTrRecordEditState);
    EXPECT_TRUE(IsStrictlyAscending(s.TrEnKeys));
    EXPECT_EQ(Utf8(s.TrEnKeys[3]), "çay");

    FakeUi ui2;
    RecordEditor ed2(s, MainDictionary::TrEn, ui2);
    Fill(ed2, "su", {"..FF..", "NN", "water", "", "", "", "ABN", "", ""});
    ASSERT_TRUE(ed2.Insert(""));
    EXPECT_EQ(ui2.messages, std::vector<std::string>{"GEÇiCi KAYIT YAPILDI !..:dFSize=5"});
}

TEST(RecordEditor, InsertRebuildsAnEditedListingFirst) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    std::string listing = ListingText(s.EnTrKeys, s.EnTrRecords) + Cp("ant;..FF..;;karınca;;;;;\n");
    ed.ListingEdited = true;
    Fill(ed, "cat", {"..FF..", "", "kedi"});
    ASSERT_TRUE(ed.Insert(listing));
    EXPECT_EQ(ui.confirms[0], "Memo1 Kayit için O.K ?  |Memo1 de değişiklik var ");
    EXPECT_EQ(Utf8Keys(s.EnTrKeys),
              (std::vector<std::string>{"!!!!", "ant", "apple", "book", "cat", "go", "zebra", "şşşş"}));
    EXPECT_FALSE(ed.ListingEdited);
}

TEST(RecordEditor, DeleteKeepsPendingListingEditsByRebuildingFirst) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    std::string listing = ListingText(s.EnTrKeys, s.EnTrRecords) + Cp("ant;..FF..;;karınca;;;;;\n");
    ed.ListingEdited = true;
    ed.Key = "go";
    ASSERT_TRUE(ed.Delete(listing));
    EXPECT_EQ(Utf8Keys(s.EnTrKeys), (std::vector<std::string>{"!!!!", "ant", "apple", "book", "zebra", "şşşş"}));
    EXPECT_NE(ui.listing.find("ant;..FF..;;karınca;;;;;\n"), std::string::npos);

    // A listing that cannot be rebuilt stops the correction: nothing is lost.
    ed.ListingEdited = true;
    ed.Key = "book";
    EXPECT_FALSE(ed.Correct(ListingText(s.EnTrKeys, s.EnTrRecords) + "bad line\n"));
    EXPECT_TRUE(ed.ListingEdited);
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST(RecordEditor, CorrectReplacesTheRecordUntrimmedAndReadsBack) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::TrEn, ui);
    Fill(ed, "kitap", {"..FF..", "NN", " book ", "a", "b", "c", "d", "e", "f"});
    ASSERT_TRUE(ed.Correct());
    EXPECT_EQ(Utf8(s.TrEnRecords[2]), "..FF..;NN; book ;a;b;c;d;e;f");
    EXPECT_EQ(ui.confirms, std::vector<std::string>{"Kayit düzeltilecek|Tamam Dügmesine basin"});
    EXPECT_EQ(ui.warnings, std::vector<std::string>{"|KAYIT düzeltildi"});
    EXPECT_EQ(ed.EditState, kTrRecordEditState);
    // The decode shows all nine parts again.
    for (auto& p : ed.Parts) p.clear();
    ed.ShowRecord(2, true);
    EXPECT_EQ(Utf8(ed.Parts[2]), " book ");
    EXPECT_EQ(Utf8(ed.Parts[8]), "f");
    EXPECT_TRUE(IsStrictlyAscending(s.TrEnKeys));
}

TEST(RecordEditor, CorrectAndDeleteRefusalsLeaveTheStore) {
    store::DictionaryStore s = EnStore();
    const store::DictionaryStore before = EnStore();
    FakeUi ui;
    ui.confirm_answers = {false, false};
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    Fill(ed, "book", {"..VV..", "", "defter"});
    EXPECT_FALSE(ed.Correct());  // cancelled
    EXPECT_FALSE(ed.Delete());   // cancelled
    Fill(ed, "nothing", {});
    EXPECT_FALSE(ed.Correct());
    EXPECT_FALSE(ed.Delete());
    Fill(ed, "", {});
    EXPECT_FALSE(ed.Correct());
    EXPECT_FALSE(ed.Delete());
    Fill(ed, "!!!!", {});
    EXPECT_FALSE(ed.Delete());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"KELiME KAYDI YOK!..", "KELİME KAYDI YOK!..",
                                                     "KELiME GiRiNiZ!", "KELİME GİRİNİZ!",
                                                     "Başlık kaydı silinemez!"}));
    EXPECT_EQ(s.EnTrKeys, before.EnTrKeys);
    EXPECT_EQ(s.EnTrRecords, before.EnTrRecords);
    EXPECT_EQ(ed.EditState, 0);
    EXPECT_EQ(ui.listing_sets, 7);  // the listing is refreshed in every case
}

TEST(RecordEditor, DeleteRemovesKeyAndRecordTogether) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    ed.Key = "go";
    ASSERT_TRUE(ed.Delete());
    EXPECT_EQ(Utf8Keys(s.EnTrKeys), (std::vector<std::string>{"!!!!", "apple", "book", "zebra", "şşşş"}));
    EXPECT_EQ(Utf8(s.EnTrRecords[3]), "..FF..;;zebra;;;;;");
    EXPECT_EQ(ui.confirms, std::vector<std::string>{"Kayit silinecek|OK Dügmesine basin"});
    EXPECT_EQ(ui.messages, std::vector<std::string>{"KAYIT  SİLİNDİ !..dFSize=4"});
    EXPECT_EQ(ed.EditState, kEnRecordEditState);
    ExpectSortedParallel(s);
}

TEST(RecordEditor, OkShowsTheRecordOrTheLastProbe) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    ed.Key = " go ";
    ed.Ok();
    EXPECT_EQ(ed.RecordIndex, 3);
    EXPECT_EQ(Utf8(ed.Parts[2]), "gitmek");
    EXPECT_EQ(ed.Parts[5], "0");
    EXPECT_EQ(ed.Key, " go ");  // left as typed
    ed.Key = "car";
    ed.Ok();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"KELİME KAYDI YOK!.."});
    EXPECT_TRUE(ed.Parts[2].empty());
    EXPECT_EQ(ed.RecordIndex, 3);  // last probe: "go"
    ed.Key = "";
    ed.Ok();
    EXPECT_EQ(ed.Key, "KELiME GiRiNiZ!");
}

TEST(RecordEditor, SteppingStopsBeforeTheClosingLine) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    ed.Activate();
    ed.RecordIndex = 3;
    ed.Next();
    EXPECT_EQ(ed.Key, "zebra");
    EXPECT_EQ(ed.RecordIndex, 4);
    ed.Next();  // from the second-to-last entry
    EXPECT_EQ(ui.messages, std::vector<std::string>{"DOSYA SONU"});
    EXPECT_EQ(ed.RecordIndex, 5);
    EXPECT_EQ(ed.Key, "zebra");
    ed.Previous();
    EXPECT_EQ(ed.Key, "zebra");
    ed.RecordIndex = 1;
    ed.Previous();  // the header can be shown
    EXPECT_EQ(ed.Key, "!!!!");
    ed.Previous();
    EXPECT_EQ(ed.RecordIndex, 1);
    EXPECT_EQ(ed.Key, "!!!!");
}

TEST(RecordEditor, ActivationClearsTheEditState) {
    store::DictionaryStore s = EnStore();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    Fill(ed, "cat", {"..FF.."});
    ASSERT_TRUE(ed.Insert(""));
    ASSERT_EQ(ed.EditState, 22);
    ed.Activate();
    EXPECT_EQ(ed.EditState, 0);
}

}  // namespace
}  // namespace zelmor::maintenance
