// Topic 1 of the combined-moves lesson: the rhombus problem of page 163, its
// menu of five animated answers, the rhombus pattern and its animations.
#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- The rhombus pattern ----------------------------------------------------

void BuildRhombusPatternPoints(Varnel& p) {
    Grid(p, {.left = 640, .top = 100, .columns = 10, .rows = 9, .cell = 60, .color = kWhite});
    SetCells(p, 0, {{5, 5}});   // the centre
    PenWidth(p, 7);
    p.Radius = p.CellSize * 4;
    p.Radius2 = p.CellSize * 2;
    HexagonAngles(p, 120);
    PointsAtAngles(p, 1, p.Radius);     // hexagon corners
    PointsAtAngles(p, 13, p.Radius2);   // inner points
    Count(p.LoopIndex, 1, 6, [&](int i) {   // side midpoints
        p.FromPoint = static_cast<float>(i + 6);
        SetP(p, i + 6, Mid(p, i, i == 6 ? 1 : i + 1));
    });
}

void DrawRhombusPatternLines(Varnel& p) {
    NumberHexagonCorners(p);
    Polyline(p, {P(p, 1), P(p, 6), P(p, 5), P(p, 4), P(p, 3), P(p, 2), P(p, 1)}, kBlack);
    Count(p.LoopIndex, 1, 6, [&](int i) {
        Segment(p, 0, i + 12, kBlack);
        Segment(p, i + 12, i + 6, kBlack);
        // WorkB: the middle of the spoke before corner i, read only here.
        p.WorkB = i == 1 ? 12.0f : static_cast<float>(i + 5);
        Segment(p, i + 12, static_cast<int>(p.WorkB), kBlack);
    });
}

namespace {

// Entries 1 to 17 of the pattern's point table after renumbering, by the
// construction entry each one takes: the corners of ア (1-4), イ (5-8),
// エ (9-12) and ウ (13-16), each in order around its rhombus, then C.
constexpr int kRenumbered[17] = {12, 13, 0, 18, 11, 18, 0, 17, 9, 16, 0, 15, 9, 15, 8, 3, 9};

}  // namespace

void DrawRhombusPattern(Varnel& p) {
    BuildRhombusPatternPoints(p);
    DrawRhombusPatternLines(p);
    for (int i = 1; i <= 17; i++) {
        p.TableValueB(i) = p.PointX(kRenumbered[i - 1]);
        p.TableValueA(i) = p.PointY(kRenumbered[i - 1]);
    }
    for (int i = 1; i <= 17; i++) SetP(p, i, {p.TableValueB(i), p.TableValueA(i)});
    // ア, イ and ウ filled; エ shows only through the lines.
    for (int s : {1, 5, 13}) FilledPolygon(p, {P(p, s), P(p, s + 3), P(p, s + 2), P(p, s + 1)}, kBlack, kPink);
    Label(p, p.PointX(1) - 14, p.PointY(2) - 20, kTeal, "ア");
    Label(p, p.PointX(6), p.PointY(5) + 30, kTeal, "イ");
    Label(p, p.PointX(16), p.PointY(16) - 80, kTeal, "ウ");
    Label(p, p.PointX(9) - 14, p.PointY(10) - 25, kTeal, "エ");
    DotAndName(p, 3, "A", {.dx = -60, .dy = -30, .color = kPurple});
    DotAndName(p, 6, "B", {.dx = 10, .dy = -70, .color = kPurple});   // B is entry 4 too
    DotAndName(p, 9, "C", {.dx = -14, .dy = 10, .color = kPurple});
}

// ---- The animations ---------------------------------------------------------

