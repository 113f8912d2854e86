#include "Platform.h"
#include "ShellFileOperation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace orlivo::platform;

namespace {

class ShellFileOperationTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = Platform::sandbox(dir.path());
        work = dir.path() + "/work";
    }

    QString make(const QString& relative, const QByteArray& content = "data") {
        const QString path = work + "/" + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    QStringList remaining() const {
        QStringList names;
        QDirIterator it(work, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) names << QDir(work).relativeFilePath(it.next());
        names.sort();
        return names;
    }

    QStringList trashed() const {
        return QDir(platform->locations().homeTrash + "/files")
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    ShellFileOperation op(FileOpFlags flags) {
        ShellOperationUi ui;
        ui.showError = [this](const QString& m) { errors << m; };
        ui.confirmDelete = [this](int n, bool) {
            confirmations << n;
            return confirmAnswer;
        };
        ui.progress = [this](const QString& item, int, int) { progressItems << item; };
        ShellFileOperation o = platform->fileOperation(ui);
        o.setFlags(flags);
        return o;
    }

    QTemporaryDir dir;
    std::unique_ptr<Platform> platform;
    QString work;
    QStringList errors, progressItems;
    QList<int> confirmations;
    bool confirmAnswer = true;
};

}  // namespace

TEST_F(ShellFileOperationTest, AllowUndoMovesToTheTrashWithInfoFiles) {
    const QString a = make("a b%.txt", "first");
    const QString second = make("sub/a b%.txt", "second");
    auto o = op(FileOpFlag::AllowUndo | FileOpFlag::FilesOnly | FileOpFlag::NoConfirmation |
                FileOpFlag::SimpleProgress);
    o.addSource(a);
    o.addSource(second);
    ASSERT_TRUE(o.execute());
    EXPECT_EQ(remaining(), QStringList({"sub"}));
    // Equal names get distinct trash names; each info file records where its file came from.
    EXPECT_EQ(trashed(), QStringList({"a b%.txt", "a b%.txt.2"}));
    QFile info(platform->locations().homeTrash + "/info/a b%.txt.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(info.readAll());
    EXPECT_TRUE(text.startsWith("[Trash Info]\nPath=")) << text.toStdString();
    EXPECT_TRUE(text.contains("/a%20b%25.txt\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("DeletionDate=20"));
    QFile back(platform->locations().homeTrash + "/files/a b%.txt.2");
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), "second");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(confirmations.isEmpty());
    // Simple progress names no file.
    EXPECT_FALSE(progressItems.isEmpty());
    for (const QString& item : progressItems) EXPECT_TRUE(item.isEmpty());
}

TEST_F(ShellFileOperationTest, WithoutAllowUndoDeletesPermanently) {
    const QString a = make("a.dat");
    const QString folder = QFileInfo(make("folder/inner/deep.dat")).absolutePath() + "/..";
    auto o = op(FileOpFlag::NoConfirmation | FileOpFlag::Silent);
    o.addSource(a);
    o.addSource(QDir::cleanPath(folder));  // a folder named directly goes with its contents
    ASSERT_TRUE(o.execute());
    EXPECT_TRUE(remaining().isEmpty());
    EXPECT_TRUE(trashed().isEmpty());
    EXPECT_TRUE(progressItems.isEmpty());  // silent
}

TEST_F(ShellFileOperationTest, FailuresAreSilentOnlyWithNoErrorUi) {
    const QString present = make("present.txt");
    for (const bool noErrorUi : {true, false}) {
        errors.clear();
        auto o = op(noErrorUi ? FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI
                              : FileOpFlag::NoConfirmation | FileOpFlag::Silent);
        o.addSource(work + "/missing.txt");
        if (noErrorUi)
            o.addSource(present);
        EXPECT_FALSE(o.execute());
        EXPECT_EQ(o.failures(), QStringList({work + "/missing.txt"}));
        EXPECT_EQ(errors.size(), noErrorUi ? 0 : 1);
    }
    // The failing item did not stop the others.
    EXPECT_FALSE(QFile::exists(present));
}

TEST_F(ShellFileOperationTest, WildcardPathsFollowTheShellRules) {
    struct Case {
        const char* name;
        FileOpFlags flags;
        const char* mask;
        QStringList left;
    };
    const FileOpFlags quiet = FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI;
    const Case cases[] = {
        // "*.*" is every name: dotless files, hidden files and folders with their contents.
        {"everything", quiet, "*.*", {}},
        // Files only: folders stay, matching files inside them go too.
        {"files only", quiet | FileOpFlag::FilesOnly, "*.*", {"Sub", "Sub.d"}},
        {"pattern, recursive",
         quiet | FileOpFlag::FilesOnly,
         "*.TXT",
         {".hidden", "Sub", "Sub.d", "Sub.d/keep.log", "Sub/inner.dat", "noext"}},
        {"pattern, no recursion",
         quiet | FileOpFlag::FilesOnly | FileOpFlag::NoRecursion,
         "*.txt",
         {".hidden", "Sub", "Sub.d", "Sub.d/keep.log", "Sub/inner.dat", "Sub/inner.txt", "noext"}},
        {"question mark",
         quiet,
         "?.txt",
         {".hidden", "Sub", "Sub.d", "Sub.d/keep.log", "Sub/inner.dat", "Sub/inner.txt", "noext"}},
    };
    for (const Case& c : cases) {
        QDir(work).removeRecursively();
        make("a.txt");
        make("B.Txt");
        make("noext");
        make(".hidden");
        make("Sub/inner.txt");
        make("Sub/inner.dat");
        make("Sub.d/keep.log");
        auto o = op(c.flags);
        o.addSource(work + "/" + c.mask);
        EXPECT_TRUE(o.execute()) << c.name;
        EXPECT_EQ(remaining(), c.left) << c.name;
    }
}

TEST_F(ShellFileOperationTest, NoRecursionNeverEmptiesAFolder) {
    make("full/file.txt");
    auto o =
        op(FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI | FileOpFlag::NoRecursion);
    o.addSource(work + "/full");
    EXPECT_FALSE(o.execute());
    EXPECT_EQ(remaining(), QStringList({"full", "full/file.txt"}));
}

TEST_F(ShellFileOperationTest, AsksFirstWithoutNoConfirmation) {
    const QString a = make("a.txt");
    confirmAnswer = false;
    auto o = op(FileOpFlag::AllowUndo | FileOpFlag::NoRecursion);
    o.addSource(a);
    EXPECT_FALSE(o.execute());
    EXPECT_TRUE(QFile::exists(a));
    confirmAnswer = true;
    EXPECT_TRUE(o.execute());
    EXPECT_EQ(confirmations, QList<int>({1, 1}));
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(trashed(), QStringList({"a.txt"}));
    // Without any interface the question counts as No.
    const QString b = make("b.txt");
    ShellFileOperation bare = platform->fileOperation();
    bare.setFlags(FileOpFlag::AllowUndo);
    bare.addSource(b);
    EXPECT_FALSE(bare.execute());
    EXPECT_TRUE(QFile::exists(b));
}

TEST_F(ShellFileOperationTest, ReadOnlyFilesAndFoldersAreDeletedWithoutAsking) {
    const QString ro = make("ro/readonly.txt");
    QFile::setPermissions(ro, QFile::ReadOwner);
    auto o = op(FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI);
    o.addSource(work + "/*.*");
    EXPECT_TRUE(o.execute());
    EXPECT_TRUE(remaining().isEmpty());
}

TEST_F(ShellFileOperationTest, SymbolicLinksAreRemovedNotFollowed) {
    const QString target = dir.path() + "/outside/precious.txt";
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QDir().mkpath(work);
    ASSERT_TRUE(QFile::link(QFileInfo(target).absolutePath(), work + "/link-to-folder"));
    auto o = op(FileOpFlag::NoConfirmation | FileOpFlag::Silent);
    o.addSource(work + "/*.*");
    EXPECT_TRUE(o.execute());
    EXPECT_TRUE(remaining().isEmpty());
    EXPECT_TRUE(QFile::exists(target));
}
