#include "rsmath/galois_field.h"

#include <algorithm>
#include <bit>

namespace rsmath {

namespace {

// powerTable read with the table's own rule: entries that were never written read as 0, and so
// does anything outside the table.
int32_t PowerAt(int64_t i) {
  const auto& power = Tables().powerTable;
  if (i < 0 || i >= static_cast<int64_t>(power.size())) return 0;
  return power[static_cast<std::size_t>(i)];
}

// r as the tables can hold it.
int CheckSymbols(const GaloisField& field) {
  return std::clamp(field.check, 0, static_cast<int32_t>(Tables().generatorPoly.size()) - 1);
}

// Below this many message symbols a division costs less than building the product columns.
constexpr int kColumnEncodeThreshold = 32;

// times[fb][x] = fb * g[x] for every fb of the field, kept for as long as the code stays the
// same: a streaming vector file encodes five messages with one generator. One row per fb, as a
// step of the division uses the products of one fb with every coefficient.
struct EncodeColumns {
  bool built = false;
  int32_t m = 0;
  int32_t irrpol = 0;
  int r = 0;
  std::array<int32_t, 51> generator{};
  std::array<std::array<int32_t, 51>, 256> times{};
};

const EncodeColumns& ColumnsFor(const GaloisField& field, int r) {
  static EncodeColumns columns;
  const auto& g = Tables().generatorPoly;
  if (columns.built && columns.m == field.m && columns.irrpol == field.irrpol && columns.r == r &&
      columns.generator == g)
    return columns;
  columns.built = true;
  columns.m = field.m;
  columns.irrpol = field.irrpol;
  columns.r = r;
  columns.generator = g;
  std::array<int32_t, 256> column{};
  for (int x = 1; x <= r; ++x) {
    MultiplyColumn(field, g[x], column);
    for (int fb = 0; fb < 256; ++fb) columns.times[fb][x] = column[fb];
  }
  return columns;
}

}  // namespace

int Pow2(int e) {
  if (e < 1) return 1;
  return 1 << std::min(e, 30);
}

int ElementCount(int m) {
  return std::min(Pow2(m), 256);
}

RsTables& Tables() {
  static RsTables tables;
  return tables;
}

void ResetTables() {
  Tables() = RsTables{};
}

int GaloisField::Multiply(int a, int b) const {
  // Wide enough for every shift below: b < 2^32 shifted by at most 30, irrpol by at most 29.
  const int bits = std::clamp(m, 0, 31);
  const uint64_t ua = static_cast<uint32_t>(a);
  const uint64_t ub = static_cast<uint32_t>(b);
  uint64_t product = 0;
  for (int i = 0; i < bits; ++i) product ^= (ub << i) & (0 - ((ua >> i) & 1u));
  // Clear bits 2m-2 .. m from the top, each with irrpol shifted so that its x^m term meets it.
  const uint64_t poly = static_cast<uint32_t>(irrpol);
  for (int bit = 2 * bits - 2; bit >= bits; --bit)
    product ^= (poly << (bit - bits)) & (0 - ((product >> bit) & 1u));
  return static_cast<int>(static_cast<uint32_t>(product));
}

void GaloisField::BuildPowerTable() const {
  auto& power = Tables().powerTable;
  power[0] = 1;
  power[1] = 2;
  const int last = ElementCount(m) - 2;
  for (int i = 2; i <= last; ++i) power[i] = Multiply(power[i - 1], 2);
}

void GaloisField::BuildGeneratorPoly() const {
  auto& g = Tables().generatorPoly;
  g.fill(0);
  g[0] = 1;
  // (x + a^genstart)(x + a^(genstart+1)) = x^2 + (a^gs + a^(gs+1)) x + a^gs a^(gs+1)
  const int64_t first = genstart;
  g[1] = PowerAt(first) ^ PowerAt(first + 1);
  g[2] = Multiply(PowerAt(first), PowerAt(first + 1));
  int root = PowerAt(first + 2);
  const int r = CheckSymbols(*this);
  std::array<int32_t, 51> term{};
  std::array<int32_t, 256> timesRoot{};
  const int count = ElementCount(m);
  for (int t = 3; t <= r; ++t) {
    // g(x) * (x + root): the products are all taken before any coefficient changes. For a long
    // g a column of products by root (m multiplications) is cheaper than t of them.
    const bool column = m >= 1 && m <= 8 && t > 2 * m;
    if (column) MultiplyColumn(*this, root, timesRoot);
    for (int s = 0; s < t; ++s)
      term[s] = column && g[s] >= 0 && g[s] < count ? timesRoot[g[s]] : Multiply(g[s], root);
    for (int s = 0; s < t; ++s) g[s + 1] ^= term[s];
    root = Multiply(root, 2);
  }
}

void GaloisField::Encode() const {
  RsTables& tables = Tables();
  const auto& g = tables.generatorPoly;
  const int r = CheckSymbols(*this);
  const int capacity = static_cast<int>(tables.codeword.size());
  const int k = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(n) - r, 0, capacity - r));

  // Division register: reg[j] holds the coefficient of x^j of the running remainder.
  std::array<int32_t, 51> reg{};
  if (r > 0 && k > 0) {
    if (m >= 1 && m <= 8 && k >= kColumnEncodeThreshold) {
      const auto& times = ColumnsFor(*this, r).times;
      // Multiply reads only the low m bits of fb, so that is the row to take.
      const uint32_t mask = static_cast<uint32_t>(Pow2(m) - 1);
      for (int i = 0; i < k; ++i) {
        const int fb = tables.message[k - 1 - i] ^ reg[r - 1];
        const auto& product = times[static_cast<uint32_t>(fb) & mask];
        for (int j = r - 1; j >= 1; --j) reg[j] = reg[j - 1] ^ product[r - j];
        reg[0] = product[r];
      }
    } else {
      for (int i = 0; i < k; ++i) {
        const int fb = tables.message[k - 1 - i] ^ reg[r - 1];
        for (int j = r - 1; j >= 1; --j) reg[j] = reg[j - 1] ^ Multiply(fb, g[r - j]);
        reg[0] = Multiply(fb, g[r]);
      }
    }
  }
  for (int c = 0; c < k; ++c) tables.codeword[r + c] = tables.message[c];
  for (int c = 0; c < r; ++c) tables.codeword[c] = reg[c];
}

