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
// The closing figure: ABC, DEF at D (point 7), AD, BE, CF with their marks.
void DrawTranslationSummary(Varnel& p);

// Topic 3: the answers to questions 1 and 2.
void ShowTranslationAnswers1And2(Varnel& p);
// Topic 4: the construction of a parallel segment of equal length.
void ShowParallelLineConstruction(Varnel& p);
// Topic 5: the answer to question 3.
void ShowTranslationAnswer3(Varnel& p);

// ---- Introduction lesson: tessellation (main-menu item 1) -------------------
// The lesson: its goal screen, then its topic menu until item 3, which returns
// to the main menu.
void RunIntroductionLesson(Varnel& p);
// The goal screen, drawn on the screen the main menu has just erased (it
// erases nothing); leaves TextLeft 44, TextLineY 305, PenColor 0.
void ShowIntroductionLessonGoal(Varnel& p);
// The topic menu: asks until a number from 1 to 3 comes.
void ShowIntroductionTopicMenu(Varnel& p);

// Topic 1: the patchwork of hexagon tiles and its rhombi.
void ShowPatchworkTilingP154(Varnel& p);
// One patchwork tile about point 0 (unit CellSize): points 1-6 the corners
// V1 (top) to V6 counter-clockwise, 7-12 the side middles E1-E6 (Ei between
// Vi and Vi+1), 13-18 the spoke middles M1-M6; the outline in LineColor, the
// lines C-Mi, Mi-Ei, Mi-Ei-1 in AccentColor, pen width 7. Overwrites
// LoopIndex, WorkA, WorkB, FromPoint, ToPoint; leaves Radius 2c, Radius2 c,
// PointAngle(1..6), PolygonVertex, MarkSize 10, LabelOffsetX 0, PenColor 0.
void DrawPatchworkTile(Varnel& p);
// 24 tiles in four staggered rows of six (rows 3c apart from y 0, every other
// row shifted by half a tile), each drawn by `tile` about point 0. Counts
// rows in LoopIndex3 and tiles in InnerIndex and leaves the row shift (1 or
// 2, in units of the square root of 3 times CellSize) in WorkA before each row.
void DrawHoneycomb(Varnel& p, void (*tile)(Varnel&));

// Topic 2: the four hexagon designs and their tilings.
void ShowHexagonPatternP155(Varnel& p);
// A hexagon tile about point 0 with circumradius 2 CellSize: the outline in
// LineColor, the six spokes in AccentColor and six triangles filled in
// TileColor (outlined in AccentColor), pen width 7. Each leaves the corners in
// points 1-6 (V1 the top, counter-clockwise), V1 again in point 7 and its
// pattern points in 8-14: design 1 the spoke middles M1-M6 (8-13); design 2
// the same and M1 again in 14; design 3 the side middles E1-E6 (8-13, Ei
// between Vi and Vi+1); design 4 M1, M2, E2, M4, E4, M6, E6 (8-14). Design 3
// draws its outline last. Overwrites LoopIndex; leaves Radius, PointAngle,
// PolygonVertex, VertexCount 6, LineWidth 7, MarkSize 10, LabelOffsetX 0,
// PenColor 0, MarkLabel empty (design 4: Radius2 = CellSize).
void DrawHexagonPattern1(Varnel& p);
void DrawHexagonPattern2(Varnel& p);
void DrawHexagonPattern3(Varnel& p);
void DrawHexagonPattern4(Varnel& p);

// ---- Basic-terms lesson (main-menu item 2) ----------------------------------
// The lesson: its goal screen, then its topic menu until item 5.
void RunBasicTermsLesson(Varnel& p);
// The goal screen on an erased screen; leaves TextLeft 44, TextLineY 305.
void ShowBasicTermsLessonGoal(Varnel& p);
// The topic menu: asks until a number from 1 to 5 comes.
void ShowBasicTermsTopicMenu(Varnel& p);
// Topic 1: lines, segments, rays and the distance between two points.
void ShowLinesAndSegments(Varnel& p);
// Topic 2: naming an angle and the crossing point of two lines.
void ShowAnglesAndIntersections(Varnel& p);
// Topic 3: perpendicular and parallel lines.
void ShowParallelAndPerpendicular(Varnel& p);
// Topic 4: polygons, the isosceles triangle and its notations.
void ShowPolygonsAndTriangles(Varnel& p);

