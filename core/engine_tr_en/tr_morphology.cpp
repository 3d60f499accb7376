// Turkish morphological analysis: every word is reduced to a dictionary stem
// and a suffix text; the suffix entries ("Z+" keys) give the per-word codes
// (Katek, Katek2, Katek3) and the class letters the transfer reads.
#include <string>

#include "core/engine_tr_en/tr_en_engine.h"
#include "core/engine_tr_en/tr_tables.h"
#include "core/text/split.h"

namespace zelmor::tr_en {

using text::ReplaceAll;
using text::Trim;

void TrEnEngine::RemoveTrWord(std::size_t i) {
    if (i < 1 || i > TrWordCount) return;
    for (std::size_t k = i; k + 1 < kWordSlots; ++k) {
        W(k) = W(k + 1);
        S(k) = S(k + 1);
        X(k) = X(k + 1);
        TrCaseSlots.at(k) = TrCaseSlots.at(k + 1);
        TrAnalysedSuffix.at(k) = TrAnalysedSuffix.at(k + 1);
    }
    W(kWordSlots - 1).clear();
    S(kWordSlots - 1).clear();
    X(kWordSlots - 1).clear();
    for (std::size_t k = i; k + 1 < kCodeSlots; ++k) {
        K1(k) = K1(k + 1);
        K2(k) = K2(k + 1);
        K3(k) = K3(k + 1);
    }
    K1(kCodeSlots - 1).clear();
    K2(kCodeSlots - 1).clear();
    K3(kCodeSlots - 1).clear();
    for (std::size_t k = i; k + 1 < kEntrySlots; ++k) E(k) = E(k + 1);
    E(kEntrySlots - 1).Clear();
    --TrWordCount;
}

void TrEnEngine::ProperNameEntry(TrEntry& e, std::string_view key, std::string_view ing) {
    e.Clear();
    e.key = Cut(key, kKeyMax);
    e.EK = "..F*..";
    e.ING = Cut(ing, kIngMax);
}

void TrEnEngine::AnalyseTrWords() {
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        TrSentenceState = 'K';
        TrCurrentWord = i;
        AnalyseTrWord(i);
    }
    for (std::size_t i = 1; i <= TrWordCount; ++i)
        while (i <= TrWordCount && W(i).empty()) RemoveTrWord(i);
    W(TrWordCount + 1) = "<<";
    S(TrWordCount + 1) = "<<";
    ThreeWordConstructions();
    W(TrWordCount + 1) = ",";
    S(TrWordCount + 1) = "<<";
    TwoWordConstructions();
    W(TrWordCount + 1).clear();
    S(TrWordCount + 1).clear();
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        TrSentenceState = 'K';
        TrCurrentWord = i;
        AnalyseTrWord(i);
        if (!TrFoundFlag && !W(i).empty() && W(i)[0] != '*') {
            TrEntry& e = E(i);
            e.Clear();
            e.EK = "..F*";
            e.key = Cut("*" + W(i), kKeyMax);
            e.ING = Cut(W(i), kIngMax);
            SetAt(e.YING, 1, 't');
            SetAt(e.YING, 2, 'C');
            TrFoundFlag = true;
        }
    }
}

