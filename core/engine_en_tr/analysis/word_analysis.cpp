// English word analysis: the word passes over the sentence, the split into
// SentenceWords and the filling of WordTable.
#include <algorithm>

#include "core/engine_en_tr/analysis/char_classes.h"
#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/text/split.h"

namespace zelmor::en_tr {

using namespace zelmor::text::literals;
using namespace detail;
using text::Trim;

namespace {

bool IsNumberShape(std::string_view w) {
    if (w.empty() || !IsDigit(w[0])) return false;
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        char c = w[i];
        if (!IsDigit(c) && c != ',' && c != '.' && c != ':') return false;
    }
    return true;
}

bool EndsWithEither(std::string_view w, std::string_view lower, std::string_view upper) {
    return w.size() > lower.size() && (w.ends_with(lower) || w.ends_with(upper));
}

std::string WithoutStars(std::string_view w) {
    std::string r(w);
    r.erase(std::remove(r.begin(), r.end(), '*'), r.end());
    return r;
}

}  // namespace

std::string EnTrEngine::CasePattern(std::string_view word) {
    std::string pattern = "az";
    if (word.empty()) return pattern;
    if (IsPatternUpper(word[0])) pattern[0] = 'A';
    if (IsPatternUpper(word.back())) pattern[1] = 'Z';
    return pattern;
}

std::string EnTrEngine::SplitWords(std::string_view input, char mode) {
    std::string t(input);
    if (mode == '0') std::replace(t.begin(), t.end(), '_', ' ');
    auto& words = state_.SentenceWords;
    words.assign(1, " ");
    std::string joined;
    for (std::string_view piece : text::SplitViews(t, ' ')) {
        if (piece.empty()) continue;
        words.emplace_back(piece);
        joined += piece;
        joined += ' ';
    }
    return joined;
}

bool EnTrEngine::IsKnownWord(std::string_view w) {
    EnTrState& s = state_;
    s.FoundFlag = false;
    if (w.empty()) return false;
    if (IsDigit(w[0])) {
        if (IsNumberShape(w) || w.ends_with("th")) {
            s.FoundFlag = true;
            return true;
        }
    }
    if (LookUpEnglish(w)) return true;
    if (w.size() > 2 && w[w.size() - 2] == '\'' && LookUpEnglish(w.substr(0, w.size() - 2))) return true;
    if (EndsWithEither(w, "s", "S") && LookUpEnglish(w.substr(0, w.size() - 1))) return true;
    if (EndsWithEither(w, "ed", "ED") && LookUpEnglish(w.substr(0, w.size() - 2))) return true;
    if (EndsWithEither(w, "d", "D") && LookUpEnglish(w.substr(0, w.size() - 1))) return true;
    if (EndsWithEither(w, "ing", "ING") && LookUpEnglish(w.substr(0, w.size() - 3))) return true;
    s.FoundFlag = false;
    return false;
}

std::string EnTrEngine::WordPass(std::string_view input, char pass) {
    const bool capitals = AllCapitalsSentence(input);
    std::string result;
    std::size_t k = 0;
    for (std::string_view view : text::SplitViews(input, ' ')) {
        const std::size_t index = k++;
        if (view.empty()) continue;
        std::string piece(view);
        if (pass == 'A') {
            if (piece.find('\'', 1) != std::string::npos) {
                long idx = LookUpEnglish(piece);
                const WordRecord& r = state_.LookupRecord;
                if (idx >= 2 && r.code == "..99..")
                    piece = Cut(r.meaning.str() + " " + r.field4.str(), 101);
            }
        } else if (pass == 'B') {
            std::string pattern = CasePattern(piece);
            bool done = false;
            if (capitals && piece == "I") pattern = "AZ";
            if (!capitals) {
                if (piece == "I" && index > 0) pattern = "az";
                if (pattern == "Az" && (piece == "Marry" || piece == "Jack")) {
                    piece = "*" + piece;
                    done = true;
                }
            }
            if (!done && !capitals && index > 0 && pattern == "Az") {
                if (LookUpUserSentence(piece, 0) != "***") {
                    piece = "*" + piece;
                } else {
                    std::string form = piece;
                    long idx = LookUpEnglish(form);
                    if (!state_.FoundFlag) {
                        form = text::AsciiLowerCase(piece);
                        idx = LookUpEnglish(form);
                        if (state_.FoundFlag && state_.LookupRecord.code.At(3) == 'F') idx = 0;
                    }
                    piece = idx < 2 ? "*" + piece : form;
                }
            } else if (!done && index == 0 && pattern == "Az") {
                std::string lower = text::AsciiLowerCase(piece);
                if (LookUpUserSentence(piece, 0) == "***" && IsKnownWord(lower))
                    piece = lower;
                else
                    piece = "*" + piece;
            }
        }
        if (index == 0 && view == "Can") piece = "can(p)";
        result += piece;
        result += ' ';
    }
    return result;
}

