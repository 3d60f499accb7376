// English generation: verb-pattern templates give the English of each
// clause, module templates join clauses into sentences, and the verb-phrase
// builders turn a clause's code into auxiliaries, negation and verb forms.
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
using text::TrimRight;

namespace {

// Code letters of a clause, read by position.
struct Code {
    const std::string& s;
    char person() const { return At(s, 1); }
    char aux() const { return At(s, 2); }
    char tense() const { return At(s, 3); }
    char form() const { return At(s, 4); }
    bool negative() const { return At(s, 5) == 'B' || At(s, 5) == 'b'; }
    bool question() const { return At(s, 6) == '?'; }
    char extra() const { return At(s, 7); }
};

std::string AuxWord(char letter) {
    if (letter >= 'A' && letter <= 'Z') return std::string(kTrAuxWords[static_cast<std::size_t>(letter - 'A')]);
    return {};
}

bool IsVowel(char c) { return c && Contains("aeiou", std::string(1, c)); }

// "ing" after the first word; a silent final "e" goes (come -> coming, but
// see -> seeing, be -> being).
std::string AddIng(std::string t) {
    t = std::string(Trim(t));
    std::size_t sp = t.find(' ');
    std::size_t end = sp == std::string::npos ? t.size() : sp;
    if (end >= 3 && t[end - 1] == 'e' && !IsVowel(t[end - 2]) && t[end - 2] != 'y') {
        t.erase(end - 1, 1);
        --end;
    }
    t.insert(end, "ing");
    return t;
}

// Third person singular present of the first word of a verb text.
std::string ThirdPerson(std::string v) {
    v = std::string(Trim(v));
    std::size_t sp = v.find(' ');
    std::string head = v.substr(0, sp), tail = sp == std::string::npos ? "" : v.substr(sp);
    if (head.empty()) return v;
    char last = head.back();
    if (last == 'y' && head.size() > 1 && !IsVowel(head[head.size() - 2])) {
        head.pop_back();
        head += "ies";
    } else if (last == 'h' || last == 'o' || last == 's' || last == 'x') {
        head += "es";
    } else {
        head += "s";
    }
    return head + tail;
}

void Append(std::string& out, std::string_view piece) {
    if (Trim(piece).empty()) return;
    out += std::string(piece);
    if (out.empty() || out.back() != ' ') out += ' ';
    if (out.size() > kOutputMax) out.resize(kOutputMax);
}

}  // namespace

// ---------------------------------------------------------------------------
// Verb-pattern templates

std::string TrEnEngine::RunTrVerbTemplate(std::string_view key, std::size_t clause_start) {
    if (!LookupTrEntry(key, 2)) return {};
    DecodeTrEntry(Target::Last);
    TrEntry verb = TrLastEntry;
    return RunTrVerbTemplate(verb, clause_start, TrWordCount);
}

