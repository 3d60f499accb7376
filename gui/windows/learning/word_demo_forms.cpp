#include "gui/windows/learning/word_demo_forms.h"

#include <algorithm>

#include <QBoxLayout>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "core/text/cp1254.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

using learning_view::FromCp;
using learning_view::ToCp;
using learning_view::U;

namespace {

QTextEdit* MakePane(QWidget* parent, const char* name, int point_size) {
    auto* pane = new QTextEdit(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setReadOnly(true);
    pane->setAcceptRichText(true);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(point_size);
    f.setBold(true);
    pane->setFont(f);
    return pane;
}

// A file of the user as code page 1254 text: UTF-8 files are converted,
// anything else is taken as code page 1254 already.
bool ReadUserFile(const QString& path, std::string& out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    std::string raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    out = text::IsValidUtf8(raw) ? text::Utf8ToCp1254Lossy(raw) : raw;
    return true;
}

}  // namespace

TWordDemoBase::TWordDemoBase(LearningContext context, QWidget* parent)
    : TPacedDialog(std::move(context), parent), demo_(std::make_unique<learning::WordDemo>(context_.Seed())) {}

void TWordDemoBase::Activate() {
    voice_ = CreateEnglishVoice();
    glyphs_loaded_ = UsesGlyphs() && learning_view::LoadGlyphFile(context_.Switches().ProgramDir, glyphs_);
    demo_ = std::make_unique<learning::WordDemo>(context_.Seed());
    demo_->ShowMeaning = true;
    demo_->SpeechOn = false;
}

void TWordDemoBase::Open() {
    Activate();
    exec();
}

QString TWordDemoBase::WordText() const { return word_pane_->toPlainText(); }
QString TWordDemoBase::MeaningText() const { return meaning_pane_->toPlainText(); }

void TWordDemoBase::SetWord(const QString& text) {
    word_pane_->setPlainText(text);
    QTextCursor all(word_pane_->document());
    all.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setForeground(Qt::black);
    all.mergeCharFormat(f);
}

void TWordDemoBase::SetMeaning(const QString& text) { meaning_pane_->setPlainText(text); }

void TWordDemoBase::Message(const QString& text) { Prompts::Current().Inform(this, windowTitle(), text); }

void TWordDemoBase::OnStep(learning::DemoStep step) {
    switch (step) {
        case learning::DemoStep::ShowStarting:
            SetWord(QStringLiteral(" DEMO "));
            SetMeaning(QStringLiteral(" STARTING !"));
            break;
        case learning::DemoStep::BuildList:
            // A file the user loaded during the start-up second is kept.
            if (!demo_->FromFile) LoadDictionaryWords();
            break;
        case learning::DemoStep::ShowNext:
            ShowNextCard();
            break;
        case learning::DemoStep::ReadAloud:
            ReadAloudAndHide();
            break;
        case learning::DemoStep::Ended:
            break;
    }
}

void TWordDemoBase::LoadDictionaryWords() {
    std::shared_ptr<const store::DictionaryStore> store = context_.store ? context_.store() : nullptr;
    demo_->UseDictionaryPairs(store ? learning::BuildDictionaryPairs(*store, Direction)
                                    : std::vector<learning::WordPair>{});
}

void TWordDemoBase::ShowNextCard() {
    learning::WordDemo::Card card = demo_->NextCard();
    switch (card.kind) {
        case learning::WordDemo::Card::Kind::NoRecord:
            SetWord(FromCp(learning::kNoRecordPresent));
            break;
        case learning::WordDemo::Card::Kind::EndOfFile:
            SetWord(FromCp(learning::kEndOfFile));
            PausePacing();
            break;
        case learning::WordDemo::Card::Kind::Show:
            SetWord(FromCp(card.word));
            if (TurkishFirst() && glyphs_loaded_ && !context_.Switches().TurkishKeyboard)
                learning_view::ReplaceGlyphs(*word_pane_, glyphs_, learning_view::LargeGlyphs());
            SetMeaning(FromCp(card.meaning));
            break;
    }
    ShowCounter();
}

void TWordDemoBase::ReadAloudAndHide() {
    const QString word = WordText();
    if (!demo_->SpeechOn || word.isEmpty()) return;
    if (!TurkishFirst() || !UsesGlyphs()) {
        if (voice_) voice_->Speak(word, SpeechVoice::kSpeakAsync);
    } else if (context_.speak_turkish) {
        context_.speak_turkish(ToCp(word));
    }
}

void TWordDemoBase::ChooseWordFile() {
    PausePacing();
    const QString path = Prompts::Current().OpenFileName(this, QStringLiteral("All files|*.*"));
    bool loaded = false;
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        const QMessageBox::StandardButton answer = Prompts::Current().Ask(
            this, QMessageBox::Question, windowTitle(),
            QFileInfo(path).fileName() + U(u" dosyası yüklenecek! "),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) loaded = LoadWordFile(path);
    }
    if (loaded) {
        Message(LoadedMessage());
    } else {
        Message(NotLoadedMessage());
    }
    AfterFileLoad(path, loaded);
}

