#include "tests/soak/word_source.h"

#include <algorithm>
#include <numeric>

#include "rsmath/rs_decoder.h"

namespace soak {

const char* PatternName(Pattern pattern) {
  static const char* const kNames[kPatternCount] = {
      "0..t errors",    "t+1..r errors", "bursts",   "both ends",  "all-zero words",
      "all-ones words", "random words",  "bypassed", "t+1 errors", "channel"};
  return kNames[static_cast<int>(pattern)];
}

int SentWord::Errors() const {
  int count = 0;
  for (std::size_t i = 0; i < codeword.size(); ++i) count += codeword[i] != received[i];
  return count;
}

WordSource::WordSource(const rsmath::GaloisField& field, WordMix mix, uint64_t seed)
    : field_(field), mix_(std::move(mix)), rng_(seed) {}

uint32_t WordSource::NoiseSymbol() {
  return static_cast<uint32_t>(rng_() & ((1u << field_.m) - 1));
}

std::vector<int32_t> WordSource::RandomCodeword() {
  std::vector<int32_t> message(static_cast<std::size_t>(field_.n - field_.check));
  for (int32_t& symbol : message) symbol = static_cast<int32_t>(NoiseSymbol());
  return rsmath::EncodeWord(field_, message);
}

// A non-zero error value at each position, uniform over the field's other elements.
void WordSource::AddErrorsAt(SentWord& word, const std::vector<int>& positions) {
  const uint32_t values = (1u << field_.m) - 1;
  for (int position : positions)
    word.received[static_cast<std::size_t>(position)] ^= static_cast<int32_t>(1 + rng_() % values);
}

void WordSource::AddRandomErrors(SentWord& word, int count) {
  std::vector<int> positions(static_cast<std::size_t>(field_.n));
  std::iota(positions.begin(), positions.end(), 0);
  // The first `count` of a partial shuffle: every set of positions equally likely.
  for (int i = 0; i < count; ++i)
    std::swap(positions[static_cast<std::size_t>(i)],
              positions[static_cast<std::size_t>(
                  i + static_cast<int>(rng_() % static_cast<uint64_t>(field_.n - i)))]);
  positions.resize(static_cast<std::size_t>(count));
  AddErrorsAt(word, positions);
}

SentWord WordSource::Next() {
  const int n = field_.n, r = field_.check, t = r / 2;
  auto below = [this](int bound) {
    return static_cast<int>(rng_() % static_cast<uint64_t>(bound));
  };
  SentWord word;
  if (mix_.kind == WordMix::kTPlusOneOnly) {
    word.pattern = Pattern::kTPlusOne;
  } else if (mix_.kind == WordMix::kChannelOnly) {
    word.pattern = Pattern::kChannel;
    word.rateIndex = static_cast<int>(sent_ % mix_.channelRates.size());
  } else {
    // Weights in percent, in the order of Pattern up to kBypassed.
    static const int kWeights[] = {34, 16, 10, 10, 5, 3, 7, 5, 10};
    int pick = below(100);
    int index = 0;
    while (pick >= kWeights[index]) pick -= kWeights[index++];
    word.pattern = static_cast<Pattern>(index);
  }
  ++sent_;
  word.codeword = word.pattern == Pattern::kAllZero
                      ? std::vector<int32_t>(static_cast<std::size_t>(n), 0)
                      : RandomCodeword();
  word.received = word.codeword;
  switch (word.pattern) {
    case Pattern::kUpToT:
    case Pattern::kAllZero:
      AddRandomErrors(word, below(t + 1));
      break;
    case Pattern::kBeyondT:
      AddRandomErrors(word, t + 1 + below(r - t));
      break;
    case Pattern::kBurst: {
      const int length = 1 + below(std::min(r, n));
      const int start = below(n - length + 1);
      std::vector<int> positions(static_cast<std::size_t>(length));
      std::iota(positions.begin(), positions.end(), start);
      AddErrorsAt(word, positions);
      break;
    }
    case Pattern::kBothEnds: {
      AddErrorsAt(word, {0, n - 1});
      // More errors anywhere else; a position hit twice may cancel, which is fine.
      const int more = below(t);
      for (int i = 0; i < more; ++i) AddErrorsAt(word, {1 + below(n - 2)});
      break;
    }
    case Pattern::kAllOnes:
      std::fill(word.received.begin(), word.received.end(), (1 << field_.m) - 1);
      break;
    case Pattern::kRandomWord:
      for (int32_t& symbol : word.received) symbol = static_cast<int32_t>(NoiseSymbol());
      break;
    case Pattern::kBypassed:
      word.bypass = true;
      AddRandomErrors(word, below(r + 1));
      break;
    case Pattern::kTPlusOne:
      AddRandomErrors(word, t + 1);
      break;
    case Pattern::kChannel: {
      std::bernoulli_distribution wrong(
          mix_.channelRates[static_cast<std::size_t>(word.rateIndex)]);
      std::vector<int> positions;
      for (int i = 0; i < n; ++i)
        if (wrong(rng_)) positions.push_back(i);
      AddErrorsAt(word, positions);
      break;
    }
  }
  return word;
}

}  // namespace soak