void TrEnEngine::AnalyseTrWord(std::size_t i) {
    TrSentenceState = ' ';
    TrFoundFlag = false;
    TrCurrentWord = i;
    std::string& word = W(i);
    if (word.empty()) return;
    bool apostrophe = Contains(word, "'");

    // The verb ol- with its suffix.
    if (StartsWith(word, "ol")) {
        std::string rest = word.substr(2);
        if (LookupTrEntry("Z+" + rest + "_", 0)) {
            DecodeTrEntry(Target::Last);
            if (At(TrLastEntry.EK, 4) != 'F') {
                K1(i) = Cut(TrLastEntry.YING, kCodeMax);
                X(i) = rest + "_";
                S(i) = "ol(1)";
                if (LookupTrEntry("ol(1)", 0)) DecodeTrEntry(Target::CurrentWord);
                word = Cut("ol(1)" + rest, kSlotMax);
                TrFoundFlag = true;
                return;
            }
        }
    }
    // A marked proper name.
    if (word[0] == '*' && !apostrophe) {
        if (LookupTrEntry(word, 0)) {
            DecodeTrEntry(Target::CurrentWord);
        } else {
            ProperNameEntry(E(i), word, word);
            TrFoundFlag = true;
        }
        S(i) = word;
        return;
    }
    if (E(i).key.empty() && !apostrophe && LookupTrEntry("*" + word, 0)) word = Cut("*" + word, kSlotMax);
    if (word[0] == '(' && word.size() > 1 && IsDigit(word[1])) {
        TrEntry& e = E(i);
        e.Clear();
        e.EK = "..XX";
        e.key = word;
        e.ING = word;
        TrFoundFlag = true;
        return;
    }
    if (IsDigit(word[0])) {
        if (!X(i).empty()) {
            TrFoundFlag = true;
            return;
        }
        TrEntry& e = E(i);
        e.Clear();
        e.EK = "..XXX";
        e.key = word;
        e.ING = word;
        S(i) = word;
        if (i + 1 < kWordSlots && i + 1 <= TrWordCount && InCommaList(kTrCaseEndings, W(i + 1))) {
            X(i) = W(i + 1);
            word = Cut(word + W(i + 1), kSlotMax);
            W(i + 1).clear();
        }
        TrFoundFlag = true;
        return;
    }
    if (InCommaList(kTrParticleWords, word)) word += "(u*)";

    std::size_t start = word.size() > 0 ? word.size() - 1 : 0;
    bool whole = LookupTrEntry(word, EndsWith(word, "_") ? 3 : 0);
    if (whole) {
        DecodeTrEntry(Target::CurrentWord);
        TrEntry& e = E(i);
        if (At(e.EK, 3) == '+' && At(e.EK, 4) == 'Q') {
            SetAt(e.EK, 3, At(e.EK, 5) ? At(e.EK, 5) : '.');
            SetAt(e.EK, 4, At(e.EK, 6) ? At(e.EK, 6) : '.');
            K1(i) = Cut(e.YING, kCodeMax);
            std::size_t plus = e.YED.find('+');
            if (plus != std::string::npos) {
                S(i) = e.YED.substr(0, plus);
                X(i) = "*" + e.YED.substr(plus + 1);
            }
            TrFoundFlag = true;
            return;
        }
        if (At(e.EK, 3) == '+') {
            std::size_t plus = e.YED.find('+');
            if (plus == std::string::npos) {
                TrFoundFlag = true;
                return;
            }
            std::string split = e.YED;
            split.erase(plus, 1);
            word = Cut(split, kSlotMax);
            TrSentenceState = '+';
            start = std::min(plus, word.size() > 0 ? word.size() - 1 : 0);
            if (StemSearch(i, start, true)) return;
            TrFoundFlag = false;
            return;
        }
        S(i) = word;
        X(i).clear();
        if (!e.YING.empty()) K1(i) = Cut(e.YING, kCodeMax);
        TrFoundFlag = true;
        return;
    }
    StemSearch(i, start, false);
}

