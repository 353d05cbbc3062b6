#include "rsblock/settings_range.h"

#include <algorithm>

#include "rsblock/primitive_polynomials.h"

namespace rsblock {

namespace {

bool IsFlag(int value) {
  return value == 0 || value == 1;
}

void MendFlag(std::int32_t& value, std::int32_t readDefault) {
  if (!IsFlag(value)) value = readDefault;
}

// Once m is within 4..8 every bound below lies within 0..255, so the narrowing is exact.
std::int32_t Clamped(std::int32_t value, long long lo, long long hi) {
  return static_cast<std::int32_t>(std::clamp<long long>(value, lo, hi));
}

}  // namespace

bool IsInRange(const RsSettings& s) {
  if (s.m < kMinBitsPerSymbol || s.m > kMaxBitsPerSymbol) return false;
  if (!IsPolynomialOf(s.m, s.irrpol)) return false;
  if (s.check < kMinCheckSymbols || s.check > CheckMax(s.n)) return false;
  if (s.n < CodewordMin(s.check) || s.n > FieldMax(s.m)) return false;
  if (s.genstart < 0 || s.genstart > RootMax(s.check, s.m)) return false;
  return IsFlag(s.Enc_Dec) && IsFlag(s.Disc_Stream) && IsFlag(s.Fast_Small) &&
         IsFlag(s.generate_vectorfile);
}

void BringIntoRange(RsSettings& s) {
  s.m = std::clamp(s.m, kMinBitsPerSymbol, kMaxBitsPerSymbol);
  if (!IsPolynomialOf(s.m, s.irrpol)) s.irrpol = DefaultPolynomialFor(s.m);
  const long long nMax = FieldMax(s.m);
  s.check = Clamped(s.check, kMinCheckSymbols, CheckMax(static_cast<int>(nMax)));
  s.n = Clamped(s.n, CodewordMin(s.check), nMax);
  s.check = Clamped(s.check, kMinCheckSymbols, CheckMax(s.n));
  s.genstart = Clamped(s.genstart, 0, RootMax(s.check, s.m));
  MendFlag(s.Enc_Dec, kReadDefaults.Enc_Dec);
  MendFlag(s.Disc_Stream, kReadDefaults.Disc_Stream);
  MendFlag(s.Fast_Small, kReadDefaults.Fast_Small);
  MendFlag(s.generate_vectorfile, kReadDefaults.generate_vectorfile);
}

}  // namespace rsblock
