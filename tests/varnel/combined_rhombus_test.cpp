// The rhombus problem of page 163 (topic 1 of the combined-moves lesson): the
// pattern's point tables, the problem screen and its menu, each answer in its
// slot, and the five animations on the keys a pupil types.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using namespace varnel_test;

const std::string E = "{Enter}";
const std::string kRhombusMenu = "①イ回転A　②イ回転B　③イ対称　④ウ平行回転C　⑤ウ回転A対称　⑥メニュー";
const std::string kLessonMenu = "①P163Q　②例　③問１１　④終了";
const std::string kQuestion = "ひし形アからひし形イ,ウへの移動を説明しよう。";

// ---- The pattern's point tables ----------------------------------------------------

struct TablePoint {
    int entry;
    double x, y;
};

// The construction points, and the table after renumbering: ア 1-4, イ 5-8,
// エ 9-12, ウ 13-16, C in 17; the centre stays in 0, B in 18.
const TablePoint kConstruction[] = {
    {0, 940, 340},        {1, 820, 132.15},     {2, 700, 340},        {3, 820, 547.85},    {4, 1060, 547.85},
    {5, 1180, 340},       {6, 1060, 132.15},    {7, 760, 236.08},     {8, 760, 443.92},    {9, 940, 547.85},
    {10, 1120, 443.92},   {11, 1120, 236.08},   {12, 940, 132.15},    {13, 880, 236.08},   {14, 820, 340},
    {15, 880, 443.92},    {16, 1000, 443.92},   {17, 1060, 340},      {18, 1000, 236.08},
};
const TablePoint kRenumbered[] = {
    {0, 940, 340},        {1, 940, 132.15},     {2, 880, 236.08},     {3, 940, 340},       {4, 1000, 236.08},
    {5, 1120, 236.08},    {6, 1000, 236.08},    {7, 940, 340},        {8, 1060, 340},      {9, 940, 547.85},
    {10, 1000, 443.92},   {11, 940, 340},       {12, 880, 443.92},    {13, 940, 547.85},   {14, 880, 443.92},
    {15, 760, 443.92},    {16, 820, 547.85},    {17, 940, 547.85},    {18, 1000, 236.08},
};

template <std::size_t N>
void ExpectTable(const Varnel& p, const TablePoint (&table)[N]) {
    for (const TablePoint& t : table) {
        EXPECT_NEAR(p.PointX(t.entry), t.x, 0.01) << "entry " << t.entry;
        EXPECT_NEAR(p.PointY(t.entry), t.y, 0.01) << "entry " << t.entry;
    }
}

TEST(RhombusPattern, ConstructionPointsAndFrame) {
    VarnelFixture f;
    Varnel& p = f.prog;
    BuildRhombusPatternPoints(p);
    ExpectTable(p, kConstruction);
    EXPECT_EQ(p.GridLeft, 640);
    EXPECT_EQ(p.GridTop, 100);
    EXPECT_EQ(p.GridRight, 1240);
    EXPECT_EQ(p.GridBottom, 640);
    EXPECT_FLOAT_EQ(p.Pi, 3.14159f);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
    EXPECT_TRUE(f.Events("line").empty());   // the frame's grid is never seen
}

TEST(RhombusPattern, RenumberedTableIsRebuiltOnEveryCall) {
    VarnelFixture f;
    Varnel& p = f.prog;
    for (int call = 0; call < 2; call++) {
        SCOPED_TRACE(call);
        DrawRhombusPattern(p);
        ExpectTable(p, kRenumbered);
        for (int i = 1; i <= 17; i++) {
            EXPECT_EQ(p.TableValueB(i), p.PointX(i));
            EXPECT_EQ(p.TableValueA(i), p.PointY(i));
        }
        EXPECT_EQ(p.PenColor, 5);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
        // Whatever the table held, the next call draws the same figure.
        for (int i = 0; i <= 18; i++) {
            p.PointX(i) = -1000;
            p.PointY(i) = 5000;
        }
    }
}

TEST(RhombusPattern, FillsNamesAndPoints) {
    VarnelFixture f;
    DrawRhombusPattern(f.prog);
    const auto events = f.Events();
    // ア, イ, ウ filled in colour 13 with a black outline; エ is not.
    int fills = 0;
    for (const auto& e : Of(events, "polyline")) fills += e["filled"] == true && e["fill"] == 13 && e["color"] == 0;
    EXPECT_EQ(fills, 3);
    EXPECT_EQ(Of(events, "line").size(), 18u);
    const struct {
        const char* text;
        double x, y;
        int color;
    } labels[] = {{"ア", 926, 216.08, 3}, {"イ", 1000, 266.08, 3}, {"ウ", 820, 467.85, 3}, {"エ", 926, 418.92, 3},
                  {"A", 880, 310, 5},     {"B", 1010, 166.08, 5},  {"C", 926, 557.85, 5}};
    for (const auto& l : labels) {
        const json run = FindRun(events, l.text);
        ASSERT_FALSE(run.is_null()) << l.text;
        EXPECT_TRUE(Near(run["x"], l.x) && Near(run["y"], l.y)) << l.text << " " << run;
        EXPECT_EQ(run["color"], l.color) << l.text;
    }
    int discs = 0;
    for (const auto& e : Of(events, "circle")) discs += e["filled"] == true && e["color"] == 5 && e["r"] == 6;
    EXPECT_EQ(discs, 3);
}

