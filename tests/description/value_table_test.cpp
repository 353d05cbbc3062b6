#include "description/value_table.h"

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using description::DescriptionEntry;
using description::ValueTable;

// The 13 columns of a row, for comparing whole rows in one expectation.
std::vector<std::string> Columns(const DescriptionEntry& row) {
  std::vector<std::string> columns;
  for (std::size_t c = 0; c < DescriptionEntry::kColumnCount; ++c) columns.push_back(row[c]);
  return columns;
}

const std::vector<std::string> kDefaults = {"", "UNDEF", "", "0", "", "0", "",
                                            "", "",      "", "0", "", "0"};

DescriptionEntry Named(const std::string& name, const std::string& marker = "") {
  DescriptionEntry row;
  row[0] = name;
  row[7] = marker;
  return row;
}

TEST(DescriptionEntry, NewRowHoldsTheDefaults) {
  const DescriptionEntry row;
  EXPECT_EQ(Columns(row), kDefaults);
  for (std::size_t c = 0; c < DescriptionEntry::kColumnCount; ++c)
    EXPECT_EQ(row[c], DescriptionEntry::DefaultOf(c)) << c;
  EXPECT_FALSE(row.InUse());
}

TEST(DescriptionEntry, AccessBeyondColumn12Throws) {
  DescriptionEntry row;
  EXPECT_THROW(row[13], std::out_of_range);
  const DescriptionEntry& constRow = row;
  EXPECT_THROW(constRow[1000], std::out_of_range);
}

TEST(ValueTable, LookupIntOfAMissingNameGivesTheDefault) {
  ValueTable store;
  EXPECT_EQ(store.LookupInt("m", 4), 4);
  ASSERT_TRUE(store.AddNumeric("m", 8));
  EXPECT_EQ(store.LookupInt("m", 4), 8);
  EXPECT_EQ(store.LookupInt("M", 4), 4);  // names are case-sensitive
}

struct ValueCase {
  std::string value;
  int expected;
};

class LookupIntOfValue : public ::testing::TestWithParam<ValueCase> {};

