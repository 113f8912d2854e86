// The page's menus: the two pop-up menus of the views, the toolbar's "Select" and "Manage" menus, and the
// rules that enable their items as they open.
#include "ClonesModel.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "GroupedModel.h"

#include <QComboBox>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

#include "TNavigator_f.h"

namespace orlivo::app {

QAction* DuplicatesPage::item(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

bool DuplicatesPage::orphansOn() const {
    return fMain.removeOrphans ? *fMain.removeOrphans : fLocalOrphans;
}

void DuplicatesPage::setOrphans(bool on) {
    (fMain.removeOrphans ? *fMain.removeOrphans : fLocalOrphans) = on;
}

void DuplicatesPage::buildMenus() {
    buildPopClones();
    buildPopListView();
    buildPopManage();
    buildPopSelect();
    for (QAction* orphans : {lvOrphans, lvOrphans2, lvOrphans3}) {
        orphans->setCheckable(true);
        connect(orphans, &QAction::triggered, this, [this] { setOrphans(!orphansOn()); });
    }
    for (auto& [command, action] : disposalItems) {
        connect(action, &QAction::triggered, this, [this, c = command] {
            if (dispose)
                dispose(c);
        });
    }
}

void DuplicatesPage::buildPopClones() {
    popClones = new QMenu(this);
    popClones->setObjectName("popClones");
    connect(popClones->addAction("Open (external)"), &QAction::triggered, this,
            &DuplicatesPage::OpenExternalClick);
    connect(popClones->addAction("Open file location in Windows Explorer..."), &QAction::triggered, this,
            &DuplicatesPage::OpenLocationClick);
    connect(popClones->addAction("Properties"), &QAction::triggered, this, &DuplicatesPage::PropertiesClick);
    popClones->addSeparator();
    addFiltersToggle(popClones, "HideFilters1");
    QAction* navigatorItem = popClones->addAction("Hide Duplicates Navigator");
    navigatorItem->setObjectName("HideNavigator1");
    connect(navigatorItem, &QAction::triggered, this,
            [this] { navigator->setVisible(!navigator->isVisible()); });
    addToolbarToggle(popClones, "HideToolbar1");
    popClones->addSeparator();
    connect(popClones->addAction("Invert selection"), &QAction::triggered, this,
            &DuplicatesPage::InvertSelectionClick);
    connect(popClones->addAction("Deselect all"), &QAction::triggered, this,
            &DuplicatesPage::DeselectAllClick);
    popClones->addSeparator();
    connect(popClones->addAction("Jump to previous marked file"), &QAction::triggered, this,
            &DuplicatesPage::JumpToPreviousClick);
    connect(popClones->addAction("Jump to next marked file"), &QAction::triggered, this,
            &DuplicatesPage::JumpToNextClick);
    popClones->addSeparator();
    connect(popClones->addAction("Select one duplicate in each group"), &QAction::triggered, this,
            &DuplicatesPage::SelectOneDuplicateClick);
    connect(popClones->addAction("Select all duplicates in each group"), &QAction::triggered, this,
            &DuplicatesPage::SelectAllDuplicatesClick);
    QAction* typeItem = popClones->addAction("Select all duplicates of type: ");
    typeItem->setObjectName("SelectType1");
    connect(typeItem, &QAction::triggered, this, [this] {
        if (const duplicates::TCloneRecord* r = currentFlatRecord())
            SelectTypeClick(QString::fromStdString(r->FileType), false);
    });
    popClones->addSeparator();
    disposalItems[Disposal::Moveselectedfiles1] = popClones->addAction("Move selected files Rescue Center");
    disposalItems[Disposal::Deleteselected1] = popClones->addAction("Delete selected files to Recycle Bin");
    disposalItems[Disposal::Zipanddeletefiles1] = popClones->addAction("Zip and delete files...");
    popClones->addSeparator();
    lvOrphans = popClones->addAction("Automatically remove group orphans");
    popClones->addSeparator();
    QAction* rescue = popClones->addAction("Open Rescue Center...");
    rescue->setObjectName("OpenRescueCenter1");
    connect(rescue, &QAction::triggered, this, [this] {
        if (openRescueCenter)
            openRescueCenter();
    });
    connect(popClones->addAction("Find Files..."), &QAction::triggered, this, [this] {
        if (openFindFiles)
            openFindFiles();
    });
}

void DuplicatesPage::buildPopListView() {
    popListView = new QMenu(this);
    popListView->setObjectName("popListView");
    connect(popListView->addAction("Open (external)"), &QAction::triggered, this,
            &DuplicatesPage::OpenExternalClick);
    connect(popListView->addAction("Open file location in Windows Explorer"), &QAction::triggered, this,
            &DuplicatesPage::OpenLocationClick);
    connect(popListView->addAction("Properties"), &QAction::triggered, this,
            &DuplicatesPage::PropertiesClick);
    popListView->addSeparator();
    addFiltersToggle(popListView, "HideFilters2");
    addToolbarToggle(popListView, "HideToolbar2");
    popListView->addSeparator();
    connect(popListView->addAction("Invert selection"), &QAction::triggered, this,
            &DuplicatesPage::InvertSelectionClick);
    connect(popListView->addAction("Deselect all"), &QAction::triggered, this,
            &DuplicatesPage::DeselectAllClick);
    popListView->addSeparator();
    connect(popListView->addAction("Collapse all groups"), &QAction::triggered, this,
            &DuplicatesPage::CollapseAllClick);
    connect(popListView->addAction("Expand all groups"), &QAction::triggered, this,
            &DuplicatesPage::ExpandAllClick);
    popListView->addSeparator();
    disposalItems[Disposal::lvRescueV] = popListView->addAction("Move selected files to Rescue vault");
    disposalItems[Disposal::lvRecycleBin] = popListView->addAction("Delete selected files to Recycle Bin");
    disposalItems[Disposal::lvZipDelete] = popListView->addAction("Zip and delete to Recycle Bin");
    popListView->addSeparator();
    connect(popListView->addAction("Clear all (no files are deleted)"), &QAction::triggered, this,
            &DuplicatesPage::ClearGroupedListClick);
    QAction* removeFiles = popListView->addAction("Remove selected files from list (no files are deleted)");
    removeFiles->setObjectName("RemoveSelectedFiles1");
    connect(removeFiles, &QAction::triggered, this, &DuplicatesPage::RemoveSelectedFilesClick);
    QAction* removeGroups = popListView->addAction("Remove selected groups from list (no files are deleted)");
    removeGroups->setObjectName("RemoveSelectedGroups1");
    connect(removeGroups, &QAction::triggered, this, &DuplicatesPage::RemoveSelectedGroupsClick);
    popListView->addSeparator();
    Addgroups1 = popListView->addAction("Allow multiple groups in lists");
    Addgroups1->setObjectName("Addgroups1");
    Addgroups1->setCheckable(true);
    Addgroups1->setChecked(true);
    lvOrphans2 = popListView->addAction("Automatically remove group orphans");
    popListView->addSeparator();
    QAction* rescue = popListView->addAction("Open Rescue Center...");
    rescue->setObjectName("lvOpenRescurV");
    connect(rescue, &QAction::triggered, this, [this] {
        if (openRescueCenter)
            openRescueCenter();
    });
    // The remove items' captions change as the menu opens; their names find them again.
    removeFiles->setProperty("baseCaption", removeFiles->text());
    removeGroups->setProperty("baseCaption", removeGroups->text());
}

void DuplicatesPage::buildPopManage() {
    popManage = new QMenu(this);
    popManage->setObjectName("popManage");
    QAction* clearAll = popManage->addAction("Clear &All");
    connect(clearAll, &QAction::triggered, this, &DuplicatesPage::ClearAllClick);
    QAction* search = popManage->addAction("Search for duplicates");
    search->setObjectName("SearchAgain1");
    connect(search, &QAction::triggered, this, &DuplicatesPage::btnSearchClick);
    QAction* listAll = popManage->addAction("&List all duplicate files");
    listAll->setObjectName("ListAll1");
    connect(listAll, &QAction::triggered, this, &DuplicatesPage::jvdupNodesClick);
    popManage->addSeparator();
    disposalItems[Disposal::MoveSelected] = popManage->addAction("Move selected duplicates to Rescue Center");
    disposalItems[Disposal::DeleteSelected] =
        popManage->addAction("&Delete selected duplicates to Recycle Bin");
    disposalItems[Disposal::zDeleteR] =
        popManage->addAction("Zip and delete selected duplicates to Recycle Bin");
    disposalItems[Disposal::zDeleteP] =
        popManage->addAction("Zip and delete selected duplicates permanently");
    disposalItems[Disposal::DeleteP] = popManage->addAction("Delete selected files permanently");
    popManage->addSeparator();
    lvOrphans3 = popManage->addAction("Automatically remove group orphans");
}

void DuplicatesPage::buildPopSelect() {
    popSelect = new QMenu(this);
    popSelect->setObjectName("popSelect");
    connect(popSelect->addAction("Clear selections"), &QAction::triggered, this,
            &DuplicatesPage::ClearSelectionsClick);
    connect(popSelect->addAction("Select one duplicate in each group"), &QAction::triggered, this,
            &DuplicatesPage::SelectOneDuplicateClick);
    connect(popSelect->addAction("Select All duplicates in each group"), &QAction::triggered, this,
            &DuplicatesPage::SelectAllDuplicatesClick);
    popSelectTypes = popSelect->addMenu("Select all duplicates of type ");
    popSelectTypes->setObjectName("popSelectTypes");
}

void DuplicatesPage::addFiltersToggle(QMenu* menu, const QString& name) {
    QAction* item = menu->addAction("Hide Filters panel");
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this] {
        if (fMain.sidePanel)
            fMain.sidePanel->setVisible(!fMain.sidePanel->isVisible());
    });
}

