#include "AppWindows.h"
#include "ColorBox.h"
#include "IniFile.h"
#include "MainOptionDefaults.h"
#include "OptionsPage.h"
#include "Sandbox.h"
#include "TMain_f.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSpinBox>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo;
using namespace orlivo::app;

namespace {

struct Options {
    int theme, highlight, placeGroup, backupLife, maxDisk, passes;
    QColor color1, color2;
    bool saveDuplicates, loadLists, days, research;
    QString openFolder;
    bool compact, delete1;
};

Options read(TMain_f& m) {
    OptionsPage& o = *m.options;
    return {o.cbxVCLStyles->currentIndex(),
            o.rgHighlight->checkedId(),
            o.rgPlaceGroup->checkedId(),
            o.spBackUpLife->value(),
            o.spMaxDisk->value(),
            m.SpinEdit1->value(),
            o.cbColor1->color(),
            o.cbColor2->color(),
            o.cbSaveDuplicates->isChecked(),
            o.cbLoadLists->isChecked(),
            o.cbDays->isChecked(),
            o.cbResearch->isChecked(),
            m.fOpenDialogFolder,
            m.storedMenuItem("Compact1")->isChecked(),
            m.storedMenuItem("Delete1")->isChecked()};
}

void expectEqual(const Options& a, const Options& b) {
    EXPECT_EQ(a.theme, b.theme);
    EXPECT_EQ(a.highlight, b.highlight);
    EXPECT_EQ(a.placeGroup, b.placeGroup);
    EXPECT_EQ(a.backupLife, b.backupLife);
    EXPECT_EQ(a.maxDisk, b.maxDisk);
    EXPECT_EQ(a.passes, b.passes);
    EXPECT_EQ(a.color1, b.color1);
    EXPECT_EQ(a.color2, b.color2);
    EXPECT_EQ(a.saveDuplicates, b.saveDuplicates);
    EXPECT_EQ(a.loadLists, b.loadLists);
    EXPECT_EQ(a.days, b.days);
    EXPECT_EQ(a.research, b.research);
    EXPECT_EQ(a.openFolder, b.openFolder);
    EXPECT_EQ(a.compact, b.compact);
    EXPECT_EQ(a.delete1, b.delete1);
}

const Options kDefaults{defaults::kThemeIndex,
                        defaults::kHighlight,
                        defaults::kPlaceGroup,
                        defaults::kBackupLifeDays,
                        defaults::kMaxDiskMb,
                        defaults::kShredPasses,
                        defaults::kColorGroup1,
                        defaults::kColorGroup2,
                        defaults::kSaveDuplicates,
                        defaults::kLoadLists,
                        defaults::kKeepBackups,
                        defaults::kResearch,
                        QString(),
                        true,
                        false};

}  // namespace

