// The angle-bisector lesson: the goals screen and topic menu, each topic run
// on the keys a pupil presses (texts, points, arcs, marks), and whole-program
// runs through the main menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"

namespace {

using namespace testing_support;
using namespace droveny_test;

const std::string kEnter = "{Enter}";
const std::string kCaption = "①P173Q　②例4作図　③二等分線上の点　④問9　⑤P174Q　⑥終了";

void ExpectAt(const Round& c, double x, double y) {
    EXPECT_TRUE(Near(c.x, x) && Near(c.y, y)) << c << " want " << x << ", " << y;
}

// The key-step prompt of the fold.
int FoldPrompts(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : Of(events, "run")) n += e["text"] == "１で次のステップ。他のキーで動かす。";
    return n;
}

// ---- Goals screen and topic menu ----------------------------------------------

TEST(AngleBisectorLesson, GoalsScreenWithTheBisectorAndItsEqualAngles) {
    DrovenyFixture f("6" + kEnter);
    Droveny& p = f.prog;
    ShowAngleBisectorGoals(p);
    EXPECT_NEAR(p.PenX, 818.30, 0.01);
    EXPECT_NEAR(p.PenY, 412.94, 0.01);
    ShowAngleBisectorTopicMenu(p);
    const auto events = f.Events();
    EXPECT_TRUE(IsBox(Of(events, "box").at(0), 0, 0, 1760, 1800, 15, 15));
    ExpectTexts(events, {{"<めあて>", 44, 240, 3},
                         {"角の二等分線の作図を考えよう。", 44, 305, 0},
                         {"<角の二等分線>", 44, 355, 5},
                         {"1つの角を2等分する半直線", 44, 405, 0},
                         {"∠AOBの二等分線は、半直線OC", 44, 455, 5},
                         {"O", 730, 375, 3},
                         {"A", 966.51f, 225, 3},
                         {"B", 966.51f, 535, 3},
                         {"C", 1000, 350, 5}});
    EXPECT_TRUE(HasLine(events, 770, 400, 986.51, 275, 0));
    EXPECT_TRUE(HasLine(events, 770, 400, 986.51, 525, 0));
    EXPECT_TRUE(HasLine(events, 770, 400, 1070, 400, 5));
    for (const auto& line : Of(events, "line")) EXPECT_EQ(line["width"], 5);
    // One disc in each half: the second at 345 degrees, past the turn.
    const auto discs = Discs(events, 8, 5, 0.001);
    ASSERT_EQ(discs.size(), 2u);
    ExpectAt(discs[0], 818.30, 387.06);
    ExpectAt(discs[1], 818.30, 412.94);
    EXPECT_EQ(Captions(events, kCaption), 1);
    EXPECT_EQ(p.TextLeft, 44);
    EXPECT_EQ(p.TextLineY, 455);
    EXPECT_EQ(p.MarkSize, 50);
    EXPECT_EQ(p.MarkShift, 1);
}

TEST(AngleBisectorLesson, TopicMenuRefusesNumbersThatNameNoItem) {
    // 0, 7, -1, Enter alone, 1/0 and 9/2 are refused; 6 leaves.
    DrovenyFixture f("0" + kEnter + "7" + kEnter + "-1" + kEnter + kEnter + "1/0" + kEnter + "6" + kEnter);
    Droveny& p = f.prog;
    RunAngleBisectorLesson(p);
    const auto events = f.Events();
    EXPECT_EQ(Captions(events, kCaption), 6);
    EXPECT_EQ(p.MenuChoice, 6);
    // The refusals leave the goals screen alone: only the bottom band changes.
    EXPECT_EQ(CountBoxes(events, 0, 0, 1760, 1800), 1);
    const auto boxes = Of(events, "box");
    for (std::size_t i = 1; i < boxes.size(); i++) EXPECT_GE(boxes[i]["y1"].get<double>(), 600) << boxes[i].dump();
}

// ---- Topic 1: the fold of the angle ---------------------------------------------

