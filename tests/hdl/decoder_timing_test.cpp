#include "hdl/decoder_timing.h"

#include <gtest/gtest.h>

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
// r + 1; the folded solver (3 multipliers) (r + (t+1)/2)(t+1) + 1, (1 multiplier)
// (3r + t)(t+1) + 1. The received memory covers 2n + latency + 2 clocks of words.
TEST(DecoderTimingTest, WorkedDesigns) {
  const TimingRow rows[] = {
      {"DVB full streaming", TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16),
       SolverKind::kArray, 0, 26, 17, 204, 0, 233, 512, 32, 17},
      {"DVB half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16),
       SolverKind::kFolded, 3, 181, 181, 204, 0, 388, 1024, 32, 17},
      {"(255,223) half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 255, 32),
       SolverKind::kFolded, 1, 1905, 1905, 1905, 1650, 2163, 1024, 64, 17},
      {"(15,11) full discrete", TestBlock(BlockKind::kDiscreteDecoder, true, 4, 15, 4),
       SolverKind::kArray, 0, 8, 5, 15, 1, 26, 64, 8, 9},
      {"(51,1) half discrete: no folded count fits",
       TestBlock(BlockKind::kDiscreteDecoder, false, 6, 51, 50), SolverKind::kArray, 0, 77, 51, 51,
       1, 131, 256, 64, 13},
      {"(255,239) half discrete", TestBlock(BlockKind::kDiscreteDecoder, false, 8, 255, 16),
       SolverKind::kFolded, 1, 505, 505, 505, 250, 763, 1024, 32, 17},
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
    EXPECT_EQ(timing.outputLatency, row.output);
    EXPECT_EQ(timing.receivedWords, row.received);
    EXPECT_EQ(timing.errorWords, row.errors);
    EXPECT_EQ(timing.errorWordBits, row.errorBits);
  }
}

TEST(DecoderTimingTest, SolverSummaryNamesTheChoice) {
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16))),
      "3t+1-element array");
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16))),
      "folded, 3 multipliers");
  EXPECT_EQ(
      SolverSummary(DecoderTimingOf(TestBlock(BlockKind::kStreamingDecoder, false, 8, 255, 32))),
      "folded, 1 multiplier");
}

}  // namespace
}  // namespace hdl
