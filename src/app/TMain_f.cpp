#include "TMain_f.h"

#include "AboutPage.h"
#include "CloneListFiles.h"
#include "DisplaySize.h"
#include "DuplicatesPage.h"
#include "Embedding.h"
#include "FiltersPanel.h"
#include "TNavigator_f.h"

#include <QTreeWidget>
#include "HelpTopics.h"
#include "MainOptionDefaults.h"
#include "OptionsPage.h"
#include "PageTitles.h"
#include "StoredWidgets.h"
#include "TWork_f.h"
#include "TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace orlivo::app {
namespace {

struct CategoryButton {
    int tag;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap icon;
};

// The side menu's buttons, top to bottom, with the tag of the page each opens.
const CategoryButton kCategoryButtons[] = {
    {PageJunkFiles, "Cleaner and Optimizer", "Find and remove junk and obsolete files", QStyle::SP_TrashIcon},
    {PageZipManager, "Zip file Manager", "Manage zip files", QStyle::SP_DirIcon},
    {PageDuplicates, "Duplicate files Manager", "Find and remove duplicate files",
     QStyle::SP_FileDialogContentsView},
    {PageStartUp, "Startup Manager", "Manage applications that start with Windows", QStyle::SP_MediaPlay},
    {PageShredder, "File Shredder", "Securely delete files", QStyle::SP_DialogDiscardButton},
    {PageFindFiles, "Find Files", "Search for files on your computer", QStyle::SP_FileDialogDetailedView},
    {PageSettings, "Settings", "Application settings", QStyle::SP_FileDialogListView},
    {PageAbout, "About", "About Orlivo", QStyle::SP_MessageBoxInformation},
};

// Component names of the pages and of the actions that open them, by index.
const char* const kPageNames[] = {"TabSheet1",  "TabSheet2", "TabSheet3", "TabSheet4",
                                  "TabSheet12", "TabSheet7", "TabSheet5", "TabSheet6"};
const char* const kActionNames[] = {"actCleaner",    "actShredder",  "actZipManager", "actSettings",
                                    "actDuplicates", "actJunkfiles", "actStartUp",    "actFindFiles"};

int tagOf(const QObject* sender) {
    return sender ? sender->property("Tag").toInt() : -1;
}

QWidget* hostPanel(QWidget* page, const QString& name) {
    auto* panel = new QWidget(page);
    panel->setObjectName(name);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    return panel;
}

}  // namespace

TMain_f::TMain_f(AppContext& context) : fContext(context), fStorage("Main_f") {
    setObjectName("Main_f");
    setWindowTitle(kCaption);
    setMinimumSize(760, 520);
    resize(1200, 760);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildTop(central);
    column->addWidget(pnlTop);
    auto* row = new QHBoxLayout();
    row->setSpacing(0);
    buildSideMenu(central);
    row->addWidget(svMain);
    auto* right = new QVBoxLayout();
    buildInfoBar(central);
    right->addWidget(pnlInfo);
    buildPages(central);
    right->addWidget(pgMain, 1);
    row->addLayout(right, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);
    buildStatusBar();
    buildMenus();
    connectDuplicatesPage();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    Timer1->setProperty("Tag", PageJunkFiles);
    connect(Timer1, &QTimer::timeout, this, &TMain_f::Timer1Timer);
    bindStoredValues();
    FormCreate();
}

TMain_f::~TMain_f() = default;

void TMain_f::buildTop(QWidget* parent) {
    pnlTop = new QWidget(parent);
    pnlTop->setObjectName("pnlTop");
    pnlTop->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QHBoxLayout(pnlTop);
    auto* labels = new QVBoxLayout();
    Label4 = new QLabel(pnlTop);
    Label6 = new QLabel(pnlTop);
    Label5 = new QLabel(pnlTop);
    Label4->setObjectName("Label4");
    Label6->setObjectName("Label6");
    Label5->setObjectName("Label5");
    for (QLabel* l : {Label4, Label6, Label5}) labels->addWidget(l);
    layout->addLayout(labels, 1);
    iACtive = new QProgressBar(pnlTop);
    iACtive->setObjectName("iACtive");
    iACtive->setRange(0, 0);
    iACtive->setTextVisible(false);
    iACtive->setFixedWidth(120);
    iACtive->setVisible(false);
    layout->addWidget(iACtive);
}

