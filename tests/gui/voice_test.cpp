// The real English voice: speaking never blocks the caller, and without a
// sound device it says so once and goes on silently.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/speech/english_voice.h"

namespace zelmor::gui {
namespace {

TEST(EspeakVoice, AsyncSpeakReturnsAtOnceAndNoDeviceMeansSilence) {
    SetVoiceFactory({});
    std::unique_ptr<SpeechVoice> voice = CreateEnglishVoice();
    QSignalSpy unavailable(voice.get(), &SpeechVoice::Unavailable);
    voice->SetRate(-1);
    voice->SetVolume(150);
    EXPECT_EQ(voice->Volume(), 100);

    QElapsedTimer clock;
    clock.start();
    voice->Speak(QStringLiteral("Hello, this is a rather long sentence for the speech engine to say."),
                 SpeechVoice::kSpeakAsync);
    EXPECT_LT(clock.elapsed(), 200);

    // Let the synthesis finish and its sound reach the (missing) device.
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    QObject::connect(voice.get(), &SpeechVoice::Unavailable, &loop, &QEventLoop::quit);
    loop.exec();
    if (QMediaDevices::audioOutputs().isEmpty()) {
        ASSERT_EQ(unavailable.size(), 1);
        EXPECT_FALSE(unavailable[0][0].toString().isEmpty());
        // Further speech stays silent without a second note.
        voice->Speak(QStringLiteral("Again."), 0);
        EXPECT_EQ(unavailable.size(), 1);
    }
    voice->Stop();
}

}  // namespace
}  // namespace zelmor::gui
