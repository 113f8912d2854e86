#pragma once

#include "AppContext.h"
#include "EmptyFolders.h"
#include "GroupedList.h"
#include "ImageList.h"
#include "ResultFiles.h"
#include "ResultFilters.h"

#include <QWidget>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTableView;
class QToolButton;
class QTreeView;

namespace orlivo::app {

class ClonesModel;
class FiltersPanel;
class FlatView;
class GroupedModel;
class OptionsPage;
class TData_f;
class TNavigator_f;
class TWork_f;

// The commands that dispose of marked files, by the component names of their menu items.
enum class Disposal {
    MoveSelected,
    lvRescueV,
    Moveselectedfiles1,
    DeleteSelected,
    lvRecycleBin,
    Deleteselected1,
    zDeleteR,
    lvZipDelete,
    Zipanddeletefiles1,
    zDeleteP,
    DeleteP,
};

// The duplicates page: the scan commands, the flat and the grouped result views, their menus, the
// result filters, the selection commands and the navigator docked at the left.
class DuplicatesPage : public QWidget {
    Q_OBJECT
public:
    static inline const QString kFiltersRefusal =
        QStringLiteral("Not available with filters active, disable filters to continue");

    DuplicatesPage(AppContext& context, QWidget* parent = nullptr);
    ~DuplicatesPage() override;

    // What the page shares with the main window.
    struct MainParts {
        QLabel* infoText = nullptr;
        QLabel* infoImage = nullptr;  // pnlImage
        QLabel* warning = nullptr;    // lblWarning
        QLabel* statusDirectory = nullptr;
        QLabel* statusSelection = nullptr;  // status panel 2
        QWidget* sidePanel = nullptr;
        qint64* markedCount = nullptr;
        qint64* markedSize = nullptr;
        bool* removeOrphans = nullptr;
        OptionsPage* options = nullptr;
        std::function<void()> showFiltersPage;
    };
    void setMainParts(const MainParts& parts);
    void setWindows(TData_f* options, TWork_f* work) {
        fOptions = options;
        fWork = work;
    }

    // The tools around the page that arrive with their own work.
    std::function<int()> emptyFolderCount;
    std::function<void()> exploreEmptyFolders;
    std::function<void()> clearEmptyFolders;
    std::function<void()> openRescueCenter;
    std::function<void()> openFindFiles;
    std::function<void(Disposal)> dispose;
    // The search options window, shown modally; true when the user started the scan.
    std::function<bool()> askScanOptions;
    // The splash window's status while the program starts; null once it has gone.
    std::function<void(const QString&)> splashStatus;

    // Scan.
    void btnSearchClick();
    void ExecuteSearchForDuplicates();
    void btnDupScanCancelClick();
    void btnFoldersClick();

    // Filters.
    void btnApplyClick();
    void btnClearFilterClick();
    void ClearFilters();
    bool filtersActive() const { return ActiveFilters; }

    // Selection commands: flat view or grouped view by the page shown.
    void SelectOneDuplicateClick();
    void SelectAllDuplicatesClick();
    void SelectTypeClick(const QString& type, bool fromToolbar);
    void InvertSelectionClick();
    void DeselectAllClick();
    void JumpToNextClick();
    void JumpToPreviousClick();
    void ClearSelectionsClick();

    // Menus: each prepares its items as it opens; false when it refuses to open.
    void popClonesPopup();
    void popListViewPopup();
    bool popManagePopup();
    bool popSelectPopup();

    // Rows.
    void OpenExternalClick();
    void OpenLocationClick();
    void PropertiesClick();

    // Grouped view.
    void CollapseAllClick();
    void ExpandAllClick();
    void ClearGroupedListClick();
    void RemoveSelectedFilesClick();
    void RemoveSelectedGroupsClick();
    void ClearAllClick();

    // Navigator.
    void jvdupNodesClick();
    void vVNodesNodeClick(int node);
    void lblOpenLastClick();
    // Lists every duplicate of one file name in the grouped view.
    void ListName(const QString& name);

    // After a disposal: node texts of the touched names, orphan groups out of the result, the views.
    void UpdateNavigatorNames(const std::vector<std::string>& names);
    void RemoveGroupOrphans(const std::vector<std::int32_t>& groups);
    void finishDisposal(bool grouped);

    // The saved result.
    void btnSaveClonesClick();
    void btnOpenClick();
    bool SaveCloneLists();
    // Replaces the result by the saved one; false when there was none or it was damaged.
    bool OpenSavedCloneList();
    // The navigator's "Open last duplicate files search", also run when the page is first opened.
    void OpenLastSequence();
    // Empty-folder candidates: folders of removed duplicates.
    duplicates::FoldersList FoldersList;

