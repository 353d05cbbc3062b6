// The descriptions the wizard's documentation works through, as the tests of every level expect
// them: one copy, so that an in-process test and a run of the real binary hold the same text.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// A new design finished at once (the encoder with the construction values): the description up
// to its first "SYMBOL:" line.
inline std::string NewEncoderDescriptionHead() {
  std::string text =
      "GENERATION: STANDARD\n"
      "VERSION: WM1.0\n"
      "MODULE: RS_Enc\n"
      "\n"
      "PRIVATE: Enc_Dec NUMERIC \"1\"\n"
      "PRIVATE: GENSTART_V NUMERIC \"0\"\n"
      "PRIVATE: generate_vectorfile NUMERIC \"1\"\n"
      "\n"
      "CONSTANT: m NUMERIC \"4\"\n"
      "CONSTANT: n NUMERIC \"5\"\n"
      "CONSTANT: check NUMERIC \"4\"\n"
      "CONSTANT: irrpol NUMERIC \"19\"\n"
      "CONSTANT: genstart NUMERIC \"0\"\n"
      "CONSTANT: gg0 NUMERIC \"1\"\n"
      "CONSTANT: gg1 NUMERIC \"15\"\n"
      "CONSTANT: gg2 NUMERIC \"3\"\n"
      "CONSTANT: gg3 NUMERIC \"1\"\n"
      "CONSTANT: gg4 NUMERIC \"12\"\n";
  for (int i = 5; i <= 50; ++i) text += "CONSTANT: gg" + std::to_string(i) + " NUMERIC \"0\"\n";
  text +=
      "\n"
      "USED_PORT: start 0 0 0 0 INPUT NODEFVAL start\n"
      "USED_PORT: enable 0 0 0 0 INPUT NODEFVAL enable\n"
      "USED_PORT: sysclk 0 0 0 0 INPUT NODEFVAL sysclk\n"
      "USED_PORT: reset 0 0 0 0 INPUT NODEFVAL reset\n"
      "USED_PORT: rsin 0 0 4 1 INPUT NODEFVAL rsin[4..1]\n"
      "USED_PORT: rsout 0 0 4 1 OUTPUT NODEFVAL rsout[4..1]\n"
      "\n"
      "CONNECT: @start 0 0 0 0 start 0 0 0 0\n"
      "CONNECT: @enable 0 0 0 0 enable 0 0 0 0\n"
      "CONNECT: @sysclk 0 0 0 0 sysclk 0 0 0 0\n"
      "CONNECT: @reset 0 0 0 0 reset 0 0 0 0\n"
      "CONNECT: @rsin 0 0 4 1 rsin 0 0 4 1\n"
      "CONNECT: rsout 0 0 4 1 @rsout 0 0 4 1\n"
      "\n";
  return text;
}

// The port lines of the DVB decoder (m 8, r 16), in their order.
inline std::vector<std::string> DvbDecoderPortLines() {
  return {
      "USED_PORT: sysclk 0 0 0 0 INPUT NODEFVAL sysclk",
      "USED_PORT: reset 0 0 0 0 INPUT NODEFVAL reset",
      "USED_PORT: rsin 0 0 8 1 INPUT NODEFVAL rsin[8..1]",
      "USED_PORT: rsout 0 0 8 1 OUTPUT NODEFVAL rsout[8..1]",
      "USED_PORT: dsin 0 0 0 0 INPUT NODEFVAL dsin",
      "USED_PORT: dsout 0 0 0 0 INPUT NODEFVAL dsout",
      "USED_PORT: rdyin 0 0 0 0 OUTPUT NODEFVAL rdyin",
      "USED_PORT: outvalid 0 0 0 0 OUTPUT NODEFVAL outvalid",
      "USED_PORT: decfail 0 0 0 0 OUTPUT NODEFVAL decfail",
      "USED_PORT: bypass 0 0 0 0 INPUT NODEFVAL bypass",
      "USED_PORT: numerr 0 0 5 1 OUTPUT NODEFVAL numerr[5..1]",
  };
}

}  // namespace testsupport
