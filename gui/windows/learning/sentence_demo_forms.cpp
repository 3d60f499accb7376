#include "gui/windows/learning/sentence_demo_forms.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

#include "core/learning/sentence_tools.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

using learning_view::FromCp;
using learning_view::ToCp;
using learning_view::U;

namespace {

std::vector<std::string> CpLines(const QString& text) {
    std::vector<std::string> out;
    if (text.isEmpty()) return out;
    for (const QString& l : text.split(QLatin1Char('\n'))) out.push_back(ToCp(l));
    return out;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines) out << FromCp(l);
    return out.join(QLatin1Char('\n'));
}

void AppendLine(QPlainTextEdit* memo, const QString& line) { memo->appendPlainText(line); }

// The part of `text` from its first "==" (at position 2 or later) to the
// end, without its last character; empty when there is no such "==".
QString CodedTail(const QString& text) {
    const qsizetype at = text.indexOf(QStringLiteral("=="), 1);
    if (at < 0) return {};
    QString tail = text.mid(at);
    tail.chop(1);
    return tail;
}

}  // namespace

TSentenceDemoBase::TSentenceDemoBase(learning::SentenceDemo::Language language, LearningContext context,
                                     QWidget* parent)
    : TPacedDialog(std::move(context), parent), demo_(language, {}) {
    resize(700, 460);
    glyphs_ = new QTextDocument(this);
    auto* root = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    upper_ = new QTextEdit(this);
    upper_->setObjectName(QStringLiteral("UpperPane"));
    upper_->setReadOnly(true);
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    lower_ = new QTextEdit(this);
    lower_->setObjectName(QStringLiteral("LowerPane"));
    lower_->setReadOnly(true);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(16);
    f.setBold(true);
    upper_->setFont(f);
    lower_->setFont(f);
    root->addWidget(label1_);
    root->addWidget(upper_, 1);
    root->addWidget(label2_);
    root->addWidget(lower_, 1);

    auto* row = new QHBoxLayout;
    start_ = new QPushButton(QStringLiteral("START"), this);
    start_->setObjectName(QStringLiteral("StartButton"));
    connect(start_, &QPushButton::clicked, this, [this] { PressStart(); });
    stop_ = new QPushButton(QStringLiteral("STOP"), this);
    stop_->setObjectName(QStringLiteral("StopButton"));
    connect(stop_, &QPushButton::clicked, this, [this] { PressStop(); });
    plus_ = new QPushButton(QStringLiteral("+++"), this);
    plus_->setObjectName(QStringLiteral("PlusButton"));
    connect(plus_, &QPushButton::clicked, this, [this] { ToggleTranslation(); });
    speaker_ = new QToolButton(this);
    speaker_->setObjectName(QStringLiteral("SpeakerButton"));
    speaker_->setText(QStringLiteral("Ses"));
    connect(speaker_, &QToolButton::clicked, this, [this] { ToggleSpeech(); });
    rate_label_ = new QLabel(U(u"Okuma Hızı"), this);
    rate_ = new QSpinBox(this);
    rate_->setRange(-5, 2);
    connect(rate_, &QSpinBox::valueChanged, this, [this](int v) {
        if (voice_) voice_->SetRate(v);
    });
    rate_label_->hide();
    rate_->hide();
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    seconds_ = new QSpinBox(this);
    seconds_->setRange(1, 5);
    seconds_->setValue(2);
    connect(seconds_, &QSpinBox::valueChanged, this, [this](int v) { SetPause(v); });
    counter_ = new QLabel(QStringLiteral("0"), this);
    counter_->setObjectName(QStringLiteral("CounterLabel"));
    for (QWidget* w : std::initializer_list<QWidget*>{start_, stop_, plus_, speaker_, rate_label_, rate_, label3_,
                                                      seconds_, counter_})
        row->addWidget(w);
    row->addStretch();
    root->addLayout(row);
}

void TSentenceDemoBase::SetLines(const QStringList& lines) {
    demo_.Lines.clear();
    for (const QString& l : lines) demo_.Lines.push_back(ToCp(l));
    demo_.LineIndex = 0;
}

QStringList TSentenceDemoBase::Lines() const {
    QStringList out;
    for (const std::string& l : demo_.Lines) out << FromCp(l);
    return out;
}

void TSentenceDemoBase::Activate() {
    glyphs_loaded_ = learning_view::LoadGlyphFile(context_.Switches().ProgramDir, *glyphs_);
    seconds_->setValue(2);
    StartPacing(false, 2);
}

