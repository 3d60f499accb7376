#include "gui/speech/english_voice.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <cmath>
#include <mutex>

#include <espeak-ng/speak_lib.h>

namespace zelmor::gui {
namespace {

VoiceFactory& Factory() {
    static VoiceFactory factory;
    return factory;
}

// espeak-ng is one engine per process and not re-entrant: every voice
// object synthesizes through it under this lock.
std::mutex& EngineMutex() {
    static std::mutex m;
    return m;
}

// Sample rate of the engine, or -1 when it could not start (no data files).
int EngineSampleRate() {
    static int rate = [] {
        std::lock_guard lock(EngineMutex());
        int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (r > 0 && espeak_SetVoiceByName("en") != EE_OK) r = -1;
        return r;
    }();
    return rate;
}

int CollectSamples(short* wav, int count, espeak_EVENT* events) {
    if (wav && count > 0 && events) {
        auto* out = static_cast<QByteArray*>(events->user_data);
        out->append(reinterpret_cast<const char*>(wav), count * static_cast<int>(sizeof(short)));
    }
    return 0;
}

QByteArray Synthesize(const QString& text, int rate) {
    QByteArray pcm;
    QByteArray utf8 = text.toUtf8();
    std::lock_guard lock(EngineMutex());
    espeak_SetSynthCallback(CollectSamples);
    espeak_SetParameter(espeakRATE, WordsPerMinuteForRate(rate), 0);
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, &pcm);
    return pcm;
}

// espeak-ng synthesizes on a worker thread into PCM; the PCM is queued on
// the GUI thread and pushed into a QAudioSink as it drains.
class EspeakVoice : public SpeechVoice {
public:
    explicit EspeakVoice(QObject* parent) : SpeechVoice(parent) {
        pump_.setInterval(20);
        connect(&pump_, &QTimer::timeout, this, [this] { Pump(); });
    }
    ~EspeakVoice() override { StopSink(); }

    void SetVolume(int volume) override {
        SpeechVoice::SetVolume(volume);
        if (sink_) sink_->setVolume(Volume() / 100.0);
    }

    void Speak(const QString& text, int flags) override {
        if (failed_ || text.trimmed().isEmpty()) return;
        if (EngineSampleRate() <= 0) {
            Fail(QStringLiteral("İngilizce ses verisi bulunamadı (espeak-ng)"));
            return;
        }
        int rate = Rate();
        if (!(flags & kSpeakAsync)) {
            Enqueue(Synthesize(text, rate));
            return;
        }
        QPointer<EspeakVoice> self(this);
        QThreadPool::globalInstance()->start([self, text, rate] {
            QByteArray pcm = Synthesize(text, rate);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, pcm] {
                    if (self) self->Enqueue(pcm);
                },
                Qt::QueuedConnection);
        });
    }

    void Stop() override {
        pending_.clear();
        StopSink();
    }

private:
    void Fail(const QString& reason) {
        if (failed_) return;
        failed_ = true;
        pending_.clear();
        emit Unavailable(reason);
    }

    bool EnsureSink() {
        if (sink_) return true;
        QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            Fail(QStringLiteral("Ses çıkışı yok: İngilizce okuma sessiz"));
            return false;
        }
        QAudioFormat format;
        format.setSampleRate(EngineSampleRate());
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            Fail(QStringLiteral("Ses çıkışı bu biçimi çalamıyor: İngilizce okuma sessiz"));
            return false;
        }
        sink_ = new QAudioSink(device, format, this);
        sink_->setVolume(Volume() / 100.0);
        io_ = sink_->start();
        if (!io_) {
            Fail(QStringLiteral("Ses çıkışı açılamadı: İngilizce okuma sessiz"));
            StopSink();
            return false;
        }
        return true;
    }

    void Enqueue(const QByteArray& pcm) {
        if (failed_ || pcm.isEmpty()) return;
        if (!EnsureSink()) return;
        pending_.append(pcm);
        Pump();
        if (!pending_.isEmpty()) pump_.start();
    }

    void Pump() {
        if (!sink_ || !io_) {
            pump_.stop();
            return;
        }
        qsizetype room = sink_->bytesFree();
        if (room > 0 && !pending_.isEmpty()) {
            qint64 written = io_->write(pending_.constData(), std::min(room, pending_.size()));
            if (written > 0) pending_.remove(0, written);
        }
        if (pending_.isEmpty()) pump_.stop();
    }

    void StopSink() {
        pump_.stop();
        if (sink_) {
            sink_->stop();
            delete sink_;
            sink_ = nullptr;
            io_ = nullptr;
        }
    }

    QTimer pump_;
    QAudioSink* sink_ = nullptr;
    QIODevice* io_ = nullptr;
    QByteArray pending_;
    bool failed_ = false;
};

}  // namespace

int WordsPerMinuteForRate(int rate) {
    rate = rate < -10 ? -10 : rate > 10 ? 10 : rate;
    return static_cast<int>(std::lround(175.0 * std::pow(3.0, rate / 10.0)));
}

std::unique_ptr<SpeechVoice> CreateEnglishVoice() {
    if (Factory()) return Factory()();
    return std::make_unique<EspeakVoice>(nullptr);
}

void SetVoiceFactory(VoiceFactory factory) { Factory() = std::move(factory); }

}  // namespace zelmor::gui
