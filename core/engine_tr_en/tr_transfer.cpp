// Word look-up, multi-word expressions, clause transfer and the English
// post-edit of the Turkish-to-English engine.
#include <algorithm>
#include <string>
#include <vector>

#include "core/engine_tr_en/tr_en_engine.h"
#include "core/engine_tr_en/tr_tables.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::tr_en {

using text::ReplaceAll;
using text::Trim;

namespace {

constexpr std::string_view kCapitals = "ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ"_cp;
constexpr std::string_view kUpperRow = "*ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZÂ*"_cp;
constexpr std::string_view kLowerRow = "*abcçdefgğhıijklmnoöpqrsştuüvwxyzâ*"_cp;

bool IsCapital(char c) { return c != '\0' && kCapitals.find(c) != std::string_view::npos; }

// The first letter lowered through the parallel alphabets; a leading "*" stays.
std::string LowerFirst(std::string w) {
    std::size_t p = (!w.empty() && w[0] == '*') ? 1 : 0;
    if (p < w.size()) {
        std::size_t k = kUpperRow.find(w[p]);
        if (k != std::string_view::npos && k > 0 && k + 1 < kUpperRow.size()) w[p] = kLowerRow[k];
    }
    return w;
}

std::vector<std::string> Words(std::string_view t) {
    std::vector<std::string> out;
    for (auto w : text::SplitViews(t, ' '))
        if (!w.empty()) out.emplace_back(w);
    return out;
}

// Replaces the first occurrence of the word sequence `what` in `text`
// (matched at word boundaries). Returns false when it does not occur.
bool ReplaceFirstWords(std::string& text, std::string_view what, std::string_view with) {
    std::string padded = " " + text + " ";
    std::string probe = " " + std::string(Trim(what)) + " ";
    std::size_t p = padded.find(probe);
    if (p == std::string::npos) return false;
    padded.replace(p, probe.size(), " " + std::string(with) + " ");
    text = std::string(Trim(padded));
    return true;
}

std::size_t CountWords(std::string_view text, std::string_view what) {
    std::string padded = " " + std::string(text) + " ";
    std::string probe = " " + std::string(Trim(what)) + " ";
    std::size_t n = 0;
    for (std::size_t p = padded.find(probe); p != std::string::npos; p = padded.find(probe, p + 1)) ++n;
    return n;
}

char Letter(char c) { return c == '\0' || c == ' ' ? '.' : c; }

}  // namespace

std::string TrEnEngine::CaseLetters(std::string_view w) const {
    if (w.empty()) return "az";
    if (IsDigit(w[0])) {
        bool whole = std::all_of(w.begin(), w.end(), IsDigit);
        if (whole || w.size() < 2 || !IsDigit(w[1])) return "XX";
    }
    std::string r;
    r += w[0] == '*' ? '*' : IsCapital(w[0]) ? 'A' : 'a';
    // A one-letter capital word ("O", "A") is capitalised, not all capitals:
    // it must not turn the whole sentence into capitals.
    r += (w.size() > 1 && IsCapital(w.back())) ? 'Z' : 'z';
    return r;
}

