// TZelMorDlg: the English-Turkish dialog.
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/speech/syllables.h"
#include "core/text/cp1254.h"
#include "gui/app/prompts.h"
#include "gui/editor/read_aloud.h"
#include "gui/editor/rich_text.h"
#include "gui/windows/translation/translation_windows.h"

namespace zelmor::gui {
namespace {

QString S(const char16_t* s) { return QString::fromUtf16(s); }

bool IsPieceEnd(QChar c) { return c == u' ' || c == u',' || c == u'.' || c == u'?'; }

QFont DialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

void SetBase(QTextEdit* field, const QColor& color) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, color);
    field->setPalette(p);
}

/// The glyph row of a font size: sizes 10..24 in steps of 2 map to rows 1..8.
int GlyphRowStart(const QFont& font) {
    int size = font.pointSize() > 0 ? font.pointSize() : font.pixelSize() * 3 / 4;
    size = std::clamp(size, 10, 24);
    return (size - 8) / 2 * 15;
}

}  // namespace

TZelMorDlg::TZelMorDlg(TranslationContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName(QStringLiteral("ZelMorDlg"));
    setWindowTitle(S(u"iNGiLiZCE - TÜRKÇE DiALOG"));
    DialogAbbreviations = ReaderAbbreviations();  // already sorted

    input_ = new QTextEdit(this);
    input_->setObjectName(QStringLiteral("InputField"));
    input_->setAcceptRichText(false);
    input_->setFont(DialogFont());
    result_ = new QTextEdit(this);
    result_->setObjectName(QStringLiteral("ResultField"));
    result_->setFont(DialogFont());
    glyphs_ = new QTextEdit(this);
    glyphs_->hide();
    input_label_ = new QLabel(S(u"ingilizce"), this);
    result_label_ = new QLabel(S(u"Türkçe"), this);
    translate_ = new QPushButton(S(u"Çevir"), this);
    speak_input_ = new QPushButton(S(u"🔊"), this);
    speak_input_->setToolTip(S(u"seslendirme"));
    speak_result_ = new QPushButton(S(u"🔊"), this);
    speak_result_->setToolTip(S(u"internet bağlantısı açık olmalıdır."));
    auto* en_spell = new QPushButton(QStringLiteral("hecele"), this);
    auto* tr_spell = new QPushButton(QStringLiteral("hecele"), this);
    auto* tr_words = new QPushButton(QStringLiteral("kelime-oku"), this);

    auto* tr_group = new QGroupBox(QStringLiteral("TurSes .....Volume"), this);
    tr_volume_ = new QSlider(Qt::Horizontal, tr_group);
    tr_volume_->setRange(10, 100);
    tr_volume_->setTickInterval(10);
    tr_volume_->setTickPosition(QSlider::TicksBelow);
    tr_volume_->setValue(70);
    (new QVBoxLayout(tr_group))->addWidget(tr_volume_);
    auto* en_group = new QGroupBox(QStringLiteral("IngSes....Rate ............... Volume"), this);
    rate_ = new QSlider(Qt::Horizontal, en_group);
    rate_->setRange(1, 10);
    rate_->setValue(10);
    en_volume_ = new QSlider(Qt::Horizontal, en_group);
    en_volume_->setRange(20, 100);
    en_volume_->setValue(100);
    auto* en_layout = new QHBoxLayout(en_group);
    en_layout->addWidget(rate_);
    en_layout->addWidget(en_volume_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(input_label_, 0, 0);
    grid->addWidget(input_, 1, 0, 1, 3);
    grid->addWidget(speak_input_, 1, 3);
    grid->addWidget(en_spell, 2, 3);
    grid->addWidget(translate_, 2, 0);
    grid->addWidget(result_label_, 3, 0);
    grid->addWidget(result_, 4, 0, 1, 3);
    grid->addWidget(speak_result_, 4, 3);
    grid->addWidget(tr_spell, 5, 2);
    grid->addWidget(tr_words, 5, 3);
    grid->addWidget(tr_group, 6, 0);
    grid->addWidget(en_group, 6, 1, 1, 3);

    connect(translate_, &QPushButton::clicked, this, &TZelMorDlg::TranslateButton);
    connect(speak_input_, &QPushButton::clicked, this, &TZelMorDlg::ReadInputAloud);
    connect(en_spell, &QPushButton::clicked, this, &TZelMorDlg::SpeakEnglishWords);
    connect(speak_result_, &QPushButton::clicked, this, &TZelMorDlg::SpeakResult);
    connect(tr_words, &QPushButton::clicked, this, &TZelMorDlg::SpeakResultWords);
    connect(tr_spell, &QPushButton::clicked, this, &TZelMorDlg::SpellResult);
    // Only a user's move of a slider passes the value on.
    connect(tr_volume_, &QSlider::sliderMoved, this, [this](int v) { context_.speech.SpeechVolume = v; });
    connect(tr_volume_, &QSlider::actionTriggered, this,
            [this](int) { context_.speech.SpeechVolume = tr_volume_->sliderPosition(); });
    connect(rate_, &QSlider::valueChanged, this, [this](int v) {
        if (voice_) voice_->SetRate(v - 10);
    });
    connect(en_volume_, &QSlider::valueChanged, this, [this](int v) {
        if (voice_) voice_->SetVolume(v + (100 - v) / 5);
    });

    popup_ = new QMenu(this);
    popup_->addAction(QStringLiteral("Copy"), input_, &QTextEdit::copy);
    popup_->addAction(QStringLiteral("Cut"), input_, &QTextEdit::cut);
    popup_->addAction(QStringLiteral("Paste"), input_, &QTextEdit::paste);
    popup_->addAction(QStringLiteral("Select All"), input_, &QTextEdit::selectAll);
    popup_->addAction(QStringLiteral("Delete"), this, [this] { input_->textCursor().removeSelectedText(); });
    popup_->addAction(S(u"Font (Yazı Tipi)"), this, &TZelMorDlg::ChooseFont);
    input_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(input_, &QTextEdit::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->exec(input_->mapToGlobal(p)); });
}

