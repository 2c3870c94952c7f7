// The canvas's record of what was drawn since the window last showed it, and
// the review pictures written from it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/canvas.h"
#include "platform/runtime.h"
#include "support/support.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint32_t> Pixels(plat::Canvas& c) {
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::vector<uint32_t> out(static_cast<size_t>(kSurfaceWidth) * kSurfaceHeight);
    for (int y = 0; y < kSurfaceHeight; ++y)
        std::memcpy(&out[static_cast<size_t>(y) * kSurfaceWidth], data + y * stride, kSurfaceWidth * 4);
    return out;
}

struct DrawCase {
    const char* name;
    std::function<void(Runtime&)> draw;
};

std::ostream& operator<<(std::ostream& os, const DrawCase& c) { return os << c.name; }

class DirtyRegion : public ::testing::TestWithParam<DrawCase> {};

// Every pixel an operation changes lies inside the region it marks, and the
// region is no more than a few pixels wider than what changed: a window that
// shows only this region shows every change, at little cost.
TEST_P(DirtyRegion, HoldsEveryChangedPixelAndLittleMore) {
    auto rt = Runtime::CreateHeadless();
    plat::Canvas& c = rt->canvas();
    // A busy background, so that drawing in the background colour changes
    // pixels too.
    rt->RtSetDrawWidth(1);
    for (int y = 0; y < kSurfaceHeight; y += 3) rt->RtLine(0, y, kSurfaceWidth - 1, y, y % 14);
    const auto before = Pixels(c);
    c.TakeDirty();
    GetParam().draw(*rt);
    const plat::Rect dirty = c.Dirty();
    const auto after = Pixels(c);
    int l = kSurfaceWidth, t = kSurfaceHeight, r = -1, b = -1;
    long outside = 0;
    for (int y = 0; y < kSurfaceHeight; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x) {
            const size_t i = static_cast<size_t>(y) * kSurfaceWidth + x;
            if (before[i] == after[i]) continue;
            l = std::min(l, x);
            t = std::min(t, y);
            r = std::max(r, x);
            b = std::max(b, y);
            if (x < dirty.x || x >= dirty.x + dirty.w || y < dirty.y || y >= dirty.y + dirty.h) ++outside;
        }
    ASSERT_GE(r, 0) << "the case changes no pixel";
    EXPECT_EQ(outside, 0) << "changed: " << l << "," << t << " to " << r << "," << b << "; marked: " << dirty.x << ","
                          << dirty.y << " " << dirty.w << "x" << dirty.h;
    EXPECT_GE(l - dirty.x, 0);
    EXPECT_LE(l - dirty.x, 4);
    EXPECT_LE(t - dirty.y, 4);
    EXPECT_LE(dirty.x + dirty.w - 1 - r, 4);
    EXPECT_LE(dirty.y + dirty.h - 1 - b, 4);
}

const Pt kTriangle[] = {{300, 200}, {250, 320}, {380, 300}};
const Pt kOnePoint[] = {{640, 480}};

