// Topic 2 of the sector lesson: equal central angles give equal sectors (a
// 30-degree sector turned about the circle key by key), arc length and area
// grow with the central angle (slices and the first table), and they are
// parts of the circumference and the circle's area (the second table).
#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

namespace {

// The point of the circle (centre point 0, Radius) at `degrees`.
Pt OnCircle(Quillet& p, float degrees) { return Along(P(p, 0), p.Radius, degrees * p.Pi / 180); }

// The sector about point 0 from the ray to b counter-clockwise to the ray to
// c, radius Radius, outlined in `outline` and filled in `fill`; `labelColor`
// the colour of the labels that follow (empty: PenColor as it stands).
void SectorOf(Quillet& p, Pt b, Pt c, float outline, float fill, std::optional<float> labelColor = {}) {
    AngleMark(p, P(p, 0), b, c,
              {.size = p.Radius, .arcs = 0, .color = outline, .fill = fill, .label = "", .shift = 1,
               .labelColor = labelColor});
}

// The circle of the figure, outline only.
void FigureCircle(Quillet& p) { Circle(p, P(p, 0), p.Radius, kBlack); }

// Slices 1 to `count` of 30 degrees from 90 degrees on, slice i in the fill
// and dot colours `colors` gives it (SliceFillColor, SliceDotColor); the dot
// of radius 8 stands 50 px out on the slice's bisector.
void Slices(Quillet& p, int count, std::pair<float, float> (*colors)(int)) {
    Count(p.LoopIndex, 1, count, [&](int i) {
        SetP(p, i + 1, OnCircle(p, p.FirstSectorStart + 30 * static_cast<float>(i)));
        std::tie(p.SliceFillColor, p.SliceDotColor) = colors(i);
        SectorOf(p, P(p, i), P(p, i + 1), kBlack, p.SliceFillColor);
        AngleDot(p, 0, i, i + 1, {.distance = 50, .radius = 8, .color = p.SliceDotColor});
    });
}

// One table row at TextLeft, `height` px high, in text colour `color`: each
// cell follows where the previous one left the pen; an empty cell keeps its
// corner in the next PointX2/PointY2 entry (counted in `corner`).
void TableRow(Quillet& p, float y, float height, float color, std::initializer_list<std::pair<float, Text>> cells,
              int& corner) {
    float x = p.TextLeft;
    for (const auto& [width, text] : cells) {
        if (text.empty()) SetP2(p, ++corner, {x, y});
        TableCell(p, x, y, {.width = width, .height = height, .border = kBlack, .fill = kWhite, .textColor = color},
                  text);
        x = p.TextEndX;
        y = p.TextLineY;
    }
}

// The empty cell whose corner is PointX2/PointY2(k) drawn again with `text`
// in colour 5; the text column's TextEndX and TextLineY stay.
void FillIn(Quillet& p, int k, float width, float height, const Text& text) {
    const float endX = p.TextEndX, lineY = p.TextLineY;
    TableCell(p, p.PointX2(k), p.PointY2(k),
              {.width = width, .height = height, .border = kBlack, .fill = kWhite, .textColor = kPurple}, text);
    p.TextEndX = endX;
    p.TextLineY = lineY;
}

// Answer row `row` of the ratio table (1 for 360 degrees, 2 for 90, ...)
// filled in: the same `ratio` in its arc-length cell (k = 2 row - 1), a key,
// then in its area cell; both cells 160 px wide.
void FillInRow(Quillet& p, int row, float height, const Text& ratio) {
    FillIn(p, 2 * row - 1, 160, height, ratio);
    WaitForAnyKey(p);
    FillIn(p, 2 * row, 160, height, ratio);
}

// The two sentences that arc length and area are proportional to the
// central angle, from TextLeft at y.
void ProportionSentences(Quillet& p, float y) {
    Write(p, p.TextLeft, y, kTeal, "おうぎ形の弧の長さは、");
    WriteOn(p, kPurple, "中心角に比例する。");
    NextLine(p, kTeal, "おうぎ形の面積は、");
    WriteOn(p, kPurple, "中心角に比例する。");
}

// The figure of the second screen: the sector from 90 degrees to point 2,
// filled in colour 13, labelled with its angle.
void AngleFigure(Quillet& p, const Text& label) {
    FigureCircle(p);
    SectorOf(p, P(p, 1), P(p, 2), kBlack, kPink, kTeal);
    VertexLabel(p, P(p, 0), P(p, 1), P(p, 2), label, {.distance = 50});
}

}  // namespace

void DrawTwoSectorFigure(Quillet& p) {
    FigureCircle(p);
    SectorOf(p, P(p, 1), P(p, 2), kTeal, kGrey);
    SectorOf(p, P(p, 3), P(p, 4), kTeal, kBrightBlue);
}

