#include "FileAttributes.h"
#include "FileTypes.h"
#include "LocaleFormats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace orlivo::platform;

TEST(FileAttributes, HiddenReadOnlyDirectoryAndTimes) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.txt"), hidden = dir.filePath(".hidden"),
                  ro = dir.filePath("ro.txt");
    for (const QString& p : {plain, hidden, ro}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("12345");
    }
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_EQ(fileStatus(plain)->attributes, 0u);
    EXPECT_EQ(fileStatus(plain)->size, 5);
    EXPECT_EQ(fileStatus(hidden)->attributes, attr::Hidden);
    EXPECT_EQ(fileStatus(ro)->attributes, attr::ReadOnly);
    EXPECT_TRUE(fileStatus(dir.path())->attributes & attr::Directory);
    EXPECT_FALSE(fileStatus(dir.filePath("missing")).has_value());

    const QDateTime when = QDateTime::fromString("2020-02-29T13:14:15", Qt::ISODate);
    ASSERT_TRUE(setLastWriteTime(plain, when));
    EXPECT_EQ(fileStatus(plain)->lastWrite, when);
}

TEST(FileTypes, NamesByExtensionAlone) {
    EXPECT_EQ(fileTypeName("/nowhere/a.txt").isEmpty(), false);
    EXPECT_NE(fileTypeName("/nowhere/a.txt"), "TXT File");
    EXPECT_EQ(fileTypeName("/nowhere/archive.qqqzz"), "QQQZZ File");
    EXPECT_EQ(fileTypeName("/nowhere/Makefile-like"), "File");
    EXPECT_FALSE(smallFileIcon("/nowhere/a.txt").isNull());
}

TEST(LocaleFormats, CLocaleUsesTheUsForms) {
    const LocaleFormats us = LocaleFormats::us();
    EXPECT_EQ(us.formatDate(QDate(2026, 3, 7)), "3/7/2026");
    EXPECT_EQ(us.formatTime(QTime(14, 5, 9)), "2:05:09 PM");
}
