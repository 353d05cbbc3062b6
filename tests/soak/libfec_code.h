// Debian's libfec as a second, independent judge of decoded words: its own field tables,
// generator and Berlekamp-Massey decoder, set up with the code's first root and padding.
#pragma once

#include <cstdint>
#include <vector>

#include "rsmath/galois_field.h"

namespace soak {

// What libfec makes of a received word, held to the bounded-distance rule.
struct LibfecVerdict {
  enum Kind {
    kDecoded,  // a codeword within t, at distance `corrected` (0 for a codeword)
    kFailed,   // libfec reports the word uncorrectable
    kBeyondT,  // libfec "corrected" it, but not to a codeword within t of it (it does so for
               // more than t errors now and then: roots in the padding are counted but not
               // corrected, and the evaluator's degree is never checked)
  } kind = kFailed;
  int corrected = 0;
  std::vector<int32_t> word;  // decoded word for kDecoded, else the received one
};

class LibfecCode {
 public:
  explicit LibfecCode(const rsmath::GaloisField& field);
  ~LibfecCode();
  LibfecCode(const LibfecCode&) = delete;
  LibfecCode& operator=(const LibfecCode&) = delete;

  // Words in rsmath's order: word[i] the coefficient of x^i, word[n-1] first on the wire.
  LibfecVerdict Decode(const std::vector<int32_t>& received) const;
  // Whether the word is a codeword, by libfec's encoder.
  bool IsCodeword(const std::vector<int32_t>& word) const;

 private:
  void* rs_;
  int n_, r_;
};

}  // namespace soak
