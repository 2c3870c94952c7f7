// The runtime every program draws and reads keys through.
//
// One Runtime per run. It owns the canvas (the 1440x900 surface that keeps the
// picture, the palette, the pen and the fonts), the host (a window or the
// headless backend: keys, clock, display), the key script, the random
// numbers and the trace. Lesson code never sees cairo or SDL.
//
// Pixel rules (see canvas.h for the details):
// - Coordinates are pixels of the surface, origin top-left, y down; a
//   coordinate names a pixel centre, so a width-1 line from (x, y) covers
//   exactly the pixels it passes through.
// - Every stroke uses round caps and round joins, at the current pen width.
// - Shapes and glyphs are drawn with binary coverage (no anti-aliasing), so a
//   figure drawn again in colour 15 (the background) erases it exactly.
// - Drawing outside the surface is clipped silently.
// - Every number an operation takes must be finite; anything else raises the
//   runtime error (the caller's line is reported).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <source_location>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/canvas.h"   // the surface size
#include "platform/errors.h"
#include "platform/keymap.h"   // the key codes
#include "platform/text.h"

namespace plat {
class Canvas;
class Host;
class ShotsFolder;
class Trace;
struct Options;
}  // namespace plat

inline constexpr int kBackgroundColor = 15;

enum class BoxShape { Segment = 0, Outline = 1, Filled = 2 };

struct Pt {
    float x;
    float y;
};

class Runtime {
public:
    using Loc = std::source_location;

    // A runtime on the headless backend with a fixed clock: what unit tests
    // use. A key script that does not parse throws std::invalid_argument
    // naming the bad token and where it stands.
    static std::unique_ptr<Runtime> CreateHeadless(const std::string& keys = "", const std::string& clock = "12:00:00",
                                                   const std::string& tracePath = "");
    // A runtime as the command line asks for it.
    static std::unique_ptr<Runtime> Create(const plat::Options& options);

    // `shots` (may be null) takes a picture at every key read and one at
    // the end; `screenshot` (may be empty) names the picture taken at the end.
    Runtime(std::unique_ptr<plat::Canvas> canvas, std::unique_ptr<plat::Host> host,
            std::unique_ptr<plat::Trace> trace, std::string script, std::string clock,
            std::unique_ptr<plat::ShotsFolder> shots, std::string screenshot);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // ---- Drawing ------------------------------------------------------------
    // A segment from (x1, y1) to (x2, y2), or to (x1 + x2, y1 + y2) when `step`
    // is set; with shape Outline or Filled the box with those corners (both
    // corners included). A filled box is filled in `fill` (or `color` when
    // fill is -1) and bordered in `color`.
    void RtLine(float x1, float y1, float x2, float y2, float color, BoxShape shape = BoxShape::Segment,
                float fill = -1, bool step = false, Loc where = Loc::current());
    // Circle, arc, disc or sector at (x, y), radius r. `start` and `end` are
    // fractions of a turn from +x, clockwise as seen (0.25 is straight down);
    // the arc runs from start to end that way, across 1 to 0 when end is
    // smaller; start = end = 0 is the whole circle. `aspect` is height/width
    // (an ellipse). Filled: the disc or sector in `fill` (or `color` when fill
    // is -1), its outline stroked in `color` at the pen width as well.
    void RtCircle(float x, float y, float r, float color, float aspect = 1, float start = 0, float end = 0,
                  bool filled = false, float fill = -1, Loc where = Loc::current());
    // Text in the current font, the first cell's top-left at (x, y). At size
    // 16 and scales 1, 1 a full-width character of the Gothic face fills 16 by
    // 16 px and a half-width one 8 by 16; the scales multiply width and height.
    void RtSymbol(float x, float y, float hscale, float vscale, float color, const Text& text,
                  Loc where = Loc::current());
    // A polyline through the points, or the filled polygon (in `fill`, or
    // `color` when fill is -1) with its outline in `color`.
    void RtConnect(std::span<const Pt> points, float color, bool filled = false, float fill = -1,
                   Loc where = Loc::current());
    // Clears the whole surface to the background.
    void RtCls();

    // ---- Pen and font -------------------------------------------------------
    void RtSetDrawWidth(int32_t width, Loc where = Loc::current());
    int32_t RtGetDrawWidth() const;
    // Face names: "ｺﾞｼｯｸ" and "ゴシック" (one Gothic face), "Times New Roman",
    // "MT Extra" (whose "l" is the script letter). Any other name keeps the
    // Gothic face.
    void RtSetFontName(const Text& face);
    void RtSetFontSize(float size, Loc where = Loc::current());
    void RtSetFontBold(float flag);     // -1 (or any non-zero) on, 0 off
    void RtSetFontItalic(float flag);
    const Text& FontName() const;
    float FontSize() const;
    bool FontBold() const;
    bool FontItalic() const;
    // True when the face a font name stands for (in that weight and slant)
    // has a glyph for `c`, as RtSymbol would draw it.
    bool FontHasCharacter(const Text& face, bool bold, bool italic, char32_t c) const;