// ---- The problem screen and the answers ----------------------------------------------

// A run from the main menu into the rhombus problem, `keys` in it, back.
RunResult RunRhombus(const std::string& keys) {
    RunResult r = RunProgramHeadless("varnel", "6" + E + "1" + E + keys + "6" + E + "4" + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    return r;
}

// Boxes erased (colour 15) that reach into the rows above y `y`, right of x 0.
int ErasesAbove(const std::vector<json>& events, double y) {
    int n = 0;
    for (const auto& e : Of(events, "box"))
        n += e["color"] == 15 && e["fill"] == 15 && e["y1"].get<double>() < y && e["y2"].get<double>() > y - 50 &&
             e["x1"].get<double>() > 0;
    return n;
}

TEST(RhombusProblem, ScreenThenTheMenuAtOnceAndRefusals) {
    const RunResult r = RunRhombus("7" + E + "0" + E + "1/0" + E);
    ExpectLastRun(r.events, kQuestion, 20, 30, 7);
    ExpectLastRun(r.events, "<ひし形アからひし形イへの移動>", 20, 80, 3);
    ExpectLastRun(r.events, "<ひし形アからひし形ウへの移動>", 20, 380, 3);
    // Four captions: first, after three refusals; then ⑥ brings the lesson's
    // menu over the unchanged screen.
    EXPECT_EQ(Captions(r.events, kRhombusMenu), 4);
    EXPECT_EQ(Captions(r.events, kLessonMenu), 2);
    EXPECT_EQ(CountRuns(r.events, kQuestion), 1);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 1);
}

TEST(RhombusProblem, AnswersAccumulateInTheirSlotsInAnyOrder) {
    // ③ first, then ④, ①, ⑤, ② and ③ again; "1" stops every animation at once.
    const RunResult r = RunRhombus("3" + E + "1a" + "4" + E + "11a" + "1" + E + "1a" + "5" + E + "11a" + "2" + E +
                                   "1a" + "3" + E + "1a");
    const struct {
        const char* text;
        double x, y;
        int color;
    } texts[] = {
        {"①", 20, 130, 3},  {"点Aを中心として", 56, 130, 0},       {"時計回りに60°だけ", 56, 180, 0},
        {"②", 20, 230, 3},  {"点Bを中心として", 56, 230, 0},       {"反時計回りに120°だけ", 56, 280, 0},
        {"③", 20, 330, 3},  {"直線ABを対称の軸として", 56, 330, 0}, {"対称移動", -1, 330, 5},
        {"①", 20, 430, 3},  {"し、点Cを中心に", -1, 430, 0},       {"反時計回りに60°だけ", 56, 480, 0},
        {"平行移動", -1, 430, 5},
        {"②", 20, 530, 3},  {"し、ウとエの", -1, 530, 0},          {"共通の辺を対称の軸として", 56, 580, 0},
    };
    for (const auto& t : texts) {
        // Answer ④ and ⑤ are numbered ① and ② again: look at the run at that y.
        bool found = false;
        for (const auto& run : MarkupRuns(r.events)) {
            if (run["text"] != t.text || !Near(run["y"], t.y, 0.01)) continue;
            found = true;
            if (t.x >= 0) {
                EXPECT_TRUE(Near(run["x"], t.x, 0.01)) << t.text << " " << run;
            }
            EXPECT_EQ(run["color"], t.color) << t.text;
        }
        EXPECT_TRUE(found) << t.text << " at y " << t.y;
    }
    EXPECT_EQ(CountRuns(r.events, "直線ABを対称の軸として"), 2);   // ③ twice, same place
    // Every answer erases only the figure area: the question stays whole.
    EXPECT_EQ(CountRuns(r.events, kQuestion), 1);
    EXPECT_EQ(ErasesAbove(r.events, 80), 0);
    // Each of the six answers starts by erasing the figure area down to
    // y 770, as answer ④'s turn does when it begins.
    EXPECT_EQ(CountBoxes(r.events, 640, 120, 1240, 770), 6 + 1);
    EXPECT_EQ(CountBoxes(r.events, 640, 120, 1240, 640), 0);
}

// ---- The animations ------------------------------------------------------------------

