// Wide-character glyph text: the prompts, messages and entry echo in 16 px
// cells, with half-width letters, digits and signs turned full width.
#pragma once

#include "core/program.h"

// CurChar in, CurChar out: its full-width form when the letters or the
// symbols table holds it, else unchanged. Overwrites IndexA, ToPoint.
void ToWideChar(Program& p);
// Removes every half-width space from TextArg; all else keeps its order.
void StripSpaces(Program& p);
// Draws the characters of TextArg (spaces removed) from (PenX, PenY), one
// 16 px cell each ("^" keeps the next one narrow; "．" takes no cell), bold
// on and left on. Leaves GlyphX after the last cell; PenX, PenY unchanged.
void DrawWideString(Program& p);
// Consumes TextCell one character at a time through DrawWideString (a
// half-width space leaves a blank cell); PenX ends after the last cell.
void DrawWideText(Program& p);
