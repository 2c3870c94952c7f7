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