void EnTrEngine::ResetSentenceTables() {
    EnTrState& s = state_;
    s.TurkishBufferA.clear();
    s.TurkishBufferB.clear();
    s.TransferCode.clear();
    s.ClauseText.clear();
    s.ClauseTemplate.clear();
    s.SuffixText.clear();
    s.ParticipleText.clear();
    s.ParticipleCaseText.clear();
    s.ComplementCode.clear();
    s.ClassPattern.clear();
    s.InflectionMarks.assign(kTableSlots, '.');
    s.InflectionMarks[15] = '\0';
    for (auto& f : s.WordFlags) f.clear();
    for (auto& c : s.WordCase) c.clear();
    for (auto& slot : s.WordTable) slot.Clear();
    for (auto* table : {&s.OrderedTable, &s.ClauseTable, &s.TransferTableA, &s.TransferTableB})
        for (auto& slot : *table) slot.Clear();
    for (auto& slot : s.TransferSmallTable) slot.Clear();
    for (std::size_t i = 0; i <= 10; ++i) s.ModuleRecords[i].Clear();
    for (auto* codes : {&s.WordCodes, &s.QuestionCodes, &s.VerbCodeSlots})
        for (auto& c : *codes) c.clear();
    s.ResultPrefix.clear();
    s.ResultSuffix.clear();
    s.QuestionWordText.clear();
    s.ModuleKinds.clear();
    s.PredicateField.clear();
    s.TransferDone = false;
    s.ClauseBase = 0;
    s.TemplateWord = 0;
    s.ClauseFlags.clear();
    s.InflectionCode = "0000AO0";
    s.ClassPattern = " ";
    s.WordCount = 0;
    s.FoundFlag = false;
    s.SentenceState = '0';
}