// The grey outlines of the moving copy in a frame: its corners 1, 4, 3, 2.
std::vector<json> CopyOutlines(const std::vector<json>& frame) {
    std::vector<json> out;
    for (const auto& e : Of(frame, "polyline"))
        if (e["color"] == 7 && e["filled"] == false) out.push_back(e);
    return out;
}

struct Corner {
    double x, y;
};

struct CopyCase {
    const char* name;
    std::string before;   // keys from the rhombus menu to the animation's first frame
    int beforeKeys;       // how many keys that is
    int keys;             // keys before "1"
    Corner corners[4];    // copy corners 1 to 4 in the last frame
    bool traces;
};

std::ostream& operator<<(std::ostream& os, const CopyCase& c) { return os << c.name; }

class RhombusAnimations : public testing::TestWithParam<CopyCase> {};

constexpr Corner kA1{940, 132.15}, kA2{880, 236.08}, kA{940, 340}, kB{1000, 236.08};
constexpr Corner kI5{1120, 236.08}, kI8{1060, 340};
constexpr Corner kE10{1000, 443.92}, kE12{880, 443.92}, kC{940, 547.85};
constexpr Corner kU15{760, 443.92}, kU16{820, 547.85};

TEST_P(RhombusAnimations, CopyInTheLastFrame) {
    const CopyCase& c = GetParam();
    // Keys: 6, Enter, 1, Enter, then `before`; the first frame follows its last key.
    const int first = 4 + c.beforeKeys;
    const RunResult r = RunRhombus(c.before + Repeat("{Down}", c.keys) + "1" + "a");
    const auto frames = Frames(r.events);
    ASSERT_GT(frames.size(), static_cast<std::size_t>(first + c.keys));
    const auto& last = frames[first + c.keys];
    const auto outlines = CopyOutlines(last);
    ASSERT_FALSE(outlines.empty());
    const auto& pts = outlines.back()["points"];
    const int order[] = {0, 3, 2, 1, 0};
    ASSERT_EQ(pts.size(), 5u);
    for (int k = 0; k < 5; k++) {
        EXPECT_NEAR(pts[k][0].get<double>(), c.corners[order[k]].x, 0.05) << "corner " << order[k] + 1;
        EXPECT_NEAR(pts[k][1].get<double>(), c.corners[order[k]].y, 0.05) << "corner " << order[k] + 1;
    }
    EXPECT_EQ(PathDots(last, 1e-4) > 0, c.traces);
    // "1" leaves the last frame standing: nothing is erased or drawn after it.
    for (const auto& e : Of(frames[first + c.keys + 1], "box")) EXPECT_LT(e["x1"].get<double>(), 640) << e;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RhombusAnimations,
    testing::Values(
        CopyCase{"AboutAAtOnce", "1" + E, 2, 0, {kA1, kA2, kA, kB}, false},
        CopyCase{"AboutAOntoI", "1" + E, 2, 4, {kI5, kB, kA, kI8}, false},
        CopyCase{"AboutAOntoE", "1" + E, 2, 12, {kC, kE10, kA, kE12}, false},
        CopyCase{"AboutAFullTurn", "1" + E, 2, 24, {kA1, kA2, kA, kB}, false},
        CopyCase{"AboutBOntoI", "2" + E, 2, 8, {kA, kI8, kI5, kB}, false},
        CopyCase{"FoldOverABAtOnce", "3" + E, 2, 0, {kA1, kA2, kA, kB}, false},
        CopyCase{"FoldOverABBackOnA", "3" + E, 2, 18, {kA1, kA2, kA, kB}, false},
        CopyCase{"FoldOverABWrapsOntoI", "3" + E, 2, 19, {kI5, kI8, kA, kB}, true},
        CopyCase{"FoldOverCommonSideAtOnce", "5" + E + "1", 3, 0, {kE10, kA, kE12, kC}, false},
        CopyCase{"FoldOverCommonSideOntoU", "5" + E + "1", 3, 18, {kU16, kU15, kE12, kC}, true},
        CopyCase{"FoldOverCommonSideBackOnE", "5" + E + "1", 3, 19, {kE10, kA, kE12, kC}, false}),
    [](const testing::TestParamInfo<CopyCase>& tested) { return std::string(tested.param.name); });

// The slide of answer ④: corners as drawn by the bold grey outline.
std::vector<json> SlideLines(const std::vector<json>& frame) {
    std::vector<json> out;
    for (const auto& e : Of(frame, "line"))
        if (e["color"] == 7 && e["width"] == 7) out.push_back(e);
    return out;
}

