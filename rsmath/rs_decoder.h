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

// Both take their arithmetic from the log tables of the field and leave the shared RsTables
// alone. A field polynomial that is not primitive, n outside 1 .. 2^m - 1, r outside 0 .. n, a
// word or message of the wrong length or a symbol outside the field throw std::invalid_argument.
// The roots are a^(genstart+j), j < r, with the exponent taken mod 2^m - 1.

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
//
// The rule, which the decoder block follows as well: all syndromes S_j = word(a^(genstart+j))
// zero is success with nothing corrected. Otherwise Berlekamp-Massey gives Lambda(x), of degree
// L (its highest non-zero coefficient), and Omega(x) = S(x) Lambda(x) mod x^r; the decoding
// fails when L > floor(r/2), when deg Omega >= L, or when Lambda(a^-i) = 0 holds for a number
// of positions i < n other than L. deg Omega < L says that L is the length Berlekamp-Massey
// found; without it a Lambda whose top coefficient cancelled (Lambda = 1, say, with non-zero
// syndromes) passes the root count and a word that is no codeword is reported corrected.
// Otherwise the error at position i is X^(1-genstart) Omega(X^-1) / Lambda'(X^-1), X = a^i.
DecodeResult DecodeWord(const GaloisField& field, std::vector<int32_t>& word);

}  // namespace rsmath
