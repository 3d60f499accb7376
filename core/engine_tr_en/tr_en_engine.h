// The Turkish-to-English engine.
//
// A TrEnEngine translates Turkish text (code page 1254) into English. The
// linguistic rules are entries of the Turkish-English dictionary: suffixes
// ("Z+" keys), constructions ("Z2_", "ZQ_"), clause rules ("R1_", "R2_"),
// verb patterns ("V_") and module templates ("W" keys). The engine builds the
// keys, finds the entries by binary search and interprets the class letters,
// codes and small template scripts held in their fields.
//
// One engine keeps one working state (fixed per-sentence arrays, trace lists,
// the trace counter) and is not re-entrant; several engines may exist side
// by side over the same store, which they only read.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine_tr_en/tr_entry.h"
#include "core/store/dictionary_store.h"

namespace zelmor::tr_en {

/// What the engine asks of its caller: message boxes. All texts are code
/// page 1254.
class TrEnUi {
public:
    virtual ~TrEnUi() = default;
    /// An information box for the user ("Bir metin yazınız..").
    virtual void Message(std::string_view text) = 0;
    /// A developer step message (shown only when EditMode and TraceRequest
    /// are both set); `title` is empty for plain message boxes.
    virtual void StepMessage(std::string_view text, std::string_view title) = 0;
};

/// Capacities of the per-sentence arrays. A sentence is never given more
/// than kMaxWords words: longer pieces are translated in runs of kMaxWords
/// words, and stages that would grow a sentence past the limit leave the
/// extra words out of the sentence and hand them on unchanged.
inline constexpr std::size_t kWordSlots = 25;    // slots 1..24
inline constexpr std::size_t kEntrySlots = 24;   // slots 1..23
inline constexpr std::size_t kCodeSlots = 21;    // slots 1..20
inline constexpr std::size_t kMaxWords = 20;     // words a sentence may hold
inline constexpr std::size_t kSlotMax = 60;      // characters of a word slot
inline constexpr std::size_t kCodeMax = 8;       // characters of a code slot
inline constexpr std::size_t kOutputEntries = 13;
inline constexpr std::size_t kClauseExtras = 15;
inline constexpr std::size_t kOutputMax = 255;

/// One token of the segmentation.
struct TrToken {
    bool found = false;
    std::string token;
    std::string separator;
    bool sentence_end = false;
    bool paragraph_end = false;
    std::size_t start = 0;  // 0-based position of the token in the text
};

/// A word's analysis, for the "analyse tr" view.
struct TrWordAnalysis {
    std::string word, stem, suffix;
    TrEntry entry;
    std::string katek, katek2, katek3;
};

class TrEnEngine {
public:
    explicit TrEnEngine(const store::DictionaryStore& store, TrEnUi* ui = nullptr);

    // Switches set by the caller.
    std::string EngineMode = "M47";  // "Q47": trace mode
    bool EditMode = false;
    bool TraceRequest = false;

    /// The entry of the engine: Turkish text in, English text out.
    std::string TranslateTrToEn(std::string_view text);
    /// One sentence piece (words separated by spaces) -> its English text.
    std::string TranslateTrSentence(std::string_view piece);
    /// The items the text is cut into (sentence pieces, separators, "e-o-p").
    std::vector<std::string> SegmentTrText(std::string_view text);
    /// Analyses one text as a sentence (no generation) and reports each word.
    std::vector<TrWordAnalysis> AnalyseTrText(std::string_view text);

    // Segmentation. Positions are 0-based here.
    TrToken ScanTrToken(std::string_view text, std::size_t& position) const;
    void ExtendTrAbbreviation(std::string_view text, std::size_t& position, TrToken& t) const;

    // Dictionary access.
    bool LookupTrEntry(std::string_view key, int mode);
    enum class Target { Last, Suffix, CurrentWord, Slot };
    void DecodeTrEntry(Target target, std::size_t slot = 0);
    std::string LookupTrUser(std::string_view phrase, int mode);

    // Stages (public so that tests and tools can drive them).
    void ResetTrSentence();
    void CutTrWordSlots(int variant = 0);
    void LookupTrWords();
    void JoinTrExpressions();
    void AnalyseTrWords();
    void AnalyseTrWord(std::size_t i);
    void AnalyseTrSuffixes();
    void TransferTrClauses();
    void GenerateTrEnglish();
    std::string PostEditTrEnglish(std::string_view text);
    std::string RunTrVerbTemplate(std::string_view key, std::size_t clause_start);
    std::string RunTrModuleTemplate(const TrEntry& module, std::size_t first_clause);
    std::string RunTrNounTemplate(std::size_t first_clause, std::size_t last_clause);
    void RemoveTrWord(std::size_t i);
    bool SplitTrSuffixWord(std::string_view text, std::size_t slot, int mode);

    // Read access to the state, for tests and tools.
    std::size_t WordCount() const { return TrWordCount; }
    const std::string& WordSlot(std::size_t i) const { return TrWordSlots.at(i); }
    const std::string& StemSlot(std::size_t i) const { return TrStemSlots.at(i); }
    const std::string& SuffixSlot(std::size_t i) const { return TrSuffixSlots.at(i); }
    const TrEntry& WordEntry(std::size_t i) const { return TrWordEntries.at(i); }
    const std::string& KatekSlot(std::size_t i) const { return Katek.at(i); }
    const std::string& CasePattern() const { return TrCasePattern; }
    const std::string& ClassPattern() const { return TrClassPattern; }
    char SentenceState() const { return TrSentenceState; }
    long TraceCounter() const { return TrTraceCounter; }
    std::size_t ClauseCount() const { return TrClauseCount; }
    const TrEntry& Clause(std::size_t c) const { return TrClauseTable.at(c); }
    const std::string& ClauseCode(std::size_t c) const { return TrClauseCodes.at(c); }
    const TrEntry& LastEntry() const { return TrLastEntry; }
    bool FoundFlag() const { return TrFoundFlag; }
    long FoundIndex() const { return TrFoundIndex; }
    const std::string& RecordNumbers() const { return TrRecordNumbers; }

private:
    friend struct TrEngineAccess;
    bool Stepping() const { return EditMode && TraceRequest; }
    bool Tracing() const { return EngineMode == "Q47"; }
    void Step(std::string_view text, std::string_view title = {});
    std::string Counter() const { return std::to_string(TrTraceCounter); }
    void AddTraceSorted(std::vector<std::string>& section, std::string line);