TZelMorDlg::~TZelMorDlg() {
    if (voice_) voice_->Stop();
}

bool TZelMorDlg::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) Activate();
    return handled;
}

void TZelMorDlg::ShowWithText(const QString& text) {
    input_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void TZelMorDlg::ShowDemo() {
    Demo = true;
    ShowWithText(S(u"Buraya ingilizce cümle yaziniz!"));
}

void TZelMorDlg::Activate() {
    if (speaking_) return;  // a speech loop is running over the fields
    voice_ = CreateEnglishVoice();
    voice_->SetRate(rate_->value() - 10);
    voice_->SetVolume(en_volume_->value() + (100 - en_volume_->value()) / 5);
    tr_volume_->setValue(70);
    context_.speech.SpeechVolume = 70;
    const bool en = context_.switches.EnglishUi;
    setWindowTitle(en ? QStringLiteral("ENGLISH - TURKISH DIALOG") : S(u"iNGiLiZCE - TÜRKÇE DiALOG"));
    input_label_->setText(en ? QStringLiteral("English") : QStringLiteral("ingilizce"));
    result_label_->setText(en ? QStringLiteral("Turkish") : S(u"Türkçe"));
    translate_->setText(en ? QStringLiteral("translate") : QStringLiteral("Cevir"));
    const QString glyph_path = context_.switches.ProgramDir + QStringLiteral("abc1.rtf");
    glyphs_usable_ = false;
    if (QFileInfo::exists(glyph_path)) {
        QString error;
        if (LoadRichTextFile(glyph_path, *glyphs_->document(), &error))
            glyphs_usable_ = glyphs_->toPlainText().size() > 200;
    }
    Translate();
}

void TZelMorDlg::TranslateButton() {
    input_->setPlainText(input_->toPlainText());
    Translate();
}

void TZelMorDlg::Translate() {
    const QString normalised = NormaliseDialogInput(input_->toPlainText());
    if (normalised.isEmpty()) {
        input_->setPlainText(QStringLiteral("Enter a Word or Sentence!"));
        return;
    }
    DialogText = normalised;
    const auto store = context_.store();
    const QString out = store ? context_.Engine()(*store, Direction::EnToTr, DialogText, context_.switches) : QString();
    result_->setPlainText(out);
    SetBase(result_, out.isEmpty() ? QColor(Qt::yellow) : QColor(Qt::cyan));
    DialogText = StripTraceMarker(DialogText);
    input_->setPlainText(DialogText);
    if (glyphs_usable_ && !context_.switches.TurkishKeyboard) {
        const int row_start = GlyphRowStart(input_->font());
        GlyphOverlay(input_, row_start);
        GlyphOverlay(result_, row_start);
    }
}

void TZelMorDlg::GlyphOverlay(QTextEdit* field, int row_start) {
    static const std::pair<char16_t, int> kOffsets[] = {
        {u'_', 6}, {u'Ğ', 1}, {u'İ', 2}, {u'Ş', 4}, {u'ğ', 8}, {u'ı', 9}, {u'ş', 11},
    };
    QTextDocument* glyph_doc = glyphs_->document();
    const QString text = field->toPlainText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        for (const auto& [letter, offset] : kOffsets) {
            if (text[i] != QChar(letter)) continue;
            const int at = row_start + offset;
            if (at + 1 >= glyph_doc->characterCount()) break;
            QTextCursor from(glyph_doc);
            from.setPosition(at);
            from.setPosition(at + 1, QTextCursor::KeepAnchor);
            const QString glyph = from.selectedText();
            from.setPosition(at + 1);
            const QTextCharFormat format = from.charFormat();
            QTextCursor to(field->document());
            to.setPosition(static_cast<int>(i));
            to.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
            to.insertText(glyph, format);
            break;
        }
    }
}

