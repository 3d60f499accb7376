#include "core/learning/multiple_choice.h"

#include <algorithm>

#include "core/text/cp1254.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::learning {

using namespace zelmor::text::literals;

const std::vector<std::string_view>& Subjects() {
    static const std::vector<std::string_view> list = {
        "I",         "I",           "I can",       "I do not",   "I can not", "I will",     "You will",
        "I will not", "You will not", "We will",   "They will",  "We will not", "They will not", "You",
        "You can",   "I do not",    "You can not", "She",        "She can",   "She does not", "She can not",
        "He",        "He can",      "He does not", "He can not", "We",        "We can",     "We do not",
        "We can not", "They",       "They can",    "They do not", "They can not", "Do I",    "Can I",
        "Do you",    "Can you",     "Does she",    "Can he",     "Do we",     "Can we",     "Do they",
        "Can they",  "Will you",    "Will they",   "They must",  "I must"};
    return list;
}

const std::vector<std::string_view>& Predicates() {
    static const std::vector<std::string_view> list = {
        "go",            "go to the house", "get up",          "read a book",     "walk",
        "read",          "know",            "want to go",      "walk quickly",    "write",
        "write a letter", "buy a car",      "tell him",        "go to the house", "get up",
        "read a book",   "walk",            "read",            "know",            "want to go",
        "walk quickly",  "write",           "write a letter",  "buy a car",       "tell him",
        "go to the house", "get up early",  "run fast",        "decide",          "like an apple",
        "study harder",  "have breakfast",  "visit",           "buy a pencil",    "come late",
        "carry a basket", "swim good",      "drive a car",     "clean the house", "play basketball",
        "speak english", "drink water",     "tell him",        "afraid of dog",   "speak french",
        "drink water",   "want to see",     "like coffee",     "work hard",       "want to eat bread",
        "want an apple", "like coffee",     "work hard"};
    return list;
}

std::string GeneratedSentence(int s, int p) {
    return std::string(Subjects()[static_cast<std::size_t>(s) + 1]) + " " +
           std::string(Predicates()[static_cast<std::size_t>(p) + 1]) + " ";
}

std::vector<WordPair> BuildSentencePairs(std::mt19937& rng, const Translator& translate, int attempts) {
    std::vector<WordPair> pairs;
    std::set<int> codes;
    std::set<std::string> sentences;
    std::uniform_int_distribution<int> subject(0, 43), predicate(0, 49);
    for (int i = 0; i < attempts; ++i) {
        int s = subject(rng);
        int p = predicate(rng);
        if (!codes.insert(s * 100 + p + 101).second) continue;
        std::string sentence = GeneratedSentence(s, p);
        // Some phrases occur twice in the lists; one question per sentence.
        if (!sentences.insert(sentence).second) continue;
        std::string translation = translate(sentence);
        pairs.push_back({std::move(sentence), std::move(translation)});
    }
    return pairs;
}

std::array<std::string, 3> PlaceOptions(int c, const std::string& right, const std::string& wrong1,
                                        const std::string& wrong2) {
    switch (c) {
        case 0: return {right, wrong1, wrong2};
        case 1: return {wrong1, right, wrong2};
        default: return {wrong2, wrong1, right};
    }
}

namespace {

// The answer marker of `letter` ("a)" or "a-", either case) at the start of
// the trimmed line.
bool StartsWithMarker(std::string_view line, char letter) {
    std::string_view t = text::Trim(line);
    if (t.size() < 2 || (t[1] != ')' && t[1] != '-')) return false;
    return t[0] == letter || t[0] == letter - 'a' + 'A';
}

}  // namespace

