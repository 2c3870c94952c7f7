// The reflection lesson: its goal screen and topic menu, and topic 2, the
// definition of a reflection about a typed axis, the arrow-key fold and the
// midpoint and perpendicular-bisector properties. Topic 1 is in
// reflection_p161.cpp, topic 3 in reflection_answer10.cpp; the fold itself is
// shared with Droveny (lessons/common/reflection_fold.h).
#include "lessons/common/kit.h"
#include "lessons/common/reflection_fold.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunReflectionLesson(Varnel& p) {
    ShowReflectionLessonGoal(p);
    ShowReflectionTopicMenu(p);
}

void ShowReflectionLessonGoal(Varnel& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "対称移動について考えよう。", 65);
}

void ShowReflectionTopicMenu(Varnel& p) {
    RunSubMenu(p, "①P161Q　②対称移動　③問10　④終了",
               {ShowReflectionQuestionP161, ShowReflectionDefinition, ShowReflectionAnswer10});
}

// ---- Topic 2: the definition and the fold -----------------------------------

void ShowReflectionDefinition(Varnel& p) {
    AskReflectionAxisAngle(p);
    WriteReflectionDefinition(p);
    // The lower right corner of the definition, for the erase of question 9.
    p.PointY2(1) = p.PenY + 50;
    p.PointX2(1) = 608;
    SetUpReflectionFigure(p);
    ShowReflectionFoldPrompt(p);   // the key only starts the fold

    BeginReflectionFold(p);
    RedrawReflectionFigure(p);
    do {
        RunReflectionArrowKeyLoop(p);
    } while (AskToMoveAgain(p, DecidingKey::Closing));
    ShowMidpointBisectorProperties(p);
}

void ShowMidpointBisectorProperties(Varnel& p) {
    NextLine(p, kGrey, "教科書P161問8 をやろう。", 70);
    WaitForAnyKey(p);
    DrawQuestion8Figure(p);
    WaitForAnyKey(p);

    // Right angles at the feet on l, between the segment to the image and l.
    Count(p.InnerIndex, 21, 23,
          [&](int k) { RightAngle(p, P(p, k + 6), P(p, k + 3), P(p, 12), {.size = 20, .shift = 1}); });
    WaitForAnyKey(p);

    // Equal halves: 1, 2 and 3 ticks; the two of B moved 20 px towards M.
    Count(p.InnerIndex, 21, 23, [&](int k) {
        const TickStyle halves{.count = k - 20, .size = 15, .color = kTeal, .spacing = 8,
                               .shift = k == 22 ? 20.0f : 0.0f};
        Ticks(p, P(p, k), P(p, k + 6), halves);
        Ticks(p, P(p, k + 3), P(p, k + 6), halves);
    });
    WaitForAnyKey(p);

    Write(p, p.TextLeft - 38, p.TextLineY + 50, kPurple, "垂直に交わり、直線lで2等分される");
    WaitForAnyKey(p);
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kTeal, "③");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "対応する点を結ぶ線分は、対称の軸");
    NextLine(p, kBlack, "によって垂直に2等分される。");
    WaitForAnyKey(p);

    NextLine(p, kTeal, " <中点・垂直二等分線>");
    NextLine(p, kTeal, "中点");
    WriteOn(p, kBlack, "…Pのように2等分する点");
    Disc(p, P(p, 27), 8, kGrey);
    Name(p, 27, "P", {.dx = -35, .dy = 10, .color = kGrey});
    NextLine(p, kTeal, "垂直二等分線");
    WriteOn(p, kBlack, "…lのように、中点を通り");
    NextLine(p, kBlack, "垂直に交わる直線");
    WaitForAnyKey(p);

    Write(p, p.TextEndX + 50, p.TextLineY, kGrey, "教科書P162問9 をやろう。");
    WaitForAnyKey(p);
    EraseBox(p, 0, 0, p.PointX2(1), p.PointY2(1));
    Write(p, p.TextLeft, 30, kTeal, " <問9解答>");
    WaitForAnyKey(p);
    // M, the midpoint of BB': B lies level with the centre of l, so its foot
    // is the centre whatever the axis angle.
    const Pt m{p.PointX(10), p.PointY(2)};
    Disc(p, m, 8, kPurple);
    Name(p, m, "M", {.dx = -35, .dy = 10, .color = kPurple});
    WaitForAnyKey(p);
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kTeal, "(2)");
    WriteOn(p, kPurple, "BB'⊥l,BM=B'M");
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P162問10 をやろう。");
}