// The flap's side A'-O of each fold frame, in order: where A' stood.
std::vector<json> FlapCorners(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : Of(events, "line"))
        if (e["color"] == 3 && Near(e["x2"], 780) && Near(e["y2"], 210)) out.push_back(e);
    return out;
}

TEST(AngleFold, TheCornerFollowsItsPathToDAndTheCreaseFollows) {
    // The set-up key, 18 steps to the folded sheet, "1", then the nine pauses.
    DrovenyFixture f(std::string("a") + Repeat("x", 18) + "1" + Repeat("a", 9));
    Droveny& p = f.prog;
    ShowAngleFoldP173(p);
    const auto events = f.Events();
    EXPECT_EQ(FoldPrompts(events), 19);
    EXPECT_EQ(KeyWaits(events), 10);
    // C where BA meets the ray from O at -30 degrees.
    EXPECT_NEAR(p.PointX(4), 1020.00, 0.01);
    EXPECT_NEAR(p.PointY(4), 348.56, 0.01);

    const auto corners = FlapCorners(events);
    ASSERT_GE(corners.size(), 19u);
    struct AtAngle {
        int step;
        double x, y;
    };
    for (const AtAngle& a : {AtAngle{0, 1020, 210}, AtAngle{1, 1014.58, 208.97}, AtAngle{2, 1007.50, 211.14},
                             AtAngle{9, 934.02, 298.92}, AtAngle{17, 896.40, 413.66}, AtAngle{18, 900, 417.85}}) {
        SCOPED_TRACE("angle " + std::to_string(180 + 10 * a.step));
        EXPECT_TRUE(Near(corners[a.step]["x1"], a.x) && Near(corners[a.step]["y1"], a.y)) << corners[a.step].dump();
    }

    // The folded frame (the 19th fold frame, after the set-up key and 18
    // steps): the crease, and the path of A in 61 dots.
    const auto frames = Frames(events);
    const auto& folded = frames.at(19);
    EXPECT_EQ(Discs(folded, 0.5, 7, 0.001).size(), 61u);
    EXPECT_TRUE(HasLine(folded, 780, 210, 1020, 348.56, 3));
    EXPECT_EQ(Discs(frames.at(1), 0.5, 7, 0.001).size(), 0u);   // the flat sheet: no path yet
    EXPECT_EQ(Discs(frames.at(2), 0.5, 7, 0.001).size(), 4u);   // 180, 183, 186, 189

    // After "1": the frame erased, the crease OC and the edge DC.
    const auto& crease = frames.at(20);
    EXPECT_EQ(CountBoxes(crease, 720, 150, 1200, 630), 1);
    EXPECT_TRUE(HasLine(crease, 780, 210, 1020, 348.56, 3));
    EXPECT_TRUE(HasLine(crease, 900, 417.85, 1020, 348.56, 3));

    // The equal angles, on either side of the crease.
    const auto discs = Discs(frames.at(21), 8, 5, 0.001);
    ASSERT_EQ(discs.size(), 2u);
    ExpectAt(discs[0], 828.30, 222.94);
    ExpectAt(discs[1], 815.36, 245.36);

    ExpectTexts(events, {{"「教科書P173 Q」折り目の線の両側にできる角の関係は？", 40, 30, 3},
                         {"O", 750, 185, 3},
                         {"A", 1030, 185, 3},
                         {"B", 1030, 575.69f, 3},
                         {"折り目の線の両側にできる角の大きさは等しい", 40, 90, 5},
                         {"折り目の線をOC,Aと線対称な点をDとする", 40, 140, 0},
                         {"D", 886, 427.85f, 3},
                         {"C", 1028, 323.56f, 3},
                         {"直線OCを作図する方法を考えよう。", 40, 190, 5},
                         {"ぴったりと重なるから", 40, 240, 0},
                         {"したがって、", 40, 290, 0},
                         {"角の二等分線OCをかくには、", 40, 360, 7},
                         {"①たこ形ODCAをかき", 40, 410, 5},
                         {"②対角線OCをひけばよい。", 40, 460, 5}});
    for (const char* sameLine : {"(ぴったりと重なるから)", "OA=OD,", "CA=CD", "たこ形ODCAができる。"}) {
        const json run = FindRun(events, sameLine);
        EXPECT_GT(run["x"].get<double>(), 40) << sameLine;
    }
    // One tick across each of OA and OD at the middle, two on CA and CD.
    EXPECT_TRUE(HasLine(events, 900, 225, 900, 195, 7) || HasLine(events, 900, 195, 900, 225, 7));
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.ArcAngle, 360);
}

