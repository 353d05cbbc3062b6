// What error rate a Reed-Solomon code leaves after bounded-distance decoding, at a given channel
// symbol error rate.
//
// The channel: every symbol of a word is wrong with probability p, independently of the others,
// and a wrong symbol takes each of the q - 1 other values alike (q = 2^m). The decoder corrects
// up to t = floor(r/2) errors; beyond t it either fails and delivers the received word unchanged
// (as rsmath::DecodeWord and the decoder block do) or miscorrects to the codeword within t of
// the received word. Under that channel the rates below are exact, not bounds: the
// miscorrections come from the code's weight distribution, which for a maximum-distance-
// separable code (every Reed-Solomon code, shortened or not, d = r + 1) depends only on
// (q, n, d):
//   A_w = C(n,w) sum_{j=0}^{w-d} (-1)^j C(w,j) (q^(w-d+1-j) - 1),  w >= d.
//
// The numbers span far more than a double's range (A_w for n = 255 is near 2^1900), so the
// model works with natural logarithms throughout; the Log10 functions return what the plain
// ones would underflow to 0 for.
#pragma once

#include <optional>
#include <vector>

namespace rsmath {

class DecodedErrorRate {
 public:
  // A code over GF(2^m) with n symbols per word and r check symbols. Throws
  // std::invalid_argument unless 1 <= m <= 8, 1 <= n <= 2^m - 1 and 0 <= r <= n. The
  // miscorrection tables take about n t^3 / 2 steps: a few milliseconds for r <= 50.
  DecodedErrorRate(int m, int n, int r);

  int Length() const { return n_; }
  int Corrects() const { return t_; }

  // The probability that a word leaves the decoder other than it was sent: more than t errors,
  // 1 - sum_{i<=t} C(n,i) p^i (1-p)^(n-i), summed from the tail so that nothing cancels.
  // p outside [0, 1] throws std::invalid_argument (as do the other rate functions).
  double CodewordErrorRate(double p) const;
  double Log10CodewordErrorRate(double p) const;

  // The expected fraction of the delivered symbols that are wrong: a failed word keeps its e
  // errors, a miscorrected one leaves as a codeword at distance w from the one sent (weighted by
  // how many patterns of weight e lie within t of codewords of weight w). The fraction is the
  // same over the message symbols alone: MDS codewords of one weight cover every position
  // alike, and so do the channel's errors.
  double SymbolErrorRate(double p) const;
  double Log10SymbolErrorRate(double p) const;

  // The probability that a word leaves as a wrong codeword with decfail low.
  double MiscorrectionRate(double p) const;

  // Given e errors (placed and valued uniformly), the probability that the decoder miscorrects
  // rather than fails: 0 for e <= t. e outside 0 .. n throws std::invalid_argument.
  double MiscorrectionProbability(int e) const;

  // log10 of the number of error patterns of weight e that lie within t of a non-zero codeword
  // (each of them within t of exactly one): the patterns MiscorrectionProbability counts, out of
  // C(n,e) (q-1)^e. -infinity when there are none.
  double Log10MiscorrectedPatterns(int e) const;

  // log10 A_w, the number of codewords of weight w; -infinity when there are none.
  double Log10WeightCount(int w) const;

  enum class Output { kCodeword, kSymbol };
  // The channel symbol error rate at which the chosen output rate reaches target, by bisection
  // on log p between 1e-30 and 0.5 (both rates rise with p there); nothing when the output rate
  // stays below the target up to 0.5 or is above it already at 1e-30. A target outside (0, 1)
  // throws std::invalid_argument.
  std::optional<double> ChannelRateFor(Output which, double target) const;

 private:
  // ln C(a, b) for 0 <= b <= a <= n; -infinity otherwise.
  double LogChoose(int a, int b) const;
  // ln of the probability of exactly e errors at channel rate p.
  double LogErrorsExactly(int e, double p) const;
  double LogSymbolErrorRate(double p) const;
  double LogCodewordErrorRate(double p) const;

  int n_;
  int t_;
  double log_q_minus_1_;
  std::vector<double> log_factorials_;     // [x] = ln x!, x <= n
  std::vector<double> log_weight_count_;   // [w] = ln A_w
  std::vector<double> log_miscorrected_;   // [e] = ln of the weight-e patterns within t
  std::vector<double> miscorrect_weight_;  // [e] = mean weight of the codeword they decode to
};

}  // namespace rsmath
