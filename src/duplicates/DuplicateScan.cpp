#include "DuplicateScan.h"

#include "Fingerprints.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <map>
#include <numeric>
#include <thread>
#include <unordered_set>

namespace orlivo::duplicates {
namespace {

constexpr std::int64_t kUnixToFileTime = 116444736000000000LL;  // 100 ns units from 1601 to 1970

struct Candidate {
    std::size_t file;      // index into the enumerated files
    std::int64_t content;  // content class, -1 while unknown
};

struct FileHash {
    std::size_t operator()(const std::pair<std::uint64_t, std::uint64_t>& p) const {
        return std::hash<std::uint64_t>()(p.first * 1000003u ^ p.second);
    }
};

// Content classes of the files of one partition (equal name, size and times): files of equal bytes get
// equal class numbers; a file that cannot be read gets a class of its own.
std::vector<std::int64_t> contentClasses(const std::vector<const FoundFile*>& files, ContentMethod method,
                                         std::atomic<bool>& cancel) {
    const std::size_t n = files.size();
    std::vector<std::int64_t> cls(n, -1);
    // Two files: one side-by-side read decides, no fingerprint needed.
    if (n == 2) {
        cls[0] = 0;
        cls[1] = sameBytes(files[0]->path, files[1]->path) ? 0 : 1;
        return cls;
    }
    std::vector<std::string> prints(n);
    for (std::size_t i = 0; i < n && !cancel; ++i) {
        if (method == ContentMethod::Crc32) {
            const auto c = crc32OfFile(files[i]->path);
            prints[i] = c ? std::to_string(*c) : "";
        } else {
            prints[i] = md5OfFile(files[i]->path).value_or("");
        }
    }
    std::int64_t next = 0;
    for (std::size_t i = 0; i < n && !cancel; ++i) {
        if (cls[i] >= 0)
            continue;
        cls[i] = next++;
        if (prints[i].empty())
            continue;
        // Equal fingerprints only narrow the choice; equal bytes decide.
        for (std::size_t j = i + 1; j < n && !cancel; ++j) {
            if (cls[j] < 0 && prints[j] == prints[i] && sameBytes(files[i]->path, files[j]->path))
                cls[j] = cls[i];
        }
    }
    return cls;
}

}  // namespace

bool timesMatch(const DuplicateRule& rule, std::int64_t a, std::int64_t b) {
    if (rule.sameCreateDate && a / 1000000 != b / 1000000)
        return false;  // equal date-time values (ms)
    if (rule.sameModDate) {
        const auto fileTime = [](std::int64_t ns) { return std::uint64_t(ns / 100 + kUnixToFileTime); };
        if ((fileTime(a) >> 32) != (fileTime(b) >> 32))
            return false;
    }
    return true;
}

ScanResult findDuplicates(const std::vector<std::string>& roots, const SearchCriteria& criteria,
                          const DuplicateRule& rule, const ScanHooks& hooks) {
    ScanResult result;
    auto cancelled = [&] { return hooks.keepAlive && hooks.keepAlive(); };
    if (hooks.step)
        hooks.step("Searching...");

    // Enumeration: every root, one path per file on disk.
    std::vector<FoundFile> found;
    FileSearch search(criteria, {hooks.directory, cancelled});
    for (const std::string& root : roots) {
        if (!search.search(root, found) || cancelled()) {
            result.cancelled = true;
            return result;
        }
    }
    {
        std::unordered_set<std::pair<std::uint64_t, std::uint64_t>, FileHash> seen;
        seen.reserve(found.size());
        std::size_t kept = 0;
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (seen.insert({found[i].device, found[i].inode}).second) {
                if (kept != i)
                    found[kept] = std::move(found[i]);
                ++kept;
            }
        }
        found.resize(kept);
    }
    result.enumerated = found.size();