std::string TrEnEngine::RunTrVerbTemplate(const TrEntry& verb, std::size_t first, std::size_t last) {
    if (Tracing()) TrTraceAnalysis.push_back(Counter() + "0--->" + verb.Joined());
    if (TrSentenceState != '$') TrSentenceState = 'D';
    if (Mid(verb.EK, 3, 4) != "<<") return {};
    (void)last;
    auto word = [&](char d) -> std::size_t {
        if (!IsDigit(d)) return 0;
        std::size_t n = first + static_cast<std::size_t>(d - '0');
        return (n >= 1 && n <= TrWordCount && HasEntrySlot(n) && n < kCodeSlots) ? n : 0;
    };
    std::string out;
    std::size_t current = 0;
    const std::string& t = verb.ING;
    // A word's marked extra text: its DING when it begins with "*", else the
    // preposition the case analysis left in YED ("*in "). The mark is blanked
    // once used.
    auto ding = [&](std::size_t n) -> std::string {
        if (n == 0) return {};
        for (std::string* f : {&E(n).DING, &E(n).YED}) {
            if (!f->empty() && (*f)[0] == '*') {
                std::string shown = f->substr(1);
                f->clear();
                return shown;
            }
        }
        return {};
    };
    for (std::size_t p = 0; p < t.size(); ++p) {
        char ch = t[p];
        auto next = [&](std::size_t k) { return p + k < t.size() ? t[p + k] : '\0'; };
        if (IsDigit(ch)) {
            if (std::size_t n = word(ch)) Append(out, E(n).ING);
        } else if (ch == '*' && IsDigit(next(1))) {
            if (std::size_t n = word(next(1))) {
                Append(out, E(n).ING);
                current = n;
            }
            ++p;
        } else if (ch >= 'A' && ch <= 'Z') {
            Append(out, AuxWord(ch));
        } else if (ch == 'y') {
            Append(out, ding(current));
        } else if (ch >= 'a' && ch <= 'w') {
            Append(out, kTrSmallWords[static_cast<std::size_t>(ch - 'a')]);
        } else if (ch == '<') {
            if (IsDigit(next(1))) ++p;
            if (IsDigit(next(1))) ++p;
        } else if (ch == '!') {
            char a = next(1);
            if (a == '"') {
                Append(out, verb.YED);
                ++p;
            } else if (a == 'G' && IsDigit(next(2))) {
                if (std::size_t n = word(next(2))) Append(out, AddIng(E(n).ING));
                p += 2;
            } else if (a == 'y' && IsDigit(next(2))) {
                Append(out, ding(word(next(2))));
                p += 2;
            } else if (IsDigit(a)) {
                std::size_t n = word(a);
                char op = next(2);
                std::size_t m = word(next(3));
                p += 2;
                bool two = op == 'L' || op == 'V' || op == 'X' || op == 'b' || op == 'x';
                if (two) ++p;
                if (n == 0) continue;
                TrEntry& e = E(n);
                switch (op) {
                    case 'B': e.ING = Cut(e.YAD, kIngMax); break;
                    case 'C': {
                        std::string s = e.ING;
                        if (At(K1(n), 2) == 'S') {
                            if (At(e.YING, 1) == '1') s += "s";
                            if (At(e.YING, 1) == '2') s += "es";
                        }
                        if (!e.YAD.empty() && e.YAD[0] == '_') s += " " + e.YAD.substr(1);
                        Append(out, s);
                        break;
                    }
                    case 'G': Append(out, AddIng(e.ING)); break;
                    case 'L': if (m) E(n).YING = E(m).YING; break;
                    case 'V': if (m) Append(out, Comparison(n, m)); break;
                    case 'X': {
                        std::string d = Mid(e.EK, 1, 2);
                        if (d == "05") {
                            if (m && At(E(m).EK, 3) == 'V') Append(out, "very ");
                        } else if (d == "01") {
                            Append(out, (m && At(E(m).YING, 2) == '2') ? "an" : "a");
                        } else if (d == "02" && m && At(K1(m), 2) == 'S') {
                            Append(out, StartsWith(e.key, "b") ? "these" : "those");
                        } else {
                            Append(out, e.ING + (At(K1(n), 3) == 'Z' ? "th" : ""));
                        }
                        break;
                    }
                    case 'Y':
                        if (!e.DING.empty() && e.DING[0] == '*') e.DING.clear();
                        break;
                    case 'b':
                        if (m) {
                            if (K1(m).empty()) K1(m) = "0001AO0";
                            char c1 = At(e.YING, 1) ? At(e.YING, 1) : '.';
                            SetAt(K1(m), 1, c1);
                            SetAt(K1(m), 7, c1);
                        }
                        break;
                    case 'c': K1(n) = Cut(e.YING, kCodeMax); break;
                    case 'd': Append(out, e.key); break;
                    case 'k': {
                        std::string& c = K1(n);
                        SetAt(c, 6, '?');
                        if (Mid(c, 2, 3) == "A1") {
                            if (At(c, 1) == 'C') {
                                SetAt(c, 2, 'C');
                                SetAt(c, 4, '0');
                            } else {
                                SetAt(c, 2, 'B');
                                SetAt(c, 3, 'W');
                            }
                        } else if (Mid(c, 2, 3) == "A2") {
                            SetAt(c, 2, 'G');
                            SetAt(c, 3, '1');
                        }
                        break;
                    }
                    case 't': {
                        char p7 = At(K1(n), 7), y1 = At(e.YING, 1);
                        bool the = !(p7 >= 'A' && p7 <= 'E') && e.ING != "it" && y1 != 't';
                        if (y1 == '@') the = Contains(e.YING, "T");
                        if (the) Append(out, "the");
                        break;
                    }
                    case 'x': if (m) K1(m) = K1(n); break;
                    case 'y': {
                        bool next_s = n + 1 <= TrWordCount && At(E(n + 1).EK, 3) == 'S';
                        if (!next_s) Append(out, ding(n));
                        break;
                    }
                    default: break;
                }
            }
        }
    }
    return std::string(Trim(out));
}

std::string TrEnEngine::Comparison(std::size_t first, std::size_t second) const {
    const TrEntry& a = TrWordEntries.at(first);
    const TrEntry& b = TrWordEntries.at(second);
    char sel = At(b.YING, 2);
    if (At(a.EK, 4) == '1') {
        if (sel == 'A') return b.YAD;
        if (sel == 'B') return " " + b.ING + "er";
        if (sel == 'C') return "more " + b.ING;
        return b.ING;
    }
    std::string out = "the ";
    if (sel == 'A') return out + b.DING;
    if (sel == 'B') return out + b.ING + "est ";
    if (sel == 'C') return out + "most " + b.ING;
    return out + b.ING;
}

// ---------------------------------------------------------------------------
// Verb-phrase builders