    // ---- Window -------------------------------------------------------------
    void RtSetMapMode(int32_t mode);
    void RtMaximizeWindow();

    // ---- Keys ---------------------------------------------------------------
    // The key waiting, as a one-character text, else empty text; never waits.
    Text RtInkey();
    // Blocks until a key is waiting or `timeoutMs` has passed (-1: no
    // timeout), showing the picture meanwhile. Returns true when a key is
    // waiting. Every idle key wait of the programs goes through here: it
    // uses no CPU while it waits. A stop signal a headless run caught ends
    // the program here, as at every drawing operation (ProgramExit, status
    // 128 + N). With a key script, the next scripted key
    // becomes the waiting key at once (a window's close request or exposure
    // is handled first; keys typed meanwhile wait for the script's end); a
    // headless run whose script has run out ends here (ProgramExit, status
    // 0). Closing the window ends the program here (ProgramExit).
    bool WaitForKey(int timeoutMs = -1);
    // The error screen's loop: nothing is read, the window stays responsive
    // until it is closed; a headless run ends at once with status 3.
    [[noreturn]] void IdleUntilClosed();

    // ---- Clock and random numbers -------------------------------------------
    // Time of day as "HH:MM:SS".
    Text RtTime() const;
    void RtRandomize(int32_t seed);
    // A value in [0, 1), never above 1 - 2^-23, so INT(RND * n + 1) <= n in
    // single precision.
    float RtRnd();

    // ---- Trace --------------------------------------------------------------
    // Records a whole text drawn by a text routine (`routine` as the code names
    // it), before its glyphs.
    void TraceRun(const char* routine, float x, float y, float color, const Text& text);
    // Everything drawn while a MeasureScope lives is marked as measuring.
    class MeasureScope {
    public:
        explicit MeasureScope(Runtime& rt);
        ~MeasureScope();
        MeasureScope(const MeasureScope&) = delete;
        MeasureScope& operator=(const MeasureScope&) = delete;

    private:
        Runtime& rt_;
    };
    bool Measuring() const { return measureDepth_ > 0; }
    // The run reached the error screen with this error (the end event
    // names it).
    void NoteError(int code, int line);
    // Records the end of the program (status and reason), writes the final
    // screenshot(s) and closes the trace. Returns the exit status: `status`,
    // or kExitOutputFailed when an output could not be written.
    int Finish(int status, ExitReason reason);
    // What could not be written ("cannot write the trace file ..."), or empty.
    const std::string& OutputError() const { return outputError_; }
    // Writes out the trace recorded so far.
    void FlushTrace();

    // ---- For tests and the backends -------------------------------------------
    plat::Canvas& canvas() { return *canvas_; }
    plat::Host& host() { return *host_; }
    // Colour code (0-15) of the surface pixel at (x, y), or -1 outside.
    int PixelColor(int x, int y) const;
    // Writes a PNG of the screen to `path` (links followed as --screenshot
    // follows them); false with the reason in `why`.
    bool WritePng(const std::string& path, std::string* why = nullptr) const;

private:
    friend class MeasureScope;
    int ColorCode(float color, Loc where) const;
    void TakeKey(const std::string& key);
    void Emit(nlohmann::json&& event);
    // The screen as a PNG, in `bytes`; false (and OutputError set) when it
    // could not be made.
    bool EncodeScreen(std::string& bytes);
    // Writes the screen as the next --shots picture (a shot replaces whatever
    // its name held in the shots folder); false (and OutputError set) when
    // it could not be written. `bytes`: the screen, already encoded.
    bool WriteNextShot(const std::string* bytes = nullptr);
    // Writes the --screenshot picture, where a link leads.
    bool WriteScreenshot(const std::string& bytes);
    // "cannot write the trace file PATH: why".
    std::string TraceFailure() const;
    // Ends the run when a stop signal was caught (ProgramExit).
    void StopOnSignal();
    // Records an output that could not be written and ends the program.
    [[noreturn]] void OutputFailed(const std::string& what);

    std::unique_ptr<plat::Canvas> canvas_;
    std::unique_ptr<plat::Host> host_;
    std::unique_ptr<plat::Trace> trace_;
    std::string script_;   // one key code per byte
    std::size_t scriptPos_ = 0;
    std::optional<std::string> pendingKey_;
    std::string clock_;
    std::unique_ptr<plat::ShotsFolder> shots_;
    std::string screenshot_;
    long shotCount_ = 0;
    int measureDepth_ = 0;
    uint32_t rndState_ = 0x50000u;
    bool finished_ = false;
    std::string outputError_;
    int errorCode_ = 0, errorLine_ = 0;
    int signal_ = 0;   // the stop signal that ended the run
    // Pen and font.
    Text fontName_ = "ｺﾞｼｯｸ";
    float fontSize_ = 16;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    int32_t drawWidth_ = 1;
    int32_t mapMode_ = 0;
};
