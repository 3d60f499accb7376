#include "gui/windows/maintenance/abbreviation_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/maintenance/user_dictionary.h"

namespace zelmor::gui {

namespace mt = zelmor::maintenance;

Tabform::Tabform(MaintenanceContext context, QWidget* parent)
    : QDialog(parent),
      context_(std::move(context)),
      ui_(
          this,
          [this](const QString& text) {
              QString shown = text;
              if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
              text_->setPlainText(shown);
          },
          [this] { return context_.switches.ProgramDir; }) {
    setObjectName(QStringLiteral("abform"));
    setWindowTitle(QStringLiteral("ablist"));
    resize(480, 520);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(QStringLiteral("Metinde olabilecek kısaltmalar (Abbreviations) için kayıt \n"
                                       "ve düzenleme sayfası.İlave veya düzenleme  yapıldıktan\n"
                                       " sonra indeksleme yapınız."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    auto add = [&](const char* name, const QString& caption, auto fn) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
        return b;
    };
    add("AbbreviationsButton", QStringLiteral("Abreviations"), [this] { ShowAbbreviations(); })
        ->setToolTip(QStringLiteral("Kısaltmalar için tıklayınız."));
    add("IndexButton", QStringLiteral("index"), [this] { Index(); });
    add("FontButton", QStringLiteral("Yazı Tipi"), [this] { ChooseFont(this, text_); });
    row->addStretch(1);
    layout->addLayout(row);
}

void Tabform::ShowAbbreviations() {
    ui_.SetListing(mt::AbbreviationText(context_.store()));
}

void Tabform::Index() {
    mt::IndexAndSaveAbbreviations(context_.store(), ToCp(text_->toPlainText()), ProgramPath(context_.switches), ui_);
}

}  // namespace zelmor::gui
