// Runtime errors and program exits.
//
// A runtime error (a failed calculation, an index out of range, a failed
// platform call) is thrown as RuntimeError from wherever it happens and caught
// once, at the top of the program, which then shows the error screen. Nothing
// resumes after it. ProgramExit unwinds the program when the window is closed
// or a headless key script has run out.
#pragma once

#include <exception>
#include <source_location>

// Error codes shown on the error screen.
enum ErrorCode : int {
    kErrIllegalCall = 5,    // an argument a platform operation cannot take
    kErrOverflow = 6,       // a result that is not a finite number, or too large
    kErrSubscript = 9,      // an array index outside its bounds
    kErrDivisionByZero = 11,
};

struct RuntimeError : std::exception {
    int line;   // source line of the failing statement
    int code;   // one of ErrorCode
    RuntimeError(int l, int c) : line(l), code(c) {}
    const char* what() const noexcept override { return "runtime error"; }
};

struct ProgramExit {
    int status;
};

[[noreturn]] void RaiseError(int code, std::source_location where = std::source_location::current());

// A single-precision result, checked as the runtime checked every operation:
// a non-finite value raises the overflow error.
float Checked(float value, std::source_location where = std::source_location::current());
double Checked(double value, std::source_location where = std::source_location::current());

// a / b with the runtime's division-by-zero error.
float Div(float a, float b, std::source_location where = std::source_location::current());
