// The Turkish speaker of the desktop program: recordings from the sound
// folders beside the program, joined by the Turkish speech and played
// through Qt Multimedia's default output.
#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

#include <cstring>

#include <filesystem>

#include "adapters/file_sound_source.h"
#include "core/speech/turkish_speech.h"
#include "core/text/cp1254.h"
#include "gui/net/sound_fetchers.h"
#include "gui/app/prompts.h"
#include "gui/windows/translation/translation_common.h"

namespace zelmor::gui {
namespace {

class QtSpeechHost : public speech::SpeechHost {
public:
    void Message(std::string_view text) override {
        Prompts::Current().Inform(nullptr, QStringLiteral("ZELMOR"),
                                  QString::fromStdString(text::Cp1254ToUtf8(text)));
    }
    bool HasOutputDevice() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    void Play(const speech::PcmBuffer& sound, int volume) override {
        if (sound.empty()) return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return;
        QAudioFormat format;
        format.setSampleRate(sound.sample_rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return;
        QByteArray bytes(reinterpret_cast<const char*>(sound.samples.data()),
                         static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t)));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QAudioSink sink(device, format);
        sink.setVolume(std::clamp(volume, 0, 100) / 100.0);
        QEventLoop loop;
        QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
            if (state == QAudio::IdleState || state == QAudio::StoppedState) loop.quit();
        });
        // However the device behaves, the word ends a second after its length.
        QTimer::singleShot(static_cast<int>(sound.LengthMs()) + 1000, &loop, &QEventLoop::quit);
        sink.start(&buffer);
        if (sink.error() == QAudio::NoError && sink.state() == QAudio::ActiveState) loop.exec();
        sink.stop();
    }
};

class QtTurkishSpeaker : public TurkishSpeaker {
public:
    explicit QtTurkishSpeaker(QString program_dir)
        : dir_(std::move(program_dir)), net_(std::filesystem::path(dir_.toStdString())) {}
    bool HasOutputDevice() override { return host_.HasOutputDevice(); }
    void Signal() override { QApplication::beep(); }
    void Speak(const QString& text, int volume) override {
        if (!HasOutputDevice()) {
            host_.Message(speech::NoDeviceMessage());
            return;
        }
        QFile index_file(dir_ + QString::fromLatin1(speech::kSoundIndexPath.data(),
                                                    static_cast<qsizetype>(speech::kSoundIndexPath.size())));
        std::string index;
        if (index_file.open(QIODevice::ReadOnly)) index = index_file.readAll().toStdString();
        // Recordings are read with libsndfile (they are ADPCM WAV files); a
        // name from the index never leaves the trwav folders.
        adapters::FileSoundSource source(std::filesystem::path(dir_.toStdString()));
        // A recording listed in the index but missing here is fetched from
        // the program's web site when the machine is online.
        net_.Attach(source);
        speech::TurkishSpeech speech(speech::SoundIndex(std::move(index)), source, host_);
        speech.SpeechVolume = volume;
        speech.SpeakTurkish(text::Utf8ToCp1254Lossy(text.toStdString()));
    }

private:
    QString dir_;
    net::SoundDownloads net_;  // outlives the sources attached in Speak
    QtSpeechHost host_;
};

}  // namespace

std::unique_ptr<TurkishSpeaker> CreateTurkishSpeaker(const FrameSwitches& switches) {
    return std::make_unique<QtTurkishSpeaker>(switches.ProgramDir);
}

}  // namespace zelmor::gui
