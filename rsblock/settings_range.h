// The valid ranges of the settings, and the rule that brings a loaded description back into
// them. A description is a text file that anyone can edit; the field arithmetic and the pages'
// lists index fixed tables with these values, so nothing may leave this file out of range.
#pragma once

#include <algorithm>

#include "rsblock/primitive_polynomials.h"
#include "rsblock/rs_settings.h"

namespace rsblock {

// The values LoadSettings gives a key that the description lacks. They differ from the
// construction values in Disc_Stream and Fast_Small: an encoder's description has neither, and
// it is read back as a half streaming decoder would be.
inline constexpr RsSettings kReadDefaults{4, 5, 4, 19, 0, 1, 0, 0, 1};

inline constexpr int kMinCheckSymbols = 4;
inline constexpr int kMaxCheckSymbols = 50;
inline constexpr int kMinCodewordLength = 5;

// The bounds that depend on other settings, shared by the parameter page's lists and tests and
// by the mending of loaded values. They take any int a field's text can hold, so they work in a
// wider type.

// 2^m - 1, the largest codeword. An m above 8 counts as 8: the field tables end there, so the
// lists must end there too.
constexpr long long FieldMax(int m) {
  return (1LL << std::clamp(m, 0, kMaxBitsPerSymbol)) - 1;
}
// The fewest symbols per codeword: more than the check symbols, and at least 5.
constexpr long long CodewordMin(int check) {
  return std::max<long long>(kMinCodewordLength, 1LL + check);
}
// The most check symbols of a codeword of n symbols.
constexpr long long CheckMax(int n) {
  return std::min<long long>(n - 1LL, kMaxCheckSymbols);
}
// The largest first root: the check roots a^genstart .. a^(genstart + check - 1) stay within
// the field.
constexpr long long RootMax(int check, int m) {
  return FieldMax(m) - check;
}

// True when every setting is within the ranges the pages keep: 4 <= m <= 8, irrpol in the row
// of m, max(5, check + 1) <= n <= 2^m - 1, 4 <= check <= min(50, n - 1),
// 0 <= genstart <= 2^m - 1 - check, and the four flags 0 or 1.
bool IsInRange(const RsSettings& settings);

// Brings every setting into its range, changing as little as it can, in the order the
// parameter page refills its lists after a change of m:
//   1. m is clamped to 4..8;
//   2. an irrpol that is not in the row of m becomes the row's first entry;
//   3. check is clamped to 4..min(50, 2^m - 2), so that some n fits above it;
//   4. n is clamped to max(5, check + 1)..2^m - 1;
//   5. check is clamped to 4..min(50, n - 1) (no change after 3 and 4, kept for the rule's sake);
//   6. genstart is clamped to 0..2^m - 1 - check;
//   7. Enc_Dec, Disc_Stream, Fast_Small and generate_vectorfile other than 0 and 1 take their
//      read defaults (1, 0, 0 and 1).
// Settings already in range are left as they are.
void BringIntoRange(RsSettings& settings);

}  // namespace rsblock
