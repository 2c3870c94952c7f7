// The lesson kit: the calls a lesson topic is written in.
//
// A topic is a list of steps: erase, write a sentence, draw a figure from the
// point tables, mark it, wait for a key. The library's routines take their
// inputs from the shared cells; each call here fills exactly the cells its
// routine reads and runs it, so a step reads as what it draws:
//
//     Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, "①");
//     WriteOn(p, kBlack, "線分ABに三角定規をあてる。");
//     Triangle(p, 1, 2, 3, {.width = 7, .color = kTeal, .labels = "A"});
//     Ticks(p, P(p, 1), P(p, 2), {.size = 20, .spacing = 8});
//     WaitForAnyKey(p);
//
// What a routine leaves behind stays as the library leaves it (each call says
// which cells a later step may read). Cells that a step does not name keep
// their values: a field left out of a style (an empty std::optional) leaves
// its cell as the earlier steps left it, which is how a topic carries, for
// example, TickSpacing or MarkShift over from one call to the next.
//
// Coordinates are pixels (origin top-left, y down); directions are radians
// counter-clockwise as seen on the screen; arc fractions are fractions of a
// turn clockwise from +x (see platform/runtime.h).
#pragma once

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
// Points first, first + 1, ... of PointX/PointY given in grid cells (x right,
// y up from the frame's origin), then turned into pixels in place.
void SetCells(Program& p, int first, std::initializer_list<Pt> cells);
// Points first..last of PointX/PointY from grid cells to pixels in place
// (OriginX, OriginY, CellSize of the current frame). Counts in LoopIndex.
void CellsToPixels(Program& p, int first, int last);
// The directions of a regular hexagon's corners: PointAngle(i) := start +
// step * (i - 1) degrees, in radians, for i = 1 to 6 (step 60: counter-
// clockwise, -60: clockwise). Counts in LoopIndex (left at 6).
void HexagonAngles(Program& p, int startDegrees, int stepDegrees = 60);
// Points first to first + 5 of PointX/PointY at `radius` from point `centre`
// in the directions PointAngle(1..6). Counts in LoopIndex (left at 6).
void PointsAtAngles(Program& p, int first, float radius, int centre = 0);

// ---- Erasing and the pen ----------------------------------------------------
// EraseBox(p, x1, y1, x2, y2) and EraseScreen(p) are the shell's (shell/shell.h):
// a box given by its corners, both included, and the whole screen.

// The pen width of every following stroke.
void PenWidth(Program& p, int width);

// The usual start of a topic's screen: the screen erased, the text column at
// (40, 30), pen width 5.
void TopicScreen(Program& p);

// ---- Text -------------------------------------------------------------------

// A text of the topic's column at (x, y) in `color` (markup text: fractions,
// roots, signs). Leaves TextEndX where it ended and TextLineY at y, so the
// next text can go on (WriteOn) or go lower (p.TextLineY + 50).
void Write(Program& p, float x, float y, float color, const Text& text);
// A text going on from where the last Write ended, on its line.
void WriteOn(Program& p, float color, const Text& text);
// The head of a lesson's goal screen, on the screen as it is: the text column
// at (44, 240) and "<めあて>" there in colour 3. The goal's lines follow 65 px
// apart: Write(p, p.TextLeft, p.TextLineY + 65, ...).
void GoalHeading(Program& p);
// A label at (x, y): the column's layout cells (TextEndX, TextLineY) stay.
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
// labels `gap` px outside its corners: "1" writes PointLabel(1..n), another
// text letters from its first character on ("A": A, B, C), empty none.
// Labels are written in PenColor: `labelColor` sets it, else PenColor stays
// as the last text left it.
struct PolygonStyle {
    float width = 5;
    float color = kBlack;
    float gap = 0;
    Text labels;
    std::optional<float> labelColor;
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

// ---- Marks ------------------------------------------------------------------

// Equal-length ticks across a-b near its middle (DrawTickMarks): `count`
// strokes of half-length `size` in `color`, `spacing` apart, the group moved
// `shift` px along a-b. An empty spacing or shift keeps the cell's value.
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
// `color`, or with arcs 0 a sector of radius `size` filled in `color` and
// outlined in `lineColor`; then `label` outside it. `shift` -1 exchanges the
// rays. Leaves MarkShift 0 and MarkLabel empty (and the label cells reset);
// the arc range cells (ArcFractionB/C, BisectorAngle, ...) as computed.
struct AngleMarkStyle {
    float size = 30;
    int arcs = 1;
    float color = kTeal;
    float lineColor = kBlack;
    Text label;
    float shift = 0;
};
void AngleMark(Program& p, Pt vertex, Pt b, Pt c, const AngleMarkStyle& style);

// The right-angle corner of side `size` at `vertex` between the rays to b
// and c (DrawRightAngleMark). An empty shift keeps MarkShift.
void RightAngle(Program& p, Pt vertex, Pt b, Pt c, float size, float color, std::optional<float> shift = 0.0f);

// A label outside `vertex` on the bisector of the angle between the rays to
// b and c (PlaceVertexLabel), `distance` px out and moved by (dx, dy), in
// PenColor (`color` sets it, else it stays as the last text left it); `shift`
// -1 exchanges the rays, putting it on the other side. Leaves MarkShift,
// MarkSize, LabelOffsetX/Y 0 and MarkLabel empty.
struct VertexLabelStyle {
    float distance = 0;
    float shift = 0;
    float dx = 0;
    float dy = 0;
    std::optional<float> color;
};
void VertexLabel(Program& p, Pt vertex, Pt b, Pt c, const Text& label, const VertexLabelStyle& style);

// A dotted half-ellipse over a-b (DrawDottedDimensionArc) on `side` (1 right
// of a->b as seen, -1 left), bulging `bulge` px, a dot every `step` degrees,
// `sweep` degrees of it (0: all), with `label` at its middle. Leaves A, B, C
// moved, MarkSize, MarkShift and ArcSweep 0, MarkLabel empty.
struct DottedArcStyle {
    float side = 1;
    float bulge = 20;
    float step = 8;
    float sweep = 0;
    float color = kBlack;
    Text label;
};
void DottedArc(Program& p, Pt a, Pt b, const DottedArcStyle& style);

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
// MarkShift = shift. A compass arc across the ray to c is then
// Arc(p, vertex, r, colour, p.ArcFractionC - d, p.ArcFractionC + d).
void AngleRange(Program& p, Pt vertex, Pt b, Pt c, float shift);

// ---- Key-stepped animations -------------------------------------------------

// One key of a key-stepped animation: shows "１で次のステップ。他のキーで動かす。"
// in the message bar and reads a key (LastKey). The digit 1 stops the
// animation (EntryValue := 1) and leaves the picture; any other key erases
// the box (x1, y1)-(x2, y2) for the next frame.
void AskAnimationStep(Program& p, float x1, float y1, float x2, float y2);
// True while the animation whose run flag is EntryValue goes on (it is not 1).
bool AnimationRuns(const Program& p);

// ---- Sub-menus --------------------------------------------------------------
// A lesson's topic menu is the shell's RunSubMenu: the caption and the table of
// topics side by side, item k runs topic k, the item after the last topic
// returns to the main menu:
//
//     RunSubMenu(p, "①P156Q　②平行移動　⑥終了", {ShowQuestionP156, ShowDefinition});

}  // namespace kit
