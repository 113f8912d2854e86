#include "TSplash_f.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace orlivo::app {

TSplash_f::TSplash_f()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("Splash_f");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("<h1>Orlivo 10</h1>", this);
    title->setAlignment(Qt::AlignCenter);
    auto* wait = new QLabel("Loading ... Please wait.", this);
    wait->setAlignment(Qt::AlignCenter);
    lblStatus = new QLabel("Loading....", this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(wait);
    layout->addWidget(lblStatus);
    setFixedSize(420, 200);
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TSplash_f::setStatus(const QString& text) {
    lblStatus->setText(text);
    lblStatus->repaint();
}

}  // namespace orlivo::app
