#include "gui/editor/edit_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/frame_form.h"
#include "gui/app/prompts.h"
#include "gui/editor/letter_pad.h"
#include "gui/editor/read_aloud.h"
#include "gui/editor/rich_text.h"
#include "gui/platform/keyboard.h"
#include "gui/platform/web.h"

namespace zelmor::gui {
namespace {

double g_reading_pace = 1.0;

QString S(const char16_t* s) { return QString::fromUtf16(s); }

}  // namespace

QHash<QString, EditorCommand>& RegisteredEditorCommands() {
    static QHash<QString, EditorCommand> commands;
    return commands;
}

TranslationWindows& TranslationWindows::Registered() {
    static TranslationWindows windows;
    return windows;
}

void TEditForm::SetReadingPaceForTesting(double factor) { g_reading_pace = factor; }

TEditForm::TEditForm(TFrameForm& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), caps_lock_(&platform::CapsLockOn) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("DIALOG"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menu_bar_ = new QMenuBar(this);
    layout->setMenuBar(menu_bar_);

    editor_ = new QTextEdit(this);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setAcceptRichText(true);
    editor_->setLineWrapMode(QTextEdit::NoWrap);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(15);
    font.setBold(true);
    editor_->document()->setDefaultFont(font);
    editor_->setFont(font);
    layout->addWidget(editor_, 1);

    // 1-3: file name, voice, reader state.
    voice_ = CreateEnglishVoice();
    connect(voice_.get(), &SpeechVoice::Unavailable, this,
            [this](const QString& reason) { frame_.SetStatusText(reason); });

    BuildLetterPad();
    layout->addWidget(pad_);
    BuildMenus();
    BuildPopup();

    // 4: "Registration" exists for this editor exactly when EditMode is set
    // now; later changes of EditMode do not show or hide it.
    const bool registration = frame_.EditMode;
    Action(QStringLiteral("RegistrationMenu"))->setVisible(registration);
    if (!registration) {
        // Without the visible Registration items the hidden record commands
        // answer Ctrl+Alt+E / Ctrl+Alt+T (the first item in menu order wins).
        Action(QStringLiteral("PavolkItem"))->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
        Action(QStringLiteral("TurkceItem"))->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T));
    }

    // 5-6: captions of the language in force.
    ApplyCaptions(frame_.EnglishUi, true);
    if (!frame_.EnglishUi)
        frame_.SetStatusText(
            S(u"ZELMOR çeviride olduğu gibi mouse ile seçilen metni GOOGLE ile çevirebilirsiniz"));

    // 7: the glyph file.
    const QString glyph_path = frame_.ProgramDir + QStringLiteral("abc1.rtf");
    if (QFileInfo::exists(glyph_path)) {
        QString error;
        if (LoadRichTextFile(glyph_path, *glyphs_->document(), &error))
            glyphs_usable_ = glyphs_->toPlainText().size() > 200;
    }

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (reading_) StopReading(true);
    });

    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this](bool changed) { setWindowModified(changed); });
    connect(editor_, &QTextEdit::selectionChanged, this, [this] { UpdateEditActions(); });
    UpdateEditActions();
}

TEditForm::~TEditForm() { reading_ = false; }

QTextDocument* TEditForm::Document() const { return editor_->document(); }

void TEditForm::FocusDocument() { editor_->setFocus(); }

QAction* TEditForm::Action(const QString& name) const { return actions_.value(name, nullptr); }

QString TEditForm::Caption(const QString& name) const {
    QAction* a = Action(name);
    return a ? a->text().section(QLatin1Char('\t'), 0, 0) : QString();
}

// ---- menus ----------------------------------------------------------------

QAction* TEditForm::AddItem(QMenu* menu, const QString& name, const QString& caption,
                            std::function<void()> fn) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (fn) connect(a, &QAction::triggered, this, [fn = std::move(fn)] { fn(); });
    actions_.insert(name, a);
    return a;
}

QAction* TEditForm::AddHidden(const QString& name, const QString& caption, const QKeySequence& key,
                              std::function<void()> fn) {
    // Hidden commands are not in any menu; added to the window itself their
    // shortcuts still work while the editor has the focus.
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setShortcut(key);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    if (fn) connect(a, &QAction::triggered, this, [fn = std::move(fn)] { fn(); });
    addAction(a);
    actions_.insert(name, a);
    return a;
}

