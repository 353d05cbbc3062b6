#include "rsmath/decoded_error_rate.h"

#include <cmath>

namespace rsmath {

namespace {

long double Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  return std::exp(std::lgamma(static_cast<long double>(n) + 1) -
                  std::lgamma(static_cast<long double>(k) + 1) -
                  std::lgamma(static_cast<long double>(n - k) + 1));
}

// Words of weight `weight` at distance `distance` from a fixed word of weight w: of w's
// support, a positions agree, b hold another non-zero value, the rest are 0; d non-zero
// symbols lie outside it. So weight = a + b + d and distance = w - a + d.
long double WordsAt(int q, int n, int w, int weight, int distance) {
  long double count = 0;
  for (int a = 0; a <= w; ++a) {
    const int d = distance - (w - a);
    const int b = weight - a - d;
    if (d < 0 || d > n - w || b < 0 || b > w - a) continue;
    count += Choose(w, a) * Choose(w - a, b) * std::pow(static_cast<long double>(q - 2), b) *
             Choose(n - w, d) * std::pow(static_cast<long double>(q - 1), d);
  }
  return count;
}

}  // namespace

long double CodewordsOfWeight(int m, int n, int r, int w) {
  if (w == 0) return 1;
  const int d = r + 1;
  if (w < d || w > n) return 0;
  const long double q = std::ldexp(1.0L, m);
  long double sum = 0;
  for (int j = 0; j <= w - d; ++j)
    sum += (j % 2 ? -1 : 1) * Choose(w, j) * (std::pow(q, w - d + 1 - j) - 1);
  return Choose(n, w) * sum;
}

double MiscorrectionProbability(int m, int n, int r, int errors) {
  const int t = r / 2, q = 1 << m;
  if (errors <= t || errors > n) return 0;
  long double within = 0;
  // Only codewords within errors + t of the error pattern can lie within t of it.
  for (int w = r + 1; w <= n && w <= errors + t; ++w)
    for (int distance = 0; distance <= t; ++distance)
      within += CodewordsOfWeight(m, n, r, w) * WordsAt(q, n, w, errors, distance);
  return static_cast<double>(within / (Choose(n, errors) *
                                       std::pow(static_cast<long double>(q - 1), errors)));
}

double DecodedWordErrorRate(int n, int r, double p) {
  // Summed from the far side: 1 minus a sum near 1 loses the small rates.
  long double rate = 0;
  for (int i = r / 2 + 1; i <= n; ++i)
    rate += Choose(n, i) * std::pow(static_cast<long double>(p), i) *
            std::pow(1.0L - static_cast<long double>(p), n - i);
  return static_cast<double>(rate);
}

}  // namespace rsmath
