#include "FullDisk.h"
#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <cstdlib>
#include <fstream>
#include <map>

using namespace orlivo::zip;
using namespace orlivo::zip::test;

namespace {

bool shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// What others say of an archive the engine wrote: unzip, 7z and Python's zipfile against the files.
void expectValidForPeers(const std::string& archive, const std::string& root,
                         const std::string& password = {}) {
    const std::string pw = password.empty() ? "" : " -P " + password;
    EXPECT_TRUE(shell("unzip -tq" + pw + " '" + archive + "'")) << archive;
    EXPECT_TRUE(shell("7z t -p" + (password.empty() ? std::string("x") : password) + " '" + archive + "'"))
        << archive;
    EXPECT_TRUE(shell("python3 '" CHECK_SCRIPT "' same '" + archive + "' '" + root + "' " + password))
        << archive;
}

std::string bytesOf(const std::string& path) {
    return readAll(path);
}

struct Writer : RecordingEngine {
    explicit Writer(const std::string& archive, const std::string& root = {}) {
        engine.setZipFileName(archive);
        engine.RootDir = root;
        engine.AddOptions = {TZipAddOptsEnum::AddDirNames, TZipAddOptsEnum::AddRecurseDirs};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const auto& e : engine.directory().entries) n.push_back(e.name);
        return n;
    }
};

}  // namespace

TEST(Writing, AddedArchivesAreValidForOthersAndReadBack) {
    Fixture f("infozip");
    std::ofstream(f.path("src/picture.png")) << std::string(5000, 'p');  // compressible, but stored by suffix
    Writer w(f.path("new.zip"), f.path(""));
    w.engine.FSpecArgs = {"src"};
    ASSERT_EQ(w.engine.Add(), 0) << w.engine.ErrMessage();
    EXPECT_EQ(w.engine.SuccessCnt(), 5);
    EXPECT_TRUE(w.engine.FSpecArgs.empty());
    expectValidForPeers(f.path("new.zip"), f.path(""));
    std::map<std::string, int> methods;
    for (const auto& e : w.engine.directory().entries) methods[e.name] = e.method;
    EXPECT_EQ(methods["src\\rand.bin"], 0);  // random data does not deflate: stored
    EXPECT_EQ(methods["src\\picture.png"], 0);
    EXPECT_EQ(methods["src\\sub\\numbers.txt"], 8);
    // Non-ASCII names are UTF-8 with flag bit 11.
    for (const auto& e : w.engine.directory().entries) {
        if (e.name.find("caf") != std::string::npos) {
            EXPECT_TRUE(e.flags & 0x0800);
        }
    }
    w.engine.ExtrBaseDir = f.path("back");
    w.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrForceDirs};
    ASSERT_EQ(w.engine.Extract(), 0);
    EXPECT_TRUE(bytesOf(f.path("back/src/rand.bin")) == bytesOf(f.path("src/rand.bin")));
}

TEST(Writing, EncryptedAddsOpenWithThePassword) {
    Fixture f("infozip");
    Writer w(f.path("e.zip"), f.path(""));
    w.engine.AddOptions.include(TZipAddOptsEnum::AddEncrypt);
    w.engine.FSpecArgs = {"src"};
    EXPECT_EQ(w.engine.Add(), 129);  // unattended and no password: nothing is written
    EXPECT_FALSE(fs::exists(f.path("e.zip")));
    w.engine.Password = "s3cret";
    w.engine.FSpecArgs = {"src"};
    ASSERT_EQ(w.engine.Add(), 0);
    expectValidForPeers(f.path("e.zip"), f.path(""), "s3cret");
}

