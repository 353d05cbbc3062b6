#include "hdl/decoder_timing.h"

#include <gtest/gtest.h>

#include "platform/text_format.h"
#include "tests/hdl/test_block.h"

namespace hdl {
namespace {

struct TimingRow {
  const char* what;
  BlockDescription block;
  SolverKind solver;
  int multipliers, latency, gap, spacing, guard, output, received, errors, errorBits;
};

// Worked by hand from the solver schedules: the array takes r + t + 2 clocks and a start every
// r + 1; the folded solver r (beats + 1) + omegaPasses (beats + 1) + 1 with beats =
// ceil((t + 1) / lanes), lanes = P / 3, omegaPasses = ceil(t / 2); with one multiplier
// r (3 (t + 1) + 1) + t (t + 2) + 1. Full takes the fewest multipliers with a gap of at most n,
// half the fewest that meet the wizard's vector file. The search hands its first value out
// n + 3 clocks after the solver's done, and the first symbol leaves 3 clocks after that; the
// received memory has a slot of 2^ceil(log2 n) symbols for each word starting within
// 2n + latency + 3 clocks and one more, the error memory two pages of 2^ceil(log2 n) values.
TEST(DecoderTimingTest, WorkedDesigns) {
  const TimingRow rows[] = {
      {"DVB full streaming: one lane", TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16),
       SolverKind::kFolded, 3, 201, 201, 204, 0, 411, 1024, 512, 8},
      {"DVB half streaming: one multiplier",
       TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16), SolverKind::kFolded, 1, 529, 529,
       529, 325, 739, 512, 512, 8},
      {"(255,223) full streaming: four lanes",
       TestBlock(BlockKind::kStreamingDecoder, true, 8, 255, 32), SolverKind::kFolded, 12, 241, 241,
       255, 0, 502, 1024, 512, 8},
      {"(255,223) half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 255, 32),
       SolverKind::kFolded, 1, 1953, 1953, 1953, 1698, 2214, 512, 512, 8},
      {"(15,11) full discrete: one beat a pass",
       TestBlock(BlockKind::kDiscreteDecoder, true, 4, 15, 4), SolverKind::kFolded, 9, 11, 11, 15,
       1, 32, 64, 32, 4},
      {"(51,1) half discrete: three lanes meet the allowance",
       TestBlock(BlockKind::kDiscreteDecoder, false, 6, 51, 50), SolverKind::kFolded, 9, 631, 631,
       631, 580, 688, 128, 128, 6},
      {"(51,1) full streaming: no folded count is back to back",
       TestBlock(BlockKind::kStreamingDecoder, true, 6, 51, 50), SolverKind::kArray, 0, 77, 51, 51,
       0, 134, 256, 128, 6},
      {"(255,239) half discrete", TestBlock(BlockKind::kDiscreteDecoder, false, 8, 255, 16),
       SolverKind::kFolded, 1, 529, 529, 529, 274, 790, 512, 512, 8},
      // One multiplier takes 226 clocks: the last symbol would leave 2n - 1 + 258 = 309 clocks
      // after the first came in, past the allowance of 1.2 (5n + 11r + 4) = 292.8; three
      // multipliers take 92.
      {"(26,16) half discrete: the search's clocks need three multipliers",
       TestBlock(BlockKind::kDiscreteDecoder, false, 5, 26, 10), SolverKind::kFolded, 3, 92, 92, 92,
       66, 124, 64, 64, 5},
  };
  for (const TimingRow& row : rows) {
    SCOPED_TRACE(row.what);
    const DecoderTiming timing = DecoderTimingOf(row.block);
    EXPECT_EQ(timing.solver, row.solver);
    EXPECT_EQ(timing.multipliers, row.multipliers);
    EXPECT_EQ(timing.solverLatency, row.latency);
    EXPECT_EQ(timing.solverGap, row.gap);
    EXPECT_EQ(timing.wordSpacing, row.spacing);
    EXPECT_EQ(timing.inputGuard, row.guard);
    EXPECT_EQ(timing.searchLatency, row.block.n + 3);
    EXPECT_EQ(timing.outputLatency, row.output);
    EXPECT_EQ(timing.receivedWords, row.received);
    EXPECT_EQ(timing.errorWords, row.errors);
    EXPECT_EQ(timing.errorWordBits, row.errorBits);
  }
}

// Every full decoder of the wizard's range takes words back to back, and the count before the
// chosen one would not have: the choice is the fewest multipliers.
TEST(DecoderTimingTest, FullIsBackToBackWithTheFewestMultipliers) {
  for (BlockKind kind : {BlockKind::kStreamingDecoder, BlockKind::kDiscreteDecoder})
    for (int m : {3, 4, 6, 8})
      for (int n = 7; n < (1 << m); n += (1 << m) / 8 + 1)
        for (int r = 4; r < n && r <= 50; r += 5) {
          SCOPED_TRACE(platform::Format("m %d n %d r %d", m, n, r));
          const DecoderTiming timing = DecoderTimingOf(TestBlock(kind, true, m, n, r));
          EXPECT_EQ(timing.wordSpacing, n);
          EXPECT_LE(timing.solverGap, n);
          // One lane fewer (one multiplier for one lane) would be slower than n; the array
          // only where the most lanes are.
          if (timing.solver == SolverKind::kFolded && timing.multipliers > 1) {
            const int less = timing.multipliers == 3 ? 1 : timing.multipliers - 3;
            EXPECT_GT(FoldedSolverClocks(r, less), n) << less;
          }
          if (timing.solver == SolverKind::kArray) {
            EXPECT_GT(FoldedSolverClocks(r, 3 * (r / 2 + 1)), n);
          }
        }
}

TEST(DecoderTimingTest, SolverSummaryNamesTheChoice) {
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16))),
      "folded, 3 multipliers");
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16))),
      "folded, 1 multiplier");
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, true, 8, 255, 32))),
      "folded, 12 multipliers");
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, true, 6, 51, 50))),
      "3t+1-element array");
}

TEST(DecoderTimingTest, SolverChoiceStatesWhy) {
  EXPECT_EQ(SolverChoice(TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16)),
            "folded, 3 multipliers, the fewest for words back to back");
  EXPECT_EQ(SolverChoice(TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16)),
            "folded, 1 multiplier, the fewest for the vector file spacing");
  EXPECT_EQ(SolverChoice(TestBlock(BlockKind::kDiscreteDecoder, false, 6, 51, 50)),
            "folded, 9 multipliers, the fewest for the vector file run");
  EXPECT_EQ(SolverChoice(TestBlock(BlockKind::kStreamingDecoder, true, 6, 51, 50)),
            "3t+1-element array, as no folded count makes words back to back");
}

}  // namespace
}  // namespace hdl
