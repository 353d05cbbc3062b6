// The nine settings of the Reed-Solomon block, as the wizard's pages set them and its
// description carries them to the generator.
//
//   m          bits per symbol; the code works in GF(2^m)
//   n          symbols per codeword
//   check      check symbols per codeword (r); k = n - r message symbols
//   irrpol     field polynomial, bit i the coefficient of x^i (19 = x^4 + x + 1)
//   genstart   first root: g(x) has the roots a^genstart .. a^(genstart + r - 1)
#pragma once

#include <cstdint>

namespace rsblock {

struct RsSettings {
  std::int32_t m = 4;
  std::int32_t n = 5;
  std::int32_t check = 4;
  std::int32_t irrpol = 19;
  std::int32_t genstart = 0;
  std::int32_t Enc_Dec = 1;              // 1 encoder, 0 decoder
  std::int32_t Disc_Stream = 1;          // decoder: 1 discrete, 0 streaming
  std::int32_t Fast_Small = 1;           // decoder: 1 full (faster), 0 half (smaller)
  std::int32_t generate_vectorfile = 1;  // 1: write the simulation vector file at Finish
};

}  // namespace rsblock
