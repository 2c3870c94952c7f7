// The bottom band and the prompt line: pauses, the message box, the
// next-step box, number prompts and the erases, checked through the trace.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/support.h"

namespace {

using nlohmann::json;

struct Box {
    float x1, y1, x2, y2;
    int color, fill, width;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "(" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ") colour " << b.color << " fill "
              << b.fill << " width " << b.width;
}

std::vector<Box> Boxes(const std::vector<json>& events) {
    std::vector<Box> out;
    for (const auto& e : events)
        if (e["op"] == "box")
            out.push_back({e["x1"].get<float>(), e["y1"].get<float>(), e["x2"].get<float>(), e["y2"].get<float>(),
                           e["color"].get<int>(), e["fill"].is_null() ? -1 : e["fill"].get<int>(),
                           e["width"].get<int>()});
    return out;
}

// The first glyph drawn in `color` is `text` at (x, y).
void ExpectFirstGlyph(testing_support::Fixture& f, int color, const char* text, int x, int y) {
    json first;
    for (const auto& e : f.Events("text")) {
        if (e["color"] == color) {
            first = e;
            break;
        }
    }
    EXPECT_EQ(first["text"], text);
    EXPECT_EQ(first["x"], x);
    EXPECT_EQ(first["y"], y);
}

// A program state with a colour and pen width of the caller's own.
void SetCallerPen(Program& p) {
    p.PenColor = 7;
    p.rt.RtSetDrawWidth(5);
}

// The two pauses on the bottom band: a box with its text in colour 9, one
// key, then the box erased and the caller's colour and pen width back.
struct PauseCase {
    const char* name;
    void (*routine)(Program&);
    const char* keys;
    const char* textCell;   // what the caller left in TextCell
    const char* lastKey;
    std::vector<Box> boxes;   // the box, then the erase
    const char* firstGlyph;
    int firstX;
    std::optional<float> penX;   // where the pause text ended
};

TEST(PauseBoxes, ShowTheBoxAndRestoreColourAndWidth) {
    const PauseCase cases[] = {
        {"WaitForAnyKey", WaitForAnyKey, "x", "left by the caller", "x",
         {{96, 657, 400, 693, 13, 4, 3}, {0, 657, 400, 693, 15, 15, 3}}, "何", 128, 128 + 12 * 16},
        {"ShowMessageAndWaitKey", ShowMessageAndWaitKey, "{Right}", "△ABC を ←→で動かす。Enterキーで終了", "\x1c",
         {{16, 657, 496, 693, 13, 4, 3}, {0, 657, 992, 720, 15, 15, 3}}, "△", 48, std::nullopt},
    };
    for (const PauseCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Fixture f(nullptr, c.keys);
        Program& p = *f.p;
        SetCallerPen(p);
        p.TextCell = c.textCell;
        c.routine(p);
        EXPECT_EQ(p.LastKey, Text(c.lastKey));
        EXPECT_EQ(p.PenColor, 7);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 5);
        EXPECT_TRUE(p.TextCell.empty());
        if (c.penX) {
            EXPECT_EQ(p.PenX, *c.penX);
        }
        EXPECT_EQ(Boxes(f.Events()), c.boxes);
        ExpectFirstGlyph(f, 9, c.firstGlyph, c.firstX, 666);
    }
}

TEST(WaitForAnyKey, AnyKeyEndsTheWait) {
    for (const char* key : {"{Enter}", "{Right}", "1", " ", "{Esc}"}) {
        testing_support::Fixture f(nullptr, std::string(key) + "q", false);
        WaitForAnyKey(*f.p);
        EXPECT_FALSE(f.p->LastKey.empty()) << key;
        EXPECT_NE(f.p->LastKey, Text("q")) << key;
    }
}

TEST(ShowMessageAndWaitKey, EmptyMessageStillWaits) {
    testing_support::Fixture f(nullptr, "k");
    ShowMessageAndWaitKey(*f.p);
    EXPECT_EQ(f.p->LastKey, Text("k"));
    EXPECT_EQ(Boxes(f.Events()).size(), 2u);
}

TEST(ShowMessageAndWaitKey, ASecondPollWaitsForASecondKey) {
    testing_support::Fixture f(nullptr, "ab");
    ShowMessageAndWaitKey(*f.p);
    EXPECT_EQ(f.p->LastKey, Text("a"));
    EXPECT_TRUE(f.p->rt.RtInkey().empty());
    ShowMessageAndWaitKey(*f.p);
    EXPECT_EQ(f.p->LastKey, Text("b"));
}