std::string TrEnEngine::BeForm(std::size_t c, char tense, bool with_c0) const {
    Code k{Katek.at(c)};
    std::string key{k.person() ? k.person() : 'C', tense ? tense : '1'};
    if (key == "C0" && !with_c0) return {};
    for (const auto& f : kTrBeForms)
        if (f.key == key) return std::string(f.word) + (k.negative() ? " not" : "");
    return {};
}

// The have table: the question column gives the do-form that opens a
// question ("does", "did not"); otherwise a question takes the bare form and
// a statement the negative prefix with its form ("does not have").
std::string TrEnEngine::HaveForm(std::size_t c, bool question_column) {
    Code k{K1(c)};
    char person = k.person();
    if (person == 'B' || person == 'D' || person == 'E' || person == '\0') person = 'A';
    char tense = k.tense() == '2' ? '2' : '1';
    char pol = k.negative() ? 'b' : 'A';
    char mood = (question_column || k.question()) ? '?' : 'O';
    std::string key{person, tense, pol, mood};
    for (const auto& f : kTrHaveForms) {
        if (f.key != key) continue;
        if (question_column) return f.before.empty() ? std::string() : std::string(f.before) + " ";
        if (mood == '?') return std::string(f.form) + " ";
        std::string out;
        if (!f.before.empty()) out = std::string(f.before) + " ";
        return out + std::string(f.form) + " ";
    }
    return {};
}

std::string TrEnEngine::QuestionDo(std::size_t c) const {
    Code k{Katek.at(c)};
    char a = k.aux();
    if (a == 'A') a = k.person() == 'C' ? 'C' : 'B';
    if (a == 'B') return "do";
    if (a == 'C') return "does";
    if (a == 'G') return "did";
    return AuxWord(a);
}

std::string TrEnEngine::VerbPhrase(std::size_t c) {
    Code k{K1(c)};
    const TrEntry& cl = TrClauseTable.at(c);
    std::string verb = cl.ING;
    std::string neg = k.negative() ? "not " : "";
    auto be = [&](char tense) {
        std::string key{k.person() ? k.person() : 'C', tense};
        for (const auto& f : kTrBeForms)
            if (f.key == key) return std::string(f.word) + " ";
        return std::string("is ");
    };
    if (k.form() == '7') return be('1') + neg + "able to " + verb;
    if (k.form() == 'x') return be(k.tense() == '2' ? '2' : '1') + neg + "going to " + verb;
    if (k.form() == 'I') return be('I') + neg + AddIng(verb);
    char a = k.aux();
    if ((a >= 'A' && a <= 'C') || a == 'G') {
        std::string out;
        if (k.negative()) {
            char aux = a;
            if (aux == 'A') aux = (k.person() == 'C' && k.form() == 'S') ? 'C' : 'B';
            out = AuxWord(aux) + " not ";
        }
        if (k.extra() == 'h') out += "have to ";
        if (k.extra() == 'u') out += "used to ";
        std::string v = verb;
        bool past_form = k.tense() == '2' && (k.extra() == 's' || !IsAsciiLetter(k.extra()));
        if (past_form && !k.negative() && !cl.YAD.empty() && cl.YAD[0] != '_') v = cl.YAD;
        if (!cl.YED.empty() && cl.YED[0] == '_') v += " " + cl.YED.substr(1);
        if (k.form() == 'S' && k.person() == 'C' && !k.negative() && k.extra() != 'h') v = ThirdPerson(v);
        return out + v;
    }
    if (a >= 'M' && a <= 'R') return AuxWord(a) + " " + neg + verb;
    return neg + verb;
}

std::string TrEnEngine::ClauseText(std::size_t c) const { return TrClauseTable.at(c).ING; }

// ---------------------------------------------------------------------------
// Module templates