void TrEnEngine::ReCutKeepingCase(int variant) {
    std::vector<std::string> old_words, old_case;
    std::vector<TrEntry> old_entries;
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        old_words.push_back(W(i));
        old_case.push_back(TrCaseSlots.at(i));
        old_entries.push_back(HasEntrySlot(i) ? E(i) : TrEntry{});
    }
    std::vector<bool> used(old_words.size(), false);
    CutTrWordSlots(variant);
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        TrCaseSlots.at(i) = CaseLetters(W(i));
        E(i).Clear();
        for (std::size_t k = 0; k < old_words.size(); ++k) {
            if (!used[k] && old_words[k] == W(i)) {
                used[k] = true;
                TrCaseSlots.at(i) = old_case[k];
                E(i) = old_entries[k];
                break;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Word look-up

void TrEnEngine::LookupTrWords() {
    TrCasePattern.clear();
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        std::string& w = W(i);
        std::string letters = CaseLetters(w);
        TrCaseSlots.at(i) = letters;
        TrCasePattern += letters;
        if (letters == "AZ") w = Cut(text::TurkishLowerCase(w), kSlotMax);
        bool found = LookupTrEntry(w, 1);
        if (letters == "Az" && !found) {
            if (LookupTrEntry("*" + w, 1)) {
                DecodeTrEntry(Target::Slot, i);
                w = Cut("*" + w, kSlotMax);
                E(i).key = w;
                found = false;  // the entry is decoded; nothing more to decode below
            } else {
                std::string user = LookupTrUser(w, 1);
                if (user != "***") {
                    w = Cut("*" + user, kSlotMax);
                    ProperNameEntry(E(i), w, w);
                } else {
                    std::string lowered = LowerFirst(w);
                    if (LookupTrEntry(lowered, 1)) {
                        DecodeTrEntry(Target::Slot, i);
                        if (At(E(i).EK, 3) == 'F')
                            w = Cut(i == 1 ? lowered : "*" + lowered, kSlotMax);
                        else
                            w = lowered;
                        found = false;
                    }
                }
            }
        }
        if (!w.empty() && w[0] == '*') {
            E(i).key = w;
            E(i).EK = "**F*..";
            continue;
        }
        if (Contains(w, "'") && letters == "Az" && !LookupTrEntry(w, 1)) {
            w = Cut("*" + w, kSlotMax);
            found = false;
        }
        if (!found && letters == "Az") {
            w = LowerFirst(w);
            continue;
        }
        if (found && LookupTrEntry(w, 1)) DecodeTrEntry(Target::Slot, i);
    }
}

// ---------------------------------------------------------------------------
// Multi-word expressions

void TrEnEngine::JoinTrExpressions() {
    TrSentenceText.clear();
    for (std::size_t i = 1; i <= TrWordCount; ++i) TrSentenceText += W(i) + " ";
    ReCutKeepingCase(0);
    std::string current = TrSentenceText;

    if (TrWordCount >= 1 && !W(1).empty()) {
        std::string first = W(1);
        if (first[0] >= 'a' && first[0] <= 'z') first[0] = static_cast<char>(first[0] - 32);
        first = "*" + first;
        if (LookupTrEntry(first, 1)) {
            W(1) = Cut(first, kSlotMax);
            current.clear();
            for (std::size_t i = 1; i <= TrWordCount; ++i) current += W(i) + " ";
        }
    }
    auto recut = [&](int variant) {
        TrSentenceText = current;
        ReCutKeepingCase(variant);
        current = TrSentenceText;
    };
    auto idiom_found = [&](const std::string& key) {
        if (!LookupTrEntry(key, 1)) return false;
        DecodeTrEntry(Target::Last);
        return Contains(TrLastEntry.EK, "??");
    };

    // Idiom scan: windows of up to five words, joined by "<<".
    {
        const int limit = 6 * static_cast<int>(TrWordCount + 2) * 2;
        int counter = 1;
        std::size_t w = 4, c = 1;
        std::string last_text;
        while (c <= TrWordCount) {
            if (TrWordCount - c < w) {
                if (w > 0) {
                    --w;
                    c = 1;
                    continue;
                }
            }
            std::string key = W(c);
            for (std::size_t k = 1; k <= w; ++k) key += "<<" + W(c + k);
            if (w == 0) key += "<<";
            bool found = idiom_found(key);
            if (!found && c == TrWordCount && idiom_found(key + "<<")) {
                found = true;
                key += "<<";
            }
            if (!found && c == 1 && idiom_found("*" + key)) found = true;
            last_text = key;
            if (found) {
                std::string replacement = TrLastEntry.ING + " " + TrLastEntry.YAD + " " + TrLastEntry.YED + " ";
                last_text = replacement;
                std::string words = ReplaceAll(ReplaceAll(key, "<<<<", " "), "<<", " ");
                if (!words.empty() && words[0] == '*') words.erase(0, 1);
                bool single = w == 0;
                std::string padded_after;
                if (CountWords(current, words) > 0 && !(single && CountWords(current, words) > 1)) {
                    ReplaceFirstWords(current, words, replacement);
                    recut(0);
                    if (c != TrWordCount) c = 1;
                }
            }
            if (++counter > limit) {
                if (ui_) ui_->Message(last_text + std::string("--> tekrarlama olayı"_cp));
                break;
            }
            ++c;
        }
    }
    // Compound scan: two to four words joined by "_" form one word.
    {
        const int limit = 5 * static_cast<int>(TrWordCount + 2) * 2;
        int counter = 1;
        std::size_t w = 3, c = 1;
        while (c <= TrWordCount && w >= 1) {
            if (TrWordCount - c < w) {
                --w;
                c = 1;
                continue;
            }
            std::string key = W(c);
            std::string words = W(c);
            for (std::size_t k = 1; k <= w; ++k) {
                key += "_" + W(c + k);
                words += " " + W(c + k);
            }
            if (LookupTrEntry(key, 1) && ReplaceFirstWords(current, words, key)) {
                recut(2);
                if (c != TrWordCount) c = 1;
            }
            if (++counter > limit) break;
            ++c;
        }
    }
}

// ---------------------------------------------------------------------------
// Clause transfer

std::string TrEnEngine::Pattern2(std::size_t i) const {
    const TrEntry& e = TrWordEntries.at(i);
    return std::string(1, Letter(At(e.EK, 3))) + Letter(At(e.EK, 4));
}

void TrEnEngine::NominalPredicates(std::string& pat) {
    for (std::size_t guard = 0; guard < kMaxWords; ++guard) {
        std::size_t m = 0;
        for (std::size_t i = 1; i <= TrWordCount; ++i) {
            std::string p = pat.substr(2 * (i - 1), 2);
            if (p == "FP" || p == "VP") {
                m = i;
                break;
            }
        }
        if (m == 0) return;
        // No room for the copula: the word stays as it is.
        if (TrWordCount + 1 > kMaxWords || !HasEntrySlot(TrWordCount + 1)) {
            pat[2 * (m - 1) + 1] = 'F';
            continue;
        }
        bool was_vp = pat[2 * (m - 1)] == 'V';
        for (std::size_t k = TrWordCount; k > m; --k) {
            E(k + 1) = E(k);
            K1(k + 1) = K1(k);
            K2(k + 1) = K2(k);
            K3(k + 1) = K3(k);
            W(k + 1) = W(k);
            S(k + 1) = S(k);
            TrCaseSlots.at(k + 1) = TrCaseSlots.at(k);
            TrAnalysedSuffix.at(k + 1) = TrAnalysedSuffix.at(k);
        }
        pat.insert(2 * m, "T?");
        TrEntry& cop = E(m + 1);
        cop.Clear();
        cop.key = "dir#";
        cop.EK = "..T?..";
        cop.ING = "*";
        W(m + 1) = "dir#";
        S(m + 1) = "dir#";
        TrCaseSlots.at(m + 1) = "az";
        TrAnalysedSuffix.at(m + 1).clear();
        K1(m + 1) = K1(m);
        K2(m + 1) = K2(m);
        K3(m + 1) = K3(m);
        ++TrWordCount;
        char old3 = At(K1(m), 3);
        pat[2 * (m - 1) + 1] = 'F';
        if (old3 && Contains("EGHIJKLMNRYZ", std::string(1, old3))) {
            SetAt(E(m).EK, 4, old3);
            pat[2 * (m - 1) + 1] = old3;
        }
        if (LookupTrEntry(E(m).key, 2)) {
            DecodeTrEntry(Target::Last);
            E(m).ING = TrLastEntry.ING;
            SetAt(K1(m), 3, Letter(At(TrLastEntry.EK, 4)));
            if (was_vp) {
                pat[2 * (m - 1) + 1] = 'V';
            } else if (old3 && Contains("EGHIJKLNZ", std::string(1, old3))) {
                pat[2 * (m - 1) + 1] = old3;
            }
        }
    }
}

void TrEnEngine::ApplyRuleScript(const TrEntry& rule, std::size_t first, std::string& pat) {
    // The base word: where the rule's YAD letters stand in the pattern.
    std::size_t base = first;
    if (rule.YAD.size() >= 2) {
        for (std::size_t i = first; i <= TrWordCount; ++i)
            if (pat.compare(2 * (i - 1), 2, rule.YAD.substr(0, 2)) == 0) {
                base = i;
                break;
            }
    }
    auto word_at = [&](char d, std::size_t from) -> std::size_t {
        std::size_t n = from + static_cast<std::size_t>(d - '1');
        return (d >= '1' && d <= '9' && n >= 1 && n <= TrWordCount && HasEntrySlot(n)) ? n : 0;
    };
    const std::string& s = rule.YDEK;
    for (std::size_t p = 0; p < s.size(); ++p) {
        char ch = s[p];
        if (IsDigit(ch) && s.compare(p + 1, 2, "?(") == 0) {
            std::size_t close = s.find(')', p + 3);
            if (close == std::string::npos) break;
            std::string what = s.substr(p + 3, close - p - 3);
            std::size_t n = word_at(ch, base);
            p = close;
            if (n == 0) continue;
            TrEntry& e = E(n);
            if (e.key == "bir") {
                char next = n + 1 <= TrWordCount && !E(n + 1).ING.empty() ? E(n + 1).ING[0] : '\0';
                if (next == '*' && E(n + 1).ING.size() > 1) next = E(n + 1).ING[1];
                e.ING = Contains("aeiouAEIOU", std::string(1, next ? next : ' ')) ? "an" : "a";
            }
            if (e.ING == "work") e.ING = "try";
            struct Redo { std::string_view word, as; };
            static const Redo kRedo[] = {{"vardı"_cp, "var(p)dı*"_cp}, {"yağdı"_cp, "yağ(f)dı"_cp},
                                         {"işler"_cp, "işler(f)"_cp}, {"yemek", "yemek(f)"},
                                         {"yaş"_cp, "yaş(f)"_cp}};
            for (auto& r : kRedo)
                if (what == r.word && W(n) == r.word) {
                    SplitTrSuffixWord(r.as, n, 0);
                    if (r.word == "yağdı"_cp && StartsWith(E(n).key, "yağ(p)"_cp)) SetAt(E(n).EK, 4, 'P');
                }
        } else if (ch == '=' && p + 2 < s.size() && IsDigit(s[p + 1])) {
            std::size_t n = word_at(s[p + 1], first);
            char op = s[p + 2];
            p += 2;
            if (n == 0) continue;
            TrEntry& e = E(n);
            switch (op) {
                case 'U':
                    if (W(n) == "de(u*)" || W(n) == "da(u*)") {
                        W(n) = "de(at)";
                        e.ING = "at";
                    }
                    break;
                case 'A': case 'F': case 'P': {
                    std::string k = W(n) + "(" + static_cast<char>(op + 32) + ")";
                    bool ok = LookupTrEntry(k, 1);
                    if (ok) DecodeTrEntry(Target::Slot, n);
                    if (Tracing()) TrTraceAnalysis.push_back(Counter() + "--->" + k + (ok ? "-->true" : "-->false"));
                    break;
                }
                case 'E':
                    if (W(n) == "dün"_cp && n + 1 <= TrWordCount) {
                        E(n + 1).YING = "12";
                        SetAt(K1(n + 1), 3, '2');
                    }
                    break;
                case 'G': {
                    std::size_t sp = e.ING.find(' ');
                    e.ING.insert(sp == std::string::npos ? e.ING.size() : sp, "ing");
                    e.Fit();
                    break;
                }
                case 'Q': case 'C':
                    if (LookupTrEntry("R_" + W(n), 2)) {
                        DecodeTrEntry(Target::Slot, n);
                        if (op == 'Q') {
                            std::size_t plus = e.YED.find('+');
                            if (plus != std::string::npos) {
                                S(n) = e.YED.substr(0, plus);
                                X(n) = e.YED.substr(plus + 1);
                            }
                            if (At(e.EK, 3) == 'S') K1(n) = Cut(e.YING, kCodeMax);
                        }
                    }
                    break;
                case '?': {
                    std::string k = "P4=" + pat.substr(2 * (n - 1), 2) + "+" + S(n);
                    if (LookupTrEntry(k, 1)) {
                        DecodeTrEntry(Target::Last);
                        if (Contains(TrLastEntry.YYING, "P4+") || Contains(TrLastEntry.YYING, "P4="))
                            K1(n) = Cut(TrLastEntry.YYING, kCodeMax);
                    }
                    break;
                }
                default: break;
            }
        } else if (ch == '=' && p + 3 < s.size() && s[p + 3] == '>') {
            // "=A*>" and the like: class letters written into the pattern.
            std::size_t n = base;
            if (n >= 1 && n <= TrWordCount) {
                pat[2 * (n - 1)] = s[p + 1];
                pat[2 * (n - 1) + 1] = s[p + 2];
            }
            p += 3;
        } else if (IsDigit(ch) && p + 2 < s.size() && s[p + 1] == '_' && IsDigit(s[p + 2])) {
            std::size_t a = word_at(ch, first), b = word_at(s[p + 2], first);
            p += 2;
            if (a == 0 || b == 0) continue;
            if (LookupTrEntry(S(a) + "_" + S(b), 1) || LookupTrEntry(S(b) + "+" + S(a), 1)) {
                DecodeTrEntry(Target::Slot, b);
                pat[2 * (b - 1)] = Letter(At(E(b).EK, 3));
                pat[2 * (b - 1) + 1] = Letter(At(E(b).EK, 4));
            }
        }
    }
    if (!rule.YAD.empty() && rule.YED.size() >= 2 && base >= 1 && base <= TrWordCount) {
        pat[2 * (base - 1)] = rule.YED[0];
        pat[2 * (base - 1) + 1] = rule.YED[1];
    }
}

void TrEnEngine::CloseClause(std::size_t first, std::size_t last, const TrEntry& verb, std::string_view key,
                             std::string& pat) {
    (void)key;
    if (TrClauseCount + 1 >= kCodeSlots) return;
    std::size_t c = ++TrClauseCount;
    std::string code = verb.YAD.empty() ? std::string("**") : Cut(verb.YAD, 3);
    std::string ing = Cut(RunTrVerbTemplate(verb, first, last), 59);
    std::string turkish, keys;
    for (std::size_t i = first; i <= last; ++i) {
        pat[2 * (i - 1)] = ' ';
        pat[2 * (i - 1) + 1] = ' ';
        turkish += (i > first ? " " : "") + W(i);
        keys += (i > first ? " " : "") + E(i).key;
    }
    TrSentenceWords.push_back(turkish);
    std::string user = LookupTrUser(turkish, 0);
    if (user != "***") ing = Cut(user, 59);
    const TrEntry& lw = E(last);
    TrEntry rec;
    rec.key = keys;
    rec.EK = ".......";
    rec.EK[2] = Letter(code.size() > 0 ? code[0] : '.');
    rec.EK[3] = Letter(code.size() > 1 ? code[1] : '.');
    rec.EK[4] = Letter(At(lw.EK, 5));
    rec.EK[5] = Letter(At(lw.EK, 6));
    rec.EK[6] = static_cast<char>(c <= 9 ? '0' + c : 'A' + (c - 10));
    if (first == last) {
        rec.EK[0] = Letter(At(lw.EK, 1));
        rec.EK[1] = Letter(At(lw.EK, 2));
    }
    rec.KOD = lw.KOD;
    rec.YAD = lw.YAD;
    rec.YED = lw.YED;
    rec.DING = lw.DING;
    rec.YING = lw.YING;
    rec.YYING = lw.YYING;
    rec.ING = ing;
    rec.YDEK = turkish + ",";
    rec.Fit();
    std::string k1 = K1(last), k2 = K2(last), k3 = K3(last);
    K1(c) = k1;
    K2(c) = k2;
    K3(c) = k3;
    TrClauseSuffix.at(c) = TrAnalysedSuffix.at(last);
    TrClauseCodes.at(c) = code;
    TrClauseTable.at(c) = rec;
    if (Tracing()) TrTraceAnalysis.push_back(Counter() + "1--->" + std::to_string(c) + "=" + rec.Joined());
    TrClauseBoundaries += static_cast<char>(last <= 9 ? '0' + last : 'A' + (last - 10));
    if (code == "ZZ") {
        TrOutputTail += ing + ",";
        TrClauseTable.at(c).Clear();
        TrClauseCodes.at(c).clear();
        TrSentenceWords.pop_back();
        --TrClauseCount;
    }
}

void TrEnEngine::TransferTrClauses() {
    TrSentenceWords.assign(1, "*");
    TrClauseBoundaries.clear();
    std::string pat;
    TrCasePattern2 = " ";
    for (std::size_t i = 1; i <= TrWordCount; ++i) {
        TrEntry& e = E(i);
        if (e.EK.empty()) e.EK = "..F*..";
        if (At(e.EK, 3) == '\0' || At(e.EK, 3) == ' ') {
            SetAt(e.EK, 3, 'K');
            SetAt(e.EK, 4, 'K');
        }
        std::string cl = TrCaseSlots.at(i).empty() ? CaseLetters(W(i)) : TrCaseSlots.at(i);
        if (!W(i).empty() && W(i)[0] == '*') {
            const std::string_view from = "EGHIJKLMNRYZ", to = "eghijklmnryz";
            std::size_t k = from.find(At(e.EK, 4));
            if (At(e.EK, 4) != '\0' && k != std::string_view::npos) SetAt(e.EK, 4, to[k]);
            if (At(e.EK, 4) == '*') SetAt(e.EK, 4, 'a');
        } else if (!cl.empty() && cl[0] == '*' && At(e.EK, 4) == '*') {
            SetAt(e.EK, 4, 'a');
        }
        pat += Pattern2(i);
        TrCasePattern2 += cl;
        if (cl == "Az" && !e.ING.empty() && e.ING[0] != '*') {
            std::string ing = e.ING;
            ing[0] = text::TurkishUpperChar(ing[0]);
            e.ING = Cut("*" + ing, kIngMax);
        }
    }
    TrClassPattern = " " + pat;
    Step("DURTTT=", TrClassPattern);  // the pattern is the box's title

    NominalPredicates(pat);
    TrClassPattern = " " + pat;

    // Clause boundaries given for the whole pattern.
    std::vector<std::size_t> given;
    if (LookupTrEntry("Z__" + std::string(Trim(pat)), 0)) {
        DecodeTrEntry(Target::Last);
        for (char d : TrLastEntry.ING) {
            if (!IsDigit(d) || d == '0') break;
            given.push_back(static_cast<std::size_t>(d - '0'));
        }
    }
    std::size_t start = 1, given_at = 0;
    while (start <= TrWordCount && TrClauseCount + 1 < kCodeSlots) {
        std::string rule_prefix = "R1_";
        if (TrClauseCount > 0) rule_prefix = "R2_";
        bool any_rule = false, closed = false;
        std::size_t top = TrWordCount;
        if (given_at < given.size() && given[given_at] >= start && given[given_at] <= TrWordCount)
            top = given[given_at];
        std::string first_prefix;
        for (std::size_t end = top; end >= start && !closed; --end) {
            std::string prefix(Trim(pat.substr(2 * (start - 1), 2 * (end - start + 1))));
            if (prefix.empty()) break;
            if (first_prefix.empty()) first_prefix = prefix;
            if (LookupTrEntry(rule_prefix + prefix, 0)) {
                DecodeTrEntry(Target::Last);
                TrEntry rule = TrLastEntry;
                if (Mid(rule.EK, 3, 4) == "//") {
                    any_rule = true;
                    ApplyRuleScript(rule, start, pat);
                    prefix = std::string(Trim(pat.substr(2 * (start - 1), 2 * (end - start + 1))));
                }
            }
            std::string vkey = "V_" + prefix;
            TrEntry verb;
            if (LookupTrEntry(vkey, 0)) {
                DecodeTrEntry(Target::Last);
                verb = TrLastEntry;
            } else if (end == start) {
                verb.key = vkey;
                verb.EK = "..<<..";
                verb.ING = "0";
                verb.YAD = prefix;
            }
            if (Mid(verb.EK, 3, 4) == "<<") {
                CloseClause(start, end, verb, vkey, pat);
                start = end + 1;
                closed = true;
            }
            if (end == 1) break;
        }
        if (Tracing() && !any_rule) {
            std::string words;
            for (std::size_t i = start; i <= TrWordCount; ++i) words += W(i) + " ";
            AddTraceSorted(TrTraceTransfer, rule_prefix + first_prefix + ";..//..;;" + first_prefix + ";" +
                                                std::string(Trim(TrSentenceText)) + ";;;;;");
        }
        if (given_at < given.size()) ++given_at;
        if (!closed) {
            // No verb pattern closes a clause here: the word stands alone.
            TrEntry verb;
            verb.key = "V_" + pat.substr(2 * (start - 1), 2);
            verb.EK = "..<<..";
            verb.ING = "0";
            verb.YAD = pat.substr(2 * (start - 1), 2);
            CloseClause(start, start, verb, verb.key, pat);
            ++start;
        }
    }
    if (Tracing())
        TrTraceAnalysis.push_back("Z__" + std::string(Trim(TrClassPattern)) + ";;;" + TrClauseBoundaries + ";;;;;;");

    // Clause combination: a rule keyed by the clause codes may join clauses.
    if (TrClauseCount >= 2) {
        std::string codes;
        for (std::size_t c = 1; c <= TrClauseCount; ++c) codes += Cut(TrClauseCodes.at(c) + "..", 2);
        if (LookupTrEntry("R1_" + codes, 0)) {
            DecodeTrEntry(Target::Last);
            TrEntry rule = TrLastEntry;
            const std::string& y = rule.YDEK;
            bool combine = Mid(rule.EK, 3, 4) == "//" &&
                           (Contains(y, "<x>") || Contains(y, "<F+>") || Contains(y, "<P+>") ||
                            Contains(y, "<FQ>") || Contains(y, "<GD>"));
            if (combine) {
                TrSpareEntry2 = rule;
                std::string joined = RunTrNounTemplate(1, TrClauseCount);
                TrEntry& one = TrClauseTable.at(1);
                std::string code = rule.YAD.empty() ? TrClauseCodes.at(1) : Cut(rule.YAD, 3);
                std::string ydek, turkish;
                for (std::size_t c = 1; c <= TrClauseCount; ++c) {
                    ydek += TrClauseTable.at(c).YDEK;
                    turkish += (c > 1 ? " " : "") + TrSentenceWords.at(c);
                }
                std::string last_code = K1(TrClauseCount);
                one.ING = Cut(joined, 59);
                one.YDEK = Cut(ydek, kYdekMax);
                TrClauseCodes.at(1) = code;
                K1(1) = last_code;
                for (std::size_t c = 2; c <= TrClauseCount; ++c) {
                    TrClauseTable.at(c).Clear();
                    TrClauseCodes.at(c).clear();
                }
                TrSentenceWords.assign({"*", turkish});
                TrClauseCount = 1;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// English post-edit

std::string TrEnEngine::PostEditTrEnglish(std::string_view text_in) {
    std::vector<std::string> words = Words(text_in);
    if (!words.empty() && words[0] == "i") words[0] = "I";
    auto join = [&]() {
        std::string t;
        for (auto& w : words) t += w + " ";
        return t;
    };
    std::string current = join();
    std::size_t w = 4, a = 1;
    // Each replacement restarts the scan; a data loop (an idiom whose text
    // contains its own key) is stopped after a bounded number of steps.
    std::size_t steps = 0, max_steps = 40 * (words.size() + 2);
    while (a <= words.size() && ++steps < max_steps) {
        if (words.size() - a < w) {
            if (w > 0) {
                --w;
                a = 1;
                continue;
            }
        }
        std::string key = words[a - 1];
        for (std::size_t k = 1; k <= w; ++k) key += ">>" + words[a - 1 + k];
        if (w == 0) key += ">>";
        key = Cut(key, 50);
        if (LookupTrEntry(key, 1)) {
            DecodeTrEntry(Target::Last);
            if (Contains(TrLastEntry.EK, "??")) {
                std::string replacement = TrLastEntry.ING + " " + TrLastEntry.YAD + " " + TrLastEntry.YED + " ";
                std::string what(Trim(ReplaceAll(key, ">>", " ")));
                if (ReplaceFirstWords(current, what, replacement)) {
                    words = Words(current);
                    if (!words.empty() && words[0] == "i") words[0] = "I";
                    current = join();
                    a = 1;
                }
            }
        }
        ++a;
    }
    std::string out = current;
    while (Contains(out, "  ")) out = ReplaceAll(out, "  ", " ");
    return out;
}

}  // namespace zelmor::tr_en
