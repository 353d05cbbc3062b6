// Bounded-distance decoding of the wizard's Reed-Solomon codes in software: the reference the
// HDL testbenches take their expected outputs from.
//
// Words are held as the shared tables hold them: word[i] is the coefficient of x^i, i < n;
// word[0 .. r-1] are the check symbols and word[n-1] is the first symbol on the wire.
#pragma once

#include <cstdint>
#include <vector>

#include "rsmath/galois_field.h"

namespace rsmath {

// The systematic codeword of message (message[c] = coefficient of x^(r+c), c < k), with the
// generator polynomial of field (m, irrpol, check, genstart); field.n gives the length.
std::vector<int32_t> EncodeWord(const GaloisField& field, const std::vector<int32_t>& message);

struct DecodeResult {
  bool failed = false;  // more errors than the code corrects were detected
  int corrected = 0;    // symbols changed; 0 when failed
};

// Corrects up to floor(r/2) symbol errors of word in place. On failure word is left as it was.
// With more than floor(r/2) errors the result is either a failure or the unique codeword
// within distance floor(r/2) of word.
DecodeResult DecodeWord(const GaloisField& field, std::vector<int32_t>& word);

}  // namespace rsmath
