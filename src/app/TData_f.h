#pragma once

#include "AppContext.h"
#include "DuplicateScan.h"
#include "FormStorage.h"
#include "OptionsCriteria.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace orlivo::app {

// The duplicate search options ("Options"): where to look and what counts as a duplicate.
class TData_f : public QDialog {
    Q_OBJECT
public:
    explicit TData_f(AppContext& context, QWidget* parent = nullptr);

    // The roots, the search criteria and the duplicate rule of the last "Start".
    std::vector<std::string> roots() const;
    const duplicates::SearchCriteria& criteria() const { return fCriteria; }
    duplicates::DuplicateRule rule() const;
    FormStorage& storage() { return fStorage; }

    // Handlers.
    void FormShow();
    void btnAddClick();
    void ClearAllClick();
    void btnDeleteClick();
    void cbPathSelect(int index);
    void cbSubClick();
    void btnStartClick();

    QComboBox* cbPath = nullptr;
    QToolButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QListWidget* lbPaths = nullptr;
    QCheckBox* cbSub = nullptr;
    QSpinBox* jvDepth = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnCancel = nullptr;
    QTabWidget* pages = nullptr;
    QComboBox* cbMasks = nullptr;
    QCheckBox* cbMinSz = nullptr;
    QSpinBox* edMin = nullptr;
    QCheckBox* cbMaxSz = nullptr;
    QSpinBox* edMax = nullptr;
    QCheckBox* cbDateFrom = nullptr;
    QDateEdit* dtPickerFrom = nullptr;
    QCheckBox* cbDateTo = nullptr;
    QDateEdit* dtPickerTo = nullptr;
    QCheckBox* cbSameName = nullptr;
    QCheckBox* cbSize = nullptr;
    QCheckBox* cbSameCreateDate = nullptr;
    QCheckBox* cbSameModDate = nullptr;
    QButtonGroup* rgFileContent = nullptr;
    QComboBox* cbCompare = nullptr;
    QLabel* lblCompare = nullptr;
    QListWidget* ListBox1 = nullptr;
    QCheckBox* cbSystem = nullptr;
    QCheckBox* cbHidden = nullptr;
    QCheckBox* cbReadOnly = nullptr;
    QCheckBox* cb0Bytes = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void addPath(const QString& path);
    void updateEnabling();

    AppContext& fContext;
    FormStorage fStorage;
    duplicates::SearchCriteria fCriteria;
    bool fSubfolders = true;
};

}  // namespace orlivo::app
