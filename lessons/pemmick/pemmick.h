// Pemmick's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/pemmick/pemmick_vars.h"

// The running Pemmick: the shared cells and Pemmick's own.
struct Pemmick : Program, PemmickVars {
    using Program::Program;
};

extern const ProgramInfo pemmickInfo;

// ---- Lesson 1: how to construct (作図のしかた) --------------------------------
// Goal screen (on the screen the main menu erased), then the topic menu; the
// menu's last item returns to the main menu.
void RunRulerCompassLesson(Pemmick& p);
void ShowRulerCompassGoals(Pemmick& p);
void ShowRulerCompassTopicMenu(Pemmick& p);
// Topic 1: the regular hexagon stepped off round a circle (15 keys).
void ShowRegularHexagonP165(Pemmick& p);
// Topic 2: the circle as the points at one distance from its centre; arc,
// chord, ruler and compass (19 keys).
void ShowCircleTerms(Pemmick& p);
// Topic 3: a triangle from three segments and a 60-degree angle (15 keys).
void ShowRulerCompassAnswer1(Pemmick& p);

// ---- Lesson 2: two intersecting circles (交わる2円の性質) -----------------------
// Goal screen (erases first), then the topic menu.
void RunTwoCirclesLesson(Pemmick& p);
void ShowTwoCirclesGoals(Pemmick& p);
void ShowTwoCirclesTopicMenu(Pemmick& p);
// Topic 1: axes of symmetry of one and of two circles (14 keys).
void ShowCircleSymmetryP167(Pemmick& p);
// Topic 2: equal segments, equal angles and the common chord (9 keys).
void ShowTwoCirclesAnswer1(Pemmick& p);
// Topic 3: the properties of the kite and the rhombus (11 keys).
void ShowKiteAndRhombus(Pemmick& p);
// Topics 4 to 6: construction tasks on a line l (10, 4 and 6 keys).
void ShowKiteConstruction(Pemmick& p);
void ShowTwoEquidistantPoints(Pemmick& p);
void ShowOneEquidistantPoint(Pemmick& p);
// Topic 7: the upright kite, a model and its construction (11 keys).
void ShowVerticalKite(Pemmick& p);
