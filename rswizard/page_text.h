// Numbers as the pages' fields show them: typed texts tested and read, values written back.
#pragma once

#include <string>
#include <string_view>

namespace rswizard {

// One leading "-", "+" or blank is allowed, then nothing but the digits 0 to 9. An empty rest
// passes: its value is 0. So "12", "-3", "+7" and " 5" pass; "1 2", "5 ", "x", "--3" and
// "0x10" do not.
bool IsIntegerText(std::string_view text);

// The value of a text: its leading decimal integer (blanks skipped, an optional sign, digits up
// to the first other character; 0 without digits), saturated to the range of int.
int TextValue(std::string_view text);

// "%d".
std::string DecimalText(long long value);

// A value worked out in a wider type, saturated into int.
int SaturatedInt(long long value);

}  // namespace rswizard
