#include "rsmath/log_tables.h"

#include <memory>
#include <mutex>

namespace rsmath {

namespace {

// A polynomial of degree m <= 8 is below 2^9, so it indexes the cache directly.
constexpr int kPolynomialLimit = 512;

}  // namespace

const LogTables* LogTables::Of(int m, int irrpol) {
  if (m < 1 || m > 8 || irrpol < 0 || (irrpol >> m) != 1) return nullptr;
  static std::mutex lock;
  static std::array<std::unique_ptr<LogTables>, kPolynomialLimit> built;
  static std::array<bool, kPolynomialLimit> tried{};
  const std::lock_guard<std::mutex> guard(lock);
  if (!tried[irrpol]) {
    tried[irrpol] = true;
    auto tables = std::unique_ptr<LogTables>(new LogTables);
    if (tables->Build(m, irrpol)) built[irrpol] = std::move(tables);
  }
  return built[irrpol].get();
}

bool LogTables::Build(int m, int irrpol) {
  order_ = (1 << m) - 1;
  std::array<bool, 256> seen{};
  int element = 1;
  for (int i = 0; i < order_; ++i) {
    // A repeat (or 0) before the cycle is complete: a is not primitive for this polynomial.
    if (element == 0 || seen[element]) return false;
    seen[element] = true;
    alphaTo_[i] = alphaTo_[i + order_] = static_cast<uint8_t>(element);
    indexOf_[element] = static_cast<uint8_t>(i);
    // a^(i+1) = a^i * x, reduced by irrpol when the x^m term appears.
    element <<= 1;
    if (element >> m) element ^= irrpol;
  }
  return element == 1;
}

int LogTables::Pow(int x, int64_t e) const {
  if (e == 0) return 1;
  if (x == 0) return 0;
  // log(x^e) = e log(x) mod (2^m - 1); e is reduced first so that the product stays small.
  return Power(static_cast<int64_t>(indexOf_[x]) * Reduce(e));
}

int FieldProduct::Inverses(int a, std::array<int32_t, 256>& found) const {
  if (tables_ != nullptr) {
    const int x = a & tables_->Order();
    if (x == 0) return 0;
    found[0] = tables_->Inverse(x);
    return 1;
  }
  int count = 0;
  for (int b = 1; b < ElementCount(field_.m); ++b)
    if (field_.Multiply(a, b) == 1) found[static_cast<std::size_t>(count++)] = b;
  return count;
}

}  // namespace rsmath
