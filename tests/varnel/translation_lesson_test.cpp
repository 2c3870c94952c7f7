// The translation lesson: goal screen and topic menu, the opening question
// with its stepped move, the answers to questions 1 to 3 and the
// parallel-segment construction, each run on the keys a pupil presses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lessons/varnel/varnel.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

// The lesson's sub-menu caption.
const std::string kCaption = "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了";

// ---- Goal screen and topic menu ---------------------------------------------------

TEST(TranslationLesson, GoalScreenThenTheMenuUntilItemSix) {
    // 0, 7, -1 and Enter alone are refused; 6 leaves the lesson.
    VarnelFixture f("0{Enter}7{Enter}-1{Enter}{Enter}6{Enter}");
    RunTranslationLesson(f.prog);   // returns: item 6 goes back to the main menu
    Varnel& p = f.prog;
    const auto events = f.Events();
    EXPECT_TRUE(IsBox(Of(events, "box").at(0), 0, 0, 1760, 1800, 15, 15));
    ExpectTexts(events, {{"<めあて>", 44, 240, 3},
                         {"平行移動について考えよう。", 44, 305, 0},
                         {"移動", 44, 370, 3},
                         {"…ある図形を形や大きさを変えずに他の位置へ移すこと", -44, 370, 0}});
    EXPECT_EQ(p.TextLeft, 44);
    EXPECT_EQ(p.TextLineY, 370);
    EXPECT_EQ(Captions(events, kCaption, 0), 5);
    EXPECT_EQ(p.MenuChoice, 6);
    EXPECT_EQ(p.EntryValue, 10);
    // Refused numbers erase nothing but the band and the entry field: the
    // goal screen is drawn once and stays.
    EXPECT_EQ(CountBoxes(events, 0, 0, 1760, 1800), 1);
    EXPECT_EQ(CountRuns(events, "<めあて>"), 1);
}

TEST(TranslationLesson, ATopicEndsBackAtTheMenuOverItsLastScreen) {
    // Topic 5, its three pauses, then the menu again at once; the goal screen
    // is not drawn again.
    VarnelFixture f("5{Enter}abc6{Enter}");
    RunTranslationLesson(f.prog);
    const auto frames = Frames(f.Events());
    // Keys: 5, Enter, a, b, c, 6, Enter. The caption comes back right after
    // the third pause, with no other key wait in between.
    ASSERT_EQ(frames.size(), 8u);
    EXPECT_EQ(Captions(frames[5], kCaption, 0), 1);
    EXPECT_EQ(CountRuns(f.Events(), "<めあて>"), 1);
    EXPECT_EQ(CountBoxes(frames[5], 0, 0, 1760, 1800), 0);
}

// ---- Topic 1: the opening question ------------------------------------------------

const std::string kP156Pauses = "abcdefgh";   // the eight pauses of the question phase

TEST(TranslationQuestionP156, TextsOfTheQuestionAndTheAnswer) {
    VarnelFixture f(kP156Pauses + "1" + "xy");
    ShowTranslationQuestionP156(f.prog);
    ExpectTexts(f.Events(), {{"三角形アをどのように移動させればイに重なるだろう。", 30, 20, 3},
                             {"(1)", 30, 70, 7},
                             {"A',B',C'はどこ？", -30, 70, 0},
                             {"A'", 952, 305, 3},
                             {"B'", 790, 567.85f, 3},
                             {"C'", 940, 567.85f, 3},
                             {"(2)", 30, 120, 7},
                             {"AとA',BとB',CとC'", -30, 120, 0},
                             {"を結ぶ直線をかこう。", 84, 170, 0},
                             {"(3)", 30, 220, 7},
                             {"かいた線分の関係は?", -30, 220, 0},
                             {"平行でその長さが等しい。", 84, 270, 5},
                             {"(4)", 30, 320, 7},
                             {"三角形アの移動は？", -30, 320, 0},
                             {"三角形アをAからA'の方向に", 84, 370, 3},
                             {"線分AA'の長さだけ", 84, 420, 3},
                             {"移動させる。", 84, 470, 3},
                             {"ア", 760, 280, 3},
                             {"A", 806, 92.15f, 0},
                             {"B", 670, 325, 0},
                             {"C", 824, 300, 0},
                             {"イ", 870, 487.85f, 3}});
}