namespace {

// The bottom of the figure area that answer ④'s turn and every answer's
// start erase: the copy's corner on A swings about C down to y 756.
float FigureAreaBottom(const Varnel& p) { return p.GridBottom + 130; }

// The moving copy (PointX2/PointY2 1 to 4) as a grey outline through its
// corners 1, 4, 3, 2.
void CopyOutline(Varnel& p) { Polyline(p, {P2(p, 1), P2(p, 4), P2(p, 3), P2(p, 2), P2(p, 1)}, kGrey); }

// The copy on points a, b, c, d of the pattern.
void CopyOn(Varnel& p, int a, int b, int c, int d) {
    SetP2(p, 1, P(p, a));
    SetP2(p, 2, P(p, b));
    SetP2(p, 3, P(p, c));
    SetP2(p, 4, P(p, d));
}

// The pattern's figure area from y `top` down to y `bottom`.
Area PatternArea(const Varnel& p, float top, float bottom) { return {p.GridLeft, top, p.GridRight, bottom}; }

// A turn of ア: about point `centre` of the pattern, `degrees` a key
// (counter-clockwise when positive); each key erases the pattern's frame
// from y `eraseTop`.
struct RhombusTurn {
    int centre = 0;
    float degrees = 0;
    float eraseTop = 0;
};

void RotateRhombus(Varnel& p, const RhombusTurn& turn) {
    CopyOn(p, 1, 2, 3, 4);
    // The copy's four corners, counted in LoopIndex.
    const auto copy = [&] {
        return TurningCopy{.centre = P(p, turn.centre), .first = 1, .last = 4, .degrees = turn.degrees,
                           .counter = &Program::LoopIndex};
    };
    BeginTurn(p, copy());
    Animate(
        p, {.erase = PatternArea(p, turn.eraseTop, p.GridBottom)},
        [&] {
            DrawRhombusPattern(p);
            CopyOutline(p);
        },
        [&] { TurnStep(p, copy()); });
}

// A fold of the copy: corners 1 and 2 travel over the half-ellipses from
// points from1 and from2 to their mirror images to1 and to2 (ArcAngle running
// from `low` to `low` + 180), corners 3 and 4 stay on the axis. The dotted
// paths behind them start at the mirror images when `pathsFromImages` (the
// fold over AB, whose parameter starts at the images' end), else at the
// corners' start.
struct Fold {
    int from1, to1, from2, to2;
    float low;
    bool pathsFromImages;
};

// The fold parameter as the animation's counter: ArcAngle from `low`, 10
// degrees a key, back to `low` once past `low` + 180.
AnimationCounter FoldParameter(Varnel& p, const Fold& f) {
    return {.cell = &p.ArcAngle, .from = f.low, .by = 10, .upTo = f.low + 180, .backTo = f.low};
}

void PlaceFoldCorners(Varnel& p, const Fold& f) {
    p.ArcSide = 1;
    SetP2(p, 1, PointOnArc(p, P(p, f.from1), P(p, f.to1), p.ArcAngle, 20));
    SetP2(p, 2, PointOnArc(p, P(p, f.from2), P(p, f.to2), p.ArcAngle, 20));
}

// The frame of a fold: pattern, copy, AB again over the copy and, when
// `tracing`, the paths the travelling corners have dotted so far.
void FoldFrame(Varnel& p, const Fold& f, bool tracing) {
    DrawRhombusPattern(p);
    CopyOutline(p);
    Segment(p, 3, 4, kBlack);
    if (!tracing) return;
    const DottedArcStyle dots{.side = 1, .bulge = 20, .step = 8, .sweep = p.ArcAngle - f.low, .color = kGrey};
    if (f.pathsFromImages) {
        DottedArc(p, P(p, f.to1), P(p, f.from1), dots);
        DottedArc(p, P(p, f.to2), P(p, f.from2), dots);
    } else {
        DottedArc(p, P(p, f.from1), P(p, f.to1), dots);
        DottedArc(p, P(p, f.from2), P(p, f.to2), dots);
    }
}

}  // namespace

void AnimateRhombusRotationAboutA(Varnel& p) {
    RotateRhombus(p, {.centre = 0, .degrees = -15, .eraseTop = p.GridTop + 20});
}

void AnimateRhombusRotationAboutB(Varnel& p) {
    // Erases from y 80, below the question (the old code began at y 50 and cut it).
    RotateRhombus(p, {.centre = 4, .degrees = 15, .eraseTop = p.GridTop - 20});
}

void AnimateRhombusFoldOverAB(Varnel& p) {
    const Fold fold{.from1 = 1, .to1 = 5, .from2 = 2, .to2 = 8, .low = 0, .pathsFromImages = true};
    CopyOn(p, 1, 2, 3, 4);
    bool stepped = false;
    Animate(
        p, {.erase = PatternArea(p, p.GridTop + 20, p.GridBottom), .counter = FoldParameter(p, fold)},
        // The copy has left ア once a key has come, also when a turn brings
        // the parameter back to 0 (every fold shows its trace so).
        [&] { FoldFrame(p, fold, stepped && p.ArcAngle < 180); },
        [&] {
            stepped = true;
            PlaceFoldCorners(p, fold);
        });
}

void AnimateRhombusFoldOverCommonSide(Varnel& p) {
    const Fold fold{.from1 = 10, .to1 = 16, .from2 = 11, .to2 = 15, .low = 180, .pathsFromImages = false};
    Erase(p, PatternArea(p, p.GridTop + 20, p.GridBottom + 100));
    DrawRhombusPattern(p);
    CopyOn(p, 10, 11, 12, 9);
    CopyOutline(p);
    Animate(
        p, {.erase = PatternArea(p, p.GridTop + 20, p.GridBottom), .counter = FoldParameter(p, fold)},
        [&] { FoldFrame(p, fold, p.ArcAngle > 180); }, [&] { PlaceFoldCorners(p, fold); });
}

