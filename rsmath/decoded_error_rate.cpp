#include "rsmath/decoded_error_rate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace rsmath {

namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

// ln(e^a + e^b) without leaving the range of a double.
double LogAdd(double a, double b) {
  if (a == kMinusInfinity) return b;
  if (b == kMinusInfinity) return a;
  const double high = std::max(a, b);
  return high + std::log1p(std::exp(-std::fabs(a - b)));
}

// ln A_w of the MDS code (q, n, d). Written as C(n,w) q^(w-d+1) S with
//   S = sum_{j=0}^{w-d} (-1)^j C(w,j) q^-j  -  q^-(w-d+1) sum_{j=0}^{w-d} (-1)^j C(w,j),
// the second sum being (-1)^(w-d) C(w-1, w-d). The terms of the first fall by at least
// (w-j)/((j+1)q) < 1 since w < q, so the alternating sum loses no more than a few bits.
template <typename Binomial>
double LogWeightCount(const Binomial& binomial, int q, int n, int d, int w) {
  if (w == 0) return 0.0;  // the zero word
  if (w < d) return kMinusInfinity;
  const int top = w - d;
  long double first = 0.0L;
  long double term = 1.0L;  // C(w,j) q^-j
  for (int j = 0; j <= top; ++j) {
    first += (j % 2 == 0) ? term : -term;
    term *= static_cast<long double>(w - j) / (static_cast<long double>(j + 1) * q);
  }
  const long double second =
      ((top % 2 == 0) ? 1.0L : -1.0L) * std::exp(static_cast<long double>(binomial(w - 1, top))) *
      std::pow(static_cast<long double>(q), -static_cast<long double>(top + 1));
  const long double scaled = first - second;
  if (scaled <= 0.0L) return kMinusInfinity;
  return binomial(n, w) + static_cast<double>(top + 1) * std::log(static_cast<double>(q)) +
         static_cast<double>(std::log(scaled));
}

void CheckRate(double p) {
  if (!(p >= 0.0 && p <= 1.0))
    throw std::invalid_argument("a symbol error rate lies between 0 and 1");
}

}  // namespace

double DecodedErrorRate::LogChoose(int a, int b) const {
  if (b < 0 || b > a || a < 0 || a > n_) return kMinusInfinity;
  const auto at = [&](int x) { return log_factorials_[static_cast<std::size_t>(x)]; };
  return at(a) - at(b) - at(a - b);
}

DecodedErrorRate::DecodedErrorRate(int m, int n, int r) : n_(n), t_(r / 2) {
  if (m < 1 || m > 8) throw std::invalid_argument("bits per symbol outside 1 .. 8");
  const int q = 1 << m;
  if (n < 1 || n > q - 1) throw std::invalid_argument("code length outside 1 .. 2^m - 1");
  if (r < 0 || r > n) throw std::invalid_argument("check symbols outside 0 .. n");
  const int d = r + 1;
  log_factorials_.assign(static_cast<std::size_t>(n + 1), 0.0);
  for (int x = 2; x <= n; ++x)
    log_factorials_[static_cast<std::size_t>(x)] =
        log_factorials_[static_cast<std::size_t>(x - 1)] + std::log(x);
  const auto binomial = [this](int a, int b) { return LogChoose(a, b); };
  log_q_minus_1_ = std::log(static_cast<double>(q - 1));
  const double log_q_minus_2 = q > 2 ? std::log(static_cast<double>(q - 2)) : kMinusInfinity;

  log_weight_count_.resize(static_cast<std::size_t>(n + 1));
  for (int w = 0; w <= n; ++w)
    log_weight_count_[static_cast<std::size_t>(w)] = LogWeightCount(binomial, q, n, d, w);

  // A pattern v of weight e at distance s from a codeword c of weight w: of c's w positions v
  // is 0 at i, another non-zero value at j, and non-zero at l = e - w + i positions outside;
  // s = i + j + l. The decoding spheres of radius t are disjoint, so summing over c counts each
  // miscorrected pattern once.
  log_miscorrected_.assign(static_cast<std::size_t>(n + 1), kMinusInfinity);
  miscorrect_weight_.assign(static_cast<std::size_t>(n + 1), 0.0);
  for (int e = t_ + 1; e <= n; ++e) {
    double total = kMinusInfinity;
    double weighted = kMinusInfinity;  // ln sum w * count
    for (int w = std::max(d, e - t_); w <= std::min(n, e + t_); ++w) {
      double within = kMinusInfinity;  // ln sum_{s<=t} N(w, e, s)
      for (int i = std::max(0, w - e); i <= w; ++i) {
        const int l = e - w + i;
        if (l > n - w || i + l > t_) break;
        for (int j = 0; j <= w - i && i + j + l <= t_; ++j) {
          if (j > 0 && q == 2) break;  // no other non-zero value in GF(2)
          within = LogAdd(within, binomial(w, i) + binomial(w - i, j) + j * log_q_minus_2 +
                                      binomial(n - w, l) + l * log_q_minus_1_);
        }
      }
      const double count = log_weight_count_[static_cast<std::size_t>(w)] + within;
      total = LogAdd(total, count);
      weighted = LogAdd(weighted, count + std::log(static_cast<double>(w)));
    }
    log_miscorrected_[static_cast<std::size_t>(e)] = total;
    if (total != kMinusInfinity)
      miscorrect_weight_[static_cast<std::size_t>(e)] = std::exp(weighted - total);
  }
}

