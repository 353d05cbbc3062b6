#include "platform/line_splitter.h"

#include <algorithm>

namespace platform {

std::optional<std::string_view> LineSplitter::Next() {
  if (rest_.empty()) return std::nullopt;
  const std::size_t end = std::min(rest_.find('\n'), rest_.size());
  const std::string_view line = rest_.substr(0, end);
  rest_.remove_prefix(std::min(end + 1, rest_.size()));
  return line;
}

}  // namespace platform
