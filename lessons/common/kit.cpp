#include "lessons/common/kit.h"

#include <cmath>
#include <vector>

#include "platform/strings.h"

namespace kit {

namespace {

// The label cells a style gives: PenColor, LabelOffsetX/Y; an empty field
// leaves its cell.
void SetLabelCells(Program& p, std::optional<float> color, std::optional<float> dx, std::optional<float> dy) {
    if (color) p.PenColor = *color;
    if (dx) p.LabelOffsetX = *dx;
    if (dy) p.LabelOffsetY = *dy;
}

void SetSegmentAB(Program& p, Pt a, Pt b) {
    p.MarkAX = a.x;
    p.MarkAY = a.y;
    p.MarkBX = b.x;
    p.MarkBY = b.y;
}

}  // namespace

int KeyCode(const Text& key) { return key.empty() ? 0 : RtAsc(key); }

bool LastKeyIs(const Program& p, int code) { return KeyCode(p.LastKey) == code; }

// ---- Points -----------------------------------------------------------------

Pt P(const Program& p, int i) { return Pt{p.PointX(i), p.PointY(i)}; }
Pt P2(const Program& p, int i) { return Pt{p.PointX2(i), p.PointY2(i)}; }

void SetP(Program& p, int i, Pt at) {
    p.PointX(i) = at.x;
    p.PointY(i) = at.y;
}

void SetP2(Program& p, int i, Pt at) {
    p.PointX2(i) = at.x;
    p.PointY2(i) = at.y;
}

Pt Along(Pt from, float r, float angle) { return Pt{from.x + r * std::cos(angle), from.y - r * std::sin(angle)}; }

Pt Mid(Pt a, Pt b) { return Pt{(a.x + b.x) / 2, (a.y + b.y) / 2}; }

float Distance(Pt a, Pt b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

void SetCells(Program& p, int first, std::initializer_list<Pt> cells) {
    int i = first;
    for (const Pt& c : cells) SetP(p, i++, c);
    CellsToPixels(p, first, i - 1);
}

void SetCells(Program& p, std::initializer_list<CellPoint> points) {
    for (const CellPoint& point : points) SetP(p, point.entry, point.cell);
    for (const CellPoint& point : points) CellsToPixels(p, point.entry, point.entry);
}

void CellsToPixels(Program& p, int first, int last) {
    for (int i = first; i <= last; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PointX(i) = p.OriginX + p.CellSize * p.PointX(i);
        p.PointY(i) = p.OriginY - p.CellSize * p.PointY(i);
    }
}

void HexagonAngles(Program& p, int startDegrees, int stepDegrees) {
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PointAngle(i) = static_cast<float>(startDegrees + stepDegrees * (i - 1)) * p.Pi / 180;
    }
}

void PointsAtAngles(Program& p, int first, float radius, int centre) {
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        SetP(p, first + i - 1, Along(P(p, centre), radius, p.PointAngle(i)));
    }
}

// ---- Erasing, the pen and the text column -----------------------------------

Area FrameArea(const Program& p) { return Area{p.GridLeft, p.GridTop, p.GridRight, p.GridBottom}; }

void Erase(Program& p, const Area& area) { EraseBox(p, area.x1, area.y1, area.x2, area.y2); }

void EraseFrame(Program& p) { Erase(p, FrameArea(p)); }

void PenWidth(Program& p, int width) { p.rt.RtSetDrawWidth(width); }

void BeginTopic(Program& p, const TextColumn& column) {
    EraseScreen(p);
    if (column.itemLeft) p.ItemLeft = *column.itemLeft;
    p.TextLeft = column.textLeft;
    p.TextLineY = column.firstLineY;
    PenWidth(p, column.penWidth);
}

void Write(Program& p, float x, float y, float color, const Text& text) {
    Label(p, x, y, color, text);
    p.TextEndX = p.PenX;
    p.TextLineY = p.PenY;
}

void WriteOn(Program& p, float color, const Text& text) { Write(p, p.TextEndX, p.TextLineY, color, text); }

void NextLine(Program& p, float color, const Text& text, float gap) {
    Write(p, p.TextLeft, p.TextLineY + gap, color, text);
}

void IndentedLine(Program& p, float color, const Text& text, float indent, float gap) {
    Write(p, p.TextLeft + indent, p.TextLineY + gap, color, text);
}

