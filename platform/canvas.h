// The drawing surface: one 1440x900 cairo image that keeps the picture, the
// 16-colour palette, and the fonts. The same code and the same pixels in
// every mode (window or headless).
//
// Pixel rules:
// - A coordinate names a pixel centre: a width-1 line from (10, 5) to
//   (20, 5) covers pixels x 10..20 of row 5 (round caps reach half the pen
//   width past each end).
// - Strokes use round caps and round joins at the given width.
// - A box's two corners are both included; a filled box covers every pixel
//   from one corner to the other, then its border is stroked.
// - Coverage is binary: a pixel is painted when its centre lies inside the
//   shape (no anti-aliasing), for shapes and glyphs alike, so drawing the
//   same thing again in the background colour erases it without a trace.
// - Anything outside the surface is clipped.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <span>
#include <string>

namespace plat {

struct Point {
    double x;
    double y;
};

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

    // Colour code of a pixel, -1 outside the surface or for a colour not in
    // the palette.
    int PixelColor(int x, int y) const;
    bool WritePng(const std::string& path) const;
    cairo_surface_t* surface() const { return surface_; }

    // The font file that stands for a face (after fontconfig's match).
    std::string FontFile(Face face, bool bold, bool italic) const;

private:
    void SetColor(int code);
    cairo_font_face_t* FontFace(Face face, bool bold, bool italic) const;

    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    cairo_font_options_t* fontOptions_ = nullptr;
    // [face][bold][italic]
    cairo_font_face_t* faces_[3][2][2] = {};
    std::string files_[3][2][2];
    double ascentRatio_[3][2][2] = {};
};

}  // namespace plat
