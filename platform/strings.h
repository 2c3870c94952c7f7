// The runtime's string functions, on code-page-932 texts.
//
// The RtChar* functions count characters (a two-byte character counts one),
// the RtByte* functions count bytes. Positions start at 1; a failed search
// gives 0; a count of 0 or a start past the end gives empty text; a negative
// count or start gives empty text too (never an error). kToEnd as a length
// means "to the end".
#pragma once

#include <cstdint>

#include "platform/text.h"

inline constexpr int32_t kToEnd = 2147483647;

int32_t RtCharLen(const Text& t);
Text RtCharLeft(const Text& t, int32_t n);
Text RtCharMid(const Text& t, int32_t start, int32_t n = kToEnd);
Text RtCharRight(const Text& t, int32_t n);
// Position (in characters) of `what` in `t` at or after character `start`.
int32_t RtCharInstr(int32_t start, const Text& t, const Text& what);
inline int32_t RtCharInstr(const Text& t, const Text& what) { return RtCharInstr(1, t, what); }

int32_t RtByteLen(const Text& t);
Text RtByteLeft(const Text& t, int32_t n);
Text RtByteMid(const Text& t, int32_t start, int32_t n = kToEnd);
Text RtByteRight(const Text& t, int32_t n);
int32_t RtByteInstr(int32_t start, const Text& t, const Text& what);
inline int32_t RtByteInstr(const Text& t, const Text& what) { return RtByteInstr(1, t, what); }

// Text of a character code: below 256 one byte, else the two bytes of a
// double-byte code (lead byte first).
Text RtChr(int32_t code);
// Code of the first character (a double-byte one as lead * 256 + trail), 0
// for empty text.
int32_t RtAsc(const Text& t);
