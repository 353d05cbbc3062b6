// The code parameter page (the second page) driven through the console: typed values with their
// messages and resets, the refills that one field causes in the others, the DVB preset and picks
// from the lists. Each case reads the settings back from the description written at Finish.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"

namespace {

using e2e::Code;
using e2e::CodeText;
using e2e::kBits;
using e2e::kChecks;
using e2e::kFirstRoot;
using e2e::kPolynomial;
using e2e::kSymbols;
using e2e::Range;

// A message box as the console writes it on standard error.
std::string Box(const std::string& caption, const std::string& text) {
  std::string line = caption + ": ";
  for (char c : text) line += c == '\n' ? std::string("\\n") : std::string(1, c);
  return line;
}

const std::string kBitsCaption = "Invalid number of bits per symbol";
const std::string kBitsRangeCaption = "Invalid number of bits per symbol.";
const std::string kPolyCaption = "Invalid field polynomial value";
const std::string kSymbolsCaption = "Invalid number of symbol per codeword";
const std::string kChecksCaption = "Invalid check symbol value";
const std::string kRootCaption = "Invalid first polynomial root";

const std::string kM1 =
    Box(kBitsCaption, "Invalid value, please enter an integer.\nThe value has been reseted to 4.");
const std::string kM2 = Box(kBitsRangeCaption,
                            "The value you have entered is too small.\nIt must be between 4 and "
                            "8.\nThe value has been reseted to 4");
const std::string kM3 = Box(kBitsRangeCaption,
                            "The value you have entered is too big.\nIt must be between 4 and "
                            "8.\nThe value has been reseted to 8");
std::string M4(int first) {
  return Box(kPolyCaption,
             "The Field Polynomial you have entered is illegal.\nThe value has been reseted to " +
                 std::to_string(first) + ".");
}
std::string M5(int lo) {
  return Box(kSymbolsCaption,
             "Invalid value, please enter an integer.\nThe value has been reseted to " +
                 std::to_string(lo) + ".");
}
const std::string kM6 = Box(
    kSymbolsCaption,
    "The Value you have entered is too small.\nIt must be between max(5,number of check symbols) "
    "and ((2^bit width) -1)\nThe value has been reseted to 5.\nThe Number of check symbols will "
    "be reseted to 4.");
std::string M7(int hi) {
  return Box(kSymbolsCaption,
             "The Value you have entered is too big.\nIt must be between max(5,number of check "
             "symbols) and ((2^bit width) -1)\nThe value has been reseted to " +
                 std::to_string(hi) + ".");
}
const std::string kM8 =
    Box(kChecksCaption, "Invalid value, please enter an integer.\nValue reseted to 4.");
const std::string kM9 =
    Box(kChecksCaption,
        "Value to small. It must be between 4 and min(50, number of symbols).\nValue "
        "set to 4.");
std::string M10(int hi) {
  return Box(kChecksCaption,
             "Value to big. It must be between 4 and min(50, number of symbols).\nValue set to " +
                 std::to_string(hi) + ".");
}
const std::string kM11 =
    Box(kRootCaption, "Invalid value, please enter an integer.\nThe value has been reseted to 0.");
const std::string kM12 = Box(kRootCaption,
                             "The value is too small.\nThe first root must be comprised between 0 "
                             "and ((2^width) - 1 - number of check symbols\nThe value has been "
                             "reseted to 0.");
std::string M13(int hi) {
  return Box(kRootCaption,
             "The value is too big.\nThe first root must be comprised between 0 and ((2^width) - "
             "1 - number of check symbols\nThe value has been reseted to " +
                 std::to_string(hi) + ".");
}

std::string Type(const std::string& label, const std::string& text) {
  return "type \"" + label + "\" \"" + text + "\"\n";
}
std::string Pick(const std::string& label, const std::string& item) {
  return "pick \"" + label + "\" \"" + item + "\"\n";
}
const std::string kNext = "click \"Next >\"\n";
const std::string kBack = "click \"< Back\"\n";
const std::string kDvb = "click \"DVB Standard\"\n";

const std::vector<std::string> kPolynomials8 = {"285", "299", "301", "333", "351", "355",
                                                "357", "361", "369", "391", "397", "425",
                                                "451", "463", "487", "501"};

// Runs a new design to the parameter page, plays `events` there, dumps the page and finishes.
struct ParameterRun {
  e2e::Session session;
  testsupport::RunResult result;
  e2e::DumpPage page;
  e2e::Description written;

