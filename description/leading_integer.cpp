#include "description/leading_integer.h"

#include <cstdint>
#include <limits>

namespace description {

namespace {

// The C locale's white space, as the classic conversion skips it.
bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate the magnitude in 64 bits and stop growing it once it is past every int32, so
  // that a million digits cost a million steps and never overflow.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (negative) {
    const std::int64_t value = -magnitude;
    return value < std::numeric_limits<std::int32_t>::min()
               ? std::numeric_limits<std::int32_t>::min()
               : static_cast<int>(value);
  }
  return magnitude > std::numeric_limits<std::int32_t>::max()
             ? std::numeric_limits<std::int32_t>::max()
             : static_cast<int>(magnitude);
}

}  // namespace description