QMenu* TEditForm::AddMenu(QMenuBar* bar, QMenu* parent, const QString& name, const QString& caption) {
    QMenu* m = bar ? bar->addMenu(caption) : parent->addMenu(caption);
    m->menuAction()->setObjectName(name);
    actions_.insert(name, m->menuAction());
    return m;
}

void TEditForm::SetCaption(const QString& name, const QString& caption) {
    QAction* a = Action(name);
    if (!a) return;
    QString suffix = shortcut_text_.value(name);
    a->setText(suffix.isEmpty() ? caption : caption + QLatin1Char('\t') + suffix);
}

void TEditForm::Disable(std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (QAction* a = Action(QString::fromLatin1(n))) a->setEnabled(false);
}

void TEditForm::BuildMenus() {
    const auto cmd = [](auto fn) { return std::function<void()>(fn); };
    TFrameForm& frame = frame_;

    QMenu* file = AddMenu(menu_bar_, nullptr, QStringLiteral("FileMenu"), QStringLiteral("Dosya"));
    // New and Open are the frame's commands; the frame owns their shortcuts
    // (two actions with one shortcut would cancel each other), the editor's
    // items show them.
    AddItem(file, QStringLiteral("NewItem"), QStringLiteral("New"), cmd([&frame] { frame.NewEditor(); }));
    shortcut_text_.insert(QStringLiteral("NewItem"), QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText));
    AddItem(file, QStringLiteral("OpenItem"), S(u"Aç"), cmd([&frame] { frame.OpenEditor(); }));
    shortcut_text_.insert(QStringLiteral("OpenItem"), QKeySequence(Qt::CTRL | Qt::Key_O).toString(QKeySequence::NativeText));
    QAction* web_page = AddItem(file, QStringLiteral("WebPageItem"), S(u"Web Sayfasi Aç"),
                                cmd([this] { OpenWeb(QString()); }));
    web_page->setVisible(false);
    AddItem(file, QStringLiteral("CloseItem"), QStringLiteral("Close"), cmd([this] {
                if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
                else close();
            }));
    QAction* save = AddItem(file, QStringLiteral("SaveItem"), QStringLiteral("Kaydet"), cmd([this] { Save(); }));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    AddItem(file, QStringLiteral("SaveAsItem"), QStringLiteral("Farkli Kaydet"), cmd([this] { SaveAs(); }));
    AddItem(file, QStringLiteral("PrintItem"), QStringLiteral("Yazdir"), cmd([this] {
                QPrinter printer;
                QPrintDialog dialog(&printer, this);
                if (dialog.exec() != QDialog::Accepted) return;
                printer.setDocName(FileName);
                editor_->document()->print(&printer);
            }));
    AddItem(file, QStringLiteral("PrinterSetupItem"), QStringLiteral("Yazici Ayari"), cmd([this] {
                QPrinter printer;
                QPageSetupDialog dialog(&printer, this);
                dialog.exec();
            }));
    QMenu* lang = AddMenu(nullptr, file, QStringLiteral("MenuLangMenu"), QStringLiteral("Menu"));
    AddItem(lang, QStringLiteral("EnglishItem"), QStringLiteral("english"), cmd([this] { SetMenuLanguage(true); }));
    AddItem(lang, QStringLiteral("TurkishItem"), QStringLiteral("turkish"), cmd([this] { SetMenuLanguage(false); }));
    file->addSeparator();
    AddItem(file, QStringLiteral("ExitItem"), QStringLiteral("Exit"), cmd([&frame] { frame.close(); }));

    QMenu* edit = AddMenu(menu_bar_, nullptr, QStringLiteral("EditMenu"), QStringLiteral("Edit"));
    connect(edit, &QMenu::aboutToShow, this, [this] { UpdateEditActions(); });
    AddItem(edit, QStringLiteral("UndoItem"), QStringLiteral("UnDo"), cmd([this] { editor_->undo(); }));
    AddItem(edit, QStringLiteral("CutItem"), QStringLiteral("Cut"), cmd([this] { editor_->cut(); }));
    AddItem(edit, QStringLiteral("CopyItem"), QStringLiteral("Copy"), cmd([this] { editor_->copy(); }));
    auto paste = [this] {
        editor_->setLineWrapMode(QTextEdit::WidgetWidth);
        editor_->paste();
    };
    AddItem(edit, QStringLiteral("PasteItem"), QStringLiteral("Paste"), cmd(paste));
    AddItem(edit, QStringLiteral("DeleteItem"), QStringLiteral("Delete"),
            cmd([this] { editor_->textCursor().removeSelectedText(); }));
    AddItem(edit, QStringLiteral("SelectAllItem"), QStringLiteral("SelectAll"), cmd([this] { editor_->selectAll(); }));
    AddItem(edit, QStringLiteral("FontItem"), QStringLiteral("Font"), cmd([this] {
                bool ok = false;
                QFont chosen = QFontDialog::getFont(&ok, editor_->currentFont(), this);
                if (!ok) return;
                QTextCharFormat f;
                f.setFont(chosen);
                editor_->mergeCurrentCharFormat(f);
            }));
    QAction* color = AddItem(edit, QStringLiteral("ColorItem"), QStringLiteral("EditorColor"), cmd([this] {
                QColor c = QColorDialog::getColor(editor_->palette().color(QPalette::Base), this);
                if (!c.isValid()) return;
                QPalette p = editor_->palette();
                p.setColor(QPalette::Base, c);
                editor_->setPalette(p);
            }));
    color->setStatusTip(S(u"Renk Seçer"));
    AddItem(edit, QStringLiteral("TurkishCharsItem"), QStringLiteral("Turkish chars Key"), cmd([this] { ShowLetterPad(); }));

    QAction* ing_tur = menu_bar_->addAction(QStringLiteral("ING_TUR"));
    ing_tur->setObjectName(QStringLiteral("IngTurItem"));
    ing_tur->setStatusTip(S(u"İngilizceden Türkçeye Çevirir"));
    connect(ing_tur, &QAction::triggered, this, [this] { TranslateCommand(true); });
    actions_.insert(QStringLiteral("IngTurItem"), ing_tur);

    QMenu* dict = AddMenu(menu_bar_, nullptr, QStringLiteral("DictionaryMenu"), QStringLiteral("Dictionary"));
    AddItem(dict, QStringLiteral("IngTurDictItem"), QStringLiteral("Ing-Tur Dictionary"));
    AddItem(dict, QStringLiteral("TurIngDictItem"), QStringLiteral("Tur-Ing Dictionary"));
    QMenu* user = AddMenu(nullptr, dict, QStringLiteral("UserDictMenu"), QStringLiteral("User Dictionary"));
    AddItem(user, QStringLiteral("UserIngTurItem"), QStringLiteral("ing-tur"));
    AddItem(user, QStringLiteral("UserTurIngItem"), QStringLiteral("tur-ing"));
    // "Cumle irdeleme": hidden, its shortcut does nothing.
    AddHidden(QStringLiteral("SentenceItem"), QStringLiteral("Cumle irdeleme"),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N), [] {});
    QMenu* reg = AddMenu(nullptr, dict, QStringLiteral("RegistrationMenu"), QStringLiteral("Registration"));
    QAction* reg_en = AddItem(reg, QStringLiteral("RegEnglishItem"), QStringLiteral("English"));
    reg_en->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    reg_en->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QAction* reg_tr = AddItem(reg, QStringLiteral("RegTurkishItem"), QStringLiteral("Turkish"));
    reg_tr->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T));
    reg_tr->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    AddItem(dict, QStringLiteral("AbbreviationsItem"), QStringLiteral("Abreviations"));

    QAction* tur_ing = menu_bar_->addAction(QStringLiteral("TUR_ING"));
    tur_ing->setObjectName(QStringLiteral("TurIngItem"));
    tur_ing->setStatusTip(S(u"Türkçeden İngilizceye Çevirir"));
    connect(tur_ing, &QAction::triggered, this, [this] { TranslateCommand(false); });
    actions_.insert(QStringLiteral("TurIngItem"), tur_ing);

    QMenu* help = AddMenu(menu_bar_, nullptr, QStringLiteral("HelpMenu"), QStringLiteral("Help"));
    AddItem(help, QStringLiteral("AboutItem"), QStringLiteral("About.."), cmd([&frame] { frame.ShowAbout(); }));
    AddItem(help, QStringLiteral("HelpFileItem"), QStringLiteral("Help File"), cmd([this] {
                const QString path = frame_.ProgramDir + QStringLiteral("Rzelmor.hlp");
                if (!QFileInfo::exists(path) || !platform::OpenInBrowser(QUrl::fromLocalFile(path)))
                    OpenSitePage(QStringLiteral("index1.htm"));
            }));
    AddItem(help, QStringLiteral("OnlineHelpItem"), QStringLiteral("Online HelpFile"),
            cmd([this] { OpenSitePage(QStringLiteral("index1.htm")); }));
    AddItem(help, QStringLiteral("TestDemoItem"), QStringLiteral("TEST DEMO"));
    QMenu* ing_demo = AddMenu(nullptr, help, QStringLiteral("IngTurkDemoMenu"), QStringLiteral("ing-turk kelime demo"));
    AddItem(ing_demo, QStringLiteral("IngDemo1Item"), QStringLiteral("demo1"));
    AddItem(ing_demo, QStringLiteral("IngDemo2Item"), QStringLiteral("demo2"));
    QMenu* tur_demo = AddMenu(nullptr, help, QStringLiteral("TurkIngDemoMenu"), QStringLiteral("turk-ing kelime demo"));
    AddItem(tur_demo, QStringLiteral("TurDemo1Item"), QStringLiteral("demo1"));
    AddItem(tur_demo, QStringLiteral("TurDemo2Item"), QStringLiteral("demo2"));
    AddItem(help, QStringLiteral("TurkishSentencesItem"), QStringLiteral("Turkish Sentences"));
    AddItem(help, QStringLiteral("EnglishSentencesItem"), QStringLiteral("English Sentences"));
    AddItem(help, QStringLiteral("DialogDemoItem"), QStringLiteral("Ing-Tur && Tur-Ing Dialog"));

    auto selection = [this] { return editor_->textCursor().selectedText(); };
    QAction* g_en = menu_bar_->addAction(QStringLiteral("oogle (Ing-tur)"));
    g_en->setObjectName(QStringLiteral("GoogleEnTrItem"));
    connect(g_en, &QAction::triggered, this, [this, selection] {
        QString s = selection();
        OpenWeb(s.isEmpty() ? QStringLiteral("googlem") : QStringLiteral("en-tr+") + s);
    });
    actions_.insert(g_en->objectName(), g_en);
    QAction* g_tr = menu_bar_->addAction(QStringLiteral("oogle (Tur-ing)"));
    g_tr->setObjectName(QStringLiteral("GoogleTrEnItem"));
    connect(g_tr, &QAction::triggered, this, [this, selection] {
        QString s = selection();
        OpenWeb(s.isEmpty() ? QStringLiteral("googlem") : QStringLiteral("tr-en+") + s);
    });
    actions_.insert(g_tr->objectName(), g_tr);

    QMenu* programs = AddMenu(menu_bar_, nullptr, QStringLiteral("ProgramsMenu"), QStringLiteral("Programs"));
    AddItem(programs, QStringLiteral("LifeLessonsItem"), QStringLiteral("Hayat Dersleri"),
            cmd([this] { OpenSitePage(QStringLiteral("hayatdersi/index.html")); }));
    AddItem(programs, QStringLiteral("WebBrowserItem"), QStringLiteral("WebGezgini"), cmd([this] {
                QApplication::clipboard()->clear();
                OpenWeb(frame_.WebRequest);
            }));
    AddItem(programs, QStringLiteral("MailItem"), QStringLiteral("e-mail "),
            cmd([this] { OpenSitePage(QStringLiteral("mail5.php")); }));
    AddItem(programs, QStringLiteral("MediaPlayerItem"), QStringLiteral("Media Player"));
    AddItem(programs, QStringLiteral("BalloonItem"), QStringLiteral("Balon Oyunu"));
    AddItem(programs, QStringLiteral("WordGameItem"), QStringLiteral("Kelime Oyunu"));
    AddItem(programs, QStringLiteral("InfoPageItem"), S(u"Zelmor için elele"),
            cmd([&frame] { frame.ShowInformationPage(); }));
    AddItem(programs, QStringLiteral("CheckItem"), QStringLiteral("ZelmorCheck"));

    QMenu* window = AddMenu(menu_bar_, nullptr, QStringLiteral("WindowMenu"), QStringLiteral("Window"));
    AddItem(window, QStringLiteral("TileHItem"), QStringLiteral("Tile Horizontal"), cmd([&frame] { frame.TileHorizontal(); }));
    AddItem(window, QStringLiteral("TileVItem"), QStringLiteral("Tile Vertical"), cmd([&frame] { frame.TileVertical(); }));
    AddItem(window, QStringLiteral("CascadeItem"), QStringLiteral("&Cascade"),
            cmd([&frame] { frame.MdiArea()->cascadeSubWindows(); }));
    // Ctrl+Alt+G belongs to the frame, which hands it to the active editor.
    AddHidden(QStringLiteral("AccessCodeItem"), QStringLiteral("--------------"), QKeySequence(),
              [this] { AccessCodeCommand(); });
    AddHidden(QStringLiteral("PavolkItem"), QStringLiteral("pavolk kayit"), QKeySequence());
    AddHidden(QStringLiteral("TurkceItem"), QStringLiteral("turkce kayit"), QKeySequence());

    QAction* microsoft = menu_bar_->addAction(QStringLiteral("Microsoft Translator"));
    microsoft->setObjectName(QStringLiteral("MicrosoftItem"));
    connect(microsoft, &QAction::triggered, this, [this] { OpenWeb(QStringLiteral("microsoft")); });
    actions_.insert(microsoft->objectName(), microsoft);

    // Commands whose windows are not part of the program yet.
    Disable({"IngTurDictItem", "TurIngDictItem", "UserIngTurItem", "UserTurIngItem", "RegEnglishItem",
             "RegTurkishItem", "AbbreviationsItem", "PavolkItem", "TurkceItem", "TestDemoItem",
             "IngDemo1Item", "IngDemo2Item", "TurDemo1Item", "TurDemo2Item", "TurkishSentencesItem",
             "EnglishSentencesItem", "DialogDemoItem", "MediaPlayerItem", "BalloonItem", "WordGameItem",
             "CheckItem"});
    for (auto it = RegisteredEditorCommands().cbegin(); it != RegisteredEditorCommands().cend(); ++it) {
        QAction* a = Action(it.key());
        if (!a) continue;
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, fn = it.value()] { fn(*this); });
    }
    const TranslationWindows& tw = TranslationWindows::Registered();
    ing_tur->setEnabled(tw.show_en_tr_dialog && tw.show_en_tr_result);
    tur_ing->setEnabled(tw.show_tr_en_dialog && tw.show_tr_en_result);
}

