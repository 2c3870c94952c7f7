#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/errors.h"

namespace {

// Decimal text with at most `digits` significant digits, no trailing zeros,
// a zero before the point, exponent form outside 1e-4 .. 10^digits.
std::string Format(double v, int digits) {
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    std::string s(buf);
    auto e = s.find('e');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string exp = e == std::string::npos ? "" : s.substr(e + 1);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    if (exp.empty()) return mant;
    int ev = std::atoi(exp.c_str());
    char eb[16];
    std::snprintf(eb, sizeof eb, "E%c%02d", ev < 0 ? '-' : '+', ev < 0 ? -ev : ev);
    return mant + eb;
}

Text WithSign(double v, int digits) {
    if (std::isnan(v)) return Text("NaN");
    if (std::isinf(v)) return Text(v < 0 ? "-Inf" : " Inf");
    std::string s = Format(v, digits);
    if (s[0] != '-') s = " " + s;
    return Text::FromBytes(s);
}

int32_t Fit(double v, std::source_location where) {
    if (!std::isfinite(v) || v < -2147483648.0 || v > 2147483647.0) RaiseError(kErrOverflow, where);
    return static_cast<int32_t>(v);
}

}  // namespace

Text RtStrSingle(float value) { return WithSign(static_cast<double>(value), 7); }
Text RtStrDouble(double value) { return WithSign(value, 16); }

double RtVal(const Text& text) {
    const std::string& s = text.bytes();
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digitsStart = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && s[digitsStart] == '.')) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > expDigits) end = j;
    }
    std::string num = s.substr(start, end - start);
    if (!num.empty() && num[0] == '+') num.erase(0, 1);
    double v = std::strtod(num.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

int32_t RtInt(double value, std::source_location where) { return Fit(std::floor(value), where); }
int32_t RtFix(double value, std::source_location where) { return Fit(std::trunc(value), where); }
int32_t RtCInt(double value, std::source_location where) { return Fit(std::nearbyint(value), where); }
int32_t IndexOf(double value, std::source_location where) { return Fit(std::nearbyint(value), where); }
