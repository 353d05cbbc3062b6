#include "description/leading_integer.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {

using description::LeadingInteger;

struct Case {
  std::string text;
  int expected;
};

class LeadingIntegerTest : public ::testing::TestWithParam<Case> {};

TEST_P(LeadingIntegerTest, Converts) {
  EXPECT_EQ(LeadingInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingIntegerTest,
    ::testing::Values(
        Case{"", 0}, Case{"0", 0}, Case{"8", 8}, Case{"12abc", 12}, Case{"abc", 0}, Case{" -3", -3},
        Case{"\t\n\v\f\r +7", 7}, Case{"-", 0}, Case{"+", 0}, Case{"- 3", 0}, Case{"--3", 0},
        Case{"+-3", 0}, Case{"3 4", 3}, Case{"007", 7}, Case{"-0", 0}, Case{"1e5", 1},
        Case{"0x10", 0}, Case{"12\n", 12}, Case{"x12", 0},
        // NUL is not white space, so it ends the scan before any digit.
        Case{std::string("\0"
                         "5",
                         2),
             0},
        Case{std::string("5\0"
                         "5",
                         3),
             5},
        Case{"\xff"
             "5",
             0},
        // The limits of a signed 32-bit integer, and saturation beyond them.
        Case{"2147483647", INT_MAX}, Case{"-2147483648", INT_MIN}, Case{"2147483648", INT_MAX},
        Case{"-2147483649", INT_MIN}, Case{"4294967296", INT_MAX}, Case{"4294967297", INT_MAX},
        Case{"99999999999999999999999999", INT_MAX}, Case{"-99999999999999999999999999", INT_MIN},
        Case{"00000000000000000000000000042", 42}));

TEST(LeadingInteger, AMillionDigitsSaturate) {
  EXPECT_EQ(LeadingInteger(std::string(1'000'000, '9')), INT_MAX);
  EXPECT_EQ(LeadingInteger("-" + std::string(1'000'000, '7')), INT_MIN);
}

}  // namespace
