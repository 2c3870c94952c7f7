// Strings counted in characters and bytes, number texts, integer conversion
// and the random numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/arrays.h"
#include "platform/numbers.h"
#include "platform/runtime.h"
#include "platform/strings.h"
#include "platform/text.h"

namespace {

TEST(TextTest, HoldsCodePage932Bytes) {
    EXPECT_EQ(Text("ﾀ").bytes(), "\xC0");
    EXPECT_EQ(Text("ﾝ").bytes(), "\xDD");
    EXPECT_EQ(Text("①").bytes(), "\x87\x40");   // the circled digits exist in 932
    EXPECT_EQ(Text("A1").bytes(), "A1");
    EXPECT_EQ(Text("①ﾀ平行").utf8(), "①ﾀ平行");
}

// Records the lost characters while it lives, in place of the hook the
// tests run under (which fails the test).
class LostCharacterRecorder {
public:
    LostCharacterRecorder() : previous_(SetLostCharacterHook(Record)) { seen().clear(); }
    ~LostCharacterRecorder() { SetLostCharacterHook(previous_); }
    LostCharacterRecorder(const LostCharacterRecorder&) = delete;
    LostCharacterRecorder& operator=(const LostCharacterRecorder&) = delete;
    static std::vector<LostCharacter>& seen() {
        static std::vector<LostCharacter> lost;
        return lost;
    }

private:
    static void Record(const LostCharacter& lost) { seen().push_back(lost); }
    LostCharacterHook previous_;
};

TEST(TextTest, CharacterOutsideCodePage932BecomesQuestionMarkAndIsReported) {
    LostCharacterRecorder recorder;
    EXPECT_EQ(Text("4㎠").bytes(), "4?");
    EXPECT_EQ(Text("①㎠②\U0001F600").utf8(), "①?②?");
    EXPECT_EQ(Text("a\xFF").bytes(), "a?");   // a byte that is no UTF-8
    const auto& lost = LostCharacterRecorder::seen();
    ASSERT_EQ(lost.size(), 4u);
    EXPECT_EQ(lost[0].character, "㎠");
    EXPECT_EQ(lost[0].text, "4㎠");
    EXPECT_EQ(lost[2].character, "\U0001F600");
    EXPECT_EQ(DescribeLostCharacter(lost[0]), "text: \"㎠\" (U+33A0) has no code page 932 form; drawn as \"?\" in \"4㎠\"");
    EXPECT_EQ(DescribeLostCharacter(lost[2]),
              "text: \"\U0001F600\" (U+1F600) has no code page 932 form; drawn as \"?\" in \"①㎠②\U0001F600\"");
    EXPECT_EQ(DescribeLostCharacter(lost[3]), "text: \"?\" (bytes FF) has no code page 932 form; drawn as \"?\" in \"a\xFF\"");
}

TEST(TextTest, CodePage932TextsReportNothing) {
    LostCharacterRecorder recorder;
    EXPECT_EQ(Text("①P156Q　②ﾀ平行移動∠△⊥∥√±×÷°π～－").utf8(), "①P156Q　②ﾀ平行移動∠△⊥∥√±×÷°π～－");
    EXPECT_TRUE(LostCharacterRecorder::seen().empty());
}

TEST(TextTest, DefaultReportIsOneLineOnStderrForEachCharacterAndText) {
    const LostCharacterHook tests = SetLostCharacterHook(nullptr);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Text("5㎤").bytes(), "5?");
    EXPECT_EQ(Text("6㎤").bytes(), "6?");
    const std::string said = testing::internal::GetCapturedStderr();
    SetLostCharacterHook(tests);
    EXPECT_EQ(said,
              "text: \"㎤\" (U+33A4) has no code page 932 form; drawn as \"?\" in \"5㎤\"\n"
              "text: \"㎤\" (U+33A4) has no code page 932 form; drawn as \"?\" in \"6㎤\"\n");
}

struct CountCase {
    const char* text;
    int chars;
    int bytes;
};

TEST(StringsTest, CountsCharactersAndBytes) {
    const CountCase cases[] = {
        {"", 0, 0}, {"AB", 2, 2}, {"平行", 2, 4}, {"ﾀ1/4ﾀ倍", 6, 7}, {"①P156Q　②", 8, 11}, {"３．５", 3, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RtCharLen(c.text), c.chars) << c.text;
        EXPECT_EQ(RtByteLen(c.text), c.bytes) << c.text;
    }
}

TEST(StringsTest, CutsByCharacters) {
    const Text t = "ﾀ2/3ﾀ平行移動";
    EXPECT_EQ(RtCharLeft(t, 2), Text("ﾀ2"));
    EXPECT_EQ(RtCharMid(t, 6, 2), Text("平行"));
    EXPECT_EQ(RtCharMid(t, 7), Text("行移動"));
    EXPECT_EQ(RtCharMid(t, 7, kToEnd), Text("行移動"));
    EXPECT_EQ(RtCharRight(t, 3), Text("行移動"));
    EXPECT_EQ(RtCharMid(t, 20, 1), Text(""));
    EXPECT_EQ(RtCharMid(t, 1, 0), Text(""));
    EXPECT_EQ(RtCharLeft(t, 100), t);
    EXPECT_EQ(RtCharMid(t, 0, 3), Text(""));      // no position 0
    EXPECT_EQ(RtCharLeft(t, -1), Text(""));
}

TEST(StringsTest, CutsByBytes) {
    const Text t = "A平B";
    EXPECT_EQ(RtByteLeft(t, 3), Text("A平"));
    EXPECT_EQ(RtByteMid(t, 2, 2), Text("平"));
    EXPECT_EQ(RtByteRight(t, 1), Text("B"));
    EXPECT_EQ(RtByteMid(t, 5, 1), Text(""));
}

