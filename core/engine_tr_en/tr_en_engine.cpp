// Entry of the Turkish-to-English engine: segmentation of the text into
// sentence pieces, the per-sentence driver, dictionary access, assembly of
// the English text and the trace mode.
#include "core/engine_tr_en/tr_en_engine.h"

#include <algorithm>
#include <exception>

#include "core/engine_tr_en/tr_tables.h"
#include "core/text/search.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::tr_en {

using text::ReplaceAll;
using text::Trim;

void TrEntry::Fit() {
    auto fit = [](std::string& s, std::size_t n) {
        if (s.size() > n) s.resize(n);
    };
    fit(key, kKeyMax);
    fit(EK, kEkMax);
    fit(KOD, kKodMax);
    fit(ING, kIngMax);
    fit(YAD, kYadMax);
    fit(YED, kYedMax);
    fit(DING, kDingMax);
    fit(YING, kYingMax);
    fit(YYING, kYyingMax);
    fit(YDEK, kYdekMax);
}

std::string TrEntry::Joined() const {
    return key + ";" + EK + ";" + KOD + ";" + ING + ";" + YAD + ";" + YED + ";" + DING + ";" + YING +
           ";" + YYING + ";" + YDEK;
}

namespace {

bool IsWordChar(char c) { return kTrWordChars.find(c) != std::string_view::npos; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
    std::string la = text::AsciiLowerCase(a), lb = text::AsciiLowerCase(b);
    if (la != lb) return la < lb;
    return a < b;  // entries equal but for case keep a fixed, ordinal order
}

}  // namespace

TrEnEngine::TrEnEngine(const store::DictionaryStore& store, TrEnUi* ui) : store_(store), ui_(ui) {
    TrAbbreviationSet.assign(kTrAbbreviations.begin(), kTrAbbreviations.end());
    std::stable_sort(TrAbbreviationSet.begin(), TrAbbreviationSet.end(), CaseInsensitiveLess);
}

void TrEnEngine::Step(std::string_view text, std::string_view title) {
    if (Stepping() && ui_) ui_->StepMessage(text, title);
}

// ---------------------------------------------------------------------------
// Segmentation

std::string TrEnEngine::ScanSeparator(std::string_view text, std::size_t& pos, bool& sentence_end,
                                      bool& paragraph_end, bool markers) const {
    std::string sep;
    while (pos < text.size() && !IsWordChar(text[pos])) {
        char c = text[pos];
        if (kSentenceEndChars.find(c) != std::string_view::npos) sentence_end = true;
        if (sentence_end && text.substr(pos, 4) == "\r\n\r\n") paragraph_end = true;
        if (c != '\r' && c != '\n') sep += c;
        if (markers && kSentenceEndChars.find(c) != std::string_view::npos && pos + 1 < text.size() &&
            (text[pos + 1] == '\r' || text[pos + 1] == '\n'))
            sep += "e-o-s";
        ++pos;
    }
    return sep;
}

TrToken TrEnEngine::ScanTrToken(std::string_view text, std::size_t& pos) const {
    TrToken t;
    while (pos < text.size() && !IsWordChar(text[pos])) ++pos;
    if (pos >= text.size()) return t;
    t.found = true;
    t.start = pos;
    std::size_t end = pos;
    auto run = [&]() {
        while (end < text.size() && IsWordChar(text[end])) ++end;
    };
    run();
    // A suffix after a proper name stays in the token: Ahmet'in.
    if (end + 1 < text.size() && text[end] == '\'' && IsWordChar(text[end + 1])) {
        ++end;
        run();
    }
    // Numbers such as 3.5, 1,5, 12/05, 10:30 (once per token).
    if (end + 1 < text.size() && end > pos && Contains(",./:", std::string(1, text[end])) &&
        IsDigit(text[end - 1]) && IsDigit(text[end + 1])) {
        ++end;
        run();
    }
    std::string_view tok = text.substr(pos, end - pos);
    std::size_t lead = 0;
    while (lead < tok.size() && kLeadingNumberChars.find(tok[lead]) != std::string_view::npos) ++lead;
    if (lead > 0 && lead < tok.size()) {
        end = pos + lead;  // 12abc: "12" now, "abc" next
        tok = text.substr(pos, lead);
        t.token = std::string(tok);
        pos = end;
        return t;  // the rest of the word follows directly: no separator
    }
    t.token = std::string(tok);
    pos = end;
    t.separator = ScanSeparator(text, pos, t.sentence_end, t.paragraph_end, true);
    return t;
}

