// Numbers and their texts, as the runtime converts them.
#pragma once

#include <cstdint>
#include <source_location>

#include "platform/text.h"

// Number to text: "-" before a negative number, a leading blank before a
// non-negative one, no decimal point for a whole number, a zero before the
// point of a fraction (" 0.5", "-0.5"). Single precision gives at most 7
// significant digits, double precision 16; very large or small values use the
// exponent form (" 1.5E+08").
Text RtStrSingle(float value);
Text RtStrDouble(double value);

// The number a text starts with (blanks skipped, optional sign, digits, point,
// exponent), else 0.
double RtVal(const Text& text);

// Integer conversions. Each raises the overflow error for a value that is not
// finite or does not fit in 32 bits, so no conversion is ever undefined.
int32_t RtInt(double value, std::source_location where = std::source_location::current());   // floor (INT)
int32_t RtFix(double value, std::source_location where = std::source_location::current());   // toward zero (FIX)
int32_t RtCInt(double value, std::source_location where = std::source_location::current());  // nearest, halves to even (CINT)

// The number of a 1-based or 0-based index held in a float, rounded to nearest.
int32_t IndexOf(double value, std::source_location where = std::source_location::current());
