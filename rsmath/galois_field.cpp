#include "rsmath/galois_field.h"

#include <algorithm>
#include <span>

#include "rsmath/log_tables.h"
#include "rsmath/rs_generator.h"

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
  // (x + a^genstart)(x + a^(genstart+1)) = x^2 + (a^gs + a^(gs+1)) x + a^gs a^(gs+1): the first
  // two roots are always taken. Then a^(genstart+2), each next root the last times a.
  const FieldProduct times(*this);
  const int64_t first = genstart;
  g[0] = 1;
  g[1] = PowerAt(first) ^ PowerAt(first + 1);
  g[2] = times(PowerAt(first), PowerAt(first + 1));
  std::array<int32_t, 48> roots{};
  const int more = std::max(CheckSymbols(*this) - 2, 0);
  for (int j = 0; j < more; ++j) roots[j] = j == 0 ? PowerAt(first + 2) : times(roots[j - 1], 2);
  MultiplyByRoots(times, std::span<const int32_t>(roots.data(), static_cast<std::size_t>(more)), g,
                  2);
}

void GaloisField::Encode() const {
  RsTables& tables = Tables();
  const int r = CheckSymbols(*this);
  const int capacity = static_cast<int>(tables.codeword.size());
  const int k = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(n) - r, 0, capacity - r));
  // Division register: reg[j] holds the coefficient of x^j of the remainder.
  std::array<int32_t, 50> reg{};
  DivideByGenerator(FieldProduct(*this),
                    std::span<const int32_t>(tables.message.data(), static_cast<std::size_t>(k)),
                    tables.generatorPoly,
                    std::span<int32_t>(reg.data(), static_cast<std::size_t>(r)));
  for (int c = 0; c < k; ++c) tables.codeword[r + c] = tables.message[c];
  for (int c = 0; c < r; ++c) tables.codeword[c] = reg[c];
}

void GaloisField::BuildNegRootTable() const {
  auto& negRoot = Tables().negRootTable;
  const FieldProduct times(*this);
  std::array<int32_t, 256> found{};
  for (int k = 0; k < static_cast<int>(negRoot.size()); ++k) {
    // Where a^k is 0 (past the power table) nothing matches and the entry keeps its 0; of
    // several matches the last, the largest, stands.
    const int matches = times.Inverses(PowerAt(k), found);
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

}  // namespace rsmath
