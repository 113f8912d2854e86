#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orlivo::zip;
using namespace orlivo::zip::test;

namespace {

const std::vector<std::string> kTree = {"src/rand.bin", "src/sub/caf\u00e9 \u65e5\u672c.txt",
                                        "src/sub/empty.txt", "src/sub/numbers.txt"};

// Extracts everything into out/ and compares every file with the original tree of the fixture.
void expectExtractsTheTree(TZipEngine& engine, const Fixture& f) {
    engine.ExtrBaseDir = f.path("out");
    engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrForceDirs};
    engine.FSpecArgs.clear();  // what the last operation left there would carry over
    engine.FSpecArgsExcl.clear();
    ASSERT_EQ(engine.Extract(), 0) << engine.ErrMessage();
    EXPECT_EQ(engine.SuccessCnt(), engine.Count() + engine.DirOnlyCnt());
    EXPECT_EQ(filesBelow(f.path("out")), kTree);
    for (const std::string& file : kTree) {
        EXPECT_EQ(readAll(f.path("out/" + file)), readAll(f.path(file))) << file;
    }
}

}  // namespace

TEST(Reading, PeerArchivesListTestAndExtractByteForByte) {
    for (const char* name : {"infozip", "zip64", "split", "comment"}) {
        SCOPED_TRACE(name);
        Fixture f(name);
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        EXPECT_EQ(r.engine.ErrCode(), 0);
        ASSERT_EQ(r.engine.Count(), 4);
        EXPECT_EQ(r.engine.DirOnlyCnt(), 2);
        std::vector<std::string> names;
        for (int i = 0; i < r.engine.Count(); ++i) names.push_back(r.engine.DirEntry(i).FileName);
        EXPECT_NE(std::find(names.begin(), names.end(), "src\\sub\\numbers.txt"), names.end());
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 0);
        EXPECT_EQ(r.engine.SuccessCnt(), 6);
        expectExtractsTheTree(r.engine, f);
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST(Reading, NumberedPartsOpenFromAnyOfTheirNames) {
    Fixture f("numbered");
    for (const char* name : {"n001.zip", "n003.zip", "n.zip"}) {
        SCOPED_TRACE(name);
        RecordingEngine r;
        r.engine.setZipFileName(f.path(name));
        EXPECT_EQ(r.engine.ZipFileName(), f.path(std::string(name) == "n.zip" ? "n.zip" : "n.ZIP"));
        ASSERT_EQ(r.engine.Count(), 4);
        EXPECT_TRUE(r.engine.WriteOptions.has(TZipWriteOptsEnum::ZwoDiskSpan));
        fs::remove_all(f.path("out"));
        expectExtractsTheTree(r.engine, f);
    }
}

TEST(Reading, ExtractedFilesGetTheEntryTime) {
    Fixture f("infozip");
    TZipEngine engine;
    engine.Unattended = true;
    engine.setZipFileName(f.path("a.zip"));
    expectExtractsTheTree(engine, f);
    struct stat original {
    }, copy{};
    ASSERT_EQ(::stat(f.path("src/sub/numbers.txt").c_str(), &original), 0);
    ASSERT_EQ(::stat(f.path("out/src/sub/numbers.txt").c_str(), &copy), 0);
    EXPECT_LE(std::llabs(copy.st_mtime - original.st_mtime), 2);  // MS-DOS times have 2-second steps
}

TEST(Reading, OddButValidArchivesLoadWithTheirWarnings) {
    struct Case {
        const char* name;
        std::vector<int> warnings;
    };
    const Case cases[] = {{"junk", {159}}, {"prefixed", {160}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.name);
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        EXPECT_EQ(r.messages, c.warnings);
        EXPECT_EQ(r.engine.ErrCode(), c.warnings.front());  // reported as the open's error, loading went on
        EXPECT_EQ(r.engine.Count(), 4);
        expectExtractsTheTree(r.engine, f);
    }
}

TEST(Reading, PythonArchivesWithDataDescriptorsAndUtf8Names) {
    Fixture f("descriptor");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    ASSERT_EQ(r.engine.Count(), 3);
    EXPECT_EQ(r.engine.DirEntry(2).FileName, "gr\u00fc\u00dfe\\\u043f\u0440\u0438\u0432\u0435\u0442.txt");
    const std::string* data =
        r.engine.ExtractFileToStream("GR\u00fc\u00dfE/\u043f\u0440\u0438\u0432\u0435\u0442.txt");
    // Lookups ignore the case of ASCII letters only.
    ASSERT_NE(data, nullptr);
    std::string expected;
    for (int i = 0; i < 1000; ++i) expected += "gr\u00fc\u00dfe/\u043f\u0440\u0438\u0432\u0435\u0442.txt\n";
    EXPECT_EQ(*data, expected);
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(r.engine.Extract(), 0);
    EXPECT_EQ(r.engine.SuccessCnt(), 3);
}

TEST(Reading, MoreThan65535EntriesAllList) {
    Fixture f("many");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    ASSERT_EQ(r.engine.Count(), 70000);
    EXPECT_EQ(r.engine.DirEntry(69999).FileName, "f\\69999.txt");
    const std::string* data = r.engine.ExtractFileToStream("f\\65536.txt");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(*data, "65536");
}

TEST(Reading, DosNamesDecodeWithTheOemCodePage) {
    Fixture f("cp437");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    ASSERT_EQ(r.engine.Count(), 1);
    EXPECT_EQ(r.engine.DirEntry(0).FileName, "M\u00fcller-Stra\u00dfe.txt");
}

TEST(Reading, EncryptedEntriesNeedTheirPassword) {
    Fixture f("encrypted");
    struct Case {
        const char* password;
        int result, success;
    };
    const Case cases[] = {{"secret", 0, 6}, {"wrong", 111, 2}, {"", 128, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        EXPECT_TRUE(r.engine.DirEntry(0).Encrypted);
        r.engine.Password = c.password;
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), c.result);
        EXPECT_EQ(r.engine.SuccessCnt(), c.success);  // folders need no password
    }
    RecordingEngine r;
    r.engine.Password = "secret";
    r.engine.setZipFileName(f.path("a.zip"));
    expectExtractsTheTree(r.engine, f);
}

