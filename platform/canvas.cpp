#include "platform/canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <png.h>
#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <numbers>
#include <vector>

#include "platform/runtime.h"

namespace plat {

namespace {

// Chosen for the pairings the lessons use: dark text and lines (0-3, 5-9)
// on the white background; pale fills 4 and 12 behind text in 9 (the
// message and step boxes); white and 13 on the board green 10 (the menu
// panel); black outlines and text on the fills 13 and 14.
constexpr uint32_t kPalette[16] = {
    0x000000,  // 0 black
    0x0000A8,  // 1 blue
    0x008000,  // 2 green
    0x006A6A,  // 3 teal
    0xFFE9A0,  // 4 pale amber (message boxes)
    0xA000A0,  // 5 purple
    0x985000,  // 6 brown
    0x808080,  // 7 grey
    0x404040,  // 8 dark grey
    0x0038D0,  // 9 bright blue
    0x0F4D28,  // 10 board green (menu panel)
    0x00A8C8,  // 11 cyan
    0xFFC8C8,  // 12 pale rose (step box)
    0xF050B0,  // 13 pink
    0xFFD800,  // 14 yellow
    0xFFFFFF,  // 15 white (background)
};

// The letter the sign face draws for "l".
constexpr char32_t kScriptL = U'\u2113';

// Far beyond the surface, still well inside cairo's fixed-point range.
constexpr double kFar = 100000.0;

// The installed family that stands for each of the program's faces, and how
// it fills the cell of RtSymbol (size x scale): the em's width and height per
// unit of cell. The Gothic face's full-width glyphs are one em wide, so they
// fill the cell. The serif letters are drawn half as wide per unit of scale,
// in proportion beside the Gothic half-width cells, and a quarter taller, so
// that at the offsets the formulas give them they stand on the baseline of
// the Gothic glyphs around them.
struct FaceChoice {
    const char* family;
    double emWidth;
    double emHeight;
};
constexpr FaceChoice kFaces[3] = {
    {"IPAGothic", 1.0, 1.0},
    {"Liberation Serif", 0.5, 1.25},
    {"Liberation Serif", 0.5, 1.0},   // the sign face: its U+2113 is the script l
};

// Liang-Barsky clip of a segment to the square [-kFar, kFar]^2: the segment
// as x1 + t dx, y1 + t dy for t in 0..1, narrowed to the t range inside each
// of the four edges. False when nothing of it is inside; else its ends are
// moved onto the part inside.
bool ClipToFar(double& x1, double& y1, double& x2, double& y2) {
    double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + kFar, kFar - x1, y1 + kFar, kFar - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            double r = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, r);
            else t1 = std::min(t1, r);
        }
    }
    if (t0 > t1) return false;
    double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

double ClampFar(double v) { return std::clamp(v, -kFar, kFar); }

// libpng's own messages stay quiet: a failure is reported once, by the
// caller, as the run's output error.
void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    bool grown = true;
    try {
        static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        grown = false;
    }
    if (!grown) png_error(png, "no memory for the picture");   // leaves through libpng's own jump
}
void NoFlush(png_structp) {}

