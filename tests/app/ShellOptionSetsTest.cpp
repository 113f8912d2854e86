#include "Sandbox.h"
#include "ShellOptionSets.h"

#include <QDir>
#include <QFile>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

// Each option set of the program, run in the sandbox on one present and one missing file: where the
// present file goes, whether the shell asks first, whether the failure is shown, and whether any
// progress names a file.
TEST(ShellOptionSets, EachSetBehavesAsItsPurposeNeeds) {
    struct Case {
        const char* purpose;
        platform::FileOpFlags flags;
        bool toTrash, asks, showsErrors, progress;
    };
    const Case cases[] = {
        {"empty Temp at exit", shellsets::EmptyTemp, false, false, false, false},
        {"duplicates to the Recycle Bin", shellsets::DuplicatesToRecycleBin, true, false, true, true},
        {"duplicates permanently", shellsets::DuplicatesPermanently, false, false, true, false},
        {"files moved into the Rescue Center", shellsets::RemoveRescued, false, false, false, true},
        {"an archive deleted from the disk", shellsets::DeleteArchive, true, true, true, true},
        {"an archive list file", shellsets::DeleteArchiveList, false, true, false, false},
    };
    for (const Case& c : cases) {
        test::Sandbox box;
        const QString file = box.writeFile(box.root() + "/data/file.zip", "zip");
        int asked = 0;
        QStringList errors, progress;
        platform::ShellOperationUi ui;
        ui.confirmDelete = [&](int, bool) { return ++asked > 0; };
        ui.showError = [&](const QString& m) { errors << m; };
        ui.progress = [&](const QString& item, int, int) { progress << item; };
        auto op = box.platform->fileOperation(ui);
        op.clearSources();
        op.setFlags(c.flags);
        op.addSource(file);
        op.addSource(box.root() + "/data/missing.zip");
        EXPECT_FALSE(op.execute()) << c.purpose;
        EXPECT_FALSE(QFile::exists(file)) << c.purpose;
        const bool inTrash = QFile::exists(box.platform->locations().homeTrash + "/files/file.zip");
        EXPECT_EQ(inTrash, c.toTrash) << c.purpose;
        EXPECT_EQ(asked, c.asks ? 1 : 0) << c.purpose;
        EXPECT_EQ(errors.size(), c.showsErrors ? 1 : 0) << c.purpose;
        EXPECT_EQ(!progress.isEmpty(), c.progress) << c.purpose;
    }
}
