// EnTrEngine: the English-to-Turkish translation engine.
//
// TranslateEnToTr cuts a text into sentence segments, translates each with
// TranslateSentence and joins the results. One engine translates one text at
// a time (its state is engine-wide and not re-entrant); several engines may
// exist side by side. The dictionary store is only read.
//
// All texts are code page 1254. Positions handed in and out of ScanToken
// count from 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/engine_en_tr/analysis/engine_state.h"
#include "core/store/dictionary_store.h"

namespace zelmor::en_tr {

/// Result of one ScanToken call.
struct TokenScan {
    bool found = false;
    std::string token;
    std::string separator;
    bool sentenceEnd = false;
    bool paragraphEnd = false;
};

class EnTrEngine final : public EnTrServices {
public:
    explicit EnTrEngine(const store::DictionaryStore& store, EngineMessages* messages = nullptr,
                        SentenceStages* stages = nullptr);

    /// "M47" normal, "Q47" trace (each sentence is preceded by its trace).
    std::string EngineMode = "M47";
    void SetMessages(EngineMessages* messages) { messages_ = messages; }
    /// nullptr restores DefaultStages.
    void SetStages(SentenceStages* stages) { stages_ = stages ? stages : &default_stages_; }

    // ---- Entry, segmentation and output assembly ----
    std::string TranslateEnToTr(std::string_view text);
    std::string TranslateSentence(std::string_view segment);
    /// Cuts `text` into segments (sentences, separators, "e-o-p", the
    /// long-sentence message) as TranslateEnToTr does.
    std::vector<std::string> Segment(std::string_view text);
    /// Scans the token at 1-based `pos` and advances `pos` past it and its
    /// separator.
    TokenScan ScanToken(std::string_view text, std::size_t& pos) const;
    bool RejoinAbbreviation(std::string_view text, std::size_t& pos, TokenScan& scan) const;
    /// Index of word + "." in the abbreviation file, 0 when absent.
    long FindAbbreviation(std::string_view word) const;
    bool AllCapitalsSentence(std::string_view segment);
    /// Fills AbbreviationSet (done by TranslateEnToTr; public for tests).
    void FillAbbreviationSet();

    // ---- Dictionary look-up and decoding ----
    long LookUpEnglish(std::string_view key) override;
    long LookUpEnglishExact(std::string_view key) const override;
    void DecodeCurrent(long index) override;
    void DecodeLast() override;
    void DecodeIntoSlot(int slot, long index);
    void DecodeRuleRecord(long index) override;
    std::string LookUpUserSentence(std::string_view text, int mode) override;

    // ---- Word analysis ----
    std::string SplitWords(std::string_view text, char mode);
    std::string WordPass(std::string_view text, char pass);
    bool IsKnownWord(std::string_view word);
    void ResetSentenceTables();
    void FillWordTable();
    bool AnalyseWord(int slot);

    // ---- Idioms, phrases, Turkish rewrites ----
    std::string LookUpIdiom();
    std::string RewritePhrases(std::string_view text);
    std::string RewriteTurkish(std::string_view turkish);

    // ---- Noun endings and templates ----
    std::string NounEnding(std::string_view letter, std::string_view word) override;
    void PluraliseNoun(int slot);
    void SplitClauseWords(std::string_view text, char mode) override;
    std::string ApplyTemplate() override;
    std::string ApplyOrderedTemplate() override;

    // ---- EnTrServices ----
    EnTrState& State() override { return state_; }
    const EnTrState& State() const { return state_; }
    bool TraceMode() const override { return EngineMode == "Q47"; }
    void ShowMessage(std::string_view cp1254) override;

    /// Two-letter case pattern of a word: first letter "A" when it starts with
    /// an upper-case letter or "*", second letter "Z" / "z" after its last
    /// character.
    static std::string CasePattern(std::string_view word);

private:
    bool DecodeInto(WordRecord& rec, long index, bool check_fields);
    void ScanSeparator(std::string_view text, std::size_t& p, TokenScan& scan, bool mark_line_breaks) const;
    std::string RunTemplate(bool turkish_order);
    WordRecord* TemplateWordRecord(bool turkish_order, int digit);
    void ApplyTemplateEnding(bool turkish_order, char letter, std::string& out);
    void TraceLine(std::vector<std::string>& log, std::string line);

    const store::DictionaryStore& store_;
    EngineMessages* messages_;
    DefaultStages default_stages_;
    SentenceStages* stages_;
    EnTrState state_;
};

}  // namespace zelmor::en_tr
