// The multiple-choice test: word questions from the dictionary, sentence
// questions the test builds and translates itself, and questions from a
// file; four options A-D, scoring that counts only the first check of a
// question, and RESET. The window shows what these calls return.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/learning/demo.h"
#include "core/learning/word_pairs.h"

namespace zelmor::learning {

/// The fixed subject phrases (entries 1 to 44 are used) and predicate
/// phrases (entries 1 to 50 are used) of the generated sentences.
const std::vector<std::string_view>& Subjects();
const std::vector<std::string_view>& Predicates();

/// The sentence of the code drawn as (s, p): Subjects[s+1] + " " +
/// Predicates[p+1] + " "; s in 0..43, p in 0..49.
std::string GeneratedSentence(int s, int p);

/// Builds the sentence pairs (sentence, translation): `attempts` draws of a
/// subject and predicate; each new combination is translated once.
std::vector<WordPair> BuildSentencePairs(std::mt19937& rng, const Translator& translate, int attempts = 301);

/// Options A to C for the draw `c` (0, 1, 2 puts the right answer in A, B,
/// C): c = 0 -> right, wrong1, wrong2; c = 1 -> wrong1, right, wrong2;
/// c = 2 -> wrong2, wrong1, right.
std::array<std::string, 3> PlaceOptions(int c, const std::string& right, const std::string& wrong1,
                                        const std::string& wrong2);

/// A question of a question file.
struct FileQuestion {
    std::string text;                  // the question lines, marker blanked, joined by LF
    std::array<std::string, 4> answers;  // a) to d), markers blanked, trimmed
    char correct = 0;                  // 'A'..'D', or 0 when the answer line has no "*"
    bool operator==(const FileQuestion&) const = default;
};

/// Reads the next question from `lines` starting at `index` (which moves
/// past it): a line holding "(?)" starts it, the lines up to the first one
/// starting with "a)" or "a-" belong to it, then four answer lines and the
/// line naming the right letter after "*". Nothing when no "(?)" follows.
std::optional<FileQuestion> ReadFileQuestion(const std::vector<std::string>& lines, std::size_t& index);

class MultipleChoiceTest {
public:
    MultipleChoiceTest(std::uint32_t seed, bool english_ui) : english_ui_(english_ui), rng_(seed) {}

    /// Activation with the word pairs (BuildDictionaryPairs, English first)
    /// and the sentence pairs (BuildSentencePairs, which the window may
    /// build once per dictionary load). Resets the score.
    void SetPairs(std::vector<WordPair> words, std::vector<WordPair> sentences);

    struct Turn {
        /// A message box instead of a question: "Click O.K !", "KAYIT Yok!",
        /// "File End !!!", the all-asked notice …
        std::string message;
        std::string message_title;
        /// The all-asked notice: the window offers RESET.
        bool offer_reset = false;
        bool asked = false;       // a question is on display
        std::string question;
        std::array<std::string, 4> options;  // A, B, C, D
        std::string hint;         // the right meaning (hidden hint label)
        bool sentence = false;
    };
    /// START / "DEVAM ET".
    Turn Start();

    struct Check {
        std::string mark;  // "O.K. " / "DOGRU", "WRONG" / "YANLIS", "-" when the question has no answer
        bool right = false;
    };
    /// O.K with the pressed letter ('A'..'D', or '?' when none).
    Check CheckAnswer(char pressed);

    /// RESET: the asked words are forgotten, counters and clock start again.
    void Reset();
    /// Half-second timer.
    void TimerTick();

    /// Question file: enters file mode (and resets).
    void LoadQuestionFile(std::string_view text);
    /// "Sözlük yükleme": back to dictionary questions (and resets).
    void LeaveFileMode();
    /// Speaker button: the listening variant (question hidden, answers are
    /// English words); leaves file mode first.
    void EnterListening();
    /// The text read aloud for the listening variant.
    std::string SpeechText() const { return EnglishSpeechText(question_); }

    int Total = 0, Right = 0, Wrong = 0;
    long HalfSeconds = 0;
    bool Counting = true;
    bool QuestionVisible = true;
    bool FileMode = false;
    char Correct = 'D';
    std::string Mark = "?";
    std::array<std::string, 3> PrevOptions = {"?", "?", "?"};

    long Seconds() const { return HalfSeconds / 2; }
    std::size_t FileIndex() const { return file_index_; }

private:
    Turn StartFromFile();
    Turn AskSentence();
    Turn AskWord();
    Turn Place(Turn turn, const std::string& right, const std::string& wrong1, const std::string& wrong2,
               std::string_view none_text);
    std::optional<std::size_t> DrawNotAsked(std::size_t count, std::set<std::size_t>& used);
    std::size_t DrawOther(const std::vector<std::string_view>& answers, std::size_t right, std::size_t taken);
    std::string_view Text(std::string_view english, std::string_view turkish) const {
        return english_ui_ ? english : turkish;
    }

    bool english_ui_;
    std::mt19937 rng_;
    std::vector<WordPair> words_, sentences_;
    std::set<std::size_t> used_words_, used_sentences_;
    std::vector<std::string> file_lines_;
    std::size_t file_index_ = 0;
    bool current_counted_ = false;
    bool any_asked_ = false;
    std::string question_;
};

}  // namespace zelmor::learning
