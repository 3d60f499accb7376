// The transfer's sentence-level steps and clause formation: the pattern
// check, the sentence-pattern rule, whole-sentence entries, capitalised
// words and names, clause formation over the word classes with the
// word-level rules, and the output step.
#include <algorithm>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/transfer/transfer_run.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::en_tr {

void TransferStages::TransferSentence(EnTrServices& engine) {
    figures_ = TransferFigures{};
    transfer::TransferRun run(engine, *this, figures_);
    run.Run();
}

namespace transfer {

using namespace zelmor::text::literals;
using namespace detail;

namespace {

/// Characters allowed in a class pattern after its leading blank.
constexpr std::string_view kPatternChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789*";
/// Word pairs at whose start a clause window may be shortened.
constexpr std::string_view kShortenPairs[] = {"GI", "GG", "GT", "IA", "IK", "IB", "IJ", "II", "LL", "I2", "I3"};
/// Field-8 items that admit a word-level rule of clause formation.
constexpr std::string_view kWordDirectives[] = {"=",          "++",        "?(that)",       "?(fiiller)", "?(isim)",
                                                "?(something)", "?(last)", "?(justgoing)", "?(overr)",   "?(over)",
                                                "?(like)",    "?(Ping)",   "FFPI"};
/// Most words one clause-formation window can span.
constexpr int kWindowWords = 9;

std::string Code34(const WordRecord& r) {
    std::string out;
    out += r.code.At(3);
    out += r.code.At(4);
    return out;
}

char OrDot(char c) { return c == '\0' ? '.' : c; }

int DigitAt(std::string_view s, std::size_t i) {
    return i < s.size() && IsDigit(s[i]) ? s[i] - '0' : -1;
}

std::string Lower(std::string_view s) { return text::AsciiLowerCase(s); }

}  // namespace

TransferRun::TransferRun(EnTrServices& engine, SentenceStages& stages, TransferFigures& figures)
    : e_(engine), s_(engine.State()), stages_(stages), figures_(figures) {}

// ---------------------------------------------------------------- helpers

WordRecord& TransferRun::Word(int j) {
    if (j < 1 || j > kMaxWords) throw TransferError("word slot out of range");
    return s_.WordTable[static_cast<std::size_t>(j)];
}

WordRecord& TransferRun::Clause(int c) {
    if (c < 1 || c > kMaxWords) throw TransferError("clause slot out of range");
    return s_.OrderedTable[static_cast<std::size_t>(c)];
}

int TransferRun::ClauseCount() const {
    int n = 0;
    while (n + 1 <= kMaxWords && !codes_[static_cast<std::size_t>(n + 1)].empty()) ++n;
    return n;
}

std::string TransferRun::CodePattern() const {
    std::string p = " ";
    const int n = ClauseCount();
    for (int c = 1; c <= n; ++c) {
        const ClauseCode& code = codes_[static_cast<std::size_t>(c)];
        p += OrDot(code.At(1));
        p += OrDot(code.At(2));
    }
    return p;
}

void TransferRun::SetCode(int c, std::string_view two) {
    if (c < 1 || c > kMaxWords || two.size() < 2) return;
    ClauseCode& code = codes_[static_cast<std::size_t>(c)];
    code.SetAt(1, two[0]);
    code.SetAt(2, two[1]);
    const std::size_t at = static_cast<std::size_t>(2 * c - 1);
    for (std::string* p : {&pattern_, &window_, &result_})
        if (at + 1 < p->size() && (*p)[at] != ' ') {
            (*p)[at] = two[0];
            (*p)[at + 1] = two[1];
        }
}

void TransferRun::RemoveClause(int c) {
    if (c < 1 || c > kMaxWords) throw TransferError("clause slot out of range");
    for (int i = c; i < kMaxWords; ++i) {
        const std::size_t u = static_cast<std::size_t>(i);
        s_.OrderedTable[u] = s_.OrderedTable[u + 1];
        s_.ClauseTable[u] = s_.ClauseTable[u + 1];
        s_.WordFlags[u] = s_.WordFlags[u + 1];
        codes_[u] = codes_[u + 1];
    }
    const std::size_t last = static_cast<std::size_t>(kMaxWords);
    s_.OrderedTable[last].Clear();
    s_.ClauseTable[last].Clear();
    s_.WordFlags[last].clear();
    codes_[last].clear();
}

void TransferRun::InsertClauseAfter(int c, const WordRecord& rec, std::string_view code) {
    const int n = ClauseCount();
    if (n >= kMaxWords) throw TransferError("clause table full");
    if (c < 0 || c > n) throw TransferError("clause slot out of range");
    for (int i = n; i > c; --i) {
        const std::size_t u = static_cast<std::size_t>(i);
        s_.OrderedTable[u + 1] = s_.OrderedTable[u];
        s_.ClauseTable[u + 1] = s_.ClauseTable[u];
        s_.WordFlags[u + 1] = s_.WordFlags[u];
        codes_[u + 1] = codes_[u];
    }
    const std::size_t at = static_cast<std::size_t>(c + 1);
    s_.OrderedTable[at] = rec;
    s_.ClauseTable[at].Clear();
    s_.WordFlags[at] = "1C";
    codes_[at] = code;
}

void TransferRun::Trace1(std::string line) {
    if (e_.TraceMode()) s_.TraceLog1.push_back(std::move(line));
}

void TransferRun::Trace2(std::string line) {
    if (e_.TraceMode()) s_.TraceLog2.push_back(std::move(line));
}

bool TransferRun::FindRule(const std::string& key, WordRecord& out) {
    if (!e_.LookUpEnglish(key)) return false;
    out = s_.LookupRecord;
    auto edited = ruleEdits_.find(out.key.str());
    if (edited != ruleEdits_.end()) out = edited->second;
    return true;
}

bool TransferRun::FindEntry(std::string_view key, WordRecord& out) {
    if (!e_.LookUpEnglish(key)) return false;
    out = s_.LookupRecord;
    return true;
}

// ---------------------------------------------------------------- the run

void TransferRun::Run() {
    s_.TransferDone = false;
    s_.TransferCode.clear();
    for (auto* table : {&s_.OrderedTable, &s_.ClauseTable, &s_.TransferTableA, &s_.TransferTableB})
        for (auto& slot : *table) slot.Clear();
    for (auto& slot : s_.TransferSmallTable) slot.Clear();
    for (auto& flags : s_.WordFlags) flags.clear();
    s_.TraceLog2.clear();

    if (!PatternCheck()) return;
    SentencePatternRule();
    int n = RebuildPattern();
    if (WholeSentence(n)) return;
    CapitalisedWords(n);
    Stage1(n);
    ClauseStage(2, 5);
    ClauseStage(3, 3);
    ClauseStage(4, 3);
    Output();
}

bool TransferRun::PatternCheck() {
    const std::string_view p = s_.ClassPattern.view();
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (kPatternChars.find(p[i]) == std::string_view::npos) {
            s_.SentenceState = '$';
            s_.TurkishBufferB = "Karışık cümle..."_cp;
            s_.TransferDone = true;
            return false;
        }
    }
    return true;
}

