// What a finished run writes next to the design: the description of the encoder that a new design
// gives at once, the DVB decoder configured through the pages, and the decoder's ports, root
// constants and memory files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"
#include "tests/support/worked_examples.h"

namespace {

namespace fs = std::filesystem;

// The description text up to its first symbol line.
std::string BeforeSymbol(const std::string& text) {
  const auto at = text.find("SYMBOL:");
  return at == std::string::npos ? text : text.substr(0, at);
}

TEST(EmittedDescription, NewDesignFinishedAtOnceIsTheEncoderExample) {
  e2e::Session session;
  const auto r = session.RunNew("click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");

  const std::string expected = testsupport::NewEncoderDescriptionHead();

  const auto d = session.Written();
  ASSERT_TRUE(d.exists);
  EXPECT_EQ(BeforeSymbol(d.text), expected);
  EXPECT_EQ(d.text.substr(expected.size(), 12), "SYMBOL: BOX ");
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.vec")));
  EXPECT_FALSE(fs::exists(session.File("inv_4_19.hex")));
}

TEST(EmittedDescription, DvbDecoderThroughThePages) {
  e2e::Session session;
  const auto r = session.RunNew(
      "click Decoder\nclick \"Next >\"\nclick \"DVB Standard\"\nclick \"Next >\"\nclick "
      "Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  const auto d = session.Written();
  ASSERT_TRUE(d.exists);

  const std::string head =
      "GENERATION: STANDARD\n"
      "VERSION: WM1.0\n"
      "MODULE: rsdsca\n"
      "\n"
      "PRIVATE: Enc_Dec NUMERIC \"0\"\n"
      "PRIVATE: Disc_Stream NUMERIC \"1\"\n"
      "PRIVATE: Fast_Small NUMERIC \"1\"\n"
      "PRIVATE: GENSTART_V NUMERIC \"0\"\n"
      "PRIVATE: generate_vectorfile NUMERIC \"1\"\n"
      "\n"
      "CONSTANT: speed STRING \"full\"\n"
      "CONSTANT: m NUMERIC \"8\"\n"
      "CONSTANT: n NUMERIC \"204\"\n"
      "CONSTANT: check NUMERIC \"16\"\n"
      "CONSTANT: irrpol NUMERIC \"285\"\n"
      "CONSTANT: genstart NUMERIC \"0\"\n"
      "CONSTANT: inv_file STRING \"inv_8_285.hex\"\n"
      "CONSTANT: evnum_file STRING \"evnum_8_285_0.hex\"\n"
      "CONSTANT: wide NUMERIC \"5\"\n"
      "CONSTANT: root1 ";
  EXPECT_EQ(d.text.substr(0, head.size()), head);
  EXPECT_EQ(d.LinesStartingWith("CONSTANT: ").size(), 85u);

  const std::vector<std::string> ports = testsupport::DvbDecoderPortLines();
  EXPECT_EQ(d.LinesStartingWith("USED_PORT: "), ports);
  // An input's connection starts at the "@" end, an output's at the plain one.
  const std::vector<std::string> connections = {
      "CONNECT: @sysclk 0 0 0 0 sysclk 0 0 0 0",   "CONNECT: @reset 0 0 0 0 reset 0 0 0 0",
      "CONNECT: @rsin 0 0 8 1 rsin 0 0 8 1",       "CONNECT: rsout 0 0 8 1 @rsout 0 0 8 1",
      "CONNECT: @dsin 0 0 0 0 dsin 0 0 0 0",       "CONNECT: @dsout 0 0 0 0 dsout 0 0 0 0",
      "CONNECT: rdyin 0 0 0 0 @rdyin 0 0 0 0",     "CONNECT: outvalid 0 0 0 0 @outvalid 0 0 0 0",
      "CONNECT: decfail 0 0 0 0 @decfail 0 0 0 0", "CONNECT: @bypass 0 0 0 0 bypass 0 0 0 0",
      "CONNECT: numerr 0 0 5 1 @numerr 0 0 5 1",
  };
  EXPECT_EQ(d.LinesStartingWith("CONNECT: "), connections);

  for (const char* name : {"inv_8_285.hex", "evnum_8_285_0.hex", "rs.vec"}) {
    EXPECT_TRUE(fs::is_regular_file(session.File(name))) << name;
    EXPECT_GT(fs::file_size(session.File(name)), 0u) << name;
  }
  // The symbol of the final settings goes with the description.
  const auto texts = d.LinesStartingWith("SYMBOL: TEXT ");
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0].rfind("SYMBOL: TEXT \"full discrete decoder\" ", 0), 0u) << texts[0];
  EXPECT_EQ(texts[1].rfind("SYMBOL: TEXT \"irrpol = 285\" ", 0), 0u) << texts[1];
  EXPECT_EQ(texts[2].rfind("SYMBOL: TEXT \"x^8 + x^4 + x^3 + x^2 + 1\" ", 0), 0u) << texts[2];
}