bool TrEnEngine::StemSearch(std::size_t i, std::size_t start_length, bool from_plus) {
    std::string word = W(i);
    std::size_t k = start_length;
    bool apos_mode = false;
    std::size_t ap = word.find('\'');
    if (ap != std::string::npos && ap >= 2 && !from_plus) {
        k = ap;
        apos_mode = true;
    }
    TrFoundFlag = false;
    for (; k >= 2; --k) {
        if (k > word.size()) continue;
        std::string stem = word.substr(0, k);
        std::string rest = word.substr(k);
        bool found = LookupTrEntry(stem, 1);
        if (found) DecodeTrEntry(Target::Last);
        if (stem[0] == '*' && !rest.empty() && rest[0] == '\'') {
            if (found) {
                rest.erase(0, 1);
                DecodeTrEntry(Target::CurrentWord);
            } else {
                ProperNameEntry(TrLastEntry, word, word.substr(0, ap));
                E(i) = TrLastEntry;
                S(i) = word.substr(0, ap);
                X(i) = ap + 1 < word.size() ? word.substr(ap + 1) : std::string();
                TrFoundFlag = true;
                return true;
            }
        } else if (apos_mode && !found) {
            if (LookupTrEntry("*" + stem, 0)) {
                DecodeTrEntry(Target::Last);
                TrLastEntry.key = Cut("*" + stem, kKeyMax);
                TrLastEntry.EK = "..F*..";
                E(i) = TrLastEntry;
                found = true;
            } else {
                ProperNameEntry(TrLastEntry, word, word.substr(0, ap));
                E(i) = TrLastEntry;
                S(i) = word.substr(0, ap);
                X(i) = ap + 1 < word.size() ? word.substr(ap + 1) : std::string();
                TrFoundFlag = true;
                return true;
            }
        }
        if (!found || At(TrLastEntry.EK, 3) == '+') continue;
        if (apos_mode && !rest.empty() && rest[0] == '\'') rest.erase(0, 1);
        if (rest.empty()) continue;
        TrEntry stem_entry = TrLastEntry;
        if (!LookupTrEntry(rest + "_", 3)) continue;
        DecodeTrEntry(Target::Suffix);
        std::string pair;
        pair += At(stem_entry.EK, 3) ? At(stem_entry.EK, 3) : '.';
        pair += At(stem_entry.EK, 4) ? At(stem_entry.EK, 4) : '.';
        pair += At(TrSuffixEntry.EK, 3) ? At(TrSuffixEntry.EK, 3) : '.';
        pair += At(TrSuffixEntry.EK, 4) ? At(TrSuffixEntry.EK, 4) : '.';
        char r5 = At(TrSuffixEntry.EK, 5);
        if (r5 == 'F' || r5 == 'P') pair += r5;
        std::string lookup_stem = stem;
        bool accepted = false;
        if (pair == "FF<P" && (rest == "lerdi" || rest == "lardı"_cp)) pair = "FF<FP";
        if (pair == "F1<P" || pair == "FF<P" || pair == "VV<P") {
            accepted = LookupTrEntry(stem + "*", 1);
            if (accepted) lookup_stem = stem + "*";
        } else if (pair == "PP<F") {
            accepted = LookupTrEntry(stem + "(F)", 1);
            if (accepted) lookup_stem = stem + "(F)";
        } else {
            accepted = InCommaList(kTrSuffixPairs, pair);
        }
        if (Tracing())
            TrTraceAnalysis.push_back(Counter() +
                                      (accepted ? "DURUM-isim-fiil-ek var ->" : "DURUM-isim-fiil-ek yok ->") +
                                      pair + "---" + stem + "+" + rest);
        if (!accepted) continue;
        S(i) = Cut(stem, kSlotMax);
        X(i) = Cut(rest, kSlotMax);
        if (stem[0] != '*') {
            if (LookupTrEntry(lookup_stem, 1)) DecodeTrEntry(Target::CurrentWord);
        } else if (E(i).key.empty()) {
            E(i) = stem_entry;
        }
        TrFoundFlag = true;
        return true;
    }
    TrFoundFlag = false;
    return false;
}

void TrEnEngine::ThreeWordConstructions() {
    for (std::size_t i = 1; i + 2 <= TrWordCount; ++i) {
        if (!LookupTrEntry("Z2_" + X(i) + "_" + W(i + 1) + "_" + W(i + 2), 1)) continue;
        DecodeTrEntry(Target::Last);
        W(i) = Cut(S(i) + TrLastEntry.ING, kSlotMax);
        X(i) = Cut(TrLastEntry.ING, kSlotMax);
        RemoveTrWord(i + 1);
        RemoveTrWord(i + 1);
    }
}

