// The lesson kit where it computes or decides something: point arithmetic,
// cells to pixels, key codes, which cells a style leaves alone, closed
// polygons, and the one sub-menu routine on a program's own type.
#include <gtest/gtest.h>

#include <cmath>

#include "lessons/common/kit.h"
#include "platform/strings.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace kit;
using testing_support::Fixture;

TEST(KitPoints, AlongMidAndDistanceFollowTheScreensDirections) {
    const float pi = 3.14159f;
    struct Case {
        float angle, x, y;
    } cases[] = {{0, 110, 200}, {pi / 2, 100, 190}, {pi, 90, 200}, {3 * pi / 2, 100, 210}};
    for (const Case& c : cases) {
        const Pt q = Along({100, 200}, 10, c.angle);
        EXPECT_NEAR(q.x, c.x, 1e-4) << c.angle;
        EXPECT_NEAR(q.y, c.y, 1e-4) << c.angle;
    }
    const Pt m = Mid({0, 0}, {10, -6});
    EXPECT_EQ(m.x, 5);
    EXPECT_EQ(m.y, -3);
    EXPECT_EQ(Distance({1, 2}, {4, 6}), 5);
}

TEST(KitPoints, SetCellsTurnsGridCellsIntoPixelsOfTheFrame) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    SetCells(p, 3, {{0, 0}, {5, 5}, {10, 10}});
    EXPECT_EQ(P(p, 3).x, 640);
    EXPECT_EQ(P(p, 3).y, 650);
    EXPECT_EQ(P(p, 4).x, 940);
    EXPECT_EQ(P(p, 4).y, 350);
    EXPECT_EQ(P(p, 5).x, 1240);
    EXPECT_EQ(P(p, 5).y, 50);
    EXPECT_EQ(p.LoopIndex, 5);
}

TEST(KitKeys, KeyCodesOfTheLastKey) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    EXPECT_EQ(KeyCode(Text("")), 0);
    p.LastKey = Text("1");
    EXPECT_TRUE(LastKeyIs(p, '1'));
    p.LastKey = RtChr(kKeyRight);
    EXPECT_TRUE(LastKeyIs(p, kKeyRight));
    EXPECT_FALSE(LastKeyIs(p, kKeyLeft));
}

TEST(KitStyles, AnEmptyFieldKeepsTheCarriedOverCell) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.TickSpacing = 14;
    p.MarkShift = -30;
    Ticks(p, {0, 0}, {100, 0}, {.count = 1, .size = 10, .spacing = {}, .shift = {}});
    EXPECT_EQ(p.MarkShift, -30);
    EXPECT_EQ(p.TickSpacing, 28);   // 14 carried over, grown by one step
    Ticks(p, {0, 0}, {100, 0}, {.count = 2});
    EXPECT_EQ(p.MarkShift, 0);
    EXPECT_EQ(p.TickSpacing, 24);   // 8, three steps after two ticks
}

TEST(KitStyles, PolygonLabelsTakeTheLastTextsColourUnlessTold) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.PenColor = kTeal;
    Polygon(p, {{100, 100}, {200, 100}, {150, 50}}, {.width = 7, .color = kBlack});
    EXPECT_EQ(p.PenColor, kTeal);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 3);   // the width found on entry
    Polygon(p, {{100, 100}, {200, 100}, {150, 50}}, {.labelColor = kPurple});
    EXPECT_EQ(p.PenColor, kPurple);
}

TEST(KitShapes, AFilledPolygonIsClosed) {
    Fixture f;
    FilledPolygon(*f.p, {{0, 0}, {10, 0}, {10, 10}}, kBlack, kPink);
    const auto lines = f.Events("polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["points"].size(), 4u);
    EXPECT_EQ(lines[0]["points"][0], lines[0]["points"][3]);
    EXPECT_EQ(lines[0]["fill"], 13);
}

TEST(KitText, WriteKeepsTheColumnAndLabelDoesNot) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    Write(p, 40, 100, kBlack, "AB");
    EXPECT_EQ(p.TextLineY, 100);
    EXPECT_EQ(p.TextEndX, 40 + 54);   // two half-width letters
    Label(p, 500, 300, kTeal, "C");
    EXPECT_EQ(p.TextLineY, 100);
    EXPECT_EQ(p.TextEndX, 94);
    WriteOn(p, kBlack, "AB");
    EXPECT_EQ(p.TextEndX, 94 + 54);
}

