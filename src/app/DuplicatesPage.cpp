#include "DuplicatesPage.h"

#include "ClonesModel.h"
#include "ColorBox.h"
#include "DisplaySize.h"
#include "FileTypes.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "GroupedModel.h"
#include "OptionsPage.h"
#include "ShellHelpers.h"
#include "TData_f.h"
#include "TNavigator_f.h"
#include "TWork_f.h"
#include "ToolButtons.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace orlivo::app {

DuplicatesPage::DuplicatesPage(AppContext& context, QWidget* parent) : QWidget(parent), fContext(context) {
    setObjectName("DuplicatesPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The views live in a main window of their own, so the navigator docks at their left and can be
    // floated and docked again like any tool window.
    pnlDuplicates = new QMainWindow(this);
    pnlDuplicates->setObjectName("pnlDuplicates");
    pnlDuplicates->setWindowFlags(Qt::Widget);
    pnlDuplicates->setDockOptions(QMainWindow::AnimatedDocks);
    auto* central = new QWidget(pnlDuplicates);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    pnlDuplicates->setCentralWidget(central);
    layout->addWidget(pnlDuplicates);

    buildToolbar();
    centralLayout->addWidget(pnlClonesTop);
    PB2 = new QProgressBar(central);
    PB2->setObjectName("PB2");
    PB2->hide();
    centralLayout->addWidget(PB2);
    buildViews();
    centralLayout->addWidget(pgClones, 1);
    lblSummary = new QLabel(central);
    lblSummary->setObjectName("lblSummary");
    centralLayout->addWidget(lblSummary);

    navigator = new TNavigator_f(fResult.FIDListN, imNodes, pnlDuplicates);
    navigator->setAllowedAreas(Qt::LeftDockWidgetArea);
    pnlDuplicates->addDockWidget(Qt::LeftDockWidgetArea, navigator);
    connect(navigator, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        // Docked again: the panel takes the navigator's width, 295 when it had none.
        if (!floating)
            pnlDuplicates->resizeDocks({navigator}, {navigator->width() > 0 ? navigator->width() : 295},
                                       Qt::Horizontal);
    });
    connect(navigator, &TNavigator_f::jvdupNodesClick, this, &DuplicatesPage::jvdupNodesClick);
    connect(navigator, &TNavigator_f::lblOpenLastClick, this, &DuplicatesPage::lblOpenLastClick);
    connect(navigator, &TNavigator_f::vVNodesNodeClick, this, &DuplicatesPage::vVNodesNodeClick);

    // The main window moves the panel into its side panel, which then owns it.
    filters = new FiltersPanel(this);
    connectFilters();
    buildMenus();
    connect(navigator->vVNodes, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        popListViewPopup();
        popListView->popup(navigator->vVNodes->viewport()->mapToGlobal(p));
    });
    btnSaveClones->setEnabled(false);
    btnOpen->setEnabled(false);
    emptyFolderCount = [this] { return int(FoldersList.emptyOnes().size()); };
    clearEmptyFolders = [this] { FoldersList.clear(); };
}

DuplicatesPage::~DuplicatesPage() = default;

void DuplicatesPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The dock panel gets its width once it has a size of its own to share.
    if (!fDockSized) {
        fDockSized = true;
        pnlDuplicates->resizeDocks({navigator}, {295}, Qt::Horizontal);
    }
}

void DuplicatesPage::setMainParts(const MainParts& parts) {
    fMain = parts;
    if (fMain.options) {
        connect(fMain.options->cbColor1, &QComboBox::currentIndexChanged, this, [this] { applyLook(); });
        connect(fMain.options->cbColor2, &QComboBox::currentIndexChanged, this, [this] { applyLook(); });
        connect(fMain.options->rgHighlight, &QButtonGroup::idToggled, this, [this] { applyLook(); });
    }
    applyLook();
}

void DuplicatesPage::applyLook() {
    ClonesModel::Look look;
    if (fMain.options) {
        look.group1 = fMain.options->cbColor1->color();
        look.group2 = fMain.options->cbColor2->color();
        look.strikeout = fMain.options->rgHighlight->checkedId() == 1;
    }
    fClonesModel->setLook(look);
    fGroupedModel->setStrikeout(look.strikeout);
    ListView1->viewport()->update();
}

