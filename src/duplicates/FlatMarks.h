#pragma once

#include "CloneRecords.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace orlivo::duplicates {

// The marks of the flat view (its selected rows) kept beside the view's own selection, so that the marked
// totals and the "whole group marked" warning cost nothing per painted row, whatever the list's length.
class FlatMarks {
public:
    // Starts over for the rows now shown; nothing is marked.
    void reset(const std::vector<TCloneRecord>& rows);
    void mark(int row);
    void unmark(int row);
    void toggle(int row);
    // Inclusive, in either order.
    void markRange(int from, int to);
    void invert();
    void clear();
    int rows() const { return int(fMarked.size()); }

    bool marked(int row) const { return row >= 0 && std::size_t(row) < fMarked.size() && fMarked[row]; }
    std::int64_t count() const { return fCount; }
    std::int64_t size() const { return fSize; }
    // The row is marked and so is every other row of its group.
    bool wholeGroupMarked(int row) const;
    // Some group has all its rows marked.
    bool anyWholeGroup() const { return fWholeGroups > 0; }

private:
    struct Group {
        int rows = 0;
        int marked = 0;
    };
    void change(int row, bool on);

    const std::vector<TCloneRecord>* fRows = nullptr;
    std::vector<char> fMarked;
    std::vector<std::int64_t> fSizes;
    std::unordered_map<std::int32_t, Group> fGroups;
    std::int64_t fCount = 0;
    std::int64_t fSize = 0;
    int fWholeGroups = 0;
};

}  // namespace orlivo::duplicates
