// Writing one generated file through the platform's file service. A file that cannot be
// written completely ends the run: a truncated table or vector file must not pass for a good
// one.
#pragma once

#include <string>
#include <string_view>

namespace rsmath {

// Replaces the file at path with text, all at once. On any failure (open, write, close or the
// final rename) shows the fatal message with path under the caption "Error" and ends the
// process with status 1; the file at path is left as it was, files written before stay.
void WriteGeneratedFile(const std::string& path, std::string_view text);

}  // namespace rsmath
