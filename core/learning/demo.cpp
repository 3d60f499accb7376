#include "core/learning/demo.h"

#include <algorithm>
#include <limits>

#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::learning {

using namespace zelmor::text::literals;

void WordDemo::UseDictionaryPairs(std::vector<WordPair> pairs) {
    pairs_ = std::move(pairs);
    FromFile = false;
    CurrentIndex = 0;
}

void WordDemo::UseFilePairs(std::vector<WordPair> pairs) {
    pairs_ = std::move(pairs);
    FromFile = true;
    FileIndex = 0;
    CurrentIndex = 0;
}

WordDemo::Card WordDemo::NextCard() {
    Card card;
    if (pairs_.empty()) return card;  // NoRecord
    if (FromFile) {
        if (FileIndex >= pairs_.size()) {
            card.kind = Card::Kind::EndOfFile;
            return card;
        }
        CurrentIndex = FileIndex++;
    } else {
        // Every pair can come up, the last one included.
        std::uniform_int_distribution<std::size_t> draw(0, pairs_.size() - 1);
        CurrentIndex = draw(rng_);
    }
    card.kind = Card::Kind::Show;
    card.word = DisplayText(pairs_[CurrentIndex].word);
    card.meaning = CurrentMeaning();
    return card;
}

std::string WordDemo::CurrentMeaning() const {
    if (!ShowMeaning || CurrentIndex >= pairs_.size()) return {};
    return DisplayText(pairs_[CurrentIndex].meaning);
}

DemoPacer::DemoPacer(bool builds_list, std::int64_t now_ms, int pause_seconds)
    : state_(builds_list ? State::Starting : State::Showing), due_(now_ms), pause_seconds_(pause_seconds) {}

std::vector<DemoStep> DemoPacer::Advance(std::int64_t now_ms) {
    std::vector<DemoStep> steps;
    if (state_ == State::Ended) return steps;
    if (stop_requested_) {
        state_ = State::Ended;
        steps.push_back(DemoStep::Ended);
        return steps;
    }
    while (!paused_ && due_ <= now_ms) {
        switch (state_) {
            case State::Starting:
                steps.push_back(DemoStep::ShowStarting);
                state_ = State::Building;
                due_ += 1000;
                break;
            case State::Building:
                steps.push_back(DemoStep::BuildList);
                state_ = State::Showing;
                break;
            case State::Showing:
                ++cycles_;
                steps.push_back(DemoStep::ShowNext);
                state_ = State::Reading;
                due_ += 500;
                break;
            case State::Reading:
                steps.push_back(DemoStep::ReadAloud);
                state_ = State::Showing;
                due_ += static_cast<std::int64_t>(pause_seconds_) * 1000;
                break;
            case State::Ended:
                return steps;
        }
    }
    return steps;
}

std::optional<std::int64_t> DemoPacer::NextDue() const {
    if (state_ == State::Ended) return std::nullopt;
    if (stop_requested_) return std::numeric_limits<std::int64_t>::min();
    if (paused_) return std::nullopt;
    return due_;
}

void DemoPacer::Pause(std::int64_t now_ms) {
    if (paused_ || state_ == State::Ended) return;
    remaining_ = std::max<std::int64_t>(0, due_ - now_ms);
    paused_ = true;
}

void DemoPacer::Resume(std::int64_t now_ms) {
    if (!paused_) return;
    due_ = now_ms + remaining_;
    paused_ = false;
}

void DemoPacer::RequestStop() {
    stop_requested_ = true;
    paused_ = false;
}

std::string PrepareTurkishSentence(std::string_view sentence) {
    std::string s(sentence);
    const std::pair<std::string_view, std::string_view> marks[] = {
        {"O(e)", "oerkek "},          {"o(e)", "oerkek "},     {"Onun(e)", "onunerkek "},
        {"O(k)", "okız "_cp},         {"o(k)", "okız "_cp},    {"onun(k)", "onunkız "_cp},
        {"cm.", "cm*"},               {"mt.", "mt*"},
    };
    for (const auto& [from, to] : marks) s = text::ReplaceAll(s, from, to);
    if (s.size() > 80) s.resize(80);
    return s;
}

std::string PrepareEnglishSentence(std::string_view sentence) {
    std::string s(sentence);
    if (s.size() > 120) {
        s.resize(120);
        // The last blank at a 1-based position from 111 to 119 ends the text.
        for (std::size_t pos = 119; pos >= 111; --pos) {
            if (s[pos - 1] == ' ') {
                s.resize(pos);
                break;
            }
        }
    }
    return s;
}

SentenceDemo::Shown SentenceDemo::Next(const Translator& translate) {
    Shown shown;
    if (LineIndex >= Lines.size()) {
        LineIndex = Lines.empty() ? 0 : Lines.size() - 1;
        shown.end = true;
        return shown;
    }
    std::string line = Lines[LineIndex++];
    LastTranslation.clear();
    if (language == Language::English) line.erase(std::remove(line.begin(), line.end(), '\t'), line.end());
    std::string s = line + " ";
    shown.upper = language == Language::Turkish ? s : line;
    if (!SpeechOn) {
        if (language == Language::Turkish) {
            LastTranslation = translate(PrepareTurkishSentence(s));
        } else {
            std::string t = PrepareEnglishSentence(s);
            if (CodingMode) t += "==";
            LastTranslation = translate(t);
            shown.lower_highlight = !LastTranslation.empty();
            shown.upper = t;
            if (CodingMode) {
                std::size_t at = LastTranslation.find("==", 1);
                if (at != std::string::npos) CodedParts.push_back(LastTranslation.substr(at));
            }
        }
        shown.lower = LastTranslation;
    }
    if (!ShowTranslation) shown.lower.clear();
    return shown;
}

std::string SentenceDemo::ToggleTranslation() {
    ShowTranslation = !ShowTranslation;
    return ShowTranslation ? LastTranslation : std::string();
}

std::string SentenceDemo::SpeechText(std::string_view upper) const {
    if (language == Language::English) return EnglishSpeechText(upper);
    return std::string(text::Trim(upper));
}

std::string_view SentenceDemo::EndMessage() const {
    return language == Language::Turkish ? "DOSYA SONU !!!" : "End Of File  !!!";
}

std::string_view SentenceDemo::EndTitle() const {
    return language == Language::Turkish ? " DiKKAT" : " Please";
}

}  // namespace zelmor::learning
