// The translation windows over a recording translator (what reaches the
// engine and what the windows show), over small fixture stores (the real
// engines, the background translation) and over fake voices and speakers.
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "gui/app/prompts.h"
#include "gui/windows/translation/translation_windows.h"
#include "tests/support/fixtures.h"

namespace zelmor::gui {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class RecordingPrompts : public Prompts {
public:
    QStringList texts;
    QMessageBox::StandardButton Ask(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                    QMessageBox::StandardButtons) override {
        texts << text;
        return QMessageBox::Ok;
    }
};

struct SpeechLog {
    QStringList english;  // what the English voices were asked to say
    QStringList turkish;  // what the Turkish speaker was asked to say
    QList<int> turkish_volumes;
    int signals_ = 0;
    bool device = true;
};

class FakeVoice : public SpeechVoice {
public:
    explicit FakeVoice(SpeechLog& log) : log_(log) {}
    void Speak(const QString& text, int) override { log_.english << text; }

private:
    SpeechLog& log_;
};

class FakeSpeaker : public TurkishSpeaker {
public:
    explicit FakeSpeaker(SpeechLog& log) : log_(log) {}
    bool HasOutputDevice() override { return log_.device; }
    void Speak(const QString& text, int volume) override {
        log_.turkish << text;
        log_.turkish_volumes << volume;
    }
    void Signal() override { ++log_.signals_; }

private:
    SpeechLog& log_;
};

/// The frame's part for one test: store, switches, hand-over, a translator
/// that records its input and answers "T[" + text + "]", fakes for speech
/// and message boxes.
struct Bench {
    std::shared_ptr<const store::DictionaryStore> store;
    FrameSwitches switches;
    SpeechHandOver speech;
    RecordingPrompts prompts;
    SpeechLog log;
    std::mutex mutex;
    QStringList engine_inputs;
    QStringList engine_modes;
    QString answer_override;
    bool use_real_engine = false;

    explicit Bench(store::DictionaryStore s = testing::MakeStore({}))
        : store(std::make_shared<const store::DictionaryStore>(std::move(s))) {
        Prompts::Install(&prompts);
        SetVoiceFactory([this] { return std::make_unique<FakeVoice>(log); });
        SetTurkishSpeakerFactory([this] { return std::make_unique<FakeSpeaker>(log); });
        SetSpeechPaceForTesting(0);
        // The glyph file abc1.rtf lives in the data folder of the sources.
        switches.ProgramDir = QString::fromStdString((testing::SourceDir() / "data").string()) + QLatin1Char('/');
    }
    ~Bench() {
        Prompts::Install(nullptr);
        SetVoiceFactory({});
        SetTurkishSpeakerFactory({});
    }

