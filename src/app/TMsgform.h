#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTreeWidget;

namespace orlivo::app {

// The "Messages" window: a summary memo and a details list of what an archive operation reported.
class TMsgform : public QDialog {
    Q_OBJECT
public:
    explicit TMsgform(QWidget* parent = nullptr);

    // What "Cancel" stops: the options window's zip engine and the extract window (set by their issues).
    void setCancelHandler(std::function<void()> handler) { fCancelHandler = std::move(handler); }
    // Showing and closing clear the rename window's list.
    void setClearRenameList(std::function<void()> handler) { fClearRenameList = std::move(handler); }

    QTabWidget* PageControl1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnCancel = nullptr;
    QCheckBox* cbAutoClose = nullptr;
    QWidget* pnlProgress = nullptr;
    QLabel* lblCurrentFile = nullptr;
    QProgressBar* pbFile = nullptr;
    QProgressBar* pbTotal = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void btnCancelClick();
    void FormCloseQuery();

    std::function<void()> fCancelHandler;
    std::function<void()> fClearRenameList;
};

}  // namespace orlivo::app