void TSentenceDemoBase::Open() {
    Activate();
    exec();
}

void TSentenceDemoBase::SetPause(int seconds) { SetPauseSeconds(seconds); }

QString TSentenceDemoBase::UpperText() const { return upper_->toPlainText(); }
QString TSentenceDemoBase::LowerText() const { return lower_->toPlainText(); }
QColor TSentenceDemoBase::LowerBackground() const { return lower_->palette().color(QPalette::Base); }

QString TSentenceDemoBase::Caption(const char* object_name) const {
    const QString name = QString::fromLatin1(object_name);
    if (name == QStringLiteral("Window")) return windowTitle();
    if (auto* l = findChild<QLabel*>(name)) return l->text();
    if (auto* b = findChild<QPushButton*>(name)) return b->text();
    return {};
}

void TSentenceDemoBase::SetLowerBackground(const QColor& color) {
    QPalette p = lower_->palette();
    p.setColor(QPalette::Base, color);
    lower_->setPalette(p);
}

void TSentenceDemoBase::OnStep(learning::DemoStep step) {
    if (step == learning::DemoStep::ShowNext) {
        counter_->setText(QString::number(Pacer() ? Pacer()->Cycles() : 0));
        ShowNextSentence();
    } else if (step == learning::DemoStep::ReadAloud && demo_.SpeechOn) {
        ReadAloud();
    }
}

void TSentenceDemoBase::ShowNextSentence() {}

void TSentenceDemoBase::ToggleTranslation() {
    lower_->setPlainText(FromCp(demo_.ToggleTranslation()));
    plus_->setText(demo_.ShowTranslation ? QStringLiteral("+++") : QString());
}

void TSentenceDemoBase::ToggleSpeech() {
    demo_.SpeechOn = !demo_.SpeechOn;
    speaker_->setDown(demo_.SpeechOn);
}

// ------------------------------------------------------------------ TForm12

TForm12::TForm12(LearningContext context, QWidget* parent)
    : TSentenceDemoBase(learning::SentenceDemo::Language::Turkish, std::move(context), parent) {
    setObjectName(QStringLiteral("Form12"));
}

void TForm12::Activate() {
    if (context_.Switches().EnglishUi) {
        setWindowTitle(QStringLiteral("TURKISH - ENGLISH  DIALOG"));
        label1_->setText(QStringLiteral("Turkish"));
        label2_->setText(QStringLiteral("English"));
        label3_->setText(QStringLiteral("Speed"));
        start_->setText(QStringLiteral("START"));
        stop_->setText(QStringLiteral("STOP"));
    } else {
        setWindowTitle(QStringLiteral("TÜRKÇE - iNGiLiZCE DiALOG"));
        label1_->setText(QStringLiteral("Türkçe"));
        label2_->setText(QStringLiteral("ingilizce"));
        label3_->setText(QStringLiteral("Hız"));
        start_->setText(QStringLiteral("BASLA"));
        stop_->setText(QStringLiteral("DUR"));
    }
    TSentenceDemoBase::Activate();
}

QString TForm12::EndText() const { return QStringLiteral("DEMO çalişmasi bitti"); }

void TForm12::ShowNextSentence() {
    const learning::SentenceDemo::Shown shown = demo_.Next(context_.TrEn());
    if (shown.end) {
        Prompts::Current().Inform(this, FromCp(demo_.EndTitle()), FromCp(demo_.EndMessage()));
        RequestStopPacing();
        return;
    }
    upper_->setPlainText(FromCp(shown.upper));
    lower_->setPlainText(FromCp(shown.lower));
    if (!demo_.SpeechOn) {
        SetLowerBackground(Qt::yellow);
        if (glyphs_loaded_ && !context_.Switches().TurkishKeyboard)
            learning_view::ReplaceGlyphs(*upper_, *glyphs_, learning_view::SmallGlyphs());
    }
}

void TForm12::ReadAloud() {
    if (context_.speak_turkish) context_.speak_turkish(demo_.SpeechText(ToCp(UpperText())));
}

// ------------------------------------------------------------------ TForm13