void TrEnEngine::TwoWordConstructions() {
    for (std::size_t i = 1; i + 1 <= TrWordCount; ++i) {
        if (InCommaList(kTrTimeWords, W(i + 1)) && LookupTrEntry("Z2_" + X(i) + "_zaman", 1)) W(i + 1) = "zaman";
        if (LookupTrEntry("Z2_" + X(i) + "_" + W(i + 1), 1)) {
            DecodeTrEntry(Target::Last);
            if (Contains(TrLastEntry.EK, "WZ")) {
                W(i) = Cut(S(i) + TrLastEntry.ING, kSlotMax);
                W(i + 1) = Cut(TrLastEntry.YAD, kSlotMax);
            } else {
                W(i) = Cut(S(i) + TrLastEntry.ING, kSlotMax);
                X(i) = Cut(TrLastEntry.ING, kSlotMax);
                RemoveTrWord(i + 1);
            }
            continue;
        }
        if (i + 1 <= TrWordCount && !X(i + 1).empty() && LookupTrEntry(W(i) + "_" + S(i + 1), 1)) S(i) = W(i);
    }
}

// ---------------------------------------------------------------------------
// Suffix codes

void TrEnEngine::AnalyseTrSuffixes() {
    std::size_t n = TrWordCount;
    for (std::size_t i = 1; i <= n && i <= TrWordCount; ++i) {
        while (i <= TrWordCount && W(i).empty()) RemoveTrWord(i);
        if (i > TrWordCount) break;
        TrSentenceState = 'K';
        TrCurrentWord = i;
        TrEntry& e = E(i);
        TrAnalysedSuffix.at(i) = X(i);
        if (At(e.EK, 3) == '!') continue;
        if (W(i) == "et") e.EK = "..FF..";
        if (At(e.EK, 3) == 'P' && X(i).empty()) SetAt(e.EK, 4, '0');
        if (Tracing()) TrTraceAnalysis.push_back(Counter() + "-TR->" + e.key + ";" + S(i) + ";" + X(i));
        if (!X(i).empty() && X(i)[0] != '_') {
            if (At(e.EK, 3) == 'P')
                AnalyseTrTense(i);
            else
                AnalyseTrCase(i);
        }
        X(i).clear();
    }
    CollectRecordNumbers();
}

