// The two steps of systematic Reed-Solomon encoding, written once for the shared tables of a
// generation pass and for the software codec: multiplying out the generator polynomial from
// its roots, and dividing a message by it.
#pragma once

#include <cstdint>
#include <span>

#include "rsmath/log_tables.h"

namespace rsmath {

// g(x) times (x + roots[0]) ... (x + roots[t-1]), t = roots.size(), in place. g holds a
// polynomial of the given degree, highest degree first (g[i] the coefficient of x^(degree-i)),
// and needs degree + t + 1 entries. From g = 1 (degree 0) this multiplies out the generator
// polynomial of the roots.
void MultiplyByRoots(const FieldProduct& times, std::span<const int32_t> roots,
                     std::span<int32_t> g, std::size_t degree);

// The remainder of message(x) * x^r divided by g(x) (g highest degree first, g[0] = 1, r + 1
// entries) into reg, reg[j] the coefficient of x^j, r = reg.size(); message[c] is the
// coefficient of x^c of message(x). The division register of the encoder block, one message
// symbol a step from the highest power down.
void DivideByGenerator(const FieldProduct& times, std::span<const int32_t> message,
                       std::span<const int32_t> g, std::span<int32_t> reg);

}  // namespace rsmath