    TranslationContext Context() {
        TranslationContext c{[this] { return store; }, switches, speech, {}, {}};
        if (!use_real_engine) {
            c.translate = [this](const store::DictionaryStore&, Direction d, const QString& text,
                                 const FrameSwitches& sw) {
                std::lock_guard lock(mutex);
                engine_inputs << text;
                engine_modes << sw.EngineMode;
                if (!answer_override.isNull()) return answer_override;
                return (d == Direction::EnToTr ? QStringLiteral("T[") : QStringLiteral("E[")) + text +
                       QStringLiteral("]");
            };
        }
        return c;
    }
};

QColor Base(QTextEdit* field) { return field->palette().color(QPalette::Base); }

// ---- input normalisation ------------------------------------------------------

TEST(DialogInput, NormalisesAsTheEngineExpects) {
    const QString x118(118, u'x');
    const QString words = QStringLiteral("aaaa ").repeated(23) + QStringLiteral("bbbb");  // 119 characters
    struct Case {
        QString input, expected;
    } cases[] = {
        {QStringLiteral("  hello  "), QStringLiteral(" hello ")},
        {QStringLiteral("   "), QString()},
        {QStringLiteral("O(e) is here"), QStringLiteral(" oerkek  is here ")},
        {QStringLiteral("a (big) dog"), QStringLiteral(" a  ( big )  dog ")},
        {QStringLiteral("5 cm. long"), QStringLiteral(" 5 cm* long ")},
        {U("onun(k) ev"), U(" onunkız  ev ")},
        // 118 characters plus the two blanks: not cut.
        {x118, QLatin1Char(' ') + x118 + QLatin1Char(' ')},
        // 119: cut to 120, then after the last blank at 111..119.
        {QString(119, u'y'), QLatin1Char(' ') + QString(119, u'y')},
        {words, (QLatin1Char(' ') + words).left(116)},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseDialogInput(c.input), c.expected) << c.input.toStdString();
}

TEST(DialogInput, PronounMarksAndTraceMarker) {
    EXPECT_EQ(ApplyPronounMarks(U("O(k) geldi. o(e) Onun(e) 3 mt.")), U("okız  geldi. oerkek  onunerkek  3 mt*"));
    EXPECT_EQ(StripTraceMarker(QStringLiteral(" a b;Q47;trace")), QStringLiteral(" a b"));
    EXPECT_EQ(StripTraceMarker(QStringLiteral(";Q47;rest")), QStringLiteral(";Q47;rest"));
}

TEST(DialogInput, SentencesJoinBackToTheText) {
    const QString text = QStringLiteral("One. Two?  Three!\nFour e.g.x five.");
    const QStringList pieces = SplitIntoSentences(text);
    EXPECT_EQ(pieces.join(QString()), text);
    EXPECT_EQ(pieces, (QStringList{QStringLiteral("One. "), QStringLiteral("Two?  "), QStringLiteral("Three!\n"),
                                   QStringLiteral("Four e.g.x five.")}));
}

// ---- English-Turkish dialog -----------------------------------------------------

TEST(ZelMorDlg, ActivationTranslatesNormalisedInputAndColoursResult) {
    Bench b;
    TZelMorDlg w(b.Context());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    w.Input()->setPlainText(QStringLiteral("O(e) (runs)"));
    w.Activate();
    ASSERT_EQ(b.engine_inputs.size(), 1);
    EXPECT_EQ(b.engine_inputs[0], QStringLiteral(" oerkek   ( runs )  "));
    EXPECT_EQ(w.Input()->toPlainText(), b.engine_inputs[0]);
    EXPECT_EQ(w.Result()->toPlainText(), QStringLiteral("T[ oerkek   ( runs )  ]"));
    EXPECT_EQ(Base(w.Result()), QColor(Qt::cyan));
    EXPECT_EQ(b.speech.SpeechVolume, 70);
    EXPECT_EQ(w.windowTitle(), U("iNGiLiZCE - TÜRKÇE DiALOG"));

    // Again on the next activation; an empty answer turns the result yellow.
    b.answer_override = QStringLiteral("");
    b.switches.EnglishUi = true;
    w.Activate();
    EXPECT_EQ(b.engine_inputs.size(), 2);
    EXPECT_EQ(Base(w.Result()), QColor(Qt::yellow));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ENGLISH - TURKISH DIALOG"));
    EXPECT_EQ(w.TranslatePushButton()->text(), QStringLiteral("translate"));
}

TEST(ZelMorDlg, EmptyInputAsksForTextAndTraceIsCutFromInput) {
    Bench b;
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("   "));
    w.Activate();
    EXPECT_TRUE(b.engine_inputs.isEmpty());
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral("Enter a Word or Sentence!"));

    w.Input()->setPlainText(QStringLiteral("go;Q47;x"));
    w.Translate();
    EXPECT_EQ(w.Input()->toPlainText(), QStringLiteral(" go"));
}

TEST(ZelMorDlg, RealEngineFromFixtureStore) {
    Bench b(testing::MakeStore({.en_user = {"good morning=günaydın"}}));
    b.use_real_engine = true;
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("good morning"));
    w.Activate();
    EXPECT_FALSE(w.Result()->toPlainText().trimmed().isEmpty());
    EXPECT_EQ(Base(w.Result()), QColor(Qt::cyan));
}