void TrEnEngine::AnalyseTrTense(std::size_t i) {
    std::string s = X(i);
    if (s.empty() || s[0] == '*') return;
    TrLastEntry.Clear();
    TrEntry& w = E(i);
    bool has_next = i + 1 <= TrWordCount;
    enum { kNone, kRules, kDone } next = kNone;

    if (i >= 2 && S(i - 1) == S(i) && LookupTrEntry(TrAnalysedSuffix.at(i - 1) + "_" + s + "_", 3)) {
        DecodeTrEntry(Target::Last);
        SetAt(w.EK, 3, At(TrLastEntry.EK, 3) ? At(TrLastEntry.EK, 3) : '.');
        SetAt(w.EK, 4, At(TrLastEntry.EK, 4) ? At(TrLastEntry.EK, 4) : '.');
        K1(i) = Cut(TrLastEntry.YING, kCodeMax);
        if (Tracing()) TrTraceAnalysis.push_back(Counter() + "ZAMAN-EK1--->" + TrLastEntry.key);
        next = kRules;
    }
    if (next == kNone && has_next && LookupTrEntry(s + W(i + 1) + "_", 3)) {
        W(i + 1).clear();
        DecodeTrEntry(Target::Last);
        if (Tracing()) TrTraceAnalysis.push_back(Counter() + "ZAMAN-EK2--->" + TrLastEntry.key);
        next = kRules;
    }
    if (next == kNone && has_next) {
        std::string key = "ZQ_" + s;
        if (key == "ZQ_mak") key = "ZQ_mek";
        key += "_" + W(i + 1) + "_";
        bool with_third = i + 2 <= TrWordCount && At(E(i + 2).EK, 3) == 'T';
        if (with_third) {
            key += W(i + 2) + "_";
            TrSentenceState = '2';
        } else {
            TrSentenceState = '0';
        }
        if (LookupTrEntry(key, 3)) {
            DecodeTrEntry(Target::Last);
            if (Tracing()) TrTraceAnalysis.push_back(Counter() + "ZAMAN-EK3--->" + TrLastEntry.key);
            char e5 = At(TrLastEntry.EK, 5), e6 = At(TrLastEntry.EK, 6);
            if (e5 == 'R' && e6 == '3' && At(w.EK, 4) == 'Y') e6 = '1';
            SetAt(w.EK, 3, e5 ? e5 : '.');
            SetAt(w.EK, 4, e6 ? e6 : '.');
            K1(i) = TrLastEntry.YING.empty() ? std::string() : TrLastEntry.YING.substr(0, 1);
            W(i + 1).clear();
            if (with_third) W(i + 2).clear();
            next = kDone;
        }
    }
    if (next == kNone && LookupTrEntry(s + "_", 3)) {
        DecodeTrEntry(Target::Last);
        if (Tracing()) TrTraceAnalysis.push_back(Counter() + "ZAMAN-EK4--->" + TrLastEntry.key);
        if (At(w.EK, 6) == 'n') TrLastEntry.YING = TrLastEntry.DING.substr(0, kYingMax);
        std::string r = Mid(TrLastEntry.EK, 5, 6);
        if (r == "R2") {
            SetAt(w.EK, 3, 'R');
            SetAt(w.EK, 4, '2');
            K1(i) = Cut(TrLastEntry.YING, kCodeMax);
            next = kDone;
        } else if (r == "R3") {
            SetAt(w.EK, 3, 'R');
            SetAt(w.EK, 4, At(w.EK, 4) == 'Y' ? '1' : '3');
            K1(i) = Cut(TrLastEntry.YING, kCodeMax);
            next = kDone;
        } else {
            next = kRules;
        }
    }
    if (next == kRules) {
        TrEntry& t = TrLastEntry;
        bool found = At(t.EK, 4) == 'P';
        bool stop = false;
        if (Mid(t.EK, 4, 6) == "PPG") {
            SetAt(w.EK, 4, 'G');
            found = true;
        } else if (Mid(t.EK, 4, 6) == "FP0") {
            SetAt(w.EK, 4, '0');
            K1(i) = Cut(t.ING, kCodeMax);
            stop = true;
        } else if (Mid(t.EK, 4, 5) == "FP") {
            found = true;
            SetAt(t.EK, 4, 'P');
            t.YING = Cut(t.ING, kYingMax);
        }
        if (found && !stop) {
            if (At(t.EK, 5) == 'Z' && i + 1 <= TrWordCount) {
                const TrEntry& n1 = E(i + 1);
                char n6 = At(n1.EK, 6) == 'W' ? 'w' : At(n1.EK, 6);
                if (At(n1.EK, 5) == 'Z' && n6 != '\0' && n6 == At(t.EK, 6)) {
                    t.YING = Cut(t.YING, 7);
                    SetAt(t.YING, 7, n6);
                    W(i + 1).clear();
                    if (n6 == 'i' && At(n1.YING, 1)) SetAt(t.YING, 1, At(n1.YING, 1));
                }
            }
            K1(i) = Cut(t.YING, kCodeMax);
            K2(i) = Cut(t.YYING, kCodeMax);
            K3(i) = Cut(t.YED, kCodeMax);
            char e6 = At(t.EK, 6);
            if (e6 == '9' || e6 == '8') SetAt(K1(i), 7, e6);
            char p7 = At(K1(i), 7);
            if (e6 == 'W' && i < TrWordCount && p7 != '\0' && kTenseKeys.find(p7) == std::string_view::npos) p7 = 'w';
            std::size_t t7 = p7 ? kTenseKeys.find(p7) : std::string_view::npos;
            if (t7 != std::string_view::npos) {
                char v = kTenseValues[t7];
                if (p7 == 'i' && At(w.EK, 4) == 'Y') v = '1';
                SetAt(w.EK, 4, v);
            } else {
                char p3 = At(K1(i), 3);
                if (p3 == '3') SetAt(w.EK, 4, '3');
                else if (p3 == '4') { SetAt(w.EK, 3, 'R'); SetAt(w.EK, 4, '4'); }
                else if (p3 == '5') { SetAt(w.EK, 3, 'R'); SetAt(w.EK, 4, '5'); }
                if (p7 == 'b') SetAt(w.EK, 4, 'N');
            }
        }
    }
    Step("TDX=" + std::to_string(i) + " " + "ZAMAN,Katek=" + K1(i));
    if (Tracing()) TrTraceAnalysis.push_back(Counter() + "ZAMAN--->" + s + "---" + K1(i));
}

