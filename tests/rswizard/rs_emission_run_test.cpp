// Whole runs of the wizard: a new design or an existing description, finished at once or after
// one change on the first page, and the description and files they leave.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "host/nav_code.h"
#include "host/wizard_page.h"
#include "rsblock/settings_range.h"
#include "rswizard/codec_type_page.h"
#include "rswizard/process_settings.h"
#include "tests/rswizard/rs_emission_support.h"
#include "tests/support/worked_examples.h"

namespace {

using rstest::Lines;
using rstest::LinesStarting;
using rstest::UpToSymbol;

class RsRunTest : public rstest::RsWizardTest {
 protected:
  int Run(std::vector<std::string> words) {
    rswizard::RsWizardApp app(model, description);
    return app.RunWizard(words);
  }
};

TEST_F(RsRunTest, NewDesignFinishedAtOnceIsTheWorkedEncoder) {
  ui.Click(host::kFinishButton);
  EXPECT_EQ(Run({"-n", Design()}), host::NavFinish);
  EXPECT_TRUE(ui.messages.empty());
  const std::string cnx = WrittenCnx();
  EXPECT_EQ(UpToSymbol(cnx), testsupport::NewEncoderDescriptionHead());
  EXPECT_NE(cnx.find("SYMBOL: TEXT \"encoder\""), std::string::npos);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/new_encoder.cnx", cnx));
  ASSERT_TRUE(Exists("rs.vec"));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/encoder_default.vec",
                                         testsupport::ReadFileText(File("rs.vec"))));
  EXPECT_FALSE(Exists("inv_4_19.hex")) << "an encoder has no memory tables";
}

TEST_F(RsRunTest, DvbDecoderFinishedAtOnce) {
  GiveExample("dvb_decoder.cnx");
  ui.Click(host::kFinishButton);
  EXPECT_EQ(Run({Design()}), host::NavFinish);
  EXPECT_TRUE(ui.messages.empty());
  const std::string cnx = WrittenCnx();
  EXPECT_EQ(LinesStarting(cnx, "MODULE:"), std::vector<std::string>{"MODULE: rsdsca"});
  EXPECT_EQ(LinesStarting(cnx, "PRIVATE:"),
            (std::vector<std::string>{
                "PRIVATE: Enc_Dec NUMERIC \"0\"", "PRIVATE: Disc_Stream NUMERIC \"1\"",
                "PRIVATE: Fast_Small NUMERIC \"1\"", "PRIVATE: GENSTART_V NUMERIC \"0\"",
                "PRIVATE: generate_vectorfile NUMERIC \"1\""}));
  const std::vector<std::string> constants = LinesStarting(cnx, "CONSTANT:");
  ASSERT_EQ(constants.size(), 85u);
  EXPECT_EQ(
      std::vector<std::string>(constants.begin(), constants.begin() + 9),
      (std::vector<std::string>{
          "CONSTANT: speed STRING \"full\"", "CONSTANT: m NUMERIC \"8\"",
          "CONSTANT: n NUMERIC \"204\"", "CONSTANT: check NUMERIC \"16\"",
          "CONSTANT: irrpol NUMERIC \"285\"", "CONSTANT: genstart NUMERIC \"0\"",
          "CONSTANT: inv_file STRING \"inv_8_285.hex\"",
          "CONSTANT: evnum_file STRING \"evnum_8_285_0.hex\"", "CONSTANT: wide NUMERIC \"5\""}));
  EXPECT_EQ(LinesStarting(cnx, "USED_PORT:"), testsupport::DvbDecoderPortLines());
  EXPECT_NE(cnx.find("SYMBOL: TEXT \"full discrete decoder\""), std::string::npos);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/dvb_decoder.cnx", cnx));
  EXPECT_TRUE(Exists("inv_8_285.hex"));
  EXPECT_TRUE(Exists("evnum_8_285_0.hex"));
  EXPECT_TRUE(Exists("rs.vec"));
}