TEST(AngleFold, OneAtTheFirstFrameStillShowsTheCrease) {
    DrovenyFixture f(std::string("a1") + Repeat("a", 9));
    Droveny& p = f.prog;
    ShowAngleFoldP173(p);
    const auto events = f.Events();
    EXPECT_EQ(FoldPrompts(events), 1);
    EXPECT_EQ(Discs(events, 0.5, 7, 0.001).size(), 0u);
    EXPECT_EQ(p.ArcAngle, 180);
    EXPECT_NEAR(p.PointX2(1), 1020, 0.01);
    EXPECT_NEAR(p.PointY2(1), 210, 0.01);
    const auto frames = Frames(events);
    EXPECT_TRUE(HasLine(frames.at(2), 780, 210, 1020, 348.56, 3));
    EXPECT_TRUE(HasLine(frames.at(2), 900, 417.85, 1020, 348.56, 3));
    EXPECT_TRUE(FindRun(events, "②対角線OCをひけばよい。").is_object());
}

TEST(AngleFold, TheStepAfterTheFoldedSheetStartsAgainFlat) {
    DrovenyFixture f(std::string("a") + Repeat("x", 19) + "1" + Repeat("a", 9));
    Droveny& p = f.prog;
    ShowAngleFoldP173(p);
    const auto frames = Frames(f.Events());
    const auto& flatAgain = frames.at(20);
    EXPECT_EQ(Discs(flatAgain, 0.5, 7, 0.001).size(), 0u);
    EXPECT_FALSE(HasLine(flatAgain, 780, 210, 1020, 348.56, 3));
    EXPECT_EQ(p.ArcAngle, 180);
}

// ---- Topic 2: example 4 --------------------------------------------------------

TEST(AngleBisectorExample4, KiteThenTheFourStepsInTheAngleFrame) {
    DrovenyFixture f(Repeat("a", 7));
    Droveny& p = f.prog;
    ShowAngleBisectorExample4(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 7);
    ExpectTexts(events, {{"例3 ", 40, 30, 3},
                         {"下図のようなたこ形をかけばよいから", 40, 80, 0},
                         {"① Oを中心として、適当な半径の円をかき、交点をC,Dとする。", 40, 130, 3},
                         {"② Cを中心として、適当な半径の円をかく。", 40, 180, 3},
                         {"③ Dを中心として、②と等しい半径の円をかく。", 40, 230, 3},
                         {"④ 交点をEとして、半直線OEをひく。", 40, 280, 3},
                         {"教科書P173 問8 をやろう。", 400, 600, 0}});
    // E's name 29 px above E in the kite, 60 px in step 4.
    ExpectTexts(events, {{"E", 318.73f, 504.80f, 3}});
    EXPECT_TRUE(Near(FindLastRun(events, "E")["x"], 953.09) && Near(FindLastRun(events, "E")["y"], 380.70))
        << FindLastRun(events, "E").dump();
    EXPECT_TRUE(HasLine(events, 120, 600, 320, 440, 0));          // the kite's OA
    EXPECT_TRUE(HasLine(events, 308.73, 533.80, 213.70, 525.04, 0));   // its EC
    ExpectArcs(Outlines(events), {{660, 540, 180, 0.86261f, 0.03f, 7},
                                  {800.56f, 427.56f, 143.14f, 0.96463f, 0.06463f, 9},
                                  {840, 540, 143.14f, 0.84799f, 0.90799f, 9}}, kCompassArcs);
    EXPECT_TRUE(HasLine(events, 660, 540, 1056.32, 400.98, 5));   // the ray OE
    const auto discs = Discs(events, 8, 5, 0.001);
    ASSERT_EQ(discs.size(), 2u);
    ExpectAt(discs[0], 721.23, 506.07);
    ExpectAt(discs[1], 729.01, 528.25);
    EXPECT_EQ(p.GridBottom, 600);
    EXPECT_EQ(p.MarkSize, 70);
    EXPECT_NEAR(p.Radius, 143.14, 0.01);
}

