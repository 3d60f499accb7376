// Idioms, multi-word phrases and Turkish rewrite rules.
#include <algorithm>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;
using text::Trim;

namespace {

std::string Join(const std::vector<std::string>& words, std::size_t from, std::size_t to, std::string_view sep) {
    std::string r;
    for (std::size_t k = from; k <= to && k < words.size(); ++k) {
        if (k > from) r += sep;
        r += words[k];
    }
    return r;
}

// Step limit of a phrase pass over n words: 1 + sum over k of
// ((n - k) * k + extra).
long PassLimit(long n, long extra) {
    long limit = 1;
    for (long k = 1; k <= n; ++k) limit += (n - k) * k + extra;
    return limit;
}

// The scan over word groups shared by the phrase and rewrite passes: span s
// (extra words) from `top` down to `bottom`, start word i from 1; a group
// that does not fit lowers s and restarts i at 1.
struct GroupScan {
    int s;
    int i = 1;
    int bottom;
    // Moves to the next group that fits `count` words; false when done.
    bool Fit(int count) {
        while (s >= bottom) {
            if (i > count) return false;
            if (i + s <= count) return true;
            --s;
            i = 1;
        }
        return false;
    }
};

}  // namespace

std::string EnTrEngine::LookUpIdiom() {
    EnTrState& s = state_;
    std::string key = "Z_";
    for (std::size_t k = 1; k < s.SentenceWords.size(); ++k) {
        if (k > 1) key += '_';
        key += text::AsciiLowerCase(s.SentenceWords[k]);
    }
    std::string result;
    if (key.size() <= 59 && LookUpEnglish(key)) {
        DecodeCurrent(s.LastIndex);
        result = s.CurrentRecord.meaning.str();
    }
    TraceLine(s.TraceLog1, "0-->Deyim Bak.." + key + "=" + (result.empty() ? std::string("yok") : result));
    return result;
}

std::string EnTrEngine::RewritePhrases(std::string_view input) {
    EnTrState& s = state_;
    auto& words = s.SentenceWords;
    const int old_count = static_cast<int>(words.size()) - 1;
    std::string text(Trim(std::string(Join(words, 1, words.size() - 1, " "))));
    if (text == "=") text = ";";
    (void)input;  // the words already stand in SentenceWords
    SplitWords(text, '0');
    auto count = [&] { return static_cast<int>(words.size()) - 1; };

    long steps = 0;
    // First pass: English rewrites "a<<b<<c" and single words "a<<".
    const long limit1 = PassLimit(count(), 6);
    GroupScan scan{4, 1, 0};
    while (scan.Fit(count()) && ++steps <= limit1) {
        const std::size_t i = static_cast<std::size_t>(scan.i), sp = static_cast<std::size_t>(scan.s);
        std::string key = sp == 0 ? words[i] + "<<" : Join(words, i, i + sp, "<<");
        LookUpEnglish(key);
        if (!s.FoundFlag && scan.i == count()) {
            key += "<<";
            LookUpEnglish(key);
        }
        if (s.FoundFlag && sp > 0) {
            DecodeCurrent(s.LastIndex);
            const WordRecord& r = s.CurrentRecord;
            std::string replacement =
                Cut(r.meaning.str() + " " + r.field4.str() + " " + r.field5.str() + " ", 128);
            std::string group(Trim(text::ReplaceAll(text::ReplaceAll(key, "<<<<", " "), "<<", " ")));
            if (ReplaceFirst(text, group, replacement)) {
                text = SplitWords(text, '0');
                scan.i = 2;
                continue;
            }
        } else if (s.FoundFlag) {
            DecodeCurrent(s.LastIndex);
            std::string word = key.substr(0, key.find("<<"));
            if (words[i] == word) words[i] = s.CurrentRecord.meaning.str();
        }
        ++scan.i;
    }

    // Second pass: glue known multi-word units into one token.
    char mode = '0';
    std::vector<std::string> patterns;
    auto compute_patterns = [&] {
        patterns.assign(words.size(), "az");
        for (std::size_t k = 1; k < words.size(); ++k) patterns[k] = CasePattern(words[k]);
    };
    text = Join(words, 1, words.size() - 1, " ");
    text = text::ReplaceAll(text, "up and down", "up#and#down");
    text = SplitWords(text, mode);
    compute_patterns();
    const long limit2 = PassLimit(count(), 5);
    scan = GroupScan{4, 1, 1};
    while (scan.Fit(count()) && ++steps <= limit1 + limit2) {
        const std::size_t i = static_cast<std::size_t>(scan.i), sp = static_cast<std::size_t>(scan.s);
        std::string key = Join(words, i, i + sp, "_");
        std::string group = key;
        std::replace(group.begin(), group.end(), '_', ' ');
        std::string replacement;
        LookUpEnglish(key);
        if (!s.FoundFlag && scan.i == 1 && patterns[1] == "Az" && !key.empty()) {
            std::string lower = key;
            lower[0] = text::AsciiLowerChar(lower[0]);
            if (LookUpEnglish(lower)) key = lower;
        }
        if (s.FoundFlag) {
            DecodeCurrent(s.LastIndex);
            char cls = s.CurrentRecord.code.At(3);
            if (cls >= 'A' && cls <= 'Z') replacement = key;
        } else {
            bool any_lower = false;
            for (std::size_t k = i; k <= i + sp; ++k) any_lower = any_lower || patterns[k] == "az";
            if (!any_lower && LookUpUserSentence(key, 0) != "***") {
                replacement = key;
                std::replace(replacement.begin(), replacement.end(), '_', '$');
            }
        }
        if (!replacement.empty() && ReplaceFirst(text, group, replacement)) {
            mode = '1';
            text = SplitWords(text, mode);
            compute_patterns();
            scan.i = 2;
            continue;
        }
        ++scan.i;
    }

    for (int k = count() + 1; k <= std::min(old_count, kMaxWords); ++k)
        s.WordTable[static_cast<std::size_t>(k)].Clear();
    std::string result = Join(words, 1, words.size() - 1, " ");
    std::replace(result.begin(), result.end(), '#', '_');
    return std::string(Trim(result));
}

