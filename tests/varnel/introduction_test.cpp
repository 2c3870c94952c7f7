// Varnel's tessellation lesson (main-menu item 1): the tile routines' point
// tables and pieces, and whole-program runs through the patchwork and the
// hexagon designs with the keys a pupil presses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

const std::string kEnter = "{Enter}";

// ---- The marked patchwork tile ----------------------------------------------

TEST(PatchworkTile, MarkedTileLeavesItsNineteenPoints) {
    VarnelFixture f;
    Varnel& p = f.prog;
    p.Pi = 3.14159f;
    p.CellSize = 80;
    p.PointX(0) = 4.5f * std::sqrt(3.0f) * 80;
    p.PointY(0) = 360;
    DrawPatchworkTile(p);
    const float want[19][2] = {
        {623.54f, 360}, {623.54f, 200}, {484.97f, 280}, {484.97f, 440}, {623.54f, 520},
        {762.10f, 440}, {762.10f, 280}, {554.26f, 240}, {484.97f, 360}, {554.26f, 480},
        {692.82f, 480}, {762.10f, 360}, {692.82f, 240}, {623.54f, 280}, {554.26f, 320},
        {554.26f, 400}, {623.54f, 440}, {692.82f, 400}, {692.82f, 320}};
    for (int i = 0; i <= 18; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.PointX(i), want[i][0], 0.01);
        EXPECT_NEAR(p.PointY(i), want[i][1], 0.01);
    }
    // The outline and 18 inner lines, all at width 7; no label.
    EXPECT_EQ(f.Events("line").size(), 24u);
    EXPECT_TRUE(DrawnRuns(f).empty());
    EXPECT_EQ(p.Radius, 160);
    EXPECT_EQ(p.Radius2, 80);
    EXPECT_EQ(p.PenColor, 0);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
}

// ---- The four hexagon designs -------------------------------------------------

// A point of a design tile by name: "C", "V1".."V6", "M1".."M6", "E1".."E6";
// "-" for a point the design does not write.
struct Tile {
    double x0 = 212.5, y0 = 297.5, c = 85;
    double Angle(int i) const { return (90.0 + 60.0 * (i - 1)) * 3.14159 / 180.0; }
    // Point i of the ring at `r` from the centre (vertices at 2c, spoke middles at c).
    std::pair<double, double> Ring(int i, double r) const {
        return {x0 + r * std::cos(Angle(i)), y0 - r * std::sin(Angle(i))};
    }
    std::pair<double, double> At(const std::string& name) const {
        if (name == "C") return {x0, y0};
        const int i = name[1] - '0';
        if (name[0] == 'V') return Ring(i, 2 * c);
        if (name[0] == 'M') return Ring(i, c);
        const auto v = Ring(i, 2 * c);
        const auto w = Ring(i % 6 + 1, 2 * c);
        return {(v.first + w.first) / 2, (v.second + w.second) / 2};
    }
};

struct DesignCase {
    const char* name;
    void (*draw)(Varnel&);
    std::vector<std::string> points7to14;
    std::vector<std::vector<std::string>> triangles;
    bool outlineLast;
};

std::ostream& operator<<(std::ostream& os, const DesignCase& c) { return os << c.name; }

class HexagonDesigns : public testing::TestWithParam<DesignCase> {};

