// The soak: generated decoders compiled with Verilator, every word judged (see
// decoder_soak.h); the harness shown able to fail on a wrong expectation and on mutated blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "hdl/decoder_timing.h"
#include "tests/soak/soak_build.h"
#include "tests/support/text_lines.h"

namespace {

using managertest::Code;

// A design and the words it gets: `words` with dsout held at 1, a tenth as many toggled.
struct SoakCase {
  Code code;
  uint64_t words;
};

void PrintTo(const SoakCase& soakCase, std::ostream* os) {
  managertest::PrintTo(soakCase.code, os);
  *os << ", " << soakCase.words << " words";
}

// The CI share: over a million words within a few minutes on two cores, Verilator's
// compiles included. The small code gets most of them, since its words are 15 clocks.
std::vector<SoakCase> CiCases() {
  return {{{"streaming full", 4, 19, 15, 4, 0}, 640000},
          {{"streaming full", 8, 285, 204, 16, 0}, 120000},
          {{"streaming half", 8, 285, 204, 16, 0}, 120000},
          {{"discrete half", 6, 67, 40, 7, 2}, 120000}};
}

// Every variant of eight codes: every m, odd r, r = 50, non-zero first roots.
std::vector<SoakCase> NightlyCases() {
  std::vector<SoakCase> cases;
  if (std::getenv("RSWIZARD_SOAK_NIGHTLY") == nullptr) return cases;
  const Code codes[] = {{"", 4, 19, 15, 4, 0},    {"", 4, 25, 15, 5, 3},
                        {"", 5, 37, 31, 6, 1},    {"", 6, 67, 63, 9, 7},
                        {"", 7, 137, 127, 16, 2}, {"", 8, 285, 204, 16, 0},
                        {"", 8, 285, 255, 32, 0}, {"", 8, 391, 255, 50, 120}};
  for (const char* kind : {"streaming full", "streaming half", "discrete full", "discrete half"})
    for (Code code : codes) {
      code.kind = kind;
      hdl::BlockDescription block;
      block.kind =
          kind[0] == 'd' ? hdl::BlockKind::kDiscreteDecoder : hdl::BlockKind::kStreamingDecoder;
      block.full = std::string(kind).ends_with("full");
      block.m = code.m;
      block.n = code.n;
      block.check = code.r;
      block.irrpol = code.irrpol;
      block.genstart = code.genstart;
      // Each design gets about 24 million clocks of words sent as closely as it takes them:
      // some 18 million words in all, most of them of the short codes.
      const int spacing = std::max(code.n, hdl::DecoderTimingOf(block).wordSpacing);
      cases.push_back({code, static_cast<uint64_t>(24000000 / spacing)});
    }
  return cases;
}

// The harness's run, and the number of words it judged.
uint64_t ExpectPasses(const testsupport::RunResult& run, uint64_t atLeast) {
  EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
  const std::vector<std::string> lines = testsupport::SplitLines(run.out);
  if (lines.empty()) {
    ADD_FAILURE() << "no output: " << run.err;
    return 0;
  }
  const uint64_t judged = std::strtoull(lines.back().c_str(), nullptr, 10);
  EXPECT_NE(lines.back().find(" words judged, 0 failed"), std::string::npos) << run.out;
  EXPECT_GE(judged, atLeast) << run.out;
  return judged;
}

class Soak : public ::testing::TestWithParam<SoakCase> {};

TEST_P(Soak, JudgesEveryWord) {
  const SoakCase& soakCase = GetParam();
  const auto dir = soak::DesignDirectory(soakCase.code, "");
  const std::string error = soak::BuildSoak(soakCase.code, dir);
  ASSERT_EQ(error, "");
  const uint64_t toggled = soakCase.words / 10;
  const testsupport::RunResult run = soak::RunSoakBinary(
      dir, {"--words", std::to_string(soakCase.words), "--toggled-words", std::to_string(toggled),
            "--seed", std::to_string(soakCase.code.n)});
  std::printf("%s", run.out.c_str());
  ExpectPasses(run, soakCase.words + toggled);
}

// Numbered, not named: CMake registers the CI cases by number.
INSTANTIATE_TEST_SUITE_P(Ci, Soak, ::testing::ValuesIn(CiCases()));
INSTANTIATE_TEST_SUITE_P(Nightly, Soak, ::testing::ValuesIn(NightlyCases()));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Soak);

// The harness fails where the block or the expectation is wrong.
class SoakFailure : public ::testing::Test {
 protected:
  static constexpr Code kCode{"streaming full", 4, 19, 15, 4, 0};

  testsupport::RunResult Run(const std::string& variant,
                             const std::function<void(std::string&)>& edit,
                             std::vector<std::string> args) {
    const auto dir = soak::DesignDirectory(kCode, variant);
    const std::string error = soak::BuildSoak(kCode, dir, edit);
    EXPECT_EQ(error, "");
    return soak::RunSoakBinary(dir, args);
  }

  static void ExpectFails(const testsupport::RunResult& run, const std::string& why) {
    EXPECT_EQ(run.exitStatus, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("FAIL " + why), std::string::npos) << run.out;
    const std::vector<std::string> lines = testsupport::SplitLines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().find(" words judged, 0 failed"), std::string::npos) << run.out;
  }

  // Replaces the first `from` in the generated top module's text.
  static std::function<void(std::string&)> Replace(std::string from, std::string to) {
    return [from, to](std::string& text) {
      const std::size_t at = text.find(from);
      ASSERT_NE(at, std::string::npos) << from;
      text.replace(at, from.size(), to);
    };
  }
};

TEST_F(SoakFailure, OnAWrongExpectation) {
  ExpectFails(Run("_wrong", {}, {"--words", "2000", "--wrong-expectation", "100"}), "edge ");
}

TEST_F(SoakFailure, OnABlockThatIgnoresBypass) {
  ExpectFails(Run("_nobypass", Replace(".bypass(bypass)", ".bypass(1'b0)"), {"--words", "2000"}),
              "edge ");
}

TEST_F(SoakFailure, OnABlockThatIgnoresDsout) {
  // Only the toggled run can see it.
  const auto edit = Replace(".dsout(dsout)", ".dsout(1'b1)");
  const testsupport::RunResult held = Run("_nodsout", edit, {"--words", "2000"});
  ExpectPasses(held, 2000);
  ExpectFails(Run("_nodsout", edit, {"--words", "2000", "--toggled-words", "2000"}), "edge ");
}

TEST_F(SoakFailure, OnABlockThatTakesWordsAClockLate) {
  // dsin through one more register: every word is taken an edge after its first symbol.
  const auto edit = [](std::string& text) {
    Replace(".dsin(dsin)", ".dsin(dsin_late)")(text);
    const std::size_t body = text.find("\n);\n");
    ASSERT_NE(body, std::string::npos);
    text.insert(body + 4,
                "  reg dsin_late = 1'b0;\n  always @(posedge sysclk) dsin_late <= dsin;\n");
  };
  ExpectFails(Run("_late", edit, {"--words", "2000"}), "edge ");
}

}  // namespace
