#include "MessageTable.h"
#include "NameIndex.h"
#include "PartNames.h"
#include "SafePath.h"
#include "Selection.h"
#include "TZipEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orlivo::zip;

TEST(Selection, PatternRulesOfTheEngine) {
    struct Case {
        const char* spec;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.txt", "a.TXT", true},
        {"*.txt", "dir\\a.txt", true},  // '*' runs over folders
        {"*.txt", "a.txt.bak", false},
        {"dir\\*.*", "dir\\sub\\deep.c", true},  // a folder and everything below it
        {"dir\\*.*", "other\\x.c", false},
        {"*.*", "noext", true},
        {"*", "dir\\noext", true},
        {"a.*", "a", true},  // an extension of stars is not compared
        {"a.*", "a.zip", true},
        {"a.", "a", true},  // a trailing dot: names without extension only
        {"a.", "a.b", false},
        {"?.c", "x.c", true},
        {"?.c", "\\.c", false},  // '?' never matches '\'
        {"??.c", "x.c", false},
        {"a*", "abc.txt", true},  // without a dot the whole name is compared
        {"*.tx", "a.txt", false},
        {"x.txt|*.c| y.h", "y.h", true},  // alternatives, blanks before them skipped
        {"x.txt|*.c", "y.h", false},
        {"dir/*.c", "dir\\a.c", true},
        {"\u00e4*.txt", "\u00c4RGER.TXT", true},  // upper-casing beyond ASCII
        {"*\u0434*.*", "\u0414\u0410.txt", true},
    };
    for (const Case& c : cases) EXPECT_EQ(specMatches(c.spec, c.name), c.match) << c.spec << " ~ " << c.name;
}

TEST(NameIndex, HashAndBucketSizes) {
    EXPECT_EQ(NameIndex::hash("A"), 65u);
    EXPECT_EQ(NameIndex::hash("a"), 65u);
    EXPECT_EQ(NameIndex::hash("AB"), 65u * 16 + 66);
    EXPECT_EQ(NameIndex::hash("abcdefghijkl"), NameIndex::hash("ABCDEFGHIJKL"));
    EXPECT_LT(NameIndex::hash("a long name that folds the top bits again and again"), 0x10000000u);
    const std::pair<std::size_t, std::uint32_t> sizes[] = {{0, 61},        {61, 61},       {62, 131},
                                                           {11999, 12289}, {12000, 10243}, {100000, 65537}};
    for (const auto& [names, buckets] : sizes) EXPECT_EQ(NameIndex::bucketCountFor(names), buckets) << names;
    std::vector<std::string> names = {"a\\x.txt", "B\\X.TXT", "b\\x.txt"};
    NameIndex index;
    index.build({&names[0], &names[1], &names[2]});
    EXPECT_EQ(index.find("b\\x.txt"), 1);  // the earliest of equal names
    EXPECT_EQ(index.find("c"), -1);
}

TEST(MessageTable, TextsMissingSlotsAndADamagedTable) {
    const MessageTable& t = MessageTable::builtIn();
    ASSERT_TRUE(t.loaded());
    EXPECT_EQ(t.textCount(), 217);
    EXPECT_EQ(t.text(0), "Success");
    EXPECT_EQ(t.text(21), "Resource missing for 21");
    EXPECT_EQ(t.text(224), "Resource missing for 224");
    EXPECT_EQ(t.format(26, {"x.txt"}), "Invalid Filename: 'x.txt'");
    EXPECT_EQ(t.format(12, {"a", "b", "c"}), "'a'\nwill overwrite\n 'b'\nRename to 'c'?");
    EXPECT_EQ(t.format(153, {"3"}), "Please insert disk volume 3");
    const unsigned char damaged[] = {1, 2, 3, 4, 0x4b, 0x4c, 0x04, 0x00};
    const MessageTable bad = MessageTable::fromBlob(damaged, sizeof damaged);
    EXPECT_FALSE(bad.loaded());
    EXPECT_EQ(bad.text(0), "Could not load language files");
}

TEST(SafePath, OnlyRelativeNamesInsideTheBase) {
    EXPECT_EQ(*safeSegments("a\\b/c.txt"), (std::vector<std::string>{"a", "b", "c.txt"}));
    EXPECT_EQ(*safeSegments("a//./b"), (std::vector<std::string>{"a", "b"}));
    for (const char* bad : {"", "/abs", "\\abs", "\\\\server\\share", "C:\\x", "c:x", "..", "a/../b",
                            "a\\..\\..\\b", "tab\there", "./", "nul\x7f"}) {
        EXPECT_FALSE(safeSegments(bad).has_value()) << bad;
    }
    EXPECT_TRUE(isInside("/base", "/base/x"));
    EXPECT_FALSE(isInside("/base", "/basement/x"));
    EXPECT_EQ(TZipEngine::AppendSlash("C:\\dir\\\\"), "C:\\dir\\");
    EXPECT_EQ(TZipEngine::AppendSlash("dir"), "dir\\");
}

TEST(PartNames, BothNamingSchemes) {
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("orlivo-parts-" + std::to_string(::getpid()));
    fs::create_directories(d);
    for (const char* n : {"c.z01", "c.z02", "c.zip", "n001.zip", "n002.zip", "n003.zip", "photos2024.zip"}) {
        std::ofstream(d / n) << "x";
    }
    const PartNames c = PartNames::recognise((d / "c.zip").string());
    EXPECT_EQ(c.scheme, PartNames::Scheme::Compatible);
    EXPECT_EQ(c.pathOf(0, 3), (d / "c.z01").string());
    EXPECT_EQ(c.pathOf(2, 3), (d / "c.zip").string());
    EXPECT_EQ(PartNames::recognise((d / "c.z02").string()).archiveName, (d / "c.zip").string());
    const PartNames n = PartNames::recognise((d / "n002.zip").string());
    EXPECT_EQ(n.scheme, PartNames::Scheme::Numbered);
    EXPECT_EQ(n.archiveName, (d / "n.ZIP").string());
    EXPECT_EQ(n.lastPart(), (d / "n003.zip").string());
    EXPECT_EQ(n.pathOf(0, 3), (d / "n001.zip").string());
    EXPECT_EQ(PartNames::recognise((d / "n.zip").string()).scheme, PartNames::Scheme::Numbered);
    EXPECT_EQ(PartNames::recognise((d / "photos2024.zip").string()).scheme, PartNames::Scheme::Single);
    fs::remove_all(d);
}
