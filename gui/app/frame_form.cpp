#include "gui/app/frame_form.h"

#include <QApplication>

#include <algorithm>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

#include "core/text/cp1254.h"
#include "gui/app/password_dlg.h"
#include "gui/app/prompts.h"
#include "gui/editor/edit_form.h"
#include "gui/editor/rich_text.h"
#include "gui/platform/keyboard.h"

#ifndef ZELMOR_VERSION
#define ZELMOR_VERSION "0"
#endif

namespace zelmor::gui {
namespace {

TFrameForm* g_frame = nullptr;

QString FromCp(std::string_view cp) { return QString::fromStdString(text::Cp1254ToUtf8(cp)); }

QString ExecutableDir() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

// The load's questions as message boxes and the open dialog.
class DialogLoadUi : public store::LoadUi {
public:
    explicit DialogLoadUi(QWidget* parent) : parent_(parent) {}
    void Warning(std::string_view text) override {
        Prompts::Current().Warn(parent_, QStringLiteral("ZELMOR"), FromCp(text));
    }
    std::optional<std::filesystem::path> ChooseFile(std::string_view filter) override {
        QString path = Prompts::Current().OpenFileName(parent_, QtFileFilter(FromCp(filter)));
        if (path.isEmpty()) return std::nullopt;
        return std::filesystem::path(path.toStdString());
    }
    void ReadError(std::string_view text) override {
        Prompts::Current().Ask(parent_, QMessageBox::Critical, QStringLiteral("ZELMOR"),
                               QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                               QMessageBox::Ok);
    }

private:
    QWidget* parent_;
};

}  // namespace

TFrameForm::TFrameForm(QWidget* parent)
    : QMainWindow(parent),
      store_(std::make_shared<store::DictionaryStore>()),
      keyboard_layout_(&platform::FirstKeyboardLayoutId) {
    g_frame = this;
    ProgramDir = ExecutableDir();
    setWindowTitle(QString::fromUtf16(kDesignCaption));
    QFont f = font();
    f.setPixelSize(16);
    setFont(f);
    resize(1200, 780);

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(0xFF, 0xF8, 0xDC));  // cream
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);

    statusBar()->setSizeGripEnabled(true);
    RestoreStatusColor();
    BuildMenus();
}

TFrameForm::~TFrameForm() {
    if (g_frame == this) g_frame = nullptr;
}

TFrameForm* TFrameForm::Instance() { return g_frame; }

void TFrameForm::BuildMenus() {
    file_menu_ = menuBar()->addMenu(QStringLiteral("File"));
    new_action_ = file_menu_->addAction(QStringLiteral("New"), this, [this] { NewEditor(); });
    new_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    open_action_ = file_menu_->addAction(QStringLiteral("Open"), this, [this] { OpenEditor(); });
    open_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    exit_action_ = file_menu_->addAction(QStringLiteral("Exit"), this, &QWidget::close);

    window_menu_ = menuBar()->addMenu(QStringLiteral("Window"));
    connect(window_menu_, &QMenu::aboutToShow, this, [this] { FillWindowMenu(); });
    FillWindowMenu();

    // The hidden access-code command: not in any menu, its shortcut works
    // everywhere in the frame (editors included).
    auto* access = new QAction(QStringLiteral("---------"), this);
    access->setObjectName(QStringLiteral("FrameAccessCodeItem"));
    access->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
    access->setShortcutContext(Qt::WindowShortcut);
    connect(access, &QAction::triggered, this, [this] {
        if (auto* sub = mdi_->activeSubWindow())
            if (auto* editor = qobject_cast<TEditForm*>(sub->widget())) {
                editor->AccessCodeCommand();
                return;
            }
        ShowAccessCodeDialog();
    });
    addAction(access);
}