void TrEnEngine::ExtendTrAbbreviation(std::string_view text, std::size_t& pos, TrToken& t) const {
    std::string_view sep = Trim(t.separator);
    if (sep.empty() || sep[0] != '.') return;
    const auto& set = TrAbbreviationSet;
    std::string lower_token = text::AsciiLowerCase(t.token);
    for (const auto& a : set)
        if (text::AsciiLowerCase(a) == lower_token) return;  // "Feb": an entry as it stands
    auto it = std::lower_bound(set.begin(), set.end(), t.token, CaseInsensitiveLess);
    if (t.token.empty()) return;
    char first = text::AsciiLowerChar(t.token[0]);
    for (; it != set.end(); ++it) {
        if (it->empty() || text::AsciiLowerChar((*it)[0]) != first) break;
        if (t.start + it->size() > text.size()) continue;
        if (text.substr(t.start, it->size()) == *it) {
            t.sentence_end = t.paragraph_end;
            t.token = *it;
            pos = t.start + it->size();
            bool se = false, pe = false;
            t.separator = ScanSeparator(text, pos, se, pe, false);
            return;
        }
    }
}

std::vector<std::string> TrEnEngine::SegmentTrText(std::string_view text) {
    std::vector<std::string> chunks;
    std::size_t pos = 0, count = 0;
    std::string piece, last_separator, full_piece;
    for (;;) {
        TrToken t = ScanTrToken(text, pos);
        if (!t.found) {
            if (!piece.empty() && piece != " ") chunks.push_back(piece);
            break;
        }
        if (!t.separator.empty()) last_separator = t.separator;
        if (t.sentence_end && !Trim(t.separator).empty() && Trim(t.separator)[0] == '.') {
            ExtendTrAbbreviation(text, pos, t);
            last_separator = t.separator;
        }
        std::string token = t.token + " ";
        for (std::size_t k = t.start + t.token.size() + 1; k < text.size() && text[k] == ' '; ++k) token += ' ';
        std::size_t bracket = token.find('(', 1);
        if (bracket != std::string::npos) token.insert(bracket, " ");
        ++count;
        if (count == kMaxWords) full_piece = piece + token;
        if (count > kMaxWords) {
            chunks.push_back(full_piece);
            piece = token;
            count = 1;  // the new piece already holds this word
        } else {
            piece += token;
        }
        std::string sep(Trim(t.separator));
        if (sep == ",") {
            piece += "n9 ";
            sep.clear();
        }
        if (!sep.empty()) {
            if (!Trim(piece).empty()) chunks.push_back(piece);
            if (!last_separator.empty()) chunks.push_back(last_separator);
            piece.clear();
            count = 0;
        }
        if (t.paragraph_end) {
            chunks.push_back("e-o-p");
        } else if (t.sentence_end) {
            piece.clear();
        }
    }
    return chunks;
}

// ---------------------------------------------------------------------------
// Dictionary access

bool TrEnEngine::LookupTrEntry(std::string_view key_in, int mode) {
    TrFoundFlag = false;
    TrDecodeAllowed = false;
    std::string key(Trim(key_in));
    key.erase(std::remove(key.begin(), key.end(), '#'), key.end());
    if (mode == 3) key = "Z+" + key;
    if (store_.TrEnKeys.size() < 2) return false;
    auto r = text::BinarySearch(store_.TrEnKeys, key, 2);
    if (r.index <= 0) return false;  // line 0 is the header, never a word
    TrFoundFlag = true;
    TrFoundIndex = static_cast<long>(r.index);
    TrDecodeAllowed = true;
    return true;
}