// The default decoder of a new design: alpha^i of x^4 + x + 1 as roots, alpha^-k as negative
// roots, zero past the 15 elements of the field's cycle.
TEST(EmittedDescription, DefaultDecoderRootConstants) {
  e2e::Session session;
  const auto r = session.RunNew("click Decoder\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  const auto d = session.Written();
  ASSERT_TRUE(d.exists);
  EXPECT_EQ(d.module, "rsdsca");
  EXPECT_EQ(d.Constant("inv_file"), "inv_4_19.hex");
  EXPECT_EQ(d.Constant("evnum_file"), "evnum_4_19_0.hex");
  EXPECT_EQ(d.Constant("wide"), "3");
  EXPECT_EQ(d.constantKinds.at("speed"), "STRING");
  EXPECT_EQ(d.constantKinds.at("inv_file"), "STRING");
  EXPECT_EQ(d.constantKinds.at("wide"), "NUMERIC");

  const int powers[15] = {1, 2, 4, 8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9};
  for (int j = 1; j <= 50; ++j) {
    const std::string expected = j <= 15 ? std::to_string(powers[j - 1]) : "0";
    EXPECT_EQ(d.Constant("root" + std::to_string(j)), expected) << "root" << j;
  }
  for (int k = 0; k <= 25; ++k) {
    const std::string expected = k <= 14 ? std::to_string(powers[(15 - k) % 15]) : "0";
    EXPECT_EQ(d.Constant("negroot" + std::to_string(k)), expected) << "negroot" << k;
  }
  EXPECT_EQ(d.LinesStartingWith("CONSTANT: ").size(), 85u);
  EXPECT_EQ(d.LinesStartingWith("USED_PORT: numerr ")[0],
            "USED_PORT: numerr 0 0 3 1 OUTPUT NODEFVAL numerr[3..1]");
  for (const char* name : {"inv_4_19.hex", "evnum_4_19_0.hex", "rs.vec"})
    EXPECT_TRUE(fs::is_regular_file(session.File(name))) << name;
}

// The width of numerr follows the bit length of the number of check symbols.
struct WidthCase {
  std::string events;  // on the parameter page
  std::string wide;
};

class NumerrWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(NumerrWidth, PortAndConstantAgree) {
  e2e::Session session;
  const auto r =
      session.RunNew("click Decoder\nclick \"Next >\"\n" + GetParam().events + "click Finish\n");
  EXPECT_EQ(r.err, "");
  const auto d = session.Written();
  ASSERT_TRUE(d.exists);
  const std::string& w = GetParam().wide;
  EXPECT_EQ(d.Constant("wide"), w);
  const auto lines = d.LinesStartingWith("USED_PORT: numerr ");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "USED_PORT: numerr 0 0 " + w + " 1 OUTPUT NODEFVAL numerr[" + w + "..1]");
}

INSTANTIATE_TEST_SUITE_P(
    EmittedDescription, NumerrWidth,
    ::testing::Values(
        WidthCase{"", "3"},
        WidthCase{"type \"Number of symbols per codeword\" 15\ntype \"Number of check symbols per "
                  "codeword\" 7\n",
                  "3"},
        WidthCase{"type \"Number of symbols per codeword\" 15\ntype \"Number of check symbols per "
                  "codeword\" 8\n",
                  "4"},
        WidthCase{"pick \"Number of bits per symbol\" 5\ntype \"Number of symbols per codeword\" "
                  "31\ntype \"Number of check symbols per codeword\" 15\n",
                  "4"},
        WidthCase{"click \"DVB Standard\"\n", "5"},
        WidthCase{"click \"DVB Standard\"\ntype \"Number of check symbols per codeword\" 50\n",
                  "6"}));

}  // namespace
