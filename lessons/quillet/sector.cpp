// The sector lesson's topic 4: the answers of exercise 1. The lesson's entry
// is in program.cpp, the pizza topics in sector_pizza.cpp, the turning sector
// and the proportion tables in sector_explanation.cpp, the random examples in
// sector_examples.cpp.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

// ---- Topic 4: the answers of exercise 1 -----------------------------------------

namespace {

// One answer column at x = TextLeft from y 30: heading, arc length in three
// lines, area in three lines; a key after the heading, the arc length and the
// area.
void AnswerColumn(Quillet& p, float left, const Text (&rows)[9]) {
    p.TextLeft = left;
    p.TextLineY = 30;
    Write(p, p.TextLeft, p.TextLineY, kTeal, rows[0]);
    WaitForAnyKey(p);
    NextLine(p, kGrey, rows[1]);
    NextLine(p, kBlack, rows[2], 70);
    NextLine(p, kBlack, rows[3], 70);
    NextLine(p, kPurple, rows[4], 60);
    WaitForAnyKey(p);
    NextLine(p, kGrey, rows[5], 60);
    NextLine(p, kBlack, rows[6], 70);
    NextLine(p, kBlack, rows[7], 70);
    NextLine(p, kPurple, rows[8], 60);
    WaitForAnyKey(p);
}

}  // namespace

void ShowSectorAnswer1(Quillet& p) {
    EraseScreen(p);
    AnswerColumn(p, 80, {"問1(1)解答", "弧の長さは、", " 2π*4*ﾀ45/360ﾀ", "=2π*4*ﾀ1/8ﾀ", "=π （cm) ", "面積は、",
                         " π*4^2*ﾀ45/360ﾀ", "=π*16*ﾀ1/8ﾀ", "=2π （cm^2) "});
    AnswerColumn(p, 480, {"問1(2)解答", "弧の長さは、", " 2π*10*ﾀ72/360ﾀ", "=2π*10*ﾀ1/5ﾀ", "=4π （cm) ", "面積は、",
                          " π*10^2*ﾀ72/360ﾀ", "=π*10*10*ﾀ1/5ﾀ", "=20π （cm^2) "});
    AnswerColumn(p, 800, {"問1(3)解答", "弧の長さは、", " 2π*6*ﾀ240/360ﾀ", "=2π*6*ﾀ2/3ﾀ", "=8π （cm) ", "面積は、",
                          " π*6^2*ﾀ240/360ﾀ", "=π*6*6*ﾀ2/3ﾀ", "=24π （cm^2) "});
    EraseBox(p, 0, 0, 460, 1800);   // column (1) goes; (2) and (3) stay
    AnswerColumn(p, 80, {"問1(4)解答", "弧の長さは、", " 2π*12*ﾀ150/360ﾀ", "=2π*12*ﾀ5/12ﾀ", "=10π （cm) ", "面積は、",
                         " π*12^2*ﾀ150/360ﾀ", "=π*12*12*ﾀ5/12ﾀ", "=60π （cm^2) "});
    Write(p, 40, p.TextLineY + 50, kGrey, "教科書P181 問2 をやろう。");
}