TEST(ClearMessageBarAndRestore, ErasesTheBandAndRestoresTheSavedPen) {
    testing_support::Fixture f;
    Program& p = *f.p;
    p.SavedPenColor = 3;
    p.SavedDrawWidth = 7;
    p.PenColor = 9;
    ClearMessageBarAndRestore(p);
    EXPECT_EQ(p.PenColor, 3);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
    EXPECT_EQ(Boxes(f.Events()), (std::vector<Box>{{0, 657, 992, 720, 15, 15, 3}}));
}

struct NextStepCase {
    const char* keys;
    float value;
};

TEST(AskNextStep, AsksInTheStepBoxAndErasesIt) {
    for (const NextStepCase& c : {NextStepCase{"1{Enter}", 1}, NextStepCase{"{Enter}", 0}, NextStepCase{"2{Enter}", 2}}) {
        testing_support::Fixture f(nullptr, c.keys);
        Program& p = *f.p;
        SetCallerPen(p);
        AskNextStep(p);
        EXPECT_EQ(p.EntryValue, c.value) << c.keys;
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 5) << c.keys;
        const auto boxes = Boxes(f.Events());
        ASSERT_GE(boxes.size(), 3u);
        EXPECT_EQ(boxes.front(), (Box{96, 639, 400, 675, 13, 12, 2}));
        EXPECT_EQ(boxes[boxes.size() - 2], (Box{1008, 639, 1168, 666, 15, 15, 2}));
        EXPECT_EQ(boxes.back(), (Box{96, 639, 400, 675, 15, 15, 2}));
        ExpectFirstGlyph(f, 9, "次", 128, 648);
    }
}

TEST(FlushPendingKeys, ReturnsAtOnceWhenNoKeyIsWaiting) {
    testing_support::Fixture f(nullptr, "");
    f.p->LastKey = "x";
    FlushPendingKeys(*f.p);
    EXPECT_TRUE(f.p->LastKey.empty());
}

TEST(FlushPendingKeys, DropsTheWaitingKeyButNotLaterOnes) {
    testing_support::Fixture f(nullptr, "ab");
    ASSERT_TRUE(f.rt->WaitForKey(0));   // "a" is now waiting
    FlushPendingKeys(*f.p);
    EXPECT_TRUE(f.p->LastKey.empty());
    WaitForAnyKey(*f.p);
    EXPECT_EQ(f.p->LastKey, Text("b"));
}

TEST(WaitForAnyKey, AKeyAlreadyWaitingEndsItAtOnce) {
    testing_support::Fixture f(nullptr, "a");
    ASSERT_TRUE(f.rt->WaitForKey(0));
    WaitForAnyKey(*f.p);
    EXPECT_EQ(f.p->LastKey, Text("a"));
}

TEST(AskNumberBesideField, CaptionEndsEightyPixelsLeftOfTheAnchor) {
    testing_support::Fixture f(nullptr, "45{Enter}");
    Program& p = *f.p;
    p.TextCell = "角度を";
    AskNumberBesideField(p);
    EXPECT_EQ(p.EntryValue, 45);
    ExpectFirstGlyph(f, 5, "角", 1056 - 16 * 8, 648);
}

TEST(AskNumberBesideField, EmptyCaptionDrawsNothingBeforeTheLabel) {
    testing_support::Fixture f(nullptr, "{Enter}");
    AskNumberBesideField(*f.p);
    const auto texts = f.Events("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front()["text"], "入");
    EXPECT_EQ(f.p->EntryValue, 0);
}

TEST(AskNumberInMessageBar, WritesTheCaptionOnTheBand) {
    testing_support::Fixture f(nullptr, "3{Enter}");
    Program& p = *f.p;
    p.TextCell = "①P154　②P155　③終了";
    AskNumberInMessageBar(p);
    EXPECT_EQ(p.EntryValue, 3);
    ExpectFirstGlyph(f, 0, "①", 16, 666);
    // The caption stays: nothing erases the band.
    for (const Box& b : Boxes(f.Events())) EXPECT_NE(b, (Box{0, 657, 992, 720, 15, 15, 3}));
}

TEST(ErasingBoxes, PromptLineWorkAreaAndRightOfTheField) {
    testing_support::Fixture f;
    Program& p = *f.p;
    ClearPromptLine(p);
    ClearDrawingArea(p);
    ClearMessageBar(p);
    ClearRightOfEntryField(p);
    EXPECT_EQ(p.PenX, 1136);
    EXPECT_EQ(p.PenY, 576);
    EXPECT_EQ(Boxes(f.Events()), (std::vector<Box>{{416, 640, 1472, 690, 15, 15, 3},
                                                   {0, 54, 1440, 900, 15, 15, 3},
                                                   {0, 657, 992, 720, 15, 15, 3},
                                                   {1136, 576, 2576, 666, 15, 15, 3}}));
}

}  // namespace
