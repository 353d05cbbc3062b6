// The Intel HEX reader at the top of its 64 KiB: a record may end at address FFFF, never run
// past it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hdl/hex_table_reader.h"
#include "hdl/refusal.h"

namespace {

TEST(HexTableTopAddress, ARecordMayEndAtTheLastAddress) {
  const std::vector<int> memory = hdl::ReadIntelHex(":02FFFE00AABB9C\n:00000001FF\n", "t.hex");
  ASSERT_EQ(memory.size(), 65536u);
  EXPECT_EQ(memory[65534], 0xaa);
  EXPECT_EQ(memory[65535], 0xbb);
  EXPECT_EQ(memory[0], 0) << "a gap reads 0";
  EXPECT_EQ(hdl::ReadIntelHex(":01FFFF00AA57\n:00000001FF\n", "t.hex").size(), 65536u);
}

TEST(HexTableTopAddress, ARecordRunningPastTheLastAddressIsRefused) {
  try {
    hdl::ReadIntelHex(":0100000000FF\n:02FFFF00AABB9B\n:00000001FF\n", "t.hex");
    FAIL() << "accepted";
  } catch (const hdl::Refusal& refusal) {
    EXPECT_STREQ(refusal.what(), "t.hex line 2: a record that runs past address FFFF");
  }
}

}  // namespace