void DuplicatesPage::buildToolbar() {
    pnlClonesTop = new QWidget(this);
    pnlClonesTop->setObjectName("pnlClonesTop");
    auto* bar = new QHBoxLayout(pnlClonesTop);
    bar->setContentsMargins(4, 2, 4, 2);
    btnSearch = makeToolButton(pnlClonesTop, "btnSearch", "Analyze", QStyle::SP_FileDialogContentsView,
                               Qt::ToolButtonTextBesideIcon);
    btnDupScanCancel = makeToolButton(pnlClonesTop, "btnDupScanCancel", "Cancel", QStyle::SP_BrowserStop,
                                      Qt::ToolButtonTextBesideIcon);
    btnDupScanCancel->setEnabled(false);
    btnSelect = makeToolButton(pnlClonesTop, "btnSelect", "Select", QStyle::SP_DialogApplyButton,
                               Qt::ToolButtonTextBesideIcon);
    btnManage = makeToolButton(pnlClonesTop, "btnManage", "Manage", QStyle::SP_FileDialogDetailedView,
                               Qt::ToolButtonTextBesideIcon);
    btnEmptyFolders = makeToolButton(pnlClonesTop, "btnEmptyFolders", "Empty Folders",
                                     QStyle::SP_DirClosedIcon, Qt::ToolButtonTextBesideIcon);
    btnRescueCenter = makeToolButton(pnlClonesTop, "btnRescueCenter", "Rescue Center", QStyle::SP_DriveHDIcon,
                                     Qt::ToolButtonTextBesideIcon);
    btnSaveClones = makeToolButton(pnlClonesTop, "btnSaveClones", "Save ", QStyle::SP_DialogSaveButton,
                                   Qt::ToolButtonTextBesideIcon);
    btnOpen = makeToolButton(pnlClonesTop, "btnOpen", "Load", QStyle::SP_DialogOpenButton,
                             Qt::ToolButtonTextBesideIcon);
    auto* close = new QToolButton(pnlClonesTop);
    close->setObjectName("btnCloseToolbar");
    close->setText("x");
    close->setAutoRaise(true);
    close->setToolTip("Hide Toolbar");
    for (QToolButton* b : {btnSearch, btnDupScanCancel, btnSelect, btnManage, btnEmptyFolders,
                           btnRescueCenter, btnSaveClones, btnOpen})
        bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(close);
    connect(btnSearch, &QToolButton::clicked, this, &DuplicatesPage::btnSearchClick);
    connect(btnDupScanCancel, &QToolButton::clicked, this, &DuplicatesPage::btnDupScanCancelClick);
    connect(btnSelect, &QToolButton::clicked, this, [this] {
        if (popSelectPopup())
            popSelect->popup(btnSelect->mapToGlobal(QPoint(0, btnSelect->height())));
    });
    connect(btnManage, &QToolButton::clicked, this, [this] {
        if (popManagePopup())
            popManage->popup(btnManage->mapToGlobal(QPoint(0, btnManage->height())));
    });
    connect(btnEmptyFolders, &QToolButton::clicked, this, &DuplicatesPage::btnFoldersClick);
    connect(btnRescueCenter, &QToolButton::clicked, this, [this] {
        if (openRescueCenter)
            openRescueCenter();
    });
    connect(btnSaveClones, &QToolButton::clicked, this, &DuplicatesPage::btnSaveClonesClick);
    connect(btnOpen, &QToolButton::clicked, this, &DuplicatesPage::btnOpenClick);
    connect(close, &QToolButton::clicked, pnlClonesTop, &QWidget::hide);
}

