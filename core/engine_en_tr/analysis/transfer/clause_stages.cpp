// The clause-level stages of the transfer: rule passes over the clause-code
// pattern that re-read, re-class, join, insert, remove and reorder clauses
// (stage 2), translate clause groups as a whole (stage 3) and re-code
// clauses (stage 4).
#include <algorithm>
#include <vector>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/transfer/transfer_run.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::en_tr::transfer {

using namespace zelmor::text::literals;
using namespace detail;

namespace {

std::string Code34(const WordRecord& r) {
    std::string out;
    out += r.code.At(3) == '\0' ? '.' : r.code.At(3);
    out += r.code.At(4) == '\0' ? '.' : r.code.At(4);
    return out;
}

int DigitAt(std::string_view s, std::size_t i) { return i < s.size() && IsDigit(s[i]) ? s[i] - '0' : -1; }
int DigitBefore(std::string_view s, std::size_t p) { return p >= 1 ? DigitAt(s, p - 1) : -1; }

std::string Lower(std::string_view s) { return text::AsciiLowerCase(s); }

/// The window's clause codes: items first..first+count-1 of a copy.
std::string Items(const std::string& copy, int first, int count) {
    std::string out;
    for (int j = first; j < first + count; ++j) {
        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
        if (at < copy.size()) out += copy.substr(at, 2);
    }
    return std::string(text::Trim(out));
}

/// Sets a clause record to a fixed reading: key, meaning and code.
void SetReading(WordRecord& r, std::string_view key, std::string_view meaning, std::string_view code) {
    r.key = key;
    r.meaning = meaning;
    r.code = code;
}

/// The ending NounEnding gives for `letter` after `word`, without the word
/// itself when no ending could be chosen.
std::string EndingOf(EnTrServices& e, std::string_view letter, std::string_view word) {
    const std::string r = e.NounEnding(letter, word);
    if (r.size() <= 1) return {};
    std::string ending = r.substr(1);
    if (ending == text::Trim(text::TurkishLowerCase(word))) return {};
    return ending;
}

}  // namespace

int TransferRun::Named(int digit) const {
    if (digit < 1) return 0;
    const int c = current_ + digit - 1;
    return c >= 1 && c <= ClauseCount() ? c : 0;
}

// ------------------------------------------------------------ pass driver

void TransferRun::ClauseStage(int stage, int maxPasses) {
    std::string previous;
    int* passes = stage == 2 ? &figures_.stage2Passes : stage == 3 ? &figures_.stage3Passes : &figures_.stage4Passes;
    for (int pass = 1; pass <= maxPasses; ++pass) {
        const std::string pat = CodePattern();
        if (pass > 1 && pat == previous) break;
        previous = pat;
        pattern_ = window_ = result_ = pat;
        if (stage == 2) {
            s_.TurkishBufferB.clear();
            s_.SentenceState = '0';
        }
        current_ = 1;
        clauseCounter_ = 1;
        const int count = ClauseCount();
        if (count == 0) break;
        ++*passes;
        const int W = count + 1;
        int tried = 0;
        int consumed = 0;
        bool restart = false;
        bool end = false;
        while (!restart && !end) {
            if (consumed >= count) break;
            bool made = false;
            for (int k = W - 1; k >= 1; --k) {
                const int n = std::min(k, count - consumed);
                const std::string window = Items(window_, consumed + 1, n);
                ++tried;
                const WindowResult r = ClauseWindow(stage, window, n);
                if (r == WindowResult::Restart) {
                    restart = true;
                    break;
                }
                if (r == WindowResult::Consumed) {
                    for (int j = consumed + 1; j <= consumed + n; ++j) {
                        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
                        for (std::string* p : {&window_, &result_})
                            if (at + 1 < p->size()) (*p)[at] = (*p)[at + 1] = ' ';
                    }
                    consumed += n;
                    // The digits of later directives count from the first
                    // clause not yet consumed.
                    current_ = consumed + 1;
                    ++clauseCounter_;
                    made = true;
                    if (tried >= W) restart = true;
                    break;
                }
                if (tried >= W) {
                    end = true;
                    break;
                }
            }
            if (!made && !restart) end = true;
        }
        if (!restart) break;
    }
    if (stage == 2 && e_.TraceMode()) std::sort(s_.TraceLog2.begin(), s_.TraceLog2.end());
}

