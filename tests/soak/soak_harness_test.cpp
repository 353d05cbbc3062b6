// The harness itself, without Verilator: a software block that keeps the documented port
// protocol passes every kind of run, and the same block with one fault at a time fails.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "rsmath/rs_decoder.h"
#include "tests/soak/decoder_soak.h"

namespace {

using soak::PortInputs;
using soak::PortOutputs;
using soak::PortTiming;

enum class Fault {
  kNone,
  kNumerrOneHigh,        // numerr one above the count of corrected symbols
  kRdyinHighInWord,      // rdyin 1 while a word comes in
  kStartsWhileBusy,      // a rising dsin with rdyin 0 starts a word
  kKeepsWordsOverReset,  // the reset leaves the words in flight
  kOutputLate,           // every word leaves an edge late
  kRsoutBetweenWords,    // rsout keeps the last symbol after a word
  kIgnoresBypass,
  kIgnoresDsout,
  kFailedWordZeroed,  // a failed word leaves as zeros
  kTakesGapSymbols,   // discrete: takes rsin on edges where dsin is 0
};

// The block as docs/hdl.md describes it at its ports, with rsmath as its decoder.
class ModelDecoder : public soak::ClockedDecoder {
 public:
  ModelDecoder(const rsmath::GaloisField& field, const PortTiming& timing, Fault fault)
      : field_(field), timing_(timing), fault_(fault) {}

  PortOutputs Edge(const PortInputs& in) override {
    const uint64_t edge = edge_++;
    const int n = field_.n;
    if (in.reset) {
      dsinBefore_ = in.dsin;
      taken_ = 0;
      guard_ = 0;
      rdy_ = true;
      if (fault_ != Fault::kKeepsWordsOverReset) leaving_.clear();
      out_ = PortOutputs{};
      out_.rdyin = true;
      return out_;
    }
    const bool rising = in.dsin && !dsinBefore_;
    const bool take = timing_.discrete
                          ? (in.dsin || fault_ == Fault::kTakesGapSymbols) && rdy_
                          : taken_ > 0 || (rising && (rdy_ || fault_ == Fault::kStartsWhileBusy));
    dsinBefore_ = in.dsin;
    bool last = false;
    if (take) {
      if (taken_ == 0) {
        word_.assign(static_cast<std::size_t>(n), 0);
        bypass_ = in.bypass && fault_ != Fault::kIgnoresBypass;
      }
      word_[static_cast<std::size_t>(n - 1 - taken_)] = static_cast<int32_t>(in.rsin);
      last = ++taken_ == n;
      if (last) {
        taken_ = 0;
        Leaving word;
        word.word = word_;
        if (!bypass_) {
          const rsmath::DecodeResult result = rsmath::DecodeWord(field_, word.word);
          word.decfail = result.failed;
          word.numerr = result.corrected;
          if (fault_ == Fault::kNumerrOneHigh && word.numerr > 0) ++word.numerr;
          if (fault_ == Fault::kFailedWordZeroed && word.decfail)
            word.word.assign(static_cast<std::size_t>(n), 0);
        }
        const int late = fault_ == Fault::kOutputLate ? 1 : 0;
        word.firstLoad = edge + static_cast<uint64_t>(timing_.latency - 1 + late);
        leaving_.push_back(word);
      }
    }
    guard_ = last ? timing_.guard : (guard_ > 0 ? guard_ - 1 : 0);
    rdy_ = ((timing_.discrete || taken_ == 0) || fault_ == Fault::kRdyinHighInWord) && guard_ == 0;

    const uint32_t lastSymbol = out_.rsout;
    out_ = PortOutputs{};
    if (!leaving_.empty() && leaving_.front().firstLoad <= edge) {
      const Leaving& word = leaving_.front();
      const int j = static_cast<int>(edge - word.firstLoad);
      if (in.dsout || fault_ == Fault::kIgnoresDsout) {
        out_.outvalid = true;
        out_.rsout = static_cast<uint32_t>(word.word[static_cast<std::size_t>(n - 1 - j)]);
        out_.numerr = static_cast<uint32_t>(word.numerr);
        out_.decfail = word.decfail;
      }
      if (j == n - 1) leaving_.pop_front();
    } else if (fault_ == Fault::kRsoutBetweenWords) {
      out_.rsout = lastSymbol;
    }
    out_.rdyin = rdy_;
    return out_;
  }

 private:
  struct Leaving {
    uint64_t firstLoad = 0;
    std::vector<int32_t> word;
    bool decfail = false;
    int numerr = 0;
  };

