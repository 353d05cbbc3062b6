// printf-style formatting into a std::string. The generated files are defined by printf
// format strings, so the writers keep those strings verbatim instead of re-spelling them.
//
// They have a few thousand short lines: the conversions they use (%d, %ld, %s, %02x, %%) are
// formatted here in one pass, a few times faster than the C library's general machinery, which
// dominated a whole Finish; a format with any other conversion goes to vsnprintf. Either way
// the text is what printf makes of the format.
#pragma once

#include <string>

namespace platform {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends the formatted text to out, without a string of its own per call.
void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace platform