std::string TrEnEngine::RunTrModuleTemplate(const TrEntry& module, std::size_t first_clause) {
    std::string source = ReplaceAll(ReplaceAll(ReplaceAll(TrSourceText, "-", " "), "n9", " "), "_", " ");
    while (Contains(source, "  ")) source = ReplaceAll(source, "  ", " ");
    std::string user = LookupTrUser(source, 0);
    if (user != "***") return user;

    std::string tmpl = module.ING;
    if (!module.YAD.empty() && module.YAD[0] == '+') tmpl += module.YAD.substr(1);
    tmpl = Cut(tmpl, 60);
    Step("**TSORB__" + tmpl);
    for (auto& x : TrClauseExtras) x.clear();

    auto clause = [&](char d) -> std::size_t {
        if (!IsDigit(d) || d == '0') return 0;
        std::size_t c = first_clause + static_cast<std::size_t>(d - '1');
        return (c >= 1 && c <= TrClauseCount) ? c : 0;
    };
    auto english = [&](std::size_t c) -> std::string {
        std::string s = TrClauseTable.at(c).ING;
        if (s == "a lot of") s = "very much";
        if (LookupTrEntry(TrClauseTable.at(c).key + "(*)", 2)) {
            DecodeTrEntry(Target::Last);
            s = TrLastEntry.ING;
        }
        return s;
    };
    auto person_word = [](char p) -> std::string {
        switch (p) {
            case 'A': return "I";
            case 'B': return "you";
            case 'C': return "it*";
            case 'D': return "we";
            case 'E': return "they";
            default: return {};
        }
    };
    std::string out;
    for (std::size_t p = 0; p < tmpl.size(); ++p) {
        auto at = [&](std::size_t k) { return p + k < tmpl.size() ? tmpl[p + k] : '\0'; };
        char ch = tmpl[p];
        if (ch == '*') {
            if (std::size_t c = clause(at(1))) Append(out, english(c));
            ++p;
            continue;
        }
        if (ch != '@') continue;
        char el = at(1);
        char d1 = at(2), d2 = at(3);
        std::size_t c = clause(d1);
        p += 2;  // element and its first argument
        switch (el) {
            case '"': {
                if (!c) break;
                std::size_t k = kTrConjunctionKeys.find(At(K1(c), 7));
                if (At(K1(c), 7) && k != std::string_view::npos) Append(out, kTrConjunctions[k]);
                break;
            }
            case '$': {
                if (c) {
                    static constexpr std::string_view keys = "ideabwcLIst";
                    static constexpr std::array<std::string_view, 11> words = {
                        "if ", "while ", "unless ", "after ", "before ", "when ", "until ", "from ", "ing ",
                        "since ", "after "};
                    char x = At(K1(c), 7);
                    // 'd' reads "unless", 'e' "while": the table pairs letters in order.
                    std::size_t k = x ? keys.find(x) : std::string_view::npos;
                    if (x == 'd') Append(out, "unless ");
                    else if (x == 'e') Append(out, "while ");
                    else if (k != std::string_view::npos) Append(out, words[k]);
                } else if (d1 == 'D') {
                    Append(out, module.DING);
                } else if (d1 == 'n' && d2 == 'g') {
                    out = std::string(TrimRight(out)) + "ing ";
                    ++p;
                } else if (d1 == 'W' && d2 >= '1' && d2 <= '5') {
                    static constexpr std::array<std::string_view, 5> w = {"it ", "o*clock ", "where ", "when ",
                                                                          "what "};
                    Append(out, w[static_cast<std::size_t>(d2 - '1')]);
                    ++p;
                } else {
                    Append(out, module.YED);
                    --p;  // the character after "$" is not an argument
                }
                break;
            }
            case ',': out = std::string(TrimRight(out)) + ", "; --p; break;
            case '?': if (c) SetAt(K1(c), 6, '?'); break;
            case 'A': {
                std::size_t c2 = clause(d2);
                if (d1 == '=' && clause(d2)) {
                    Append(out, person_word(At(K1(clause(d2)), 1)));
                    ++p;
                } else if (d1 == '>' && c2) {
                    static const std::pair<std::string_view, std::string_view> map[] = {
                        {"their", "they"}, {"my", "i"}, {"your", "you"}, {"our", "us"},
                        {"his", "he"},     {"her", "she"}, {"its", "it"}};
                    std::string t = " " + english(c2) + " ";
                    for (auto& [from, to] : map)
                        if (Contains(t, " " + std::string(from) + " ")) {
                            Append(out, to);
                            break;
                        }
                    ++p;
                } else if (d1 == '<' && c2) {
                    out = TrClauseTable.at(c2).YAD.empty() ? english(c2) : TrClauseTable.at(c2).YAD;
                    out += " ";
                    ++p;
                } else if (c && IsDigit(d2)) {
                    std::size_t slot = static_cast<std::size_t>(d2 - '0');
                    if (slot < TrClauseExtras.size()) TrClauseExtras[slot] = english(c);
                    ++p;
                }
                break;
            }
            case 'B': if (c) Append(out, BeForm(c, At(K1(c), 2) == 'G' ? '2' : At(K1(c), 3), false)); break;
            case 'C':
                if (c) {
                    char f = At(K1(c), 4);
                    Append(out, f == 'I' ? "being " : "be ");
                    const TrEntry& cl = TrClauseTable.at(c);
                    Append(out, cl.DING.empty() ? cl.YAD : cl.DING);
                    if (c < TrClauseExtras.size()) Append(out, TrClauseExtras[c]);
                }
                break;
            case 'D':
                if (c) {
                    Code k{K1(c)};
                    std::string a = k.question() ? QuestionDo(c) : AuxWord(k.aux());
                    Append(out, a + (k.negative() && !k.question() ? " not" : ""));
                }
                break;
            case 'E': if (c && At(K1(c), 6) == 'O' && At(K1(c), 3) == '3') Append(out, "have"); break;
            case 'd': if (c && At(K1(c), 6) == '?' && At(K1(c), 3) == '3') Append(out, "have"); break;
            case 'F':
            case 'f':
                if (c) {
                    Code k{K1(c)};
                    if (!k.question()) Append(out, BeForm(c, k.form() ? k.form() : '1', false));
                    else if (el == 'f') SetAt(K1(c), 6, '?');
                    if (el == 'F') {
                        if (k.extra() == 'L') Append(out, " from ");
                        std::string e = english(c);
                        if (d2 == 't') {
                            if (StartsWith(e, "the ")) e = e.substr(4);
                            ++p;
                        }
                        Append(out, e);
                    }
                }
                break;
            case 'G': if (c) Append(out, AddIng(english(c))); break;
            case 'H': if (c) Append(out, HaveForm(c, false)); break;
            case 'I':
                if (c) {
                    char pp = At(K1(c), 1);
                    Append(out, (pp >= 'A' && pp <= 'E') ? (d2 == '2' ? "whom " : "who ") : "that ");
                    if (IsDigit(d2)) ++p;
                }
                break;
            case 'J':
            case 'O':
                if (c && c < TrClauseExtras.size()) Append(out, TrClauseExtras[c] + (el == 'O' ? " " : ""));
                break;
            case 'L':
                if (c && d2 == 'x' && clause(at(4))) {
                    std::size_t c2 = clause(at(4));
                    if (LookupTrEntry(TrClauseTable.at(c).key + "_" + TrClauseTable.at(c2).key, 0)) {
                        DecodeTrEntry(Target::Last);
                        Append(out, TrLastEntry.ING);
                    }
                    p += 2;
                }
                break;
            case 'M':
                if (c) Append(out, Code{K1(c)}.negative() ? "do not " : "to ");
                break;
            case 'P':
                if (c) {
                    std::string v = VerbPhrase(c);
                    char pp = At(K1(c), 1);
                    if (At(TrClauseTable.at(c).EK, 6) == 'b') {
                        static constexpr std::array<std::string_view, 5> self = {
                            "myself", "yourself", "itself", "ourself", "theirself"};
                        if (pp >= 'A' && pp <= 'E') v += " " + std::string(self[static_cast<std::size_t>(pp - 'A')]);
                    }
                    if (pp >= 'A' && pp <= 'E')
                        v = ReplaceAll(v, "(O)", kTrPossessives[static_cast<std::size_t>(pp - 'A' + 1)]);
                    Append(out, v);
                }
                break;
            case 'R':
                if (c) {
                    std::string code = TrClauseCodes.at(c);
                    for (auto& ch2 : code) if (ch2 == 'b') ch2 = 'B';
                    if (LookupTrEntry("T" + code, 2)) {
                        DecodeTrEntry(Target::Last);
                        Append(out, TrLastEntry.ING);
                    }
                }
                break;
            case 'S':
                if (c && clause(d2)) SetAt(K1(clause(d2)), 1, At(K1(c), 1) ? At(K1(c), 1) : '.');
                if (IsDigit(d2)) ++p;
                break;
            case 'W': if (IsDigit(d2)) ++p; break;
            case 'X': if (c) K1(c) = K3(c); break;
            case 'k':
                if (c && clause(d2)) {
                    TrClauseCodes.at(c) = TrClauseCodes.at(clause(d2));
                    char x = At(K1(c), 7);
                    if (x == 'i') Append(out, "if ");
                    if (x == 'w') Append(out, "when ");
                    ++p;
                }
                break;
            case 'm': if (c) SetAt(K1(c), 7, '*'); break;
            case 'n': if (c) TrClauseCodes.at(c) = Cut(module.YAD, 3); break;
            case '}': if (c) TrClauseCodes.at(c) = Cut(module.YED, 3); break;
            case 'T':
            case 'z':
                if (c) {
                    Code k{K1(c)};
                    std::string aux = BeForm(c, k.form() ? k.form() : '1', false);
                    if (el == 'z') {
                        if (k.question()) Append(out, aux);
                    } else if (k.question()) {
                        Append(out, aux);
                        Append(out, english(c));
                    } else {
                        Append(out, english(c));
                        Append(out, aux);
                    }
                }
                break;
            case 'V':
                if (c) {
                    char pp = At(K1(c), 1);
                    Append(out, pp == 'A' ? "let me " : pp == 'D' ? "let us " : "let ");
                    if (Code{K1(c)}.negative()) Append(out, " not ");
                }
                break;
            case 'Y':
                if (c && d2 == 'Y' && clause(at(4))) {
                    std::string e = ReplaceAll(" " + english(clause(at(4))) + " ", " from ", " than ");
                    Append(out, Trim(e));
                    Append(out, QuestionDo(c));
                    p += 2;
                } else if (c) {
                    Code k{K1(c)};
                    if (k.aux() == 'M') Append(out, "may");
                    else if (k.aux() == 'N') Append(out, "would");
                    else Append(out, BeForm(c, k.tense() == '2' ? '2' : '1', true));
                }
                break;
            case 'a':
                if (c && clause(d2)) {
                    std::string e = " " + TrClauseTable.at(c).ING + " ";
                    static constexpr std::array<std::pair<std::string_view, char>, 6> poss = {
                        {{"my", 'A'}, {"your", 'B'}, {"his", 'C'}, {"her", 'C'}, {"its", 'C'}, {"their", 'E'}}};
                    for (auto& [w, person] : poss)
                        if (Contains(e, " " + std::string(w) + " ")) {
                            e = ReplaceAll(e, " " + std::string(w) + " ", " ");
                            SetAt(K1(clause(d2)), 1, person);
                            break;
                        }
                    TrClauseTable.at(c).ING = Cut(Trim(e), kIngMax);
                    ++p;
                }
                break;
            case 'b':
                if (c) {
                    static constexpr std::string_view obj[] = {"me", "you", "it", "us", "them"};
                    char pp = At(K1(c), 1);
                    if (pp >= 'A' && pp <= 'E') Append(out, obj[pp - 'A']);
                }
                break;
            case 'c': if (c) Append(out, TrClauseTable.at(c).YAD); break;
            case 'h': if (c) Append(out, HaveForm(c, true)); break;
            case 'p':
                if (c) {
                    std::string code = K1(c);
                    if (code == "P4+W3" || code == "P4=W3") Append(out, "where ");
                    else if (code == "P4+W4" || code == "P4=W4") Append(out, "when ");
                    else if (code == "P4+W5" || code == "P4=W5") Append(out, "what ");
                    else if (LookupTrEntry("P4=" + TrClauseTable.at(c).key, 2)) {
                        DecodeTrEntry(Target::Last);
                        Append(out, TrLastEntry.ING);
                    }
                }
                break;
            case 'q':
                if (c && !Contains(module.ING + module.YAD, "<?=O>")) {
                    SetAt(K1(c), 6, '?');
                    if (At(K1(c), 1) == 'A') SetAt(K1(c), 1, 'B');
                }
                break;
            case '[':
                if (c && clause(d2) && clause(at(4))) {
                    std::size_t c2 = clause(d2), c3 = clause(at(4));
                    std::string second = TrClauseTable.at(c2).key;
                    std::size_t sp = second.rfind(' ');
                    if (sp != std::string::npos) second = second.substr(sp + 1);
                    if (LookupTrEntry(TrClauseTable.at(c).key + "+" + second + "+" + TrClauseTable.at(c3).key, 1)) {
                        DecodeTrEntry(Target::Last);
                        TrClauseTable.at(c3).ING = TrLastEntry.ING;
                        TrClauseTable.at(c3).YAD = TrLastEntry.YAD;
                    }
                    p += 2;
                }
                break;
            default:
                if (static_cast<unsigned char>(el) == 0xE9) {  // "é"
                    if (d1 == 'r' && clause(d2)) {
                        TrEntry& cl = TrClauseTable.at(clause(d2));
                        if (StartsWith(cl.ING, "of ")) cl.ING = cl.ING.substr(3);
                        ++p;
                    } else if (d1 == 'A') {
                        Append(out, TrSpareEntry.YAD);
                    } else if (d1 == 'B') {
                        Append(out, TrSpareEntry.YED);
                    }
                }
                break;
        }
    }
    return std::string(Trim(out));
}

