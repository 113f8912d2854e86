#include "OptionsCriteria.h"

namespace orlivo::duplicates {

SearchCriteria criteriaFrom(const OptionsChoices& o, const std::vector<std::string>& previousMasks) {
    SearchCriteria c;
    c.subfolders = o.subfolders;
    c.depth = o.depth;
    c.ignoreHidden = o.ignoreHidden;
    c.ignoreSystem = o.ignoreSystem;
    c.ignoreReadOnly = o.ignoreReadOnly;
    c.useMinSize = c.useMaxSize = c.useChangedAfter = c.useChangedBefore = false;
    c.minSize = 1000000;
    c.maxSize = 0;
    const auto bytes = [](long long value, std::uint64_t unit) {
        return value <= 0 ? 0 : std::uint64_t(value) * unit;
    };
    if (o.minOn) {
        c.minSize = bytes(o.minValue, 1000000);
        c.useMinSize = true;
    }
    if (o.maxOn) {
        c.maxSize = bytes(o.maxValue, 1000000);
        c.useMaxSize = true;
    }
    if (o.minOn && o.maxOn) {
        c.minSize = bytes(o.minValue, 1023000);
        c.maxSize = bytes(o.maxValue, 1023000);
    }
    if (o.fromOn) {
        c.changedAfterNs = o.fromNs;
        c.useChangedAfter = true;
    }
    if (o.toOn) {
        c.changedBeforeNs = o.toNs;
        c.useChangedBefore = true;
    }
    if (!o.minOn && !o.maxOn && !o.fromOn && !o.toOn)
        c.useMinSize = true;
    if (o.masksText.empty()) {
        c.masks = previousMasks;
    } else {
        c.masks.clear();
        std::size_t start = 0;
        for (;;) {
            const std::size_t semi = o.masksText.find(';', start);
            const std::string piece =
                o.masksText.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
            if (!piece.empty())
                c.masks.push_back(piece);
            if (semi == std::string::npos)
                break;
            start = semi + 1;
        }
    }
    return c;
}

}  // namespace orlivo::duplicates
