// The drawing surface: one 1440x900 cairo image that keeps the picture, the
// 16-colour palette, and the fonts. The same code and the same pixels in
// every mode (window or headless).
//
// Pixel rules:
// - A coordinate names a pixel centre: a width-1 line from (10, 5) to
//   (20, 5) covers pixels x 10..20 of row 5 (round caps reach half the pen
//   width past each end).
// - Strokes use round caps and round joins at the given width.
// - A stroke covers every pixel within half the pen width of its path, also
//   when the pen is wider than the shape: a circle, ellipse or filled sector
//   the pen reaches across is solid, without a hole in the middle (a whole
//   circle of radius r at most width / 2, filled or not, is a disc of radius
//   r + width / 2 in the outline colour), and a zero-length line or a
//   one-point polyline is a disc of radius width / 2.
// - A box's two corners are both included; a filled box covers every pixel
//   from one corner to the other, then its border is stroked.
// - Coverage is binary: a pixel is painted when its centre lies inside the
//   shape (no anti-aliasing), for shapes and glyphs alike, so drawing the
//   same thing again in the background colour erases it without a trace.
// - Anything outside the surface is clipped.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// The size of the surface, in pixels.
inline constexpr int kSurfaceWidth = 1440;
inline constexpr int kSurfaceHeight = 900;

// The cairo and fontconfig objects the canvas holds, declared as those
// libraries declare them: what includes this header needs neither library's
// headers (a source that calls cairo includes <cairo.h> itself).
typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_font_options cairo_font_options_t;
typedef struct _cairo_font_face cairo_font_face_t;
typedef struct _FcCharSet FcCharSet;

namespace plat {

struct Point {
    double x;
    double y;
};

// A rectangle of surface pixels: x, y its top-left pixel, w by h pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const Rect&) const = default;
};

// The smallest rectangle holding both (an empty one adds nothing).
Rect Union(const Rect& a, const Rect& b);

enum class Face { Gothic = 0, Serif = 1, Extra = 2 };

struct FontState {
    Face face = Face::Gothic;
    double size = 16;
    bool bold = false;
    bool italic = false;
};

// 0xRRGGBB of colour code 0..15.
uint32_t PaletteColor(int code);

class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Line(double x1, double y1, double x2, double y2, int color, int width);
    void Box(double x1, double y1, double x2, double y2, int color, int fill, bool filled, int width);
    // Arc fractions as the runtime takes them (see runtime.h); aspect is
    // height / width.
    void Circle(double x, double y, double r, int color, double aspect, double start, double end, bool filled,
                int fill, int width);
    void Polyline(std::span<const Point> points, int color, bool filled, int fill, int width);
    // Text (UTF-8) with its first cell's top-left at (x, y).
    void Symbol(double x, double y, double hscale, double vscale, int color, const std::string& utf8,
                const FontState& font);
    void Clear();

    // The part of the surface drawn since the last TakeDirty (the whole
    // surface after Clear): every pixel a drawing operation may have changed
    // lies inside it. Empty when nothing was drawn. A window shows only this
    // part again.
    const Rect& Dirty() const { return dirty_; }
    Rect TakeDirty();

    // Colour code of a pixel, -1 outside the surface or for a colour not in
    // the palette.
    int PixelColor(int x, int y) const;
    // Lossless PNG, written for speed: 4-bit indexed when every pixel is a
    // palette colour (always, with the drawing rules above), else 24-bit RGB;
    // light compression. The picture's bytes, in `out`; false when it could
    // not be made (no memory).
    bool EncodePng(std::string& out) const;
    cairo_surface_t* surface() const { return surface_; }

    // The font file that stands for a face (after fontconfig's match).
    std::string FontFile(Face face, bool bold, bool italic) const;
    // True when the font file that draws `font` has a glyph for `c` as
    // Symbol draws it (the sign face's "l" is its script letter U+2113).
    bool HasCharacter(const FontState& font, char32_t c) const;

private:
    void SetColor(int code);
    // Marks the current path's extents, widened by half the pen width.
    void MarkPath(double halfWidth);
    void MarkBounds(double x1, double y1, double x2, double y2);
    void MarkDirty(const Rect& r);
    cairo_font_face_t* FontFace(Face face, bool bold, bool italic) const;

    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    cairo_font_options_t* fontOptions_ = nullptr;
    // [face][bold][italic]
    cairo_font_face_t* faces_[3][2][2] = {};
    std::string files_[3][2][2];
    FcCharSet* charsets_[3][2][2] = {};
    double ascentRatio_[3][2][2] = {};
    Rect dirty_;
};

}  // namespace plat
