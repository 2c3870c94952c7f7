// The texts of the number tables, for lessons that write the numbers of a
// figure or a generated problem into their sentences.
#include "platform/numbers.h"
#include "shell/shell.h"
#include "text/wide_text.h"

namespace {

// target(CharIndex) := the text of source(CharIndex) without its blank.
template <class Source, class Target>
void FormatEntry(Program& p, const Source& source, Target& target) {
    target(p.CharIndex) = RtStrSingle(source(p.CharIndex));
    p.TextArg = target(p.CharIndex);
    StripSpaces(p);
    target(p.CharIndex) = p.TextArg;
}

}  // namespace

void FormatNumberTables(Program& p) {
    for (p.CharIndex = 1; p.CharIndex <= 80; p.CharIndex += 1) FormatEntry(p, p.TableValueB, p.TableTextB);
    for (p.CharIndex = 1; p.CharIndex <= 40; p.CharIndex += 1) FormatEntry(p, p.TableValueA, p.TableTextA);
    for (p.CharIndex = 0; p.CharIndex <= 20; p.CharIndex += 1) {
        FormatEntry(p, p.PointX2, p.TableTextX2);
        FormatEntry(p, p.PointY2, p.TableTextY2);
    }
}
