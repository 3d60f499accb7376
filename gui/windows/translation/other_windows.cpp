// TForm8 (Turkish-English dialog), TCevirForm (result window), Tcevirrform
// (quick translation window) and the program's set of translation windows.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

#include "gui/app/frame_form.h"
#include "gui/editor/edit_form.h"
#include "gui/windows/translation/translation_windows.h"

namespace zelmor::gui {
namespace {

QString S(const char16_t* s) { return QString::fromUtf16(s); }

QFont ArialBold(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

void SetBase(QTextEdit* field, const QColor& color) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, color);
    field->setPalette(p);
}

QString TrimBlanks(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].isSpace()) ++b;
    while (e > b && text[e - 1].isSpace()) --e;
    return text.mid(b, e - b);
}

void PickFont(QWidget* parent, QWidget* target) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, target->font(), parent);
    if (ok) target->setFont(font);
}

void PickBackground(QWidget* parent, QTextEdit* target) {
    const QColor c = QColorDialog::getColor(target->palette().color(QPalette::Base), parent);
    if (c.isValid()) SetBase(target, c);
}

}  // namespace

// ---- TForm8 -----------------------------------------------------------------

TForm8::TForm8(TranslationContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(S(u"TÜRKÇE - iNGiLiZCE DiALOG"));
    input_ = new QTextEdit(this);
    input_->setAcceptRichText(false);
    input_->setFont(ArialBold(16));
    result_ = new QTextEdit(this);
    result_->setAcceptRichText(false);
    result_->setFont(ArialBold(16));
    input_label_ = new QLabel(S(u"Türkçe"), this);
    result_label_ = new QLabel(QStringLiteral("ingilizce"), this);
    translate_ = new QPushButton(S(u"Çevir"), this);
    // Speech of this dialog is not offered: the volume slider stays hidden.
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setRange(10, 100);
    volume_->hide();
    connect(volume_, &QSlider::actionTriggered, this,
            [this](int) { context_.speech.SpeechVolume = volume_->sliderPosition(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(input_label_);
    layout->addWidget(input_);
    layout->addWidget(translate_);
    layout->addWidget(result_label_);
    layout->addWidget(result_);
    connect(translate_, &QPushButton::clicked, this, &TForm8::TranslateButton);
    auto* popup = new QMenu(this);
    popup->addAction(QStringLiteral("Copy"), input_, &QTextEdit::copy);
    popup->addAction(QStringLiteral("Cut"), input_, &QTextEdit::cut);
    popup->addAction(QStringLiteral("Paste"), input_, &QTextEdit::paste);
    popup->addAction(QStringLiteral("Select All"), input_, &QTextEdit::selectAll);
    popup->addAction(QStringLiteral("Delete"), this, [this] { input_->textCursor().removeSelectedText(); });
    popup->addAction(QStringLiteral("Select &Font..."), this, [this] { PickFont(this, input_); });
    input_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(input_, &QTextEdit::customContextMenuRequested, this,
            [this, popup](const QPoint& p) { popup->exec(input_->mapToGlobal(p)); });
}

bool TForm8::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) Activate();
    return handled;
}

void TForm8::ShowWithText(const QString& text) {
    input_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void TForm8::ShowDemo() {
    Demo = true;
    ShowWithText(S(u"Buraya Türkçe cümle yaziniz!"));
}

void TForm8::Activate() {
    context_.speech.SpeechVolume = 0;
    volume_->setValue(70);  // not passed on: only a user's move is
    const bool en = context_.switches.EnglishUi;
    setWindowTitle(en ? QStringLiteral("TURKISH - ENGLISH DIALOG") : S(u"TÜRKÇE - iNGiLiZCE DiALOG"));
    input_label_->setText(en ? QStringLiteral("Turkish") : S(u"Türkçe"));
    result_label_->setText(en ? QStringLiteral("English") : QStringLiteral("ingilizce"));
    translate_->setText(en ? QStringLiteral("Translate") : QStringLiteral("Cevir"));
    Translate();
}

void TForm8::TranslateButton() {
    input_->setPlainText(input_->toPlainText());
    Translate();
}

void TForm8::Translate() {
    const QString input = input_->toPlainText();
    if (input.isEmpty()) {
        input_->setPlainText(S(u"Türkçe kelime veya cümle giriniz!"));
        return;
    }
    const QString text = ApplyPronounMarks(QLatin1Char(' ') + input + QLatin1Char(' '));
    const auto store = context_.store();
    result_->setPlainText(store ? context_.Engine()(*store, Direction::TrToEn, text, context_.switches) : QString());
}

// ---- TCevirForm -------------------------------------------------------------

TCevirForm::TCevirForm(TranslationContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    // Top-most from the start: changing the flag of a shown window would
    // hide it again.
    setObjectName(QStringLiteral("CevirForm"));
    setWindowTitle(QStringLiteral("Ceviri (Translation )"));
    area_ = new QTextEdit(this);
    area_->setFont(ArialBold(16));
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetBase(area_, QColor(0xFF, 0xFF, 0xE1));  // info colour
    progress_ = new QProgressBar(this);
    progress_->hide();
    cancel_ = new QPushButton(S(u"İptal"), this);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &TCevirForm::Cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(area_, 0, 0, 1, 2);
    layout->addWidget(progress_, 1, 0);
    layout->addWidget(cancel_, 1, 1);

    auto* popup = new QMenu(this);
    QAction* copy = popup->addAction(QStringLiteral("copy"), area_, &QTextEdit::copy);
    popup->addAction(QStringLiteral("font"), this, [this] { PickFont(this, area_); });
    popup->addAction(QStringLiteral("renk"), this, [this] { PickBackground(this, area_); });
    area_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area_, &QTextEdit::customContextMenuRequested, this, [this, popup, copy](const QPoint& p) {
        copy->setEnabled(area_->textCursor().hasSelection());
        popup->exec(area_->mapToGlobal(p));
    });
}

TCevirForm::~TCevirForm() { delete job_; }

bool TCevirForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) Activate();
    return handled;
}

