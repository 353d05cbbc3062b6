// The console scripts of examples/, each played against the real binary on a new design in a
// fresh directory, as the README tells a user to run them. Every script must finish cleanly
// and build the block it says it builds; a script added to examples/ without an entry here
// fails the test, so none goes unchecked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace {

namespace fs = std::filesystem;

// What a script is meant to build, written from the script's purpose.
struct ExpectedBlock {
  std::string module;
  bool decoder = false;
  std::string speed;  // decoders only: "full" or "half"
  int discrete = 0;   // decoders only: the private Disc_Stream
  int m = 0, n = 0, check = 0, irrpol = 0, genstart = 0;
  int numerrWidth = 0;  // decoders only: bits of the numerr port
};

const std::map<std::string, ExpectedBlock>& ExpectedBlocks() {
  static const std::map<std::string, ExpectedBlock> blocks = {
      // A new design finished at once keeps the settings of a new design.
      {"default_encoder",
       {.module = "RS_Enc",
        .decoder = false,
        .speed = "",
        .discrete = 0,
        .m = 4,
        .n = 5,
        .check = 4,
        .irrpol = 19,
        .genstart = 0,
        .numerrWidth = 0}},
      // The DVB preset on a full discrete decoder.
      {"dvb_decoder",
       {.module = "rsdsca",
        .decoder = true,
        .speed = "full",
        .discrete = 1,
        .m = 8,
        .n = 204,
        .check = 16,
        .irrpol = 285,
        .genstart = 0,
        .numerrWidth = 5}},
      {"streaming_half_decoder",
       {.module = "rsstrb",
        .decoder = true,
        .speed = "half",
        .discrete = 0,
        .m = 6,
        .n = 40,
        .check = 8,
        .irrpol = 91,
        .genstart = 2,
        .numerrWidth = 4}},
      {"maximal_m8",
       {.module = "rsstrb",
        .decoder = true,
        .speed = "full",
        .discrete = 0,
        .m = 8,
        .n = 255,
        .check = 50,
        .irrpol = 285,
        .genstart = 0,
        .numerrWidth = 6}},
  };
  return blocks;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The value of the first "KIND: NAME TYPE "VALUE"" line of a description, if there is one.
std::optional<std::string> DescriptionValue(const std::string& description, const std::string& kind,
                                            const std::string& name) {
  const std::string prefix = kind + ": " + name + " ";
  for (const std::string& line : Lines(description)) {
    if (line.rfind(prefix, 0) != 0) continue;
    const std::size_t open = line.find('"');
    const std::size_t close = line.rfind('"');
    if (open == std::string::npos || close == open) return std::nullopt;
    return line.substr(open + 1, close - open - 1);
  }
  return std::nullopt;
}

std::set<std::string> FileNames(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory))
    names.insert(entry.path().filename().string());
  return names;
}

std::vector<std::string> ExampleScripts() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(RS_SOURCE_DIR) / "examples"))
    if (entry.path().extension() == ".events") names.push_back(entry.path().stem().string());
  return names;
}

TEST(Examples, EveryScriptHasAnExpectedBlock) {
  const std::vector<std::string> scripts = ExampleScripts();
  std::set<std::string> seen(scripts.begin(), scripts.end());
  for (const std::string& name : scripts)
    EXPECT_TRUE(ExpectedBlocks().count(name))
        << "examples/" << name << ".events has no expected block in this test";
  for (const auto& [name, block] : ExpectedBlocks())
    EXPECT_TRUE(seen.count(name)) << "examples/" << name << ".events is missing";
}

