#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using orlivo::platform::IniFile;

namespace {

QString writeText(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath("test.ini");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
}

QByteArray readText(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

}  // namespace

TEST(IniFile, ReadsWithProfileSemantics) {
    QTemporaryDir dir;
    const QString path = writeText(dir,
                                   "; comment\r\n"
                                   "[General]\r\n"
                                   "  Name  =  plain value  \r\n"
                                   "Quoted=\"  spaced  \"\r\n"
                                   "Single='x'\r\n"
                                   "Half=\"open\r\n"
                                   "name=second is ignored\r\n"
                                   "Empty=\r\n"
                                   "[general]\r\n"
                                   "Other=from duplicate section\r\n"
                                   "[Numbers]\r\n"
                                   "Dec=42\nNeg=-7\nHex=$1F\nHex2=0x10\nBad=12abc\nBig=5368709120\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.readString("GENERAL", "name"), "plain value");
    EXPECT_EQ(ini.readString("general", "QUOTED"), "  spaced  ");
    EXPECT_EQ(ini.readString("General", "Single"), "x");
    EXPECT_EQ(ini.readString("General", "Half"), "\"open");
    EXPECT_EQ(ini.readString("General", "Empty", "default"), "");
    EXPECT_EQ(ini.readString("General", "Missing", "default"), "default");
    EXPECT_EQ(ini.readString("Nowhere", "Name", "d"), "d");
    EXPECT_TRUE(ini.valueExists("general", "empty"));
    EXPECT_EQ(ini.readInteger("Numbers", "Dec", 0), 42);
    EXPECT_EQ(ini.readInteger("Numbers", "Neg", 0), -7);
    EXPECT_EQ(ini.readInteger("Numbers", "Hex", 0), 31);
    EXPECT_EQ(ini.readInteger("Numbers", "Hex2", 0), 16);
    EXPECT_EQ(ini.readInteger("Numbers", "Bad", 5), 5);
    EXPECT_EQ(ini.readInteger("Numbers", "Big", 0), 5368709120LL);
    EXPECT_TRUE(ini.readBool("Numbers", "Dec", false));
    EXPECT_EQ(ini.sections(), QStringList({"General", "Numbers"}));
}

TEST(IniFile, MissingOrUnreadableFileGivesDefaults) {
    QTemporaryDir dir;
    IniFile missing(dir.filePath("none.ini"));
    EXPECT_FALSE(missing.reload());
    EXPECT_EQ(missing.readInteger("S", "K", 9), 9);
    QDir(dir.path()).mkdir("folder.ini");  // unreadable as a file, even for root
    IniFile folder(dir.filePath("folder.ini"));
    EXPECT_FALSE(folder.reload());
    EXPECT_EQ(folder.readString("S", "K", "d"), "d");
    folder.writeString("S", "K", "v");
    EXPECT_FALSE(folder.save());
}

TEST(IniFile, WritesInPlaceAndKeepsTheRest) {
    QTemporaryDir dir;
    const QString path = writeText(dir, "; keep me\n[A]\nOne=1\n\n[B]\nTwo=2\n");
    IniFile ini(path);
    ini.writeString("a", "ONE", "first");  // existing key keeps its spelling and place
    ini.writeString("A", "Three", "3");    // new key goes after the section's last entry
    ini.writeString("C", "Four", "4");     // new section at the end
    ini.writeInteger("B", "Two", -2);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readText(path), "; keep me\n[A]\nOne=first\nThree=3\n\n[B]\nTwo=-2\n[C]\nFour=4\n");
    ini.deleteKey("A", "one");
    ini.eraseSection("b");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readText(path), "; keep me\n[A]\nThree=3\n\n[C]\nFour=4\n");
}

TEST(IniFile, ValuesTheReaderWouldAlterRoundTrip) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/folder/round.ini");  // parents are created
    const QStringList values = {" leading", "trailing ", "\"quoted\"", "'single'", "a=b", "ünïcødé", ""};
    {
        IniFile ini(path);
        for (int i = 0; i < values.size(); ++i) ini.writeString("S", QString("K%1").arg(i), values[i]);
        ASSERT_TRUE(ini.save());
    }
    const IniFile back(path);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.readString("S", QString("K%1").arg(i)), values[i]) << i;
}

TEST(IniFile, SaveReplacesTheFileWholeAndLeavesNoTemporaryFiles) {
    QTemporaryDir dir;
    const QString path = writeText(dir, "[S]\nK=old\n");
    IniFile ini(path);
    for (int i = 0; i < 500; ++i) ini.writeString("S", QString("Key%1").arg(i), QString(100, 'v'));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"test.ini"}));
    EXPECT_EQ(IniFile(path).keys("S").size(), 501);
}
