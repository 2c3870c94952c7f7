// The random examples of the sector lesson: arc length and area from radius
// and central angle (topic 3), and the central angle from the arc length
// (topic 6) or from the area (topic 7). One example cycle serves all three:
// new random values, the sector figure, the working key by key and the step
// prompt, until 1 is typed there.
#include <numeric>
#include <optional>

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"
#include "platform/numbers.h"

using namespace kit;

// ---- The values of one example ---------------------------------------------------

SectorExample MakeSectorExample(int a, int k) {
    SectorExample e{};
    e.a = a;
    e.k = k;
    const int g = std::gcd(a, 360);
    e.n = a / g;
    e.d = 360 / g;
    e.r = k * e.d;
    e.arc = 2 * k * e.n;
    e.area = k * k * e.d * e.n;
    // k n / r: n / d is in lowest terms, so this gives n / d again.
    const int g2 = std::gcd(k * e.n, e.r);
    e.areaNum = k * e.n / g2;
    e.areaDen = e.r / g2;
    return e;
}

// The draws stay in range because rnd is at most 1 - 2^-23: rnd * 10 + 1 and
// rnd * 2 + 1 then stay below 11 and 3 in single precision.
int RandomSectorAngle(float rnd) { return 30 * RtInt(static_cast<double>(rnd * 10.0f + 1.0f)); }

int RandomSectorMultiplier(float rnd) { return RtInt(static_cast<double>(rnd * 2.0f + 1.0f)); }

namespace {

// The values of a new example in TableValueA (a, n, d) and TableValueB (k, r,
// arc length / pi, area / pi and, with `areaFraction`, k n / r reduced in 5
// and 6), the last reduction in FractionNum / FractionDen, and their texts.
void DrawExampleValues(Quillet& p, bool areaFraction) {
    const int a = RandomSectorAngle(p.rt.RtRnd());        // first draw: the angle
    const int k = RandomSectorMultiplier(p.rt.RtRnd());   // second draw: the multiplier
    const SectorExample e = MakeSectorExample(a, k);
    p.TableValueA(1) = static_cast<float>(e.a);
    p.TableValueA(2) = static_cast<float>(e.n);
    p.TableValueA(3) = static_cast<float>(e.d);
    p.FractionNum = p.TableValueA(2);
    p.FractionDen = p.TableValueA(3);
    p.TableValueB(1) = static_cast<float>(e.k);
    p.TableValueB(2) = static_cast<float>(e.r);
    p.TableValueB(3) = static_cast<float>(e.arc);
    p.TableValueB(4) = static_cast<float>(e.area);
    if (areaFraction) {
        p.TableValueB(5) = static_cast<float>(e.areaNum);
        p.TableValueB(6) = static_cast<float>(e.areaDen);
        p.FractionNum = p.TableValueB(5);
        p.FractionDen = p.TableValueB(6);
    }
    FormatNumberTables(p);
}

// What differs between the topics' figures: the sector's fill, its labels,
// and the colour, bulge and label drop of the radius dimension.
struct ExampleFigure {
    float fill;
    void (*labels)(Quillet&);
    float dimensionColor;
    float dimensionBulge;
    float dimensionLabelDrop;
};

// The sector of the example: angle a counter-clockwise from 60 degrees, radius
// 180 about (1020, 280); its labels; the dotted radius dimension over O-P1.
void DrawExampleFigure(Quillet& p, const ExampleFigure& figure) {
    Grid(p, {.left = 840, .top = 100, .columns = 6, .rows = 6, .cell = 60});
    SetCells(p, 0, {{3, 3}});
    p.Radius = 3 * p.CellSize;
    SetP(p, 1, Along(P(p, 0), p.Radius, 60 * p.Pi / 180));
    SetP(p, 2, Along(P(p, 0), p.Radius, (60 + p.TableValueA(1)) * p.Pi / 180));
    Circle(p, P(p, 0), p.Radius, kBlack);
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2),
              {.size = p.Radius, .arcs = 0, .color = kBlack, .fill = figure.fill, .label = "", .shift = 1,
               .labelColor = kTeal});
    figure.labels(p);
    DottedArc(p, 0, 1,
              {.side = 1, .bulge = figure.dimensionBulge, .step = 5, .color = figure.dimensionColor,
               .label = p.TableTextB(2) + "cm", .labelColor = figure.dimensionColor,
               .labelDy = figure.dimensionLabelDrop});
}

