// Droveny's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/droveny/droveny_vars.h"

// The running Droveny: the shared cells and Droveny's own.
struct Droveny : Program, DrovenyVars {
    using Program::Program;
};

extern const ProgramInfo drovenyInfo;

// ---- Perpendicular lesson (main-menu item 1) --------------------------------
// The lesson: its goals screen, then its topic menu until item 7, which
// returns to the main menu.
void RunPerpendicularLesson(Droveny& p);
// The goals screen on an erased screen; leaves TextLeft 44, TextLineY 370 and
// TextEndX at the end of the last line.
void ShowPerpendicularGoals(Droveny& p);
// The topic menu on the bottom band: runs the chosen topic and asks again
// (the topic's last screen stays) until item 7.
void ShowPerpendicularTopicMenu(Droveny& p);

// Topic 1: the kite question (two compass circles about points of l).
void ShowPerpendicularKiteQuestion(Droveny& p);
// Its starting figure: l, P, and A and B joined to P (points 1 to 3, 6, 7 in
// pixels).
void DrawKiteQuestionFigure(Droveny& p);
// Topic 2: example 1, the perpendicular by two arcs about points of l.
void ShowPerpendicularExample1(Droveny& p);
// The large frame of example 1, its points in pixels, l and P drawn.
void DrawExample1KiteFigure(Droveny& p);
// Topic 3: example 2, the perpendicular by a circle about P.
void ShowPerpendicularExample2(Droveny& p);
// The right frame of example 2, its points in pixels, l and P drawn.
void DrawExample2KiteFigure(Droveny& p);
// Topic 4: the answers to question 4, perpendiculars to two sides of a
// triangle constructed by two methods.
void ShowPerpendicularAnswer4(Droveny& p);
// Topic 5: the distance from a point to a line (A stepped along l until "1")
// and between two parallel lines.
void ShowPointLineDistance(Droveny& p);
// Frame 1 of topic 5 without A: l, P, P', PP' with Q, the right angle at Q and
// the ticks on PQ and QP' (points 1 to 5 in pixels).
void DrawMirrorPointFigure(Droveny& p);
// Topic 6: the answer to question 5, the distances of six points from l.
void ShowPerpendicularAnswer5(Droveny& p);

// ---- Perpendicular-bisector lesson (main-menu item 2) -----------------------
// The lesson: its goals screen, then its topic menu until item 7, which
// returns to the main menu.
void RunPerpendicularBisectorLesson(Droveny& p);
// The goals screen on an erased screen; leaves TextLeft 44, TextLineY 305.
void ShowPerpendicularBisectorGoals(Droveny& p);
// The topic menu on the bottom band: runs the chosen topic and asks again
// (the topic's last screen stays) until item 7.
void ShowPerpendicularBisectorTopicMenu(Droveny& p);

// Topic 1: the reflection over a typed axis, the arrow-key fold, and the
// midpoint and perpendicular bisector.
void ShowBisectorReflectionTopic(Droveny& p);
// The fold's key loop: arrows fold and redraw, Enter ends the fold.
void MoveTriangleByArrowKeys(Droveny& p);
// Topic 2: the square sheet folded until A lies on B, and the rhombus
// construction that follows from the crease.
void ShowFoldBisectorP171(Droveny& p);
// The fixed part of every fold frame: BM, B and A with their letters
// (FromPoint 4, ToPoint 5, PenColor 3).
void DrawFoldSegmentFigure(Droveny& p);
// Topic 3: example 3, the construction of the perpendicular bisector.
void ShowBisectorExample3(Droveny& p);
// The right figure of example 3: its frame, points 1 to 4 in pixels, AB with
// A and B (leaves GridBottom 600).
void DrawExample3SegmentFigure(Droveny& p);
// Topic 4: the answer to question 6 on a slanting segment.
void ShowBisectorAnswer6(Droveny& p);
// Topic 5: the points on the perpendicular bisector, both ways round.
void ShowPointsOnBisector(Droveny& p);
// Topic 6: the answer to question 7, the point of l equally far from A and B.
void ShowBisectorAnswer7(Droveny& p);

// ---- Angle-bisector lesson (main-menu item 3) -------------------------------
// The lesson: its goals screen, then its topic menu until item 6, which
// returns to the main menu.
void RunAngleBisectorLesson(Droveny& p);
// The goals screen on an erased screen with the angle AOB, its bisector OC and
// an equal-angle disc in each half; leaves TextLeft 44, TextLineY 455, pen
// width 5 and PenX, PenY at the second disc.
void ShowAngleBisectorGoals(Droveny& p);
// The topic menu on the bottom band: runs the chosen topic and asks again
// (the topic's last screen stays) until item 6.
void ShowAngleBisectorTopicMenu(Droveny& p);

// Topic 1: the sheet OAB folded along OC, one step a key until "1", and the
// kite ODCA it shows.
void ShowAngleFoldP173(Droveny& p);
// The triangle O, A, B (points 0 to 2) in black with its names and the dots
// of A and B; leaves PenColor 3.
void DrawFoldAngleFigure(Droveny& p);
// Topic 2: example 4, the bisector by ruler and compass, with the hint kite.
void ShowAngleBisectorExample4(Droveny& p);
// The angle frame of example 4: its points 0 to 6 in pixels, the sides OA
// and OB with their names; leaves the directions of OB, OA and the bisector
// in RayAngleB, RayAngleC and BisectorAngle.
void DrawExample4AngleFigure(Droveny& p);
// Topic 3: the points of the bisector are equally far from both sides, and
// the converse.
void ShowPointsOnAngleBisector(Droveny& p);
// The sides OA and OB, the bisector O-20 in teal, the names O, A, B and an
// equal-angle disc in each half of the angle at P (point 3), whose feet on
// OB and OA are points 5 and 4.
void DrawBisectorDistanceFigure(Droveny& p);
// Topic 4: the answer to question 9, the perpendiculars from P to both sides
// and the circle about P that touches them.
void ShowAngleBisectorAnswer9(Droveny& p);
// Topic 5: the perpendicular through O on AB as the bisector of the straight
// angle AOB.
void ShowStraightAngleBisectorP174(Droveny& p);
