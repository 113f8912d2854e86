// Runs the duplicate engine from the command line:
//   dupbench ROOT... [--content md5|crc] [--same-modified] [--min-size BYTES] [--depth N]
// With the options window's defaults but unlimited depth; prints one line per listed file (its group
// number, then its full path) and the totals last.

#include "DuplicateScan.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace orlivo::duplicates;

int main(int argc, char** argv) {
    std::vector<std::string> roots;
    SearchCriteria criteria;
    criteria.depth = 0;
    DuplicateRule rule;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--content" && i + 1 < argc) {
            const std::string m = argv[++i];
            rule.content = m == "crc" ? ContentMethod::Crc32 : ContentMethod::Md5;
        } else if (a == "--same-modified") {
            rule.sameModDate = true;
        } else if (a == "--min-size" && i + 1 < argc) {
            criteria.minSize = std::strtoull(argv[++i], nullptr, 10);
        } else if (a == "--depth" && i + 1 < argc) {
            criteria.depth = std::atoi(argv[++i]);
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr,
                         "usage: dupbench ROOT... [--content md5|crc] [--same-modified] [--min-size BYTES] "
                         "[--depth N]\n");
            return 2;
        } else {
            roots.push_back(a);
        }
    }
    if (roots.empty()) {
        std::fprintf(
            stderr,
            "usage: dupbench ROOT... [--content md5|crc] [--same-modified] [--min-size BYTES] [--depth N]\n");
        return 2;
    }
    const ScanResult r = findDuplicates(roots, criteria, rule, {});
    std::uint64_t bytes = 0;
    std::string out;
    for (const DuplicateFile& f : r.files) {
        out += std::to_string(f.groupId) + '\t';
        out += r.of(f).path(r.paths);
        out += '\n';
        bytes += r.of(f).size;
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    const int groups = r.files.empty() ? 0 : r.files.back().groupId + 1;
    std::printf("files enumerated: %zu, listed: %zu, groups: %d, bytes listed: %llu\n", r.enumerated,
                r.files.size(), groups, static_cast<unsigned long long>(bytes));
    return 0;
}