TEST(Writing, AddOptionsAndTheirFailures) {
    Fixture f("samename");
    fs::create_directories(f.path("in/sub"));
    std::ofstream(f.path("in/a.txt")) << "a1";
    std::ofstream(f.path("in/.hidden")) << "h";
    std::ofstream(f.path("in/sub/b.txt")) << "b1";
    Writer w(f.path("o.zip"), f.path("in"));
    struct Case {
        const char* name;
        std::vector<std::string> specs;
        int result;
    };
    EXPECT_EQ(w.engine.Add(), 103);  // no specifications
    w.engine.AddOptions.include(TZipAddOptsEnum::AddFreshen);
    EXPECT_EQ(w.engine.Add(), 103);  // freshen of an archive without entries
    w.engine.AddOptions = {TZipAddOptsEnum::AddDirNames, TZipAddOptsEnum::AddRecurseDirs};
    w.engine.FSpecArgs = {"*.*"};
    ASSERT_EQ(w.engine.Add(), 0);
    EXPECT_EQ(w.names(), (std::vector<std::string>{"a.txt", "sub\\b.txt"}));  // hidden files left out
    w.engine.FSpecArgs = {".hidden", "missing.txt"};
    EXPECT_EQ(w.engine.Add(), 0);  // named outright, a hidden file goes in; the missing one is a warning
    EXPECT_EQ(w.engine.ErrMessage(), "Finished with 1 warnings");
    EXPECT_EQ(w.names().size(), 3u);

    // Update replaces older entries and adds new files; freshen only replaces.
    std::ofstream(f.path("in/a.txt")) << "a2 newer";
    std::ofstream(f.path("in/new.txt")) << "n";
    struct timespec later[2] = {{0, UTIME_OMIT}, {time(nullptr) + 10, 0}};
    ::utimensat(AT_FDCWD, f.path("in/a.txt").c_str(), later, 0);
    w.engine.AddOptions = {TZipAddOptsEnum::AddDirNames, TZipAddOptsEnum::AddFreshen};
    w.engine.FSpecArgs.clear();
    ASSERT_EQ(w.engine.Add(), 0);
    EXPECT_EQ(w.engine.SuccessCnt(), 1);
    EXPECT_EQ(*w.engine.ExtractFileToStream("a.txt"), "a2 newer");
    EXPECT_EQ(w.names().size(), 3u);
    w.engine.AddOptions = {TZipAddOptsEnum::AddDirNames, TZipAddOptsEnum::AddUpdate};
    w.engine.FSpecArgs = {"*.txt"};
    ASSERT_EQ(w.engine.Add(), 0);
    EXPECT_EQ(w.engine.SuccessCnt(), 1);  // only new.txt: a.txt is not newer than its entry now
    EXPECT_EQ(w.names().size(), 4u);

    Writer nowhere(f.path("no/such/dir/x.zip"), f.path("in"));
    nowhere.engine.FSpecArgs = {"a.txt"};
    EXPECT_EQ(nowhere.engine.Add(), 77);
    TZipEngine unnamed;
    unnamed.Unattended = true;
    unnamed.FSpecArgs = {"x"};
    EXPECT_EQ(unnamed.Add(), 109);
}

TEST(Writing, MoveRemovesTheSourcesOnlyAfterSuccess) {
    Fixture f("samename");
    fs::create_directories(f.path("in"));
    std::ofstream(f.path("in/a.txt")) << "a";
    std::ofstream(f.path("in/b.txt")) << "b";
    Writer w(f.path("m.zip"), f.path("in"));
    w.engine.AddOptions.include(TZipAddOptsEnum::AddMove);
    w.engine.CreateFile = [](const std::string&) -> std::unique_ptr<WriteFile> { fail(90); };
    w.engine.FSpecArgs = {"a.txt", "b.txt"};
    EXPECT_NE(w.engine.Add(), 0);
    EXPECT_TRUE(fs::exists(f.path("in/a.txt")));
    w.engine.CreateFile = createPosixFile;
    w.engine.FSpecArgs = {"a.txt", "b.txt"};
    ASSERT_EQ(w.engine.Add(), 0);
    EXPECT_FALSE(fs::exists(f.path("in/a.txt")));
    EXPECT_FALSE(fs::exists(f.path("in/b.txt")));
    EXPECT_EQ(w.engine.Count(), 2);
}