  explicit ParameterRun(const std::string& events) {
    result = session.RunNew(kNext + events + "dump\nclick Finish\n");
    const auto pages = e2e::ParseDumps(result.out);
    if (!pages.empty()) page = pages.back();
    written = session.Written();
  }
  std::vector<std::string> Messages() const { return e2e::Lines(result.err); }
  std::string Text(const std::string& label) const { return page.Get("field", label).text; }
  std::vector<std::string> Items(const std::string& label) const {
    return page.Get("field", label).items;
  }
};

// --- typed values: one message or none, the field's text, the settings at Finish -------------

struct TypedCase {
  const char* name;
  std::string events;  // on the parameter page
  std::vector<std::string> messages;
  std::string label;  // the field whose text is checked
  std::string text;
  Code code;
};

class TypedValue : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValue, MessageResetAndSettings) {
  const TypedCase& c = GetParam();
  ParameterRun run(c.events);
  EXPECT_EQ(run.result.exitStatus, 0);
  EXPECT_EQ(run.Messages(), c.messages);
  EXPECT_EQ(run.Text(c.label), c.text);
  ASSERT_TRUE(run.written.exists);
  EXPECT_EQ(CodeText(run.written), CodeText(c.code));
}

const TypedCase kTypedCases[] = {
    {"BitsTooBig", Type(kBits, "9"), {kM3}, kBits, "8", {8, 5, 4, 285, 0}},
    {"BitsTooSmall", Pick(kBits, "5") + Type(kBits, "3"), {kM2}, kBits, "4", {4, 5, 4, 19, 0}},
    {"BitsNotANumber", Pick(kBits, "5") + Type(kBits, "abc"), {kM1}, kBits, "4", {4, 5, 4, 19, 0}},
    {"BitsTrailingLetter",
     Pick(kBits, "5") + Type(kBits, "7x"),
     {kM1},
     kBits,
     "4",
     {4, 5, 4, 19, 0}},
    {"BitsWithPlusSign", Type(kBits, "+7"), {}, kBits, "+7", {7, 5, 4, 131, 0}},
    {"BitsEmpty", Pick(kBits, "6") + Type(kBits, ""), {kM2}, kBits, "4", {4, 5, 4, 19, 0}},
    {"SymbolsBelowFiveWithFourChecks",
     Type(kSymbols, "12") + Type(kSymbols, "3"),
     {kM6},
     kSymbols,
     "5",
     {4, 5, 4, 19, 0}},
    {"SymbolsBelowChecksResetsChecks",
     Pick(kBits, "5") + Type(kSymbols, "20") + Type(kChecks, "8") + Type(kSymbols, "6"),
     {kM6},
     kChecks,
     "4",
     {5, 5, 4, 37, 0}},
    {"SymbolsNotANumber",
     Type(kSymbols, "9") + Type(kSymbols, "x1"),
     {M5(5)},
     kSymbols,
     "5",
     {4, 5, 4, 19, 0}},
    {"SymbolsTooBig", Type(kSymbols, "16"), {M7(15)}, kSymbols, "15", {4, 15, 4, 19, 0}},
    {"FirstRootTooBig",
     Type(kSymbols, "15") + Type(kFirstRoot, "12"),
     {M13(11)},
     kFirstRoot,
     "11",
     {4, 15, 4, 19, 11}},
    {"FirstRootNegative",
     Type(kSymbols, "15") + Type(kFirstRoot, "5") + Type(kFirstRoot, "-1"),
     {kM12},
     kFirstRoot,
     "0",
     {4, 15, 4, 19, 0}},
    {"FirstRootNotANumber",
     Type(kFirstRoot, "2") + Type(kFirstRoot, "z"),
     {kM11},
     kFirstRoot,
     "0",
     {4, 5, 4, 19, 0}},
    {"FirstRootEmptyIsZero",
     Type(kFirstRoot, "3") + Type(kFirstRoot, ""),
     {},
     kFirstRoot,
     "",
     {4, 5, 4, 19, 0}},
    {"PolynomialNotInRow",
     Pick(kPolynomial, "25") + Type(kPolynomial, "20"),
     {M4(19)},
     kPolynomial,
     "19",
     {4, 5, 4, 19, 0}},
    {"PolynomialInRow", Type(kPolynomial, "25"), {}, kPolynomial, "25", {4, 5, 4, 25, 0}},
    {"PolynomialOfAnotherRow",
     Pick(kBits, "5") + Type(kPolynomial, "285"),
     {M4(37)},
     kPolynomial,
     "37",
     {5, 5, 4, 37, 0}},
    {"ChecksAboveSymbolsMinusOne",
     Pick(kBits, "5") + Type(kSymbols, "30") + Type(kChecks, "40"),
     {M10(29)},
     kChecks,
     "29",
     {5, 30, 29, 37, 0}},
    {"ChecksAboveFifty",
     kDvb + Type(kChecks, "60"),
     {M10(50)},
     kChecks,
     "50",
     {8, 204, 50, 285, 0}},
    {"ChecksEmpty",
     Type(kSymbols, "15") + Type(kChecks, "6") + Type(kChecks, ""),
     {kM9},
     kChecks,
     "4",
     {4, 15, 4, 19, 0}},
    {"ChecksNotANumber",
     Type(kSymbols, "15") + Type(kChecks, "6") + Type(kChecks, "q"),
     {kM8},
     kChecks,
     "4",
     {4, 15, 4, 19, 0}},
    {"ChecksAccepted",
     Type(kSymbols, "15") + Type(kChecks, "10"),
     {},
     kChecks,
     "10",
     {4, 15, 10, 19, 0}},
};

