#include "rsmath/decoded_error_rate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "rsmath/rs_decoder.h"
#include "tests/rsmath/rs_test_codes.h"

namespace {

using rsmath::DecodedErrorRate;

struct SmallCode {
  int m;
  int irrpol;
  int n;
  int r;
};

// Small enough to enumerate every codeword and every received word; shortened and full length,
// t = 1 and 2, and an odd r.
const std::vector<SmallCode>& SmallCodes() {
  static const std::vector<SmallCode> codes = {
      {3, 11, 7, 4}, {3, 11, 6, 3}, {3, 11, 6, 4}, {4, 19, 4, 2}, {4, 25, 4, 3},
  };
  return codes;
}

// Every q^len vector over GF(q) in turn, first coordinate fastest.
bool NextVector(std::vector<int>& v, int q) {
  for (int& x : v) {
    if (++x < q) return true;
    x = 0;
  }
  return false;
}

int Weight(const std::vector<int32_t>& v) {
  int w = 0;
  for (int32_t x : v) w += x != 0;
  return w;
}

double Log10Factorial(int x) {
  return std::lgamma(x + 1.0) / std::log(10.0);
}

TEST(DecodedErrorRateTest, CodewordErrorRateWorkedByHand) {
  // n = 7, t = 1, p = 0.1: 1 - 0.9^7 - 7 (0.1) 0.9^6 = 1 - 0.4782969 - 0.3720087.
  EXPECT_NEAR(DecodedErrorRate(3, 7, 2).CodewordErrorRate(0.1), 0.1496944, 1e-12);
  // t = 0: every error is a word error, 1 - (1 - p)^n; n = 3, p = 0.5 gives 7/8.
  EXPECT_NEAR(DecodedErrorRate(2, 3, 1).CodewordErrorRate(0.5), 0.875, 1e-15);
  EXPECT_EQ(DecodedErrorRate(8, 255, 16).CodewordErrorRate(0.0), 0.0);
  EXPECT_EQ(DecodedErrorRate(8, 255, 16).CodewordErrorRate(1.0), 1.0);
}

TEST(DecodedErrorRateTest, TinyChannelRatesKeepTheirLeadingTerm) {
  // At p = 1e-12 the tail is C(n, t+1) p^(t+1) to one part in 1e10; 1 - sum would give 0.
  const DecodedErrorRate dvb(8, 204, 16);
  uint64_t choose = 1;  // C(204, 9), exactly
  for (int i = 0; i < 9; ++i) choose = choose * static_cast<uint64_t>(204 - i) / (i + 1);
  const double expected = static_cast<double>(choose) * std::pow(1e-12, 9);
  EXPECT_NEAR(dvb.CodewordErrorRate(1e-12) / expected, 1.0, 1e-9);

  // t = 25 at p = 1e-12 lies below a double's range; its log10 does not.
  const DecodedErrorRate wide(8, 255, 50);
  const double log_choose = Log10Factorial(255) - Log10Factorial(26) - Log10Factorial(229);
  EXPECT_NEAR(wide.Log10CodewordErrorRate(1e-12), log_choose - 12.0 * 26, 1e-8);
  EXPECT_NEAR(wide.Log10SymbolErrorRate(1e-12), log_choose - 12.0 * 26 + std::log10(26.0 / 255),
              1e-6);
}

TEST(DecodedErrorRateTest, WeightCountsEqualTheEnumeratedCodewords) {
  for (const SmallCode& code : SmallCodes()) {
    SCOPED_TRACE(testing::Message() << "m " << code.m << " n " << code.n << " r " << code.r);
    const int q = 1 << code.m;
    const rstest::LogField field(code.m, code.irrpol);
    std::vector<double> counted(static_cast<std::size_t>(code.n + 1), 0.0);
    std::vector<int> message(static_cast<std::size_t>(code.n - code.r), 0);
    do {
      std::vector<int32_t> word;
      for (int x : field.Codeword(message, 1, code.r)) word.push_back(x);
      counted[static_cast<std::size_t>(Weight(word))] += 1;
    } while (NextVector(message, q));
    const DecodedErrorRate model(code.m, code.n, code.r);
    for (int w = 0; w <= code.n; ++w) {
      const double expected = counted[static_cast<std::size_t>(w)];
      if (expected == 0)
        EXPECT_EQ(model.Log10WeightCount(w), -INFINITY) << "weight " << w;
      else
        EXPECT_NEAR(std::pow(10.0, model.Log10WeightCount(w)) / expected, 1.0, 1e-12)
            << "weight " << w;
    }
  }
}

// What happens to every received word of a small code, tallied by its number of errors: the
// codeword sent is 0 (the code is linear and the decoder sees only the error pattern).
struct Tally {
  std::vector<double> patterns;       // [e]
  std::vector<double> miscorrected;   // [e] patterns decoded to a non-zero codeword
  std::vector<double> wrong_symbols;  // [e] wrong symbols delivered, summed over the patterns
};

Tally DecodeEveryWord(const SmallCode& code) {
  const rsmath::GaloisField field{code.m, code.n, code.irrpol, code.r, 1};
  const std::size_t size = static_cast<std::size_t>(code.n + 1);
  Tally tally{std::vector<double>(size), std::vector<double>(size), std::vector<double>(size)};
  std::vector<int> received(static_cast<std::size_t>(code.n), 0);
  do {
    std::vector<int32_t> word(received.begin(), received.end());
    const std::size_t e = static_cast<std::size_t>(Weight(word));
    const rsmath::DecodeResult result = rsmath::DecodeWord(field, word);
    tally.patterns[e] += 1;
    if (!result.failed && Weight(word) != 0) tally.miscorrected[e] += 1;
    tally.wrong_symbols[e] += Weight(word);
  } while (NextVector(received, 1 << code.m));
  return tally;
}

TEST(DecodedErrorRateTest, RatesEqualEveryWordDecoded) {
  for (const SmallCode& code : SmallCodes()) {
    SCOPED_TRACE(testing::Message() << "m " << code.m << " n " << code.n << " r " << code.r);
    const Tally tally = DecodeEveryWord(code);
    const DecodedErrorRate model(code.m, code.n, code.r);
    const int t = code.r / 2;
    for (int e = 0; e <= code.n; ++e) {
      const std::size_t i = static_cast<std::size_t>(e);
      const double expected = tally.miscorrected[i] / tally.patterns[i];
      EXPECT_NEAR(model.MiscorrectionProbability(e), expected, 1e-12) << e << " errors";
      if (e <= t) {
        EXPECT_EQ(tally.wrong_symbols[i], 0) << "a correctable word left wrong";
      }
      if (tally.miscorrected[i] > 0) {
        EXPECT_NEAR(std::pow(10.0, model.Log10MiscorrectedPatterns(e)) / tally.miscorrected[i], 1.0,
                    1e-12);
      }
    }
    // The channel: each pattern of weight e has probability (p/(q-1))^e (1-p)^(n-e).
    for (double p : {1e-3, 0.05, 0.3}) {
      double word_errors = 0, symbol_errors = 0, miscorrections = 0;
      for (int e = 0; e <= code.n; ++e) {
        const std::size_t i = static_cast<std::size_t>(e);
        const double each = std::pow(p / ((1 << code.m) - 1), e) * std::pow(1 - p, code.n - e);
        if (e > t) word_errors += each * tally.patterns[i];
        symbol_errors += each * tally.wrong_symbols[i] / code.n;
        miscorrections += each * tally.miscorrected[i];
      }
      EXPECT_NEAR(model.CodewordErrorRate(p) / word_errors, 1.0, 1e-12) << "p " << p;
      EXPECT_NEAR(model.SymbolErrorRate(p) / symbol_errors, 1.0, 1e-12) << "p " << p;
      EXPECT_NEAR(model.MiscorrectionRate(p) / miscorrections, 1.0, 1e-12) << "p " << p;
    }
  }
}

TEST(DecodedErrorRateTest, MiscorrectionTendsToTheShareOfTheSpheres) {
  // Far beyond t a received word is nearly uniform, so the share of words within t of a
  // non-zero codeword tends to q^-r sum_{i<=t} C(n,i) (q-1)^i, about 1/t! for the DVB code.
  const DecodedErrorRate dvb(8, 204, 16);
  double sphere = 0;
  for (int i = 0; i <= 8; ++i)
    sphere += std::pow(10.0, Log10Factorial(204) - Log10Factorial(i) - Log10Factorial(204 - i) +
                                 i * std::log10(255.0) - 16 * std::log10(256.0));
  EXPECT_NEAR(dvb.MiscorrectionProbability(120) / sphere, 1.0, 0.01);
  EXPECT_EQ(dvb.MiscorrectionProbability(8), 0.0);
  EXPECT_GT(dvb.MiscorrectionProbability(9), 0.0);
  EXPECT_LT(dvb.MiscorrectionProbability(9), dvb.MiscorrectionProbability(20));
}

TEST(DecodedErrorRateTest, ChannelRateReachesTheTarget) {
  for (int r : {2, 8, 16, 32}) {
    const DecodedErrorRate model(8, 255, r);
    for (double target : {1e-6, 1e-9}) {
      const auto word = model.ChannelRateFor(DecodedErrorRate::Output::kCodeword, target);
      const auto symbol = model.ChannelRateFor(DecodedErrorRate::Output::kSymbol, target);
      ASSERT_TRUE(word && symbol);
      EXPECT_NEAR(model.CodewordErrorRate(*word) / target, 1.0, 1e-9);
      EXPECT_NEAR(model.SymbolErrorRate(*symbol) / target, 1.0, 1e-9);
      EXPECT_GT(*symbol, *word);  // fewer than all symbols of a failed word are wrong
    }
  }
  const DecodedErrorRate strong(8, 255, 32);
  EXPECT_LT(*strong.ChannelRateFor(DecodedErrorRate::Output::kCodeword, 1e-9),
            *strong.ChannelRateFor(DecodedErrorRate::Output::kCodeword, 1e-6));
  // Past reach either way: a weak code at p = 0.5, and a target below p = 1e-30's output.
  EXPECT_FALSE(
      DecodedErrorRate(3, 7, 0).ChannelRateFor(DecodedErrorRate::Output::kCodeword, 0.999));
  EXPECT_FALSE(DecodedErrorRate(3, 7, 0).ChannelRateFor(DecodedErrorRate::Output::kSymbol, 1e-40));
}

TEST(DecodedErrorRateTest, RefusesWhatIsNoCode) {
  EXPECT_THROW(DecodedErrorRate(0, 1, 0), std::invalid_argument);
  EXPECT_THROW(DecodedErrorRate(9, 7, 2), std::invalid_argument);
  EXPECT_THROW(DecodedErrorRate(3, 8, 2), std::invalid_argument);
  EXPECT_THROW(DecodedErrorRate(3, 7, 8), std::invalid_argument);
  EXPECT_THROW(DecodedErrorRate(3, 7, -1), std::invalid_argument);
  const DecodedErrorRate code(3, 7, 2);
  EXPECT_THROW(code.CodewordErrorRate(-0.1), std::invalid_argument);
  EXPECT_THROW(code.SymbolErrorRate(NAN), std::invalid_argument);
  EXPECT_THROW(code.MiscorrectionProbability(8), std::invalid_argument);
  EXPECT_THROW(code.ChannelRateFor(DecodedErrorRate::Output::kSymbol, 0.0), std::invalid_argument);
}

}  // namespace