void TrEnEngine::DecodeTrEntry(Target target, std::size_t slot) {
    TrEntry* e = nullptr;
    switch (target) {
        case Target::Last: e = &TrLastEntry; break;
        case Target::Suffix: e = &TrSuffixEntry; break;
        case Target::CurrentWord: e = &E(TrCurrentWord); break;
        case Target::Slot: e = &E(slot); break;
    }
    e->Clear();
    if (!TrDecodeAllowed || TrFoundIndex < 0 ||
        static_cast<std::size_t>(TrFoundIndex) >= store_.TrEnKeys.size())
        return;
    std::size_t idx = static_cast<std::size_t>(TrFoundIndex);
    e->key = std::string(store_.TrEnKeys[idx]);
    std::string_view record = idx < store_.TrEnRecords.size() ? store_.TrEnRecords[idx] : std::string_view{};
    auto f = text::SplitViews(record, ';');
    if (f.size() == store::kTrEnFieldCount) {
        e->EK = f[0];
        e->KOD = f[1];
        e->ING = f[2];
        e->YAD = f[3];
        e->YED = f[4];
        e->DING = f[5];
        e->YING = f[6];
        e->YYING = f[7];
        e->YDEK = f[8];
    }
    if (target == Target::CurrentWord) e->YDEK += "TSRT=" + std::to_string(idx) + ">";
    e->Fit();
}

std::string TrEnEngine::LookupTrUser(std::string_view phrase, int mode) {
    std::string p = ReplaceAll(phrase, "_", " ");
    p = ReplaceAll(p, "(1)", "");
    p = ReplaceAll(p, "(2)", "");
    p = ReplaceAll(p, "(s)", "s");
    p = ReplaceAll(p, "(es)", "es");
    p = ReplaceAll(p, "(ed)", "ed");
    p = ReplaceAll(p, "**", "");
    p = ReplaceAll(p, "*", "");
    p = ReplaceAll(p, " n9 ", " ");
    p = ReplaceAll(p, " n9", " ");
    p = ReplaceAll(p, " dir#", " ");
    std::string key;
    for (auto w : text::SplitViews(p, ' '))
        if (!w.empty()) key += std::string(w) + " ";
    key = std::string(Trim(key));
    const auto& keys = store_.TrUserKeys;
    auto search = [&](const std::string& k) -> std::string {
        // The user lists hold no header line (the loader leaves it out), so
        // a dictionary of a single entry is searched too.
        auto r = text::BinarySearch(keys, k);
        if (!r.found()) return {};
        TrFoundIndex = static_cast<long>(r.index);
        std::size_t i = static_cast<std::size_t>(r.index);
        if (mode == 1) return std::string(keys[i]);
        return i < store_.TrUserRecords.size() ? std::string(store_.TrUserRecords[i]) : std::string();
    };
    std::string found = search(key);
    if (found.empty() && mode == 0 && !key.empty()) {
        std::string lowered = key;
        lowered[0] = text::AsciiLowerChar(lowered[0]);
        found = search(lowered);
    }
    return found.empty() ? "***" : found;
}

// ---------------------------------------------------------------------------
// The whole text