INSTANTIATE_TEST_SUITE_P(ParameterPage, TypedValue, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Three wrong entries in a row: each message in turn, and each reset seen in the next dump.
TEST(ParameterPage, BitsNineThenThreeThenAbc) {
  e2e::Session session;
  const auto r = session.RunNew(kNext + Type(kBits, "9") + "dump\n" + Type(kBits, "3") + "dump\n" +
                                Type(kBits, "abc") + "dump\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(e2e::Lines(r.err), (std::vector<std::string>{kM3, kM2, kM1}));
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].Get("field", kBits).text, "8");
  EXPECT_EQ(pages[0].Get("field", kPolynomial).text, "285");
  EXPECT_EQ(pages[0].Get("field", kPolynomial).items, kPolynomials8);
  EXPECT_EQ(pages[1].Get("field", kBits).text, "4");
  EXPECT_EQ(pages[1].Get("field", kPolynomial).text, "19");
  EXPECT_EQ(pages[2].Get("field", kBits).text, "4");
  EXPECT_EQ(CodeText(session.Written()), CodeText(Code{4, 5, 4, 19, 0}));
}

// --- from the DVB values down to four bits per symbol --------------------------------------

class DvbToFourBits : public ::testing::TestWithParam<std::string> {};

TEST_P(DvbToFourBits, RefillsAndLeavesTheFirstRootListStale) {
  ParameterRun run(kDvb + GetParam());
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.Text(kBits), "4");
  EXPECT_EQ(run.Text(kPolynomial), "19");
  EXPECT_EQ(run.Text(kSymbols), "5");
  EXPECT_EQ(run.Text(kChecks), "4");
  EXPECT_EQ(run.Text(kFirstRoot), "0");
  EXPECT_EQ(run.Items(kPolynomial), (std::vector<std::string>{"19", "25"}));
  // 17 .. 15: built with the old sixteen check symbols.
  EXPECT_EQ(run.Items(kSymbols), std::vector<std::string>{});
  EXPECT_EQ(run.Items(kChecks), std::vector<std::string>{"4"});
  // 0 .. 16 - 16 - 1: built before the check symbols were reset.
  EXPECT_EQ(run.Items(kFirstRoot), std::vector<std::string>{});
  EXPECT_EQ(CodeText(run.written), CodeText(Code{4, 5, 4, 19, 0}));
}

