// Quillet's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/quillet/quillet_vars.h"

// The running Quillet: the shared cells and Quillet's own.
struct Quillet : Program, QuilletVars {
    using Program::Program;
};

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
