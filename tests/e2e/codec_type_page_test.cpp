// The codec type page (the first page) through the console: the marks and enabled states it
// shows, and the module name, decoder privates and symbol kind text that its choices give the
// written description.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"

namespace {

TEST(CodecTypePage, NewDesignShowsAnEncoderWithTheDecoderChoicesDisabled) {
  e2e::Session session;
  const auto r = session.RunNew("dump\nclick Decoder\ndump\nclick Cancel\n");
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 2u);

  const auto& encoder = pages[0];
  EXPECT_TRUE(encoder.Get("radio", "Encoder").enabled);
  EXPECT_TRUE(encoder.Get("radio", "Encoder").marked);
  EXPECT_TRUE(encoder.Get("radio", "Decoder").enabled);
  EXPECT_FALSE(encoder.Get("radio", "Decoder").marked);
  EXPECT_TRUE(encoder.Get("group", "Do you want an encoder or a decoder").enabled);
  for (const char* group : {"Choose the type of decoder", "Speed/Area Tradeoff"})
    EXPECT_FALSE(encoder.Get("group", group).enabled) << group;
  // Disabled, yet showing the construction values of a decoder.
  const std::vector<std::pair<std::string, bool>> decoderChoices = {
      {"Discrete", true}, {"Streaming", false}, {"Full - Faster", true}, {"Half - Smaller", false}};
  for (const auto& [name, marked] : decoderChoices) {
    EXPECT_FALSE(encoder.Get("radio", name).enabled) << name;
    EXPECT_EQ(encoder.Get("radio", name).marked, marked) << name;
  }

  const auto& decoder = pages[1];
  EXPECT_FALSE(decoder.Get("radio", "Encoder").marked);
  EXPECT_TRUE(decoder.Get("radio", "Decoder").marked);
  for (const char* group : {"Choose the type of decoder", "Speed/Area Tradeoff"})
    EXPECT_TRUE(decoder.Get("group", group).enabled) << group;
  for (const auto& [name, marked] : decoderChoices) {
    EXPECT_TRUE(decoder.Get("radio", name).enabled) << name;
    EXPECT_EQ(decoder.Get("radio", name).marked, marked) << name;
  }
}

// The clicks on the first page, what the description then says about the block.
struct TypeCase {
  const char* name;
  std::string clicks;
  std::string module;
  std::string encDec;
  std::string discStream;  // "<missing>" for an encoder
  std::string fastSmall;
  std::string speed;
  std::string kindText;
};

class CodecType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(CodecType, ModulePrivatesAndKindText) {
  const TypeCase& c = GetParam();
  e2e::Session session;
  const auto r = session.RunNew(c.clicks + "click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  const auto d = session.Written();
  ASSERT_TRUE(d.exists);
  EXPECT_EQ(d.module, c.module);
  ASSERT_FALSE(d.LinesStartingWith("MODULE: ").empty());
  EXPECT_EQ(d.LinesStartingWith("MODULE: ")[0], "MODULE: " + c.module);
  EXPECT_EQ(d.Private("Enc_Dec"), c.encDec);
  EXPECT_EQ(d.Private("Disc_Stream"), c.discStream);
  EXPECT_EQ(d.Private("Fast_Small"), c.fastSmall);
  EXPECT_EQ(d.Constant("speed"), c.speed);
  // The kind text is the second text of the symbol, the first one written as a TEXT line.
  const auto texts = d.LinesStartingWith("SYMBOL: TEXT ");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].rfind("SYMBOL: TEXT \"" + c.kindText + "\" ", 0), 0u) << texts[0];
}

const TypeCase kTypeCases[] = {
    {"NewDesign", "", "RS_Enc", "1", "<missing>", "<missing>", "<missing>", "encoder"},
    {"Decoder", "click Decoder\n", "rsdsca", "0", "1", "1", "full", "full discrete decoder"},
    {"StreamingThenEncoderThenDecoder",
     "click Decoder\nclick Streaming\nclick Encoder\nclick Decoder\n", "rsstrb", "0", "0", "1",
     "full", "full streaming decoder"},
    {"StreamingThenEncoder", "click Decoder\nclick Streaming\nclick Encoder\n", "RS_Enc", "1",
     "<missing>", "<missing>", "<missing>", "encoder"},
    {"HalfSmaller", "click Decoder\nclick \"Half - Smaller\"\n", "rsdsca", "0", "1", "0", "half",
     "half discrete decoder"},
    {"HalfStreaming", "click Decoder\nclick \"Half - Smaller\"\nclick Streaming\n", "rsstrb", "0",
     "0", "0", "half", "half streaming decoder"},
    {"BackToFullAndDiscrete",
     "click Decoder\nclick \"Half - Smaller\"\nclick Streaming\nclick \"Full - Faster\"\nclick "
     "Discrete\n",
     "rsdsca", "0", "1", "1", "full", "full discrete decoder"},
    // Leaving the page and coming back keeps the choice and the module name.
    {"ChosenThenRevisited", "click Decoder\nclick Streaming\nclick \"Next >\"\nclick \"< Back\"\n",
     "rsstrb", "0", "0", "1", "full", "full streaming decoder"},
};

INSTANTIATE_TEST_SUITE_P(CodecTypePage, CodecType, ::testing::ValuesIn(kTypeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodecTypePage, StreamingIsDisabledForAnEncoder) {
  e2e::Session session;
  const auto r = session.RunNew("click Streaming\nclick Finish\n");
  EXPECT_EQ(r.err, "error: button \"Streaming\" is disabled\n");
  EXPECT_EQ(session.Written().module, "RS_Enc");
}

TEST(CodecTypePage, EncoderKeepsTheDecoderChoicesMarked) {
  e2e::Session session;
  const auto r = session.RunNew(
      "click Decoder\nclick Streaming\nclick \"Half - Smaller\"\nclick Encoder\ndump\nclick "
      "Cancel\n");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].Get("radio", "Encoder").marked);
  EXPECT_TRUE(pages[0].Get("radio", "Streaming").marked);
  EXPECT_FALSE(pages[0].Get("radio", "Streaming").enabled);
  EXPECT_FALSE(pages[0].Get("radio", "Discrete").marked);
  EXPECT_TRUE(pages[0].Get("radio", "Half - Smaller").marked);
  EXPECT_FALSE(pages[0].Get("radio", "Full - Faster").marked);
}

}  // namespace
