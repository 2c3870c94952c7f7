// The figure library: directions and arc ranges, marks, labels, grid and
// polygons; line crossings, perpendicular feet, arrows, translation vectors,
// points on a line, prime factors and the fold path.
//
// Every routine works on the shared cells of Program (MarkAX..MarkCY,
// Seg1X1..Seg2Y2, MarkSize, MarkCount, MarkShift, MarkLabel, ...): the caller
// fills the inputs, calls, and reads the results before it calls anything
// that overwrites them. Directions are radians counted counter-clockwise as
// seen on the screen from +x, so the point at direction t and distance d from
// (x, y) is (x + d cos t, y - d sin t); the arc fraction of direction t is
// 1 - t / (2 Pi). Pi is the single-precision 3.14159, set by the direction
// routines and the grid.
#pragma once

#include "core/program.h"

// ---- Directions and arc ranges ------------------------------------------------
// DirectionAngle (radians) and AngleDegrees: the direction of B seen from A.
void ComputeDirectionAngle(Program& p);
// For the angle at A between the rays to B and C (exchanged when MarkShift is
// -1): RayAngleB, RayAngleC, ArcFractionB, ArcFractionC and BisectorAngle;
// DirectionAngle is left at the direction of C.
void ComputeAngleArcRange(Program& p);
// The size of that angle: AngleDegrees and AngleText (one decimal at most, no
// spaces); BisectorAngle is left at the size in radians.
void FormatAngleDegrees(Program& p);

// ---- Grid, labels, polygons ------------------------------------------------------
// The grid frame (GridLeft..GridBottom, OriginX, OriginY) and, unless
// LineColor is 15, squared paper with every fifth line heavy in colour 14.
void DrawGrid(Program& p);
// Writes MarkLabel outside A along the bisector of the angle B-A-C, MarkSize
// out, shifted by LabelOffsetX/Y; then clears the one-shot label settings.
void PlaceVertexLabel(Program& p);
// The closed polygon through PolygonVertex rows 1..VertexCount at LineWidth,
// labelled by MarkLabel ("1": PointLabel texts; other text: letters from its
// first character; empty: none). The pen width is back at its entry value.
void DrawPolygon(Program& p);
void LabelVerticesWithLetters(Program& p);
void LabelVerticesFromArray(Program& p);

// ---- Marks -------------------------------------------------------------------------
// Chevrons on Seg1 pointing towards its second end, from the point dividing
// it WorkA : WorkB.
void DrawChevronMarks(Program& p);
// Equal-length ticks across Seg1 around its middle shifted by MarkShift,
// TickSpacing apart (TickSpacing is left at spacing * (ticks + 1)).
void DrawTickMarks(Program& p);
// One to six arcs or a filled sector (MarkCount <= 0) over the angle at A,
// then its label; p.info.wrapAngleFractions brings the fractions into 0..1.
void DrawAngleMark(Program& p);
// The square (or rhombus) corner of side MarkSize at A.
void DrawRightAngleMark(Program& p);
// A dotted half-ellipse over A-B on the side ArcSide, bulge ArcBulge, dots
// BoxWidth degrees apart, ArcSweep degrees of it (0: all), and its label.
void DrawDottedDimensionArc(Program& p);

// ---- Construction geometry and arrows ------------------------------------------
// CrossX, CrossY: where line Seg1 meets line Seg2.
void IntersectLines(Program& p);
// FootX, FootY: the foot of the perpendicular from (Seg2X1, Seg2Y1) onto line
// Seg1, blanked by a small disc in the background colour.
void DrawPerpendicularFoot(Program& p);
// An arrow between A and (TipX, TipY), head at the tip (at A when
// ArrowDirection is -1, at both ends when ArrowHeadMode is 2).
void DrawArrow(Program& p);
// The translation VectorStart -> VectorEnd as a horizontal and a vertical
// arrow with their steps in grid cells (HorizontalStepText,
// VerticalStepText; labels chosen by the bytes "y" of StepLabelFlags). A
// step of length 0 has no arrow and no label; a CellSize of 0 no steps.
// Leaves the pen width at 4.
void DrawTranslationVector(Program& p);
void LabelHorizontalStep(Program& p);
void LabelVerticalStep(Program& p);
// SavedPenX, SavedPenY: the point on line Seg1 whose missing coordinate
// (negative in Seg2X1 or Seg2Y1) is completed.
void CompletePointOnLine(Program& p);
// FactorNumber split into powers of 2..23: rows 1..FactorCount of
// PolygonVertex hold (prime, exponent), row 10 the left-over.
void FactorizeIntoPrimes(Program& p);
// TipX, TipY: the point at parameter ArcAngle (degrees; 180 gives A, 0 and
// 360 give B) of the half-ellipse of bulge ArcBulge over A-B; B is
// overwritten. Equal ends give the end point.
void PointOnArcOverSegment(Program& p);

