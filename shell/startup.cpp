// Start-up, the error screen, and the run of a whole program.
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "platform/numbers.h"
#include "platform/options.h"
#include "platform/runtime.h"
#include "platform/signals.h"
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
    // For the people who fix it: where, in the source, and what.
    std::fprintf(stderr, "%s: %s:%d %s: %d %s\n", p.info.binary, error.file, error.line, error.function, error.code,
                 error.what());
    p.rt.NoteError(error.code, error.line);
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
    plat::OpenStandardStreams();
    // A closed pipe (--trace /dev/stdout | head) is a failed output, reported
    // like any other, not a signal that kills the program.
    std::signal(SIGPIPE, SIG_IGN);
    // So is a file that reaches the size limit (ulimit -f): the write fails,
    // the run ends with status 4 and a picture cut short is removed.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string description =
        std::string(info.title) + " (" + info.japaneseName + "): geometry lessons for the first year of lower-secondary school";
    plat::ParseResult parsed;
    try {
        parsed = plat::ParseOptions(argc, argv, info.binary, description);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.binary, e.what());
        return kExitUsage;
    }
    if (!parsed.options) return parsed.exitStatus;
    plat::Options options = *parsed.options;
    options.windowTitle = std::string(info.title) + " - " + info.japaneseName;
    // Ctrl+C or kill ends a headless run as closing the window ends one with
    // a window: its outputs are closed whole. (SDL turns them into a close
    // request for a window.)
    if (options.headless) plat::CatchStopSignals();

    std::unique_ptr<Runtime> rt;
    try {
        rt = Runtime::Create(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.binary, e.what());
        return kExitCannotStart;
    }
    auto program = CreateProgram(*rt, info);
    int status = kExitOk;
    ExitReason reason = ExitReason::Finished;
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
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: internal error: %s\n", info.binary, e.what());
            HandleRuntimeError(*program, RuntimeError(0, kErrInternal));
        }
    } catch (const ProgramExit& e) {
        status = e.status;
        reason = e.reason;
    }
    status = rt->Finish(status, reason);
    if (!rt->OutputError().empty()) std::fprintf(stderr, "%s: %s\n", info.binary, rt->OutputError().c_str());
    if (reason == ExitReason::Signal && status != kExitOutputFailed) {
        program.reset();
        rt.reset();
        plat::EndBySignal(status - 128);
    }
    return status;
}
