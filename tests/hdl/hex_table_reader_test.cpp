// The Intel HEX reader on its own: the wizard's tables read back, and every malformed record
// refused with its line.
#include "hdl/hex_table_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hdl/refusal.h"
#include "rsmath/galois_field.h"
#include "rsmath/hex_table_writer.h"

namespace hdl {
namespace {

constexpr const char* kEnd = ":00000001ff\n";

TEST(HexTableReaderTest, ReadsTheWizardsInverseTableBack) {
  for (const auto& [m, irrpol] : {std::pair{4, 19}, {5, 37}, {8, 285}}) {
    const rsmath::GaloisField field{m, (1 << m) - 1, irrpol, 4, 0};
    std::string text;
    rsmath::WriteInverseHex(field, text);
    const std::vector<int> table = ReadIntelHex(text, "inv.hex");
    ASSERT_EQ(table.size(), static_cast<std::size_t>(1 << m)) << "m = " << m;
    EXPECT_EQ(table[0], 0);
    for (int a = 1; a < (1 << m); ++a)
      EXPECT_EQ(field.Multiply(a, table[static_cast<std::size_t>(a)]), 1)
          << "m " << m << " a " << a;
  }
}

struct Read {
  const char* name;
  std::string text;
  std::vector<int> bytes;
};

class HexTableReads : public ::testing::TestWithParam<Read> {};

TEST_P(HexTableReads, TheBytesByAddress) {
  EXPECT_EQ(ReadIntelHex(GetParam().text, "t.hex"), GetParam().bytes);
}

const Read kReads[] = {
    {"EndOnly", kEnd, {}},
    {"OneByte", std::string(":0100000007f8\n") + kEnd, {7}},
    // A gap reads 0; a record of several bytes fills from its address.
    {"GapAndSeveralBytes", std::string(":020002000a0be7\n") + kEnd, {0, 0, 10, 11}},
    {"UpperCaseDigits", std::string(":0100000007F8\n") + kEnd, {7}},
    {"SegmentZero", std::string(":020000020000fc\n:0100000007f8\n") + kEnd, {7}},
    {"CrLfAndBlankLines", std::string("\r\n:0100000007f8\r\n\n:00000001ff\r"), {7}},
    {"NoFinalLineFeed", ":0100000007f8\n:00000001ff", {7}},
    {"BlankLinesAfterTheEnd", std::string(kEnd) + "\n\n", {}},
};

INSTANTIATE_TEST_SUITE_P(Records, HexTableReads, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refused {
  const char* name;
  std::string text;
  const char* message;  // the whole refusal
};

class HexTableRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(HexTableRefuses, NamingFileAndLine) {
  try {
    ReadIntelHex(GetParam().text, "t.hex");
    FAIL() << "read without a refusal";
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()), GetParam().message);
  }
}

const Refused kRefused[] = {
    {"Empty", "", "t.hex: no end record: the table is incomplete"},
    {"NoEnd", ":0100000007f8\n", "t.hex: no end record: the table is incomplete"},
    {"NoColon", std::string("0100000007f8\n") + kEnd,
     "t.hex line 1: not an Intel HEX record (no colon)"},
    {"OddDigits", std::string(":0100000007f\n") + kEnd, "t.hex line 1: not an Intel HEX record"},
    {"NotHex", std::string(":01000000g7f8\n") + kEnd, "t.hex line 1: not an Intel HEX record"},
    {"TooShort", std::string(":00000001\n") + kEnd, "t.hex line 1: not an Intel HEX record"},
    {"CountDisagrees", std::string(":0200000007f7\n") + kEnd,
     "t.hex line 1: the byte count disagrees with the record"},
    {"Checksum", std::string("\n:0100000007f9\n") + kEnd, "t.hex line 2: wrong checksum"},
    {"RecordAfterEnd", std::string(kEnd) + ":0100000007f8\n",
     "t.hex line 2: a record after the end record"},
    {"OtherSegment", std::string(":020000020100fb\n") + kEnd,
     "t.hex line 1: a segment other than 0"},
    {"RecordType03", std::string(":0400000300000000f9\n") + kEnd,
     "t.hex line 1: a record type other than 00, 01 and 02"},
};

INSTANTIATE_TEST_SUITE_P(Records, HexTableRefuses, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hdl