void TZelMorDlg::ReadInputAloud() {
    if (voice_) rate_->setValue(voice_->Rate() + 10);
    speak_input_->setEnabled(false);
    const QString text = input_->toPlainText();
    if (text.isEmpty()) {
        Prompts::Current().Inform(this, QStringLiteral("ZELMOR"), S(u"bir metin yazınız.."));
    } else if (voice_) {
        speaking_ = true;
        for (const ReadStep& step : PlanReading(text, DialogAbbreviations)) {
            QTextCursor c(input_->document());
            c.setPosition(static_cast<int>(step.phrase_start));
            c.setPosition(static_cast<int>(step.phrase_start + step.phrase.size()), QTextCursor::KeepAnchor);
            input_->setTextCursor(c);
            if (step.spoken.isEmpty()) continue;
            voice_->Speak(step.spoken, SpeechVoice::kSpeakAsync);
            SpeechPause(ReadingPauseMs(step.spoken.size(), voice_ ? voice_->Rate() : 0));
            if (!voice_) break;
        }
        speaking_ = false;
    }
    speak_input_->setEnabled(true);
}

void TZelMorDlg::SpeakPieces(QTextEdit* field, bool english, int pause_ms) {
    const QString text = field->toPlainText();
    if (text.size() <= 1) return;
    speaking_ = true;
    qsizetype start = 0;
    const auto piece = [&](qsizetype end, bool last) {
        QTextCursor c(field->document());
        c.setPosition(static_cast<int>(start));
        c.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        field->setTextCursor(c);
        const QString selected = c.selectedText();
        start = end + 1;
        if (selected.isEmpty()) return true;
        if (english) {
            if (voice_) voice_->Speak(selected, SpeechVoice::kSpeakAsync);
            if (!last) SpeechPause(pause_ms);
            return true;
        }
        if (!SpeakTurkishText(selected)) return false;
        SpeechPause(pause_ms);
        return true;
    };
    bool go_on = true;
    for (qsizetype i = 0; i < text.size() && go_on; ++i)
        if (IsPieceEnd(text[i])) go_on = piece(i, false);
    if (go_on && start < text.size()) piece(text.size(), true);
    speaking_ = false;
}

void TZelMorDlg::SpeakEnglishWords() {
    if (voice_) rate_->setValue(voice_->Rate() + 10);
    SpeakPieces(input_, true, 1000);
}

bool TZelMorDlg::SpeakTurkishText(const QString& text) {
    if (!speaker_) speaker_ = MakeTurkishSpeaker(context_.switches);
    if (!speaker_->HasOutputDevice()) {
        Prompts::Current().Inform(this, QStringLiteral("ZELMOR"), QStringLiteral("Sound Device not Found! "));
        speaker_->Signal();
        return false;
    }
    speaker_->Speak(text, context_.speech.SpeechVolume);
    return true;
}

void TZelMorDlg::SpeakResult() {
    speak_result_->setEnabled(false);
    speaking_ = true;
    SpeakTurkishText(result_->toPlainText());
    speaking_ = false;
    speak_result_->setEnabled(true);
}

void TZelMorDlg::SpeakResultWords() { SpeakPieces(result_, false, 300); }

void TZelMorDlg::SpellResult() {
    const std::string cp = text::Utf8ToCp1254Lossy(result_->toPlainText().toStdString());
    const QString spelled = QString::fromStdString(text::Cp1254ToUtf8(speech::Syllabify(cp)));
    result_->setPlainText(spelled);
    QTextCharFormat red;
    red.setForeground(QColor(Qt::red));
    for (qsizetype i = 0; i < spelled.size(); ++i) {
        if (spelled[i] != u'-') continue;
        QTextCursor c(result_->document());
        c.setPosition(static_cast<int>(i));
        c.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        c.mergeCharFormat(red);
    }
    if (!spelled.contains(u'-')) return;
    speaking_ = true;
    QString piece;
    for (const QChar c : spelled) {
        if (c == u' ' || c == u'-') {
            if (!piece.isEmpty() && !SpeakTurkishText(piece)) {
                speaking_ = false;
                return;
            }
            if (!piece.isEmpty()) SpeechPause(300);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.isEmpty()) SpeakTurkishText(piece);
    speaking_ = false;
}

void TZelMorDlg::ChooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, input_->font(), this);
    if (!ok) return;
    input_->setFont(font);
    result_->setFont(font);
}

}  // namespace zelmor::gui
