// String and number helpers: parentheses around a negative term, parentheses
// and plus signs taken out, the divisors of a whole number.
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/text.h"

namespace {

// TextArg without every byte equal to `sign`. The signs looked for are
// ASCII bytes below 40h, never the trail byte of a double-byte character.
void RemoveByte(Program& p, char sign) {
    std::string kept;
    for (char byte : p.TextArg.bytes()) {
        if (byte != sign) kept += byte;
    }
    p.TextArg = Text::FromBytes(std::move(kept));
}

}  // namespace

void ParenthesizeNegative(Program& p) {
    static const Text minus{"-"};
    if (RtByteInstr(p.TextArg, minus) != 0) p.TextArg = Text("(") + p.TextArg + Text(")");
}

void StripParensAndPlus(Program& p) {
    RemoveByte(p, '(');
    RemoveByte(p, ')');
    RemoveByte(p, '+');
}

void ListDivisors(Program& p) {
    p.Seg2Y2 = std::fabs(p.Seg2Y2);
    p.DivisorCount = 0;
    p.LoopIndex = 1;
    do {
        const float quotient = Checked(p.Seg2Y2 / p.LoopIndex);
        if (quotient - std::floor(quotient) == 0) {
            // The list ends when the point tables are full, where the old
            // program stopped on an index out of range.
            if (p.DivisorCount >= static_cast<float>(p.PointX.Bound()) ||
                p.DivisorCount >= static_cast<float>(p.PointY.Bound())) {
                break;
            }
            p.DivisorCount += 1;
            p.PointX(p.DivisorCount) = p.LoopIndex;
            p.PointY(p.DivisorCount) = quotient;
        }
        // Past 2^24 a single-precision counter no longer steps by one; the
        // search stops there instead of counting forever.
        const float tested = p.LoopIndex;
        p.LoopIndex += 1;
        if (p.LoopIndex == tested) break;
    } while (p.LoopIndex <= p.Seg2Y2);
    p.HalfDivisorCount = static_cast<float>(RtCInt(p.DivisorCount / 2));
}