// A label on the sector's bisector, `distance` px from O, in `color` (empty:
// PenColor as it stands).
void SectorLabel(Quillet& p, const Text& label, float distance, std::optional<float> color = {}) {
    VertexLabel(p, P(p, 0), P(p, 1), P(p, 2), label, {.distance = distance, .labelColor = color});
}

// The example cycle: EntryValue := 3 (any value but 1), then while it is not
// 1, a new example on an erased screen, its working (`texts`) and the step
// prompt, which leaves the typed value in EntryValue.
void RunExampleCycle(Quillet& p, bool areaFraction, const ExampleFigure& figure, void (*texts)(Quillet&)) {
    p.EntryValue = 3;
    while (p.EntryValue != 1) {
        EraseBox(p, 0, 0, 3520, 2400);
        DrawExampleValues(p, areaFraction);
        DrawExampleFigure(p, figure);
        texts(p);
        AskNextStep(p);
    }
}

// ---- Topic 3: arc length, then area -------------------------------------------------

void AngleLabel(Quillet& p) { SectorLabel(p, p.TableTextA(1) + "%", 50); }

constexpr ExampleFigure kArcAndAreaFigure{kPink, AngleLabel, kTeal, 20, 0};

// The heading of an example of topic 3: its number, radius and angle, the
// question.
void ArcAndAreaHeading(Quillet& p, const Text& number, const Text& question) {
    Write(p, p.TextLeft, 30, kBlack, number);
    WriteOn(p, kTeal, "半径" + p.TableTextB(2) + "cm,中心角" + p.TableTextA(1) + "%");
    IndentedLine(p, kBlack, question, 90);
    WaitForAnyKey(p);
}

void ArcLengthTexts(Quillet& p) {
    ArcAndAreaHeading(p, "例1① ", "のおうぎ形の弧の長さを求めなさい。");
    NextLine(p, kGrey, "弧の長さは、円の周の長さの", 80);
    WriteOn(p, kTeal, "ﾀ" + p.TableTextA(1) + "/360ﾀ倍");
    WriteOn(p, kBlack, " だから");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack, " 2π*" + p.TableTextB(2) + "*ﾀ" + p.TableTextA(1) + "/360ﾀ");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack,
          "=2π*" + p.TableTextB(2) + "*ﾀ" + p.TableTextA(2) + "/" + p.TableTextA(3) + "ﾀ");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 60, kPurple, "=" + p.TableTextB(3) + "π （cm) ");
}

void AreaTexts(Quillet& p) {
    ArcAndAreaHeading(p, "例1② ", "のおうぎ形の面積を求めなさい。");
    NextLine(p, kGrey, "面積は、円の面積の", 80);
    WriteOn(p, kTeal, "ﾀ" + p.TableTextA(1) + "/360ﾀ倍");
    WriteOn(p, kBlack, " だから");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack, " π*" + p.TableTextB(2) + "^2*ﾀ" + p.TableTextA(1) + "/360ﾀ");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack,
          "=π*" + p.TableTextB(2) + "*" + p.TableTextB(2) + "*ﾀ" + p.TableTextA(2) + "/" + p.TableTextA(3) + "ﾀ");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 60, kPurple, "=" + p.TableTextB(4) + "π （cm^2) ");
}

// The general formula under the last example: "半径r,中心角a%のおうぎ形で、"
// the quantity "は", then its formula a key later.
void GeneralFormula(Quillet& p, const Text& quantity, const Text& name, const Text& formula) {
    WaitForAnyKey(p);
    NextLine(p, kTeal, "半径r,中心角a%", 70);
    WriteOn(p, kBlack, "のおうぎ形で、");
    WriteOn(p, kTeal, quantity);
    WriteOn(p, kBlack, "は");
    Write(p, p.ItemLeft, p.TextLineY + 70, kPurple, name);
    WaitForAnyKey(p);
    WriteOn(p, kPurple, formula);
    WaitForAnyKey(p);
}

// ---- Topics 6 and 7: the central angle ----------------------------------------------

void ArcAndUnknownAngleLabels(Quillet& p) {
    SectorLabel(p, p.TableTextB(3) + "πcm", 2 * p.CellSize);
    SectorLabel(p, "x%", 30, kPink);
}

void AreaLabel(Quillet& p) { SectorLabel(p, p.TableTextB(4) + "πcm^2", 0.5f * p.CellSize); }

