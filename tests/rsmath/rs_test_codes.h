// Codes shared by the rsmath tests: every field polynomial offered for each m, and an
// independent model of the field (log and antilog tables grown bit by bit) to check the
// production arithmetic against something it does not share code with.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace rstest {

struct FieldPolynomials {
  int m;
  std::vector<int> polynomials;
};

// All primitive polynomials of degree 4 to 8, in the order the parameter page offers them.
inline const std::vector<FieldPolynomials>& AllFieldPolynomials() {
  static const std::vector<FieldPolynomials> table = {
      {4, {19, 25}},
      {5, {37, 41, 47, 55, 59, 61}},
      {6, {67, 91, 97, 103, 109, 115}},
      {7,
       {131, 137, 143, 145, 157, 167, 171, 185, 191, 193, 203, 211, 213, 229, 239, 241, 247, 253}},
      {8, {285, 299, 301, 333, 351, 355, 357, 361, 369, 391, 397, 425, 451, 463, 487, 501}},
  };
  return table;
}

// GF(2^m) through antilog[i] = x^i, each power obtained from the last by one shift and a
// conditional subtraction of the field polynomial.
class LogField {
 public:
  LogField(int m, int irrpol) : size_((1 << m) - 1) {
    int element = 1;
    for (int i = 0; i < size_; ++i) {
      antilog_[i] = element;
      log_[element] = i;
      element <<= 1;
      if (element & (1 << m)) element ^= irrpol;
    }
  }
  int Times(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return antilog_[(log_[a] + log_[b]) % size_];
  }
  int Power(int e) const { return antilog_[((e % size_) + size_) % size_]; }
  int Inverse(int a) const { return antilog_[(size_ - log_[a]) % size_]; }

  // g(x) = prod (x + a^(genstart+i)), i < r; coefficient of x^i at [i] (lowest first).
  std::vector<int> Generator(int genstart, int r) const {
    std::vector<int> g{1};
    for (int i = 0; i < r; ++i) {
      const int root = Power(genstart + i);
      std::vector<int> next(g.size() + 1, 0);
      for (std::size_t j = 0; j < g.size(); ++j) {
        next[j + 1] ^= g[j];           // x * g
        next[j] ^= Times(g[j], root);  // root * g
      }
      g = next;
    }
    return g;
  }

  // Systematic codeword by long division: message(x) x^r + (message(x) x^r mod g(x)), lowest
  // coefficient first; message[c] is the coefficient of x^c of message(x).
  std::vector<int> Codeword(const std::vector<int>& message, int genstart, int r) const {
    const std::vector<int> g = Generator(genstart, r);
    std::vector<int> remainder(message.size() + r, 0);
    for (std::size_t c = 0; c < message.size(); ++c) remainder[c + r] = message[c];
    for (int top = static_cast<int>(remainder.size()) - 1; top >= r; --top) {
      const int lead = remainder[top];
      if (lead == 0) continue;
      for (int j = 0; j <= r; ++j) remainder[top - r + j] ^= Times(lead, g[j]);
    }
    std::vector<int> codeword(message.size() + r, 0);
    for (int c = 0; c < r; ++c) codeword[c] = remainder[c];
    for (std::size_t c = 0; c < message.size(); ++c) codeword[c + r] = message[c];
    return codeword;
  }

 private:
  int size_;
  std::array<int, 256> antilog_{};
  std::array<int, 256> log_{};
};

}  // namespace rstest
