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

// Content classes of the files of one partition (equal name, size and times): files of equal bytes get
// equal class numbers; a file that cannot be read gets a class of its own.
std::vector<std::int64_t> contentClasses(const std::vector<std::string>& files, ContentMethod method,
                                         std::atomic<bool>& cancel) {
    const std::size_t n = files.size();
    std::vector<std::int64_t> cls(n, -1);
    // Two files: one side-by-side read decides, no fingerprint needed.
    if (n == 2) {
        cls[0] = 0;
        cls[1] = sameBytes(files[0], files[1]) ? 0 : 1;
        return cls;
    }
    std::vector<std::string> prints(n);
    for (std::size_t i = 0; i < n && !cancel; ++i) {
        if (method == ContentMethod::Crc32) {
            const auto c = crc32OfFile(files[i]);
            prints[i] = c ? std::to_string(*c) : "";
        } else {
            prints[i] = md5OfFile(files[i]).value_or("");
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
            if (cls[j] < 0 && prints[j] == prints[i] && sameBytes(files[i], files[j]))
                cls[j] = cls[i];
        }
    }
    return cls;
}

// Keeps the first path of every file on disk: hard links and overlapping roots name one file once.
void keepOnePathPerFile(std::deque<FoundFile>& found) {
    std::vector<std::uint32_t> byIdentity(found.size());
    std::iota(byIdentity.begin(), byIdentity.end(), 0u);
    std::sort(byIdentity.begin(), byIdentity.end(), [&](std::uint32_t a, std::uint32_t b) {
        const FoundFile &x = found[a], &y = found[b];
        if (x.device != y.device)
            return x.device < y.device;
        if (x.inode != y.inode)
            return x.inode < y.inode;
        return a < b;
    });
    std::vector<char> drop(found.size(), 0);
    for (std::size_t k = 1; k < byIdentity.size(); ++k) {
        const FoundFile &x = found[byIdentity[k - 1]], &y = found[byIdentity[k]];
        if (x.device == y.device && x.inode == y.inode)
            drop[byIdentity[k]] = 1;
    }
    std::vector<std::uint32_t>().swap(byIdentity);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!drop[i])
            found[kept++] = found[i];
    }
    found.resize(kept);
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
    std::deque<FoundFile>& found = result.found;
    const PathArena& paths = result.paths;
    FileSearch search(criteria, {hooks.directory, cancelled});
    for (const std::string& root : roots) {
        if (!search.search(root, found, result.paths) || cancelled()) {
            result.cancelled = true;
            return result;
        }
    }
    keepOnePathPerFile(found);
    result.enumerated = found.size();

    // Only files of equal name and size can match, and with a time condition only files of equal time
    // keys (both conditions are equalities): one sort brings every partition together.
    auto timeKey = [&](const FoundFile& f) {
        const std::int64_t ms = rule.sameCreateDate ? f.mtimeNs / 1000000 : 0;
        const std::int64_t span =
            rule.sameModDate ? std::int64_t(std::uint64_t(f.mtimeNs / 100 + kUnixToFileTime) >> 32) : 0;
        return std::pair<std::int64_t, std::int64_t>(ms, span);
    };
    std::vector<std::uint32_t> order(found.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const FoundFile &x = found[a], &y = found[b];
        const int c = x.name(paths).compare(y.name(paths));
        if (c != 0)
            return c < 0;
        if (x.size != y.size)
            return x.size < y.size;
        const auto kx = timeKey(x), ky = timeKey(y);
        if (kx != ky)
            return kx < ky;
        return x.path(paths) < y.path(paths);
    });
    if (hooks.step)
        hooks.step("Checking Duplicates...Step 1/3 ");
    if (cancelled()) {
        result.cancelled = true;
        return result;
    }
    auto samePartition = [&](std::uint32_t a, std::uint32_t b) {
        const FoundFile &x = found[a], &y = found[b];
        return x.size == y.size && x.name(paths) == y.name(paths) && timeKey(x) == timeKey(y);
    };
    std::vector<std::pair<std::uint32_t, std::uint32_t>> partitions;  // (start in order, count)
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        while (j < order.size() && samePartition(order[i], order[j])) ++j;
        if (j - i >= 2)
            partitions.emplace_back(std::uint32_t(i), std::uint32_t(j - i));
        i = j;
    }

    // Content: partitions compared on both cores, results kept in partition order.
    std::vector<std::vector<std::int64_t>> classes(partitions.size());
    if (rule.content != ContentMethod::None) {
        std::atomic<bool> cancel{false};
        std::atomic<std::size_t> next{0}, done{0};
        auto worker = [&] {
            for (std::size_t p = next++; p < partitions.size() && !cancel; p = next++) {
                std::vector<std::string> files;
                for (std::uint32_t k = 0; k < partitions[p].second; ++k) {
                    files.emplace_back(found[order[partitions[p].first + k]].path(paths));
                }
                classes[p] = contentClasses(files, rule.content, cancel);
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
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        for (auto& t : pool) t.join();
        if (cancel) {
            result.cancelled = true;
            return result;
        }
    }
    if (hooks.progress)
        hooks.progress(partitions.size(), partitions.size());

    // The listed files: every file with at least one partner. With content, files of different bytes
    // (or different partitions) of one name and size stay in groups of their own.
    struct Listed {
        std::uint32_t file;
        std::int64_t cls;
    };
    std::vector<Listed> listed;
    for (std::size_t p = 0; p < partitions.size(); ++p) {
        const auto [start, count] = partitions[p];
        if (rule.content == ContentMethod::None) {
            for (std::uint32_t k = 0; k < count; ++k) listed.push_back({order[start + k], 0});
            continue;
        }
        std::map<std::int64_t, std::size_t> members;
        for (std::int64_t c : classes[p]) ++members[c];
        for (std::uint32_t k = 0; k < count; ++k) {
            if (members[classes[p][k]] >= 2)
                listed.push_back({order[start + k], std::int64_t(p) << 20 | classes[p][k]});
        }
    }
    std::vector<std::uint32_t>().swap(order);
    std::sort(listed.begin(), listed.end(), [&](const Listed& a, const Listed& b) {
        const FoundFile &x = found[a.file], &y = found[b.file];
        const int c = x.name(paths).compare(y.name(paths));
        if (c != 0)
            return c < 0;
        if (x.size != y.size)
            return x.size < y.size;
        if (a.cls != b.cls)
            return a.cls < b.cls;
        return x.path(paths) < y.path(paths);
    });
    if (hooks.step)
        hooks.step("Creating duplicates list...Step 2/3");
    std::int32_t group = -1, color = 2, id = 0;
    result.files.reserve(listed.size());
    for (std::size_t k = 0; k < listed.size(); ++k) {
        const Listed& l = listed[k];
        const FoundFile& f = found[l.file];
        const bool sameGroup = k > 0 && found[listed[k - 1].file].name(paths) == f.name(paths) &&
                               found[listed[k - 1].file].size == f.size && listed[k - 1].cls == l.cls;
        if (!sameGroup) {
            ++group;
            color = color == 1 ? 2 : 1;
        }
        result.files.push_back({l.file, group, color, ++id});
    }
    return result;
}

}  // namespace orlivo::duplicates
