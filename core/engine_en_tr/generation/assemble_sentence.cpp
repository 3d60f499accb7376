#include "core/engine_en_tr/generation/assemble_sentence.h"

#include "core/engine_en_tr/generation/generate_clause.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;

namespace {

bool Has(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }
bool StartsWith(std::string_view text, std::string_view what) { return text.substr(0, what.size()) == what; }
bool EndsWith(std::string_view text, std::string_view what) {
    return text.size() >= what.size() && text.substr(text.size() - what.size()) == what;
}
char CharAt(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }
/// The two class letters of a record code (positions 3-4); shorter codes
/// (an empty slot past the last item) give what they have.
std::string ClassLetters(const std::string& code) { return code.size() > 2 ? code.substr(2, 2) : std::string(); }
std::string Trimmed(std::string_view s) { return std::string(text::Trim(s)); }
/// Module and word numbers in elements: "0" + number.
char NumberChar(int n) { return static_cast<char>('0' + n); }

class Assembler {
public:
    Assembler(GenerationState& st, GenerationServices& sv, int mode) : st_(st), sv_(sv), mode_(mode) {}
    void Run();

private:
    void Trace(const std::string& line) {
        if (sv_.Tracing()) sv_.Trace(TraceSection::Log3, std::to_string(sv_.TraceCounter()) + line);
    }
    int Pairs() const { return pattern_.size() > 1 ? static_cast<int>(pattern_.size() - 1) / 2 : 0; }
    /// Looks up a whole-pattern key: "W" key (a hit needs "<>" in its code),
    /// then the "Z" key, then the "A*" form of a "ZF1PP" key.
    bool WholePattern(std::string& key);
    void RemoveFirstPair();
    void RemoveLastPair();
    void ModuleSearch();
    void ModuleRecords();
    void Rewrites();
    int ModuleCount() const {
        int k = 1;
        while (k < static_cast<int>(kOrderedSlots) && !st_.ModuleRecords[static_cast<std::size_t>(k)].Key.empty()) ++k;
        return k - 1;
    }
    std::string Kinds() const;
    void RemoveModule(int k);
    void Execute(const std::string& arrangement);
    void GenerateModule(int k, const std::string& element, char kind);
    void CaseTags(const std::string& tags, std::string& output, bool ek);