TEST_F(RsRunTest, StreamingHalfDecoderFinishedAtOnce) {
  GiveExample("streaming_half_decoder.cnx");
  ui.Click(host::kFinishButton);
  EXPECT_EQ(Run({Design()}), host::NavFinish);
  const std::string cnx = WrittenCnx();
  EXPECT_EQ(LinesStarting(cnx, "MODULE:"), std::vector<std::string>{"MODULE: rsstrb"});
  EXPECT_NE(cnx.find("CONSTANT: speed STRING \"half\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("CONSTANT: evnum_file STRING \"evnum_4_19_2.hex\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("SYMBOL: TEXT \"half streaming decoder\""), std::string::npos);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/streaming_half_decoder.cnx", cnx));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/evnum_4_19_2.hex",
                                         testsupport::ReadFileText(File("evnum_4_19_2.hex"))));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/inv_4_19.hex",
                                         testsupport::ReadFileText(File("inv_4_19.hex"))));
}

// The example encoder edited by hand to the constant genstart 9 beside the private
// GENSTART_V 3: the private is the setting, and the re-written description carries 3 in both.
TEST_F(RsRunTest, ExistingEncoderReReadAndFinished) {
  std::string edited = testsupport::ReadFileText(std::filesystem::path(RS_SOURCE_DIR) / "examples" /
                                                 "encoder_m5.cnx");
  const std::string constant = "CONSTANT: genstart NUMERIC \"3\"\n";
  const std::size_t at = edited.find(constant);
  ASSERT_NE(at, std::string::npos);
  GiveDescription(edited.replace(at, constant.size(), "CONSTANT: genstart NUMERIC \"9\"\n"));
  ui.Click(host::kFinishButton);
  EXPECT_EQ(Run({Design()}), host::NavFinish);
  const std::string cnx = WrittenCnx();
  EXPECT_NE(cnx.find("CONSTANT: genstart NUMERIC \"3\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("PRIVATE: GENSTART_V NUMERIC \"3\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("CONSTANT: m NUMERIC \"5\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("USED_PORT: rsin 0 0 5 1 INPUT NODEFVAL rsin[5..1]\n"), std::string::npos);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/encoder_reread.cnx", cnx));
  EXPECT_FALSE(Exists("rs.vec")) << "generate_vectorfile was 0";
}

// An encoder's description has no Disc_Stream or Fast_Small: switched to decoder after a
// re-read it becomes a half streaming decoder, not the full discrete one of a new design.
TEST_F(RsRunTest, EncoderReReadThenSwitchedToDecoderIsHalfStreaming) {
  GiveExample("encoder_m5.cnx");
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    h.OnClicked(d, rswizard::kDecoderRadio);
    h.OnClicked(d, host::kFinishButton);
  });
  EXPECT_EQ(Run({Design()}), host::NavFinish);
  const std::string cnx = WrittenCnx();
  EXPECT_EQ(LinesStarting(cnx, "MODULE:"), std::vector<std::string>{"MODULE: rsstrb"});
  EXPECT_NE(cnx.find("PRIVATE: Disc_Stream NUMERIC \"0\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("PRIVATE: Fast_Small NUMERIC \"0\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("SYMBOL: TEXT \"half streaming decoder\""), std::string::npos);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/encoder_reread_as_decoder.cnx", cnx));
  EXPECT_TRUE(Exists("inv_5_37.hex"));
  EXPECT_TRUE(Exists("evnum_5_37_3.hex"));
}

TEST_F(RsRunTest, NewDesignSwitchedToDecoderIsFullDiscrete) {
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    h.OnClicked(d, rswizard::kDecoderRadio);
    h.OnClicked(d, host::kFinishButton);
  });
  EXPECT_EQ(Run({"-n", Design()}), host::NavFinish);
  const std::string cnx = WrittenCnx();
  EXPECT_EQ(LinesStarting(cnx, "MODULE:"), std::vector<std::string>{"MODULE: rsdsca"});
  EXPECT_NE(cnx.find("CONSTANT: speed STRING \"full\"\n"), std::string::npos);
  EXPECT_NE(cnx.find("USED_PORT: numerr 0 0 3 1 OUTPUT NODEFVAL numerr[3..1]\n"),
            std::string::npos);
  EXPECT_TRUE(Exists("inv_4_19.hex"));
  EXPECT_TRUE(Exists("evnum_4_19_0.hex"));
}

