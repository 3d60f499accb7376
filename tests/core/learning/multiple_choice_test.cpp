#include <gtest/gtest.h>

#include "core/learning/multiple_choice.h"
#include "tests/support/fixtures.h"

namespace zelmor::learning {
namespace {

using testing::Cp;
using testing::Utf8;

std::vector<WordPair> Words(int n) {
    std::vector<WordPair> w;
    for (int i = 0; i < n; ++i) w.push_back({"w" + std::to_string(i), "m" + std::to_string(i)});
    return w;
}

TEST(GeneratedSentences, FixedPhrasesAndCodesTranslatedOnce) {
    EXPECT_EQ(Subjects().size(), 47u);
    EXPECT_EQ(Predicates().size(), 53u);
    EXPECT_EQ(GeneratedSentence(0, 0), "I go to the house ");
    EXPECT_EQ(GeneratedSentence(43, 49), "Will they want an apple ");
    std::mt19937 rng(5);
    int calls = 0;
    std::vector<WordPair> pairs = BuildSentencePairs(rng, [&](std::string_view s) {
        ++calls;
        return "tr:" + std::string(s);
    });
    EXPECT_EQ(static_cast<int>(pairs.size()), calls);
    EXPECT_GT(pairs.size(), 150u);  // 301 draws; some phrases repeat in the lists
    EXPECT_LE(pairs.size(), 301u);
    std::set<std::string> sentences;
    for (const WordPair& p : pairs) {
        EXPECT_EQ(p.meaning, "tr:" + p.word);
        EXPECT_TRUE(sentences.insert(p.word).second) << p.word;
    }
}

TEST(ReadFileQuestion, MarkersAnswerLineAndUncountedQuestions) {
    std::vector<std::string> lines = {"Title line",
                                      "(?) Which one is",
                                      "an animal?",
                                      "a) table",
                                      " b- dog",
                                      "c) chair",
                                      "d)  door",
                                      "answer: *b",
                                      "(?)What is 2+2?",
                                      "a-3",
                                      "b-4",
                                      "c-5",
                                      "d-6",
                                      "no star here",
                                      "(?) Third",
                                      "a) x",
                                      "b) y",
                                      "(?) Fourth",
                                      "a) 1", "b) 2", "c) 3", "d) 4", "*d"};
    std::size_t i = 0;
    auto q1 = ReadFileQuestion(lines, i);
    ASSERT_TRUE(q1);
    EXPECT_EQ(q1->text, "Which one is\nan animal?");
    EXPECT_EQ(q1->answers, (std::array<std::string, 4>{"table", "dog", "chair", "door"}));
    EXPECT_EQ(q1->correct, 'B');
    auto q2 = ReadFileQuestion(lines, i);
    ASSERT_TRUE(q2);
    EXPECT_EQ(q2->text, "What is 2+2?");
    EXPECT_EQ(q2->answers, (std::array<std::string, 4>{"3", "4", "5", "6"}));
    EXPECT_EQ(q2->correct, 0);
    // A question cut short does not swallow the next one.
    auto q3 = ReadFileQuestion(lines, i);
    ASSERT_TRUE(q3);
    EXPECT_EQ(q3->answers, (std::array<std::string, 4>{"x", "y", "", ""}));
    auto q4 = ReadFileQuestion(lines, i);
    ASSERT_TRUE(q4);
    EXPECT_EQ(q4->text, "Fourth");
    EXPECT_EQ(q4->correct, 'D');
    EXPECT_FALSE(ReadFileQuestion(lines, i));
}

TEST(MultipleChoiceTest, OptionPlacementAndOptionDNeverRight) {
    MultipleChoiceTest t(11, /*english_ui=*/true);
    t.SetPairs(Words(40), {});
    std::set<char> placements;
    for (int turn = 0; turn < 40; ++turn) {
        MultipleChoiceTest::Turn q = t.Start();
        ASSERT_TRUE(q.asked) << q.message;
        const std::string right = q.hint;
        EXPECT_EQ(right, "m" + q.question.substr(1));
        int at = static_cast<int>(std::find(q.options.begin(), q.options.end(), right) - q.options.begin());
        ASSERT_LT(at, 3) << "the right answer must be in A to C";
        EXPECT_EQ(t.Correct, 'A' + at);
        EXPECT_NE(q.options[3], right);
        // The two wrong answers are other words' meanings, all different.
        std::set<std::string> abc(q.options.begin(), q.options.begin() + 3);
        EXPECT_EQ(abc.size(), 3u);
        placements.insert(t.Correct);
        t.CheckAnswer(t.Correct);
    }
    EXPECT_EQ(placements, (std::set<char>{'A', 'B', 'C'}));
    EXPECT_EQ(t.Total, 40);
    EXPECT_EQ(t.Right, 40);
}

TEST(PlaceOptions, RightAnswerAndWrongAnswersByDraw) {
    using A = std::array<std::string, 3>;
    EXPECT_EQ(PlaceOptions(0, "R", "W1", "W2"), (A{"R", "W1", "W2"}));
    EXPECT_EQ(PlaceOptions(1, "R", "W1", "W2"), (A{"W1", "R", "W2"}));
    EXPECT_EQ(PlaceOptions(2, "R", "W1", "W2"), (A{"W2", "W1", "R"}));
}

TEST(MultipleChoiceTest, EqualMeaningsNeverGiveTwoRightOptions) {
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        MultipleChoiceTest t(seed, true);
        t.SetPairs({{"a", "same"}, {"b", "same"}, {"c", "other"}, {"d", "third"}}, {});
        for (int turn = 0; turn < 4; ++turn) {
            MultipleChoiceTest::Turn q = t.Start();
            ASSERT_TRUE(q.asked);
            const int right = t.Correct - 'A';
            EXPECT_EQ(q.options[right], q.hint);
            EXPECT_EQ(std::count(q.options.begin(), q.options.end(), q.hint), 1) << seed;
            if (turn == 0) {
                EXPECT_TRUE(q.options[3] == "?" || Utf8(q.options[3]) == "Hiçbiri değil");
            }
            t.CheckAnswer('A');
        }
    }
}

TEST(MultipleChoiceTest, ScoringCountsOnlyTheFirstCheck) {
    MultipleChoiceTest t(3, /*english_ui=*/false);
    t.SetPairs(Words(10), {});
    ASSERT_TRUE(t.Start().asked);
    char wrong = t.Correct == 'A' ? 'B' : 'A';
    EXPECT_EQ(t.CheckAnswer(wrong).mark, "YANLIS");
    EXPECT_EQ(t.CheckAnswer(t.Correct).mark, "DOGRU");
    EXPECT_EQ(t.CheckAnswer('?').mark, "YANLIS");
    EXPECT_EQ(t.Total, 1);
    EXPECT_EQ(t.Right, 0);
    EXPECT_EQ(t.Wrong, 1);
    ASSERT_TRUE(t.Start().asked);
    EXPECT_FALSE(t.CheckAnswer('D').right);  // D is never right
}

TEST(MultipleChoiceTest, SecondStartWithoutCheckAsksForOk) {
    MultipleChoiceTest t(3, true);
    t.SetPairs(Words(10), {});
    ASSERT_TRUE(t.Start().asked);
    MultipleChoiceTest::Turn again = t.Start();
    EXPECT_FALSE(again.asked);
    EXPECT_EQ(again.message, "Click O.K !");
    EXPECT_EQ(again.message_title, "Warning");
    EXPECT_EQ(t.Total, 1);
    t.CheckAnswer('A');
    EXPECT_TRUE(t.Start().asked);
}

TEST(MultipleChoiceTest, EveryWordAskedOffersResetAndResetStartsAgain) {
    MultipleChoiceTest t(9, true);
    t.SetPairs(Words(3), {});
    std::set<std::string> asked;
    for (int i = 0; i < 3; ++i) {
        MultipleChoiceTest::Turn q = t.Start();
        ASSERT_TRUE(q.asked);
        asked.insert(q.question);
        t.CheckAnswer('A');
    }
    EXPECT_EQ(asked.size(), 3u);  // no repeats
    for (int i = 0; i < 6; ++i) t.TimerTick();
    EXPECT_EQ(t.Seconds(), 3);
    MultipleChoiceTest::Turn done = t.Start();
    EXPECT_FALSE(done.asked);
    EXPECT_TRUE(done.offer_reset);
    EXPECT_EQ(done.message, "Every word has been asked. Click RESET to start again.");
    t.Reset();
    EXPECT_EQ(t.Total + t.Right + t.Wrong + t.HalfSeconds, 0);
    t.TimerTick();
    EXPECT_EQ(t.HalfSeconds, 0);  // the clock waits for the first question
    EXPECT_TRUE(t.Start().asked);

    MultipleChoiceTest empty(1, false);
    EXPECT_EQ(Utf8(empty.Start().message), "KAYIT Yok!");
}

TEST(MultipleChoiceTest, SentenceQuestionsAndListening) {
    MultipleChoiceTest t(21, true);
    std::mt19937 rng(1);
    t.SetPairs(Words(200), BuildSentencePairs(rng, [](std::string_view s) { return "TR " + std::string(s); }));
    int sentences = 0;
    for (int i = 0; i < 60; ++i) {
        MultipleChoiceTest::Turn q = t.Start();
        ASSERT_TRUE(q.asked);
        if (q.sentence) {
            ++sentences;
            EXPECT_EQ(q.options[t.Correct - 'A'], "TR " + q.question);
            EXPECT_NE(q.options[3], "TR " + q.question);
        }
        t.CheckAnswer('A');
    }
    EXPECT_GT(sentences, 3);   // about one in five
    EXPECT_LT(sentences, 25);

    t.EnterListening();
    MultipleChoiceTest::Turn q = t.Start();
    ASSERT_TRUE(q.asked);
    EXPECT_FALSE(q.sentence);  // listening asks words only
    EXPECT_EQ(q.options[t.Correct - 'A'], q.question);  // answers are the English words
    EXPECT_TRUE(q.options[3] == "none" || q.options[3][0] == 'w');
    EXPECT_EQ(t.SpeechText(), q.question);
}

TEST(MultipleChoiceTest, QuestionFileMode) {
    MultipleChoiceTest t(2, true);
    t.SetPairs(Words(5), {});
    t.LoadQuestionFile("(?) Q1\r\na) x\r\nb) y\r\nc) z\r\nd) w\r\n*c\r\n(?) Q2\na) 1\nb) 2\nc) 3\nd) 4\n\n");
    MultipleChoiceTest::Turn q = t.Start();
    ASSERT_TRUE(q.asked);
    EXPECT_EQ(q.question, "Q1");
    EXPECT_EQ(q.options, (std::array<std::string, 4>{"x", "y", "z", "w"}));
    EXPECT_EQ(t.Start().message, "Click O.K !");
    EXPECT_TRUE(t.CheckAnswer('C').right);
    EXPECT_EQ(t.Right, 1);
    q = t.Start();  // no "*": shown, not counted
    EXPECT_EQ(q.question, "Q2");
    EXPECT_EQ(t.Total, 1);
    EXPECT_EQ(t.CheckAnswer('A').mark, "-");
    MultipleChoiceTest::Turn end = t.Start();
    EXPECT_EQ(end.message, "File End !!!");
    EXPECT_EQ(end.message_title, " Warning");
    t.LeaveFileMode();
    EXPECT_FALSE(t.FileMode);
    EXPECT_EQ(t.Start().question.substr(0, 1), "w");
}

}  // namespace
}  // namespace zelmor::learning
