#include "TWork_f.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace orlivo::app {

TWork_f::TWork_f(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      fMainWindow(mainWindow) {
    setObjectName("Work_f");
    setWindowTitle(kDefaultText);
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(kDefaultText, this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    fSpinner = new QProgressBar(this);
    fSpinner->setObjectName("ActivityIndicator1");
    fSpinner->setRange(0, 0);
    fSpinner->setTextVisible(false);
    pb1 = new QProgressBar(this);
    pb1->setObjectName("pb1");
    pb1->hide();
    layout->addWidget(Label1);
    layout->addWidget(fSpinner);
    layout->addWidget(pb1);
    setFixedSize(320, 110);
}

void TWork_f::setText(const QString& text) {
    Label1->setText(text);
}

QString TWork_f::text() const {
    return Label1->text();
}

void TWork_f::addCompetingControl(QWidget* control) {
    fCompeting.emplace_back(control);
}

void TWork_f::addShowStep(std::function<void()> onShow, std::function<void()> onClose) {
    fSteps.emplace_back(std::move(onShow), std::move(onClose));
}

void TWork_f::Show() {
    if (fMainWindow) {
        const QRect main = fMainWindow->frameGeometry();
        move(main.center() - QPoint(width() / 2, height() / 2));
    }
    if (!fBusy) {
        fBusy = true;
        if (fBusyHandler)
            fBusyHandler(true);
        for (auto& control : fCompeting) {
            if (control)
                control->setEnabled(false);
        }
        for (auto& step : fSteps) {
            if (step.first)
                step.first();
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    pb1->setValue(0);
    show();
    raise();
}

void TWork_f::Close() {
    hide();
    Label1->setText(kDefaultText);
    pb1->hide();
    if (!fBusy)
        return;
    fBusy = false;
    if (fBusyHandler)
        fBusyHandler(false);
    for (auto& control : fCompeting) {
        if (control)
            control->setEnabled(true);
    }
    for (auto& step : fSteps) {
        if (step.second)
            step.second();
    }
    QApplication::restoreOverrideCursor();
}

}  // namespace orlivo::app