    GenerationState& st_;
    GenerationServices& sv_;
    int mode_;
    std::string pattern_;
    std::array<char, kOrderedSlots> markers_{};
    std::string last_key_;
    bool last_found_ = false;
};

std::string Assembler::Kinds() const {
    std::string k;
    for (int m = 1; m <= ModuleCount(); ++m) {
        const std::string& code = st_.ModuleRecords[static_cast<std::size_t>(m)].Code;
        for (std::size_t i = 5; i < 7; ++i) {
            const char c = CharAt(code, i);
            k += c == '\0' ? '.' : c;
        }
    }
    return k;
}

bool Assembler::WholePattern(std::string& key) {
    const GenerationRecord* r = sv_.LookUpEnglish(key);
    if (r && !Has(r->Code, "<>")) r = nullptr;
    if (!r && !key.empty()) {
        key[0] = 'Z';
        r = sv_.LookUpEnglish(key);
        if (!r && StartsWith(key, "ZF1PP")) {
            std::string alt = key;
            alt.replace(0, 3, "WA*");
            r = sv_.LookUpEnglish(alt);
            if (r) {
                key = alt;
                if (pattern_.size() >= 3) pattern_.replace(1, 2, "A*");
                if (st_.TransferCode.size() >= 3) st_.TransferCode.replace(1, 2, "A*");
            }
        }
    }
    if (r) {
        st_.CurrentRecord = *r;
        if (mode_ == 2) st_.CurrentRecord.Field8 = (st_.CurrentRecord.Field8 + "dtm=2").substr(0, 55);
    }
    return r != nullptr;
}

void Assembler::RemoveFirstPair() {
    for (std::size_t i = 1; i + 1 < kOrderedSlots; ++i) st_.OrderedTable[i] = st_.OrderedTable[i + 1];
    st_.OrderedTable[kOrderedSlots - 1] = GenerationRecord{};
    pattern_.erase(1, 2);
    if (st_.TransferCode.size() >= 3) st_.TransferCode.erase(1, 2);
}

void Assembler::RemoveLastPair() {
    pattern_.resize(pattern_.size() >= 3 ? pattern_.size() - 2 : 1);
    if (st_.TransferCode.size() >= 3) st_.TransferCode.resize(st_.TransferCode.size() - 2);
}

void Assembler::Run() {
    // Phase 1: entry and short-cuts.
    if (st_.SentenceState == '$' && st_.TransferDone) return;
    for (auto& m : st_.ModuleList) m = {0, 0};
    markers_.fill('0');
    st_.SentenceState = '0';
    pattern_ = st_.TransferCode.substr(0, 100);
    if (!pattern_.empty()) pattern_[0] = 'W';
    std::string key = Trimmed(pattern_);
    if ((mode_ == 2 || mode_ == 3) && !key.empty()) key[0] = 'Z';
    if (key.empty() || key == "W") {
        st_.SentenceState = 'W';
        st_.TurkishBufferB = " ";
        return;
    }
    last_found_ = WholePattern(key);
    last_key_ = key;

    std::string plain;
    for (int i = 1; i <= Pairs(); ++i) plain += st_.OrderedTable[static_cast<std::size_t>(i)].Key + " ";
    plain = text::ReplaceAll(Trimmed(plain), "_", " ");
    plain = Trimmed(text::ReplaceAll(plain, "n9", ""));
    if (const std::string user = sv_.LookUpUserSentence(plain); user != "***") {
        st_.TurkishBufferB = user;
        st_.SentenceState = 'W';
        return;
    }

    // Phase 2: lead and trail words.
    st_.ResultPrefix.clear();
    st_.ResultSuffix.clear();
    auto classes = [&](int slot) { return ClassLetters(st_.OrderedTable[static_cast<std::size_t>(slot)].Code); };
    while (pattern_.size() > 1 &&
           (classes(1) == "YY" || classes(1) == "N1" || (classes(1) == "F*" && classes(2) == "N1"))) {
        std::string meaning = st_.OrderedTable[1].Meaning;
        if (meaning == ",") meaning.clear();
        if (!meaning.empty()) st_.ResultPrefix += meaning + ",";
        RemoveFirstPair();
    }
    if (pattern_ == "W") {
        st_.SentenceState = 'W';
        return;
    }
    auto last_meaning = [&] { return st_.OrderedTable[static_cast<std::size_t>(Pairs())].Meaning; };
    if (EndsWith(pattern_, "YY")) {
        st_.ResultSuffix = last_meaning();
        RemoveLastPair();
    }
    if (EndsWith(pattern_, "N1")) {
        st_.ResultSuffix = last_meaning() + st_.ResultSuffix;
        RemoveLastPair();
    }
    if (EndsWith(pattern_, "N1F*")) {
        do {
            st_.ResultSuffix = last_meaning() + st_.ResultSuffix;
            RemoveLastPair();
        } while (EndsWith(pattern_, "N1") && pattern_.size() > 1);
    }
    if (!st_.ResultPrefix.empty() || !st_.ResultSuffix.empty()) {
        key = Trimmed(pattern_);
        last_found_ = WholePattern(key);
        last_key_ = key;
    }
    if (last_found_) {
        GenerateClause(st_, sv_, "Z");
        st_.SentenceState = 'W';
        st_.TurkishBufferB = st_.ClauseText;
        Trace("1=" + last_key_ + std::string("-->True(hazır modul)"_cp));
        return;
    }
    Trace("1=" + last_key_ + std::string("-->False(modul hazır değil "_cp));
    for (std::string_view lead : {"WFFPP", "WFFPCPP", "WFFPCTNPP", "WFFPDTNPP"}) {
        if (!StartsWith(pattern_, lead)) continue;
        pattern_.replace(1, 2, "A*");
        if (st_.TransferCode.size() >= 3) st_.TransferCode.replace(1, 2, "A*");
        break;
    }
    {
        const std::string zkey = "Z" + pattern_.substr(1);
        if (const GenerationRecord* r = sv_.LookUpEnglish(zkey); r && Has(r->Code, "<>")) {
            st_.CurrentRecord = *r;
            GenerateClause(st_, sv_, zkey);
            st_.TurkishBufferB = st_.ClauseText;
            st_.SentenceState = 'W';
            return;
        }
    }

    ModuleSearch();
    ModuleRecords();
    Rewrites();

    // Phase 5 (continued): noun modules at the edges.
    std::string kinds = Trimmed(Kinds());
    if (kinds.empty()) {
        st_.SentenceState = 'W';
        return;
    }
    while (StartsWith(kinds, "Z*") || StartsWith(kinds, "N1")) {
        for (int j = st_.ModuleList[1].first; j <= st_.ModuleList[1].second; ++j)
            st_.ResultPrefix += " " + st_.OrderedTable[static_cast<std::size_t>(j)].Meaning;
        st_.ResultPrefix += ",";
        RemoveModule(1);
        kinds = Trimmed(Kinds());
    }
    if (kinds.empty()) {
        st_.SentenceState = 'W';
        return;
    }
    while (EndsWith(kinds, "Z*") || EndsWith(kinds, "N1")) {
        const int q = ModuleCount();
        std::string words;
        for (int j = st_.ModuleList[static_cast<std::size_t>(q)].first; j <= st_.ModuleList[static_cast<std::size_t>(q)].second; ++j)
            words += " " + st_.OrderedTable[static_cast<std::size_t>(j)].Meaning;
        st_.ResultSuffix = st_.ResultSuffix.empty() ? " " + words : words + " " + st_.ResultSuffix;
        RemoveModule(q);
        kinds = Trimmed(Kinds());
    }

    // Phase 6: the arrangement.
    std::string arrangement;
    if (!kinds.empty()) {
        if (const GenerationRecord* r = sv_.LookUpEnglish("X" + kinds)) {
            st_.CurrentRecord = *r;
            arrangement = r->Meaning + (StartsWith(r->Field4, "$") ? r->Field4 : std::string());
        } else {
            arrangement = DefaultArrangement(kinds);
        }
    }
    if (!arrangement.empty()) {
        Trace("6=" + st_.ResultPrefix + "+" + arrangement + "+" + st_.ResultSuffix + std::string("--->uygun kalıp var "_cp));
    } else {
        Trace(std::string("5=--->uygun kalıp yok "_cp));
        if (!st_.ResultPrefix.empty() || !st_.ResultSuffix.empty()) {
            st_.TurkishBufferA = " ";
            st_.TurkishBufferB = st_.TurkishBufferA;
        }
        return;
    }
    Execute(arrangement);
}

void Assembler::ModuleSearch() {
    std::string work = pattern_;
    if (!work.empty()) work[0] = ' ';
    const int n = Pairs();
    const int N = n + 1;
    int pos = 0;
    int W = N;
    auto pair_start = [](int p) { return static_cast<std::size_t>(2 * p - 1); };
    do {
        std::string window = work;
        W = N;
        do {
            ++pos;
            std::string win = Trimmed(window.substr(0, std::min(window.size(), pair_start(W))));
            if (pos >= 2 && StartsWith(win, "a*")) {
                win[0] = 'A';
                const std::size_t at = window.find("a*");
                if (at != std::string::npos) {
                    window[at] = 'A';
                    work[at] = 'A';
                    if (at < st_.TransferCode.size()) st_.TransferCode[at] = 'A';
                }
            }
            std::string probe = win;
            if (pos >= 2) {
                const std::size_t q = static_cast<std::size_t>(2 * (pos - 2));
                if (q + 1 < probe.size() && probe.compare(q, 2, "qf") == 0) probe.replace(q, 2, "QF");
            }
            const std::string key = "W" + probe;
            const GenerationRecord* r = sv_.LookUpEnglish(key);
            if (r && r->Code.size() >= 4 && r->Code.compare(2, 2, "<>") == 0) {
                for (int p = 1; p <= W - 1; ++p) work.replace(pair_start(p), 2, "  ");
                markers_[static_cast<std::size_t>(W - 1)] = W - 1 == 1 ? 'N' : 'E';
                pos = W;
                break;
            }
            if (key.size() == 3) {
                work.replace(pair_start(W - 1), 2, "  ");
                markers_[static_cast<std::size_t>(W - 1)] = 'N';
                pos = W;
                break;
            }
            --W;
        } while (W > 1 && pos < N);
    } while (W <= N && pos < N);

    int k = 1;
    st_.ModuleList[1] = {1, 0};
    for (int p = 1; p <= n && k + 1 < static_cast<int>(kOrderedSlots); ++p) {
        if (markers_[static_cast<std::size_t>(p)] == 'E' || markers_[static_cast<std::size_t>(p)] == 'N') {
            st_.ModuleList[static_cast<std::size_t>(k)].second = p;
            ++k;
            st_.ModuleList[static_cast<std::size_t>(k)] = {p + 1, 0};
        }
    }
    std::string marks;
    for (int p = 0; p <= n; ++p) marks += markers_[static_cast<std::size_t>(p)];
    Trace("2=" + st_.TransferCode + "--->MODLL-->" + marks + "-->modul-1");
    for (int m = 1; m < k; ++m) Trace("3=" + st_.TransferCode + "--->W---false-->NMODUL");
}

void Assembler::ModuleRecords() {
    std::string work = st_.TransferCode;
    if (!work.empty()) work[0] = 'W';
    for (std::size_t i = 1; i < kOrderedSlots; ++i) st_.ModuleRecords[i] = GenerationRecord{};
    for (int k = 1; k < static_cast<int>(kOrderedSlots); ++k) {
        const auto [first, last] = st_.ModuleList[static_cast<std::size_t>(k)];
        if (last == 0) break;
        std::string key = "W";
        for (int p = first; p <= last; ++p) {
            std::string pair = work.substr(std::min(work.size(), static_cast<std::size_t>(2 * p - 1)), 2);
            if (!pair.empty() && (pair[0] == 'Y' || pair[0] == 'U')) pair = std::string(1, pair[0]) + "*";
            key += pair;
        }
        GenerationRecord& slot = st_.ModuleRecords[static_cast<std::size_t>(k)];
        if (key != "W") {
            const GenerationRecord* r = sv_.LookUpEnglish(key);
            Trace("4=" + key + "-->MODUL ARAMA");
            if (r) {
                GenerationRecord rec = *r;
                if (rec.Code.size() < 7) rec.Code.resize(7, '.');
                if (rec.Code.compare(5, 2, "D1") == 0) {
                    if (CharAt(st_.ModuleRecords[static_cast<std::size_t>(k - 1)].Code, 5) == 'N') rec.Meaning = rec.Field8;
                    else rec.Code.replace(5, 2, "M?");
                }
                if (rec.Code[5] == '.') rec.Code.replace(5, 2, "M*");
                slot = rec;
            }
        }
        auto builtin = [&](const std::string& rkey, const std::string& code) {
            slot = GenerationRecord{};
            slot.Key = rkey;
            slot.Code = code;
            slot.Meaning = "*1";
        };
        const char c = CharAt(key, 2);
        if (key == "WY*") builtin("WY*", "..Y*.Y*");
        else if (key == "WZ*" || key == "WF*") builtin("WZ*", "..Z*.Z*");
        else if (key == "WN1") builtin("WN1", "..N1.N1");
        else if (key == "WXW") builtin("WXW", "..XW.XW");
        else if (key.size() == 3 && key[1] == 'Q' && Has("1234ACEFHIJ", std::string_view(&c, 1)))
            builtin(key, std::string("..Q") + c + ".Q" + c);
        else if (key.size() == 3 && key[1] == 'H' && Has("?FGHJKLNST", std::string_view(&c, 1)))
            builtin(key, std::string("..H") + c + ".H" + c);
    }
    st_.ModuleKinds = "X" + Kinds();
    if (st_.ModuleKinds != "X") {
        if (const GenerationRecord* r = sv_.LookUpEnglish(st_.ModuleKinds)) {
            const std::string text = r->Meaning + (StartsWith(r->Field4, "$") ? r->Field4 : std::string());
            Trace("5=" + st_.ModuleKinds + "-->" + text + "--->XMODUL var ");
        } else {
            Trace("5=" + st_.ModuleKinds + "-->--->XMODUL yok ");
        }
    }
}

void Assembler::RemoveModule(int k) {
    for (std::size_t i = static_cast<std::size_t>(k); i + 1 < kOrderedSlots; ++i) {
        st_.ModuleRecords[i] = st_.ModuleRecords[i + 1];
        st_.ModuleList[i] = st_.ModuleList[i + 1];
    }
    st_.ModuleRecords[kOrderedSlots - 1] = GenerationRecord{};
    st_.ModuleList[kOrderedSlots - 1] = {0, 0};
}

void Assembler::Rewrites() {
    std::string searched = " " + Kinds();
    const int m = ModuleCount();
    const int N = m + 1;
    int pos = 0, W = N, c = 1;
    if (m == 0) return;
    do {
        std::string window = searched;
        W = N;
        do {
            ++pos;
            const std::string win = Trimmed(window.substr(0, std::min(window.size(), static_cast<std::size_t>(2 * W - 1))));
            const std::string key = "RX_" + win;
            const GenerationRecord* r = sv_.LookUpEnglish(key);
            if (r && r->Code.size() >= 4 && r->Code.compare(2, 2, "//") == 0) {
                const GenerationRecord rule = *r;
                const auto x = rule.Field8.find("<X+>");
                bool merged = true;
                if (x != std::string::npos && x > 0) {
                    const int t = (rule.Field8[x - 1] - '0') + c - 1;
                    const int s = (CharAt(rule.Field8, x + 4) - '0') + c - 1;
                    merged = false;
                    if (t >= 1 && s > t && s <= ModuleCount()) {
                        std::string mkey = st_.ModuleRecords[static_cast<std::size_t>(t)].Key +
                                           st_.ModuleRecords[static_cast<std::size_t>(s)].Key.substr(1);
                        if (!mkey.empty()) mkey[0] = 'Z';
                        const GenerationRecord* hit = sv_.LookUpEnglish(mkey);
                        if (!hit && (StartsWith(mkey, "ZF1PP") || StartsWith(mkey, "ZFFPP"))) {
                            mkey.replace(1, 2, "A*");
                            hit = sv_.LookUpEnglish(mkey);
                        }
                        if (hit) {
                            GenerationRecord& slot = st_.ModuleRecords[static_cast<std::size_t>(t)];
                            slot.Key = hit->Key;
                            slot.Meaning = hit->Meaning;
                            slot.Code = hit->Code;
                            slot.Field5 = hit->Field5;
                            st_.ModuleList[static_cast<std::size_t>(t)].second =
                                st_.ModuleList[static_cast<std::size_t>(s)].second;
                            RemoveModule(s);
                            st_.ModuleKinds = " " + Kinds();
                            merged = true;
                        }
                    }
                }
                Trace("5=" + st_.ModuleKinds + (merged ? "--->RX_MODUL var " : "--->RX_MODUL yok "));
                for (std::size_t i = 0; i < std::min(searched.size(), static_cast<std::size_t>(2 * W - 1)); ++i)
                    searched[i] = ' ';
                pos = W;
                break;
            }
            if (win.size() == 2) {
                for (std::size_t i = 0; i < std::min(searched.size(), static_cast<std::size_t>(2 * W - 1)); ++i)
                    searched[i] = ' ';
                pos = W;
                break;
            }
            --W;
        } while (W > 1 && pos < N);
        ++c;
    } while (W <= N && pos < N);
}

void Assembler::CaseTags(const std::string& tags, std::string& output, bool ek) {
    auto apply = [&](char letter) {
        const std::string r = sv_.NounEnding(letter, output);
        if (r.empty()) return;
        st_.SentenceState = r[0];
        const std::string ending = std::string(text::TrimLeft(r.substr(1)));
        if (!ending.empty()) output = std::string(text::TrimRight(output)) + ending + " ";
    };
    if (Has(tags, "<OP")) apply(CharAt(st_.PredicateField, 2));
    if (const auto at = tags.find("<EK"); ek && at != std::string::npos) {
        const int d = CharAt(tags, at + 3) - '0';
        if (d >= 0 && d < 16) apply(CharAt(st_.SavedOrderedTable[static_cast<std::size_t>(d)].Field6, 0));
    }
}

void Assembler::GenerateModule(int k, const std::string& element, char kind) {
    // kind: 'Z' noun module, '*' "$(M*)", '?' "$(M?)", '1' "$(M1)", 'W' plain main module.
    const bool noun = kind == 'Z';
    st_.CurrentRecord = GenerationRecord{};
    if (!noun)
        for (std::size_t i = 0; i < 16; ++i) st_.OrderedTable[i] = GenerationRecord{};
    const auto [first, last] = st_.ModuleList[static_cast<std::size_t>(k)];
    std::size_t slot = 1;
    for (int j = first; j <= last && j < 16 && slot < kOrderedSlots; ++j, ++slot)
        st_.OrderedTable[slot] = st_.SavedOrderedTable[static_cast<std::size_t>(j)];
    if (slot < kOrderedSlots) st_.OrderedTable[slot].Key.clear();

    GenerationRecord& module = st_.ModuleRecords[static_cast<std::size_t>(k)];
    module.Key = Trimmed(module.Key.substr(std::min<std::size_t>(1, module.Key.size())));
    if (kind == '*') {
        for (std::string* f : {&module.Meaning, &module.Field4, &module.Field6, &module.Field8})
            if (f->empty()) *f = " ";
        if (module.Field5.empty()) module.Field5 = "    ";
    }
    GenerationRecord& rec = st_.CurrentRecord;
    rec.Key = noun ? module.Key : "W" + module.Key;
    rec.Code = "..<>..";
    rec.Meaning = module.Meaning;
    rec.Field4 = kind == '1' ? std::string() : module.Field4;
    rec.Field6 = module.Field6;
    rec.Field8 = module.Field8;
    rec.Field5 = noun ? module.Field8.substr(0, 25) : "P" + module.Field5.substr(std::min<std::size_t>(1, module.Field5.size()), 3);

    // Tags of the element (digits count as any digit in the tests).
    const std::string tags = element.substr(0, element.find('+'));
    auto add = [&](const std::string& t) { rec.Field8 = (rec.Field8 + t).substr(0, 55); };
    auto first_word_meaning = [&](char d) -> std::string {
        const int m = d - '0';
        if (m < 0 || m >= static_cast<int>(kOrderedSlots)) return {};
        const int w = st_.ModuleList[static_cast<std::size_t>(m)].first;
        return w >= 0 && w < 16 ? st_.SavedOrderedTable[static_cast<std::size_t>(w)].Meaning : std::string();
    };
    auto simple = [&](std::initializer_list<const char*> list) {
        for (const char* t : list)
            if (Has(tags, t)) add(t);
    };
    if (kind == '*' || kind == '?') {
        if (kind == '*') add(std::string("<X=") + NumberChar(k) + ">");
        simple({"<?=O>", "<O=?>"});
        if (const auto at = tags.find("<MQ>"); at != std::string::npos && std::isdigit(static_cast<unsigned char>(CharAt(tags, at + 4)))) {
            st_.QuestionWordText = first_word_meaning(tags[at + 4]);
            add(std::string("<MQ>") + tags[at + 4]);
        }
        if (const auto at = tags.find("<QM>"); kind == '?' && at != std::string::npos) {
            st_.QuestionWordText = first_word_meaning(CharAt(tags, at + 4)) + " " + first_word_meaning(CharAt(tags, at + 5));
            add(std::string("<MQ>") + CharAt(tags, at + 5));
        }
        simple({"<QE>", "<QC>", "<QI>"});
        if (Has(tags, "<QY>")) add(std::string("<QY>") + CharAt(element, 10));
        if (kind == '*')
            simple({"<HF>", "<HG>", "<HJ>", "<HK>", "<HN>", "<HL>", "<HT>", "<HH>", "<HS>", "<HZ>", "<MX>", "<MY>", "<MK>"});
        else
            simple({"<HF>", "<HK>", "<HJ>", "<HL>", "<HT>", "<HH>", "<HS>"});
    } else if (kind == '1') {
        simple({"<MX>", "<MY>", "<MK>"});
        if (const auto at = tags.find("<AD>"); at != std::string::npos) add(std::string("<AD>") + CharAt(tags, at + 4));
    }
    GenerateClause(st_, sv_, rec.Field8);
    st_.SentenceState = 'W';
}

void Assembler::Execute(const std::string& arrangement) {
    for (std::size_t i = 0; i < 16; ++i) {
        st_.SavedOrderedTable[i] = st_.OrderedTable[i];
        st_.OrderedTable[i] = GenerationRecord{};
    }
    for (auto& v : st_.VerbCodeSlots) v.clear();
    std::string output;
    std::size_t start = arrangement.find('$');
    while (start != std::string::npos) {
        const std::size_t end = arrangement.find('$', start + 1);
        const std::string element = arrangement.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end;
        const int k = CharAt(element, 5) - '0';
        if (k < 0 || k >= static_cast<int>(kOrderedSlots)) continue;
        const int first = st_.ModuleList[static_cast<std::size_t>(k)].first;
        GenerationRecord& word = st_.SavedOrderedTable[static_cast<std::size_t>(first >= 0 && first < 16 ? first : 0)];
        const std::string tags = element.substr(0, element.find('+'));
        const std::string kind = element.substr(0, 5);
        if (kind == "$(YS)") continue;
        if (kind == "$(ZQ)") {
            if (!word.Field4.empty()) word.Meaning = word.Field4;
        } else if (kind == "$(N1)") {
            output += word.Meaning + " ";
        } else if (kind == "$(Z*)") {
            GenerateModule(k, element, 'Z');
            output += st_.ClauseText + " ";
        } else if (StartsWith(kind, "$(Q")) {
            if (Has(tags, "<BR>") && Has(word.Meaning, "kimin")) {
                for (std::size_t i = 0; i < 5 && i < word.Meaning.size(); ++i) word.Meaning[i] = ' ';
                word.Meaning = Trimmed(word.Meaning);
            }
            output += word.Meaning + " ";
        } else if (StartsWith(kind, "$(H") && Has("GHJKLNTZ", std::string_view(&kind[3], 1))) {
            output += word.Meaning + " ";
        } else if (StartsWith(kind, "$(\"")) {
            switch (kind[3]) {
                case ',': output += ", "; break;
                case 'A': output += "kişi "_cp; break;
                case 'E': output += "zaman "; break;
                case 'I': output += "yer "; break;
                case 'L': output += "diye "; break;
                case 'C': {
                    if (Has(word.Key, "..what..how_many..")) {
                        output += "şey "_cp;
                        break;
                    }
                    std::string m = word.Meaning;
                    bool removed = false;
                    if (StartsWith(m, "ne ")) m.erase(0, 3), removed = true;
                    if (StartsWith(m, "kaç tane "_cp)) m.erase(0, 9), removed = true;
                    if (removed) output += Trimmed(m) + " ";
                    break;
                }
                default: break;
            }
        } else if (kind == "$(MW)") {
            GenerateModule(k, "", 'W');
            output += st_.ClauseText + " ";
        } else if (kind == "$(MF)") {
            GenerateModule(k, "", 'W');
        } else if (kind == "$(M*)") {
            GenerateModule(k, element, '*');
            CaseTags(tags, output, true);
            output += st_.ClauseText + " ";
        } else if (kind == "$(M?)") {
            const auto prev = st_.ModuleList[static_cast<std::size_t>(k - 1 >= 0 ? k - 1 : 0)];
            bool done = false;
            if (prev.first == prev.second) {
                std::string key = "Z";
                const auto [first_word, last_word] = st_.ModuleList[static_cast<std::size_t>(k)];
                for (int j = first_word; j <= last_word && j < 16; ++j)
                    key += ClassLetters(st_.SavedOrderedTable[static_cast<std::size_t>(j)].Code);
                if (const GenerationRecord* r = sv_.LookUpEnglish(key)) {
                    const GenerationRecord found = *r;
                    std::size_t slot = 1;
                    for (int j = first_word - 1; j <= last_word && j < 16 && slot < kOrderedSlots; ++j, ++slot)
                        if (j >= 0) st_.OrderedTable[slot] = st_.SavedOrderedTable[static_cast<std::size_t>(j)];
                    st_.CurrentRecord = found;
                    GenerateClause(st_, sv_, found.Field8);
                    st_.SentenceState = 'W';
                    done = true;
                }
            }
            if (!done) GenerateModule(k, element, '?');
            CaseTags(tags, output, false);
            output += st_.ClauseText + " ";
        } else if (kind == "$(M1)") {
            GenerateModule(k, element, '1');
            output += st_.ClauseText + " ";
        }
    }
    st_.SentenceState = 'W';
    st_.TurkishBufferB = output.substr(0, 255);
}

}  // namespace

