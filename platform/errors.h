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
    int line;                     // source line of the failing statement
    int code;                     // one of ErrorCode
    const char* file = "";        // its source file and function, for stderr
    const char* function = "";
    RuntimeError(int l, int c) : line(l), code(c) {}
    RuntimeError(int c, std::source_location where)
        : line(static_cast<int>(where.line())), code(c), file(where.file_name()), function(where.function_name()) {}
    const char* what() const noexcept override;
};

// What an error code means, in a few words ("division by zero").
const char* ErrorCodeMessage(int code);

// Exit statuses of a program (the README's table).
enum ExitStatus : int {
    kExitOk = 0,
    kExitCannotStart = 1,    // no window could be opened, or a file could not be opened
    kExitUsage = 2,          // a bad command line
    kExitErrorScreen = 3,    // a headless run that reached the error screen
    kExitOutputFailed = 4,   // the trace, a screenshot or a shot could not be written
};

// Why a program run ended (the trace's last event says it).
enum class ExitReason { Finished, KeysRanOut, WindowClosed, ErrorScreen, OutputFailed, Signal };
const char* ExitReasonName(ExitReason reason);

// Unwinds the program to its end: the last main-menu item, a headless key
// script that ran out, the window closed, the error screen of a headless run,
// an output that could not be written, a stop signal (status 128 + N).
struct ProgramExit {
    int status;
    ExitReason reason = ExitReason::Finished;
};

[[noreturn]] void RaiseError(int code, std::source_location where = std::source_location::current());

// A single-precision result, checked as the runtime checked every operation:
// a non-finite value raises the overflow error.
float Checked(float value, std::source_location where = std::source_location::current());
double Checked(double value, std::source_location where = std::source_location::current());

// a / b with the runtime's division-by-zero error.
float Div(float a, float b, std::source_location where = std::source_location::current());