TEST(Writing, DeleteKeepsTheCommentAndRemovesAnEmptiedArchive) {
    Fixture f("comment");
    Writer w(f.path("a.zip"));
    const std::string comment = w.engine.directory().end.comment;
    ASSERT_GE(comment.size(), 199u);
    w.engine.FSpecArgs = {"src\\rand.bin"};
    ASSERT_EQ(w.engine.Delete(), 0);
    EXPECT_EQ(w.engine.SuccessCnt(), 1);
    EXPECT_EQ(w.engine.FSpecArgs, std::vector<std::string>{"src\\rand.bin"});
    EXPECT_EQ(w.engine.Count(), 3);
    EXPECT_EQ(w.engine.directory().end.comment, comment);
    EXPECT_TRUE(shell("unzip -tq '" + f.path("a.zip") + "'"));
    w.engine.FSpecArgs = {};
    EXPECT_EQ(w.engine.Delete(), 101);
    w.engine.FSpecArgs = {"*.*"};
    ASSERT_EQ(w.engine.Delete(), 0);
    EXPECT_EQ(w.engine.SuccessCnt(), 5);
    EXPECT_FALSE(fs::exists(f.path("a.zip")));
    EXPECT_EQ(w.engine.Count(), 0);
}

TEST(Writing, DuplicateNamesStopDeleteAndRenameWithNothingWritten) {
    Fixture f("samename");
    Writer w(f.path("a.zip"));
    // A third entry whose name differs from the first only in case.
    std::vector<TZipRenameRec> toUpper{{"b\\x.txt", "A\\X.TXT", {}, 0}};
    const std::string before = bytesOf(f.path("a.zip"));
    EXPECT_EQ(w.engine.Rename(toUpper, 0, TZipRenameOpts::HtrFull), 44);  // onto an existing name
    EXPECT_TRUE(bytesOf(f.path("a.zip")) == before);
    EXPECT_EQ(w.names(), (std::vector<std::string>{"a\\x.txt", "b\\x.txt"}));

    ASSERT_TRUE(shell("cd '" + f.path("") +
                      "' && python3 -c \"import zipfile; z=zipfile.ZipFile('a.zip','a'); "
                      "z.writestr('A/X.TXT','upper'); z.writestr('c.txt','c')\""));
    Writer d(f.path("a.zip"));
    const std::string three = bytesOf(f.path("a.zip"));
    d.engine.FSpecArgs = {"c.txt"};
    EXPECT_EQ(d.engine.Delete(), 44);
    EXPECT_TRUE(bytesOf(f.path("a.zip")) == three);
}

TEST(Writing, RenameRules) {
    Fixture f("samename");
    ASSERT_TRUE(
        shell("cd '" + f.path("") +
              "' && python3 -c \"import zipfile; z=zipfile.ZipFile('r.zip','w'); "
              "z.writestr('old/old.txt','1'); z.writestr('old/other.txt','2'); z.writestr('keep.txt','3'); "
              "z.writestr('dir/','')\""));
    struct Case {
        const char* name;
        std::vector<TZipRenameRec> records;
        TZipRenameOpts how;
        int result, success;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"first occurrence only",
         {{"old", "new", {}, 0}},
         TZipRenameOpts::HtrDefault,
         0,
         2,
         {"new\\old.txt", "new\\other.txt", "keep.txt", "dir\\"}},
        {"all records in turn",
         {{"old", "new", {}, 0}, {"new", "newer", {}, 0}},
         TZipRenameOpts::HtrDefault,
         0,
         2,
         {"newer\\old.txt", "newer\\other.txt", "keep.txt", "dir\\"}},
        {"only the first record",
         {{"old", "new", {}, 0}, {"new", "newer", {}, 0}},
         TZipRenameOpts::HtrOnce,
         0,
         2,
         {"new\\old.txt", "new\\other.txt", "keep.txt", "dir\\"}},
        {"whole names by pattern",
         {{"*.txt", "same.txt", {}, 0}},
         TZipRenameOpts::HtrFull,
         44,
         0,
         {"old\\old.txt", "old\\other.txt", "keep.txt", "dir\\"}},
        {"a file cannot become a folder",
         {{"keep.txt", "keep\\", {}, 0}},
         TZipRenameOpts::HtrDefault,
         75,
         0,
         {"old\\old.txt", "old\\other.txt", "keep.txt", "dir\\"}},
        {"wildcards refused",
         {{"*.txt", "x", {}, 0}},
         TZipRenameOpts::HtrDefault,
         132,
         0,
         {"old\\old.txt", "old\\other.txt", "keep.txt", "dir\\"}},
    };
    const std::string original = bytesOf(f.path("r.zip"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(f.path("r.zip"), std::ios::binary) << original;
        Writer w(f.path("r.zip"));
        std::vector<TZipRenameRec> records = c.records;
        EXPECT_EQ(w.engine.Rename(records, 0, c.how), c.result);
        EXPECT_EQ(w.engine.SuccessCnt(), c.success);
        EXPECT_EQ(w.names(), c.names);
        if (c.success == 0) {
            EXPECT_TRUE(bytesOf(f.path("r.zip")) == original);
        }
        if (c.success > 0) {
            EXPECT_TRUE(shell("unzip -tq '" + f.path("r.zip") + "'"));
            EXPECT_EQ(*w.engine.ExtractFileToStream(c.names[0]), "1");
        }
    }
}

