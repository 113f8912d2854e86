#include "FlatMarks.h"
#include "GroupOrphans.h"
#include "GroupedList.h"
#include "ResultFilters.h"
#include "SelectionRules.h"

#include <gtest/gtest.h>

#include <map>

using namespace orlivo::duplicates;

namespace {

TCloneRecord record(const std::string& path, std::int64_t size, std::int32_t group,
                    const std::string& type = "Text", const std::string& date = "") {
    TCloneRecord r;
    r.Name = r.FullPath = path;
    r.Size = std::to_string(size);
    r.GroupID = group;
    r.FileType = type;
    r.DateModified = date;
    r.ColorId = group % 2 + 1;
    return r;
}

std::vector<std::string> pathsOf(const std::vector<TCloneRecord>& records) {
    std::vector<std::string> out;
    for (const auto& r : records) out.push_back(r.FullPath);
    return out;
}

}  // namespace

TEST(ResultFilters, SizeBoundsCountKbAsBytesDiv1023) {
    const std::vector<TCloneRecord> records = {record("/a", 1022, 0), record("/b", 1023, 0),
                                               record("/c", 3068, 1), record("/d", 3069, 1)};
    struct Case {
        std::string min, max;
        std::vector<std::string> pass;
    } cases[] = {
        {"1", "2", {"/b", "/c"}},
        {"0", "0", {"/a"}},  // Max left at 0: only files below 1,023 bytes
        {"", "", {"/a"}},    // empty edits count as 0
        {"3", "", {}},
    };
    for (const Case& c : cases) {
        FilterChoice choice;
        choice.bySize = true;
        choice.minKb = c.min;
        choice.maxKb = c.max;
        const FilterOutcome out = applyFilters(records, choice, nullptr);
        EXPECT_EQ(pathsOf(out.FIDLISTF), c.pass) << c.min << ".." << c.max;
        for (const auto& r : out.FIDLISTF) EXPECT_EQ(r.ColorId, -1);  // filtered rows carry no colours
    }
}

TEST(ResultFilters, DatesByCalendarDayAndTogetherWithType) {
    // Day numbers stand for what the user's format reads back; "x" cannot be read.
    const std::map<std::string, std::int64_t> days = {{"d10 23:59", 10}, {"d10 00:00", 10}, {"d11", 11}};
    const DayOfText dayOf = [&](const std::string& t) -> std::optional<std::int64_t> {
        const auto it = days.find(t);
        return it == days.end() ? std::nullopt : std::optional(it->second);
    };
    const std::vector<TCloneRecord> records = {
        record("/late", 1, 0, "Text", "d10 23:59"), record("/early", 1, 0, "Image", "d10 00:00"),
        record("/next", 1, 1, "Text", "d11"), record("/bad", 1, 1, "Text", "x")};
    FilterChoice sameDay;
    sameDay.byDate = true;
    sameDay.fromDay = sameDay.toDay = 10;
    EXPECT_EQ(pathsOf(applyFilters(records, sameDay, dayOf).FIDLISTF),
              (std::vector<std::string>{"/late", "/early"}));

    FilterChoice typed = sameDay;
    typed.byType = true;
    typed.type = "TEXT";  // the type compares without case
    EXPECT_EQ(pathsOf(applyFilters(records, typed, dayOf).FIDLISTF), (std::vector<std::string>{"/late"}));
    typed.toDay = 11;
    const FilterOutcome wide = applyFilters(records, typed, dayOf);
    EXPECT_EQ(pathsOf(wide.FIDLISTF), (std::vector<std::string>{"/late", "/next"}));
    EXPECT_EQ(wide.sources, (std::vector<std::size_t>{0, 2}));

    FilterChoice reversed = sameDay;
    reversed.fromDay = 11;
    const FilterOutcome none = applyFilters(records, reversed, dayOf);
    EXPECT_TRUE(none.fromAfterTo);
    EXPECT_TRUE(none.FIDLISTF.empty());
}

