#include "rsmath/hex_table_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/rsmath/rs_test_codes.h"
#include "tests/support/fake_platform.h"

namespace {

using rsmath::GaloisField;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The bytes of one record, from the two hex digits after the colon to the checksum.
std::vector<int> RecordBytes(const std::string& record) {
  std::vector<int> bytes;
  for (std::size_t i = 1; i + 1 < record.size(); i += 2)
    bytes.push_back(std::stoi(record.substr(i, 2), nullptr, 16));
  return bytes;
}

struct DataRecord {
  int address;
  int value;
};

DataRecord ParseData(const std::string& record) {
  const std::vector<int> b = RecordBytes(record);
  return {b.at(2), b.at(4)};
}

std::string Inverse(const GaloisField& field) {
  std::string text;
  rsmath::WriteInverseHex(field, text);
  return text;
}

std::string Evnum(const GaloisField& field) {
  std::string text;
  rsmath::WriteEvnumHex(field, text);
  return text;
}

TEST(HexDataRecord, AddressValueAndTwosComplementChecksum) {
  EXPECT_EQ(rsmath::HexDataRecord(1, 1), ":0100010001fd");
  EXPECT_EQ(rsmath::HexDataRecord(10, 12), ":01000a000ce9");
  EXPECT_EQ(rsmath::HexDataRecord(0, 0), ":0100000000ff");
  EXPECT_EQ(rsmath::HexDataRecord(255, 253), ":0100ff00fd03");
  EXPECT_EQ(rsmath::HexDataRecord(255, 0), ":0100ff000000");  // 1 + 255 = 256: checksum 00
}

TEST(InverseHex, DefaultFieldFile) {
  const std::string text = Inverse(GaloisField{4, 5, 19, 4, 0});
  EXPECT_EQ(Lines(text),
            (std::vector<std::string>{
                ":020000020000fc", ":0100000000ff", ":0100010001fd", ":0100020009f4",
                ":010003000eee", ":010004000dee", ":010005000bef", ":0100060007f2", ":0100070006f2",
                ":010008000fe8", ":0100090002f4", ":01000a000ce9", ":01000b0005ef", ":01000c000ae9",
                ":01000d0004ee", ":01000e0003ee", ":01000f0008e8", ":00000001ff"}));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/inv_4_19.hex", text));
}

TEST(InverseHex, LargestFieldEndsWithTheInverseOf255) {
  const std::vector<std::string> lines = Lines(Inverse(GaloisField{8, 255, 285, 16, 0}));
  ASSERT_EQ(lines.size(), 258u);
  EXPECT_EQ(lines[256], ":0100ff00fd03");
  EXPECT_EQ(lines[257], ":00000001ff");
}

TEST(EvnumHex, SquaresForFirstRootTwo) {
  const std::vector<std::string> lines = Lines(Evnum(GaloisField{4, 15, 19, 4, 2}));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], ":020000020000fc");
  EXPECT_EQ(lines[1], ":0100000000ff");
  EXPECT_EQ(lines[2], ":0100010001fd");
  EXPECT_EQ(lines[3], ":0100020004f9");
  EXPECT_EQ(lines[4], ":0100030005f7");
  EXPECT_EQ(lines[5], ":0100040003f8");
  EXPECT_EQ(lines[17], ":00000001ff");
}

TEST(EvnumHex, FirstRootZeroAndOneGiveTheIdentity) {
  const std::string zero = Evnum(GaloisField{4, 15, 19, 4, 0});
  const std::vector<std::string> lines = Lines(zero);
  EXPECT_EQ(lines[1], ":0100000000ff");
  EXPECT_EQ(lines[3], ":0100020002fb");
  for (int k = 0; k < 16; ++k) EXPECT_EQ(lines[1 + k], rsmath::HexDataRecord(k, k));
  EXPECT_EQ(zero, Evnum(GaloisField{4, 15, 19, 4, 1}));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/evnum_4_19_0.hex", zero));
  EXPECT_TRUE(
      testsupport::MatchesGolden("rsmath/evnum_4_19_2.hex", Evnum(GaloisField{4, 15, 19, 4, 2})));
}

