// The lesson kit: the calls a lesson topic is written in.
//
// A topic is a list of steps: open the screen, write a sentence, draw a
// figure from the point tables, construct it with compass arcs, mark it,
// wait for a key. The library's routines take their inputs from the shared
// cells; each call here fills exactly the cells its routine reads and runs
// it, so a step reads as what it draws:
//
//     BeginTopic(p, {.itemLeft = 30, .textLeft = 66, .firstLineY = 20});
//     Write(p, p.TextLeft, p.TextLineY, kTeal, "AP=AQ,BP=BQ となる点Qをかこう。");
//     NumberedLine(p, "①", kBlack, "中心A,半径APの円をかく");
//     CompassArc(p, {.centre = 1, .through = 3, .b = 4, .c = 3,
//                    .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
//     DotAndName(p, 4, "Q");
//     Ticks(p, P(p, 1), P(p, 2), {.size = 20, .spacing = 8});
//     WaitForAnyKey(p);
//
// What a routine leaves behind stays as the library leaves it: each call
// says which cells it reads and which it leaves for a later step.
//
// Styles. A style is a struct of named fields, written with designated
// initialisers. A field left out takes the default written beside it in the
// struct, and the call sets its cell to that default. The fields that are a
// std::optional say what an empty value does; in most of them (default {})
// an empty field leaves its cell as the earlier steps left it, which is how a
// topic carries, for example, MarkShift or LabelOffsetX over from one call
// to the next. A few optional fields have a value by default (TickStyle's
// spacing 8 and shift 0, RightAngleStyle's shift 0, TextColumn's itemLeft
// 40): those set their cell unless given {} on purpose.
//
// One name means one thing in every style: `color` is the colour a call
// strokes its figure in (lines, arcs, a sector's outline, a dot), `fill`
// the inside of a closed shape, `label` or `labels` the text a call writes
// beside its figure, `labelColor` that text's colour (PenColor), `labelDx`
// and `labelDy` its offset in px (LabelOffsetX/Y), `distance` how far out
// from its point the label stands (MarkSize), `shift` -1 the rays of an
// angle exchanged (MarkShift).
//
// Coordinates are pixels (origin top-left, y down); directions are radians
// counter-clockwise as seen on the screen; arc fractions are fractions of a
// turn clockwise from +x (see platform/runtime.h).
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>

#include "core/program.h"
#include "figures/figures.h"
#include "platform/runtime.h"
#include "platform/text.h"
#include "shell/shell.h"
#include "text/text.h"

