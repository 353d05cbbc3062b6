#include "rsmath/rs_decoder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "rsmath/log_tables.h"
#include "rsmath/rs_generator.h"

namespace rsmath {

namespace {

// The tables of the field, after checking that (n, r) is a code of it and that the word has n
// symbols of the field. The software codec serves test generators: a wrong call is a bug there,
// so it is reported instead of being decoded somehow.
const LogTables& CheckedCode(const GaloisField& field, const std::vector<int32_t>& symbols,
                             std::size_t expected) {
  const LogTables* tables = LogTables::Of(field.m, field.irrpol);
  if (tables == nullptr)
    throw std::invalid_argument("no field: " + std::to_string(field.irrpol) +
                                " is no primitive polynomial of degree " + std::to_string(field.m));
  if (field.n < 1 || field.n > tables->Order() || field.check < 0 || field.check > field.n)
    throw std::invalid_argument("no code of length " + std::to_string(field.n) + " with " +
                                std::to_string(field.check) + " check symbols in GF(2^" +
                                std::to_string(field.m) + ")");
  if (symbols.size() != expected)
    throw std::invalid_argument(std::to_string(symbols.size()) + " symbols where " +
                                std::to_string(expected) + " belong");
  for (int32_t s : symbols)
    if (!tables->IsElement(s))
      throw std::invalid_argument("symbol " + std::to_string(s) + " outside the field");
  return *tables;
}

// p(x) at x, p[i] the coefficient of x^i.
int Evaluate(const LogTables& gf, const std::vector<int32_t>& p, int x) {
  int acc = 0;
  for (std::size_t i = p.size(); i-- > 0;) acc = gf.Times(acc, x) ^ p[i];
  return acc;
}

// Index of the highest non-zero coefficient; -1 for the zero polynomial.
int Degree(const std::vector<int32_t>& p) {
  int d = static_cast<int>(p.size()) - 1;
  while (d >= 0 && p[static_cast<std::size_t>(d)] == 0) --d;
  return d;
}

// S_j = word(a^(genstart+j)), j = 0 .. r-1.
std::vector<int32_t> Syndromes(const LogTables& gf, const GaloisField& field,
                               const std::vector<int32_t>& word) {
  std::vector<int32_t> s(static_cast<std::size_t>(field.check));
  for (int j = 0; j < field.check; ++j)
    s[static_cast<std::size_t>(j)] = Evaluate(gf, word, gf.Power(int64_t{field.genstart} + j));
  return s;
}

// Berlekamp-Massey: the shortest Lambda(x) = 1 + Lambda_1 x + ... with
// sum_i Lambda_i S_(j-i) = 0 for j = length .. r-1. Lambda gets r + 1 coefficients.
std::vector<int32_t> ErrorLocator(const LogTables& gf, const std::vector<int32_t>& s) {
  const std::size_t r = s.size();
  std::vector<int32_t> lambda(r + 1, 0), previous(r + 1, 0), saved;
  lambda[0] = previous[0] = 1;
  std::size_t length = 0;
  std::size_t shift = 1;  // x^shift * previous is what a discrepancy is corrected with
  int previousDiscrepancy = 1;
  for (std::size_t j = 0; j < r; ++j) {
    int discrepancy = s[j];
    for (std::size_t i = 1; i <= length; ++i) discrepancy ^= gf.Times(lambda[i], s[j - i]);
    if (discrepancy == 0) {
      ++shift;
      continue;
    }
    // Lambda -= (discrepancy / previousDiscrepancy) x^shift previous
    const int factor = gf.Times(discrepancy, gf.Inverse(previousDiscrepancy));
    const bool longer = 2 * length <= j;
    if (longer) saved = lambda;
    for (std::size_t i = 0; i + shift <= r; ++i) lambda[i + shift] ^= gf.Times(factor, previous[i]);
    if (longer) {
      length = j + 1 - length;
      previous = saved;
      previousDiscrepancy = discrepancy;
      shift = 1;
    } else {
      ++shift;
    }
  }
  return lambda;
}

// Omega(x) = S(x) Lambda(x) mod x^r.
std::vector<int32_t> ErrorEvaluator(const LogTables& gf, const std::vector<int32_t>& s,
                                    const std::vector<int32_t>& lambda) {
  std::vector<int32_t> omega(s.size(), 0);
  for (std::size_t i = 0; i < s.size(); ++i)
    for (std::size_t j = 0; i + j < s.size(); ++j) omega[i + j] ^= gf.Times(s[i], lambda[j]);
  return omega;
}

// Lambda'(x): in characteristic 2 only the odd powers survive, i Lambda_i x^(i-1) = Lambda_i
// x^(i-1).
std::vector<int32_t> Derivative(const std::vector<int32_t>& lambda) {
  std::vector<int32_t> d(lambda.size(), 0);
  for (std::size_t i = 1; i < lambda.size(); i += 2) d[i - 1] = lambda[i];
  return d;
}

}  // namespace

std::vector<int32_t> EncodeWord(const GaloisField& field, const std::vector<int32_t>& message) {
  const LogTables& gf =
      CheckedCode(field, message, static_cast<std::size_t>(std::max(field.n - field.check, 0)));
  const std::size_t r = static_cast<std::size_t>(field.check);
  std::vector<int32_t> roots(r);
  for (std::size_t j = 0; j < r; ++j) roots[j] = gf.Power(int64_t{field.genstart} + int64_t(j));
  std::vector<int32_t> g(r + 1);
  g[0] = 1;
  const FieldProduct times(field);
  MultiplyByRoots(times, roots, g, 0);
  std::vector<int32_t> word(static_cast<std::size_t>(field.n));
  DivideByGenerator(times, message, g, std::span<int32_t>(word.data(), r));
  std::copy(message.begin(), message.end(), word.begin() + static_cast<std::ptrdiff_t>(r));
  return word;
}

DecodeResult DecodeWord(const GaloisField& field, std::vector<int32_t>& word) {
  const LogTables& gf = CheckedCode(field, word, static_cast<std::size_t>(std::max(field.n, 0)));
  const std::vector<int32_t> s = Syndromes(gf, field, word);
  if (Degree(s) < 0) return {};

  std::vector<int32_t> lambda = ErrorLocator(gf, s);
  const int errors = Degree(lambda);
  std::vector<int32_t> omega = ErrorEvaluator(gf, s, lambda);
  const DecodeResult failure{true, 0};
  // deg Omega < deg Lambda holds exactly when Lambda's degree is the length Berlekamp-Massey
  // found; otherwise (Lambda = 1 with non-zero syndromes, or a top coefficient cancelled) no
  // pattern of deg Lambda errors has these syndromes, whatever roots Lambda has.
  if (errors > field.check / 2 || Degree(omega) >= errors) return failure;
  lambda.resize(static_cast<std::size_t>(errors) + 1);  // the zero top coefficients cost time
  omega.resize(static_cast<std::size_t>(errors));

  // Chien search over the code's positions: an error at i is a root a^(-i) of Lambda.
  std::vector<int> positions;
  for (int i = 0; i < field.n; ++i)
    if (Evaluate(gf, lambda, gf.Power(-int64_t{i})) == 0) positions.push_back(i);
  if (static_cast<int>(positions.size()) != errors) return failure;

  // Forney: e = X^(1-genstart) Omega(X^-1) / Lambda'(X^-1) at X = a^i.
  const std::vector<int32_t> derivative = Derivative(lambda);
  for (int i : positions) {
    const int xInverse = gf.Power(-int64_t{i});
    const int scale = gf.Power(int64_t{i} * (1 - int64_t{field.genstart}));
    const int value = gf.Times(gf.Times(scale, Evaluate(gf, omega, xInverse)),
                               gf.Inverse(Evaluate(gf, derivative, xInverse)));
    word[static_cast<std::size_t>(i)] ^= value;
  }
  return {false, errors};
}

}  // namespace rsmath
