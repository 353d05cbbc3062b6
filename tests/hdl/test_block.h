// A block of the generator's tests made without a description: the kind and the code, and the
// numerr width the wizard would give it.
#pragma once

#include "hdl/block_description.h"
#include "rsblock/block_ports.h"
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

// The same with its field polynomial and first root, and the wizard's ports for the kind of
// block in the description's order.
inline BlockDescription TestBlockWithPorts(BlockKind kind, bool full, int m, int n, int r,
                                           int irrpol, int genstart = 0) {
  BlockDescription block = TestBlock(kind, full, m, n, r);
  block.irrpol = irrpol;
  block.genstart = genstart;
  const bool encoder = kind == BlockKind::kEncoder;
  for (const rsblock::RsPort& port : rsblock::kRsPorts) {
    if (port.use != rsblock::PortUse::Both && (port.use == rsblock::PortUse::Encoder) != encoder)
      continue;
    const int width = port.width == rsblock::PortWidth::Symbol       ? m
                      : port.width == rsblock::PortWidth::ErrorCount ? block.numerrWidth
                                                                     : 0;
    block.ports.push_back({port.name, width, port.output});
  }
  return block;
}

}  // namespace hdl
