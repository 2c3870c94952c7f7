// The two set squares: outer triangle, then the hole one cell inside it.
#include "lessons/varnel/set_squares.h"

#include <cmath>
#include <utility>

#include "lessons/common/kit.h"

using namespace kit;

namespace {

// Working point k of the set squares.
float& X(Varnel& p, int k) { return p.PointX2(k); }
float& Y(Varnel& p, int k) { return p.PointY2(k); }

// Point `to` := point `from` moved r along the direction `angle`.
void Along(Varnel& p, int to, int from, float r, float angle) { SetP2(p, to, kit::Along(P2(p, from), r, angle)); }

// Direction of point `to` seen from point `from`.
float Direction(Varnel& p, int from, int to) { return DirectionOf(p, P2(p, from), P2(p, to)); }

// Point `to` := crossing of the line through a1, a2 with the line through b1, b2.
void Cross(Varnel& p, int to, int a1, int a2, int b1, int b2) {
    // The crossing is taken along the less steep line: in single precision a
    // nearly vertical first line (a turn near 90 or 270 degrees) put the hole
    // many pixels off.
    const float adx = std::fabs(X(p, a2) - X(p, a1)), ady = std::fabs(Y(p, a2) - Y(p, a1));
    const float bdx = std::fabs(X(p, b2) - X(p, b1)), bdy = std::fabs(Y(p, b2) - Y(p, b1));
    if (ady * bdx > bdy * adx) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    SetP2(p, to, Crossing(p, P2(p, a1), P2(p, a2), P2(p, b1), P2(p, b2)));
}

void FilledTriangle(Varnel& p, int a, int b, int c, float fill) {
    FilledPolygon(p, {P2(p, a), P2(p, b), P2(p, c)}, kBlack, fill);
}

// Points 7 to 12 are set: the hole's corners, the outer triangle and the hole.
void FinishSetSquare(Varnel& p) {
    Cross(p, 4, 7, 8, 11, 12);
    Cross(p, 5, 9, 10, 11, 12);
    Cross(p, 6, 7, 8, 9, 10);
    FilledTriangle(p, 1, 3, 2, kYellow);
    FilledTriangle(p, 4, 6, 5, kWhite);
}

}  // namespace

void DrawFortyFiveSetSquare(Varnel& p) {
    const float c = p.CellSize;
    const float a = p.FortyFiveSetSquareAngle;
    const float root2 = std::sqrt(2.0f);
    p.Radius = 7 * c;
    p.Radius2 = p.Radius * root2 / 2;
    X(p, 1) = p.PointX2(31);
    Y(p, 1) = p.PointY2(31);
    Along(p, 3, 1, p.Radius, a);
    Along(p, 2, 1, p.Radius2, a + 315 * p.Pi / 180);
    float d = Direction(p, 2, 1);
    Along(p, 9, 2, c, d);
    Along(p, 7, 2, p.Radius2 - root2 * c, d);
    d = Direction(p, 3, 2);
    Along(p, 8, 3, root2 * c, d);
    Along(p, 12, 3, p.Radius2 - c, d);
    d = Direction(p, 3, 1);
    Along(p, 10, 3, root2 * c, d);
    Along(p, 11, 3, p.Radius - root2 * c, d);
    FinishSetSquare(p);
}

void DrawThirtySixtySetSquare(Varnel& p) {
    const float c = p.CellSize;
    const float a = p.SetSquareAngle;
    const float root3 = std::sqrt(3.0f);
    p.Radius = 2 * root3 * 7 * c / 3;
    p.Radius2 = p.Radius / 2;
    p.SegmentLength = 7 * c;
    X(p, 1) = p.PointX2(32);
    Y(p, 1) = p.PointY2(32);
    Along(p, 3, 1, p.SegmentLength, a);
    Along(p, 2, 1, p.Radius2, a + 270 * p.Pi / 180);
    float d = Direction(p, 2, 1);
    Along(p, 9, 2, 2 * root3 / 3 * c, d);
    Along(p, 7, 2, p.Radius2 - c, d);
    d = Direction(p, 3, 2);
    Along(p, 8, 3, 2 * c, d);
    Along(p, 12, 3, p.Radius - 2 * root3 / 3 * c, d);
    d = Direction(p, 3, 1);
    Along(p, 10, 3, 2 * c, d);
    Along(p, 11, 3, p.SegmentLength - c, d);
    FinishSetSquare(p);
}
