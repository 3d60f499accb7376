#include "core/speech/turkish_speech.h"

#include <algorithm>

#include "core/speech/number_words.h"
#include "core/speech/syllables.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::speech {

using namespace zelmor::text::literals;

std::string_view OfflineWordMessage() { return "internet bağlantısı yok..."_cp; }
std::string_view OfflineIndexMessage() { return "internet bağlantısı yok"_cp; }
std::string_view NoDeviceMessage() { return "Sound Device not Found! "; }

namespace {

constexpr std::size_t kMaxSpeechText = 6000;

// Word characters of the speech's token scanner: those of the translation
// engines' scanner plus the parentheses.
bool IsWordChar(char c) {
    static constexpr std::string_view kExtra = "$'*-_()€£ÇĞÖÜİŞçéğöüış"_cp;
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kExtra.find(c) != std::string_view::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSentenceEnd(char c) { return c == '!' || c == '.' || c == '?' || c == '"'; }

struct Token {
    std::string text;
    std::string separator;
    bool sentence_end = false;
};

// One token and the separator after it, from `pos` (0-based) on. Numbers
// stay one token across one ",", "." or ":" between digits ("3.14").
// Line breaks are blanks by the time text gets here, so there are no
// paragraph ends to find.
bool ScanToken(std::string_view s, std::size_t& pos, Token& t) {
    t = Token{};
    while (pos < s.size() && !IsWordChar(s[pos])) ++pos;
    if (pos >= s.size()) return false;
    std::size_t start = pos;
    while (pos < s.size() && IsWordChar(s[pos])) ++pos;
    if (pos < s.size() && (s[pos] == ',' || s[pos] == '.' || s[pos] == ':') && pos > start &&
        IsDigit(s[pos - 1]) && pos + 1 < s.size() && IsDigit(s[pos + 1])) {
        ++pos;
        while (pos < s.size() && IsWordChar(s[pos])) ++pos;
    }
    t.text.assign(s.substr(start, pos - start));
    while (pos < s.size() && !IsWordChar(s[pos])) {
        if (IsSentenceEnd(s[pos])) t.sentence_end = true;
        if (s[pos] != '\r' && s[pos] != '\n') t.separator += s[pos];
        ++pos;
    }
    return true;
}

bool IsSingleBlankOrEmpty(const std::string& s) { return s.empty() || s == " "; }

}  // namespace

std::vector<std::string> SegmentSpeechText(std::string_view input) {
    std::string text(input);
    text = text::ReplaceAll(text, "\r\n", " ");
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    std::vector<std::string> segments;
    if (text::Trim(text).empty()) return segments;
    if (text.size() > kMaxSpeechText) text.resize(kMaxSpeechText);
    for (char& c : text)
        if (c == '$') c = ' ';

    std::size_t pos = 0;
    std::string acc, last_separator;
    Token t;
    while (true) {
        std::size_t token_start = pos;
        if (!ScanToken(text, pos, t)) {
            if (!IsSingleBlankOrEmpty(acc)) segments.push_back(acc);
            break;
        }
        if (!t.separator.empty()) last_separator = t.separator;
        // The blanks that followed the token in the text come with it.
        std::string token = t.text + " ";
        std::size_t after = text.find(t.text, token_start) + t.text.size();
        for (std::size_t k = after; k < text.size() && text[k] == ' '; ++k) token += ' ';
        if (token[0] == '*') token[0] = ' ';
        if (std::size_t p = token.find('(', 1); p != std::string::npos) token.insert(p, " ");
        acc += token;
        std::string separator(text::Trim(t.separator));
        if (separator == ",") {
            acc += "N9 ";
            separator.clear();
        }
        if (!separator.empty()) {
            segments.push_back(acc);
            if (!last_separator.empty()) segments.push_back(last_separator);
            acc.clear();
        }
        if (t.sentence_end) acc.clear();
    }
    return segments;
}

bool IsSilentWord(std::string_view w) {
    static constexpr std::string_view kSilent[] = {".", "?", ",", ";", ":", "!",
                                                   "\"", "*", "-", "(", ")"};
    for (auto s : kSilent)
        if (w == s) return true;
    return false;
}

std::vector<std::string> SegmentWords(std::string_view segment) {
    std::string rebuilt;
    for (std::string_view w : text::SplitViews(text::Trim(segment), ' ')) {
        if (w.empty()) continue;
        if (!rebuilt.empty()) rebuilt += ' ';
        if (auto number = SpokenNumber(w)) rebuilt += *number;
        else rebuilt += w;
    }
    std::vector<std::string> words;
    for (std::string_view w : text::SplitViews(rebuilt, ' '))
        if (!w.empty()) words.emplace_back(w);
    return words;
}

void LevelPiece(PcmBuffer& piece) {
    auto needs = [](int v) { return (v >= 10 && v <= 29) || (v >= 41 && v <= 150); };
    int v = piece.LevelPercent();
    if (!needs(v)) return;
    piece.ChangeVolume((30 - v) * 100 / v);
    int again = piece.LevelPercent();
    if (again > 0 && (again < 30 || again > 40)) piece.ChangeVolume((30 - again) * 100 / again);
}

void TurkishSpeech::SpeakTurkish(std::string_view text) {
    for (const std::string& segment : SegmentSpeechText(text)) {
        if (host_.StopRequested()) return;
        if (segment.find("e-o-s") != std::string::npos ||
            segment.find("e-o-p") != std::string::npos)
            continue;
        SpeakSegment(segment);
    }
}

void TurkishSpeech::SpeakSegment(std::string_view segment) {
    if (!host_.HasOutputDevice()) {
        host_.Message(NoDeviceMessage());
        host_.Signal();
        return;
    }
    for (const std::string& word : SegmentWords(segment)) {
        if (host_.StopRequested()) return;
        if (IsSilentWord(word)) continue;
        PcmBuffer sound = SpeakWord(SpeechUpperCase(word));
        if (!sound.empty()) host_.Play(sound, SpeechVolume);
    }
}

bool TurkishSpeech::LoadListed(SoundFolder folder, const std::string& name, PcmBuffer& out) {
    out.Clear();
    if (name.empty() || !index_.Lists(folder, name)) return false;
    std::string file = SoundFileName(folder, name);
    if (!IsSafeSoundFileName(file)) return false;
    SoundLoad load = source_.Load(folder, file);
    if (load.status == LoadStatus::Unreachable) SoundFilesReachable = false;
    if (load.status != LoadStatus::Loaded) return false;
    if (folder == SoundFolder::Words) SoundFilesReachable = true;
    out = std::move(load.sound);
    LevelPiece(out);
    return true;
}

bool TurkishSpeech::LoadSyllableSound(std::string_view name, PcmBuffer& out) {
    return LoadListed(SoundFolder::Syllables, std::string(text::Trim(SoundName(name))), out);
}

bool TurkishSpeech::LoadWordSound(std::string_view name, PcmBuffer& out) {
    return LoadListed(SoundFolder::Words, std::string(text::Trim(SoundName(name))), out);
}

bool TurkishSpeech::LoadSplitWordSound(std::string_view word, PcmBuffer& out) {
    out.Clear();
    const std::string name = SoundName(word);
    // The longest listed prefix decides: the word splits there when the
    // rest is listed too, and not at all otherwise.
    for (std::size_t k = name.size(); k >= 2; --k) {
        std::string prefix = name.substr(0, k - 1);
        if (!index_.Lists(SoundFolder::Words, prefix)) continue;
        std::string remainder = name.substr(k - 1);
        if (!index_.Lists(SoundFolder::Words, remainder)) return false;
        auto load = [&](const std::string& part) {
            std::string file = SoundFileName(SoundFolder::Words, part);
            if (!IsSafeSoundFileName(file)) return SoundLoad{};
            SoundLoad l = source_.Load(SoundFolder::Words, file);
            if (l.status == LoadStatus::Unreachable) SoundFilesReachable = false;
            return l;
        };
        SoundLoad head = load(prefix);
        SoundLoad tail = load(remainder);
        if (tail.status != LoadStatus::Loaded) return false;
        if (head.status == LoadStatus::Loaded) out = std::move(head.sound);
        out.Append(tail.sound);
        LevelPiece(out);
        return true;
    }
    return false;
}

bool TurkishSpeech::LoadHeadAndTail(std::string_view syl, bool star_tail, PcmBuffer& out) {
    // The first consonant with the vowel ("M+E"), then the vowel with the
    // closing consonants ("*ERK" or "ER") with its first third cut off so
    // that the vowel is heard once.
    std::string head_name{syl[0], '+', syl[1]};
    PcmBuffer head;
    if (!LoadSyllableSound(head_name, head)) return false;
    std::string tail_name = star_tail ? "*" + std::string(syl.substr(1, 3))
                                      : std::string(syl.substr(1, 2));
    PcmBuffer tail;
    if (!LoadSyllableSound(tail_name, tail)) return false;
    tail.Delete(1, tail.LengthMs() / 3);
    head.Append(tail);
    out = std::move(head);
    return true;
}

PcmBuffer TurkishSpeech::SpeakWord(std::string_view word_in) {
    const std::string word = word_in == "N1" ? std::string("N@") : std::string(word_in);
    PcmBuffer output, piece;
    SoundFilesReachable = true;

    bool whole = LoadWordSound(word, piece) || LoadSplitWordSound(word, piece);
    if (!whole) {
        SoundFilesReachable = true;
        whole = LoadSyllableSound(word, piece);
    }
    if (whole) {
        output = std::move(piece);
        output.AppendSilence(200);
    } else {
        std::vector<std::string> slots;
        text::SplitToList(slots, SpeechUpperCase(Syllabify(word)), '-');
        // An apostrophe or bracket is no sound: "RA'" of "ANKARA'DA" is
        // spoken as "RA", "(EV)" as "EV".
        for (std::string& slot : slots)
            std::erase_if(slot, [](char c) { return IsCloser(c) || c == '('; });
        const std::size_t count = slots.size();
        for (std::size_t i = 0; i < count; ++i) {
            SoundFilesReachable = true;
            long pause = 50;
            const std::string& syl = slots[i];
            if (syl.empty()) continue;
            const std::string shape = SyllableShape(syl);
            const bool next_filled = i + 1 < count && !slots[i + 1].empty();
            // The closing syllable of a long word is spoken softer.
            const bool soft_end = i + 1 == count && count >= 4;
            bool have = false, soften = false;
            piece.Clear();
            if (shape == "0") {
                if ((have = LoadSyllableSound(syl, piece))) pause = next_filled ? 50 : 100;
            } else if (shape == "1" || shape == "19") {
                if ((have = LoadSyllableSound(syl, piece))) pause = 100;
            } else if (shape == "01" || shape == "10") {
                if ((have = LoadSyllableSound(syl, piece))) {
                    if (shape == "10" && next_filled) {
                        // Shorten an open syllable inside the word from its middle.
                        long len = piece.LengthMs();
                        piece.Delete(len / 2, len <= 200 ? 20 : len - 200);
                    }
                    pause = 100;
                    soften = soft_end;
                }
            } else if (shape == "011") {
                if ((have = LoadSyllableSound(syl, piece))) pause = 130;
            } else if (shape == "1011") {
                have = LoadSyllableSound(syl, piece) ||
                       (SoundFilesReachable && LoadHeadAndTail(syl, true, piece));
                pause = 100;
            } else if (shape == "101") {
                if ((have = LoadSyllableSound(syl, piece))) {
                    soften = soft_end;
                } else if (SoundFilesReachable) {
                    have = LoadHeadAndTail(syl, false, piece);
                }
                pause = 130;
            }
            if (have) {
                piece.AppendSilence(pause);
                if (soften) piece.ChangeVolume(-50);
                output.Append(piece);
            }
            if (!SoundFilesReachable) {
                host_.Message(OfflineWordMessage());
                output.Clear();
                return output;
            }
        }
    }
    if (!SoundFilesReachable) output.Clear();
    if (!output.empty()) output.AppendSilence(20);
    return output;
}

}  // namespace zelmor::speech