TEST(Examples, EveryScriptBuildsItsBlock) {
  for (const std::string& name : ExampleScripts()) {
    SCOPED_TRACE("examples/" + name + ".events");
    const auto found = ExpectedBlocks().find(name);
    if (found == ExpectedBlocks().end()) continue;  // reported by the test above
    const ExpectedBlock& want = found->second;

    testsupport::TempDir dir;
    const std::string script =
        testsupport::ReadFileText(fs::path(RS_SOURCE_DIR) / "examples" / (name + ".events"));
    const auto run = testsupport::RunWizard({"-n", dir.Dir() + "rs.tdf"}, script);

    EXPECT_EQ(run.exitStatus, 0) << run.err;
    for (const std::string& line : Lines(run.err))
      EXPECT_NE(line.rfind("error:", 0), 0u)
          << "the console refused a line of the script: " << line;
    // A message box would mean a value was refused and reset: none of the scripts types one.
    EXPECT_EQ(run.err, "");

    const std::string inv =
        "inv_" + std::to_string(want.m) + "_" + std::to_string(want.irrpol) + ".hex";
    const std::string evnum = "evnum_" + std::to_string(want.m) + "_" +
                              std::to_string(want.irrpol) + "_" + std::to_string(want.genstart) +
                              ".hex";
    std::set<std::string> files = {"rs.cnx", "rs.vec"};
    if (want.decoder) files.insert({inv, evnum});
    EXPECT_EQ(FileNames(dir.Path()), files);

    const fs::path cnxPath = dir.Path() / "rs.cnx";
    if (!fs::exists(cnxPath)) continue;
    const std::string cnx = testsupport::ReadFileText(cnxPath);
    const std::vector<std::string> lines = Lines(cnx);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2], "MODULE: " + want.module);

    const auto constant = [&](const std::string& key) {
      return DescriptionValue(cnx, "CONSTANT", key);
    };
    const auto privateValue = [&](const std::string& key) {
      return DescriptionValue(cnx, "PRIVATE", key);
    };
    EXPECT_EQ(constant("m"), std::to_string(want.m));
    EXPECT_EQ(constant("n"), std::to_string(want.n));
    EXPECT_EQ(constant("check"), std::to_string(want.check));
    EXPECT_EQ(constant("irrpol"), std::to_string(want.irrpol));
    EXPECT_EQ(constant("genstart"), std::to_string(want.genstart));
    EXPECT_EQ(privateValue("GENSTART_V"), std::to_string(want.genstart));
    EXPECT_EQ(privateValue("Enc_Dec"), want.decoder ? "0" : "1");
    EXPECT_EQ(privateValue("generate_vectorfile"), "1");
    const std::string m = std::to_string(want.m);
    if (want.decoder) {
      EXPECT_EQ(privateValue("Disc_Stream"), std::to_string(want.discrete));
      EXPECT_EQ(privateValue("Fast_Small"), want.speed == "full" ? "1" : "0");
      EXPECT_EQ(constant("speed"), want.speed);
      EXPECT_EQ(constant("inv_file"), inv);
      EXPECT_EQ(constant("evnum_file"), evnum);
      EXPECT_EQ(constant("wide"), std::to_string(want.numerrWidth));
      const std::string numerr = "numerr[" + std::to_string(want.numerrWidth) + "..1]";
      EXPECT_NE(cnx.find("USED_PORT: numerr 0 0 " + std::to_string(want.numerrWidth) +
                         " 1 OUTPUT NODEFVAL " + numerr + "\n"),
                std::string::npos);
    } else {
      EXPECT_EQ(privateValue("Disc_Stream"), std::nullopt);
      EXPECT_EQ(privateValue("Fast_Small"), std::nullopt);
      EXPECT_EQ(constant("speed"), std::nullopt);
    }
    EXPECT_NE(cnx.find("USED_PORT: rsin 0 0 " + m + " 1 INPUT NODEFVAL rsin[" + m + "..1]\n"),
              std::string::npos);

    // The vector file names the code in its header and drives an m-bit input bus.
    const fs::path vecPath = dir.Path() / "rs.vec";
    if (fs::exists(vecPath)) {
      const std::vector<std::string> vec = Lines(testsupport::ReadFileText(vecPath));
      ASSERT_GE(vec.size(), 5u);
      EXPECT_EQ(vec[0], "% n = " + std::to_string(want.n) + " (length of message) %");
      EXPECT_EQ(vec[1], "% m = " + m + " (field size (2^m)) %");
      EXPECT_EQ(vec[2], "% r = " + std::to_string(want.check) + " (number of check symbols) %");
      EXPECT_EQ(vec[3], "% irrpol = " + std::to_string(want.irrpol) + " (field polynomial) %");
      EXPECT_EQ(vec[4], "% genstart = " + std::to_string(want.genstart) +
                            " (first root of generator polynomial) %");
      EXPECT_NE(std::find(vec.begin(), vec.end(), "INPUTS rsin[" + m + "..1];"), vec.end());
    }

    // Each memory table holds one data record per element of GF(2^m).
    if (want.decoder) {
      for (const std::string& table : {inv, evnum}) {
        if (!fs::exists(dir.Path() / table)) continue;
        int records = 0;
        for (const std::string& line : Lines(testsupport::ReadFileText(dir.Path() / table)))
          records += line.rfind(":01", 0) == 0 ? 1 : 0;
        EXPECT_EQ(records, 1 << want.m) << table;
      }
    }
  }
}

}  // namespace
