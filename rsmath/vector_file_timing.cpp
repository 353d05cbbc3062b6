#include "rsmath/vector_file_timing.h"

#include <algorithm>

namespace rsmath {

long StreamingVectorSpacing(bool full, long n, long r) {
  const long v = full ? std::max(n + r, (17 * r * r + 9) / 10) : std::max(n + r, 3 * r * r);
  return v + 4 + (3 * n) / 2;
}

long DiscreteVectorWordClocks(bool full, long n, long r) {
  return full ? 3 * n + 8 * r + 4 : 3 * n + 11 * r + 4;
}

long DiscreteVectorTenths(bool full, long n, long r) {
  return 12 * (DiscreteVectorWordClocks(full, n, r) + 2 * n);
}

}  // namespace rsmath
