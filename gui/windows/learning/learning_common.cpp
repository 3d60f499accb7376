#include "gui/windows/learning/learning_common.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <chrono>
#include <limits>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/engine_tr_en/tr_en_engine.h"
#include "core/text/cp1254.h"
#include "gui/app/frame_form.h"
#include "gui/app/prompts.h"
#include "gui/editor/rich_text.h"

namespace zelmor::gui {

LearningContext LearningContext::Of(TFrameForm& frame) {
    LearningContext c;
    c.store = [&frame] { return frame.StoreHandle(); };
    c.switches = &frame;
    return c;
}

std::int64_t LearningContext::Now() const {
    if (clock) return clock();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::uint32_t LearningContext::Seed() const {
    if (seed != 0) return seed;
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

const FrameSwitches& LearningContext::Switches() const {
    static const FrameSwitches defaults;
    return switches ? *switches : defaults;
}

learning::Translator LearningContext::EnTr() const {
    if (en_tr) return en_tr;
    return [get = store](std::string_view text) -> std::string {
        std::shared_ptr<const store::DictionaryStore> s = get ? get() : nullptr;
        if (!s) return {};
        auto full = en_tr::MakeFullEnTrEngine(*s);
        en_tr::EnTrEngine& engine = full->Engine();
        return engine.TranslateEnToTr(text);
    };
}

learning::Translator LearningContext::TrEn() const {
    if (tr_en) return tr_en;
    return [get = store](std::string_view text) -> std::string {
        std::shared_ptr<const store::DictionaryStore> s = get ? get() : nullptr;
        if (!s) return {};
        tr_en::TrEnEngine engine(*s);
        return engine.TranslateTrToEn(text);
    };
}

namespace learning_view {

QString FromCp(std::string_view cp1254) { return QString::fromStdString(text::Cp1254ToUtf8(cp1254)); }

std::string ToCp(const QString& text) { return text::Utf8ToCp1254Lossy(text.toStdString()); }

bool LoadGlyphFile(const QString& program_dir, QTextDocument& glyphs) {
    const QString path = program_dir + QStringLiteral("abc1.rtf");
    glyphs.clear();
    if (!QFileInfo::exists(path)) return false;
    QString error;
    if (!LoadRichTextFile(path, glyphs, &error)) return false;
    return glyphs.toPlainText().size() > 200;
}

const GlyphPositions& LargeGlyphs() {
    static const GlyphPositions p = {{u'Ğ', 121}, {u'İ', 122}, {u'Ş', 124}, {u'ğ', 128}, {u'ı', 129}, {u'ş', 131}};
    return p;
}

const GlyphPositions& SmallGlyphs() {
    static const GlyphPositions p = {{u'Ğ', 31}, {u'İ', 32}, {u'Ş', 34}, {u'ğ', 38}, {u'ı', 39}, {u'ş', 41}};
    return p;
}

const GlyphPositions& TestGlyphs() {
    static const GlyphPositions p = {{u'Ğ', 31}, {u'İ', 32}, {u'Ş', 34}, {u'_', 36},
                                     {u'ğ', 38}, {u'ı', 39}, {u'ş', 41}};
    return p;
}

void ReplaceGlyphs(QTextEdit& pane, const QTextDocument& glyphs, const GlyphPositions& positions) {
    QTextDocument* doc = pane.document();
    const int glyph_count = glyphs.characterCount();
    for (int i = 0; i < doc->characterCount() - 1; ++i) {
        auto it = positions.find(doc->characterAt(i).unicode());
        if (it == positions.end() || it->second + 1 >= glyph_count) continue;
        QTextCursor glyph(const_cast<QTextDocument*>(&glyphs));
        glyph.setPosition(it->second);
        glyph.setPosition(it->second + 1, QTextCursor::KeepAnchor);
        QTextCursor target(doc);
        target.setPosition(i);
        target.setPosition(i + 1, QTextCursor::KeepAnchor);
        target.insertFragment(glyph.selection());
    }
    QTextCursor c(doc);
    c.setPosition(0);
    pane.setTextCursor(c);
}

}  // namespace learning_view

TPacedDialog::TPacedDialog(LearningContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TPacedDialog::Tick);
}

void TPacedDialog::StartPacing(bool builds_list, int pause_seconds) {
    pacer_.emplace(builds_list, context_.Now(), pause_seconds);
    Schedule();
}

void TPacedDialog::SetPauseSeconds(int seconds) {
    if (pacer_) pacer_->SetPauseSeconds(seconds);
}

void TPacedDialog::Tick() {
    // Turkish speech lets window messages run while it plays; a timer that
    // fires meanwhile must not start the next step inside this one.
    if (!pacer_ || in_tick_) return;
    in_tick_ = true;
    auto stopping = [this] {
        std::optional<std::int64_t> due = pacer_->NextDue();
        return due && *due == std::numeric_limits<std::int64_t>::min();
    };
    // A stop requested by a step ends the cycle in the same tick.
    for (bool again = true; again;) {
        for (learning::DemoStep step : pacer_->Advance(context_.Now())) {
            if (step == learning::DemoStep::Ended) {
                ++end_messages_;
                Prompts::Current().Inform(this, windowTitle(), EndText());
                continue;
            }
            OnStep(step);
            // A step may have paused or stopped the cycle.
            if (pacer_->paused() || pacer_->ended() || stopping()) break;
        }
        again = stopping();
    }
    in_tick_ = false;
    Schedule();
}

void TPacedDialog::Schedule() {
    timer_.stop();
    if (!pacer_) return;
    std::optional<std::int64_t> due = pacer_->NextDue();
    if (!due) return;
    const std::int64_t wait = std::max<std::int64_t>(0, *due - context_.Now());
    timer_.start(static_cast<int>(std::min<std::int64_t>(wait, 60000)));
}

void TPacedDialog::ResumePacing() {
    if (!pacer_) return;
    pacer_->Resume(context_.Now());
    Schedule();
}

void TPacedDialog::PausePacing() {
    if (!pacer_) return;
    pacer_->Pause(context_.Now());
    Schedule();
}

void TPacedDialog::StopPacing() {
    if (!pacer_ || pacer_->ended()) return;
    pacer_->RequestStop();
    Tick();
}

void TPacedDialog::RequestStopPacing() {
    if (!pacer_ || pacer_->ended()) return;
    pacer_->RequestStop();
    Schedule();
}

void TPacedDialog::closeEvent(QCloseEvent* event) {
    StopPacing();
    QDialog::closeEvent(event);
}

void TPacedDialog::reject() {
    StopPacing();
    QDialog::reject();
}

}  // namespace zelmor::gui