TEST(StoredOptions, DefaultsWithoutASettingsFile) {
    test::Sandbox box;
    AppWindows windows(*box.context);
    windows.main().show();
    expectEqual(read(windows.main()), kDefaults);
    EXPECT_TRUE(windows.main().options->cbDeleteBackup->isChecked());
    ASSERT_EQ(windows.main().options->jvExtPreview->count(), 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(windows.main().options->jvExtPreview->item(i)->checkState(), Qt::Checked);
}

TEST(StoredOptions, RoundTripThroughTheSettingsFile) {
    test::Sandbox box;
    const Options chosen{2,
                         1,
                         2,
                         365,
                         10000,
                         10,
                         QColor(Qt::red),
                         QColor(0x12, 0x34, 0x56),
                         false,
                         false,
                         true,
                         false,
                         "/some folder/with spaces ",
                         false,
                         true};
    {
        AppWindows windows(*box.context);
        TMain_f& m = windows.main();
        m.show();
        OptionsPage& o = *m.options;
        o.cbxVCLStyles->setCurrentIndex(chosen.theme);
        o.rgHighlight->button(chosen.highlight)->setChecked(true);
        o.rgPlaceGroup->button(chosen.placeGroup)->setChecked(true);
        o.spBackUpLife->setValue(chosen.backupLife);
        o.spMaxDisk->setValue(chosen.maxDisk);
        m.SpinEdit1->setValue(chosen.passes);
        o.cbColor1->setColor(chosen.color1);
        o.cbColor2->setColor(chosen.color2);
        o.cbSaveDuplicates->setChecked(chosen.saveDuplicates);
        o.cbLoadLists->setChecked(chosen.loadLists);
        o.cbDays->setChecked(chosen.days);
        o.cbResearch->setChecked(chosen.research);
        o.cbDeleteBackup->setChecked(false);
        m.fOpenDialogFolder = chosen.openFolder;
        m.storedMenuItem("Compact1")->setChecked(chosen.compact);
        m.storedMenuItem("Delete1")->setChecked(chosen.delete1);
        m.setGeometry(10, 20, 780, 560);
        m.close();
    }
    // Nothing but the settings file is left beside it: it was renamed into place.
    EXPECT_EQ(QDir(box.folders().system()).entryList(QDir::Files | QDir::Hidden), QStringList({"ORV10.cfg"}));
    AppWindows windows(*box.context);
    windows.main().show();
    expectEqual(read(windows.main()), chosen);
    EXPECT_TRUE(windows.main().options->cbDeleteBackup->isChecked());  // never stored
    EXPECT_EQ(windows.main().geometry().size(), QSize(780, 560));
}

TEST(StoredOptions, UnreadableOrDamagedFileLeavesDefaultsOrClampedValues) {
    {
        test::Sandbox box;
        QDir().mkpath(box.folders().settingsFile());  // a folder where the file should be
        AppWindows windows(*box.context);
        windows.main().show();
        expectEqual(read(windows.main()), kDefaults);
        windows.main().close();  // saving fails quietly; exit goes on
    }
    test::Sandbox box;
    {
        AppWindows windows(*box.context);
        windows.main().show();
        windows.main().close();
    }
    platform::IniFile ini(box.folders().settingsFile());
    const QStringList keys = ini.keys("System");
    auto set = [&](const QString& part, const QString& value) {
        for (const QString& k : keys) {
            if (k.contains(part))
                ini.writeString("System", k, value);
        }
    };
    set("cbxVCLStyles", "7");     // no such theme
    set("rgHighlight", "-5");     // no such button
    set("spBackUpLife", "9999");  // clamped to 365
    set("spMaxDisk", "1");        // clamped to 50
    set("SpinEdit1", "ten");      // not a number
    set("cbColor1", "not a colour");
    set("cbSaveDuplicates", "");
    set("Placement", "1,2,3");
    ASSERT_TRUE(ini.save());
    AppWindows windows(*box.context);
    windows.main().show();
    Options expected = kDefaults;
    expected.backupLife = 365;
    expected.maxDisk = 50;
    expectEqual(read(windows.main()), expected);
}

TEST(StoredOptions, SavingKeepsOtherWindowsValues) {
    test::Sandbox box;
    {
        platform::IniFile ini(box.folders().settingsFile());
        ini.writeString("System", "Data_f.cbPath.Items", "/home");
        ASSERT_TRUE(ini.save());
    }
    AppWindows windows(*box.context);
    windows.main().show();
    windows.main().close();
    EXPECT_EQ(platform::IniFile(box.folders().settingsFile()).readString("System", "Data_f.cbPath.Items"),
              "/home");
}

TEST(DataFoldersAtStart, CreationMakesArchivesAndSystemOnlyAndReadsTheirContents) {
    test::Sandbox box;
    const DataFolders f = box.folders();
    {
        AppWindows windows(*box.context);
        EXPECT_TRUE(QDir(f.archives()).exists());
        EXPECT_TRUE(QDir(f.system()).exists());
        for (const QString& later : {f.temp(), f.duplicates(), f.rescue(), f.defaults()}) {
            EXPECT_FALSE(QDir(later).exists()) << later.toStdString();
        }
        EXPECT_EQ(windows.main().options->jvDeepScanCB->count(), 0);  // no files.include
        windows.main().show();
        windows.main().close();
        EXPECT_TRUE(QDir(f.temp()).exists());
    }
    box.writeFile(f.deepScanTypesFile(), "*.tmp\n\n*.bak\r\n");
    box.writeFile(f.archives() + "/work.zal");
    box.writeFile(f.archives() + "/Backups.zal");
    AppWindows windows(*box.context);
    QListWidget* deep = windows.main().options->jvDeepScanCB;
    ASSERT_EQ(deep->count(), 2);
    EXPECT_EQ(deep->item(1)->text(), "*.bak");
    EXPECT_EQ(deep->item(1)->checkState(), Qt::Checked);
    ASSERT_EQ(windows.main().jvArchiveLists->count(), 2);
    EXPECT_EQ(windows.main().jvArchiveLists->item(0)->text(), "Backups.zal");
    EXPECT_EQ(windows.main().ActiveFile, "Backups.zal");
    EXPECT_FALSE(windows.main().fLoadZips);
}
