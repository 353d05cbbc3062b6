// GF(2^m) arithmetic and the construction of the Reed-Solomon code.
//
// Names used throughout rsmath:
//   m         bits per symbol; the field has 2^m elements
//   n         symbols per codeword
//   irrpol    field polynomial, bit i the coefficient of x^i, x^m term included
//   r         check symbols per codeword (`check`)
//   k         message symbols, n - r
//   genstart  exponent of the first root: g(x) = (x + a^genstart)...(x + a^(genstart+r-1))
//   a         the primitive element, x itself (2)
//
// The tables are fixed in size (field elements fit 8 bits, r <= 50). The settings rules keep
// every value in range, but these routines never leave their tables whatever they are given:
// reads outside a table give 0, loops stop at the table ends.
#pragma once

#include <array>
#include <cstdint>

namespace rsmath {

// 2^e, and 1 for e < 1. Exponents above 30 give 2^30 (an int cannot hold more).
int Pow2(int e);

// The number of field elements the tables can hold for m: 2^m, at most 256.
int ElementCount(int m);

// The shared working tables of one generation pass. Each build overwrites only what it names.
struct RsTables {
  std::array<int32_t, 256> powerTable{};    // [i] = a^i, i = 0 .. 2^m - 2
  std::array<int32_t, 51> generatorPoly{};  // [i] = coefficient of x^(r-i); [0] = 1
  std::array<int32_t, 256> message{};       // [c] = coefficient of x^(r+c), c < k
  std::array<int32_t, 256> codeword{};      // [i] = coefficient of x^i; [0 .. r-1] check symbols
  std::array<int32_t, 50> rootTable{};      // [j] = a^(genstart+j) while in the field, else 0
  std::array<int32_t, 26> negRootTable{};   // [k] = a^(-k) for k <= 2^m - 2, else 0
};

// The process-wide tables, zero at start.
RsTables& Tables();
// Back to all zeros, as at process start.
void ResetTables();

struct GaloisField {
  int32_t m = 0;
  int32_t n = 0;
  int32_t irrpol = 0;
  int32_t check = 0;
  int32_t genstart = 0;

  // a * b: shift-and-add of b by the low m bits of a, then reduction by irrpol from bit 2m-2
  // down to bit m. The builds below take their products from the log tables instead
  // (FieldProduct, equal to this for every a and b) where the field has them.
  int Multiply(int a, int b) const;
  // powerTable[i] = a^i for i = 0 .. 2^m - 2.
  void BuildPowerTable() const;
  // generatorPoly = g(x), highest degree first; needs powerTable.
  void BuildGeneratorPoly() const;
  // codeword = message(x) * x^r + (message(x) * x^r mod g(x)); needs generatorPoly.
  void Encode() const;
  // negRootTable[k] = the b with a^k * b = 1; needs powerTable; the caller zeroes the table.
  void BuildNegRootTable() const;
};

// rootTable[j] = powerTable[genstart + j] while genstart + j <= 2^m - 2, otherwise 0.
void BuildRootTable(int genstart, int m);

}  // namespace rsmath