bool TWordDemoBase::LoadWordFile(const QString& path) {
    std::string text;
    if (!ReadUserFile(path, text)) return false;
    demo_->UseFilePairs(learning::ParseWordFile(text));
    SetWord({});
    SetMeaning({});
    return true;
}

// ---------------------------------------------------------------- TDemoForm

TDemoForm::TDemoForm(LearningContext context, QWidget* parent) : TWordDemoBase(std::move(context), parent) {
    setObjectName(QStringLiteral("DemoForm"));
    setWindowTitle(QStringLiteral("DEMO"));
    resize(640, 420);
    auto* root = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    word_pane_ = MakePane(this, "WordPane", 36);
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    meaning_pane_ = MakePane(this, "MeaningPane", 22);
    root->addWidget(label1_);
    root->addWidget(word_pane_, 3);
    root->addWidget(label2_);
    root->addWidget(meaning_pane_, 2);

    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
        return b;
    };
    start_ = button("ColorButton1", QStringLiteral("START"), [this] { PressStart(); });
    stop_ = button("ColorButton2", QStringLiteral("STOP"), [this] { PressStop(); });
    meaning_button_ = button("ColorButton3", QStringLiteral("?"), [this] { ToggleMeaning(); });
    info_ = button("ColorButton4", QStringLiteral("info"), [this] { ShowHelpPanel(); });
    speaker_ = new QToolButton(this);
    speaker_->setObjectName(QStringLiteral("BitBtn1"));
    speaker_->setText(QStringLiteral("Ses"));
    speaker_->setToolTip(QStringLiteral("seslendirme"));
    connect(speaker_, &QToolButton::clicked, this, [this] { ToggleSpeech(); });
    row->addWidget(speaker_);
    rate_label_ = new QLabel(U(u"okuma hızı"), this);
    rate_ = new QSpinBox(this);
    rate_->setObjectName(QStringLiteral("SpinEdit2"));
    rate_->setRange(-5, 2);
    connect(rate_, &QSpinBox::valueChanged, this, [this](int v) {
        if (voice_) voice_->SetRate(v);
    });
    row->addWidget(rate_label_);
    row->addWidget(rate_);
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    seconds_ = new QSpinBox(this);
    seconds_->setObjectName(QStringLiteral("SpinEdit1"));
    seconds_->setRange(1, 9);
    seconds_->setValue(2);
    connect(seconds_, &QSpinBox::valueChanged, this, [this](int v) { SetPauseSeconds(v); });
    row->addWidget(label3_);
    row->addWidget(seconds_);
    counter_ = new QLabel(QStringLiteral("0"), this);
    counter_->setObjectName(QStringLiteral("CounterLabel"));
    row->addWidget(counter_);
    file_label_ = new QLabel(this);
    file_label_->setObjectName(QStringLiteral("FileLabel"));
    row->addWidget(file_label_);
    row->addStretch();
    root->addLayout(row);

    help_ = new QFrame(this);
    help_->setObjectName(QStringLiteral("HelpPanel"));
    help_->setFrameShape(QFrame::Box);
    auto* help_layout = new QVBoxLayout(help_);
    auto* help_text = new QLabel(
        U(u"Kelimeler ana sözlükten ya da sizin hazırlayacağınız bir metin dosyasından gelir.\n"
          u"Dosyanın her satırında bir kelime, noktalı virgül ve anlamı bulunur: book;kitap\n"
          u"Örnek dosyalar: ingdemo.txt (ingilizce-türkçe) ve turdemo.txt (türkçe-ingilizce).\n"
          u"Dosya yüklendikten sonra kelimeler dosyadaki sırayla gösterilir."),
        help_);
    help_text->setWordWrap(true);
    help_layout->addWidget(help_text);
    auto* help_row = new QHBoxLayout;
    auto* dict = new QPushButton(U(u"Sözlük yükle"), help_);
    dict->setObjectName(QStringLiteral("DictionaryLoadButton"));
    connect(dict, &QPushButton::clicked, this, [this] {
        LoadDictionaryWords();
        HideHelpPanel();
        file_label_->clear();
    });
    auto* file = new QPushButton(U(u"Dosya Yükle"), help_);
    file->setObjectName(QStringLiteral("FileLoadButton"));
    connect(file, &QPushButton::clicked, this, [this] { ChooseWordFile(); });
    auto* quit = new QPushButton(U(u"Çikis"), help_);
    quit->setObjectName(QStringLiteral("HelpExitButton"));
    connect(quit, &QPushButton::clicked, this, [this] { HideHelpPanel(); });
    help_row->addWidget(dict);
    help_row->addWidget(file);
    help_row->addWidget(quit);
    help_layout->addLayout(help_row);
    root->addWidget(help_);
    help_->hide();

    visible_ = new QAction(U(u"görünür"), this);
    visible_->setObjectName(QStringLiteral("VisibleItem"));
    visible_->setCheckable(true);
    visible_->setChecked(true);
    connect(visible_, &QAction::toggled, this, [this](bool on) { SetVisibleWord(on); });
    word_pane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(word_pane_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(visible_);
        menu.exec(word_pane_->mapToGlobal(at));
    });
}

