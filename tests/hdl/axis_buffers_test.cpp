#include "hdl/axis_buffers.h"

#include <gtest/gtest.h>

#include "tests/hdl/test_block.h"

namespace hdl {
namespace {

struct BuffersRow {
  const char* what;
  BlockDescription block;
  int inputDepth, inputBits, outputDepth, outputBits, wordClocks, firstOut;
};

// Worked by hand. A decoder word's first symbol leaves the block n - 1 + outputLatency edges
// after it entered, and m_axis can take it two edges later (firstOut); with words entering
// wordClocks apart the output FIFO must hold, at an entry, the word's n symbols plus what each
// earlier word still owes: n - clamp(d wordClocks - firstOut, 0, n) for the word d back.
//   DVB full streaming: outputLatency 233, firstOut 203 + 233 + 2 = 438; d = 1, 2: 204 each,
//   d = 3: 204 - (612 - 438) = 30: 204 + 438 = 642 -> 1024.
//   DVB half streaming: outputLatency 388, firstOut 593; d = 1, 2: 204, d = 3: 204 - 19 = 185:
//   797 -> 1024.
//   (255,223) half streaming: spacing 1905, firstOut 254 + 2163 + 2 = 2419; d = 1: 255,
//   d = 2: 3810 > 2419 + 255: 510 -> 512.
//   (15,11) full discrete: spacing 16, firstOut 14 + 26 + 2 = 42; d = 1, 2: 15, d = 3: 15 - 6
//   = 9: 54 -> 64.
//   Encoder: a symbol a clock, shown one edge after it is made, so firstOut 3 and three
//   symbols owed: 4.
TEST(AxisBuffersTest, WorkedDesigns) {
  const BuffersRow rows[] = {
      {"DVB full streaming", TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16), 256, 9,
       1024, 14, 204, 438},
      {"DVB half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16), 256, 9,
       1024, 14, 204, 593},
      {"(255,223) half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 255, 32), 256,
       9, 512, 15, 1905, 2419},
      {"(15,11) full discrete", TestBlock(BlockKind::kDiscreteDecoder, true, 4, 15, 4), 2, 5, 64, 8,
       16, 42},
      {"DVB encoder", TestBlock(BlockKind::kEncoder, true, 8, 204, 16), 0, 0, 4, 8, 204, 3},
  };
  for (const BuffersRow& row : rows) {
    SCOPED_TRACE(row.what);
    const AxisBuffers buffers = AxisBuffersOf(row.block);
    EXPECT_EQ(buffers.input.depth, row.inputDepth);
    EXPECT_EQ(buffers.input.bits, row.inputBits);
    EXPECT_EQ(buffers.output.depth, row.outputDepth);
    EXPECT_EQ(buffers.output.bits, row.outputBits);
    EXPECT_EQ(buffers.wordClocks, row.wordClocks);
    EXPECT_EQ(buffers.firstOut, row.firstOut);
  }
}

// Whatever the code, the wrapper's RTL needs FIFOs of a power of two that hold a word (the
// input one of a streaming decoder too), and its address bits name that depth.
TEST(AxisBuffersTest, EveryDesignGetsPowersOfTwoThatHoldAWord) {
  for (BlockKind kind :
       {BlockKind::kEncoder, BlockKind::kDiscreteDecoder, BlockKind::kStreamingDecoder})
    for (bool full : {true, false})
      for (int n : {5, 7, 15, 16, 17, 64, 100, 204, 255}) {
        for (int r : {4, 5, 16, 32, 50}) {
          if (r >= n) continue;
          SCOPED_TRACE(testing::Message()
                       << static_cast<int>(kind) << " " << full << " " << n << " " << r);
          const AxisBuffers buffers = AxisBuffersOf(TestBlock(kind, full, 8, n, r));
          const int unit = kind == BlockKind::kEncoder ? 1 : n;
          EXPECT_GE(buffers.output.depth, unit);
          EXPECT_EQ(1 << buffers.output.AddressBits(), buffers.output.depth);
          EXPECT_GE(buffers.wordClocks, n);
          if (kind == BlockKind::kStreamingDecoder) {
            EXPECT_GE(buffers.input.depth, n);
            EXPECT_LT(buffers.input.depth, 2 * n);
          }
          if (kind != BlockKind::kEncoder) {
            EXPECT_EQ(1 << buffers.input.AddressBits(), buffers.input.depth);
          }
        }
      }
}

}  // namespace
}  // namespace hdl