void TEditForm::BuildPopup() {
    popup_ = new QMenu(this);
    const auto cmd = [](auto fn) { return std::function<void()>(fn); };
    AddItem(popup_, QStringLiteral("PopCutItem"), QStringLiteral("Kes"), cmd([this] { editor_->cut(); }));
    AddItem(popup_, QStringLiteral("PopCopyItem"), QStringLiteral("Kopyala"), cmd([this] { editor_->copy(); }));
    AddItem(popup_, QStringLiteral("PopPasteItem"), QStringLiteral("Yapistir"), cmd([this] {
                editor_->setLineWrapMode(QTextEdit::WidgetWidth);
                editor_->paste();
            }));
    QAction* label = AddItem(popup_, QStringLiteral("PopLabelItem"), S(u"--metin çevirisi--"));
    label->setEnabled(false);
    const TranslationWindows& tw = TranslationWindows::Registered();
    AddItem(popup_, QStringLiteral("PopIngTurItem"), QStringLiteral("Ing-Tur"), cmd([this] {
                frame_.TraceRequest = false;
                if (const auto& show = TranslationWindows::Registered().show_en_tr_result)
                    show(editor_->textCursor().selectedText());
            }))->setEnabled(bool(tw.show_en_tr_result));
    AddItem(popup_, QStringLiteral("PopTurIngItem"), QStringLiteral("Tur-Ing"), cmd([this] {
                frame_.TraceRequest = false;
                frame_.SetTopMost(false);
                if (const auto& show = TranslationWindows::Registered().show_tr_en_result)
                    show(editor_->textCursor().selectedText());
            }))->setEnabled(bool(tw.show_tr_en_result));
    QMenu* lang = AddMenu(nullptr, popup_, QStringLiteral("PopLangMenu"), S(u"Menü Dili"));
    AddItem(lang, QStringLiteral("PopEnglishItem"), QStringLiteral("ingilizce (english)"),
            cmd([this] { SetMenuLanguage(true); }));
    AddItem(lang, QStringLiteral("PopTurkishItem"), S(u"türkçe (turkish)"), cmd([this] { SetMenuLanguage(false); }));
    AddItem(popup_, QStringLiteral("ReadItem"), QStringLiteral("Okuma(ingilizce)"), cmd([this] { ReadAloud(-1); }));
    AddItem(popup_, QStringLiteral("SlowReadItem"), QStringLiteral("Yavas Okuma(ing)"), cmd([this] { ReadAloud(-5); }));
    AddItem(popup_, QStringLiteral("StopReadItem"), S(u"Okumayı Kapat"), cmd([this] { StopReading(false); }));
    // Turkish read-aloud belongs to the Turkish speech, which is not here yet.
    QAction* tr_read = AddItem(popup_, QStringLiteral("ReadTurkishItem"), S(u"Okuma(turkçe)"));
    tr_read->setVisible(false);
    tr_read->setEnabled(false);
    AddItem(popup_, QStringLiteral("IngcevirItem"), QStringLiteral("Ingcevir"));

    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        UpdateEditActions();
        popup_->exec(editor_->viewport()->mapToGlobal(p));
    });
}

