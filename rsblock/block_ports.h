// The ports of the Reed-Solomon block, listed once: the description declares them (with their
// connections) and the symbol draws one pin for each. Rows are in the order the description
// lists them; the symbol draws them in the order of pinOrder.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "rsblock/rs_settings.h"

namespace rsblock {

enum class PortWidth {
  Wire,        // one bit
  Symbol,      // a bus of m bits
  ErrorCount,  // a bus of numerrWidth(check) bits
};
enum class PinSide { Left, Right };
enum class PortUse { Both, Encoder, Decoder };

struct RsPort {
  const char* name;
  bool output;
  PortWidth width;
  PinSide side;
  int y;  // of the pin, from the top of the symbol
  PortUse use;
  int pinOrder;
};

inline constexpr std::array<RsPort, 13> kRsPorts{{
    {"start", false, PortWidth::Wire, PinSide::Left, 80, PortUse::Encoder, 5},
    {"enable", false, PortWidth::Wire, PinSide::Left, 96, PortUse::Encoder, 6},
    {"sysclk", false, PortWidth::Wire, PinSide::Left, 48, PortUse::Both, 2},
    {"reset", false, PortWidth::Wire, PinSide::Left, 64, PortUse::Both, 3},
    {"rsin", false, PortWidth::Symbol, PinSide::Left, 32, PortUse::Both, 1},
    {"rsout", true, PortWidth::Symbol, PinSide::Right, 32, PortUse::Both, 0},
    {"dsin", false, PortWidth::Wire, PinSide::Left, 80, PortUse::Decoder, 7},
    {"dsout", false, PortWidth::Wire, PinSide::Left, 96, PortUse::Decoder, 8},
    {"rdyin", true, PortWidth::Wire, PinSide::Right, 48, PortUse::Decoder, 4},
    {"outvalid", true, PortWidth::Wire, PinSide::Right, 64, PortUse::Decoder, 10},
    {"decfail", true, PortWidth::Wire, PinSide::Right, 80, PortUse::Decoder, 11},
    {"bypass", false, PortWidth::Wire, PinSide::Left, 112, PortUse::Decoder, 9},
    {"numerr", true, PortWidth::ErrorCount, PinSide::Right, 96, PortUse::Decoder, 12},
}};

// The rows in the order the symbol draws their pins.
inline constexpr std::array<const RsPort*, kRsPorts.size()> kRsPinsInOrder = [] {
  std::array<const RsPort*, kRsPorts.size()> pins{};
  for (std::size_t i = 0; i < kRsPorts.size(); ++i) pins[i] = &kRsPorts[i];
  std::sort(pins.begin(), pins.end(),
            [](const RsPort* a, const RsPort* b) { return a->pinOrder < b->pinOrder; });
  return pins;
}();

// Whether the block of these settings has the port.
bool HasPort(const RsPort& port, const RsSettings& settings);

// The port's width in bits for a bus, 0 for a wire.
int PortBits(const RsPort& port, const RsSettings& settings);

}  // namespace rsblock
