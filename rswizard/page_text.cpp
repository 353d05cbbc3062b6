#include "rswizard/page_text.h"

#include <limits>

#include "description/leading_integer.h"

namespace rswizard {

bool IsIntegerText(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+' || text.front() == ' '))
    text.remove_prefix(1);
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int TextValue(std::string_view text) {
  return description::LeadingInteger(text);
}

std::string DecimalText(long long value) {
  return std::to_string(value);
}

int SaturatedInt(long long value) {
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace rswizard