void DuplicatesPage::buildViews() {
    pgClones = new QStackedWidget(this);
    pgClones->setObjectName("pgClones");

    fGroupedModel = new GroupedModel(fGrouped, imClones, this);
    ListView1 = new QTreeView(pgClones);
    ListView1->setObjectName("ListView1");
    ListView1->setModel(fGroupedModel);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAlternatingRowColors(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    const int groupedWidths[] = {400, 100, 100, 140, 100, 100};
    for (int c = 0; c < GroupedModel::ColumnCount; ++c) ListView1->setColumnWidth(c, groupedWidths[c]);
    fGroupedModel->checksChanged = [this] { updateGroupedWarning(); };
    connect(ListView1, &QTreeView::expanded, this, [this](const QModelIndex& i) {
        if (const int g = fGroupedModel->groupOf(i); g >= 0)
            fGrouped.groups[g].collapsed = false;
    });
    connect(ListView1, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
        if (const int g = fGroupedModel->groupOf(i); g >= 0)
            fGrouped.groups[g].collapsed = true;
    });
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        popListViewPopup();
        popListView->popup(ListView1->viewport()->mapToGlobal(p));
    });

    fClonesModel = new ClonesModel(imClones, this);
    fClonesModel->toggleRow = [this](int row) { lvClones->toggleRow(row); };
    lvClones = new FlatView(pgClones);
    lvClones->setObjectName("lvClones");
    lvClones->setClonesModel(fClonesModel);
    lvClones->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvClones->setSortingEnabled(false);
    lvClones->setShowGrid(false);
    lvClones->setWordWrap(false);
    lvClones->verticalHeader()->hide();
    lvClones->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvClones->verticalHeader()->setDefaultSectionSize(lvClones->fontMetrics().height() + 6);
    lvClones->horizontalHeader()->setSectionsClickable(false);
    lvClones->horizontalHeader()->setStretchLastSection(true);
    const int flatWidths[] = {500, 100, 100, 140, 100};
    for (int c = 0; c < ClonesModel::ColumnCount; ++c) lvClones->setColumnWidth(c, flatWidths[c]);
    lvClones->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvClones, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        popClonesPopup();
        popClones->popup(lvClones->viewport()->mapToGlobal(p));
    });
    connect(lvClones, &QTableView::doubleClicked, this, [this] { OpenExternalClick(); });
    connect(lvClones, &FlatView::marksChanged, this, &DuplicatesPage::flatMarksChanged);

    pgClones->addWidget(ListView1);
    pgClones->addWidget(lvClones);
    pgClones->setCurrentWidget(lvClones);
}

bool DuplicatesPage::flatShown() const {
    return pgClones->currentWidget() == lvClones;
}

void DuplicatesPage::showFlat() {
    pgClones->setCurrentWidget(lvClones);
}

void DuplicatesPage::showGrouped() {
    pgClones->setCurrentWidget(ListView1);
}

void DuplicatesPage::busy(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (fWork)
            fWork->Show();
    } else {
        if (fWork)
            fWork->Close();
        QApplication::restoreOverrideCursor();
    }
}

void DuplicatesPage::btnSearchClick() {
    if (!fOptions || fScanning)
        return;
    if (ActiveFilters) {
        fContext.dialogs.information("Information", kFiltersRefusal);
        if (fMain.showFiltersPage)
            fMain.showFiltersPage();
        return;
    }
    if (const int empty = emptyFolderCount ? emptyFolderCount() : 0; empty > 0) {
        const Answer a = fContext.dialogs.confirm(
            "Confirm",
            QString("There are \"%1 empty folders\". Conducting a new scan will clear this list, do you "
                    "want to explore them, before you continue?")
                .arg(empty));
        if (a == Answer::Yes) {
            if (exploreEmptyFolders)
                exploreEmptyFolders();
            return;
        }
        if (clearEmptyFolders)
            clearEmptyFolders();
    }
    if (askScanOptions ? askScanOptions() : fOptions->exec() == 1)
        ExecuteSearchForDuplicates();
}

void DuplicatesPage::btnFoldersClick() {
    if (FoldersList.empty()) {
        fContext.dialogs.information("Information",
                                     "There are no empty folders. Empty folders will be displayed after "
                                     "duplicates files are deleted.");
        return;
    }
    if (exploreEmptyFolders)
        exploreEmptyFolders();
}

void DuplicatesPage::btnDupScanCancelClick() {
    if (fWork)
        fWork->setText("Cancelling...");
    CancelDuplicateSearch = true;
    if (fMain.infoText)
        fMain.infoText->clear();
    if (fMain.infoImage)
        fMain.infoImage->hide();
    if (fMain.statusDirectory)
        fMain.statusDirectory->clear();
    if (fResult.FIDLISTB.empty())
        navigator->setRootText("Click to start or use the Start button.");
}

