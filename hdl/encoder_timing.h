// The encoder block's clocks, which are the same for every code: it takes a symbol on every
// enabled edge and shows it, or the check symbol it makes, after that edge; a codeword takes n
// enabled edges and the next follows at once (docs/hdl.md, the encoder at its ports).
#pragma once

namespace hdl {

// Edges from the enabled edge that takes or makes a symbol to the edge that reads it on rsout.
inline constexpr int kEncoderLatency = 1;

}  // namespace hdl
