// Start-up, the error screen, and the run of a whole program.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "platform/numbers.h"
#include "platform/options.h"
#include "platform/runtime.h"
#include "platform/strings.h"
#include "shell/startup.h"

namespace {

// Code shown for a failure that is not one of the runtime's own checks
// (memory exhausted, an unexpected library error).
constexpr int kErrInternal = 51;

}  // namespace

void ReseedRandom(Program& p) {
    const Text now = p.rt.RtTime();
    p.WorkA = static_cast<float>(RtVal(RtCharLeft(now, 2)) + RtVal(RtCharMid(now, 4, 2)) + RtVal(RtCharRight(now, 2)));
    p.rt.RtRandomize(RtInt(p.WorkA));
}

void StartUp(Program& p) {
    // The error trap is the try block around the whole run (RunProgram), in
    // place before this runs.
    p.rt.RtSetMapMode(1);
    p.rt.RtMaximizeWindow();
    p.rt.RtSetFontName("ｺﾞｼｯｸ");
    p.rt.RtSetFontSize(16);
    p.rt.RtSetDrawWidth(3);
    ReseedRandom(p);
    p.PenColor = 4;
    p.PromptX = 1056;
    p.PromptY = 648;
    p.ProgramTitle = p.info.title;

    p.TableTextA.Create(40);
    p.TableValueA.Create(40);
    p.TableTextB.Create(80);
    p.TableValueB.Create(80);
    p.PolygonVertex.Create(10, 2);
    p.PointX.Create(p.info.pointBound);
    p.PointY.Create(p.info.pointBound);
    p.PointAngle.Create(10);
    p.PointDirection.Create(10);
    p.PointLabel.Create(40);
    p.PointX2.Create(40);
    p.PointY2.Create(40);
    p.TableTextX2.Create(20);
    p.TableTextY2.Create(20);
}

void HandleRuntimeError(Program& p, const RuntimeError& error) {
    try {
        p.rt.RtCls();
        p.WorkA = static_cast<float>(error.line);
        p.TextArg = RtStrSingle(p.WorkA);
        p.WorkB = static_cast<float>(error.code);
        p.CurChar = RtStrSingle(p.WorkB);
        // Drawn as it stands (half-width digits, the blanks kept), in whatever
        // font the program was using when the error came.
        p.rt.RtSymbol(288, 432, 1, 1, 13,
                      p.TextArg + "," + p.CurChar + "エラーが発生しました。マウスで×をクリックして下さい。");
    } catch (const RuntimeError&) {
        // Nothing more can be shown; the screen stays as it is.
    }
    p.rt.IdleUntilClosed();
}

int RunProgram(int argc, char** argv, const ProgramInfo& info) {
    const std::string description =
        std::string(info.title) + " (" + info.japaneseName + "): geometry lessons for the first year of lower-secondary school";
    auto parsed = plat::ParseOptions(argc, argv, info.binary, description);
    if (!parsed.options) return parsed.exitStatus;
    plat::Options options = *parsed.options;
    options.windowTitle = std::string(info.title) + " - " + info.japaneseName;

    std::unique_ptr<Runtime> rt;
    try {
        rt = Runtime::Create(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.binary, e.what());
        return 1;
    }
    auto program = CreateProgram(*rt, info);
    int status = 0;
    try {
        try {
            StartUp(*program);
            if (info.mainMenu) {
                info.mainMenu(*program);   // returns when the last item ends the program
            } else {
                while (true) {
                    rt->WaitForKey();
                    rt->RtInkey();
                }
            }
        } catch (const RuntimeError& e) {
            HandleRuntimeError(*program, e);
        } catch (const std::exception&) {
            HandleRuntimeError(*program, RuntimeError(0, kErrInternal));
        }
    } catch (const ProgramExit& e) {
        status = e.status;
    }
    rt->Finish(status);
    return status;
}
