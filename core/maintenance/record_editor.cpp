#include "core/maintenance/record_editor.h"

#include <algorithm>
#include <system_error>

#include "core/maintenance/key_order.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::maintenance {

using namespace zelmor::text::literals;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kEnWidths[] = {54, 7, 2, 54, 24, 24, 8, 10, 54};
constexpr std::size_t kTrWidths[] = {50, 7, 2, 50, 25, 25, 25, 9, 9, 50};

std::string Cut(std::string_view s, std::size_t width) {
    return std::string(s.substr(0, std::min(width, s.size())));
}

// The two editors' texts, kept as they were written for each window.
struct Texts {
    std::string_view enter_word_ok;       // written into the key field
    std::string_view enter_word_insert;   // written into the key field
    std::string_view enter_word_correct;  // message
    std::string_view enter_word_delete;   // message
    std::string_view not_found_ok;
    std::string_view not_found_correct;
    std::string_view not_found_delete;
    std::string_view temporary_saved;
    std::string_view correct_caption;
    std::string_view delete_text;
    std::string_view save_prompt;
    std::string_view save_filter;
    std::string_view overwrite;
    std::string_view saved_prefix;
};

const Texts& TextsFor(MainDictionary which) {
    static const Texts en{"KELiME GiRiNiZ!"_cp,
                          "KELiME GiRiNiZ!"_cp,
                          "KELiME GiRiNiZ!"_cp,
                          "KELİME GİRİNİZ!"_cp,
                          "KELİME KAYDI YOK!.."_cp,
                          "KELiME KAYDI YOK!.."_cp,
                          "KELİME KAYDI YOK!.."_cp,
                          "GEÇİCİ KAYIT YAPILDI !..:dFSize="_cp,
                          "OK Dügmesine basin"_cp,
                          "Kayit silinecek"_cp,
                          "PavOlkX.txt düzenlenecek"_cp,
                          "text files [*.txt]|in*.txt"_cp,
                          "PavOlkX Üzerine yazilacak, O.K  %s"_cp,
                          "dPavOlk="_cp};
    static const Texts tr{"KELİME GİRİNİZ!"_cp,
                          "KELİME GİRİNİZ!"_cp,
                          "KELİME GİRİNİZ!"_cp,
                          "KELiME GiRiNiZ!"_cp,
                          "KELiME KAYDI YOK!.."_cp,
                          "KELİME KAYDI YOK!.."_cp,
                          "KELİME KAYDI YOK!.."_cp,
                          "GEÇiCi KAYIT YAPILDI !..:dFSize="_cp,
                          "Tamam Dügmesine basin"_cp,
                          "Kayit Silinecek !"_cp,
                          "ZelMorX.txt düzenlenecek"_cp,
                          "text files [*.txt]|tu*.txt"_cp,
                          "ZelMorX Üzerine yazilacak, O.K  %s"_cp,
                          "dZelMor="_cp};
    return which == MainDictionary::EnTr ? en : tr;
}

constexpr std::string_view kOkCaption = "OK Dügmesine basin"_cp;
constexpr std::string_view kListingEditedText = "Memo1 Kayit için O.K ?  "_cp;
constexpr std::string_view kListingEditedCaption = "Memo1 de değişiklik var "_cp;
constexpr std::string_view kLoadFile = "Bir dosya yükleyiniz"_cp;

}  // namespace

RecordEditor::RecordEditor(store::DictionaryStore& store, MainDictionary which, MaintenanceUi& ui)
    : Parts(maintenance::FieldCount(which)), store_(store), which_(which), ui_(ui) {
    UpdateLastIndex();
}

std::size_t RecordEditor::KeyWidth() const { return en() ? kEnWidths[0] : kTrWidths[0]; }

std::size_t RecordEditor::PartWidth(std::size_t part) const {
    return en() ? kEnWidths[part + 1] : kTrWidths[part + 1];
}

int RecordEditor::ChangedState() const { return en() ? kEnRecordEditState : kTrRecordEditState; }

void RecordEditor::UpdateLastIndex() {
    RecordLastIndex = static_cast<long>(Keys(store_, which_).size()) - 1;
}

void RecordEditor::ClearParts() {
    for (std::string& p : Parts) p.clear();
}

std::string RecordEditor::CheckFields(std::string_view head) const {
    std::string problem = CheckFieldText(head);
    for (std::size_t i = 0; i < Parts.size() && problem.empty(); ++i)
        problem = CheckFieldText(Cut(Parts[i], PartWidth(i)));
    return problem;
}

std::string RecordEditor::JoinParts(bool trim) const {
    std::string record;
    for (std::size_t i = 0; i < Parts.size(); ++i) {
        if (i) record += ';';
        std::string part = Cut(Parts[i], PartWidth(i));
        record += trim ? std::string(text::Trim(part)) : part;
    }
    return record;
}

