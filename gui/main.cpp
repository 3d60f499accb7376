#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "gui/app/frame_form.h"
#include "gui/app/splash_form.h"
#include "core/text/cp1254.h"
#include "gui/windows/learning/learning_windows.h"
#include "gui/windows/maintenance/maintenance_windows.h"
#include "gui/windows/translation/translation_common.h"
#include "gui/windows/translation/translation_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMOR"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZELMOR"));

    // Commands of the windows built outside the editor, before any editor exists.
    zelmor::gui::RegisterMaintenanceCommands();
    zelmor::gui::RegisterTranslationWindows();
    zelmor::gui::RegisterLearningCommands();
    // The demos read Turkish through the program's Turkish speaker.
    zelmor::gui::LearningTurkishReader() = [](const std::string& cp1254) {
        if (zelmor::gui::TFrameForm* frame = zelmor::gui::TFrameForm::Instance()) {
            auto speaker = zelmor::gui::MakeTurkishSpeaker(*frame);
            // Full volume until a speech window's slider has set one.
            const int volume = zelmor::gui::SpeechHandOver::Program().SpeechVolume;
            speaker->Speak(QString::fromStdString(zelmor::text::Cp1254ToUtf8(cp1254)),
                           volume > 0 ? volume : 100);
        }
    };

    auto* splash = new zelmor::gui::TForm20;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    app.processEvents();

    zelmor::gui::TFrameForm frame;
    // The splash stays for three seconds; then the frame is shown, and its
    // first activation opens the first editor and loads the dictionaries.
    QTimer::singleShot(3000, &frame, [&frame, splash] {
        splash->close();
        splash->deleteLater();
        frame.show();
        frame.activateWindow();
    });
    return app.exec();
}
