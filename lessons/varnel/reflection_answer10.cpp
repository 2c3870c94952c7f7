// Topic 3 of the reflection lesson: the answers to question 10. Three figures
// on squared paper are reflected vertex by vertex, one key per step: the
// segment to the image, its right angle with the axis, its equal halves and
// the image point; then the image is outlined.
#include "lessons/common/kit.h"
#include "lessons/varnel/topic_pages.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

// The heading of every screen of the topic, in the answer column over the
// screen as it stands; the pen width 5 of its figures.
void WriteAnswer10Title(Varnel& p) {
    SetTextColumn(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問10 解答");
}

// A figure's entries in the point table: its `corners` vertices from entry
// `first`, their images right after them, and the midpoints of each vertex
// and its image from entry `midpoints`.
struct FigureEntries {
    int first = 0;
    int corners = 0;
    int midpoints = 0;
};

// The midpoints of the vertices and their images set.
void SetMidpoints(Varnel& p, const FigureEntries& f) {
    for (int i = 0; i < f.corners; i++)
        SetP(p, f.midpoints + i, Mid(P(p, f.first + i), P(p, f.first + f.corners + i)));
}

// One vertex reflected, by its point entries: the vertex, its image, the
// midpoint of the two on the axis, and another point of the axis.
struct Reflected {
    int vertex = 0;
    int image = 0;
    int midpoint = 0;
    int onAxis = 0;
};

// The steps of one vertex, a key before each: the segment to the image with
// its right angle at the axis, its equal halves, the image's dot.
void ReflectVertexStep(Varnel& p, const Reflected& r) {
    WaitForAnyKey(p);
    Segment(p, r.vertex, r.image, kBlack);
    RightAngle(p, P(p, r.midpoint), P(p, r.onAxis), P(p, r.image), {.size = 20, .shift = -1});
    WaitForAnyKey(p);
    const TickStyle half{.count = 1, .size = 8, .color = kGrey, .spacing = 8, .shift = -8};
    Ticks(p, P(p, r.vertex), P(p, r.midpoint), half);
    Ticks(p, P(p, r.midpoint), P(p, r.image), half);
    WaitForAnyKey(p);
    Dot(p, r.image, kPurple);
}

// The outline of an image (points first.. of count corners) in colour 5.
void OutlineImage(Varnel& p, int first, int count) {
    WaitForAnyKey(p);
    if (count == 3) {
        Triangle(p, first, first + 1, first + 2, {.width = 5, .color = kPurple, .distance = 20, .labelColor = kTeal});
    } else {
        Polygon(p, {P(p, first), P(p, first + 1), P(p, first + 2), P(p, first + 3)},
                {.width = 5, .color = kPurple, .distance = 20, .labelColor = kTeal});
    }
}

// A figure's number 50 px above its grid.
void FigureNumber(Varnel& p, const Text& number) { Label(p, p.GridLeft, p.GridTop - 50, kBlack, number); }

}  // namespace

void ShowReflectionAnswer10(Varnel& p) {
    EraseScreen(p);
    WriteAnswer10Title(p);

    // (1): triangle ABC and the vertical axis l.
    Grid(p, {.left = 80, .top = 150, .columns = 11, .rows = 7, .cell = 45, .color = kBlack});
    SetCells(p, 1, {{5, 6}, {1, 3}, {3, 1}, {7, 6}, {11, 3}, {9, 1}, {6, 7}, {6, 0}});
    SetMidpoints(p, {.first = 1, .corners = 3, .midpoints = 11});
    FigureNumber(p, "(1)");
    Triangle(p, 1, 2, 3, {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});
    Segment(p, 7, 8, kBlack);
    Label(p, p.PointX(7), p.PointY(7) - 30, kTeal, "l");

    // (2): quadrilateral ABCD whose side AD lies on the axis; its grid stands
    // four cells of (1) right of grid (1).
    Grid(p, {.left = p.GridRight + 4 * p.CellSize, .top = 150, .columns = 8, .rows = 8, .cell = 50,
             .color = kBlack});
    SetCells(p, 41, {{4, 7}, {2, 6}, {1, 3}, {4, 1}, {4, 7}, {6, 6}, {7, 3}, {4, 1}});
    SetMidpoints(p, {.first = 41, .corners = 4, .midpoints = 51});
    FigureNumber(p, "(2)");
    Polygon(p, {P(p, 41), P(p, 42), P(p, 43), P(p, 44)},
            {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});

    for (int v = 1; v <= 3; v++) ReflectVertexStep(p, {.vertex = v, .image = v + 3, .midpoint = v + 10, .onAxis = 7});
    OutlineImage(p, 4, 3);
    // A and D lie on the axis: they are their own images.
    for (int v = 42; v <= 43; v++)
        ReflectVertexStep(p, {.vertex = v, .image = v + 4, .midpoint = v + 10, .onAxis = 41});
    OutlineImage(p, 45, 4);

    // (3): quadrilateral ABCD and the slanting axis m, where (1) stood.
    WaitForAnyKey(p);
    EraseBox(p, 0, 0, p.GridLeft - 20, 1800);
    WriteAnswer10Title(p);
    Grid(p, {.left = 80, .top = p.GridOriginY, .columns = 10, .rows = 8, .cell = 45, .color = kBlack});
    SetCells(p, 21, {{3, 7}, {1, 5}, {5, 5}, {7, 7}, {8, 2}, {6, 0}, {6, 4}, {8, 6}, {9, 8}, {2, 1}});
    SetMidpoints(p, {.first = 21, .corners = 4, .midpoints = 31});
    FigureNumber(p, "(3)");
    Polygon(p, {P(p, 21), P(p, 22), P(p, 23), P(p, 24)},
            {.width = 5, .color = kTeal, .distance = 10, .labels = "A", .labelColor = kTeal});
    Segment(p, 29, 30, kBlack);
    Label(p, p.PointX(29), p.PointY(29) - 30, kTeal, "m");
    for (int v = 21; v <= 24; v++)
        ReflectVertexStep(p, {.vertex = v, .image = v + 4, .midpoint = v + 10, .onAxis = 29});
    OutlineImage(p, 25, 4);

    // (2) with its image read as the hexagon ABCDEF.
    WaitForAnyKey(p);
    EraseBox(p, 0, 0, p.GridRight, 1800);
    WriteAnswer10Title(p);
    WaitForAnyKey(p);
    const int hexagonSide[4] = {45, 48, 47, 46};   // A', D', C', B'
    for (int i = 0; i < 4; i++) SetP(p, 51 + i, P(p, hexagonSide[i]));
    p.PointLabel(1) = "";
    p.PointLabel(2) = "";
    p.PointLabel(3) = "E";
    p.PointLabel(4) = "F";
    Polygon(p, {P(p, 51), P(p, 52), P(p, 53), P(p, 54)},
            {.width = 5, .color = kTeal, .distance = 20, .labels = "1", .labelColor = kTeal});
    NextLine(p, kTeal, "六角形ABCDEFは線対称な図形である。", 60);
    NextLine(p, kPurple, "線対称な図形は、");
    NextLine(p, kPurple, "対称移動させればもとの図形に重なる。");
}
