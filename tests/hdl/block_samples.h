// Blocks as the generator reads them from a description, made directly for the generator's
// unit tests: the ports are the wizard's for the kind of block, in the description's order.
#pragma once

#include "hdl/block_description.h"
#include "rsblock/block_ports.h"
#include "rsmath/rs_vector_writer.h"

namespace hdltest {

inline hdl::BlockDescription Block(hdl::BlockKind kind, bool full, int m, int n, int r, int irrpol,
                                   int genstart = 0) {
  hdl::BlockDescription block;
  block.kind = kind;
  block.full = full;
  block.m = m;
  block.n = n;
  block.check = r;
  block.irrpol = irrpol;
  block.genstart = genstart;
  block.numerrWidth = rsmath::numerrWidth(r);
  const bool encoder = kind == hdl::BlockKind::kEncoder;
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

}  // namespace hdltest
