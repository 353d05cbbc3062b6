// The decoder block seen from its ports, one rising clock edge at a time. The soak harness
// drives any model behind this interface, so it knows nothing of the RTL inside.
#pragma once

#include <cstdint>

namespace soak {

struct PortInputs {
  bool reset = false;
  bool dsin = false;
  bool dsout = true;
  bool bypass = false;
  uint32_t rsin = 0;
};

// What the block shows after an edge: the values the next edge reads.
struct PortOutputs {
  uint32_t rsout = 0;
  bool rdyin = false;
  bool outvalid = false;
  bool decfail = false;
  uint32_t numerr = 0;
};

class ClockedDecoder {
 public:
  virtual ~ClockedDecoder() = default;
  // Drives the inputs, raises the clock and returns the outputs after the edge.
  virtual PortOutputs Edge(const PortInputs& in) = 0;
};

}  // namespace soak
