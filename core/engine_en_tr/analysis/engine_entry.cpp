// Entry of the English-Turkish engine: segmentation, the per-sentence
// pipeline and the assembly of the output text.
#include <algorithm>
#include <exception>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;
using text::Trim;

namespace {

// Abbreviations always kept inside a sentence, before the ones of the
// abbreviation file. "U.S." is listed twice on purpose: the set keeps both.
constexpr std::string_view kBuiltInAbbreviations[] = {
    "Mr.",  "Mrs.", "vs.",  "e.g.", "eg.",  "A.D.", "B.A.", "B.S.",  "Dec.", "Dr.",  "Feb",  "fl.",
    "gal.", "i.e.", "Jr.",  "Jan.", "M.D.", "mt.",  "Nov.", "Oct.",  "pop.", "Sept.", "U.S.", "Sr.",
    "lat.", "Ltd.", "etc.", "MR.",  "Miss.", "DR.", "U.S.", "U.N.",  "mr.",  "mrs.",  "p.m.", "a.m."};

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(text::AsciiLowerChar(a[i]));
        unsigned char y = static_cast<unsigned char>(text::AsciiLowerChar(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

constexpr std::string_view kLongSentence = "*Uzun*Cümle,*20*den*fazla*kelime*var ,kısaltınız"_cp;

class ListClearer {
public:
    explicit ListClearer(EnTrState& s) : s_(s) { Clear(); }
    ~ListClearer() { Clear(); }

private:
    void Clear() {
        s_.AbbreviationSet.clear();
        s_.SentenceWords.assign(1, " ");
        s_.TraceLog1.clear();
        s_.TraceLog2.clear();
        s_.TraceLog3.clear();
        s_.TraceLog4.clear();
        s_.TraceText.clear();
        s_.ClauseWords.assign(1, " ");
        s_.ScratchList.clear();
    }
    EnTrState& s_;
};

}  // namespace

EnTrEngine::EnTrEngine(const store::DictionaryStore& store, EngineMessages* messages,
                       SentenceStages* stages)
    : store_(store), messages_(messages), stages_(stages ? stages : &default_stages_) {}

void EnTrEngine::ShowMessage(std::string_view cp1254) {
    if (messages_) messages_->Show(cp1254);
}

void EnTrEngine::TraceLine(std::vector<std::string>& log, std::string line) {
    if (TraceMode()) log.push_back(std::move(line));
}

void EnTrEngine::FillAbbreviationSet() {
    auto& set = state_.AbbreviationSet;
    set.assign(std::begin(kBuiltInAbbreviations), std::end(kBuiltInAbbreviations));
    std::stable_sort(set.begin(), set.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    // Lines 2-33 of the file (its first line is a header). A shorter file is
    // accepted: the lines that exist are taken, without the closing key.
    const auto& file = store_.AbbreviationList;
    for (std::size_t i = 1; i <= 32 && i < file.size(); ++i) {
        std::string item(Trim(file[i]));
        if (item.empty() || item == "şşşş"_cp) continue;
        auto it = std::lower_bound(set.begin(), set.end(), item, [](const std::string& a, const std::string& b) {
            return CompareNoCase(a, b) < 0;
        });
        if (it != set.end() && CompareNoCase(*it, item) == 0) continue;  // duplicates ignored
        set.insert(it, std::move(item));
    }
}

long EnTrEngine::FindAbbreviation(std::string_view word) const {
    std::string key(word);
    key += '.';
    auto r = text::BinarySearch(store_.AbbreviationList, Trim(key), 2);
    return r.index > 0 ? static_cast<long>(r.index) : 0;
}

void EnTrEngine::ScanSeparator(std::string_view text, std::size_t& p, TokenScan& scan,
                               bool mark_line_breaks) const {
    while (p < text.size() && !IsWordChar(text[p])) {
        char c = text[p];
        if (IsSentenceEnd(c)) scan.sentenceEnd = true;
        if (scan.sentenceEnd && text.substr(p, 4) == "\r\n\r\n") scan.paragraphEnd = true;
        if (c != '\r' && c != '\n') scan.separator += c;
        // A line break right after a sentence end (the second character on
        // is CR or LF) travels as "e-o-s".
        if (mark_line_breaks && IsSentenceEnd(c) && p + 2 < text.size() &&
            (text[p + 2] == '\r' || text[p + 2] == '\n'))
            scan.separator += "e-o-s";
        ++p;
    }
}

TokenScan EnTrEngine::ScanToken(std::string_view text, std::size_t& pos) const {
    TokenScan scan;
    std::size_t p = pos >= 1 ? pos - 1 : 0;
    while (p < text.size() && !IsWordChar(text[p])) ++p;
    if (p >= text.size()) {
        pos = text.size() + 1;
        return scan;
    }
    std::size_t start = p;
    while (p < text.size() && IsWordChar(text[p])) ++p;
    // Numbers such as 3.14, 1,000 and 10:30 stay one token (joined once).
    if (p < text.size() && (text[p] == ',' || text[p] == '.' || text[p] == '/' || text[p] == ':') &&
        p > start && IsDigit(text[p - 1]) && p + 1 < text.size() && IsDigit(text[p + 1])) {
        ++p;
        while (p < text.size() && IsWordChar(text[p])) ++p;
    }
    scan.found = true;
    scan.token.assign(text.substr(start, p - start));
    ScanSeparator(text, p, scan, true);
    pos = p + 1;
    return scan;
}

bool EnTrEngine::RejoinAbbreviation(std::string_view text, std::size_t& pos, TokenScan& scan) const {
    if (FindAbbreviation(scan.token) >= 1) {
        scan.token += '.';
        if (!scan.separator.empty()) scan.separator[0] = ' ';
        scan.sentenceEnd = false;
        return true;
    }
    if (scan.token.empty()) return false;
    // Where the token starts: the nearest place at or before the current
    // position at which the text continues with the token.
    std::size_t current = pos >= 1 ? pos - 1 : 0;
    std::size_t start = text.rfind(scan.token, std::min(current, text.size()));
    if (start == std::string_view::npos || start + 1 >= text.size()) return false;
    const auto& set = state_.AbbreviationSet;
    std::size_t k = 0;
    for (std::size_t i = 0; i < set.size(); ++i)
        if (Contains(set[i], scan.token)) {
            k = i;
            break;
        }
    // An entry must end before the last character of the text (so an
    // abbreviation at the very end is not rejoined).
    const std::size_t room = text.size() - (start + 1);
    for (; k < set.size(); ++k) {
        const std::string& entry = set[k];
        if (entry.size() <= room && text.substr(start, entry.size()) == entry) {
            scan.sentenceEnd = scan.paragraphEnd;
            scan.token = entry;
            std::size_t p = start + entry.size();
            scan.separator.clear();
            ScanSeparator(text, p, scan, false);
            pos = p + 1;
            return true;
        }
        if (entry.empty() || entry[0] != text[start]) return false;
    }
    return false;
}

std::vector<std::string> EnTrEngine::Segment(std::string_view text) {
    std::vector<std::string> segments;
    std::size_t pos = 1;
    int words = 0;
    std::string acc;
    std::string last_separator;
    for (;;) {
        TokenScan scan = ScanToken(text, pos);
        if (!scan.found) {
            if (!acc.empty() && acc != " ") segments.push_back(acc);
            break;
        }
        if (!scan.separator.empty()) last_separator = scan.separator;
        if (scan.sentenceEnd && !scan.separator.empty() && scan.separator[0] == '.')
            RejoinAbbreviation(text, pos, scan);
        // Runs of blanks after a token carry no meaning further on, so one
        // blank is enough.
        std::string token = scan.token + ' ';
        if (++words > kMaxSegmentWords) {
            segments.emplace_back(kLongSentence);
            acc = token;
            words = 0;
        } else {
            acc += token;
        }
        std::string separator(Trim(scan.separator));
        if (separator == ",") {
            acc += "n9 ";
            separator.clear();
        }
        if (!separator.empty()) {
            segments.push_back(acc);
            if (!last_separator.empty()) segments.push_back(last_separator);
            acc.clear();
            words = 0;
        }
        if (scan.paragraphEnd)
            segments.emplace_back("e-o-p");
        else if (scan.sentenceEnd)
            acc.clear();
    }
    return segments;
}

bool EnTrEngine::AllCapitalsSentence(std::string_view segment) {
    std::string last;
    for (std::string_view piece : text::SplitViews(segment, ' ')) {
        if (piece.size() <= 1) continue;
        std::string pattern = "az";
        if (text::IsTurkishUpper(piece[0]) || (piece[0] == '*' && text::IsTurkishUpper(piece[1])))
            pattern[0] = 'A';
        if (IsDigit(piece[0])) pattern[0] = 'X';
        for (std::size_t i = 1; i < piece.size(); ++i) {
            char c = piece[i];
            if (IsDigit(c))
                pattern[1] = 'X';
            else if (text::IsTurkishUpper(c))
                pattern[1] = 'Z';
            else if (text::IsTurkishLower(c))
                pattern[1] = 'z';
        }
        last = pattern;
    }
    state_.SentenceWords.assign(1, " ");
    return last == "AZ";
}

std::string EnTrEngine::TranslateEnToTr(std::string_view input) {
    ListClearer lists(state_);
    FillAbbreviationSet();
    if (input.empty()) {
        ShowMessage("Bir metin yazınız.."_cp);
        return {};
    }
    std::string text(input.substr(0, input.find(";Q47;")));
    // A text that starts with a comma keeps it as the comma token "n9".
    std::size_t first_word = 0;
    while (first_word < text.size() && !IsWordChar(text[first_word])) ++first_word;
    if (Trim(std::string_view(text).substr(0, first_word)) == ",") ReplaceFirst(text, ",", "n9");

    std::string result;
    // "e-o-p" and the long-sentence message go through TranslateSentence like
    // any sentence: their words are unknown names ("*" + word), which the
    // final assembly turns into line breaks and capitalised words.
    for (const std::string& raw : Segment(text)) {
        std::string segment(Trim(raw));
        std::string out;
        if (!segment.empty() && IsPassThrough(segment[0])) {
            out = segment;
        } else {
            out = TranslateSentence(segment);
            // The sentence's first letter is a Turkish capital: "izin" ->
            // "İzin", "ışık" -> "Işık" (ASCII rules would give "Izin").
            if (!out.empty()) out[0] = text::TurkishUpperChar(out[0]);
        }
        if (out.empty()) continue;
        if (!result.empty()) result += ' ';
        result += out;
    }

    result = " " + result + " ";
    static constexpr std::pair<std::string_view, std::string_view> kReplacements[] = {
        {"**", "*"},       {"*$", "$"},      {"*€"_cp, "€"_cp}, {"e-o-p", "\r\n\r\n"},
        {"e-o-s", "\r\n"}, {"mrs.", "Mrs."}, {"mr.", "Mr."},    {"_", " "}};
    for (auto [from, to] : kReplacements) result = text::ReplaceAll(result, from, to);
    result = std::string(Trim(result));
    if (!TraceMode()) {
        for (std::size_t i = 0; i < result.size(); ++i) {
            if (result[i] != '*') continue;
            result[i] = ' ';
            if (i + 1 < result.size()) result[i + 1] = text::TurkishUpperChar(result[i + 1]);
        }
    }
    return result;
}

std::string EnTrEngine::TranslateSentence(std::string_view raw_segment) {
    EnTrState& s = state_;
    for (auto& slot : s.WordTable) slot.Clear();
    s.TraceCounter = 0;
    if (TraceMode()) {
        s.TraceCounter = 1;
        for (auto* log : {&s.TraceLog1, &s.TraceLog2, &s.TraceLog3, &s.TraceLog4}) log->assign(1, "1-->");
    }
    // A whole-sentence user translation or an idiom is final text: it takes
    // the plain branch below ("_" to blanks, no Turkish rewrites) instead of
    // following whatever the previous sentence left in SentenceState.
    s.SentenceState = '0';

    std::string segment(Trim(raw_segment));
    bool capitals = AllCapitalsSentence(segment);
    if (capitals && !segment.empty()) {
        segment = text::AsciiLowerCase(segment);
        segment[0] = text::AsciiUpperChar(segment[0]);
        for (std::size_t i = 0; i < segment.size(); ++i) {
            if (segment[i] != '*') continue;
            segment[i] = ' ';
            if (i + 1 < segment.size()) segment[i + 1] = text::AsciiUpperChar(segment[i + 1]);
        }
    }
    if (segment.size() > 2 && segment.starts_with("n9") && segment[2] != ' ') segment.insert(2, " ");

    std::string result;
    if (!segment.empty()) {
        try {
            std::string user = LookUpUserSentence(segment, 0);
            if (user != "***") {
                result = user;
            } else {
                std::string text = WordPass(segment, 'A');
                text = SplitWords(text, '0');
                std::string idiom = LookUpIdiom();
                if (!idiom.empty()) {
                    result = idiom;
                } else {
                    text = RewritePhrases(text);
                    if (!capitals) capitals = AllCapitalsSentence(text);
                    text = WordPass(text, 'B');
                    SplitWords(text, '1');
                    ResetSentenceTables();
                    FillWordTable();
                    bool failed = false;
                    try {
                        stages_->TransferSentence(*this);
                    } catch (const std::exception&) {
                        ShowMessage("W1 karışık cümle  !.."_cp);
                        failed = true;
                    }
                    if (!failed) {
                        try {
                            stages_->AssembleSentence(*this, s.TransferCode.view(), 0);
                        } catch (const std::exception&) {
                            ShowMessage("W2 karışık cümle  !.."_cp);
                            failed = true;
                        }
                    }
                    if (failed) {
                        s.SentenceState = 'Y';
                    } else {
                        const bool second = s.SentenceState == '$' || s.SentenceState == 'W';
                        result = std::string(s.ResultPrefix.view()) +
                                 std::string(second ? s.TurkishBufferB.view() : s.TurkishBufferA.view()) +
                                 std::string(s.ResultSuffix.view());
                    }
                }
            }
        } catch (const std::exception&) {
            // A fault inside the analysis of this sentence is handled like a
            // failed transfer; the other sentences are still translated.
            ShowMessage("W1 karışık cümle  !.."_cp);
            s.SentenceState = 'Y';
        }
    }

    const char st = s.SentenceState;
    s.TurkishOutput = st == '$' || st == '*' || st == 'W';
    if (s.TurkishOutput) {
        if (capitals) result = text::TurkishUpperCase(result);
        result = RewriteTurkish(result);
    } else {
        std::replace(result.begin(), result.end(), '_', ' ');
        if (st == 'Y') result = std::string("uzun cümleler"_cp);
    }

    if (!TraceMode()) return result;
    std::vector<std::string>& t = s.TraceText;
    t.clear();
    t.insert(t.end(), s.TraceLog1.begin(), s.TraceLog1.end());
    t.emplace_back("-----------2-----------");
    t.insert(t.end(), s.TraceLog2.begin(), s.TraceLog2.end());
    t.emplace_back("-----------3-----------");
    t.insert(t.end(), s.TraceLog3.begin(), s.TraceLog3.end());
    t.emplace_back("-----------4-----------");
    t.insert(t.end(), s.TraceLog4.begin(), s.TraceLog4.end());
    t.emplace_back("----------------------");
    t.emplace_back("----------------------");
    std::string block;
    for (const std::string& line : t) block += line + "\r\n";
    return block + ";Q47;\n\r" + result;
}

}  // namespace zelmor::en_tr