TEST(StringsTest, SearchesByCharactersAndBytes) {
    const Text t = "平行ﾀ1/2ﾀ";
    EXPECT_EQ(RtCharInstr(t, "ﾀ"), 3);
    EXPECT_EQ(RtCharInstr(4, t, "ﾀ"), 7);
    EXPECT_EQ(RtByteInstr(t, "ﾀ"), 5);
    EXPECT_EQ(RtByteInstr(t, "/"), 7);
    EXPECT_EQ(RtCharInstr(t, "x"), 0);
    EXPECT_EQ(RtByteInstr(t, "x"), 0);
    // A character search never matches across a character boundary:
    // "ア" is 83 41 and "A" is 41.
    EXPECT_EQ(RtCharInstr(Text("ア"), Text("A")), 0);
}

TEST(StringsTest, CodesAndCharacters) {
    EXPECT_EQ(RtAsc("\r"), 13);
    EXPECT_EQ(RtAsc("ﾀ"), 0xC0);
    EXPECT_EQ(RtAsc("平"), 0x95BD);
    EXPECT_EQ(RtChr(0x95BD), Text("平"));
    EXPECT_EQ(RtChr(29), Text::FromBytes("\x1D"));
    EXPECT_EQ(RtAsc(""), 0);
    EXPECT_LT(Text("A"), Text("B"));   // byte order
}

struct NumberCase {
    double value;
    const char* single;
};

TEST(NumbersTest, NumberToText) {
    const NumberCase cases[] = {
        {0, " 0"}, {5, " 5"}, {-5, "-5"}, {0.5, " 0.5"}, {-0.5, "-0.5"}, {120, " 120"}, {3.25, " 3.25"},
        {1.0 / 3.0, " 0.3333333"}, {141, " 141"}, {-12.75, "-12.75"}, {1.5e8, " 1.5E+08"},
    };
    for (const auto& c : cases) EXPECT_EQ(RtStrSingle(static_cast<float>(c.value)).utf8(), c.single) << c.value;
    EXPECT_EQ(RtStrDouble(0.1).utf8(), " 0.1");
    EXPECT_EQ(RtStrDouble(-2).utf8(), "-2");
}

TEST(NumbersTest, ValReadsTheNumberATextStartsWith) {
    EXPECT_EQ(RtVal("12"), 12);
    EXPECT_EQ(RtVal(" 3.5abc"), 3.5);
    EXPECT_EQ(RtVal("-0.25"), -0.25);
    EXPECT_EQ(RtVal(".5"), 0.5);
    EXPECT_EQ(RtVal("6/2"), 6);
    EXPECT_EQ(RtVal("abc"), 0);
    EXPECT_EQ(RtVal(""), 0);
    EXPECT_EQ(RtVal("-"), 0);
    EXPECT_EQ(RtVal("1e3"), 1000);
    EXPECT_EQ(RtVal("1e999"), 0);   // not a finite number: nothing read
}

TEST(NumbersTest, IntegerConversionsNeverOverflowSilently) {
    EXPECT_EQ(RtInt(2.7), 2);
    EXPECT_EQ(RtInt(-2.2), -3);
    EXPECT_EQ(RtFix(-2.7), -2);
    EXPECT_EQ(RtCInt(2.5), 2);
    EXPECT_EQ(RtCInt(3.5), 4);
    EXPECT_EQ(RtInt(2147483647.0), 2147483647);
    EXPECT_THROW(RtInt(3e9), RuntimeError);
    EXPECT_THROW(RtCInt(NAN), RuntimeError);
    EXPECT_THROW(RtFix(-INFINITY), RuntimeError);
}

TEST(NumbersTest, CheckedArithmetic) {
    EXPECT_EQ(Div(6.0f, 3.0f), 2.0f);
    try {
        Div(1.0f, 0.0f);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, kErrDivisionByZero);
        EXPECT_GT(e.line, 0);
    }
    EXPECT_THROW(Checked(std::sqrt(-1.0f)), RuntimeError);
    EXPECT_THROW(Checked(3e38f * 10.0f), RuntimeError);
}

TEST(ArraysTest, IndicesAreChecked) {
    Array<float> a;
    EXPECT_THROW(a(0), RuntimeError);   // not created yet
    a.Create(60);
    a(60) = 1;
    a(59.6f) = 2;                        // a float index rounds
    EXPECT_EQ(a(60), 2);
    EXPECT_THROW(a(61), RuntimeError);
    EXPECT_THROW(a(-1), RuntimeError);
    Array2<float> v;
    v.Create(10, 2);
    v(10, 2) = 3;
    EXPECT_THROW(v(11, 0), RuntimeError);
    EXPECT_THROW(v(0, 3), RuntimeError);
}

TEST(RandomTest, ValuesStayBelowOneInSinglePrecision) {
    auto rt = Runtime::CreateHeadless();
    rt->RtRandomize(141);
    for (int i = 0; i < 200000; ++i) {
        float r = rt->RtRnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LE(r, 1.0f - 1.0f / 8388608.0f);
        ASSERT_LE(std::floor(r * 6.0f + 1.0f), 6.0f);
    }
}

TEST(RandomTest, SameSeedSameSequence) {
    auto a = Runtime::CreateHeadless();
    auto b = Runtime::CreateHeadless();
    a->RtRandomize(0);
    b->RtRandomize(0);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a->RtRnd(), b->RtRnd());
    b->RtRandomize(1);
    EXPECT_NE(a->RtRnd(), b->RtRnd());
}

}  // namespace