TEST(Writing, AFailedOrCancelledWriteLeavesTheArchiveByteIdentical) {
    Fixture f("infozip");
    fs::create_directories(f.path("tmp"));
    const std::string original = bytesOf(f.path("a.zip"));
    for (const char* operation : {"add", "delete", "rename"}) {
        for (const bool cancel : {false, true}) {
            SCOPED_TRACE(std::string(operation) + (cancel ? " cancelled" : " on a full disk"));
            Writer w(f.path("a.zip"), f.path(""));
            w.engine.TempDir = f.path("tmp");
            int items = 0;
            if (cancel) {
                w.engine.OnProgress = [&](TZipProgressDetails& p) {
                    if (p.Order == TZipProgressType::NewFile && ++items == 2)
                        w.engine.setCancel(true);
                };
            } else {
                w.engine.CreateFile = [](const std::string& path) {
                    return std::make_unique<orlivo::test::FullDisk>(createPosixFile(path), 100000);
                };
            }
            std::vector<TZipRenameRec> records{{"src", "moved", {}, 0}};
            const int result = std::string(operation) == "add"
                                   ? (w.engine.FSpecArgs = {"src"}, w.engine.Add())
                               : std::string(operation) == "delete"
                                   ? (w.engine.FSpecArgs = {"src\\sub\\empty.txt"}, w.engine.Delete())
                                   : w.engine.Rename(records, 0, TZipRenameOpts::HtrDefault);
            EXPECT_EQ(result, cancel ? 143 : 107);
            EXPECT_TRUE(bytesOf(f.path("a.zip")) == original);
            EXPECT_TRUE(fs::is_empty(f.path("tmp")));  // no interim file is left
        }
    }
}

TEST(Writing, APrefixInFrontOfTheArchiveIsKept) {
    Fixture f("prefixed");
    const std::string prefix = bytesOf(f.path("a.zip")).substr(0, 4096);
    Writer w(f.path("a.zip"));
    w.engine.FSpecArgs = {"src\\rand.bin"};
    ASSERT_EQ(w.engine.Delete(), 0);
    EXPECT_TRUE(bytesOf(f.path("a.zip")).substr(0, 4096) == prefix);
    EXPECT_TRUE(shell("unzip -tq '" + f.path("a.zip") + "'"));
    RecordingEngine again;
    again.engine.setZipFileName(f.path("a.zip"));
    EXPECT_TRUE(again.messages.empty());  // offsets now count from the file's start
    EXPECT_EQ(again.engine.Count(), 3);
}

TEST(Writing, Zip64EndRecordsFromExactly65535Entries) {
    Fixture f("many");  // 70,000 entries
    for (const int keep : {65534, 65535}) {
        SCOPED_TRACE(keep);
        fs::copy_file(f.path("a.zip"), f.path("t.zip"), fs::copy_options::overwrite_existing);
        Writer w(f.path("t.zip"));
        w.engine.FSpecArgs.clear();
        for (int i = keep; i < 70000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "f\\%05d.txt", i);
            w.engine.FSpecArgs.push_back(name);
        }
        ASSERT_EQ(w.engine.Delete(), 0);
        EXPECT_EQ(w.engine.Count(), keep);
        EXPECT_EQ(shell("python3 '" CHECK_SCRIPT "' zip64end '" + f.path("t.zip") + "'"), keep >= 65535);
        EXPECT_TRUE(shell("unzip -tq '" + f.path("t.zip") + "'"));
    }
}

