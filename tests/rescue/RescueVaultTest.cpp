#include "RescueVault.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

using namespace orlivo;
namespace fs = std::filesystem;

namespace {

struct Folder : test::TempTree {
    Folder() : TempTree("orlivo-rescue") {}
    // A file of that size without its data on disk.
    void sparse(const std::string& rel, std::int64_t size) const {
        fs::create_directories((root() / rel).parent_path());
        const int fd = ::open(path(rel).c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0);
        ::close(fd);
    }
};

std::int64_t localTime(int year, int month, int day, int hour, int minute) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_isdst = -1;
    return std::int64_t(std::mktime(&tm));
}

void setTime(const std::string& path, std::int64_t seconds) {
    struct timespec t[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    ::utimensat(AT_FDCWD, path.c_str(), t, 0);
}

}  // namespace

TEST(RescueVault, ArchiveNamesKeepTheDateButNoSlashOrColon) {
    EXPECT_EQ(rescue::archiveFileName("6/12/2017", "3:45:12 PM"), "6-12-2017 (3-45-12 PM).rsc");
    EXPECT_EQ(rescue::archiveFileName("11.12.2026", "16:53:20"), "11.12.2026 (16-53-20).rsc");
}

TEST(RescueVault, TheLimitCountsMillionsOfBytesAndEqualIsFull) {
    Folder f;
    const std::string vault = f.path("vault");
    EXPECT_FALSE(rescue::CheckRescueDiskSpace(vault, 500));  // no folder yet: empty
    f.sparse("vault/a.rsc", 499999999);
    f.write("vault/.hidden", std::string(10, 'x'));          // hidden files are not the vault's
    EXPECT_FALSE(rescue::CheckRescueDiskSpace(vault, 500));  // just under: a move of any size goes on
    f.sparse("vault/a.rsc", 500000000);
    EXPECT_TRUE(rescue::CheckRescueDiskSpace(vault, 500));
    f.sparse("vault/b.rsc", 2500000000);
    f.sparse("vault/c.rsc", 500000000);
    EXPECT_FALSE(rescue::CheckRescueDiskSpace(vault, 10000));  // 3 GB of 10,000,000,000 bytes
    const auto listed = rescue::listVault(vault);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].name, "a.rsc");
}

TEST(RescueVault, RestoreReplacesFilesAndCountsFailuresAndSkips) {
    Folder f;
    const std::string a = f.write("home/user/a.txt", "first a");
    const std::string b = f.write("home/user/deep/b.txt", std::string(100000, 'b'));
    const std::string c = f.write("home/user/c.txt", "c");
    zip::TZipEngine engine;
    engine.Unattended = true;
    const std::string archive = f.path("vault/1-1-2027 (1-00-00 AM).rsc");
    ASSERT_EQ(rescue::addFilesToArchive(engine, archive, {a, b, c}), 0) << engine.ErrMessage();
    EXPECT_EQ(engine.Count(), 3);
    std::string stored = a.substr(1);  // the path less the root, with the engine's separators
    std::replace(stored.begin(), stored.end(), '/', '\\');
    EXPECT_EQ(engine.DirEntry(0).FileName, stored);
    EXPECT_EQ(std::system(("unzip -tq '" + archive + "' >/dev/null").c_str()), 0);

    // An existing file is replaced; a missing folder is made again.
    f.write("home/user/a.txt", "changed since");
    fs::remove_all(f.path("home/user/deep"));
    int calls = 0;
    rescue::RestoreHooks hooks;
    hooks.beforeEntry = [&](const std::string&, int index, int count) {
        EXPECT_EQ(index, calls++);
        EXPECT_EQ(count, 3);
        return false;
    };
    rescue::RestoreOutcome out = rescue::restoreArchive(archive, "/", hooks);
    EXPECT_EQ(out.restored, 3);
    EXPECT_TRUE(out.complete());
    EXPECT_EQ(Folder::read(a), "first a");
    EXPECT_EQ(Folder::read(b), std::string(100000, 'b'));
    struct stat st {};
    ::stat(a.c_str(), &st);
    EXPECT_GE(st.st_mtime, std::time(nullptr) - 60);  // a restored file carries the time of the restore

    // A target that cannot be written fails and is listed; a folder that cannot be made is skipped.
    fs::remove(c);
    fs::create_directories(c);  // a folder where the file should go
    fs::remove_all(f.path("home/user/deep"));
    f.write("home/user/deep", "a file where the folder should be");
    out = rescue::restoreArchive(archive, "/", {});
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(out.skipped, 1);
    EXPECT_EQ(out.failures, std::vector<std::string>{c});
    EXPECT_FALSE(out.complete());

    // Cancelled before the second entry.
    out = rescue::restoreArchive(archive, "/", {[](const std::string&, int i, int) { return i == 1; }});
    EXPECT_TRUE(out.cancelled);
    EXPECT_FALSE(out.complete());
    EXPECT_TRUE(rescue::restoreArchive(f.path("vault/none.rsc"), "/", {}).error);
}

