#include "gui/windows/maintenance/record_editor_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "core/text/turkish_case.h"
#include "gui/app/prompts.h"

namespace zelmor::gui {

namespace mt = zelmor::maintenance;

namespace {

struct FieldSpec {
    const char16_t* label;
    const char16_t* hint;
};

// Labels and hints of the key field and the record fields, in record order.
const FieldSpec kEnFields[] = {{u".ADI", u"Kelime arama için çift tıklayınız"},
                               {u".EK", nullptr},
                               {u"KOD", u"sozluk için * "},
                               {u".ING", nullptr},
                               {u".YAD", nullptr},
                               {u".YED", nullptr},
                               {u".YING", u"fiil eki için tıklayınız"},
                               {u"isim.EKİ", nullptr},
                               {u".YEK", nullptr}};
const FieldSpec kTrFields[] = {{u"ADI", u"Keime arama için çift tıklayınız"},
                               {u"EK", nullptr},
                               {u"KOD", nullptr},
                               {u"ING", u"Kelime arama için çift tıklayınız"},
                               {u"YAD", nullptr},
                               {u"YED", nullptr},
                               {u"DING", nullptr},
                               {u"YING", nullptr},
                               {u"YYING", nullptr},
                               {u"YDEK", nullptr}};

const char16_t* const kWordClasses[7] = {u"isim[FF]", u"isim[F1]", u"fiil[PP]", u"sıfat[VV]",
                                         u"isim[F*]", u"zarf[U8]", u""};

const char16_t* const kVerbLegend[12] = {
    u"  0     go         -er    A   gid-iyorum      gidil-ir    ->21",
    u"  1     do         -ar    B   yap-ıyorum     yapıl-ır   ->31",
    u"  2     come     -ir    C   gel-iyorum       gelin-ir   ->21",
    u"  3     buy        -ır    D   al-ıyorum        alın-ır    ->31  ",
    u"  4     tell          -r    E   söyle-yorum    söylen-ir ->21",
    u"  5     add        -r    F    topla-yorum    toplan-ır ->31",
    u"  6     read       -r    G   oku-yorum      okun-ur ->91",
    u"  7     walk       -r    H  yürü-yorum      yürün-ür ->81",
    u"  8     see        -ür   I   gör-üyorum      görün-ür ->81",
    u"  9     sit          -ur   J   otur-uyorum     oturul-ur ->91",
    u"  :      solve     -er   K   çöz-üyorum     çözül-ür ->81",
    u"  ; (=) ask        -ar   L   sor-uyorum      sorul-ur  ->91"};

QString S(const char16_t* s) { return QString::fromUtf16(s); }

QString SelectedLines(const QTextCursor& cursor) {
    QString s = cursor.selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return s;
}

}  // namespace

TRecordEditorForm::TRecordEditorForm(MaintenanceContext context, mt::MainDictionary which, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(std::move(context)),
      which_(which),
      ui_(
          this, [this](const QString& text) { SetListingText(text); },
          [this] { return context_.switches.ProgramDir; }) {
    setObjectName(En() ? QStringLiteral("Form1") : QStringLiteral("Form6"));
    setWindowTitle(En() ? QStringLiteral("ING - TUR KAYIT İNCELEME (PavOlkX.txt)")
                        : QStringLiteral("TUR - ING KAYIT İNCELEME (ZelmorX.txt)"));
    resize(1000, 650);

    listing_ = new QPlainTextEdit(this);
    listing_->setObjectName(QStringLiteral("Memo1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    listing_->setFont(font);
    listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    listing_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listing_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(listing_, &QPlainTextEdit::textChanged, this, [this] {
        if (!setting_listing_) listing_edited_ = true;
    });
    listing_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listing_, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& pos) {
        std::unique_ptr<QMenu> menu(listing_->createStandardContextMenu());
        menu->addSeparator();
        menu->addAction(QStringLiteral("Select &Font..."), this, [this] { ChooseFont(this, listing_); });
        menu->exec(listing_->viewport()->mapToGlobal(pos));
    });

    second_list_ = new QPlainTextEdit(this);
    second_list_->setObjectName(QStringLiteral("Memo2"));
    second_list_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* layout = new QVBoxLayout(this);
    BuildTopPanel();
    layout->addWidget(top_panel_);

    if (En()) {
        // The second list collects "F++" lines beside the listing.
        auto* split = new QSplitter(this);
        split->addWidget(listing_);
        split->addWidget(second_list_);
        split->setStretchFactor(0, 3);
        layout->addWidget(split, 1);
        second_list_->hide();
    } else {
        layout->addWidget(listing_, 1);
    }

    bottom_panel_ = new QFrame(this);
    bottom_panel_->setObjectName(QStringLiteral("BottomPanel"));
    bottom_panel_->setFrameShape(QFrame::StyledPanel);
    auto* bottom = new QVBoxLayout(bottom_panel_);
    auto* fields = new QWidget(bottom_panel_);
    BuildFields(fields);
    bottom->addWidget(fields);
    auto* buttons = new QWidget(bottom_panel_);
    BuildButtons(buttons);
    bottom->addWidget(buttons);
    if (!En()) {
        // The Turkish-English editor keeps its second list on this panel,
        // visible from the start with its instructions.
        second_list_->setPlainText(QStringLiteral("KOD Kayıtta  ;?;  olanları bulur.KOD u çift tıklayınız"));
        second_list_->setMaximumHeight(120);
        bottom->addWidget(second_list_);
    }
    layout->addWidget(bottom_panel_);

    OnDoubleClick(bottom_panel_, [this] { ShowTopPanel(); });
    OnDoubleClick(top_panel_, [this] { ShowBottomPanel(); });
    top_panel_->hide();
}

TRecordEditorForm::~TRecordEditorForm() = default;

void TRecordEditorForm::BuildTopPanel() {
    top_panel_ = new QFrame(this);
    top_panel_->setObjectName(QStringLiteral("TopPanel"));
    top_panel_->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(top_panel_);
    QPushButton* rebuild = AddButton(top_panel_, "RebuildButton2", QString());
    rebuild->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    rebuild->setToolTip(QStringLiteral("Memo1 -> kayıt"));
    connect(rebuild, &QPushButton::clicked, this, [this] { Rebuild(); });
    QPushButton* listing = AddButton(top_panel_, "ListingButton2", QString());
    listing->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    listing->setToolTip(QStringLiteral("kayıt -> Memo1"));
    connect(listing, &QPushButton::clicked, this, [this] { RefreshListing(); });
    row->addWidget(rebuild);
    row->addWidget(listing);
    if (En()) {
        QPushButton* fplus = AddButton(top_panel_, "FPlusButton", QStringLiteral("F++"));
        fplus->setToolTip(QStringLiteral("listeden seçili olanları memo2 ye kopyalar"));
        connect(fplus, &QPushButton::clicked, this, [this] { CopySelectionToSecondList(); });
        row->addWidget(fplus);
    }
    top_search_ = new QLineEdit(En() ? QStringLiteral("*;..FF..;*;;;;;") : QStringLiteral("Edit12"), top_panel_);
    top_search_->setObjectName(QStringLiteral("TopSearchEdit"));
    row->addWidget(top_search_, 1);
    QPushButton* find = AddButton(top_panel_, "TopFindButton", QStringLiteral("Find"));
    connect(find, &QPushButton::clicked, this, [this] { FindTop(); });
    row->addWidget(find);
}

void TRecordEditorForm::BuildFields(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const FieldSpec* specs = En() ? kEnFields : kTrFields;
    const std::size_t count = mt::FieldCount(which_) + 1;
    // Widths come from the editor's rules (a throw-away editor over an empty
    // store is enough to ask them).
    store::DictionaryStore empty;
    PromptsUi none(nullptr, {}, {});
    mt::RecordEditor rules(empty, which_, none);
    for (std::size_t i = 0; i < count; ++i) {
        auto* label = new QLabel(S(specs[i].label), panel);
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QStringLiteral("Field%1").arg(i));
        edit->setMaxLength(static_cast<int>(i == 0 ? rules.KeyWidth() : rules.PartWidth(i - 1)));
        if (specs[i].hint) edit->setToolTip(S(specs[i].hint));
        grid->addWidget(label, 0, static_cast<int>(i));
        grid->addWidget(edit, 1, static_cast<int>(i));
        if (i == 0)
            key_edit_ = edit;
        else
            part_edits_.push_back(edit);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 3);
    auto* index_label = new QLabel(En() ? QStringLiteral("K.No:") : QStringLiteral("KayıtNo"), panel);
    index_edit_ = new QLineEdit(panel);
    index_edit_->setObjectName(QStringLiteral("IndexField"));
    index_edit_->setReadOnly(true);
    grid->addWidget(index_label, 0, static_cast<int>(count));
    grid->addWidget(index_edit_, 1, static_cast<int>(count));

    OnDoubleClick(key_edit_, [this] { FindHeadWord(); });
    if (En()) {
        word_class_ = new QComboBox(panel);
        word_class_->setObjectName(QStringLiteral("WordClassBox"));
        for (const char16_t* item : kWordClasses) word_class_->addItem(S(item));
        connect(word_class_, &QComboBox::activated, this, [this](int index) {
            if (index >= 0 && index < 7) part_edits_[0]->setText(FromCp(mt::kWordClassCodes[index]));
        });
        verb_legend_ = new QComboBox(panel);
        verb_legend_->setObjectName(QStringLiteral("VerbLegendBox"));
        for (const char16_t* item : kVerbLegend) verb_legend_->addItem(S(item));
        verb_legend_->setPlaceholderText(QStringLiteral("fiiller ek durumu"));
        verb_legend_->setCurrentIndex(-1);
        grid->addWidget(word_class_, 2, 0, 1, 2);
        grid->addWidget(verb_legend_, 2, 2, 1, 5);
    } else {
        OnDoubleClick(part_edits_[1], [this] { FilterByCode(); });
        OnDoubleClick(part_edits_[2], [this] { FindIngField(); });
    }
}

QPushButton* TRecordEditorForm::AddButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void TRecordEditorForm::BuildButtons(QWidget* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const char* name, const QString& caption, auto fn) {
        QPushButton* b = AddButton(panel, name, caption);
        connect(b, &QPushButton::clicked, this, fn);
        row->addWidget(b);
        return b;
    };
    add("OkButton", QStringLiteral("O.K"), [this] { Ok(); });
    add("InsertButton", QStringLiteral("GİRİŞ"), [this] { Insert(); });
    add("CorrectButton", QStringLiteral("DÜZELTME"), [this] { Correct(); });
    add("DeleteButton", QStringLiteral("SİLME"), [this] { Delete(); });
    add("PreviousButton", QStringLiteral("<<"), [this] { Previous(); });
    add("NextButton", QStringLiteral(">>"), [this] { Next(); });
    QPushButton* rebuild = add("RebuildButton", QString(), [this] { Rebuild(); });
    rebuild->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    rebuild->setToolTip(QStringLiteral("Memo1 -> kayıt"));
    QPushButton* listing = add("ListingButton", QString(), [this] { RefreshListing(); });
    listing->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    listing->setToolTip(QStringLiteral("kayıt -> Memo1"));
    add("FindButton", QStringLiteral("Find"), [this] { FindField4(); });
    add("ReplaceButton", QStringLiteral("Replace"), [this] { Replace(); });
    add("LowerButton", QStringLiteral("INGLower"), [this] { ConvertCase(mt::CaseConversion::AsciiLower); });
    if (En()) {
        add("UpperButton", QStringLiteral("MemoUpper"), [this] { ConvertCase(mt::CaseConversion::AsciiUpper); });
        add("TurkishLowerButton", QStringLiteral("TRMemoLower"),
            [this] { ConvertCase(mt::CaseConversion::TurkishLower); });
        QPushButton* password = add("PasswordButton", QStringLiteral("şifre"), [this] { ToggleEditMode(); });
        password->setToolTip(QStringLiteral("cümle giriş irdeleme için "));
        add("TopPanelButton", QStringLiteral("ust-panel"), [this] {
            bottom_panel_->hide();
            top_panel_->show();
        });
    } else {
        add("UpperButton", QStringLiteral("INGupper"), [this] { ConvertCase(mt::CaseConversion::AsciiUpper); });
        add("TurkishLowerButton", QStringLiteral("TRLower"), [this] { ConvertCase(mt::CaseConversion::TurkishLower); });
        add("FontButton", QStringLiteral("font"), [this] { ChooseFont(this, listing_); });
        add("WordxButton", QStringLiteral("wordx"), [this] { second_list_->clear(); });
    }
    row->addStretch(1);
}

