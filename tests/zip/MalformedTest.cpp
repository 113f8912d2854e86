#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace orlivo::zip;
using namespace orlivo::zip::test;

TEST(Malformed, DamagedArchivesGiveTheirErrorsAndNeverCrash) {
    Fixture f("malformed");
    struct Case {
        const char* file;
        int openError;  // ErrCode after opening
        int count;      // entries listed
        int testResult;
    };
    const Case cases[] = {
        {"zero.zip", 105, 0, 105},
        {"short.zip", 105, 0, 105},
        {"random.zip", 105, 0, 105},
        {"truncated.zip", 105, 0, 105},    // the end record is gone
        {"count-beyond.zip", 31, 0, 105},  // more headers claimed than the directory holds
        {"name-beyond.zip", 31, 0, 105},   // a name longer than the rest of the file
        {"extra-lies.zip", 31, 0, 105},    // an extra field longer than the rest of the file
        {"offset-beyond.zip", 160, 2, 0},  // the directory is found where it must be
        {"size-beyond.zip", 160, 2, 0},
        {"local-beyond.zip", 0, 2, 66},  // a local header outside the
                                         // archive
        {"zip64-lies.zip", 0, 2, 66},    // Zip64 sizes promised but not given
        {"overlap.zip", 0, 2, 66},       // two entries share one local header
        {"bomb.zip", 0, 1, 137},         // inflates past its declared size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        RecordingEngine r;
        r.engine.setZipFileName(f.path(c.file));
        EXPECT_EQ(r.engine.ErrCode(), c.openError);
        EXPECT_EQ(r.engine.Count(), c.count);
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), c.testResult);
    }
}

TEST(Malformed, ABadEntryIsSkippedAndTheOthersExtract) {
    struct Case {
        const char* fixture;
        int result;
        std::vector<std::string> extracted;
        TZipSkipTypes reason;
    };
    const Case cases[] = {
        {"crc", 24, {"one.txt", "three.txt"}, TZipSkipTypes::StCRCError},
        {"method12", 131, {"one.txt", "three.txt"}, TZipSkipTypes::StCompressionUnknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        Fixture f(c.fixture);
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        r.engine.ExtrBaseDir = f.path("out");
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrForceDirs};
        EXPECT_EQ(r.engine.Extract(), c.result);
        EXPECT_EQ(filesBelow(f.path("out")), c.extracted);  // no partial file is left
        ASSERT_EQ(r.engine.skipped().size(), 1u);
        EXPECT_EQ(r.engine.skipped()[0].second, c.reason);
        EXPECT_EQ(r.engine.FSpecArgs, c.extracted);
        EXPECT_EQ(r.engine.FSpecArgsExcl, std::vector<std::string>{r.engine.skipped()[0].first});
    }
}

TEST(Malformed, AFailedEntryNeverDestroysTheFileItWouldReplace) {
    Fixture f("crc");
    fs::create_directories(f.path("out"));
    { std::ofstream(f.path("out/two.txt")) << "precious"; }
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.ExtrBaseDir = f.path("out");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrOverWrite};
    EXPECT_EQ(r.engine.Extract(), 24);
    EXPECT_EQ(readAll(f.path("out/two.txt")), "precious");
    EXPECT_EQ(filesBelow(f.path("out")), (std::vector<std::string>{"one.txt", "three.txt", "two.txt"}));
}

TEST(Malformed, NamesThatWouldLeaveTheBaseFolderAreRefused) {
    Fixture f("hostile");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.ExtrBaseDir = f.path("base/out");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrForceDirs};
    EXPECT_EQ(r.engine.Extract(), 26);
    EXPECT_EQ(filesBelow(f.path("base")), (std::vector<std::string>{"out/deep/ok2.txt", "out/ok.txt"}));
    EXPECT_EQ(filesBelow(f.dir()),
              (std::vector<std::string>{"a.zip", "base/out/deep/ok2.txt", "base/out/ok.txt"}));
    EXPECT_EQ(r.engine.skipped().size(), 6u);
    for (const auto& [name, reason] : r.engine.skipped())
        EXPECT_EQ(reason, TZipSkipTypes::StGeneralExtractError) << name;
    EXPECT_EQ(r.engine.SuccessCnt(), 2);
}

TEST(Malformed, ASymbolicLinkInTheBaseFolderDoesNotLeadOutOfIt) {
    Fixture f("samename");
    fs::create_directories(f.path("out"));
    fs::create_directories(f.path("elsewhere"));
    fs::create_directory_symlink(f.path("elsewhere"), f.path("out/a"));
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.ExtrBaseDir = f.path("out");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames};
    EXPECT_EQ(r.engine.Extract(), 26);
    EXPECT_TRUE(filesBelow(f.path("elsewhere")).empty());
    EXPECT_EQ(filesBelow(f.path("out")), std::vector<std::string>{"b/x.txt"});
}
