#include "rsmath/rs_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <stdexcept>

#include "tests/rsmath/rs_test_codes.h"

namespace {

using rsmath::GaloisField;

// One row per code: every field polynomial, r = 4 and the largest r, k = 1 and n = 2^m - 1,
// first roots 0, 1, one between and the largest the settings allow.
std::vector<GaloisField> DecoderCodes() {
  std::vector<GaloisField> codes;
  int row = 0;
  for (const auto& field : rstest::AllFieldPolynomials())
    for (int p : field.polynomials) {
      const int order = (1 << field.m) - 1;
      for (int r : {4, std::min(50, order - 1)})
        for (int n : {r + 1, order})
          for (int g : std::set<int>{0, 1, row++ % (order - r + 1), order - r})
            codes.push_back({field.m, n, p, r, g});
    }
  return codes;
}

// The syndromes by the independent model: all zero for a codeword.
bool IsCodeword(const rstest::LogField& model, const GaloisField& code,
                const std::vector<int32_t>& word) {
  for (int j = 0; j < code.check; ++j) {
    int acc = 0;
    for (int i = code.n - 1; i >= 0; --i)
      acc = model.Times(acc, model.Power(code.genstart + j)) ^ word[static_cast<std::size_t>(i)];
    if (acc != 0) return false;
  }
  return true;
}

TEST(RsDecoder, EncodesAsTheSharedTablesAndDecodesUpToHalfTheCheckSymbols) {
  std::mt19937 random(1234);
  int failures = 0, beyond = 0;
  for (const GaloisField& code : DecoderCodes()) {
    const rstest::LogField model(code.m, code.irrpol);
    const int q = 1 << code.m, k = code.n - code.check, t = code.check / 2;
    rsmath::ResetTables();
    std::vector<int32_t> message(static_cast<std::size_t>(k));
    for (int c = 0; c < k; ++c) message[c] = rsmath::Tables().message[c] = random() % q;
    code.BuildPowerTable();
    code.BuildGeneratorPoly();
    code.Encode();
    const std::vector<int32_t> codeword = rsmath::EncodeWord(code, message);
    ASSERT_EQ(codeword, std::vector<int32_t>(rsmath::Tables().codeword.begin(),
                                             rsmath::Tables().codeword.begin() + code.n))
        << code.m << " " << code.irrpol << " " << code.check << " " << code.genstart;
    std::vector<int> positions(static_cast<std::size_t>(code.n));
    std::iota(positions.begin(), positions.end(), 0);
    // 0 .. t errors in about six steps, t itself, then up to three more than t.
    const int step = std::max(1, t / 6);
    for (int errors = 0; errors <= std::min(code.n, t + 3);
         errors = errors < t ? std::min(t, errors + step) : errors + 1) {
      std::shuffle(positions.begin(), positions.end(), random);
      std::vector<int32_t> word = codeword;
      for (int e = 0; e < errors; ++e) word[positions[e]] ^= 1 + random() % (q - 1);
      const std::vector<int32_t> received = word;
      const rsmath::DecodeResult result = rsmath::DecodeWord(code, word);
      const auto where = [&] {
        return ::testing::Message()
               << "m " << code.m << " p " << code.irrpol << " n " << code.n << " r " << code.check
               << " g " << code.genstart << " errors " << errors;
      };
      if (errors <= t) {
        ASSERT_FALSE(result.failed) << where();
        ASSERT_EQ(result.corrected, errors) << where();
        ASSERT_EQ(word, codeword) << where();
      } else if (result.failed) {
        ++failures;
        ASSERT_EQ(result.corrected, 0) << where();
        ASSERT_EQ(word, received) << where();
      } else {
        ++beyond;
        int distance = 0;
        for (int i = 0; i < code.n; ++i) distance += word[i] != received[i];
        ASSERT_TRUE(IsCodeword(model, code, word)) << where();
        ASSERT_EQ(result.corrected, distance) << where();
        ASSERT_LE(distance, t) << where();
      }
    }
  }
  EXPECT_GT(failures, 1000);  // too many errors are mostly seen as such
  EXPECT_GT(beyond, 0);       // and sometimes land within t of another codeword
}

TEST(RsDecoder, RefusesWhatIsNoCodeOfTheField) {
  std::vector<int32_t> word(15, 0);
  const auto decode = [&](GaloisField code) { return rsmath::DecodeWord(code, word); };
  EXPECT_THROW(decode({4, 15, 17, 4, 0}), std::invalid_argument);  // x^4 + 1: no field
  EXPECT_THROW(decode({4, 15, 31, 4, 0}), std::invalid_argument);  // irreducible, not primitive
  EXPECT_THROW(decode({4, 16, 19, 4, 0}), std::invalid_argument);  // longer than 2^m - 1
  EXPECT_THROW(decode({4, 14, 19, 4, 0}), std::invalid_argument);  // 15 symbols for n = 14
  word[3] = 16;
  EXPECT_THROW(decode({4, 15, 19, 4, 0}), std::invalid_argument);  // symbol outside GF(16)
  EXPECT_THROW(rsmath::EncodeWord({4, 15, 19, 4, 0}, std::vector<int32_t>(10)),
               std::invalid_argument);
}

}  // namespace