// ---- Topic 3: points on the bisector --------------------------------------------

TEST(PointsOnAngleBisector, BothScreensOverTwentyTwoPauses) {
    DrovenyFixture f(Repeat("a", 22));
    Droveny& p = f.prog;
    ShowPointsOnAngleBisector(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 22);
    // The feet of each point, all before the figure: their background dots
    // come before the first line.
    struct FootAt {
        int entry;
        float x, y;
    };
    for (const FootAt& a : {FootAt{4, 577.83f, 299.56f}, FootAt{5, 703.05f, 550}, FootAt{7, 540.26f, 349.65f},
                            FootAt{8, 640.44f, 550}, FootAt{10, 502.70f, 399.74f}, FootAt{11, 577.83f, 550},
                            FootAt{13, 465.13f, 449.82f}, FootAt{14, 515.22f, 550}}) {
        EXPECT_NEAR(p.PointX(a.entry), a.x, 0.01) << a.entry;
        EXPECT_NEAR(p.PointY(a.entry), a.y, 0.01) << a.entry;
    }
    std::size_t firstLine = 0, lastFootDot = 0;
    for (std::size_t i = 0; i < events.size(); i++) {
        if (firstLine == 0 && events[i].value("op", "") == "line") firstLine = i;
        if (events[i].value("op", "") == "circle" && events[i]["r"] == 2 && events[i]["color"] == 15) lastFootDot = i;
    }
    EXPECT_LT(lastFootDot, firstLine);
    ExpectArcs(Outlines(events), {{390, 550, 313.05f, 0.82242f, 0.03f, 9}}, kCompassArcs);
    const auto discs = Discs(events, 8, 5, 0.001);
    ASSERT_EQ(discs.size(), 6u);   // the figure twice, then the marks of screen 2
    for (std::size_t i = 0; i < 6; i += 2) {
        ExpectAt(discs[i], 458.13, 533.92);
        ExpectAt(discs[i + 1], 443.74, 505.15);
    }
    ExpectTexts(events, {{"角の二等分線上の点", 40, 30, 3},
                         {"①", 40, 80, 0},
                         {"②", 40, 130, 0},
                         {"教科書P174 問9 をやろう。", 40, 190, 7}});
    for (const char* text : {"角の二等分線上の点から角の2辺までの、", "距離は等しい。"})
        EXPECT_TRUE(Near(FindRun(events, text)["y"], 80)) << text;
    for (const char* text : {"角の2辺までの距離が等しい点は、", "角の二等分線上にある。"})
        EXPECT_TRUE(Near(FindRun(events, text)["y"], 130)) << text;
    EXPECT_GT(FindRun(events, "角の二等分線上にある。")["x"].get<double>(),
              FindRun(events, "角の2辺までの距離が等しい点は、")["x"].get<double>());
    // Perpendiculars to OB are vertical; the bisector ends 420 px from O.
    EXPECT_TRUE(HasLine(events, 703.05, 393.48, 703.05, 550, 0));
    EXPECT_TRUE(HasLine(events, 390, 550, 765.66, 362.17, 3));
    // The ticks of the further points: 1, 2 and 3 strokes on each
    // perpendicular, on both screens.
    int greyTicks = 0;
    for (const auto& e : Of(events, "line")) greyTicks += e["color"] == 7;
    EXPECT_EQ(greyTicks, 2 * 2 * (1 + 2 + 3));
}