void DuplicatesPage::ExecuteSearchForDuplicates() {
    if (!fOptions || fScanning)
        return;
    fScanning = true;
    CancelDuplicateSearch = false;
    btnSearch->setEnabled(false);
    btnDupScanCancel->setEnabled(true);
    if (fWork)
        fWork->Show();
    setMarkedTotals(0, 0);
    ClearFilters();
    filters->cbFilter->clear();
    FoldersList.clear();
    fGrouped.clear();
    fGroupedModel->reload();
    fResult = {};
    setFlatRows(false);
    navigator->nodes().reload();
    imClones.clear();
    imNodes.clear();
    showFlat();
    navigator->setRootText("Searching...");
    PB2->setValue(0);
    PB2->show();

    duplicates::ScanHooks hooks;
    hooks.directory = [this](const std::string& folder) {
        if (fMain.statusDirectory)
            fMain.statusDirectory->setText("Directory: " + QString::fromStdString(folder));
    };
    hooks.step = [this](const std::string& text) { navigator->setRootText(QString::fromStdString(text)); };
    hooks.progress = [this](std::size_t done, std::size_t total) {
        PB2->setMaximum(int(std::min<std::size_t>(total, 1 << 30)));
        PB2->setValue(int(std::min(done, total)));
    };
    // Pending events run between files, so the window stays alive and "Cancel" is heard.
    hooks.keepAlive = [this] {
        QApplication::processEvents();
        return CancelDuplicateSearch;
    };
    const duplicates::ScanResult scan =
        duplicates::findDuplicates(fOptions->roots(), fOptions->criteria(), fOptions->rule(), hooks);

    if (!scan.cancelled) {
        duplicates::RecordDecorations deco;
        deco.fileType = [](const std::string& p) {
            return platform::fileTypeName(QString::fromStdString(p)).toStdString();
        };
        deco.dateText = [this](std::int64_t ns) { return dateTimeText(ns); };
        deco.recordIcon = [this](const std::string& p) {
            return GetImageIndex(QString::fromStdString(p), nullptr, imClones);
        };
        deco.nodeIcon = [this](const std::string& p) {
            return GetImageIndex(QString::fromStdString(p), nullptr, imNodes);
        };
        deco.displaySize = [](std::int64_t b) { return ConvertToDisplaySize(b).toStdString(); };
        navigator->setRootText("Building index...Step 3/3");
        duplicates::buildResult(scan, fContext.folders.temp().toStdString(), deco, fResult);
        // The warning icon of fully marked groups is the last icon of the result images.
        imClones.add(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        for (const std::string& type : fResult.typeNames)
            filters->cbFilter->addItem(QString::fromStdString(type));
        filters->cbFilter->setCurrentIndex(filters->cbFilter->count() > 0 ? 0 : -1);
    } else {
        fResult = {};
    }
    PB2->hide();
    setFlatRows(false);
    navigator->nodes().reload();
    const bool found = !fResult.FIDLISTB.empty();
    navigator->setRootText(found || !scan.cancelled ? "List all duplicate files. Click here"
                                                    : "Click to start or use the Start button.");
    navigator->lblOpenLast->hide();
    lblSummary->setText(found ? QString("%1 duplicate files in %2 names, %3 in all.")
                                    .arg(fResult.FIDLISTB.size())
                                    .arg(fResult.FIDListN.size())
                                    .arg(ConvertToDisplaySize(fResult.szTotal))
                              : QString());
    btnSaveClones->setEnabled(true);
    btnOpen->setEnabled(true);
    if (fMain.statusDirectory)
        fMain.statusDirectory->clear();
    if (fMain.showFiltersPage)
        fMain.showFiltersPage();
    CancelDuplicateSearch = false;
    btnDupScanCancel->setEnabled(false);
    btnSearch->setEnabled(true);
    if (fWork)
        fWork->Close();
    fScanning = false;
}

void DuplicatesPage::setFlatRows(bool filtered) {
    fClonesModel->setRows(filtered ? &fFiltered.FIDLISTF : &fResult.FIDLISTB, filtered);
    // The short columns fit the rows in view (never narrower than their first width); the file column
    // keeps its width and the last one takes the rest.
    for (int c = ClonesModel::Type; c < ClonesModel::Grouping; ++c) {
        lvClones->resizeColumnToContents(c);
        lvClones->setColumnWidth(c, std::max(100, lvClones->columnWidth(c) + 16));
    }
    updateMarkedTotals();
}

void DuplicatesPage::resultChanged() {
    setFlatRows(ActiveFilters);
    navigator->nodes().reload();
}

}  // namespace orlivo::app
