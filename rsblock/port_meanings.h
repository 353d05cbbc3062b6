// What each port of the Reed-Solomon block means to the designer who wires it, one line each:
// the generated design's opening comment and the datasheet both quote it. The rules behind
// these lines (and the clock counts, which depend on the code) are in docs/hdl.md.
#pragma once

#include <string_view>

namespace rsblock {

enum class BlockRole { kEncoder, kStreamingDecoder, kDiscreteDecoder };

// The meaning of the port named name (one of kRsPorts) in a block of that role; empty for a
// name the block does not have.
std::string_view PortMeaning(std::string_view name, BlockRole role);

}  // namespace rsblock