void TMain_f::buildSideMenu(QWidget* parent) {
    svMain = new QWidget(parent);
    svMain->setObjectName("svMain");
    svMain->setAutoFillBackground(true);
    svMain->setBackgroundRole(QPalette::AlternateBase);
    auto* layout = new QVBoxLayout(svMain);
    layout->setContentsMargins(2, 2, 2, 2);
    btnCategories = new QWidget(svMain);
    btnCategories->setObjectName("btnCategories");
    auto* buttons = new QVBoxLayout(btnCategories);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (int tag = 0; tag < MainPageCount; ++tag) {
        auto* action = new QAction(this);
        action->setObjectName(kActionNames[tag]);
        action->setProperty("Tag", tag);
        actions[tag] = action;
    }
    for (const CategoryButton& b : kCategoryButtons) {
        QAction* action = actions[b.tag];
        action->setText(b.caption);
        action->setToolTip(b.hint);
        action->setStatusTip(b.hint);
        action->setIcon(style()->standardIcon(b.icon));
        auto* button = new QToolButton(btnCategories);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setAutoRaise(true);
        buttons->addWidget(button);
    }
    for (QAction* action : actions) {
        if (tagOf(action) == PageSettings) {
            connect(action, &QAction::triggered, this, &TMain_f::actSettingsExecute);
        } else {
            connect(action, &QAction::triggered, this, [this, action] { actCleanerExecute(action); });
        }
    }
    layout->addWidget(btnCategories);

    pnlHidden = new QWidget(svMain);
    pnlHidden->setObjectName("pnlHidden");
    auto* hidden = new QVBoxLayout(pnlHidden);
    hidden->setContentsMargins(0, 0, 0, 0);
    JvPageList1 = new QStackedWidget(pnlHidden);
    JvPageList1->setObjectName("JvPageList1");
    pgFilters = new QWidget(JvPageList1);
    pgFilters->setObjectName("pgFilters");
    pgZipPlaces = new QWidget(JvPageList1);
    pgZipPlaces->setObjectName("pgZipPlaces");
    auto* places = new QVBoxLayout(pgZipPlaces);
    places->setContentsMargins(0, 0, 0, 0);
    places->addWidget(new QLabel("Places", pgZipPlaces));
    jvArchiveLists = new QListWidget(pgZipPlaces);
    jvArchiveLists->setObjectName("jvArchiveLists");
    places->addWidget(jvArchiveLists);
    JvPageList1->addWidget(pgFilters);
    JvPageList1->addWidget(pgZipPlaces);
    hidden->addWidget(JvPageList1);
    pnlHidden->hide();
    layout->addWidget(pnlHidden, 1);
    layout->addStretch();

    lblPanel8 = new QLabel(svMain);
    lblPanel8->setObjectName("lblPanel8");
    lblPanel8->setWordWrap(true);
    lblPanel8->setCursor(Qt::PointingHandCursor);
    connect(lblPanel8, &QLabel::linkActivated, this, &TMain_f::lblPanel8Click);
    layout->addWidget(lblPanel8);
}

void TMain_f::buildInfoBar(QWidget* parent) {
    pnlInfo = new QWidget(parent);
    pnlInfo->setObjectName("pnlInfo");
    auto* layout = new QHBoxLayout(pnlInfo);
    Image1 = new QToolButton(pnlInfo);
    Image1->setObjectName("Image1");
    Image1->setText("\u2630");
    Image1->setToolTip("Show or hide the side menu");
    Image1->setAutoRaise(true);
    connect(Image1, &QToolButton::clicked, this, &TMain_f::Image1Click);
    lblTitle = new QLabel("Orlivo", pnlInfo);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    tbInfo = new QWidget(pnlInfo);
    tbInfo->setObjectName("tbInfo");
    auto* info = new QHBoxLayout(tbInfo);
    info->setContentsMargins(0, 0, 0, 0);
    pnlImage = new QLabel(tbInfo);
    pnlImage->setObjectName("pnlImage");
    pnlImage->hide();
    tbInfoText = new QLabel(tbInfo);
    tbInfoText->setObjectName("tbInfoText");
    lblWarning = new QLabel(tbInfo);
    lblWarning->setObjectName("lblWarning");
    lblWarning->hide();
    info->addWidget(pnlImage);
    info->addWidget(tbInfoText, 1);
    info->addWidget(lblWarning);
    layout->addWidget(Image1);
    layout->addWidget(lblTitle);
    layout->addSpacing(24);
    layout->addWidget(tbInfo, 1);
}