TEST(ZelMorDlg, GlyphOverlayOnlyWithoutTurkishKeyboard) {
    for (const bool keyboard : {false, true}) {
        Bench b;
        b.switches.TurkishKeyboard = keyboard;
        b.answer_override = U("ağaç şu");
        TZelMorDlg w(b.Context());
        w.Input()->setPlainText(QStringLiteral("tree"));
        w.Activate();
        ASSERT_TRUE(w.GlyphsUsable()) << "abc1.rtf in " << b.switches.ProgramDir.toStdString();
        // The letters stay the same; the overlay brings the glyph file's format.
        EXPECT_EQ(w.Result()->toPlainText(), U("ağaç şu"));
        QTextCursor c(w.Result()->document());
        c.setPosition(2);
        const QTextCharFormat overlaid = c.charFormat();  // format of "ğ"
        c.setPosition(1);
        const QTextCharFormat plain = c.charFormat();  // format of "a"
        EXPECT_EQ(overlaid == plain, keyboard) << "keyboard " << keyboard;
    }
}

TEST(ZelMorDlg, SyllablesShownWithRedDashesAndSpokenPieceByPiece) {
    Bench b;
    b.answer_override = U("merhaba dünya");
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("hello world"));
    w.Activate();
    w.SpellResult();
    const QString shown = w.Result()->toPlainText();
    EXPECT_EQ(shown, U("mer-ha-ba dün-ya"));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QTextCursor c(w.Result()->document());
        c.setPosition(static_cast<int>(i) + 1);  // the format of the character before
        const bool red = c.charFormat().foreground().color() == QColor(Qt::red);
        EXPECT_EQ(red, shown[i] == u'-') << i;
    }
    EXPECT_EQ(b.log.turkish, (QStringList{QStringLiteral("mer"), QStringLiteral("ha"), QStringLiteral("ba"),
                                          U("dün"), QStringLiteral("ya")}));
    EXPECT_EQ(b.log.turkish_volumes.value(0), 70);
}

TEST(ZelMorDlg, TurkishSpeechWholeAndWordByWord) {
    Bench b;
    b.answer_override = QStringLiteral("bir, iki. uc");
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("x"));
    w.Activate();
    w.SpeakResult();
    EXPECT_EQ(b.log.turkish, QStringList{QStringLiteral("bir, iki. uc")});
    b.log.turkish.clear();
    w.SpeakResultWords();
    EXPECT_EQ(b.log.turkish, (QStringList{QStringLiteral("bir"), QStringLiteral("iki"), QStringLiteral("uc")}));
}

TEST(ZelMorDlg, NoSoundDeviceSaysSoWithoutSpeaking) {
    Bench b;
    b.log.device = false;
    b.answer_override = U("merhaba dünya");
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("a b c"));
    w.Activate();
    QElapsedTimer t;
    t.start();
    w.SpeakResult();
    w.SpeakResultWords();
    w.SpellResult();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_TRUE(b.log.turkish.isEmpty());
    ASSERT_EQ(b.prompts.texts.size(), 3);  // one per command, not one per word
    EXPECT_EQ(b.prompts.texts[0], QStringLiteral("Sound Device not Found! "));
    EXPECT_EQ(b.log.signals_, 3);
}

TEST(ZelMorDlg, EnglishSpeechAndSliders) {
    Bench b;
    TZelMorDlg w(b.Context());
    w.Input()->setPlainText(QStringLiteral("  I see, you go."));
    w.Activate();
    b.log.english.clear();
    w.Input()->setPlainText(QStringLiteral("  I see, you go."));
    w.SpeakEnglishWords();
    EXPECT_EQ(b.log.english, (QStringList{QStringLiteral("I"), QStringLiteral("see"), QStringLiteral("you"),
                                          QStringLiteral("go")}));
    b.log.english.clear();
    w.ReadInputAloud();
    EXPECT_FALSE(b.log.english.isEmpty());
    EXPECT_TRUE(b.prompts.texts.isEmpty());
    w.Input()->clear();
    w.ReadInputAloud();
    EXPECT_EQ(b.prompts.texts, QStringList{U("bir metin yazınız..")});

    w.RateSlider()->setValue(4);
    EXPECT_EQ(w.Voice()->Rate(), -6);
    w.EnglishVolumeSlider()->setValue(50);
    EXPECT_EQ(w.Voice()->Volume(), 60);
    w.TurkishVolumeSlider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(b.speech.SpeechVolume, 71);
}