void TrEnEngine::AnalyseTrCase(std::size_t i) {
    std::string s = X(i);
    TrEntry& w = E(i);
    bool has_next = i + 1 <= TrWordCount;
    auto class_rules = [&]() {
        char c = At(K1(i), 3);
        if (c == 'V') {
            SetAt(w.EK, 4, 'V');
            return;
        }
        if (c == 'E' && Contains(W(i), "_")) {
            c = At(w.EK, 3);
            SetAt(K1(i), 3, c ? c : '.');
        }
        if (Mid(K2(i), 1, 3) == "00E" && Contains(W(i), "_")) {
            K1(i) = K2(i);
            c = At(w.EK, 3);
        }
        if (c && Contains("EGHIJKLMNRYZ", std::string(1, c))) {
            SetAt(w.EK, 4, c);
        } else if (At(K1(i), 4) == '1' || At(K1(i), 4) == '2' || At(K1(i), 3) == '2') {
            SetAt(w.EK, 4, 'P');
        }
        char cls = At(w.EK, 3);
        if (cls == 'Q') SetAt(w.EK, 4, At(K1(i), 7) == 'L' ? '2' : '?');
        if (cls == 'S') SetAt(w.EK, 4, At(w.EK, 6) == '1' ? '1' : 'Y');
        if (cls == 'W') SetAt(w.EK, 3, 'F');
        cls = At(w.EK, 3);
        char c3 = At(K1(i), 3);
        if (Contains("DEFVX", std::string(1, cls ? cls : ' ')) && At(w.EK, 4) != 'P' && c3 != 'F') {
            std::size_t col = c3 ? kCaseKeys.find(c3) : std::string_view::npos;
            if (col != std::string_view::npos) {
                std::string_view row = (cls == 'V')   ? kCaseRowV
                                       : (cls == 'X') ? kCaseRowX
                                       : (cls == 'D') ? kCaseRowD
                                       : (cls == 'E' || At(K1(i), 2) == 'L') ? kCaseRowE
                                                                               : std::string_view{};
                if (At(K1(i), 2) == 'L') row = kCaseRowE;
                if (!row.empty()) SetAt(w.EK, 4, row[col]);
            }
        }
    };

    bool go_class = true, go_prep = true;
    if (!s.empty() && s[0] == '*') {
        if (At(w.YING, 1) && At(w.YING, 1) != ' ' && At(w.YING, 1) != '.') K1(i) = std::string(1, At(w.YING, 1));
    } else {
        SetAt(K1(i), 1, '0');
        SetAt(K1(i), 2, '0');
        SetAt(K1(i), 3, '0');
        bool found = false;
        if (has_next) {
            if (LookupTrEntry(s + "_" + W(i + 1) + "_", 3)) {
                found = true;
                long idx = TrFoundIndex;
                W(i + 1) = Cut(s + "_" + W(i + 1), kSlotMax);
                if (LookupTrEntry(W(i + 1), 1)) {
                    DecodeTrEntry(Target::Suffix);
                    E(i + 1) = TrSuffixEntry;
                }
                TrFoundIndex = idx;
                TrFoundFlag = true;
                TrDecodeAllowed = true;
            } else if (LookupTrEntry(s + W(i + 1) + "_", 3)) {
                found = true;
            }
        }
        bool done = false;
        if (found) {
            DecodeTrEntry(Target::Suffix);
            char cls = At(w.EK, 3);
            const TrEntry& x = TrSuffixEntry;
            if ((cls == 'F' && At(x.EK, 3) == 'O') || (cls == 'F' && At(x.EK, 4) == 'F') ||
                (cls == 'V' && At(x.EK, 4) == 'F')) {
                // accepted as it stands
            } else if (cls == 'P' && Mid(x.EK, 5, 6) == "P0") {
                SetAt(w.EK, 4, '0');
                go_class = go_prep = false;
                done = true;
            } else if (At(w.EK, 5) == '>') {
                SetAt(w.EK, 5, '.');
            } else if (LookupTrEntry(S(i) + "*", 1)) {
                DecodeTrEntry(Target::CurrentWord);
                K1(i) = Cut(x.YING, kCodeMax);
                K2(i) = Cut(x.YYING, kCodeMax);
                K3(i) = Cut(x.YED, kCodeMax);
                if (has_next) W(i + 1).clear();
                go_class = go_prep = false;
                done = true;
            }
        }
        if (!done) {
            if (At(w.EK, 5) == '>') SetAt(w.EK, 5, '.');
            if (LookupTrEntry(s + "_", 3)) {
                DecodeTrEntry(Target::Last);
                K1(i) = Cut(TrLastEntry.YING, kCodeMax);
                K2(i) = Cut(TrLastEntry.YYING, kCodeMax);
                K3(i) = Cut(TrLastEntry.YED, kCodeMax);
                if (At(K1(i), 7) == 'i') {
                    SetAt(w.EK, 4, '5');
                    go_class = false;
                } else if (At(K1(i), 7) == 'w') {
                    SetAt(w.EK, 4, 'W');
                    go_class = false;
                } else if (Mid(TrLastEntry.EK, 3, 5) == "<PF") {
                    SetAt(w.EK, 4, 'P');
                    K1(i) = Cut(TrLastEntry.ING, kCodeMax);
                }
            }
        }
    }
    if (go_class) class_rules();
    if (go_prep) {
        ChooseTrPreposition(i);
        if (has_next) {
            std::string probe = Mid(w.EK, 3, 4) + "+" + W(i + 1);
            if (probe == "FG+doğru"_cp) {
                E(i + 1).EK = "..OO";
                E(i + 1).ING = "toward";
            } else if (probe == "FG+kadar") {
                E(i + 1).EK = "..OO";
                E(i + 1).ING = "to";
            }
        }
        if (!TrPrepositionText.empty()) {
            w.YED = Cut("*" + TrPrepositionText, kYedMax);
            TrPrepositionText.clear();
        }
    }
    if (Tracing())
        TrTraceAnalysis.push_back(Counter() + "ISMAN--->" + W(i) + ";" + s + ";" + w.EK + ";" + K1(i) + ";" +
                                  w.YED);
}

