// The record editors of the two main dictionaries: TForm1 over "pavolkx.txt"
// (English-Turkish) and TForm6 over "zelmorx.txt" (Turkish-English). The
// window is a view: its fields are bound to maintenance::RecordEditor, each
// button calls one of its operations, and the editor's edit state is
// mirrored into the frame's EnRecordEditState / TrRecordEditState.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "core/maintenance/listing_tools.h"
#include "core/maintenance/record_editor.h"
#include "gui/windows/maintenance/maintenance_common.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelmor::gui {

class TRecordEditorForm : public QWidget {
    Q_OBJECT
public:
    TRecordEditorForm(MaintenanceContext context, maintenance::MainDictionary which, QWidget* parent = nullptr);
    ~TRecordEditorForm() override;

    maintenance::MainDictionary Which() const { return which_; }

    /// The editor's command puts (at most 50 characters of) the selection
    /// into the head-word field before showing the window.
    void SetHeadWord(const QString& text);

    /// Activation: clears the frame's edit state, refreshes the last index.
    void Activate();

    // One operation per button.
    void Ok();
    void Insert();
    void Correct();
    void Delete();
    void Next();
    void Previous();
    void Rebuild();
    void RefreshListing();
    /// Double-click on the head-word field: the key at the start of a line.
    bool FindHeadWord();
    /// "Find" beside the field 4 entry (".YAD" / "YAD").
    bool FindField4();
    /// "Replace": find field 4's text, then replace it by field 5's text.
    void Replace();
    /// "Find" of the top panel.
    bool FindTop();
    void ConvertCase(maintenance::CaseConversion conversion);
    /// "F++" (English-Turkish editor).
    void CopySelectionToSecondList();
    /// "şifre" (English-Turkish editor): toggles the frame's EditMode.
    void ToggleEditMode();
    /// Turkish-English editor: double-click on "KOD" / on "ING".
    void FilterByCode();
    bool FindIngField();
    void ShowTopPanel();
    void ShowBottomPanel();

    // Widgets, for the frame's commands and the tests.
    QLineEdit* KeyEdit() const { return key_edit_; }
    QLineEdit* PartEdit(std::size_t part) const { return part_edits_.at(part); }
    QLineEdit* IndexEdit() const { return index_edit_; }
    QPlainTextEdit* Listing() const { return listing_; }
    QPlainTextEdit* SecondList() const { return second_list_; }
    QLineEdit* TopSearchEdit() const { return top_search_; }
    QComboBox* WordClassBox() const { return word_class_; }
    QFrame* BottomPanel() const { return bottom_panel_; }
    QFrame* TopPanel() const { return top_panel_; }
    bool ListingEdited() const { return listing_edited_; }

    /// Pause between finding and asking in "Replace" (tests shorten it).
    int ReplaceDelayMs = 500;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool En() const { return which_ == maintenance::MainDictionary::EnTr; }
    maintenance::RecordEditor& Editor();
    /// Fields -> editor before an operation, editor -> fields after it.
    void Pull();
    void Push();
    template <typename Fn>
    void Run(Fn fn) {
        Pull();
        fn(Editor());
        Push();
    }
    std::string ListingCp() const;
    void SetListingText(const QString& text);
    bool Search(const QString& needle);
    QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption);
    void BuildFields(QWidget* panel);
    void BuildButtons(QWidget* panel);
    void BuildTopPanel();

    MaintenanceContext context_;
    maintenance::MainDictionary which_;
    PromptsUi ui_;
    std::unique_ptr<maintenance::RecordEditor> editor_;
    store::DictionaryStore* editor_store_ = nullptr;

    QPlainTextEdit* listing_ = nullptr;
    QPlainTextEdit* second_list_ = nullptr;
    QLineEdit* key_edit_ = nullptr;
    std::vector<QLineEdit*> part_edits_;
    QLineEdit* index_edit_ = nullptr;
    QLineEdit* top_search_ = nullptr;
    QComboBox* word_class_ = nullptr;
    QComboBox* verb_legend_ = nullptr;
    QFrame* bottom_panel_ = nullptr;
    QFrame* top_panel_ = nullptr;
    bool setting_listing_ = false;
    bool listing_edited_ = false;
};

/// English-Turkish record editor "ING - TUR KAYIT İNCELEME (PavOlkX.txt)".
class TForm1 : public TRecordEditorForm {
    Q_OBJECT
public:
    explicit TForm1(MaintenanceContext context, QWidget* parent = nullptr)
        : TRecordEditorForm(std::move(context), maintenance::MainDictionary::EnTr, parent) {}
};

/// Turkish-English record editor "TUR - ING KAYIT İNCELEME (ZelmorX.txt)".
class TForm6 : public TRecordEditorForm {
    Q_OBJECT
public:
    explicit TForm6(MaintenanceContext context, QWidget* parent = nullptr)
        : TRecordEditorForm(std::move(context), maintenance::MainDictionary::TrEn, parent) {}
};

}  // namespace zelmor::gui
