// Topic 1 of the basic-terms lesson: the line, the segment and the ray, the
// lines through one point and through two, and the distance between two
// points with its dotted "5cm" arcs.
#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

// The line of a row: from x `from` to x `to` at height y.
struct RowLine {
    float from = 0;
    float to = 0;
    float y = 0;
};

// The names of a row's points: black, 14 px left of and 50 px above them.
constexpr NameStyle kRowName{.dx = -14, .dy = -50, .color = kBlack};

// The figure of a row: its line, the dots in colour 3 at the x of points 3
// and 4, then their names.
void RowFigure(Varnel& p, const RowLine& line, const Text& first, const Text& second) {
    Line(p, {line.from, line.y}, {line.to, line.y}, kBlack);
    const Pt a{p.PointX(3), line.y}, b{p.PointX(4), line.y};
    Dot(p, a, kTeal);
    Dot(p, b, kTeal);
    Name(p, a, first, kRowName);
    Name(p, b, second, kRowName);
}

// A row: its number at the left, 25 px below its names, then its figure of
// A and B.
void Row(Varnel& p, const Text& number, const RowLine& line) {
    Label(p, p.TextLeft, line.y - 25, kBlack, number);
    RowFigure(p, line, "A", "B");
}

// A definition: the term in colour 3 on a new line, its explanation after
// it, and the row's name in colour 3 right of the row.
void Definition(Varnel& p, const Text& term, const Text& explanation, const Text& rowName, float rowNameY) {
    NextLine(p, kTeal, term);
    WriteOn(p, kBlack, explanation);
    Label(p, p.PointX(5), rowNameY, kTeal, rowName);
}

// The dotted arc under a segment at y from point 3 to point 4 across, 15 px
// deep, a dot every 8 degrees, with its label in the arc's colour.
void LengthArc(Varnel& p, float y, float color, const Text& label) {
    DottedArc(p, {p.PointX(3), y}, {p.PointX(4), y},
              {.side = 1, .bulge = -15, .step = 8, .color = color, .label = label, .labelColor = color});
}

}  // namespace

void ShowLinesAndSegments(Varnel& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kPurple, "<直線、線分、半直線、2点間の距離>");
    // The columns of the rows: x of the line's left end, A, B and the right
    // end; the y of each row's letters and of its line.
    p.PointX(1) = p.TextLeft + 40;
    p.PointX(2) = p.PointX(1) + 20;
    p.PointX(3) = p.PointX(2) + 80;
    p.PointX(4) = p.PointX(3) + 240;
    p.PointX(5) = p.PointX(4) + 80;
    p.PointY(1) = p.TextLineY + 200;
    p.PointY(2) = p.PointY(1) + 50;
    p.PointY(3) = p.PointY(2) + 25;
    p.PointY(4) = p.PointY(3) + 50;
    p.PointY(5) = p.PointY(4) + 25;
    p.PointY(6) = p.PointY(5) + 50;
    Row(p, "①", {.from = p.PointX(2), .to = p.PointX(5), .y = p.PointY(2)});   // the line
    Row(p, "②", {.from = p.PointX(3), .to = p.PointX(4), .y = p.PointY(4)});   // the segment
    Row(p, "③", {.from = p.PointX(3), .to = p.PointX(5), .y = p.PointY(6)});   // the ray
    WaitForAnyKey(p);

    Definition(p, "直線", "…まっすぐに限りなくのびている線", "直線AB", p.PointY(1) + 25);
    WaitForAnyKey(p);
    Definition(p, "線分", "…直線の一部分で、両端のあるもの", "線分AB", p.PointY(3) + 25);
    WaitForAnyKey(p);
    Definition(p, "半直線", "…線分の一方だけをのばしたもの", "半直線AB", p.PointY(5) + 25);
    WaitForAnyKey(p);

    // Lines through one point, one a key; the first wait shows the dot alone.
    p.TextLeft = 800;
    p.TextLineY = 30;
    p.Pi = 3.14159f;
    SetP(p, 10, {1000, 175});
    // The centre: a dot of radius 8 in colour 3.
    Count(p.LoopIndex, 1, 6, [&](int) {
        Disc(p, P(p, 10), 8, kTeal);
        WaitForAnyKey(p);
        const float a = p.LoopIndex * p.Pi / 6;
        Line(p, Along(P(p, 10), 160, a), Along(P(p, 10), 160, p.Pi + a), kBlack);
    });
    Disc(p, P(p, 10), 8, kTeal);
    NextLine(p, kBlack, "１点を通る直線は何本もある。", 300);
    WaitForAnyKey(p);

    // The one line through two points: the second 160 px out at 15 degrees.
    SetP(p, 11, Along(P(p, 10), 160, p.Pi / 12));
    Disc(p, P(p, 11), 8, kTeal);
    Line(p, Along(P(p, 10), 240, p.Pi / 12), Along(P(p, 10), 200, p.Pi + p.Pi / 12), kPurple);
    NextLine(p, kTeal, "2点を通る直線は1本しかない。");
    WaitForAnyKey(p);

    // Row 3 cleared for the distance between two points.
    p.TextLeft = 40;
    p.TextLineY = p.PointY(6);
    EraseBox(p, 0, p.PointY(5), p.PointX(5) + 160, p.PointY(6) + 480);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④2点ABの間の距離", 70);
    WriteOn(p, kBlack, "…線分ABの長さ");
    LengthArc(p, p.PointY(4), kTeal, "");
    WaitForAnyKey(p);

    NextLine(p, kBlack, " 線分ABの長さが5cm");
    LengthArc(p, p.PointY(4), kTeal, "5cm");
    WaitForAnyKey(p);

    WriteOn(p, kTeal, " AB=5cm");
    NextLine(p, kBlack, " 線分ABと線分CDの長さが等しい");
    Label(p, p.PointX(5), p.PointY(5) + 25, kTeal, "線分CD");
    RowFigure(p, {.from = p.PointX(3), .to = p.PointX(4), .y = p.PointY(6)}, "C", "D");
    LengthArc(p, p.PointY(6), kGrey, "5cm");
    WaitForAnyKey(p);

    WriteOn(p, kTeal, " AB=CD");
}