void DuplicatesPage::addToolbarToggle(QMenu* menu, const QString& name) {
    QAction* item = menu->addAction("Hide Toolbar");
    item->setObjectName(name);
    connect(item, &QAction::triggered, this,
            [this] { pnlClonesTop->setVisible(!pnlClonesTop->isVisible()); });
}

// The show/hide items say what a click would do now.
void DuplicatesPage::captionToggles(QMenu* menu, const QString& filtersName, const QString& toolbarName) {
    const bool sideVisible = fMain.sidePanel && fMain.sidePanel->isVisible();
    menu->findChild<QAction*>(filtersName)
        ->setText(sideVisible ? "Hide Filters Panel" : "Show Filters Panel");
    menu->findChild<QAction*>(toolbarName)
        ->setText(pnlClonesTop->isVisible() ? "Hide Toolbar" : "Show Toolbar");
}

void DuplicatesPage::popClonesPopup() {
    captionToggles(popClones, "HideFilters1", "HideToolbar1");
    popClones->findChild<QAction*>("HideNavigator1")
        ->setText(navigator->isVisible() ? "Hide Duplicates Navigator" : "Show Duplicates Navigator");
    QAction* typeItem = popClones->findChild<QAction*>("SelectType1");
    const duplicates::TCloneRecord* current = currentFlatRecord();
    typeItem->setVisible(current != nullptr);
    if (current)
        typeItem->setText("Select all duplicates of type: " + QString::fromStdString(current->FileType));
    lvOrphans->setChecked(orphansOn());
}

