#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QProgressBar;

namespace orlivo::app {

// The "Working on it..." window: shown during long commands; while it is up, the commands that could
// start a second operation are disabled. Closing it undoes every step of showing it.
class TWork_f : public QWidget {
    Q_OBJECT
public:
    static inline const QString kDefaultText = QStringLiteral("Working on it...");

    explicit TWork_f(QWidget* mainWindow);

    void setText(const QString& text);
    QString text() const;
    QProgressBar* progressBar() const { return pb1; }

    // Controls disabled while the window is shown (tool buttons, "Analyze" buttons, lists...).
    void addCompetingControl(QWidget* control);
    // Called with true on show and false on close: the main window's busy flag and indicator.
    void setBusyHandler(std::function<void(bool)> handler) { fBusyHandler = std::move(handler); }
    // Extra steps of tools that exist only later (the cleaner's buttons, the zip Flat button state...).
    void addShowStep(std::function<void()> onShow, std::function<void()> onClose);

    void Show();
    void Close();
    bool isBusy() const { return fBusy; }

    QLabel* Label1 = nullptr;

private:
    QWidget* fMainWindow;
    QProgressBar* fSpinner = nullptr;
    QProgressBar* pb1 = nullptr;
    std::vector<QPointer<QWidget>> fCompeting;
    std::vector<std::pair<std::function<void()>, std::function<void()>>> fSteps;
    std::function<void(bool)> fBusyHandler;
    bool fBusy = false;
};

}  // namespace orlivo::app