// Encodes the rows (4-bit palette indices or 8-bit RGB) as a PNG in `out`.
bool EncodePngRows(std::string& out, const unsigned char* rows, size_t rowBytes, bool indexed) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    // The pictures are large flat areas: run-length matching at the lightest
    // level, with each row's filter chosen from "none" and "up", is many
    // times faster than the defaults and barely larger.
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE | PNG_FILTER_UP);
    png_set_IHDR(png, info, kSurfaceWidth, kSurfaceHeight, indexed ? 4 : 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (indexed) {
        png_color palette[16];
        for (int i = 0; i < 16; ++i) {
            palette[i].red = (kPalette[i] >> 16) & 0xFF;
            palette[i].green = (kPalette[i] >> 8) & 0xFF;
            palette[i].blue = kPalette[i] & 0xFF;
        }
        png_set_PLTE(png, info, palette, 16);
    }
    png_write_info(png, info);
    for (int y = 0; y < kSurfaceHeight; ++y) png_write_row(png, rows + y * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

uint32_t PaletteColor(int code) { return kPalette[std::clamp(code, 0, 15)]; }

Rect Union(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int l = std::min(a.x, b.x), t = std::min(a.y, b.y);
    const int r = std::max(a.x + a.w, b.x + b.w), btm = std::max(a.y + a.h, b.y + b.h);
    return {l, t, r - l, btm - t};
}

Canvas::Canvas() {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSurfaceWidth, kSurfaceHeight);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);

    // Fixed font options, so the desktop's settings never change a glyph.
    fontOptions_ = cairo_font_options_create();
    cairo_font_options_set_antialias(fontOptions_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(fontOptions_, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fontOptions_, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(fontOptions_, CAIRO_SUBPIXEL_ORDER_DEFAULT);

    FcInit();
    for (int f = 0; f < 3; ++f) {
        for (int b = 0; b < 2; ++b) {
            for (int i = 0; i < 2; ++i) {
                FcPattern* pat = FcPatternCreate();
                FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFaces[f].family));
                FcPatternAddInteger(pat, FC_WEIGHT, b ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
                FcPatternAddInteger(pat, FC_SLANT, i ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
                FcConfigSubstitute(nullptr, pat, FcMatchPattern);
                FcDefaultSubstitute(pat);
                FcResult result;
                FcPattern* match = FcFontMatch(nullptr, pat, &result);
                FcPatternDestroy(pat);
                if (!match) {
                    std::fprintf(stderr, "font: no font found for \"%s\"\n", kFaces[f].family);
                    continue;
                }
                FcChar8* family = nullptr;
                FcChar8* file = nullptr;
                FcPatternGetString(match, FC_FAMILY, 0, &family);
                FcPatternGetString(match, FC_FILE, 0, &file);
                // A font carries its family name in several languages, and the
                // first is the one for the user's locale (IPAGothic is
                // "IPAゴシック" first under Japanese): any of them may be ours.
                bool ours = false;
                FcChar8* name = nullptr;
                for (int n = 0; !ours && FcPatternGetString(match, FC_FAMILY, n, &name) == FcResultMatch; ++n)
                    ours = name && std::strstr(reinterpret_cast<const char*>(name), kFaces[f].family) != nullptr;
                if (!ours) {
                    if (b == 0 && i == 0)
                        std::fprintf(stderr, "font: \"%s\" is not installed; using \"%s\"\n", kFaces[f].family,
                                     family ? reinterpret_cast<const char*>(family) : "?");
                }
                if (file) files_[f][b][i] = reinterpret_cast<const char*>(file);
                FcCharSet* charset = nullptr;
                if (FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch && charset)
                    charsets_[f][b][i] = FcCharSetCopy(charset);
                // Rendering comes from our font options alone.
                for (const char* key : {FC_ANTIALIAS, FC_HINTING, FC_HINT_STYLE, FC_AUTOHINT, FC_RGBA, FC_LCD_FILTER,
                                        FC_EMBEDDED_BITMAP})
                    FcPatternDel(match, key);
                faces_[f][b][i] = cairo_ft_font_face_create_for_pattern(match);
                FcPatternDestroy(match);

                // Where the baseline falls below the top of an em one unit high.
                cairo_save(cr_);
                cairo_set_font_face(cr_, faces_[f][b][i]);
                cairo_set_font_size(cr_, 1000);
                cairo_font_extents_t ext;
                cairo_font_extents(cr_, &ext);
                cairo_restore(cr_);
                ascentRatio_[f][b][i] = ext.ascent > 0 ? ext.ascent / 1000 : 0.88;
            }
        }
    }
    Clear();
}

Canvas::~Canvas() {
    for (auto& f : faces_)
        for (auto& b : f)
            for (auto* face : b)
                if (face) cairo_font_face_destroy(face);
    for (auto& f : charsets_)
        for (auto& b : f)
            for (auto* charset : b)
                if (charset) FcCharSetDestroy(charset);
    cairo_font_options_destroy(fontOptions_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColor(int code) {
    uint32_t c = PaletteColor(code);
    cairo_set_source_rgb(cr_, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
}

void Canvas::Line(double x1, double y1, double x2, double y2, int color, int width) {
    if (!ClipToFar(x1, y1, x2, y2)) return;
    cairo_new_path(cr_);
    cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
    SetColor(color);
    cairo_set_line_width(cr_, std::max(width, 1));
    MarkPath(std::max(width, 1) / 2.0);
    cairo_stroke(cr_);
}

void Canvas::Box(double x1, double y1, double x2, double y2, int color, int fill, bool filled, int width) {
    double l = ClampFar(std::min(x1, x2)), r = ClampFar(std::max(x1, x2));
    double t = ClampFar(std::min(y1, y2)), b = ClampFar(std::max(y1, y2));
    if (filled) {
        cairo_new_path(cr_);
        cairo_rectangle(cr_, l, t, r - l + 1, b - t + 1);
        SetColor(fill);
        cairo_fill(cr_);
    }
    cairo_new_path(cr_);
    cairo_rectangle(cr_, l + 0.5, t + 0.5, r - l, b - t);
    SetColor(color);
    cairo_set_line_width(cr_, std::max(width, 1));
    // The border's outer edge lies half a pixel or more beyond the filled
    // pixels, so it bounds both.
    MarkPath(std::max(width, 1) / 2.0);
    cairo_stroke(cr_);
}

void Canvas::Circle(double x, double y, double r, int color, double aspect, double start, double end, bool filled,
                    int fill, int width) {
    if (!(r > 0) || r > kFar || std::abs(x) > kFar || std::abs(y) > kFar) return;
    double rx = r, ry = r;
    if (aspect > 0 && aspect < 1) ry = r * aspect;
    else if (aspect > 1) rx = r / aspect;
    if (!(rx > 0) || !(ry > 0)) return;
    // Start and end both 0 is the whole circle; a filled sector whose rays
    // coincide (equal fractions) is the complete disc, not an empty one.
    const bool whole = (start == 0 && end == 0) || (filled && start == end);
    const double twoPi = 2 * std::numbers::pi;
    const double from = twoPi * start, to = twoPi * end;
    // The arc from `a0` to `a1` (radians, increasing), added to the path.
    auto addArc = [&](double a0, double a1) {
        cairo_save(cr_);
        cairo_translate(cr_, x + 0.5, y + 0.5);
        cairo_scale(cr_, rx, ry);
        cairo_arc(cr_, 0, 0, 1, a0, a1);
        cairo_restore(cr_);
    };
    cairo_new_path(cr_);
    if (whole) {
        addArc(0, twoPi);
        cairo_close_path(cr_);
    } else {
        if (filled) cairo_move_to(cr_, x + 0.5, y + 0.5);
        addArc(from, to);
        if (filled) cairo_close_path(cr_);
    }
    if (filled) {
        SetColor(fill);
        cairo_fill_preserve(cr_);
    }
    SetColor(color);
    const double half = std::max(width, 1) / 2.0;
    cairo_set_line_width(cr_, std::max(width, 1));
    MarkPath(half);
    // A closed outline that the pen reaches across (a semi-axis shorter than
    // half the pen width) comes out of cairo's stroker with a hole where the
    // pen's two edges cross: a tiny dot at a wide pen became a ring. Stroked
    // as open pieces, each on its own, the outline covers all it passes over,
    // so such a dot is a solid disc of radius r + width / 2.
    if (!(whole || filled) || std::min(rx, ry) >= half) {
        cairo_stroke(cr_);
        return;
    }
    cairo_new_path(cr_);
    double span = twoPi;
    if (!whole) {
        // The turn cairo_arc draws: an end before the start counts one turn
        // later; more than a whole turn covers nothing more.
        span = to - from;
        if (span < 0) span = std::fmod(span, twoPi) + twoPi;
        span = std::min(span, twoPi);
        for (double a : {from, from + span}) {
            cairo_move_to(cr_, x + 0.5, y + 0.5);
            cairo_line_to(cr_, x + 0.5 + rx * std::cos(a), y + 0.5 + ry * std::sin(a));
            cairo_stroke(cr_);
        }
    }
    // At most half a turn a piece.
    const int pieces = static_cast<int>(std::ceil(span / (twoPi / 2)));
    for (int i = 0; i < pieces; ++i) {
        addArc(from + span * i / pieces, from + span * (i + 1) / pieces);
        cairo_stroke(cr_);
    }
}

void Canvas::Polyline(std::span<const Point> points, int color, bool filled, int fill, int width) {
    if (points.empty()) return;
    cairo_new_path(cr_);
    cairo_move_to(cr_, ClampFar(points[0].x) + 0.5, ClampFar(points[0].y) + 0.5);
    if (points.size() == 1) cairo_line_to(cr_, ClampFar(points[0].x) + 0.5, ClampFar(points[0].y) + 0.5);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr_, ClampFar(points[i].x) + 0.5, ClampFar(points[i].y) + 0.5);
    if (filled) {
        cairo_close_path(cr_);
        SetColor(fill);
        cairo_fill_preserve(cr_);
    }
    SetColor(color);
    cairo_set_line_width(cr_, std::max(width, 1));
    MarkPath(std::max(width, 1) / 2.0);
    cairo_stroke(cr_);
}

cairo_font_face_t* Canvas::FontFace(Face face, bool bold, bool italic) const {
    return faces_[static_cast<int>(face)][bold][italic];
}

std::string Canvas::FontFile(Face face, bool bold, bool italic) const {
    return files_[static_cast<int>(face)][bold][italic];
}

bool Canvas::HasCharacter(const FontState& font, char32_t c) const {
    const FcCharSet* charset = charsets_[static_cast<int>(font.face)][font.bold][font.italic];
    if (font.face == Face::Extra && c == U'l') c = kScriptL;
    return charset && FcCharSetHasChar(charset, static_cast<FcChar32>(c));
}

void Canvas::Symbol(double x, double y, double hscale, double vscale, int color, const std::string& utf8,
                    const FontState& font) {
    cairo_font_face_t* face = FontFace(font.face, font.bold, font.italic);
    if (!face || utf8.empty()) return;
    const int f = static_cast<int>(font.face);
    double emH = font.size * vscale * kFaces[f].emHeight;
    double emW = font.size * hscale * kFaces[f].emWidth;
    if (!(std::abs(emH) > 0) || !(std::abs(emW) > 0) || std::abs(emH) > kFar || std::abs(emW) > kFar) return;
    if (std::abs(x) > kFar || std::abs(y) > kFar) return;

    std::string text = utf8;
    if (font.face == Face::Extra) {
        // The sign face's "l" is the script letter.
        std::string mapped;
        for (char c : text) mapped += (c == 'l') ? std::string("\u2113") : std::string(1, c);  // kScriptL
        text = mapped;
    }
    cairo_save(cr_);
    cairo_set_font_face(cr_, face);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, emW, emH);
    cairo_set_font_matrix(cr_, &m);
    cairo_set_font_options(cr_, fontOptions_);
    SetColor(color);
    cairo_new_path(cr_);
    const double baseline = y + ascentRatio_[f][font.bold][font.italic] * emH;
    // The glyphs' ink, with a pixel to spare for the rounding of the
    // outlines to whole pixels.
    cairo_text_extents_t ink;
    cairo_text_extents(cr_, text.c_str(), &ink);
    if (ink.width > 0 && ink.height > 0) {
        const double l = x + ink.x_bearing, t = baseline + ink.y_bearing;
        MarkBounds(l - 2, t - 2, l + ink.width + 2, t + ink.height + 2);
    }
    cairo_move_to(cr_, x, baseline);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

void Canvas::Clear() {
    dirty_ = {0, 0, kSurfaceWidth, kSurfaceHeight};
    cairo_save(cr_);
    cairo_new_path(cr_);
    SetColor(kBackgroundColor);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::MarkPath(double halfWidth) {
    double x1, y1, x2, y2;
    cairo_path_extents(cr_, &x1, &y1, &x2, &y2);
    // A pixel more for the rounding of the edges to whole pixels.
    MarkBounds(x1 - halfWidth - 1, y1 - halfWidth - 1, x2 + halfWidth + 1, y2 + halfWidth + 1);
}

void Canvas::MarkBounds(double x1, double y1, double x2, double y2) {
    if (!(x1 <= x2) || !(y1 <= y2)) return;
    const int l = static_cast<int>(std::floor(std::clamp(x1, 0.0, double(kSurfaceWidth))));
    const int t = static_cast<int>(std::floor(std::clamp(y1, 0.0, double(kSurfaceHeight))));
    const int r = static_cast<int>(std::ceil(std::clamp(x2, 0.0, double(kSurfaceWidth))));
    const int b = static_cast<int>(std::ceil(std::clamp(y2, 0.0, double(kSurfaceHeight))));
    MarkDirty({l, t, r - l, b - t});
}

void Canvas::MarkDirty(const Rect& r) { dirty_ = Union(dirty_, r); }

Rect Canvas::TakeDirty() {
    Rect r = dirty_;
    dirty_ = {};
    return r;
}

int Canvas::PixelColor(int x, int y) const {
    if (x < 0 || y < 0 || x >= kSurfaceWidth || y >= kSurfaceHeight) return -1;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    uint32_t px;
    std::memcpy(&px, data + y * stride + x * 4, 4);
    px &= 0xFFFFFF;
    for (int i = 0; i < 16; ++i)
        if (kPalette[i] == px) return i;
    return -1;
}

bool Canvas::EncodePng(std::string& out) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const int w = kSurfaceWidth, h = kSurfaceHeight;

    // Two pixels a byte when every pixel is a palette colour; else RGB.
    std::vector<unsigned char> rows;
    bool indexed = true;
    {
        rows.assign(static_cast<size_t>((w + 1) / 2) * h, 0);
        uint32_t lastPx = kPalette[kBackgroundColor];
        unsigned char lastCode = kBackgroundColor;
        for (int y = 0; y < h && indexed; ++y) {
            const unsigned char* src = data + static_cast<size_t>(y) * stride;
            unsigned char* dst = rows.data() + static_cast<size_t>(y) * ((w + 1) / 2);
            for (int x = 0; x < w; ++x) {
                uint32_t px;
                std::memcpy(&px, src + 4 * x, 4);
                px &= 0xFFFFFF;
                if (px != lastPx) {
                    int code = -1;
                    for (int i = 0; i < 16; ++i)
                        if (kPalette[i] == px) code = i;
                    if (code < 0) {
                        indexed = false;
                        break;
                    }
                    lastPx = px;
                    lastCode = static_cast<unsigned char>(code);
                }
                dst[x / 2] |= (x % 2 == 0) ? static_cast<unsigned char>(lastCode << 4) : lastCode;
            }
        }
    }
    if (!indexed) {
        rows.assign(static_cast<size_t>(w) * 3 * h, 0);
        for (int y = 0; y < h; ++y) {
            const unsigned char* src = data + static_cast<size_t>(y) * stride;
            unsigned char* dst = rows.data() + static_cast<size_t>(y) * w * 3;
            for (int x = 0; x < w; ++x) {
                uint32_t px;
                std::memcpy(&px, src + 4 * x, 4);
                dst[3 * x] = (px >> 16) & 0xFF;
                dst[3 * x + 1] = (px >> 8) & 0xFF;
                dst[3 * x + 2] = px & 0xFF;
            }
        }
    }
    const size_t rowBytes = indexed ? static_cast<size_t>((w + 1) / 2) : static_cast<size_t>(w) * 3;

    out.clear();
    return EncodePngRows(out, rows.data(), rowBytes, indexed);
}

}  // namespace plat
