// printf-style formatting into a std::string. The generated files are defined by printf
// format strings, so the writers keep those strings verbatim instead of re-spelling them.
#pragma once

#include <string>

namespace platform {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
