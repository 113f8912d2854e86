#include "FlatMarks.h"

#include "ResultFilters.h"

#include <algorithm>

namespace orlivo::duplicates {

void FlatMarks::reset(const std::vector<TCloneRecord>& rows) {
    fRows = &rows;
    fMarked.assign(rows.size(), 0);
    fSizes.resize(rows.size());
    fGroups.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        fSizes[i] = sizeOf(rows[i]);
        ++fGroups[rows[i].GroupID].rows;
    }
    fCount = fSize = 0;
    fWholeGroups = 0;
}

void FlatMarks::clear() {
    std::fill(fMarked.begin(), fMarked.end(), 0);
    for (auto& [id, g] : fGroups) g.marked = 0;
    fCount = fSize = 0;
    fWholeGroups = 0;
}

void FlatMarks::mark(int row) {
    change(row, true);
}

void FlatMarks::unmark(int row) {
    change(row, false);
}

void FlatMarks::toggle(int row) {
    change(row, !marked(row));
}

void FlatMarks::markRange(int from, int to) {
    if (from > to)
        std::swap(from, to);
    for (int row = std::max(from, 0); row <= to && row < rows(); ++row) change(row, true);
}

void FlatMarks::invert() {
    for (int row = 0; row < rows(); ++row) change(row, !fMarked[row]);
}

void FlatMarks::change(int row, bool on) {
    if (row < 0 || std::size_t(row) >= fMarked.size() || bool(fMarked[row]) == on)
        return;
    fMarked[row] = on;
    Group& g = fGroups[(*fRows)[row].GroupID];
    const bool wasWhole = g.marked == g.rows;
    g.marked += on ? 1 : -1;
    fWholeGroups += int(g.marked == g.rows) - int(wasWhole);
    fCount += on ? 1 : -1;
    fSize += on ? fSizes[row] : -fSizes[row];
}

bool FlatMarks::wholeGroupMarked(int row) const {
    if (!marked(row))
        return false;
    const auto it = fGroups.find((*fRows)[row].GroupID);
    return it != fGroups.end() && it->second.marked == it->second.rows;
}

}  // namespace orlivo::duplicates