void TEditForm::UpdateEditActions() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const bool can_paste = mime && mime->hasText();
    const bool selected = editor_->textCursor().hasSelection();
    for (const char* n : {"PasteItem", "PopPasteItem"})
        if (QAction* a = Action(QString::fromLatin1(n))) a->setEnabled(can_paste);
    for (const char* n : {"CutItem", "CopyItem", "DeleteItem", "PopCutItem", "PopCopyItem"})
        if (QAction* a = Action(QString::fromLatin1(n))) a->setEnabled(selected);
}

// ---- captions ---------------------------------------------------------------

void TEditForm::ApplyCaptions(bool english, bool creation) {
    struct Row {
        const char* name;
        const char16_t* en;
        const char16_t* tr;
    };
    static const Row kRows[] = {
        {"PopCutItem", u"Cut", u"Kes"},
        {"PopCopyItem", u"Copy", u"Kopyala"},
        {"PopPasteItem", u"Paste", u"Yapistir"},
        {"FileMenu", u"File", u"Dosya"},
        {"NewItem", u"New", u"Yeni"},
        {"OpenItem", u"Open", u"Aç"},
        {"CloseItem", u"Close", u"Kapat"},
        {"SaveItem", u"Save", u"Kaydet"},
        {"SaveAsItem", u"SaveAs", u"Farkli Kaydet"},
        {"PrintItem", u"Print", u"Yazdir"},
        {"ExitItem", u"Exit", u"Çikis"},
        {"EditMenu", u"Edit", u"Düzen"},
        {"UndoItem", u"UnDo", u"GeriAl"},
        {"CutItem", u"Cut", u"Kes"},
        {"CopyItem", u"Copy", u"Kopyala"},
        {"PasteItem", u"Paste", u"Yapistir"},
        {"DeleteItem", u"Delete", u"Sil"},
        {"SelectAllItem", u"Select All", u"Hepsini Seç"},
        {"FontItem", u"Font", u"Font"},
        {"ColorItem", u"EditorColor", u"RenkSeç"},
        {"DictionaryMenu", u"Dictionary", u"Sözlük"},
        {"IngTurDictItem", u"Ing-Tur Dictionary", u"Ing-Tur Sözlük"},
        {"TurIngDictItem", u"Tur-Ing Dictionary", u"Tur-Ing Sozlük"},
        {"HelpMenu", u"Help", u"Yardim"},
        {"AboutItem", u"About..", u"Hakkinda.."},
        {"HelpFileItem", u"Help", u"Yardim"},
        {"TurkishSentencesItem", u"Turkish Sentences", u"Türkçe Cümleler"},
        {"EnglishSentencesItem", u"English SEntences", u"ingilizce Cümleler"},
        {"DialogDemoItem", u"Ing-Tur && Tur-Ing Dialog", u"Ing-Tur && Tur-Ing Dialog"},
    };
    for (const Row& r : kRows) SetCaption(QString::fromLatin1(r.name), S(english ? r.en : r.tr));
    SetCaption(QStringLiteral("PrinterSetupItem"),
               english ? (creation ? QStringLiteral("Printer SetUp") : QStringLiteral("Printer Setup"))
                       : QStringLiteral("Yazici Ayari"));
    if (!english && creation) SetCaption(QStringLiteral("UserDictMenu"), S(u"Kullanici sözlük"));
    SetCaption(QStringLiteral("RegistrationMenu"),
               english ? QStringLiteral("Register") : (creation ? S(u"Kayıt") : QStringLiteral("Kayit")));
    frame_.ApplyLanguage(english);
    if (!creation) frame_.ApplyFrameCaption(english);
}