// ---- Turkish-English dialog -------------------------------------------------------

TEST(Form8, TranslatesSurroundedMarkedInputAndSilencesSpeech) {
    Bench b;
    b.speech.SpeechVolume = 55;
    TForm8 w(b.Context());
    w.Input()->setPlainText(U("O(k) geldi"));
    w.Activate();
    EXPECT_EQ(b.engine_inputs, QStringList{U(" okız  geldi ")});
    EXPECT_EQ(w.Input()->toPlainText(), U("O(k) geldi"));  // left as it was
    EXPECT_EQ(b.speech.SpeechVolume, 0);
    EXPECT_EQ(w.HiddenVolumeSlider()->value(), 70);

    w.Input()->setPlainText(QStringLiteral(" "));  // blank, not empty: translated
    w.Translate();
    EXPECT_EQ(b.engine_inputs.last(), QStringLiteral("   "));
    w.Input()->clear();
    w.Translate();
    EXPECT_EQ(w.Input()->toPlainText(), U("Türkçe kelime veya cümle giriniz!"));
}

// ---- result window ------------------------------------------------------------------

TEST(CevirForm, DirectionsAndEmptySelections) {
    Bench b;
    TCevirForm w(b.Context());
    w.HandOver(U("O(k) (ev)"), Direction::TrToEn);
    w.Activate();
    EXPECT_EQ(w.windowTitle(), U("Türkçe->ingilizce Dialog"));
    EXPECT_EQ(b.engine_inputs.last(), U("okız   ( ev )  "));
    const QString shown = w.Area()->toPlainText();

    w.HandOver(QString(), Direction::TrToEn);  // keeps what it showed
    w.Activate();
    EXPECT_EQ(w.Area()->toPlainText(), shown);

    w.HandOver(QStringLiteral(" O(e) runs "), Direction::EnToTr);  // English passes unchanged
    w.Activate();
    EXPECT_EQ(b.engine_inputs.last(), QStringLiteral("O(e) runs "));
    EXPECT_FALSE(w.EnglishSelectionHanded);

    w.HandOver(QStringLiteral("  "), Direction::EnToTr);
    w.Activate();
    EXPECT_EQ(w.Area()->toPlainText(), U("Cümle seçiniz!"));
    EXPECT_EQ(w.windowTitle(), U("İngilizce->Türkçe Dialog"));
}

TEST(CevirForm, LongSentenceNote) {
    Bench b;
    b.answer_override = U("Uzun cümleler var!");
    TCevirForm w(b.Context());
    w.HandOver(QStringLiteral("very long"), Direction::EnToTr);
    w.Activate();
    EXPECT_EQ(b.speech.LongSentenceNote, U("Uzun cümleler var!"));
}

