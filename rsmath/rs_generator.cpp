#include "rsmath/rs_generator.h"

#include <algorithm>
#include <vector>

namespace rsmath {

void MultiplyByRoots(const FieldProduct& times, std::span<const int32_t> roots,
                     std::span<int32_t> g, std::size_t degree) {
  for (int32_t root : roots) {
    // g(x) * (x + root): coefficient s + 1 gains g[s] * root. From the top down, so that each
    // product is taken from the coefficient before it changes.
    g[degree + 1] = 0;
    for (std::size_t s = degree + 1; s-- > 0;) g[s + 1] ^= times(g[s], root);
    ++degree;
  }
}

void DivideByGenerator(const FieldProduct& times, std::span<const int32_t> message,
                       std::span<const int32_t> g, std::span<int32_t> reg) {
  const std::size_t r = reg.size();
  std::fill(reg.begin(), reg.end(), 0);
  if (r == 0) return;
  // Each step adds fb * g[r-j] to cell j: with g in log form a product is one addition and one
  // lookup. That needs tables and a g inside the field; otherwise times takes every product.
  const LogTables* logs = times.Logs();
  const bool logForm =
      logs != nullptr &&
      std::all_of(g.begin() + 1, g.begin() + r + 1, [&](int32_t c) { return logs->IsElement(c); });
  std::vector<int32_t> logG(r);
  if (logForm)
    for (std::size_t j = 0; j < r; ++j) logG[j] = logs->LogOrZero(g[r - j]);
  for (std::size_t i = message.size(); i-- > 0;) {
    const int fb = message[i] ^ reg[r - 1];
    // reg(x) = x reg(x) + fb g(x), the x^r terms left out (they cancel).
    std::copy_backward(reg.begin(), reg.end() - 1, reg.end());
    reg[0] = 0;
    if (!logForm) {
      for (std::size_t j = 0; j < r; ++j) reg[j] ^= times(fb, g[r - j]);
    } else if (const int x = fb & logs->Order(); x != 0) {
      const int logFb = logs->Log(x);  // Multiply reads the low m bits of fb only
      for (std::size_t j = 0; j < r; ++j) reg[j] ^= logs->Antilog(logFb + logG[j]);
    }
  }
}

}  // namespace rsmath
