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

#include "core/speech/turkish_speech.h"
#include "core/text/cp1254.h"
#include "gui/app/prompts.h"
#include "gui/windows/translation/translation_common.h"

namespace zelmor::gui {
namespace {

std::uint32_t U32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (std::uint32_t(u[3]) << 24);
}
std::uint16_t U16(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(u[0] | (u[1] << 8));
}

/// A PCM WAV file (8 or 16 bit, any channel count) as mono 16-bit samples;
/// false for anything else.
bool ReadWav(const QString& path, speech::PcmBuffer& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || std::memcmp(data.constData(), "RIFF", 4) != 0 ||
        std::memcmp(data.constData() + 8, "WAVE", 4) != 0)
        return false;
    int channels = 0, bits = 0, rate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        const char* chunk = data.constData() + pos;
        const qsizetype size = U32(chunk + 4);
        const qsizetype body = pos + 8;
        if (size < 0 || body + size > data.size() + 1) return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            if (U16(chunk + 8) != 1) return false;  // PCM only
            channels = U16(chunk + 10);
            rate = static_cast<int>(U32(chunk + 12));
            bits = U16(chunk + 22);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (channels <= 0 || rate <= 0 || (bits != 8 && bits != 16)) return false;
            const qsizetype bytes = std::min<qsizetype>(size, data.size() - body);
            const int frame = channels * bits / 8;
            out.sample_rate = rate;
            out.samples.clear();
            for (qsizetype f = 0; f + frame <= bytes; f += frame) {
                int sum = 0;
                for (int c = 0; c < channels; ++c) {
                    const char* s = data.constData() + body + f + c * bits / 8;
                    sum += bits == 16 ? static_cast<std::int16_t>(U16(s))
                                      : (static_cast<unsigned char>(*s) - 128) * 256;
                }
                out.samples.push_back(static_cast<std::int16_t>(sum / channels));
            }
            return true;
        }
        pos = body + size + (size & 1);
    }
    return false;
}

class FolderSoundSource : public speech::SoundSource {
public:
    explicit FolderSoundSource(QString program_dir) : dir_(std::move(program_dir)) {}
    speech::SoundLoad Load(speech::SoundFolder folder, const std::string& file_name) override {
        speech::SoundLoad load;
        // Names come from the index; never let one leave its folder.
        if (file_name.empty() || file_name.find_first_of("/\\") != std::string::npos ||
            file_name.find("..") != std::string::npos)
            return load;
        const QString path = dir_ + QString::fromStdString(std::string(speech::SoundFolderPath(folder))) +
                             QString::fromStdString(text::Cp1254ToUtf8(file_name));
        if (ReadWav(path, load.sound)) load.status = speech::LoadStatus::Loaded;
        return load;
    }

private:
    QString dir_;
};

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
    explicit QtTurkishSpeaker(QString program_dir) : dir_(std::move(program_dir)) {}
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
        FolderSoundSource source(dir_);
        speech::TurkishSpeech speech(speech::SoundIndex(std::move(index)), source, host_);
        speech.SpeechVolume = volume;
        speech.SpeakTurkish(text::Utf8ToCp1254Lossy(text.toStdString()));
    }

private:
    QString dir_;
    QtSpeechHost host_;
};

}  // namespace

std::unique_ptr<TurkishSpeaker> CreateTurkishSpeaker(const FrameSwitches& switches) {
    return std::make_unique<QtTurkishSpeaker>(switches.ProgramDir);
}

}  // namespace zelmor::gui