std::string TrEnEngine::RunTrNounTemplate(std::size_t first, std::size_t last) {
    std::string key = "Z";
    std::string turkish;
    for (std::size_t c = first; c <= last && c <= TrClauseCount; ++c) {
        key += "_" + TrClauseTable.at(c).YDEK;
        if (c < TrSentenceWords.size()) turkish += TrSentenceWords[c] + " ";
    }
    std::string user = LookupTrUser(turkish, 0);
    if (user != "***") return user;
    key = ReplaceAll(key, "-", " ");
    key = ReplaceAll(key, "<GD>,", "");
    // "<..>," marks are removed as well.
    for (std::size_t p = key.find('<'); p != std::string::npos; p = key.find('<', p)) {
        std::size_t q = key.find(">,", p);
        if (q == std::string::npos) break;
        key.erase(p, q + 2 - p);
    }
    key = ReplaceAll(std::string(Trim(key)), " ", "_");
    if (key.size() < kKeyMax && LookupTrEntry(key, 0)) {
        DecodeTrEntry(Target::Last);
        return TrLastEntry.ING;
    }
    if (!TrSpareEntry2.ING.empty()) return RunTrModuleTemplate(TrSpareEntry2, first);
    std::string out;
    for (std::size_t c = first; c <= last && c <= TrClauseCount; ++c) Append(out, TrClauseTable.at(c).ING);
    return std::string(Trim(out));
}

