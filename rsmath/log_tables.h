// GF(2^m) through log and antilog tables: alphaTo[i] = a^i and indexOf[x] = log_a(x), so that
// a product, an inverse or a power is a table lookup. They exist only for a primitive field
// polynomial (the powers of a then run through every non-zero element), which is what every
// polynomial the wizard offers is; they are built once per polynomial and shared.
#pragma once

#include <array>
#include <cstdint>

#include "rsmath/galois_field.h"

namespace rsmath {

class LogTables {
 public:
  // The tables of irrpol, or nullptr when irrpol is no primitive polynomial of degree m
  // (1 <= m <= 8). The same object is returned for every call with the same polynomial.
  static const LogTables* Of(int m, int irrpol);

  int Order() const { return order_; }  // 2^m - 1: a^Order() = 1
  bool IsElement(int x) const { return x >= 0 && x <= order_; }

  // a^e for any e, negative ones included.
  int Power(int64_t e) const { return alphaTo_[Reduce(e)]; }
  // log_a(x) for x != 0.
  int Log(int x) const { return indexOf_[x]; }
  // log_a(x), and for x = 0 a value that Antilog maps to 0 whatever logarithm is added to it.
  int LogOrZero(int x) const { return x == 0 ? 2 * order_ : indexOf_[x]; }
  // a^i for a sum i of two logarithms, at most one of them LogOrZero(0): products as one
  // addition and one lookup where one factor is used many times.
  int Antilog(int i) const { return alphaTo_[i]; }
  // a * b for field elements.
  int Times(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return alphaTo_[indexOf_[a] + indexOf_[b]];
  }
  // 1 / a for a != 0.
  int Inverse(int a) const { return alphaTo_[order_ - indexOf_[a]]; }
  // x^e for a field element x and e >= 0 (x^0 = 1, 0^e = 0 for e > 0).
  int Pow(int x, int64_t e) const;

 private:
  LogTables() = default;
  // True when the powers of a reach every non-zero element before returning to 1.
  bool Build(int m, int irrpol);
  int Reduce(int64_t e) const { return static_cast<int>(((e % order_) + order_) % order_); }

  int order_ = 0;
  // Twice around the cycle, so that the sum of two logarithms needs no reduction, then zeros
  // for a sum with LogOrZero(0).
  std::array<uint8_t, 3 * 255> alphaTo_{};
  std::array<uint8_t, 256> indexOf_{};
};

// field.Multiply(a, b), through the log tables of the field where they exist. Multiply reads
// only the low m bits of a and all of b, so a is masked and a b outside the field (which the
// tables cannot represent) goes to Multiply: the result equals Multiply for every a and b.
class FieldProduct {
 public:
  explicit FieldProduct(const GaloisField& field)
      : field_(field), tables_(LogTables::Of(field.m, field.irrpol)) {}

  const LogTables* Logs() const { return tables_; }

  int operator()(int a, int b) const {
    if (tables_ != nullptr && tables_->IsElement(b)) return tables_->Times(a & tables_->Order(), b);
    return field_.Multiply(a, b);
  }

  // Every b in 1 .. 2^m - 1 with Multiply(a, b) = 1, ascending, into found; returns their
  // number. One lookup in a field; without tables every b is tried, as there may be none or
  // several.
  int Inverses(int a, std::array<int32_t, 256>& found) const;

 private:
  GaloisField field_;
  const LogTables* tables_;
};

}  // namespace rsmath
