#include "gui/windows/maintenance/maintenance_common.h"

#include <QEvent>
#include <QFile>
#include <QFontDialog>
#include <QWidget>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/engine_tr_en/tr_en_engine.h"
#include "core/text/cp1254.h"
#include "gui/app/frame_form.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

MaintenanceContext MaintenanceContext::Of(TFrameForm& frame) {
    return MaintenanceContext{[&frame]() -> store::DictionaryStore& { return frame.MutableStore(); }, frame};
}

QString FromCp(std::string_view cp1254) { return QString::fromStdString(text::Cp1254ToUtf8(cp1254)); }

std::string ToCp(const QString& text) { return text::Utf8ToCp1254Lossy(text.toStdString()); }

std::filesystem::path ProgramPath(const FrameSwitches& switches) {
    return std::filesystem::path(QFile::encodeName(switches.ProgramDir).toStdString());
}

maintenance::Translator EnTrTranslator(std::function<store::DictionaryStore&()> store) {
    return [store = std::move(store)](std::string_view text) {
        auto full = en_tr::MakeFullEnTrEngine(store());
        en_tr::EnTrEngine& engine = full->Engine();
        return engine.TranslateEnToTr(text);
    };
}

maintenance::Translator TrEnTranslator(std::function<store::DictionaryStore&()> store) {
    return [store = std::move(store)](std::string_view text) {
        tr_en::TrEnEngine engine(store());
        return engine.TranslateTrToEn(text);
    };
}

void PromptsUi::Message(std::string_view text) {
    Prompts::Current().Inform(parent_, MessageCaption(), FromCp(text));
}

void PromptsUi::Warning(std::string_view text, std::string_view caption) {
    Prompts::Current().Warn(parent_, FromCp(caption), FromCp(text));
}

void PromptsUi::Error(std::string_view text) {
    Prompts::Current().Ask(parent_, QMessageBox::Critical, QStringLiteral("Error"), FromCp(text), QMessageBox::Ok);
}

bool PromptsUi::Confirm(std::string_view text, std::string_view caption) {
    return Prompts::Current().Ask(parent_, QMessageBox::Question, FromCp(caption), FromCp(text),
                                  QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

maintenance::Answer PromptsUi::AskYesNoCancel(std::string_view text) {
    switch (Prompts::Current().Ask(parent_, QMessageBox::Question, QStringLiteral("Confirm"), FromCp(text),
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes: return maintenance::Answer::Yes;
        case QMessageBox::No: return maintenance::Answer::No;
        default: return maintenance::Answer::Cancel;
    }
}

std::optional<std::filesystem::path> PromptsUi::ChooseSaveFile(std::string_view filter) {
    const QString name = Prompts::Current().SaveFileName(parent_, save_dir_ ? save_dir_() : QString(),
                                                         QtFileFilter(FromCp(filter)), QStringLiteral("txt"));
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

void PromptsUi::SetListing(std::string_view text) {
    if (set_listing_) set_listing_(FromCp(text));
}

namespace {

class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> fn) : QObject(parent), fn_(std::move(fn)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            fn_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> fn_;
};

}  // namespace

void OnDoubleClick(QWidget* widget, std::function<void()> fn) {
    widget->installEventFilter(new DoubleClickFilter(widget, std::move(fn)));
}

void ChooseFont(QWidget* parent, QWidget* target) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, target->font(), parent);
    if (ok) target->setFont(font);
}

}  // namespace zelmor::gui