void TDemoForm::Activate() {
    TWordDemoBase::Activate();
    if (voice_) voice_->SetRate(voice_->Rate() - 1);
    const bool english = context_.Switches().EnglishUi;
    const bool tr_first = TurkishFirst();
    if (english) {
        label1_->setText(tr_first ? QStringLiteral("Turkish") : QStringLiteral("English"));
        label2_->setText(tr_first ? QStringLiteral("English") : QStringLiteral("Turkish"));
        label3_->setText(QStringLiteral("Speed"));
        start_->setText(QStringLiteral("START"));
        stop_->setText(QStringLiteral("STOP"));
    } else {
        label1_->setText(tr_first ? U(u"Türkçe") : QStringLiteral("ingilizce"));
        label2_->setText(tr_first ? QStringLiteral("ingilizce") : U(u"Türkçe"));
        label3_->setText(QStringLiteral("Hiz"));
        start_->setText(QStringLiteral("BASLA"));
        stop_->setText(QStringLiteral("DUR"));
    }
    meaning_button_->setText(QStringLiteral("?"));
    rate_label_->hide();
    rate_->hide();
    seconds_->setValue(2);
    help_->hide();
    ShowButtons(true);
    StartPacing(true, seconds_->value());
}

void TDemoForm::PressStart() {
    if (Paused()) ResumePacing();
}

void TDemoForm::PressStop() { PausePacing(); }

void TDemoForm::ToggleMeaning() {
    demo_->ShowMeaning = !demo_->ShowMeaning;
    if (!demo_->ShowMeaning) {
        SetMeaning({});
        meaning_button_->setText(QStringLiteral("++"));
    } else {
        SetMeaning(FromCp(demo_->CurrentMeaning()));
        meaning_button_->setText({});
    }
}

void TDemoForm::ShowButtons(bool on) {
    for (QPushButton* b : {start_, stop_, meaning_button_, info_}) b->setVisible(on);
}

void TDemoForm::ShowHelpPanel() {
    help_->show();
    ShowButtons(false);
}

void TDemoForm::HideHelpPanel() {
    help_->hide();
    ShowButtons(true);
}

bool TDemoForm::HelpPanelVisible() const { return help_->isVisibleTo(this); }

void TDemoForm::ToggleSpeech() {
    demo_->SpeechOn = !demo_->SpeechOn;
    rate_label_->setVisible(demo_->SpeechOn);
    rate_->setVisible(demo_->SpeechOn);
    speaker_->setDown(demo_->SpeechOn);
}

void TDemoForm::SetVisibleWord(bool visible) {
    if (visible_->isChecked() != visible) visible_->setChecked(visible);  // re-enters once
    if (!visible) word_pane_->clear();
}

