// A block of the generator's tests made without a description: the kind and the code, and the
// numerr width the wizard would give it.
#pragma once

#include "hdl/block_description.h"
#include "rsmath/rs_vector_writer.h"

namespace hdl {

inline BlockDescription TestBlock(BlockKind kind, bool full, int m, int n, int r) {
  BlockDescription block;
  block.kind = kind;
  block.full = full;
  block.m = m;
  block.n = n;
  block.check = r;
  block.numerrWidth = rsmath::numerrWidth(r);
  return block;
}

}  // namespace hdl
