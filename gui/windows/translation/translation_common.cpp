#include "gui/windows/translation/translation_common.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/engine_tr_en/tr_en_engine.h"
#include "core/text/cp1254.h"
#include "gui/app/frame_form.h"

namespace zelmor::gui {
namespace {

QString S(const char16_t* s) { return QString::fromUtf16(s); }

double g_speech_pace = 1.0;
TurkishSpeakerFactory& SpeakerFactory() {
    static TurkishSpeakerFactory factory;
    return factory;
}

}  // namespace

SpeechHandOver& SpeechHandOver::Program() {
    static SpeechHandOver hand_over;
    return hand_over;
}

TranslationContext TranslationContext::Of(TFrameForm& frame) {
    return TranslationContext{[&frame] { return frame.StoreHandle(); }, frame, SpeechHandOver::Program(),
                              [&frame](bool on) { frame.SetTopMost(on); }, {}};
}

Translator TranslationContext::Engine() const { return translate ? translate : Translator(&TranslateWith); }

QString ApplyPronounMarks(QString text) {
    static const std::pair<const char16_t*, const char16_t*> kMarks[] = {
        {u"O(e)", u"oerkek "}, {u"o(e)", u"oerkek "},    {u"Onun(e)", u"onunerkek "}, {u"O(k)", u"okız "},
        {u"o(k)", u"okız "},   {u"onun(k)", u"onunkız "}, {u"cm.", u"cm*"},          {u"mt.", u"mt*"},
    };
    for (const auto& [from, to] : kMarks) text.replace(S(from), S(to), Qt::CaseSensitive);
    return text;
}

QString NormaliseDialogInput(const QString& input) {
    // Only blanks are trimmed, as the engines see them.
    qsizetype b = 0, e = input.size();
    while (b < e && input[b] == u' ') ++b;
    while (e > b && input[e - 1] == u' ') --e;
    if (b == e) return {};
    QString text = QLatin1Char(' ') + input.mid(b, e - b) + QLatin1Char(' ');
    if (text.size() > 120) {
        text.truncate(120);
        // The last blank at 1-based positions 111..119 ends the text.
        for (qsizetype i = 118; i >= 110; --i) {
            if (text[i] == u' ') {
                text.truncate(i + 1);
                break;
            }
        }
    }
    text = ApplyPronounMarks(std::move(text));
    text.replace(QStringLiteral("("), QStringLiteral(" ( "));
    text.replace(QStringLiteral(")"), QStringLiteral(" ) "));
    return text;
}

QString StripTraceMarker(const QString& text) {
    const qsizetype at = text.indexOf(QStringLiteral(";Q47;"));
    return at > 0 ? text.left(at) : text;
}

QString TranslateWith(const store::DictionaryStore& store, Direction direction, const QString& text,
                      const FrameSwitches& switches) {
    const std::string in = text::Utf8ToCp1254Lossy(text.toStdString());
    std::string out;
    if (direction == Direction::EnToTr) {
        auto full = en_tr::MakeFullEnTrEngine(store);
        en_tr::EnTrEngine& engine = full->Engine();
        engine.EngineMode = switches.EngineMode.toStdString();
        out = engine.TranslateEnToTr(in);
    } else {
        tr_en::TrEnEngine engine(store);
        engine.EngineMode = switches.EngineMode.toStdString();
        engine.EditMode = switches.EditMode;
        engine.TraceRequest = switches.TraceRequest;
        out = engine.TranslateTrToEn(in);
    }
    return QString::fromStdString(text::Cp1254ToUtf8(out));
}

QStringList SplitIntoSentences(const QString& text) {
    QStringList pieces;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        bool cut = false;
        qsizetype end = i + 1;
        if (c == u'\n') {
            cut = true;
        } else if ((c == u'.' || c == u'?' || c == u'!') && i + 1 < n &&
                   (text[i + 1] == u' ' || text[i + 1] == u'\r' || text[i + 1] == u'\n')) {
            // Keep the blanks and line breaks after the sentence end with it.
            while (end < n && (text[end] == u' ' || text[end] == u'\r' || text[end] == u'\n')) ++end;
            cut = true;
        }
        if (cut) {
            pieces << text.mid(start, end - start);
            start = end;
            i = end - 1;
        }
    }
    if (start < n) pieces << text.mid(start);
    return pieces;
}

void SetTurkishSpeakerFactory(TurkishSpeakerFactory factory) { SpeakerFactory() = std::move(factory); }

std::unique_ptr<TurkishSpeaker> MakeTurkishSpeaker(const FrameSwitches& switches) {
    if (SpeakerFactory()) return SpeakerFactory()();
    return CreateTurkishSpeaker(switches);
}

void SetSpeechPaceForTesting(double factor) { g_speech_pace = factor; }

void SpeechPause(int ms) {
    const int scaled = static_cast<int>(ms * g_speech_pace);
    if (scaled <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(scaled, &loop, &QEventLoop::quit);
    loop.exec();
}

// ---- background translation -------------------------------------------------

BackgroundTranslation::BackgroundTranslation(std::shared_ptr<const store::DictionaryStore> store,
                                             Direction direction, QStringList sentences,
                                             FrameSwitches switches, Translator translate, QObject* parent)
    : QObject(parent),
      store_(std::move(store)),
      direction_(direction),
      sentences_(std::move(sentences)),
      switches_(std::move(switches)),
      translate_(translate ? std::move(translate) : Translator(&TranslateWith)) {}

BackgroundTranslation::~BackgroundTranslation() {
    if (thread_) {
        cancel_ = true;
        thread_->wait();
        delete thread_;
    }
}

void BackgroundTranslation::Start() {
    if (thread_) return;
    thread_ = QThread::create([this] { Run(); });
    thread_->start();
}

void BackgroundTranslation::Cancel() { cancel_ = true; }

bool BackgroundTranslation::Running() const { return thread_ && thread_->isRunning(); }

void BackgroundTranslation::Run() {
    // The signals cross to the owner's thread queued; the receivers live
    // there, so each sentence's text is copied into the event.
    bool cancelled = false;
    for (qsizetype i = 0; i < sentences_.size(); ++i) {
        if (cancel_) {
            cancelled = true;
            break;
        }
        const QString& piece = sentences_[i];
        QString out;
        if (!piece.trimmed().isEmpty()) {
            try {
                out = translate_(*store_, direction_, piece, switches_);
            } catch (const std::exception&) {
                // One faulty sentence must not end the others.
                out = piece;
            }
        } else {
            out = piece;
        }
        emit SentenceDone(static_cast<int>(i), out);
    }
    emit Finished(cancelled);
}

}  // namespace zelmor::gui
