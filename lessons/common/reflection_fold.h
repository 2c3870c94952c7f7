// The reflection topic that Varnel's reflection lesson and Droveny's
// perpendicular-bisector lesson both run: the typed axis, the definition, the
// figure of triangle ABC with its mirror image and the axis l turned to the
// typed angle, the arrow-key fold of ABC over l, and the finished figure of
// the corresponding segments.
//
// The figure is laid out with the axis upright through point 10 (878, 330)
// and then turned about point 10 by TurnAngle. Points: 1-3 A, B, C upright;
// 4-6 the folding vertices upright (fold scratch); 7-9 dots of the fold paths
// (scratch); 10 the centre of the turn on l; 11, 12 the ends of l, turned;
// 21-23 A, B, C turned; 24-26 the folding A, B, C turned; 27-29 the feet of A,
// B, C on l, turned; 34-36 the mirror image A', B', C', turned.
// PointAngle(1..6) hold the distances of A, B, C from the upright axis (90,
// 240, 150; entries k and k + 3 equal), PointDirection(1..3) the start angle
// Pi and PointDirection(4..6) the current fold angle plus Pi.
#pragma once

#include "core/program.h"

// A fold of nine key steps, 20 degrees each, takes ABC onto its image.
inline constexpr int kFullFoldSteps = 9;

// The screen asking for the axis angle: erases the box (0,0) to (1600,1800),
// sets TextLeft 76, TextLineY 30, the pen width 5 and Pi, writes the heading
// and the request in colour 5 at (76, 180) (TextLineY stays 30), reads a
// number and sets AxisAngle to it unchanged and TurnAngle := (90 -
// AxisAngle) Pi / 180. A fraction over zero reads as 0 (a horizontal axis).
// Clears the prompt line.
void AskReflectionAxisAngle(Program& p);

// The definition on the erased screen (the box 0,0 to 1600,1800): the heading,
// "①" with the fold and "②" with the axis of symmetry, from TextLeft 76 and
// TextLineY 30; leaves TextLineY 180 and TextEndX after "対称の軸".
void WriteReflectionDefinition(Program& p);

// The figure frame (608, 60; 18 by 17 cells of 30, invisible), the points of
// the upright figure and their turned copies (see above), then the still
// picture at pen width 5: ABC labelled A, B, C, the axis l with its label and
// the mirror image labelled A', C', B', all in colour 3 at width 7.
void SetUpReflectionFigure(Program& p);

// The fold at its start: PointAngle and PointDirection as above, FoldStepCount
// 0, AngleStep Pi / 9, FoldDotAngle Pi / 60.
void BeginReflectionFold(Program& p);

// Turns point `from` about point 10 by TurnAngle into point `to`; leaves
// MarkAX..MarkBY, DirectionAngle and Distance of that turn.
void TurnAboutAxisCentre(Program& p, int from, int to);

// One picture of the fold: clamps FoldStepCount into 0..9 and sets
// PointDirection(4..6) from it (9 steps give exactly start + Pi), erases the
// figure area and draws the image outline, ABC, the folding triangle (colour 3
// unfolded, else 5, labelled A', C', B' only when fully folded), the lines from
// the folding A and C to their feet, the axis l with its label and the dotted
// paths of A (every 6 degrees) and of B and C (every 3 degrees) up to the
// fold. Leaves the pen width 5.
void RedrawReflectionFigure(Program& p);

// "△ABC を ←→で動かす。Enterキーで終了" on the message bar (PenColor 0),
// waiting for a key into LastKey; the bar is cleared afterwards.
void ShowReflectionFoldPrompt(Program& p);

// The key step of the fold: -> folds one step further, <- one step back; both
// ask for a redraw (true); any other key changes nothing (false).
bool ApplyReflectionArrowKey(Program& p);

// The prompt loop of the fold: shows the fold prompt, waits for a key, folds
// and redraws on the arrow keys and asks again; returns on Enter with the
// fold as it stands. Nothing is drawn on entry.
void RunReflectionArrowKeyLoop(Program& p);

// The finished figure: the figure area erased, ABC labelled in colour 3, its
// image fully folded in colour 5 labelled A', C', B', the segments AA', BB',
// CC' and the axis l with its label. Points 4-6 and 24-26 and
// PointDirection(4..6) are left fully folded, FoldStepCount 9; pen width 5.
void DrawQuestion8Figure(Program& p);
