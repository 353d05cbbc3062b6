#include "rsmath/append_format.h"

#include <cstdarg>
#include <cstdio>

namespace rsmath {

void AppendFormat(std::string& out, const char* format, ...) {
  char line[128];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (size > 0 && static_cast<std::size_t>(size) < sizeof line) {
    out.append(line, static_cast<std::size_t>(size));
  } else if (size > 0) {
    // Longer than a line of these files ever is (a long design directory): format in place.
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size));
    std::vsnprintf(out.data() + start, static_cast<std::size_t>(size) + 1, format, again);
  }
  va_end(again);
}

}  // namespace rsmath