void GaloisField::BuildNegRootTable() const {
  auto& negRoot = Tables().negRootTable;
  const InverseSearch search(*this);
  std::array<int32_t, 256> found{};
  for (int k = 0; k < static_cast<int>(negRoot.size()); ++k) {
    // Where a^k is 0 (past the power table) nothing matches and the entry keeps its 0; of
    // several matches the last, the largest, stands.
    const int matches = search.Find(PowerAt(k), found);
    if (matches > 0) negRoot[k] = found[matches - 1];
  }
}

void BuildRootTable(int genstart, int m) {
  auto& root = Tables().rootTable;
  root.fill(0);
  const int64_t last = ElementCount(m) - 2;
  for (int j = 0; j < static_cast<int>(root.size()); ++j) {
    const int64_t i = static_cast<int64_t>(genstart) + j;
    if (i <= last) root[j] = PowerAt(i);
  }
}

namespace {

// table[x] = product(x) for x below count, given product at the powers of two: a sum of
// powers of two maps to the sum of their images, filled by doubling the known part.
void FillLinear(int count, const std::array<int32_t, 8>& basis, std::array<int32_t, 256>& table) {
  table.fill(0);
  for (int t = 0, half = 1; half < count; ++t, half <<= 1)
    for (int x = 0; x < half; ++x) table[half + x] = table[x] ^ basis[t];
}

}  // namespace

void MultiplyRow(const GaloisField& field, int a, std::array<int32_t, 256>& row) {
  const int count = ElementCount(field.m);
  std::array<int32_t, 8> basis{};
  for (int t = 0; (1 << t) < count; ++t) basis[t] = field.Multiply(a, 1 << t);
  FillLinear(count, basis, row);
}

void MultiplyColumn(const GaloisField& field, int b, std::array<int32_t, 256>& column) {
  const int count = ElementCount(field.m);
  std::array<int32_t, 8> basis{};
  for (int t = 0; (1 << t) < count; ++t) basis[t] = field.Multiply(1 << t, b);
  FillLinear(count, basis, column);
}

InverseSearch::InverseSearch(const GaloisField& field)
    : field_(field),
      count_(ElementCount(field.m)),
      bits_(std::countr_zero(static_cast<unsigned>(count_))) {
  for (int t = 0; t < bits_; ++t) MultiplyColumn(field_, 1 << t, timesBit_[t]);
}

int InverseSearch::Find(int a, std::array<int32_t, 256>& found) const {
  // Column t of the system is a * 2^t; pivot[p] is a reduced column with top bit p, and
  // combination[p] says which 2^t it sums (pivot[p] = a * combination[p]).
  std::array<uint32_t, 32> pivot{};
  std::array<uint32_t, 32> combination{};
  const bool tabled = a >= 0 && a < count_;
  int rank = 0;
  for (int t = 0; t < bits_; ++t) {
    uint32_t v = static_cast<uint32_t>(tabled ? timesBit_[t][a] : field_.Multiply(a, 1 << t));
    uint32_t c = 1u << t;
    while (v != 0) {
      const int top = 31 - std::countl_zero(v);
      if (pivot[top] == 0) {
        pivot[top] = v;
        combination[top] = c;
        ++rank;
        break;
      }
      v ^= pivot[top];
      c ^= combination[top];
    }
  }
  if (rank < bits_) {
    // Several b may give 1: try them all, in order.
    std::array<int32_t, 256> row{};
    MultiplyRow(field_, a, row);
    int n = 0;
    for (int b = 1; b < count_; ++b)
      if (row[b] == 1) found[n++] = b;
    return n;
  }
  // Reduce 1 by the pivots: what is left over cannot be reached, and no b gives 1.
  uint32_t v = 1;
  uint32_t c = 0;
  while (v != 0) {
    const int top = 31 - std::countl_zero(v);
    if (pivot[top] == 0) return 0;
    v ^= pivot[top];
    c ^= combination[top];
  }
  found[0] = static_cast<int32_t>(c);  // never 0, as a * 0 = 0
  return 1;
}

bool IsRingPolynomial(const GaloisField& field) {
  return field.m >= 1 && field.m <= 30 && field.irrpol > 0 && (field.irrpol >> field.m) == 1;
}

}  // namespace rsmath
