// Quillet's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/quillet/quillet_vars.h"

// The running Quillet: the shared cells and Quillet's own.
struct Quillet : Program, QuilletVars {
    using Program::Program;
};

// ---- Sectors (main-menu item 4) -----------------------------------------------
// The lesson: the goals once per visit, then the topic menu until item 8,
// which returns to the main menu.
void RunSectorLesson(Quillet& p);
void ShowSectorGoals(Quillet& p);
void ShowSectorTopicMenu(Quillet& p);
// Topic 1: the two pizzas, the slice areas key by key, then a sector with its
// arc, radii and central angle defined.
void ShowPizzaSectorsP179(Quillet& p);
// Topic 2: a 30-degree sector turned about the circle key by key, the slices
// and the proportion tables of arc length and area.
void ShowSectorExplanation(Quillet& p);
// The circle with the two fixed 30-degree sectors (points 0 to 4, Radius).
void DrawTwoSectorFigure(Quillet& p);
// Topic 3: random examples of arc length, then of area, until 1 is typed.
void ShowArcLengthExample1(Quillet& p);
// Topic 4: the answers of exercise 1 in four columns.
void ShowSectorAnswer1(Quillet& p);
// Topic 5: the pizza exercise answered with slice areas.
void ShowPizzaAnswer2(Quillet& p);
// Topics 6 and 7: random examples worked back to the central angle from the
// arc length, and from the area.
void ShowCentralAngleExample2(Quillet& p);
void ShowCentralAngleFromAreaExample3(Quillet& p);
// The two pizzas in the 12-by-12 frame of 40 px cells whose left edge is
// `left` (top 90): discs, dotted and solid cuts, size letters, centre dot.
void DrawPizzaFigure(Quillet& p, float left);

// The values of one random sector example: central angle a, a/360 reduced to
// n/d, multiplier k, radius r = k d, arc length / pi = 2 k n, area / pi =
// k^2 d n, and k n / r reduced (areaNum / areaDen).
struct SectorExample {
    int a, n, d, k, r, arc, area, areaNum, areaDen;
};
SectorExample MakeSectorExample(int a, int k);
// The random central angle 30 INT(rnd 10 + 1) and multiplier INT(rnd 2 + 1)
// for a draw rnd in [0, 1 - 2^-23].
int RandomSectorAngle(float rnd);
int RandomSectorMultiplier(float rnd);

extern const ProgramInfo quilletInfo;

// ---- Various constructions (main-menu item 1) -------------------------------
// The lesson: its two goals on the screen the main menu erased, then its topic
// menu until item 5, which returns to the main menu.
void RunVariousConstructionsLesson(Quillet& p);
// The two goals; leaves TextLeft 44, TextLineY 370.
void ShowVariousConstructionsGoals(Quillet& p);
// Topic 1: a vertical line steps across a circle, one key a step, until "1";
// then the tangent and its properties.
void ShowCircleTangent(Quillet& p);
// The circle O, its label and the base line through O (points 0, 3, 4).
void DrawTangentBaseFigure(Quillet& p);
// One picture of the moving line at SlidePosition.
void DrawTangentSlidePicture(Quillet& p);
// SlidePosition one step on, turning back at 9 and at 0 (each end is shown
// twice in a row).
void StepTangentSlide(Quillet& p);
// Topic 2: the perpendicular to ray OA at A, on a figure turned by 30 degrees.
void ShowPerpendicularAtRayPoint(Quillet& p);
// Topic 3: the point at equal distance from three lines.
void ShowEquidistantPointExample1(Quillet& p);
// Lines AB, AC, BD (points 1 to 4) and their letters.
void DrawEquidistantPointFigure(Quillet& p);
// Topic 4: the centre of a broken plate from two chords' bisectors.
void ShowCircleThroughThreePointsP176(Quillet& p);

// ---- Fundamental problems of page 176 (main-menu item 2) ---------------------
// The lesson: no goal screen, its topic menu alone until item 3.
void RunBasicProblemsP176(Quillet& p);
// Topic 1: the perpendicular from C to line AB and the perpendicular bisector
// of AC.
void ShowP176Problems1And2(Quillet& p);
// Topic 2: the bisector of angle XOY.
void ShowP176Problem3(Quillet& p);

// ---- The 75-degree angle (main-menu item 3) ----------------------------------
// The lesson: its heading on an erased screen, then its topic menu until
// item 4.
void RunAngleConstructionLesson(Quillet& p);
void ShowAngle75Heading(Quillet& p);
// Topic 1: 75 = 45 + 30; its points for the frame in force.
void ShowAngle75AsSum45And30(Quillet& p);
void SetAngle45Plus30Points(Quillet& p);
// Topic 2: 75 = 60 + 15; its points for the frame in force.
void ShowAngle75AsSum60And15(Quillet& p);
void SetAngle60Plus15Points(Quillet& p);
// Topic 3: 75 = 180 - 60 - 45; its points for the frame in force.
void ShowAngle75As180Minus60Minus45(Quillet& p);
void SetAngle180Minus60Minus45Points(Quillet& p);
