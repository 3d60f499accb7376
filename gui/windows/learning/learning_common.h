// Shared pieces of the learning windows (word demos, sentence demos, test):
// what they need from the frame, the code page 1254 <-> Qt conversion at
// the widget edge, the Turkish-letter overlay from the glyph file and the
// clock-driven pacing of the demo cycle.
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/learning/demo.h"
#include "core/store/dictionary_store.h"
#include "gui/app/frame_switches.h"

class QTextEdit;
class QTextDocument;

namespace zelmor::gui {

class TFrameForm;

/// What a learning window uses of the program around it. Tests fill it with
/// a small store, fixed seed and fake clock.
struct LearningContext {
    /// The store of the moment (the frame swaps it as a whole on a reload).
    std::function<std::shared_ptr<const store::DictionaryStore>()> store;
    FrameSwitches* switches = nullptr;
    /// Engines; empty means a fresh engine over the store for each call.
    learning::Translator en_tr, tr_en;
    /// Turkish read-aloud of a code page 1254 text; empty stays silent.
    std::function<void(const std::string&)> speak_turkish;
    /// Milliseconds of a monotonic clock; empty means the steady clock.
    std::function<std::int64_t()> clock;
    /// Seed of the random draws; 0 means one taken from the clock.
    std::uint32_t seed = 0;

    static LearningContext Of(TFrameForm& frame);

    std::int64_t Now() const;
    std::uint32_t Seed() const;
    const FrameSwitches& Switches() const;
    learning::Translator EnTr() const;
    learning::Translator TrEn() const;
};

namespace learning_view {

/// A Qt string from a UTF-16 literal (Turkish captions and messages).
inline QString U(const char16_t* text) { return QString::fromUtf16(text); }

QString FromCp(std::string_view cp1254);
std::string ToCp(const QString& text);

/// Loads "abc1.rtf" of the program folder into `glyphs`; true when it is
/// there and its text is longer than 200 characters.
bool LoadGlyphFile(const QString& program_dir, QTextDocument& glyphs);

/// Positions of the formatted Turkish letters inside the glyph text.
using GlyphPositions = std::map<char16_t, int>;
/// The word demos' large letters.
const GlyphPositions& LargeGlyphs();
/// The sentence demos' letters.
const GlyphPositions& SmallGlyphs();
/// The test's letters ("_" included).
const GlyphPositions& TestGlyphs();

/// Pastes the formatted glyph over every letter of `pane` listed in
/// `positions`; the caret ends at 0 with no selection.
void ReplaceGlyphs(QTextEdit& pane, const QTextDocument& glyphs, const GlyphPositions& positions);

}  // namespace learning_view

/// A window paced by a DemoPacer on the GUI thread: a single-shot timer
/// fires when the next step is due, and every step (window update, engine
/// call, speech call) runs in the window's own thread. Tests drive Tick()
/// with a fake clock.
class TPacedDialog : public QDialog {
    Q_OBJECT
public:
    TPacedDialog(LearningContext context, QWidget* parent);

    /// Runs the steps that are due now and schedules the next one.
    void Tick();
    /// START / STOP.
    void ResumePacing();
    void PausePacing();
    bool Paused() const { return pacer_ && pacer_->paused(); }
    bool PacingEnded() const { return !pacer_ || pacer_->ended(); }
    const learning::DemoPacer* Pacer() const { return pacer_ ? &*pacer_ : nullptr; }
    const LearningContext& Context() const { return context_; }
    /// Escape and closing end the cycle first.
    void reject() override;
    /// Number of times the end message was shown (tests).
    int EndMessages() const { return end_messages_; }

protected:
    void StartPacing(bool builds_list, int pause_seconds);
    void SetPauseSeconds(int seconds);
    /// Stops the cycle at once (closing): the end message appears once.
    void StopPacing();
    /// Ends the cycle from inside a step; the end message follows.
    void RequestStopPacing();
    virtual void OnStep(learning::DemoStep step) = 0;
    virtual QString EndText() const = 0;
    void closeEvent(QCloseEvent* event) override;

    LearningContext context_;

private:
    void Schedule();
    std::optional<learning::DemoPacer> pacer_;
    QTimer timer_;
    int end_messages_ = 0;
    bool in_tick_ = false;
};

}  // namespace zelmor::gui
