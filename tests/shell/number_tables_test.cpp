// The texts of the number tables.
#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/support.h"

namespace {

TEST(FormatNumberTables, WritesEachValueWithoutItsBlank) {
    testing_support::Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.TableValueB(1) = 5;
    p.TableValueB(80) = -3;
    p.TableValueA(1) = 0.5f;
    p.TableValueA(40) = 1234;
    p.PointX2(0) = 7;
    p.PointY2(0) = -0.25f;
    p.PointX2(20) = 100;
    p.PointY2(20) = 12.5f;
    FormatNumberTables(p);
    EXPECT_EQ(p.TableTextB(1), Text("5"));
    EXPECT_EQ(p.TableTextB(80), Text("-3"));
    EXPECT_EQ(p.TableTextA(1), Text("0.5"));
    EXPECT_EQ(p.TableTextA(40), Text("1234"));
    EXPECT_EQ(p.TableTextX2(0), Text("7"));
    EXPECT_EQ(p.TableTextY2(0), Text("-0.25"));
    EXPECT_EQ(p.TableTextX2(20), Text("100"));
    EXPECT_EQ(p.TableTextY2(20), Text("12.5"));
    // What it leaves in the shared cells.
    EXPECT_EQ(p.CharIndex, 21);
    EXPECT_EQ(p.TextArg, Text("12.5"));
}

TEST(FormatNumberTables, UnfilledEntriesGetTheTextOfZero) {
    testing_support::Fixture f(nullptr, "", false);
    Program& p = *f.p;
    FormatNumberTables(p);
    for (int i = 1; i <= 80; ++i) EXPECT_EQ(p.TableTextB(i), Text("0")) << "TableTextB " << i;
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(p.TableTextA(i), Text("0")) << "TableTextA " << i;
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(p.TableTextX2(i), Text("0")) << "TableTextX2 " << i;
        EXPECT_EQ(p.TableTextY2(i), Text("0")) << "TableTextY2 " << i;
    }
}

TEST(FormatNumberTables, LeavesEntryZeroOfTheValueTablesAlone) {
    testing_support::Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.TableValueA(0) = 9;
    p.TableValueB(0) = 9;
    p.TableTextA(0) = "lesson A";
    p.TableTextB(0) = "lesson B";
    FormatNumberTables(p);
    EXPECT_EQ(p.TableTextA(0), Text("lesson A"));
    EXPECT_EQ(p.TableTextB(0), Text("lesson B"));
}

}  // namespace