TEST(TranslationQuestionP156, TheCopySlidesATenthPerKeyAndStartsOver) {
    // Eleven keys other than "1" (Enter, arrows, digits, letters alike), then
    // "1".
    VarnelFixture f(kP156Pauses + "{Enter}{Right}{Left}2ab3{Up}{Down}xy" + "1" + "uv");
    ShowTranslationQuestionP156(f.prog);
    const auto frames = Frames(f.Events());
    // Frames 8 to 19 end with the twelve slide prompts.
    std::vector<double> copyAx;
    for (int k = 8; k <= 19; ++k) {
        // The copy's outline: colour 7 at width 7, its first side from A.
        for (const auto& e : Of(frames[k], "line"))
            if (e["color"] == 7 && e["width"] == 7) {
                copyAx.push_back(e["x1"].get<double>());
                const double expectedY = 142.1537 + (copyAx.size() - 1) % 11 * 20.7846;
                EXPECT_TRUE(Near(e["y1"], expectedY, 0.01)) << k;
                break;
            }
    }
    ASSERT_EQ(copyAx.size(), 12u);
    for (int n = 0; n < 12; ++n) EXPECT_TRUE(std::fabs(copyAx[n] - (820 + 12 * (n % 11))) < 0.01) << n;
    // After "1": the figure again, the outline of イ in colour 7, the
    // segments over it, then the arrow A to A' in colour 5.
    const auto& answer = frames[20];
    EXPECT_EQ(CountBoxes(answer, 640, 70, 2240, 2470), 1);
    bool outline = false;
    for (const auto& e : Of(answer, "polyline"))
        outline |= e["color"] == 7 && e["filled"] == false && e["points"].size() == 4 && Near(e["points"][0][0], 940) &&
                   Near(e["points"][1][1], 557.85, 0.01);
    EXPECT_TRUE(outline);
    EXPECT_TRUE(HasLine(frames[21], 820, 142.154, 940, 350, 5, 0.01) ||
                HasLine(frames[21], 940, 350, 820, 142.154, 5, 0.01));
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 7);
}

TEST(TranslationQuestionP156, OneAtTheFirstPromptEndsTheSlideAtOnce) {
    VarnelFixture f(kP156Pauses + "1" + "xy");
    ShowTranslationQuestionP156(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 12u);
    // One slide screen, its copy exactly on ア; no erase of the slide after it.
    EXPECT_TRUE(HasLine(frames[8], 820, 142.154, 700, 350, 7, 0.01));
    EXPECT_EQ(CountBoxes(frames[8], 640, 70, 2240, 2470), 0);
}

TEST(TranslationQuestionP156, TheFigurePoints) {
    VarnelFixture f;
    Varnel& p = f.prog;
    p.CellSize = 60;
    p.OriginX = 640;
    p.OriginY = 650;
    p.Pi = 3.14159f;
    BuildTranslationFigure(p);
    const float expected[10][2] = {{940, 350},       {820, 142.15f},  {700, 350},  {820, 557.85f}, {1060, 557.85f},
                                   {1180, 350},      {1060, 142.15f}, {940, 142.15f}, {940, 557.85f}, {820, 350}};
    for (int i = 0; i <= 9; ++i) {
        EXPECT_NEAR(p.PointX(i), expected[i][0], 0.01) << i;
        EXPECT_NEAR(p.PointY(i), expected[i][1], 0.01) << i;
    }
    EXPECT_EQ(p.Radius, 240);
    EXPECT_EQ(p.LoopIndex, 7);
    EXPECT_EQ(p.FromPoint, 8);
    EXPECT_EQ(p.WorkA, 3);
    EXPECT_EQ(p.WorkB, 4);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 7);
    EXPECT_TRUE(f.Events("line").empty());
}