void RecordEditor::ShowRecord(std::size_t index, bool with_key) {
    RecordIndex = static_cast<long>(index);
    if (with_key) Key = std::string(keys()[index]);
    std::vector<std::string_view> fields = text::SplitViews(records()[index], ';');
    if (fields.size() != Parts.size()) {
        ClearParts();
        return;
    }
    for (std::size_t i = 0; i < Parts.size(); ++i) Parts[i] = Cut(fields[i], PartWidth(i));
}

void RecordEditor::Activate() {
    EditState = 0;
    UpdateLastIndex();
    Key = std::string(text::Trim(Key));
}

void RecordEditor::Ok() {
    const Texts& t = TextsFor(which_);
    ClearParts();
    std::string_view head = text::Trim(Key);
    if (head.empty()) {
        Key = std::string(t.enter_word_ok);
        return;
    }
    KeySearch s = FindRecordKey(keys(), head);
    if (s.found) {
        ShowRecord(static_cast<std::size_t>(s.index), /*with_key=*/false);
        return;
    }
    if (en()) RecordIndex = static_cast<long>(s.index);
    ui_.Message(t.not_found_ok);
}

bool RecordEditor::Insert(std::string_view listing) {
    const Texts& t = TextsFor(which_);
    if (!RebuildPendingListing(listing)) return false;
    std::string head = Cut(text::Trim(Key), KeyWidth());
    head = std::string(text::Trim(head));
    if (head.empty()) {
        Key = std::string(t.enter_word_insert);
        return false;
    }
    store::StringList& k = keys();
    if (k.empty()) {
        // Without a header at index 0 the new entry would become the header
        // and be overwritten on save.
        ui_.Warning(kLoadFile, "  ");
        return false;
    }
    KeySearch s = FindRecordKey(k, head);
    if (s.found) {
        ui_.Message("KELİME KAYDI VAR!.."_cp);
        return false;
    }
    if (text::OrdinalCompare(head, k[0]) < 0) {
        // Index 0 is the header: a key placed before it would be treated as
        // "not found" by the engine and lose its record on save.
        ui_.Message(std::string("KELİME başlık kaydından önce geliyor, kayıt yapılmadı: "_cp) + head);
        return false;
    }
    if (std::string problem = CheckFields(head); !problem.empty()) {
        ui_.Message(problem);
        return false;
    }
    std::string record = JoinParts(/*trim=*/true);
    std::size_t at = InsertionIndex(k, head, s.index);
    k.insert(at, head);
    records().insert(at, record);
    RecordIndex = static_cast<long>(at);
    UpdateLastIndex();
    EditState = ChangedState();
    if (!en() && (Parts[6].size() < 3 || Parts[6][2] != 'N')) ui_.Message("YING[3]=N girisi varmi?");
    ui_.Message(std::string(t.temporary_saved) + std::to_string(RecordLastIndex));
    RefreshListing();
    return true;
}

bool RecordEditor::RebuildPendingListing(std::string_view listing) {
    if (!ListingEdited || !ui_.Confirm(kListingEditedText, kListingEditedCaption)) return true;
    return Rebuild(listing);
}

bool RecordEditor::Correct(std::string_view listing) {
    const Texts& t = TextsFor(which_);
    if (!RebuildPendingListing(listing)) return false;
    bool changed = false;
    std::string_view head = text::Trim(Key);
    if (head.empty()) {
        ui_.Message(t.enter_word_correct);
    } else if (KeySearch s = FindRecordKey(keys(), head); !s.found) {
        ui_.Message(t.not_found_correct);
    } else if (ui_.Confirm("Kayit düzeltilecek"_cp, t.correct_caption)) {
        std::string record = JoinParts(/*trim=*/false);
        if (std::string problem = CheckFields(head); !problem.empty()) {
            ui_.Message(problem);
        } else {
            records().set(static_cast<std::size_t>(s.index), record);
            RecordIndex = static_cast<long>(s.index);
            // A correction is an unsaved change like an insert: the frame
            // must warn before it is lost.
            EditState = ChangedState();
            changed = true;
            ui_.Warning("", "KAYIT düzeltildi"_cp);
        }
    }
    RefreshListing();
    return changed;
}

