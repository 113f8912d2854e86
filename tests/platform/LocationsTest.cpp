#include "Platform.h"
#include "SpecialFolders.h"

#include <QDir>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo::platform;

TEST(SpecialFolders, ResolveRefuseOrHaveNoPath) {
    QTemporaryDir dir;
    const auto platform = Platform::sandbox(dir.path());
    const Locations& l = platform->locations();
    struct Case {
        int id;
        std::uint32_t code;
        QString path;
    };
    const Case cases[] = {
        {csidl::Startup, shellresult::Ok, l.autostart},
        {csidl::Recent, shellresult::Ok, l.recent},
        {csidl::DesktopDirectory, shellresult::Ok, l.desktop},
        {csidl::CommonStartup, shellresult::Ok, l.commonAutostart},
        {csidl::AppData, shellresult::Ok, l.configHome},
        {csidl::LocalAppData, shellresult::Ok, l.dataHome},
        {csidl::CommonAppData, shellresult::Ok, l.dataRoot},
        {csidl::Windows, shellresult::Ok, l.windowsFolder},
        {csidl::Profile, shellresult::Ok, l.home},
        {csidl::Printers, shellresult::Unexpected, {}},
        {csidl::BitBucket, shellresult::Unexpected, {}},
        {32, shellresult::InvalidArg, {}},  // internet cache: no Linux meaning
        {-1, shellresult::InvalidArg, {}},
    };
    for (const Case& c : cases) {
        const auto r = platform->specialFolder(c.id);
        EXPECT_EQ(r.code, c.code) << c.id;
        EXPECT_EQ(r.path, c.path) << c.id;
    }
}

TEST(Locations, SandboxKeepsEverythingInsideItsRoot) {
    QTemporaryDir dir;
    const auto platform = Platform::sandbox(dir.path());
    const Locations& l = platform->locations();
    for (const QString& p :
         {l.dataRoot, l.home, l.desktop, l.configHome, l.dataHome, l.recent, l.autostart, l.commonAutostart,
          l.windowsFolder, l.temp, l.systemDriveRoot, l.homeTrash, l.programFolder}) {
        EXPECT_TRUE(p.startsWith(dir.path() + "/")) << p.toStdString();
    }
    EXPECT_TRUE(QDir(l.temp).exists());
    EXPECT_FALSE(QDir(l.dataRoot + "/ORV10").exists());
}

TEST(Locations, EnvironmentFollowsXdgVariables) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/cfg").toUtf8());
    qputenv("XDG_DATA_HOME", "relative/is/ignored");
    QDir().mkpath(dir.path() + "/cfg");
    QFile f(dir.path() + "/cfg/user-dirs.dirs");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    f.close();
    const Locations l = Locations::fromEnvironment();
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(l.configHome, dir.path() + "/cfg");
    EXPECT_EQ(l.autostart, dir.path() + "/cfg/autostart");
    EXPECT_EQ(l.dataHome, l.home + "/.local/share");
    EXPECT_EQ(l.desktop, l.home + "/Schreibtisch");
    EXPECT_EQ(l.systemDriveRoot, "/");
    EXPECT_EQ(l.commonAutostart, "/etc/xdg/autostart");
}
