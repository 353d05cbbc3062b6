// The entries StoreSettings makes, checked on the stores and the written text without a run.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rsmath/galois_field.h"
#include "tests/rswizard/rs_emission_support.h"

namespace {

using rsblock::RsSettings;
using rstest::LinesStarting;

RsSettings Decoder(int m, int n, int check, int irrpol, int genstart) {
  RsSettings s;
  s.m = m;
  s.n = n;
  s.check = check;
  s.irrpol = irrpol;
  s.genstart = genstart;
  s.Enc_Dec = 0;
  s.generate_vectorfile = 0;
  return s;
}

std::string Constant(const std::string& name, const std::string& kind, const std::string& value) {
  return "CONSTANT: " + name + " " + kind + " \"" + value + "\"";
}

bool Has(const std::string& text, const std::string& line) {
  return text.find(line + "\n") != std::string::npos;
}

class RsEmissionTest : public rstest::RsWizardTest {};

struct NumerrCase {
  int check;
  int n;
  int wide;
};

TEST_F(RsEmissionTest, NumerrWidthIsTheBitLengthOfR) {
  for (const NumerrCase c :
       {NumerrCase{4, 15, 3}, NumerrCase{7, 15, 3}, NumerrCase{8, 15, 4}, NumerrCase{15, 31, 4},
        NumerrCase{16, 31, 5}, NumerrCase{50, 255, 6}}) {
    const int m = c.n == 15 ? 4 : (c.n == 31 ? 5 : 8);
    const int irrpol = m == 4 ? 19 : (m == 5 ? 37 : 285);
    const std::string text = Emit(Decoder(m, c.n, c.check, irrpol, 0), "rsdsca");
    const std::string w = std::to_string(c.wide);
    EXPECT_TRUE(Has(text, Constant("wide", "NUMERIC", w))) << "r = " << c.check;
    EXPECT_TRUE(Has(text, "USED_PORT: numerr 0 0 " + w + " 1 OUTPUT NODEFVAL numerr[" + w + "..1]"))
        << "r = " << c.check;
    EXPECT_TRUE(Has(text, "CONNECT: numerr 0 0 " + w + " 1 @numerr 0 0 " + w + " 1"))
        << "r = " << c.check;
  }
}

TEST_F(RsEmissionTest, RootsOfTheSmallFieldStopAtItsEnd) {
  const std::string text = Emit(Decoder(4, 15, 4, 19, 0), "rsdsca");
  // a^0 .. a^14 of GF(16) with x^4 + x + 1.
  const std::vector<int> powers{1, 2, 4, 8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9};
  for (int j = 1; j <= 50; ++j) {
    const int expected = j <= 15 ? powers[static_cast<std::size_t>(j - 1)] : 0;
    EXPECT_TRUE(
        Has(text, Constant("root" + std::to_string(j), "NUMERIC", std::to_string(expected))))
        << "root" << j;
  }
  // a^-k: the inverse of a^k is a^(15 - k).
  for (int k = 0; k <= 25; ++k) {
    const int expected = k <= 14 ? powers[static_cast<std::size_t>((15 - k) % 15)] : 0;
    EXPECT_TRUE(
        Has(text, Constant("negroot" + std::to_string(k), "NUMERIC", std::to_string(expected))))
        << "negroot" << k;
  }
}

TEST_F(RsEmissionTest, RootsStartAtGenstart) {
  const std::string text = Emit(Decoder(4, 15, 4, 19, 11), "rsdsca");
  // a^11, a^12, a^13, a^14, then past the field.
  EXPECT_TRUE(Has(text, Constant("root1", "NUMERIC", "14")));
  EXPECT_TRUE(Has(text, Constant("root4", "NUMERIC", "9")));
  EXPECT_TRUE(Has(text, Constant("root5", "NUMERIC", "0")));
}

TEST_F(RsEmissionTest, MemoryFileNamesFollowFieldAndFirstRoot) {
  const std::string text = Emit(Decoder(8, 204, 16, 285, 7), "rsdsca");
  EXPECT_TRUE(Has(text, Constant("inv_file", "STRING", "inv_8_285.hex")));
  EXPECT_TRUE(Has(text, Constant("evnum_file", "STRING", "evnum_8_285_7.hex")));
  EXPECT_TRUE(Exists("inv_8_285.hex"));
  EXPECT_TRUE(Exists("evnum_8_285_7.hex"));
  EXPECT_FALSE(Exists("rs.vec")) << "generate_vectorfile 0 writes no vector file";
}

TEST_F(RsEmissionTest, DecoderStoresHoldTheirEntriesInOrder) {
  rsblock::RsSettings s = Decoder(4, 5, 4, 19, 0);
  s.Disc_Stream = 0;
  s.Fast_Small = 0;
  const std::string text = Emit(s, "rsstrb");
  const std::vector<std::string> constants = LinesStarting(text, "CONSTANT:");
  ASSERT_EQ(constants.size(), 85u);
  EXPECT_EQ(constants[0], Constant("speed", "STRING", "half"));
  EXPECT_EQ(constants[6], Constant("inv_file", "STRING", "inv_4_19.hex"));
  EXPECT_EQ(constants[7], Constant("evnum_file", "STRING", "evnum_4_19_0.hex"));
  EXPECT_EQ(constants[9], Constant("root1", "NUMERIC", "1"));
  EXPECT_EQ(constants[58], Constant("root50", "NUMERIC", "0"));
  EXPECT_EQ(constants[59], Constant("negroot0", "NUMERIC", "1"));
  EXPECT_EQ(constants[84], Constant("negroot25", "NUMERIC", "0"));
  EXPECT_EQ(LinesStarting(text, "PRIVATE:"),
            (std::vector<std::string>{
                "PRIVATE: Enc_Dec NUMERIC \"0\"", "PRIVATE: Disc_Stream NUMERIC \"0\"",
                "PRIVATE: Fast_Small NUMERIC \"0\"", "PRIVATE: GENSTART_V NUMERIC \"0\"",
                "PRIVATE: generate_vectorfile NUMERIC \"0\""}));
  const std::vector<std::string> ports = LinesStarting(text, "USED_PORT:");
  ASSERT_EQ(ports.size(), 11u);
  EXPECT_EQ(ports[2], "USED_PORT: rsin 0 0 4 1 INPUT NODEFVAL rsin[4..1]");
  EXPECT_EQ(ports[10], "USED_PORT: numerr 0 0 3 1 OUTPUT NODEFVAL numerr[3..1]");
  EXPECT_EQ(LinesStarting(text, "CONNECT:").size(), 11u);
  EXPECT_TRUE(LinesStarting(text, "PARAMETER:").empty());
  EXPECT_TRUE(Has(text, "MODULE: rsstrb")) << "the emission leaves the module name alone";
}

TEST_F(RsEmissionTest, EncoderWritesAllGeneratorCoefficients) {
  // The DVB code as an encoder: 17 coefficients, gg17 .. gg50 zero.
  RsSettings s;
  s.m = 8;
  s.n = 204;
  s.check = 16;
  s.irrpol = 285;
  s.generate_vectorfile = 0;
  const std::string text = Emit(s, "RS_Enc");
  const std::vector<std::string> constants = LinesStarting(text, "CONSTANT:");
  ASSERT_EQ(constants.size(), 56u);
  EXPECT_EQ(constants[5], Constant("gg0", "NUMERIC", "1"));
  for (int i = 0; i <= 16; ++i)
    EXPECT_EQ(
        constants[static_cast<std::size_t>(5 + i)],
        Constant("gg" + std::to_string(i), "NUMERIC",
                 std::to_string(rsmath::Tables().generatorPoly[static_cast<std::size_t>(i)])));
  EXPECT_NE(constants[21], Constant("gg16", "NUMERIC", "0")) << "g(x) has degree r";
  for (int i = 17; i <= 50; ++i)
    EXPECT_EQ(constants[static_cast<std::size_t>(5 + i)],
              Constant("gg" + std::to_string(i), "NUMERIC", "0"));
  EXPECT_EQ(LinesStarting(text, "PRIVATE:").size(), 3u);
  EXPECT_TRUE(LinesStarting(text, "CONSTANT: speed").empty());
}

TEST_F(RsEmissionTest, SecondStoreReplacesTheFirst) {
  // A store after an earlier one (a second run in one process) must not keep stale rows or
  // generator coefficients of a longer code.
  RsSettings big;
  big.m = 8;
  big.n = 204;
  big.check = 50;
  big.irrpol = 285;
  big.generate_vectorfile = 0;
  Emit(big, "RS_Enc");
  RsSettings small;
  small.generate_vectorfile = 0;
  const std::string text = Emit(small, "RS_Enc");
  EXPECT_EQ(LinesStarting(text, "CONSTANT:").size(), 56u);
  EXPECT_TRUE(Has(text, Constant("gg4", "NUMERIC", "12")));
  EXPECT_TRUE(Has(text, Constant("gg5", "NUMERIC", "0")));
}

TEST_F(RsEmissionTest, SymbolIsRebuiltFromTheFinalSettings) {
  host::State().designDirectory = dir.Dir();
  host::State().designBaseName = "rs";
  rswizard::Settings() = Decoder(8, 204, 16, 285, 0);
  rswizard::RsWizardApp app(model, description);
  model.Reset(10, 10);
  app.StoreSettings();
  EXPECT_EQ(model.boxHeight, 224);
  EXPECT_EQ(model.Pins().size(), 11u);
  const std::string text = description::WriteDescription(description);
  EXPECT_NE(text.find("SYMBOL: TEXT \"full discrete decoder\""), std::string::npos);
}

}  // namespace