TForm13::TForm13(LearningContext context, QWidget* parent)
    : TSentenceDemoBase(learning::SentenceDemo::Language::English, std::move(context), parent) {
    setObjectName(QStringLiteral("Form13"));
    tools_ = new QFrame(this);
    tools_->setObjectName(QStringLiteral("ToolPanel"));
    tools_->setFrameShape(QFrame::Box);
    auto* grid = new QVBoxLayout(tools_);
    memo2_ = new QPlainTextEdit(tools_);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo1_ = new QPlainTextEdit(tools_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    file_memo_ = new QPlainTextEdit(tools_);
    file_memo_->setObjectName(QStringLiteral("Memo4"));
    auto* memos = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(memo2_);
    left->addWidget(memo1_);
    memos->addLayout(left, 1);
    memos->addWidget(file_memo_, 1);
    grid->addLayout(memos);
    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, tools_);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
        return b;
    };
    coding_ = button("CodingButton", QStringLiteral("şifrele"), [this] { ToggleCoding(); });
    button("ListButton", QStringLiteral("Listele"), [this] { ListParts(); });
    button("IndexButton", QStringLiteral("index"), [this] { IndexFirstMemo(); });
    button("IngTrLoadButton", QStringLiteral("ingTrLoad"), [this] { LoadUserLists(); });
    button("TurCodeButton", QStringLiteral("tur-sifre"), [this] { TurkishCoded(); });
    button("IngDecodeButton", QStringLiteral("ingDecode"), [this] { DecodeSelection(true); });
    button("TrDecodeButton", QStringLiteral("TrDecode"), [this] { DecodeSelection(false); });
    button("FileLoadButton", QStringLiteral("DosyaYükle"), [this] { LoadFileMemo(); });
    button("FileAddButton", QStringLiteral("Dosya Ekle"), [this] { AppendToFile(); });
    button("FileIndexButton", QStringLiteral("indeks"), [this] { IndexFileMemo(); });
    button("FileSaveButton", QStringLiteral("Dosya Kayıt"), [this] { SaveFirstMemo(); });
    grid->addLayout(row);
    static_cast<QVBoxLayout*>(layout())->addWidget(tools_, 2);
    tools_->hide();
    label3_->installEventFilter(this);
}

void TForm13::Activate() {
    voice_ = CreateEnglishVoice();
    if (voice_) voice_->SetRate(voice_->Rate() - 1);
    if (context_.Switches().EnglishUi) {
        setWindowTitle(QStringLiteral("ENGLISH - TURKISH DIALOG"));
        label1_->setText(QStringLiteral("English"));
        label2_->setText(QStringLiteral("Turkish"));
        label3_->setText(QStringLiteral("Speed"));
        start_->setText(QStringLiteral("START"));
        stop_->setText(QStringLiteral("STOP"));
    } else {
        setWindowTitle(QStringLiteral("İNGİLİZCE - TÜRKÇE DiALOG"));
        label1_->setText(QStringLiteral("İngilizce"));
        label2_->setText(QStringLiteral("Türkçe"));
        label3_->setText(QStringLiteral("Hız"));
        start_->setText(QStringLiteral("BAŞLA"));
        stop_->setText(QStringLiteral("DUR"));
    }
    tools_->hide();
    TSentenceDemoBase::Activate();
}

bool TForm13::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label3_ && event->type() == QEvent::MouseButtonDblClick) {
        ToggleToolPanel();
        return true;
    }
    return TSentenceDemoBase::eventFilter(watched, event);
}

void TForm13::ToggleToolPanel() { tools_->setVisible(!tools_->isVisibleTo(this)); }
bool TForm13::ToolPanelVisible() const { return tools_->isVisibleTo(this); }

void TForm13::ShowNextSentence() {
    const learning::SentenceDemo::Shown shown = demo_.Next(context_.EnTr());
    if (shown.end) {
        Prompts::Current().Inform(this, FromCp(demo_.EndTitle()), FromCp(demo_.EndMessage()));
        RequestStopPacing();
        return;
    }
    upper_->setPlainText(FromCp(shown.upper));
    lower_->setPlainText(FromCp(shown.lower));
    if (demo_.SpeechOn) return;
    SetLowerBackground(shown.lower_highlight ? QColor(Qt::cyan) : QColor(Qt::yellow));
    for (; coded_shown_ < demo_.CodedParts.size(); ++coded_shown_)
        AppendLine(memo1_, FromCp(demo_.CodedParts[coded_shown_]));
    if (glyphs_loaded_ && !context_.Switches().TurkishKeyboard)
        learning_view::ReplaceGlyphs(*lower_, *glyphs_, learning_view::SmallGlyphs());
}

