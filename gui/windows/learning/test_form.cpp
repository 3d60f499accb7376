#include "gui/windows/learning/test_form.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QHideEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

using learning_view::FromCp;
using learning_view::ToCp;
using learning_view::U;

namespace {

// The generated sentences of the last store they were built for.
struct SentenceCache {
    std::weak_ptr<const store::DictionaryStore> store;
    std::vector<learning::WordPair> pairs;
    bool valid = false;
    int builds = 0;
};

SentenceCache& Cache() {
    static SentenceCache cache;
    return cache;
}

}  // namespace

void TTest::ForgetSentenceCache() {
    Cache().valid = false;
    Cache().pairs.clear();
}

int TTest::SentenceBuilds() { return Cache().builds; }

TTest::TTest(LearningContext context, QWidget* parent) : QDialog(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("Test"));
    setWindowTitle(QStringLiteral("ingilizce - Türkçe Test"));
    resize(720, 520);
    glyphs_ = new QTextDocument(this);
    auto* root = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    question_ = new QLabel(QStringLiteral("?"), this);
    question_->setObjectName(QStringLiteral("QuestionLabel"));
    question_->setWordWrap(true);
    QFont qf(QStringLiteral("Times New Roman"));
    qf.setPointSize(18);
    qf.setBold(true);
    question_->setFont(qf);
    instruction_ = new QLabel(
        QStringLiteral("Seslendirme butonuna TIKLAYINIZ ve sesi dinleyiniz. Dogru cevabi isaretleyiniz"), this);
    instruction_->setObjectName(QStringLiteral("InstructionLabel"));
    instruction_->setWordWrap(true);
    instruction_->hide();
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("HintLabel"));
    hint_->hide();
    top->addWidget(question_, 1);
    top->addWidget(instruction_, 1);
    mark_ = new QLabel(QStringLiteral("?"), this);
    mark_->setObjectName(QStringLiteral("MarkLabel"));
    QFont mf = qf;
    mf.setPointSize(16);
    mark_->setFont(mf);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("PictureLabel"));
    picture_->setFont(mf);
    top->addWidget(mark_);
    top->addWidget(picture_);
    root->addLayout(top);
    root->addWidget(hint_);

    group_ = new QGroupBox(QStringLiteral("Dogru Cevabi seçiniz"), this);
    group_->setObjectName(QStringLiteral("AnswerGroup"));
    auto* answers = new QVBoxLayout(group_);
    letter_group_ = new QButtonGroup(this);
    letter_group_->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto* row = new QHBoxLayout;
        const QString letter(QChar(u'A' + i));
        letters_[i] = new QPushButton(letter, group_);
        letters_[i]->setObjectName(QStringLiteral("Letter") + letter);
        letters_[i]->setCheckable(true);
        letters_[i]->setFixedWidth(40);
        letter_group_->addButton(letters_[i], i);
        answers_[i] = new QTextEdit(group_);
        answers_[i]->setObjectName(QStringLiteral("Answer") + letter);
        answers_[i]->setReadOnly(true);
        answers_[i]->setFixedHeight(48);
        QFont af(QStringLiteral("Times New Roman"));
        af.setPointSize(13);
        answers_[i]->setFont(af);
        row->addWidget(letters_[i]);
        row->addWidget(answers_[i], 1);
        answers->addLayout(row);
    }
    root->addWidget(group_, 1);

    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
        return b;
    };
    start_ = button("StartButton", QStringLiteral("DEVAM ET"), [this] { PressStart(); });
    ok_ = button("OkButton", QStringLiteral("O.K"), [this] { PressOk(); });
    reset_ = button("ResetButton", QStringLiteral("RESET"), [this] { PressReset(); });
    clock_ = new QToolButton(this);
    clock_->setObjectName(QStringLiteral("ClockButton"));
    clock_->setText(QStringLiteral("Saat"));
    clock_->setToolTip(QStringLiteral("To stop or start the time, click here"));
    connect(clock_, &QToolButton::clicked, this, [this] { ToggleClock(); });
    row->addWidget(clock_);
    speaker_ = new QToolButton(this);
    speaker_->setObjectName(QStringLiteral("SpeakerButton"));
    speaker_->setText(QStringLiteral("Ses"));
    connect(speaker_, &QToolButton::clicked, this, [this] { PressSpeaker(); });
    row->addWidget(speaker_);
    info_ = button("InfoButton", QStringLiteral("info"), [this] { ShowHelpPanel(); });
    source_ = new QLabel(QStringLiteral("Sözlük açik"), this);
    source_->setObjectName(QStringLiteral("SourceLabel"));
    row->addWidget(source_);
    row->addStretch();
    root->addLayout(row);

    help_ = new QFrame(this);
    help_->setObjectName(QStringLiteral("HelpPanel"));
    help_->setFrameShape(QFrame::Box);
    auto* help_layout = new QVBoxLayout(help_);
    auto* help_text = new QLabel(
        QStringLiteral("Sorular ana sözlükten, programın kurduğu cümlelerden ya da bir test dosyasından gelir.\n"
                       "Test dosyasında her soru \"(?)\" ile başlar; ardından a) b) c) d) ile dört cevap ve "
                       "doğru cevabı \"*\" ile gösteren bir satır gelir, örneğin: Cevap *b"),
        help_);
    help_text->setWordWrap(true);
    help_layout->addWidget(help_text);
    auto* help_row = new QHBoxLayout;
    auto help_button = [this, help_row](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, help_);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, fn);
        help_row->addWidget(b);
    };
    help_button("QuestionFileButton", QStringLiteral("Test Dosyasi yükleme"), [this] { LoadQuestionFile(); });
    help_button("DictionaryButton", QStringLiteral("Sözlük yükleme"), [this] { UseDictionary(); });
    help_button("HelpExitButton", QStringLiteral("çikis"), [this] { HideHelpPanel(); });
    help_layout->addLayout(help_row);
    root->addWidget(help_);
    help_->hide();

    auto* status = new QHBoxLayout;
    const QString names[8] = {QStringLiteral("Soru:"), QStringLiteral("0"), QStringLiteral("Doğru:"),
                              QStringLiteral("0"),     QStringLiteral("Yanlış:"), QStringLiteral("0"),
                              QStringLiteral("Süre:"), QStringLiteral("0")};
    for (int i = 0; i < 8; ++i) {
        auto* l = new QLabel(names[i], this);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        status->addWidget(l);
        panels_ << l;
    }
    status->addStretch();
    root->addLayout(status);

    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &TTest::TimerTick);
}

