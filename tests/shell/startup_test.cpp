// Start-up: the first values, the font and pen, the random seed from the
// clock, the sizes of the shared arrays; and the error screen's text and the
// cells it leaves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/startup.h"
#include "support/support.h"

namespace {

using nlohmann::json;

const ProgramInfo kVarnelLike{"varnel", "Varnel", "移動の学習", 60, true, nullptr};
const ProgramInfo kDrovenyLike{"droveny", "Droveny", "基本の作図", 50, false, nullptr};

// A headless runtime at `clock` and a program on it, before start-up.
struct Bare {
    explicit Bare(const ProgramInfo& info, const std::string& clock = "12:00:00", const std::string& trace = "")
        : rt(Runtime::CreateHeadless("", clock, trace)), p(std::make_unique<Program>(*rt, info)) {}
    std::unique_ptr<Runtime> rt;
    std::unique_ptr<Program> p;
};

// True when `access` raises the subscript error.
template <class F>
bool Refused(F access) {
    try {
        access();
    } catch (const RuntimeError& e) {
        return e.code == kErrSubscript;
    }
    return false;
}

TEST(StartUp, SetsTheFirstValuesFontAndPen) {
    for (const ProgramInfo* info : {&kVarnelLike, &kDrovenyLike}) {
        SCOPED_TRACE(info->title);
        Bare b(*info);
        Program& p = *b.p;
        StartUp(p);
        EXPECT_EQ(p.PenColor, 4);
        EXPECT_EQ(p.PromptX, 1056);
        EXPECT_EQ(p.PromptY, 648);
        EXPECT_EQ(p.ProgramTitle, Text(info->title));
        EXPECT_EQ(b.rt->FontName(), Text("ｺﾞｼｯｸ"));
        EXPECT_EQ(b.rt->FontSize(), 16);
        EXPECT_EQ(b.rt->RtGetDrawWidth(), 3);
        // Nothing else has a value yet.
        EXPECT_EQ(p.EntryValue, 0);
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_TRUE(p.EntryText.empty());
    }
}

TEST(StartUp, SizesTheSharedArrays) {
    for (const ProgramInfo* info : {&kVarnelLike, &kDrovenyLike}) {
        SCOPED_TRACE(info->title);
        Bare b(*info);
        Program& p = *b.p;
        StartUp(p);
        struct Bound {
            const char* name;
            int32_t bound;
            int32_t expected;
        };
        const Bound bounds[] = {
            {"TableTextA", p.TableTextA.Bound(), 40},   {"TableValueA", p.TableValueA.Bound(), 40},
            {"TableTextB", p.TableTextB.Bound(), 80},   {"TableValueB", p.TableValueB.Bound(), 80},
            {"PointX", p.PointX.Bound(), info->pointBound}, {"PointY", p.PointY.Bound(), info->pointBound},
            {"PointAngle", p.PointAngle.Bound(), 10},   {"PointDirection", p.PointDirection.Bound(), 10},
            {"PointLabel", p.PointLabel.Bound(), 40},   {"PointX2", p.PointX2.Bound(), 40},
            {"PointY2", p.PointY2.Bound(), 40},         {"TableTextX2", p.TableTextX2.Bound(), 20},
            {"TableTextY2", p.TableTextY2.Bound(), 20},
        };
        for (const Bound& a : bounds) EXPECT_EQ(a.bound, a.expected) << a.name;
        // The last index exists and starts at 0; the next one is refused.
        EXPECT_EQ(p.PointX(info->pointBound), 0);
        EXPECT_TRUE(p.PointLabel(40).empty());
        EXPECT_TRUE(Refused([&] { p.PointY(info->pointBound + 1) = 1; }));
        // The vertex table runs 0..10 by 0..2.
        EXPECT_EQ(p.PolygonVertex(10, 2), 0);
        EXPECT_TRUE(Refused([&] { p.PolygonVertex(11, 0) = 1; }));
        EXPECT_TRUE(Refused([&] { p.PolygonVertex(0, 3) = 1; }));
    }
}

TEST(StartUp, SeedsTheRandomNumbersFromTheClock) {
    struct Case {
        const char* clock;
        float seed;   // hours + minutes + seconds
    };
    for (const Case& c : {Case{"00:00:00", 0}, Case{"23:59:59", 141}, Case{"12:34:56", 102}, Case{"09:05:07", 21}}) {
        Bare b(kDrovenyLike, c.clock);
        StartUp(*b.p);
        EXPECT_EQ(b.p->WorkA, c.seed) << c.clock;
        auto seeded = Runtime::CreateHeadless("", "12:00:00");
        seeded->RtRandomize(static_cast<int32_t>(c.seed));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(b.rt->RtRnd(), seeded->RtRnd()) << c.clock << " draw " << i;
    }
}

TEST(ReseedRandom, SeedsAgainFromTheClock) {
    Bare b(kVarnelLike, "23:59:59");
    Program& p = *b.p;
    StartUp(p);
    const float first = b.rt->RtRnd();
    b.rt->RtRnd();
    p.WorkA = 7;
    ReseedRandom(p);
    EXPECT_EQ(p.WorkA, 141);
    EXPECT_EQ(b.rt->RtRnd(), first);
}

TEST(HandleRuntimeError, WritesLineAndCodeWithTheirBlanksInTheCurrentFont) {
    testing_support::Fixture f;
    Program& p = *f.p;
    // The font as a text routine might leave it when the error comes.
    p.rt.RtSetFontName("Times New Roman");
    p.rt.RtSetFontSize(13);
    p.rt.RtSetFontItalic(-1);
    int status = -1;
    try {
        HandleRuntimeError(p, RuntimeError(1234, kErrDivisionByZero));
    } catch (const ProgramExit& e) {
        status = e.status;
    }
    EXPECT_EQ(status, 3);   // a headless run ends on the error screen at once
    EXPECT_EQ(p.WorkA, 1234);
    EXPECT_EQ(p.WorkB, kErrDivisionByZero);
    EXPECT_EQ(p.TextArg, Text(" 1234"));
    EXPECT_EQ(p.CurChar, Text(" 11"));
    const auto events = f.Events();
    std::vector<std::string> ops;
    for (const json& e : events)
        if (e["op"] != "end") ops.push_back(e["op"].get<std::string>());
    EXPECT_EQ(ops, (std::vector<std::string>{"cls", "text"}));
    const auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 1u);
    const json& t = texts[0];
    EXPECT_EQ(t["text"], " 1234, 11エラーが発生しました。マウスで×をクリックして下さい。");
    EXPECT_EQ(t["x"], 288);
    EXPECT_EQ(t["y"], 432);
    EXPECT_EQ(t["color"], 13);
    EXPECT_EQ(t["hscale"], 1);
    EXPECT_EQ(t["vscale"], 1);
    EXPECT_EQ(t["font"], "Times New Roman");
    EXPECT_EQ(t["size"], 13);
    EXPECT_EQ(t["italic"], true);
}

}  // namespace