TEST(RescueVault, ADamagedEntryLeavesTheFileThatWasThere) {
    Folder f;
    std::string content;
    for (int i = 0; i < 20000; ++i) content += char((i * 7919) % 251);
    const std::string a = f.write("data/a.bin", content);
    zip::TZipEngine engine;
    engine.Unattended = true;
    const std::string archive = f.path("vault/x.rsc");
    ASSERT_EQ(rescue::addFilesToArchive(engine, archive, {a}), 0);
    // Flip a byte of the entry's data, behind its local header.
    std::string bytes = Folder::read(archive);
    const std::size_t nameLength = std::uint8_t(bytes[26]) | std::uint8_t(bytes[27]) << 8;
    const std::size_t extraLength = std::uint8_t(bytes[28]) | std::uint8_t(bytes[29]) << 8;
    bytes[30 + nameLength + extraLength + 100] ^= 0x55;
    std::ofstream(archive, std::ios::binary | std::ios::trunc) << bytes;
    f.write("data/a.bin", "the copy on disk now");
    const rescue::RestoreOutcome out = rescue::restoreArchive(archive, "/", {});
    EXPECT_EQ(out.failures.size(), 1u);
    EXPECT_EQ(Folder::read(a), "the copy on disk now");
    EXPECT_FALSE(fs::exists(archive + ".tmp"));
}

TEST(RescueVault, RetentionDeletesByDaysFromTodaysMidnight) {
    Folder f;
    const std::string late = f.write("vault/late.rsc", "1"), midnight = f.write("vault/midnight.rsc", "2");
    setTime(late, localTime(2027, 3, 1, 23, 59));
    setTime(midnight, localTime(2027, 3, 1, 0, 0));
    rescue::retentionPass(f.path("vault"), false, 30, localTime(2027, 4, 2, 12, 0));  // switched off
    EXPECT_TRUE(fs::exists(late) && fs::exists(midnight));
    rescue::retentionPass(f.path("vault"), true, 30, localTime(2027, 3, 31, 18, 0));
    EXPECT_TRUE(fs::exists(late));
    EXPECT_FALSE(fs::exists(midnight));
    rescue::retentionPass(f.path("vault"), true, 30, localTime(2027, 4, 1, 0, 5));
    EXPECT_FALSE(fs::exists(late));

    const std::string today = f.write("vault/today.rsc", "3");
    setTime(today, localTime(2027, 5, 10, 0, 30));
    const std::string yesterday = f.write("vault/yesterday.rsc", "4");
    setTime(yesterday, localTime(2027, 5, 9, 23, 0));
    rescue::retentionPass(f.path("vault"), true, 0, localTime(2027, 5, 10, 9, 0));
    EXPECT_TRUE(fs::exists(today));
    EXPECT_FALSE(fs::exists(yesterday));
}
