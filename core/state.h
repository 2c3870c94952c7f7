// The shared variables of a program run.
//
// The lesson programs keep one fixed set of named variables that every routine
// reads and writes; routines take no arguments and return no values, their
// inputs and outputs are these cells. They live in one State object, created
// fresh for each run (and each test). Numbers are single-precision floats and
// start at 0; texts start empty. Each area of the program keeps the cells only
// it uses in its own part (TextVars, FigureVars, ...); the cells that several
// areas share are here. A program's own lesson cells are not part of State:
// they belong to the program's type (see core/program.h).
#pragma once

#include "core/figure_vars.h"
#include "platform/arrays.h"
#include "platform/text.h"
#include "core/shell_vars.h"
#include "core/text_vars.h"

struct CommonVars {
    // Text pen: where the next character starts, its colour, the text that the
    // text routines consume and the in/out cell of the string helpers.
    float PenX = 0, PenY = 0, PenColor = 0;
    Text TextCell, TextArg;
    // Line layout of the lessons.
    float TextLeft = 0, TextLineY = 0, TextEndX = 0;
    // Drawing parameters of lines, marks and fills; the pen width a library
    // routine saved on entry and sets back before it returns.
    float LineColor = 0, AccentColor = 0, LineWidth = 0, SavedDrawWidth = 0;
    float SavedPenColor = 0;
    // Keys and menus.
    Text LastKey, EntryText;
    float EntryValue = 0, MenuChoice = 0;
    float PromptX = 0, PromptY = 0;
    Text ProgramTitle;
    // Scratch cells used by many routines.
    float WorkA = 0, WorkB = 0;
    Text CurChar;
    float LoopIndex = 0;
    float Pi = 0;
    // Width in pixels of the last measured text.
    float TextWidth = 0;
    // Figure points and the polygon routine's vertex table.
    Array<float> PointX, PointY, PointAngle, PointDirection;
    Array<Text> PointLabel;
    Array<float> PointX2, PointY2;
    Array<Text> TableTextX2, TableTextY2;
    Array2<float> PolygonVertex;
    float VertexCount = 0;
    // Value tables of the lessons and their texts.
    Array<Text> TableTextA, TableTextB;
    Array<float> TableValueA, TableValueB;
    // Mark parameters: points A, B, C and the size, count and label of a mark.
    float MarkAX = 0, MarkAY = 0, MarkBX = 0, MarkBY = 0, MarkCX = 0, MarkCY = 0;
    float MarkSize = 0, MarkCount = 0;
    Text MarkLabel;
    // Grid frame.
    float CellSize = 0, GridOriginX = 0, GridOriginY = 0, GridColumns = 0, GridRows = 0;
    // Cells the lessons of every program share: the left margin of a topic's
    // item numbers, point numbers of the segment being drawn, scratch values,
    // the counter of lesson loops that call library routines (which count in
    // LoopIndex themselves), and circle and compass radii.
    float ItemLeft = 0, FromPoint = 0;
    float WorkC = 0, WorkE = 0, WorkF = 0;
    float InnerIndex = 0;
    float Radius = 0, Radius2 = 0;
    // The reflection fold that Varnel's and Droveny's lessons run: the typed
    // angle of the axis (degrees), the turn of the whole figure (radians,
    // clockwise on the screen), the fold of one arrow key, the angle between
    // two dots of a fold path, and the fold itself as a count of key steps
    // (0 unfolded, 9 fully folded).
    float AxisAngle = 0, TurnAngle = 0, AngleStep = 0, FoldDotAngle = 0, FoldStepCount = 0;
};

struct State : CommonVars, ShellVars, TextVars, FigureVars {};