std::string TrEnEngine::TranslateTrToEn(std::string_view input) {
    TrTraceTransfer.clear();
    std::string text(input);
    if (text.empty()) {
        if (ui_) ui_->Message("Bir metin yazınız.."_cp);
        return {};
    }
    bool record_numbers = false;
    std::size_t eq = text.find("==");
    if (eq != std::string::npos && eq > 0) {
        text.replace(eq, 2, " ");
        record_numbers = true;
    }
    std::size_t trace_end = text.find(";Q47;");
    if (trace_end != std::string::npos) text.resize(trace_end);

    std::vector<std::string> items = SegmentTrText(text);
    std::string joined;
    bool first = true;
    for (const auto& raw : items) {
        std::string item(Trim(raw));
        std::string out;
        if (item.empty()) continue;
        if (kCopyThroughChars.find(item[0]) != std::string_view::npos || item == "e-o-p") {
            out = item;
        } else {
            out = TranslateTrSentence(item);
            if (out.empty()) continue;
        }
        out = std::string(Trim(out));
        if (Contains(TrCasePattern, "AZ")) {
            out = text::AsciiUpperCase(out);
        } else if (TrCasePattern.size() >= 2 && TrCasePattern[0] == 'A' && TrCasePattern[1] == 'z' &&
                   !out.empty()) {
            out[0] = AsciiUpper(out[0]);
        }
        if (!first) joined += " ";
        joined += out;
        first = false;
    }
    return PostProcess(joined, record_numbers);
}

std::string TrEnEngine::PostProcess(std::string t, bool record_numbers) const {
    t = " " + t + " ";
    t = ReplaceAll(t, "**", "*");
    t = ReplaceAll(t, "i#", "İ"_cp);
    for (std::size_t k = 0; k + 1 < t.size(); ++k)
        if (t[k] == '*' && t[k + 1] >= 'a' && t[k + 1] <= 'z') t[k + 1] = AsciiUpper(t[k + 1]);
    t = ReplaceAll(t, "*$", "$");
    t = ReplaceAll(t, "*€"_cp, "€"_cp);
    t = ReplaceAll(t, "e-o-p", "\r\n\r\n");
    t = ReplaceAll(t, "e-o-s", "\r\n");
    t = ReplaceAll(t, "E-O-P", "\r\n\r\n");
    t = ReplaceAll(t, "E-O-S", "\r\n");
    t = ReplaceAll(t, " i ", " I ");
    t = ReplaceAll(t, "*n9", ",");
    t = ReplaceAll(t, "N9", ",");
    t = ReplaceAll(t, "tto", "to");
    t = ReplaceAll(t, "mrs.", "Mrs.");
    t = ReplaceAll(t, "mr.", "Mr.");
    t = ReplaceAll(t, "_", " ");
    t = ReplaceAll(t, "\" Said", "\" said");
    t = ReplaceAll(t, ",,", ",");
    t = ReplaceAll(t, ", ,", ",");
    t = ReplaceAll(t, ",i ", ",I ");
    t = std::string(Trim(t));
    if (record_numbers) t += "==" + TrRecordNumbers;
    if (EngineMode != "Q47") {
        // A name mark next to a blank goes with it, so that marks do not
        // leave double blanks inside the sentence.
        t = ReplaceAll(t, " *", " ");
        t = ReplaceAll(t, "* ", " ");
        std::replace(t.begin(), t.end(), '*', ' ');
    }
    return std::string(Trim(t));
}

// ---------------------------------------------------------------------------
// One sentence

std::string TrEnEngine::TranslateTrSentence(std::string_view piece_in) {
    // A piece longer than the word arrays is translated in runs of kMaxWords
    // words, so that no word is lost and no slot is overrun.
    std::vector<std::string_view> words;
    for (auto w : text::SplitViews(piece_in, ' '))
        if (!w.empty()) words.push_back(w);
    if (words.size() <= kMaxWords) return TranslateOnePiece(piece_in);
    std::string out;
    for (std::size_t k = 0; k < words.size(); k += kMaxWords) {
        std::string run;
        for (std::size_t j = k; j < std::min(words.size(), k + kMaxWords); ++j) run += std::string(words[j]) + " ";
        std::string part = TranslateOnePiece(run);
        if (!part.empty()) out += (out.empty() ? "" : " ") + part;
    }
    return out;
}

