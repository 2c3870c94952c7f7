#include "platform/errors.h"

#include <cmath>

void RaiseError(int code, std::source_location where) { throw RuntimeError(code, where); }

const char* RuntimeError::what() const noexcept { return ErrorCodeMessage(code); }

const char* ErrorCodeMessage(int code) {
    switch (code) {
        case kErrIllegalCall: return "illegal function call";
        case kErrOverflow: return "overflow";
        case kErrSubscript: return "subscript out of range";
        case kErrDivisionByZero: return "division by zero";
        default: return "internal error";
    }
}

const char* ExitReasonName(ExitReason reason) {
    switch (reason) {
        case ExitReason::Finished: return "finished";
        case ExitReason::KeysRanOut: return "keys ran out";
        case ExitReason::WindowClosed: return "window closed";
        case ExitReason::ErrorScreen: return "error";
        case ExitReason::OutputFailed: return "output failed";
        case ExitReason::Signal: return "signal";
    }
    return "finished";
}

float Checked(float value, std::source_location where) {
    if (!std::isfinite(value)) RaiseError(kErrOverflow, where);
    return value;
}

double Checked(double value, std::source_location where) {
    if (!std::isfinite(value)) RaiseError(kErrOverflow, where);
    return value;
}

float Div(float a, float b, std::source_location where) {
    if (b == 0.0f) RaiseError(kErrDivisionByZero, where);
    return Checked(a / b, where);
}