    // Only files of equal name and size can match: sort once, then walk the runs.
    std::vector<std::size_t> order(found.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = found[a].name().compare(found[b].name());
        if (c != 0)
            return c < 0;
        if (found[a].size != found[b].size)
            return found[a].size < found[b].size;
        return found[a].path < found[b].path;
    });
    if (hooks.step)
        hooks.step("Checking Duplicates...Step 1/3 ");

    // Partitions: equal name and size, then equal time keys (both time conditions are equalities).
    std::vector<std::vector<const FoundFile*>> partitions;
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        const FoundFile& first = found[order[i]];
        while (j < order.size() && found[order[j]].size == first.size &&
               found[order[j]].name() == first.name())
            ++j;
        if (j - i >= 2) {
            std::map<std::pair<std::int64_t, std::uint64_t>, std::vector<const FoundFile*>> byTime;
            for (std::size_t k = i; k < j; ++k) {
                const FoundFile& f = found[order[k]];
                const std::int64_t ms = rule.sameCreateDate ? f.mtimeNs / 1000000 : 0;
                const std::uint64_t span =
                    rule.sameModDate ? std::uint64_t(f.mtimeNs / 100 + kUnixToFileTime) >> 32 : 0;
                byTime[{ms, span}].push_back(&f);
            }
            for (auto& [key, files] : byTime) {
                if (files.size() >= 2)
                    partitions.push_back(std::move(files));
            }
        }
        i = j;
    }

    // Content: partitions compared on both cores, results kept in partition order.
    std::vector<std::vector<std::int64_t>> classes(partitions.size());
    if (rule.content != ContentMethod::None) {
        std::atomic<bool> cancel{false};
        std::atomic<std::size_t> next{0}, done{0};
        auto worker = [&] {
            for (std::size_t p = next++; p < partitions.size() && !cancel; p = next++) {
                classes[p] = contentClasses(partitions[p], rule.content, cancel);
                ++done;
            }
        };
        const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
        std::vector<std::thread> pool;
        for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
        while (done < partitions.size() && !cancel) {
            if (hooks.progress)
                hooks.progress(done, partitions.size());
            if (cancelled())
                cancel = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        for (auto& t : pool) t.join();
        if (cancel) {
            result.cancelled = true;
            return result;
        }
    } else {
        for (std::size_t p = 0; p < partitions.size(); ++p) classes[p].assign(partitions[p].size(), 0);
    }
    if (hooks.progress)
        hooks.progress(partitions.size(), partitions.size());

    // The listed files: every file with at least one partner.
    struct Listed {
        const FoundFile* file;
        std::int64_t cls;
    };
    std::vector<Listed> listed;
    for (std::size_t p = 0; p < partitions.size(); ++p) {
        std::map<std::int64_t, std::size_t> count;
        for (std::int64_t c : classes[p]) ++count[c];
        for (std::size_t k = 0; k < partitions[p].size(); ++k) {
            if (count[classes[p][k]] >= 2) {
                // Classes of different partitions of one name and size stay apart only with content.
                const std::int64_t key =
                    rule.content == ContentMethod::None ? 0 : std::int64_t(p) << 20 | classes[p][k];
                listed.push_back({partitions[p][k], key});
            }
        }
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        const int c = a.file->name().compare(b.file->name());
        if (c != 0)
            return c < 0;
        if (a.file->size != b.file->size)
            return a.file->size < b.file->size;
        if (a.cls != b.cls)
            return a.cls < b.cls;
        return a.file->path < b.file->path;
    });
    if (hooks.step)
        hooks.step("Creating duplicates list...Step 2/3");
    std::int32_t group = -1, color = 2, id = 0;
    for (std::size_t k = 0; k < listed.size(); ++k) {
        const Listed& l = listed[k];
        const bool sameGroup = k > 0 && listed[k - 1].file->name() == l.file->name() &&
                               listed[k - 1].file->size == l.file->size && listed[k - 1].cls == l.cls;
        if (!sameGroup) {
            ++group;
            color = color == 1 ? 2 : 1;
        }
        DuplicateFile d;
        d.path = l.file->path;
        d.nameStart = l.file->nameStart;
        d.size = l.file->size;
        d.mtimeNs = l.file->mtimeNs;
        d.groupId = group;
        d.colorId = color;
        d.id = ++id;
        result.files.push_back(std::move(d));
    }
    return result;
}

}  // namespace orlivo::duplicates