  rsmath::GaloisField field_;
  PortTiming timing_;
  Fault fault_;
  uint64_t edge_ = 0;
  bool dsinBefore_ = false, rdy_ = true, bypass_ = false;
  int taken_ = 0, guard_ = 0;
  std::vector<int32_t> word_;
  std::deque<Leaving> leaving_;
  PortOutputs out_;
};

const rsmath::GaloisField kField{4, 15, 19, 4, 0};

soak::SoakReport Soak(Fault fault, const PortTiming& timing, bool toggled, soak::WordMix mix = {}) {
  ModelDecoder decoder(kField, timing, fault);
  soak::SoakOptions options;
  options.words = 3000;
  options.seed = 5;
  options.toggleDsout = toggled;
  options.mix = std::move(mix);
  return soak::RunSoak(decoder, kField, timing, options);
}

const PortTiming kBackToBack{false, 26, 0};
const PortTiming kSpaced{false, 60, 9};
const PortTiming kDiscrete{true, 40, 3};

TEST(SoakHarness, PassesABlockThatKeepsTheProtocol) {
  for (const PortTiming& timing : {kBackToBack, kSpaced, kDiscrete})
    for (bool toggled : {false, true}) {
      const soak::SoakReport report = Soak(Fault::kNone, timing, toggled);
      EXPECT_TRUE(report.Passed()) << (report.messages.empty() ? "" : report.messages[0]);
      EXPECT_EQ(report.judged + report.partlyJudged, 3000u);
      EXPECT_EQ(report.partlyJudged > 0, toggled);
      // Every shape of word was sent, and some words were in the block at the reset.
      for (int i = 0; i < soak::kPatternCount - 1; ++i)
        EXPECT_GT(report.patternWords[i], 0u) << soak::PatternName(static_cast<soak::Pattern>(i));
      EXPECT_GT(report.droppedByReset, 0u);
    }
}

TEST(SoakHarness, SendsWordsAsCloseAsRdyinAllows) {
  // Back to back, a streaming word takes n edges; half the words come so.
  const soak::SoakReport report = Soak(Fault::kNone, kBackToBack, false);
  EXPECT_LT(report.edges, 3000u * 15 * 2);
  EXPECT_GT(report.edges, 3000u * 15);
}

struct FaultCase {
  Fault fault;
  PortTiming timing;
  bool toggled;
  const char* name;
};

class SoakHarnessFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SoakHarnessFault, FailsTheRun) {
  const FaultCase& fault = GetParam();
  const soak::SoakReport report = Soak(fault.fault, fault.timing, fault.toggled);
  EXPECT_FALSE(report.Passed()) << fault.name;
  EXPECT_FALSE(report.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SoakHarnessFault,
    ::testing::Values(FaultCase{Fault::kNumerrOneHigh, kBackToBack, false, "NumerrOneHigh"},
                      FaultCase{Fault::kRdyinHighInWord, kSpaced, false, "RdyinHighInWord"},
                      FaultCase{Fault::kStartsWhileBusy, kSpaced, false, "StartsWhileBusy"},
                      FaultCase{Fault::kKeepsWordsOverReset, kBackToBack, false, "KeepsWords"},
                      FaultCase{Fault::kOutputLate, kBackToBack, false, "OutputLate"},
                      FaultCase{Fault::kRsoutBetweenWords, kSpaced, false, "RsoutBetween"},
                      FaultCase{Fault::kIgnoresBypass, kDiscrete, false, "IgnoresBypass"},
                      FaultCase{Fault::kIgnoresDsout, kBackToBack, true, "IgnoresDsout"},
                      FaultCase{Fault::kFailedWordZeroed, kDiscrete, false, "FailedZeroed"},
                      FaultCase{Fault::kTakesGapSymbols, kDiscrete, false, "TakesGapSymbols"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoakHarness, MeasuresMiscorrectionsAndChannelErrors) {
  soak::WordMix tPlusOne;
  tPlusOne.kind = soak::WordMix::kTPlusOneOnly;
  const soak::SoakReport miscorrection = Soak(Fault::kNone, kBackToBack, false, tPlusOne);
  ASSERT_EQ(miscorrection.byErrors.size(), 1u);
  const soak::OutcomeCounts& three = miscorrection.byErrors.at(3);
  EXPECT_EQ(three.words, miscorrection.judged);
  // Every word with t + 1 errors is either miscorrected or fails; (15,11) miscorrects about
  // 29 % of them.
  EXPECT_EQ(three.miscorrected + three.failed, three.words);
  EXPECT_GT(three.miscorrected, three.words / 5);
  EXPECT_LT(three.miscorrected, three.words * 2 / 5);

  soak::WordMix channel;
  channel.kind = soak::WordMix::kChannelOnly;
  channel.channelRates = {0.0, 0.5};
  const soak::SoakReport rates = Soak(Fault::kNone, kBackToBack, false, channel);
  ASSERT_EQ(rates.byRate.size(), 2u);
  EXPECT_EQ(rates.byRate.at(0).miscorrected + rates.byRate.at(0).failed, 0u);
  EXPECT_GT(rates.byRate.at(1).miscorrected + rates.byRate.at(1).failed,
            rates.byRate.at(1).words * 9 / 10);
}

}  // namespace
