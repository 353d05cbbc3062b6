// The two FIFOs of the AXI4-Stream wrapper NAME_axis, sized for one design, and the rate they
// must keep: the block's own, a word every wordClocks clocks.
//
// The output FIFO takes every symbol the block shows, since the block cannot hold its output
// back, so a word enters the block only when the FIFO has room for it besides all the words
// before it still owe to m_axis. With m_axis_tready held 1 a word's symbols leave at a fixed
// time after it entered; the FIFO must hold, at each entry, the word and what the earlier words
// entered wordClocks apart have not yet given away. The input FIFO of a streaming decoder holds
// a whole word, since the block takes a word's symbols on consecutive clocks once started.
#pragma once

#include "hdl/block_description.h"

namespace hdl {

struct AxisFifo {
  int depth = 0;  // entries, a power of two (the wrapper's memory address bits, AW, from it)
  int bits = 0;   // of an entry

  int AddressBits() const;
};

struct AxisBuffers {
  AxisFifo input;      // decoder: the symbols and their bypass bit; encoder: none (depth 0)
  AxisFifo output;     // decoder: {decfail, numerr, symbol}; encoder: the symbol
  int wordClocks = 0;  // the closest two words' first symbols may be at the block
  int firstOut = 0;    // edges from a word's first symbol entering the block to the edge on
                       //   which m_axis can take its first symbol at the earliest
};

// Throws nothing.
AxisBuffers AxisBuffersOf(const BlockDescription& block);

}  // namespace hdl