    // Bounds-checked slot access: a bad index throws std::out_of_range,
    // which ends the sentence with its failure text.
    std::string& W(std::size_t i) { return TrWordSlots.at(i); }
    std::string& S(std::size_t i) { return TrStemSlots.at(i); }
    std::string& X(std::size_t i) { return TrSuffixSlots.at(i); }
    TrEntry& E(std::size_t i) { return TrWordEntries.at(i); }
    std::string& K1(std::size_t i) { return Katek.at(i); }
    std::string& K2(std::size_t i) { return Katek2.at(i); }
    std::string& K3(std::size_t i) { return Katek3.at(i); }
    bool HasEntrySlot(std::size_t i) const { return i >= 1 && i < kEntrySlots; }

    // Segmentation helpers.
    std::string ScanSeparator(std::string_view text, std::size_t& position, bool& sentence_end,
                              bool& paragraph_end, bool markers) const;
    std::string PostProcess(std::string text, bool record_numbers) const;
    std::string TranslateOnePiece(std::string_view piece);
    bool WholeSentenceLookup(std::string& result);
    void CollectRecordNumbers();
    void ReCutKeepingCase(int variant);
    std::string CaseLetters(std::string_view word) const;

    // Morphology helpers.
    bool StemSearch(std::size_t i, std::size_t start_length, bool from_plus);
    void ProperNameEntry(TrEntry& e, std::string_view key, std::string_view ing);
    void AnalyseTrTense(std::size_t i);
    void AnalyseTrCase(std::size_t i);
    void ChooseTrPreposition(std::size_t i);
    void ThreeWordConstructions();
    void TwoWordConstructions();

    // Transfer helpers.
    std::string Pattern2(std::size_t i) const;
    void ApplyRuleScript(const TrEntry& rule, std::size_t first_word, std::string& pattern);
    void CloseClause(std::size_t first, std::size_t last, const TrEntry& verb, std::string_view key,
                     std::string& pattern);
    void NominalPredicates(std::string& pattern);

    // Generation helpers.
    std::string RunTrVerbTemplate(const TrEntry& verb, std::size_t first, std::size_t last);
    void RemoveClause(std::size_t c);
    std::string ModuleText(std::size_t first, std::size_t last, const TrEntry* module);
    std::string BeForm(std::size_t c, char tense, bool with_c0) const;
    std::string VerbPhrase(std::size_t c);
    std::string HaveForm(std::size_t c, bool question_column);
    std::string QuestionDo(std::size_t c) const;
    std::string ClauseText(std::size_t c) const;
    std::string& ClauseCodeRef(std::size_t c) { return Katek.at(c); }
    std::string Comparison(std::size_t first, std::size_t second) const;

    const store::DictionaryStore& store_;
    TrEnUi* ui_;

    // Per-call lists.
    std::vector<std::string> TrAbbreviationSet;
    std::vector<std::string> TrSentenceWords;
    std::vector<std::size_t> TrReorderList;
    std::vector<std::string> TrTraceHeader, TrTraceAnalysis, TrTraceTransfer, TrTraceGeneration,
        TrTraceText;

    // Engine-wide state, cleared per sentence.
    std::string TrSentenceText;
    std::string TrSourceText;
    std::size_t TrWordCount = 0;
    std::size_t TrCurrentWord = 0;
    std::array<std::string, kWordSlots> TrWordSlots, TrStemSlots, TrSuffixSlots;
    std::array<std::string, kWordSlots> TrCaseSlots;       // two case letters per word
    std::array<std::string, kWordSlots> TrAnalysedSuffix;  // suffix before it is used up
    std::array<std::string, kCodeSlots> Katek, Katek2, Katek3, Katek4, Katek5;
    std::array<TrEntry, kEntrySlots> TrWordEntries;
    std::array<TrEntry, kOutputEntries> TrOutputEntries;
    std::array<std::string, kCodeSlots> TrClauseSuffix;
    TrEntry TrLastEntry, TrSuffixEntry, TrSpareEntry, TrSpareEntry2;
    bool TrFoundFlag = false;
    long TrFoundIndex = -1;
    bool TrDecodeAllowed = false;
    char TrSentenceState = '0';
    std::string TrCasePattern;
    std::string TrClassPattern, TrCasePattern2;
    std::string TrOutputHead, TrOutputBody, TrOutputTail;
    std::string TrSentenceResult;
    std::string TrRecordNumbers;
    std::string TrPrepositionText;
    std::string TrOverflow;  // words that did not fit into the sentence
    long TrTraceCounter = 0;
    int TrExpressionCounter = 0, TrModuleCounter = 0;

    // Clauses.
    std::size_t TrClauseCount = 0;
    std::array<TrEntry, kCodeSlots> TrClauseTable;
    std::array<std::string, kCodeSlots> TrClauseCodes;
    std::array<std::string, kClauseExtras + 1> TrClauseExtras;
    std::string TrClauseBoundaries;
};

}  // namespace zelmor::tr_en
