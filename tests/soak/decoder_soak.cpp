#include "tests/soak/decoder_soak.h"

#include <deque>
#include <random>

#include "platform/text_format.h"
#include "rsmath/rs_decoder.h"
#include "tests/soak/libfec_code.h"

namespace soak {

namespace {

using platform::Format;

// What the documented protocol says the block does with its inputs on one edge.
struct Framing {
  int n = 0;
  PortTiming timing;
  bool dsinBefore = false;
  int taken = 0;  // symbols of the word coming in
  int guard = 0;
  bool rdyin = true;  // what the next edge reads

  struct Step {
    bool take = false, first = false, last = false;
  };

  Step Apply(const PortInputs& in) {
    Step step;
    if (in.reset) {
      taken = 0;
      guard = 0;
      rdyin = true;
    } else {
      step.take =
          timing.discrete ? in.dsin && rdyin : taken > 0 || (in.dsin && !dsinBefore && rdyin);
      step.first = step.take && taken == 0;
      step.last = step.take && taken + 1 == n;
      if (step.take) taken = step.last ? 0 : taken + 1;
      guard = step.last ? timing.guard : (guard > 0 ? guard - 1 : 0);
      rdyin = (timing.discrete || taken == 0) && guard == 0;
    }
    dsinBefore = in.dsin;
    return step;
  }
};

// A word on its way through the block.
struct InFlight {
  uint64_t index = 0;
  uint64_t firstOut = 0;  // the edge reading its first output symbol
  SentWord sent;
  std::vector<int32_t> expected;  // rsmath's output word
  bool decfail = false;
  int numerr = 0;
  std::vector<int32_t> seen;  // what the block gave, -1 where dsout hid it
  int seenCount = 0;
  bool seenDecfail = false;
  uint32_t seenNumerr = 0;
};

class Soak {
 public:
  Soak(ClockedDecoder& decoder, const rsmath::GaloisField& field, const PortTiming& timing,
       const SoakOptions& options)
      : decoder_(decoder),
        field_(field),
        options_(options),
        libfec_(field),
        source_(field, options.mix, options.seed),
        rng_(options.seed * 7919 + 1) {
    framing_.n = field.n;
    framing_.timing = timing;
    latency_ = timing.latency;
  }

  SoakReport Run();

 private:
  PortInputs Inputs();
  void Check(const PortOutputs& seen);
  void Finish(InFlight& word);
  void Fail(const std::string& message) {
    if (report_.messages.size() < 12) report_.messages.push_back(message);
  }
  bool Coin(int inPercent) { return static_cast<int>(rng_() % 100) < inPercent; }
  uint32_t Word() { return static_cast<uint32_t>(rng_()); }
  void NextWord();

  ClockedDecoder& decoder_;
  rsmath::GaloisField field_;
  SoakOptions options_;
  LibfecCode libfec_;
  WordSource source_;
  std::mt19937_64 rng_;
  Framing framing_;
  int latency_ = 0;
  SoakReport report_;