// The kind column is not consulted: a STRING row yields its leading number.
TEST_P(LookupIntOfValue, ReadsTheLeadingNumber) {
  ValueTable store;
  ASSERT_TRUE(store.AddString("m", GetParam().value));
  EXPECT_EQ(store.LookupInt("m", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, LookupIntOfValue,
                         ::testing::Values(ValueCase{"12abc", 12}, ValueCase{"abc", 0},
                                           ValueCase{" -3", -3}, ValueCase{"", 0},
                                           ValueCase{"2147483648", INT_MAX}));

TEST(ValueTable, AddNumericWritesDecimalLikePercentD) {
  ValueTable store;
  ASSERT_TRUE(store.AddNumeric("a", -5));
  ASSERT_TRUE(store.AddNumeric("b", INT_MIN));
  ASSERT_TRUE(store.AddNumeric("c", INT_MAX));
  EXPECT_EQ((*store.EntryAt(0))[6], "-5");
  EXPECT_EQ((*store.EntryAt(1))[6], "-2147483648");
  EXPECT_EQ((*store.EntryAt(2))[6], "2147483647");
  EXPECT_EQ((*store.EntryAt(0))[1], "NUMERIC");
  EXPECT_EQ(store.LookupInt("b", 0), INT_MIN);
}

TEST(ValueTable, AddStringKeepsTheOtherDefaults) {
  ValueTable store;
  ASSERT_TRUE(store.AddString("speed", "full"));
  std::vector<std::string> expected = kDefaults;
  expected[0] = "speed";
  expected[1] = "STRING";
  expected[6] = "full";
  EXPECT_EQ(Columns(*store.EntryAt(0)), expected);
}

TEST(ValueTable, FindReturnsTheFirstOfTwoRowsWithOneName) {
  ValueTable store;
  ASSERT_TRUE(store.AddNumeric("n", 1));
  ASSERT_TRUE(store.AddNumeric("k", 2));
  ASSERT_TRUE(store.AddNumeric("n", 3));
  ASSERT_NE(store.Find("n"), nullptr);
  EXPECT_EQ(store.Find("n"), store.EntryAt(0));
  EXPECT_EQ(store.LookupInt("n", 0), 1);
  std::vector<std::string> walked;
  for (std::size_t i = 0; const DescriptionEntry* row = store.EntryAt(i); ++i)
    walked.push_back((*row)[0] + "=" + (*row)[6]);
  EXPECT_EQ(walked, (std::vector<std::string>{"n=1", "k=2", "n=3"}));
}

TEST(ValueTable, FindComparesByteForByte) {
  ValueTable store;
  const std::string withNul("a\0b", 3);
  ASSERT_TRUE(store.AddNumeric(withNul, 7));
  EXPECT_EQ(store.Find("a"), nullptr);
  EXPECT_NE(store.Find(withNul), nullptr);
  EXPECT_EQ(store.Find(""), nullptr);
  EXPECT_EQ(ValueTable().Find(""), nullptr);
  EXPECT_EQ(ValueTable().Find("x"), nullptr);
}

TEST(ValueTable, The513thAddIsRefusedAndChangesNothing) {
  ValueTable store;
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(store.AddNumeric("r" + std::to_string(i), i)) << i;
  EXPECT_EQ(store.Count(), 512u);
  EXPECT_FALSE(store.AddNumeric("extra", 1));
  EXPECT_FALSE(store.Add(Named("")));  // even a nameless row finds no room
  EXPECT_EQ(store.Count(), 512u);
  for (int i = 0; i < 512; ++i) {
    ASSERT_NE(store.EntryAt(i), nullptr);
    EXPECT_EQ((*store.EntryAt(i))[0], "r" + std::to_string(i));
    EXPECT_EQ((*store.EntryAt(i))[6], std::to_string(i));
  }
  EXPECT_EQ(store.EntryAt(512), nullptr);
  EXPECT_EQ(store.Find("extra"), nullptr);
  EXPECT_EQ(store.LookupInt("r511", -1), 511);
}

TEST(ValueTable, EntryAtOutsideTheRowsIsNone) {
  ValueTable store;
  EXPECT_EQ(store.EntryAt(0), nullptr);
  ASSERT_TRUE(store.AddNumeric("a", 1));
  EXPECT_NE(store.EntryAt(0), nullptr);
  EXPECT_EQ(store.EntryAt(1), nullptr);
  EXPECT_EQ(store.EntryAt(511), nullptr);
  EXPECT_EQ(store.EntryAt(512), nullptr);
  EXPECT_EQ(store.EntryAt(static_cast<std::size_t>(-1)), nullptr);
}

TEST(ValueTable, AddCopiesTheRow) {
  ValueTable store;
  DescriptionEntry row = Named("a", "bus");
  ASSERT_TRUE(store.Add(row));
  row[0] = "changed";
  row[7] = "changed";
  EXPECT_EQ((*store.EntryAt(0))[0], "a");
  EXPECT_EQ((*store.EntryAt(0))[7], "bus");
}

TEST(ValueTable, ANamelessRowStaysFreeAndIsOverwrittenWhole) {
  ValueTable store;
  EXPECT_TRUE(store.Add(Named("", "left over")));
  EXPECT_EQ(store.EntryAt(0), nullptr);
  EXPECT_EQ(store.Count(), 0u);
  EXPECT_EQ(store.Find(""), nullptr);
  ASSERT_TRUE(store.AddNumeric("a", 1));
  ASSERT_NE(store.EntryAt(0), nullptr);
  EXPECT_EQ((*store.EntryAt(0))[7], "");  // all 13 columns come from the new row
  EXPECT_EQ(store.EntryAt(1), nullptr);
}

TEST(ValueTable, ClearFreesEveryRow) {
  ValueTable store;
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(store.Add(Named("r" + std::to_string(i), "bus")));
  store.Clear();
  EXPECT_EQ(store.Count(), 0u);
  EXPECT_EQ(store.EntryAt(0), nullptr);
  EXPECT_EQ(store.Find("r0"), nullptr);
  EXPECT_EQ(store.LookupInt("r0", 17), 17);
  // The table is whole again: 512 rows fit, with nothing of the old rows left in them.
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(store.AddNumeric("s" + std::to_string(i), i));
  EXPECT_FALSE(store.AddNumeric("t", 0));
  EXPECT_EQ((*store.EntryAt(300))[7], "");
  EXPECT_EQ((*store.EntryAt(300))[0], "s300");
}

TEST(ValueTable, ClearAfterANamelessAddLeavesTheStoreEmpty) {
  ValueTable store;
  ASSERT_TRUE(store.AddNumeric("a", 1));
  ASSERT_TRUE(store.Add(Named("", "x")));
  store.Clear();
  EXPECT_EQ(store.EntryAt(0), nullptr);
  ASSERT_TRUE(store.AddNumeric("b", 2));
  EXPECT_EQ((*store.EntryAt(0))[0], "b");
  EXPECT_EQ(store.EntryAt(1), nullptr);
}

struct DirectionCase {
  int direction;
  const char* text;
};

class PortDirectionText : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(PortDirectionText, NamesTheDirection) {
  EXPECT_STREQ(description::PortDirectionText(GetParam().direction), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Directions, PortDirectionText,
                         ::testing::Values(DirectionCase{0, "INPUT"}, DirectionCase{1, "OUTPUT"},
                                           DirectionCase{2, "BIDIR"}, DirectionCase{-1, "BIDIR"},
                                           DirectionCase{INT_MAX, "BIDIR"},
                                           DirectionCase{INT_MIN, "BIDIR"}));

TEST(ValueTable, AddPortFillsColumnsZeroToSeven) {
  ValueTable ports;
  ASSERT_TRUE(ports.AddPort("rsin", 8, "NODEFVAL", 0, 1));
  EXPECT_EQ(Columns(*ports.EntryAt(0)),
            (std::vector<std::string>{"rsin", "INPUT", "0", "0", "8", "1", "NODEFVAL", "rsin[8..1]",
                                      "", "", "0", "", "0"}));
}

struct BusCase {
  int width;
  int lsb;
  std::string bus;
};

class BusText : public ::testing::TestWithParam<BusCase> {};

TEST_P(BusText, NamesTheHighestAndLowestBit) {
  EXPECT_EQ(description::BusText("x", GetParam().width, GetParam().lsb), GetParam().bus);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, BusText,
    ::testing::Values(BusCase{0, 0, "x"}, BusCase{0, 5, "x"}, BusCase{1, 0, "x[0..0]"},
                      BusCase{8, 1, "x[8..1]"}, BusCase{8, 0, "x[7..0]"},
                      BusCase{-2, 0, "x[-3..0]"},
                      // Extreme values print the true highest bit instead of overflowing.
                      BusCase{2, INT_MAX, "x[2147483648..2147483647]"},
                      BusCase{INT_MIN, INT_MIN, "x[-4294967297..-2147483648]"}));

TEST(ValueTable, AddConnectionFillsBothEnds) {
  ValueTable connections;
  ASSERT_TRUE(connections.AddConnection("@rsin", "rsin", 8, 1));
  EXPECT_EQ(Columns(*connections.EntryAt(0)),
            (std::vector<std::string>{"rsin", "UNDEF", "0", "0", "8", "1", "", "", "@rsin", "0",
                                      "0", "8", "1"}));
}

struct SecondEndCase {
  std::string second;
  std::string secondWidth;
};

class AddConnectionSecondEnd : public ::testing::TestWithParam<SecondEndCase> {};

// A second end that is a number has width "0"; the first end always has the width.
TEST_P(AddConnectionSecondEnd, HasTheWidthUnlessItIsANumber) {
  ValueTable connections;
  ASSERT_TRUE(connections.AddConnection("@x", GetParam().second, 4, 0));
  const DescriptionEntry& row = *connections.EntryAt(0);
  EXPECT_EQ(row[4], GetParam().secondWidth);
  EXPECT_EQ(row[11], "4");
  EXPECT_EQ(row[5], "0");
  EXPECT_EQ(row[12], "0");
}

INSTANTIATE_TEST_SUITE_P(Ends, AddConnectionSecondEnd,
                         ::testing::Values(SecondEndCase{"1", "0"}, SecondEndCase{"9z", "0"},
                                           SecondEndCase{"0", "0"}, SecondEndCase{"x", "4"},
                                           SecondEndCase{"@x", "4"}, SecondEndCase{"-1", "4"},
                                           SecondEndCase{" 1", "4"}));

TEST(ValueTable, AConnectionWithAnEmptySecondEndStaysFree) {
  ValueTable connections;
  EXPECT_TRUE(connections.AddConnection("@x", "", 4, 0));
  EXPECT_EQ(connections.EntryAt(0), nullptr);
}

}  // namespace