INSTANTIATE_TEST_SUITE_P(ParameterPage, DvbToFourBits,
                         ::testing::Values(Type(kBits, "4"), Pick(kBits, "4")),
                         [](const auto& info) { return info.index == 0 ? "Typed" : "Picked"; });

TEST(ParameterPage, StaleListsAreBuiltAfreshWhenThePageIsShownAgain) {
  ParameterRun run(kDvb + Type(kBits, "4") + kBack + kNext);
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.Items(kSymbols), Range(5, 15));
  EXPECT_EQ(run.Items(kChecks), std::vector<std::string>{"4"});
  EXPECT_EQ(run.Items(kFirstRoot), Range(0, 11));
}

// After message M6 the lists of the other fields still follow eight check symbols; picking from
// them is taken without a message.
TEST(ParameterPage, PickFromStaleListsAfterResetOfSymbols) {
  const std::string toStale =
      Pick(kBits, "5") + Type(kSymbols, "20") + Type(kChecks, "8") + Type(kSymbols, "6");
  ParameterRun before(toStale);
  EXPECT_EQ(before.Messages(), std::vector<std::string>{kM6});
  EXPECT_EQ(before.Items(kSymbols), Range(9, 31));
  EXPECT_EQ(before.Items(kChecks), std::vector<std::string>{"4"});
  EXPECT_EQ(before.Items(kFirstRoot), Range(0, 23));

  ParameterRun after(toStale + Pick(kSymbols, "9") + Pick(kFirstRoot, "23"));
  EXPECT_EQ(after.Messages(), std::vector<std::string>{kM6});
  EXPECT_EQ(after.Text(kSymbols), "9");
  EXPECT_EQ(after.Items(kChecks), Range(4, 8));
  EXPECT_EQ(after.Text(kFirstRoot), "23");
  EXPECT_EQ(CodeText(after.written), CodeText(Code{5, 9, 4, 37, 23}));
}

// An empty stale list offers nothing to pick: the console refuses and nothing changes.
TEST(ParameterPage, EmptyStaleListOffersNothing) {
  ParameterRun run(kDvb + Type(kBits, "4") + Pick(kFirstRoot, "3"));
  EXPECT_EQ(run.result.err,
            "error: no item \"3\" in the list of \"First root of polynomial generator\"\n");
  EXPECT_EQ(run.Text(kFirstRoot), "0");
  EXPECT_EQ(CodeText(run.written), CodeText(Code{4, 5, 4, 19, 0}));
}

// --- the DVB button from several states ------------------------------------------------------

struct DvbCase {
  const char* name;
  std::string before;  // events from the first page on, ending on the parameter page
  std::vector<std::string> beforeMessages;
};

class DvbPreset : public ::testing::TestWithParam<DvbCase> {};

