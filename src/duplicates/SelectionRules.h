#pragma once

#include "CloneRecords.h"

#include <string>
#include <vector>

namespace orlivo::duplicates {

// The rows a selection command marks, in ascending order. A group is a run of consecutive rows with the
// same GroupID, as the result list keeps them.
std::vector<int> firstOfEachGroup(const std::vector<TCloneRecord>& rows);
std::vector<int> allButFirstOfEachGroup(const std::vector<TCloneRecord>& rows);
// Among the rows of the type (exact), every row of a run of equal GroupID but its first; a row of
// another type ends the run.
std::vector<int> allButFirstOfType(const std::vector<TCloneRecord>& rows, const std::string& type);

// Ascending rows folded into inclusive [first, last] ranges, so a view selects them in few steps.
std::vector<std::pair<int, int>> rowRanges(const std::vector<int>& rows);

}  // namespace orlivo::duplicates
