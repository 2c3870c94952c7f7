// Cells of the figure library (marks, grid, polygons, constructions, arrows,
// coordinate planes) that no other area uses.
//
// All numbers are single precision and start at 0, texts start empty. What
// each routine reads, leaves, resets or overwrites is told at the routine in
// figures/figures.h and its source; lessons rely on the values left behind.
#pragma once

#include "platform/text.h"

struct FigureVars {
    // Copies of A and B taken on entry by the dotted arc.
    float SavedMarkAX = 0, SavedMarkAY = 0, SavedMarkBX = 0, SavedMarkBY = 0;
    // Line 1 (segment P-Q) and line 2; line 2 is also a work area of the
    // marks and arrows (difference, unit vector, label half height).
    float Seg1X1 = 0, Seg1Y1 = 0, Seg1X2 = 0, Seg1Y2 = 0;
    float Seg2X1 = 0, Seg2Y1 = 0, Seg2X2 = 0, Seg2Y2 = 0;

    // Arrows and the half-ellipse over a segment.
    float TipX = 0, TipY = 0;
    float ArrowDirection = 0, ArrowHeadMode = 0;
    float ArcSide = 0, ArcBulge = 0, ArcAngle = 0, ArcSweep = 0;
    float HalfSpan = 0, BaseDirection = 0, ArcPointX = 0, ArcPointY = 0, Distance = 0;

    // Directions, arc ranges and other results.
    float DirectionAngle = 0, AngleDegrees = 0;
    Text AngleText;
    float RayAngleB = 0, RayAngleC = 0, ArcFractionB = 0, ArcFractionC = 0, BisectorAngle = 0;
    float CrossX = 0, CrossY = 0, FootX = 0, FootY = 0;
    float WorkD = 0, MarkStartX = 0, MarkStartY = 0;
    // The coordinate plane's ranges; the perpendicular foot keeps its slopes
    // and intercepts in them.
    float GraphXMin = 0, GraphYMin = 0, GraphXMax = 0, GraphYMax = 0;

    // Sizes, counts, labels and options of the marks.
    float MarkSizeCopy = 0, MarkShift = 0, TickSpacing = 0;
    float LabelOffsetX = 0, LabelOffsetY = 0, PlainLabelFlag = 0;
    // The label routine's copy of the markup renderer's TallParenFlag across
    // its measurement.
    float SavedTallParenFlag = 0;

    // Grid frame results.
    float GridLeft = 0, GridTop = 0, GridRight = 0, GridBottom = 0;
    float OriginX = 0, OriginY = 0;

    // Polygon labelling.
    float NextVertex = 0, SecondNextVertex = 0, VertexIndex = 0, FirstLetterCode = 0;

    // Own work cells of single routines.
    float ChevronTipX = 0, ChevronTipY = 0, TickStep = 0;
    float Line1Slope = 0, Line1Intercept = 0, Line2Slope = 0, Line2Intercept = 0;
    float FactorNumber = 0, FactorCount = 0;  // DivisorCount is a text-area cell

    // Translation vector.
    float VectorStartX = 0, VectorStartY = 0, VectorEndX = 0, VectorEndY = 0;
    Text StepLabelFlags, HorizontalStepText, VerticalStepText;

    // ---- Coordinate plane, graphs and formula routines -----------------------
    // Plane options and units: graph units per grid cell on each axis (0 is
    // taken as 1) and the switch that leaves out the plane's own numbers.
    float GraphStepX = 0, GraphStepY = 0, HideTickNumbers = 0;
    // Decimal tick labels: whole part and tenths of a value and their texts;
    // the function graph keeps its x increment in TickWholePart.
    float TickWholePart = 0, TickTenths = 0;
    Text TickWholeText, TickTenthsText;
    // A graph point in graph units, its label offsets and its screen place.
    float GraphPointX = 0, GraphPointY = 0, GraphLabelDX = 0, GraphLabelDY = 0;
    float GraphPixelX = 0, GraphPixelY = 0;
    // A function graph: its type (1 a/x, 2 ax², 3 ax + b, 4 ax + by = c), its
    // coefficients and the point being plotted.
    float GraphType = 0, GraphCoefA = 0, GraphCoefB = 0, GraphCoefC = 0;
    float PlotX = 0, PlotY = 0;
    // Square-root simplification: n under the root becomes k times the root
    // of m, and the markup texts of the result.
    float Radicand = 0, RadicandInput = 0, RootCoefficient = 0, RootTrialFactor = 0;
    Text RootPartText, RootCoefficientText, SimplifiedRootText, InputRootText, RootOnlyText;
    // The left brace's lower end and lower stem.
    float BraceBottomY = 0, BraceBelowTipY = 0, BraceStemBottomY = 0;
    // Two equations summed in columns: the operator, the lower width, the
    // wider width and where both equations begin.
    Text ColumnSumOperator;
    float LowerTextWidth = 0, WiderTextWidth = 0, EquationLeftX = 0;
};