mt::RecordEditor& TRecordEditorForm::Editor() {
    store::DictionaryStore& store = context_.store();
    if (!editor_ || editor_store_ != &store) {
        // First use, or the frame loaded a new store: bind a fresh editor.
        const int state = editor_ ? editor_->EditState : 0;
        editor_ = std::make_unique<mt::RecordEditor>(store, which_, ui_);
        editor_->EditState = state;
        editor_store_ = &store;
    }
    return *editor_;
}

void TRecordEditorForm::Pull() {
    mt::RecordEditor& e = Editor();
    e.Key = ToCp(key_edit_->text());
    for (std::size_t i = 0; i < part_edits_.size(); ++i) e.Parts[i] = ToCp(part_edits_[i]->text());
    e.ListingEdited = listing_edited_;
}

void TRecordEditorForm::Push() {
    mt::RecordEditor& e = Editor();
    key_edit_->setText(FromCp(e.Key));
    for (std::size_t i = 0; i < part_edits_.size(); ++i) part_edits_[i]->setText(FromCp(e.Parts[i]));
    index_edit_->setText(QString::number(e.RecordIndex));
    listing_edited_ = e.ListingEdited;
    (En() ? context_.switches.EnRecordEditState : context_.switches.TrRecordEditState) = e.EditState;
}

