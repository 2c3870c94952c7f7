// Text and formula rendering: the markup-text driver and its measuring, the
// formula glyph renderer, fractions, table cells, plain text, string and
// number helpers, fraction arithmetic. Every routine works on the shared
// cells of Program (see each declaration for what it reads and leaves).
#pragma once

#include "core/program.h"

// ---- Markup text ------------------------------------------------------------
// Draws the markup text in TextCell from (PenX, PenY) in PenColor and consumes
// it; PenX ends behind the last glyph, PenY unchanged. "ﾀa/bﾀ" a stacked
// fraction, "#" a tall root, "^" a superscript next; the rest goes to
// DrawFormulaText. Leaves SavedDrawWidth = the pen width; the flags carry over.
void DrawMarkupText(Program& p);
// TextWidth := the pen x reached when TextArg is drawn from (0, 1800) under
// the caller's modes; PenX, PenY and TextArg come back, TextCell is empty.
void MeasureMarkupTextWidth(Program& p);
// Draws TextArg at the pen in the formula style, character by character
// (operator substitutions, italic a x c, script l, stroke signs, root and
// parallelogram signs, running overlines, superscripts); FractionFlag = 1
// selects the in-fraction metrics. PenX ends behind it; face "ゴシック" 16,
// bold off and the caller's pen width afterwards.
void DrawFormulaText(Program& p);
// Draws the fraction "numerator/denominator" in TextArg stacked over a bar at
// the pen; PenX advances by the bar's length. Called by DrawMarkupText.
void DrawFraction(Program& p);

// ---- Markup table cells -----------------------------------------------------
// A filled box (LineColor border, AccentColor fill) with its top-left at the
// pen, BoxWidth by GridRows, and TextArg centred in it; the pen ends at the
// top-right corner; TextWidth = the text's width.
void DrawMarkupTableCell(Program& p);
// As DrawMarkupTableCell, but the text stays on the pen's line and the box
// is raised around it.
void DrawRaisedMarkupTableCell(Program& p);
// A cell with UpperText above and FractionLead below; TextWidth = the lower
// text's width.
void DrawTwoLineMarkupTableCell(Program& p);

// ---- Plain text -------------------------------------------------------------
// Draws TextCell without markup, bold at size 15, in the current face, with
// fixed advances; PenX ends behind it. Bold off and size 16 afterwards.
void DrawPlainText(Program& p);
// TextWidth := the pen x DrawPlainText reaches from (0, 1800) for TextArg.
void MeasurePlainTextWidth(Program& p);
// The plain-text counterparts of the one-line and two-line markup cells.
void DrawPlainTableCell(Program& p);
void DrawTwoLinePlainTableCell(Program& p);

// ---- String and number helpers ------------------------------------------------
// TextArg := "(" + TextArg + ")" when it holds a "-".
void ParenthesizeNegative(Program& p);
// Removes every "(", ")" and "+" from TextArg.
void StripParensAndPlus(Program& p);
// Lists the divisors of |Seg2Y2| in PointX(1..) and their quotients in
// PointY(1..); DivisorCount, HalfDivisorCount; LoopIndex overwritten.
void ListDivisors(Program& p);

// ---- Fraction arithmetic --------------------------------------------------------
// FractionNum / FractionDen to their normal form, with FractionKind (0-3),
// FractionSign and the markup texts UpperText, FractionLead, FractionSigned,
// SumEquationText, SignedEquationText and their plain forms.
void FormatFraction(Program& p);
// GcdValue and LcmValue of FractionNum and FractionDen.
void ComputeGcdLcm(Program& p);
// FirstNumerator/FirstDenominator + SecondNumerator/SecondDenominator over a
// common denominator, with the texts of the terms, the sum and the addition.
void AddFractions(Program& p);
// Removes every "^", "ﾝ", "ﾀ" and "=" from TextArg.
void StripMarkupCodes(Program& p);