void AnimateRhombusTranslationThenRotation(Varnel& p) {
    // The slide: ア down its long diagonal onto エ in ten steps, then ア again.
    p.Seg2Y2 = (p.PointY(11) - p.PointY(1)) / 10;
    CopyOn(p, 1, 2, 3, 4);
    Animate(
        p, {.erase = PatternArea(p, p.GridTop + 20, p.GridBottom + 50)},
        [&] {
            DrawRhombusPattern(p);
            Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3), P2(p, 4)}, {.width = 7, .color = kGrey, .distance = 10});
        },
        [&] {
            for (int k = 1; k <= 4; k++) p.PointY2(k) = p.PointY2(k) + p.Seg2Y2;
            if (p.PointY2(1) > p.PointY(0))
                for (int k = 1; k <= 4; k++) p.PointY2(k) = p.PointY(k);
        });

    // The turn about C from エ, 10 degrees a key. Its erases reach y 770: the
    // corner on A swings down to y 756 (the old code stopped at 740).
    const Area turnArea = PatternArea(p, p.GridTop + 20, FigureAreaBottom(p));
    Erase(p, turnArea);
    DrawRhombusPattern(p);
    CopyOn(p, 10, 11, 12, 9);
    CopyOutline(p);
    // Corners 1 to 3 turn about C, counted in LoopIndex; corner 4 is C.
    const auto copy = [&] {
        return TurningCopy{.centre = P(p, 9), .first = 1, .last = 3, .degrees = 10, .counter = &Program::LoopIndex};
    };
    BeginTurn(p, copy());
    Animate(
        p, {.erase = turnArea},
        [&] {
            DrawRhombusPattern(p);
            CopyOutline(p);
        },
        [&] { TurnStep(p, copy()); });
}

// ---- The problem screen, its menu and the answers -----------------------------

namespace {

// Erases the figure area right of the texts for an answer's animation, down
// to y 770 like answer ④'s turn, so that a copy that turn left below the
// pattern goes too (deliberately lower than the old erase, which stopped at
// the pattern's bottom edge, y 640). Nothing else is drawn there.
void EraseRhombusFigure(Varnel& p) { Erase(p, PatternArea(p, p.GridTop + 20, FigureAreaBottom(p))); }

// The number of an answer on the first line of slot `slot` (0 to 4).
void AnswerNumber(Varnel& p, int slot, const Text& number) {
    p.TextLineY = p.PointY(30 + slot);
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, number);
}

}  // namespace

void ShowRhombusMovesP163(Varnel& p) {
    BeginTopic(p, {.itemLeft = 20, .textLeft = 56, .firstLineY = 30});
    Write(p, p.ItemLeft, p.TextLineY, kGrey, "ひし形アからひし形イ,ウへの移動を説明しよう。");
    DrawRhombusPattern(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, "<ひし形アからひし形イへの移動>");
    // The answers' slots, 100 px apart, stay for every answer of the topic.
    p.PointY(30) = p.PenY;
    for (int k = 31; k <= 34; k++) p.PointY(k) = p.PointY(k - 1) + 100;
    Write(p, p.ItemLeft, p.PointY(32) + 100, kTeal, "<ひし形アからひし形ウへの移動>");
    RunSubMenu(p, "①イ回転A　②イ回転B　③イ対称　④ウ平行回転C　⑤ウ回転A対称　⑥メニュー",
               {ShowRhombusRotationAboutA, ShowRhombusRotationAboutB, ShowRhombusReflection,
                ShowRhombusTranslationAndRotation, ShowRhombusRotationAndReflection});
}

void ShowRhombusRotationAboutA(Varnel& p) {
    EraseRhombusFigure(p);
    AnimateRhombusRotationAboutA(p);
    WaitForAnyKey(p);
    AnswerNumber(p, 0, "①");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "点Aを中心として");
    NextLine(p, kBlack, "時計回りに60°だけ");
    WriteOn(p, kPurple, "回転移動");
}

void ShowRhombusRotationAboutB(Varnel& p) {
    EraseRhombusFigure(p);
    AnimateRhombusRotationAboutB(p);
    WaitForAnyKey(p);
    AnswerNumber(p, 1, "②");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "点Bを中心として");
    NextLine(p, kBlack, "反時計回りに120°だけ");
    WriteOn(p, kPurple, "回転移動");
}

void ShowRhombusReflection(Varnel& p) {
    EraseRhombusFigure(p);
    AnimateRhombusFoldOverAB(p);
    WaitForAnyKey(p);
    AnswerNumber(p, 2, "③");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "直線ABを対称の軸として");
    WriteOn(p, kPurple, "対称移動");
}

void ShowRhombusTranslationAndRotation(Varnel& p) {
    EraseRhombusFigure(p);
    AnimateRhombusTranslationThenRotation(p);
    WaitForAnyKey(p);
    AnswerNumber(p, 3, "①");  // the first answer under the second heading
    Write(p, p.TextLeft, p.TextLineY, kBlack, "アからエへ");
    WriteOn(p, kPurple, "平行移動");
    WriteOn(p, kBlack, "し、点Cを中心に");
    NextLine(p, kBlack, "反時計回りに60°だけ");
    WriteOn(p, kPurple, "回転移動");
}

void ShowRhombusRotationAndReflection(Varnel& p) {
    EraseRhombusFigure(p);
    AnimateRhombusRotationAboutA(p);
    AnimateRhombusFoldOverCommonSide(p);
    WaitForAnyKey(p);
    AnswerNumber(p, 4, "②");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "アからエへ");
    WriteOn(p, kPurple, "回転移動");
    WriteOn(p, kBlack, "し、ウとエの");
    NextLine(p, kBlack, "共通の辺を対称の軸として");
    WriteOn(p, kPurple, "対称移動");
}
