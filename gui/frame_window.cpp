#include "gui/frame_window.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "core/text/cp1254.h"

namespace zelmor::gui {
namespace {

QString FromCp(std::string_view cp) { return QString::fromStdString(text::Cp1254ToUtf8(cp)); }

// Message boxes and the open dialog for the store's load.
class DialogLoadUi : public store::LoadUi {
public:
    explicit DialogLoadUi(QWidget* parent) : parent_(parent) {}
    void Warning(std::string_view text) override {
        QMessageBox::warning(parent_, QStringLiteral("ZELMOR"), FromCp(text));
    }
    std::optional<std::filesystem::path> ChooseFile(std::string_view filter) override {
        // "Text files(*.txt)|*.txt" -> "Text files (*.txt)"
        QString f = QString::fromStdString(std::string(filter)).section(QLatin1Char('|'), 0, 0);
        QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), f);
        if (path.isEmpty()) return std::nullopt;
        return std::filesystem::path(path.toStdString());
    }
    void ReadError(std::string_view text) override {
        QMessageBox::critical(parent_, QStringLiteral("ZELMOR"), QString::fromStdString(std::string(text)));
    }

private:
    QWidget* parent_;
};

}  // namespace

FrameWindow::FrameWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("ZELMOR"));
    resize(900, 650);
}

void FrameWindow::LoadStore() {
    DialogLoadUi ui(this);
    store::DictionaryStore fresh;
    auto outcome = store::LoadDictionaryStore(
        fresh, QCoreApplication::applicationDirPath().toStdString(), ui);
    // The new store replaces the old one only when it is complete, so no
    // window ever reads a half-loaded store.
    store_ = std::move(fresh);
    turkish_keyboard_ = outcome.TurkishKeyboard;
    statusBar()->showMessage(
        QStringLiteral("%1 English-Turkish, %2 Turkish-English entries")
            .arg(store_.EnTrKeys.size())
            .arg(store_.TrEnKeys.size()));
}

}  // namespace zelmor::gui