void TransferRun::SentencePatternRule() {
    const std::string key = "V_" + std::string(text::Trim(s_.ClassPattern.view()));
    Trace1(std::to_string(s_.TraceCounter) + "1-->" + std::to_string(windowCounter_) + "=" + key);
    if (e_.LookUpEnglish(key)) e_.DecodeLast();
}

int TransferRun::RebuildPattern() {
    std::string p = " ";
    int n = 0;
    while (n + 1 <= kMaxWords && !s_.WordTable[static_cast<std::size_t>(n + 1)].IsEmpty()) {
        const WordRecord& w = s_.WordTable[static_cast<std::size_t>(n + 1)];
        p += w.code.size() < 4 ? std::string("**") : Code34(w);
        ++n;
    }
    s_.ClassPattern = p;
    pattern_ = p;
    return n;
}

bool TransferRun::WholeSentence(int n) {
    if (n <= 2) return false;
    std::string key;
    for (int j = 1; j <= n; ++j) {
        if (j > 1) key += '_';
        key += Word(j).key.view();
    }
    WordRecord entry;
    if (!FindEntry(key, entry)) return false;
    // The entry's meaning is the sentence's translation (the joined English
    // keys are only the look-up key).
    s_.SentenceState = '$';
    s_.TurkishBufferB = entry.meaning.view();
    s_.TransferDone = true;
    return true;
}