std::string DefaultArrangement(std::string& kinds) {
    std::string out;
    const std::string xk = "X" + kinds;
    const int count = static_cast<int>(kinds.size() / 2);
    for (int k = 1; k <= count; ++k) {
        const std::size_t j = static_cast<std::size_t>(2 * k - 1);  // position in "X" + kinds
        std::string kind = kinds.substr(j - 1, 2);
        const std::string next = kinds.size() >= j + 3 ? kinds.substr(j + 1, 2) : std::string();
        const char num = NumberChar(k);
        if (k == 1 && kind[0] == 'N') out += std::string("$(Z*)") + num + "+";
        if (kind[0] == 'M') {
            if (kind[1] == '2' || kind[1] == '3') kind[1] = '*';
            out += std::string("$(M") + kind[1] + ")" + num + "+";
        }
        if (kind[0] == 'N' && k > 1) out += std::string("$(N1)") + num + "+";
        if (kind[0] == 'Y' || kind[0] == 'X') out += std::string("$(N1)") + num + "+";
        if (kind[0] == 'H') out += std::string("$(H") + kind[1] + ")" + num + "+";
        if (kind[0] == 'R' || kind[0] == 'W') out += std::string("$(M*)") + num + "+";
        if (kind[0] == 'Q' && (next == "S*" || next == "S1" || next == "S2" || next == "M2" || next == "M?")) {
            out += std::string("$(M*)") + NumberChar(k + 1) + "<?=O><MQ>" + num + "+";
            kinds.replace(j - 1, 2, "M*");
            kinds[j + 1] = 'Z';
            kind = "M*";
        }
        if (kind[0] == 'Q') out += std::string("$(N1)") + num + "+";
        if (kind == "S*" || kind == "S1") out += std::string("$(M*)") + num + "<?=O>" + "+";
        if (kind == "S?") out += std::string("$(M?)") + num + "<O=?>" + "+";
    }
    (void)xk;
    return out;
}

void AssembleSentence(GenerationState& state, GenerationServices& services, int mode) {
    Assembler(state, services, mode).Run();
    if (services.Tracing()) services.SortTrace(TraceSection::Log1);
}

}  // namespace zelmor::en_tr