constexpr ExampleFigure kArcToAngleFigure{kGrey, ArcAndUnknownAngleLabels, kTeal, 20, 0};
constexpr ExampleFigure kAreaToAngleFigure{kGrey, AreaLabel, kBrightBlue, 40, 30};

// The heading of an example of topics 6 and 7 and the unknown angle x.
void CentralAngleHeading(Quillet& p, const Text& number, const Text& given) {
    Write(p, p.TextLeft, 30, kBlack, number);
    WriteOn(p, kTeal, given);
    IndentedLine(p, kBlack, "のおうぎ形の中心角を求めなさい。", 90);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 80, kGrey, "中心角をx%とすると");
    WaitForAnyKey(p);
}

// The working's last steps: the fraction n / d of 360 (`fraction`), x and the
// answer beside it.
void CentralAngleAnswer(Quillet& p, const Text& fraction) {
    Write(p, p.ItemLeft, p.TextLineY + 80, kBlack, "x=ﾀ" + fraction + "ﾀ*360");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, "x=" + p.TableTextA(1));
    Write(p, p.TextEndX + 60, p.TextLineY, kPurple, "答　" + p.TableTextA(1) + "%");
}

void AngleFromArcTexts(Quillet& p) {
    CentralAngleHeading(p, "例2 ", "半径" + p.TableTextB(2) + "cm,弧の長さ" + p.TableTextB(3) + "πcm");
    Write(p, p.ItemLeft, p.TextLineY + 80, kBlack, "2π*" + p.TableTextB(2) + "*ﾀx/360ﾀ=" + p.TableTextB(3) + "π");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 80, kBlack, "ﾀx/360ﾀ=ﾀ" + p.TableTextB(3) + "π/2π*" + p.TableTextB(2) + "ﾀ");
    WaitForAnyKey(p);
    CentralAngleAnswer(p, p.TableTextA(2) + "/" + p.TableTextA(3));
}

void AngleFromAreaTexts(Quillet& p) {
    CentralAngleHeading(p, "例3 ", "半径" + p.TableTextB(2) + "cm,面積" + p.TableTextB(4) + "πcm^2");
    Write(p, p.ItemLeft, p.TextLineY + 80, kBlack, "π*" + p.TableTextB(2) + "^2*ﾀx/360ﾀ=" + p.TableTextB(4) + "π");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 80, kBlack, "ﾀx/360ﾀ=ﾀ" + p.TableTextB(4) + "π/π*" + p.TableTextB(2) + "^2ﾀ");
    WaitForAnyKey(p);
    CentralAngleAnswer(p, p.TableTextB(5) + "/" + p.TableTextB(6));
}

// The closing proportion under the last example, a key after it was asked for.
void CentralAngleClosing(Quillet& p, const Text& proportion) {
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 80, kTeal, "おうぎ形では、");
    WriteOn(p, kPurple, proportion);
}

}  // namespace

void ShowArcLengthExample1(Quillet& p) {
    BeginTopic(p, {.itemLeft = 200, .textLeft = 40});   // the working 160 px in
    RunExampleCycle(p, false, kArcAndAreaFigure, ArcLengthTexts);
    GeneralFormula(p, "弧の長さl", "l=", "2πr*ﾀa/360ﾀ");
    RunExampleCycle(p, false, kArcAndAreaFigure, AreaTexts);
    GeneralFormula(p, "面積S", "S=", "πr^2*ﾀa/360ﾀ");
    NextLine(p, kGrey, "教科書P181 問1 をやろう。", 70);
}

void ShowCentralAngleExample2(Quillet& p) {
    BeginTopic(p, {.itemLeft = 120, .textLeft = 40});   // the working 80 px in
    RunExampleCycle(p, false, kArcToAngleFigure, AngleFromArcTexts);
    CentralAngleClosing(p, "ﾀ中心角/360ﾀ=ﾀ弧の長さ/円の周の長さﾀ");
}

void ShowCentralAngleFromAreaExample3(Quillet& p) {
    BeginTopic(p, {.itemLeft = 120, .textLeft = 40});   // the working 80 px in
    RunExampleCycle(p, true, kAreaToAngleFigure, AngleFromAreaTexts);
    CentralAngleClosing(p, "ﾀ中心角/360ﾀ=ﾀ弧の長さ/円の周の長さﾀ=ﾀおうぎ形の面積/円の面積ﾀ");
}
