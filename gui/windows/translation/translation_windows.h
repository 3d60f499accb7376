// The translation windows: the English-Turkish dialog TZelMorDlg, the
// Turkish-English dialog TForm8, the result window TCevirForm and the quick
// translation window Tcevirrform. Each is built over a TranslationContext so
// that it can live without the whole program; the editor reaches them
// through RegisterTranslationWindows().
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

#include "gui/speech/english_voice.h"
#include "gui/windows/translation/translation_common.h"

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QTextEdit;

namespace zelmor::gui {

class TZelMorDlg : public QWidget {
    Q_OBJECT
public:
    explicit TZelMorDlg(TranslationContext context, QWidget* parent = nullptr);
    ~TZelMorDlg() override;

    /// The editor's "ING_TUR": the text becomes the input; the window is
    /// shown and activated (which translates).
    void ShowWithText(const QString& text);
    /// "Ing-Tur && Tur-Ing Dialog": the demo text and the demo switch.
    void ShowDemo();

    /// Activation: voice, Turkish volume, captions, glyph file, translate.
    void Activate();
    /// TranslateInDialog.
    void Translate();
    /// The translate button: the input as plain text, then Translate.
    void TranslateButton();

    void ReadInputAloud();      // speaker beside the input
    void SpeakEnglishWords();   // "hecele" beside the input
    void SpeakResult();         // speaker beside the result
    void SpeakResultWords();    // "kelime-oku"
    void SpellResult();         // "hecele" beside the result
    void ChooseFont();          // "Font (Yazı Tipi)"

    QString DialogText;
    QStringList DialogAbbreviations;
    int LastScrollLine = 0;
    bool Demo = false;

    QTextEdit* Input() const { return input_; }
    QTextEdit* Result() const { return result_; }
    QTextEdit* GlyphField() const { return glyphs_; }
    bool GlyphsUsable() const { return glyphs_usable_; }
    SpeechVoice* Voice() const { return voice_.get(); }
    QSlider* TurkishVolumeSlider() const { return tr_volume_; }
    QSlider* RateSlider() const { return rate_; }
    QSlider* EnglishVolumeSlider() const { return en_volume_; }
    QLabel* InputLabel() const { return input_label_; }
    QPushButton* TranslatePushButton() const { return translate_; }

protected:
    bool event(QEvent* event) override;

private:
    void GlyphOverlay(QTextEdit* field, int row_start);
    /// False (after saying so) when there is no sound output.
    bool SpeakTurkishText(const QString& text);
    /// Speaks the pieces of `field` between blanks, ",", "." and "?".
    void SpeakPieces(QTextEdit* field, bool english, int pause_ms);

    TranslationContext context_;
    QTextEdit* input_ = nullptr;
    QTextEdit* result_ = nullptr;
    QTextEdit* glyphs_ = nullptr;
    QLabel* input_label_ = nullptr;
    QLabel* result_label_ = nullptr;
    QPushButton* translate_ = nullptr;
    QPushButton* speak_input_ = nullptr;
    QPushButton* speak_result_ = nullptr;
    QSlider* tr_volume_ = nullptr;
    QSlider* rate_ = nullptr;
    QSlider* en_volume_ = nullptr;
    QMenu* popup_ = nullptr;
    bool glyphs_usable_ = false;
    bool speaking_ = false;
    std::unique_ptr<SpeechVoice> voice_;
    std::unique_ptr<TurkishSpeaker> speaker_;
};

class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(TranslationContext context, QWidget* parent = nullptr);

    /// The editor's "TUR_ING".
    void ShowWithText(const QString& text);
    void ShowDemo();
    void Activate();
    void Translate();
    void TranslateButton();

    bool Demo = false;
    QTextEdit* Input() const { return input_; }
    QTextEdit* Result() const { return result_; }
    QSlider* HiddenVolumeSlider() const { return volume_; }

protected:
    bool event(QEvent* event) override;

private:
    TranslationContext context_;
    QTextEdit* input_ = nullptr;
    QTextEdit* result_ = nullptr;
    QLabel* input_label_ = nullptr;
    QLabel* result_label_ = nullptr;
    QPushButton* translate_ = nullptr;
    QSlider* volume_ = nullptr;
};

/// The translation result window. Texts longer than BackgroundThreshold
/// characters are translated sentence by sentence in a worker thread while
/// the window shows the progress and offers "İptal".
class TCevirForm : public QWidget {
    Q_OBJECT
public:
    explicit TCevirForm(TranslationContext context, QWidget* parent = nullptr);
    ~TCevirForm() override;

    /// The editor's "Ing-Tur" (English-to-Turkish) and "Tur-Ing".
    void ShowWithText(const QString& text, Direction direction);
    /// Sets the direction, the handed-over text and the caption, without showing.
    void HandOver(const QString& text, Direction direction);

    void Activate();
    void Translate(const QString& text);
    /// Stops a background translation; the part done so far stays.
    void Cancel();
    bool Busy() const;

    Direction TranslationDirection = Direction::EnToTr;
    QString HandedText;
    bool EnglishSelectionHanded = false;
    static inline int BackgroundThreshold = 2000;

    QTextEdit* Area() const { return area_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* CancelButton() const { return cancel_; }

signals:
    /// A translation has ended (at once, or when the worker finished).
    void TranslationDone(bool cancelled);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Finish(const QString& result, bool cancelled);

    TranslationContext context_;
    QTextEdit* area_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QStringList pieces_;
    BackgroundTranslation* job_ = nullptr;
    int generation_ = 0;
};

class Tcevirrform : public QWidget {
    Q_OBJECT
public:
    explicit Tcevirrform(TranslationContext context, QWidget* parent = nullptr);

    /// The web browser's hand-over: direction, caption, text; shows the window.
    void ShowWithText(const QString& text, Direction direction, const QString& caption = {});
    void Activate();
    /// Translates `text` into the result pane.
    void Translate(const QString& text);
    /// The pop-up's "Ing-Tur" / "Tur-Ing".
    void TranslateInput(Direction direction);

    Direction TranslationDirection = Direction::TrToEn;
    QString HandedText;

    QTextEdit* InputPane() const { return input_; }
    QTextEdit* ResultPane() const { return result_; }
    QMenu* Popup() const { return popup_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TranslationContext context_;
    QTextEdit* input_ = nullptr;
    QTextEdit* result_ = nullptr;
    QMenu* popup_ = nullptr;
};

/// The windows of the program, created at first use over the frame.
struct TranslationWindowSet {
    TZelMorDlg* en_tr_dialog = nullptr;
    TForm8* tr_en_dialog = nullptr;
    TCevirForm* result = nullptr;
    Tcevirrform* quick = nullptr;
};
TranslationWindowSet& ProgramTranslationWindows(TFrameForm& frame);

/// Fills the editor's translation hooks ("ING_TUR", "TUR_ING", "Ing-Tur",
/// "Tur-Ing") and registers "DialogDemoItem". Call before any editor exists.
void RegisterTranslationWindows();

}  // namespace zelmor::gui
