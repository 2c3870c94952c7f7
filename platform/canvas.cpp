#include "platform/canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

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

// Far beyond the surface, still well inside cairo's fixed-point range.
constexpr double kFar = 100000.0;

// The installed families that stand for the program's face names.
// How a face fills the cell of RtSymbol (size x scale): the em's width and
// height per unit of cell. The Gothic face's full-width glyphs are one em
// wide, so they fill the cell. The serif letters are drawn half as wide per
// unit of scale, in proportion beside the Gothic half-width cells, and a
// quarter taller, so that at the offsets the formulas give them they stand
// on the baseline of the Gothic glyphs around them.
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

// Cohen-Sutherland style clip of a segment to [-kFar, kFar]^2 (Liang-Barsky).
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

}  // namespace

uint32_t PaletteColor(int code) { return kPalette[std::clamp(code, 0, 15)]; }

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
                if (!family || std::strstr(reinterpret_cast<const char*>(family), kFaces[f].family) == nullptr) {
                    if (b == 0 && i == 0)
                        std::fprintf(stderr, "font: \"%s\" is not installed; using \"%s\"\n", kFaces[f].family,
                                     family ? reinterpret_cast<const char*>(family) : "?");
                }
                if (file) files_[f][b][i] = reinterpret_cast<const char*>(file);
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
    cairo_new_path(cr_);
    cairo_save(cr_);
    cairo_translate(cr_, x + 0.5, y + 0.5);
    cairo_scale(cr_, rx, ry);
    if (whole) {
        cairo_arc(cr_, 0, 0, 1, 0, twoPi);
        cairo_close_path(cr_);
    } else {
        if (filled) cairo_move_to(cr_, 0, 0);
        cairo_arc(cr_, 0, 0, 1, twoPi * start, twoPi * end);
        if (filled) cairo_close_path(cr_);
    }
    cairo_restore(cr_);
    if (filled) {
        SetColor(fill);
        cairo_fill_preserve(cr_);
    }
    SetColor(color);
    cairo_set_line_width(cr_, std::max(width, 1));
    cairo_stroke(cr_);
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
    cairo_stroke(cr_);
}

cairo_font_face_t* Canvas::FontFace(Face face, bool bold, bool italic) const {
    return faces_[static_cast<int>(face)][bold][italic];
}

std::string Canvas::FontFile(Face face, bool bold, bool italic) const {
    return files_[static_cast<int>(face)][bold][italic];
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
        for (char c : text) mapped += (c == 'l') ? std::string("\u2113") : std::string(1, c);
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
    cairo_move_to(cr_, x, y + ascentRatio_[f][font.bold][font.italic] * emH);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

void Canvas::Clear() {
    cairo_save(cr_);
    cairo_new_path(cr_);
    SetColor(kBackgroundColor);
    cairo_paint(cr_);
    cairo_restore(cr_);
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

bool Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace plat