TEST(SelectionRules, GroupByGroup) {
    // Groups A (3 files) and B (2 files), then a mixed-type group C.
    const std::vector<TCloneRecord> rows = {
        record("/A1", 1, 0), record("/A2", 1, 0),          record("/A3", 1, 0),
        record("/B1", 1, 1), record("/B2", 1, 1),          record("/C1", 1, 2, "Image"),
        record("/C2", 1, 2), record("/C3", 1, 2, "Image"), record("/C4", 1, 2, "Image")};
    EXPECT_EQ(firstOfEachGroup(rows), (std::vector<int>{0, 3, 5}));
    EXPECT_EQ(allButFirstOfEachGroup(rows), (std::vector<int>{1, 2, 4, 6, 7, 8}));
    // C2 (another type) ends the run of images: C3 starts a new one.
    EXPECT_EQ(allButFirstOfType(rows, "Image"), (std::vector<int>{8}));
    EXPECT_EQ(allButFirstOfType(rows, "Text"), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(rowRanges({1, 2, 4, 6, 7, 8}), (std::vector<std::pair<int, int>>{{1, 2}, {4, 4}, {6, 8}}));
}

TEST(FlatMarks, TotalsAndWholeGroups) {
    const std::vector<TCloneRecord> rows = {record("/a", 1000, 0), record("/b", 3000, 0),
                                            record("/big", 5368709120, 1), record("/c", 1, 1)};
    FlatMarks marks;
    marks.reset(rows);
    marks.mark(0);
    EXPECT_FALSE(marks.anyWholeGroup());
    marks.mark(1);
    EXPECT_EQ(marks.count(), 2);
    EXPECT_EQ(marks.size(), 4000);
    EXPECT_TRUE(marks.wholeGroupMarked(0));
    EXPECT_TRUE(marks.anyWholeGroup());
    marks.mark(1);  // marking twice changes nothing
    marks.unmark(0);
    EXPECT_EQ(marks.count(), 1);
    EXPECT_FALSE(marks.wholeGroupMarked(1));
    EXPECT_FALSE(marks.anyWholeGroup());
    marks.mark(2);
    EXPECT_EQ(marks.size(), 3000 + 5368709120);
    marks.clear();
    EXPECT_EQ(marks.count(), 0);
    EXPECT_FALSE(marks.marked(2));
}

TEST(GroupOrphans, SingleFilesLeaveTheirGroupAndTheLastRecordGoes) {
    std::vector<TCloneRecord> records = {record("/x/a.txt", 1, 0), record("/y/a.txt", 1, 0),
                                         record("/x/b.png", 1, 1, "Image"), record("/x/c.txt", 1, 2),
                                         record("/y/c.txt", 1, 2)};
    // Group 1 lost its other file; groups 0 and 2 are still duplicates.
    auto removed = removeGroupOrphans(records, {0, 1});
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].name, "b.png");
    EXPECT_EQ(removed[0].fileType, "Image");
    EXPECT_EQ(records.size(), 4u);
    EXPECT_FALSE(anyRecordOfType(records, "Image"));
    EXPECT_TRUE(anyRecordNamed(records, "c.txt"));

    records.erase(records.begin() + 3);  // c.txt of /y disposed of
    records.erase(records.begin());      // a.txt of /x disposed of
    removed = removeGroupOrphans(records, {0, 2});
    EXPECT_EQ(removed.size(), 2u);
    EXPECT_TRUE(records.empty());
}

TEST(GroupedList, ListingFootersAndAlternation) {
    std::map<std::string, std::int64_t> sizes = {{"/x/a.txt", 1000}, {"/y/a.txt", 1000}, {"/z/a.txt", 5}};
    FileFacts facts;
    facts.probe = [&](const std::string& p) -> std::optional<FileFacts::Now> {
        const auto it = sizes.find(p);
        return it == sizes.end() ? std::nullopt : std::optional(FileFacts::Now{it->second, 0});
    };
    facts.displaySize = [](std::int64_t b) { return std::to_string(b) + " B"; };
    facts.dateText = [](std::int64_t) { return std::string("today"); };
    const std::vector<TCloneRecord> records = {record("/x/a.txt", 1000, 0), record("/y/a.txt", 1000, 0),
                                               record("/gone/a.txt", 5, 1), record("/z/a.txt", 5, 1),
                                               record("/x/b.txt", 7, 2),    record("/y/b.txt", 7, 2)};
    GroupedList list;
    list.loadName("a.txt", records, facts, GroupPlacement::Alternate);
    ASSERT_EQ(list.groups.size(), 2u);  // the missing file is not listed
    EXPECT_EQ(list.groups[0].header, "a.txt");
    EXPECT_EQ(list.groups[0].footer, "2000 B found in 2 duplicate files.");
    EXPECT_EQ(list.groups[1].rows[0].duplicateId, 3);
    EXPECT_EQ(list.groups[1].rows[0].extension, ".txt");
    EXPECT_EQ(list.groups[0].alignment, GroupAlignment::Left);
    EXPECT_EQ(list.groups[1].alignment, GroupAlignment::Center);

    sizes["/x/b.txt"] = 7;
    sizes["/y/b.txt"] = 7;
    list.loadName("a.txt", records, facts, GroupPlacement::Alternate);  // nothing new
    EXPECT_EQ(list.rowCount(), 3);
    list.loadName("b.txt", records, facts, GroupPlacement::Alternate);
    ASSERT_EQ(list.groups.size(), 3u);
    EXPECT_EQ(list.groups[2].alignment, GroupAlignment::Left);
    // The alternation goes on across loads: after an odd number of groups the first is centred.
    list.loadName("b.txt", records, facts, GroupPlacement::Alternate);
    EXPECT_EQ(list.groups[0].alignment, GroupAlignment::Center);
    EXPECT_EQ(list.groups[1].alignment, GroupAlignment::Left);

    list.checkAllButFirstOfEachGroup();
    EXPECT_EQ(list.checkedCount(), 2);
    list.invertChecks();
    EXPECT_EQ(list.checkedCount(), 3);
    EXPECT_TRUE(list.groups[1].allChecked());
    const std::vector<std::string> names = list.removeChecked();
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(list.rowCount(), 2);

    const std::vector<TCloneRecord> left = {record("/y/a.txt", 1000, 0), record("/y/a.txt", 1000, 0)};
    list.refreshAfterDisposal(left, facts);
    EXPECT_EQ(list.groups[0].footer, "1000 B in 1 files");
    EXPECT_EQ(list.groups[0].rows[0].duplicateId, 1);  // the last record of that path counts
    EXPECT_EQ(list.groups[1].rows[0].duplicateId, -1);
}