WindowResult TransferRun::ClauseWindow(int stage, const std::string& window, int count) {
    if (window.empty()) return WindowResult::Shrink;
    WordRecord rule;
    std::string win = window;
    auto lengthTest = [&](const std::string& key) {
        return key.size() / 2 >= rule.meaning.size() / 2 + 2;
    };
    if (stage == 4) {
        const std::string key = "R4_" + win;
        if (FindRule(key, rule) && Code34(rule) == "//") {
            Stage4Items(rule);
            win = Items(window_, current_, count);
            if (lengthTest(key)) return WindowResult::Shrink;
        }
    } else {
        const std::string key = "R1_" + win;
        if (!FindRule(key, rule)) {
            Trace2("T==2" + key);
        } else if (rule.code.contains("//R1")) {
            rule.code = "../X..";
            EditRule(rule);
            return WindowResult::Shrink;
        } else if (Code34(rule) == "//") {
            if (rule.field8.empty()) rule.field8 = "*";
            Trace2("T=2" + key + "-->" + rule.field8.str());
            bool inPlace = false;
            const bool fired = stage == 2 ? Stage2Directives(rule, win, inPlace) : Stage3Directives(rule);
            if (fired) return WindowResult::Restart;
            win = Items(window_, current_, count);
            if (lengthTest(key)) return WindowResult::Shrink;
        }
    }
    if (stage == 2 && count != 1) return WindowResult::Shrink;
    WordRecord clauseRule;
    if (FindEntry("V_" + win, clauseRule) && Code34(clauseRule) == "<<") return WindowResult::Consumed;
    return WindowResult::Shrink;
}

void TransferRun::Stage4Items(const WordRecord& rule) {
    const std::string f8 = rule.field8.str();
    for (std::size_t p = f8.find('='); p != std::string::npos; p = f8.find('=', p + 1)) {
        const int c = Named(DigitBefore(f8, p));
        if (c != 0 && p + 3 <= f8.size()) SetCode(c, f8.substr(p + 1, 2));
    }
}

// ------------------------------------------------------ stage 2 directives