void TTest::ApplyLanguage(bool english) {
    setWindowTitle(english ? QStringLiteral("English - Turkish Test") : QStringLiteral("ingilizce - Türkçe Test"));
    group_->setTitle(english ? QStringLiteral("Select Correct Answer") : QStringLiteral("Dogru Cevabi seçiniz"));
    start_->setText(english ? QStringLiteral("START") : QStringLiteral("DEVAM ET"));
}

void TTest::Activate() {
    const bool english = context_.Switches().EnglishUi;
    test_ = std::make_unique<learning::MultipleChoiceTest>(context_.Seed(), english);
    voice_ = CreateEnglishVoice();
    ApplyLanguage(english);
    glyphs_loaded_ = learning_view::LoadGlyphFile(context_.Switches().ProgramDir, *glyphs_);
    source_->setText(QStringLiteral("Sözlük açik"));
    ResetView();
    timer_.start();
    std::shared_ptr<const store::DictionaryStore> store = context_.store ? context_.store() : nullptr;
    if (!store || store->EnTrKeys.size() < 3) {
        Say(windowTitle(), QStringLiteral("List is empty!"));
        return;
    }
    test_->SetPairs(learning::BuildDictionaryPairs(*store, learning::Direction::EnglishFirst),
                    SentencePairs(store));
    UpdatePanels();
}

