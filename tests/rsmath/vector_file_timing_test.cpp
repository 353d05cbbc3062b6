#include "rsmath/vector_file_timing.h"

#include <gtest/gtest.h>

namespace rsmath {
namespace {

// Worked by hand from the files' rules: the streaming spacing is max(n + r, 1.7 r^2 rounded up
// (full) or 3 r^2 (half)) + 4 + floor(3n / 2); a discrete word takes 3n + 8r + 4 (full) or
// 3n + 11r + 4 (half) clocks, and the file runs 1.2 (that + 2n).
TEST(VectorFileTimingTest, WorkedCodes) {
  EXPECT_EQ(StreamingVectorSpacing(true, 204, 16), 436 + 4 + 306);   // 1.7 * 256 = 435.2
  EXPECT_EQ(StreamingVectorSpacing(false, 204, 16), 768 + 4 + 306);  // 3 * 256
  EXPECT_EQ(StreamingVectorSpacing(true, 15, 4), 28 + 4 + 22);       // 1.7 * 16 = 27.2
  EXPECT_EQ(StreamingVectorSpacing(false, 255, 4), 259 + 4 + 382);   // n + r beats 48
  EXPECT_EQ(DiscreteVectorWordClocks(true, 51, 50), 153 + 400 + 4);
  EXPECT_EQ(DiscreteVectorWordClocks(false, 51, 50), 153 + 550 + 4);
  EXPECT_EQ(DiscreteVectorTenths(false, 51, 50), 12 * (707 + 102));
}

}  // namespace
}  // namespace rsmath
