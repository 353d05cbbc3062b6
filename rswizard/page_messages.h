// The message boxes of the parameter page, each naming the field's problem in its caption and
// the value the field has been reset to in its text. The texts are read by users and matched
// by scripts, so they stay exactly as they have always been, misspellings included.
#pragma once

#include <string>

namespace rswizard {

struct PageMessage {
  std::string text;
  std::string caption;
  friend bool operator==(const PageMessage&, const PageMessage&) = default;
};

// Bits per symbol.
PageMessage BitsNotIntegerMessage(int resetTo);  // M1
PageMessage BitsTooSmallMessage(int resetTo);    // M2
PageMessage BitsTooBigMessage(int resetTo);      // M3
// Field polynomial.
PageMessage PolynomialIllegalMessage(int resetTo);  // M4
// Symbols per codeword.
PageMessage CodewordNotIntegerMessage(int resetTo);  // M5
PageMessage CodewordTooSmallMessage(int resetTo);    // M6
PageMessage CodewordTooBigMessage(int resetTo);      // M7
// Check symbols.
PageMessage CheckNotIntegerMessage();         // M8
PageMessage CheckTooSmallMessage();           // M9
PageMessage CheckTooBigMessage(int resetTo);  // M10
// First root.
PageMessage RootNotIntegerMessage(int resetTo);  // M11
PageMessage RootTooSmallMessage(int resetTo);    // M12
PageMessage RootTooBigMessage(int resetTo);      // M13

}  // namespace rswizard