INSTANTIATE_TEST_SUITE_P(
    Operations, DirtyRegion,
    ::testing::Values(
        DrawCase{"EntryCursor",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(3);
                     rt.RtCircle(1056 + 8, 648 + 8, 4, 5, 1, 0, 0, true);
                 }},
        DrawCase{"EntryCursorErased",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(3);
                     rt.RtCircle(1056 + 8, 648 + 8, 4, 15, 1, 0, 0, true);
                 }},
        DrawCase{"ThinSlantedLine", [](Runtime& rt) { rt.RtLine(100, 100, 413, 250, 0); }},
        DrawCase{"WideLine",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(10);
                     rt.RtLine(500, 400, 520, 700, 15);
                 }},
        DrawCase{"Dot",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(7);
                     rt.RtLine(700, 300, 700, 300, 1);
                 }},
        DrawCase{"FilledBox", [](Runtime& rt) { rt.RtLine(900, 100, 1000, 160, 0, BoxShape::Filled, 14); }},
        DrawCase{"BoxOutlineAcrossTheEdge",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(4);
                     rt.RtLine(1400, 850, 1600, 1000, 2, BoxShape::Outline);
                 }},
        DrawCase{"Ellipse",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(2);
                     rt.RtCircle(400, 600, 90, 1, 0.4f);
                 }},
        DrawCase{"Sector",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(5);
                     rt.RtCircle(800, 600, 120, 0, 1, 0.1f, 0.35f, true, 12);
                 }},
        DrawCase{"FilledTriangle", [](Runtime& rt) { rt.RtConnect(kTriangle, 9, true, 4); }},
        DrawCase{"OnePointPolyline",
                 [](Runtime& rt) {
                     rt.RtSetDrawWidth(5);
                     rt.RtConnect(kOnePoint, 0);
                 }},
        DrawCase{"GothicText", [](Runtime& rt) { rt.RtSymbol(200, 700, 1, 1, 0, "番号を入力して下さい。"); }},
        DrawCase{"LargeBoldText",
                 [](Runtime& rt) {
                     rt.RtSetFontBold(-1);
                     rt.RtSetFontSize(40);
                     rt.RtSymbol(100, 780, 2, 1.5f, 5, "＜Varnel　メニュー＞");
                 }},
        DrawCase{"SerifItalicLetters",
                 [](Runtime& rt) {
                     rt.RtSetFontName("Times New Roman");
                     rt.RtSetFontItalic(-1);
                     rt.RtSetFontSize(30);
                     rt.RtSymbol(1200, 60, 1, 1, 1, "fAjy");
                 }},
        DrawCase{"ScriptL",
                 [](Runtime& rt) {
                     rt.RtSetFontName("MT Extra");
                     rt.RtSetFontSize(24);
                     rt.RtSymbol(1300, 400, 1, 1, 0, "l");
                 }}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(DirtyRegionRecord, ClearMarksTheWholeSurfaceAndTakingEmptiesIt) {
    auto rt = Runtime::CreateHeadless();
    plat::Canvas& c = rt->canvas();
    rt->RtCls();
    EXPECT_EQ(c.TakeDirty(), (plat::Rect{0, 0, kSurfaceWidth, kSurfaceHeight}));
    EXPECT_TRUE(c.Dirty().empty());
    // Two separate drawings: one rectangle holding both.
    rt->RtSetDrawWidth(1);
    rt->RtLine(10, 10, 10, 10, 0);
    rt->RtLine(100, 50, 100, 50, 0);
    const plat::Rect both = c.TakeDirty();
    EXPECT_LE(both.x, 10);
    EXPECT_LE(both.y, 10);
    EXPECT_GE(both.x + both.w, 101);
    EXPECT_GE(both.y + both.h, 51);
    // Drawing wholly outside the surface marks nothing.
    rt->RtLine(-500, -500, -400, -450, 0);
    rt->RtSymbol(2000, 10, 1, 1, 0, "外");
    EXPECT_TRUE(c.Dirty().empty());
}

// The pictures of --shots and --screenshot read back pixel for pixel, in the
// palette's form when every pixel is a palette colour and in RGB otherwise.
class ReviewPicture : public ::testing::TestWithParam<bool> {};

TEST_P(ReviewPicture, ReadsBackPixelForPixel) {
    const bool offPalette = GetParam();
    auto rt = Runtime::CreateHeadless();
    plat::Canvas& c = rt->canvas();
    for (int color = 0; color < 16; ++color) {
        rt->RtLine(color * 90, 0, color * 90 + 89, 899, color, BoxShape::Filled);
        rt->RtSymbol(color * 90 + 5, 450, 1, 1, (color + 7) % 16, "図");
    }
    if (offPalette) {
        cairo_surface_t* s = c.surface();
        cairo_surface_flush(s);
        const uint32_t odd = 0x123456;
        std::memcpy(cairo_image_surface_get_data(s) + 7 * cairo_image_surface_get_stride(s) + 1439 * 4, &odd, 4);
        cairo_surface_mark_dirty(s);
    }
    const fs::path path = testing_support::TempPath("review", ".png");
    ASSERT_TRUE(rt->WritePng(path.string()));
    cairo_surface_t* back = cairo_image_surface_create_from_png(path.string().c_str());
    ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(back), kSurfaceWidth);
    ASSERT_EQ(cairo_image_surface_get_height(back), kSurfaceHeight);
    const auto expected = Pixels(c);
    const unsigned char* data = cairo_image_surface_get_data(back);
    const int stride = cairo_image_surface_get_stride(back);
    long differ = 0;
    for (int y = 0; y < kSurfaceHeight; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x) {
            uint32_t px;
            std::memcpy(&px, data + y * stride + x * 4, 4);
            differ += (px & 0xFFFFFF) != (expected[static_cast<size_t>(y) * kSurfaceWidth + x] & 0xFFFFFF);
        }
    EXPECT_EQ(differ, 0);
    cairo_surface_destroy(back);
    // A palette picture is small: 4 bits a pixel before compression.
    if (!offPalette) {
        EXPECT_LT(fs::file_size(path), 100000u);
    }
    fs::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ReviewPicture, ::testing::Bool(),
                         [](const auto& tp) { return tp.param ? "OffPalettePixel" : "PaletteOnly"; });

TEST(ReviewPicture, UnwritablePathFails) {
    auto rt = Runtime::CreateHeadless();
    EXPECT_FALSE(rt->WritePng("/nonexistent/dir/picture.png"));
}

}  // namespace
