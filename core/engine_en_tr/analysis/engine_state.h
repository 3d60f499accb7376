// The English-Turkish engine's shared state and the seams between its stages.
//
// One EnTrEngine owns one EnTrState. Analysis (segmentation, look-up, word
// analysis, phrases), transfer and Turkish generation all read and write this
// state while one sentence is translated. Everything here is plain data with
// fixed capacities: the tables have a fixed number of slots and every text
// field cuts what does not fit, so no stage can write past an end.
//
// Stages that live in other libraries (transfer, generation) reach the
// engine's operations through the abstract EnTrServices interface and are
// plugged in through SentenceStages, so they need no link-time dependency on
// the analysis library.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine_en_tr/analysis/word_record.h"

namespace zelmor::en_tr {

/// Slots 0..30 of the per-sentence word tables; slot 0 never holds a word.
inline constexpr int kTableSlots = 31;
/// Highest word number a sentence can have in WordTable. Words after the
/// 30th are not analysed (see FillWordTable).
inline constexpr int kMaxWords = 30;
/// More words than this without a separator start a new segment.
inline constexpr int kMaxSegmentWords = 25;

using WordTableArray = std::array<WordRecord, kTableSlots>;

struct EnTrState {
    // ---- Working lists of one TranslateEnToTr call (cleared on entry/exit) ----
    /// Built-in abbreviations plus lines 2-33 of the abbreviation file, sorted
    /// case-insensitively.
    std::vector<std::string> AbbreviationSet;
    /// Tokens of the sentence: [0] is always " ", words are [1..n].
    std::vector<std::string> SentenceWords{" "};
    /// The four sections of a sentence's trace (trace mode "Q47" only):
    /// 1 analysis and clause records, 2 transfer windows, 3 sentence
    /// assembly, 4 clause generation.
    std::vector<std::string> TraceLog1, TraceLog2, TraceLog3, TraceLog4;
    std::vector<std::string> TraceText;
    /// Clause word list: [0] " ", then the words (SplitClauseWords).
    std::vector<std::string> ClauseWords{" "};
    /// Sorted scratch list for the transfer and sentence assembly.
    std::vector<std::string> ScratchList;

    // ---- Look-up state (overwritten by every look-up) ----
    bool FoundFlag = false;
    /// Line index of the last successful LookUpEnglish, 0 when none.
    long LastIndex = 0;
    WordRecord LookupRecord;   // decoded by every successful LookUpEnglish
    WordRecord CurrentRecord;  // DecodeCurrent / DecodeLast
    WordRecord RuleRecord;     // DecodeRuleRecord (transfer)

    // ---- Per-sentence word analysis (reset by ResetSentenceTables) ----
    /// Slot j holds word j (1..WordCount); slot 0 is unused.
    WordTableArray WordTable;
    /// One character a slot: "." nothing, "F" plural noun, "P" verb + s,
    /// "5" verb + ed, "4" verb + d, "I" verb + ing. Mark 15 is reset to '\0'.
    std::string InflectionMarks = std::string(kTableSlots, '.');
    /// Per-word flag bytes (field 6 of the clause rule, copied by ApplyTemplate).
    std::array<FixedText<10>, kTableSlots> WordFlags;
    /// Two-letter case pattern of every word ("Az", "AZ", "az", "aZ", "*z").
    std::array<FixedText<2>, kTableSlots> WordCase;
    /// " " + the two class letters of words 1..n ("**" for a short code).
    FixedText<100> ClassPattern;
    /// Number of words in WordTable (n).
    int WordCount = 0;
    /// One character carried between the stages: "0" neutral, "Y" the sentence
    /// failed, "$" / "*" / "W" a Turkish sentence was made, and during
    /// templates and generation the pending case-ending letter.
    char SentenceState = '\0';
    /// Number written at the start of trace lines; 1 in trace mode.
    int TraceCounter = 0;
    /// Set when the last sentence produced Turkish output ("$", "*", "W").
    bool TurkishOutput = false;

    // ---- Transfer (clause formation and clause-level rules) ----
    WordTableArray OrderedTable;  // one record a clause, slot c = clause c
    WordTableArray ClauseTable;   // the clause rule of clause c
    WordTableArray TransferTableA, TransferTableB;  // further per-word tables
    std::array<WordRecord, 11> TransferSmallTable;
    /// Save copy of OrderedTable used by clause-group directives (slot 0 is a
    /// copy of CurrentRecord).
    WordTableArray SavedClauseTable;
    /// "W" + the clause codes; handed to sentence assembly.
    FixedText<100> TransferCode;
    /// Clause texts joined with "," (fallback output) / assembled sentence.
    FixedText<255> TurkishBufferA, TurkishBufferB;
    bool TransferDone = false;
    /// Word offset of the clause being built (English-order templates).
    int ClauseBase = 0;

