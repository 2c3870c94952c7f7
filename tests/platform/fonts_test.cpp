// The installed faces that stand for the program's font names have every sign
// the lessons draw.
#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include "platform/canvas.h"
#include "platform/runtime.h"

namespace {

bool FileHasChar(const std::string& file, FcChar32 ch) {
    int count = 0;
    FcBlanks* blanks = nullptr;
    FcPattern* pat = FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.c_str()), 0, blanks, &count);
    if (!pat) return false;
    FcCharSet* cs = nullptr;
    bool has = FcPatternGetCharSet(pat, FC_CHARSET, 0, &cs) == FcResultMatch && FcCharSetHasChar(cs, ch);
    FcPatternDestroy(pat);
    return has;
}

TEST(Fonts, GothicFaceHasTheLessonsSigns) {
    auto rt = Runtime::CreateHeadless();
    const std::string file = rt->canvas().FontFile(plat::Face::Gothic, false, false);
    ASSERT_FALSE(file.empty());
    const char32_t signs[] = U"①②③④⑤⑥⑦⑧∠△⊥∥√±×÷°πＡＺａｚ０９．　ﾀﾝ＜＞平行移動";
    for (char32_t c : signs) {
        if (c == 0) break;
        EXPECT_TRUE(FileHasChar(file, c)) << "U+" << std::hex << static_cast<uint32_t>(c);
    }
}

TEST(Fonts, SerifAndSignFacesHaveTheirLetters) {
    auto rt = Runtime::CreateHeadless();
    for (auto face : {plat::Face::Serif, plat::Face::Extra}) {
        const std::string file = rt->canvas().FontFile(face, false, true);
        ASSERT_FALSE(file.empty());
        for (char32_t c : {U'a', U'x', U'c'}) EXPECT_TRUE(FileHasChar(file, c)) << file;
    }
    EXPECT_TRUE(FileHasChar(rt->canvas().FontFile(plat::Face::Extra, true, false), U'\u2113'));   // the script l
}

// What the tour text test asks of each drawn character.
TEST(Fonts, FontHasCharacterAnswersForTheFaceThatDrawsIt) {
    auto rt = Runtime::CreateHeadless();
    EXPECT_TRUE(rt->FontHasCharacter("ｺﾞｼｯｸ", false, false, U'平'));
    EXPECT_TRUE(rt->FontHasCharacter("ゴシック", true, false, U'①'));
    EXPECT_TRUE(rt->FontHasCharacter("Times New Roman", false, true, U'x'));
    EXPECT_FALSE(rt->FontHasCharacter("Times New Roman", false, true, U'平'));
    EXPECT_FALSE(rt->FontHasCharacter("ｺﾞｼｯｸ", false, false, U'\U0001F600'));
    // The sign face draws "l" as its script letter, which it has.
    EXPECT_TRUE(rt->FontHasCharacter("MT Extra", false, false, U'l'));
    EXPECT_EQ(rt->FontHasCharacter("MT Extra", false, false, U'\u2113'),
              rt->canvas().HasCharacter({plat::Face::Extra, 16, false, false}, U'l'));
}

TEST(Fonts, ScriptLetterIsDrawnForTheSignFace) {
    auto rt = Runtime::CreateHeadless();
    rt->RtSetFontName("MT Extra");
    rt->RtSetFontSize(16);
    rt->RtSetFontBold(-1);
    rt->RtSymbol(100, 100, 6, 3, 0, "l");
    int inked = 0;
    for (int y = 100; y < 150; ++y)
        for (int x = 100; x < 150; ++x) inked += rt->PixelColor(x, y) == 0;
    EXPECT_GT(inked, 30);
}

}  // namespace
