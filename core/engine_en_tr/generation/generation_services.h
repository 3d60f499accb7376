// What Turkish generation needs from the rest of the English-to-Turkish
// engine: dictionary look-ups, the noun-ending rules, the ordered words of
// the sentence and the trace. The engine implements GenerationServices;
// StoreGenerationServices is a stand-alone implementation over a
// DictionaryStore for tools and tests.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/dictionary_store.h"

namespace zelmor::en_tr {

/// A decoded English-to-Turkish dictionary entry: the key and eight fields
/// (code, field 2, meaning, fields 4-8), each cut to its capacity.
struct GenerationRecord {
    std::string Key;
    std::string Code;
    std::string Field2;
    std::string Meaning;
    std::string Field4;
    std::string Field5;
    std::string Field6;
    std::string Field7;
    std::string Field8;

    /// Field by the dictionary's numbering: 0 key, 1 code, 2, 3 meaning, 4-8.
    const std::string& FieldByNumber(int n) const;
    std::string& FieldByNumber(int n);
    bool Empty() const { return Key.empty() && Code.empty() && Meaning.empty(); }
};

/// Capacities of the nine fields, by number.
inline constexpr std::array<std::size_t, 9> kRecordFieldCapacity = {75, 8, 2, 75, 25, 25, 10, 10, 55};

/// Splits a stored record ("code;f2;meaning;f4;f5;f6;f7;f8") into `out`.
/// Returns false (leaving the fields empty) unless it has exactly eight
/// fields.
bool DecodeGenerationRecord(std::string_view key, std::string_view record, GenerationRecord& out);

/// Trace sections of one sentence.
enum class TraceSection { Log1 = 1, Log2 = 2, Log3 = 3, Log4 = 4 };

class GenerationServices {
public:
    virtual ~GenerationServices() = default;

    /// Main-dictionary look-up with the engine's rules (probe cut to 48
    /// characters, trailing blanks dropped, "(s)", "(ed)", "(d)", "(ing)"
    /// removed, "I" as "i"). Returns the decoded entry, or nullptr when the
    /// key is absent, its code empty or its record malformed. The pointer
    /// stays valid until the next look-up.
    virtual const GenerationRecord* LookUpEnglish(std::string_view key) = 0;

    /// Whole-sentence translation from the user dictionary, or "***".
    virtual std::string LookUpUserSentence(std::string_view text) = 0;

    /// Noun ending of `text` for case letter `letter`: the case letter
    /// actually used followed by the ending (empty when none applies).
    virtual std::string NounEnding(char letter, std::string_view text) = 0;

    /// Key (the English word as written) of ordered-table slot `slot`, or
    /// empty.
    virtual std::string OrderedSlotKey(int slot) = 0;

    /// Sets the morphology mark of the current word.
    virtual void SetWordMark(char mark) = 0;

    /// True in trace mode ("Q47").
    virtual bool Tracing() const = 0;
    /// The engine's trace counter, written at the start of trace lines.
    virtual long TraceCounter() const = 0;
    virtual void Trace(TraceSection section, std::string line) = 0;
    /// Sorts the lines of a trace section without regard to letter case.
    virtual void SortTrace(TraceSection section) = 0;
};

/// GenerationServices over a loaded store. The noun-ending rules belong to
/// the analysis side; this implementation takes them as a function (none:
/// every noun ending is empty). Trace lines are collected in `Logs`.
class StoreGenerationServices : public GenerationServices {
public:
    explicit StoreGenerationServices(const store::DictionaryStore& store) : store_(store) {}

    const GenerationRecord* LookUpEnglish(std::string_view key) override;
    std::string LookUpUserSentence(std::string_view text) override;
    std::string NounEnding(char letter, std::string_view text) override;
    std::string OrderedSlotKey(int slot) override;
    void SetWordMark(char mark) override { LastWordMark = mark; }
    bool Tracing() const override { return TraceOn; }
    long TraceCounter() const override { return Counter; }
    void Trace(TraceSection section, std::string line) override;
    void SortTrace(TraceSection section) override;

    bool TraceOn = false;
    long Counter = 1;
    std::array<std::vector<std::string>, 4> Logs;
    std::vector<std::string> OrderedKeys;  // index = slot number
    char LastWordMark = '\0';
    std::function<std::string(char, std::string_view)> NounEndingRule;

private:
    const store::DictionaryStore& store_;
    GenerationRecord lookup_record_;
};

}  // namespace zelmor::en_tr