    // ---- Templates and Turkish generation ----
    FixedText<255> ClauseText;     // output of a template / clause generation
    FixedText<100> ClauseTemplate; // template being interpreted
    FixedText<100> SuffixText;     // ending or suffix text
    FixedText<100> ParticipleText, ParticipleCaseText;
    FixedText<30> InflectionCode;  // person, kind, class, polarity, mood ...
    FixedText<30> ComplementCode;
    std::array<FixedText<16>, kTableSlots> WordCodes, QuestionCodes, VerbCodeSlots;
    FixedText<255> ResultPrefix, ResultSuffix;  // put around the sentence
    FixedText<255> QuestionWordText;
    FixedText<100> ModuleKinds;
    WordTableArray ModuleRecords;
    std::array<WordRecord, 16> SavedOrderedTable;
    FixedText<10> PredicateField;
    /// Current word number of the template interpreter.
    int TemplateWord = 0;
    /// Field 6 of the clause rule last run by ApplyTemplate (the clause's
    /// flag bytes; the transfer stores them per clause, "1C" when empty).
    FixedText<10> ClauseFlags;

    // ---- Turkish rewrite pass ----
    /// Words of the Turkish sentence, [0] unused, then up to 30 words, then ">>".
    std::vector<std::string> TurkishWords;
};

/// Receives the engine's messages (code page 1254), e.g. "Bir metin
/// yazınız.." or "kayıt hatası var=...". The GUI shows a message box, the
/// command line prints to stderr, tests collect them.
class EngineMessages {
public:
    virtual ~EngineMessages() = default;
    virtual void Show(std::string_view cp1254) = 0;
};

/// The engine's operations that later stages call back into.
class EnTrServices {
public:
    virtual ~EnTrServices() = default;
    virtual EnTrState& State() = 0;
    /// True in trace mode ("Q47").
    virtual bool TraceMode() const = 0;
    virtual void ShowMessage(std::string_view cp1254) = 0;

    virtual long LookUpEnglish(std::string_view key) = 0;
    virtual long LookUpEnglishExact(std::string_view key) const = 0;
    virtual void DecodeCurrent(long index) = 0;
    virtual void DecodeLast() = 0;
    virtual void DecodeRuleRecord(long index) = 0;
    virtual std::string LookUpUserSentence(std::string_view text, int mode) = 0;
    virtual std::string NounEnding(std::string_view letter, std::string_view word) = 0;
    virtual void SplitClauseWords(std::string_view text, char mode) = 0;
    virtual std::string ApplyTemplate() = 0;
    virtual std::string ApplyOrderedTemplate() = 0;
};

/// The stages of a sentence after word analysis. Transfer and generation
/// plug in here; until they do, DefaultStages lists the analysed words.
class SentenceStages {
public:
    virtual ~SentenceStages() = default;
    /// Clause formation and clause-level rules: fills OrderedTable,
    /// TransferCode and TurkishBufferA. May throw; the failure is caught for
    /// the sentence ("W1 karışık cümle  !..").
    virtual void TransferSentence(EnTrServices& engine) = 0;
    /// Sentence assembly: fills TurkishBufferB, ResultPrefix/ResultSuffix and
    /// sets SentenceState. May throw ("W2 karışık cümle  !..").
    virtual void AssembleSentence(EnTrServices& engine, std::string_view text, int mode) = 0;
    /// Makes the verb form of the template item "P2" for `slot` from
    /// InflectionCode into SuffixText. The default leaves SuffixText empty.
    virtual void InflectVerb(EnTrServices& engine, int slot) {
        (void)slot;
        engine.State().SuffixText.clear();
    }
};

/// Stages used while no transfer is plugged in: the analysed words are
/// handed out in English order, their meanings joined by blanks (unknown
/// words come back as names, "*" + word).
class DefaultStages : public SentenceStages {
public:
    void TransferSentence(EnTrServices& engine) override {
        EnTrState& s = engine.State();
        std::string text;
        for (int j = 1; j <= s.WordCount; ++j) {
            const WordRecord& w = s.WordTable[static_cast<std::size_t>(j)];
            // The comma token "n9" comes back as a comma after its word.
            if (w.key == "*n9" || w.key == "n9") {
                text += ',';
                continue;
            }
            if (!text.empty()) text += ' ';
            text += w.meaning.view();
        }
        s.TurkishBufferA = text;
        s.TransferDone = true;
    }
    void AssembleSentence(EnTrServices&, std::string_view, int) override {}
};

}  // namespace zelmor::en_tr
