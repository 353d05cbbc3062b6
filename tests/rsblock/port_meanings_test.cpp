#include "rsblock/port_meanings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rsblock/block_ports.h"

namespace rsblock {
namespace {

bool Has(const RsPort& port, BlockRole role) {
  return port.use == PortUse::Both ||
         (port.use == PortUse::Encoder) == (role == BlockRole::kEncoder);
}

TEST(RsPortMeaningsTest, EveryPortOfEveryBlockHasOneAndNoOtherDoes) {
  for (BlockRole role :
       {BlockRole::kEncoder, BlockRole::kStreamingDecoder, BlockRole::kDiscreteDecoder}) {
    for (const RsPort& port : kRsPorts) {
      const std::string_view meaning = PortMeaning(port.name, role);
      if (Has(port, role)) {
        EXPECT_GE(meaning.size(), 20u) << port.name << " in role " << static_cast<int>(role);
        // One line of the design's comment: the direction, range and name take 30 columns.
        EXPECT_LE(meaning.size(), 70u) << port.name;
        EXPECT_EQ(meaning.find('\n'), std::string_view::npos);
      } else {
        EXPECT_TRUE(meaning.empty()) << port.name << " in role " << static_cast<int>(role);
      }
    }
  }
  EXPECT_TRUE(PortMeaning("clk", BlockRole::kEncoder).empty());
}

TEST(RsPortMeaningsTest, TheHandshakeDiffersBetweenStreamingAndDiscrete) {
  EXPECT_NE(PortMeaning("dsin", BlockRole::kStreamingDecoder),
            PortMeaning("dsin", BlockRole::kDiscreteDecoder));
  EXPECT_NE(PortMeaning("rdyin", BlockRole::kStreamingDecoder),
            PortMeaning("rdyin", BlockRole::kDiscreteDecoder));
  EXPECT_NE(PortMeaning("rsin", BlockRole::kEncoder),
            PortMeaning("rsin", BlockRole::kStreamingDecoder));
  EXPECT_NE(PortMeaning("reset", BlockRole::kEncoder),
            PortMeaning("reset", BlockRole::kDiscreteDecoder));
}

}  // namespace
}  // namespace rsblock