TEST_F(RsRunTest, SetUpBuildsTheSymbolOfTheLoadedSettings) {
  GiveExample("dvb_decoder.cnx");
  rswizard::RsWizardApp app(model, description);
  ui.actions.push_back([this](platform::Dialog& d, platform::DialogHandler& h) {
    // While the first page is shown the preview already holds the loaded decoder.
    EXPECT_EQ(model.Pins().size(), 11u);
    h.OnCancelCommand(d);
  });
  EXPECT_EQ(app.RunWizard({Design()}), host::NavCancel);
  EXPECT_FALSE(Exists("rs.cnx")) << "cancel deletes the description";
}

TEST_F(RsRunTest, RefusedSetUpStartsNoRun) {
  EXPECT_EQ(Run({Design()}), 1) << "no description for an existing design";
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open file " + File("rs.cnx").string());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RsRunTest, PagesAreCodecParametersFilesSummary) {
  rswizard::RsWizardApp app(model, description);
  for (int i = 0; i < 3; ++i) ui.Click(host::kNextButton);
  ui.Click(host::kCancelButton);
  app.RunWizard({"-n", Design()});
  ASSERT_EQ(app.PageCount(), 4);
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_NE(ui.shown[0].caption.find("RS CODEC - 1.00 [page 1 of 4]"), std::string::npos);
}

TEST_F(RsRunTest, UnwritableVectorFileEndsTheRunWithoutADescription) {
  testsupport::FaultyFileSystem faulty;
  faulty.FailNth(testsupport::FileOp::Open, 1, EACCES, "rs.vec");
  platform::ScopedPlatform withFaults{&faulty, nullptr, nullptr};
  ui.Click(host::kFinishButton);
  try {
    Run({"-n", Design()});
    FAIL() << "the run went on past a vector file that could not be opened";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  EXPECT_FALSE(Exists("rs.cnx"));
}

// Hand-edited descriptions of any content, walked through every page: the pages must find
// values they accept (no message box), and the description written must read back in range.
TEST_F(RsRunTest, RandomDescriptionsRunThroughEveryPage) {
  rstest::RandomDescription random(99u);
  for (int round = 0; round < 40; ++round) {
    const std::string cnx = random.Next();
    GiveDescription(cnx);
    Fresh();
    ui.messages.clear();
    ui.actions.clear();
    for (int i = 0; i < 4; ++i) ui.Click(host::kNextButton);
    ASSERT_EQ(Run({Design()}), host::NavFinish) << cnx;
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text << "\nfrom\n" << cnx;
    const rsblock::RsSettings loaded = rswizard::Settings();
    ASSERT_TRUE(rsblock::IsInRange(loaded)) << cnx;

    const std::string written = WrittenCnx();
    ASSERT_EQ(written.rfind("GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: ", 0), 0u);
    description::WizardDescription reread;
    description::ReadDescription(reread, written);
    EXPECT_EQ(reread.constants.LookupInt("m", -1), loaded.m);
    EXPECT_EQ(reread.constants.LookupInt("n", -1), loaded.n);
    EXPECT_EQ(reread.constants.LookupInt("check", -1), loaded.check);
    EXPECT_EQ(reread.constants.LookupInt("irrpol", -1), loaded.irrpol);
    EXPECT_EQ(reread.privates.LookupInt("GENSTART_V", -1), loaded.genstart);
    EXPECT_EQ(reread.privates.LookupInt("Enc_Dec", -1), loaded.Enc_Dec);
  }
}

}  // namespace