void TCevirForm::closeEvent(QCloseEvent* event) {
    Cancel();
    QWidget::closeEvent(event);
}

void TCevirForm::HandOver(const QString& text, Direction direction) {
    TranslationDirection = direction;
    HandedText = text;
    if (direction == Direction::EnToTr) {
        EnglishSelectionHanded = true;
        setWindowTitle(S(u"İngilizce->Türkçe Dialog"));
    } else {
        setWindowTitle(S(u"Türkçe->ingilizce Dialog"));
    }
}

void TCevirForm::ShowWithText(const QString& text, Direction direction) {
    HandOver(text, direction);
    show();
    raise();
    activateWindow();
}

void TCevirForm::Activate() {
    const QString text = TrimBlanks(HandedText);
    if (!text.isEmpty()) {
        area_->setPlainText(text);
        Translate(text);
    } else if (EnglishSelectionHanded) {
        area_->setPlainText(S(u"Cümle seçiniz!"));
    }
    EnglishSelectionHanded = false;
    HandedText.clear();
}

bool TCevirForm::Busy() const { return job_ != nullptr; }

void TCevirForm::Cancel() {
    if (job_) job_->Cancel();
}

void TCevirForm::Translate(const QString& source) {
    const QString trimmed = TrimBlanks(source);
    if (trimmed.isEmpty()) {
        area_->setPlainText(S(u"Kelime veya cümle giriniz!"));
        return;
    }
    // A new translation replaces one still running.
    if (job_) {
        job_->Cancel();
        delete job_;
        job_ = nullptr;
    }
    QString text = source + QLatin1Char(' ');
    if (TranslationDirection == Direction::TrToEn) {
        text = ApplyPronounMarks(std::move(text));
        text.replace(QStringLiteral("("), QStringLiteral(" ( "));
        text.replace(QStringLiteral(")"), QStringLiteral(" ) "));
    }
    const auto store = context_.store();
    if (!store) return;
    ++generation_;
    if (text.size() <= BackgroundThreshold) {
        Finish(context_.Engine()(*store, TranslationDirection, text, context_.switches), false);
        return;
    }
    const int generation = ++generation_;
    const QStringList pieces = SplitIntoSentences(text);
    pieces_ = QStringList();
    pieces_.resize(pieces.size());
    job_ = new BackgroundTranslation(store, TranslationDirection, pieces, context_.switches, context_.translate);
    progress_->setRange(0, job_->Total());
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    area_->setPlainText(S(u"Çeviri yapılıyor..."));
    connect(job_, &BackgroundTranslation::SentenceDone, this, [this, generation](int index, const QString& out) {
        if (generation != generation_) return;  // a replaced translation
        if (index >= 0 && index < pieces_.size()) pieces_[index] = out;
        progress_->setValue(index + 1);
    }, Qt::QueuedConnection);
    connect(job_, &BackgroundTranslation::Finished, this, [this, generation](bool cancelled) {
        if (generation != generation_ || !job_) return;
        job_->deleteLater();
        job_ = nullptr;
        Finish(pieces_.join(QString()), cancelled);
    }, Qt::QueuedConnection);
    job_->Start();
}