void TFrameForm::FillWindowMenu() {
    window_menu_->clear();
    window_menu_->addAction(QStringLiteral("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
    window_menu_->addAction(QStringLiteral("Tile "), mdi_, &QMdiArea::tileSubWindows);
    const auto subs = mdi_->subWindowList();
    if (!subs.isEmpty()) window_menu_->addSeparator();
    int n = 1;
    for (QMdiSubWindow* sub : subs) {
        QString text = QStringLiteral("&%1 %2").arg(n++).arg(sub->windowTitle());
        QAction* a = window_menu_->addAction(text, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
    }
}

bool TFrameForm::event(QEvent* event) {
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !activated_) {
        activated_ = true;
        // Run after the activation event so the load's dialogs are ordinary
        // modal dialogs over a visible frame.
        QTimer::singleShot(0, this, [this] { Activate(); });
    }
    return QMainWindow::event(event);
}

void TFrameForm::Activate() {
    activated_ = true;
    if (activation_done_) return;
    activation_done_ = true;
    EditMode = false;
    TraceRequest = false;
    TurkishKeyboard = false;
    EngineMode = QStringLiteral("M47");
    QuickWindowOpen = false;
    EnRecordEditState = 0;
    TrRecordEditState = 0;
    ProgramDir = ExecutableDir();

    TEditForm* first = new TEditForm(*this);
    AddEditor(first);

    EnglishVoice = CreateEnglishVoice();
    EnglishVoice->SetRate(0);
    connect(EnglishVoice.get(), &SpeechVoice::Unavailable, this,
            [this](const QString& reason) { SetStatusText(reason); });

    LoadStore();

    QString layout = keyboard_layout_ ? keyboard_layout_() : QString();
    if (layout == QString::fromUtf16(platform::kTurkishLayoutId)) TurkishKeyboard = true;
}

void TFrameForm::LoadStore() {
    DialogLoadUi ui(this);
    auto fresh = std::make_shared<store::DictionaryStore>();
    store::LoadOutcome outcome = store::LoadDictionaryStore(
        *fresh, std::filesystem::path(ProgramDir.toStdString()), ui);
    // Swap in the complete store; readers holding the old one keep it.
    store_ = std::move(fresh);
    if (outcome.TurkishKeyboard) TurkishKeyboard = true;
}

QList<TEditForm*> TFrameForm::Editors() const {
    QList<TEditForm*> out;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* e = qobject_cast<TEditForm*>(sub->widget())) out << e;
    return out;
}

QMdiSubWindow* TFrameForm::AddEditor(TEditForm* editor) {
    QMdiSubWindow* sub = mdi_->addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the editor's menu bar when the frame allows it.
    const QSize room = mdi_->viewport()->size();
    sub->resize(std::max(760, room.width() - 30 * static_cast<int>(mdi_->subWindowList().size())),
                std::max(480, room.height() - 40));
    editor->show();
    mdi_->setActiveSubWindow(sub);
    editor->FocusDocument();
    return sub;
}

TEditForm* TFrameForm::NewEditor() {
    const QString name = QStringLiteral("DIALOG") + QString::number(Editors().size() + 1);
    TEditForm* editor = new TEditForm(*this);
    editor->setWindowTitle(name);
    if (QFileInfo(QDir::current(), name).isFile()) {
        QString error;
        if (!LoadRichTextFile(QDir::current().filePath(name), *editor->Document(), &error))
            Prompts::Current().Warn(this, QStringLiteral("ZELMOR"), error);
        editor->Document()->setModified(false);
    }
    AddEditor(editor);
    return editor;
}

TEditForm* TFrameForm::OpenEditor() {
    QString path = Prompts::Current().OpenFileName(this, QtFileFilter(QString::fromUtf16(kOpenFilter)));
    if (path.isEmpty()) return nullptr;
    return OpenEditorFile(path);
}

TEditForm* TFrameForm::OpenEditorFile(const QString& path) {
    TEditForm* editor = new TEditForm(*this);
    if (!editor->LoadDocument(path)) {
        // The load has told the user why; no empty window is left behind.
        editor->Document()->setModified(false);
        delete editor;
        return nullptr;
    }
    AddEditor(editor);
    return editor;
}

void TFrameForm::ShowAccessCodeDialog() {
    SetTopMost(false);
    TPasswordDlg dialog(*this, this);
    dialog.exec();
}

bool TFrameForm::CloseQuery() {
    const QString text = QStringLiteral("Kayıtı tamamlamak OK Dügmesine basin ve geri dönün");
    bool keep_open = false;
    if (EnRecordEditState == 22 &&
        Prompts::Current().Ask(this, QMessageBox::Question, QStringLiteral("PavOlkX.txt kayıtı tamamlanmadı"),
                               text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        keep_open = true;
    if (TrRecordEditState == 33 &&
        Prompts::Current().Ask(this, QMessageBox::Question, QStringLiteral("ZelMorX.txt kayıtı tamamlanmadı"),
                               text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        keep_open = true;
    return !keep_open;
}

void TFrameForm::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    // Each editor asks about its own document; one that stays open stops
    // the closing.
    for (TEditForm* editor : Editors()) editor->StopReading(false, false);
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    const QString code = CloseCode(*this);
    if (code != QStringLiteral("000"))
        Prompts::Current().Warn(this, code, QStringLiteral("Dosya Yükleme Hatasi: "));
    if (EnglishVoice) EnglishVoice->Stop();
    store_ = std::make_shared<store::DictionaryStore>();
    event->accept();
}

void TFrameForm::SetStatusText(const QString& text) { statusBar()->showMessage(text); }

void TFrameForm::SetStatusColor(const QColor& color) {
    statusBar()->setStyleSheet(QStringLiteral("QStatusBar { color: red; font-weight: bold; background: %1; }")
                                   .arg(color.name()));
}

void TFrameForm::RestoreStatusColor() {
    statusBar()->setStyleSheet(QStringLiteral("QStatusBar { color: red; font-weight: bold; }"));
}

void TFrameForm::ApplyLanguage(bool english) {
    file_menu_->setTitle(english ? QStringLiteral("File") : QStringLiteral("Dosya"));
    new_action_->setText(english ? QStringLiteral("New") : QStringLiteral("Yeni"));
    open_action_->setText(english ? QStringLiteral("Open") : QStringLiteral("Aç"));
    exit_action_->setText(english ? QStringLiteral("Exit") : QStringLiteral("Çikis"));
}

void TFrameForm::ApplyFrameCaption(bool english) {
    setWindowTitle(english ? QStringLiteral("ZELMOR Translation Program (FOR BEGINNERS)")
                           : QStringLiteral("ZELMOR Çeviri Programi (FOR BEGINNERS)"));
}

QString TFrameForm::FileMenuCaption(int which) const {
    switch (which) {
        case 0: return file_menu_->title();
        case 1: return new_action_->text();
        case 2: return open_action_->text();
        default: return exit_action_->text();
    }
}

QString TFrameForm::DataStatistics() const {
    const store::DictionaryStore& s = *store_;
    auto entries = [](const store::StringList& keys) {
        // Line 0 of every dictionary is a header.
        return keys.size() > 0 ? static_cast<long long>(keys.size()) - 1 : 0LL;
    };
    return QStringLiteral(
               "İngilizce-Türkçe sözlük (pavolkx.txt): %1 kayıt\n"
               "Türkçe-İngilizce sözlük (zelmorx.txt): %2 kayıt\n"
               "İngilizce kullanıcı sözlüğü (usering.txt): %3 kayıt\n"
               "Türkçe kullanıcı sözlüğü (usertur.txt): %4 kayıt\n"
               "Kısaltmalar (abbreviate.txt): %5")
        .arg(entries(s.EnTrKeys))
        .arg(entries(s.TrEnKeys))
        .arg(entries(s.EnUserKeys))
        .arg(entries(s.TrUserKeys))
        .arg(s.AbbreviationList.size());
}

void TFrameForm::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("About.."),
                       QStringLiteral("ZELMOR\nİngilizce-Türkçe / Türkçe-İngilizce çeviri programı\n"
                                      "Sürüm (version) %1\n\n%2")
                           .arg(QString::fromLatin1(ZELMOR_VERSION), DataStatistics()));
}

void TFrameForm::ShowInformationPage() {
    SetTopMost(false);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zelmor Translation Program"),
                    QStringLiteral("ZELMOR Translation Program (FOR BEGINNERS)\nVersion %1\n\n%2\n\n%3")
                        .arg(QString::fromLatin1(ZELMOR_VERSION), DataStatistics(),
                             QString::fromUtf16(u"Program klasörü: ") + ProgramDir),
                    QMessageBox::Ok, this);
    box.exec();
    SetTopMost(true);
}

void TFrameForm::SetTopMost(bool on) {
    if (testAttribute(Qt::WA_WState_Created) && bool(windowFlags() & Qt::WindowStaysOnTopHint) == on) return;
    if (!on && !(windowFlags() & Qt::WindowStaysOnTopHint)) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();
}

void TFrameForm::TileHorizontal() {
    const auto subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int h = area.height() / static_cast<int>(subs.size());
    int y = 0;
    for (QMdiSubWindow* sub : subs) {
        sub->showNormal();
        sub->setGeometry(0, y, area.width(), h);
        y += h;
    }
}

void TFrameForm::TileVertical() {
    const auto subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int w = area.width() / static_cast<int>(subs.size());
    int x = 0;
    for (QMdiSubWindow* sub : subs) {
        sub->showNormal();
        sub->setGeometry(x, 0, w, area.height());
        x += w;
    }
}

}  // namespace zelmor::gui