// ---- Topic 4: the answer to question 9 ------------------------------------------

TEST(AngleBisectorAnswer9, PerpendicularsFromPAndTheTouchingCircle) {
    DrovenyFixture f(Repeat("a", 9));
    Droveny& p = f.prog;
    ShowAngleBisectorAnswer9(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 9);
    ExpectTexts(events, {{"問9解答", 40, 30, 3}, {"O", 358, 425, 3}, {"A", 608, 145, 3}, {"B", 748, 425, 3},
                         {"P", 567.83f, 306.09f, 3}});
    // The bisector first in teal, then over in black.
    EXPECT_TRUE(HasLine(events, 390, 450, 765.66, 262.17, 3));
    EXPECT_TRUE(HasLine(events, 390, 450, 765.66, 262.17, 0));
    const auto discs = Discs(events, 8, 5, 0.001);
    ASSERT_EQ(discs.size(), 2u);
    ExpectAt(discs[0], 458.13, 433.92);
    ExpectAt(discs[1], 443.74, 405.15);
    ExpectArcs(Outlines(events), {{577.83f, 356.09f, 132.82f, 0.4474f, 0.7574f, 7},
                                  {446.35f, 374.87f, 132.82f, 0.6774f, 0.7774f, 7},
                                  {559.05f, 224.60f, 132.82f, 0.4274f, 0.5274f, 7},
                                  {577.83f, 356.09f, 132.82f, 0.0950f, 0.4050f, 9},
                                  {483.91f, 450, 132.82f, 0.0750f, 0.1750f, 9},
                                  {671.74f, 450, 132.82f, 0.3250f, 0.4250f, 9},
                                  {577.83f, 356.09f, 93.91f, 0, 0, 5}},
               kCompassArcs);
    EXPECT_TRUE(HasLine(events, 577.83, 356.09, 427.57, 243.39, 3));
    EXPECT_TRUE(HasLine(events, 577.83, 356.09, 577.83, 543.91, 3));
}

// ---- Topic 5: the bisector of the straight angle --------------------------------

TEST(StraightAngleBisector, TheCompassStepsAndTheReason) {
    DrovenyFixture f(Repeat("a", 12));
    Droveny& p = f.prog;
    ShowStraightAngleBisectorP174(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 12);
    ExpectTexts(events, {{"P174Q 点Oを通り、直線AB に垂直な直線をかこう。", 30, 30, 3},
                         {"O", 810, 500, 3},
                         {"A", 616, 500, 0},
                         {"B", 1050, 500, 0},
                         {"C", 690, 500, 3},
                         {"D", 964, 500, 3},
                         {"E", 810, 320, 3},
                         {"①", 30, 80, 3},
                         {"②", 30, 130, 3},
                         {"③", 30, 180, 3},
                         {"実際に作図しよう。", 30, 240, 3},
                         {"垂直になる理由は?", 30, 320, 7},
                         {"∠AOB=180%で、", 30, 370, 3},
                         {"直線OEはその角の二等分線だから", 30, 420, 3},
                         {"∠AOE=90%となる。", 30, 470, 5}});
    ExpectArcs(Outlines(events), {{840, 490, 120, 0.47f, 0.03f, 7},
                                  {720, 490, 216.33f, 0.7936f, 0.8936f, 9},
                                  {960, 490, 216.33f, 0.6064f, 0.7064f, 9}}, kCompassArcs);
    EXPECT_TRUE(HasLine(events, 630, 490, 1050, 490, 0));
    EXPECT_TRUE(HasLine(events, 840, 550, 840, 250, 5));
    EXPECT_NEAR(p.Radius, 216.33, 0.01);
}

// ---- Whole-program runs -----------------------------------------------------------

