// The vector-file reader on its own: what each statement gives, and every refusal with the line
// it names.
#include "hdl/vector_file.h"

#include <gtest/gtest.h>

#include <string>

#include "hdl/refusal.h"

namespace hdl {
namespace {

constexpr const char* kWizardLike =
    "% n = 15 (length of message) %\n"
    "STOP 2500;\n"
    "INTERVAL 50;\n"
    "INPUTS sysclk;\n"
    "PATTERN\n0 1;\n"
    "INPUTS reset;\n"
    "PATTERN\n0> 1\n100> 0;\n"
    "RADIX HEX;\n"
    "INPUTS rsin[4..1];\n"
    "OUTPUTS rsout[4..1];\n"
    "PATTERN\n0> 0 = 0 \n200> a = 0\n300> 9 = A;\n"
    "OUTPUTS numerr[3..1];\n";

TEST(VectorFileTest, ReadsTheStatementsTheWizardWrites) {
  const VectorFile file = ReadVectorFile(kWizardLike, "rs.vec");
  EXPECT_EQ(file.start, 0);
  EXPECT_EQ(file.stop, 2500);
  EXPECT_EQ(file.interval, 50);
  ASSERT_EQ(file.patterns.size(), 3u);

  const VectorPattern& clock = file.patterns[0];
  ASSERT_EQ(clock.inputs.size(), 1u);
  EXPECT_EQ(clock.inputs[0].name, "sysclk");
  EXPECT_FALSE(clock.inputs[0].bus);
  EXPECT_EQ(clock.cycle, (std::vector<long>{0, 1}));
  EXPECT_TRUE(clock.entries.empty());

  const VectorPattern& reset = file.patterns[1];
  ASSERT_EQ(reset.entries.size(), 2u);
  EXPECT_EQ(reset.entries[1].time, 100);
  EXPECT_EQ(reset.entries[1].inputs, std::vector<long>{0});
  EXPECT_TRUE(reset.entries[1].outputs.empty());

  // RADIX HEX reads the values, never the times.
  const VectorPattern& data = file.patterns[2];
  ASSERT_EQ(data.inputs.size(), 1u);
  EXPECT_TRUE(data.inputs[0].bus);
  EXPECT_EQ(data.inputs[0].msb, 4);
  EXPECT_EQ(data.inputs[0].lsb, 1);
  ASSERT_EQ(data.outputs.size(), 1u);
  EXPECT_EQ(data.outputs[0].name, "rsout");
  ASSERT_EQ(data.entries.size(), 3u);
  EXPECT_EQ(data.entries[1].time, 200);
  EXPECT_EQ(data.entries[1].inputs, std::vector<long>{10});
  EXPECT_EQ(data.entries[2].outputs, std::vector<long>{10});

  ASSERT_EQ(file.outputsWithoutPattern.size(), 1u);
  EXPECT_EQ(file.outputsWithoutPattern[0].name, "numerr");
}

TEST(VectorFileTest, CommentsMaySpanLinesAndStillCountThem) {
  const std::string text = "START 0; % one\ntwo\n% STOP 10;\nINTERVAL 1;\nBOGUS;\n";
  try {
    ReadVectorFile(text, "x.vec");
    FAIL() << "BOGUS was read";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(), "x.vec line 5: unknown statement \"BOGUS\"");
  }
}

struct Refused {
  const char* name;
  const char* text;
  const char* message;  // the whole refusal
};

class VectorFileRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(VectorFileRefuses, NamingTheLine) {
  try {
    ReadVectorFile(GetParam().text, "t.vec");
    FAIL() << "read without a refusal";
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()), GetParam().message);
  }
}

const Refused kRefused[] = {
    {"Empty", "", "t.vec line 1: no INTERVAL or no STOP after START"},
    {"StopNotAfterStart", "START 10;\nSTOP 10;\nINTERVAL 1;\n",
     "t.vec line 3: no INTERVAL or no STOP after START"},
    {"ZeroInterval", "STOP 10;\nINTERVAL 0;\n", "t.vec line 2: no INTERVAL or no STOP after START"},
    {"TooManyIntervals", "STOP 1000000000;\nINTERVAL 1;\n",
     "t.vec line 2: STOP lies more than 100,000,000 intervals after START"},
    {"NotANumber", "STOP 12abc;\n", "t.vec line 1: \"12abc\" is not a number from 0 to 10^12"},
    {"Negative", "STOP -1;\n", "t.vec line 1: \"-1\" is not a number from 0 to 10^12"},
    {"BeyondTheLimit", "STOP 1000000000001;\n",
     "t.vec line 1: \"1000000000001\" is not a number from 0 to 10^12"},
    {"NoSemicolon", "STOP 10\nINTERVAL 1;\n", "t.vec line 2: \";\" expected"},
    {"EndsInsideAStatement", "STOP", "t.vec line 1: the file ends inside a statement"},
    {"UnknownRadix", "RADIX TERNARY;\n", "t.vec line 1: unknown RADIX \"TERNARY\""},
    {"PatternWithoutInputs", "PATTERN 0 1;\n", "t.vec line 1: a PATTERN without INPUTS"},
    {"BusBackwards", "INPUTS d[1..4];\n",
     "t.vec line 1: \"d[1..4]\" is not a signal or a bus name[hi..lo]"},
    {"BusWithoutDots", "INPUTS d[4];\n",
     "t.vec line 1: \"d[4]\" is not a signal or a bus name[hi..lo]"},
    {"NamelessBus", "INPUTS [4..1];\n", "t.vec line 1: a signal without a name"},
    {"RepeatingTwoInputs", "INPUTS a b;\nPATTERN 0 1;\n",
     "t.vec line 2: a repeating pattern drives exactly one input"},
    {"EmptyRepeating", "INPUTS a;\nPATTERN ;\n", "t.vec line 2: an empty pattern"},
    {"TimesGoBackwards", "INPUTS a;\nPATTERN 0> 1\n20> 0\n10> 1;\n",
     "t.vec line 4: the times of a pattern go backwards"},
    {"NoArrow", "INPUTS a;\nPATTERN 0> 1\n20 = 0;\n",
     "t.vec line 3: \">\" expected after the time"},
};

INSTANTIATE_TEST_SUITE_P(Statements, VectorFileRefuses, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hdl