    // The result and its views.
    duplicates::DuplicateResult& result() { return fResult; }
    const duplicates::DuplicateResult& result() const { return fResult; }
    const std::vector<duplicates::TCloneRecord>& FIDLISTF() const { return fFiltered.FIDLISTF; }
    duplicates::GroupedList& groupedList() { return fGrouped; }
    ClonesModel& clonesModel() { return *fClonesModel; }
    GroupedModel& groupedModel() { return *fGroupedModel; }
    // The result changed outside the page (loaded, disposed of): the views show it again.
    void resultChanged();
    bool scanning() const { return fScanning; }
    bool flatShown() const;
    qint64 markedCount() const;
    qint64 markedSize() const;
    // Selects flat rows as the user would (mouse with Ctrl).
    void selectFlatRows(const std::vector<int>& rows);
    // The row the row commands act on.
    void setCurrentFlatRow(int row);

    ImageList imClones;
    ImageList imNodes;

    QMainWindow* pnlDuplicates = nullptr;  // hosts the views and the left dock panel
    TNavigator_f* navigator = nullptr;
    FiltersPanel* filters = nullptr;
    QWidget* pnlClonesTop = nullptr;
    QToolButton* btnSearch = nullptr;
    QToolButton* btnDupScanCancel = nullptr;
    QToolButton* btnSelect = nullptr;
    QToolButton* btnManage = nullptr;
    QToolButton* btnEmptyFolders = nullptr;
    QToolButton* btnRescueCenter = nullptr;
    QToolButton* btnSaveClones = nullptr;
    QToolButton* btnOpen = nullptr;
    QProgressBar* PB2 = nullptr;
    QLabel* lblSummary = nullptr;
    QStackedWidget* pgClones = nullptr;
    QTreeView* ListView1 = nullptr;
    FlatView* lvClones = nullptr;

    QMenu* popClones = nullptr;
    QMenu* popListView = nullptr;
    QMenu* popSelect = nullptr;
    QMenu* popSelectTypes = nullptr;
    QMenu* popManage = nullptr;
    std::map<Disposal, QAction*> disposalItems;
    QAction* lvOrphans = nullptr;   // flat pop-up
    QAction* lvOrphans2 = nullptr;  // grouped pop-up
    QAction* lvOrphans3 = nullptr;  // manage menu
    QAction* Addgroups1 = nullptr;

    // Finds an item of a menu by its caption; null when there is none.
    static QAction* item(QMenu* menu, const QString& caption);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildToolbar();
    void buildViews();
    void buildMenus();
    void buildPopClones();
    void buildPopListView();
    void buildPopManage();
    void buildPopSelect();
    void addFiltersToggle(QMenu* menu, const QString& name);
    void addToolbarToggle(QMenu* menu, const QString& name);
    void captionToggles(QMenu* menu, const QString& filtersName, const QString& toolbarName);
    void connectFilters();
    void showFlat();
    void showGrouped();
    void setFlatRows(bool filtered);
    void flatMarksChanged();
    void updateMarkedTotals();
    void updateGroupedWarning();
    void setMarkedTotals(qint64 count, qint64 size);
    void selectRows(const std::vector<int>& rows, bool scrollToEach);
    void writeSelectedCount();
    void setDisposalItemsEnabled(bool on);
    void syncGroupedView();
    // The grouped list changed in more than a check box: the view shows it again, with its warning.
    void groupedListChanged();
    void markFlatRows(const std::vector<int>& rows, bool scrollToEach);
    int firstMarkedRow() const;
    void applyLook();
    const duplicates::TCloneRecord* currentFlatRecord() const;
    QString currentGroupedPath() const;
    duplicates::FileFacts fileFacts() const;
    // A file time as records show it: the user's short date and long time.
    std::string dateTimeText(std::int64_t mtimeNs) const;
    bool orphansOn() const;
    void setOrphans(bool on);
    void busy(bool on);

    AppContext& fContext;
    MainParts fMain;
    TData_f* fOptions = nullptr;
    TWork_f* fWork = nullptr;
    duplicates::DuplicateResult fResult;
    duplicates::FilterOutcome fFiltered;
    bool ActiveFilters = false;
    duplicates::GroupedList fGrouped;
    ClonesModel* fClonesModel = nullptr;
    GroupedModel* fGroupedModel = nullptr;
    bool CancelDuplicateSearch = false;
    bool fScanning = false;
    bool fDockSized = false;
    bool fLocalOrphans = true;  // when the main window does not share its own
    qint64 fLocalCount = 0;
    qint64 fLocalSize = 0;
};

}  // namespace orlivo::app
