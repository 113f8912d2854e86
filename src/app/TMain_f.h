#pragma once

#include "AppContext.h"
#include "FormStorage.h"
#include "ImageList.h"
#include "SideMenuState.h"
#include "Themes.h"

#include <QMainWindow>
#include <QMap>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QSpinBox;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace orlivo::app {

class AboutPage;
class DuplicatesPage;
class OptionsPage;
class TWork_f;

// The main window: side menu, the eight tool pages, info bar and status bar, the Options page, and the
// housekeeping when it closes.
class TMain_f : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Orlivo 10 -Marrowby Technologies Inc.");

    explicit TMain_f(AppContext& context);
    ~TMain_f() override;

    // The windows created after this one that it works with.
    void setWorkWindow(TWork_f* work);
    void setStartUpWindow(QWidget* window) { fStartUpWindow = window; }
    void setFindWindow(QWidget* window) { fFindWindow = window; }
    // The cleaner's window is created when its page is first opened.
    void setJunkWindowFactory(std::function<QWidget*(QWidget* owner)> factory) {
        fJunkFactory = std::move(factory);
    }
    // The junk category window; while it is visible, start-up does not switch to the cleaner page.
    void setDockWindow(QWidget* window) { fDockWindow = window; }

    // Steps of the close housekeeping that arrive with their tools; each may fail without stopping exit.
    struct CloseSteps {
        std::function<void()> saveActiveArchiveList;
        std::function<bool()> duplicateListHasRecords;
        std::function<void()> saveDuplicateLists;
        std::function<void()> vaultRetention;
    };
    CloseSteps& closeSteps() { return fCloseSteps; }

    // Handlers, one per user event.
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void actCleanerExecute(QObject* sender);
    void actSettingsExecute();
    void pgMainChange();
    void Image1Click();
    void Compact1Click();
    void CollapseOnlyClick();
    void CollapseAndExpandViewClick();
    void cbxVCLStylesChange();
    void Timer1Timer();
    void lblPanel8Click();
    void OpenHelp(int context);

    // Puts a tool window into its host panel, at most once per run.
    void ImportFormToContainer();
    void ImportStartUpForm();
    void ImportFindForm();

    FormStorage& storage() { return fStorage; }
    AppContext& context() { return fContext; }
    QAction* storedMenuItem(const QString& name) const { return fStoredMenuItems.value(name); }
    const SideMenuState& sideMenu() const { return fSideMenu; }
    QTimer* themeTimer() const { return Timer1; }
    const Themes& themes() const { return *fThemes; }
    QString appliedTheme() const { return fAppliedTheme; }

    // The window's state.
    bool fApplyTheme = false;
    bool fLoadZips = false;
    QString ActiveFile;
    int OldColor = 0;
    bool fRemoveOrphans = false;
    bool CancelListZip = false;
    bool AllHintsWarnings = false;
    qint64 fMarkedCount = 0;
    qint64 fMarkedSize = 0;
    QString fOpenDialogFolder;  // last folder of the "Open Zip file" dialog
    QString fDebugLogFile;
    QString fHelpFile;

    // Components.
    QWidget* pnlTop = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QProgressBar* iACtive = nullptr;
    QWidget* svMain = nullptr;
    QWidget* btnCategories = nullptr;
    QWidget* pnlHidden = nullptr;
    QStackedWidget* JvPageList1 = nullptr;
    QWidget* pgFilters = nullptr;
    QWidget* pgZipPlaces = nullptr;
    QListWidget* jvArchiveLists = nullptr;
    QLabel* lblPanel8 = nullptr;
    QWidget* pnlInfo = nullptr;
    QLabel* lblTitle = nullptr;
    QToolButton* Image1 = nullptr;
    QWidget* tbInfo = nullptr;
    QLabel* tbInfoText = nullptr;
    QLabel* pnlImage = nullptr;
    QLabel* lblWarning = nullptr;
    QStackedWidget* pgMain = nullptr;
    QWidget* pnlContainer = nullptr;
    QWidget* pnlStartForm = nullptr;
    QWidget* pnlFindFiles = nullptr;
    QLabel* StatusPanels[3] = {nullptr, nullptr, nullptr};
    OptionsPage* options = nullptr;
    AboutPage* about = nullptr;
    DuplicatesPage* duplicatesPage = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mnClean = nullptr;
    QAction* mnZip = nullptr;
    QAction* mnClones = nullptr;
    QAction* mnStartUp = nullptr;
    QAction* mnShred = nullptr;
    QAction* mnSettings = nullptr;
    QAction* Compact1 = nullptr;
    QAction* CollapseOnly1 = nullptr;
    QAction* CollapseAndExpandView1 = nullptr;
    QMap<int, QAction*> actions;  // by tag: actCleaner (0) ... actFindFiles (7)
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildTop(QWidget* parent);
    void buildSideMenu(QWidget* parent);
    void buildInfoBar(QWidget* parent);
    void buildPages(QWidget* parent);
    void buildStatusBar();
    void buildMenus();
    void connectDuplicatesPage();
    void bindStoredValues();
    void applySideMenu();
    void sideMenuOpenedOrClosed();

    AppContext& fContext;
    FormStorage fStorage;
    std::unique_ptr<Themes> fThemes;
    QString fAppliedTheme;
    SideMenuState fSideMenu;
    TWork_f* fWork = nullptr;
    QWidget* fStartUpWindow = nullptr;
    QWidget* fFindWindow = nullptr;
    QWidget* fDockWindow = nullptr;
    std::function<QWidget*(QWidget*)> fJunkFactory;
    QMap<QString, QAction*> fStoredMenuItems;
    CloseSteps fCloseSteps;
    bool fShown = false;
    bool fDuplicatesOpened = false;
};

}  // namespace orlivo::app