bool TransferRun::Stage2Directives(WordRecord& rule, const std::string& window, bool& inPlace) {
    std::string f8 = rule.field8.str();
    auto find = [&](std::string_view d) { return f8.find(d); };
    constexpr auto npos = std::string::npos;
    // Clause named by the digit before / after a directive at p of length len.
    auto before = [&](std::size_t p) { return Named(DigitBefore(f8, p)); };
    auto after = [&](std::size_t p, std::size_t len) { return Named(DigitAt(f8, p + len)); };
    auto keyOf = [&](int c) { return Lower(Clause(c).key.view()); };
    auto set = [&](int c, std::string_view key, std::string_view meaning, std::string_view code) {
        SetReading(Clause(c), key, meaning, code);
        SetCode(c, code.substr(2, 2));
    };
    auto replaceBy = [&](int c, const WordRecord& entry) {
        Clause(c) = entry;
        if (entry.code.size() >= 4) SetCode(c, Code34(entry));
    };
    WordRecord entry;

    // ---- directives that change clauses in place ----
    if (std::size_t p = find("?(called)"); p != npos)
        if (int c = before(p); c && (keyOf(c) == "called" || keyOf(c) == "named")) {
            set(c, "called(2)", "isimli", "..V5..");
            inPlace = true;
        }
    if (std::size_t p = find("?(over"); p != npos)
        if (int c = before(p); c && (keyOf(c) == "over" || keyOf(c) == "off")) {
            const bool lastOnly = f8.compare(p, 8, "?(overr)") == 0;
            if ((!lastOnly || c == ClauseCount()) && FindEntry(Clause(c).key.str() + "(2)", entry)) {
                replaceBy(c, entry);
                inPlace = true;
            }
        }
    if (std::size_t p = find("?(so)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "so") {
            set(c, "so(2)", "de", "..YS..");
            inPlace = true;
        }
    // "d+XY" (XY one of BB, FF, F*): the entry a's key + "+" + XY re-reads
    // clause a, which keeps its own key. The "+" becomes "0" in the rule so
    // the item is carried out once a sentence.
    for (std::string_view item : {"+BB", "+FF", "+F*"}) {
        const std::size_t p = find(item);
        if (p == npos) continue;
        f8[p] = '0';
        rule.field8 = f8;
        EditRule(rule);
        if (int c = before(p); c && FindEntry(Clause(c).key.str() + std::string(item), entry)) {
            const std::string key = Clause(c).key.str();
            replaceBy(c, entry);
            Clause(c).key = key;
            inPlace = true;
        }
    }
    if (!rule.field4.empty() && !rule.field5.empty() && rule.field4 != rule.field5 && rule.field5.size() >= 2 &&
        current_ <= ClauseCount()) {
        const std::string want = rule.field5.str().substr(0, 2);
        const ClauseCode& code = codes_[static_cast<std::size_t>(current_)];
        if (code.view().substr(0, 2) != want) {
            SetCode(current_, want);
            return true;
        }
    }
    if (std::size_t p = find("<U+>"); p != npos)
        if (int a = before(p), b = after(p, 4); a && b && a != b) {
            WordRecord& ra = Clause(a);
            const WordRecord& rb = Clause(b);
            const bool never = keyOf(b) == "never";
            if (never) Clause(b).meaning = "hiç"_cp;
            ra.key = rb.key.str() + " " + ra.key.str();
            ra.field8 = ra.field8.str() + ",z*<" + rb.meaning.str() + ">,";
            if (!never) RemoveClause(b);
            return true;
        }
    if (std::size_t p = find("<x>x"); p != npos) {
        std::vector<int> order;
        for (std::size_t i = p + 4; i < f8.size() && IsDigit(f8[i]); ++i) order.push_back(Named(f8[i] - '0'));
        const bool valid = !order.empty() && std::find(order.begin(), order.end(), 0) == order.end() &&
                           current_ + static_cast<int>(order.size()) - 1 <= ClauseCount();
        if (valid) {
            std::vector<WordRecord> recs;
            std::vector<ClauseCode> codes;
            std::vector<FixedText<10>> flags;
            for (int c : order) {
                recs.push_back(Clause(c));
                codes.push_back(codes_[static_cast<std::size_t>(c)]);
                flags.push_back(s_.WordFlags[static_cast<std::size_t>(c)]);
            }
            for (std::size_t i = 0; i < order.size(); ++i) {
                const int c = current_ + static_cast<int>(i);
                Clause(c) = recs[i];
                codes_[static_cast<std::size_t>(c)] = codes[i];
                s_.WordFlags[static_cast<std::size_t>(c)] = flags[i];
                if (Clause(c).code.At(4) == 'U') {
                    Clause(c).code = "..Z*..";
                    SetCode(c, "Z*");
                }
            }
            return true;
        }
    }
    if (std::size_t p = find("<h>"); p != npos)
        if (int a = before(p), b = after(p, 3); a && b && keyOf(b) == "got") {
            WordRecord& rb = Clause(b);
            rb.Clear();
            SetReading(rb, "have", "sahip ol", "..PH..");
            rb.field2 = "*";
            rb.field5 = "1";
            rb.field6 = "91ee";
            SetCode(b, "PH");
            WordRecord& ra = Clause(a);
            const bool have = keyOf(a) == "have";
            ra.Clear();
            SetReading(ra, have ? "do" : "did", "yap", "..PD..");
            ra.field2 = "*";
            ra.field5 = have ? "1" : "5";
            ra.field6 = have ? "11ll" : "52ll";
            SetCode(a, "PD");
            return true;
        }
    if (std::size_t p = find("<z>"); p != npos)
        if (int a = before(p), b = after(p, 3); a && b && a != b) {
            Clause(b).field8 = Clause(b).field8.str() + ",z*<" + Clause(a).meaning.str() + ">,";
            RemoveClause(a);
            return true;
        }
    if (find("<d>") != npos) {
        // Each "d" item: later clauses first, so removals do not move the
        // clauses the earlier items name.
        std::vector<std::pair<int, int>> items;
        for (std::size_t p = find("<d>"); p != npos; p = f8.find("<d>", p + 3))
            if (int a = before(p), b = after(p, 3); a && b && a != b) items.emplace_back(a, b);
        std::sort(items.begin(), items.end(), [](auto x, auto y) { return x.first > y.first; });
        for (auto [a, b] : items) {
            if (a > ClauseCount() || b > ClauseCount()) continue;
            Clause(b).field6.SetAt(2, keyOf(a) == "did" ? '2' : '1');
            RemoveClause(a);
        }
        if (!items.empty()) return true;
    }
    if (std::size_t p = find("<f9>"); p != npos)
        if (int a = before(p); a) {
            WordRecord is;
            SetReading(is, "is", "", "..PY..");
            is.field6 = "is";
            InsertClauseAfter(a, is, "PY");
            WordRecord& ra = Clause(a);
            std::string key = ra.key.str();
            key.resize(key.size() >= 2 ? key.size() - 2 : 0);
            SetReading(ra, key, key, "..A*..");
            ra.field6 = "*C";
            SetCode(a, "A*");
            return true;
        }
    if (std::size_t p = find("<BQ>"); p != npos)
        if (int a = before(p), b = after(p, 4), q = Named(DigitAt(f8, p + 5)); a && b && q) {
            WordRecord& rq = Clause(q);
            rq.Clear();
            SetReading(rq, "will", "*", "04PC..");
            rq.field2 = "*";
            rq.field6 = "B";
            SetCode(q, "PC");
            const std::string ka = keyOf(a);
            Clause(b).field6 = ka == "you" ? "1B" : ka == "them" ? "1E" : "1C";
            return true;
        }
    for (auto [item, code] : {std::pair<std::string_view, std::string_view>{"<th>", "XW"}, {"<n9>", "n9"}}) {
        if (std::size_t p = find(item); p != npos)
            if (int a = before(p); a) {
                WordRecord rec;
                SetReading(rec, item == "<th>" ? "that" : "n9", "*", ".." + std::string(code) + "..");
                rec.field2 = "*";
                InsertClauseAfter(a, rec, code);
                return true;
            }
    }
    if (std::size_t p = find("<pf"); p != npos) {
        if (window.find("PPF*") != npos) {
            f8.replace(p, 3, "<**");
            rule.field8 = f8;
            EditRule(rule);
        } else if (int a = before(p), b = after(p, 3); a && b) {
            WordRecord& rb = Clause(b);
            const WordRecord& ra = Clause(a);
            if (p + 6 < f8.size() && f8[p + 6] == 'i') {
                rb.code = "..Pé.."_cp;
                SetCode(b, "Pé"_cp);
                const char f = rb.field6.At(1);
                rb.meaning = rb.meaning.str() + (std::string_view("02478:").find(f) != npos && f ? "me" : "ma");
            }
            if (!rb.field7.contains("ek=")) {
                const bool first = p + 4 < f8.size() && f8[p + 4] == '*';
                const char letter = first ? ra.code.At(3) : ra.code.At(4);
                if (letter && std::string_view("efglst").find(letter) != npos) {
                    std::string ending = EndingOf(e_, std::string(1, letter), rb.meaning.view());
                    const std::string_view f7 = rb.field7.view();
                    const bool softY = f7 == "su" || f7 == "sü"_cp || f7 == "sı"_cp || f7 == "si" ||
                                       rb.meaning.view().ends_with("leri") || rb.meaning.view().ends_with("ları"_cp);
                    if (!ending.empty() && ending[0] == 'y' && softY) ending[0] = 'n';
                    std::string m = rb.meaning.str();
                    if (letter == 's' || letter == 't') m += ' ';
                    else if (rb.key.starts_with("*")) m += '\'';
                    rb.meaning = m + std::string(text::Trim(ending));
                    rb.field7 = rb.field7.str() + ",ek=" + Cut(text::Trim(ending), 10);
                }
            }
            inPlace = true;
        }
    }
    if (std::size_t p = find("<pBB"); p != npos)
        if (int a = before(p), b = after(p, 4); a && b) {
            const char l = text::AsciiUpperChar(Clause(a).code.At(3));
            if (l >= 'A' && l <= 'Z') {
                std::string bk = Clause(b).key.str();
                RemoveFirst(bk, "(2)");
                if (FindEntry("Y" + std::string(1, l) + "_" + bk, entry)) {
                    Clause(b).meaning = entry.meaning.view();
                    inPlace = true;
                }
            }
        }
    if (std::size_t p = find("?(fiiller)"); p != npos && p >= 1)
        if (int c = before(p); c) {
            std::string key = keyOf(c);
            for (auto [from, to] : {std::pair<std::string_view, std::string_view>{"(d)", "d"}, {"(ed)", "ed"},
                                    {"(ing)", "ing"}})
                key = text::ReplaceAll(key, from, to);
            if (FindEntry(key + "(3)", entry)) {
                const std::string k = Clause(c).key.str() + "(3)";
                replaceBy(c, entry);
                Clause(c).key = k;
                inPlace = true;
            } else if (p >= 2) {
                // Without a "(3)" reading, an "it" clause named by the digit
                // two places before "?(" loses its Turkish text (the verb
                // carries the subject); both clauses otherwise stay as they
                // are, so no entry at a stale look-up index is read.
                if (int it = Named(DigitAt(f8, p - 2)); it && keyOf(it) == "it") {
                    Clause(it).meaning = "*";
                    inPlace = true;
                }
            }
        }

    // ---- directives that rebuild the pattern and start a new pass ----
    if (std::size_t p = find("?(FF)"); p != npos)
        if (int c = before(p); c == 1 && Clause(c).code.At(3) == 'F') {
            Clause(c).code = "..A*..";
            SetCode(c, "A*");
            return true;
        }
    if (std::size_t p = find("?(that)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "that") {
            set(c, "", "", "..QD..");
            return true;
        }
    if (std::size_t p = find("?(about)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "about") {
            set(c, "about(2)", "üzere"_cp, "..VV..");
            return true;
        }
    if (std::size_t p = find("?(please)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "please(1)") {
            set(c, "please(ps)", "lütfen"_cp, "..PS..");
            return true;
        }
    if (std::size_t p = find("?(may)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "may") {
            WordRecord& r = Clause(c);
            r.key = "may(p)";
            r.code = "..PC..";
            r.field6 = "D";
            SetCode(c, "PC");
            if (c + 2 <= ClauseCount() && keyOf(c + 2) == "have") set(c + 2, "have(p)", "al", "..PP..");
            return true;
        }
    if (std::size_t p = find("?(been)"); p != npos)
        if (int c = before(p); c && keyOf(c) == "been") {
            if (c + 1 <= ClauseCount() && FindEntry(keyOf(c + 1) + "(3)", entry)) replaceBy(c + 1, entry);
            WordRecord& r = Clause(c);
            SetReading(r, "been(y)", "", "..PB..");
            r.field6 = "6P66";
            SetCode(c, "PB");
            return true;
        }
    for (std::string_view d : {"?(going)", "?(able)"}) {
        const std::size_t p = find(d);
        if (p == npos) continue;
        const int c = before(p);
        if (!c) continue;
        const std::string k = keyOf(c);
        if (k != "going" && k != "justgoing" && k != "able1") continue;
        WordRecord& r = Clause(c);
        const bool past = c >= 2 && (keyOf(c - 1) == "was" || keyOf(c - 1) == "were");
        if (k == "able1") {
            r.key = "can";
            r.code = "..PC..";
            r.field6 = "D";
        } else if (past && k != "justgoing") {
            r.key = "would";
            r.code = "..PW..";
            r.field6 = "Z";
        } else {
            r.key = "will";
            r.code = "..PC..";
            r.field6 = "B";
        }
        SetCode(c, r.code.view().substr(2, 2) == "PW" ? "PW" : "PC");
        std::string newF8;
        if (window.find("PYPIGGPP") != npos || window.find("PYPLGGPP") != npos) newF8 = "12<d>3";
        for (std::string_view w : {"PYTNPIGGPP", "PYA*PIGGPP", "PYTNPLGGPP", "PYA*PLGGPP"})
            if (window.find(w) != npos) newF8 = "13<d>4";
        for (std::string_view w : {"PYTNA*PIGGPP", "PYTNA*PLGGPP"})
            if (window.find(w) != npos) newF8 = "14<d>5";
        if (!newF8.empty()) {
            rule.field8 = newF8;
            for (std::size_t i = 0; i < newF8.size(); ++i) {
                if (newF8[i] != 'd' || i < 2) continue;
                for (int twice = 0; twice < 2; ++twice)
                    if (int gone = Named(DigitAt(newF8, i - 2)); gone) RemoveClause(gone);
            }
        }
        return true;
    }
    for (std::size_t p = find("_"); p != npos; p = f8.find('_', p + 1)) {
        const int a = before(p), b = after(p, 1);
        if (!a || !b || a == b) continue;
        const std::string key = Clause(a).key.str() + "__" + Clause(b).key.str();
        const bool found = FindEntry(key, entry);
        Trace2("T==2..2_3.left__open.." + key + (found ? "-->True" : "-->False"));
        if (found) {
            replaceBy(a, entry);
            Clause(b).meaning = " ";
            RemoveClause(b);
            return true;
        }
    }
    if (std::size_t p = find("<A*>"); p != npos)
        if (int a = before(p), b = after(p, 4); a && b && a != b) {
            f8.replace(p, 4, "<**>");
            rule.field8 = f8;
            EditRule(rule);
            WordRecord& ra = Clause(a);
            const WordRecord& rb = Clause(b);
            ra.key = ra.key.str() + " " + rb.key.str();
            ra.meaning = ra.meaning.str() + " " + rb.meaning.str();
            ra.code = "..A*..";
            SetCode(a, "A*");
            RemoveClause(b);
            return true;
        }
    if (std::size_t p = find("<F+>"); p != npos && GroupDirective(rule, p, "<F+>")) return true;
    if (std::size_t p = find("<IA>"); p != npos)
        if (int a = before(p), b = after(p, 4); a && b && a != b &&
                                                FindEntry(Clause(a).key.str() + "+BB+" + Clause(b).key.str(), entry)) {
            replaceBy(a, entry);
            RemoveClause(b);
            return true;
        }
    if (std::size_t p = find("<wh>"); p != npos)
        if (int a = before(p); a && current_ + 1 <= ClauseCount() &&
                                   keyOf(current_) + "_" + keyOf(current_ + 1) == "i_wish") {
            const int q = Named(DigitAt(f8, p + 5));
            const bool laterSubjunctive =
                q > 3 && (Clause(q).field6.At(1) == '5' || Clause(q).field6.At(1) == 'D');
            if (Clause(a).field6.At(2) == '2' || laterSubjunctive) {
                Clause(a).field6.SetAt(2, '8');
                set(current_, "i_wish", "keşke"_cp, "..YY..");
                RemoveClause(current_ + 1);
                return true;
            }
        }
    if (std::size_t p = find("<hp"); p != npos)
        if (int a = before(p), b = after(p, 3); a && b && a != b) {
            const std::string k = keyOf(a) + "_" + keyOf(b);
            if (k == "i_hope" || k == "i_think") {
                set(a, k, k == "i_hope" ? "inşallah"_cp : "zannedersem", "..YY..");
                RemoveClause(b);
                return true;
            }
        }
    if (std::size_t p = find("<P+>"); p != npos && GroupDirective(rule, p, "<P+>")) return true;
    return false;
}

// ------------------------------------------------------ stage 3 directives

bool TransferRun::Stage3Directives(WordRecord& rule) {
    std::string f8 = rule.field8.str();
    if (std::size_t p = f8.find("<FQ/"); p != std::string::npos && p >= 1) {
        std::string keys;
        std::size_t start = p;
        while (start >= 1 && IsDigit(f8[start - 1])) --start;
        bool valid = start < p;
        for (std::size_t i = start; i < p; ++i) {
            const int c = Named(f8[i] - '0');
            if (!c) valid = false;
            else keys += (keys.empty() ? "" : "_") + Clause(c).key.str();
        }
        if (valid && e_.LookUpEnglish("Z_" + keys)) {
            f8.replace(p, 4, "<FQ>");
            rule.field8 = f8;
            EditRule(rule);
        }
    }
    for (std::string_view d : {"<FQ>", "<F+>"}) {
        if (std::size_t p = f8.find(d); p != std::string::npos && GroupDirective(rule, p, d)) return true;
    }
    return false;
}

// -------------------------------------------------------- group directives

bool TransferRun::GroupDirective(WordRecord& rule, std::size_t pos, std::string_view name) {
    const std::string f8 = rule.field8.str();
    std::vector<int> second;
    for (std::size_t i = pos + name.size(); i < f8.size() && IsDigit(f8[i]); ++i) second.push_back(Named(f8[i] - '0'));
    const std::size_t n = second.size();
    if (n == 0 || n > pos) return false;
    std::vector<int> sentence;
    for (std::size_t i = pos - n; i < pos; ++i) sentence.push_back(IsDigit(f8[i]) ? Named(f8[i] - '0') : 0);
    for (const auto* list : {&second, &sentence})
        if (std::find(list->begin(), list->end(), 0) != list->end()) return false;

    std::string english;
    std::string sentenceCodes;
    for (int c : sentence) {
        english += Clause(c).key.str() + " ";
        sentenceCodes += codes_[static_cast<std::size_t>(c)].view().substr(0, 2);
    }
    english = std::string(text::Trim(english));

    // Save every clause record, code and the counters.
    s_.SavedClauseTable = s_.OrderedTable;
    s_.SavedClauseTable[0] = s_.CurrentRecord;
    const auto savedCodes = codes_;
    const auto savedFlags = s_.WordFlags;
    const int savedCounter = clauseCounter_;
    const int savedCurrent = current_;
    const std::string savedPatterns[3] = {pattern_, window_, result_};

    bool sentenceOrder = false;
    if (name == "<F+>") {
        WordRecord probe;
        sentenceOrder = FindEntry("V_" + sentenceCodes, probe);
    }
    const std::vector<int>& order = sentenceOrder ? sentence : second;
    for (auto& slot : s_.OrderedTable) slot.Clear();
    for (auto& code : codes_) code.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = static_cast<std::size_t>(order[i]);
        s_.OrderedTable[i + 1] = s_.SavedClauseTable[from];
        codes_[i + 1] = savedCodes[from];
    }

    std::string turkish;
    if (name == "<F+>") {
        turkish = GroupF(static_cast<int>(n), english, sentenceCodes, sentenceOrder);
    } else if (name == "<P+>") {
        turkish = GroupP(static_cast<int>(n));
    } else {
        turkish = GroupQ(static_cast<int>(n));
    }
    // Restore everything saved.
    s_.OrderedTable = s_.SavedClauseTable;
    s_.CurrentRecord = s_.SavedClauseTable[0];
    s_.OrderedTable[0].Clear();
    codes_ = savedCodes;
    s_.WordFlags = savedFlags;
    clauseCounter_ = savedCounter;
    current_ = savedCurrent;
    pattern_ = savedPatterns[0];
    window_ = savedPatterns[1];
    result_ = savedPatterns[2];

    const int f = sentence.front();
    WordRecord& rf = Clause(f);
    rf.meaning = turkish;
    rf.key = english;
    const std::string_view fallback = name == "<P+>" ? "..PP.." : "..FI..";
    rf.code = rule.field7.empty() ? fallback : std::string_view(Cut(rule.field7.view(), 8));
    if (name != "<F+>") rf.field8 = english;
    codes_[static_cast<std::size_t>(f)] = Code34(rf);
    std::vector<int> others(sentence.begin() + 1, sentence.end());
    std::sort(others.begin(), others.end(), std::greater<int>());
    others.erase(std::unique(others.begin(), others.end()), others.end());
    for (int c : others)
        if (c != f) RemoveClause(c);
    return true;
}

std::string TransferRun::GroupF(int n, const std::string& english, const std::string&, bool sentenceOrder) {
    const std::string user = e_.LookUpUserSentence(english, 0);
    if (user != "***") return user;
    std::string idiom = english;
    std::replace(idiom.begin(), idiom.end(), ' ', '_');
    WordRecord entry;
    if (FindEntry("Z_" + idiom, entry)) return entry.meaning.str();
    std::string codes;
    for (int c = 1; c <= n; ++c) codes += codes_[static_cast<std::size_t>(c)].view().substr(0, 2);
    if (FindEntry("V_" + codes, entry)) {
        // The template may name the slot after the group: it holds a copy
        // of the group's last clause.
        if (n + 1 <= kMaxWords && n >= 1) s_.OrderedTable[static_cast<std::size_t>(n + 1)] = Clause(n);
        (void)sentenceOrder;
        s_.CurrentRecord = entry;
        return e_.ApplyOrderedTemplate();
    }
    std::string text;
    for (int c = 1; c <= n; ++c) text += " " + Clause(c).meaning.str();
    return text;
}

std::string TransferRun::GroupP(int n) {
    WordRecord& first = Clause(1);
    WordRecord& last = Clause(n);
    std::string w1 = first.key.str();
    for (auto [from, to] : {std::pair<std::string_view, std::string_view>{"(s)", "s"}, {"(ed)", "ed"}, {"(ing)", "ing"}})
        w1 = text::ReplaceAll(w1, from, to);
    const std::string w2 = last.key.str();
    for (std::string_view ending : {"s", "ed"}) {
        if (!w1.ends_with(ending) || w1.size() <= ending.size()) continue;
        const std::string stem = w1.substr(0, w1.size() - ending.size());
        if (e_.LookUpEnglishExact(stem) < 2) continue;
        if (const long idx = e_.LookUpEnglishExact(stem + "_to_" + w2); idx >= 1) {
            e_.DecodeRuleRecord(idx);
            return s_.RuleRecord.meaning.str();
        }
        break;
    }
    // No verb pair (also when the first verb's stem is not an entry): the
    // second verb's meaning with the infinitive ending, or the dative verbal
    // noun ending when the first verb asks for it, then the first verb.
    s_.InflectionCode.SetAt(4, last.field6.empty() ? '0' : last.field6.At(1));
    const std::string letter = first.field6.At(3) == 'e' ? "d" : "c";
    last.meaning = last.meaning.str() + EndingOf(e_, letter, last.meaning.view());
    return last.meaning.str() + " " + first.meaning.str();
}

std::string TransferRun::GroupQ(int n) {
    std::string code = "Z";
    for (int c = 1; c <= n; ++c) code += codes_[static_cast<std::size_t>(c)].view().substr(0, 2);
    s_.TransferCode = code;
    s_.TurkishBufferB.clear();
    stages_.AssembleSentence(e_, s_.TransferCode.view(), 3);
    return s_.TurkishBufferB.str() + ", ";
}

}  // namespace zelmor::en_tr::transfer