bool EnTrEngine::AnalyseWord(int j) {
    EnTrState& s = state_;
    if (j < 1 || j > kMaxWords || static_cast<std::size_t>(j) >= s.SentenceWords.size()) {
        s.FoundFlag = false;
        return false;
    }
    const std::size_t uj = static_cast<std::size_t>(j);
    WordRecord& slot = s.WordTable[uj];
    std::string& word = s.SentenceWords[uj];
    const std::string w = word;
    auto finish = [&](bool found) {
        s.FoundFlag = found;
        return found;
    };

    // Ordinals: 2nd -> "2." of class XX. The code is written "..XX" so that
    // the class letters are read like those of any other number.
    std::string shape = text::AsciiLowerCase(w);
    for (char& c : shape)
        if (IsDigit(c)) c = 'X';
    if (shape.size() > 2 && (shape.ends_with("Xnd") || shape.ends_with("Xth") || shape.ends_with("Xrd") ||
                             shape.ends_with("Xst"))) {
        ReplaceFirst(word, w.substr(w.size() - 2), ".");
        slot.Clear();
        slot.code = "..XX";
        slot.key = word;
        slot.meaning = word;
        return finish(true);
    }
    if (IsNumberShape(w)) {
        slot.Clear();
        slot.code = "..XX";
        slot.key = w;
        slot.meaning = w;
        return finish(true);
    }

    char mark = '.';
    std::string stem;
    bool found = LookUpEnglish(w) != 0;
    if (!found) {
        // Possessive "'s" and plural possessive "s'".
        if (w.size() >= 2 && w[w.size() - 2] == '\'' && (w.back() == 's' || w.back() == 'S')) {
            std::string base = w.substr(0, w.size() - 2);
            if (LookUpEnglish(text::AsciiLowerCase(WithoutStars(base))))
                DecodeIntoSlot(j, s.LastIndex);
            else {
                slot.Clear();
                slot.key = base;
                slot.meaning = base;
            }
            slot.code = "..F9..";
            return finish(true);
        }
        if (w.size() >= 2 && w.back() == '\'' && w[w.size() - 2] == 's') {
            std::string base = w.substr(0, w.size() - 2);
            if (LookUpEnglish(base))
                DecodeIntoSlot(j, s.LastIndex);
            else {
                slot.Clear();
                slot.key = base;
                slot.meaning = base;
            }
            slot.code = "..F9..";
            return finish(true);
        }
        // Hyphenated words: both halves known.
        std::size_t hyphen = w.find('-', 1);
        if (hyphen != std::string::npos) {
            std::string left = WithoutStars(w.substr(0, hyphen));
            std::string right = WithoutStars(w.substr(hyphen + 1));
            if (!LookUpEnglish(left) && Contains(w, "*")) {
                left = text::AsciiLowerCase(left);
                right = text::AsciiLowerCase(right);
                LookUpEnglish(left);
            }
            if (s.FoundFlag) {
                DecodeIntoSlot(j, s.LastIndex);
                std::string left_meaning = slot.meaning.str();
                if (LookUpEnglish(right)) {
                    DecodeIntoSlot(j, s.LastIndex);
                    slot.meaning = left_meaning + "-" + slot.meaning.str();
                    return finish(true);
                }
            }
            slot.Clear();
        }
        // Inflected forms, tried in this order while still not found.
        auto try_suffix = [&](std::size_t cut, std::string_view tag, bool noun_too, char verb_mark) {
            if (found || w.size() <= cut) return;
            std::string base = w.substr(0, w.size() - cut);
            if (!LookUpEnglish(base)) return;
            char cls = s.LookupRecord.code.At(3);
            if (cls == 'P' || (noun_too && cls == 'F')) {
                word = base + std::string(tag);
                mark = cls == 'F' ? 'F' : verb_mark;
                stem = base;
                found = true;
            }
        };
        if (EndsWithEither(w, "s", "S")) try_suffix(1, "(s)", true, 'P');
        if (EndsWithEither(w, "ed", "ED")) try_suffix(2, "(ed)", false, '5');
        if (EndsWithEither(w, "d", "D")) try_suffix(1, "(d)", false, '4');
        if (EndsWithEither(w, "ing", "ING")) try_suffix(3, "(ing)", false, 'I');
        if (!found) {
            slot.Clear();
            return finish(false);
        }
        // The stem's look-up is the last successful one.
        s.FoundFlag = true;
    }

    DecodeIntoSlot(j, s.LastIndex);
    if (slot.code.contains("???")) {
        slot.Clear();
        return finish(false);
    }
    s.InflectionMarks[uj] = mark;
    if (mark == '4' || mark == '5') {
        slot.field4 = stem;
        slot.field6.SetAt(2, '2');
        slot.code.SetAt(5, mark);
    } else if (mark == 'F') {
        slot.code.SetAt(5, '1');
    } else if (mark == 'I') {
        slot.code.SetAt(4, 'I');
    }
    s.FoundFlag = true;
    if (mark == 'F') PluraliseNoun(j);
    return finish(true);
}

