// printf-style formatting appended to a string in one pass. The generated files are defined
// by printf formats and have a few thousand short lines; formatting each into a stack buffer
// avoids measuring it first and allocating a string per line.
#pragma once

#include <string>

namespace rsmath {

void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace rsmath
