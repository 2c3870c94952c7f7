#include "platform/errors.h"

#include <cmath>

void RaiseError(int code, std::source_location where) {
    throw RuntimeError(static_cast<int>(where.line()), code);
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