std::string TRecordEditorForm::ListingCp() const { return ToCp(listing_->toPlainText()); }

void TRecordEditorForm::SetListingText(const QString& text) {
    setting_listing_ = true;
    QString shown = text;
    // The logic ends every line with LF; the text area shows no empty line after the last one.
    if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
    listing_->setPlainText(shown);
    setting_listing_ = false;
    listing_edited_ = false;
}

void TRecordEditorForm::SetHeadWord(const QString& text) { key_edit_->setText(text.left(50)); }

void TRecordEditorForm::Activate() {
    Run([](mt::RecordEditor& e) { e.Activate(); });
}

void TRecordEditorForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) Activate();
}

void TRecordEditorForm::Ok() {
    Run([](mt::RecordEditor& e) { e.Ok(); });
    key_edit_->setFocus();
}

void TRecordEditorForm::Insert() {
    const std::string listing = ListingCp();
    Run([&](mt::RecordEditor& e) { e.Insert(listing); });
}

void TRecordEditorForm::Correct() {
    const std::string listing = ListingCp();
    Run([&](mt::RecordEditor& e) { e.Correct(listing); });
}

void TRecordEditorForm::Delete() {
    const std::string listing = ListingCp();
    Run([&](mt::RecordEditor& e) { e.Delete(listing); });
}