void TCevirForm::Finish(const QString& result, bool cancelled) {
    progress_->hide();
    cancel_->hide();
    area_->setPlainText(result);
    if (TranslationDirection == Direction::EnToTr && result == S(u"Uzun cümleler var!"))
        context_.speech.LongSentenceNote = result;
    emit TranslationDone(cancelled);
}

// ---- Tcevirrform ------------------------------------------------------------

Tcevirrform::Tcevirrform(TranslationContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName(QStringLiteral("cevirrform"));
    setWindowTitle(QStringLiteral("cevirr"));
    input_ = new QTextEdit(this);
    input_->setAcceptRichText(false);
    input_->setFont(ArialBold(16));
    SetBase(input_, QColor(0xFF, 0xFB, 0xF0));  // cream
    input_->setToolTip(S(u"Bu pencereye kelime veya cümle yazıp çeviri yapabilirsiniz,ayarlar için mouse sağ "
                         u"tuşunu kullanınız."));
    result_ = new QTextEdit(this);
    result_->setFont(ArialBold(16));
    SetBase(result_, QColor(0xFF, 0xFF, 0xE1));  // info colour
    result_->setToolTip(S(u"Ayarlar için mouse sağ tuşunu kullanınız."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(input_, 1);
    layout->addWidget(result_, 2);

    popup_ = new QMenu(this);
    popup_->addAction(QStringLiteral("copy"), input_, &QTextEdit::copy);
    popup_->addAction(QStringLiteral("paste"), input_, &QTextEdit::paste);
    QMenu* font = popup_->addMenu(QStringLiteral("font"));
    font->addAction(S(u"üstpencere"), this, [this] { PickFont(this, input_); });
    font->addAction(QStringLiteral("altpencere"), this, [this] { PickFont(this, result_); });
    QMenu* colour = popup_->addMenu(QStringLiteral("renk"));
    colour->addAction(S(u"üstpencere"), this, [this] { PickBackground(this, input_); });
    colour->addAction(QStringLiteral("altpencere"), this, [this] { PickBackground(this, result_); });
    popup_->addAction(S(u"pencere ayarı"), this, [this] { input_->setFixedHeight(height() / 3); });
    popup_->addAction(S(u"--metin çeviri---"))->setEnabled(false);
    popup_->addAction(QStringLiteral("Ing-Tur"), this, [this] { TranslateInput(Direction::EnToTr); });
    popup_->addAction(QStringLiteral("Tur-Ing"), this, [this] { TranslateInput(Direction::TrToEn); });
    for (QTextEdit* pane : {input_, result_}) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QTextEdit::customContextMenuRequested, this,
                [this, pane](const QPoint& p) { popup_->exec(pane->mapToGlobal(p)); });
    }
}

bool Tcevirrform::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) Activate();
    return handled;
}

void Tcevirrform::closeEvent(QCloseEvent* event) {
    context_.switches.QuickWindowOpen = false;
    QWidget::closeEvent(event);
}