void TMain_f::buildPages(QWidget* parent) {
    pgMain = new QStackedWidget(parent);
    pgMain->setObjectName("pgMain");
    for (int i = 0; i < MainPageCount; ++i) {
        auto* page = new QWidget(pgMain);
        page->setObjectName(kPageNames[i]);
        pgMain->addWidget(page);
    }
    about = new AboutPage(pgMain->widget(PageAbout));
    (new QVBoxLayout(pgMain->widget(PageAbout)))->addWidget(about);
    connect(about, &AboutPage::webAddressClicked, this, &TMain_f::lblPanel8Click);

    duplicatesPage = new DuplicatesPage(fContext, pgMain->widget(PageDuplicates));
    (new QVBoxLayout(pgMain->widget(PageDuplicates)))->addWidget(duplicatesPage);

    auto* scroll = new QScrollArea(pgMain->widget(PageSettings));
    options = new OptionsPage(scroll);
    scroll->setWidget(options);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    (new QVBoxLayout(pgMain->widget(PageSettings)))->addWidget(scroll);
    connect(options->btnHelp, &QPushButton::clicked, this, [this] { OpenHelp(help::Options); });
    connect(options->btnRestoreHints, &QPushButton::clicked, this,
            [this] { AllHintsWarnings = !AllHintsWarnings; });
    connect(options->cbxVCLStyles, &QComboBox::activated, this, &TMain_f::cbxVCLStylesChange);

    // The shredder's pass count is a stored option of this window; the shredder lays it out.
    SpinEdit1 = new QSpinBox(pgMain->widget(PageShredder));
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(defaults::kShredPassesMin, defaults::kShredPassesMax);
    SpinEdit1->setValue(defaults::kShredPasses);
    SpinEdit1->hide();

    pnlContainer = hostPanel(pgMain->widget(PageJunkFiles), "pnlContainer");
    pnlStartForm = hostPanel(pgMain->widget(PageStartUp), "pnlStartForm");
    pnlFindFiles = hostPanel(pgMain->widget(PageFindFiles), "pnlFindFiles");
    connect(pgMain, &QStackedWidget::currentChanged, this, [this] { pgMainChange(); });
}

void TMain_f::connectDuplicatesPage() {
    auto* filtersLayout = new QVBoxLayout(pgFilters);
    filtersLayout->setContentsMargins(0, 0, 0, 0);
    filtersLayout->addWidget(duplicatesPage->filters);
    DuplicatesPage::MainParts parts;
    parts.infoText = tbInfoText;
    parts.infoImage = pnlImage;
    parts.warning = lblWarning;
    parts.statusDirectory = StatusPanels[0];
    parts.statusSelection = StatusPanels[2];
    parts.sidePanel = pnlHidden;
    parts.markedCount = &fMarkedCount;
    parts.markedSize = &fMarkedSize;
    parts.removeOrphans = &fRemoveOrphans;
    parts.options = options;
    parts.showFiltersPage = [this] {
        JvPageList1->setCurrentWidget(pgFilters);
        pnlHidden->setVisible(pgMain->currentIndex() == PageDuplicates);
    };
    duplicatesPage->setMainParts(parts);
    lblWarning->setText("This duplicate group has all files marked for deletion");
    pnlImage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
}

void TMain_f::buildStatusBar() {
    const int widths[3] = {800, 175, 150};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(statusBar());
        StatusPanels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        if (i == 0) {
            StatusPanels[i]->setMinimumWidth(0);
            statusBar()->addWidget(StatusPanels[i], 1);
        } else {
            StatusPanels[i]->setFixedWidth(widths[i]);
            statusBar()->addPermanentWidget(StatusPanels[i]);
        }
    }
}

