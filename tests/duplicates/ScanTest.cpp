#include "DuplicateScan.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

using namespace orlivo::duplicates;
namespace fs = std::filesystem;

namespace {

class Tree {
public:
    Tree() {
        static std::atomic<int> n{0};
        fRoot = fs::temp_directory_path() /
                ("orlivo-dup-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
        fs::create_directories(fRoot);
    }
    ~Tree() { fs::remove_all(fRoot); }
    std::string root() const { return fRoot.string(); }
    std::string file(const std::string& rel, const std::string& content) const {
        const fs::path p = fRoot / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    std::string sized(const std::string& rel, std::size_t size, char fill = 'x') const {
        return file(rel, std::string(size, fill));
    }
    void setTime(const std::string& path, std::int64_t ns) const {
        struct timespec t[2] = {{time_t(ns / 1000000000), long(ns % 1000000000)},
                                {time_t(ns / 1000000000), long(ns % 1000000000)}};
        ::utimensat(AT_FDCWD, path.c_str(), t, 0);
    }

private:
    fs::path fRoot;
};

SearchCriteria everything() {
    SearchCriteria c;
    c.useMinSize = false;
    c.depth = 0;
    return c;
}

// The result as "group:relative path" lines.
std::vector<std::string> listing(const ScanResult& r, const Tree& t) {
    std::vector<std::string> out;
    for (const DuplicateFile& f : r.files) {
        out.push_back(std::to_string(f.groupId) + ":" + std::to_string(f.colorId) + ":" +
                      fs::relative(r.path(f), t.root()).string());
    }
    return out;
}

ScanResult scan(const Tree& t, DuplicateRule rule = {}, SearchCriteria c = everything()) {
    return findDuplicates({t.root()}, c, rule, {});
}

}  // namespace

TEST(Scan, NamesAndSizesMakeGroups) {
    Tree t;
    t.sized("one/a.txt", 1000);
    t.sized("two/a.txt", 1000);
    t.sized("one/A.txt", 1000);  // another name: case matters
    for (const char* d : {"p", "q"}) t.sized(std::string(d) + "/x.bin", 10);
    for (const char* d : {"r", "s"}) t.sized(std::string(d) + "/x.bin", 20);
    t.sized("alone.txt", 5);
    t.sized("one/other.dat", 5);
    t.sized("two/other.dat", 6);  // its namesake has another size
    const ScanResult r = scan(t);
    EXPECT_EQ(listing(r, t), (std::vector<std::string>{"0:1:one/a.txt", "0:1:two/a.txt", "1:2:p/x.bin",
                                                       "1:2:q/x.bin", "2:1:r/x.bin", "2:1:s/x.bin"}));
    for (std::size_t i = 0; i < r.files.size(); ++i) EXPECT_EQ(r.files[i].id, int(i) + 1);
    EXPECT_EQ(r.enumerated, 10u);
}

TEST(Scan, TimeConditions) {
    // A span of 2^32 x 100 ns starts at a multiple of it since 1601.
    const std::int64_t span = (std::int64_t(1) << 32) * 100;
    const std::int64_t spanStart =
        ((std::int64_t(1700000000) * 1000000000 / 100 + 116444736000000000LL) >> 32 << 32);
    const std::int64_t base = (spanStart - 116444736000000000LL) * 100;  // back to ns since 1970
    struct Case {
        const char* name;
        bool a, b;
        std::int64_t second;  // the second file's time, the first at base + 1 s
        bool listed;
    };
    const Case cases[] = {
        {"no time condition", false, false, base + span * 3, true},
        {"B: one second apart in one span", false, true, base + 2000000000, true},
        {"B: across the end of the span", false, true, base + span + 1000000000, false},
        {"A: one second apart", true, false, base + 2000000000, false},
        {"A: equal times", true, false, base + 1000000000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tree t;
        t.setTime(t.sized("one/f.txt", 100), base + 1000000000);
        t.setTime(t.sized("two/f.txt", 100), c.second);
        DuplicateRule rule;
        rule.sameCreateDate = c.a;
        rule.sameModDate = c.b;
        EXPECT_EQ(scan(t, rule).files.size(), c.listed ? 2u : 0u);
    }
}

TEST(Scan, ContentDecidesByTheBytes) {
    for (const ContentMethod method : {ContentMethod::Md5, ContentMethod::Crc32}) {
        SCOPED_TRACE(method == ContentMethod::Md5 ? "MD5" : "CRC-32");
        Tree t;
        t.file("1/d.txt", "same");
        t.file("2/d.txt", "same");
        t.file("1/e.txt", "abcd");
        t.file("2/e.txt", "abce");  // equal size, other content
        // Four of one name and size, two contents: two groups, never one.
        for (const char* d : {"1", "2"}) t.file(std::string(d) + "/q.txt", "AAAA");
        for (const char* d : {"3", "4"}) t.file(std::string(d) + "/q.txt", "BBBB");
        t.file("5/q.txt", "CCCC");  // alone with its content
        DuplicateRule rule;
        rule.content = method;
        EXPECT_EQ(listing(scan(t, rule), t),
                  (std::vector<std::string>{"0:1:1/d.txt", "0:1:2/d.txt", "1:2:1/q.txt", "1:2:2/q.txt",
                                            "2:1:3/q.txt", "2:1:4/q.txt"}));
        EXPECT_EQ(scan(t).files.size(), 9u);  // without content all five q.txt and both e.txt pair up
    }
}

TEST(Scan, OneFileOnDiskIsNeverItsOwnDuplicate) {
    Tree t;
    const std::string a = t.sized("a/f.bin", 50);
    fs::create_directories(t.root() + "/b");
    fs::create_hard_link(a, t.root() + "/b/f.bin");
    // The same folder twice through overlapping roots, and through a link that is not followed.
    fs::create_directory_symlink(t.root() + "/a", t.root() + "/link");
    const ScanResult r = findDuplicates({t.root(), t.root() + "/a"}, everything(), {}, {});
    EXPECT_TRUE(r.files.empty());
    EXPECT_EQ(r.enumerated, 1u);
    t.sized("c/f.bin", 50);  // a real second copy
    EXPECT_EQ(findDuplicates({t.root()}, everything(), {}, {}).files.size(), 2u);
}

TEST(Scan, BadInputLeavesAConsistentResult) {
    Tree t;
    t.sized("a/f.bin", 10);
    t.sized("b/f.bin", 10);
    fs::create_directory_symlink(t.root(), t.root() + "/a/loop");  // a symbolic-link loop
    const std::string odd = t.root() + "/c/ÿþ.bin";
    fs::create_directories(t.root() + "/c");
    std::ofstream(odd) << "0123456789";
    std::ofstream(t.root() + "/d/ÿþ.bin");
    fs::create_directories(t.root() + "/d");
    std::ofstream(t.root() + "/d/ÿþ.bin") << "0123456789";
    const ScanResult r = findDuplicates({t.root(), t.root() + "/does/not/exist"}, everything(), {}, {});
    EXPECT_EQ(r.files.size(), 4u);  // names that are no valid UTF-8 are compared as bytes
    EXPECT_FALSE(r.cancelled);
}

TEST(Scan, ALargeSparseFileWithItsCopy) {
    Tree t;
    for (const char* d : {"a", "b"}) {
        fs::create_directories(t.root() + "/" + d);
        std::ofstream f(t.root() + "/" + d + "/big.img", std::ios::binary);
        f.seekp((std::streamoff(5) << 29) - 1);  // 2.5 GiB
        f.put('z');
    }
    const ScanResult r = scan(t);
    ASSERT_EQ(r.files.size(), 2u);
    EXPECT_EQ(r.of(r.files[0]).size, std::uint64_t(5) << 29);
}

TEST(Scan, CancelDuringEnumerationThenAWorkingScan) {
    Tree t;
    for (int i = 0; i < 600; ++i)
        t.sized("d" + std::to_string(i % 3) + "/f" + std::to_string(i / 3) + ".txt", 3);
    ScanHooks hooks;
    int calls = 0;
    hooks.keepAlive = [&] { return ++calls > 1; };
    const ScanResult stopped = findDuplicates({t.root()}, everything(), {}, hooks);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.files.empty());
    EXPECT_EQ(scan(t).files.size(), 600u);
}

TEST(FileSearch, CriteriaOfTheOptionsWindow) {
    Tree t;
    t.sized("small.bin", 1999999);
    t.sized("exact.bin", 2000000);
    t.sized("photo.JPG", 10);
    t.sized("image.png", 10);
    t.sized(".hidden.jpg", 10);
    t.sized("l1/l2/l3/deep.jpg", 10);
    t.sized("l1/one.jpg", 10);
    const std::string ro = t.sized("readonly.jpg", 10);
    ::chmod(ro.c_str(), 0444);
    struct Case {
        const char* name;
        SearchCriteria c;
        std::vector<std::string> found;
    };
    SearchCriteria min2 = everything();
    min2.useMinSize = true;
    min2.minSize = 2000000;
    SearchCriteria images = everything();
    images.masks = {"*.jpg", "*.png"};
    SearchCriteria depth1 = images;
    depth1.depth = 1;
    SearchCriteria noSub = images;
    noSub.subfolders = false;
    SearchCriteria withAttributes = images;
    withAttributes.ignoreHidden = false;
    withAttributes.ignoreReadOnly = false;
    withAttributes.depth = 1;
    const Case cases[] = {
        {"minimum 2,000,000 bytes", min2, {"exact.bin"}},
        {"two masks, case ignored, all depths",
         images,
         {"image.png", "l1/l2/l3/deep.jpg", "l1/one.jpg", "photo.JPG"}},
        {"depth 1: the root and its subfolders", depth1, {"image.png", "l1/one.jpg", "photo.JPG"}},
        {"no subfolders", noSub, {"image.png", "photo.JPG"}},
        {"hidden and read-only accepted",
         withAttributes,
         {".hidden.jpg", "image.png", "l1/one.jpg", "photo.JPG", "readonly.jpg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::deque<FoundFile> found;
        PathArena paths;
        FileSearch search(c.c, {});
        EXPECT_TRUE(search.search(t.root(), found, paths));
        std::vector<std::string> names;
        for (const FoundFile& f : found)
            names.push_back(fs::relative(std::string(f.path(paths)), t.root()).string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.found);
    }
}

TEST(FileSearch, DateBoundsAtTwoSecondResolution) {
    Tree t;
    const std::int64_t at = std::int64_t(1600000000) * 1000000000;
    t.setTime(t.sized("early.txt", 1), at - 4000000000LL);
    t.setTime(t.sized("same-step.txt", 1), at + 1000000000LL);
    t.setTime(t.sized("late.txt", 1), at + 4000000000LL);
    SearchCriteria c = everything();
    c.useChangedAfter = c.useChangedBefore = true;
    c.changedAfterNs = at;
    c.changedBeforeNs = at;
    std::deque<FoundFile> found;
    PathArena paths;
    FileSearch(c, {}).search(t.root(), found, paths);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(std::string(found[0].name(paths)), "same-step.txt");
}
