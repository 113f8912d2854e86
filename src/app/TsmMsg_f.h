#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orlivo::app {

// The "Information" progress window of archive tests and of moves into the Rescue Center. Its own zip
// engine reports progress here; "Cancel" asks that engine to stop at its next progress event.
class TsmMsg_f : public QDialog {
    Q_OBJECT
public:
    explicit TsmMsg_f(QWidget* parent = nullptr);

    // The engine's progress event: the bar follows the total percentage, the label the current item.
    // Returns true when the engine must stop (the user pressed Cancel since the last event).
    bool progress(int totalPercent, const QString& itemName);

    bool cancelRequested() const { return fCancel; }

    QLabel* lblInfo = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void btnCancelClick();

    bool fCancel = false;
};

}  // namespace orlivo::app
