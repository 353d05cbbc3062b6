#include "hdl/axis_buffers.h"

#include <algorithm>

#include "hdl/decoder_timing.h"
#include "hdl/encoder_timing.h"

namespace hdl {

namespace {

// Edges from the block showing a symbol to m_axis taking it at the earliest: the output FIFO
// writes it on the first and offers it after the second (rs_axis_fifo.v).
constexpr int kShowToBeat = 2;
// A discrete decoder takes its symbols as they come: the input FIFO only passes them on at one
// a clock.
constexpr int kDiscreteInputDepth = 2;

int PowerOfTwoAtLeast(long entries) {
  int depth = 2;
  while (depth < entries) depth *= 2;
  return depth;
}

// Entries claimed at a word's entry: its own `symbols` and, of each word entered d * spacing
// edges before, the symbols m_axis has not taken before that edge.
long ClaimedAtEntry(long symbols, long spacing, long firstOut) {
  long claimed = symbols;
  for (long d = 1; d * spacing < firstOut + symbols; ++d)
    claimed += symbols - std::clamp(d * spacing - firstOut, 0L, symbols);
  return claimed;
}

}  // namespace

int AxisFifo::AddressBits() const {
  int bits = 0;
  while ((1 << bits) < depth) ++bits;
  return bits;
}

AxisBuffers AxisBuffersOf(const BlockDescription& block) {
  AxisBuffers buffers;
  if (!block.IsDecoder()) {
    // The encoder moves a symbol at a time, so a symbol is the unit the credit counts.
    buffers.wordClocks = block.n;
    buffers.firstOut = kEncoderLatency + kShowToBeat;
    buffers.output = {PowerOfTwoAtLeast(ClaimedAtEntry(1, 1, buffers.firstOut)), block.m};
    return buffers;
  }
  const DecoderTiming timing = DecoderTimingOf(block);
  buffers.wordClocks = block.n + timing.inputGuard;
  buffers.firstOut = timing.LatencyFromFirst(block.n) + kShowToBeat;
  const bool streaming = block.kind == BlockKind::kStreamingDecoder;
  buffers.input = {streaming ? PowerOfTwoAtLeast(block.n) : kDiscreteInputDepth, block.m + 1};
  buffers.output = {
      PowerOfTwoAtLeast(ClaimedAtEntry(block.n, buffers.wordClocks, buffers.firstOut)),
      block.m + block.numerrWidth + 1};
  return buffers;
}

}  // namespace hdl