TEST(TranslationQuestionP156, LatticeTrianglesAndJoiningSegmentsInOrder) {
    VarnelFixture f;
    Varnel& p = f.prog;
    p.CellSize = 60;
    p.OriginX = 640;
    p.OriginY = 650;
    p.Pi = 3.14159f;
    BuildTranslationFigure(p);
    DrawTranslationFigure(p);
    DrawCorrespondingSegments(p);
    // The drawing, texts left out, in the order drawn.
    std::vector<json> shapes;
    for (const auto& e : f.Events())
        if (e["op"] == "line" || e["op"] == "polyline") shapes.push_back(e);
    ASSERT_EQ(shapes.size(), 1u + 6 + 3 + 2 + 3);
    auto pt = [&](int i) { return std::pair<double, double>{p.PointX(i), p.PointY(i)}; };
    auto polylineThrough = [&](const json& e, std::initializer_list<int> points) {
        if (e["op"] != "polyline" || e["points"].size() != points.size()) return false;
        int k = 0;
        for (int i : points) {
            if (!Near(e["points"][k][0], pt(i).first, 0.01) || !Near(e["points"][k][1], pt(i).second, 0.01)) return false;
            ++k;
        }
        return true;
    };
    // Hexagon outline in colour 0.
    EXPECT_TRUE(polylineThrough(shapes[0], {1, 2, 3, 4, 5, 6, 1}));
    EXPECT_EQ(shapes[0]["filled"], false);
    EXPECT_EQ(shapes[0]["color"], 0);
    // Six spokes, then the three vertical lines, all colour 0.
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(IsLine(shapes[i], pt(0).first, pt(0).second, pt(i).first, pt(i).second, 0, 0.01)) << i;
    const int verticals[3][2] = {{7, 8}, {1, 3}, {6, 4}};
    for (int k = 0; k < 3; ++k) {
        const auto [a, b] = std::pair{pt(verticals[k][0]), pt(verticals[k][1])};
        EXPECT_TRUE(IsLine(shapes[7 + k], a.first, a.second, b.first, b.second, 0, 0.01)) << k;
    }
    // ア and イ filled with 13, outlined in 0.
    EXPECT_TRUE(polylineThrough(shapes[10], {1, 2, 9, 1}));
    EXPECT_TRUE(polylineThrough(shapes[11], {0, 3, 8, 0}));
    for (int k : {10, 11}) {
        EXPECT_EQ(shapes[k]["filled"], true);
        EXPECT_EQ(shapes[k]["fill"], 13);
        EXPECT_EQ(shapes[k]["color"], 0);
    }
    // A-A', B-B', C-C' in colour 3.
    const int joins[3][2] = {{1, 0}, {2, 3}, {9, 8}};
    for (int k = 0; k < 3; ++k) {
        const auto [a, b] = std::pair{pt(joins[k][0]), pt(joins[k][1])};
        EXPECT_TRUE(IsLine(shapes[12 + k], a.first, a.second, b.first, b.second, 3, 0.01)) << k;
    }
    for (const auto& e : shapes) EXPECT_EQ(e["width"], 7);
}

TEST(TranslationQuestionP156, TheSlidePromptOnTheMessageBox) {
    VarnelFixture f(kP156Pauses + "x1");
    RunUntilKeysEnd(f, ShowTranslationQuestionP156);
    int prompts = 0;
    for (const auto& e : Of(f.Events(), "run"))
        prompts += e["routine"] == "DrawWideText" && e["text"] == "１で次のステップ。他のキーで動かす。" &&
                   e["x"] == 48 && e["y"] == 666 && e["color"] == 9;
    EXPECT_EQ(prompts, 2);
}

// ---- Topic 3: answers to questions 1 and 2 ----------------------------------------