std::optional<FileQuestion> ReadFileQuestion(const std::vector<std::string>& lines, std::size_t& index) {
    while (index < lines.size() && lines[index].find("(?)") == std::string::npos) ++index;
    if (index >= lines.size()) return std::nullopt;
    FileQuestion q;
    std::string first = lines[index++];
    first.replace(first.find("(?)"), 3, "   ");
    q.text = std::string(text::Trim(first));
    while (index < lines.size() && !StartsWithMarker(lines[index], 'a')) {
        if (!q.text.empty()) q.text += '\n';
        q.text += text::Trim(lines[index++]);
    }
    if (index >= lines.size()) return std::nullopt;
    for (int k = 0; k < 4 && index < lines.size(); ++k) {
        std::string_view t = text::Trim(lines[index]);
        if (lines[index].find("(?)") != std::string::npos) break;  // the next question already
        ++index;
        if (StartsWithMarker(t, static_cast<char>('a' + k))) t = text::Trim(t.substr(2));
        q.answers[static_cast<std::size_t>(k)] = std::string(t);
    }
    if (index < lines.size() && lines[index].find("(?)") == std::string::npos) {
        const std::string& answer = lines[index++];
        std::size_t star = answer.find('*');
        if (star != std::string::npos && star + 1 < answer.size()) {
            char c = text::AsciiUpperChar(answer[star + 1]);
            if (c >= 'A' && c <= 'D') q.correct = c;
        }
    }
    return q;
}

void MultipleChoiceTest::SetPairs(std::vector<WordPair> words, std::vector<WordPair> sentences) {
    words_ = std::move(words);
    sentences_ = std::move(sentences);
    used_sentences_.clear();
    Reset();
}

void MultipleChoiceTest::Reset() {
    used_words_.clear();
    Total = Right = Wrong = 0;
    HalfSeconds = 0;
    Counting = true;
    QuestionVisible = true;
    Mark = "?";
    any_asked_ = false;
}

void MultipleChoiceTest::TimerTick() {
    if (Counting && Total > 0) ++HalfSeconds;
}

void MultipleChoiceTest::LoadQuestionFile(std::string_view text) {
    file_lines_.clear();
    text::SplitToList(file_lines_, text, '\n');
    for (std::string& l : file_lines_)
        if (!l.empty() && l.back() == '\r') l.pop_back();
    file_index_ = 0;
    FileMode = true;
    Reset();
}

void MultipleChoiceTest::LeaveFileMode() {
    FileMode = false;
    file_index_ = 0;
    Reset();
}

void MultipleChoiceTest::EnterListening() {
    if (FileMode) LeaveFileMode();
    QuestionVisible = false;
}

std::optional<std::size_t> MultipleChoiceTest::DrawNotAsked(std::size_t count, std::set<std::size_t>& used) {
    if (used.size() >= count) return std::nullopt;
    std::uniform_int_distribution<std::size_t> draw(0, count - used.size() - 1);
    std::size_t k = draw(rng_);
    // The k-th number below `count` that was not asked yet.
    for (std::size_t i = 0; i < count; ++i) {
        if (used.count(i)) continue;
        if (k-- == 0) {
            used.insert(i);
            return i;
        }
    }
    return std::nullopt;
}

std::size_t MultipleChoiceTest::DrawOther(const std::vector<std::string_view>& answers, std::size_t right,
                                          std::size_t taken) {
    // Another entry whose answer reads differently from the right one and
    // from the one already taken, so that exactly one option is right.
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < answers.size(); ++i)
        if (answers[i] != answers[right] && (taken == right || answers[i] != answers[taken])) others.push_back(i);
    if (others.empty())
        for (std::size_t i = 0; i < answers.size(); ++i)
            if (i != right && i != taken) others.push_back(i);
    if (others.empty()) return right;
    std::uniform_int_distribution<std::size_t> draw(0, others.size() - 1);
    return others[draw(rng_)];
}

MultipleChoiceTest::Turn MultipleChoiceTest::Start() {
    if (FileMode && QuestionVisible) return StartFromFile();
    Turn turn;
    if (words_.empty()) {
        turn.message = Text("no Record", "KAYIT Yok!"_cp);
        return turn;
    }
    if (any_asked_ && Mark == "?") {
        turn.message = "Click O.K !";
        turn.message_title = "Warning";
        return turn;
    }
    Mark = "?";
    std::uniform_int_distribution<int> fifth(0, 4);
    if (fifth(rng_) == 2 && QuestionVisible && used_sentences_.size() < sentences_.size()) return AskSentence();
    return AskWord();
}