namespace kit {

// ---- Colours ----------------------------------------------------------------
// The palette by name (the numbers are the colour codes the cells hold).
inline constexpr float kBlack = 0;
inline constexpr float kBlue = 1;
inline constexpr float kGreen = 2;
inline constexpr float kTeal = 3;
inline constexpr float kAmber = 4;        // pale: the message-box fill
inline constexpr float kPurple = 5;
inline constexpr float kBrown = 6;
inline constexpr float kGrey = 7;
inline constexpr float kDarkGrey = 8;
inline constexpr float kBrightBlue = 9;
inline constexpr float kBoardGreen = 10;  // the menu panel
inline constexpr float kCyan = 11;
inline constexpr float kRose = 12;        // pale: the step-box fill
inline constexpr float kPink = 13;
inline constexpr float kYellow = 14;
inline constexpr float kWhite = 15;       // the background: drawing in it erases

// ---- Keys -------------------------------------------------------------------
// kKeyEnter, kKeyRight, kKeyLeft, kKeyUp, kKeyDown, ... (platform/runtime.h).

// The code of a one-character key text (0 for no key).
int KeyCode(const Text& key);
// True when the last key read was `code` (a key constant or a character such
// as '1').
bool LastKeyIs(const Program& p, int code);

// ---- Points -----------------------------------------------------------------

// Point i of the point tables PointX/PointY, and of PointX2/PointY2.
Pt P(const Program& p, int i);
Pt P2(const Program& p, int i);
// Sets point i of PointX/PointY (of PointX2/PointY2).
void SetP(Program& p, int i, Pt at);
void SetP2(Program& p, int i, Pt at);
// Point `from` moved `r` along the direction `angle`.
Pt Along(Pt from, float r, float angle);
// The middle of a and b.
Pt Mid(Pt a, Pt b);
// The distance from a to b.
float Distance(Pt a, Pt b);

// ---- Grid cells to pixels ---------------------------------------------------
// A figure's points are given in grid cells of the frame in force (x right,
// y up from the frame's origin: OriginX, OriginY, CellSize as Grid leaves
// them) and turned into pixels in place.

// Points first, first + 1, ... of PointX/PointY set to `cells`, then turned
// into pixels. Counts in LoopIndex (left at the last entry).
void SetCells(Program& p, int first, std::initializer_list<Pt> cells);
// A figure point in grid cells: its entry of PointX/PointY and its cell.
struct CellPoint {
    int entry;
    Pt cell;
};
// The listed entries set to their cells, then exactly those entries turned
// into pixels, in the order listed; every other entry keeps its value.
// Counts in LoopIndex (left at the last entry listed).
void SetCells(Program& p, std::initializer_list<CellPoint> points);
// Points first..last of PointX/PointY from grid cells to pixels in place.
// Counts in LoopIndex (left at `last`).
void CellsToPixels(Program& p, int first, int last);
// The directions of a regular hexagon's corners: PointAngle(i) := start +
// step * (i - 1) degrees, in radians, for i = 1 to 6 (step 60: counter-
// clockwise, -60: clockwise). Counts in LoopIndex (left at 6).
void HexagonAngles(Program& p, int startDegrees, int stepDegrees = 60);
// Points first to first + 5 of PointX/PointY at `radius` from point `centre`
// in the directions PointAngle(1..6). Counts in LoopIndex (left at 6).
void PointsAtAngles(Program& p, int first, float radius, int centre = 0);

// ---- Counted loops ----------------------------------------------------------

// A loop whose counter is also a cell, as the library's own loops keep theirs
// (LoopIndex, InnerIndex, ...): `body(i)` for i = first, first + step, ...
// up to `last`, the cell `counter` := i before each. Leaves the counter at
// the last i run (untouched when none runs).
template <class Body>
void Count(float& counter, int first, int last, Body&& body, int step = 1) {
    for (int i = first; step > 0 ? i <= last : i >= last; i += step) {
        counter = static_cast<float>(i);
        body(i);
    }
}
// The same over the listed values, in order.
template <class Body>
void Count(float& counter, std::initializer_list<int> values, Body&& body) {
    for (const int i : values) {
        counter = static_cast<float>(i);
        body(i);
    }
}

// ---- Erasing and the pen ----------------------------------------------------
// EraseBox(p, x1, y1, x2, y2) and EraseScreen(p) are the shell's (shell/shell.h):
// a box given by its corners, both included, and the whole screen.

// A box by its corners, both included.
struct Area {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};
// The current grid frame (GridLeft, GridTop)-(GridRight, GridBottom).
Area FrameArea(const Program& p);
// The box erased.
void Erase(Program& p, const Area& area);
// The current grid frame erased, edges included, for a figure drawn again in
// it.
void EraseFrame(Program& p);

// The pen width of every following stroke.
void PenWidth(Program& p, int width);

// ---- The topic's screen and its text column ---------------------------------
// A topic writes its sentences down a column: step numbers at ItemLeft, the
// sentences at TextLeft, each line 50 px (or `gap`) below the last
// (TextLineY). Write leaves TextEndX where a text ended, so the next can go on
// (WriteOn).

// Where a topic's column stands. An empty itemLeft keeps ItemLeft.
struct TextColumn {
    std::optional<float> itemLeft = 40.0f;
    float textLeft = 40;
    float firstLineY = 30;
    int penWidth = 5;
};
// The opening of a topic: the whole screen erased, then ItemLeft, TextLeft
// and TextLineY := the column's, and the pen width for the rest of the topic.
// The first line goes at (TextLeft, TextLineY).
void BeginTopic(Program& p, const TextColumn& column = {});

// A text of the topic's column at (x, y) in `color` (markup text: fractions,
// roots, signs). Leaves TextEndX where it ended and TextLineY at y, so the
// next text can go on (WriteOn) or go lower (NextLine).
void Write(Program& p, float x, float y, float color, const Text& text);
// A text going on from where the last Write ended, on its line.
void WriteOn(Program& p, float color, const Text& text);
// The next line of the column: `text` at (TextLeft, TextLineY + gap).
void NextLine(Program& p, float color, const Text& text, float gap = 50);
// An indented next line: at (TextLeft + indent, TextLineY + gap).
void IndentedLine(Program& p, float color, const Text& text, float indent = 34, float gap = 50);
// A numbered next line: the step number at (ItemLeft, TextLineY + gap) in
// `numberColor`, the sentence `space` px after it in `color`. Leaves TextEndX
// at the sentence's end.
struct NumberStyle {
    float numberColor = kGrey;
    float space = 0;
    float gap = 50;
};
void NumberedLine(Program& p, const Text& number, float color, const Text& sentence, const NumberStyle& style = {});
// The head of a lesson's goal screen, on the screen as it is: the text column
// at (44, 240) and "<めあて>" there in colour 3. The goal's lines follow 65 px
// apart: NextLine(p, kBlack, ..., 65).
void GoalHeading(Program& p);
// A label at (x, y): PenColor, PenX, PenY and TextCell change, the column's
// layout cells (TextEndX, TextLineY) stay.
void Label(Program& p, float x, float y, float color, const Text& text);

// A table cell of the text column (DrawMarkupTableCell): the box with its
// top-left corner at (x, y), `width` by `height` (GridRows holds the height),
// bordered in `border`, filled in `fill`, with `text` centred in it in
// `textColor`. Like Write, leaves TextEndX at the box's right edge and
// TextLineY at its top, where the next cell of a row or a sentence beside it
// goes.
struct CellStyle {
    float width = 40;
    float height = 50;
    float border = kBlack;
    float fill = kWhite;
    float textColor = kBlack;
};
void TableCell(Program& p, float x, float y, const CellStyle& style, const Text& text);

// ---- A point's dot and name -------------------------------------------------

// The dot of a point: a disc of radius 6 filled in `color`.
void Dot(Program& p, Pt at, float color);
// The dot of point i of PointX/PointY.
void Dot(Program& p, int i, float color);
// A point's name: its top-left corner at the point moved by (dx, dy), in
// `color`; the dot (DotAndName) in `dotColor`, or `color` when empty.
struct NameStyle {
    float dx = 10;
    float dy = -25;
    float color = kTeal;
    std::optional<float> dotColor;
};
// The name alone, as a Label: the column's layout cells stay.
void Name(Program& p, Pt at, const Text& name, const NameStyle& style = {});
void Name(Program& p, int i, const Text& name, const NameStyle& style = {});
// The dot, then the name.
void DotAndName(Program& p, Pt at, const Text& name, const NameStyle& style = {});
void DotAndName(Program& p, int i, const Text& name, const NameStyle& style = {});

// ---- Lines and shapes -------------------------------------------------------

// A segment from a to b in `color` at the pen width.
void Line(Program& p, Pt a, Pt b, float color);
// The outline of the box with the corners a and b (both included) in `color`
// at the pen width, not filled.
void BoxOutline(Program& p, Pt a, Pt b, float color);
// The segment between points i and j of PointX/PointY; leaves FromPoint = i
// and ToPoint = j.
void Segment(Program& p, int i, int j, float color);
// A polyline through the points (closed when the last repeats the first).
void Polyline(Program& p, std::initializer_list<Pt> points, float color);
// The hexagon through points 1 to 6 (closed), then its six spokes from point
// 0 (Segment, so FromPoint 0 and ToPoint 6 stay), in `color`. Counts in
// LoopIndex (left at 6).
void HexagonWithSpokes(Program& p, float color);
// WorkA to WorkF := 1 to 6: a hexagon drawing's corners by number, as the
// drawing names them.
void NumberHexagonCorners(Program& p);
// The polygon through the points, filled in `fill`, outlined in `color`.
void FilledPolygon(Program& p, std::initializer_list<Pt> points, float color, float fill);

// A polygon of the library (DrawPolygon): sides at `width` in `color`, and
// labels `distance` px outside its corners: "1" writes PointLabel(1..n),
// another text letters from its first character on ("A": A, B, C), empty
// none. Labels are written in PenColor: `labelColor` sets it, else PenColor
// stays as the last text left it. `labelDx`, `labelDy` move the first label
// (the routine clears the offsets after each label); empty keeps the cells.
struct PolygonStyle {
    float width = 5;
    float color = kBlack;
    float distance = 0;
    Text labels;
    std::optional<float> labelColor;
    std::optional<float> labelDx;
    std::optional<float> labelDy;
};
// Reads PolygonVertex rows 1..n, VertexCount, LineWidth, LineColor, MarkSize,
// MarkLabel; leaves the pen width as it was, MarkLabel empty and LoopIndex
// overwritten.
void Polygon(Program& p, std::initializer_list<Pt> corners, const PolygonStyle& style);
// The triangle of points a, b, c of PointX/PointY, as Polygon.
void Triangle(Program& p, int a, int b, int c, const PolygonStyle& style);

// ---- Circles and arcs -------------------------------------------------------

// The whole circle about c.
void Circle(Program& p, Pt c, float r, float color);
// The arc about c from fraction `start` to `end` (clockwise, across 1 to 0
// when end < start).
void Arc(Program& p, Pt c, float r, float color, float start, float end);
// A disc about c filled in `fill` (or `color`), outlined in `color`.
void Disc(Program& p, Pt c, float r, float color, float fill = -1);
// The sector about c from `start` to `end`, filled in `fill`.
void Sector(Program& p, Pt c, float r, float color, float start, float end, float fill);

// ---- Compass steps ----------------------------------------------------------
// One step of a construction: the compass set on a point of the point tables
// (its centre) and opened to another point (or to a length), and an arc of
// that opening drawn across where the next point will be found.
//
// The span of the arc is given by its two ends. An end is measured from one
// of the two rays of the angle at the centre between the rays to points b
// and c (the arc range ComputeAngleArcRange leaves in ArcFractionB and
// ArcFractionC, the rays exchanged with shift -1), plus a margin in
// fractions of a turn: RayC(-0.03f) starts 0.03 turn before the ray to c,
// RayB(0.03f) ends 0.03 turn past the ray to b. Or an end is a fixed
// fraction: Fraction(0.47f). The arc runs clockwise from start to end,
// through fraction 0 when the end is below the start. An end may be given
// whole turns (RayB(0.03f).Turned(-1): one turn less, added after the
// margin) or be brought back into 0..1 (Wrapped(): above 1 loses a turn,
// below 0 gains one).

// The compass set on point `centre` and opened to point `through`: Radius :=
// their distance, WorkA := centre, WorkC := through. Returns the opening.
float OpenCompass(Program& p, int centre, int through);

// One end of a compass arc.
struct ArcEnd {
    enum class From { Fraction, RayB, RayC };
    From from = From::Fraction;
    float margin = 0;
    float turns = 0;
    bool wrap = false;
    constexpr ArcEnd Turned(float t) const {
        ArcEnd e = *this;
        e.turns = t;
        return e;
    }
    constexpr ArcEnd Wrapped() const {
        ArcEnd e = *this;
        e.wrap = true;
        return e;
    }
};
// `margin` of a turn past the ray to b (before it when negative).
constexpr ArcEnd RayB(float margin) { return ArcEnd{ArcEnd::From::RayB, margin}; }
// `margin` of a turn past the ray to c (before it when negative).
constexpr ArcEnd RayC(float margin) { return ArcEnd{ArcEnd::From::RayC, margin}; }
// The fixed fraction `f`.
constexpr ArcEnd Fraction(float f) { return ArcEnd{ArcEnd::From::Fraction, f}; }

// A compass step. The opening: `through` a point (Radius := the distance from
// the centre to it), or `radius` px, or neither (Radius as the step before
// left it: the second arc of an equal pair). The centre's dot is drawn first
// (unless `centreDot` is false) in `dotColor`, or in the arc's colour.
// `startIn` and `endIn` name cells that keep the fractions drawn, for a later
// step that reads them (e.g. &Program::ArcFractionC).
struct CompassStyle {
    int centre = 0;
    std::optional<int> through;
    std::optional<float> radius;
    int b = 0;
    int c = 0;
    float shift = 1;
    ArcEnd start = RayC(-0.03f);
    ArcEnd end = RayB(0.03f);
    float color = kGrey;
    bool centreDot = true;
    std::optional<float> dotColor;
    float Program::*startIn = nullptr;
    float Program::*endIn = nullptr;
};
// The fractions an arc was drawn from and to.
struct ArcSpan {
    float start;
    float end;
};
// Draws the step. Reads the point tables (and Radius when no opening is
// given). Leaves Radius at the opening, WorkA := centre and WorkC := through
// (when given); when an end is measured from a ray, WorkB := b, WorkC := c
// and the arc range cells as ComputeAngleArcRange leaves them (RayAngleB,
// RayAngleC, ArcFractionB, ArcFractionC, BisectorAngle, MarkShift = shift,
// MarkA..MarkC; the ends before any margin); then the fractions drawn in
// `startIn` and `endIn`. Returns the fractions drawn.
ArcSpan CompassArc(Program& p, const CompassStyle& style);

// ---- A text column over the screen as it stands -----------------------------

// BeginTopic's column without the erase, for a topic that clears only part
// of the screen first, or a column begun again partway through a topic:
// ItemLeft (kept when the column's itemLeft is empty), TextLeft and
// TextLineY := the column's, then the pen width for what follows. Draws and
// erases nothing.
void SetTextColumn(Program& p, const TextColumn& column);

// ---- Marks ------------------------------------------------------------------

// Equal-length ticks across a-b near its middle (DrawTickMarks): `count`
// strokes of half-length `size` in `color`, `spacing` apart, the group moved
// `shift` px along a-b. Spacing and shift are set to 8 and 0 unless given;
// given {} they keep the cells TickSpacing and MarkShift as they are.
// Leaves TickSpacing at spacing * (count + 1); LoopIndex overwritten.
struct TickStyle {
    int count = 1;
    float size = 20;
    float color = kBrightBlue;
    std::optional<float> spacing = 8.0f;
    std::optional<float> shift = 0.0f;
};
void Ticks(Program& p, Pt a, Pt b, const TickStyle& style);

// Chevrons on a-b pointing towards b (DrawChevronMarks), from the point
// dividing it at : of (WorkA : WorkB).
struct ChevronStyle {
    int count = 1;
    float size = 30;
    float color = kBrightBlue;
    float at = 1;
    float of = 4;
};
void Chevrons(Program& p, Pt a, Pt b, const ChevronStyle& style);

// The mark of the angle at `vertex` between the rays to b and c
// (DrawAngleMark): `arcs` arcs (radius `size`, then 8 px less each) in
// `color`, or with arcs 0 a sector of radius `size` outlined in `color` and
// filled in `fill`; then `label` outside it at `size` along the bisector,
// in `labelColor` (empty: PenColor as it stands), moved by `labelDx`,
// `labelDy` (empty: LabelOffsetX/Y as they stand). `shift` -1 exchanges the
// rays. Sets AccentColor to the arcs' colour or the fill and LineColor to
// `color`. Leaves MarkShift 0, MarkLabel empty and the label cells reset
// (MarkSize, LabelOffsetX/Y 0); the arc range cells (ArcFractionB/C,
// BisectorAngle, ...) as computed.
struct AngleMarkStyle {
    float size = 30;
    int arcs = 1;
    float color = kTeal;
    float fill = kTeal;
    Text label;
    float shift = 0;
    std::optional<float> labelColor;
    std::optional<float> labelDx;
    std::optional<float> labelDy;
};
void AngleMark(Program& p, Pt vertex, Pt b, Pt c, const AngleMarkStyle& style);

// The dot that marks an angle, equal angles getting equal dots: a disc of
// `radius` filled in `color`, `distance` px from `vertex` along the bisector
// of the angle between the rays to b and c (AngleRange with shift 1, so the
// bisector is turned half a turn when the direction of b is the larger).
// Leaves MarkSize = distance, the arc range cells and PenX, PenY at the
// dot's centre; given by point-table entries, WorkA..WorkC name them.
struct AngleDotStyle {
    float distance = 50;
    float radius = 8;
    float color = kPurple;
};
void AngleDot(Program& p, Pt vertex, Pt b, Pt c, const AngleDotStyle& style);
void AngleDot(Program& p, int vertex, int b, int c, const AngleDotStyle& style);

// The right-angle corner of side `size` at `vertex` between the rays to b
// and c (DrawRightAngleMark), in `color`. `shift` -1 exchanges the rays; it
// is set to 0 unless given, and given {} it keeps MarkShift. Leaves the arc
// range cells as computed and ArcPointX/Y at the corner's end on the ray to
// b.
struct RightAngleStyle {
    float size = 20;
    float color = kPurple;
    std::optional<float> shift = 0.0f;
};
void RightAngle(Program& p, Pt vertex, Pt b, Pt c, const RightAngleStyle& style = {});

// A label outside `vertex` on the bisector of the angle between the rays to
// b and c (PlaceVertexLabel), `distance` px out and moved by (labelDx,
// labelDy), in `labelColor` (empty: PenColor as the last text left it);
// `shift` -1 exchanges the rays, putting it on the other side. Leaves
// MarkShift, MarkSize, LabelOffsetX/Y 0 and MarkLabel empty.
struct VertexLabelStyle {
    float distance = 0;
    float shift = 0;
    float labelDx = 0;
    float labelDy = 0;
    std::optional<float> labelColor;
};
void VertexLabel(Program& p, Pt vertex, Pt b, Pt c, const Text& label, const VertexLabelStyle& style);

// A dotted half-ellipse over a-b (DrawDottedDimensionArc) on `side` (1 right
// of a->b as seen, -1 left), bulging `bulge` px, a dot every `step` degrees,
// `sweep` degrees of it (0: all), in `color`, with `label` at its middle in
// `labelColor` (empty: PenColor as it stands) moved by `labelDx`, `labelDy`
// (empty: LabelOffsetX/Y as they stand). Leaves A, B, C moved, MarkSize,
// MarkShift, LabelOffsetX/Y and ArcSweep 0, MarkLabel empty.
struct DottedArcStyle {
    float side = 1;
    float bulge = 20;
    float step = 8;
    float sweep = 0;
    float color = kBlack;
    Text label;
    std::optional<float> labelColor;
    std::optional<float> labelDx;
    std::optional<float> labelDy;
};
void DottedArc(Program& p, Pt a, Pt b, const DottedArcStyle& style);

// ---- Marks and middles on points of the point tables ------------------------
// The marks come in two forms. The Pt form, above, takes the points
// themselves and names no entry. The entry form, below (and AngleDot's and
// AngleRange's), takes entries of PointX/PointY and names them in the cells
// first: WorkA, WorkB, WorkC, or IndexA..IndexC for RightAngle. Then it draws
// (or finds the middle) as the Pt form does on the entries' points and leaves
// the Pt form's cells. No step reads those names. The entry form keeps them
// because the topics named a figure's points in those cells by hand before
// each mark, and a topic written with it still leaves every cell as its
// steps always have. A topic that wants those cells as they stand uses the
// Pt form.

// Ticks across the segment from point a to point b; WorkA := a, WorkB := b.
void Ticks(Program& p, int a, int b, const TickStyle& style);
// The mark of the angle at point `vertex` between the rays to points b and
// c; WorkA, WorkB, WorkC := vertex, b, c.
void AngleMark(Program& p, int vertex, int b, int c, const AngleMarkStyle& style);
// The right-angle corner at point `vertex` between the rays to points b and
// c; IndexA, IndexB, IndexC := vertex, b, c.
void RightAngle(Program& p, int vertex, int b, int c, const RightAngleStyle& style = {});
// The dotted half-ellipse over points a and b; WorkA := a, WorkB := b.
void DottedArc(Program& p, int a, int b, const DottedArcStyle& style);
// The triangle of points a, b, c, filled in `fill` and outlined in `color`;
// WorkA, WorkB, WorkC := a, b, c.
void FilledPolygon(Program& p, int a, int b, int c, float color, float fill);
// The middle of points a and b, a figure's side named by its ends; WorkA :=
// a, WorkB := b.
Pt Mid(Program& p, int a, int b);

// An arrow from `from` to `to` (DrawArrow), head `size` px at `to`, or at
// both ends. Leaves the mark cells and TipX/TipY exchanged as DrawArrow does.
struct ArrowStyle {
    float color = kBlack;
    float size = 30;
    bool bothEnds = false;
};
void Arrow(Program& p, Pt from, Pt to, const ArrowStyle& style);

// The point at parameter `angle` (degrees; 180 gives a, 0 and 360 give b) of
// the half-ellipse over a-b bulging `bulge` px (PointOnArcOverSegment); sets
// ArcAngle and ArcBulge, leaves TipX, TipY (returned) and B moved.
Pt PointOnArc(Program& p, Pt a, Pt b, float angle, float bulge);

// ---- Grid frame -------------------------------------------------------------

// The grid frame (DrawGrid): top-left corner, cells across and down, the
// cell's size; squared paper in `color`, none when it is the background.
// Sets GridLeft..GridBottom, OriginX, OriginY and Pi.
struct GridFrame {
    float left = 0;
    float top = 0;
    float columns = 10;
    float rows = 10;
    float cell = 50;
    float color = kWhite;
};
void Grid(Program& p, const GridFrame& frame);

// ---- Direction and arc helpers ----------------------------------------------

// The direction of b seen from a (ComputeDirectionAngle): leaves
// DirectionAngle and AngleDegrees, returns DirectionAngle.
float DirectionOf(Program& p, Pt a, Pt b);
// Where the line through a1 and a2 meets the line through b1 and b2
// (IntersectLines): sets Seg1 and Seg2 to the two lines and leaves CrossX,
// CrossY, which it returns.
Pt Crossing(Program& p, Pt a1, Pt a2, Pt b1, Pt b2);
// The foot of the perpendicular from `from` onto the line through a and b
// (DrawPerpendicularFoot): sets Seg1 to the line and Seg2X1/Seg2Y1 to
// `from`, leaves FootX, FootY, which it returns, and the routine's small
// background-coloured disc at the foot.
Pt Foot(Program& p, Pt a, Pt b, Pt from);
// The arc range of the angle at `vertex` between the rays to b and c
// (ComputeAngleArcRange, the rays exchanged when `shift` is -1): leaves
// RayAngleB, RayAngleC, ArcFractionB, ArcFractionC, BisectorAngle and
// MarkShift = shift. A compass step across a ray is CompassArc.
void AngleRange(Program& p, Pt vertex, Pt b, Pt c, float shift);
// The same for points `vertex`, b and c of the point tables, which it names
// in WorkA, WorkB and WorkC.
void AngleRange(Program& p, int vertex, int b, int c, float shift = 1);

// ---- Messages answered by a key ---------------------------------------------

// The message bar's question (ShowMessageAndWaitKey): `text` in kBrightBlue
// in the box from (16, 657), 480 by 36, bordered in kPink and filled in
// kAmber at pen width 3 (written out from TextCell, which is left empty);
// then a key is read (LastKey), the band (0, 657)-(992, 720) erased and the
// pen width set back. `penColor` sets PenColor before the message (kBlack
// unless given; given {} PenColor stays as it stands). The message keeps
// that colour in SavedPenColor and sets it back when it closes, so the call
// leaves PenColor and SavedPenColor at `penColor`: the colour PenColor held
// before the call is not brought back. Returns the key's code (KeyCode):
// the call site says what each key does.
struct MessageStyle {
    std::optional<float> penColor = kBlack;
};
int AskKey(Program& p, const Text& text, const MessageStyle& style = {});

// Which key answers the question "もう一度動かすなら１を入力".
enum class DecidingKey {
    // The key that closes the message.
    Closing,
    // The key after it: the band is erased (ClearMessageBarAndRestore) before
    // the question, any key closes the message, the next key read answers,
    // and the band is erased once more.
    Next,
};
// Asks whether the animation runs again: "もう一度動かすなら１を入力" as AskKey
// (PenColor kBlack), answered by the `deciding` key. True when that key is
// the digit 1; LastKey holds it.
bool AskToMoveAgain(Program& p, DecidingKey deciding);

// ---- Key-stepped animations -------------------------------------------------

// One key of a key-stepped animation: shows "１で次のステップ。他のキーで動かす。"
// in the message bar and reads a key (LastKey). The digit 1 stops the
// animation (EntryValue := 1) and leaves the picture; any other key erases
// `area` for the next frame.
void AskAnimationStep(Program& p, const Area& area);
// True while the animation whose run flag is EntryValue goes on (it is not 1).
bool AnimationRuns(const Program& p);

// The cell an animation steps, one step after every key but the 1: it starts
// at `from`, goes `by` further, and once past `upTo` starts again at `backTo`.
struct AnimationCounter {
    float* cell = nullptr;
    float from = 0;
    float by = 1;
    float upTo = 0;
    float backTo = 0;
};
// A key-stepped animation: what it erases between frames and the cell it
// steps (none when `counter.cell` is null).
struct AnimationStyle {
    Area erase;
    AnimationCounter counter;
};
// Runs the animation: EntryValue := 5 (its run flag) and the counter :=
// from; then, until the digit 1, `frame()` draws a picture over the screen as
// it stands, AskAnimationStep reads the key (every key but 1 erases the
// area), the counter steps, and `step()` (when given) moves the figure on
// for the next picture. `step` runs after every key, the 1 included
// (AnimationRuns tells whether another picture follows). Leaves EntryValue 1,
// LastKey "1", the counter where it stopped and the last picture standing.
void Animate(Program& p, const AnimationStyle& style, const std::function<void()>& frame,
             const std::function<void()>& step = {});

// ---- A turning copy ---------------------------------------------------------
// A copy of a figure that turns about a centre, a step after each key of an
// animation: corners first..last of PointX2/PointY2, each kept as its
// direction from the centre (PointDirection(i)) and its distance from it
// (PointX2(10 + i)), so that each step only turns the directions.
struct TurningCopy {
    Pt centre;
    int first = 1;
    int last = 1;
    // A step; counter-clockwise on the screen when positive. BeginTurn's
    // alone: it keeps the step in AngleStep, and TurnStep turns by that cell
    // as it stands, not by this field.
    float degrees = 10;
    // The cell counting the corners, as the library's loops keep theirs
    // (&Program::LoopIndex), left at `last`; none when null.
    float Program::*counter = nullptr;
    // The cell that keeps each corner's distance as it is measured
    // (&Program::Distance), left at the last one's; none when null.
    float Program::*distanceIn = nullptr;
};
// The copy as it stands, measured from its centre: AngleStep := `degrees`
// in radians; for each corner PointDirection(i) := its direction
// (DirectionOf: the mark cells, DirectionAngle and AngleDegrees as it leaves
// them for the last corner), PointX2(10 + i) := its distance, and the corner
// placed again from the two.
void BeginTurn(Program& p, const TurningCopy& copy);
// The copy turned one step on: each corner's PointDirection(i) grown by
// AngleStep (the cell, as BeginTurn or a later step left it; `degrees` is
// not read) and the corner placed again at its distance.
void TurnStep(Program& p, const TurningCopy& copy);

// ---- Sub-menus --------------------------------------------------------------
// A lesson's topic menu is the shell's RunSubMenu: the caption and the table of
// topics side by side, item k runs topic k, the item after the last topic
// returns to the main menu:
//
//     RunSubMenu(p, "①P161Q　②対称移動　③問10　④終了",
//                {ShowReflectionQuestionP161, ShowReflectionDefinition, ShowReflectionAnswer10});

}  // namespace kit