void TrEnEngine::ChooseTrPreposition(std::size_t i) {
    TrEntry& w = E(i);
    if (w.ING.empty()) return;
    TrPrepositionText.clear();
    char c = At(K1(i), 3);
    if (c == '0') c = 'F';
    auto person = [](char p) -> int { return (p >= 'A' && p <= 'E') ? p - 'A' + 1 : -1; };
    const std::string& y = w.YING;
    char at = '@';
    switch (c) {
        case 'G': TrPrepositionText = At(y, 3) == 'O' ? "on " : "to "; break;
        case 'H': {
            int p = person(At(K1(i), 7));
            if (p > 0) {
                TrPrepositionText = std::string(kTrPossessives[static_cast<std::size_t>(p)]) + " ";
                SetAt(K1(i), 7, '.');
            }
            break;
        }
        case 'I':
        case 'L':
            TrPrepositionText = "in ";
            if (At(y, 4) == 'O') TrPrepositionText = "on ";
            else if (At(y, 4) == 'A') TrPrepositionText = "at ";
            else if (At(y, 1) == at && Contains(y, "P")) TrPrepositionText = "at ";
            else if (At(y, 1) == at && Contains(y, "R")) TrPrepositionText = "on ";
            break;
        case 'J': {
            TrPrepositionText = "from ";
            if (i + 1 <= TrWordCount && At(E(i + 1).EK, 3) == 'O') {
                char n1 = At(E(i + 1).YING, 1);
                if (n1 == 'J') TrPrepositionText.clear();
                if (n1 == 'S') {
                    TrPrepositionText.clear();
                    W(i + 1) = "beri*";
                }
            }
            break;
        }
        case 'K': TrPrepositionText = "of "; break;
        case 'M': TrPrepositionText = "for "; break;
        case 'N': TrPrepositionText = At(y, 3) == 'B' ? "by " : "with "; break;
        case 'Q': {
            int p = person(At(K1(i), 3));
            TrPrepositionText = std::string(kTrSubjectWords[static_cast<std::size_t>(p > 0 ? p : 0)]);
            if (At(K1(i), 2) == 'E') TrPrepositionText += " will";
            break;
        }
        case 'R': {
            int p = person(At(K1(i), 3));
            TrPrepositionText = std::string(kTrObjectWords[static_cast<std::size_t>(p > 0 ? p : 0)]);
            break;
        }
        case 'Z': TrPrepositionText = At(y, 3) == 'B' ? "by " : "without "; break;
        default: break;
    }
    bool skip = At(w.EK, 4) == 'H' && i + 1 <= TrWordCount && At(E(i + 1).EK, 4) == 'S';
    char p7 = At(K1(i), 7);
    if (!skip && p7 >= 'A' && p7 <= 'E')
        TrPrepositionText += std::string(kTrPossessives[static_cast<std::size_t>(p7 - 'A' + 1)]) + " ";
    if (p7 >= 'A') Step("KTKK.Katek[TDX]=" + K1(i));
    Step("yedek=" + TrPrepositionText);
    TrPrepositionText = Cut(TrPrepositionText, 30);
}