void TRecordEditorForm::Next() {
    Run([](mt::RecordEditor& e) { e.Next(); });
}

void TRecordEditorForm::Previous() {
    Run([](mt::RecordEditor& e) { e.Previous(); });
}

void TRecordEditorForm::Rebuild() {
    const std::string listing = ListingCp();
    Run([&](mt::RecordEditor& e) { e.Rebuild(listing); });
}

void TRecordEditorForm::RefreshListing() {
    Run([](mt::RecordEditor& e) { e.RefreshListing(); });
}

bool TRecordEditorForm::Search(const QString& needle) {
    const std::string listing = ListingCp();
    const std::string what = ToCp(needle);
    QTextCursor cursor = listing_->textCursor();
    std::optional<mt::Selection> found =
        mt::FindInListing(listing, what, static_cast<std::size_t>(cursor.selectionEnd()));
    if (!found) {
        ui_.Error(mt::NotFoundMessage(what));
        return false;
    }
    cursor.setPosition(static_cast<int>(found->start));
    cursor.setPosition(static_cast<int>(found->start + found->length), QTextCursor::KeepAnchor);
    listing_->setTextCursor(cursor);
    listing_->setFocus();
    return true;
}

bool TRecordEditorForm::FindHeadWord() {
    return Search(FromCp(mt::KeySearchText(ToCp(key_edit_->text()))));
}

