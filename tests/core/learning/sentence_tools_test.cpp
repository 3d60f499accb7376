#include <gtest/gtest.h>

#include "core/learning/sentence_tools.h"

namespace zelmor::learning {
namespace {

TEST(SentenceTools, ListAndIndexCodedLines) {
    EXPECT_EQ(ListCodedParts({"header==x;y", "I go==ben;gidiyorum;", "==a;;b", "no marks"}),
              (std::vector<std::string>{"I goben", "gidiyorum", "a", "b", "no marks"}));
    IndexedLines r = IndexLines({"walk(s)", "", "*go_to<house", "walk(s)", "Book(1)"});
    EXPECT_EQ(r.sorted, (std::vector<std::string>{"", "*go_to<house", "Book(1)", "walk(s)"}));
    EXPECT_EQ(r.cleaned, (std::vector<std::string>{"go to house", "Book", "walks"}));
    EXPECT_EQ(IndexFileLines({" keep ", "  b_c(ed)= ", "a**"}),
              (std::vector<std::string>{" keep ", "a**", "b ced=***"}));
}

TEST(SentenceTools, DecodeCodedSentence) {
    store::StringList keys;
    for (int i = 0; i < 300; ++i) keys.push_back("k" + std::to_string(i));
    keys.push_back(std::string(80, 'x'));  // entry 300
    std::string coded = {'\0', '\x05', '\x01', '\x00', '\x01', '\x2C', '\x7F', '\x7F', '\x01'};
    EXPECT_EQ(DecodeCodedSentence(coded, keys), " k5 k256 " + std::string(75, 'x'));
}

}  // namespace
}  // namespace zelmor::learning
