// The soak: sends words to a decoder block through its ports as a user's logic would (as
// close as rdyin allows, with random gaps, noise on every input the block ignores, a reset in
// mid-stream), and judges every edge it sees against a model of the documented port protocol,
// and every word against rsmath::DecodeWord and against libfec.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "rsmath/galois_field.h"
#include "tests/soak/decoder_ports.h"
#include "tests/soak/word_source.h"

namespace soak {

// The block's clocks at its ports, taken from the generator's decoder timing.
struct PortTiming {
  bool discrete = false;
  int latency = 0;  // edges from the one taking a word's last symbol to the one reading its
                    // first output symbol
  int guard = 0;    // edges rdyin stays 0 after a word's last symbol
};

struct SoakOptions {
  uint64_t words = 10000;  // words to judge
  uint64_t seed = 1;
  WordMix mix;
  bool toggleDsout = false;     // dsout 0 on random edges (the words' symbols then lost)
  bool midStreamReset = true;   // one reset about half way
  int wrongExpectationAt = -1;  // corrupts this word's expected symbol, to see the run fail
};

struct OutcomeCounts {
  uint64_t words = 0, miscorrected = 0, failed = 0;
};

struct SoakReport {
  uint64_t judged = 0;          // words whose every output edge was checked
  uint64_t partlyJudged = 0;    // words with symbols lost to dsout = 0
  uint64_t droppedByReset = 0;  // words in the block when the reset came
  uint64_t edges = 0;
  uint64_t edgeFailures = 0;    // edges that disagree with the model or rsmath's word
  uint64_t libfecFailures = 0;  // whole words that disagree with libfec
  uint64_t judgesDisagree = 0;  // rsmath and libfec differ (either is wrong)
  uint64_t libfecBeyondT = 0;   // libfec "corrected" beyond t: judged by bounded distance
  uint64_t patternWords[kPatternCount] = {};
  std::map<int, OutcomeCounts> byErrors;  // words of kTPlusOne, by error count
  std::map<int, OutcomeCounts> byRate;    // kChannel, by rate index
  std::vector<std::string> messages;      // the first failures, described

  bool Passed() const { return edgeFailures == 0 && libfecFailures == 0 && judgesDisagree == 0; }
};

SoakReport RunSoak(ClockedDecoder& decoder, const rsmath::GaloisField& field,
                   const PortTiming& timing, const SoakOptions& options);

}  // namespace soak
