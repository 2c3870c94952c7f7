#include "platform/runtime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <future>
#include <stdexcept>

#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/options.h"
#include "platform/outputs.h"
#include "platform/signals.h"
#include "platform/trace.h"

using nlohmann::json;
using plat::Num;

namespace {

plat::Face FaceOf(const Text& name) {
    if (name == Text("Times New Roman")) return plat::Face::Serif;
    if (name == Text("MT Extra")) return plat::Face::Extra;
    return plat::Face::Gothic;
}

bool Finite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

std::string LocalTimeOfDay() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

}  // namespace

std::unique_ptr<Runtime> Runtime::CreateHeadless(const std::string& keys, const std::string& clock,
                                                 const std::string& tracePath) {
    std::string error;
    auto script = plat::ParseKeyScript(keys, error);
    if (!script) throw std::invalid_argument(error);
    std::unique_ptr<plat::Trace> trace;
    if (!tracePath.empty()) trace = std::make_unique<plat::Trace>(tracePath);
    return std::make_unique<Runtime>(std::make_unique<plat::Canvas>(), plat::CreateHeadlessHost(), std::move(trace),
                                     std::move(*script), clock, nullptr, "");
}

std::unique_ptr<Runtime> Runtime::Create(const plat::Options& o) {
    std::unique_ptr<plat::Canvas> canvas;
    std::unique_ptr<plat::Host> host;
    if (o.headless) {
        canvas = std::make_unique<plat::Canvas>();
        host = plat::CreateHeadlessHost();
    } else {
        // The fonts load while the window opens: the two take about as long,
        // and the first picture waits for both.
        auto canvasJob = std::async(std::launch::async, [] { return std::make_unique<plat::Canvas>(); });
        host = plat::CreateSdlHost(o.windowTitle);   // on failure the job is waited for, then dropped
        canvas = canvasJob.get();
    }
    // The outputs open once the program has started: a start that fails
    // leaves every file and folder as it was. The shots folder comes last:
    // taking it clears the shots a run before left there.
    std::unique_ptr<plat::Trace> trace;
    if (!o.trace.empty()) trace = std::make_unique<plat::Trace>(o.trace);
    std::unique_ptr<plat::ShotsFolder> shots;
    if (!o.shots.empty()) shots = std::make_unique<plat::ShotsFolder>(o.shots);
    return std::make_unique<Runtime>(std::move(canvas), std::move(host), std::move(trace), o.keys, o.clock,
                                     std::move(shots), o.screenshot);
}

Runtime::Runtime(std::unique_ptr<plat::Canvas> canvas, std::unique_ptr<plat::Host> host,
                 std::unique_ptr<plat::Trace> trace, std::string script, std::string clock,
                 std::unique_ptr<plat::ShotsFolder> shots, std::string screenshot)
    : canvas_(std::move(canvas)),
      host_(std::move(host)),
      trace_(std::move(trace)),
      script_(std::move(script)),
      clock_(std::move(clock)),
      shots_(std::move(shots)),
      screenshot_(std::move(screenshot)) {}

Runtime::~Runtime() = default;

int Runtime::ColorCode(float color, Loc where) const {
    if (!std::isfinite(color)) RaiseError(kErrOverflow, where);
    long c = std::lround(color);
    if (c < 0 || c > 15) RaiseError(kErrIllegalCall, where);
    return static_cast<int>(c);
}

// ---- Drawing ----------------------------------------------------------------

