#include "description/wizard_description.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using description::DescriptionEntry;
using description::ValueTable;
using description::WizardDescription;

std::vector<std::string> Columns(const DescriptionEntry* row, std::size_t from, std::size_t to) {
  std::vector<std::string> columns;
  if (row == nullptr) return columns;
  for (std::size_t c = from; c <= to; ++c) columns.push_back((*row)[c]);
  return columns;
}

class NoSymbol : public description::SymbolLineWriter {
 public:
  void WriteSymbol(std::string&) const override {}
};

TEST(WizardDescription, StartsEmptyWithTheDefaultModuleName) {
  const WizardDescription d;
  EXPECT_EQ(d.moduleName, "default");
  EXPECT_EQ(d.symbol, nullptr);
  for (const ValueTable* store :
       {&d.privates, &d.parameters, &d.constants, &d.usedPorts, &d.connections})
    EXPECT_EQ(store->EntryAt(0), nullptr);
  const NoSymbol symbol;
  EXPECT_EQ(WizardDescription(&symbol).symbol, &symbol);
}

TEST(WizardDescription, ConstantsAndPrivatesGoToTheirStores) {
  WizardDescription d;
  ASSERT_TRUE(d.AddConstant("m", 8));
  ASSERT_TRUE(d.AddConstant("speed", "full"));
  ASSERT_TRUE(d.AddConstant("zero", 0));  // an int literal 0 is a number, not a text
  ASSERT_TRUE(d.AddPrivate("Enc_Dec", 1));
  EXPECT_EQ(Columns(d.constants.EntryAt(0), 0, 1), (std::vector<std::string>{"m", "NUMERIC"}));
  EXPECT_EQ((*d.constants.EntryAt(0))[6], "8");
  EXPECT_EQ(Columns(d.constants.EntryAt(1), 0, 1), (std::vector<std::string>{"speed", "STRING"}));
  EXPECT_EQ((*d.constants.EntryAt(1))[6], "full");
  EXPECT_EQ((*d.constants.EntryAt(2))[1], "NUMERIC");
  EXPECT_EQ(d.privates.LookupInt("Enc_Dec", 0), 1);
  EXPECT_EQ(d.privates.Find("m"), nullptr);
  EXPECT_EQ(d.parameters.EntryAt(0), nullptr);
}

TEST(WizardDescription, AnInputPortIsJoinedFromItsAtEnd) {
  WizardDescription d;
  ASSERT_TRUE(d.AddUsedPort("rsin", 8, 0, 1, "NODEFVAL"));
  EXPECT_EQ(
      Columns(d.usedPorts.EntryAt(0), 0, 7),
      (std::vector<std::string>{"rsin", "INPUT", "0", "0", "8", "1", "NODEFVAL", "rsin[8..1]"}));
  const DescriptionEntry* link = d.connections.EntryAt(0);
  EXPECT_EQ(Columns(link, 8, 12), (std::vector<std::string>{"@rsin", "0", "0", "8", "1"}));
  EXPECT_EQ(Columns(link, 0, 0), (std::vector<std::string>{"rsin"}));
  EXPECT_EQ(Columns(link, 2, 5), (std::vector<std::string>{"0", "0", "8", "1"}));
  EXPECT_EQ(d.connections.EntryAt(1), nullptr);
}

TEST(WizardDescription, ASingleBitPortHasTheNameAsBusText) {
  WizardDescription d;
  ASSERT_TRUE(d.AddUsedPort("start", 0, 0, "NODEFVAL", 0));
  EXPECT_EQ(Columns(d.usedPorts.EntryAt(0), 0, 7),
            (std::vector<std::string>{"start", "INPUT", "0", "0", "0", "0", "NODEFVAL", "start"}));
}

TEST(WizardDescription, BothArgumentOrdersGiveTheSameRows) {
  WizardDescription a;
  WizardDescription b;
  ASSERT_TRUE(a.AddUsedPort("rsout", 8, 1, 3, "NODEFVAL"));
  ASSERT_TRUE(b.AddUsedPort("rsout", 8, 1, "NODEFVAL", 3));
  EXPECT_EQ(*a.usedPorts.EntryAt(0), *b.usedPorts.EntryAt(0));
  EXPECT_EQ(*a.connections.EntryAt(0), *b.connections.EntryAt(0));
  EXPECT_EQ((*a.usedPorts.EntryAt(0))[7], "rsout[10..3]");
}

struct DirectionCase {
  int direction;
  const char* text;
  const char* first;
  const char* second;
};

class AddUsedPortDirection : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(AddUsedPortDirection, OrdersTheEnds) {
  WizardDescription d;
  ASSERT_TRUE(d.AddUsedPort("p", 4, GetParam().direction, 0, "NODEFVAL"));
  EXPECT_EQ((*d.usedPorts.EntryAt(0))[1], GetParam().text);
  EXPECT_EQ((*d.connections.EntryAt(0))[8], GetParam().first);
  EXPECT_EQ((*d.connections.EntryAt(0))[0], GetParam().second);
  // Both ends are names, so both carry the width.
  EXPECT_EQ((*d.connections.EntryAt(0))[11], "4");
  EXPECT_EQ((*d.connections.EntryAt(0))[4], "4");
}

INSTANTIATE_TEST_SUITE_P(Directions, AddUsedPortDirection,
                         ::testing::Values(DirectionCase{0, "INPUT", "@p", "p"},
                                           DirectionCase{1, "OUTPUT", "p", "@p"},
                                           DirectionCase{2, "BIDIR", "p", "@p"},
                                           DirectionCase{-1, "BIDIR", "p", "@p"}));

TEST(WizardDescription, AFullPortStoreAddsNoConnection) {
  WizardDescription d;
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(d.usedPorts.AddPort("q", 0, "NODEFVAL", 0, 0));
  EXPECT_FALSE(d.AddUsedPort("late", 1, 0, 0, "NODEFVAL"));
  EXPECT_EQ(d.connections.EntryAt(0), nullptr);
}

TEST(WizardDescription, AFullConnectionStoreIsTheResult) {
  WizardDescription d;
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(d.connections.AddConnection("a", "b", 0, 0));
  EXPECT_FALSE(d.AddUsedPort("late", 1, 1, 0, "NODEFVAL"));
  EXPECT_NE(d.usedPorts.Find("late"), nullptr);  // the port itself went in
}

TEST(WizardDescription, ClearStoresEmptiesAllFive) {
  WizardDescription d;
  d.moduleName = "rsstrb";
  ASSERT_TRUE(d.AddConstant("m", 8));
  ASSERT_TRUE(d.AddPrivate("Enc_Dec", 1));
  ASSERT_TRUE(d.parameters.AddNumeric("p", 3));
  ASSERT_TRUE(d.AddUsedPort("rsin", 8, 0, 1, "NODEFVAL"));
  d.ClearStores();
  for (const ValueTable* store :
       {&d.privates, &d.parameters, &d.constants, &d.usedPorts, &d.connections})
    EXPECT_EQ(store->EntryAt(0), nullptr);
  EXPECT_EQ(d.constants.LookupInt("m", 4), 4);
  EXPECT_EQ(d.privates.LookupInt("Enc_Dec", 0), 0);
  EXPECT_EQ(d.parameters.LookupInt("p", -1), -1);
  EXPECT_EQ(d.moduleName, "rsstrb");  // not a store
}

}  // namespace