double DecodedErrorRate::LogErrorsExactly(int e, double p) const {
  if (p == 0.0) return e == 0 ? 0.0 : kMinusInfinity;
  if (p == 1.0) return e == n_ ? 0.0 : kMinusInfinity;
  return LogChoose(n_, e) + e * std::log(p) + (n_ - e) * std::log1p(-p);
}

double DecodedErrorRate::LogCodewordErrorRate(double p) const {
  CheckRate(p);
  double sum = kMinusInfinity;
  for (int e = t_ + 1; e <= n_; ++e) sum = LogAdd(sum, LogErrorsExactly(e, p));
  return sum;
}

double DecodedErrorRate::CodewordErrorRate(double p) const {
  return std::exp(LogCodewordErrorRate(p));
}

double DecodedErrorRate::Log10CodewordErrorRate(double p) const {
  return LogCodewordErrorRate(p) / std::log(10.0);
}

double DecodedErrorRate::MiscorrectionProbability(int e) const {
  if (e < 0 || e > n_) throw std::invalid_argument("an error count outside 0 .. n");
  return std::exp(log_miscorrected_[static_cast<std::size_t>(e)] - LogChoose(n_, e) -
                  e * log_q_minus_1_);
}

double DecodedErrorRate::LogSymbolErrorRate(double p) const {
  CheckRate(p);
  double sum = kMinusInfinity;
  for (int e = t_ + 1; e <= n_; ++e) {
    const double wrong = MiscorrectionProbability(e);
    const double symbols = e + wrong * (miscorrect_weight_[static_cast<std::size_t>(e)] - e);
    sum = LogAdd(sum, LogErrorsExactly(e, p) + std::log(symbols));
  }
  return sum - std::log(static_cast<double>(n_));
}

double DecodedErrorRate::SymbolErrorRate(double p) const {
  return std::exp(LogSymbolErrorRate(p));
}

double DecodedErrorRate::Log10SymbolErrorRate(double p) const {
  return LogSymbolErrorRate(p) / std::log(10.0);
}

double DecodedErrorRate::MiscorrectionRate(double p) const {
  CheckRate(p);
  double sum = kMinusInfinity;
  for (int e = t_ + 1; e <= n_; ++e)
    sum = LogAdd(sum, LogErrorsExactly(e, p) + std::log(MiscorrectionProbability(e)));
  return std::exp(sum);
}

double DecodedErrorRate::Log10MiscorrectedPatterns(int e) const {
  if (e < 0 || e > n_) throw std::invalid_argument("an error count outside 0 .. n");
  return log_miscorrected_[static_cast<std::size_t>(e)] / std::log(10.0);
}

double DecodedErrorRate::Log10WeightCount(int w) const {
  if (w < 0 || w > n_) throw std::invalid_argument("a weight outside 0 .. n");
  return log_weight_count_[static_cast<std::size_t>(w)] / std::log(10.0);
}

std::optional<double> DecodedErrorRate::ChannelRateFor(Output which, double target) const {
  if (!(target > 0.0 && target < 1.0))
    throw std::invalid_argument("a target error rate lies strictly between 0 and 1");
  const auto log_rate = [&](double log_p) {
    const double p = std::exp(log_p);
    return which == Output::kCodeword ? LogCodewordErrorRate(p) : LogSymbolErrorRate(p);
  };
  const double goal = std::log(target);
  double low = std::log(1e-30);
  double high = std::log(0.5);
  if (log_rate(low) > goal || log_rate(high) < goal) return std::nullopt;
  // 100 halvings of a 68-wide interval leave far less than a double's spacing.
  for (int step = 0; step < 100 && high - low > 1e-15 * std::fabs(low); ++step) {
    const double middle = 0.5 * (low + high);
    (log_rate(middle) < goal ? low : high) = middle;
  }
  return std::exp(0.5 * (low + high));
}

}  // namespace rsmath