void TForm13::ReadAloud() {
    if (voice_) voice_->Speak(FromCp(demo_.SpeechText(ToCp(UpperText()))), SpeechVoice::kSpeakAsync);
}

void TForm13::ToggleCoding() {
    demo_.CodingMode = !demo_.CodingMode;
    coding_->setText(demo_.CodingMode ? QStringLiteral("==") : QStringLiteral("şifrele"));
}

void TForm13::ListParts() {
    memo2_->setPlainText(memo1_->toPlainText());
    const std::vector<std::string> parts = learning::ListCodedParts(CpLines(memo2_->toPlainText()));
    memo1_->setPlainText(JoinLines(parts));
}

void TForm13::IndexFirstMemo() {
    const learning::IndexedLines r = learning::IndexLines(CpLines(memo1_->toPlainText()));
    memo2_->setPlainText(JoinLines(r.sorted));
    memo1_->setPlainText(JoinLines(r.cleaned));
}

void TForm13::LoadUserLists() {
    std::shared_ptr<const store::DictionaryStore> s = context_.store ? context_.store() : nullptr;
    if (!s) return;
    std::vector<std::string> keys, records;
    for (std::size_t i = 0; i < s->EnUserKeys.size(); ++i) keys.emplace_back(s->EnUserKeys[i]);
    for (std::size_t i = 0; i < s->EnUserRecords.size(); ++i) records.emplace_back(s->EnUserRecords[i]);
    memo2_->setPlainText(JoinLines(keys));
    memo1_->setPlainText(JoinLines(records));
}

void TForm13::TurkishCoded() {
    const QString lower = LowerText();
    const qsizetype at = lower.indexOf(QStringLiteral("=="));
    QString source = at < 0 ? lower : lower.left(at);
    if (demo_.CodingMode) source += QStringLiteral("==");
    memo2_->setPlainText(FromCp(context_.TrEn()(ToCp(source))));
    AppendLine(memo1_, CodedTail(lower) + QStringLiteral("==") + CodedTail(memo2_->toPlainText()));
}

void TForm13::DecodeSelection(bool english) {
    std::shared_ptr<const store::DictionaryStore> s = context_.store ? context_.store() : nullptr;
    if (!s) return;
    QString selected = memo1_->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const std::string coded = ToCp(selected);
    memo2_->setPlainText(FromCp(learning::DecodeCodedSentence(coded, english ? s->EnTrKeys : s->TrEnKeys)));
}

void TForm13::LoadFileMemo() {
    const QString path =
        Prompts::Current().OpenFileName(this, QStringLiteral("Text files (*.txt)|*.txt|All files|*.*"));
    if (path.isEmpty()) return;
    const auto answer =
        Prompts::Current().Ask(this, QMessageBox::Question, windowTitle(),
                               QFileInfo(path).fileName() + QStringLiteral(" dosyası yüklenecek! "),
                               QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        Prompts::Current().Inform(this, windowTitle(), QStringLiteral("Dosya Yüklenmedi!"));
        return;
    }
    std::string bytes, error;
    if (!store::ReadWholeFile(path.toStdString(), bytes, &error)) return;
    file_memo_->setPlainText(text::IsValidUtf8(bytes) ? QString::fromStdString(bytes) : FromCp(bytes));
}

void TForm13::AppendToFile() { file_memo_->appendPlainText(memo1_->toPlainText()); }

void TForm13::IndexFileMemo() {
    file_memo_->setPlainText(JoinLines(learning::IndexFileLines(CpLines(file_memo_->toPlainText()))));
}

void TForm13::SaveFirstMemo() {
    if (memo1_->document()->isModified())
        Prompts::Current().Warn(this, QStringLiteral("Memo1 de değişiklik var "), QStringLiteral("Memo4 Kayit için O.K ?  "));
    const auto answer = Prompts::Current().Ask(this, QMessageBox::Question, QStringLiteral("OK Dügmesine basin"),
                                               QStringLiteral("Inggturr.txt düzenlenecek"),
                                               QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    std::string bytes;
    for (const std::string& l : CpLines(memo1_->toPlainText())) bytes += l + "\r\n";
    std::string error;
    const std::string path = (context_.Switches().ProgramDir + QStringLiteral("Inggturr.txt")).toStdString();
    if (store::WriteFileAtomically(path, bytes, &error)) {
        memo1_->document()->setModified(false);
    } else {
        Prompts::Current().Warn(this, windowTitle(), QString::fromStdString(error));
    }
}

}  // namespace zelmor::gui
