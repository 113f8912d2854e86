#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>
#include <fstream>

using namespace orlivo::zip;
using namespace orlivo::zip::test;

TEST(Engine, OpeningAMissingArchiveIsNoError) {
    Fixture f("samename");
    RecordingEngine r;
    int updates = 0;
    r.engine.OnDirUpdate = [&] { ++updates; };
    r.engine.setZipFileName(f.path("none.zip"));
    EXPECT_EQ(r.engine.Count(), 0);
    EXPECT_EQ(r.engine.ErrCode(), 0);
    EXPECT_EQ(r.engine.ErrMessage(), "Input file does not exist");
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.setZipFileName(f.path("a.zip"));  // the same name again reloads
    EXPECT_EQ(updates, 3);
    EXPECT_EQ(r.engine.Count(), 2);
    EXPECT_GT(r.engine.ZipFileSize(), 0u);
    r.engine.setZipFileName("");
    EXPECT_EQ(r.engine.Count(), 0);
    EXPECT_EQ(r.engine.Extract(), 109);
    EXPECT_TRUE(r.messages.empty() == false);
}

TEST(Engine, SpecificationsSelectAndWhatWasDoneIsLeftInThem) {
    Fixture f("infozip");
    struct Case {
        std::vector<std::string> specs, excl;
        int result, success;
    };
    const Case cases[] = {
        {{}, {}, 0, 6},  // empty: every entry
        {{"*.*"}, {}, 0, 6},
        {{"SRC\\SUB\\NUMBERS.TXT"}, {}, 0, 1},  // exact name, case ignored
        {{"src/sub/numbers.txt"}, {}, 0, 1},    // '/' counts as '\'
        {{"*.txt"}, {}, 0, 3},
        {{"src\\sub\\*.*"}, {}, 0, 4},  // the folder entry and everything in it
        {{"*.bin| *.none"}, {}, 0, 1},
        {{"*.*"}, {"*.txt"}, 0, 3},
        {{"missing.txt", "*.bin"}, {}, 102, 1},  // a pattern that selects nothing is skipped
        {{"missing.txt"}, {}, 102, 0},           // nothing at all: the skip is the result
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.specs.empty() ? "(none)" : c.specs[0]);
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        r.engine.FSpecArgs = c.specs;
        r.engine.FSpecArgsExcl = c.excl;
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), c.result);
        EXPECT_EQ(r.engine.SuccessCnt(), c.success);
        if (c.result == 0) {
            EXPECT_EQ(int(r.engine.FSpecArgs.size()), c.success);
        }
        if (c.success == 0) {
            EXPECT_NE(std::find(r.messages.begin(), r.messages.end(), 89), r.messages.end());
        }
    }
}

TEST(Engine, ExistingFilesFollowTheOverwriteRules) {
    Fixture f("samename");
    using O = TZipExtrOptsEnum;
    struct Case {
        const char* name;
        TZipExtrOpts options;
        bool existingNewer;
        int handler;  // -1 none, else the answer it gives
        bool replaced;
    };
    const Case cases[] = {
        {"kept by default", {O::ExtrDirNames}, false, -1, false},
        {"overwrite", {O::ExtrDirNames, O::ExtrOverWrite}, true, -1, true},
        {"update keeps a newer file", {O::ExtrDirNames, O::ExtrOverWrite, O::ExtrUpdate}, true, -1, false},
        {"update replaces an older file", {O::ExtrDirNames, O::ExtrUpdate}, false, -1, true},
        {"the handler decides", {O::ExtrDirNames}, false, 1, true},
        {"the handler refuses", {O::ExtrDirNames, O::ExtrOverWrite}, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(f.path("out"));
        fs::create_directories(f.path("out/a"));
        { std::ofstream(f.path("out/a/x.txt")) << "old"; }
        const time_t when = c.existingNewer ? time(nullptr) + 3600 : 946684800;  // or the year 2000
        struct utimbuf t {
            when, when
        };
        ::utime(f.path("out/a/x.txt").c_str(), &t);
        RecordingEngine r;
        bool askedOlder = c.existingNewer;
        if (c.handler >= 0) {
            r.engine.OnExtractOverwrite = [&](const std::string& path, bool isOlder, bool& overwrite, int) {
                EXPECT_EQ(path, f.path("out/a/x.txt"));
                askedOlder = isOlder;
                overwrite = c.handler == 1;
            };
        }
        r.engine.setZipFileName(f.path("a.zip"));
        r.engine.ExtrBaseDir = f.path("out");
        r.engine.ExtrOptions = c.options;
        r.engine.FSpecArgs = {"a\\x.txt"};
        EXPECT_EQ(r.engine.Extract(), c.replaced ? 0 : 92);
        EXPECT_EQ(readAll(f.path("out/a/x.txt")), c.replaced ? "from a\n" : "old");
        if (c.handler >= 0) {
            EXPECT_TRUE(askedOlder);
        }
    }
}

TEST(Engine, WithoutFolderNamesEveryFileGoesToTheBase) {
    Fixture f("samename");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.ExtrBaseDir = f.path("out");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrForceDirs};
    EXPECT_EQ(r.engine.Extract(), 92);  // the second x.txt meets the first
    EXPECT_EQ(filesBelow(f.path("out")), std::vector<std::string>{"x.txt"});
    EXPECT_EQ(readAll(f.path("out/x.txt")), "from a\n");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrOverWrite};
    r.engine.FSpecArgs.clear();  // the last operation left its names there
    r.engine.FSpecArgsExcl.clear();
    EXPECT_EQ(r.engine.Extract(), 0);
    EXPECT_EQ(readAll(f.path("out/x.txt")), "from b\n");
}

