#include "rsmath/galois_field.h"

#include <algorithm>
#include <bit>
#include <vector>

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
  for (int t = 3; t <= r; ++t) {
    // g(x) * (x + root): the products are all taken before any coefficient changes.
    for (int s = 0; s < t; ++s) term[s] = Multiply(g[s], root);
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
    const bool useColumns = m >= 1 && m <= 8 && k >= kColumnEncodeThreshold;
    std::vector<std::array<int32_t, 256>> times;
    if (useColumns) {
      times.resize(static_cast<std::size_t>(r) + 1);
      for (int x = 1; x <= r; ++x) MultiplyColumn(*this, g[x], times[x]);
    }
    const uint32_t mask = static_cast<uint32_t>(Pow2(m) - 1);
    // fb * g[x]; Multiply reads only the low m bits of fb, so the column index is exact.
    auto times_g = [&](int fb, int x) {
      if (useColumns) return times[x][static_cast<uint32_t>(fb) & mask];
      return Multiply(fb, g[x]);
    };
    for (int i = 0; i < k; ++i) {
      const int fb = tables.message[k - 1 - i] ^ reg[r - 1];
      for (int j = r - 1; j >= 1; --j) reg[j] = reg[j - 1] ^ times_g(fb, r - j);
      reg[0] = times_g(fb, r);
    }
  }
  for (int c = 0; c < k; ++c) tables.codeword[r + c] = tables.message[c];
  for (int c = 0; c < r; ++c) tables.codeword[c] = reg[c];
}

void GaloisField::BuildNegRootTable() const {
  auto& negRoot = Tables().negRootTable;
  const int count = ElementCount(m);
  std::array<int32_t, 256> row{};
  for (int k = 0; k < static_cast<int>(negRoot.size()); ++k) {
    const int a = PowerAt(k);
    if (a == 0) continue;  // zero times anything is zero: no inverse, the entry keeps its 0
    MultiplyRow(*this, a, row);
    // Every b is tried; the last match wins.
    for (int b = 1; b < count; ++b)
      if (row[b] == 1) negRoot[k] = b;
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

void MultiplyRow(const GaloisField& field, int a, std::array<int32_t, 256>& row) {
  row.fill(0);
  const int count = ElementCount(field.m);
  std::array<int32_t, 8> basis{};
  for (int t = 0; (1 << t) < count; ++t) basis[t] = field.Multiply(a, 1 << t);
  // Each b is a smaller b with its lowest bit added: a*b = a*(b without it) ^ a*(that bit).
  for (int b = 1; b < count; ++b)
    row[b] = row[b & (b - 1)] ^ basis[std::countr_zero(static_cast<unsigned>(b))];
}

void MultiplyColumn(const GaloisField& field, int b, std::array<int32_t, 256>& column) {
  column.fill(0);
  const int count = ElementCount(field.m);
  std::array<int32_t, 8> basis{};
  for (int t = 0; (1 << t) < count; ++t) basis[t] = field.Multiply(1 << t, b);
  for (int a = 1; a < count; ++a)
    column[a] = column[a & (a - 1)] ^ basis[std::countr_zero(static_cast<unsigned>(a))];
}

bool IsRingPolynomial(const GaloisField& field) {
  return field.m >= 1 && field.m <= 30 && field.irrpol > 0 && (field.irrpol >> field.m) == 1;
}

}  // namespace rsmath
