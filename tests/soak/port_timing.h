// The soak's view of the block's clocks, from the generator's decoder timing: nothing here
// counts clocks itself.
#pragma once

#include "hdl/block_description.h"
#include "tests/soak/decoder_soak.h"

namespace soak {

PortTiming PortTimingOf(const hdl::BlockDescription& block);

}  // namespace soak