void TEditForm::SetMenuLanguage(bool english) {
    frame_.EnglishUi = english;
    ApplyCaptions(english, false);
}

// ---- documents --------------------------------------------------------------

bool TEditForm::LoadDocument(const QString& path) {
    QString error;
    if (!LoadRichTextFile(path, *editor_->document(), &error)) {
        Prompts::Current().Warn(this, QStringLiteral("ZELMOR"), error);
        return false;
    }
    FileName = path;
    setWindowTitle(QFileInfo(path).fileName());
    editor_->moveCursor(QTextCursor::Start);
    editor_->document()->setModified(false);
    editor_->setFocus();
    editor_->setLineWrapMode(QTextEdit::NoWrap);
    return true;
}

bool TEditForm::Save() {
    if (FileName == QStringLiteral("DIALOG")) return SaveAs();
    QString error;
    if (!SaveRichTextFile(FileName, *editor_->document(), &error)) {
        Prompts::Current().Warn(this, QStringLiteral("ZELMOR"), error);
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

bool TEditForm::SaveAs() {
    const QString path = Prompts::Current().SaveFileName(this, FileName, QtFileFilter(S(kSaveFilter)),
                                                         QStringLiteral("rtf"));
    if (path.isEmpty()) return false;
    if (QFileInfo::exists(path) &&
        Prompts::Current().Ask(this, QMessageBox::Warning, QStringLiteral("ZELMOR"),
                               S(u"Üzerine yazilacak, O.K  %1").arg(path),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) != QMessageBox::Yes)
        return false;
    FileName = path;
    setWindowTitle(QFileInfo(path).fileName());
    return Save();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    reading_ = false;
    if (editor_->document()->isModified()) {
        auto answer = Prompts::Current().Ask(this, QMessageBox::Warning, QStringLiteral("ONAYLA"),
                                             S(u"Değişiklik kaydedilecek mi?  %1").arg(FileName),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // A save that does not happen (cancelled dialog, write error) keeps
        // the editor open, so the text is not lost.
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    frame_.EditMode = false;
    if (voice_) voice_->Stop();
    event->accept();
}

// ---- translate and other commands -----------------------------------------

void TEditForm::TranslateCommand(bool english_to_turkish) {
    frame_.TraceRequest = true;
    const QString selection = editor_->textCursor().selectedText();
    const TranslationWindows& tw = TranslationWindows::Registered();
    const auto& dialog = english_to_turkish ? tw.show_en_tr_dialog : tw.show_tr_en_dialog;
    const auto& result = english_to_turkish ? tw.show_en_tr_result : tw.show_tr_en_result;
    if (RouteSelection(selection.size()) == TranslateTarget::ResultWindow) {
        frame_.TraceRequest = false;
        if (!english_to_turkish) frame_.SetTopMost(false);
        if (result) result(selection);
    } else if (dialog) {
        dialog(selection);
    }
}

void TEditForm::AccessCodeCommand() {
    frame_.ShowAccessCodeDialog();
    if (frame_.EditMode) frame_.SetTopMost(false);
}

void TEditForm::OpenWeb(const QString& request) {
    frame_.WebRequest = request;
    frame_.SetTopMost(false);
    if (!platform::OpenInBrowser(platform::UrlForWebRequest(request)))
        frame_.SetStatusText(S(u"Web tarayıcısı açılamadı"));
}

void TEditForm::OpenSitePage(const QString& path) {
    frame_.SetTopMost(false);
    if (!platform::OpenInBrowser(platform::WebSitePage(path)))
        frame_.SetStatusText(S(u"Web tarayıcısı açılamadı"));
}

// ---- English read-aloud -----------------------------------------------------

void TEditForm::Wait(int ms) {
    const int scaled = static_cast<int>(ms * g_reading_pace);
    if (scaled <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(scaled, &loop, &QEventLoop::quit);
    loop.exec();
}

void TEditForm::ReadAloud(int rate) {
    if (reading_) return;  // one loop per editor
    voice_->SetRate(rate);
    if (editor_->document()->isEmpty()) {
        Prompts::Current().Inform(this, QStringLiteral("ZELMOR"), S(u"Bir dosya yükleyiniz veya bir metin yazınız.."));
        return;
    }
    frame_.SetStatusColor(Qt::yellow);
    frame_.SetStatusText(S(u"OKUMAYI durdurmak için ESC tusuna basınız.."));

    QTextCursor c(editor_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("\n."));
    c.movePosition(QTextCursor::Start);
    c.insertText(QStringLiteral(" \n"));

    reading_ = true;
    note_->clear();

    const QString text = editor_->document()->toPlainText();
    const std::vector<ReadStep> steps = PlanReading(text);
    QPointer<TEditForm> self(this);
    const int length = static_cast<int>(text.size());
    for (const ReadStep& step : steps) {
        Wait(100);
        if (!self || !reading_) return;
        if (step.starts_phrase) {
            QTextCursor at = editor_->textCursor();
            at.setPosition(std::min<int>(static_cast<int>(step.token_start), length));
            editor_->setTextCursor(at);
            const int line = at.blockNumber() + 1;
            if (line > LastScrollLine && line > 2)
                editor_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            LastScrollLine = line;
        }
        QTextCursor sel = editor_->textCursor();
        const int from = std::min<int>(static_cast<int>(step.phrase_start), length);
        sel.setPosition(from);
        sel.setPosition(std::min<int>(from + static_cast<int>(step.phrase.size()), length), QTextCursor::KeepAnchor);
        editor_->setTextCursor(sel);
        if (!step.spoken.isEmpty()) {
            QCoreApplication::processEvents();
            if (!self || !reading_) return;
            voice_->Speak(step.spoken, SpeechVoice::kSpeakAsync);
            Wait(ReadingPauseMs(step.spoken.size(), voice_->Rate()));
            if (!self) return;
        }
        QCoreApplication::processEvents();
        if (!self || !reading_) return;
    }
    reading_ = false;
    editor_->moveCursor(QTextCursor::Start);
}

void TEditForm::StopReading(bool escape, bool tell) {
    reading_ = false;
    if (tell) Prompts::Current().Inform(this, QStringLiteral("ZELMOR"), S(u"Cümle Okuma kapatılacak"));
    frame_.SetStatusText(QString());
    if (escape) frame_.RestoreStatusColor();
}

// ---- letter pad -------------------------------------------------------------

void TEditForm::BuildLetterPad() {
    pad_ = new QWidget(this);
    pad_->setObjectName(QStringLiteral("LetterPad"));
    auto* row = new QHBoxLayout(pad_);
    row->setContentsMargins(4, 2, 4, 2);
    static const char16_t* kLabels[] = {u"Ç ç", u"Ğ ğ", u"İ", u"Ö ö", u"Ş ş", u"Ü ü", u"I ı"};
    for (int i = 1; i <= 7; ++i) {
        auto* b = new QPushButton(S(kLabels[i - 1]), pad_);
        b->setObjectName(QStringLiteral("PadButton%1").arg(i));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { PressPadButton(i); });
        row->addWidget(b);
    }
    pad_size_ = new QSpinBox(pad_);
    pad_size_->setRange(10, 24);
    pad_size_->setSingleStep(2);
    pad_size_->setValue(12);
    connect(pad_size_, &QSpinBox::valueChanged, this, [this](int v) { PadRow = PadRowForSize(v); });
    row->addWidget(pad_size_);
    auto* close = new QPushButton(QStringLiteral("Kapat"), pad_);
    connect(close, &QPushButton::clicked, pad_, &QWidget::hide);
    row->addWidget(close);
    row->addStretch();

    glyphs_ = new QTextEdit(pad_);
    glyphs_->setObjectName(QStringLiteral("GlyphField"));
    glyphs_->hide();
    note_ = new QPlainTextEdit(pad_);
    note_->setObjectName(QStringLiteral("Memo1"));
    note_->setPlainText(QStringLiteral("Memo1"));
    note_->hide();
    PadRow = PadRowForSize(12);
    pad_->hide();
}

void TEditForm::ShowLetterPad() {
    if (!QFileInfo::exists(frame_.ProgramDir + QStringLiteral("abc1.rtf"))) {
        Prompts::Current().Warn(this, QStringLiteral("abc1.rtf"), S(u" Türkçe Karakter dosyasi yok!"));
        return;
    }
    pad_->show();
}

bool TEditForm::LetterPadVisible() const { return pad_->isVisibleTo(const_cast<TEditForm*>(this)); }

void TEditForm::SetPadFontSize(int size) { pad_size_->setValue(size); }

void TEditForm::PressPadButton(int button) {
    const int size = std::clamp(pad_size_->value(), 10, 24);
    PadRow = PadRowForSize(size);
    const PadAction action = PadButtonAction(button, caps_lock_ ? caps_lock_() : false, size);
    QTextCursor target = editor_->textCursor();
    switch (action.kind) {
        case PadAction::Nothing:
            return;
        case PadAction::TypeCapitalI:
            target.insertText(QStringLiteral("I"));
            break;
        case PadAction::Paste: {
            // The glyph is copied with its formatting straight into the
            // document (the user's clipboard is left alone).
            if (action.offset + 1 >= glyphs_->document()->characterCount()) return;
            QTextCursor glyph(glyphs_->document());
            glyph.setPosition(action.offset);
            glyph.setPosition(action.offset + 1, QTextCursor::KeepAnchor);
            target.insertFragment(glyph.selection());
            break;
        }
    }
    editor_->setTextCursor(target);
    editor_->setFocus();
}

}  // namespace zelmor::gui
