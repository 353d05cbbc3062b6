#include "rsmath/rs_generator.h"

#include <algorithm>

namespace rsmath {

void MultiplyOutRoots(const FieldProduct& times, std::span<const int32_t> roots,
                      std::span<int32_t> g) {
  const std::size_t r = roots.size();
  std::fill(g.begin(), g.begin() + static_cast<std::ptrdiff_t>(r + 1), 0);
  g[0] = 1;
  for (std::size_t t = 0; t < r; ++t) {
    // g(x) * (x + root): coefficient s + 1 gains g[s] * root. From the top down, so that each
    // product is taken from the coefficient before it changes.
    for (std::size_t s = t + 1; s-- > 0;) g[s + 1] ^= times(g[s], roots[t]);
  }
}

void DivideByGenerator(const FieldProduct& times, std::span<const int32_t> message,
                       std::span<const int32_t> g, std::span<int32_t> reg) {
  const std::size_t r = reg.size();
  std::fill(reg.begin(), reg.end(), 0);
  if (r == 0) return;
  for (std::size_t i = message.size(); i-- > 0;) {
    const int fb = message[i] ^ reg[r - 1];
    for (std::size_t j = r - 1; j >= 1; --j) reg[j] = reg[j - 1] ^ times(fb, g[r - j]);
    reg[0] = times(fb, g[r]);
  }
}

}  // namespace rsmath