void TransferRun::SetWordClass(int j, std::string_view two) {
    if (two.size() < 2) return;
    const std::size_t at = static_cast<std::size_t>(2 * j - 1);
    for (std::string* p : {&pattern_, &window_, &result_})
        if (at + 1 < p->size() && (*p)[at] != ' ') {
            (*p)[at] = two[0];
            (*p)[at + 1] = two[1];
        }
    std::string cp = s_.ClassPattern.str();
    if (at + 1 < cp.size()) {
        cp[at] = two[0];
        cp[at + 1] = two[1];
        s_.ClassPattern = cp;
    }
}

void TransferRun::ReplaceWord(int j, const WordRecord& entry) {
    Word(j) = entry;
    if (entry.code.size() >= 4) SetWordClass(j, Code34(entry));
}

void TransferRun::CapitalisedWords(int& n) {
    // Second pattern: lower-cased class letters; capitalised words that did
    // not come from the dictionary show their first letter in upper case,
    // nouns as "Ff".
    std::string second = text::AsciiLowerCase(pattern_);
    for (int j = 1; j <= n; ++j) {
        WordRecord& w = Word(j);
        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
        if (at + 1 >= second.size()) break;
        // The capitals pass marks a capitalised word it did not know with
        // "*", so such a word's case pattern may read "*z" as well as "Az".
        const auto& wc = s_.WordCase[static_cast<std::size_t>(j)];
        if ((wc == "Az" || wc == "*z") && !w.field8.contains("dSRT=")) {
            if (pattern_[at] == 'F') {
                second[at] = 'F';
                second[at + 1] = 'f';
            } else {
                second[at] = text::AsciiUpperChar(second[at]);
            }
        }
        if (w.key.starts_with("*") && w.meaning.At(2) != '*') w.meaning = "*" + w.meaning.str();
    }
    auto item = [&](int j) {
        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
        return at + 1 < second.size() ? second.substr(at, 2) : std::string();
    };
    for (int j = 1; j <= n; ++j) {
        const std::string it = item(j);
        if (!((it == "Pp" && j >= 2) || it == "Ff")) continue;
        WordRecord& w = Word(j);
        const std::string key = w.key.str();
        WordRecord entry;
        if (e_.LookUpEnglish(key)) {
            if (FindEntry(key + "(2)", entry)) ReplaceWord(j, entry);
            continue;
        }
        std::string cls = "F*";
        if (it == "Pp") {
            const std::string name = key.starts_with("*") ? key : "*" + key;
            w.key = name;
            w.meaning = name;
            w.code = "..F*..";
        } else {
            if (w.code.contains(".F9")) cls = "F9";
            if (!key.starts_with("*")) w.key = "*" + key;
            w.meaning = w.key.view();
            w.code = ".." + cls + "..";
        }
        SetWordClass(j, cls);
    }
    // Two capitalised nouns in a row make one name.
    for (int j = 1; j < n;) {
        if (item(j) != "Ff" || item(j + 1) != "Ff") {
            ++j;
            continue;
        }
        WordRecord& a = Word(j);
        const WordRecord& b = Word(j + 1);
        a.key = a.key.str() + " " + b.key.str();
        a.meaning = a.meaning.str() + " " + b.meaning.str();
        for (int k = j + 1; k < n; ++k) {
            Word(k) = Word(k + 1);
            s_.WordCase[static_cast<std::size_t>(k)] = s_.WordCase[static_cast<std::size_t>(k + 1)];
        }
        Word(n).Clear();
        s_.WordCase[static_cast<std::size_t>(n)].clear();
        const std::size_t at = static_cast<std::size_t>(2 * j + 1);
        second.erase(at, 2);
        pattern_.erase(at, 2);
        --n;
    }
    s_.ClassPattern = pattern_;
    s_.WordCount = n;
}

// ------------------------------------------------------ clause formation