// ---- Rotation lesson (main-menu item 4) --------------------------------------
// The lesson: its goal screen, then its topic menu until item 5, which returns
// to the main menu.
void RunRotationLesson(Varnel& p);
// The goal screen on an erased screen, without a key pause; leaves TextLeft
// 44 and TextLineY 305.
void ShowRotationLessonGoal(Varnel& p);
// The topic menu "①P145Q　②回転移動　③問6　④問7　⑤終了" on the bottom band.
void ShowRotationTopicMenu(Varnel& p);

// Topic 1: how triangle ウ of the hexagon pattern is moved onto エ; a copy of
// ウ turns 10 degrees about B per key until "1" (EntryValue is the flag), then
// the answer, 120 degrees counter-clockwise. Leaves pen width 7, PenColor 5,
// EntryValue 1 and the last, undrawn turn in PointX2/PointY2 1 to 3 and
// PointDirection 1 and 2.
void ShowRotationQuestionP145(Varnel& p);

// Topic 2: the definition, the arrow-key turn of △ABC about O, the question
// to turn again and the properties of a rotation.
void ShowRotationDefinition(Varnel& p);
// The rotation figure: frame of 20 by 19 cells of 30 px at (646, 30), O
// (point 10) at (946, 300), A, B, C (points 1 to 3) at the distances
// PointAngle(1..3) = 270, 90, 150 px in the directions PointDirection(1..3) =
// 180, 240, 140 degrees (in radians), the image (points 4 to 6) on them with
// its directions one whole turn behind, RotationPresses 0. Draws nothing;
// leaves LineColor 15 and CellSize 30.
void SetUpRotationFigure(Varnel& p);
// One picture of the turn: the figure area erased, the image placed from the
// net presses (RotationPresses, AngleStep each), each vertex's turn arc
// (clockwise from the vertex to its image, a full circle at a whole turn) and
// its spokes, △ABC, the image (in colour 3 without letters when it lies on
// △ABC), O. Pen width 4 while drawing, 5 after.
void RedrawRotationFigure(Varnel& p);
// The arrow keys: the prompt, then ← turns the image 10 degrees
// counter-clockwise, → clockwise (each with a redraw); any other key asks
// again; returns on Enter with the figure as drawn and PenColor 0.
void RunRotationArrowKeyLoop(Varnel& p);
// The properties of the turn as it stands, step by step, and the summary.
void ShowRotationProperties(Varnel& p);

// Topic 3: the answer to question 6, constructed with a set square and a
// compass, then the whole image under the quarter turn about O.
void ShowRotationAnswer6(Varnel& p);

// Topic 4: the answer to question 7, the half turn about O.
void ShowRotationAnswer7(Varnel& p);
// △ABC of the rotation figure and its image under the half turn about O
// (points 4 to 6, PointDirection 4 to 6), each vertex joined to its image
// through O; PointLabel 1 to 3 = A', B', C'. Erases the figure area first.
void DrawRotationAnswerFigure(Varnel& p);

// ---- Reflection lesson (main-menu item 5) -----------------------------------
// The lesson: its goal screen, then its topic menu until item 4, which returns
// to the main menu.
void RunReflectionLesson(Varnel& p);
// The goal screen on an erased screen; returns without a key wait.
void ShowReflectionLessonGoal(Varnel& p);
// The topic menu "①P161Q　②対称移動　③問10　④終了" on the bottom band: runs
// the chosen topic and asks again; returns on item 4.
void ShowReflectionTopicMenu(Varnel& p);

// Topic 1: how is triangle オ moved onto カ? The hexagon pattern, the images
// A' and B', then the fold over l step by step and its answer.
void ShowReflectionQuestionP161(Varnel& p);
// The pattern of the hexagon table (points 0 to 12) with triangles オ (1, 8, 0)
// and カ (5, 10, 0) filled in colour 13 and the labels オ, A, B, C, カ; draws in
// the pen width in force and erases nothing; leaves PenColor 3.
void DrawReflectionHexagonTriangles(Varnel& p);
// The labels A' (at point 5) and B' (at point 10) in colour 3.
void LabelReflectionHexagonTriangles(Varnel& p);
// The fold loop: triangle オ (PointX2/PointY2 1..3, unfolded on entry) folds
// over l 10 degrees per key along its half-ellipses, ArcAngle from 180, with
// the dotted paths travelled; "1" ends it (EntryValue 1), 360 degrees wraps
// to 180.
void AnimateP161TriangleFold(Varnel& p);
// The answer: the image, the line l, the complete fold paths and the closing
// sentences.
void ShowP161FoldAnswer(Varnel& p);

