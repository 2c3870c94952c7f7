// Quillet's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/quillet/quillet_vars.h"

// The running Quillet: the shared cells and Quillet's own.
struct Quillet : Program, QuilletVars {
    using Program::Program;
};

// ---- The main menu and the lessons' entries (program.cpp) --------------------
// Each lesson: its goal screen or heading (or none), then its topic menu until
// its last item, which returns to the main menu.

extern const ProgramInfo quilletInfo;

// Item 1, various constructions: the two goals on the screen the main menu
// erased, then the topic menu until item 5.
void RunVariousConstructionsLesson(Quillet& p);
// The two goals; leaves TextLeft 44, TextLineY 370.
void ShowVariousConstructionsGoals(Quillet& p);
// Item 2, the fundamental problems of page 176: no goal screen, the topic
// menu alone until item 3.
void RunBasicProblemsP176(Quillet& p);
// Item 3, the 75-degree angle: its heading on an erased screen, then the
// topic menu until item 4.
void RunAngleConstructionLesson(Quillet& p);
void ShowAngle75Heading(Quillet& p);
// Item 4, sectors: the goals once per visit, then the topic menu until item 8.
void RunSectorLesson(Quillet& p);
void ShowSectorGoals(Quillet& p);
void ShowSectorTopicMenu(Quillet& p);
// Items 5 and 6, chapter problems A of page 184 and B of page 185: the
// problem menu alone on the bottom band, until item 5 (A) or item 4 (B).
void RunChapterProblemsA(Quillet& p);
// The menu "P184 章の問題A ①1,2　②3　③4　④5　⑤終了" on the bottom band.
void ShowChapterProblemsAMenu(Quillet& p);
void RunChapterProblemsB(Quillet& p);
// The menu "P185 章の問題B ①　②2(1)　③2(2)　④終了" on the bottom band.
void ShowChapterProblemsBMenu(Quillet& p);

// ---- Sectors (main-menu item 4) -----------------------------------------------
// Topic 1, captioned "P165Q" in the topic menu: the pizza question of page
// 179, the slice areas key by key, then a sector with its arc, radii and
// central angle defined.
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

// ---- Various constructions (main-menu item 1) -------------------------------
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
// Topic 1: the perpendicular from C to line AB and the perpendicular bisector
// of AC.
void ShowP176Problems1And2(Quillet& p);
// Topic 2: the bisector of angle XOY.
void ShowP176Problem3(Quillet& p);

// ---- The 75-degree angle (main-menu item 3) ----------------------------------
// Topic 1: 75 = 45 + 30; its points for the frame in force.
void ShowAngle75AsSum45And30(Quillet& p);
void SetAngle45Plus30Points(Quillet& p);
// Topic 2: 75 = 60 + 15; its points for the frame in force.
void ShowAngle75AsSum60And15(Quillet& p);
void SetAngle60Plus15Points(Quillet& p);
// Topic 3: 75 = 180 - 60 - 45; its points for the frame in force.
void ShowAngle75As180Minus60Minus45(Quillet& p);
void SetAngle180Minus60Minus45Points(Quillet& p);

// ---- Chapter problems A and B (main-menu items 5 and 6) ---------------------
// Neither lesson has a goal screen: the problem menu stands alone on the
// bottom band of the screen the main menu erased. Each problem plays one step
// per key, ends without a wait after its last drawing and returns to its menu,
// the picture staying above the band.

// Problems 1 and 2: the perpendiculars, then the hexagon whose triangle OAB
// is moved by translation, by rotation and by folding (4 key waits).
void ShowChapterAProblems1And2(Quillet& p);
// Problem 3: the bisectors of the angles ACD and BCD by compass arcs, and
// angle ECF = 90 degrees (8 key waits).
void ShowChapterAProblem3(Quillet& p);
// Problem 4: the square ABCD on AB from the perpendiculars at A and B
// (21 key waits).
void ShowChapterAProblem4(Quillet& p);
// Problem 5: the sector of radius 4 cm and 135 degrees, its arc length and
// area (2 key waits).
void ShowChapterAProblem5(Quillet& p);

// Problem 1: angle AOC = angle BOD in two figures (2 key waits).
void ShowChapterBProblem1(Quillet& p);
// Problem 2(1): the fold line of the square that puts A on M, the
// perpendicular bisector of AM (5 key waits). Leaves the pen width at 3.
void ShowChapterBProblem2Q1(Quillet& p);
// Problem 2(2): the circle touching OB at C and touching OA, centred where the
// perpendicular at C meets the bisector of angle AOB (13 key waits).
void ShowChapterBProblem2Q2(Quillet& p);

// The title cells of every chapter-problem screen, on the topic's opening
// (BeginTopic: ItemLeft 40, TextLineY 30; the sentences at TextLeft 121): the
// `title` cell at (ItemLeft, TextLineY), 396 by 50 (border 3, fill 13), and
// the problem `number` cell 30 px to its right, 40 by 50 (border 4, fill 3,
// digit in colour 13). Leaves TextEndX at the number cell's right edge (506).
void ChapterTitle(Quillet& p, const Text& title, const Text& number);
// The caption texts of the two titles.
inline constexpr const char* kChapterATitle = "P184 章の問題A";
inline constexpr const char* kChapterBTitle = "P185 章の問題B";
