#pragma once

#include "CloneRecords.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// What the filters panel asks for. Days are day numbers (Julian days); sizes are the texts of the
// "Min (kb)" and "Max (kb)" edits, an empty text counting as 0.
struct FilterChoice {
    bool byDate = false;
    bool bySize = false;
    bool byType = false;
    std::int64_t fromDay = 0;
    std::int64_t toDay = 0;
    std::string minKb = "0";
    std::string maxKb = "0";
    std::string type;

    bool any() const { return byDate || bySize || byType; }
};

struct FilterOutcome {
    // Copies of the records that pass, in result order, without group colours (ColorId -1).
    std::vector<TCloneRecord> FIDLISTF;
    // Their positions in the result list, so commands on a filtered row reach the record it copies.
    std::vector<std::size_t> sources;
    // Only the date filter was on and its From day is later than its To day: nothing was built.
    bool fromAfterTo = false;
};

// The day of a record's date text, read back in the user's format; none when it cannot be read, and then
// the record does not pass the date filter.
using DayOfText = std::function<std::optional<std::int64_t>(const std::string& dateText)>;

// The filter's size unit: kb are bytes div 1023, as the filter has always counted them.
inline std::int64_t filterKb(std::int64_t bytes) {
    return bytes / 1023;
}

FilterOutcome applyFilters(const std::vector<TCloneRecord>& records, const FilterChoice& choice,
                           const DayOfText& dayOf);

// A record's Size text as a 64-bit count; 0 for anything unreadable.
std::int64_t sizeOf(const TCloneRecord& record);

}  // namespace orlivo::duplicates