TEST_P(DvbPreset, GivesTheDvbValuesWithoutMessage) {
  e2e::Session session;
  const auto r = session.RunNew(GetParam().before + kDvb + "dump\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_FALSE(pages.empty());
  const auto& page = pages.back();
  EXPECT_EQ(e2e::Lines(r.err), GetParam().beforeMessages);
  EXPECT_EQ(page.Get("field", kBits).text, "8");
  EXPECT_EQ(page.Get("field", kSymbols).text, "204");
  EXPECT_EQ(page.Get("field", kChecks).text, "16");
  EXPECT_EQ(page.Get("field", kPolynomial).text, "285");
  EXPECT_EQ(page.Get("field", kFirstRoot).text, "0");
  EXPECT_EQ(page.Get("field", kSymbols).items, Range(17, 255));
  EXPECT_EQ(page.Get("field", kChecks).items, Range(4, 50));
  EXPECT_EQ(page.Get("field", kPolynomial).items, kPolynomials8);
  EXPECT_EQ(page.Get("field", kFirstRoot).items, Range(0, 239));
  EXPECT_EQ(CodeText(session.Written()), CodeText(Code{8, 204, 16, 285, 0}));
}

const DvbCase kDvbCases[] = {
    {"NewDesign", kNext, {}},
    {"FiveBitsAndOtherValues",
     kNext + Pick(kBits, "5") + Type(kSymbols, "30") + Type(kChecks, "29") + Type(kFirstRoot, "2") +
         Pick(kPolynomial, "41"),
     {}},
    {"SevenBitDecoder",
     "click Decoder\nclick Streaming\n" + kNext + Pick(kBits, "7") + Type(kFirstRoot, "100"),
     {}},
    {"StaleListsAfterFourBits", kNext + kDvb + Type(kBits, "4"), {}},
    {"TwiceInARow", kNext + kDvb, {}},
    {"AfterMessages", kNext + Type(kBits, "9") + Type(kChecks, "60"), {kM3, M10(4)}},
    {"ComingBackFromTheFilesPage", kNext + Pick(kBits, "6") + kNext + kBack, {}},
};

INSTANTIATE_TEST_SUITE_P(ParameterPage, DvbPreset, ::testing::ValuesIn(kDvbCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- picks -----------------------------------------------------------------------------------

TEST(ParameterPage, PicksFromTheLists) {
  ParameterRun run(Pick(kBits, "8") + Pick(kSymbols, "255") + Pick(kChecks, "50") +
                   Pick(kFirstRoot, "205") + Pick(kPolynomial, "501"));
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.Items(kSymbols), Range(51, 255));
  EXPECT_EQ(run.Items(kChecks), Range(4, 50));
  EXPECT_EQ(run.Items(kFirstRoot), Range(0, 205));
  EXPECT_EQ(CodeText(run.written), CodeText(Code{8, 255, 50, 501, 205}));
}

TEST(ParameterPage, PickOfBitsRefillsTheOtherLists) {
  ParameterRun run(Pick(kBits, "6"));
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.Text(kPolynomial), "67");
  EXPECT_EQ(run.Items(kPolynomial),
            (std::vector<std::string>{"67", "91", "97", "103", "109", "115"}));
  EXPECT_EQ(run.Items(kSymbols), Range(5, 63));
  EXPECT_EQ(run.Items(kChecks), std::vector<std::string>{"4"});
  EXPECT_EQ(run.Items(kFirstRoot), Range(0, 59));
  EXPECT_EQ(CodeText(run.written), CodeText(Code{6, 5, 4, 67, 0}));
}

TEST(ParameterPage, NewDesignShowsTheConstructionValues) {
  ParameterRun run("");
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.Text(kBits), "4");
  EXPECT_EQ(run.Items(kBits), Range(4, 8));
  EXPECT_EQ(run.Text(kSymbols), "5");
  EXPECT_EQ(run.Items(kSymbols), Range(5, 15));
  EXPECT_EQ(run.Text(kChecks), "4");
  EXPECT_EQ(run.Items(kChecks), std::vector<std::string>{"4"});
  EXPECT_EQ(run.Text(kPolynomial), "19");
  EXPECT_EQ(run.Items(kPolynomial), (std::vector<std::string>{"19", "25"}));
  EXPECT_EQ(run.Text(kFirstRoot), "0");
  EXPECT_EQ(run.Items(kFirstRoot), Range(0, 11));
}

}  // namespace
