// Renders each page of the main window, offscreen and in a sandbox, into <folder>/<index>-<page>.png.

#include "AppWindows.h"
#include "OrlivoApplication.h"
#include "PageTitles.h"
#include "Sandbox.h"
#include "DisposalCommands.h"
#include "DuplicatesPage.h"
#include "TRescue_f.h"
#include "FiltersPanel.h"
#include "OptionsPage.h"
#include "TData_f.h"
#include "TMain_f.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& name) {
    QApplication::processEvents();
    if (!window.grab().save(name)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return false;
    }
    std::printf("%s\n", qPrintable(name));
    return true;
}

// The duplicates page with a scanned result: flat view, grouped view, filters active, in both themes of
// the program.
bool duplicatesShots(orlivo::test::Sandbox& box, orlivo::app::AppWindows& windows, const QString& folder) {
    using namespace orlivo::app;
    const char* const names[] = {"holiday-001.jpg", "holiday-002.jpg", "report 2026.pdf", "notes.txt",
                                 "budget.ods",      "song.ogg",        "setup.sh",        "logo.png"};
    const char* const folders[] = {"Pictures", "Backup/Pictures", "Documents", "Downloads", "Old/Documents"};
    for (int n = 0; n < 8; ++n) {
        for (int f = 0; f < 5; ++f) {
            if ((n + f) % 3 == 2)
                continue;
            box.writeFile(box.root() + "/home/" + folders[f] + "/" + names[n],
                          QByteArray((n + 1) * 37000 + n * 911, char('a' + n)));
        }
    }
    TData_f& options = windows.options();
    options.lbPaths->addItem(box.root() + "/home");
    options.edMin->setValue(0);
    options.btnStartClick();
    TMain_f& main = windows.main();
    DuplicatesPage& page = *main.duplicatesPage;
    main.resize(1400, 800);
    page.ExecuteSearchForDuplicates();
    main.actCleanerExecute(main.actions.value(PageDuplicates));
    for (const QString& theme : {QString("Orlivo Light"), QString("Orlivo Dark")}) {
        main.options->cbxVCLStyles->setCurrentText(theme);
        main.Timer1Timer();
        main.actCleanerExecute(main.actions.value(PageDuplicates));
        const QString tag = theme.section(' ', 1).toLower();
        page.jvdupNodesClick();
        page.SelectAllDuplicatesClick();
        if (!save(main, QString("%1/dup-flat-%2.png").arg(folder, tag)))
            return false;
        page.vVNodesNodeClick(0);
        page.vVNodesNodeClick(2);
        page.SelectAllDuplicatesClick();
        if (!save(main, QString("%1/dup-grouped-%2.png").arg(folder, tag)))
            return false;
        page.jvdupNodesClick();
        page.filters->cbSizeFilter->setChecked(true);
        page.filters->edMinSz->setText("100");
        page.filters->edMaxSz->setText("300");
        page.btnApplyClick();
        if (!save(main, QString("%1/dup-filters-%2.png").arg(folder, tag)))
            return false;
        page.btnClearFilterClick();
        page.filters->cbSizeFilter->setChecked(false);
    }
    // Two groups' extra copies moved to the vault, then the Rescue Center exploring that archive.
    page.jvdupNodesClick();
    page.selectFlatRows({1, 2, 4});
    box.dialogs.answers = {Answer::Yes};
    windows.disposal().run(Disposal::Moveselectedfiles1);
    TRescue_f& rescue = windows.rescue();
    rescue.resize(900, 420);
    rescue.open();
    QApplication::processEvents();
    if (rescue.lvBackup->topLevelItemCount() > 0) {
        rescue.lvBackup->setCurrentItem(rescue.lvBackup->topLevelItem(0));
        rescue.btnExplore->setChecked(true);
    }
    if (!save(rescue, QString("%1/rescue-center-dark.png").arg(folder)))
        return false;
    rescue.hide();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    orlivo::app::OrlivoApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    orlivo::test::Sandbox box;
    orlivo::app::AppWindows windows(*box.context);
    orlivo::app::TMain_f& main = windows.main();
    main.show();
    main.resize(1200, 760);
    for (int tag = 0; tag < orlivo::app::MainPageCount; ++tag) {
        QObject sender;
        sender.setProperty("Tag", tag);
        if (tag == orlivo::app::PageSettings) {
            main.actSettingsExecute();
        } else {
            main.actCleanerExecute(&sender);
        }
        QApplication::processEvents();
        const QString name =
            QString("%1/%2-%3.png").arg(folder).arg(tag).arg(main.pgMain->currentWidget()->objectName());
        if (!main.grab().save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        std::printf("%s  %s\n", qPrintable(name), qPrintable(main.lblTitle->text()));
    }
    return duplicatesShots(box, windows, folder) ? 0 : 1;
}
