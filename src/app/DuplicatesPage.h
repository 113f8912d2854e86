#pragma once

#include "AppContext.h"
#include "ImageList.h"
#include "ResultFiles.h"

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orlivo::app {

class TData_f;
class TWork_f;

// The duplicates page until its result views arrive: the "Analyze" and "Cancel" commands, the scan's
// progress, and the result model the views will show.
class DuplicatesPage : public QWidget {
    Q_OBJECT
public:
    DuplicatesPage(AppContext& context, QWidget* parent = nullptr);

    void setWindows(TData_f* options, TWork_f* work) {
        fOptions = options;
        fWork = work;
    }
    // Where the scan reports its folder ("Directory: ...") and the step (the navigator's root text).
    void setStatusLabels(QLabel* directory, QLabel* step) {
        fDirectory = directory;
        fStep = step;
    }

    // What "Analyze" checks first; the result filters and the empty-folders list arrive with their tools.
    std::function<bool()> filtersActive;
    std::function<int()> emptyFolderCount;
    std::function<void()> exploreEmptyFolders;
    std::function<void()> clearEmptyFolders;

    void btnSearchClick();
    void ExecuteSearchForDuplicates();
    void btnDupScanCancelClick();

    const duplicates::DuplicateResult& result() const { return fResult; }
    bool scanning() const { return fScanning; }

    QPushButton* btnSearch = nullptr;
    QPushButton* btnDupScanCancel = nullptr;
    QProgressBar* PB2 = nullptr;
    QLabel* lblSummary = nullptr;
    ImageList imClones;
    ImageList imNodes;

private:
    AppContext& fContext;
    TData_f* fOptions = nullptr;
    TWork_f* fWork = nullptr;
    QLabel* fDirectory = nullptr;
    QLabel* fStep = nullptr;
    duplicates::DuplicateResult fResult;
    bool CancelDuplicateSearch = false;
    bool fScanning = false;
};

}  // namespace orlivo::app
