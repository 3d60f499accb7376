// TForm20: the welcome window shown while the program starts.
#pragma once

#include <QWidget>

namespace zelmor::gui {

class TForm20 : public QWidget {
    Q_OBJECT
public:
    explicit TForm20(QWidget* parent = nullptr);
};

}  // namespace zelmor::gui
