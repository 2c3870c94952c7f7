// Varnel's lessons on moving figures. Each routine works on the shared cells
// of Program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/varnel/varnel_vars.h"

// The running Varnel: the shared cells and Varnel's own.
struct Varnel : Program, VarnelVars {
    using Program::Program;
};

extern const ProgramInfo varnelInfo;

// ---- Translation lesson (main-menu item 3) ----------------------------------
// The lesson: its goal screen, then its topic menu until item 6, which returns
// to the main menu.
void RunTranslationLesson(Varnel& p);
// The goal screen on an erased screen; leaves TextLeft 44, TextLineY 370.
void ShowTranslationLessonGoal(Varnel& p);
// The topic menu on the bottom band: asks until a number from 1 to 6 comes
// and leaves it in MenuChoice (EntryValue is 10 afterwards).
void ShowTranslationTopicMenu(Varnel& p);

// Topic 1: the opening question on the hexagon lattice.
void ShowTranslationQuestionP156(Varnel& p);
// The lattice figure of topic 1: points 0 to 9 from the grid frame (pen width
// 7), the lattice with triangles ア and イ, the segments AA', BB', CC'.
void BuildTranslationFigure(Varnel& p);
void DrawTranslationFigure(Varnel& p);
void DrawCorrespondingSegments(Varnel& p);

// Topic 2: the definition of translation, the target point and the slide.
void ShowTranslationDefinition(Varnel& p);
// The target-point loop: returns when Enter accepts D (point 4).
void PlaceTargetPoint(Varnel& p);
// One twelfth of A to D as the slide step; D kept in point 7, A' on A.
void BeginTranslationSlide(Varnel& p);
// The slide loop: returns on Enter with A' in point 4.
void SlideTriangleToTarget(Varnel& p);
// One screen of the slide: the figure area erased, A' held between A and D,
// D, ABC, the moving triangle and the traces AA', BB', CC' drawn.
void DrawTranslationSlideFrame(Varnel& p);
// "Move again?": LastKey is "1" when the pupil asked for another move.
void AskTranslationRepeat(Varnel& p);
// The closing figure: ABC, DEF at D (point 7), AD, BE, CF with their marks.
void DrawTranslationSummary(Varnel& p);

// Topic 3: the answers to questions 1 and 2.
void ShowTranslationAnswers1And2(Varnel& p);
// Topic 4: the construction of a parallel segment of equal length.
void ShowParallelLineConstruction(Varnel& p);
// Topic 5: the answer to question 3.
void ShowTranslationAnswer3(Varnel& p);