TEST(KitText, ATableCellSetsItsHeightAndLeavesTheColumnAtItsTopRight) {
    Fixture f;
    Program& p = *f.p;
    p.GridRows = 8;   // a grid frame's row count, which is also the cell's height
    TableCell(p, 40, 150, {.width = 40, .height = 50, .border = kAmber, .fill = kTeal, .textColor = kPink}, "2");
    EXPECT_EQ(p.GridRows, 50);
    EXPECT_EQ(p.TextEndX, 80);
    EXPECT_EQ(p.TextLineY, 150);
    int boxes = 0;
    for (const auto& e : f.Events("box")) boxes += testing_support::IsBox(e, 40, 150, 80, 200, 4, 3);
    EXPECT_EQ(boxes, 1);
}

TEST(KitGeometry, FootOfAPerpendicularOnASlopingLine) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    // The line y = x (screen coordinates) and the point (0, 10): the foot is (5, 5).
    const Pt foot = Foot(p, {0, 0}, {10, 10}, {0, 10});
    EXPECT_NEAR(foot.x, 5, 1e-4);
    EXPECT_NEAR(foot.y, 5, 1e-4);
    EXPECT_EQ(p.FootX, foot.x);
    EXPECT_EQ(p.Seg2X1, 0);
    EXPECT_EQ(p.Seg2Y1, 10);
}

TEST(KitLabels, VertexLabelGoesOutsideTheAngleOrAcrossItAndClearsItsCells) {
    Fixture f(nullptr, "", true);
    Program& p = *f.p;
    // The angle at (500, 300) between the rays right and up: its bisector
    // points up and to the right; exchanging the rays turns it round.
    p.LabelOffsetX = 7;
    VertexLabel(p, {500, 300}, {600, 300}, {500, 200}, "Q", {.distance = 40, .shift = 1, .labelColor = kPurple});
    VertexLabel(p, {500, 300}, {600, 300}, {500, 200}, "R", {.distance = 40, .shift = -1});
    const auto q = testing_support::FindRun(f.Events(), "Q");
    const auto r = testing_support::FindRun(f.Events(), "R");
    ASSERT_FALSE(q.is_null());
    ASSERT_FALSE(r.is_null());
    EXPECT_GT(q["x"].get<double>(), 500);
    EXPECT_LT(q["y"].get<double>(), 300);
    EXPECT_LT(r["x"].get<double>(), 500);
    EXPECT_GT(r["y"].get<double>(), 300);
    EXPECT_EQ(q["color"], 5);
    EXPECT_EQ(r["color"], 5);  // PenColor stays
    EXPECT_EQ(p.MarkShift, 0);
    EXPECT_EQ(p.MarkSize, 0);
    EXPECT_EQ(p.LabelOffsetX, 0);
    EXPECT_TRUE(p.MarkLabel.empty());
}

// A program type of its own, as each program has.
struct Cells {
    float Visits = 0;
};
struct Probe : Program, Cells {
    using Program::Program;
};
void Visit(Probe& p) { p.Visits += 1; }
const ProgramInfo kProbeInfo{"probe", "Probe", "試験", 50, false, nullptr, {}, CreateProgramOf<Probe>};

TEST(KitSubMenu, RunsTopicsOfTheProgramsOwnType) {
    testing_support::ProgramFixture<Probe> f(kProbeInfo, "1{Enter}9{Enter}1/0{Enter}1{Enter}2{Enter}", false);
    RunSubMenu(f.prog, "①A　②終了", {Visit});
    EXPECT_EQ(f.prog.Visits, 2);
    EXPECT_EQ(f.prog.MenuChoice, 2);
}

}  // namespace