struct TopicCase {
    const char* name;
    std::string keys;
    std::string lastText;
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

const std::string kFold = "1" + kEnter + "a" + Repeat("x", 18) + "1" + Repeat("a", 9);
const std::string kExample4 = "2" + kEnter + Repeat("a", 7);
const std::string kPoints = "3" + kEnter + Repeat("a", 22);
const std::string kAnswer9 = "4" + kEnter + Repeat("a", 9);
const std::string kStraight = "5" + kEnter + Repeat("a", 12);

class AngleBisectorTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(AngleBisectorTopics, RunsToItsEndAndBackToTheTopicMenu) {
    const TopicCase& c = GetParam();
    const RunResult r = RunProgramHeadless("droveny", "3" + kEnter + c.keys + "6" + kEnter + "5" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_TRUE(r.DrewRun(c.lastText));
    // The goals once, the topic menu before and after the topic.
    EXPECT_EQ(CountRuns(r.events, "<角の二等分線>"), 1);
    EXPECT_EQ(Captions(r.events, kCaption), 2);
    EXPECT_EQ(r.events.back().value("reason", ""), "finished");
}

INSTANTIATE_TEST_SUITE_P(Droveny, AngleBisectorTopics,
                         testing::Values(TopicCase{"Fold", kFold, "②対角線OCをひけばよい。"},
                                         TopicCase{"Example4", kExample4, "教科書P173 問8 をやろう。"},
                                         TopicCase{"Points", kPoints, "教科書P174 問9 をやろう。"},
                                         TopicCase{"Answer9", kAnswer9, "問9解答"},
                                         TopicCase{"Straight", kStraight, "∠AOE=90%となる。"}),
                         [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

TEST(DrovenyProgram, EveryLessonFromTheMainMenuAndBack) {
    const std::string keys = "1" + kEnter + "7" + kEnter + "2" + kEnter + "7" + kEnter + "3" + kEnter + kFold +
                             kExample4 + kPoints + kAnswer9 + kStraight + "6" + kEnter + "5" + kEnter;
    const RunResult r = RunProgramHeadless("droveny", keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_TRUE(r.DrewRun("1 垂線の作図を考えよう。"));
    EXPECT_TRUE(r.DrewRun("垂直二等分線の作図を考えよう。"));
    EXPECT_TRUE(r.DrewRun("角の二等分線の作図を考えよう。"));
    for (const char* last : {"②対角線OCをひけばよい。", "教科書P173 問8 をやろう。", "教科書P174 問9 をやろう。",
                             "問9解答", "∠AOE=90%となる。"})
        EXPECT_TRUE(r.DrewRun(last)) << last;
    EXPECT_EQ(Captions(r.events, kCaption), 6);
    EXPECT_EQ(r.events.back().value("reason", ""), "finished");
}

}  // namespace

namespace {

class AngleTopicVisitedTwice : public testing::TestWithParam<TopicCase> {};

TEST_P(AngleTopicVisitedTwice, DrawsTheSameScreensAgain) {
    const TopicCase& c = GetParam();
    DrovenyFixture f(c.keys + c.keys + "6" + kEnter);
    RunAngleBisectorLesson(f.prog);
    const auto visits = TopicVisits(f.Events(), kCaption);
    ASSERT_EQ(visits.size(), 3u);   // the goals screen, then the topic twice
    ASSERT_EQ(visits[1].size(), visits[2].size());
    // After the erase (whose border takes the width left before it) every
    // event is the same.
    for (std::size_t i = 1; i < visits[1].size(); i++) ASSERT_EQ(visits[1][i], visits[2][i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Droveny, AngleTopicVisitedTwice,
                         testing::Values(TopicCase{"Fold", kFold, ""}, TopicCase{"Example4", kExample4, ""},
                                         TopicCase{"Points", kPoints, ""}, TopicCase{"Answer9", kAnswer9, ""},
                                         TopicCase{"Straight", kStraight, ""}),
                         [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

}  // namespace
