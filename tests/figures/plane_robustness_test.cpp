// Hostile cells through every plane, graph and formula routine: each returns
// soon, raises no runtime error, and no number that is not finite reaches
// the drawing.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <future>
#include <iostream>
#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/plane_test_support.h"

namespace {

using namespace figure_test;
using namespace plane_test;

constexpr float kHostile[] = {0, -1, -7.5f, 1e-30f, -1e-30f, 1e30f, -1e30f, 3e38f, -3e38f, NAN, INFINITY, -INFINITY};

// A sound scene every routine can work on: a plane frame, a graph, a point,
// texts for the column sum.
void SetScene(Program& p) {
    SetPlane(p, {-5, 5, -4, 4, 1, 1, 40, 100, 100});
    p.HideTickNumbers = 0;
    p.OriginX = 300;
    p.OriginY = 260;
    // A narrow band, so that a graph leaves few dots.
    p.GridTop = 100;
    p.GridBottom = 110;
    p.LineWidth = 30;
    p.GraphPointX = 1;
    p.GraphPointY = 2;
    p.Distance = 5;
    p.AccentColor = 4;
    p.MarkLabel = "P";
    p.GraphLabelDX = 3;
    p.GraphLabelDY = 4;
    p.GraphType = 1;
    p.GraphCoefA = 2;
    p.GraphCoefB = 1;
    p.GraphCoefC = 3;
    p.Radicand = 72;
    p.PenX = 200;
    p.PenY = 300;
    p.PenColor = 1;
    p.BoxWidth = 80;
    p.ArcBulge = 50;
    p.UpperText = "x+ﾀ1/2ﾀy=3";
    p.FractionLead = "x=1";
    p.ColumnSumOperator = "+";
}

struct HostileCase {
    const char* routine;
    std::function<void(Program&)> call;
    std::vector<float Program::*> cells;
};

// A number of the trace (not a colour switch such as "fill") is null when
// the value was not finite.
bool HasNullNumber(const nlohmann::json& value) {
    if (value.is_null()) return true;
    if (value.is_array()) {
        for (const auto& v : value)
            if (HasNullNumber(v)) return true;
    }
    return false;
}

void ExpectFiniteTrace(Fixture& f) {
    for (const auto& e : f.Events()) {
        for (const auto& [key, value] : e.items()) {
            if (key == "fill") continue;
            EXPECT_FALSE(HasNullNumber(value)) << e.dump();
        }
    }
}

// Runs `call`; false when it raised an error. Gives up on the whole test
// program when it does not return within a minute, rather than hanging the
// suite.
bool ReturnsSoon(const std::function<void()>& call, const std::string& what) {
    auto done = std::async(std::launch::async, [&] {
        try {
            call();
            return true;
        } catch (...) {
            return false;
        }
    });
    if (done.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        std::cerr << what << " did not return within a minute\n";
        std::_Exit(1);
    }
    return done.get();
}

TEST(HostileCells, EveryRoutineReturnsAndDrawsOnlyFiniteNumbers) {
    using P = Program;
    const std::vector<float P::*> plane = {&P::GraphXMin, &P::GraphXMax, &P::GraphYMin,   &P::GraphYMax,
                                           &P::GraphStepX, &P::GraphStepY, &P::CellSize,  &P::GridOriginX,
                                           &P::GridOriginY, &P::HideTickNumbers};
    const std::vector<float P::*> labels = {&P::GraphXMin,  &P::GraphXMax, &P::GraphYMin, &P::GraphYMax,
                                            &P::GraphStepX, &P::GraphStepY, &P::CellSize, &P::OriginX,
                                            &P::OriginY,    &P::LineWidth};
    const std::vector<float P::*> point = {&P::GraphPointX, &P::GraphPointY, &P::GraphStepX, &P::GraphStepY,
                                           &P::CellSize,    &P::OriginX,     &P::OriginY,    &P::Distance,
                                           &P::GraphLabelDX, &P::GraphLabelDY};
    const std::vector<float P::*> graph = {&P::GraphType,  &P::GraphCoefA,  &P::GraphCoefB,  &P::GraphCoefC,
                                           &P::GraphXMin,  &P::GraphXMax,   &P::GraphYMin,   &P::GraphYMax,
                                           &P::GraphStepX, &P::GraphStepY,  &P::CellSize,    &P::OriginX,
                                           &P::OriginY,    &P::GridTop,     &P::GridBottom,  &P::GraphLabelDX,
                                           &P::GraphLabelDY, &P::PenX,      &P::PenY};
    const std::vector<HostileCase> cases = {
        {"DrawCoordinatePlane", DrawCoordinatePlane, plane},
        {"DrawDecimalTickLabels", DrawDecimalTickLabels, labels},
        {"DrawGraphPoint", DrawGraphPoint, point},
        {"DrawFunctionGraph type 1", DrawFunctionGraph, graph},
        {"DrawFunctionGraph type 4",
         [](Program& p) {
             p.GraphType = 4;
             DrawFunctionGraph(p);
         },
         graph},
        {"DrawFunctionGraph vertical",
         [](Program& p) {
             p.GraphType = 4;
             p.GraphCoefB = 0;
             DrawFunctionGraph(p);
         },
         {&P::GraphCoefA, &P::GraphCoefC, &P::GraphYMin, &P::GraphYMax, &P::GraphStepX, &P::GraphStepY,
          &P::CellSize, &P::OriginX, &P::OriginY}},
        {"SimplifySquareRoot", SimplifySquareRoot, {&P::Radicand}},
        {"DrawLeftBrace", DrawLeftBrace, {&P::PenX, &P::PenY, &P::BoxWidth}},
        {"DrawEquationColumnSum", DrawEquationColumnSum, {&P::PenX, &P::PenY, &P::ArcBulge}},
    };
    for (const HostileCase& c : cases) {
        for (std::size_t cell = 0; cell < c.cells.size(); ++cell) {
            Fixture f;
            for (float value : kHostile) {
                const std::string what =
                    std::string(c.routine) + ", cell " + std::to_string(cell) + " = " + std::to_string(value);
                SCOPED_TRACE(what);
                Program& p = *f.p;
                p.rt.RtSetDrawWidth(3);
                SetScene(p);
                p.*(c.cells[cell]) = value;
                EXPECT_TRUE(ReturnsSoon([&] { c.call(p); }, what));
                EXPECT_EQ(p.rt.RtGetDrawWidth(), 3);
                EXPECT_TRUE(p.TextCell.empty() || std::string(c.routine) == "DrawCoordinatePlane" ||
                            std::string(c.routine) == "DrawDecimalTickLabels");
            }
            ExpectFiniteTrace(f);
        }
    }
}

// Texts no term-sign routine should stumble on.
TEST(HostileCells, TermSignsTakeAnyText) {
    for (const char* bytes : {"", "\x81", "+\x81", "-\xFC", "\xC0", "  ", "+-+-"}) {
        for (void (*routine)(Program&) : {NegateSignedTerm, DropLeadingPlus, DropLeadingSign}) {
            Fixture f(nullptr, "", false);
            f.p->TextArg = Text::FromBytes(bytes);
            EXPECT_NO_THROW(routine(*f.p));
            EXPECT_TRUE(std::isfinite(f.p->ArgLength));
        }
    }
}

}  // namespace