bool TrEnEngine::SplitTrSuffixWord(std::string_view text_in, std::size_t slot, int mode) {
    std::string t(Trim(text_in));
    if (t.empty()) return false;
    std::size_t len = t.size() - 1;
    if (LookupTrEntry(t, 0)) {
        DecodeTrEntry(Target::Last);
        if (mode == 1) {
            DecodeTrEntry(Target::Slot, slot);
            return true;
        }
        std::size_t plus = TrLastEntry.YED.find('+');
        if (plus != std::string::npos) {
            len = plus;
            TrSentenceState = '+';
        }
    }
    for (; len >= 2; --len) {
        if (len > t.size()) continue;
        std::string stem = t.substr(0, len), rest = t.substr(len);
        if (!LookupTrEntry(stem, 1)) continue;
        DecodeTrEntry(Target::Slot, slot);
        S(slot) = stem;
        X(slot) = rest;
        if (LookupTrEntry(rest + "_", 3)) {
            DecodeTrEntry(Target::Suffix);
            if (slot < kCodeSlots) {
                K1(slot) = Cut(TrSuffixEntry.YING, kCodeMax);
                K3(slot) = Cut(TrSuffixEntry.YED, kCodeMax);
                K2(slot) = Cut(TrSuffixEntry.YYING, kCodeMax);
            }
        }
        return true;
    }
    return false;
}

}  // namespace zelmor::tr_en