std::string TrEnEngine::TranslateOnePiece(std::string_view piece_in) {
    TrOutputHead.clear();
    TrOutputTail.clear();
    TrSentenceResult.clear();
    TrSentenceText.clear();
    TrOverflow.clear();
    std::string piece(piece_in);
    if (Tracing()) {
        ++TrTraceCounter;
        TrTraceHeader.clear();
        TrTraceAnalysis.clear();
        TrTraceGeneration.clear();
        TrTraceText.clear();
        std::string line = Counter() + "-->" + piece;
        TrTraceHeader.push_back(line);
        TrTraceAnalysis.push_back(line);
        TrTraceGeneration.push_back(line);
        TrTraceText.push_back(Counter() + "-TR->" + piece);
    }
    piece = ReplaceAll(piece, "o(e)", "oerkek");
    piece = ReplaceAll(piece, "O(E)", "OERKEK");
    piece = ReplaceAll(piece, "o(k)", "okız"_cp);
    piece = ReplaceAll(piece, "O(K)", "OKIZ");
    TrSourceText = piece;
    TrSentenceText = piece;
    TrSentenceWords.assign(1, " ");
    for (auto w : text::SplitViews(piece, ' '))
        if (!w.empty()) TrSentenceWords.emplace_back(w);

    try {
        std::string whole;
        if (WholeSentenceLookup(whole)) {
            TrSentenceResult = whole;
        } else {
            TrRecordNumbers = " ";
            ResetTrSentence();
            CutTrWordSlots(0);
            LookupTrWords();
            JoinTrExpressions();
            AnalyseTrWords();
            AnalyseTrSuffixes();
            TransferTrClauses();
            GenerateTrEnglish();
            TrSentenceResult = TrOutputHead + (TrSentenceState == 'W' ? TrOutputBody : std::string()) + TrOutputTail;
        }
        if (TrSentenceState == 'W') {
            std::string r = ReplaceAll(TrSentenceResult, "_", " ");
            TrSentenceResult = std::string(Trim(PostEditTrEnglish(r)));
        }
        if (!TrOverflow.empty()) TrSentenceResult += " " + TrOverflow;
    } catch (const std::exception&) {
        // A failure inside one sentence ends that sentence only.
        TrSentenceResult = "W1 karışık cümle  !.."_cp;
    }
    if (Tracing()) {
        TrTraceText.clear();
        for (auto& l : TrTraceAnalysis) TrTraceText.push_back(l);
        TrTraceText.push_back("-----------2-----------");
        for (auto& l : TrTraceTransfer) TrTraceText.push_back(l);
        TrTraceText.push_back("-----------3-----------");
        for (auto& l : TrTraceGeneration) TrTraceText.push_back(l);
        TrTraceText.push_back("----------------------");
        std::string out;
        for (auto& l : TrTraceText) out += l + "\r\n";
        return out + ";Q47;" + "\n" + "\r" + TrSentenceResult;
    }
    return TrSentenceResult;
}

void TrEnEngine::AddTraceSorted(std::vector<std::string>& section, std::string line) {
    // The section is kept as a sorted list without repeated lines.
    section.push_back(std::move(line));
    std::sort(section.begin(), section.end());
    section.erase(std::unique(section.begin(), section.end()), section.end());
}

bool TrEnEngine::WholeSentenceLookup(std::string& result) {
    std::string joined;
    for (std::size_t k = 1; k < TrSentenceWords.size(); ++k) {
        if (k > 1) joined += "_";
        joined += TrSentenceWords[k];
    }
    std::string key = "Z_" + text::TurkishLowerCase(joined);
    if (key.size() < 60 && LookupTrEntry(key, 0)) {
        DecodeTrEntry(Target::Last);
        result = TrLastEntry.ING;
        return true;
    }
    std::string phrase(Trim(ReplaceAll(key.substr(2), "_", " ")));
    std::string user = LookupTrUser(phrase, 0);
    if (user != "***") {
        result = user;
        return true;
    }
    return false;
}

