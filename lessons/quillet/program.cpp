// Quillet's main menu, one row per item naming the lesson it runs, and each
// lesson's entry: its goal screen or heading (or none), then its topic menu,
// whose items run the topics in the order the caption lists them and whose
// last item returns to the main menu. The blank main-menu item runs
// ReturnToMainMenu, which does nothing, so the menu is drawn again; the last
// item, 終了, ends the program and runs nothing: its entry is null.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"
#include "shell/shell.h"

using namespace kit;

namespace {
constexpr MenuItem kQuilletMenu[] = {
    {"1　いろいろな作図", LessonEntry<Quillet, RunVariousConstructionsLesson>},
    {"2　P176 基本の問題", LessonEntry<Quillet, RunBasicProblemsP176>},
    {"3　角の作図", LessonEntry<Quillet, RunAngleConstructionLesson>},
    {"4　おうぎ形", LessonEntry<Quillet, RunSectorLesson>},
    {"5　P184章の問題A", LessonEntry<Quillet, RunChapterProblemsA>},
    {"6　P185章の問題B", LessonEntry<Quillet, RunChapterProblemsB>},
    {"7　", ReturnToMainMenu},
    {"8　終了", nullptr},  // ends the program
};
}  // namespace

const ProgramInfo quilletInfo{"quillet", "Quillet", "いろいろな作図とおうぎ形", 50, false,
                              ShowConstructionsAndSectorsMainMenu, kQuilletMenu, CreateProgramOf<Quillet>};

// ---- 1 Various constructions (tangent.cpp, perpendicular.cpp, equidistant.cpp,
// circle_three_points.cpp) -------------------------------------------------------

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

// ---- 2 The fundamental problems of page 176 (p176_problems.cpp) -----------------

// No goal screen: the menu stands alone on the screen the main menu erased.
void RunBasicProblemsP176(Quillet& p) {
    RunSubMenu(p, "P176 基本の問題 ①1,2　②3　③終了", {ShowP176Problems1And2, ShowP176Problem3});
}

// ---- 3 The 75-degree angle (angle75.cpp) ----------------------------------------

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

// ---- 4 Sectors (sector_pizza.cpp, sector_explanation.cpp, sector_examples.cpp,
// sector.cpp) ----------------------------------------------------------------------

void RunSectorLesson(Quillet& p) {
    ShowSectorGoals(p);
    ShowSectorTopicMenu(p);
}

void ShowSectorGoals(Quillet& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "1 おうぎ形の中心角と弧の長さや面積の関係を調べよう。", 65);
    NextLine(p, kBlack, "2 おうぎ形の弧の長さや面積を求めよう。", 65);
}

void ShowSectorTopicMenu(Quillet& p) {
    // Item ① is captioned "P165Q" but opens the pizza question of page 179
    // (ShowPizzaSectorsP179, "P179Q" on its screen); the caption stays as the
    // menu has always shown it.
    RunSubMenu(p, "①P165Q　②説明　③例１　④問1　⑤問2　⑥例２　⑦例３　⑧終了",
               {ShowPizzaSectorsP179, ShowSectorExplanation, ShowArcLengthExample1, ShowSectorAnswer1,
                ShowPizzaAnswer2, ShowCentralAngleExample2, ShowCentralAngleFromAreaExample3});
}

// ---- 5 Chapter problems A of page 184 (chapter_a.cpp,
// chapter_a_square_and_sector.cpp) -------------------------------------------------

// No goal screen: the problem menu stands alone on the bottom band.
void RunChapterProblemsA(Quillet& p) { ShowChapterProblemsAMenu(p); }

void ShowChapterProblemsAMenu(Quillet& p) {
    RunSubMenu(p, "P184 章の問題A ①1,2　②3　③4　④5　⑤終了",
               {ShowChapterAProblems1And2, ShowChapterAProblem3, ShowChapterAProblem4, ShowChapterAProblem5});
}

// ---- 6 Chapter problems B of page 185 (chapter_b.cpp,
// chapter_b_fold_and_tangent_circle.cpp) ------------------------------------------

// No goal screen: the problem menu stands alone on the bottom band.
void RunChapterProblemsB(Quillet& p) { ShowChapterProblemsBMenu(p); }

void ShowChapterProblemsBMenu(Quillet& p) {
    // Item ① has no title in the caption.
    RunSubMenu(p, "P185 章の問題B ①　②2(1)　③2(2)　④終了",
               {ShowChapterBProblem1, ShowChapterBProblem2Q1, ShowChapterBProblem2Q2});
}
