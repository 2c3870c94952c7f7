// Cells of the text and formula rendering that no other area uses (and a few
// scratch cells the figure library and the lessons borrow: IndexA..IndexC,
// ToPoint, BoxWidth, SavedPenX, SavedPenY, GlyphX, CharIndex, TextLength,
// ArgLength).
#pragma once

#include "platform/text.h"

struct TextVars {
    // Formula state, carried over between text calls until used.
    float FractionFlag = 0;       // 1 while a fraction's parts are measured and drawn
    float OverlineMode = 0;       // 0 none; 1 root in running text; 11 root in a fraction; 22 tall root "#"
    float OverlineStartX = 0;     // x where the running overline begins
    float SuperscriptFlag = 0;    // set by "^": the next plain glyph is a superscript
    float RaiseFlag = 0;          // set by "\": the next plain glyph is small and raised
    float TallParenFlag = 0;      // a renderer switch that label placement keeps across its measuring
    // A renderer switch of the menu heading: while it is 1 the formula letters
    // a, c, x and l are drawn as the plain Gothic letters they are in a name.
    float PlainLetterFlag = 0;

    // The markup driver: the rest of its text while a fraction is drawn.
    Text TextAfterFraction;

    // Working cells of the text loops; every text routine overwrites them.
    float WorkPenX = 0, WorkPenY = 0;
    Text WorkText;
    float WorkTextLength = 0;
    float CharIndex = 0, TextLength = 0, ArgLength = 0;
    float GlyphX = 0, RaiseY = 0;
    float IndexA = 0, ToPoint = 0;
    // The point numbers of a right-angle mark's vertex and rays are IndexA,
    // IndexB and IndexC (the kit's RightAngle on entries names them).
    float IndexB = 0, IndexC = 0;

    // Fraction drawing.
    float FractionTopY = 0;
    Text NumeratorText, DenominatorText;
    float NumeratorWidth = 0, DenominatorWidth = 0, FractionBarWidth = 0;
    float NumeratorInset = 0, DenominatorInset = 0;

    // Table cells: the corner, width, the text of the line and its place.
    float BoxWidth = 0;
    float SavedPenX = 0, SavedPenY = 0;
    Text CellText;
    float CellInsetX = 0, CellTextY = 0, UpperTextY = 0, CellTextY2 = 0, CellBottomY = 0;
    // The two texts of a two-line cell; also the given and normal forms of a
    // formatted fraction.
    Text UpperText, FractionLead;

    // Divisor list.
    float DivisorCount = 0, HalfDivisorCount = 0;

    // Fraction arithmetic.
    float FractionNum = 0, FractionDen = 0, FractionKind = 0, FractionSign = 0;
    float GcdValue = 0, LcmValue = 0, EuclidDivisor = 0;
    Text FractionNumText, FractionDenText, FractionSigned;
    Text SumEquationText, SignedEquationText, FractionLeadPlain, FractionSignedPlain;
    float FirstNumerator = 0, FirstDenominator = 0, SecondNumerator = 0, SecondDenominator = 0;
    float ScaledFirstNumerator = 0, ScaledSecondNumerator = 0, SumNumerator = 0;
    Text FirstNumeratorText, SecondNumeratorDigits, SecondNumeratorText, SumNumeratorText;
    Text FirstTermSigned, SumFractionText, SumFractionSigned, SumExpressionText;
    Text FirstTermMagnitude, SecondTermMagnitude;
};
