#include <gtest/gtest.h>

#include <filesystem>

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
namespace fs = std::filesystem;

const std::string kHeader = "!!!!;..XX..;;sayılar;01.01.2026;VERSION;V9.03;;";

std::vector<std::string> Utf8Lines(const StringList& keys, const StringList& records) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < keys.size(); ++i) out.push_back(Utf8(keys[i]) + ";" + Utf8(records[i]));
    return out;
}

TEST(RebuildFromListing, SortsKeepsHeaderFirstAndAddsTheClosingLine) {
    ListingRebuild r = RebuildFromListing(
        Cp(kHeader + "\r\nzebra;..FF..;;zebra;;;;;\r\n\r\nşeker;..FF..;;sugar;;;;;\r\nApple;..F*..;;Apple;;;;;\napple;..FF..;;elma;;;;;"),
        8);
    ASSERT_TRUE(r.ok) << Utf8(r.message);
    EXPECT_EQ(Utf8Lines(r.keys, r.records),
              (std::vector<std::string>{kHeader, "Apple;..F*..;;Apple;;;;;", "apple;..FF..;;elma;;;;;",
                                        "zebra;..FF..;;zebra;;;;;", "şeker;..FF..;;sugar;;;;;",
                                        "şşşş;???;;;;;;;"}));
    EXPECT_TRUE(IsStrictlyAscending(r.keys));
}

TEST(RebuildFromListing, RefusesUnsoundListingsNamingTheLine) {
    const std::string ok1 = "apple;..FF..;;elma;;;;;";
    const std::string ok2 = "book;..FF..;;kitap;;;;;";
    struct Case {
        std::vector<std::string> lines;
        std::size_t field_count;
        std::size_t line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {{kHeader, ok1, ok2, "apple;..VV..;;elmalı;;;;;"}, 8, 4, "anahtar satır 2 ile aynı"},
        {{kHeader, ok2, ok1, "", "book;x;;;;;;;"}, 8, 5, "anahtar satır 2 ile aynı"},
        {{kHeader, ok1, "car;..FF..;;araba;;;;"}, 8, 3, "alan sayısı 7, 8 olmalı"},
        {{kHeader, ok1, "car;..FF..;;araba;;;;;;"}, 8, 3, "alan sayısı 9, 8 olmalı"},
        {{kHeader, "car"}, 8, 2, "alan sayısı 0, 8 olmalı"},
        {{kHeader, ok1}, 9, 2, "alan sayısı 8, 9 olmalı"},
        {{kHeader, ok1, "car;..FF..;;ara±ba;;;;;"}, 8, 3, "\"±\" karakteri sözlük dosyasında saklanamaz"},
        {{kHeader, ";..FF..;;x;;;;;"}, 8, 2, "anahtar boş"},
        {{kHeader, "car ;..FF..;;x;;;;;"}, 8, 2, "anahtarın başında veya sonunda boşluk var"},
        {{kHeader, ok1, "!;..FF..;;x;;;;;"}, 8, 3, "anahtar ilk satırdaki başlık kaydından önce geliyor"},
        {{ok1, ok2, "a;..FF..;;x;;;;;"}, 8, 3, "anahtar ilk satırdaki başlık kaydından önce geliyor"},
        {{kHeader, ok1, "şşşş;???;;;;;;;", "ÿ;..FF..;;x;;;;;"}, 8, 4,
         "anahtar kapanış kaydından (şşşş) sonra geliyor"},
    };
    for (const Case& c : cases) {
        std::string listing;
        for (const std::string& l : c.lines) listing += Cp(l) + "\n";
        ListingRebuild r = RebuildFromListing(listing, c.field_count);
        EXPECT_FALSE(r.ok) << c.reason;
        EXPECT_EQ(r.line, c.line) << c.reason;
        std::string want = "Liste kaydı yapılmadı! Satır " + std::to_string(c.line) + ": " + c.reason +
                           " --> " + c.lines[c.line - 1];
        EXPECT_EQ(Utf8(r.message), want);
    }
}

