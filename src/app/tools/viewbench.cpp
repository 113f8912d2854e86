// Times the duplicates page on a large result: opening and scrolling the flat view, the selection
// commands with their marked totals, and the filters. Runs offscreen on a sandboxed platform; the
// records are made up (their files need not exist: the flat view never looks at the disk).
#include "AppWindows.h"
#include "ClonesModel.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "OrlivoApplication.h"
#include "PageTitles.h"
#include "Platform.h"
#include "QtDialogs.h"
#include "TMain_f.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orlivo::app::OrlivoApplication application(argc, argv);
    const int records = argc > 1 ? std::stoi(argv[1]) : 100000;
    QTemporaryDir dir;
    auto platform = orlivo::platform::Platform::sandbox(dir.path());
    orlivo::app::QtDialogs dialogs;
    orlivo::app::AppContext context(*platform, dialogs);
    orlivo::app::AppWindows windows(context);
    orlivo::app::TMain_f& main = windows.main();
    orlivo::app::DuplicatesPage& page = *main.duplicatesPage;
    main.resize(1600, 1000);
    main.show();
    main.actCleanerExecute(main.actions.value(orlivo::app::PageDuplicates));
    QApplication::processEvents();

    auto& list = page.result().FIDLISTB;
    for (int i = 0; i < records; ++i) {
        orlivo::duplicates::TCloneRecord r;
        const int group = i / 2 - i / 6;  // groups of two and three
        r.Name = r.FullPath =
            "/data/folder" + std::to_string(i % 977) + "/file" + std::to_string(group) + ".bin";
        r.Size = std::to_string(1000 + (group % 5000) * 1023);
        r.FileType = group % 3 ? "Binary file" : "Text file";
        r.DateModified = "12/11/2026 4:53:20 PM";
        r.GroupID = group;
        r.ColorId = group % 2 + 1;
        r.ID = i + 1;
        list.push_back(std::move(r));
    }
    const long before = residentKb();
    auto t = std::chrono::steady_clock::now();
    page.resultChanged();
    page.lvClones->repaint();
    std::printf("records                          %d\n", records);
    std::printf("open flat view (set rows, paint) %7.4f s\n", seconds(t));

    t = std::chrono::steady_clock::now();
    QScrollBar* bar = page.lvClones->verticalScrollBar();
    const int pages = 200;
    for (int k = 1; k <= pages; ++k) {
        bar->setValue(int(qint64(bar->maximum()) * k / pages));
        page.lvClones->repaint();
    }
    std::printf("scroll, per page painted         %7.4f s (%d pages)\n", seconds(t) / pages, pages);
    std::printf("memory for the view              %7ld KB (rows are not objects)\n", residentKb() - before);

    t = std::chrono::steady_clock::now();
    page.SelectAllDuplicatesClick();
    page.lvClones->repaint();
    std::printf("select all duplicates + totals   %7.4f s (%lld marked, %s)\n", seconds(t),
                static_cast<long long>(main.fMarkedCount), qPrintable(main.tbInfoText->text()));
    t = std::chrono::steady_clock::now();
    page.SelectOneDuplicateClick();
    page.lvClones->repaint();
    std::printf("select one duplicate + totals    %7.4f s (%lld marked)\n", seconds(t),
                static_cast<long long>(main.fMarkedCount));
    t = std::chrono::steady_clock::now();
    page.InvertSelectionClick();
    page.lvClones->repaint();
    std::printf("invert selection + totals        %7.4f s (%lld marked)\n", seconds(t),
                static_cast<long long>(main.fMarkedCount));
    t = std::chrono::steady_clock::now();
    page.selectFlatRows({records / 2});
    page.lvClones->repaint();
    std::printf("one more row + totals            %7.4f s\n", seconds(t));

    page.DeselectAllClick();
    page.filters->cbSizeFilter->setChecked(true);
    page.filters->edMinSz->setText("100");
    page.filters->edMaxSz->setText("2000");
    t = std::chrono::steady_clock::now();
    page.btnApplyClick();
    page.lvClones->repaint();
    std::printf("apply size filter                %7.4f s (%d rows)\n", seconds(t),
                page.lvClones->model()->rowCount());
    t = std::chrono::steady_clock::now();
    page.btnClearFilterClick();
    page.lvClones->repaint();
    std::printf("clear filters                    %7.4f s (%d rows)\n", seconds(t),
                page.lvClones->model()->rowCount());
    return 0;
}
