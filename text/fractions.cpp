// Fraction arithmetic and formatting: normal forms, their markup texts, the
// greatest common divisor and least common multiple, and the sum of two
// fractions over a common denominator.
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/wide_text.h"
#include "text/text.h"

namespace {

struct FractionCodes {
    Text bar{"ﾀ"}, slash{"/"}, plus{"+"}, minus{"-"}, equals{"="};
    Text plusBar{"+ﾀ"}, minusBar{"-ﾀ"};
};

const FractionCodes& Codes() {
    static const FractionCodes codes;
    return codes;
}

// The text of a number as the library lays it out: the runtime's text with
// its blank taken out, through TextArg as every layout routine does.
Text NumberText(Program& p, float value) {
    p.TextArg = RtStrSingle(value);
    StripSpaces(p);
    return p.TextArg;
}

// "ﾀ" + top + "/" + bottom + "ﾀ".
Text Stacked(const Text& top, const Text& bottom) {
    const FractionCodes& k = Codes();
    return k.bar + top + k.slash + bottom + k.bar;
}

// A term top/bottom of a sum as it stands alone (a positive one without its
// sign) and with its sign always written.
struct SignedTerm {
    Text alone, withSign;
};

SignedTerm Term(bool positive, const Text& top, const Text& bottom) {
    const FractionCodes& k = Codes();
    if (positive) return {Stacked(top, bottom), k.plusBar + top + k.slash + bottom + k.bar};
    const Text negative = k.minusBar + top + k.slash + bottom + k.bar;
    return {negative, negative};
}

}  // namespace

void ComputeGcdLcm(Program& p) {
    // Non-whole operands can make the remainders shrink slowly; the search
    // gives up after a bound that no pair of whole numbers in single
    // precision comes near (Euclid needs fewer than 200 steps for them).
    constexpr int kMostSteps = 1000;
    p.SavedPenX = p.FractionNum;
    p.EuclidDivisor = p.FractionDen;
    const float product = Checked(p.FractionNum * p.FractionDen);
    for (int step = 0; p.EuclidDivisor != 0 && step < kMostSteps; ++step) {
        const float a = p.SavedPenX;
        const float b = p.EuclidDivisor;
        const float remainder = Checked(a - std::floor(Checked(a / b)) * b);
        p.SavedPenX = b;
        p.EuclidDivisor = remainder;
    }
    p.GcdValue = p.SavedPenX;
    // Two zero operands have no divisor: both results are 0 instead of the
    // old division by zero.
    p.LcmValue = p.GcdValue == 0 ? 0.0f : Checked(product / p.GcdValue);
}

void StripMarkupCodes(Program& p) {
    // Character by character, so that the trail byte of a double-byte
    // character is never taken for one of the codes.
    const FractionCodes& k = Codes();
    static const Text caret{"^"}, overlineEnd{"ﾝ"};
    Text kept;
    const int32_t length = RtCharLen(p.TextArg);
    for (int32_t i = 1; i <= length; ++i) {
        const Text ch = RtCharMid(p.TextArg, i, 1);
        if (ch == caret || ch == overlineEnd || ch == k.bar || ch == k.equals) continue;
        kept += ch;
    }
    p.TextArg = kept;
}

void FormatFraction(Program& p) {
    const FractionCodes& k = Codes();
    const float givenNum = p.FractionNum;
    const float givenDen = p.FractionDen;
    p.FractionSign = Checked(givenNum * givenDen) < 0 ? -1.0f : 1.0f;

    float num = givenNum;
    float den = givenDen;
    if (givenDen == 0) {
        p.FractionKind = 0;
    } else if (givenDen == 1) {
        p.FractionKind = 1;
    } else {
        p.FractionNum = std::fabs(givenNum);
        p.FractionDen = std::fabs(givenDen);
        ComputeGcdLcm(p);
        num = Checked(p.FractionSign * std::fabs(givenNum) / p.GcdValue);
        den = Checked(std::fabs(givenDen) / p.GcdValue);
        if (num == 0 || den == 1) {
            p.FractionKind = 1;
        } else if (den == givenDen && p.FractionSign == 1) {
            p.FractionKind = 3;
        } else {
            p.FractionKind = 2;
        }
    }
    p.FractionNum = num;
    p.FractionDen = den;

    p.FractionNumText = NumberText(p, givenNum);
    const Text givenDenText = NumberText(p, givenDen);
    p.FractionDenText = NumberText(p, den);
    Text digits = NumberText(p, num);
    p.TextLength = static_cast<float>(RtCharLen(digits));
    if (RtCharLeft(digits, 1) == k.minus) digits = RtCharMid(digits, 2);

    p.UpperText = Stacked(p.FractionNumText, givenDenText);
    const bool negative = num < 0;
    if (p.FractionKind == 1) {
        p.FractionLead = negative ? k.minus + digits : digits;
        p.FractionSigned = (negative ? k.minus : k.plus) + digits;
    } else if (p.FractionKind == 2 || p.FractionKind == 3) {
        const Text stacked = Stacked(digits, p.FractionDenText);
        p.FractionLead = negative ? k.minus + stacked : stacked;
        p.FractionSigned = (negative ? k.minus : k.plus) + stacked;
    }

    if (p.FractionKind == 3) {
        p.SumEquationText = p.FractionLead;
        p.SignedEquationText = p.FractionSigned;
    } else {
        const Text lead = p.FractionSign == 1 ? k.plus : Text();
        p.SumEquationText = p.UpperText + k.equals + p.FractionLead;
        p.SignedEquationText = lead + p.UpperText + k.equals + p.FractionSigned;
    }

    p.TextArg = p.FractionLead;
    StripMarkupCodes(p);
    p.FractionLeadPlain = p.TextArg;
    p.TextArg = p.FractionSigned;
    StripMarkupCodes(p);
    p.FractionSignedPlain = p.TextArg;
}