TEST(TranslationAnswers1And2, TheScreensStepByStep) {
    VarnelFixture f("abcd");
    ShowTranslationAnswers1And2(f.prog);
    const auto events = f.Events();
    ExpectTexts(events, {{"問1 解答", 78, 30, 3},
                         {"O", 721, 140, 0},
                         {"P", 1001, 70, 0},
                         {"(2)", 40, 80, 0},
                         {"平行で、その長さが等しい", -40, 80, 5},
                         {"問2 解答", 78, 150, 3},
                         {"AA'∥BB',AA'=BB'", 78, 200, 5}});
    const auto frames = Frames(events);
    ASSERT_EQ(frames.size(), 5u);
    // The arrow O to P and its head at P, before the first pause.
    EXPECT_TRUE(HasLine(frames[0], 735, 190, 1015, 120, 3) || HasLine(frames[0], 1015, 120, 735, 190, 3));
    int headBarbs = 0;
    for (const auto& e : Of(frames[0], "line"))
        if (e["color"] == 3 && Near(e["x2"], 1015) && Near(e["y2"], 120) && !Near(e["x1"], 735)) {
            ++headBarbs;
            EXPECT_TRUE((Near(e["x1"], 989.5, 0.1) && Near(e["y1"], 141.8, 0.1)) ||
                        (Near(e["x1"], 982.3, 0.1) && Near(e["y1"], 112.7, 0.1)))
                << e.dump();
        }
    EXPECT_EQ(headBarbs, 2);
    // The joining segments come with the first key, in colour 5.
    EXPECT_TRUE(HasLine(frames[1], 735, 260, 1015, 190, 5));
    EXPECT_TRUE(HasLine(frames[1], 595, 435, 875, 365, 5));
    EXPECT_TRUE(HasLine(frames[1], 770, 435, 1050, 365, 5));
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
    // No grid: nothing in the grid colour.
    for (const auto& e : Of(events, "line")) EXPECT_NE(e["color"], 14);
}

// ---- Topic 5: answer to question 3 -------------------------------------------------

TEST(TranslationAnswer3, ThreeKeysCompleteTheFigure) {
    VarnelFixture f("abc");
    ShowTranslationAnswer3(f.prog);
    const auto events = f.Events();
    ExpectTexts(events, {{"問3 解答", 78, 30, 3}});
    const auto frames = Frames(events);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_TRUE(HasLine(frames[0], 375, 260, 235, 435, 0));   // AB
    EXPECT_TRUE(HasLine(frames[0], 375, 260, 655, 190, 3) || HasLine(frames[0], 655, 190, 375, 260, 3));
    EXPECT_TRUE(HasLine(frames[1], 235, 435, 515, 365, 3));   // BB'
    EXPECT_TRUE(HasLine(frames[2], 410, 435, 690, 365, 3));   // CC'
    EXPECT_TRUE(HasLine(frames[3], 655, 190, 515, 365, 5));   // A'B'
    for (const char* name : {"A'", "B'", "C'"}) {
        const json run = FindRun(frames[3], name);
        ASSERT_FALSE(run.is_null()) << name;
        EXPECT_EQ(run["color"], 5);
    }
    EXPECT_TRUE(FindRun(frames[2], "A'").is_null());
    for (const auto& e : Of(events, "line")) EXPECT_EQ(e["width"], 5) << e.dump();
}

// ---- Topic 4: the parallel segment -------------------------------------------------

