// The logic of the two record editors: the English-Turkish editor over
// "pavolkx.txt" (EnTrKeys/EnTrRecords) and the Turkish-English editor over
// "zelmorx.txt" (TrEnKeys/TrEnRecords). The window binds its entry fields to
// `Key` and `Parts`, calls one method per button and mirrors `EditState` to
// the frame's EnRecordEditState / TrRecordEditState. All changes go to the
// store at once; Close() writes the file when the user agrees.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/maintenance/maintenance_ui.h"
#include "core/maintenance/main_dictionary.h"
#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"

namespace zelmor::maintenance {

/// Values of the frame's edit-state switches while a record editor holds
/// changes that are not written to the file; 0 means nothing to save.
inline constexpr int kEnRecordEditState = 22;
inline constexpr int kTrRecordEditState = 33;

/// Class codes the English-Turkish editor's word-class drop-down writes into
/// field 1, by item: "isim[FF]", "isim[F1]", "fiil[PP]", "sıfat[VV]",
/// "isim[F*]", "zarf[U8]", and the empty seventh item.
inline constexpr std::string_view kWordClassCodes[7] = {"..FF..", "..F1..", "..PP..", "..VV..",
                                                        "..F*..", "..U8..", "..<<.."};

/// What Close() did.
struct CloseResult {
    /// The window may close (false only when the listing held edits whose
    /// rebuild was refused: the user can mend them first).
    bool close_window = true;
    /// The frame's EngineMode goes back to "M47".
    bool engine_mode_m47 = true;
    /// The file was written.
    bool saved = false;
};

class RecordEditor {
public:
    RecordEditor(store::DictionaryStore& store, MainDictionary which, MaintenanceUi& ui);

    /// The head-word field (".ADI" / "ADI").
    std::string Key;
    /// The record fields, FieldCount() of them, in record order.
    std::vector<std::string> Parts;
    /// Store index of the record shown ("K.No" / "KayıtNo").
    long RecordIndex = 0;
    /// Key count minus 1.
    long RecordLastIndex = -1;
    /// 0, or kEnRecordEditState / kTrRecordEditState while unsaved changes exist.
    int EditState = 0;
    /// The window sets this when the user types in the listing; the editor
    /// clears it whenever it replaces the listing.
    bool ListingEdited = false;

    MainDictionary which() const { return which_; }
    std::size_t FieldCount() const { return Parts.size(); }
    /// Longest value each entry field keeps: the key, then field 1 onwards.
    std::size_t KeyWidth() const;
    std::size_t PartWidth(std::size_t part) const;
    /// The edit-state value this editor sets on a change (22 or 33).
    int ChangedState() const;

    /// Window activation: EditState 0, RecordLastIndex refreshed, key trimmed.
    void Activate();
    /// "O.K": look the head word up and show its record.
    void Ok();
    /// "GİRİŞ": insert the fields as a new entry at its sorted position.
    /// `listing` is the text area's content, rebuilt first when the user
    /// edited it and agrees. True when an entry was inserted.
    bool Insert(std::string_view listing);
    /// "DÜZELTME": replace the record of the head word by the fields.
    /// Like Insert, pending listing edits are rebuilt first when the user
    /// agrees (the listing is refreshed afterwards, which would drop them).
    bool Correct(std::string_view listing = {});
    /// "SİLME": delete the head word's entry (listing as for Correct).
    bool Delete(std::string_view listing = {});
    /// ">>" and "<<".
    void Next();
    void Previous();
    /// Rebuild of the store from the listing; refused (store unchanged) with
    /// a message naming the line when the listing is not sound.
    bool Rebuild(std::string_view listing);
    /// Listing button: the text area shows the store.
    void RefreshListing();
    /// Closing the window: rebuild pending listing edits, ask, put the header
    /// record at index 0, write the file crash-safely. `date` goes into the
    /// header; `fault` is a test hook for the write.
    CloseResult Close(std::string_view listing, std::string_view date = store::ShortDate(),
                      const store::WriteFaultHook& fault = nullptr);

    /// Fills Key (when `with_key`) and Parts from entry `index`; parts stay
    /// empty when the record has another field count.
    void ShowRecord(std::size_t index, bool with_key);

private:
    store::StringList& keys() { return Keys(store_, which_); }
    store::StringList& records() { return Records(store_, which_); }
    bool en() const { return which_ == MainDictionary::EnTr; }
    void ClearParts();
    /// Asks whether to rebuild pending listing edits; false when the user
    /// agreed and the rebuild was refused.
    bool RebuildPendingListing(std::string_view listing);
    void UpdateLastIndex();
    std::string JoinParts(bool trim) const;
    /// The first problem of the key or a part that would corrupt the file.
    std::string CheckFields(std::string_view head) const;

    store::DictionaryStore& store_;
    MainDictionary which_;
    MaintenanceUi& ui_;
};

}  // namespace zelmor::maintenance
