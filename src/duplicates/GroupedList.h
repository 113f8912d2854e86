#pragma once

#include "CloneRecords.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// One file row of the grouped view: what it showed when it was listed, and its check box.
struct GroupedRow {
    std::string path;
    std::int32_t imageIndex = 0;
    std::string extension;  // ".txt"
    std::string sizeText;
    std::string dateText;
    std::int32_t groupId = 0;
    std::int64_t duplicateId = 0;  // position of its record in the result list, -1 when gone
    std::int64_t currentSize = 0;
    bool checked = false;
};

enum class GroupAlignment { Left, Center };

struct GroupedGroup {
    std::string header;  // the file name
    std::vector<GroupedRow> rows;
    std::string footer;
    GroupAlignment alignment = GroupAlignment::Left;
    bool collapsed = false;

    int checkedCount() const;
    bool allChecked() const { return !rows.empty() && checkedCount() == int(rows.size()); }
};

// What the grouped view learns about a file when it lists it: its size and time now, and their texts.
struct FileFacts {
    struct Now {
        std::int64_t size = 0;
        std::int64_t mtimeNs = 0;
    };
    // None when the file is gone; by default the file system is asked.
    std::function<std::optional<Now>(const std::string& path)> probe;
    std::function<std::string(std::int64_t bytes)> displaySize;
    std::function<std::string(std::int64_t mtimeNs)> dateText;
};

// The "Groups Headers and Footers" option: 1 left, 2 centred, 0 alternating from group to group.
enum class GroupPlacement { Alternate = 0, Left = 1, Center = 2 };

// The grouped view's content: the files of the names chosen in the navigator, one group per set of
// duplicates, each with a header, a footer and a check box per file. No widget, so its rules are tested
// on their own.
class GroupedList {
public:
    std::vector<GroupedGroup> groups;

    // Lists every record named exactly `name` whose file still exists and that is not listed yet, in the
    // group of its GroupID (a group headed `name` is added for a new GroupID); then every footer is
    // recomputed.
    void loadName(const std::string& name, const std::vector<TCloneRecord>& records, const FileFacts& facts,
                  GroupPlacement placement);
    // Footers as listing leaves them ("... found in N duplicate files.") and the alignments; the
    // alternation goes on from where the previous pass ended.
    void recomputeFooters(const FileFacts& facts, GroupPlacement placement);
    // After a disposal: "... in N files" footers, and every row's record position looked up again.
    void refreshAfterDisposal(const std::vector<TCloneRecord>& records, const FileFacts& facts);

    int rowCount() const;
    int checkedCount() const;
    bool empty() const { return groups.empty(); }
    void clear() { groups.clear(); }
    void setAllChecks(bool on);
    void invertChecks();
    void checkFirstOfEachGroup();
    void checkAllButFirstOfEachGroup();
    // Removes the checked rows (and groups left without rows); returns the file names of the removed rows.
    std::vector<std::string> removeChecked();
    // The same for the rows the test picks.
    std::vector<std::string> removeRowsWhere(const std::function<bool(const GroupedRow&)>& pick);
    void removeGroup(std::size_t group);
    // Groups headed `name` with at most one row leave the view.
    void removeSmallGroupsNamed(const std::string& name);
    int groupsNamed(const std::string& name) const;
    // The group of the first row with this path, or -1.
    int groupOfPath(const std::string& path) const;

private:
    bool fCentreNext = false;
};

std::string extensionOf(const std::string& path);

}  // namespace orlivo::duplicates
