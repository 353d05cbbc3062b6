#include "rswizard/page_messages.h"

namespace rswizard {

namespace {

constexpr const char* kBitsCaption = "Invalid number of bits per symbol";
constexpr const char* kBitsRangeCaption = "Invalid number of bits per symbol.";
constexpr const char* kPolynomialCaption = "Invalid field polynomial value";
constexpr const char* kCodewordCaption = "Invalid number of symbol per codeword";
constexpr const char* kCheckCaption = "Invalid check symbol value";
constexpr const char* kRootCaption = "Invalid first polynomial root";

constexpr const char* kNotInteger = "Invalid value, please enter an integer.\n";
constexpr const char* kCodewordRange =
    "It must be between max(5,number of check symbols) and ((2^bit width) -1)\n";
constexpr const char* kRootRange =
    "The first root must be comprised between 0 and ((2^width) - 1 - number of check symbols\n";

std::string Number(int value) {
  return std::to_string(value);
}

}  // namespace

PageMessage BitsNotIntegerMessage(int resetTo) {
  return {std::string(kNotInteger) + "The value has been reseted to " + Number(resetTo) + ".",
          kBitsCaption};
}

PageMessage BitsTooSmallMessage(int resetTo) {
  return {
      "The value you have entered is too small.\nIt must be between 4 and 8.\n"
      "The value has been reseted to " +
          Number(resetTo),
      kBitsRangeCaption};
}

PageMessage BitsTooBigMessage(int resetTo) {
  return {
      "The value you have entered is too big.\nIt must be between 4 and 8.\n"
      "The value has been reseted to " +
          Number(resetTo),
      kBitsRangeCaption};
}

PageMessage PolynomialIllegalMessage(int resetTo) {
  return {"The Field Polynomial you have entered is illegal.\nThe value has been reseted to " +
              Number(resetTo) + ".",
          kPolynomialCaption};
}

PageMessage CodewordNotIntegerMessage(int resetTo) {
  return {std::string(kNotInteger) + "The value has been reseted to " + Number(resetTo) + ".",
          kCodewordCaption};
}

PageMessage CodewordTooSmallMessage(int resetTo) {
  return {std::string("The Value you have entered is too small.\n") + kCodewordRange +
              "The value has been reseted to " + Number(resetTo) +
              ".\nThe Number of check symbols will be reseted to 4.",
          kCodewordCaption};
}

PageMessage CodewordTooBigMessage(int resetTo) {
  return {std::string("The Value you have entered is too big.\n") + kCodewordRange +
              "The value has been reseted to " + Number(resetTo) + ".",
          kCodewordCaption};
}

PageMessage CheckNotIntegerMessage() {
  return {std::string(kNotInteger) + "Value reseted to 4.", kCheckCaption};
}

PageMessage CheckTooSmallMessage() {
  return {"Value to small. It must be between 4 and min(50, number of symbols).\nValue set to 4.",
          kCheckCaption};
}

PageMessage CheckTooBigMessage(int resetTo) {
  return {"Value to big. It must be between 4 and min(50, number of symbols).\nValue set to " +
              Number(resetTo) + ".",
          kCheckCaption};
}

PageMessage RootNotIntegerMessage(int resetTo) {
  return {std::string(kNotInteger) + "The value has been reseted to " + Number(resetTo) + ".",
          kRootCaption};
}

PageMessage RootTooSmallMessage(int resetTo) {
  return {std::string("The value is too small.\n") + kRootRange + "The value has been reseted to " +
              Number(resetTo) + ".",
          kRootCaption};
}

PageMessage RootTooBigMessage(int resetTo) {
  return {std::string("The value is too big.\n") + kRootRange + "The value has been reseted to " +
              Number(resetTo) + ".",
          kRootCaption};
}

}  // namespace rswizard
