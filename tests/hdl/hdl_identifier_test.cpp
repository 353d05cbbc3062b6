// The rule for a design name that becomes the block's module and component name.
#include "hdl/hdl_identifier.h"

#include <gtest/gtest.h>

#include <string>

namespace hdl {
namespace {

struct Name {
  const char* name;
  bool valid;
  const char* why;
};

class HdlIdentifierTest : public ::testing::TestWithParam<Name> {};

TEST_P(HdlIdentifierTest, Decides) {
  EXPECT_EQ(IsHdlIdentifier(GetParam().name), GetParam().valid)
      << "\"" << GetParam().name << "\": " << GetParam().why;
}

const Name kNames[] = {
    {"rs", true, "letters"},
    {"RS_Enc2", true, "letters, digits and single underscores"},
    {"a", true, "one letter"},
    {"a1_b2_c3", true, "underscores between"},
    {"", false, "empty"},
    {"1rs", false, "a digit first"},
    {"_rs", false, "an underscore first"},
    {"rs_", false, "an underscore last"},
    {"rs__enc", false, "two underscores"},
    {"rs-enc", false, "a hyphen"},
    {"rs enc", false, "a blank"},
    {"rs$", false, "a dollar"},
    {"r\xc3\xa9", false, "a letter outside ASCII"},
    {"module", false, "Verilog keyword"},
    {"wire", false, "Verilog keyword"},
    {"entity", false, "VHDL reserved word"},
    {"ENTITY", false, "VHDL compares without case"},
    {"Signal", false, "VHDL compares without case"},
    {"logic", false, "SystemVerilog keyword, which the linter knows"},
    {"always_ff", false, "SystemVerilog keyword"},
    {"xor", false, "the last of the merged list"},
    {"abs", false, "the first of the merged list"},
    {"modules", true, "a keyword's prefix is no keyword"},
    {"entity1", true, "nor is a keyword with a digit"},
};

INSTANTIATE_TEST_SUITE_P(Names, HdlIdentifierTest, ::testing::ValuesIn(kNames));

}  // namespace
}  // namespace hdl
