#include "SelectionRules.h"

namespace orlivo::duplicates {

std::vector<int> firstOfEachGroup(const std::vector<TCloneRecord>& rows) {
    std::vector<int> out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows[i].GroupID != rows[i - 1].GroupID)
            out.push_back(int(i));
    }
    return out;
}

std::vector<int> allButFirstOfEachGroup(const std::vector<TCloneRecord>& rows) {
    std::vector<int> out;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].GroupID == rows[i - 1].GroupID)
            out.push_back(int(i));
    }
    return out;
}

std::vector<int> allButFirstOfType(const std::vector<TCloneRecord>& rows, const std::string& type) {
    std::vector<int> out;
    bool inRun = false;
    std::int32_t runGroup = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].FileType != type) {
            inRun = false;
            continue;
        }
        if (inRun && rows[i].GroupID == runGroup) {
            out.push_back(int(i));
        } else {
            inRun = true;
            runGroup = rows[i].GroupID;
        }
    }
    return out;
}

std::vector<std::pair<int, int>> rowRanges(const std::vector<int>& rows) {
    std::vector<std::pair<int, int>> out;
    for (int row : rows) {
        if (!out.empty() && out.back().second + 1 == row)
            out.back().second = row;
        else
            out.emplace_back(row, row);
    }
    return out;
}

}  // namespace orlivo::duplicates
