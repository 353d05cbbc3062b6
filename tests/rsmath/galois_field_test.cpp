#include "rsmath/galois_field.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "rsmath/log_tables.h"
#include "tests/rsmath/rs_test_codes.h"

namespace {

using rsmath::GaloisField;
using rsmath::Tables;

class GaloisFieldTest : public ::testing::Test {
 protected:
  void SetUp() override { rsmath::ResetTables(); }
  void TearDown() override { rsmath::ResetTables(); }
};

template <std::size_t N>
std::vector<int> Prefix(const std::array<int32_t, N>& table, std::size_t count) {
  return std::vector<int>(table.begin(), table.begin() + count);
}

// c(x) at x, highest power first: acc = acc * x + c[i].
int EvaluateCodeword(const GaloisField& field, int n, int x) {
  int acc = 0;
  for (int i = n - 1; i >= 0; --i) acc = field.Multiply(acc, x) ^ Tables().codeword[i];
  return acc;
}

TEST_F(GaloisFieldTest, Pow2) {
  EXPECT_EQ(rsmath::Pow2(0), 1);
  EXPECT_EQ(rsmath::Pow2(-1), 1);
  EXPECT_EQ(rsmath::Pow2(-100), 1);
  EXPECT_EQ(rsmath::Pow2(1), 2);
  EXPECT_EQ(rsmath::Pow2(4), 16);
  EXPECT_EQ(rsmath::Pow2(8), 256);
  EXPECT_EQ(rsmath::Pow2(30), 1 << 30);
  EXPECT_EQ(rsmath::Pow2(31), 1 << 30);  // saturates instead of overflowing
}

TEST_F(GaloisFieldTest, TablesStartZeroWithTheirFixedSizes) {
  const rsmath::RsTables& t = Tables();
  EXPECT_EQ(t.powerTable.size(), 256u);
  EXPECT_EQ(t.generatorPoly.size(), 51u);
  EXPECT_EQ(t.message.size(), 256u);
  EXPECT_EQ(t.codeword.size(), 256u);
  EXPECT_EQ(t.rootTable.size(), 50u);
  EXPECT_EQ(t.negRootTable.size(), 26u);
  for (int v : t.powerTable) EXPECT_EQ(v, 0);
  for (int v : t.generatorPoly) EXPECT_EQ(v, 0);
  Tables().codeword[7] = 3;
  rsmath::ResetTables();
  EXPECT_EQ(Tables().codeword[7], 0);
  EXPECT_EQ(&Tables(), &Tables());
}

TEST_F(GaloisFieldTest, MultiplyKnownProducts) {
  const GaloisField f4{4, 15, 19, 4, 0};
  EXPECT_EQ(f4.Multiply(8, 2), 3);     // x^4 = x + 1
  EXPECT_EQ(f4.Multiply(9, 2), 1);     // x^4 + x = 1
  EXPECT_EQ(f4.Multiply(15, 15), 10);  // x^6+x^4+x^2+1 = x^3+x
  EXPECT_EQ(f4.Multiply(0, 13), 0);
  EXPECT_EQ(f4.Multiply(1, 13), 13);
  // Only the low m bits of a take part.
  EXPECT_EQ(f4.Multiply(16 + 3, 5), f4.Multiply(3, 5));
  const GaloisField f8{8, 255, 285, 16, 0};
  EXPECT_EQ(f8.Multiply(0x80, 2), 0x1d);
  EXPECT_EQ(f8.Multiply(255, 253), 1);  // the inverse of 255 for 285
}

// The shift-and-reduce product, the model's and the log tables' agree on every pair of every
// field polynomial; the tables' form also for an a outside the field (only its low m bits
// count) and a b outside it (which goes to Multiply).
TEST_F(GaloisFieldTest, MultiplyIsTheFieldProductForEveryPolynomial) {
  for (const auto& row : rstest::AllFieldPolynomials()) {
    for (int p : row.polynomials) {
      const GaloisField field{row.m, 0, p, 0, 0};
      const rstest::LogField model(row.m, p);
      const rsmath::FieldProduct times(field);
      ASSERT_NE(times.Logs(), nullptr) << p;
      const int q = 1 << row.m;
      for (int a = -1; a <= q; ++a)
        for (int b = 0; b <= q; ++b) {
          const int ab = field.Multiply(a, b);
          ASSERT_EQ(times(a, b), ab) << "m " << row.m << " p " << p << " " << a << "*" << b;
          if (a < 0 || a == q || b == q) continue;
          ASSERT_EQ(ab, model.Times(a, b)) << "m " << row.m << " p " << p << " " << a << "*" << b;
          ASSERT_EQ(ab, field.Multiply(b, a));
        }
    }
  }
  // No tables without a field: reducible, irreducible but not primitive, degree not m.
  for (const auto& [m, p] : std::vector<std::pair<int, int>>{{4, 17}, {4, 31}, {5, 19}, {8, 0}})
    EXPECT_EQ(rsmath::LogTables::Of(m, p), nullptr) << m << " " << p;
}

TEST_F(GaloisFieldTest, MultiplyDistributesOverAdditionForAllElements) {
  for (const auto& row : rstest::AllFieldPolynomials()) {
    const GaloisField field{row.m, 0, row.polynomials.back(), 0, 0};
    const int q = std::min(1 << row.m, 64);  // every triple up to m = 6, a prefix above
    for (int a = 0; a < q; ++a)
      for (int b = 0; b < q; ++b)
        for (int c = 0; c < q; ++c)
          ASSERT_EQ(field.Multiply(a, b ^ c), field.Multiply(a, b) ^ field.Multiply(a, c));
  }
}

TEST_F(GaloisFieldTest, PowerTableOfTheDefaultField) {
  const GaloisField field{4, 5, 19, 4, 0};
  field.BuildPowerTable();
  EXPECT_EQ(Prefix(Tables().powerTable, 15),
            (std::vector<int>{1, 2, 4, 8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9}));
  for (std::size_t i = 15; i < 256; ++i) EXPECT_EQ(Tables().powerTable[i], 0) << i;
}

TEST_F(GaloisFieldTest, PowerTableListsEveryNonZeroElementOnce) {
  for (const auto& row : rstest::AllFieldPolynomials()) {
    for (int p : row.polynomials) {
      rsmath::ResetTables();
      const GaloisField field{row.m, 0, p, 4, 0};
      field.BuildPowerTable();
      const rstest::LogField model(row.m, p);
      const int order = (1 << row.m) - 1;
      std::set<int> seen;
      for (int i = 0; i < order; ++i) {
        EXPECT_EQ(Tables().powerTable[i], model.Power(i));
        seen.insert(Tables().powerTable[i]);
      }
      EXPECT_EQ(static_cast<int>(seen.size()), order) << "m " << row.m << " p " << p;
      EXPECT_EQ(seen.count(0), 0u);
      EXPECT_EQ(field.Multiply(Tables().powerTable[order - 1], 2), 1);  // a^(2^m - 1) = 1
    }
  }
}

TEST_F(GaloisFieldTest, GeneratorForTheDefaultField) {
  const GaloisField field{4, 15, 19, 4, 0};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  EXPECT_EQ(Prefix(Tables().generatorPoly, 5), (std::vector<int>{1, 15, 3, 1, 12}));
  for (std::size_t i = 5; i < 51; ++i) EXPECT_EQ(Tables().generatorPoly[i], 0) << i;
}

TEST_F(GaloisFieldTest, GeneratorForTheDvbCode) {
  const GaloisField field{8, 204, 285, 16, 0};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  EXPECT_EQ(Prefix(Tables().generatorPoly, 6), (std::vector<int>{1, 59, 13, 104, 189, 68}));
  for (std::size_t i = 17; i < 51; ++i) EXPECT_EQ(Tables().generatorPoly[i], 0) << i;
}

TEST_F(GaloisFieldTest, GeneratorRewritesAllCoefficients) {
  const GaloisField wide{8, 255, 285, 50, 3};
  wide.BuildPowerTable();
  wide.BuildGeneratorPoly();
  EXPECT_NE(Tables().generatorPoly[50], 0);
  const GaloisField narrow{8, 255, 285, 4, 3};
  narrow.BuildGeneratorPoly();
  for (std::size_t i = 5; i < 51; ++i) EXPECT_EQ(Tables().generatorPoly[i], 0) << i;
}

TEST_F(GaloisFieldTest, CheckSymbolsOfTheWorkedExample) {
  const GaloisField field{4, 15, 19, 4, 0};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  for (int c = 0; c < 11; ++c) Tables().message[c] = c;
  field.Encode();
  EXPECT_EQ(Prefix(Tables().codeword, 4), (std::vector<int>{4, 13, 15, 13}));
  for (int c = 0; c < 11; ++c) EXPECT_EQ(Tables().codeword[4 + c], c);
}

TEST_F(GaloisFieldTest, EmptyMessageGivesTheZeroCodeword) {
  const GaloisField field{4, 4, 19, 4, 0};  // k = 0
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  Tables().codeword.fill(9);
  field.Encode();
  EXPECT_EQ(Prefix(Tables().codeword, 4), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(GaloisFieldTest, SingleSymbolMessageIsThatSymbolTimesTheGenerator) {
  // k = 1: c(x) = s x^r + (s x^r mod g) = s g(x), as g is monic of degree r.
  const GaloisField field{4, 5, 19, 4, 0};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  Tables().message[0] = 7;
  field.Encode();
  for (int i = 0; i <= 4; ++i)
    EXPECT_EQ(Tables().codeword[i], field.Multiply(7, Tables().generatorPoly[4 - i])) << i;
}

TEST_F(GaloisFieldTest, RootTables) {
  const GaloisField field{4, 5, 19, 4, 0};
  field.BuildPowerTable();
  rsmath::BuildRootTable(0, 4);
  EXPECT_EQ(Prefix(Tables().rootTable, 15),
            (std::vector<int>{1, 2, 4, 8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9}));
  for (std::size_t j = 15; j < 50; ++j) EXPECT_EQ(Tables().rootTable[j], 0) << j;
  rsmath::BuildRootTable(3, 4);
  EXPECT_EQ(Prefix(Tables().rootTable, 13),
            (std::vector<int>{8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9, 0}));
  field.BuildNegRootTable();
  EXPECT_EQ(Prefix(Tables().negRootTable, 15),
            (std::vector<int>{1, 9, 13, 15, 14, 7, 10, 5, 11, 12, 6, 3, 8, 4, 2}));
  for (std::size_t k = 15; k < 26; ++k) EXPECT_EQ(Tables().negRootTable[k], 0) << k;
}

TEST_F(GaloisFieldTest, NegativeRootsAreInversesForEveryPolynomial) {
  for (const auto& row : rstest::AllFieldPolynomials()) {
    for (int p : row.polynomials) {
      rsmath::ResetTables();
      const GaloisField field{row.m, 0, p, 4, 0};
      field.BuildPowerTable();
      field.BuildNegRootTable();
      const rstest::LogField model(row.m, p);
      for (int k = 0; k < 26; ++k) {
        if (k <= (1 << row.m) - 2) {
          EXPECT_EQ(Tables().negRootTable[k], model.Power(-k)) << row.m << " " << p << " " << k;
          EXPECT_EQ(field.Multiply(Tables().powerTable[k], Tables().negRootTable[k]), 1);
        } else {
          EXPECT_EQ(Tables().negRootTable[k], 0);
        }
      }
    }
  }
}

// One row per code: every field polynomial, with r and genstart at their ends and between,
// and n at r (k = 0), r + 1 (k = 1) and 2^m - 1.
struct Code {
  int m, p, r, genstart, n;
};

std::vector<Code> CodeSpread() {
  std::vector<Code> codes;
  for (const auto& row : rstest::AllFieldPolynomials()) {
    const int order = (1 << row.m) - 1;
    const int rMax = std::min(50, order - 1);
    for (int p : row.polynomials)
      for (int r : std::set<int>{4, 5, 16, rMax})
        if (r <= rMax)
          for (int g : std::set<int>{0, 1, 2, (order - r) / 2, order - r - 1})
            if (g <= order - r - 1)  // the last root stays below a^(2^m - 1)
              for (int n : std::set<int>{r, r + 1, order}) codes.push_back({row.m, p, r, g, n});
  }
  return codes;
}

TEST_F(GaloisFieldTest, EveryCodewordHasTheGeneratorRoots) {
  std::mt19937 random(20240611);
  int checked = 0;
  for (const Code& code : CodeSpread()) {
    rsmath::ResetTables();
    const GaloisField field{code.m, code.n, code.p, code.r, code.genstart};
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    const int k = code.n - code.r;
    std::vector<int> message(k);
    for (int c = 0; c < k; ++c) message[c] = Tables().message[c] = random() % (1 << code.m);
    field.Encode();
    for (int i = 0; i < code.r; ++i)
      ASSERT_EQ(EvaluateCodeword(field, code.n, Tables().powerTable[code.genstart + i]), 0)
          << "m " << code.m << " p " << code.p << " r " << code.r << " g " << code.genstart << " n "
          << code.n << " root " << i;
    for (int c = 0; c < k; ++c) ASSERT_EQ(Tables().codeword[code.r + c], message[c]);
    ++checked;
  }
  EXPECT_GT(checked, 1000);
}

TEST_F(GaloisFieldTest, GeneratorAndCodewordAgreeWithLongDivision) {
  std::mt19937 random(7);
  for (const Code& code : CodeSpread()) {
    rsmath::ResetTables();
    const GaloisField field{code.m, code.n, code.p, code.r, code.genstart};
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    const rstest::LogField model(code.m, code.p);
    const std::vector<int> g = model.Generator(code.genstart, code.r);
    for (int i = 0; i <= code.r; ++i)
      ASSERT_EQ(Tables().generatorPoly[i], g[code.r - i])
          << "m " << code.m << " p " << code.p << " r " << code.r << " g " << code.genstart;
    const int k = code.n - code.r;
    std::vector<int> message(k);
    for (int c = 0; c < k; ++c) message[c] = Tables().message[c] = random() % (1 << code.m);
    field.Encode();
    const std::vector<int> expected = model.Codeword(message, code.genstart, code.r);
    ASSERT_EQ(Prefix(Tables().codeword, code.n), expected)
        << "m " << code.m << " p " << code.p << " r " << code.r << " g " << code.genstart << " n "
        << code.n;
  }
}

// The spelled-out loops, one Multiply per product, for comparison with the shortcuts that
// the production code takes.
void LiteralEncode(const GaloisField& f, std::vector<int>& codeword) {
  const int r = f.check;
  const int k = f.n - r;
  std::vector<int> reg(r, 0);
  const auto& g = Tables().generatorPoly;
  for (int i = 0; i < k; ++i) {
    const int fb = Tables().message[k - 1 - i] ^ reg[r - 1];
    for (int j = r - 1; j >= 1; --j) reg[j] = reg[j - 1] ^ f.Multiply(fb, g[r - j]);
    reg[0] = f.Multiply(fb, g[r]);
  }
  codeword.assign(f.n, 0);
  for (int c = 0; c < k; ++c) codeword[r + c] = Tables().message[c];
  for (int c = 0; c < r; ++c) codeword[c] = reg[c];
}

TEST_F(GaloisFieldTest, NegativeRootsAsTheLiteralSearchForAnyPolynomial) {
  std::mt19937 random(13);
  for (int trial = 0; trial < 100; ++trial) {
    const int m = 2 + static_cast<int>(random() % 7);
    const int p = trial % 2 ? static_cast<int>(random() % 1024)
                            : (1 << m) | static_cast<int>(random() % (1 << m));
    rsmath::ResetTables();
    const GaloisField field{m, 0, p, 4, 0};
    field.BuildPowerTable();
    field.BuildNegRootTable();
    for (int k = 0; k < 26; ++k) {
      int expected = 0;
      for (int b = 1; b < (1 << m); ++b)
        if (field.Multiply(Tables().powerTable[k], b) == 1) expected = b;
      ASSERT_EQ(Tables().negRootTable[k], expected) << m << " " << p << " " << k;
    }
  }
}

TEST_F(GaloisFieldTest, LongMessagesEncodeAsTheLiteralRegisterDoes) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 60; ++trial) {
    const int m = 6 + static_cast<int>(random() % 3);
    // Half of them with a polynomial that is not even of degree m.
    const int p =
        trial % 2 ? static_cast<int>(random() % 1024) : (1 << m) | 1 | (random() % (1 << m));
    const int r = 2 + static_cast<int>(random() % 49);
    const int n = std::min((1 << m) - 1, r + 32 + static_cast<int>(random() % 200));
    rsmath::ResetTables();
    const GaloisField field{m, n, p, r, static_cast<int>(random() % 8)};
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    for (int c = 0; c < n - r; ++c) Tables().message[c] = static_cast<int>(random() % (1 << m));
    std::vector<int> expected;
    LiteralEncode(field, expected);
    field.Encode();
    ASSERT_EQ(Prefix(Tables().codeword, n), expected) << m << " " << p << " " << r << " " << n;
  }
}

TEST_F(GaloisFieldTest, GeneratorAsTheLiteralProductForAnyPolynomial) {
  std::mt19937 random(17);
  for (int trial = 0; trial < 80; ++trial) {
    const int m = 4 + static_cast<int>(random() % 5);
    const int p = trial % 2 ? static_cast<int>(random() % 2048)
                            : (1 << m) | static_cast<int>(random() % (1 << m));
    const int r = 2 + static_cast<int>(random() % 49);
    const int genstart = static_cast<int>(random() % 8);
    rsmath::ResetTables();
    const GaloisField field{m, 255, p, r, genstart};
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    const auto& power = Tables().powerTable;
    std::vector<int> g(51, 0);
    g[0] = 1;
    g[1] = power[genstart] ^ power[genstart + 1];
    g[2] = field.Multiply(power[genstart], power[genstart + 1]);
    int root = power[genstart + 2];
    for (int t = 3; t <= r; ++t) {
      std::vector<int> term(t);
      for (int s = 0; s < t; ++s) term[s] = field.Multiply(g[s], root);
      for (int s = 0; s < t; ++s) g[s + 1] ^= term[s];
      root = field.Multiply(root, 2);
    }
    ASSERT_EQ(Prefix(Tables().generatorPoly, 51), g) << m << " " << p << " " << r;
  }
}

TEST_F(GaloisFieldTest, BadValuesStayInsideTheTables) {
  // Values the settings rules never let through; the point is that nothing is read or written
  // outside a table (run under the sanitizers to see it).
  const std::vector<GaloisField> bad = {
      {4, 300, 19, 60, 250},       {9, 511, 529, 50, 500},  {0, 0, 0, 0, 0},   {-3, -5, -1, -7, -9},
      {31, 255, 7, 2, 2147483647}, {8, 255, 285, 50, -100}, {8, 3, 285, 1, 0}, {8, 255, 285, 0, 0},
  };
  for (const GaloisField& f : bad) {
    rsmath::ResetTables();
    for (int c = 0; c < 256; ++c) Tables().message[c] = c;
    f.BuildPowerTable();
    f.BuildGeneratorPoly();
    f.Encode();
    f.BuildNegRootTable();
    rsmath::BuildRootTable(f.genstart, f.m);
    EXPECT_EQ(Tables().generatorPoly[0], 1);
  }
  // r = 0: no check symbols, the codeword is the message.
  rsmath::ResetTables();
  const GaloisField plain{4, 6, 19, 0, 0};
  for (int c = 0; c < 6; ++c) Tables().message[c] = c + 1;
  plain.Encode();
  EXPECT_EQ(Prefix(Tables().codeword, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  // n above the table: the message is cut at the table's end.
  rsmath::ResetTables();
  const GaloisField huge{8, 100000, 285, 4, 0};
  huge.BuildPowerTable();
  huge.BuildGeneratorPoly();
  Tables().message.fill(1);
  huge.Encode();
  EXPECT_EQ(Tables().codeword[255], 1);
}

}  // namespace
