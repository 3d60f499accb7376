// A scripted MaintenanceUi: records every box in UTF-8 and answers from
// preset values.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/maintenance/maintenance_ui.h"
#include "tests/support/fixtures.h"

namespace zelmor::maintenance {

struct FakeUi : MaintenanceUi {
    std::vector<std::string> messages, warnings, errors, confirms, questions;
    std::deque<bool> confirm_answers;  // empty: OK
    Answer yes_no_cancel = Answer::Yes;
    std::optional<std::filesystem::path> save_path;
    std::vector<std::string> filters;
    std::string listing;  // UTF-8
    int listing_sets = 0;

    void Message(std::string_view t) override { messages.push_back(testing::Utf8(t)); }
    void Warning(std::string_view t, std::string_view caption) override {
        warnings.push_back(testing::Utf8(t) + "|" + testing::Utf8(caption));
    }
    void Error(std::string_view t) override { errors.push_back(testing::Utf8(t)); }
    bool Confirm(std::string_view t, std::string_view caption) override {
        confirms.push_back(testing::Utf8(t) + "|" + testing::Utf8(caption));
        if (confirm_answers.empty()) return true;
        bool a = confirm_answers.front();
        confirm_answers.pop_front();
        return a;
    }
    Answer AskYesNoCancel(std::string_view t) override {
        questions.push_back(testing::Utf8(t));
        return yes_no_cancel;
    }
    std::optional<std::filesystem::path> ChooseSaveFile(std::string_view filter) override {
        filters.push_back(testing::Utf8(filter));
        return save_path;
    }
    void SetListing(std::string_view t) override {
        listing = testing::Utf8(t);
        ++listing_sets;
    }
};

}  // namespace zelmor::maintenance
