// Quillet's three own lessons: their entries, the goal screen of the first,
// the heading of the third and their topic menus.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

void RunVariousConstructionsLesson(Quillet& p) {
    ShowVariousConstructionsGoals(p);
    RunSubMenu(p, " ①円の接線　②問１　③例１　④P176Q　⑤終了",
               {ShowCircleTangent, ShowPerpendicularAtRayPoint, ShowEquidistantPointExample1,
                ShowCircleThroughThreePointsP176});
}

// Drawn on the screen the main menu erased.
void ShowVariousConstructionsGoals(Quillet& p) {
    GoalHeading(p);
    NextLine(p, kBlack, "1 円の接線を作図しよう。", 65);
    NextLine(p, kBlack, "2 基本的な作図を利用して、いろいろな作図を考えよう。", 65);
}

// No goal screen: the menu stands alone on the screen the main menu erased.
void RunBasicProblemsP176(Quillet& p) {
    RunSubMenu(p, "P176 基本の問題 ①1,2　②3　③終了", {ShowP176Problems1And2, ShowP176Problem3});
}

void RunAngleConstructionLesson(Quillet& p) {
    ShowAngle75Heading(p);
    RunSubMenu(p, "①P177Q　②にるせ　③けずも　④終了",
               {ShowAngle75AsSum45And30, ShowAngle75AsSum60And15, ShowAngle75As180Minus60Minus45});
}

void ShowAngle75Heading(Quillet& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "75%の角を作図しよう。", 65);
}
