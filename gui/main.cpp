#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "gui/app/frame_form.h"
#include "gui/app/splash_form.h"
#include "gui/windows/maintenance/maintenance_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMOR"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZELMOR"));

    // Commands of the windows built outside the editor, before any editor exists.
    zelmor::gui::RegisterMaintenanceCommands();

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
