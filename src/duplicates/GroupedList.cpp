#include "GroupedList.h"

#include "GroupOrphans.h"

#include <sys/stat.h>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace orlivo::duplicates {

namespace {

std::optional<FileFacts::Now> statFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileFacts::Now{std::int64_t(st.st_size),
                          std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::string display(const FileFacts& facts, std::int64_t bytes) {
    return facts.displaySize ? facts.displaySize(bytes) : std::to_string(bytes);
}

std::string trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::int64_t sumOf(const GroupedGroup& g) {
    std::int64_t sum = 0;
    for (const GroupedRow& r : g.rows) sum += r.currentSize;
    return sum;
}

}  // namespace

std::string extensionOf(const std::string& path) {
    const std::string name = fileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

int GroupedGroup::checkedCount() const {
    return int(std::count_if(rows.begin(), rows.end(), [](const GroupedRow& r) { return r.checked; }));
}

void GroupedList::loadName(const std::string& name, const std::vector<TCloneRecord>& records,
                           const FileFacts& facts, GroupPlacement placement) {
    std::unordered_set<std::string> listed;
    std::unordered_map<std::int32_t, std::size_t> groupOf;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (const GroupedRow& r : groups[g].rows) {
            listed.insert(r.path);
            groupOf.emplace(r.groupId, g);
        }
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TCloneRecord& rec = records[i];
        if (fileNameOf(rec.FullPath) != name || listed.count(rec.FullPath))
            continue;
        const std::optional<FileFacts::Now> now =
            facts.probe ? facts.probe(rec.FullPath) : statFile(rec.FullPath);
        if (!now)
            continue;
        auto it = groupOf.find(rec.GroupID);
        if (it == groupOf.end()) {
            groups.push_back(GroupedGroup{name, {}, {}, GroupAlignment::Left, false});
            it = groupOf.emplace(rec.GroupID, groups.size() - 1).first;
        }
        GroupedRow row;
        row.path = rec.FullPath;
        row.imageIndex = rec.ImageIndex;
        row.extension = extensionOf(rec.FullPath);
        row.sizeText = display(facts, now->size);
        row.dateText = facts.dateText ? facts.dateText(now->mtimeNs) : std::to_string(now->mtimeNs);
        row.groupId = rec.GroupID;
        row.duplicateId = std::int64_t(i);
        row.currentSize = now->size;
        groups[it->second].rows.push_back(std::move(row));
        listed.insert(rec.FullPath);
    }
    recomputeFooters(facts, placement);
}

void GroupedList::recomputeFooters(const FileFacts& facts, GroupPlacement placement) {
    for (GroupedGroup& g : groups) {
        g.footer =
            display(facts, sumOf(g)) + " found in " + std::to_string(g.rows.size()) + " duplicate files.";
        switch (placement) {
            case GroupPlacement::Left:
                g.alignment = GroupAlignment::Left;
                break;
            case GroupPlacement::Center:
                g.alignment = GroupAlignment::Center;
                break;
            case GroupPlacement::Alternate:
                g.alignment = fCentreNext ? GroupAlignment::Center : GroupAlignment::Left;
                fCentreNext = !fCentreNext;
                break;
        }
    }
}

void GroupedList::refreshAfterDisposal(const std::vector<TCloneRecord>& records, const FileFacts& facts) {
    std::unordered_map<std::string, std::int64_t> lastIndex;
    for (std::size_t i = 0; i < records.size(); ++i)
        lastIndex[trimmed(records[i].FullPath)] = std::int64_t(i);
    for (GroupedGroup& g : groups) {
        g.footer = display(facts, sumOf(g)) + " in " + std::to_string(g.rows.size()) + " files";
        for (GroupedRow& r : g.rows) {
            const auto it = lastIndex.find(trimmed(r.path));
            r.duplicateId = it == lastIndex.end() ? -1 : it->second;
        }
    }
}

int GroupedList::rowCount() const {
    int n = 0;
    for (const GroupedGroup& g : groups) n += int(g.rows.size());
    return n;
}

int GroupedList::checkedCount() const {
    int n = 0;
    for (const GroupedGroup& g : groups) n += g.checkedCount();
    return n;
}

void GroupedList::setAllChecks(bool on) {
    for (GroupedGroup& g : groups)
        for (GroupedRow& r : g.rows) r.checked = on;
}

void GroupedList::invertChecks() {
    for (GroupedGroup& g : groups)
        for (GroupedRow& r : g.rows) r.checked = !r.checked;
}

void GroupedList::checkFirstOfEachGroup() {
    for (GroupedGroup& g : groups)
        for (std::size_t i = 0; i < g.rows.size(); ++i) g.rows[i].checked = i == 0;
}

void GroupedList::checkAllButFirstOfEachGroup() {
    for (GroupedGroup& g : groups)
        for (std::size_t i = 0; i < g.rows.size(); ++i) g.rows[i].checked = i > 0;
}

std::vector<std::string> GroupedList::removeChecked() {
    return removeRowsWhere([](const GroupedRow& r) { return r.checked; });
}

std::vector<std::string> GroupedList::removeRowsWhere(const std::function<bool(const GroupedRow&)>& pick) {
    std::vector<std::string> names;
    for (GroupedGroup& g : groups) {
        for (const GroupedRow& r : g.rows) {
            if (pick(r) && std::find(names.begin(), names.end(), fileNameOf(r.path)) == names.end())
                names.push_back(fileNameOf(r.path));
        }
        std::erase_if(g.rows, pick);
    }
    std::erase_if(groups, [](const GroupedGroup& g) { return g.rows.empty(); });
    return names;
}

void GroupedList::removeGroup(std::size_t group) {
    if (group < groups.size())
        groups.erase(groups.begin() + std::ptrdiff_t(group));
}

void GroupedList::removeSmallGroupsNamed(const std::string& name) {
    std::erase_if(groups, [&](const GroupedGroup& g) { return g.header == name && g.rows.size() <= 1; });
}

int GroupedList::groupsNamed(const std::string& name) const {
    return int(
        std::count_if(groups.begin(), groups.end(), [&](const GroupedGroup& g) { return g.header == name; }));
}

int GroupedList::groupOfPath(const std::string& path) const {
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (const GroupedRow& r : groups[g].rows)
            if (r.path == path)
                return int(g);
    return -1;
}

}  // namespace orlivo::duplicates
