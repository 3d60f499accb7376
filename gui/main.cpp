#include <QApplication>
#include <QTimer>

#include "gui/frame_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMOR"));
    zelmor::gui::FrameWindow frame;
    frame.show();
    QTimer::singleShot(0, &frame, [&frame] { frame.LoadStore(); });
    return app.exec();
}
