#include "rswizard/rs_settings_range.h"

#include <algorithm>

#include "rswizard/primitive_polynomials.h"

namespace rswizard {

namespace {

bool IsFlag(int value) {
  return value == 0 || value == 1;
}

void MendFlag(std::int32_t& value, std::int32_t readDefault) {
  if (!IsFlag(value)) value = readDefault;
}

}  // namespace

int MaxCodewordLength(int m) {
  return (1 << std::clamp(m, kMinBitsPerSymbol, kMaxBitsPerSymbol)) - 1;
}

bool IsInRange(const RsSettings& s) {
  if (s.m < kMinBitsPerSymbol || s.m > kMaxBitsPerSymbol) return false;
  if (!IsPolynomialOf(s.m, s.irrpol)) return false;
  const int nMax = MaxCodewordLength(s.m);
  if (s.check < kMinCheckSymbols || s.check > std::min(kMaxCheckSymbols, s.n - 1)) return false;
  if (s.n < std::max(kMinCodewordLength, s.check + 1) || s.n > nMax) return false;
  if (s.genstart < 0 || s.genstart > nMax - s.check) return false;
  return IsFlag(s.Enc_Dec) && IsFlag(s.Disc_Stream) && IsFlag(s.Fast_Small) &&
         IsFlag(s.generate_vectorfile);
}

void BringIntoRange(RsSettings& s) {
  s.m = std::clamp(s.m, kMinBitsPerSymbol, kMaxBitsPerSymbol);
  if (!IsPolynomialOf(s.m, s.irrpol)) s.irrpol = DefaultPolynomialFor(s.m);
  const int nMax = MaxCodewordLength(s.m);
  // Every bound below stays within 4..254, so no arithmetic here can overflow whatever was read.
  s.check = std::clamp(s.check, kMinCheckSymbols, std::min(kMaxCheckSymbols, nMax - 1));
  s.n = std::clamp(s.n, std::max(kMinCodewordLength, s.check + 1), nMax);
  s.check = std::clamp(s.check, kMinCheckSymbols, std::min(kMaxCheckSymbols, s.n - 1));
  s.genstart = std::clamp(s.genstart, 0, nMax - s.check);
  MendFlag(s.Enc_Dec, kReadDefaults.Enc_Dec);
  MendFlag(s.Disc_Stream, kReadDefaults.Disc_Stream);
  MendFlag(s.Fast_Small, kReadDefaults.Fast_Small);
  MendFlag(s.generate_vectorfile, kReadDefaults.generate_vectorfile);
}

}  // namespace rswizard