// ---------------------------------------------------------------------------
// Sentence assembly

void TrEnEngine::RemoveClause(std::size_t c) {
    if (c < 1 || c > TrClauseCount) return;
    for (std::size_t k = c; k + 1 <= TrClauseCount; ++k) {
        TrClauseTable.at(k) = TrClauseTable.at(k + 1);
        TrClauseCodes.at(k) = TrClauseCodes.at(k + 1);
        K1(k) = K1(k + 1);
        K2(k) = K2(k + 1);
        K3(k) = K3(k + 1);
        TrClauseSuffix.at(k) = TrClauseSuffix.at(k + 1);
    }
    TrClauseTable.at(TrClauseCount).Clear();
    TrClauseCodes.at(TrClauseCount).clear();
    if (c < TrSentenceWords.size()) TrSentenceWords.erase(TrSentenceWords.begin() + static_cast<long>(c));
    --TrClauseCount;
}

std::string TrEnEngine::ModuleText(std::size_t first, std::size_t last, const TrEntry* module) {
    if (module) return RunTrModuleTemplate(*module, first);
    // Without a module entry the clauses stand in order; a verb clause gets
    // its verb phrase (tense, person, negation) from its code.
    std::string out;
    for (std::size_t c = first; c <= last; ++c) {
        bool verb = !TrClauseCodes.at(c).empty() && TrClauseCodes.at(c)[0] == 'P' && !K1(c).empty();
        Append(out, verb ? VerbPhrase(c) : TrClauseTable.at(c).ING);
    }
    return std::string(Trim(out));
}