TEST(RhombusTranslationThenRotation, SlideReachesEOnTheTenthKeyAndAOnTheEleventh) {
    const RunResult r = RunRhombus("4" + E + Repeat("d", 11) + "1" + Repeat("e", 6) + "1a");
    const auto frames = Frames(r.events);
    const int first = 6;
    for (const auto& [keys, topY] : {std::pair{0, 132.15}, {5, 236.08}, {10, 340.0}, {11, 132.15}}) {
        const auto lines = SlideLines(frames[first + keys]);
        ASSERT_EQ(lines.size(), 4u) << keys;
        EXPECT_TRUE(Near(lines[0]["x1"], 940) && Near(lines[0]["y1"], topY, 0.01)) << keys << " keys: " << lines[0];
    }
    // On エ exactly: the top corner on A's level.
    EXPECT_EQ(SlideLines(frames[first + 10])[0]["y1"].get<float>(), 340.0f);
    // Six keys of the turn put the copy on ウ.
    const auto turned = CopyOutlines(frames[first + 12 + 6]);
    ASSERT_EQ(turned.size(), 1u);
    const auto& pts = turned[0]["points"];
    const Corner expected[] = {kE12, kC, kU16, kU15, kE12};   // corners 1, 4, 3, 2, 1 on ウ
    for (int k = 0; k < 5; k++) {
        EXPECT_NEAR(pts[k][0].get<double>(), expected[k].x, 0.05) << k;
        EXPECT_NEAR(pts[k][1].get<double>(), expected[k].y, 0.05) << k;
    }
}

TEST(RhombusTranslationThenRotation, TurnErasesBelowTheLowestCorner) {
    // The corner on A swings about C down to y 756; every erase of the turn
    // reaches y 770, so no outline is left behind below the pattern (the
    // answer's own erase at its start reaches as far).
    const RunResult r = RunRhombus("4" + E + "1" + Repeat("e", 36) + "1a");
    EXPECT_EQ(CountBoxes(r.events, 640, 120, 1240, 770), 1 + 1 + 36);
    EXPECT_EQ(CountBoxes(r.events, 640, 120, 1240, 740), 0);
    double lowest = 0;
    for (const auto& outline : CopyOutlines(r.events))
        for (const auto& pt : outline["points"]) lowest = std::max(lowest, pt[1].get<double>());
    EXPECT_NEAR(lowest, 547.85 + 207.85, 0.05);   // after 18 keys, straight below C
    EXPECT_LT(lowest + 3.5, 770);
}

// The pixels from the pattern's bottom edge down to y 770, right of the
// texts: how many are grey, and how many are neither grey nor background.
std::pair<int, int> BelowThePattern(const Fixture& f) {
    int grey = 0, other = 0;
    for (int y = 641; y <= 770; y++)
        for (int x = 640; x <= 1240; x++) {
            const int c = f.rt->PixelColor(x, y);
            grey += c == 7;
            other += c != 7 && c != 15;
        }
    return {grey, other};
}

// Answer ④'s turn stopped after 18 keys leaves the copy's corner on A
// straight below C: a grey V from y 644 to 759 under the pattern.
const std::string kLowTurn = "4" + E + "1" + Repeat("e", 18) + "1" + "a";

class RhombusAfterLowTurn : public testing::TestWithParam<int> {};

TEST_P(RhombusAfterLowTurn, NextAnswerStartsWithNothingBelowThePattern) {
    // At the menu after answer ④ the V stands below the pattern.
    VarnelFixture before(kLowTurn, false);
    RunUntilKeysEnd(before, ShowRhombusMovesP163);
    EXPECT_GT(BelowThePattern(before).first, 0);
    // At the next answer's first frame (its first key wait) it is gone.
    VarnelFixture f(kLowTurn + std::to_string(GetParam()) + E, false);
    RunUntilKeysEnd(f, ShowRhombusMovesP163);
    EXPECT_EQ(BelowThePattern(f), std::make_pair(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Answers, RhombusAfterLowTurn, testing::Values(1, 2, 3, 4, 5),
                         [](const testing::TestParamInfo<int>& tp) { return "Answer" + std::to_string(tp.param); });

TEST(RhombusRotationAboutB, ErasesBelowTheQuestion) {
    // The copy turns about B up to y 116; the erase starts at y 80, under the
    // question's line (y 30 to 78), which stays whole.
    const RunResult r = RunRhombus("2" + E + Repeat("b", 24) + "1a");
    EXPECT_EQ(CountBoxes(r.events, 640, 80, 1240, 640), 24);
    EXPECT_EQ(ErasesAbove(r.events, 79), 0);
    double highest = 1000;
    for (const auto& outline : CopyOutlines(r.events))
        for (const auto& pt : outline["points"]) highest = std::min(highest, pt[1].get<double>());
    EXPECT_NEAR(highest, 236.08 - 120, 0.05);
    EXPECT_EQ(CountRuns(r.events, kQuestion), 1);
}

}  // namespace
