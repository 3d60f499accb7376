// The English voice: what every window that reads English aloud relies on.
//
// Rate runs from -10 (slowest) to 10 (fastest), 0 is normal; Volume from 0
// to 100. Speak(text, kSpeakAsync) returns at once and the text is spoken in
// the background, queued after what is still being spoken. Each window
// creates its own voice through CreateEnglishVoice().
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace zelmor::gui {

class SpeechVoice : public QObject {
    Q_OBJECT
public:
    static constexpr int kSpeakAsync = 1;

    using QObject::QObject;
    ~SpeechVoice() override = default;

    int Rate() const { return rate_; }
    virtual void SetRate(int rate) { rate_ = rate < -10 ? -10 : rate > 10 ? 10 : rate; }
    int Volume() const { return volume_; }
    virtual void SetVolume(int volume) { volume_ = volume < 0 ? 0 : volume > 100 ? 100 : volume; }
    /// Speaks `text`; with kSpeakAsync in `flags` the call does not wait.
    virtual void Speak(const QString& text, int flags) = 0;
    /// Drops what is queued and stops the sound.
    virtual void Stop() {}

signals:
    /// The voice cannot make sound (no speech data, no audio device). Sent
    /// once; the voice then goes on silently.
    void Unavailable(const QString& reason);

private:
    int rate_ = 0;
    int volume_ = 100;
};

/// Makes the voice of one window: espeak-ng through Qt Multimedia, unless a
/// test has replaced the factory.
std::unique_ptr<SpeechVoice> CreateEnglishVoice();

using VoiceFactory = std::function<std::unique_ptr<SpeechVoice>()>;
/// Replaces the factory (tests use a fake voice); an empty one restores it.
void SetVoiceFactory(VoiceFactory factory);

/// Words per minute for the synthesizer at a given Rate: 175 at 0, three
/// times faster at 10 and three times slower at -10.
int WordsPerMinuteForRate(int rate);

}  // namespace zelmor::gui