TEST(Writing, MultiPartOutputNeverSplitsARecord) {
    Fixture f("samename");
    fs::create_directories(f.path("in"));
    for (int i = 0; i < 29; ++i) {
        std::string data(100000, '\0');
        for (std::size_t k = 0; k < data.size(); ++k)
            data[k] = char((k * 2654435761u + std::size_t(i)) >> 13);
        std::ofstream(f.path("in/f" + std::to_string(i) + ".bin"), std::ios::binary) << data;
    }
    for (const bool compatible : {false, true}) {
        SCOPED_TRACE(compatible ? "compatible names" : "numbered names");
        const std::string dir = f.path(compatible ? "c" : "n");
        fs::create_directories(dir);
        Writer w(dir + "/name.zip", f.path("in"));
        w.engine.AddCompLevel = 0;
        w.engine.WriteOptions = {TZipWriteOptsEnum::ZwoDiskSpan};
        if (compatible)
            w.engine.SpanOptions = {TZipSpanOptsEnum::SpCompatName};
        w.engine.MaxVolumeSize = 1000000;
        w.engine.FSpecArgs = {"*.bin"};
        ASSERT_EQ(w.engine.Add(), 0) << w.engine.ErrMessage();
        const std::vector<std::string> parts =
            compatible ? std::vector<std::string>{"name.z01", "name.z02", "name.zip"}
                       : std::vector<std::string>{"name001.zip", "name002.zip", "name003.zip"};
        EXPECT_EQ(filesBelow(dir), parts);
        for (const std::string& p : parts) EXPECT_LE(fs::file_size(dir + "/" + p), 1000000u) << p;
        // Every local header lies whole in its part; the reading side opens what was written.
        RecordingEngine r;
        r.engine.setZipFileName(dir + "/" + parts.back());
        ASSERT_EQ(r.engine.Count(), 29);
        EXPECT_EQ(r.engine.directory().end.totalDisks, 3u);
        for (const auto& e : r.engine.directory().entries) {
            const auto size = fs::file_size(dir + "/" + parts[e.diskStart]);
            EXPECT_LE(e.localOffset + 30 + e.rawName.size(), size) << e.name;
        }
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 0);
        if (compatible) {
            // Info-ZIP joins the compatible parts into one archive that unzip and zipfile accept.
            ASSERT_TRUE(shell("cd '" + dir + "' && zip -q -s 0 name.zip --out joined.zip"));
            expectValidForPeers(dir + "/joined.zip", f.path("in"));
        }
    }
}

TEST(Writing, AFileOver4GiBGetsZip64Fields) {
    Fixture f("samename");
    fs::create_directories(f.path("in"));
    {
        std::ofstream big(f.path("in/big.bin"), std::ios::binary);
        big.seekp((std::streamoff(9) << 29) - 1);  // 4.5 GiB, sparse
        big.put('\1');
    }
    Writer w(f.path("big.zip"), f.path("in"));
    w.engine.AddCompLevel = 1;
    w.engine.FSpecArgs = {"big.bin"};
    ASSERT_EQ(w.engine.Add(), 0) << w.engine.ErrMessage();
    ASSERT_EQ(w.engine.Count(), 1);
    EXPECT_EQ(w.engine.DirEntry(0).UncompressedSize, std::uint64_t(9) << 29);
    EXPECT_TRUE(shell("unzip -tq '" + f.path("big.zip") + "'"));
    EXPECT_TRUE(shell("python3 -c \"import zipfile,sys; sys.exit(zipfile.ZipFile('" + f.path("big.zip") +
                      "').testzip() is not None)\""));
    w.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(w.engine.Extract(), 0);
}