void DuplicatesPage::popListViewPopup() {
    const bool groupedActive = !flatShown();
    const QList<QAction*> actions = popListView->actions();
    for (int i = 0; i < actions.size() - 1; ++i) actions[i]->setEnabled(groupedActive);
    captionToggles(popListView, "HideFilters2", "HideToolbar2");

    const int checked = fGrouped.checkedCount();
    QAction* removeFiles = popListView->findChild<QAction*>("RemoveSelectedFiles1");
    QAction* removeGroups = popListView->findChild<QAction*>("RemoveSelectedGroups1");
    removeFiles->setText(removeFiles->property("baseCaption").toString());
    removeGroups->setText(removeGroups->property("baseCaption").toString());
    const bool anyChecked = checked > 0;
    item(popListView, "Deselect all")->setEnabled(anyChecked && groupedActive);
    for (Disposal d : {Disposal::lvRescueV, Disposal::lvRecycleBin, Disposal::lvZipDelete})
        disposalItems[d]->setEnabled(anyChecked && groupedActive && !ActiveFilters);
    removeFiles->setEnabled(anyChecked && groupedActive);
    const int group = fGroupedModel->groupOf(ListView1->currentIndex());
    if (group >= 0 && groupedActive) {
        removeFiles->setText(QString("Remove the selected\"%1 %2\" from the list (no files are deleted)")
                                 .arg(checked)
                                 .arg(checked < 2 ? "file" : "files"));
        removeFiles->setEnabled(checked > 0);
        removeGroups->setEnabled(true);
        removeGroups->setText(QString("Remove group \"%1\" from the list (no files are deleted)")
                                  .arg(QString::fromStdString(fGrouped.groups[group].header)));
    }
    lvOrphans2->setChecked(orphansOn());
}

bool DuplicatesPage::popManagePopup() {
    if (ActiveFilters) {
        fContext.dialogs.information("Information", kFiltersRefusal);
        popManage->close();
        return false;
    }
    const bool flat = flatShown();
    const bool marked = flat ? fClonesModel->marks().count() > 0 : fGrouped.checkedCount() > 0;
    item(popManage, "&List all duplicate files")->setEnabled(!flat);
    for (Disposal d : {Disposal::MoveSelected, Disposal::DeleteSelected, Disposal::zDeleteR})
        disposalItems[d]->setEnabled(marked);
    for (Disposal d : {Disposal::zDeleteP, Disposal::DeleteP}) disposalItems[d]->setEnabled(flat && marked);
    lvOrphans3->setEnabled(marked);
    lvOrphans3->setChecked(orphansOn());
    return true;
}

bool DuplicatesPage::popSelectPopup() {
    if (ActiveFilters) {
        fContext.dialogs.information("Information", kFiltersRefusal);
        return false;
    }
    popSelectTypes->clear();
    QComboBox* types = filters->cbFilter;
    popSelectTypes->menuAction()->setVisible(types->count() > 0);
    popSelectTypes->setEnabled(flatShown());
    for (int i = 0; i < types->count(); ++i) {
        const QString type = types->itemText(i);
        // Literal captions: "&" in a type name is not an access key.
        QAction* a = popSelectTypes->addAction(QString(type).replace("&", "&&"));
        a->setData(type);
        connect(a, &QAction::triggered, this, [this, type] { SelectTypeClick(type, true); });
    }
    return true;
}

}  // namespace orlivo::app
