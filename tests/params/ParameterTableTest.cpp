// The rows of the parameter table agree with themselves: what a front end,
// the help and the steps take from a row must make sense together.
#include "core/ParameterTable.h"

#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "params/ParameterHelp.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace amsim {
namespace {

class ParameterTable : public testing::TestWithParam<ParameterRow> {};

TEST_P(ParameterTable, RowIsWhole) {
    const ParameterRow& row = GetParam();
    // The start reads and is allowed, or the first picture would be an error.
    EXPECT_NO_THROW(EXPECT_TRUE(isAllowed(row.parameter, readBox(row.parameter, row.start, {}))));
    // A switch has one button; a box that steps, an up and a down button.
    EXPECT_EQ(row.stepping == Stepping::Toggle, row.downButton.empty());
    EXPECT_FALSE(row.upButton.empty() || row.label.isNone() || row.stage.isNone());
    if (row.stepping == Stepping::Sequence) {
        EXPECT_TRUE(std::is_sorted(row.sequence.begin(), row.sequence.end()));
        EXPECT_TRUE(std::all_of(row.sequence.begin(), row.sequence.end(),
                                [&row](double value) { return isAllowed(row.parameter, value); }));
    }
    if (row.stepping == Stepping::Add) {
        EXPECT_GT(row.step, 0.0);
    }
    // Every token of the help is written in.
    EXPECT_EQ(parameterHelp(row).find('{'), std::string::npos) << parameterHelp(row);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParameterTable, testing::ValuesIn(kParameterRows),
                         [](const testing::TestParamInfo<ParameterRow>& row) {
                             return std::string(row.param.box);
                         });

TEST(ParameterTableOrder, HelpListsEachParameterOnce) {
    std::set<int> positions;
    for (const ParameterRow& row : kParameterRows) {
        positions.insert(row.helpPosition);
    }
    EXPECT_EQ(positions.size(), kParameterCount);
    EXPECT_EQ(*positions.rbegin(), static_cast<int>(kParameterCount) - 1);
}

TEST(ParameterTableOrder, EveryButtonOfARowHasItsClick) {
    for (const ParameterRow& row : kParameterRows) {
        for (const std::string_view button : {row.upButton, row.downButton}) {
            if (!button.empty()) {
                EXPECT_TRUE(Handlers::clickOf(button)) << button;
            }
        }
    }
}

} // namespace
} // namespace amsim
