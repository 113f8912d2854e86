#pragma once

#include "FileSearch.h"

#include <string>
#include <vector>

namespace orlivo::duplicates {

// The choices of the options window that the file search takes.
struct OptionsChoices {
    bool subfolders = true;
    int depth = 3;
    std::string masksText = "*.*";
    bool minOn = true, maxOn = false;
    long long minValue = 1, maxValue = 0;
    bool fromOn = false, toOn = false;
    std::int64_t fromNs = 0, toNs = 0;
    bool ignoreHidden = true, ignoreSystem = true, ignoreReadOnly = true;
};

// The search criteria of "Start": masks and attributes always; sizes in units of 1,000,000 bytes, or of
// 1,023,000 bytes each when both bounds are on; dates as chosen; with no size or date bound at all, the
// minimum of 1,000,000 bytes. An empty mask text keeps the previous masks; otherwise ";" separates them.
SearchCriteria criteriaFrom(const OptionsChoices& choices, const std::vector<std::string>& previousMasks);

}  // namespace orlivo::duplicates
