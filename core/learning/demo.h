// The flash-card demos and the sentence demos: which card or sentence comes
// next, and the pacing of the cycle as a state machine the window drives
// with its clock (a QTimer in the program, a fake clock in tests).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/learning/word_pairs.h"

namespace zelmor::learning {

/// Translation of a sentence by one of the engines (code page 1254 in and
/// out); the engines are plugged in by the window.
using Translator = std::function<std::string(std::string_view)>;

inline constexpr std::string_view kNoRecordPresent = "NO RECORD PRESENT!";
inline constexpr std::string_view kEndOfFile = "DOSYA SONU";

/// The cards of a word demo.
class WordDemo {
public:
    /// `seed` seeds the generator of the random order.
    explicit WordDemo(std::uint32_t seed) : rng_(seed) {}

    /// Cards from the dictionaries, shown in random order.
    void UseDictionaryPairs(std::vector<WordPair> pairs);
    /// Cards from a word file, shown in file order from the first one.
    void UseFilePairs(std::vector<WordPair> pairs);
    /// "Reset": file order starts again from the first card.
    void Reset() { FileIndex = 0; }

    struct Card {
        enum class Kind { Show, NoRecord, EndOfFile } kind = Kind::NoRecord;
        std::string word;     // "_" already shown as blanks
        std::string meaning;  // empty when ShowMeaning is off
    };
    /// The next card. NoRecord: show kNoRecordPresent. EndOfFile: show
    /// kEndOfFile and pause; the next call says so again until Reset or a
    /// new file.
    Card NextCard();
    /// "?" toggle: the meaning of the card on display, or nothing when off.
    std::string CurrentMeaning() const;

    const std::vector<WordPair>& pairs() const { return pairs_; }
    bool FromFile = false;
    std::size_t FileIndex = 0;      // next card in file order
    std::size_t CurrentIndex = 0;   // pair on display
    bool ShowMeaning = true;
    bool SpeechOn = false;

private:
    std::vector<WordPair> pairs_;
    std::mt19937 rng_;
};

/// What the window does at a step of the demo cycle.
enum class DemoStep {
    ShowStarting,  // " DEMO " / " STARTING !" (word demos only)
    BuildList,     // build the word list from the dictionaries (word demos only)
    ShowNext,      // show the next card or sentence; Cycles() grew by one
    ReadAloud,     // 500 ms later: read aloud and hide when set
    Ended,         // the cycle is over: show "DEMO End" (once)
};

/// The pacing of a demo window: starting (1000 ms, word demos), then per
/// cycle ShowNext, 500 ms, ReadAloud, the pause in seconds. STOP/START
/// suspend and resume it where it was; closing ends it at once, even while
/// paused.
class DemoPacer {
public:
    /// `builds_list`: word demos start with ShowStarting and BuildList;
    /// sentence demos go straight to their first sentence.
    DemoPacer(bool builds_list, std::int64_t now_ms, int pause_seconds = 2);

    /// The steps due by `now_ms`, in order (a late call catches up).
    std::vector<DemoStep> Advance(std::int64_t now_ms);
    /// When Advance should next be called; nothing while paused or ended.
    std::optional<std::int64_t> NextDue() const;

    void Pause(std::int64_t now_ms);
    void Resume(std::int64_t now_ms);
    bool paused() const { return paused_; }
    /// Closing: the next Advance returns Ended (once) and nothing after.
    void RequestStop();
    bool ended() const { return state_ == State::Ended; }

    /// Seconds between cards; takes effect from the next wait.
    void SetPauseSeconds(int seconds) { pause_seconds_ = seconds; }
    int pause_seconds() const { return pause_seconds_; }
    long Cycles() const { return cycles_; }

private:
    enum class State { Starting, Building, Showing, Reading, Ended };
    State state_;
    std::int64_t due_;
    std::int64_t remaining_ = 0;  // while paused
    bool paused_ = false;
    bool stop_requested_ = false;
    bool ended_reported_ = false;
    int pause_seconds_;
    long cycles_ = 0;
};

/// The sentence demos: English sentences translated by the English-Turkish
/// engine, or Turkish sentences translated by the Turkish-English engine.
class SentenceDemo {
public:
    enum class Language { Turkish, English };
    SentenceDemo(Language language, std::vector<std::string> lines)
        : language(language), Lines(std::move(lines)) {}

    struct Shown {
        bool end = false;          // past the last line: show the end message and stop
        std::string upper;         // the sentence as shown
        std::string lower;         // the translation as shown (empty when hidden)
        bool lower_highlight = false;  // English: aqua background (translation not empty), else yellow
    };
    /// Shows the next line; translates it unless SpeechOn.
    Shown Next(const Translator& translate);
    /// "+++": toggles ShowTranslation and returns the lower pane's new text.
    std::string ToggleTranslation();
    /// Text read aloud for the upper pane (English: EnglishSpeechText).
    std::string SpeechText(std::string_view upper) const;
    /// The end-of-lines message and its title.
    std::string_view EndMessage() const;
    std::string_view EndTitle() const;

    const Language language;
    std::vector<std::string> Lines;
    std::size_t LineIndex = 0;
    bool ShowTranslation = true;
    bool SpeechOn = false;
    bool CodingMode = false;  // English: "==" appended before translation
    std::string LastTranslation;
    /// English, CodingMode: the part of each translation from its "==" on.
    std::vector<std::string> CodedParts;
};

/// The Turkish sentence as it is translated: the gender marks written out
/// ("O(e)" -> "oerkek " …), "cm." / "mt." protected, cut to 80 characters.
std::string PrepareTurkishSentence(std::string_view sentence);
/// The English sentence as it is translated: longer than 120 characters is
/// cut to 120, then at the last blank at a 1-based position from 111 to 119.
std::string PrepareEnglishSentence(std::string_view sentence);

}  // namespace zelmor::learning
