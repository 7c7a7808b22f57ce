#include "base/rounding.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace tolvane::base {
namespace {

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value, rounded;
    } cases[] = {{9.5, 10},
                 {10.5, 10},
                 {127.5, 128},
                 {-2.5, -2},
                 {-0.5, 0},
                 {0.5, 0},
                 {1.5, 2},
                 {-1.5, -2},
                 {-2.6, -3},
                 {0.49999999999999994, 0},
                 {4503599627370497.0, 4503599627370497.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    }
}

std::string OverflowMessage(const std::function<void()>& conversion) {
    try {
        conversion();
    } catch (const OverflowError& error) {
        return error.what();
    }
    return "no overflow";
}

TEST(RoundToTest, RoundsIntoRangeOrRaisesOverflowNamingTheValue) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);  // the even neighbour is in range
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        bool to16;
        std::string message;
    } cases[] = {{40000, true, "overflow: 40000 does not fit int16"},
                 {32767.5, true, "overflow: 32767.5 does not fit int16"},
                 {-32769, true, "overflow: -32769 does not fit int16"},
                 {2147483647.5, false, "overflow: 2147483647.5 does not fit int32"},
                 {-2147483649.0, false, "overflow: -2147483649 does not fit int32"},
                 {nan, true, "overflow: nan does not fit int16"},
                 {inf, false, "overflow: inf does not fit int32"},
                 {-inf, false, "overflow: -inf does not fit int32"}};
    for (const auto& c : cases) {
        EXPECT_EQ(OverflowMessage([&] {
                      if (c.to16) {
                          RoundToInt16(c.value);
                      } else {
                          RoundToInt32(c.value);
                      }
                  }),
                  c.message);
    }
}

TEST(CheckedArithmeticTest, ExactResultsPassAndWrapsRaise) {
    using I16 = std::int16_t;
    using I32 = std::int32_t;
    EXPECT_EQ(CheckedAdd<I16>(32766, 1), 32767);
    EXPECT_EQ(CheckedSub<I16>(-32767, 1), -32768);
    EXPECT_EQ(CheckedMul<I16>(-256, 128), -32768);
    EXPECT_EQ(CheckedMul<I32>(46340, 46340), 2147395600);
    EXPECT_EQ(OverflowMessage([] { CheckedAdd<I16>(32767, 1); }),
              "overflow: 32768 does not fit int16");
    EXPECT_EQ(OverflowMessage([] { CheckedSub<I16>(-32768, 1); }),
              "overflow: -32769 does not fit int16");
    EXPECT_EQ(OverflowMessage([] { CheckedMul<I16>(256, 128); }),
              "overflow: 32768 does not fit int16");
    EXPECT_THROW(CheckedAdd<I32>(2147483647, 1), OverflowError);
    EXPECT_THROW(CheckedSub<I32>(0, std::numeric_limits<I32>::min()), OverflowError);
    EXPECT_THROW(CheckedMul<I32>(46341, 46341), OverflowError);
    EXPECT_EQ(OverflowMessage([] { CheckedNarrow<I16>(70000); }),
              "overflow: 70000 does not fit int16");
}

}  // namespace
}  // namespace tolvane::base