void Runtime::RtLine(float x1, float y1, float x2, float y2, float color, BoxShape shape, float fill, bool step,
                     Loc where) {
    StopOnSignal();
    if (!Finite({x1, y1, x2, y2, color, fill})) RaiseError(kErrOverflow, where);
    if (step) {
        x2 = Checked(x1 + x2, where);
        y2 = Checked(y1 + y2, where);
    }
    const int c = ColorCode(color, where);
    if (shape == BoxShape::Segment) {
        canvas_->Line(x1, y1, x2, y2, c, drawWidth_);
        if (trace_) Emit(json{{"op", "line"}, {"x1", Num(x1)}, {"y1", Num(y1)}, {"x2", Num(x2)}, {"y2", Num(y2)},
                  {"color", c}, {"width", drawWidth_}});
    } else {
        const bool filled = shape == BoxShape::Filled;
        const int f = filled ? (fill < 0 ? c : ColorCode(fill, where)) : -1;
        canvas_->Box(x1, y1, x2, y2, c, f, filled, drawWidth_);
        if (trace_) Emit(json{{"op", "box"}, {"x1", Num(x1)}, {"y1", Num(y1)}, {"x2", Num(x2)}, {"y2", Num(y2)},
                  {"color", c}, {"fill", filled ? json(f) : json(nullptr)}, {"width", drawWidth_}});
    }
}

void Runtime::RtCircle(float x, float y, float r, float color, float aspect, float start, float end, bool filled,
                       float fill, Loc where) {
    StopOnSignal();
    if (!Finite({x, y, r, color, aspect, start, end, fill})) RaiseError(kErrOverflow, where);
    if (r < 0) RaiseError(kErrIllegalCall, where);
    const int c = ColorCode(color, where);
    const int f = filled ? (fill < 0 ? c : ColorCode(fill, where)) : -1;
    canvas_->Circle(x, y, r, c, aspect, start, end, filled, f, drawWidth_);
    if (trace_) Emit(json{{"op", "circle"}, {"x", Num(x)},         {"y", Num(y)},         {"r", Num(r)},
               {"color", c},     {"start", Num(start)}, {"end", Num(end)},     {"filled", filled},
               {"fill", filled ? json(f) : json(nullptr)}, {"aspect", Num(aspect)}, {"width", drawWidth_}});
}

void Runtime::RtSymbol(float x, float y, float hscale, float vscale, float color, const Text& text, Loc where) {
    StopOnSignal();
    if (!Finite({x, y, hscale, vscale, color})) RaiseError(kErrOverflow, where);
    const int c = ColorCode(color, where);
    plat::FontState font{FaceOf(fontName_), fontSize_, fontBold_, fontItalic_};
    const std::string utf8 = text.utf8();
    canvas_->Symbol(x, y, hscale, vscale, c, utf8, font);
    if (trace_) Emit(json{{"op", "text"},        {"x", Num(x)},           {"y", Num(y)},          {"text", utf8},
               {"color", c},          {"font", fontName_.utf8()}, {"size", Num(fontSize_)}, {"bold", fontBold_},
               {"italic", fontItalic_}, {"hscale", Num(hscale)}, {"vscale", Num(vscale)}});
}

void Runtime::RtConnect(std::span<const Pt> points, float color, bool filled, float fill, Loc where) {
    StopOnSignal();
    std::vector<plat::Point> pts;
    pts.reserve(points.size());
    json list = json::array();
    for (const Pt& p : points) {
        if (!Finite({p.x, p.y})) RaiseError(kErrOverflow, where);
        pts.push_back({p.x, p.y});
        if (trace_) list.push_back(json::array({Num(p.x), Num(p.y)}));
    }
    if (!Finite({color, fill})) RaiseError(kErrOverflow, where);
    const int c = ColorCode(color, where);
    const int f = filled ? (fill < 0 ? c : ColorCode(fill, where)) : -1;
    canvas_->Polyline(pts, c, filled, f, drawWidth_);
    if (trace_) Emit(json{{"op", "polyline"}, {"points", list}, {"color", c}, {"filled", filled},
               {"fill", filled ? json(f) : json(nullptr)}, {"width", drawWidth_}});
}

void Runtime::RtCls() {
    StopOnSignal();
    canvas_->Clear();
    if (trace_) trace_->Write(json{{"op", "cls"}});
}

// ---- Pen and font -------------------------------------------------------------

void Runtime::RtSetDrawWidth(int32_t width, Loc where) {
    if (width < 0 || width > 1000) RaiseError(kErrIllegalCall, where);
    drawWidth_ = width;
}

int32_t Runtime::RtGetDrawWidth() const { return drawWidth_; }

