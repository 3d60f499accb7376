#include "gui/windows/maintenance/user_dictionary_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

namespace mt = zelmor::maintenance;

TUserDictionaryForm::TUserDictionaryForm(MaintenanceContext context, mt::UserDictionary which,
                                         mt::Translator translate, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(std::move(context)),
      which_(which),
      translate_(std::move(translate)),
      ui_(
          this,
          [this](const QString& text) {
              QString shown = text;
              if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
              text_->setPlainText(shown);
          },
          [this] { return context_.switches.ProgramDir; }) {
    const bool en = which_ == mt::UserDictionary::English;
    setObjectName(en ? QStringLiteral("ingtrform") : QStringLiteral("zelmoruser"));
    setWindowTitle(en ? QStringLiteral("ingilizce kullanici sözlük (usering.txt)")
                      : QStringLiteral("ZelmorUser (usertur.txt dosyası kullanır)"));
    if (!translate_) translate_ = en ? EnTrTranslator(context_.store) : TrEnTranslator(context_.store);
    resize(700, 560);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    text_->setFont(font);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    second_ = new QPlainTextEdit(this);
    second_->setObjectName(QStringLiteral("Memo2"));
    second_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(second_);
    auto* row = new QHBoxLayout;
    auto add = [&](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
    };
    add("LoadButton", QStringLiteral("Kullanıcı sozluk"), [this] { LoadDictionaryFile(); });
    add("FontButton", QStringLiteral("Yazı Tipi"), [this] { ChooseFont(this, text_); });
    add("IndexButton", QStringLiteral("index-kayıt"), [this] { IndexAndSave(); });
    add("ExplanationButton", QStringLiteral("Açıklama"), [this] { LoadExplanation(); });
    add("CheckButton", QStringLiteral("Kelime Kontrol"), [this] { CheckWord(); });
    add("TranslateButton", en ? QStringLiteral("pavolk çeviri") : QStringLiteral("zelmor çeviri"),
        [this] { TranslateSelection(); });
    row->addStretch(1);
    layout->addLayout(row);
}

bool TUserDictionaryForm::LoadFile(const char* name) {
    const std::filesystem::path path = ProgramPath(context_.switches) / name;
    std::string bytes, error;
    if (!store::ReadWholeFile(path, bytes, &error)) {
        // The text area keeps what it held.
        Prompts::Current().Ask(this, QMessageBox::Critical, QStringLiteral("Error"),
                               QStringLiteral("Cannot open file \"%1\". %2")
                                   .arg(QString::fromStdString(path.string()), QString::fromStdString(error)),
                               QMessageBox::Ok);
        return false;
    }
    QStringList lines;
    for (std::string_view line : store::SplitLines(bytes)) lines << FromCp(line);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

bool TUserDictionaryForm::LoadDictionaryFile() {
    return LoadFile(which_ == mt::UserDictionary::English ? "usering.txt" : "usertur.txt");
}

bool TUserDictionaryForm::LoadExplanation() { return LoadFile("benioku.txt"); }

std::string TUserDictionaryForm::SelectionCp() const {
    QString s = text_->textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return ToCp(s);
}

void TUserDictionaryForm::CheckWord() {
    ui_.Message(mt::CheckWordMessage(context_.store(), which_, SelectionCp()));
}

void TUserDictionaryForm::TranslateSelection() {
    ui_.Message(mt::TranslateButtonText(which_, SelectionCp(), translate_));
}

void TUserDictionaryForm::IndexAndSave() {
    mt::IndexAndSaveUserDictionary(context_.store(), which_, ToCp(text_->toPlainText()),
                                   ProgramPath(context_.switches), ui_);
}

void TUserDictionaryForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) LoadDictionaryFile();
}

}  // namespace zelmor::gui