TEST(ParallelLineConstruction, NineStepsWithSetSquaresAndCompasses) {
    VarnelFixture f("0123456789");
    ShowParallelLineConstruction(f.prog);
    Varnel& p = f.prog;
    const auto events = f.Events();
    ExpectTexts(events, {{"線分ABに平行で", 40, 30, 3},
                         {"長さが等しい線分CDをかこう！", 40, 80, 3},
                         {"①", 40, 130, 3},
                         {"線分ABに三角定規をあてる。", -40, 130, 0},
                         {"②", 40, 180, 3},
                         {"別の定規を垂直にあてる。", -40, 180, 0},
                         {"③", 40, 230, 3},
                         {"最初の定規をずらす。", -40, 230, 0},
                         {"④", 40, 280, 3},
                         {"直線をひく。", -40, 280, 0},
                         {"⑤", 40, 330, 3},
                         {"コンパスの針を点Aにおく。", -40, 330, 0},
                         {"⑥", 40, 380, 3},
                         {"コンパスの幅を線分ABの長さにする。", -40, 380, 0},
                         {"⑦", 40, 430, 3},
                         {"コンパスの針を点Cにおく。", -40, 430, 0},
                         {"⑧", 40, 480, 3},
                         {"点Dを求める。", -40, 480, 0},
                         {"⑨", 40, 530, 3},
                         {"線分CDをひく。", -40, 530, 0},
                         {"教科書P158 問3 をやろう。", 67, 600, 7},
                         {"A", 829, 110, 3},
                         {"B", 1104, 55, 3}});
    const auto frames = Frames(events);
    ASSERT_EQ(frames.size(), 11u);
    EXPECT_TRUE(IsBox(Of(frames[0], "box").at(0), 0, 0, 1320, 1300, 15, 15));
    // The task: AB drawn 5 px high.
    EXPECT_TRUE(HasLine(frames[0], 825, 155, 1100, 100, 3));
    // Steps 1 and 2 lay the set squares (filled, colour 14, holes 15).
    EXPECT_EQ(Of(frames[1], "polyline").size(), 2u);
    EXPECT_EQ(Of(frames[2], "polyline").size(), 2u);
    // Step 3 erases the frame box only, then AB at its place and both squares.
    EXPECT_EQ(CountBoxes(frames[3], 660, 50, 1265, 545), 1);
    EXPECT_TRUE(HasLine(frames[3], 825, 160, 1100, 105, 3));
    EXPECT_EQ(Of(frames[3], "polyline").size(), 4u);
    // Step 4: the line along the moved square, 5 px high, colour 7.
    EXPECT_TRUE(HasLine(frames[4], 857.36, 316.80, 1240.22, 240.22, 7, 0.05));
    // Step 5: erase, AB, the line through C at its place, needle at A, "C".
    EXPECT_EQ(CountBoxes(frames[5], 660, 50, 1265, 545), 1);
    EXPECT_TRUE(HasLine(frames[5], 857.36, 321.80, 1240.22, 245.22, 7, 0.05));
    const json c = FindRun(frames[5], "C");
    ASSERT_FALSE(c.is_null());
    EXPECT_TRUE(Near(c["x"], 861.36, 0.05) && Near(c["y"], 271.80, 0.05)) << c.dump();
    // Steps 6 and 8: short arcs of 0.06 turn, inside 0..1, around B and D.
    for (int k : {6, 8}) {
        const auto arcs = Of(frames[k], "circle");
        ASSERT_EQ(arcs.size(), 1u) << k;
        EXPECT_TRUE(Near(arcs[0]["start"], 0.93858, 0.0005)) << arcs[0].dump();
        EXPECT_TRUE(Near(arcs[0]["end"], 0.99858, 0.0005)) << arcs[0].dump();
        EXPECT_TRUE(Near(arcs[0]["r"], 280.45, 0.05)) << arcs[0].dump();
        EXPECT_EQ(arcs[0]["color"], 5);
    }
    const json d = FindRun(frames[8], "D");
    ASSERT_FALSE(d.is_null());
    EXPECT_TRUE(Near(d["x"], 1136.36, 0.05) && Near(d["y"], 216.80, 0.05)) << d.dump();
    // Step 9: CD in colour 3.
    EXPECT_TRUE(HasLine(frames[9], 857.36, 321.80, 1132.36, 266.80, 3, 0.05));
    EXPECT_EQ(p.TickSpacing, 16);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

// The outer triangle of a set square: the polyline's first three corners.
bool OuterCorners(const json& e, const double (&corners)[3][2]) {
    if (e.value("op", "") != "polyline" || e["fill"] != 14 || e["points"].size() != 4) return false;
    for (int k = 0; k < 3; ++k)
        if (!Near(e["points"][k][0], corners[k][0], 0.1) || !Near(e["points"][k][1], corners[k][1], 0.1)) return false;
    return true;
}

TEST(ParallelLineConstruction, SetSquaresNeedlesChevronsAndTicks) {
    VarnelFixture f("0123456789");
    ShowParallelLineConstruction(f.prog);
    Varnel& p = f.prog;
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 11u);
    // Step 1: the 30-60-90 square with its right angle at A, long leg along AB.
    const double atA[3][2] = {{825, 160}, {1202.52, 84.50}, {868.59, 377.96}};
    const double fortyFive[3][2] = {{814.21, 106.07}, {889.72, 483.59}, {663.20, 332.58}};
    const double atC[3][2] = {{857.36, 321.80}, {1234.88, 246.29}, {900.95, 539.76}};
    EXPECT_TRUE(OuterCorners(Of(frames[1], "polyline").at(0), atA));
    // Step 2: the 45-degree square one cell above A on the perpendicular.
    EXPECT_TRUE(OuterCorners(Of(frames[2], "polyline").at(0), fortyFive));
    // Step 3: the 45-degree square again, then the first one slid down to C.
    const auto slid = Of(frames[3], "polyline");
    ASSERT_EQ(slid.size(), 4u);
    EXPECT_TRUE(OuterCorners(slid[0], fortyFive));
    EXPECT_TRUE(OuterCorners(slid[2], atC));
    // The compass needle: a disc of radius 6 in colour 5, at A in step 5 and
    // at C in step 7.
    auto needleAt = [](const std::vector<json>& events, double x, double y) {
        for (const auto& e : Of(events, "circle"))
            if (e["r"] == 6 && e["color"] == 5 && e["filled"] == true && Near(e["x"], x, 0.05) && Near(e["y"], y, 0.05))
                return true;
        return false;
    };
    EXPECT_TRUE(needleAt(frames[5], 825, 160));
    EXPECT_TRUE(needleAt(frames[7], 857.36, 321.80));
    // Chevrons (step 5) and ticks (step 9) in colour 9 on AB and on CD: the
    // chevron's tip 16 px past the point a fifth of the way along, its arms
    // from 30 px behind the tip and 15 px to either side; one tick 8 px past
    // the middle, 20 px to either side.
    for (const auto& [from, to] : {std::pair{1, 2}, std::pair{3, 4}}) {
        const double px = p.PointX(from), py = p.PointY(from), qx = p.PointX(to), qy = p.PointY(to);
        const double len = std::hypot(qx - px, qy - py), ux = (qx - px) / len, uy = (qy - py) / len;
        const double tx = px + (qx - px) / 5 + 16 * ux, ty = py + (qy - py) / 5 + 16 * uy;
        for (int side : {1, -1}) {
            const double bx = tx - 30 * ux - side * 15 * uy, by = ty - 30 * uy + side * 15 * ux;
            EXPECT_TRUE(HasLine(frames[5], bx, by, tx, ty, 9, 0.05)) << from << " " << side;
        }
        const double fx = (px + qx) / 2 + 8 * ux, fy = (py + qy) / 2 + 8 * uy;
        EXPECT_TRUE(HasLine(frames[9], fx + 20 * uy, fy - 20 * ux, fx - 20 * uy, fy + 20 * ux, 9, 0.05)) << from;
    }
}

TEST(ParallelLineConstruction, ASecondVisitDrawsTheSame) {
    VarnelFixture f("01234567890123456789");
    ShowParallelLineConstruction(f.prog);
    auto first = f.Events();
    f.ClearEvents();
    f.prog.TickSpacing = 50;   // whatever another topic left
    ShowParallelLineConstruction(f.prog);
    auto second = f.Events();
    // Everything alike but the pen width of the first erase (the width the
    // topic found).
    auto drawing = [](std::vector<json> events) {
        std::vector<std::string> out;
        for (auto& e : events) {
            if (e.value("op", "") == "box") e.erase("width");
            if (e.value("op", "") != "key") out.push_back(e.dump());
        }
        return out;
    };
    EXPECT_EQ(drawing(first), drawing(second));
}

}  // namespace