store::DictionaryStore Store() {
    return testing::MakeStore({.en_tr = {"apple;..FF..;*;elma;;;;;", "book;..FF..;*;kitap;;;;;"},
                               .tr_en = {"elma;..FF..;NN;apple;;;;;;"}});
}

TEST(RecordEditor, RefusedRebuildLeavesTheStoreAsItWas) {
    store::DictionaryStore s = Store();
    const store::DictionaryStore before = Store();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::EnTr, ui);
    std::string listing = ListingText(s.EnTrKeys, s.EnTrRecords) + "apple;..VV..;;x;;;;;\n";
    EXPECT_FALSE(ed.Rebuild(listing));
    EXPECT_EQ(s.EnTrKeys, before.EnTrKeys);
    EXPECT_EQ(s.EnTrRecords, before.EnTrRecords);
    EXPECT_EQ(ed.EditState, 0);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("Satır 5: anahtar satır 2 ile aynı"), std::string::npos);
    EXPECT_EQ(ui.listing_sets, 0);

    EXPECT_FALSE(ed.Rebuild(" \n\n"));
    EXPECT_EQ(ui.warnings, std::vector<std::string>{"Bir dosya yükleyiniz|  "});
}

TEST(RecordEditor, RebuildReplacesTheStoreAndMarksIt) {
    store::DictionaryStore s = Store();
    FakeUi ui;
    RecordEditor ed(s, MainDictionary::TrEn, ui);
    ed.Parts[0] = "*ABC";
    std::string listing = Cp(kHeader + "\nsu;..FF..;NN;water;;;;;;\nelma;..FF..;NN;apple;;;;;;\n");
    ASSERT_TRUE(ed.Rebuild(listing));
    EXPECT_EQ(Utf8Lines(s.TrEnKeys, s.TrEnRecords),
              (std::vector<std::string>{kHeader, "elma;..FF..;NN;apple;;;;;;", "su;..FF..;NN;water;;;;;;",
                                        "şşşş;???;;;;;;;;"}));
    EXPECT_EQ(ed.EditState, kTrRecordEditState);
    EXPECT_EQ(ed.RecordLastIndex, 3);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"GEÇiCi KAYIT YAPILDI !..:dFSize=3"});
    EXPECT_EQ(ui.warnings, std::vector<std::string>{"!|EK e göre Kayıt düzenleme"});
    EXPECT_EQ(ui.listing, Utf8(ListingText(s.TrEnKeys, s.TrEnRecords)));
}

// Reads a written main dictionary back as the loader does.
std::vector<std::string> LoadBack(const fs::path& path) {
    StringList keys, records;
    std::string error;
    EXPECT_GE(store::LoadMainDictionaryFile(path, keys, records, &error), 0) << error;
    return Utf8Lines(keys, records);
}

struct SaveFixture : ::testing::Test {
    store::DictionaryStore s = Store();
    FakeUi ui;
    TempDir dir;
    fs::path path = dir.path() / "pavolkx.txt";
    RecordEditor ed{s, MainDictionary::EnTr, ui};
    void SetUp() override {
        s.LastLoadedIndex = 3;
        ui.save_path = path;
        ed.Key = "cat";
        ed.Parts[0] = "..FF..";
        ed.Parts[2] = "kedi";
        ASSERT_TRUE(ed.Insert(""));
        ui.messages.clear();
    }
};