bool TRecordEditorForm::FindField4() { return Search(part_edits_[3]->text()); }

bool TRecordEditorForm::FindTop() { return Search(top_search_->text()); }

void TRecordEditorForm::Replace() {
    if (!Search(part_edits_[3]->text())) return;
    if (ReplaceDelayMs > 0) {
        QEventLoop wait;
        QTimer::singleShot(ReplaceDelayMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (Prompts::Current().Ask(this, QMessageBox::Question, QStringLiteral("Confirm"),
                               QStringLiteral("Değişim yapılacak.  Evet?"),
                               QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    listing_->textCursor().insertText(part_edits_[4]->text());
}

void TRecordEditorForm::ConvertCase(mt::CaseConversion conversion) {
    QTextCursor cursor = listing_->textCursor();
    if (!cursor.hasSelection()) return;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::string listing = ListingCp();
    if (!mt::ConvertSelectionCase(listing, {static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)},
                                  conversion))
        return;
    cursor.insertText(FromCp(std::string_view(listing).substr(static_cast<std::size_t>(start),
                                                              static_cast<std::size_t>(end - start))));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    listing_->setTextCursor(cursor);
}

void TRecordEditorForm::CopySelectionToSecondList() {
    second_list_->show();
    const QTextCursor cursor = listing_->textCursor();
    if (cursor.hasSelection() && cursor.selectionStart() > 0) second_list_->appendPlainText(SelectedLines(cursor));
}

void TRecordEditorForm::ToggleEditMode() { context_.switches.EditMode = !context_.switches.EditMode; }

void TRecordEditorForm::FilterByCode() {
    second_list_->clear();
    std::optional<std::vector<std::string>> lines = mt::LinesWithCode(ListingCp(), ToCp(part_edits_[1]->text()));
    if (!lines) {
        ui_.Message(mt::NoRecordMessage());
        return;
    }
    for (const std::string& line : *lines) second_list_->appendPlainText(FromCp(line));
}

bool TRecordEditorForm::FindIngField() {
    QLineEdit* ing = part_edits_[2];
    ing->setText(FromCp(text::AsciiUpperCase(ToCp(ing->text()))));
    return Search(ing->text());
}

void TRecordEditorForm::ShowTopPanel() {
    bottom_panel_->hide();
    top_panel_->show();
}

void TRecordEditorForm::ShowBottomPanel() {
    top_panel_->hide();
    bottom_panel_->show();
    if (En()) second_list_->hide();
}

void TRecordEditorForm::closeEvent(QCloseEvent* event) {
    const std::string listing = ListingCp();
    mt::CloseResult result;
    Run([&](mt::RecordEditor& e) { result = e.Close(listing); });
    if (result.engine_mode_m47) context_.switches.EngineMode = QStringLiteral("M47");
    if (!result.close_window) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace zelmor::gui