void TrEnEngine::ResetTrSentence() {
    for (auto* a : {&TrWordSlots, &TrStemSlots, &TrSuffixSlots, &TrCaseSlots, &TrAnalysedSuffix})
        for (auto& s : *a) s.clear();
    for (auto* a : {&Katek, &Katek2, &Katek3, &Katek4, &Katek5, &TrClauseCodes, &TrClauseSuffix})
        for (auto& s : *a) s.clear();
    for (auto& e : TrWordEntries) e.Clear();
    for (auto& e : TrOutputEntries) e.Clear();
    for (auto& e : TrClauseTable) e.Clear();
    TrClauseCount = 0;
    TrOutputBody.clear();
    TrSpareEntry.Clear();
    TrOutputHead.clear();
    TrOutputTail.clear();
    TrFoundFlag = false;
    TrSentenceState = '0';
    TrExpressionCounter = 0;
    TrModuleCounter = 0;
    TrWordCount = 0;
    TrClassPattern.clear();
    TrCasePattern2.clear();
    TrPrepositionText.clear();
}

void TrEnEngine::CutTrWordSlots(int variant) {
    // variant 0: "_" becomes a blank; 1: as 0 and a first word "i" becomes
    // "I"; 2: "_" is kept and every suffix slot is emptied.
    std::string t = variant == 2 ? TrSentenceText : ReplaceAll(TrSentenceText, "_", " ");
    for (std::size_t i = 1; i < kWordSlots; ++i) W(i).clear();
    std::string rebuilt;
    std::size_t n = 0;
    for (auto w : text::SplitViews(t, ' ')) {
        if (w.empty()) continue;
        if (n >= kMaxWords) {
            // Words past the sentence's capacity are handed on unchanged.
            TrOverflow += (TrOverflow.empty() ? "" : " ") + std::string(w);
            continue;
        }
        ++n;
        W(n) = Cut(w, kSlotMax);
        rebuilt += W(n) + " ";
    }
    if (variant == 1 && n >= 1 && W(1) == "i") W(1) = "I";
    if (variant == 2)
        for (auto& s : TrSuffixSlots) s.clear();
    TrSentenceText = rebuilt;
    TrWordCount = n;
}

void TrEnEngine::CollectRecordNumbers() {
    TrRecordNumbers = " ";
    for (std::size_t i = 1; i <= TrWordCount && HasEntrySlot(i); ++i) {
        const std::string& y = E(i).YDEK;
        std::size_t p = y.find("TSRT=");
        if (p == std::string::npos) continue;
        long d = 0;
        for (std::size_t k = p + 5; k < y.size() && IsDigit(y[k]) && d < 100000000; ++k) d = d * 10 + (y[k] - '0');
        TrRecordNumbers += static_cast<char>((d / 256) % 256);
        TrRecordNumbers += static_cast<char>(d % 256);
    }
}

std::vector<TrWordAnalysis> TrEnEngine::AnalyseTrText(std::string_view text) {
    std::vector<TrWordAnalysis> out;
    std::string piece;
    for (const auto& item : SegmentTrText(text)) {
        std::string t(Trim(item));
        if (t.empty() || kCopyThroughChars.find(t[0]) != std::string_view::npos || t == "e-o-p") continue;
        piece += t + " ";
    }
    TrSentenceText = piece;
    TrOverflow.clear();
    ResetTrSentence();
    CutTrWordSlots(0);
    LookupTrWords();
    JoinTrExpressions();
    AnalyseTrWords();
    AnalyseTrSuffixes();
    for (std::size_t i = 1; i <= TrWordCount && i < kCodeSlots; ++i) {
        TrWordAnalysis a;
        a.word = W(i);
        a.stem = S(i);
        a.suffix = TrAnalysedSuffix.at(i);
        a.entry = E(i);
        a.katek = K1(i);
        a.katek2 = K2(i);
        a.katek3 = K3(i);
        out.push_back(a);
    }
    return out;
}

}  // namespace zelmor::tr_en
