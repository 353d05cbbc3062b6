// The one conversion from text to number used wherever the wizard turns a text into an integer:
// settings read back from the description, numbers typed into the pages, command-line values.
#pragma once

#include <string_view>

namespace description {

// Leading white space is skipped, then an optional sign, then decimal digits up to the first
// other character; a text with no digits there gives 0 ("12abc" is 12, "abc" is 0, " -3" is -3).
// A number beyond the range of a signed 32-bit integer saturates at INT32_MIN or INT32_MAX
// instead of wrapping, so that a huge value read from a damaged file stays huge (and is then
// refused by the range checks) rather than turning into some small, plausible number.
int LeadingInteger(std::string_view text);

}  // namespace description
