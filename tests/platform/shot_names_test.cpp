// The names of the --shots pictures: a folder listed by name lists them in
// the order the keys came, however many there are.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>

#include "platform/outputs.h"

namespace {

TEST(ShotNames, TheFirstKeepTheirFourDigits) {
    for (const auto& [number, name] : {std::pair<long, const char*>{1, "0001.png"},
                                       {2, "0002.png"},
                                       {42, "0042.png"},
                                       {1000, "1000.png"},
                                       {9999, "9999.png"}})
        EXPECT_EQ(plat::ShotName(number), name) << number;
}

TEST(ShotNames, NameOrderIsShotOrderPastEveryWidth) {
    // Each range crosses a point where a plain decimal name would grow a
    // digit and sort before its predecessors.
    for (const auto& [from, to] : {std::pair<long, long>{1, 200},
                                   {9'900, 10'100},
                                   {99'990, 100'010},
                                   {99'999'990, 100'000'010},
                                   {999'999'990, 1'000'000'010}}) {
        for (long n = from; n < to; ++n) {
            const std::string a = plat::ShotName(n), b = plat::ShotName(n + 1);
            ASSERT_LT(a, b) << "shot " << n << " is " << a << ", shot " << n + 1 << " is " << b;
            // Letters and digits only before the extension, so that a
            // listing in any locale keeps the same order.
            ASSERT_EQ(a.substr(a.size() - 4), ".png");
            for (char c : a.substr(0, a.size() - 4)) ASSERT_TRUE(std::isdigit(c) || std::isupper(c)) << a;
        }
    }
}

}  // namespace