void TTest::Open() {
    Activate();
    exec();
}

std::vector<learning::WordPair> TTest::SentencePairs(const std::shared_ptr<const store::DictionaryStore>& store) {
    SentenceCache& cache = Cache();
    if (cache.valid && cache.store.lock() == store) return cache.pairs;
    // About three hundred translations: a progress box keeps the program
    // painting and tells the user what is going on; input elsewhere waits.
    QProgressDialog progress(QStringLiteral("Test cümleleri hazırlanıyor..."), QString(), 0, 301, this);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(400);
    progress.setCancelButton(nullptr);
    int done = 0;
    const learning::Translator translate = context_.EnTr();
    std::mt19937 rng(context_.Seed());
    std::vector<learning::WordPair> pairs =
        learning::BuildSentencePairs(rng, [&](std::string_view sentence) {
            std::string t = translate(sentence);
            progress.setValue(++done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return t;
        });
    progress.setValue(301);
    cache.store = store;
    cache.pairs = pairs;
    cache.valid = true;
    ++cache.builds;
    return pairs;
}

void TTest::ResetView() {
    if (test_) test_->Reset();
    mark_->setText(QStringLiteral("?"));
    picture_->clear();
    ShowQuestionText(QStringLiteral("?"));
    question_->show();
    instruction_->hide();
    hint_->hide();
    for (QTextEdit* a : answers_) a->setPlainText(QStringLiteral("?"));
    letters_[3]->setChecked(true);
    UpdatePanels();
}

void TTest::UpdatePanels() {
    if (!test_) return;
    panels_[1]->setText(QString::number(test_->Total));
    panels_[3]->setText(QString::number(test_->Right));
    panels_[5]->setText(QString::number(test_->Wrong));
    panels_[7]->setText(QString::number(test_->Seconds()));
}

void TTest::ShowQuestionText(const QString& text) { question_->setText(text); }

void TTest::Say(const QString& caption, const QString& text) {
    Prompts::Current().Inform(this, caption.isEmpty() ? windowTitle() : caption, text);
}

void TTest::SetAnswers(const std::array<std::string, 4>& answers) {
    for (int i = 0; i < 4; ++i) {
        answers_[i]->setPlainText(FromCp(answers[static_cast<std::size_t>(i)]));
        if (glyphs_loaded_ && !context_.Switches().TurkishKeyboard)
            learning_view::ReplaceGlyphs(*answers_[i], *glyphs_, learning_view::TestGlyphs());
    }
}

void TTest::PressStart() {
    if (!test_) return;
    const bool file_mode = test_->FileMode;
    learning::MultipleChoiceTest::Turn turn = test_->Start();
    if (!turn.message.empty()) {
        if (turn.offer_reset) {
            const auto answer = Prompts::Current().Ask(this, QMessageBox::Question, FromCp(turn.message_title),
                                                       FromCp(turn.message), QMessageBox::Yes | QMessageBox::No);
            if (answer == QMessageBox::Yes) PressReset();
        } else {
            Say(FromCp(turn.message_title), FromCp(turn.message));
        }
        return;
    }
    if (!turn.asked) return;
    mark_->setText(FromCp(test_->Mark));
    picture_->clear();
    if (!file_mode) letters_[3]->setChecked(true);
    if (test_->QuestionVisible) ShowQuestionText(FromCp(turn.question));
    hint_->setText(FromCp(turn.hint));
    SetAnswers(turn.options);
    UpdatePanels();
}

void TTest::PressLetter(char letter) {
    if (letter >= 'A' && letter <= 'D') letters_[letter - 'A']->setChecked(true);
}

char TTest::PressedLetter() const {
    // D, C, B, A in that order of testing.
    for (int i = 3; i >= 0; --i)
        if (letters_[i]->isChecked()) return static_cast<char>('A' + i);
    return '?';
}

void TTest::PressOk() {
    if (!test_) return;
    const learning::MultipleChoiceTest::Check check = test_->CheckAnswer(PressedLetter());
    mark_->setText(FromCp(check.mark));
    if (check.mark != "-") {
        picture_->setText(check.right ? U(u"✔") : U(u"✘"));
        picture_->setStyleSheet(check.right ? QStringLiteral("color: green") : QStringLiteral("color: red"));
    }
    UpdatePanels();
}

void TTest::PressReset() {
    ResetView();
    hint_->clear();
}

void TTest::PressSpeaker() {
    if (!test_) return;
    if (test_->FileMode) {
        test_->LeaveFileMode();
        ResetView();
        hint_->clear();
        source_->setText(QStringLiteral("Sözlük açık"));
    }
    test_->EnterListening();
    question_->hide();
    instruction_->show();
    hint_->show();
    const std::string said = test_->SpeechText();
    if (voice_ && !said.empty()) voice_->Speak(FromCp(said), SpeechVoice::kSpeakAsync);
}

void TTest::ToggleClock() {
    if (test_) test_->Counting = !test_->Counting;
}

void TTest::TimerTick() {
    if (!test_) return;
    test_->TimerTick();
    UpdatePanels();
    for (QPushButton* b : letters_)
        b->setStyleSheet(b->isChecked() ? QStringLiteral("color: red; font-weight: bold")
                                        : QStringLiteral("color: black"));
}

void TTest::ShowHelpPanel() { help_->show(); }
void TTest::HideHelpPanel() { help_->hide(); }

void TTest::LoadQuestionFile() {
    if (!test_) return;
    const QString path = Prompts::Current().OpenFileName(this, QStringLiteral("All files|*.*"));
    if (path.isEmpty()) return;
    const auto answer =
        Prompts::Current().Ask(this, QMessageBox::Question, windowTitle(),
                               QFileInfo(path).fileName() + QStringLiteral(" dosyası yüklenecek! "),
                               QMessageBox::Yes | QMessageBox::No);
    std::string bytes, error;
    if (answer != QMessageBox::Yes || !store::ReadWholeFile(path.toStdString(), bytes, &error)) {
        Say(windowTitle(), QStringLiteral("Dosya Yüklenmedi!"));
        return;
    }
    test_->LoadQuestionFile(text::IsValidUtf8(bytes) ? text::Utf8ToCp1254Lossy(bytes) : bytes);
    Say(windowTitle(), QStringLiteral(" Dosya Yüklendi, devam ediniz !"));
    ResetView();
    hint_->clear();
    source_->setText(QFileInfo(path).fileName() + QStringLiteral("\n\r Dosya Açik"));
    help_->hide();
}

void TTest::UseDictionary() {
    if (!test_) return;
    test_->LeaveFileMode();
    ResetView();
    source_->setText(QStringLiteral("Sözlük açik"));
}

QString TTest::Question() const { return question_->text(); }
bool TTest::QuestionShown() const { return question_->isVisibleTo(this); }
QString TTest::Answer(int index) const { return answers_[index]->toPlainText(); }
QString TTest::Mark() const { return mark_->text(); }
QString TTest::Panel(int index) const { return panels_.value(index) ? panels_[index]->text() : QString(); }
QString TTest::SourceText() const { return source_->text(); }

QString TTest::Caption(const char* object_name) const {
    const QString name = QString::fromLatin1(object_name);
    if (name == QStringLiteral("Window")) return windowTitle();
    if (name == QStringLiteral("AnswerGroup")) return group_->title();
    if (auto* b = findChild<QPushButton*>(name)) return b->text();
    if (auto* l = findChild<QLabel*>(name)) return l->text();
    return {};
}

void TTest::hideEvent(QHideEvent* event) {
    timer_.stop();
    QDialog::hideEvent(event);
}

}  // namespace zelmor::gui