  uint64_t edge_ = 0;
  bool defined_ = false;     // a reset has been seen: outputs are defined
  bool dsoutBefore_ = true;  // dsout on the edge before
  int resetLeft_ = 3;        // edges of reset still to drive
  bool resetDone_ = false;
  uint64_t resetAt_ = 0;
  SentWord current_;
  uint64_t wordIndex_ = 0;
  int gapLeft_ = 0;
  int nextGap_ = 0;
  int closeness_ = 100;  // chance in percent that a discrete sender offers a symbol when it may
  std::deque<InFlight> inFlight_;
};

void Soak::NextWord() {
  current_ = source_.Next();
  // Half the words follow as soon as rdyin lets them, the others after a random gap. The gap
  // is drawn a word ahead: a streaming sender must know it on the word's last symbol before.
  gapLeft_ = nextGap_;
  nextGap_ = Coin(50) ? 0 : 1 + static_cast<int>(rng_() % static_cast<uint64_t>(field_.n / 4 + 2));
  closeness_ = Coin(50) ? 100 : 30 + static_cast<int>(rng_() % 70);
}

PortInputs Soak::Inputs() {
  PortInputs in;
  in.dsout = !options_.toggleDsout || Coin(80);
  in.rsin = source_.NoiseSymbol();
  in.bypass = Coin(50);
  if (resetLeft_ == 0 && !resetDone_ && options_.midStreamReset && edge_ == resetAt_)
    resetLeft_ = 1 + static_cast<int>(rng_() % 3);
  if (resetLeft_ > 0) {
    in.reset = true;
    in.dsin = Coin(50);
    return in;
  }
  const int n = field_.n;
  const bool rdyin = framing_.rdyin;
  const int taken = framing_.taken;
  auto symbol = [&](int j) {
    return static_cast<uint32_t>(current_.received[static_cast<std::size_t>(n - 1 - j)]);
  };
  if (framing_.timing.discrete) {
    if (rdyin && gapLeft_ == 0 && Coin(closeness_)) {
      in.dsin = true;
      in.rsin = symbol(taken);
      if (taken == 0) in.bypass = current_.bypass;
    } else {
      // dsin with rdyin 0 is ignored, so it is noise there.
      in.dsin = !rdyin && Coin(50);
    }
    return in;
  }
  if (taken > 0) {
    // Inside a word dsin is ignored; on its last symbol it falls when the next word is to
    // start on the next edge.
    in.rsin = symbol(taken);
    in.dsin = taken == n - 1 && nextGap_ == 0 ? false : Coin(50);
    return in;
  }
  if (rdyin && gapLeft_ == 0) {
    in.dsin = !framing_.dsinBefore;  // a rising edge, or a falling one first
    if (in.dsin) {
      in.rsin = symbol(0);
      in.bypass = current_.bypass;
    }
    return in;
  }
  if (rdyin) {
    // Waiting out a gap: dsin may stay high, but must not rise.
    in.dsin = framing_.dsinBefore && Coin(50);
    return in;
  }
  // rdyin 0: a rising dsin is ignored; it falls before rdyin returns if a word is waiting.
  Framing next = framing_;
  next.Apply(in);
  in.dsin = next.rdyin && gapLeft_ == 0 ? false : Coin(50);
  return in;
}

void Soak::Check(const PortOutputs& seen) {
  if (!defined_) return;
  if (seen.rdyin != framing_.rdyin) {
    ++report_.edgeFailures;
    Fail(Format("edge %llu: rdyin is %d, expected %d", static_cast<unsigned long long>(edge_),
                seen.rdyin, framing_.rdyin));
  }
  InFlight* word = nullptr;
  if (!inFlight_.empty() && inFlight_.front().firstOut <= edge_) word = &inFlight_.front();
  const int n = field_.n;
  uint32_t rsout = 0, numerr = 0;
  bool outvalid = false, decfail = false;
  int j = 0;
  if (word != nullptr) {
    j = static_cast<int>(edge_ - word->firstOut);
    if (dsoutBefore_) {
      outvalid = true;
      rsout = static_cast<uint32_t>(word->expected[static_cast<std::size_t>(n - 1 - j)]);
      numerr = static_cast<uint32_t>(word->numerr);
      decfail = word->decfail;
      word->seen[static_cast<std::size_t>(n - 1 - j)] = static_cast<int32_t>(seen.rsout);
      // The verdict libfec judges is the one on the word's first visible edge; the edges
      // after it must repeat it.
      if (word->seenCount == 0) {
        word->seenDecfail = seen.decfail;
        word->seenNumerr = seen.numerr;
      } else if (seen.decfail != word->seenDecfail || seen.numerr != word->seenNumerr ||
                 !seen.outvalid) {
        word->seenCount = -n;  // never whole: libfec cannot judge it
      }
      ++word->seenCount;
    }
  }
  if (seen.outvalid != outvalid || seen.rsout != rsout || seen.numerr != numerr ||
      seen.decfail != decfail) {
    ++report_.edgeFailures;
    Fail(
        Format("edge %llu: outvalid %d rsout %u numerr %u decfail %d, expected %d %u %u %d "
               "(%s, word %llu, symbol %d, %s)",
               static_cast<unsigned long long>(edge_), seen.outvalid, seen.rsout, seen.numerr,
               seen.decfail, outvalid, rsout, numerr, decfail,
               word ? PatternName(word->sent.pattern) : "between words",
               static_cast<unsigned long long>(word ? word->index : 0), j,
               word ? Format("%d errors", word->sent.Errors()).c_str() : ""));
  }
  if (inFlight_.size() > 1 && inFlight_[1].firstOut <= edge_) {
    ++report_.edgeFailures;
    Fail(Format("edge %llu: two words due at once", static_cast<unsigned long long>(edge_)));
  }
  if (word != nullptr && j == n - 1) {
    Finish(*word);
    inFlight_.pop_front();
  }
}

// The word as the block gave it, judged by libfec; and its outcome for the statistics.
void Soak::Finish(InFlight& word) {
  const int n = field_.n, t = field_.check / 2;
  if (word.seenCount < n) {
    ++report_.partlyJudged;
    return;
  }
  ++report_.judged;
  ++report_.patternWords[static_cast<int>(word.sent.pattern)];
  const std::vector<int32_t>& seen = word.seen;
  const bool decfail = word.seenDecfail;
  const int numerr = static_cast<int>(word.seenNumerr);
  bool libfecAgrees;
  if (word.sent.bypass) {
    libfecAgrees = seen == word.sent.received && !decfail && numerr == 0;
  } else {
    const LibfecVerdict verdict = libfec_.Decode(word.sent.received);
    switch (verdict.kind) {
      case LibfecVerdict::kDecoded:
        libfecAgrees = seen == verdict.word && !decfail && numerr == verdict.corrected;
        break;
      case LibfecVerdict::kFailed:
        libfecAgrees = seen == word.sent.received && decfail && numerr == 0;
        break;
      default: {
        ++report_.libfecBeyondT;
        // Bounded distance: a failure, or a codeword within t of the received word.
        int distance = 0;
        for (int i = 0; i < n; ++i)
          distance +=
              seen[static_cast<std::size_t>(i)] != word.sent.received[static_cast<std::size_t>(i)];
        libfecAgrees = decfail ? seen == word.sent.received && numerr == 0
                               : distance == numerr && distance <= t && libfec_.IsCodeword(seen);
        break;
      }
    }
    const bool rsmathDecoded = !word.decfail;
    if ((verdict.kind == LibfecVerdict::kDecoded) != rsmathDecoded ||
        (rsmathDecoded && verdict.word != word.expected)) {
      ++report_.judgesDisagree;
      Fail(Format("word %llu (%s): rsmath and libfec disagree",
                  static_cast<unsigned long long>(word.index), PatternName(word.sent.pattern)));
    }
  }
  if (!libfecAgrees) {
    ++report_.libfecFailures;
    Fail(Format("word %llu (%s, %d errors): the block's word disagrees with libfec",
                static_cast<unsigned long long>(word.index), PatternName(word.sent.pattern),
                word.sent.Errors()));
  }
  OutcomeCounts* counts = nullptr;
  if (word.sent.pattern == Pattern::kTPlusOne) counts = &report_.byErrors[word.sent.Errors()];
  if (word.sent.pattern == Pattern::kChannel) counts = &report_.byRate[word.sent.rateIndex];
  if (counts != nullptr) {
    ++counts->words;
    if (decfail)
      ++counts->failed;
    else if (seen != word.sent.codeword)
      ++counts->miscorrected;
  }
}

SoakReport Soak::Run() {
  const int n = field_.n;
  NextWord();
  uint64_t words = 0;  // taken whole
  // The reset comes on a random edge about half way.
  resetAt_ = ~uint64_t{0};
  PortOutputs seen;
  while (report_.judged + report_.partlyJudged < options_.words) {
    if (!resetDone_ && options_.midStreamReset && resetAt_ == ~uint64_t{0} &&
        words >= options_.words / 2)
      resetAt_ = edge_ + rng_() % static_cast<uint64_t>(4 * n);
    Check(seen);
    const PortInputs in = Inputs();
    if (in.reset) {
      if (edge_ >= 3) resetDone_ = true;
      --resetLeft_;
      defined_ = true;
      report_.droppedByReset += inFlight_.size();
      inFlight_.clear();
      if (framing_.taken > 0) NextWord();
      framing_.Apply(in);
    } else {
      const Framing::Step step = framing_.Apply(in);
      if (step.last) {
        InFlight word;
        word.index = wordIndex_++;
        word.firstOut = edge_ + static_cast<uint64_t>(latency_);
        word.sent = current_;
        word.expected = current_.received;
        word.seen.assign(static_cast<std::size_t>(n), -1);
        if (!current_.bypass) {
          const rsmath::DecodeResult result = rsmath::DecodeWord(field_, word.expected);
          word.decfail = result.failed;
          word.numerr = result.corrected;
        }
        if (static_cast<int64_t>(word.index) == options_.wrongExpectationAt)
          word.expected[static_cast<std::size_t>(n / 2)] ^= 1;
        inFlight_.push_back(std::move(word));
        ++words;
        NextWord();
      } else if (!step.take && framing_.taken == 0 && framing_.rdyin && gapLeft_ > 0) {
        --gapLeft_;
      }
    }
    dsoutBefore_ = in.dsout;
    seen = decoder_.Edge(in);
    ++edge_;
  }
  report_.edges = edge_;
  return report_;
}

}  // namespace

SoakReport RunSoak(ClockedDecoder& decoder, const rsmath::GaloisField& field,
                   const PortTiming& timing, const SoakOptions& options) {
  return Soak(decoder, field, timing, options).Run();
}

}  // namespace soak
