// The field polynomials offered for each number of bits per symbol: every primitive polynomial
// of degree m, bit i of each integer the coefficient of x^i. The parameter page lists them and
// the loaded settings are checked against them, so both must use this one table.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace rsblock {

inline constexpr int kMinBitsPerSymbol = 4;
inline constexpr int kMaxBitsPerSymbol = 8;
inline constexpr std::size_t kMaxPolynomialsPerRow = 18;

struct PolynomialRow {
  int m;
  std::size_t count;
  std::array<int, kMaxPolynomialsPerRow> polynomials;
};

// One row per m from 4 to 8, in the order the page offers them; the first entry of a row is the
// value a reset falls back to.
inline constexpr std::array<PolynomialRow, 5> primitivePolynomials{{
    {4, 2, {19, 25}},
    {5, 6, {37, 41, 47, 55, 59, 61}},
    {6, 6, {67, 91, 97, 103, 109, 115}},
    {7,
     18,
     {131, 137, 143, 145, 157, 167, 171, 185, 191, 193, 203, 211, 213, 229, 239, 241, 247, 253}},
    {8, 16, {285, 299, 301, 333, 351, 355, 357, 361, 369, 391, 397, 425, 451, 463, 487, 501}},
}};

// The polynomials of m in table order; empty for an m outside 4..8.
constexpr std::span<const int> PolynomialsFor(int m) {
  if (m < kMinBitsPerSymbol || m > kMaxBitsPerSymbol) return {};
  const PolynomialRow& row = primitivePolynomials[static_cast<std::size_t>(m - kMinBitsPerSymbol)];
  return std::span<const int>(row.polynomials.data(), row.count);
}

constexpr bool IsPolynomialOf(int m, int polynomial) {
  for (int p : PolynomialsFor(m))
    if (p == polynomial) return true;
  return false;
}

// The row's first entry; 0 for an m outside 4..8.
constexpr int DefaultPolynomialFor(int m) {
  const std::span<const int> row = PolynomialsFor(m);
  return row.empty() ? 0 : row.front();
}

}  // namespace rsblock
