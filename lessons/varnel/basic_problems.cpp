// The basic problems of page 164: the menu, problem 1 (three triangles and
// the moves between them) and problem 2 (names and signs of basic figures).
#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

void RunBasicProblemsP164(Varnel& p) {
    RunSubMenu(p, "P164 基本の問題 ①　②　③終了", {ShowP164Problem1, ShowP164Problem2});
}

namespace {

// The heading: the title box and the box of the problem's number, at the
// top of the column (numbers and answers from x 40), pen width 3.
void ProblemHeading(Varnel& p, const Text& number) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30, .penWidth = 3});
    TableCell(p, 40, 30, {.width = 396, .height = 50, .border = kTeal, .fill = kPink, .textColor = kBlack},
              "P164 基本の問題");
    TableCell(p, p.TextEndX + 30, 30, {.width = 40, .height = 50, .border = kAmber, .fill = kTeal, .textColor = kPink},
              number);
}

// Triangle a-b-c of problem 1 in `color`, without corner names.
void PlainTriangle(Varnel& p, int a, int b, int c, float color) {
    Triangle(p, a, b, c, {.width = 5, .color = color, .distance = 20, .labelColor = kTeal});
}

// The question numbers of the answers, in teal.
constexpr NumberStyle kQuestionNumber{.numberColor = kTeal};

}  // namespace

void ShowP164Problem1(Varnel& p) {
    ProblemHeading(p, "1");
    PenWidth(p, 5);
    Grid(p, {.left = 400, .top = 100, .columns = 10, .rows = 7, .cell = 60, .color = kBlack});
    // ア 1-3, イ 4-6, ウ 7-9, the turned ア of answer (2) 10-12, the axis 13-14.
    SetCells(p, 1, {{2, 6}, {1, 4}, {4, 4}, {6, 3}, {5, 1}, {8, 1}, {7, 4}, {9, 5}, {9, 2},
                    {4, 4}, {2, 2}, {4, 1}, {3, 7}, {10, 0}});
    PlainTriangle(p, 1, 2, 3, kTeal);
    Label(p, p.PointX(2) + 60, p.PointY(2) - 60, kTeal, "ア");
    PlainTriangle(p, 4, 5, 6, kTeal);
    Label(p, p.PointX(5) + 60, p.PointY(5) - 60, kTeal, "イ");
    PlainTriangle(p, 7, 8, 9, kTeal);
    Label(p, p.PointX(7) + 60, p.PointY(7), kTeal, "ウ");
    WaitForAnyKey(p);

    NumberedLine(p, "(1)", kPurple, "ア", {.numberColor = kTeal, .gap = 70});
    Arrow(p, P(p, 1), P(p, 4), {.color = kPurple, .size = 16});
    Label(p, p.PointX(1) - 80, p.PointY(1) - 50, kPurple, "(1)");
    WaitForAnyKey(p);

    NumberedLine(p, "(2)", kPurple, "図の通り", kQuestionNumber);
    PlainTriangle(p, 10, 11, 12, kPurple);
    Label(p, p.PointX(11) + 30, p.PointY(11) - 30, kPurple, "(2)");
    WaitForAnyKey(p);

    NumberedLine(p, "(3)", kPurple, "イとウ", kQuestionNumber);
    Segment(p, 13, 14, kPurple);
    Label(p, p.PointX(13) + 30, p.PointY(13) + 10, kPurple, "(3)");
}

namespace {

// One answer of problem 2: its circled number in black where the line has
// got to (`gap` px further), then its term in purple.
void Term(Varnel& p, float gap, const Text& number, const Text& term) {
    Write(p, p.TextEndX + gap, p.TextLineY, kBlack, number);
    WriteOn(p, kPurple, term);
}

}  // namespace

void ShowP164Problem2(Varnel& p) {
    ProblemHeading(p, "2");
    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(1)");
    WaitForAnyKey(p);
    Term(p, 0, "①", "直線AB");
    Term(p, 30, "②", "線分AB");
    Term(p, 30, "③", "半直線AB");

    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(2)");
    WaitForAnyKey(p);
    Term(p, 0, "④", "△ABC");

    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(3)");
    WaitForAnyKey(p);
    Term(p, 0, "⑤", "AB∥CD");

    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(4)");
    WaitForAnyKey(p);
    Term(p, 0, "⑥", "∠AOB");

    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(5)");
    WaitForAnyKey(p);
    Term(p, 0, "⑦", "垂線");
    Term(p, 0, "⑧", "AB⊥CD");

    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "(6)");
    WaitForAnyKey(p);
    Term(p, 0, "⑨", "中点");
    Term(p, 0, "⑩", "垂直二等分線");
}
