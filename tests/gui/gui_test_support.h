// Stand-ins for the user and the speech service in the GUI tests.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "gui/app/prompts.h"
#include "gui/speech/english_voice.h"

namespace zelmor::gui::testing {

/// Answers message boxes from a script (Ok when the script is empty) and
/// file dialogs with preset names; records every question.
class ScriptedPrompts : public Prompts {
public:
    struct Question {
        QString caption, text;
        QMessageBox::StandardButtons buttons;
    };
    ScriptedPrompts() { Prompts::Install(this); }
    ~ScriptedPrompts() override { Prompts::Install(nullptr); }

    QMessageBox::StandardButton Ask(QWidget*, QMessageBox::Icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons) override {
        questions.push_back({caption, text, buttons});
        if (answers.empty()) return QMessageBox::Ok;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFileName(QWidget*, const QString& filter) override {
        open_filters << filter;
        return open_name;
    }
    QString SaveFileName(QWidget*, const QString& initial, const QString& filter,
                         const QString& suffix) override {
        save_requests << initial;
        save_filter = filter;
        save_suffix = suffix;
        return save_name;
    }

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Question> questions;
    QString open_name, save_name, save_filter, save_suffix;
    QStringList open_filters, save_requests;
};

/// Records what it is asked to say.
class FakeVoice : public SpeechVoice {
public:
    void Speak(const QString& text, int flags) override {
        spoken << text;
        last_flags = flags;
    }
    QStringList spoken;
    int last_flags = -1;
};

/// Makes every window's voice a FakeVoice for the lifetime of the object.
class FakeVoices {
public:
    FakeVoices() {
        SetVoiceFactory([] { return std::make_unique<FakeVoice>(); });
    }
    ~FakeVoices() { SetVoiceFactory({}); }
};

}  // namespace zelmor::gui::testing