bool RecordEditor::Delete(std::string_view listing) {
    const Texts& t = TextsFor(which_);
    if (!RebuildPendingListing(listing)) return false;
    bool changed = false;
    std::string_view head = text::Trim(Key);
    if (head.empty()) {
        ui_.Message(t.enter_word_delete);
    } else if (KeySearch s = FindRecordKey(keys(), head); !s.found) {
        ui_.Message(t.not_found_delete);
    } else if (s.index == 0) {
        // The header must stay at index 0.
        ui_.Message("Başlık kaydı silinemez!"_cp);
    } else if (ui_.Confirm(t.delete_text, kOkCaption)) {
        keys().erase(static_cast<std::size_t>(s.index));
        records().erase(static_cast<std::size_t>(s.index));
        UpdateLastIndex();
        RecordIndex = std::min<long>(static_cast<long>(s.index), RecordLastIndex);
        EditState = ChangedState();
        changed = true;
        ui_.Message(std::string("KAYIT  SİLİNDİ !..dFSize="_cp) + std::to_string(RecordLastIndex));
    }
    RefreshListing();
    return changed;
}

void RecordEditor::Next() {
    RecordIndex = std::max(RecordIndex + 1, 1L);
    if (RecordIndex >= RecordLastIndex) {
        ui_.Message("DOSYA SONU");
        RecordIndex = RecordLastIndex;
        return;
    }
    ShowRecord(static_cast<std::size_t>(RecordIndex), /*with_key=*/true);
}

void RecordEditor::Previous() {
    RecordIndex -= 1;
    if (RecordIndex > RecordLastIndex) {
        RecordIndex = RecordLastIndex;
        return;
    }
    if (RecordIndex < 0) {
        RecordIndex = 1;
        return;
    }
    ShowRecord(static_cast<std::size_t>(RecordIndex), /*with_key=*/true);
}

bool RecordEditor::Rebuild(std::string_view listing) {
    ListingRebuild r = RebuildFromListing(listing, FieldCount());
    if (!r.ok) {
        if (r.line == 0)
            ui_.Warning(kLoadFile, "  ");  // nothing in the listing
        else
            ui_.Error(r.message);
        return false;
    }
    keys() = std::move(r.keys);
    records() = std::move(r.records);
    UpdateLastIndex();
    EditState = ChangedState();
    ui_.Message(std::string(TextsFor(which_).temporary_saved) + std::to_string(RecordLastIndex));
    RefreshListing();
    if (!en() && Parts[0].size() > 3 && Parts[0][0] == '*') ui_.Warning("!", "EK e göre Kayıt düzenleme"_cp);
    return true;
}

void RecordEditor::RefreshListing() {
    ui_.SetListing(ListingText(keys(), records()));
    ListingEdited = false;
}

CloseResult RecordEditor::Close(std::string_view listing, std::string_view date,
                                const store::WriteFaultHook& fault) {
    const Texts& t = TextsFor(which_);
    CloseResult result;
    if (!RebuildPendingListing(listing)) {
        // Closing now would throw the user's listing edits away.
        result.close_window = false;
        result.engine_mode_m47 = false;
        return result;
    }
    if (!ui_.Confirm(t.save_prompt, kOkCaption)) return result;

    store::StringList& k = keys();
    store::StringList& r = records();
    if (!k.empty()) r.set(0, store::StoreHeaderRecord(date));
    const long last = static_cast<long>(k.size()) - 1;
    if (en()) {
        for (std::size_t i = 0; i < k.size(); ++i) {
            if (text::CountFields(r[i], ';') == store::kEnTrFieldCount) continue;
            std::string line = std::string(k[i]) + ";" + std::string(r[i]);
            ui_.Message(std::string("Kayıt Hatası var="_cp) +
                        std::to_string(std::count(line.begin(), line.end(), ';')) + "-->" + line);
        }
    }
    std::string bytes = EncodeMainDictionaryFile(k, r);

    std::optional<fs::path> path = ui_.ChooseSaveFile(t.save_filter);
    if (!path) return result;
    std::error_code ec;
    if (fs::exists(*path, ec)) {
        std::string question(t.overwrite);
        std::size_t at = question.find("%s");
        question.replace(at, 2, text::Utf8ToCp1254Lossy(path->string()));
        if (ui_.AskYesNoCancel(question) != Answer::Yes) {
            result.engine_mode_m47 = false;
            return result;
        }
    }
    std::string error;
    if (!store::WriteFileAtomically(*path, bytes, &error, /*keep_backup=*/true, fault)) {
        ui_.Error(text::Utf8ToCp1254Lossy(path->filename().string()) +
                  std::string(" yazılamadı: "_cp) + text::Utf8ToCp1254Lossy(error) +
                  std::string(". Önceki dosya değişmedi, değişiklikler bellekte duruyor."_cp));
        return result;
    }
    EditState = 0;
    result.saved = true;
    long loaded = en() ? store_.LastLoadedIndex : store_.TrEnLastIndex;
    ui_.Message(std::string(t.saved_prefix) + std::to_string(loaded) + " dSX=" + std::to_string(last));
    return result;
}

}  // namespace zelmor::maintenance