void Runtime::RtSetFontName(const Text& face) { fontName_ = face; }

void Runtime::RtSetFontSize(float size, Loc where) {
    if (!std::isfinite(size)) RaiseError(kErrOverflow, where);
    if (size < 0 || size > 10000) RaiseError(kErrIllegalCall, where);
    fontSize_ = size;
}

void Runtime::RtSetFontBold(float flag) { fontBold_ = flag != 0; }
void Runtime::RtSetFontItalic(float flag) { fontItalic_ = flag != 0; }
const Text& Runtime::FontName() const { return fontName_; }
bool Runtime::FontHasCharacter(const Text& face, bool bold, bool italic, char32_t c) const {
    return canvas_->HasCharacter(plat::FontState{FaceOf(face), fontSize_, bold, italic}, c);
}
float Runtime::FontSize() const { return fontSize_; }
bool Runtime::FontBold() const { return fontBold_; }
bool Runtime::FontItalic() const { return fontItalic_; }

// ---- Window -------------------------------------------------------------------

void Runtime::RtSetMapMode(int32_t mode) { mapMode_ = mode; }
void Runtime::RtMaximizeWindow() { host_->Maximize(); }

// ---- Keys ---------------------------------------------------------------------

bool Runtime::EncodeScreen(std::string& bytes) {
    if (canvas_->EncodePng(bytes)) return true;
    if (outputError_.empty()) outputError_ = "cannot make a picture of the screen: no memory";
    return false;
}

bool Runtime::WriteNextShot(const std::string* encoded) {
    std::string own;
    if (!encoded && !EncodeScreen(own)) return false;
    const std::string name = plat::ShotName(++shotCount_);
    std::string why;
    if (shots_->Place(name, encoded ? *encoded : own, why)) return true;
    if (outputError_.empty())
        outputError_ =
            "cannot write the picture " + (std::filesystem::path(shots_->Path()) / name).string() + ": " + why;
    return false;
}

bool Runtime::WriteScreenshot(const std::string& bytes) {
    std::string why;
    if (plat::PlaceFile(screenshot_, plat::Links::Follow, bytes, why)) return true;
    if (outputError_.empty()) outputError_ = "cannot write the picture " + screenshot_ + ": " + why;
    return false;
}

void Runtime::StopOnSignal() {
    if (finished_) return;
    if (const int signal = plat::PendingStopSignal(); signal != 0) {
        signal_ = signal;
        throw ProgramExit{128 + signal, ExitReason::Signal};
    }
}

void Runtime::OutputFailed(const std::string& what) {
    if (outputError_.empty()) outputError_ = what;
    throw ProgramExit{kExitOutputFailed, ExitReason::OutputFailed};
}

void Runtime::TakeKey(const std::string& key) {
    if (shots_ && !WriteNextShot()) OutputFailed(outputError_);
    Text k = Text::FromBytes(key);
    Emit(json{{"op", "key"}, {"key", k.utf8()}, {"code", key.empty() ? 0 : static_cast<unsigned char>(key[0])}});
}

Text Runtime::RtInkey() {
    StopOnSignal();
    if (!pendingKey_) {
        if (auto key = host_->PollKey(*canvas_)) pendingKey_ = *key;
    }
    if (!pendingKey_) return {};
    std::string key = *pendingKey_;
    pendingKey_.reset();
    TakeKey(key);
    return Text::FromBytes(key);
}

bool Runtime::WaitForKey(int timeoutMs) {
    StopOnSignal();
    if (pendingKey_) return true;
    if (scriptPos_ < script_.size()) {
        host_->HandlePending(*canvas_);
        pendingKey_ = std::string(1, script_[scriptPos_++]);
        return true;
    }
    if (auto key = host_->WaitKey(timeoutMs, *canvas_)) {
        pendingKey_ = *key;
        return true;
    }
    return false;
}

