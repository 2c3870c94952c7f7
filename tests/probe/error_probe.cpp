// A program built on the shell whose only "lesson" fails on purpose, so the
// tests can see the error screen reached from deep inside nested calls.
//   key 1: a division by zero three calls down
//   key 2: an index past the end of PointX
//   key 3: a non-finite coordinate handed to the drawing
#include "platform/errors.h"
#include "platform/strings.h"
#include "shell/startup.h"

namespace {

void Innermost(Program& p, int kind) {
    switch (kind) {
        case 1: p.WorkA = Div(1.0f, p.WorkB); break;
        case 2: p.PointX(p.info.pointBound + 1) = 1; break;
        default: p.rt.RtLine(0, 0, 1.0f / p.WorkB, 0, 0); break;
    }
}
void Middle(Program& p, int kind) { Innermost(p, kind); }
void Outer(Program& p, int kind) { Middle(p, kind); }

void ProbeMenu(Program& p) {
    p.rt.RtSetFontBold(-1);   // the error text takes whatever font is current
    while (true) {
        p.rt.WaitForKey();
        const Text key = p.rt.RtInkey();
        p.WorkB = 0;
        if (key == Text("1")) Outer(p, 1);
        if (key == Text("2")) Outer(p, 2);
        if (key == Text("3")) Outer(p, 3);
    }
}

}  // namespace

extern const ProgramInfo probeInfo;
const ProgramInfo probeInfo{"error_probe", "Probe", "試験", 50, false, ProbeMenu};

int main(int argc, char** argv) { return RunProgram(argc, argv, probeInfo); }
