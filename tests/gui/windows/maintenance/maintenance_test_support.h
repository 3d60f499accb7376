// A store and frame switches for one maintenance window, the scripted
// prompts that answer its boxes, and small helpers.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTextCursor>
#include <QWidget>

#include <string>
#include <vector>

#include "core/store/dictionary_store.h"
#include "gui/app/frame_switches.h"
#include "gui/windows/maintenance/maintenance_common.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui::testing {

struct Bench {
    explicit Bench(store::DictionaryStore s) : store(std::move(s)) {
        switches.ProgramDir = QString::fromStdString(dir.path().string()) + QLatin1Char('/');
    }
    MaintenanceContext Context() {
        return MaintenanceContext{[this]() -> store::DictionaryStore& { return store; }, switches};
    }
    store::DictionaryStore store;
    FrameSwitches switches;
    zelmor::testing::TempDir dir;
    ScriptedPrompts prompts;

    /// Texts of the boxes asked so far, as "caption|text".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> out;
        for (const auto& q : prompts.questions) out.push_back((q.caption + QLatin1Char('|') + q.text).toStdString());
        return out;
    }
    std::string LastText() const {
        return prompts.questions.empty() ? std::string() : prompts.questions.back().text.toStdString();
    }
};

inline void Click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

inline std::vector<std::string> Keys(const store::StringList& list) {
    std::vector<std::string> out;
    for (std::string_view k : list) out.push_back(zelmor::testing::Utf8(k));
    return out;
}

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

inline void SelectText(QPlainTextEdit* edit, int from, int to) {
    QTextCursor c = edit->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    edit->setTextCursor(c);
}

}  // namespace zelmor::gui::testing
