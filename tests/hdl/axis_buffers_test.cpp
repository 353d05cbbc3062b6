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
//   DVB full streaming: outputLatency 411, firstOut 203 + 411 + 2 = 616; d = 1, 2, 3: 204 each,
//   d = 4: 204 - (816 - 616) = 4: 820 -> 1024.
//   DVB half streaming (one multiplier): spacing 529, outputLatency 739, firstOut 944; d = 1:
//   204, d = 2: 204 - (1058 - 944) = 90: 498 -> 512.
//   (255,223) half streaming: spacing 1953, firstOut 254 + 2214 + 2 = 2470; d = 1: 255,
//   d = 2: 3906 > 2470 + 255: 510 -> 512.
//   (15,11) full discrete: spacing 16, firstOut 14 + 32 + 2 = 48; d = 1, 2, 3: 15, d = 4:
//   64 > 48 + 15: 60 -> 64.
//   Encoder: a symbol a clock, shown one edge after it is made, so firstOut 3 and three
//   symbols owed: 4.
TEST(AxisBuffersTest, WorkedDesigns) {
  const BuffersRow rows[] = {
      {"DVB full streaming", TestBlock(BlockKind::kStreamingDecoder, true, 8, 204, 16), 256, 9,
       1024, 14, 204, 616},
      {"DVB half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 204, 16), 256, 9,
       512, 14, 529, 944},
      {"(255,223) half streaming", TestBlock(BlockKind::kStreamingDecoder, false, 8, 255, 32), 256,
       9, 512, 15, 1953, 2470},
      {"(15,11) full discrete", TestBlock(BlockKind::kDiscreteDecoder, true, 4, 15, 4), 2, 5, 64, 8,
       16, 48},
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