// Topic 2: the typed axis, the definition, the fold of triangle ABC over l
// with the arrow keys (as often as asked), then the properties.
void ShowReflectionDefinition(Varnel& p);
// Question 8's figure with its right angles and equal halves, the midpoint and
// the perpendicular bisector, the answer to question 9.
void ShowMidpointBisectorProperties(Varnel& p);

// Topic 3: the answers to question 10 on three grids, one key per step.
void ShowReflectionAnswer10(Varnel& p);

// ---- Combined-moves lesson (main-menu item 6) -------------------------------
// The goal screen, then the topic menu until item 4, which returns to the
// main menu.
void RunCombinedMovesLesson(Varnel& p);
// The goal screen on an erased screen; leaves TextLeft 44, TextLineY 305.
void ShowCombinedMovesLessonGoal(Varnel& p);

// Topic 2: example 1, triangle ABC carried onto A'B'C' by a translation, a
// turn about A and a fold over AC, each stepped by keys, then the answer.
void ShowCombinedMovesExample1(Varnel& p);
// The figure of example 1: the grid frame, points 1 to 12 and the target
// triangle A'C'B' (points 4, 6, 5) in TableValueB (x), TableValueA (y) and
// PointLabel 1 to 3.
void SetExample1Figure(Varnel& p);
// The grid, ABC lettered in colour 3 and the target in colour 5; PenColor 5.
void DrawExample1Triangles(Varnel& p);
// The three animations: each runs from its start triangle until the key 1
// and leaves its exact result drawn on the grid (EntryValue 1).
void AnimateExample1Translation(Varnel& p);
void AnimateExample1Rotation(Varnel& p);
void AnimateExample1Fold(Varnel& p);

// Topic 3: the answer to question 11.
void ShowCombinedMovesAnswer11(Varnel& p);

// Topic 1: the rhombus problem of page 163 and its menu of five answers; its
// item 6 returns to the lesson's menu.
void ShowRhombusMovesP163(Varnel& p);
void ShowRhombusRotationAboutA(Varnel& p);
void ShowRhombusRotationAboutB(Varnel& p);
void ShowRhombusReflection(Varnel& p);
void ShowRhombusTranslationAndRotation(Varnel& p);
void ShowRhombusRotationAndReflection(Varnel& p);
// The rhombus pattern: a hexagon cut into twelve rhombi, ア イ ウ filled, the
// names and the points A, B, C. Leaves the frame (640, 100)-(1240, 640), the
// pen width 7, PenColor 5 and the point table renumbered: ア entries 1-4,
// イ 5-8, エ 9-12, ウ 13-16, C in 17, the centre A in 0, B in 18 (and 4, 6).
void DrawRhombusPattern(Varnel& p);
// Its steps: the frame and the 19 construction points (entries 0 to 18); the
// hexagon and its 18 inner segments.
void BuildRhombusPatternPoints(Varnel& p);
void DrawRhombusPatternLines(Varnel& p);
// The animations of the answers: each starts from its rhombus on a fresh
// pattern, steps a key at a time and returns on the key 1 with its last
// frame standing.
void AnimateRhombusTranslationThenRotation(Varnel& p);
void AnimateRhombusRotationAboutA(Varnel& p);
void AnimateRhombusRotationAboutB(Varnel& p);
void AnimateRhombusFoldOverAB(Varnel& p);
void AnimateRhombusFoldOverCommonSide(Varnel& p);

// ---- Basic problems of page 164 (main-menu item 7) ---------------------------
// The problems' menu (no goal screen) until item 3, which returns.
void RunBasicProblemsP164(Varnel& p);
// Problem 1: triangles ア イ ウ and the answers to its three questions.
void ShowP164Problem1(Varnel& p);
// Problem 2: six answer lines, one a key.
void ShowP164Problem2(Varnel& p);
