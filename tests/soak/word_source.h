// The words the soak sends: codewords of random messages with errors of many shapes, words
// that are no codeword at all, and bypassed words.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "rsmath/galois_field.h"

namespace soak {

enum class Pattern {
  kUpToT,       // 0 .. t errors at random positions
  kBeyondT,     // t + 1 .. r errors
  kBurst,       // a run of 1 .. r consecutive wrong symbols
  kBothEnds,    // the first and the last symbol wrong, and up to t - 1 more
  kAllZero,     // the zero codeword with 0 .. t errors
  kAllOnes,     // every bit 1 (a codeword only by chance)
  kRandomWord,  // n random symbols
  kBypassed,    // 0 .. r errors, sent with bypass
  kTPlusOne,    // exactly t + 1 errors: how often they are miscorrected
  kChannel,     // every symbol wrong with the channel's probability
};
inline constexpr int kPatternCount = 10;
const char* PatternName(Pattern pattern);

struct SentWord {
  Pattern pattern = Pattern::kUpToT;
  bool bypass = false;
  int rateIndex = -1;             // kChannel: which channel rate
  std::vector<int32_t> codeword;  // rsmath's order, word[n-1] first on the wire
  std::vector<int32_t> received;  // what goes in
  int Errors() const;             // symbols where they differ
};

// Which words to send.
struct WordMix {
  enum Kind { kSoak, kTPlusOneOnly, kChannelOnly } kind = kSoak;
  std::vector<double> channelRates;  // kChannelOnly: taken in turn
};

class WordSource {
 public:
  WordSource(const rsmath::GaloisField& field, WordMix mix, uint64_t seed);
  SentWord Next();
  // A random symbol, for the noise on inputs the block ignores.
  uint32_t NoiseSymbol();

 private:
  std::vector<int32_t> RandomCodeword();
  void AddErrorsAt(SentWord& word, const std::vector<int>& positions);
  void AddRandomErrors(SentWord& word, int count);

  rsmath::GaloisField field_;
  WordMix mix_;
  std::mt19937_64 rng_;
  uint64_t sent_ = 0;
};

}  // namespace soak
