#include "OptionsCriteria.h"

#include <gtest/gtest.h>

using namespace orlivo::duplicates;

TEST(OptionsCriteria, SizeArithmeticAndTheDefaultMinimum) {
    struct Case {
        const char* name;
        OptionsChoices o;
        bool useMin, useMax;
        std::uint64_t min, max;
    };
    OptionsChoices minOnly;
    minOnly.minValue = 2;
    OptionsChoices both;
    both.maxOn = true;
    both.minValue = 1;
    both.maxValue = 3;
    OptionsChoices nothing;
    nothing.minOn = false;
    OptionsChoices minAndDate = minOnly;
    minAndDate.fromOn = true;
    OptionsChoices dateOnly = nothing;
    dateOnly.fromOn = true;
    const Case cases[] = {
        {"minimum only", minOnly, true, false, 2000000, 0},
        {"both bounds use 1,023,000", both, true, true, 1023000, 3069000},
        {"nothing checked: 1,000,000 still applies", nothing, true, false, 1000000, 0},
        {"minimum with a date: both apply", minAndDate, true, false, 2000000, 0},
        {"a date alone: no size bound", dateOnly, false, false, 1000000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchCriteria s = criteriaFrom(c.o, {"*.*"});
        EXPECT_EQ(s.useMinSize, c.useMin);
        EXPECT_EQ(s.useMaxSize, c.useMax);
        EXPECT_EQ(s.minSize, c.min);
        EXPECT_EQ(s.maxSize, c.max);
    }
    EXPECT_TRUE(criteriaFrom(minAndDate, {}).useChangedAfter);
}

TEST(OptionsCriteria, Masks) {
    OptionsChoices o;
    o.masksText = "*.jpg;*.PNG";
    EXPECT_EQ(criteriaFrom(o, {"*.*"}).masks, (std::vector<std::string>{"*.jpg", "*.PNG"}));
    o.masksText = "";
    EXPECT_EQ(criteriaFrom(o, {"*.doc"}).masks, std::vector<std::string>{"*.doc"});
    EXPECT_TRUE(FileSearch::maskMatches("*.PNG", "photo.png"));
    EXPECT_FALSE(FileSearch::maskMatches("*.png", "photo.png.txt"));
}