void TransferRun::Stage1(int n) {
    // Sweeps: each tries the windows from the longest (W - 1 words, cut to
    // the words left) down to one word and ends at the first window that
    // makes a clause. The window budget of W windows holds for each sweep,
    // not for the whole stage: a budget shared by all sweeps would stop a
    // sentence of three short clauses after its first clause. The stage
    // ends when a sweep makes no clause or no word is left.
    const int W = n + 1;
    int consumed = 0;
    int tried = 0;
    s_.ClauseBase = 0;
    while (consumed < n) {
        // Window and result copies: consumed words as blanks, then at most
        // nine words still to be consumed.
        const int avail = std::min(n - consumed, kWindowWords);
        window_ = " " + std::string(static_cast<std::size_t>(2 * consumed), ' ') +
                  pattern_.substr(static_cast<std::size_t>(2 * consumed + 1), static_cast<std::size_t>(2 * avail));
        result_ = window_;
        bool made = false;
        bool skipPairs = false;
        for (int k = W - 1; k >= 1; --k) {
            const int count = std::min(k, avail);
            ++tried;
            ++windowCounter_;
            if (skipPairs && count > 1) {
                const std::string start = pattern_.substr(static_cast<std::size_t>(2 * consumed + 1), 2);
                if (std::find(std::begin(kShortenPairs), std::end(kShortenPairs), start) != std::end(kShortenPairs))
                    continue;
            }
            const int got = TryStage1Window(consumed + 1, count, skipPairs);
            if (got > 0) {
                consumed += got;
                made = true;
                break;
            }
        }
        if (!made) break;
    }
    figures_.stage1Windows = tried;
}

namespace {
std::string ItemsText(const std::string& copy, int first, int count) {
    std::string out;
    for (int j = first; j < first + count; ++j) {
        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
        if (at < copy.size()) out += copy.substr(at, 2);
    }
    return std::string(text::Trim(out));
}
}  // namespace

int TransferRun::TryStage1Window(int first, int count, bool& skipPairs) {
    std::string window = ItemsText(window_, first, count);
    if (window.empty()) return 0;

    WordRecord rule;
    const std::string r1 = "R1_" + window;
    if (FindRule(r1, rule)) {
        if (Code34(rule) == "//") {
            bool admitted = false;
            for (std::string_view d : kWordDirectives)
                if (rule.field8.contains(d)) admitted = true;
            if (admitted) {
                WordDirectives(rule, first, count);
                window = ItemsText(window_, first, count);
            }
        }
    } else {
        Trace2(r1 + ";..//..;;" + window + ";" + codes_[static_cast<std::size_t>(std::min(clauseCounter_, kMaxWords))].str() +
               ";;;;" + "  DDI");
    }

    WordRecord clauseRule;
    const bool hasClause = FindEntry("V_" + window, clauseRule) && Code34(clauseRule) == "<<";
    const std::string pair = window.substr(0, 2);
    if (std::find(std::begin(kShortenPairs), std::end(kShortenPairs), pair) != std::end(kShortenPairs)) {
        if (std::string_view(text::TrimRight(window_)).ends_with("OO")) {
            const long idx = e_.LookUpEnglishExact("V_" + window);
            if (idx >= 2) {
                e_.DecodeRuleRecord(idx);
                if (Code34(s_.RuleRecord) == "xx") return 0;
            }
        }
        if (!hasClause && window.size() > 2) {
            const long idx = e_.LookUpEnglishExact("V_" + window.substr(2));
            if (idx >= 2) {
                e_.DecodeRuleRecord(idx);
                if (Code34(s_.RuleRecord) == "<<") skipPairs = true;
            }
        }
    }
    if (hasClause && MakeClause(clauseRule, first, count)) return count;
    return 0;
}

void TransferRun::PlainNounReading(int j) {
    WordRecord& w = Word(j);
    WordRecord entry;
    if (FindEntry(w.key.view(), entry) && entry.field5 == "FF") {
        w.meaning = entry.field4.view();
        w.code = "..FF..";
        w.field4.clear();
        w.field5.clear();
        w.field6.clear();
        SetWordClass(j, "FF");
    }
}

