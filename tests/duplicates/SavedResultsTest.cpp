#include "CloneListFiles.h"
#include "DisposalEffects.h"
#include "EmptyFolders.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orlivo::duplicates;
namespace fs = std::filesystem;

namespace {

using Folder = orlivo::test::TempTree;

TCloneRecord record(const std::string& path, std::int32_t group) {
    TCloneRecord r;
    r.Name = r.FullPath = path;
    r.Size = "1";
    r.FileType = "Text";
    r.DateModified = "1/2/2027 3:04:05 AM";
    r.GroupID = group;
    r.ColorId = 1;
    r.ImageIndex = 42;
    return r;
}

bool exists(const std::string& p) {
    return fs::exists(p);
}

}  // namespace

TEST(EmptyFolders, TotalSizeZeroCountsAsEmpty) {
    Folder f;
    f.write("zero/empty.txt", "");
    fs::create_directories(f.path("nested/a/b"));
    f.write("full/sub/x.txt", "x");
    struct Case {
        const char* folder;
        bool empty;
    } cases[] = {
        {"zero/", true}, {"nested", true}, {"full/", false}, {"full/sub/", false}, {"missing/", false}};
    for (const Case& c : cases) EXPECT_EQ(isEmptyFolder(f.path(c.folder)), c.empty) << c.folder;

    FoldersList list;
    list.add(folderOf(f.path("zero/empty.txt")));
    list.add(f.path("zero"));  // the same folder, without its separator
    list.add(folderOf(f.path("full/sub/x.txt")));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.paths().back(), f.path("zero/"));
    EXPECT_EQ(list.emptyOnes(), std::vector<std::string>{f.path("zero/")});
    EXPECT_EQ(folderOf("/photos/a.jpg"), "/photos/");
}

TEST(DisposalEffects, RecordsLeaveFromTheHighestPositionDown) {
    std::vector<TCloneRecord> records = {record("/a/x.txt", 0), record("/b/x.txt", 0), record("/c/y.txt", 1),
                                         record("/d/y.txt", 1), record("/e/y.txt", 1)};
    FoldersList folders;
    const DisposalEffects e = removeDisposed(records, {3, 0, 9, 4}, folders);
    EXPECT_EQ(e.removed, 3u);  // 9 is no longer in the list
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].FullPath, "/b/x.txt");
    EXPECT_EQ(records[1].FullPath, "/c/y.txt");
    EXPECT_EQ(e.groups, (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(folders.paths(), (std::vector<std::string>{"/a/", "/d/", "/e/"}));

    const std::vector<TCloneRecord> left = {record("/gone", 0), record("/here", 0)};
    EXPECT_EQ(positionsGone(left, {0, 1}, [](const std::string& p) { return p == "/here"; }),
              std::vector<std::size_t>{0});
}

TEST(SavedLists, RoundTripsDropMissingFilesAndNeedBothFiles) {
    Folder f;
    const CloneListPaths paths = CloneListPaths::in(f.path("Duplicates"));
    EXPECT_EQ(fs::path(paths.records).filename(), "CLONE_FILE_LIST.CLN");
    LoadedLists loaded;
    EXPECT_EQ(loadCloneLists(paths, loaded, exists), LoadOutcome::NoSavedList);

    ASSERT_TRUE(SaveCloneLists(paths, {}, {}));  // an empty result writes two empty files
    EXPECT_EQ(fs::file_size(paths.records), 0u);
    EXPECT_EQ(fs::file_size(paths.nodes), 0u);
    EXPECT_EQ(loadCloneLists(paths, loaded, exists), LoadOutcome::Loaded);
    EXPECT_TRUE(loaded.records.empty());

    const std::string a = f.write("one/a.txt", "a"), b = f.write("two/a.txt", "a");
    TNodeItems node;
    node.Name = "a.txt";
    node.lName = a;
    node.StaticText = "(2 KB in 2 files.)";
    ASSERT_TRUE(SaveCloneLists(paths, {record(a, 0), record(b, 0)}, {node}));
    ASSERT_EQ(fs::file_size(paths.records), 2 * TCloneRecord::kSize);
    // Written from zeroed buffers: nothing follows the path's characters in its field.
    std::ifstream in(paths.records, std::ios::binary);
    std::string bytes(TCloneRecord::kSize, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    EXPECT_EQ(std::size_t(std::uint8_t(bytes[0])), a.size());
    EXPECT_EQ(bytes.find_first_not_of('\0', 1 + a.size()), std::size_t(256));

    fs::remove(b);  // deleted since the save
    ASSERT_EQ(loadCloneLists(paths, loaded, exists), LoadOutcome::Loaded);
    ASSERT_EQ(loaded.records.size(), 1u);
    EXPECT_EQ(loaded.records[0].FullPath, a);
    EXPECT_EQ(loaded.records[0].DateModified, "1/2/2027 3:04:05 AM");
    ASSERT_EQ(loaded.nodes.size(), 1u);
    EXPECT_EQ(loaded.nodes[0].StaticText, "(2 KB in 2 files.)");

    fs::remove(paths.nodes);
    EXPECT_EQ(loadCloneLists(paths, loaded, exists), LoadOutcome::Damaged);
    EXPECT_TRUE(loaded.records.empty());
}