// ---- Coordinate plane, graphs and formula routines -------------------------------
// Graph units become pixels by x = OriginX + CellSize * gx / GraphStepX,
// y = OriginY - CellSize * gy / GraphStepY. A range that is not finite or
// spans more than 10 000 grid units draws no lines or labels, a position
// that is not finite draws nothing; nothing here raises an error or hangs.
//
// The plane: GraphStepX/Y made positive (0 -> 1), the four ranges divided by
// them and left in grid units, the corner (0, 0) taken as (640, 180);
// OriginX/Y and GridLeft..GridBottom of the frame; LineWidth := the label
// size 26 (CellSize below 40) or 30. Unless LineColor is 0, unit lines,
// heavy lines every 5 units and their numbers (none when HideTickNumbers is
// -1); then the axes and "x", "0", "y". HideTickNumbers := 0, the pen width
// as it was, font "ゴシック" 16 plain. LoopIndex, TextArg, TextCell ("y"),
// PenX, PenY, PenColor (0) are left changed.
void DrawCoordinatePlane(Program& p);
// The values of the numbered plane lines (every fifth, not the origin), i *
// step, with one decimal, under the x axis and left of the y axis, at size
// LineWidth; font size 16 afterwards. Overwrites TickWholePart, TickTenths,
// their texts, LoopIndex, TextArg, TextCell, PenX, PenY, PenColor.
void DrawDecimalTickLabels(Program& p);
// A dot of radius Distance at (GraphPointX, GraphPointY) in AccentColor and
// MarkLabel 20 px left of and 40 px above it (+ GraphLabelDX/DY); leaves
// GraphPixelX/Y; the steps go back to 1 and the offsets to 0.
void DrawGraphPoint(Program& p);
// The graph of GraphType with GraphCoefA..C in AccentColor and MarkLabel at
// its end (+ GraphLabelDX/DY). Type 4 is rewritten: b not 0 as type 3 (a :=
// -a/b, b := c/b), b = 0 as the vertical line x = c/a (c := c/a); a = b = 0
// draws no line. The steps go back to 1, the offsets to 0, the pen width to
// its entry value.
void DrawFunctionGraph(Program& p);
// 5001 dots of radius 1 from GraphXMin to GraphXMax, those between GridTop
// and GridBottom drawn; PenX/PenY at the last dot drawn.
void PlotFunctionPoints(Program& p);
// The line x = GraphCoefC from GraphYMin to GraphYMax at pen width 5; the pen
// ends 10 px right of its GraphYMax end.
void DrawVerticalGraphLine(Program& p);
// Radicand n (whole, at least 1) as k times the root of m: Radicand := m,
// RootCoefficient := k, RadicandInput := n and the markup texts
// SimplifiedRootText, InputRootText, RootOnlyText, RootCoefficientText.
// Any other radicand is refused: k = 1, Radicand unchanged, texts empty.
void SimplifySquareRoot(Program& p);
// The sign in front of the term in TextArg reversed ("-" <-> "+", else "-"
// put in front), a leading "+" removed, a leading "+" or "-" removed.
// ArgLength := the length of TextArg before the change, in characters.
void NegateSignedTerm(Program& p);
void DropLeadingPlus(Program& p);
void DropLeadingSign(Program& p);
// An opening brace in PenColor, pen width 5, in the band BoxWidth px high
// whose top-left is the pen; the pen does not move. Its points are left in
// SavedPenX, EuclidDivisor, GcdValue, LcmValue, SavedPenY, BraceBottomY,
// CellTextY2, CellTextY, CellBottomY, BraceBelowTipY, BraceStemBottomY.
void DrawLeftBrace(Program& p);
// UpperText at (x0 + 54, y0), ColumnSumOperator + ")" at (x0, y0 + h + 6),
// FractionLead at (x0 + 54, y0 + h) and a rule in LineColor at y0 + 2h from
// x0 + 27, 30 px longer than the wider equation (h = ArcBulge, (x0, y0) the
// pen). Leaves EquationLeftX = x0 + 54, TextLineY = y0 + h, TextEndX = the
// right end of the wider equation, the pen after the lower equation.
void DrawEquationColumnSum(Program& p);