void TransferRun::WordDirectives(WordRecord rule, int first, int count) {
    const std::string f8 = rule.field8.str();
    const int last = first + count - 1;
    auto slotOf = [&](int d) { return d >= 1 && first + d - 1 <= last ? first + d - 1 : 0; };

    // "d=XY": one re-classing item a rule; d counts from the word at which
    // the first two letters of field 4 first stand in the window.
    if (std::size_t p = f8.find('='); p != std::string::npos && p >= 1 && IsDigit(f8[p - 1]) && p + 3 <= f8.size()) {
        const std::string xy = f8.substr(p + 1, 2);
        int base = first;
        const std::string window = ItemsText(window_, first, count);
        if (rule.field4.size() >= 2) {
            const std::string marker = rule.field4.str().substr(0, 2);
            for (std::size_t at = 0; at + 1 < window.size(); at += 2)
                if (window.compare(at, 2, marker) == 0) {
                    base = first + static_cast<int>(at / 2);
                    break;
                }
        }
        const int j = base + (f8[p - 1] - '0') - 1;
        if (j >= first && j <= last) SetWordClass(j, xy);
        return;
    }

    for (std::size_t p = f8.find("?("); p != std::string::npos; p = f8.find("?(", p + 2)) {
        const std::size_t close = f8.find(')', p);
        if (close == std::string::npos) break;
        const std::string name = f8.substr(p + 2, close - p - 2);
        const int j = p >= 1 ? slotOf(DigitAt(f8, p - 1)) : 0;
        if (j == 0) continue;
        WordRecord& w = Word(j);
        const std::string key = Lower(w.key.view());
        WordRecord entry;
        if (name == "that") {
            if (key == "that") {
                w.code = "..XW..";
                w.meaning = " ";
                SetWordClass(j, "XW");
            }
        } else if (name == "last") {
            if (key == "last" && FindEntry("last(2)", entry)) ReplaceWord(j, entry);
        } else if (name == "justgoing") {
            // Two digits name the two words; the first takes the joined
            // reading and the second is left without Turkish text.
            const int j1 = p >= 2 ? slotOf(DigitAt(f8, p - 2)) : 0;
            if (j1 != 0 && j1 != j && Lower(Word(j1).key.view()) + key == "justgoing") {
                Word(j1).key = "justgoing";
                Word(j1).meaning = "şimdi"_cp;
                w.meaning = " ";
            }
        } else if (name == "something") {
            if (key == "something" || key == "anything") {
                w.code = "..FN..";
                SetWordClass(j, "FN");
            }
        } else if (name == "like") {
            if (key == "like" || key == "liked") {
                w.meaning = "iste";
                w.field6 = "41ll";
            }
        } else if (name == "isim") {
            if (FindEntry(w.key.str() + "(0)", entry)) {
                const bool plural = w.key.contains("(s)");
                ReplaceWord(j, entry);
                if (plural) {
                    const std::string r = e_.NounEnding("F", Word(j).meaning.view());
                    if (r.size() > 1) Word(j).meaning = Word(j).meaning.str() + r.substr(1);
                }
            } else {
                PlainNounReading(j);
            }
        } else if (name == "fiiller") {
            std::string probe = key + "(2)";
            if (key == "going") probe = "goinggg(2)";
            if (key == "over") probe = "over(1)";
            if (FindEntry(probe, entry))
                ReplaceWord(j, entry);
            else
                PlainNounReading(j);
        } else if (name == "Ping") {
            if (FindEntry(w.key.str() + "(2)", entry)) ReplaceWord(j, entry);
        }
        // "?(overr)", "?(over)": they only admit the rule.
    }

    for (std::size_t p = f8.find("++"); p != std::string::npos; p = f8.find("++", p + 2)) {
        const int j1 = p >= 1 ? slotOf(DigitAt(f8, p - 1)) : 0;
        const int j2 = slotOf(DigitAt(f8, p + 2));
        if (j1 == 0 || j2 == 0) continue;
        const WordRecord& w1 = Word(j1);
        const WordRecord& w2 = Word(j2);
        WordRecord entry;
        if (FindEntry(w1.key.str() + "++" + w2.key.str(), entry) ||
            FindEntry(Code34(w2) + "++" + w1.key.str(), entry))
            ReplaceWord(j2, entry);
    }
}