void Tcevirrform::ShowWithText(const QString& text, Direction direction, const QString& caption) {
    TranslationDirection = direction;
    if (!caption.isEmpty())
        setWindowTitle(caption);
    else
        setWindowTitle(direction == Direction::EnToTr ? S(u"İngilizce->Türkçe Çeviri")
                                                      : S(u"türkçe->ingilizce Çeviri"));
    HandedText = text.isEmpty() ? QStringLiteral("kelime veya cumle giriniz ! ") : text;
    input_->setPlainText(HandedText);
    show();
    raise();
    activateWindow();
}

void Tcevirrform::Activate() {
    context_.switches.QuickWindowOpen = true;
    const QString text = TrimBlanks(HandedText);
    if (!text.isEmpty()) {
        result_->setPlainText(text);
        Translate(text);
    }
    HandedText.clear();
}

void Tcevirrform::Translate(const QString& source) {
    if (TrimBlanks(source).isEmpty()) {
        result_->setPlainText(S(u"Kelime veya cümle giriniz!"));
        return;
    }
    QString text = source + QLatin1Char(' ');
    if (TranslationDirection == Direction::TrToEn) text = ApplyPronounMarks(std::move(text));
    // The quick window never translates in trace mode.
    context_.switches.EngineMode = QStringLiteral("M47");
    const auto store = context_.store();
    result_->setPlainText(store ? context_.Engine()(*store, TranslationDirection, text, context_.switches) : QString());
}

void Tcevirrform::TranslateInput(Direction direction) {
    TranslationDirection = direction;
    setWindowTitle(direction == Direction::EnToTr ? S(u"İngilizce->Türkçe Çeviri") : S(u"türkçe->ingilizce Çeviri"));
    Translate(input_->toPlainText());
}

// ---- the program's windows --------------------------------------------------

TranslationWindowSet& ProgramTranslationWindows(TFrameForm& frame) {
    static TranslationWindowSet set;
    if (!set.en_tr_dialog) {
        // Parentless top-level windows that live as long as the frame.
        set.en_tr_dialog = new TZelMorDlg(TranslationContext::Of(frame));
        set.tr_en_dialog = new TForm8(TranslationContext::Of(frame));
        set.result = new TCevirForm(TranslationContext::Of(frame));
        set.quick = new Tcevirrform(TranslationContext::Of(frame));
        QObject::connect(&frame, &QObject::destroyed, [] {
            delete set.en_tr_dialog;
            delete set.tr_en_dialog;
            delete set.result;
            delete set.quick;
            set = TranslationWindowSet{};
        });
    }
    return set;
}

void RegisterTranslationWindows() {
    const auto windows = []() -> TranslationWindowSet* {
        TFrameForm* frame = TFrameForm::Instance();
        return frame ? &ProgramTranslationWindows(*frame) : nullptr;
    };
    TranslationWindows& hooks = TranslationWindows::Registered();
    hooks.show_en_tr_dialog = [windows](const QString& text) {
        if (auto* w = windows()) w->en_tr_dialog->ShowWithText(text);
    };
    hooks.show_tr_en_dialog = [windows](const QString& text) {
        if (auto* w = windows()) w->tr_en_dialog->ShowWithText(text);
    };
    hooks.show_en_tr_result = [windows](const QString& text) {
        if (auto* w = windows()) w->result->ShowWithText(text, Direction::EnToTr);
    };
    hooks.show_tr_en_result = [windows](const QString& text) {
        if (auto* w = windows()) w->result->ShowWithText(text, Direction::TrToEn);
    };
    RegisteredEditorCommands().insert(QStringLiteral("DialogDemoItem"), [windows](TEditForm&) {
        TranslationWindowSet* w = windows();
        if (!w) return;
        if (TFrameForm* frame = TFrameForm::Instance()) {
            frame->TraceRequest = false;
            frame->EditMode = false;
        }
        w->tr_en_dialog->ShowDemo();
        w->en_tr_dialog->ShowDemo();
    });
}

}  // namespace zelmor::gui
