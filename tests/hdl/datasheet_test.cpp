#include "hdl/datasheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <string>

#include "hdl/decoder_timing.h"
#include "hdl/xml_text.h"
#include "rsmath/decoded_error_rate.h"
#include "tests/hdl/block_samples.h"
#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace hdl {
namespace {

using hdltest::Block;
using rsmath::DecodedErrorRate;

struct PageRow {
  const char* what;
  BlockDescription block;
};

std::vector<PageRow> Pages() {
  return {
      {"DVB full streaming", Block(BlockKind::kStreamingDecoder, true, 8, 204, 16, 285)},
      {"DVB half discrete", Block(BlockKind::kDiscreteDecoder, false, 8, 204, 16, 285)},
      {"(255,223) half streaming", Block(BlockKind::kStreamingDecoder, false, 8, 255, 32, 285, 1)},
      {"(15,11) encoder", Block(BlockKind::kEncoder, true, 4, 15, 4, 19, 3)},
  };
}

std::string PageOf(const BlockDescription& block) {
  return Datasheet(block, {"rs", "rs.cnx", {{"rs.v", "the block"}}, std::nullopt, "none"});
}

// The text of the element with that id; fails the test when there is none.
std::string ById(const std::string& page, const std::string& id) {
  const std::regex pattern("id=\"" + id + "\"[^>]*>([^<]*)<");
  std::smatch match;
  if (!std::regex_search(page, match, pattern)) {
    ADD_FAILURE() << "no element " << id;
    return "";
  }
  return match[1];
}

TEST(DatasheetTest, ClocksAndMemoriesAreTheDecoderTiming) {
  for (const PageRow& row : Pages()) {
    SCOPED_TRACE(row.what);
    const BlockDescription& block = row.block;
    const std::string page = PageOf(block);
    EXPECT_EQ(ById(page, "code-n"), std::to_string(block.n));
    EXPECT_EQ(ById(page, "code-k"), std::to_string(block.n - block.check));
    EXPECT_EQ(ById(page, "code-t"), std::to_string(block.check / 2));
    if (!block.IsDecoder()) {
      EXPECT_EQ(ById(page, "clock-word-spacing"), std::to_string(block.n));
      EXPECT_NE(page.find("None: the encoder keeps its state in flip-flops"), std::string::npos);
      continue;
    }
    const DecoderTiming timing = DecoderTimingOf(block);
    const bool streaming = block.kind == BlockKind::kStreamingDecoder;
    EXPECT_EQ(ById(page, "clock-latency"),
              std::to_string(streaming ? timing.LatencyFromFirst(block.n) : timing.outputLatency));
    EXPECT_EQ(ById(page, "clock-word-spacing"), std::to_string(timing.wordSpacing));
    EXPECT_EQ(ById(page, "clock-rdyin-guard"), std::to_string(timing.inputGuard));
    EXPECT_EQ(ById(page, "memory-1"), std::to_string(timing.receivedWords) + " &#215; " +
                                          std::to_string(block.m + 1) + " bits");
    EXPECT_EQ(ById(page, "memory-2"), std::to_string(timing.errorWords) + " &#215; " +
                                          std::to_string(timing.errorWordBits) + " bits");
    EXPECT_EQ(ById(page, "code-solver"), SolverSummary(timing));
  }
}

TEST(DatasheetTest, ErrorRatesAreTheModels) {
  for (const PageRow& row : Pages()) {
    SCOPED_TRACE(row.what);
    const BlockDescription& block = row.block;
    const std::string page = PageOf(block);
    const DecodedErrorRate model(block.m, block.n, block.check);
    for (int exponent : {6, 9}) {
      const double target = std::pow(10.0, -exponent);
      EXPECT_EQ(ById(page, "rate-word-" + std::to_string(exponent)),
                RateText(*model.ChannelRateFor(DecodedErrorRate::Output::kCodeword, target)));
      EXPECT_EQ(ById(page, "rate-symbol-" + std::to_string(exponent)),
                RateText(*model.ChannelRateFor(DecodedErrorRate::Output::kSymbol, target)));
    }
    const int t = block.check / 2;
    EXPECT_EQ(ById(page, "miscorrection-" + std::to_string(t + 1)),
              RateText(model.MiscorrectionProbability(t + 1)));
    EXPECT_EQ(ById(page, "point-1-word"),
              RateText(model.CodewordErrorRate(std::stod(ById(page, "point-1-p")))));
  }
}

TEST(DatasheetTest, NamesEveryPortAndFetchesNothing) {
  for (const PageRow& row : Pages()) {
    SCOPED_TRACE(row.what);
    const std::string page = PageOf(row.block);
    for (const BlockPort& port : row.block.ports)
      EXPECT_EQ(ById(page, "port-" + port.name),
                port.width ? "[" + std::to_string(port.width) + ":1]" : "1");
    // Only the XHTML and SVG namespaces name a site; they are names, never fetched.
    const std::string names = std::regex_replace(
        page, std::regex("xmlns=\"http://www.w3.org/(1999/xhtml|2000/svg)\""), "");
    for (const char* outside : {"<script", "<link", "<img", "url(", "@import", "http", "src="})
      EXPECT_EQ(names.find(outside), std::string::npos) << outside;
  }
}

// The page parsed as XML and its error rates recomputed in exact arithmetic, in Python, apart
// from the C++ that wrote them; a corrupted rate must be caught.
TEST(DatasheetTest, AnXmlParserAndAnExactComputationAgree) {
  if (!std::filesystem::exists("/usr/bin/python3")) GTEST_SKIP() << "no python3";
  const std::string script = std::string(RS_SOURCE_DIR) + "/tests/hdl/datasheet_check.py";
  testsupport::TempDir dir;
  const auto check = [&](const std::string& page) {
    testsupport::WriteFileText(dir.Path() / "rs.html", page);
    return testsupport::RunWizardBinary(
        {{script, (dir.Path() / "rs.html").string()}, "", {}, "", "/usr/bin/python3"});
  };
  for (const PageRow& row : {Pages()[0], Pages()[3]}) {
    SCOPED_TRACE(row.what);
    const std::string page = PageOf(row.block);
    const testsupport::RunResult run = check(page);
    EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("datasheet checks passed"), std::string::npos) << run.out;

    std::string corrupted = page;
    const std::string cell = "id=\"point-1-word\" class=\"number\">";
    const std::size_t at = corrupted.find(cell) + cell.size();
    corrupted.replace(at, corrupted.find('<', at) - at, "1.50e-21");
    EXPECT_EQ(check(corrupted).exitStatus, 1) << "a wrong rate passed";
    EXPECT_EQ(check(page.substr(0, page.size() - 10)).exitStatus, 1) << "a cut page passed";
  }
}

}  // namespace
}  // namespace hdl