QString TDemoForm::Caption(const char* object_name) const {
    const QString name = QString::fromLatin1(object_name);
    if (auto* l = findChild<QLabel*>(name)) return l->text();
    if (auto* b = findChild<QPushButton*>(name)) return b->text();
    return {};
}

void TDemoForm::ShowNextCard() {
    TWordDemoBase::ShowNextCard();
    speaker_->setVisible(!TurkishFirst());
}

void TDemoForm::ReadAloudAndHide() {
    TWordDemoBase::ReadAloudAndHide();
    // Unchecked "görünür": the word is heard but not seen.
    QTextCursor all(word_pane_->document());
    all.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setForeground(visible_->isChecked() ? QColor(Qt::black) : word_pane_->palette().color(QPalette::Base));
    all.mergeCharFormat(f);
}

QString TDemoForm::LoadedMessage() const { return U(u" Dosya Yüklendi,Başla tuşuna basınız !"); }
QString TDemoForm::NotLoadedMessage() const { return U(u"DOSYA YÜKLENMEDi!"); }

void TDemoForm::AfterFileLoad(const QString& path, bool loaded) {
    if (!loaded) ResumePacing();
    help_->hide();
    file_label_->setText(QFileInfo(path).fileName() + QStringLiteral("\n\r Dosya Açık"));
    ShowButtons(true);
}

void TDemoForm::ShowCounter() {
    counter_->setText(QString::number(demo_->FromFile ? static_cast<long>(demo_->FileIndex)
                                                      : (Pacer() ? Pacer()->Cycles() : 0)));
}

// --------------------------------------------------------------- TDemoForm2

TDemoForm2::TDemoForm2(LearningContext context, QWidget* parent) : TWordDemoBase(std::move(context), parent) {
    setObjectName(QStringLiteral("DemoForm2"));
    setWindowTitle(U(u" DEMO ingilizce-türkçe"));
    resize(600, 420);
    auto* root = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    root->setMenuBar(bar);
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, auto fn) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, fn);
        items_.insert(name, a);
        return a;
    };
    auto top = [this, bar](const QString& name, const QString& caption, auto fn) {
        QAction* a = bar->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, fn);
        items_.insert(name, a);
        return a;
    };
    top(QStringLiteral("BeginItem"), U(u"Başla"), [this] { Begin(); });
    top(QStringLiteral("HaltItem"), QStringLiteral("Durdur"), [this] { Halt(); });
    top(QStringLiteral("ResetItem"), QStringLiteral("Reset"), [this] { ResetCards(); });
    QMenu* settings = bar->addMenu(QStringLiteral("Ayarlar"));
    item(settings, QStringLiteral("SpeechItem"), QStringLiteral("seslendirme(ing)"), [this] { ToggleSpeech(); });
    item(settings, QStringLiteral("LowerVisibleItem"), U(u"AltPencereGörünür"), [this] { ToggleMeaning(); });
    rate_menu_ = settings->addMenu(U(u"Kelime Okuma Hızı(normal)"));
    item(rate_menu_, QStringLiteral("RateNormalItem"), QStringLiteral("normal"), [this] { SetReadingRate(0); });
    item(rate_menu_, QStringLiteral("RateSlowItem"), U(u"yavaş"), [this] { SetReadingRate(1); });
    item(rate_menu_, QStringLiteral("RateVerySlowItem"), U(u"çok yavaş"), [this] { SetReadingRate(2); });
    QMenu* speed = bar->addMenu(U(u"Hız ayarı"));
    const char16_t* speed_names[] = {u"(1) çok hızlı", u"(2) hızlı", u"(3) normal", u"(4) yavaş", u"(5) çok yavaş"};
    for (int i = 1; i <= 5; ++i) {
        QAction* a = item(speed, QStringLiteral("Speed%1Item").arg(i), U(speed_names[i - 1]), [this, i] { SetSpeed(i); });
        a->setCheckable(true);
        speed_items_ << a;
    }
    // Loading a file stays reachable through its (hidden) menu.
    QMenu* file = bar->addMenu(U(u"DosyaYükle"));
    file->menuAction()->setVisible(false);
    item(file, QStringLiteral("EnFileItem"), U(u"ing-turk dosya yükle"), [this] {
        Direction = learning::Direction::EnglishFirst;
        ChooseWordFile();
    });
    item(file, QStringLiteral("TrFileItem"), U(u"turk-ing dosya yükle"), [this] {
        Direction = learning::Direction::TurkishFirst;
        ChooseWordFile();
        SetPanel(1, QStringLiteral(" Kapali"));
    });

    word_pane_ = new QTextEdit(this);
    word_pane_->setObjectName(QStringLiteral("UpperPane"));
    word_pane_->setReadOnly(true);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(36);
    f.setBold(true);
    word_pane_->setFont(f);
    meaning_pane_ = MakePane(this, "LowerPane", 22);
    root->addWidget(word_pane_);
    root->addWidget(meaning_pane_, 1);
    auto* status = new QStatusBar(this);
    for (int i = 0; i < 7; ++i) {
        auto* l = new QLabel(status);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        status->addWidget(l, i == 6 ? 1 : 0);
        panels_ << l;
    }
    root->addWidget(status);
}