std::string EnTrEngine::RewriteTurkish(std::string_view turkish) {
    EnTrState& s = state_;
    // The rewrite works on a 255-character buffer: a longer sentence is cut.
    std::string buffer = Cut(turkish, 255);
    auto& words = s.TurkishWords;
    auto normalise = [&] {
        std::replace(buffer.begin(), buffer.end(), '_', ' ');
        for (int pass = 0; pass < 2; ++pass) buffer = text::ReplaceAll(buffer, "  ", " ");
        words.assign(1, "");
        std::string rebuilt;
        for (std::string_view view : text::SplitViews(buffer, ' ')) {
            std::string piece(view);
            piece.erase(std::remove(piece.begin(), piece.end(), '*'), piece.end());
            if (piece.empty()) continue;
            // The word list holds 30 words of up to 60 characters; words after
            // the 30th stay in the sentence but take no part in the rules.
            if (words.size() <= 30) words.push_back(Cut(piece, 60));
            if (!rebuilt.empty()) rebuilt += ' ';
            rebuilt += piece;
        }
        buffer = Cut(rebuilt, 255);
        words.emplace_back(">>");
        return static_cast<int>(words.size()) - 2;
    };
    int m = normalise();
    std::string t = " " + buffer + " ";
    // Rules that keep matching each other would never stop; the pass ends
    // after as many steps as the English phrase pass allows.
    const long limit = PassLimit(m, 6);
    long steps = 0;
    GroupScan scan{3, 1, 0};
    while (scan.Fit(m) && ++steps <= limit) {
        const std::size_t i = static_cast<std::size_t>(scan.i), sp = static_cast<std::size_t>(scan.s);
        std::string key = sp == 0 ? words[i] + ">>" : Join(words, i, i + sp, ">>");
        key = Cut(key, 50);
        if (!LookUpEnglish(key)) {
            ++scan.i;
            continue;
        }
        DecodeLast();
        const WordRecord& r = s.CurrentRecord;
        std::string replacement = " " + r.meaning.str() + " " + r.field4.str() + " " + r.field5.str() + " ";
        const std::size_t probe = key.size() > 0 && key[0] == '*' ? 2 : 1;
        bool has_lower = std::any_of(key.begin(), key.end(), [](char c) { return text::IsTurkishLower(c); });
        if (probe < key.size() && text::IsTurkishUpper(key[probe]) && !has_lower)
            replacement = text::TurkishUpperCase(replacement);
        std::string group = " " + text::ReplaceAll(key, ">>", " ");
        if (Contains(replacement, group)) {
            s.FoundFlag = false;
            ShowMessage(group + std::string(">> kelime tekrarlaması var"_cp));
            ++scan.i;
            continue;
        }
        if (ReplaceFirst(t, group, replacement)) {
            buffer = Cut(t, 255);
            m = normalise();
            t = " " + buffer + " ";
            scan.i = 2;
            continue;
        }
        ++scan.i;
    }
    return buffer;
}

}  // namespace zelmor::en_tr