TEST_P(HexagonDesigns, LeaveTheirPointsAndFillTheirTriangles) {
    const DesignCase& d = GetParam();
    VarnelFixture f;
    Varnel& p = f.prog;
    p.Pi = 3.14159f;
    p.CellSize = 85;
    p.PointX(0) = 212.5f;
    p.PointY(0) = 297.5f;
    p.PointX(14) = -1;
    p.PointY(14) = -1;
    p.LineColor = 0;
    p.AccentColor = 3;
    p.TileColor = 9;
    d.draw(p);
    const Tile tile;
    EXPECT_NEAR(p.PointX(1), 212.5, 0.01);
    EXPECT_NEAR(p.PointY(1), 127.5, 0.01);
    EXPECT_NEAR(p.PointX(2), 65.28, 0.01);
    EXPECT_NEAR(p.PointY(2), 212.5, 0.01);
    for (int i = 7; i <= 14; ++i) {
        SCOPED_TRACE(i);
        const std::string& name = d.points7to14[static_cast<std::size_t>(i - 7)];
        const auto want = name == "-" ? std::pair<double, double>{-1, -1} : tile.At(name);
        EXPECT_NEAR(p.PointX(i), want.first, 0.01) << name;
        EXPECT_NEAR(p.PointY(i), want.second, 0.01) << name;
    }
    // The six pieces, in order: filled in TileColor, outlined in AccentColor.
    const auto pieces = f.Events("polyline");
    ASSERT_EQ(pieces.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(pieces[k]["fill"], 9);
        EXPECT_EQ(pieces[k]["color"], 3);
        ASSERT_EQ(pieces[k]["points"].size(), 4u);
        for (std::size_t j = 0; j < 3; ++j) {
            const auto want = tile.At(d.triangles[k][j]);
            EXPECT_NEAR(pieces[k]["points"][j][0].get<double>(), want.first, 0.01) << d.triangles[k][j];
            EXPECT_NEAR(pieces[k]["points"][j][1].get<double>(), want.second, 0.01) << d.triangles[k][j];
        }
    }
    // Outline (six lines in LineColor) and spokes (six in AccentColor) at
    // width 7; design 3 draws its outline after the pieces.
    const auto events = f.Events();
    std::vector<int> outlineAt, pieceAt;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].value("op", "") == "line" && events[i]["color"] == 0) outlineAt.push_back(static_cast<int>(i));
        if (events[i].value("op", "") == "polyline") pieceAt.push_back(static_cast<int>(i));
    }
    ASSERT_EQ(outlineAt.size(), 6u);
    EXPECT_EQ(outlineAt.front() > pieceAt.back(), d.outlineLast);
    EXPECT_EQ(f.Events("line").size(), 12u);
    for (const auto& e : f.Events("line")) EXPECT_EQ(e["width"], 7);
    EXPECT_EQ(p.PenColor, 0);
    EXPECT_TRUE(p.MarkLabel.empty());
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, HexagonDesigns,
    testing::Values(
        DesignCase{"Design1", DrawHexagonPattern1,
                   {"V1", "M1", "M2", "M3", "M4", "M5", "M6", "-"},
                   {{"M1", "V2", "V1"}, {"M2", "V3", "V2"}, {"M3", "V4", "V3"}, {"M4", "V5", "V4"},
                    {"M5", "V6", "V5"}, {"M6", "V1", "V6"}},
                   false},
        DesignCase{"Design2", DrawHexagonPattern2,
                   {"V1", "M1", "M2", "M3", "M4", "M5", "M6", "M1"},
                   {{"V1", "M1", "V2"}, {"V2", "C", "M3"}, {"V3", "M3", "V4"}, {"V4", "C", "M5"},
                    {"V5", "M5", "V6"}, {"V6", "C", "M1"}},
                   false},
        DesignCase{"Design3", DrawHexagonPattern3,
                   {"V1", "E1", "E2", "E3", "E4", "E5", "E6", "-"},
                   {{"E1", "C", "V2"}, {"E2", "C", "V3"}, {"E3", "C", "V4"}, {"E4", "C", "V5"},
                    {"E5", "C", "V6"}, {"E6", "C", "V1"}},
                   true},
        DesignCase{"Design4", DrawHexagonPattern4,
                   {"V1", "M1", "M2", "E2", "M4", "E4", "M6", "E6"},
                   {{"M2", "V1", "C"}, {"V3", "E2", "C"}, {"M4", "V3", "C"}, {"V5", "E4", "C"},
                    {"M6", "V5", "C"}, {"V1", "E6", "C"}},
                   false}),
    [](const testing::TestParamInfo<DesignCase>& tested) { return std::string(tested.param.name); });

// ---- Whole-program runs -------------------------------------------------------

std::vector<json> FilledPieces(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : Of(events, "polyline"))
        if (e.value("filled", false)) out.push_back(e);
    return out;
}

// The texts drawn in a frame, leaving out the key-wait box's own message.
std::vector<std::string> LessonTexts(const std::vector<json>& events) {
    std::vector<std::string> out;
    for (const auto& e : MarkupRuns(events))
        if (!IsKeyWait(e)) out.push_back(e["text"]);
    return out;
}

// Main menu "1", Enter; topic "1", Enter: the patchwork's first picture is
// frame 4.
const std::string kToPatchwork = "1" + kEnter + "1" + kEnter;

