// The values of the sector lesson's random examples: every central angle and
// multiplier the draws can give, the draws at the ends of the generator's
// range, and what one drawn example leaves in the value and text tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "quillet/quillet_fixture.h"

namespace {

using namespace testing_support;

struct ExampleCase {
    int a, k, n, d, r, arc, area, areaNum, areaDen;
};

std::ostream& operator<<(std::ostream& os, const ExampleCase& c) { return os << "a" << c.a << "k" << c.k; }

class SectorExampleValues : public testing::TestWithParam<ExampleCase> {};

TEST_P(SectorExampleValues, AreWholeMultiplesOfPiWithTheFractionReducedTwice) {
    const ExampleCase& c = GetParam();
    const SectorExample e = MakeSectorExample(c.a, c.k);
    EXPECT_EQ(e.a, c.a);
    EXPECT_EQ(e.k, c.k);
    EXPECT_EQ(e.n, c.n);
    EXPECT_EQ(e.d, c.d);
    EXPECT_EQ(e.r, c.r);
    EXPECT_EQ(e.arc, c.arc);
    EXPECT_EQ(e.area, c.area);
    EXPECT_EQ(e.areaNum, c.areaNum);
    EXPECT_EQ(e.areaDen, c.areaDen);
}

// a, k, n/d, r, arc length / pi, area / pi, k n / r reduced.
INSTANTIATE_TEST_SUITE_P(Quillet, SectorExampleValues,
                         testing::Values(ExampleCase{30, 1, 1, 12, 12, 2, 12, 1, 12},
                                         ExampleCase{30, 2, 1, 12, 24, 4, 48, 1, 12},
                                         ExampleCase{60, 1, 1, 6, 6, 2, 6, 1, 6},
                                         ExampleCase{60, 2, 1, 6, 12, 4, 24, 1, 6},
                                         ExampleCase{90, 1, 1, 4, 4, 2, 4, 1, 4},
                                         ExampleCase{90, 2, 1, 4, 8, 4, 16, 1, 4},
                                         ExampleCase{120, 1, 1, 3, 3, 2, 3, 1, 3},
                                         ExampleCase{120, 2, 1, 3, 6, 4, 12, 1, 3},
                                         ExampleCase{150, 1, 5, 12, 12, 10, 60, 5, 12},
                                         ExampleCase{150, 2, 5, 12, 24, 20, 240, 5, 12},
                                         ExampleCase{180, 1, 1, 2, 2, 2, 2, 1, 2},
                                         ExampleCase{180, 2, 1, 2, 4, 4, 8, 1, 2},
                                         ExampleCase{210, 1, 7, 12, 12, 14, 84, 7, 12},
                                         ExampleCase{210, 2, 7, 12, 24, 28, 336, 7, 12},
                                         ExampleCase{240, 1, 2, 3, 3, 4, 6, 2, 3},
                                         ExampleCase{240, 2, 2, 3, 6, 8, 24, 2, 3},
                                         ExampleCase{270, 1, 3, 4, 4, 6, 12, 3, 4},
                                         ExampleCase{270, 2, 3, 4, 8, 12, 48, 3, 4},
                                         ExampleCase{300, 1, 5, 6, 6, 10, 30, 5, 6},
                                         ExampleCase{300, 2, 5, 6, 12, 20, 120, 5, 6}));

TEST(SectorDraws, StayInRangeAtBothEndsOfTheGenerator) {
    const float largest = 1.0f - std::ldexp(1.0f, -23);   // the generator's largest value
    EXPECT_EQ(RandomSectorAngle(largest), 300);
    EXPECT_EQ(RandomSectorMultiplier(largest), 2);
    EXPECT_EQ(RandomSectorAngle(0), 30);
    EXPECT_EQ(RandomSectorMultiplier(0), 1);
    EXPECT_EQ(RandomSectorAngle(0.5f), 180);
    EXPECT_EQ(RandomSectorMultiplier(0.5f), 2);
    EXPECT_EQ(RandomSectorMultiplier(0.4999999f), 1);
}

TEST(SectorDraws, EveryGeneratorValueGivesAnAngleAndMultiplierInRange) {
    auto rt = Runtime::CreateHeadless();
    for (int i = 0; i < 20000; ++i) {
        const float rnd = rt->RtRnd();
        const int a = RandomSectorAngle(rnd);
        const int k = RandomSectorMultiplier(rnd);
        ASSERT_TRUE(a >= 30 && a <= 300 && a % 30 == 0) << rnd;
        ASSERT_TRUE(k == 1 || k == 2) << rnd;
    }
}

// One example of topic 7 drawn on a Quillet: the tables hold a consistent
// example and their texts are digits only.
TEST(SectorDraws, LeaveTheExampleInTheValueAndTextTables) {
    for (const int32_t seed : {1, 4242, 99999}) {
        SCOPED_TRACE(seed);
        QuilletFixture f("");
        f.rt->RtRandomize(seed);
        RunUntilKeysEnd(f, ShowCentralAngleFromAreaExample3);   // stops at the first key wait
        Quillet& p = f.prog;
        const SectorExample e = MakeSectorExample(static_cast<int>(p.TableValueA(1)),
                                                  static_cast<int>(p.TableValueB(1)));
        EXPECT_EQ(p.TableValueA(2), static_cast<float>(e.n));
        EXPECT_EQ(p.TableValueA(3), static_cast<float>(e.d));
        EXPECT_EQ(p.TableValueB(2), static_cast<float>(e.r));
        EXPECT_EQ(p.TableValueB(3), static_cast<float>(e.arc));
        EXPECT_EQ(p.TableValueB(4), static_cast<float>(e.area));
        EXPECT_EQ(p.TableValueB(5), static_cast<float>(e.areaNum));
        EXPECT_EQ(p.TableValueB(6), static_cast<float>(e.areaDen));
        EXPECT_EQ(p.TableTextA(1), Text(std::to_string(e.a)));
        EXPECT_EQ(p.TableTextB(2), Text(std::to_string(e.r)));
        EXPECT_EQ(p.TableTextB(4), Text(std::to_string(e.area)));
        EXPECT_EQ(p.TableTextB(6), Text(std::to_string(e.areaDen)));
    }
}

}  // namespace