void NumberedLine(Program& p, const Text& number, float color, const Text& sentence, const NumberStyle& style) {
    Write(p, p.ItemLeft, p.TextLineY + style.gap, style.numberColor, number);
    Write(p, p.TextEndX + style.space, p.TextLineY, color, sentence);
}

void TableCell(Program& p, float x, float y, const CellStyle& style, const Text& text) {
    p.PenX = x;
    p.PenY = y;
    p.BoxWidth = style.width;
    p.GridRows = style.height;
    p.LineColor = style.border;
    p.AccentColor = style.fill;
    p.PenColor = style.textColor;
    p.TextArg = text;
    DrawMarkupTableCell(p);
    p.TextEndX = p.PenX;
    p.TextLineY = p.PenY;
}

void GoalHeading(Program& p) {
    p.TextLeft = 44;
    p.TextLineY = 240;
    Write(p, p.TextLeft, p.TextLineY, kTeal, "<めあて>");
}

void Label(Program& p, float x, float y, float color, const Text& text) {
    p.PenColor = color;
    p.PenX = x;
    p.PenY = y;
    p.TextCell = text;
    DrawMarkupText(p);
}

// ---- A point's dot and name -------------------------------------------------

void Dot(Program& p, Pt at, float color) { Disc(p, at, 6, color); }

void Dot(Program& p, int i, float color) { Dot(p, P(p, i), color); }

void Name(Program& p, Pt at, const Text& name, const NameStyle& style) {
    Label(p, at.x + style.dx, at.y + style.dy, style.color, name);
}

void Name(Program& p, int i, const Text& name, const NameStyle& style) { Name(p, P(p, i), name, style); }

void DotAndName(Program& p, Pt at, const Text& name, const NameStyle& style) {
    Dot(p, at, style.dotColor.value_or(style.color));
    Name(p, at, name, style);
}

void DotAndName(Program& p, int i, const Text& name, const NameStyle& style) { DotAndName(p, P(p, i), name, style); }

// ---- Lines and shapes -------------------------------------------------------

void Line(Program& p, Pt a, Pt b, float color) { p.rt.RtLine(a.x, a.y, b.x, b.y, color); }

void BoxOutline(Program& p, Pt a, Pt b, float color) { p.rt.RtLine(a.x, a.y, b.x, b.y, color, BoxShape::Outline); }

void Segment(Program& p, int i, int j, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Line(p, P(p, i), P(p, j), color);
}

void Polyline(Program& p, std::initializer_list<Pt> points, float color) {
    p.rt.RtConnect(std::span<const Pt>(points.begin(), points.size()), color);
}

void HexagonWithSpokes(Program& p, float color) {
    Polyline(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6), P(p, 1)}, color);
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        Segment(p, 0, i, color);
    }
}

void NumberHexagonCorners(Program& p) {
    p.WorkA = 1;
    p.WorkB = 2;
    p.WorkC = 3;
    p.WorkD = 4;
    p.WorkE = 5;
    p.WorkF = 6;
}

void FilledPolygon(Program& p, std::initializer_list<Pt> points, float color, float fill) {
    std::vector<Pt> closed(points);
    if (!closed.empty()) closed.push_back(closed.front());
    p.rt.RtConnect(closed, color, true, fill);
}

void Polygon(Program& p, std::initializer_list<Pt> corners, const PolygonStyle& style) {
    int i = 1;
    for (const Pt& c : corners) {
        p.LoopIndex = static_cast<float>(i);
        p.PolygonVertex(i, 1) = c.x;
        p.PolygonVertex(i, 2) = c.y;
        ++i;
    }
    p.LineWidth = style.width;
    SetLabelCells(p, style.labelColor, style.labelDx, style.labelDy);
    p.LineColor = style.color;
    p.VertexCount = static_cast<float>(corners.size());
    p.MarkSize = style.distance;
    p.MarkLabel = style.labels;
    DrawPolygon(p);
}

void Triangle(Program& p, int a, int b, int c, const PolygonStyle& style) {
    Polygon(p, {P(p, a), P(p, b), P(p, c)}, style);
}

// ---- Circles and arcs -------------------------------------------------------

void Circle(Program& p, Pt c, float r, float color) { p.rt.RtCircle(c.x, c.y, r, color); }

void Arc(Program& p, Pt c, float r, float color, float start, float end) {
    p.rt.RtCircle(c.x, c.y, r, color, 1, start, end);
}