MultipleChoiceTest::Turn MultipleChoiceTest::AskSentence() {
    Turn turn;
    std::size_t n = sentences_.size();
    std::size_t r = *DrawNotAsked(n, used_sentences_);
    std::vector<std::string_view> answers;
    for (const WordPair& p : sentences_) answers.push_back(p.meaning);
    std::size_t w1 = DrawOther(answers, r, r);
    std::size_t w2 = DrawOther(answers, r, w1);
    turn.sentence = true;
    turn.question = sentences_[r].word;
    turn.hint = sentences_[r].meaning;
    return Place(std::move(turn), sentences_[r].meaning, sentences_[w1].meaning, sentences_[w2].meaning,
                 "Hiçbiri Değil"_cp);
}

MultipleChoiceTest::Turn MultipleChoiceTest::AskWord() {
    Turn turn;
    std::size_t n = words_.size();
    std::optional<std::size_t> drawn = DrawNotAsked(n, used_words_);
    if (!drawn) {
        turn.message = Text("Every word has been asked. Click RESET to start again.",
                            "Bütün kelimeler soruldu. Yeniden başlamak için RESET'e basınız."_cp);
        turn.message_title = "Warning";
        turn.offer_reset = true;
        return turn;
    }
    std::size_t r = *drawn;
    std::vector<std::string_view> answers;
    for (const WordPair& p : words_) answers.push_back(QuestionVisible ? p.meaning : p.word);
    std::size_t w1 = DrawOther(answers, r, r);
    std::size_t w2 = DrawOther(answers, r, w1);
    turn.question = words_[r].word;
    turn.hint = words_[r].meaning;
    if (QuestionVisible)
        return Place(std::move(turn), words_[r].meaning, words_[w1].meaning, words_[w2].meaning,
                     "Hiçbiri değil"_cp);
    return Place(std::move(turn), words_[r].word, words_[w1].word, words_[w2].word, "none");
}

MultipleChoiceTest::Turn MultipleChoiceTest::Place(Turn turn, const std::string& right, const std::string& wrong1,
                                                   const std::string& wrong2, std::string_view none_text) {
    std::uniform_int_distribution<int> three(0, 2), four(0, 3);
    const int c = three(rng_);
    auto& o = turn.options;
    std::array<std::string, 3> abc = PlaceOptions(c, right, wrong1, wrong2);
    std::copy(abc.begin(), abc.end(), o.begin());
    Correct = static_cast<char>('A' + c);
    // Option D is never right: a previous answer that reads like one of the
    // current options (e.g. the right meaning) gives way to "none of them".
    const int d = four(rng_);
    o[3] = d < 3 ? PrevOptions[static_cast<std::size_t>(d)] : std::string(none_text);
    if (std::find(o.begin(), o.begin() + 3, o[3]) != o.begin() + 3) o[3] = std::string(none_text);
    PrevOptions = {o[0], o[1], o[2]};
    question_ = turn.question;
    ++Total;
    current_counted_ = true;
    any_asked_ = true;
    turn.asked = true;
    return turn;
}

MultipleChoiceTest::Turn MultipleChoiceTest::StartFromFile() {
    Turn turn;
    if (any_asked_ && Mark == "?") {
        turn.message = "Click O.K !";
        turn.message_title = "Warning";
        return turn;
    }
    Mark = "?";
    std::optional<FileQuestion> q = ReadFileQuestion(file_lines_, file_index_);
    if (!q) {
        turn.message = "File End !!!";
        turn.message_title = " Warning";
        return turn;
    }
    turn.asked = true;
    turn.question = q->text;
    turn.options = q->answers;
    question_ = q->text;
    any_asked_ = true;
    current_counted_ = q->correct != 0;
    Correct = q->correct;
    if (current_counted_) ++Total;
    return turn;
}

MultipleChoiceTest::Check MultipleChoiceTest::CheckAnswer(char pressed) {
    Check check;
    if (!current_counted_) {
        // A file question without a named answer: nothing to score.
        Mark = check.mark = "-";
        return check;
    }
    check.right = pressed == Correct;
    Mark = check.mark = std::string(check.right ? Text("O.K. ", "DOGRU") : Text("WRONG", "YANLIS"));
    if (Right + Wrong < Total) (check.right ? Right : Wrong) += 1;
    return check;
}

}  // namespace zelmor::learning