void ShowSectorExplanation(Quillet& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "<おうぎ形の中心角と弧・面積>");
    Grid(p, {.left = 840, .top = 100, .columns = 6, .rows = 6, .cell = 60});
    SetCells(p, 0, {{3, 3}});
    p.Radius = 3 * p.CellSize;
    p.FirstSectorStart = 90;
    p.SecondSectorStart = 330;
    SetP(p, 1, OnCircle(p, p.FirstSectorStart));
    SetP(p, 2, OnCircle(p, p.FirstSectorStart + 30));
    SetP(p, 3, OnCircle(p, p.SecondSectorStart));
    SetP(p, 4, OnCircle(p, p.SecondSectorStart + 30));
    DrawTwoSectorFigure(p);
    WaitForAnyKey(p);

    // The sector turns 30 degrees a key until "1": start angles 90, 120, ...,
    // 360, 0, 30, ... (360 and 0 show the same sector); each key but "1"
    // empties the figure's frame.
    Animate(p, {.erase = FrameArea(p), .counter = {.cell = &p.ArcAngle, .from = p.FirstSectorStart, .by = 30,
                                                   .upTo = 360, .backTo = 0}},
            [&] {
                DrawTwoSectorFigure(p);
                SetP2(p, 1, OnCircle(p, p.ArcAngle));
                SetP2(p, 2, OnCircle(p, p.ArcAngle + 30));
                SectorOf(p, P2(p, 1), P2(p, 2), kTeal, kGrey);
            });
    NextLine(p, kBlack, "1つの円で、", 60);
    NextLine(p, kPurple, "中心角の等しいおうぎ形の弧の長さや面積は等しい。");
    WaitForAnyKey(p);

    // Six white slices over the left half, and the first table.
    EraseFrame(p);
    FigureCircle(p);
    Slices(p, 6, [](int) { return std::pair{kWhite, kPurple}; });
    int corner = 0;
    TableRow(p, p.TextLineY + 50, 50, kTeal, {{120, "中心角"}, {160, "弧の長さ"}, {120, "面積"}}, corner);
    TableRow(p, p.TextLineY + 50, 50, kPurple, {{120, "2倍"}, {160, ""}, {120, ""}}, corner);
    TableRow(p, p.TextLineY + 50, 50, kPurple, {{120, "3倍"}, {160, ""}, {120, ""}}, corner);
    WaitForAnyKey(p);

    // Twice the angle: two coloured slices of four.
    EraseFrame(p);
    FigureCircle(p);
    Slices(p, 4, [](int i) { return i > 2 ? std::pair{kWhite, kPurple} : std::pair{kGrey, kTeal}; });
    FillIn(p, 1, 160, 50, "2倍");
    WaitForAnyKey(p);
    FillIn(p, 2, 120, 50, "2倍");
    WaitForAnyKey(p);

    // Three times the angle: 60-degree parts in 7, 9 and white.
    EraseFrame(p);
    FigureCircle(p);
    Slices(p, 6, [](int i) {
        if (i > 4) return std::pair{kWhite, kPurple};
        if (i > 2) return std::pair{kBrightBlue, kPink};
        return std::pair{kGrey, kTeal};
    });
    FillIn(p, 3, 160, 50, "3倍");
    WaitForAnyKey(p);
    FillIn(p, 4, 120, 50, "3倍");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "1つの円では、", 70);
    ProportionSentences(p, p.TextLineY + 50);
    WaitForAnyKey(p);

    // Second screen: the parts of the whole circle.
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kBlack, "1つの円では、");
    ProportionSentences(p, p.TextLineY + 50);
    // Both rays at 90 degrees: the whole disc.
    EraseFrame(p);
    FigureCircle(p);
    SectorOf(p, P(p, 1), P(p, 1), kBlack, kPink, kTeal);
    VertexLabel(p, P(p, 0), P(p, 1), P(p, 1), "360%", {.distance = 50});
    NextLine(p, kGrey, "問 弧の長さと面積は円周と円の面積の何倍ですか。");
    corner = 0;
    TableRow(p, p.TextLineY + 50, 50, kTeal, {{120, "中心角"}, {160, "弧の長さ"}, {160, "面積"}}, corner);
    TableRow(p, p.TextLineY + 50, 50, kPurple, {{120, "360%"}, {160, ""}, {160, ""}}, corner);
    TableRow(p, p.TextLineY + 50, 80, kPurple, {{120, "90%"}, {160, ""}, {160, ""}}, corner);
    TableRow(p, p.TextLineY + 80, 80, kPurple, {{120, "30%"}, {160, ""}, {160, ""}}, corner);
    TableRow(p, p.TextLineY + 80, 80, kPurple, {{120, "1%"}, {160, ""}, {160, ""}}, corner);
    TableRow(p, p.TextLineY + 80, 80, kPurple, {{120, "a%"}, {160, ""}, {160, ""}}, corner);
    WaitForAnyKey(p);

    FillInRow(p, 1, 50, "1倍");
    WaitForAnyKey(p);
    EraseFrame(p);
    SetP(p, 2, OnCircle(p, 180));
    AngleFigure(p, "90%");
    WaitForAnyKey(p);
    FillInRow(p, 2, 80, "ﾀ1/4ﾀ倍");
    WaitForAnyKey(p);
    EraseFrame(p);
    SetP(p, 2, OnCircle(p, 120));
    AngleFigure(p, "30%");
    WaitForAnyKey(p);
    FillInRow(p, 3, 80, "ﾀ1/12ﾀ倍");
    WaitForAnyKey(p);
    FillInRow(p, 4, 80, "ﾀ1/360ﾀ倍");
    WaitForAnyKey(p);
    FillInRow(p, 5, 80, "ﾀa/360ﾀ倍");
}
