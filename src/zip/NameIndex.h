#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orlivo::zip {

// A hash table over entry names for lookups by exact name, case ignored (ASCII letters). Chains keep
// archive order, so a lookup finds the earliest entry of a name.
class NameIndex {
public:
    static constexpr std::uint32_t kDefaultBuckets = 1283;

    static std::uint32_t hash(const std::string& utf8Name);
    static std::uint32_t bucketCountFor(std::size_t names);

    // names[i] is the name of entry i.
    void build(const std::vector<const std::string*>& names);
    // The earliest entry of that name, or -1.
    long find(const std::string& name) const;
    std::uint32_t bucketCount() const { return std::uint32_t(fHeads.size()); }

private:
    std::vector<std::int32_t> fHeads;  // first entry of each bucket, -1 when empty
    std::vector<std::int32_t> fNext;   // next entry of the same bucket
    std::vector<const std::string*> fNames;
};

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b);

}  // namespace orlivo::zip