void Disc(Program& p, Pt c, float r, float color, float fill) {
    p.rt.RtCircle(c.x, c.y, r, color, 1, 0, 0, true, fill);
}

void Sector(Program& p, Pt c, float r, float color, float start, float end, float fill) {
    p.rt.RtCircle(c.x, c.y, r, color, 1, start, end, true, fill);
}

// ---- Compass steps ----------------------------------------------------------

namespace {

float EndFraction(const Program& p, const ArcEnd& end) {
    float f = end.margin;
    if (end.from == ArcEnd::From::RayB) f = p.ArcFractionB + end.margin;
    if (end.from == ArcEnd::From::RayC) f = p.ArcFractionC + end.margin;
    if (end.turns != 0) f = f + end.turns;
    if (end.wrap) {
        if (f > 1) f -= 1;
        if (f < 0) f += 1;
    }
    return f;
}

}  // namespace

float OpenCompass(Program& p, int centre, int through) {
    p.WorkA = static_cast<float>(centre);
    p.WorkC = static_cast<float>(through);
    p.Radius = Distance(P(p, centre), P(p, through));
    return p.Radius;
}

ArcSpan CompassArc(Program& p, const CompassStyle& style) {
    const Pt centre = P(p, style.centre);
    if (style.centreDot) Dot(p, centre, style.dotColor.value_or(style.color));
    p.WorkA = static_cast<float>(style.centre);
    if (style.through) {
        OpenCompass(p, style.centre, *style.through);
    } else if (style.radius) {
        p.Radius = *style.radius;
    }
    if (style.start.from != ArcEnd::From::Fraction || style.end.from != ArcEnd::From::Fraction)
        AngleRange(p, style.centre, style.b, style.c, style.shift);
    const ArcSpan span{EndFraction(p, style.start), EndFraction(p, style.end)};
    Arc(p, centre, p.Radius, style.color, span.start, span.end);
    if (style.startIn) p.*style.startIn = span.start;
    if (style.endIn) p.*style.endIn = span.end;
    return span;
}

// ---- A text column over the screen as it stands -----------------------------

void SetTextColumn(Program& p, const TextColumn& column) {
    if (column.itemLeft) p.ItemLeft = *column.itemLeft;
    p.TextLeft = column.textLeft;
    p.TextLineY = column.firstLineY;
    PenWidth(p, column.penWidth);
}

// ---- Marks ------------------------------------------------------------------

namespace {

void SetFirstSegment(Program& p, Pt a, Pt b) {
    p.Seg1X1 = a.x;
    p.Seg1Y1 = a.y;
    p.Seg1X2 = b.x;
    p.Seg1Y2 = b.y;
}

void SetAngle(Program& p, Pt vertex, Pt b, Pt c) {
    SetSegmentAB(p, vertex, b);
    p.MarkCX = c.x;
    p.MarkCY = c.y;
}

}  // namespace

void Ticks(Program& p, Pt a, Pt b, const TickStyle& style) {
    SetFirstSegment(p, a, b);
    if (style.shift) p.MarkShift = *style.shift;
    if (style.spacing) p.TickSpacing = *style.spacing;
    p.MarkSize = style.size;
    p.LineColor = style.color;
    p.MarkCount = static_cast<float>(style.count);
    DrawTickMarks(p);
}

void Chevrons(Program& p, Pt a, Pt b, const ChevronStyle& style) {
    SetFirstSegment(p, a, b);
    p.LineColor = style.color;
    p.MarkSize = style.size;
    p.MarkCount = static_cast<float>(style.count);
    p.WorkA = style.at;
    p.WorkB = style.of;
    DrawChevronMarks(p);
}

void AngleMark(Program& p, Pt vertex, Pt b, Pt c, const AngleMarkStyle& style) {
    SetAngle(p, vertex, b, c);
    p.MarkSize = style.size;
    p.MarkCount = static_cast<float>(style.arcs);
    p.AccentColor = style.arcs > 0 ? style.color : style.fill;
    p.LineColor = style.color;
    p.MarkLabel = style.label;
    p.MarkShift = style.shift;
    SetLabelCells(p, style.labelColor, style.labelDx, style.labelDy);
    DrawAngleMark(p);
}