void EnTrEngine::FillWordTable() {
    EnTrState& s = state_;
    auto& words = s.SentenceWords;
    // Words after the 30th have no slot in WordTable; they are left out of
    // the analysis (and so of the translation) rather than written past the
    // table's end.
    const int n = std::min(static_cast<int>(words.size()) - 1, kMaxWords);
    if (n >= 1 && Trim(words[1]) == "please") words[1] = "please(1)";
    for (int j = 1; j <= n; ++j) {
        const std::size_t uj = static_cast<std::size_t>(j);
        WordRecord& slot = s.WordTable[uj];
        std::string w(Trim(words[uj]));
        std::string pattern = CasePattern(w);
        if (!w.empty() && w[0] == '*') pattern[0] = '*';
        if (w == "A") pattern = "AZ";
        s.WordCase[uj] = pattern;
        if (j == 1 && pattern == "Az" && LookUpUserSentence(words[1], 0) != "***") words[1] = "*" + words[1];
        if (pattern == "AZ") words[uj] = text::AsciiLowerCase(words[uj]);

        bool found = AnalyseWord(j);
        if (found && pattern == "*z" && !slot.meaning.empty()) {
            std::string m = slot.meaning.str();
            m[0] = text::TurkishUpperChar(m[0]);
            slot.meaning = m;
        }
        if (found && slot.code.At(6) == '*') {
            slot.key = "*" + slot.key.str();
            slot.meaning = "*" + slot.meaning.str();
            slot.field6 = "*C";
        }
        std::string& word = words[uj];
        if (!found && !word.empty() && word[0] == '*') {
            // A name: carried through as written.
            slot.code = "..F*.*";
            std::size_t apostrophe = word.find('\'', 1);
            if (apostrophe != std::string::npos && apostrophe + 1 < word.size() &&
                (word[apostrophe + 1] == 's' || word[apostrophe + 1] == 'S')) {
                slot.code.SetAt(4, '9');
                slot.key = word.substr(0, apostrophe);
                slot.meaning = word.substr(0, apostrophe);
            } else {
                std::string name = word.substr(1);
                if (name.find('$', 1) != std::string::npos) std::replace(name.begin(), name.end(), '$', '_');
                std::string user = LookUpUserSentence(name, 0);
                word = user != "***" ? "*" + user : name;
                slot.key = word;
                slot.meaning = word;
                slot.code = "..F*..";
            }
            slot.field6 = "*C";
            found = true;
        }
        const WordRecord* prev = j > 1 ? &s.WordTable[uj - 1] : nullptr;
        if (!found && !word.empty() && word[0] != '*' && slot.code.At(3) == 'A' && prev && prev->code.At(4) == '*') {
            slot.key = word;
            slot.meaning = "*" + word;
            slot.code = "..F*..";
            slot.field6 = "*C";
            found = true;
        }
        if (prev && prev->code.starts_with("07")) {
            slot.code.SetAt(3, 'F');
            slot.code.SetAt(4, '*');
            slot.meaning = word;
            slot.field6 = "*C";
            found = true;
        }
        if (!found && !word.empty()) {
            std::string upper = word;
            upper[0] = text::AsciiUpperChar(upper[0]);
            std::string user = LookUpUserSentence(upper, 0);
            if (user != "***") word = user;
            slot.key = "*" + word;
            slot.meaning = "*" + word;
            slot.code = "..F*.*";
            slot.field6 = "*C";
            found = true;
        }
        s.FoundFlag = found;
    }
    std::string pattern = " ";
    for (int j = 1; j <= n; ++j) {
        const WordRecord& slot = s.WordTable[static_cast<std::size_t>(j)];
        if (slot.code.size() < 4)
            pattern += "**";
        else
            pattern += slot.code.view().substr(2, 2);
    }
    s.ClassPattern = pattern;
    s.WordCount = std::max(n, 0);
}

}  // namespace zelmor::en_tr