namespace {

struct ScriptedPasswords : ZipEngineDialogs {
    std::vector<std::pair<PasswordAnswer, std::string>> answers;
    int asked = 0, boxes = 0;
    void messageBox(const std::string&) override { ++boxes; }
    PasswordAnswer askPassword(const std::string& title, const std::string& prompt,
                               std::string& pw) override {
        EXPECT_EQ(title, "Password");
        EXPECT_EQ(prompt, "Enter Password ");
        const auto a = answers[std::size_t(asked++)];
        pw = a.second;
        return a.first;
    }
};

}  // namespace

TEST(Reading, AnAttendedEngineAsksOnceAndKeepsTheAnswer) {
    Fixture f("encrypted");
    TZipEngine engine;
    ScriptedPasswords dialogs;
    dialogs.answers = {{ZipEngineDialogs::PasswordAnswer::Ok, "secret"}};
    engine.setDialogs(&dialogs);
    engine.setZipFileName(f.path("a.zip"));
    engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(engine.Extract(), 0);
    EXPECT_EQ(dialogs.asked, 1);  // later entries try the answer first
    EXPECT_EQ(engine.Password, "secret");

    TZipEngine cancelled;
    ScriptedPasswords cancel;
    cancel.answers = {{ZipEngineDialogs::PasswordAnswer::Cancel, ""}};
    cancelled.setDialogs(&cancel);
    cancelled.setZipFileName(f.path("a.zip"));
    cancelled.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(cancelled.Extract(), 143);  // stops the whole operation
    EXPECT_EQ(cancel.boxes, 0);           // a cancel is not shown as an error
}