TEST(Patchwork, RunsKeyByKeyFromTheBlackPatternToTheRecolouredOne) {
    const RunResult r = RunProgramHeadless("varnel", kToPatchwork + "abcdef" + "3" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;

    // The first picture: 600 lines in colour 0 at width 7 and no text.
    const auto first = Frame(r, 4);
    const auto lines = Of(first, "line");
    EXPECT_EQ(lines.size(), 600u);
    for (const auto& e : lines) {
        EXPECT_EQ(e["color"], 0);
        EXPECT_EQ(e["width"], 7);
    }
    EXPECT_TRUE(LessonTexts(first).empty());
    // The pattern reaches x 1662.77 (the vertical side of the last tile of row 1).
    EXPECT_TRUE(HasLine(lines, 1662.77, -80, 1662.77, 80, 0, 0.05) || HasLine(lines, 1662.77, 80, 1662.77, -80, 0, 0.05));

    // The question after the first key, in colour 5 at (40, 30), over an erased top band.
    const auto second = Frame(r, 5);
    EXPECT_EQ(CountBoxes(second, 0, 0, 1760, 80), 1);
    const json question = FindRun(second, "パッチワークの模様は、どんな図形でしきつめられていますか？");
    ASSERT_FALSE(question.is_null());
    EXPECT_EQ(question["x"], 40);
    EXPECT_EQ(question["y"], 30);
    EXPECT_EQ(question["color"], 5);

    // One rhombus a key, then six at once; filled 13, outlined 0, width 7.
    const std::size_t perKey[] = {1, 1, 1, 6};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto pieces = FilledPieces(Frame(r, 6 + k));
        ASSERT_EQ(pieces.size(), perKey[k]);
        for (const auto& e : pieces) {
            EXPECT_EQ(e["fill"], 13);
            EXPECT_EQ(e["color"], 0);
            EXPECT_EQ(e["width"], 7);
        }
    }
    // The first rhombus: C, M1, E1, M2 of the marked tile.
    const auto rhombus1 = FilledPieces(Frame(r, 6))[0]["points"];
    const double corners[4][2] = {{623.54, 360}, {623.54, 280}, {554.26, 240}, {554.26, 320}};
    for (std::size_t j = 0; j < 4; ++j) {
        EXPECT_NEAR(rhombus1[j][0].get<double>(), corners[j][0], 0.01);
        EXPECT_NEAR(rhombus1[j][1].get<double>(), corners[j][1], 0.01);
    }

    // After the sixth key: the whole screen erased, the pattern again in 5
    // (outlines) and 2 (inner lines), then at once the topic menu.
    const auto last = Frame(r, 10);
    EXPECT_EQ(CountBoxes(last, 0, 0, 1760, 1800), 1);
    const auto redrawn = Of(last, "line");
    int outline = 0, inner = 0;
    for (const auto& e : redrawn) {
        outline += e["color"] == 5;
        inner += e["color"] == 2;
    }
    EXPECT_EQ(outline, 144);
    EXPECT_EQ(inner, 432);
    EXPECT_FALSE(FindAnyRun(last, " ①P154　②P155　③終了").is_null());
    EXPECT_EQ(KeyWaits(last), 0);
}

TEST(HexagonPatterns, ShowTheDesignsColourThemAndTileTheScreenWithEach) {
    const RunResult r =
        RunProgramHeadless("varnel", "1" + kEnter + "2" + kEnter + Repeat("x", 13) + "3" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // Frame 4: design 1 at place 1 with its sentence.
    const auto first = Frame(r, 4);
    EXPECT_EQ(LessonTexts(first), std::vector<std::string>{"もとになる図形で正六角形の中の模様をつくろう。"});
    EXPECT_EQ(FilledPieces(first).size(), 6u);
    // Frame 5: the highlighted piece in 7, the caption under design 1, the empty hexagon at place 3.
    const auto second = Frame(r, 5);
    const auto pieces = FilledPieces(second);
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[0]["fill"], 7);
    for (std::size_t k = 1; k < 7; ++k) EXPECT_EQ(pieces[k]["fill"], 15);
    const json caption = FindRun(second, "ろみねさんの考え");
    ASSERT_FALSE(caption.is_null());
    EXPECT_TRUE(Near(caption["x"], 65.28));
    EXPECT_TRUE(Near(caption["y"], 547.5));
    // Frame 9: the second sentence at (40, 65) in colour 7.
    const json colour = FindRun(Frame(r, 9), "つくった模様に色をぬろう。");
    ASSERT_FALSE(colour.is_null());
    EXPECT_EQ(colour["x"], 40);
    EXPECT_EQ(colour["y"], 65);
    EXPECT_EQ(colour["color"], 7);
    // Frames 10 to 13: the designs recoloured 7, 9, 7, 9.
    const int designFills[] = {7, 9, 7, 9};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto recoloured = FilledPieces(Frame(r, 10 + k));
        ASSERT_EQ(recoloured.size(), 6u);
        for (const auto& e : recoloured) EXPECT_EQ(e["fill"], designFills[k]);
    }
    // Frames 14 to 17: four tilings of 24 tiles (six pieces each), no text, no grid line.
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const auto tiling = Frame(r, 14 + k);
        EXPECT_EQ(CountBoxes(tiling, 0, 0, 1760, 1800), 1);
        const auto tiles = FilledPieces(tiling);
        ASSERT_EQ(tiles.size(), 24u * 6);
        for (const auto& e : tiles) EXPECT_EQ(e["fill"], designFills[k]);
        EXPECT_EQ(Of(tiling, "line").size(), 24u * 12);
        for (const auto& e : Of(tiling, "line")) EXPECT_EQ(e["color"], 0);
    }
    EXPECT_TRUE(LessonTexts(Frame(r, 14)).empty());
    // The topic menu at once after the fourth tiling.
    EXPECT_FALSE(FindAnyRun(Frame(r, 17), " ①P154　②P155　③終了").is_null());
}

TEST(IntroductionLesson, ChoosingATopicAgainStartsItOver) {
    const RunResult r = RunProgramHeadless(
        "varnel", kToPatchwork + "abcdef" + "1" + kEnter + "abcdef" + "3" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // Frame 12: the second visit's first picture, on an erased screen, black again.
    const auto again = Frame(r, 12);
    EXPECT_EQ(CountBoxes(again, 0, 0, 1760, 1800), 1);
    const auto lines = Of(again, "line");
    EXPECT_EQ(lines.size(), 600u);
    for (const auto& e : lines) EXPECT_EQ(e["color"], 0);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 1);
}

}  // namespace
