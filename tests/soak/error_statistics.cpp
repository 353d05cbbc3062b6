#include "tests/soak/error_statistics.h"

#include <cmath>

#include "platform/text_format.h"
#include "rsmath/decoded_error_rate.h"

namespace soak {

std::string ErrorStatistics(const rsmath::GaloisField& field, const WordMix& mix,
                            const SoakReport& report) {
  using platform::Format;
  const int n = field.n, k = field.check > 0 ? n - field.check : n;
  const rsmath::DecodedErrorRate theory(field.m, n, field.check);
  std::string text;
  for (const auto& [errors, counts] : report.byErrors)
    text += Format("miscorrection %d %d %d %llu %llu %.6g\n", n, k, errors,
                   static_cast<unsigned long long>(counts.words),
                   static_cast<unsigned long long>(counts.miscorrected),
                   theory.MiscorrectionProbability(errors));
  if (!report.byErrors.empty())
    for (int errors = field.check / 2 + 1; errors <= n; ++errors)
      text += Format("miscorrection-curve %d %d %d %.6g\n", n, k, errors,
                     theory.MiscorrectionProbability(errors));
  for (const auto& [index, counts] : report.byRate) {
    const double p = mix.channelRates[static_cast<std::size_t>(index)];
    text += Format("channel %d %d %.6g %llu %llu %.6g\n", n, k, p,
                   static_cast<unsigned long long>(counts.words),
                   static_cast<unsigned long long>(counts.failed + counts.miscorrected),
                   theory.CodewordErrorRate(p));
  }
  if (!report.byRate.empty())
    // A log grid from one in ten thousand to one half, 20 points a decade.
    for (int i = 0; i <= 74; ++i) {
      const double p = std::pow(10.0, -4.0 + i / 20.0);
      text += Format("curve %d %d %.6g %.6g\n", n, k, p, theory.CodewordErrorRate(p));
    }
  return text;
}

}  // namespace soak
