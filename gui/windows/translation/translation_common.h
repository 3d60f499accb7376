// Shared pieces of the translation windows: what they use of the frame, the
// input normalisation, the engine calls, the Turkish speaker and the
// background translation of long texts.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

#include "core/store/dictionary_store.h"
#include "gui/app/frame_switches.h"

class QThread;

namespace zelmor::gui {

class TFrameForm;

/// Values the translation windows hand to the Turkish speech: the playback
/// volume and the note a result window leaves when the engine answered that
/// the text holds over-long sentences.
struct SpeechHandOver {
    int SpeechVolume = 0;
    QString LongSentenceNote;
    /// The one hand-over of the program.
    static SpeechHandOver& Program();
};

enum class Direction { EnToTr, TrToEn };

/// One engine call: a fresh engine of the direction over the store. Must be
/// safe to call from a worker thread.
using Translator = std::function<QString(const store::DictionaryStore& store, Direction direction,
                                         const QString& text, const FrameSwitches& switches)>;

/// What the translation windows use of the frame. The store is reached
/// through a function because the frame swaps it as a whole when it loads
/// the dictionaries; a translation keeps the handle it started with.
struct TranslationContext {
    std::function<std::shared_ptr<const store::DictionaryStore>()> store;
    FrameSwitches& switches;
    SpeechHandOver& speech;
    /// Makes the frame a normal (false) or top-most window; may be empty.
    std::function<void(bool)> set_frame_top_most;
    /// The engine call; empty means TranslateWith (tests record the calls).
    Translator translate;

    Translator Engine() const;

    static TranslationContext Of(TFrameForm& frame);
};


/// "O(e)" -> "oerkek ", ..., "cm." -> "cm*", "mt." -> "mt*", in this order.
QString ApplyPronounMarks(QString text);
/// The English-Turkish dialog's input as it goes to the engine: trimmed,
/// one blank on each side, cut to 120 characters (and back to the last
/// blank at 1-based positions 111..119), pronoun marks, then a blank on both
/// sides of every parenthesis. Empty when the trimmed input is empty.
QString NormaliseDialogInput(const QString& input);
/// The part before ";Q47;" when the marker stands after the first character.
QString StripTraceMarker(const QString& text);

/// One call of the engine of a direction over `store`, with the switches'
/// EngineMode (and EditMode / TraceRequest for Turkish-English).
QString TranslateWith(const store::DictionaryStore& store, Direction direction, const QString& text,
                      const FrameSwitches& switches);

/// The pieces a long text is translated in: cut after ".", "?" or "!"
/// followed by a blank or a line break, and after every line break. The
/// pieces joined give the text back.
QStringList SplitIntoSentences(const QString& text);

/// Plays Turkish text aloud. Speak returns when the text has been spoken
/// (window messages keep running meanwhile).
class TurkishSpeaker {
public:
    virtual ~TurkishSpeaker() = default;
    virtual bool HasOutputDevice() = 0;
    virtual void Speak(const QString& text, int volume) = 0;
    /// The short signal after the no-device message.
    virtual void Signal() {}
};

/// Speech from the recordings under ProgramDir + "trwav/", played through
/// the default audio output with Qt Multimedia. Without an output device it
/// says so instead of waiting for one.
std::unique_ptr<TurkishSpeaker> CreateTurkishSpeaker(const FrameSwitches& switches);
using TurkishSpeakerFactory = std::function<std::unique_ptr<TurkishSpeaker>()>;
/// Replaces the factory (tests); an empty one restores it.
void SetTurkishSpeakerFactory(TurkishSpeakerFactory factory);
std::unique_ptr<TurkishSpeaker> MakeTurkishSpeaker(const FrameSwitches& switches);

/// Pauses of the speech loops are multiplied by this (tests use 0).
void SetSpeechPaceForTesting(double factor);
/// Waits `ms` (scaled by the pace) while window messages run.
void SpeechPause(int ms);

/// Translates a long text sentence by sentence in a thread of its own with
/// its own engine. Results arrive on the owner's thread through queued
/// signals; Cancel stops after the sentence being translated.
class BackgroundTranslation : public QObject {
    Q_OBJECT
public:
    BackgroundTranslation(std::shared_ptr<const store::DictionaryStore> store, Direction direction,
                          QStringList sentences, FrameSwitches switches, Translator translate,
                          QObject* parent = nullptr);
    ~BackgroundTranslation() override;

    void Start();
    void Cancel();
    bool Running() const;
    int Total() const { return static_cast<int>(sentences_.size()); }

signals:
    void SentenceDone(int index, const QString& translation);
    /// `cancelled` when Cancel stopped it early.
    void Finished(bool cancelled);

private:
    void Run();

    std::shared_ptr<const store::DictionaryStore> store_;
    Direction direction_;
    QStringList sentences_;
    FrameSwitches switches_;
    Translator translate_;
    std::atomic<bool> cancel_{false};
    QThread* thread_ = nullptr;
};

}  // namespace zelmor::gui