TEST(CevirForm, LongTextRunsInBackgroundWithProgressAndCancel) {
    Bench b;
    // A slow engine: each sentence takes 2 ms.
    TranslationContext context = b.Context();
    std::atomic<int> calls{0};
    context.translate = [&calls](const store::DictionaryStore&, Direction, const QString& text, const FrameSwitches&) {
        ++calls;
        QThread::msleep(2);
        return text.toUpper();
    };
    TCevirForm w(context);
    QString text;
    for (int i = 0; i < 3000; ++i) text += QStringLiteral("a cat sat. ");
    w.HandOver(text, Direction::EnToTr);
    QSignalSpy done(&w, &TCevirForm::TranslationDone);
    w.Activate();
    ASSERT_TRUE(w.Busy());
    EXPECT_FALSE(w.Progress()->isHidden());
    EXPECT_EQ(w.Progress()->maximum(), 3000);
    // The GUI thread keeps running while the worker translates.
    QElapsedTimer t;
    t.start();
    while (w.Progress()->value() < 50 && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(w.Progress()->value(), 50);
    w.CancelButton()->click();
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(done.at(0).at(0).toBool());
    EXPECT_FALSE(w.Busy());
    EXPECT_TRUE(w.Progress()->isHidden());
    EXPECT_LT(calls.load(), 3000);
    EXPECT_TRUE(w.Area()->toPlainText().startsWith(QStringLiteral("A CAT SAT. A CAT SAT. ")));
}

TEST(CevirForm, LongTextCompletesWithRealEngine) {
    Bench b(testing::MakeStore({.en_user = {"good morning=günaydın"}}));
    b.use_real_engine = true;
    TCevirForm::BackgroundThreshold = 100;
    TCevirForm w(b.Context());
    QString text;
    for (int i = 0; i < 40; ++i) text += QStringLiteral("good morning. ");
    w.HandOver(text, Direction::EnToTr);
    QSignalSpy done(&w, &TCevirForm::TranslationDone);
    w.Activate();
    EXPECT_TRUE(w.Busy());
    ASSERT_TRUE(done.wait(60000));
    TCevirForm::BackgroundThreshold = 2000;
    EXPECT_FALSE(done.at(0).at(0).toBool());
    EXPECT_EQ(w.Progress()->value(), w.Progress()->maximum());
    EXPECT_FALSE(w.Area()->toPlainText().trimmed().isEmpty());
}

// ---- quick translation window -------------------------------------------------------

TEST(Cevirrform, QuickWindowOpenAndEngineModeReset) {
    Bench b;
    b.switches.EngineMode = QStringLiteral("Q47");
    Tcevirrform w(b.Context());
    EXPECT_EQ(w.TranslationDirection, Direction::TrToEn);
    w.ShowWithText(U("O(e) geldi"), Direction::TrToEn);
    w.Activate();
    EXPECT_TRUE(b.switches.QuickWindowOpen);
    EXPECT_EQ(b.engine_inputs.last(), U("oerkek  geldi "));
    EXPECT_EQ(b.engine_modes.last(), QStringLiteral("M47"));
    EXPECT_EQ(b.switches.EngineMode, QStringLiteral("M47"));
    EXPECT_EQ(w.ResultPane()->toPlainText(), U("E[oerkek  geldi ]"));

    b.switches.EngineMode = QStringLiteral("Q47");
    w.InputPane()->setPlainText(QStringLiteral("O(e) went"));
    w.TranslateInput(Direction::EnToTr);
    EXPECT_EQ(b.engine_inputs.last(), QStringLiteral("O(e) went "));
    EXPECT_EQ(b.engine_modes.last(), QStringLiteral("M47"));
    EXPECT_EQ(w.windowTitle(), U("İngilizce->Türkçe Çeviri"));

    w.InputPane()->setPlainText(QStringLiteral("  "));
    w.TranslateInput(Direction::TrToEn);
    EXPECT_EQ(w.ResultPane()->toPlainText(), U("Kelime veya cümle giriniz!"));

    w.close();
    EXPECT_FALSE(b.switches.QuickWindowOpen);
}

TEST(Cevirrform, EmptyHandOverAsksForText) {
    Bench b;
    Tcevirrform w(b.Context());
    w.ShowWithText(QString(), Direction::EnToTr);
    EXPECT_EQ(w.InputPane()->toPlainText(), QStringLiteral("kelime veya cumle giriniz ! "));
    w.close();
}

}  // namespace
}  // namespace zelmor::gui

namespace zelmor::gui {
namespace {

// The program's own speaker on this machine: with or without an audio
// device, and without any recordings, speaking returns promptly.
TEST(QtTurkishSpeaker, NeverHangs) {
    RecordingPrompts prompts;
    Prompts::Install(&prompts);
    testing::TempDir dir;
    FrameSwitches switches;
    switches.ProgramDir = QString::fromStdString(dir.path().string()) + QLatin1Char('/');
    auto speaker = CreateTurkishSpeaker(switches);
    const bool device = speaker->HasOutputDevice();
    QElapsedTimer t;
    t.start();
    speaker->Speak(U("merhaba dünya"), 70);
    EXPECT_LT(t.elapsed(), 5000);
    if (!device) EXPECT_EQ(prompts.texts, QStringList{QStringLiteral("Sound Device not Found! ")});
    Prompts::Install(nullptr);
}

}  // namespace
}  // namespace zelmor::gui
