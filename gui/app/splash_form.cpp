#include "gui/app/splash_form.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zelmor::gui {

TForm20::TForm20(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Hoşgeldiniz"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x1F, 0x3A, 0x68));
    p.setColor(QPalette::WindowText, QColor(0xFF, 0xF8, 0xDC));
    setPalette(p);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("ZELMOR"), this);
    QFont big = title->font();
    big.setPixelSize(56);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* label = new QLabel(QStringLiteral("Translation Program"), this);
    QFont mid = label->font();
    mid.setPixelSize(22);
    label->setFont(mid);
    label->setAlignment(Qt::AlignCenter);
    auto* langs = new QLabel(QStringLiteral("İngilizce ⇄ Türkçe"), this);
    langs->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(label);
    layout->addWidget(langs);
    layout->addStretch();
    resize(460, 280);
}

}  // namespace zelmor::gui