TEST_F(SaveFixture, CloseWritesHeaderAndShiftedLinesThatLoadBack) {
    CloseResult r = ed.Close("", "11.12.2026");
    EXPECT_TRUE(r.saved);
    EXPECT_TRUE(r.engine_mode_m47);
    EXPECT_TRUE(r.close_window);
    EXPECT_EQ(ed.EditState, 0);
    EXPECT_EQ(Utf8(s.EnTrRecords[0]), "..XX..;;sayılar;11.12.2026;VERSION;V9.03;;");
    EXPECT_EQ(LoadBack(path), (std::vector<std::string>{"!!!!;..XX..;;sayılar;11.12.2026;VERSION;V9.03;;",
                                                        "apple;..FF..;*;elma;;;;;", "book;..FF..;*;kitap;;;;;",
                                                        "cat;..FF..;;kedi;;;;;", "şşşş;???;;;;;;;"}));
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(path, bytes, nullptr));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("apple"), std::string::npos);  // stored shifted
    EXPECT_EQ(ui.filters, std::vector<std::string>{"text files [*.txt]|in*.txt"});
    EXPECT_EQ(ui.messages, std::vector<std::string>{"dPavOlk=3 dSX=4"});
    EXPECT_TRUE(ui.questions.empty());  // new file: no overwrite question
}

TEST_F(SaveFixture, OverwriteKeepsABackupAndNoKeepsEverything) {
    dir.Write("pavolkx.txt", "old");
    ui.yes_no_cancel = Answer::No;
    CloseResult r = ed.Close("", "11.12.2026");
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(r.engine_mode_m47);  // answered No: EngineMode untouched
    EXPECT_EQ(ui.questions, std::vector<std::string>{"PavOlkX Üzerine yazilacak, O.K  " + path.string()});
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(path, bytes, nullptr));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(ed.EditState, kEnRecordEditState);

    ui.yes_no_cancel = Answer::Yes;
    r = ed.Close("", "11.12.2026");
    EXPECT_TRUE(r.saved);
    ASSERT_TRUE(store::ReadWholeFile(fs::path(path.string() + ".bak"), bytes, nullptr));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(LoadBack(path).size(), 5u);
}

TEST_F(SaveFixture, WriteFailingHalfWayLeavesThePreviousFile) {
    dir.Write("pavolkx.txt", "previous version");
    std::size_t calls = 0;
    store::WriteFaultHook fault = [&](std::size_t written) { return ++calls < 2 && written < 40; };
    CloseResult r = ed.Close("", "11.12.2026", fault);
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(r.close_window);
    std::string bytes;
    ASSERT_TRUE(store::ReadWholeFile(path, bytes, nullptr));
    EXPECT_EQ(bytes, "previous version");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("pavolkx.txt yazılamadı"), std::string::npos);
    EXPECT_NE(ui.errors[0].find("Önceki dosya değişmedi"), std::string::npos);
    EXPECT_EQ(ed.EditState, kEnRecordEditState);  // still unsaved
    // No stray temporary file is left beside it.
    std::size_t files = 0;
    for (auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1u);
}

TEST_F(SaveFixture, CancelledPromptsDoNotWrite) {
    ui.confirm_answers = {false};
    CloseResult r = ed.Close("", "11.12.2026");
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(r.engine_mode_m47);
    EXPECT_EQ(ui.confirms, std::vector<std::string>{"PavOlkX.txt düzenlenecek|OK Dügmesine basin"});
    ui.save_path.reset();
    r = ed.Close("", "11.12.2026");
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(r.engine_mode_m47);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SaveFixture, BadRecordsAreReportedButWritten) {
    s.EnTrRecords.set(1, "..FF..;;elma");
    CloseResult r = ed.Close("", "11.12.2026");
    EXPECT_TRUE(r.saved);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "Kayıt Hatası var=3-->apple;..FF..;;elma");
    EXPECT_EQ(LoadBack(path)[1], "apple;..FF..;;elma");
}

TEST_F(SaveFixture, EditedListingThatCannotBeRebuiltKeepsTheWindowOpen) {
    ed.ListingEdited = true;
    std::string listing = ListingText(s.EnTrKeys, s.EnTrRecords) + "broken line\n";
    CloseResult r = ed.Close(listing, "11.12.2026");
    EXPECT_FALSE(r.close_window);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ui.errors.size(), 1u);
}

}  // namespace
}  // namespace zelmor::maintenance
