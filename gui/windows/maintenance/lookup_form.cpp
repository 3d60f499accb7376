#include "gui/windows/maintenance/lookup_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include "gui/app/prompts.h"

namespace zelmor::gui {

namespace mt = zelmor::maintenance;

TLookupForm::TLookupForm(MaintenanceContext context, mt::LookupDictionary which, mt::Translator translate,
                         QWidget* parent)
    : QDialog(parent), context_(std::move(context)), which_(which), translate_(std::move(translate)) {
    const bool en = which_ == mt::LookupDictionary::EnTr;
    setObjectName(en ? QStringLiteral("Form3") : QStringLiteral("Form7"));
    setWindowTitle(en ? QStringLiteral("İNGİLİZCE - TÜRKÇE SÖZLÜK") : QStringLiteral("TÜRKÇE - İNGİLİZCE SÖZLÜK"));
    if (!translate_) translate_ = en ? EnTrTranslator(context_.store) : TrEnTranslator(context_.store);
    resize(520, 420);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("SearchEdit"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("WordList"));
    meaning_ = new QPlainTextEdit(this);
    meaning_->setObjectName(QStringLiteral("MeaningText"));

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    if (en) row->addWidget(new QLabel(QStringLiteral("kelime"), this));
    else search_->setText(QStringLiteral("kelime yazınız"));
    row->addWidget(search_, 1);
    layout->addLayout(row);
    auto* lists = new QHBoxLayout;
    lists->addWidget(list_, 1);
    lists->addWidget(meaning_, 2);
    layout->addLayout(lists, 1);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ShowItem(row); });
    connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { SearchTextChanged(text); });
}

void TLookupForm::Activate() {
    search_->clear();
    words_.clear();
    {
        const QSignalBlocker block(list_);
        list_->clear();
    }
    meaning_->clear();
    const store::DictionaryStore& store = context_.store();
    if (!mt::HasLookupDictionary(store, which_)) {
        Prompts::Current().Inform(this, MessageCaption(), FromCp(mt::NoDictionaryMessage(which_)));
        return;
    }
    words_ = mt::BuildLookupWords(store, which_);
    QStringList items;
    items.reserve(static_cast<qsizetype>(words_.size()));
    for (const std::string& w : words_) items << FromCp(w);
    {
        const QSignalBlocker block(list_);
        list_->addItems(items);
    }
    if (!words_.empty()) list_->setCurrentRow(0);
}

void TLookupForm::ShowItem(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= words_.size()) return;
    std::vector<std::string> lines = mt::LookupMeaningLines(context_.store(), which_, words_[row], translate_);
    QStringList shown;
    for (const std::string& l : lines) shown << FromCp(l);
    meaning_->setPlainText(shown.join(QLatin1Char('\n')));
}

void TLookupForm::SearchTextChanged(const QString& text) {
    std::optional<std::size_t> at = mt::MatchLookupWord(words_, which_, ToCp(text));
    if (at) list_->setCurrentRow(static_cast<int>(*at));
}

void TLookupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Activate();
}

void TLookupForm::closeEvent(QCloseEvent* event) {
    words_.clear();
    QDialog::closeEvent(event);
}

void TLookupForm::done(int result) {
    words_.clear();
    QDialog::done(result);
}

}  // namespace zelmor::gui
