#pragma once

#include <QWidget>

class QLabel;

namespace orlivo::app {

// The start-up splash: borderless, centred on the screen, with a status line for the loading steps.
class TSplash_f : public QWidget {
    Q_OBJECT
public:
    TSplash_f();

    void setStatus(const QString& text);
    QLabel* lblStatus = nullptr;
};

}  // namespace orlivo::app