bool TransferRun::MakeClause(const WordRecord& rule, int first, int count) {
    const int c = clauseCounter_;
    if (c < 1 || c > kMaxWords) throw TransferError("clause table full");
    const std::size_t uc = static_cast<std::size_t>(c);
    const int last = first + count - 1;
    const ClauseCode before = codes_[uc];
    s_.ClauseTable[uc] = rule;
    codes_[uc] = rule.field4.empty() ? std::string("**") : Cut(rule.field4.view(), 3);

    std::string english;
    for (int j = first; j <= last; ++j) {
        if (j > first) english += ' ';
        english += Word(j).key.view();
    }
    s_.CurrentRecord = rule;
    s_.ClauseBase = first - 1;
    const std::string turkish = e_.ApplyTemplate();
    if (s_.SentenceState == 'I') {
        s_.ClauseTable[uc].Clear();
        codes_[uc] = before;
        return false;
    }

    const WordRecord& lw = Word(last);
    WordRecord& rec = Clause(c);
    rec.Clear();
    if (english.size() < 59) rec.key = english;
    rec.meaning = Cut(turkish, 59);
    std::string code;
    code += OrDot(lw.code.At(1));
    code += OrDot(lw.code.At(2));
    code += OrDot(codes_[uc].At(1));
    code += OrDot(codes_[uc].At(2));
    code += OrDot(lw.code.At(5));
    if (rule.key == "V_F*" || rule.key == "V_A*") code += OrDot(lw.code.At(6));
    code[0] = static_cast<char>('0' + c);
    rec.code = code;
    rec.field2 = lw.field2.empty() ? std::string_view("*") : lw.field2.view();
    rec.field4 = lw.field4.empty() ? std::string_view(" ") : lw.field4.view();
    rec.field5 = lw.field5.empty() ? std::string_view(" ") : lw.field5.view();
    rec.field6 = lw.field6.empty() ? std::string_view(" ") : lw.field6.view();
    rec.field7 = lw.field7.empty() ? std::string_view("*") : lw.field7.view();
    rec.field8 = english;
    s_.WordFlags[uc] = s_.ClauseFlags.empty() ? std::string_view("1C") : s_.ClauseFlags.view();

    for (int j = first; j <= last; ++j) {
        const std::size_t at = static_cast<std::size_t>(2 * j - 1);
        for (std::string* p : {&window_, &result_})
            if (at + 1 < p->size()) (*p)[at] = (*p)[at + 1] = ' ';
    }
    s_.ClauseBase = last;

    if (e_.TraceMode()) {
        const std::string prefix = std::to_string(s_.TraceCounter);
        const std::string wc = std::to_string(windowCounter_);
        auto fields = [](const WordRecord& r) {
            return r.key.str() + ";" + r.code.str() + ";" + r.field2.str() + ";" + r.meaning.str() + ";" +
                   r.field4.str() + ";" + r.field5.str() + ";" + r.field6.str() + ";" + r.field7.str() + ";" +
                   r.field8.str();
        };
        Trace1(prefix + "1-->" + wc + "=KAYIT=" + fields(rule));
        Trace1(prefix + "1--->" + wc + "=ENG[" + std::to_string(c) + "]=" + fields(rec));
    }
    ++clauseCounter_;
    ++figures_.clausesFormed;
    return true;
}

// ----------------------------------------------------------------- output

void TransferRun::Output() {
    std::string buffer;
    const int n = ClauseCount();
    for (int c = 1; c <= n; ++c) {
        WordRecord& rec = Clause(c);
        buffer += rec.meaning.view();
        buffer += ',';
        if (rec.code.contains("F") && !rec.field7.contains("ek=")) {
            const std::string english = rec.key.empty() ? rec.field8.str() : rec.key.str();
            if (!english.empty()) {
                const std::string user = e_.LookUpUserSentence(english, 0);
                if (user != "***" && user != rec.meaning.view()) rec.meaning = user;
            }
        }
    }
    s_.TurkishBufferA = buffer;
    if (e_.TraceMode()) std::sort(s_.TraceLog2.begin(), s_.TraceLog2.end());
    std::string code = "W";
    for (int c = 1; c <= n; ++c) {
        code += OrDot(codes_[static_cast<std::size_t>(c)].At(1));
        code += OrDot(codes_[static_cast<std::size_t>(c)].At(2));
    }
    s_.TransferCode = code;
    s_.TransferDone = true;
}

}  // namespace transfer
}  // namespace zelmor::en_tr