void Runtime::IdleUntilClosed() {
    if (!host_->Interactive()) throw ProgramExit{kExitErrorScreen, ExitReason::ErrorScreen};
    while (true) {
        try {
            host_->WaitKey(-1, *canvas_);   // keys are ignored here
        } catch (const ProgramExit&) {
            throw ProgramExit{kExitErrorScreen, ExitReason::ErrorScreen};
        }
    }
}

// ---- Clock and random numbers -------------------------------------------------

Text Runtime::RtTime() const { return Text(clock_.empty() ? LocalTimeOfDay() : clock_); }

void Runtime::RtRandomize(int32_t seed) {
    rndState_ = static_cast<uint32_t>(seed) * 2654435761u + 0x9E3779B9u;
    for (int i = 0; i < 4; ++i) RtRnd();
}

float Runtime::RtRnd() {
    rndState_ = rndState_ * 1664525u + 1013904223u;
    // The top 23 bits: k / 2^23 is exact in single precision and at most
    // 1 - 2^-23.
    return static_cast<float>(rndState_ >> 9) * (1.0f / 8388608.0f);
}

// ---- Trace --------------------------------------------------------------------

void Runtime::TraceRun(const char* routine, float x, float y, float color, const Text& text) {
    if (!trace_) return;
    Emit(json{{"op", "run"}, {"routine", routine}, {"x", Num(x)}, {"y", Num(y)}, {"color", Num(color)},
              {"text", text.utf8()}});
}

void Runtime::Emit(nlohmann::json&& event) {
    if (!trace_) return;
    if (Measuring()) event["measure"] = true;
    if (trace_->Write(event)) return;
    if (trace_->Interrupted()) StopOnSignal();
    OutputFailed(TraceFailure());
}

Runtime::MeasureScope::MeasureScope(Runtime& rt) : rt_(rt) { ++rt_.measureDepth_; }
Runtime::MeasureScope::~MeasureScope() { --rt_.measureDepth_; }

void Runtime::NoteError(int code, int line) {
    errorCode_ = code;
    errorLine_ = line;
}

int Runtime::Finish(int status, ExitReason reason) {
    if (finished_) return outputError_.empty() ? status : kExitOutputFailed;
    finished_ = true;
    // The pictures are wanted even after a failed trace, and the other way round.
    std::string bytes;
    if ((shots_ || !screenshot_.empty()) && EncodeScreen(bytes)) {
        if (shots_) WriteNextShot(&bytes);
        if (!screenshot_.empty()) WriteScreenshot(bytes);
    }
    if (trace_ && !trace_->Flush() && outputError_.empty() && !trace_->Interrupted())
        outputError_ = TraceFailure();
    if (trace_) {
        auto endEvent = [&](bool failed) {
            json end{{"op", "end"}, {"status", failed ? int{kExitOutputFailed} : status},
                     {"reason", ExitReasonName(failed ? ExitReason::OutputFailed : reason)}};
            if (reason == ExitReason::ErrorScreen) {
                end["code"] = errorCode_;
                end["line"] = errorLine_;
            }
            if (reason == ExitReason::Signal && !failed) end["signal"] = plat::StopSignalName(signal_);
            return end;
        };
        trace_->WriteLast(endEvent(!outputError_.empty()), endEvent(true));
    }
    if (trace_ && !trace_->Close() && outputError_.empty() && !trace_->Interrupted())
        outputError_ = TraceFailure();
    return outputError_.empty() ? status : kExitOutputFailed;
}

std::string Runtime::TraceFailure() const {
    return "cannot write the trace file " + trace_->Path() + ": " + trace_->Reason();
}

void Runtime::FlushTrace() {
    if (trace_ && !trace_->Flush() && trace_->Interrupted()) StopOnSignal();
    if (trace_ && trace_->Failed()) OutputFailed(TraceFailure());
}

int Runtime::PixelColor(int x, int y) const { return canvas_->PixelColor(x, y); }
bool Runtime::WritePng(const std::string& path, std::string* why) const {
    std::string bytes, reason;
    if (!canvas_->EncodePng(bytes)) reason = "no memory";
    else if (plat::PlaceFile(path, plat::Links::Follow, bytes, reason)) return true;
    if (why) *why = reason;
    return false;
}
