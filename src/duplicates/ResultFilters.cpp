#include "ResultFilters.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace orlivo::duplicates {

namespace {

std::int64_t numberOf(const std::string& text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : 0;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::int64_t sizeOf(const TCloneRecord& record) {
    return numberOf(record.Size);
}

FilterOutcome applyFilters(const std::vector<TCloneRecord>& records, const FilterChoice& choice,
                           const DayOfText& dayOf) {
    FilterOutcome out;
    if (choice.byDate && !choice.bySize && !choice.byType && choice.fromDay > choice.toDay) {
        out.fromAfterTo = true;
        return out;
    }
    const std::int64_t minKb = numberOf(choice.minKb), maxKb = numberOf(choice.maxKb);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TCloneRecord& r = records[i];
        if (choice.byType && !sameIgnoringCase(r.FileType, choice.type))
            continue;
        if (choice.bySize) {
            const std::int64_t kb = filterKb(sizeOf(r));
            if (kb < minKb || kb > maxKb)
                continue;
        }
        if (choice.byDate) {
            const std::optional<std::int64_t> day = dayOf ? dayOf(r.DateModified) : std::nullopt;
            if (!day || *day < choice.fromDay || *day > choice.toDay)
                continue;
        }
        TCloneRecord copy = r;
        copy.ColorId = -1;
        out.FIDLISTF.push_back(std::move(copy));
        out.sources.push_back(i);
    }
    return out;
}

}  // namespace orlivo::duplicates