namespace {

void DrawAngleDot(Program& p, const AngleDotStyle& style) {
    const Pt at = Along({p.MarkAX, p.MarkAY}, p.MarkSize, p.BisectorAngle);
    p.PenX = at.x;
    p.PenY = at.y;
    Disc(p, at, style.radius, style.color);
}

}  // namespace

void AngleDot(Program& p, Pt vertex, Pt b, Pt c, const AngleDotStyle& style) {
    p.MarkSize = style.distance;
    AngleRange(p, vertex, b, c, 1);
    DrawAngleDot(p, style);
}

void AngleDot(Program& p, int vertex, int b, int c, const AngleDotStyle& style) {
    p.MarkSize = style.distance;
    AngleRange(p, vertex, b, c, 1);
    DrawAngleDot(p, style);
}

void RightAngle(Program& p, Pt vertex, Pt b, Pt c, const RightAngleStyle& style) {
    SetAngle(p, vertex, b, c);
    p.MarkSize = style.size;
    p.LineColor = style.color;
    if (style.shift) p.MarkShift = *style.shift;
    DrawRightAngleMark(p);
}

void VertexLabel(Program& p, Pt vertex, Pt b, Pt c, const Text& label, const VertexLabelStyle& style) {
    SetAngle(p, vertex, b, c);
    p.MarkSize = style.distance;
    p.MarkShift = style.shift;
    SetLabelCells(p, style.labelColor, style.labelDx, style.labelDy);
    p.MarkLabel = label;
    PlaceVertexLabel(p);
}

void DottedArc(Program& p, Pt a, Pt b, const DottedArcStyle& style) {
    SetSegmentAB(p, a, b);
    p.ArcSide = style.side;
    p.ArcBulge = style.bulge;
    p.BoxWidth = style.step;
    p.ArcSweep = style.sweep;
    p.LineColor = style.color;
    p.MarkLabel = style.label;
    SetLabelCells(p, style.labelColor, style.labelDx, style.labelDy);
    DrawDottedDimensionArc(p);
}

// ---- Marks and middles on points of the point tables ------------------------

void Ticks(Program& p, int a, int b, const TickStyle& style) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    Ticks(p, P(p, a), P(p, b), style);
}

void AngleMark(Program& p, int vertex, int b, int c, const AngleMarkStyle& style) {
    p.WorkA = static_cast<float>(vertex);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    AngleMark(p, P(p, vertex), P(p, b), P(p, c), style);
}

void RightAngle(Program& p, int vertex, int b, int c, const RightAngleStyle& style) {
    p.IndexA = static_cast<float>(vertex);
    p.IndexB = static_cast<float>(b);
    p.IndexC = static_cast<float>(c);
    RightAngle(p, P(p, vertex), P(p, b), P(p, c), style);
}

void DottedArc(Program& p, int a, int b, const DottedArcStyle& style) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    DottedArc(p, P(p, a), P(p, b), style);
}

void FilledPolygon(Program& p, int a, int b, int c, float color, float fill) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    FilledPolygon(p, {P(p, a), P(p, b), P(p, c)}, color, fill);
}

Pt Mid(Program& p, int a, int b) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    return Mid(P(p, a), P(p, b));
}

void Arrow(Program& p, Pt from, Pt to, const ArrowStyle& style) {
    p.MarkAX = from.x;
    p.MarkAY = from.y;
    p.TipX = to.x;
    p.TipY = to.y;
    p.ArrowDirection = 1;
    p.ArrowHeadMode = style.bothEnds ? 2.0f : 1.0f;
    p.LineColor = style.color;
    p.MarkSize = style.size;
    DrawArrow(p);
}

Pt PointOnArc(Program& p, Pt a, Pt b, float angle, float bulge) {
    SetSegmentAB(p, a, b);
    p.ArcAngle = angle;
    p.ArcBulge = bulge;
    PointOnArcOverSegment(p);
    return Pt{p.TipX, p.TipY};
}

// ---- Grid frame and directions ----------------------------------------------

void Grid(Program& p, const GridFrame& frame) {
    p.GridOriginX = frame.left;
    p.GridOriginY = frame.top;
    p.GridColumns = frame.columns;
    p.GridRows = frame.rows;
    p.CellSize = frame.cell;
    p.LineColor = frame.color;
    DrawGrid(p);
}

float DirectionOf(Program& p, Pt a, Pt b) {
    SetSegmentAB(p, a, b);
    ComputeDirectionAngle(p);
    return p.DirectionAngle;
}