void AddFractions(Program& p) {
    const FractionCodes& k = Codes();
    if (Checked(p.FirstNumerator * p.FirstDenominator) < 0) {
        p.FirstNumerator = -std::fabs(p.FirstNumerator);
        p.FirstDenominator = std::fabs(p.FirstDenominator);
    }
    if (Checked(p.SecondNumerator * p.SecondDenominator) < 0) {
        p.SecondNumerator = -std::fabs(p.SecondNumerator);
        p.SecondDenominator = std::fabs(p.SecondDenominator);
    }

    if (p.FirstDenominator == 1 && p.SecondDenominator == 1) {
        p.FractionDen = 1;
        p.ScaledFirstNumerator = p.FirstNumerator;
        p.ScaledSecondNumerator = p.SecondNumerator;
    } else if (p.FirstDenominator == 1) {
        p.FractionDen = p.SecondDenominator;
        p.ScaledFirstNumerator = Checked(p.FirstNumerator * p.SecondDenominator);
        p.ScaledSecondNumerator = p.SecondNumerator;
    } else if (p.SecondDenominator == 1) {
        p.FractionDen = p.FirstDenominator;
        p.ScaledFirstNumerator = p.FirstNumerator;
        p.ScaledSecondNumerator = Checked(p.SecondNumerator * p.FirstDenominator);
    } else {
        p.FractionNum = std::fabs(p.FirstDenominator);
        p.FractionDen = std::fabs(p.SecondDenominator);
        FormatFraction(p);
        // A zero second denominator leaves the divisor unformatted; it is
        // worked out here, so that the sum comes out over 0 instead of
        // dividing by a stale or zero divisor.
        if (p.SecondDenominator == 0) {
            p.FractionNum = std::fabs(p.FirstDenominator);
            p.FractionDen = 0;
            ComputeGcdLcm(p);
        }
        const float divisor = p.GcdValue == 0 ? 1.0f : p.GcdValue;
        p.FractionDen = p.LcmValue;
        p.ScaledFirstNumerator = Checked(p.FirstNumerator * p.SecondDenominator / divisor);
        p.ScaledSecondNumerator = Checked(p.SecondNumerator * p.FirstDenominator / divisor);
    }
    p.SumNumerator = Checked(p.ScaledFirstNumerator + p.ScaledSecondNumerator);

    const Text a = NumberText(p, std::fabs(p.ScaledFirstNumerator));
    p.FractionNumText = a;
    p.FirstNumeratorText = a;
    const Text d = NumberText(p, p.FractionDen);
    p.FractionDenText = d;
    const Text b = NumberText(p, std::fabs(p.ScaledSecondNumerator));
    p.SecondNumeratorText = b;
    p.SecondNumeratorDigits = b;
    const Text s = NumberText(p, std::fabs(p.SumNumerator));
    p.SumNumeratorText = s;

    const SignedTerm first = Term(p.FirstNumerator > 0, a, d);
    p.UpperText = first.alone;
    p.FirstTermSigned = first.withSign;
    const SignedTerm second = Term(p.SecondNumerator > 0, b, d);
    p.FractionLead = second.alone;
    p.FractionSigned = second.withSign;
    if (p.FirstNumerator < 0) p.FractionNumText = k.minus + a;
    p.SecondNumeratorText = (p.SecondNumerator < 0 ? k.minus : k.plus) + b;
    const SignedTerm sum = Term(p.SumNumerator > 0, s, d);
    p.SumFractionText = sum.alone;
    p.SumFractionSigned = sum.withSign;
    p.SumEquationText = Stacked(p.FractionNumText + p.SecondNumeratorText, d);
    p.SumExpressionText = p.UpperText + p.FractionSigned;
    p.FirstTermMagnitude = Stacked(a, d);
    p.SecondTermMagnitude = Stacked(b, d);
}