TEST(Engine, NoSkippingTurnsASkipIntoTheEndOfTheOperation) {
    Fixture f("crc");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.NoSkipping.include(TZipSkipTypes::StCRCError);
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(r.engine.Extract(), 24);
    EXPECT_EQ(r.engine.SuccessCnt(), 1);  // three.txt after the bad entry is never reached
    EXPECT_TRUE(r.engine.skipped().empty());
}

TEST(Engine, AMissingBaseFolderNeedsForceDirs) {
    Fixture f("samename");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    r.engine.ExtrBaseDir = f.path("no/such/folder");
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames};
    EXPECT_EQ(r.engine.Extract(), 29);
    EXPECT_EQ(r.engine.SuccessCnt(), 0);
    EXPECT_FALSE(fs::exists(f.path("no")));
}

TEST(Engine, ProgressCancelStopAndReentry) {
    Fixture f("infozip");
    // Cancel from a progress event ends the operation with 143.
    {
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        r.engine.OnProgress = [&](TZipProgressDetails& p) {
            if (p.Order == TZipProgressType::NewFile)
                r.engine.setCancel(true);
        };
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 143);
        EXPECT_LT(r.engine.SuccessCnt(), 6);
        EXPECT_FALSE(r.engine.Cancel());
    }
    // Stop skips every remaining entry as cancelled.
    {
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        r.engine.OnProgress = [&](TZipProgressDetails& p) {
            p.Stop = p.Order == TZipProgressType::EndOfItem;
        };
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 45);
        for (const auto& s : r.engine.skipped()) EXPECT_EQ(s.second, TZipSkipTypes::StUser);
        EXPECT_GE(r.engine.skipped().size(), 1u);
    }
    // A second operation from inside an event is refused with 27; the first goes on.
    {
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        int nested = -1;
        std::int32_t lastTotal = -1;
        r.engine.OnProgress = [&](TZipProgressDetails& p) {
            if (nested < 0)
                nested = r.engine.Extract();
            EXPECT_EQ(r.engine.State(), TZipStates::ZsBusy);
            lastTotal = p.TotalPerCent();
        };
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 0);
        EXPECT_EQ(nested, 27);
        EXPECT_EQ(lastTotal, 100);
        EXPECT_EQ(r.engine.State(), TZipStates::ZsIdle);
    }
    // The owner's terminate check cancels as well.
    {
        RecordingEngine r;
        r.engine.setZipFileName(f.path("a.zip"));
        int ticks = 0;
        r.engine.OnTick = [&] { ++ticks; };
        r.engine.OnCheckTerminate = [&](bool& abort) { abort = ticks > 3; };
        r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
        EXPECT_EQ(r.engine.Extract(), 143);
    }
    TZipProgressDetails empty;
    EXPECT_EQ(empty.TotalPerCent(), 0);
    EXPECT_EQ(empty.ItemPerCent(), 0);
}

TEST(Engine, AChangedArchiveIsNoticed) {
    Fixture f("samename");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    { std::ofstream(f.path("a.zip"), std::ios::app) << "more"; }
    r.engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(r.engine.Extract(), 56);
    EXPECT_EQ(r.engine.ExtractFileToStream("a\\x.txt"), nullptr);
}

TEST(Engine, ExtractToMemory) {
    Fixture f("samename");
    RecordingEngine r;
    r.engine.setZipFileName(f.path("a.zip"));
    const std::string* data = r.engine.ExtractFileToStream("  B\\X.TXT ");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(*data, "from b\n");
    EXPECT_EQ(r.engine.SuccessCnt(), 1);
    EXPECT_EQ(r.engine.ExtractFileToStream("c\\x.txt"), nullptr);
    EXPECT_EQ(r.engine.ErrCode(), 102);
    EXPECT_EQ(r.engine.ExtractFileToStream("*.txt"), nullptr);
    EXPECT_EQ(r.engine.ErrCode(), 132);
}

TEST(Engine, AttendedErrorsAreShownButCancelsAreNot) {
    Fixture f("crc");
    struct Boxes : ZipEngineDialogs {
        std::vector<std::string> texts;
        void messageBox(const std::string& t) override { texts.push_back(t); }
        PasswordAnswer askPassword(const std::string&, const std::string&, std::string&) override {
            return PasswordAnswer::CancelAll;
        }
    } boxes;
    TZipEngine engine;
    engine.setDialogs(&boxes);
    engine.setZipFileName(f.path("a.zip"));
    engine.ExtrOptions = {TZipExtrOptsEnum::ExtrTest};
    EXPECT_EQ(engine.Extract(), 24);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"CRC error"});
    int answered = 0;
    engine.OnZipDialog = [&](const std::string&, std::string&, int& result, int) {
        ++answered;
        result = 1;  // answered by the owner: no box of the engine's own
    };
    engine.FSpecArgs.clear();  // the last operation left its names and its skipped entry there
    engine.FSpecArgsExcl.clear();
    EXPECT_EQ(engine.Extract(), 24);
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(boxes.texts.size(), 1u);
    engine.OnProgress = [&](TZipProgressDetails&) { engine.setCancel(true); };
    EXPECT_EQ(engine.Extract(), 143);
    EXPECT_EQ(boxes.texts.size(), 1u);
}
