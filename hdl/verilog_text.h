// Small pieces of Verilog text shared by the design and the testbenches.
#pragma once

#include <string>
#include <vector>

#include "hdl/block_description.h"

namespace hdl {

// {W'dv[last], ..., W'dv[0]}: a flat parameter whose entry i sits at [i*W +: W], wrapped after
// every `perLine` values with `indent` in front of the continuation lines.
std::string FlatConstant(const std::vector<int>& values, int width, const std::string& indent,
                         int perLine = 8);

// "[W:1] " for a bus, "" for a single bit.
std::string BusRange(const BlockPort& port);

}  // namespace hdl