// Both files for every field polynomial: 2^m + 2 lines, fixed first and last records, every
// record summing to 0 mod 256, addresses ascending, the right inverses and powers.
TEST(MemoryFiles, PropertiesForEveryFieldPolynomial) {
  for (const auto& row : rstest::AllFieldPolynomials()) {
    const int q = 1 << row.m;
    for (int p : row.polynomials) {
      const rstest::LogField model(row.m, p);
      for (int genstart : {0, 1, 2, 3, q / 2, q - 5}) {
        const GaloisField field{row.m, q - 1, p, 4, genstart};
        const std::vector<std::string> inverse = Lines(Inverse(field));
        const std::vector<std::string> evnum = Lines(Evnum(field));
        for (const auto* file : {&inverse, &evnum}) {
          ASSERT_EQ(static_cast<int>(file->size()), q + 2) << row.m << " " << p;
          EXPECT_EQ(file->front(), ":020000020000fc");
          EXPECT_EQ(file->back(), ":00000001ff");
          for (const std::string& record : *file) {
            int sum = 0;
            for (int byte : RecordBytes(record)) sum += byte;
            ASSERT_EQ(sum % 256, 0) << record;
          }
          for (int a = 0; a < q; ++a) {
            const DataRecord data = ParseData((*file)[1 + a]);
            ASSERT_EQ(data.address, a);
            if (file == &inverse) {
              ASSERT_EQ(data.value, a == 0 ? 0 : model.Inverse(a));
              if (a != 0) {
                ASSERT_EQ(field.Multiply(a, data.value), 1);
              }
            } else {
              int power = a;  // a^genstart, a itself for genstart 0 and 1
              for (int i = 1; i < genstart; ++i) power = model.Times(power, a);
              ASSERT_EQ(data.value, power) << "m " << row.m << " p " << p << " g " << genstart;
            }
          }
        }
      }
    }
  }
}

// The literal searches: every a against every b, and genstart - 1 products per entry.
std::string LiteralInverse(const GaloisField& f) {
  std::string out = ":020000020000fc\n:0100000000ff\n";
  int address = 1;
  for (int a = 1; a < (1 << f.m); ++a)
    for (int b = 1; b < (1 << f.m); ++b)
      if (f.Multiply(a, b) == 1) out += rsmath::HexDataRecord(address++, b) + "\n";
  return out + ":00000001ff\n";
}

std::string LiteralEvnum(const GaloisField& f) {
  std::string out = ":020000020000fc\n";
  for (int k = 0; k < (1 << f.m); ++k) {
    int value = k;
    for (int i = 1; i < f.genstart; ++i) value = f.Multiply(value, k);
    out += rsmath::HexDataRecord(k, value) + "\n";
  }
  return out + ":00000001ff\n";
}

TEST(MemoryFiles, SameAsTheLiteralSearchForAnyPolynomial) {
  std::mt19937 random(3);
  for (int trial = 0; trial < 80; ++trial) {
    const int m = 4 + static_cast<int>(random() % 5);
    // Reducible polynomials of degree m (some elements have no inverse), and polynomials of
    // the wrong degree, where the product is not a ring product at all.
    int p = static_cast<int>(random() % (1 << m)) | (1 << m);
    if (trial % 3 == 1) p = static_cast<int>(random() % (1 << m));
    if (trial % 3 == 2) p = static_cast<int>(random() % 2048);
    const GaloisField field{m, 0, p, 4, static_cast<int>(random() % (trial < 60 ? 256 : 3000))};
    ASSERT_EQ(Inverse(field), LiteralInverse(field)) << m << " " << p;
    ASSERT_EQ(Evnum(field), LiteralEvnum(field)) << m << " " << p << " " << field.genstart;
  }
}

TEST(EvnumHex, HugeFirstRootEndsQuicklyForAnyPolynomial) {
  // Far outside the settings rules; the entries must still be the repeated products, and come
  // in reasonable time.
  for (int p : {285, 0, 1, 7, 1023, 2147483647}) {
    const GaloisField field{8, 255, p, 4, 2147483647};
    const std::vector<std::string> lines = Lines(Evnum(field));
    ASSERT_EQ(lines.size(), 258u) << p;
    EXPECT_EQ(lines[1], ":0100000000ff");
    EXPECT_EQ(lines[2], ":0100010001fd");  // 1 * 1 = 1 for every polynomial
  }
  // Against the literal products for a first root a little beyond the cycle length.
  const GaloisField odd{5, 31, 3, 4, 1000};
  EXPECT_EQ(Evnum(odd), LiteralEvnum(odd));
}

}  // namespace
