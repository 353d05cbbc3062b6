#include "hdl/design_header.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "hdl/decoder_timing.h"
#include "tests/hdl/test_block.h"
#include "tests/support/text_lines.h"

namespace hdl {
namespace {

std::vector<BlockDescription> Blocks() {
  return {
      TestBlockWithPorts(BlockKind::kStreamingDecoder, true, 8, 204, 16, 285),
      TestBlockWithPorts(BlockKind::kStreamingDecoder, false, 8, 255, 32, 285, 1),
      TestBlockWithPorts(BlockKind::kDiscreteDecoder, false, 6, 51, 50, 67),
      TestBlockWithPorts(BlockKind::kDiscreteDecoder, true, 4, 15, 4, 19),
      TestBlockWithPorts(BlockKind::kEncoder, true, 8, 204, 16, 285),
  };
}

// The line of the port, found by its name as a whole word after the direction and range.
std::string PortLine(const std::vector<std::string>& lines, const BlockPort& port) {
  const std::string range = port.width ? "[" + std::to_string(port.width) + ":1]" : "";
  for (const std::string& line : lines) {
    std::istringstream words(line);
    std::string slashes, direction, next, name;
    words >> slashes >> direction >> next;
    name = next;
    if (next.starts_with("[")) {
      if (next != range) continue;
      words >> name;
    } else if (!range.empty()) {
      continue;
    }
    if (direction == (port.output ? "output" : "input") && name == port.name) return line;
  }
  return "";
}

TEST(DesignHeaderTest, NamesEveryPortWithItsDirectionWidthAndMeaning) {
  for (const BlockDescription& block : Blocks()) {
    SCOPED_TRACE(testing::Message() << "n " << block.n << " r " << block.check << " kind "
                                    << static_cast<int>(block.kind));
    const std::vector<std::string> lines =
        testsupport::SplitLines(DesignHeaderComment(block, "rs"));
    for (const BlockPort& port : block.ports) {
      const std::string line = PortLine(lines, port);
      ASSERT_FALSE(line.empty()) << port.name;
      // A meaning follows the name.
      EXPECT_GT(line.size(), line.find(port.name) + port.name.size() + 8) << line;
    }
  }
}

TEST(DesignHeaderTest, StatesTheLatencyAndSpacingOfTheTiming) {
  for (const BlockDescription& block : Blocks()) {
    if (!block.IsDecoder()) continue;
    const DecoderTiming timing = DecoderTimingOf(block);
    const std::string text = DesignHeaderComment(block, "rs");
    const bool streaming = block.kind == BlockKind::kStreamingDecoder;
    const auto has = [&text](const std::string& name, int clocks) {
      const std::regex line("//   " + name + " +" + std::to_string(clocks) + "  ");
      return std::regex_search(text, line);
    };
    EXPECT_TRUE(has("latency", streaming ? timing.LatencyFromFirst(block.n) : timing.outputLatency))
        << text;
    if (streaming) {
      EXPECT_TRUE(has("latency from last", timing.outputLatency)) << text;
    }
    EXPECT_TRUE(has("word spacing", streaming ? timing.wordSpacing : block.n + timing.inputGuard))
        << text;
    EXPECT_TRUE(has("rdyin guard", timing.inputGuard)) << text;
    EXPECT_NE(text.find("key-equation solver: " + SolverSummary(timing)), std::string::npos);
  }
}

TEST(DesignHeaderTest, StaysACommentOfShortLinesThatPointsToTheGuide) {
  for (const BlockDescription& block : Blocks()) {
    const std::string text = DesignHeaderComment(block, "rs");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    for (const std::string& line : testsupport::SplitLines(text)) {
      EXPECT_TRUE(line.starts_with("//")) << line;
      EXPECT_LE(line.size(), 100u) << line;
    }
    EXPECT_NE(text.find(kInstalledHdlGuide), std::string::npos);
    EXPECT_NE(text.find(block.IsDecoder() ? "decoder" : "encoder"), std::string::npos);
  }
  const std::string dvb = DesignHeaderComment(Blocks()[0], "rs");
  EXPECT_NE(dvb.find("m = 8 bits per symbol, n = 204, k = 188, r = 16, t = 8"), std::string::npos);
  EXPECT_NE(dvb.find("field polynomial 285 (x^8 + x^4 + x^3 + x^2 + 1), first root a^0"),
            std::string::npos);
}

}  // namespace
}  // namespace hdl
