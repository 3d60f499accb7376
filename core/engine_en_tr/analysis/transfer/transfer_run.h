// Working state and steps of one TransferSentence call (internal to the
// transfer). A TransferRun lives for one sentence; everything it keeps
// besides the engine state (pattern strings, clause codes, rule edits) is
// dropped with it.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "core/engine_en_tr/analysis/engine_state.h"
#include "core/engine_en_tr/analysis/transfer/transfer_stages.h"

namespace zelmor::en_tr::transfer {

/// Clause code of one clause: up to three characters, of which the first
/// two take part in the clause-code pattern.
using ClauseCode = FixedText<8>;

/// What a clause-level window led to.
enum class WindowResult { Shrink, Consumed, Restart };

class TransferRun {
public:
    TransferRun(EnTrServices& engine, SentenceStages& stages, TransferFigures& figures);
    void Run();

    // ---- helpers shared by the stages (public for the stage files) ----
    WordRecord& Word(int j);           // WordTable slot 1..kMaxWords
    WordRecord& Clause(int c);         // OrderedTable slot 1..kMaxWords
    int ClauseCount() const;           // clauses up to the first empty code
    std::string CodePattern() const;   // " " + first two characters of each code
    void SetCode(int c, std::string_view two);  // in the codes and all pattern strings
    void RemoveClause(int c);
    void InsertClauseAfter(int c, const WordRecord& rec, std::string_view code);
    void Trace1(std::string line);
    void Trace2(std::string line);
    /// Looks up a rule and decodes it; an edited copy made earlier in this
    /// sentence (a directive that rewrote its field 8) takes the place of
    /// the stored rule.
    bool FindRule(const std::string& key, WordRecord& out);
    void EditRule(const WordRecord& rule) { ruleEdits_[rule.key.str()] = rule; }
    /// The dictionary entry `key` decoded, or false.
    bool FindEntry(std::string_view key, WordRecord& out);

private:
    // Sentence-level steps and clause formation (stage1.cpp).
    bool PatternCheck();
    void SentencePatternRule();
    int RebuildPattern();
    bool WholeSentence(int n);
    void CapitalisedWords(int& n);
    void Stage1(int n);
    int TryStage1Window(int first, int count, bool& skipPairs);
    void WordDirectives(WordRecord rule, int first, int count);
    void ReplaceWord(int j, const WordRecord& entry);
    void SetWordClass(int j, std::string_view two);
    void PlainNounReading(int j);
    bool MakeClause(const WordRecord& rule, int first, int count);
    void Output();

    // Clause-level stages (clause_stages.cpp).
    void ClauseStage(int stage, int maxPasses);
    WindowResult ClauseWindow(int stage, const std::string& window, int count);
    bool Stage2Directives(WordRecord& rule, const std::string& window, bool& inPlace);
    bool Stage3Directives(WordRecord& rule);
    void Stage4Items(const WordRecord& rule);
    int Named(int digit) const;  // clause named by a directive digit, 0 when none
    /// Carries out a group directive; false when its digits name no group.
    bool GroupDirective(WordRecord& rule, std::size_t pos, std::string_view name);
    std::string GroupF(int n, const std::string& english, const std::string& sentenceCodes, bool sentenceOrder);
    std::string GroupP(int n);
    std::string GroupQ(int n);

    EnTrServices& e_;
    EnTrState& s_;
    SentenceStages& stages_;
    TransferFigures& figures_;

    std::string pattern_, window_, result_;
    std::array<ClauseCode, kTableSlots> codes_{};
    int clauseCounter_ = 1;
    int current_ = 1;        // clause (or word) at which the windows start
    int windowCounter_ = 0;
    std::map<std::string, WordRecord> ruleEdits_;
};

}  // namespace zelmor::en_tr::transfer