QAction* TDemoForm2::Item(const QString& name) const { return items_.value(name); }
QString TDemoForm2::Panel(int index) const { return panels_.value(index) ? panels_[index]->text() : QString(); }
void TDemoForm2::SetPanel(int index, const QString& text) {
    if (panels_.value(index)) panels_[index]->setText(text);
}

void TDemoForm2::Activate() {
    TWordDemoBase::Activate();
    if (voice_) voice_->SetRate(0);
    SetPanel(0, QStringLiteral("Ses:"));
    SetPanel(1, QStringLiteral(" Kapali"));
    SetPanel(3, QStringLiteral("0"));
    SetPanel(5, U(u" Ana Sözlük"));
    items_.value(QStringLiteral("SpeechItem"))->setEnabled(!TurkishFirst());
    SetSpeed(2);
    StartPacing(true, 2);
}

void TDemoForm2::Begin() { ResumePacing(); }
void TDemoForm2::Halt() { PausePacing(); }

void TDemoForm2::ResetCards() {
    demo_->Reset();
    word_pane_->clear();
    meaning_pane_->clear();
}

void TDemoForm2::ToggleSpeech() {
    if (TurkishFirst()) return;
    demo_->SpeechOn = !demo_->SpeechOn;
    SetPanel(1, demo_->SpeechOn ? QStringLiteral(" Acik") : QStringLiteral(" Kapali"));
}

void TDemoForm2::ToggleMeaning() {
    demo_->ShowMeaning = !demo_->ShowMeaning;
    SetMeaning(FromCp(demo_->CurrentMeaning()));
}

void TDemoForm2::SetReadingRate(int which) {
    static const int kRates[] = {0, -2, -4};
    static const char16_t* kTitles[] = {u"Kelime Okuma Hızı(normal)", u"Kelime Okuma Hızı(yavaş)",
                                        u"Kelime Hızı(çok yavaş)"};
    which = std::clamp(which, 0, 2);
    if (voice_) voice_->SetRate(kRates[which]);
    rate_menu_->setTitle(U(kTitles[which]));
}

void TDemoForm2::SetSpeed(int seconds) {
    seconds = std::clamp(seconds, 1, 5);
    SetPauseSeconds(seconds);
    for (int i = 0; i < speed_items_.size(); ++i) speed_items_[i]->setChecked(i + 1 == seconds);
    SetPanel(2, QStringLiteral("Hız= (%1)").arg(seconds));
}

void TDemoForm2::resizeEvent(QResizeEvent* event) {
    TWordDemoBase::resizeEvent(event);
    word_pane_->setFixedHeight(height() / 3);
}

void TDemoForm2::ShowNextCard() {
    word_pane_->setFixedHeight(height() / 3);
    TWordDemoBase::ShowNextCard();
}

QString TDemoForm2::LoadedMessage() const { return U(u" Dosya Yüklendi,Başlama tuşunu tıklayınız !"); }
QString TDemoForm2::NotLoadedMessage() const { return U(u"DOSYA YÜKLENMEDİ!"); }

void TDemoForm2::AfterFileLoad(const QString& path, bool loaded) {
    // The cycle stays paused after a load either way; "Başla" goes on.
    if (loaded) SetPanel(5, path);
}

void TDemoForm2::ShowCounter() {
    SetPanel(3, QString::number(demo_->FromFile ? static_cast<long>(demo_->FileIndex)
                                                : (Pacer() ? Pacer()->Cycles() : 0)));
}

}  // namespace zelmor::gui