Pt Crossing(Program& p, Pt a1, Pt a2, Pt b1, Pt b2) {
    SetFirstSegment(p, a1, a2);
    p.Seg2X1 = b1.x;
    p.Seg2Y1 = b1.y;
    p.Seg2X2 = b2.x;
    p.Seg2Y2 = b2.y;
    IntersectLines(p);
    return Pt{p.CrossX, p.CrossY};
}

Pt Foot(Program& p, Pt a, Pt b, Pt from) {
    SetFirstSegment(p, a, b);
    p.Seg2X1 = from.x;
    p.Seg2Y1 = from.y;
    DrawPerpendicularFoot(p);
    return Pt{p.FootX, p.FootY};
}

void AngleRange(Program& p, Pt vertex, Pt b, Pt c, float shift) {
    SetAngle(p, vertex, b, c);
    p.MarkShift = shift;
    ComputeAngleArcRange(p);
}

void AngleRange(Program& p, int vertex, int b, int c, float shift) {
    p.WorkA = static_cast<float>(vertex);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    AngleRange(p, P(p, vertex), P(p, b), P(p, c), shift);
}

// ---- Messages answered by a key ---------------------------------------------

int AskKey(Program& p, const Text& text, const MessageStyle& style) {
    if (style.penColor) p.PenColor = *style.penColor;
    p.TextCell = text;
    ShowMessageAndWaitKey(p);
    return KeyCode(p.LastKey);
}

bool AskToMoveAgain(Program& p, DecidingKey deciding) {
    if (deciding == DecidingKey::Next) ClearMessageBarAndRestore(p);
    AskKey(p, "もう一度動かすなら１を入力");
    if (deciding == DecidingKey::Next) {
        ReadNextKey(p);
        ClearMessageBarAndRestore(p);
    }
    return LastKeyIs(p, '1');
}

// ---- Key-stepped animations -------------------------------------------------

void AskAnimationStep(Program& p, const Area& area) {
    if (AskKey(p, "１で次のステップ。他のキーで動かす。", {.penColor = {}}) == '1')
        p.EntryValue = 1;
    else
        Erase(p, area);
}

bool AnimationRuns(const Program& p) { return p.EntryValue != 1; }

void Animate(Program& p, const AnimationStyle& style, const std::function<void()>& frame,
             const std::function<void()>& step) {
    const AnimationCounter& counter = style.counter;
    p.EntryValue = 5;
    if (counter.cell) *counter.cell = counter.from;
    while (AnimationRuns(p)) {
        frame();
        AskAnimationStep(p, style.erase);
        if (counter.cell) {
            if (AnimationRuns(p)) *counter.cell = *counter.cell + counter.by;
            if (*counter.cell > counter.upTo) *counter.cell = counter.backTo;
        }
        if (step) step();
    }
}

// ---- A turning copy ---------------------------------------------------------

namespace {

// Corner i of the copy at its direction and distance from the centre.
void PlaceTurningCorner(Program& p, const TurningCopy& copy, int i) {
    SetP2(p, i, Along(copy.centre, p.PointX2(10 + i), p.PointDirection(i)));
}

// `corner(i)` for each corner of the copy, counted in its cell when it has one.
template <class Corner>
void EachCorner(Program& p, const TurningCopy& copy, Corner&& corner) {
    for (int i = copy.first; i <= copy.last; i++) {
        if (copy.counter) p.*copy.counter = static_cast<float>(i);
        corner(i);
    }
}

}  // namespace

void BeginTurn(Program& p, const TurningCopy& copy) {
    p.AngleStep = copy.degrees * p.Pi / 180;
    EachCorner(p, copy, [&](int i) {
        p.PointDirection(i) = DirectionOf(p, copy.centre, P2(p, i));
        const float distance = Distance(copy.centre, P2(p, i));
        if (copy.distanceIn) p.*copy.distanceIn = distance;
        p.PointX2(10 + i) = distance;
        PlaceTurningCorner(p, copy, i);
    });
}

void TurnStep(Program& p, const TurningCopy& copy) {
    EachCorner(p, copy, [&](int i) {
        p.PointDirection(i) = p.PointDirection(i) + p.AngleStep;
        PlaceTurningCorner(p, copy, i);
    });
}

}  // namespace kit
