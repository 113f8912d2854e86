#include "CloneRecords.h"
#include "ResultFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orlivo::duplicates;

TEST(Records, CloneRecordLayout) {
    TCloneRecord r;
    r.Name = "/data/a.txt";
    r.Size = "1000";
    r.FileType = "Plain text document";
    r.DateModified = "3/7/2026 2:05:09 PM";
    r.ImageIndex = 7;
    r.ColorId = -1;
    r.GroupID = 0x01020304;
    r.ID = 2;
    const std::string b = r.encode();
    ASSERT_EQ(b.size(), 708u);
    EXPECT_EQ(b[0], char(11));
    EXPECT_EQ(b.substr(1, 11), "/data/a.txt");
    EXPECT_EQ(b[256], char(4));
    EXPECT_EQ(b.substr(257, 4), "1000");
    EXPECT_EQ(b[307], char(19));
    EXPECT_EQ(b[384], char(19));
    EXPECT_EQ(b.substr(436, 4), std::string("\x07\0\0\0", 4));
    EXPECT_EQ(b.substr(440, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(b.substr(444, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b.substr(448, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(b[452], char(0));
    const TCloneRecord back = TCloneRecord::decode(reinterpret_cast<const unsigned char*>(b.data()));
    EXPECT_EQ(back.Name, r.Name);
    EXPECT_EQ(back.DateModified, r.DateModified);
    EXPECT_EQ(back.ColorId, -1);
    EXPECT_EQ(back.GroupID, 0x01020304);
}

TEST(Records, NodeLayoutAndLongTexts) {
    TNodeItems n;
    n.Name = "a.txt";
    n.lName = "/x/" + std::string(300, 'p');
    n.Size = "1 KB";
    n.ImageIndex = 3;
    n.StaticText = "(1 KB in 2 files.)";
    const std::string b = n.encode();
    ASSERT_EQ(b.size(), 584u);
    EXPECT_EQ(static_cast<unsigned char>(b[256]), 255);  // a long path is cut to 255 bytes
    EXPECT_EQ(b[512], char(4));
    EXPECT_EQ(b.substr(536, 4), std::string("\x03\0\0\0", 4));
    EXPECT_EQ(b[540], char(18));
    const TNodeItems back = TNodeItems::decode(reinterpret_cast<const unsigned char*>(b.data()));
    EXPECT_EQ(back.StaticText, n.StaticText);
    // A cut never leaves half a UTF-8 character.
    EXPECT_EQ(fitText(std::string(254, 'a') + "\u00e9", 255), std::string(254, 'a'));
}

TEST(Records, FilesRoundTripAndColoursAreCompleted) {
    namespace fs = std::filesystem;
    const std::string path =
        (fs::temp_directory_path() / ("orlivo-rec-" + std::to_string(::getpid()))).string();
    std::vector<TCloneRecord> records(3);
    records[0].Name = "/a/X.txt";
    records[0].Size = "10";
    records[0].ColorId = 2;
    records[0].GroupID = 5;
    records[1].Name = "/b/x.txt";  // same name ignoring case, same size: takes 2 and 5
    records[1].Size = "10";
    records[1].ColorId = -1;
    records[2].Name = "/c/x.txt";  // another size: stays unknown
    records[2].Size = "11";
    records[2].ColorId = -1;
    ASSERT_TRUE(writeRecords(path, records));
    EXPECT_EQ(fs::file_size(path), 3 * 708u);
    auto back = readRecords(path);
    ASSERT_TRUE(back.has_value());
    completeColors(*back);
    EXPECT_EQ((*back)[1].ColorId, 2);
    EXPECT_EQ((*back)[1].GroupID, 5);
    EXPECT_EQ((*back)[2].ColorId, -1);
    fs::remove(path);
    EXPECT_FALSE(readRecords(path).has_value());
}

TEST(Records, WorkingFilesFromAScan) {
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("orlivo-wf-" + std::to_string(::getpid()));
    const std::string longFolder = (d / std::string(200, 'L') / std::string(100, 'M')).string();
    fs::create_directories(longFolder);
    fs::create_directories(d / "b");
    ScanResult scan;
    auto add = [&](const std::string& path, std::uint64_t size, int group, int color) {
        std::ofstream(path) << std::string(size, 'x');
        FoundFile f;
        f.pathAt = scan.paths.add(path);
        f.pathLength = std::uint32_t(path.size());
        f.nameStart = std::uint32_t(path.find_last_of('/') + 1);
        f.size = size;
        scan.found.push_back(f);
        scan.files.push_back(
            {std::uint32_t(scan.found.size() - 1), group, color, int(scan.files.size()) + 1});
    };
    add(longFolder + "/a.txt", 1000, 0, 1);
    add((d / "b/a.txt").string(), 1000, 0, 1);
    add((d / "b/gone.txt").string(), 5, 1, 2);
    fs::remove(d / "b/gone.txt");  // vanished after the scan
    RecordDecorations deco;
    deco.displaySize = [](std::int64_t b) { return std::to_string((b + 1023) / 1024) + " KB"; };
    DuplicateResult result;
    ASSERT_TRUE(buildResult(scan, (d / "Temp").string(), deco, result));
    ASSERT_EQ(result.FIDLISTB.size(), 2u);
    EXPECT_EQ(result.FIDLISTB[0].Name.size(), 255u);                // the record's field is cut
    EXPECT_EQ(result.FIDLISTB[0].FullPath, longFolder + "/a.txt");  // the command's path is whole
    EXPECT_EQ(result.FIDLISTB[1].ID, 2);
    ASSERT_EQ(result.FIDListN.size(), 1u);
    EXPECT_EQ(result.FIDListN[0].StaticText, "(2 KB in 2 files.)");
    EXPECT_EQ(result.szTotal, 2000);
    EXPECT_EQ(result.cntTotal, 2);
    EXPECT_EQ(fs::file_size(d / "Temp/clist.cln"), 2 * 708u);
    EXPECT_EQ(fs::file_size(d / "Temp/clistN.cln"), 584u);
    fs::remove_all(d);
}