void TrEnEngine::GenerateTrEnglish() {
    if (TrClauseCount == 0) return;
    auto code2 = [&](std::size_t c) { return Cut(TrClauseCodes.at(c) + "..", 2); };
    auto module_pattern = [&]() {
        std::string pat = "W";
        for (std::size_t c = 1; c <= TrClauseCount; ++c) {
            std::string k = code2(c);
            if (c == 1) {
                std::size_t i = std::string_view("EGHIJKLMNRYZ").find(k[1]);
                if (i != std::string_view::npos) k[1] = "eghijklmnryz"[i];
            }
            pat += k;
        }
        return pat;
    };
    std::string pattern = module_pattern();

    std::string turkish;
    for (std::size_t k = 1; k < TrSentenceWords.size(); ++k) turkish += TrSentenceWords[k] + " ";
    turkish = ReplaceAll(ReplaceAll(turkish, "_", " "), "n9", "");
    std::string user = LookupTrUser(Trim(turkish), 0);
    if (user != "***") {
        TrOutputBody = Cut(user, kOutputMax);
        TrSentenceState = 'W';
        return;
    }
    TrSentenceState = '0';
    TrOutputHead.clear();
    auto module_entry = [&](const std::string& key, TrEntry& found) {
        if (!LookupTrEntry(key, 2)) return false;
        DecodeTrEntry(Target::Last);
        if (!Contains(TrLastEntry.EK, "<>")) return false;
        found = TrLastEntry;
        return true;
    };
    TrEntry module;
    if (module_entry(pattern, module)) {
        TrOutputBody = Cut(RunTrModuleTemplate(module, 1), kOutputMax);
        TrSentenceState = 'W';
        if (Tracing()) AddTraceSorted(TrTraceGeneration, Counter() + "1=" + pattern + std::string("-->True(hazır modul)"_cp));
        return;
    }
    if (Tracing()) AddTraceSorted(TrTraceGeneration, Counter() + "1=" + pattern + std::string("-->False(modul hazır değil"_cp));

    bool moved = false;
    while (TrClauseCount >= 1 && (code2(1) == "YY" || code2(1) == "N1")) {
        if (TrClauseTable.at(1).ING != ",") TrOutputHead += TrClauseTable.at(1).ING + ",";
        RemoveClause(1);
        moved = true;
    }
    if (TrClauseCount >= 1 && code2(TrClauseCount) == "YY") {
        TrOutputTail = TrClauseTable.at(TrClauseCount).ING + " " + TrOutputTail;
        RemoveClause(TrClauseCount);
        moved = true;
    }
    bool first_n1 = true;
    while (TrClauseCount >= 1 && code2(TrClauseCount) == "N1") {
        if (!first_n1) {
            char before = TrClauseCount >= 2 ? code2(TrClauseCount - 1)[0] : '\0';
            if (!before || !Contains("FEVX", std::string(1, before))) break;
        }
        TrOutputTail = TrClauseTable.at(TrClauseCount).ING + " " + TrOutputTail;
        RemoveClause(TrClauseCount);
        moved = true;
        first_n1 = false;
    }
    if (TrClauseCount == 0) {
        TrOutputBody.clear();
        TrSentenceState = 'W';
        return;
    }
    if (moved) {
        std::string rest = module_pattern();
        std::string z = rest;
        std::replace(z.begin(), z.end(), 'W', 'Z');
        if (module_entry(rest, module) || module_entry(z, module)) {
            TrOutputBody = Cut(RunTrModuleTemplate(module, 1), kOutputMax);
            TrSentenceState = 'W';
            return;
        }
    }

    // Modules: runs of clauses with a "W" entry, else cut by the clause codes.
    struct Module {
        std::size_t first, last;
        bool has_entry;
        TrEntry entry;
        std::string code;
    };
    std::vector<Module> modules;
    std::string marks;
    for (std::size_t c = 1; c <= TrClauseCount;) {
        Module m{c, c, false, {}, code2(c)};
        for (std::size_t end = TrClauseCount; end > c; --end) {
            std::string sub = "W";
            for (std::size_t k = c; k <= end; ++k) sub += code2(k);
            TrEntry e;
            if (LookupTrEntry(sub, 2)) {
                DecodeTrEntry(Target::Last);
                if (Mid(TrLastEntry.EK, 3, 4) == "<>") {
                    m = {c, end, true, TrLastEntry, TrLastEntry.YAD.empty() ? code2(c) : Cut(TrLastEntry.YAD, 2)};
                    break;
                }
            }
        }
        if (!m.has_entry) {
            std::size_t end = c;
            while (end + 1 <= TrClauseCount) {
                std::string cur = code2(end), nx = code2(end + 1);
                if (nx == "N1" || nx == "YY" || nx[0] == 'Z' || nx[0] == 'R') break;
                if ((cur == "FH" || cur == "P2" || cur == "P8" || cur == "PM") && (nx == "PP" || nx[0] == 'V')) break;
                if (cur == "PM" && nx == "O5") break;
                if (cur == "PP" && nx == "PY") break;
                if (cur == "R3" && (nx == "QA" || nx == "QC")) break;
                if (cur == "R3" && nx[0] == 'A' && end + 2 <= TrClauseCount && code2(end + 2)[0] == 'Q') break;
                ++end;
            }
            m.last = end;
            std::string sub = "W";
            for (std::size_t k = c; k <= end; ++k) sub += code2(k);
            if (LookupTrEntry(sub, 2)) {
                DecodeTrEntry(Target::Last);
                if (Contains(TrLastEntry.EK, "<>")) {
                    m.has_entry = true;
                    m.entry = TrLastEntry;
                }
            }
        }
        marks += std::to_string(m.first) + "-" + std::to_string(m.last) + ";";
        c = m.last + 1;
        modules.push_back(std::move(m));
    }
    if (Tracing())
        AddTraceSorted(TrTraceGeneration, Counter() + "2=" + pattern + "--->MODLL-->" + marks + "-->modul-1");
    std::vector<std::string> texts;
    std::string sentence_key = "W";
    for (auto& m : modules) {
        texts.push_back(ModuleText(m.first, m.last, m.has_entry ? &m.entry : nullptr));
        sentence_key += m.code;
        if (Stepping())
            Step("WDRT_AL() G.MODUL ", std::string("W") + m.code + "-->" + pattern +
                                           (m.has_entry ? std::string() : std::string("-->kayıt yok"_cp)));
    }
    std::string body;
    bool planned = false;
    if (modules.size() > 1 && LookupTrEntry(sentence_key, 2)) {
        DecodeTrEntry(Target::Last);
        const std::string plan = TrLastEntry.ING;
        if (Tracing()) AddTraceSorted(TrTraceGeneration, Counter() + "4-" + "=" + sentence_key + "--->" + pattern);
        for (std::size_t p = 0; p + 4 < plan.size(); ++p) {
            if (plan[p] != '$' || plan[p + 1] != '(' || plan[p + 4] != ')') continue;
            std::string kind = plan.substr(p + 2, 2);
            char d = p + 5 < plan.size() ? plan[p + 5] : '\0';
            p += 4;
            if (kind == "\",") {
                body += ", ";
                continue;
            }
            if (!IsDigit(d) || d == '0') continue;
            ++p;
            std::size_t n = static_cast<std::size_t>(d - '1');
            if (n >= modules.size()) continue;
            std::string t = texts[n];
            if (kind == "N1") t = ReplaceAll(t, "YOKSA", "OR,");
            if (kind == "T?") {
                std::string code = text::AsciiUpperCase(modules[n].code);
                t = LookupTrEntry("MF_" + code, 2) ? (DecodeTrEntry(Target::Last), TrLastEntry.ING) : std::string();
            }
            body += t + " ";
        }
        planned = true;
    } else if (Tracing()) {
        AddTraceSorted(TrTraceGeneration, Counter() + "4-" + "=" + sentence_key + "--->" + std::string("kayıt yok"_cp));
    }
    if (!planned)
        for (auto& t : texts) body += t + " ";
    TrOutputBody = Cut(Trim(body), kOutputMax);
    TrSentenceState = 'W';
    if (Tracing()) AddTraceSorted(TrTraceGeneration, Counter() + "5-" + "=" + TrOutputBody);
}

}  // namespace zelmor::tr_en
