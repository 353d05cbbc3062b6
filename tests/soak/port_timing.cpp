#include "tests/soak/port_timing.h"

#include "hdl/decoder_timing.h"

namespace soak {

PortTiming PortTimingOf(const hdl::BlockDescription& block) {
  const hdl::DecoderTiming timing = hdl::DecoderTimingOf(block);
  PortTiming ports;
  ports.discrete = block.kind == hdl::BlockKind::kDiscreteDecoder;
  ports.latency = timing.outputLatency;
  ports.guard = timing.inputGuard;
  return ports;
}

}  // namespace soak