void TMain_f::buildMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    auto toolItem = [this](const char* name, int tag) {
        QAction* item = PopupMenu1->addAction(actions[tag]->text());
        item->setObjectName(name);
        item->setProperty("Tag", tag);
        connect(item, &QAction::triggered, actions[tag], &QAction::trigger);
        return item;
    };
    mnClean = toolItem("mnClean", PageJunkFiles);
    mnZip = toolItem("mnZip", PageZipManager);
    mnClones = toolItem("mnClones", PageDuplicates);
    mnStartUp = toolItem("mnStartUp", PageStartUp);
    mnShred = toolItem("mnShred", PageShredder);
    mnSettings = toolItem("mnSettings", PageSettings);
    PopupMenu1->addSeparator();
    for (const QString& name : defaults::kStoredMenuItems) {
        auto* item = new QAction(this);
        item->setObjectName(name);
        item->setCheckable(true);
        fStoredMenuItems[name] = item;
    }
    Compact1 = fStoredMenuItems["Compact1"];
    Compact1->setText("&Compact");
    Compact1->setShortcut(QKeySequence("Ctrl+C"));
    Compact1->setChecked(true);
    PopupMenu1->addAction(Compact1);
    CollapseOnly1 = PopupMenu1->addAction("Co&llapse only");
    CollapseOnly1->setObjectName("Collapseonly1");
    CollapseOnly1->setCheckable(true);
    CollapseOnly1->setShortcut(QKeySequence("Ctrl+L"));
    CollapseAndExpandView1 = PopupMenu1->addAction(SideMenuState::kExpandViewCaption);
    CollapseAndExpandView1->setObjectName("Collapseandexpandview1");
    CollapseAndExpandView1->setCheckable(true);
    CollapseAndExpandView1->setShortcut(QKeySequence("Ctrl+E"));
    CollapseAndExpandView1->setProperty("Tag", 0);
    for (QAction* a : {Compact1, CollapseOnly1, CollapseAndExpandView1}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    // Triggering a checkable item flips its tick first; the handlers set every tick themselves.
    connect(Compact1, &QAction::triggered, this, &TMain_f::Compact1Click);
    connect(CollapseOnly1, &QAction::triggered, this, &TMain_f::CollapseOnlyClick);
    connect(CollapseAndExpandView1, &QAction::triggered, this, &TMain_f::CollapseAndExpandViewClick);
    connect(pnlTop, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(pnlTop->mapToGlobal(at)); });
}

void TMain_f::bindStoredValues() {
    storePlacement(fStorage, this);
    storeItemIndex(fStorage, options->cbxVCLStyles);
    storeColor(fStorage, options->cbColor1);
    storeColor(fStorage, options->cbColor2);
    storeItemIndex(fStorage, options->rgHighlight);
    storeItemIndex(fStorage, options->rgPlaceGroup);
    for (QCheckBox* box :
         {options->cbSaveDuplicates, options->cbLoadLists, options->cbDays, options->cbResearch}) {
        storeChecked(fStorage, box);
    }
    for (QSpinBox* box : {options->spBackUpLife, options->spMaxDisk, SpinEdit1}) storeValue(fStorage, box);
    storeText(fStorage, "OpenDialog1", "InitialDir", fOpenDialogFolder);
    for (QAction* item : fStoredMenuItems) storeChecked(fStorage, item);
}

void TMain_f::setWorkWindow(TWork_f* work) {
    fWork = work;
    if (!fWork)
        return;
    fWork->addCompetingControl(btnCategories);
    fWork->addCompetingControl(duplicatesPage->btnSearch);
    // The navigator's root node and link would start a second operation.
    fWork->addCompetingControl(duplicatesPage->navigator->jvDupNodes);
    fWork->addCompetingControl(duplicatesPage->navigator->lblOpenLast);
    fWork->addCompetingControl(jvArchiveLists);
    fWork->setBusyHandler([this](bool busy) {
        CancelListZip = busy;
        iACtive->setVisible(busy);
    });
}

