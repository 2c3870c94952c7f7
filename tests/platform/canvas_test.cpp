// The drawing contract the text and figure routines lean on, checked on the
// pixels of a headless surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/runtime.h"

namespace {

class CanvasTest : public ::testing::Test {
protected:
    std::unique_ptr<Runtime> rt = Runtime::CreateHeadless();
    int At(int x, int y) const { return rt->PixelColor(x, y); }
    // Number of pixels of `color` in the box [x1, x2] x [y1, y2].
    int Count(int x1, int y1, int x2, int y2, int color) const {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (At(x, y) == color) ++n;
        return n;
    }
};

TEST_F(CanvasTest, StartsBlankAndClearsToBackground) {
    EXPECT_EQ(At(0, 0), 15);
    EXPECT_EQ(At(1439, 899), 15);
    rt->RtLine(10, 10, 100, 10, 0);
    EXPECT_EQ(At(50, 10), 0);
    rt->RtCls();
    EXPECT_EQ(At(50, 10), 15);
}

TEST_F(CanvasTest, WidthOneLineCoversItsPixelsOnly) {
    rt->RtSetDrawWidth(1);
    rt->RtLine(10, 5, 20, 5, 0);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(At(x, 5), 0) << x;
    EXPECT_EQ(At(15, 4), 15);
    EXPECT_EQ(At(15, 6), 15);
    EXPECT_EQ(At(8, 5), 15);
}

TEST_F(CanvasTest, RelativeLineEndsAtStartPlusStep) {
    rt->RtSetDrawWidth(1);
    rt->RtLine(100, 100, 0, 30, 0, BoxShape::Segment, -1, /*step=*/true);
    EXPECT_EQ(At(100, 130), 0);
    EXPECT_EQ(At(100, 133), 15);
}

TEST_F(CanvasTest, BoxOutlineAndFilledBoxIncludeBothCorners) {
    rt->RtSetDrawWidth(1);
    rt->RtLine(10, 10, 30, 20, 1, BoxShape::Outline);
    EXPECT_EQ(At(10, 10), 1);
    EXPECT_EQ(At(30, 20), 1);
    EXPECT_EQ(At(20, 15), 15);   // hollow
    rt->RtLine(50, 10, 70, 20, 0, BoxShape::Filled, 14);
    EXPECT_EQ(At(60, 15), 14);   // filled in the fill colour
    EXPECT_EQ(At(50, 10), 0);    // bordered in the line colour
    EXPECT_EQ(At(70, 20), 0);
    EXPECT_EQ(At(71, 21), 15);
}

TEST_F(CanvasTest, ArcRunsClockwiseFromStartToEnd) {
    rt->RtSetDrawWidth(3);
    // A quarter from +x (0) to straight down (0.25).
    rt->RtCircle(200, 200, 50, 0, 1, 0, 0.25f);
    EXPECT_GT(Count(230, 230, 240, 240, 0), 0);   // lower right: drawn
    EXPECT_EQ(Count(230, 160, 240, 170, 0), 0);   // upper right: not
    EXPECT_EQ(Count(160, 230, 170, 240, 0), 0);   // lower left: not
}

TEST_F(CanvasTest, ArcWithSmallerEndPassesFromOneToZero) {
    rt->RtSetDrawWidth(3);
    rt->RtCircle(200, 200, 50, 0, 1, 0.75f, 0.25f);   // up, through right, to down
    EXPECT_GT(Count(247, 197, 253, 203, 0), 0);       // right: drawn
    EXPECT_EQ(Count(147, 197, 153, 203, 0), 0);       // left: not
}

TEST_F(CanvasTest, ZeroZeroIsTheWholeCircle) {
    rt->RtSetDrawWidth(1);
    rt->RtCircle(300, 300, 40, 2);
    for (auto [x, y] : {std::pair{340, 300}, {260, 300}, {300, 340}, {300, 260}}) EXPECT_EQ(At(x, y), 2) << x << "," << y;
    EXPECT_EQ(At(300, 300), 15);
}

TEST_F(CanvasTest, SectorIsFilledAndOutlined) {
    rt->RtSetDrawWidth(3);
    rt->RtCircle(400, 400, 60, 0, 1, 0, 0.25f, /*filled=*/true, 14);
    EXPECT_EQ(At(420, 420), 14);   // inside the quarter below +x
    EXPECT_EQ(At(380, 380), 15);   // the opposite quarter stays empty
    EXPECT_EQ(At(430, 400), 0);    // the radius along +x is stroked
    EXPECT_EQ(At(400, 430), 0);    // and the one pointing down
}

// A filled sector with equal start and end fractions is the complete disc;
// fractions that only come close (a 30-degree sector across +x) stay a sector.
struct FilledSectorCase {
    float start, end;
    bool wholeDisc;
};

void PrintTo(const FilledSectorCase& c, std::ostream* os) { *os << c.start << " to " << c.end; }

class FilledSectorTest : public CanvasTest, public ::testing::WithParamInterface<FilledSectorCase> {};

TEST_P(FilledSectorTest, EqualFractionsFillTheWholeDisc) {
    const FilledSectorCase c = GetParam();
    rt->RtSetDrawWidth(5);
    rt->RtCircle(400, 400, 100, 0, 1, c.start, c.end, /*filled=*/true, 13);
    // Points well inside the disc in the four quarters, and just below +x.
    const std::pair<int, int> inside[] = {{450, 450}, {350, 350}, {350, 450}, {450, 350}};
    int filled = 0;
    for (auto [x, y] : inside) filled += At(x, y) == 13;
    if (c.wholeDisc) {
        EXPECT_EQ(filled, 4);
        EXPECT_EQ(At(400, 400), 13);   // no radius is stroked through the middle
        EXPECT_EQ(At(400, 300), 0);    // the rim
    } else {
        EXPECT_LT(filled, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Canvas, FilledSectorTest,
                         ::testing::Values(FilledSectorCase{0.75f, 0.75f, true}, FilledSectorCase{0.25f, 0.25f, true},
                                           FilledSectorCase{1, 1, true}, FilledSectorCase{0.5f, 0.5f, true},
                                           FilledSectorCase{0.9167f, 1, false},
                                           FilledSectorCase{0.9167f, 6e-7f, false},
                                           FilledSectorCase{0.6667f, 0.75f, false}));

// A shape smaller than the pen is solid out to half the pen width past its
// outline: the dots of a dotted arc (radius 0.5 at widths 7 and 10) are
// discs, not rings. Every pixel within `solid` of the centre is inked in the
// outline colour (for a whole circle or ellipse that is its smaller
// semi-axis + width / 2 - 1; for a sector, whose outline passes through the
// centre, width / 2 - 1), and nothing lies beyond the larger semi-axis +
// width / 2 + 1.
struct TinyShapeCase {
    const char* name;
    float r, aspect, start, end;
    bool filled;
    int width;
};

void PrintTo(const TinyShapeCase& c, std::ostream* os) { *os << c.name << " at width " << c.width; }

class TinyShapeAtWidePenTest : public CanvasTest, public ::testing::WithParamInterface<TinyShapeCase> {};

TEST_P(TinyShapeAtWidePenTest, IsSolidToHalfThePenWidthPastItsOutline) {
    const TinyShapeCase c = GetParam();
    const double cx = 500, cy = 500;
    rt->RtSetDrawWidth(c.width);
    rt->RtCircle(cx, cy, c.r, 5, c.aspect, c.start, c.end, c.filled, c.filled ? 14 : -1);
    const double rx = c.aspect > 1 ? c.r / c.aspect : c.r, ry = c.aspect < 1 ? c.r * c.aspect : c.r;
    const bool whole = c.start == c.end;
    const double solid = (whole ? std::min(rx, ry) : 0) + c.width / 2.0 - 1;
    const double reach = std::max(rx, ry) + c.width / 2.0 + 1;
    int holes = 0, stray = 0;
    for (int y = 470; y <= 530; ++y)
        for (int x = 470; x <= 530; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            if (d <= solid && At(x, y) != 5) ++holes;
            if (d > reach && At(x, y) != 15) ++stray;
        }
    EXPECT_EQ(holes, 0);
    EXPECT_EQ(stray, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, TinyShapeAtWidePenTest,
    ::testing::Values(TinyShapeCase{"dot", 0.5f, 1, 0, 0, true, 10}, TinyShapeCase{"dot", 0.5f, 1, 0, 0, true, 7},
                      TinyShapeCase{"dot", 0.5f, 1, 0, 0, true, 5}, TinyShapeCase{"dot", 0.5f, 1, 0, 0, true, 3},
                      TinyShapeCase{"disc r 2", 2, 1, 0, 0, true, 15},
                      TinyShapeCase{"circle r 1", 1, 1, 0, 0, false, 7},
                      TinyShapeCase{"circle r 3", 3, 1, 0, 0, false, 10},
                      TinyShapeCase{"circle r 6", 6, 1, 0, 0, false, 15},
                      TinyShapeCase{"ellipse 4 by 2", 4, 0.5f, 0, 0, false, 10},
                      TinyShapeCase{"ellipse 1.5 by 3", 3, 2, 0, 0, true, 10},
                      TinyShapeCase{"half disc r 2", 2, 1, 0, 0.5f, true, 15},
                      TinyShapeCase{"sector r 1", 1, 1, 0.1f, 0.35f, true, 10},
                      TinyShapeCase{"sector r 3 across +x", 3, 1, 0.9f, 0.05f, true, 10}));

TEST_F(CanvasTest, EllipseFollowsAspect) {
    rt->RtSetDrawWidth(1);
    rt->RtCircle(600, 300, 60, 0, 0.5f);   // 60 wide, 30 high
    EXPECT_EQ(At(660, 300), 0);
    EXPECT_EQ(At(600, 330), 0);
    EXPECT_EQ(At(600, 360), 15);
}

TEST_F(CanvasTest, FilledPolygonAndOpenPolyline) {
    rt->RtSetDrawWidth(1);
    const Pt tri[] = {{100, 600}, {200, 600}, {150, 520}};
    rt->RtConnect(tri, 0, /*filled=*/true, 14);
    EXPECT_EQ(At(150, 580), 14);
    EXPECT_EQ(At(150, 600), 0);
    const Pt open[] = {{300, 600}, {400, 600}, {350, 520}};
    rt->RtConnect(open, 0);
    EXPECT_EQ(At(350, 580), 15);
    EXPECT_EQ(At(375, 560), 0);    // on the second edge
    EXPECT_EQ(At(325, 560), 15);   // where a closing edge would run: open
}

TEST_F(CanvasTest, FullWidthGlyphFillsItsSixteenPixelCell) {
    rt->RtSetFontName("ｺﾞｼｯｸ");
    rt->RtSetFontSize(16);
    rt->RtSymbol(100, 100, 1, 1, 0, "田");
    int inside = Count(100, 100, 115, 115, 0);
    int outside = Count(90, 90, 125, 125, 0) - inside;
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
    // The box of "田" nearly fills the cell.
    EXPECT_GT(Count(100, 100, 115, 101, 0) + Count(100, 114, 115, 115, 0), 0);
}

TEST_F(CanvasTest, HalfWidthGlyphIsHalfAsWideAndScalesStretch) {
    rt->RtSetFontName("ゴシック");
    rt->RtSetFontSize(16);
    rt->RtSymbol(200, 100, 1, 1, 0, "H");
    EXPECT_GT(Count(200, 100, 207, 115, 0), 0);
    EXPECT_EQ(Count(208, 95, 215, 120, 0), 0);
    rt->RtSymbol(300, 100, 3, 3, 0, "H");   // 24 x 48
    EXPECT_GT(Count(300, 100, 323, 147, 0), 0);
    EXPECT_EQ(Count(324, 95, 340, 155, 0), 0);
    EXPECT_EQ(Count(300, 148, 330, 160, 0), 0);
}

TEST_F(CanvasTest, DrawingAgainInBackgroundLeavesNoTrace) {
    rt->RtSetDrawWidth(3);
    rt->RtSetFontName("ゴシック");
    rt->RtSetFontBold(-1);
    auto draw = [&](int c) {
        rt->RtLine(30, 700, 400, 760, c);
        rt->RtCircle(600, 700, 45, c, 1, 0.1f, 0.7f);
        rt->RtCircle(800, 700, 45, c, 1, 0.3f, 0.9f, true);
        rt->RtSymbol(900, 680, 2, 3, c, "△ＡＢＣの面積");
        const Pt pts[] = {{1000, 700}, {1100, 760}, {1200, 690}};
        rt->RtConnect(pts, c);
    };
    draw(0);
    EXPECT_GT(Count(0, 600, 1439, 899, 0), 100);
    draw(15);
    EXPECT_EQ(Count(0, 600, 1439, 899, 15), 1440 * 300);
}

TEST_F(CanvasTest, OutsideTheSurfaceIsClipped) {
    rt->RtLine(0, 0, 1760, 1800, 15, BoxShape::Filled, 15);
    rt->RtLine(-5000, 450, 90000, 450, 0);
    EXPECT_EQ(At(700, 450), 0);
    rt->RtSymbol(0, 1800, 3, 3, 0, "測る");   // below the window: nothing shows
    EXPECT_EQ(At(0, 899), 15);
}

TEST_F(CanvasTest, NonFiniteNumbersRaiseTheRuntimeError) {
    EXPECT_THROW(rt->RtLine(0, 0, NAN, 10, 0), RuntimeError);
    EXPECT_THROW(rt->RtCircle(10, 10, INFINITY, 0), RuntimeError);
    EXPECT_THROW(rt->RtSymbol(0, NAN, 1, 1, 0, "a"), RuntimeError);
    const Pt bad[] = {{0, 0}, {NAN, 1}};
    EXPECT_THROW(rt->RtConnect(bad, 0), RuntimeError);
    EXPECT_THROW(rt->RtLine(0, 0, 10, 10, 16), RuntimeError);   // no such colour
}

TEST_F(CanvasTest, PenWidthAndFontStateHoldUntilSetAgain) {
    rt->RtSetDrawWidth(7);
    EXPECT_EQ(rt->RtGetDrawWidth(), 7);
    rt->RtSetFontSize(11);
    rt->RtSetFontItalic(-1);
    rt->RtLine(0, 0, 1, 1, 0);
    EXPECT_EQ(rt->RtGetDrawWidth(), 7);
    EXPECT_EQ(rt->FontSize(), 11);
    EXPECT_TRUE(rt->FontItalic());
    rt->RtSetFontItalic(0);
    EXPECT_FALSE(rt->FontItalic());
}

}  // namespace
