// A text column set over the screen as it stands (SetTextColumn): the
// column's cells and the pen, with nothing erased, and the lines that follow
// going where it says.
#include <gtest/gtest.h>

#include <string>

#include "lessons/common/kit.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace kit;
using namespace testing_support;

struct ColumnCase {
    const char* name;
    TextColumn column;
    float itemLeft, textLeft, lineY;
    int width;
};

std::ostream& operator<<(std::ostream& os, const ColumnCase& c) { return os << c.name; }

class ColumnOverTheScreen : public testing::TestWithParam<ColumnCase> {};

// A figure stands before the column is set (a box, a line); ItemLeft holds
// 999 and the pen is 2 px wide.
TEST_P(ColumnOverTheScreen, SetsTheColumnAndPenAndErasesNothing) {
    const ColumnCase& c = GetParam();
    Fixture f;
    Program& p = *f.p;
    p.ItemLeft = 999;
    PenWidth(p, 2);
    Line(p, {100, 100}, {300, 100}, kBlack);
    f.ClearEvents();

    SetTextColumn(p, c.column);
    EXPECT_TRUE(f.Events().empty());   // nothing drawn, nothing erased
    EXPECT_EQ(p.ItemLeft, c.itemLeft);
    EXPECT_EQ(p.TextLeft, c.textLeft);
    EXPECT_EQ(p.TextLineY, c.lineY);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), c.width);

    // The next stroke is at the column's pen width, the next line at its left
    // edge one line down.
    Line(p, {100, 200}, {300, 200}, kBlack);
    EXPECT_EQ(CountLines(f.Events(), kBlack, c.width), 1);
    NextLine(p, kTeal, "AB");
    const auto run = FindRun(f.Events(), "AB");
    ASSERT_FALSE(run.is_null());
    EXPECT_TRUE(Near(run["x"], c.textLeft) && Near(run["y"], c.lineY + 50)) << run.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Kit, ColumnOverTheScreen,
    testing::Values(ColumnCase{"TheDefaultColumn", {}, 40, 40, 30, 5},
                    ColumnCase{"NumbersAndSentencesApart", {.itemLeft = 40, .textLeft = 67, .firstLineY = 30}, 40,
                               67, 30, 5},
                    ColumnCase{"ItemColumnKept", {.itemLeft = {}, .textLeft = 40, .firstLineY = 15, .penWidth = 7},
                               999, 40, 15, 7}),
    [](const testing::TestParamInfo<ColumnCase>& tp) { return std::string(tp.param.name); });

}  // namespace