void TMain_f::FormCreate() {
    const DataFolders& folders = fContext.folders;
    fHelpFile = fContext.platform.locations().programFolder + "/Help/ORV10";
    fApplyTheme = true;
    fLoadZips = true;

    fThemes = std::make_unique<Themes>(QApplication::style()->name());
    options->cbxVCLStyles->clear();
    options->cbxVCLStyles->addItems(fThemes->names());
    options->cbxVCLStyles->setCurrentIndex(defaults::kThemeIndex);
    fAppliedTheme = fThemes->names().front();

    fDebugLogFile = folders.debugLogFile();
    OldColor = 0xFF0000;
    fRemoveOrphans = true;

    const auto& info = fContext.platform.computerInfo();
    Label4->setText("Operating System: " + info.osName + ", " + info.servicePack);
    Label6->setText(
        QString("CPU %1: %2, %3").arg(info.is64Bit ? "64 Bit" : "32 Bit", info.processorName, info.vendorId));
    Label5->setText("Computer name: " + info.computerName);

    pgMain->setCurrentIndex(PageJunkFiles);

    DataFolders::ensure(folders.archives());
    jvArchiveLists->clear();
    const QIcon listIcon = style()->standardIcon(QStyle::SP_FileDialogListView);
    for (const QString& name : QDir(folders.archives()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        jvArchiveLists->addItem(new QListWidgetItem(listIcon, name));
    }

    for (int i = 0; i < options->jvExtPreview->count(); ++i)
        options->jvExtPreview->item(i)->setCheckState(Qt::Checked);
    if (QFileInfo(folders.system()).isDir()) {
        options->loadDeepScanTypes(folders.deepScanTypesFile());
    } else {
        DataFolders::ensure(folders.system());
    }

    fStorage.setFileName(folders.settingsFile());

    if (jvArchiveLists->count() > 0 && fLoadZips) {
        fLoadZips = false;
        ActiveFile = jvArchiveLists->item(0)->text();
        jvArchiveLists->setCurrentRow(0);
    }
}

void TMain_f::showEvent(QShowEvent* e) {
    // Stored values are in place before the window's own show handler runs.
    fStorage.restoreOnce();
    QMainWindow::showEvent(e);
    if (!fShown) {
        fShown = true;
        fSideMenu.setCompactTicked(Compact1->isChecked());
        applySideMenu();
        FormShow();
    }
}

void TMain_f::FormShow() {
    fHelpFile = fContext.platform.locations().programFolder + "/Help/ORV10";
    if (options->cbxVCLStyles->currentIndex() > 0 && fApplyTheme) {
        if (fWork)
            fWork->setText("Applying theme...");
        fApplyTheme = false;
        Timer1->start(1000);
    } else if (!(fDockWindow && fDockWindow->isVisible())) {
        actCleanerExecute(Timer1);
    }
    if (fWork && fWork->isVisible())
        fWork->Close();
}

void TMain_f::Timer1Timer() {
    fApplyTheme = false;
    Timer1->stop();
    if (fWork) {
        fWork->setText("Applying theme...");
        fWork->Show();
    }
    const QString name = options->cbxVCLStyles->currentText();
    if (fThemes->apply(name))
        fAppliedTheme = name;
    if (!(fDockWindow && fDockWindow->isVisible()))
        actCleanerExecute(Timer1);
    if (fWork)
        fWork->Close();
}

void TMain_f::cbxVCLStylesChange() {
    Timer1->start(1000);
}

void TMain_f::actCleanerExecute(QObject* sender) {
    const int tag = tagOf(sender);
    if (fWork)
        fWork->setText(TWork_f::kDefaultText);
    pnlHidden->hide();
    lblTitle->setText(PageTitleForTag(tag));
    if (tag == PageZipManager) {
        JvPageList1->setCurrentWidget(pgZipPlaces);
        pnlHidden->setVisible(fSideMenu.isOpen());
    } else if (tag == PageDuplicates) {
        JvPageList1->setCurrentWidget(pgFilters);
        pnlHidden->setVisible(fSideMenu.isOpen());
    }
    if (tag == PageDuplicates && !fDuplicatesOpened) {
        fDuplicatesOpened = true;
        // The first visit loads the saved result; with none saved there is nothing to load or to say.
        const auto saved = duplicates::CloneListPaths::in(fContext.folders.duplicates().toStdString());
        if (duplicatesPage->result().FIDLISTB.empty() && options->cbLoadLists->isChecked() &&
            QFileInfo::exists(QString::fromStdString(saved.records))) {
            pgMain->setCurrentIndex(tag);
            duplicatesPage->OpenLastSequence();
        }
    }
    if (tag >= 0 && tag < MainPageCount) {
        pgMain->setCurrentIndex(tag);
        if (tag == PageStartUp)
            ImportStartUpForm();
        if (tag == PageJunkFiles)
            ImportFormToContainer();
        if (tag == PageFindFiles)
            ImportFindForm();
    }
    pgMainChange();
    lblPanel8->setText(fSideMenu.isOpen() ? QString("<a href=\"%1\">%1</a>").arg(kMakerWebAddress)
                                          : QString());
}

void TMain_f::actSettingsExecute() {
    pnlHidden->hide();
    lblTitle->setText(PageTitleForTag(PageSettings));
    pgMain->setCurrentIndex(PageSettings);
}

void TMain_f::pgMainChange() {
    tbInfoText->clear();
    pnlImage->hide();
    lblWarning->hide();
    StatusPanels[0]->clear();
    if (pgMain->currentIndex() == PageDuplicates && fMarkedSize > 0) {
        tbInfoText->setText(QString::number(fMarkedCount) + " files are marked for deletion. Total size " +
                            ConvertToDisplaySize(fMarkedSize));
    }
}

void TMain_f::ImportFormToContainer() {
    if (!fJunkFactory || !HostIsEmpty(pnlContainer))
        return;
    EmbedWindow(fJunkFactory(this), pnlContainer);
}

void TMain_f::ImportStartUpForm() {
    EmbedWindow(fStartUpWindow, pnlStartForm);
}

void TMain_f::ImportFindForm() {
    EmbedWindow(fFindWindow, pnlFindFiles);
}

void TMain_f::applySideMenu() {
    svMain->setFixedWidth(fSideMenu.width());
    svMain->setVisible(fSideMenu.width() > 0);
    const bool compactStrip = !fSideMenu.isOpen();
    for (QToolButton* button : btnCategories->findChildren<QToolButton*>()) {
        button->setToolButtonStyle(compactStrip ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
    pnlTop->setVisible(fSideMenu.topPanelVisible());
    Compact1->setChecked(fSideMenu.compactTicked());
    CollapseOnly1->setChecked(fSideMenu.collapseTicked());
    CollapseAndExpandView1->setChecked(fSideMenu.expandViewTicked());
    CollapseAndExpandView1->setText(fSideMenu.expandViewCaption());
    CollapseAndExpandView1->setProperty("Tag", fSideMenu.expandViewTag());
    sideMenuOpenedOrClosed();
}

void TMain_f::sideMenuOpenedOrClosed() {
    const int page = pgMain->currentIndex();
    const bool open = fSideMenu.isOpen();
    pnlHidden->setVisible(open && (page == PageZipManager || page == PageDuplicates));
    if (open && page == PageZipManager)
        JvPageList1->setCurrentWidget(pgZipPlaces);
    jvArchiveLists->setVisible(open);
    lblPanel8->setText(open ? QString("<a href=\"%1\">%1</a>").arg(kMakerWebAddress) : QString());
    for (QAction* item : {mnClean, mnZip, mnClones, mnStartUp, mnShred, mnSettings}) item->setEnabled(!open);
}

void TMain_f::Image1Click() {
    pgMain->setEnabled(false);
    fSideMenu.toggle();
    applySideMenu();
    pgMain->setEnabled(true);
}

void TMain_f::Compact1Click() {
    fSideMenu.compact();
    applySideMenu();
}

void TMain_f::CollapseOnlyClick() {
    fSideMenu.collapseOnly();
    applySideMenu();
}

void TMain_f::CollapseAndExpandViewClick() {
    fSideMenu.collapseAndExpandView();
    applySideMenu();
}

void TMain_f::lblPanel8Click() {
    fContext.platform.launcher().open(kMakerWebAddress);
}

void TMain_f::OpenHelp(int context) {
    fContext.platform.launcher().open(HelpPageFor(fContext.platform.locations().programFolder, context));
}

void TMain_f::FormCloseQuery() {
    if (fWork) {
        fWork->setText("House keeping...");
        fWork->Show();
    }
    // Each step may fail; exit always goes on.
    if (fCloseSteps.saveActiveArchiveList)
        fCloseSteps.saveActiveArchiveList();
    EmptyTempFolder(fContext.platform, fContext.folders);
    if (options->cbSaveDuplicates->isChecked() && fCloseSteps.duplicateListHasRecords &&
        fCloseSteps.duplicateListHasRecords() && fCloseSteps.saveDuplicateLists) {
        fCloseSteps.saveDuplicateLists();
    }
    if (options->cbDays->isChecked() && fCloseSteps.vaultRetention)
        fCloseSteps.vaultRetention();
    if (fWork)
        fWork->Close();
}

void TMain_f::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
    fStorage.save();
    QMainWindow::closeEvent(e);
}

}  // namespace orlivo::app
