#include "rswizard/parameter_page.h"

#include <gtest/gtest.h>

#include "description/wizard_description.h"
#include "host/process_state.h"
#include "rsblock/primitive_polynomials.h"
#include "rswizard/page_messages.h"
#include "rswizard/page_text.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_wizard_app.h"
#include "tests/rswizard/page_fake_ui.h"

namespace {

using rsblock::RsSettings;
using rspagetest::Range;
using rswizard::kBitsPerSymbolField;
using rswizard::kCheckSymbolsField;
using rswizard::kCodewordLengthField;
using rswizard::kFieldPolynomialField;
using rswizard::kFirstRootField;
using rswizard::Settings;

const std::vector<std::string> kM8Polynomials = {"285", "299", "301", "333", "351", "355",
                                                 "357", "361", "369", "391", "397", "425",
                                                 "451", "463", "487", "501"};

// Settings as (m, n, check, irrpol, genstart), the rest as a new design has them.
RsSettings Code(int m, int n, int r, int irrpol, int genstart) {
  RsSettings s;
  s.m = m;
  s.n = n;
  s.check = r;
  s.irrpol = irrpol;
  s.genstart = genstart;
  return s;
}

class ParameterPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetProcessState();
    Settings() = RsSettings{};
    ui.watchedFields = {kBitsPerSymbolField, kCodewordLengthField, kCheckSymbolsField,
                        kFieldPolynomialField, kFirstRootField};
  }
  void TearDown() override {
    Settings() = RsSettings{};
    host::ResetProcessState();
  }

  // Shows the page on `start` and runs `body` while it is open.
  void WithPage(const RsSettings& start, const std::function<void()>& body) {
    Settings() = start;
    ui.whileShown = [&](platform::Dialog& d) {
      dialog = &d;
      body();
      dialog = nullptr;
    };
    page.ShowModal();
  }

  void Type(int id, const std::string& text) {
    dialog->SetText(id, text);
    page.OnFieldLeave(*dialog, id);
  }
  void Pick(int id, const std::string& item) {
    const auto& items = dialog->Find(id)->items;
    const auto it = std::find(items.begin(), items.end(), item);
    ASSERT_NE(it, items.end()) << "no item " << item;
    dialog->Select(id, static_cast<int>(it - items.begin()));
    page.OnFieldPick(*dialog, id);
  }
  std::string Text(int id) const { return dialog->Text(id); }
  std::vector<std::string> Items(int id) const { return dialog->Find(id)->items; }
  std::vector<std::string> Texts() const {
    return {Text(kBitsPerSymbolField), Text(kCodewordLengthField), Text(kCheckSymbolsField),
            Text(kFieldPolynomialField), Text(kFirstRootField)};
  }
  static std::vector<int> Values(const RsSettings& s) {
    return {s.m, s.n, s.check, s.irrpol, s.genstart};
  }

  rspagetest::PageUi ui;
  testsupport::FakeProcess process;
  platform::ScopedPlatform scoped{nullptr, &process, &ui};
  description::WizardDescription description;
  rswizard::ParameterPage page{description, nullptr};
  platform::Dialog* dialog = nullptr;
};

// ---- Texts and messages ----

TEST(IsIntegerTextTest, OneLeadingSignOrBlankThenDigitsOnly) {
  struct Row {
    const char* text;
    bool passes;
  };
  const Row rows[] = {{"12", true},   {"-3", true},   {"+7", true},   {" 5", true},
                      {"", true},     {"+", true},    {"007", true},  {"1 2", false},
                      {"5 ", false},  {"x", false},   {"--3", false}, {"0x10", false},
                      {"7x", false},  {"  5", false}, {"- 3", false}, {"3.0", false},
                      {"\t5", false}, {"abc", false}};
  for (const Row& row : rows)
    EXPECT_EQ(rswizard::IsIntegerText(row.text), row.passes) << '"' << row.text << '"';
}

TEST(PageMessagesTest, TextsAndCaptionsAsUsersKnowThem) {
  using rswizard::PageMessage;
  const std::string bits = "Invalid number of bits per symbol";
  const std::string codeword = "Invalid number of symbol per codeword";
  const std::string check = "Invalid check symbol value";
  const std::string root = "Invalid first polynomial root";
  const std::pair<PageMessage, PageMessage> rows[] = {
      {rswizard::BitsNotIntegerMessage(4),
       {"Invalid value, please enter an integer.\nThe value has been reseted to 4.", bits}},
      {rswizard::BitsTooSmallMessage(4),
       {"The value you have entered is too small.\nIt must be between 4 and 8.\nThe value has "
        "been reseted to 4",
        bits + "."}},
      {rswizard::BitsTooBigMessage(8),
       {"The value you have entered is too big.\nIt must be between 4 and 8.\nThe value has "
        "been reseted to 8",
        bits + "."}},
      {rswizard::PolynomialIllegalMessage(19),
       {"The Field Polynomial you have entered is illegal.\nThe value has been reseted to 19.",
        "Invalid field polynomial value"}},
      {rswizard::CodewordNotIntegerMessage(17),
       {"Invalid value, please enter an integer.\nThe value has been reseted to 17.", codeword}},
      {rswizard::CodewordTooSmallMessage(5),
       {"The Value you have entered is too small.\nIt must be between max(5,number of check "
        "symbols) and ((2^bit width) -1)\nThe value has been reseted to 5.\nThe Number of check "
        "symbols will be reseted to 4.",
        codeword}},
      {rswizard::CodewordTooBigMessage(255),
       {"The Value you have entered is too big.\nIt must be between max(5,number of check "
        "symbols) and ((2^bit width) -1)\nThe value has been reseted to 255.",
        codeword}},
      {rswizard::CheckNotIntegerMessage(),
       {"Invalid value, please enter an integer.\nValue reseted to 4.", check}},
      {rswizard::CheckTooSmallMessage(),
       {"Value to small. It must be between 4 and min(50, number of symbols).\nValue set to 4.",
        check}},
      {rswizard::CheckTooBigMessage(29),
       {"Value to big. It must be between 4 and min(50, number of symbols).\nValue set to 29.",
        check}},
      {rswizard::RootNotIntegerMessage(0),
       {"Invalid value, please enter an integer.\nThe value has been reseted to 0.", root}},
      {rswizard::RootTooSmallMessage(0),
       {"The value is too small.\nThe first root must be comprised between 0 and ((2^width) - 1 "
        "- number of check symbols\nThe value has been reseted to 0.",
        root}},
      {rswizard::RootTooBigMessage(11),
       {"The value is too big.\nThe first root must be comprised between 0 and ((2^width) - 1 - "
        "number of check symbols\nThe value has been reseted to 11.",
        root}},
  };
  int number = 1;
  for (const auto& [actual, expected] : rows) {
    EXPECT_EQ(actual.text, expected.text) << "M" << number;
    EXPECT_EQ(actual.caption, expected.caption) << "M" << number;
    ++number;
  }
}

// ---- Showing the page ----

TEST_F(ParameterPageTest, NewDesignFillsTheFieldsAndTheirLists) {
  WithPage(RsSettings{}, [&] {
    EXPECT_EQ(Texts(), (std::vector<std::string>{"4", "5", "4", "19", "0"}));
    EXPECT_EQ(Items(kBitsPerSymbolField), Range(4, 8));
    EXPECT_EQ(Items(kCodewordLengthField), Range(5, 15));
    EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 4));
    EXPECT_EQ(Items(kFieldPolynomialField), (std::vector<std::string>{"19", "25"}));
    EXPECT_EQ(Items(kFirstRootField), Range(0, 11));
    const platform::Control* bits = dialog->Find(kBitsPerSymbolField);
    EXPECT_EQ(bits->label, "Number of bits per symbol");
    EXPECT_EQ(dialog->Find(kFirstRootField)->label, "First root of polynomial generator");
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Values(Settings()), (std::vector<int>{4, 5, 4, 19, 0}));
}

TEST_F(ParameterPageTest, ShowingWorksOnTheValuesThePageWasShownWith) {
  // n = 20 does not fit m = 4: the n refill lowers it to 11, but the check list is built for
  // the n the page was shown with.
  WithPage(Code(4, 20, 10, 19, 0), [&] {
    EXPECT_EQ(Text(kCodewordLengthField), "11");
    EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 19));
    EXPECT_EQ(Text(kCheckSymbolsField), "10");
  });
  EXPECT_EQ(Values(Settings()), (std::vector<int>{4, 11, 10, 19, 0}));
}

// ---- Leaving the bits-per-symbol field ----

struct BitsRow {
  const char* typed;
  int m;
  const char* caption;  // nullptr: no message
  std::string message;
  const char* textWhileShown;  // the field's text while the box was up
  const char* textAfter;
};

TEST_F(ParameterPageTest, TypedBitsPerSymbolAreTestedAndReset) {
  const BitsRow rows[] = {
      {"9", 8, "Invalid number of bits per symbol.", rswizard::BitsTooBigMessage(8).text, "8", "8"},
      {"3", 4, "Invalid number of bits per symbol.", rswizard::BitsTooSmallMessage(4).text, "3",
       "4"},
      {"abc", 4, "Invalid number of bits per symbol", rswizard::BitsNotIntegerMessage(4).text,
       "abc", "4"},
      {"7x", 4, "Invalid number of bits per symbol", rswizard::BitsNotIntegerMessage(4).text, "7x",
       "4"},
      {"", 4, "Invalid number of bits per symbol.", rswizard::BitsTooSmallMessage(4).text, "", "4"},
      {"99999999999", 8, "Invalid number of bits per symbol.", rswizard::BitsTooBigMessage(8).text,
       "8", "8"},
      {"+7", 7, nullptr, "", "", "+7"},
      {" 5", 5, nullptr, "", "", " 5"},
      {"6", 6, nullptr, "", "", "6"},
  };
  for (const BitsRow& row : rows) {
    SCOPED_TRACE(std::string("typed \"") + row.typed + "\"");
    ui.boxes.clear();
    std::string after;
    WithPage(RsSettings{}, [&] {
      Type(kBitsPerSymbolField, row.typed);
      after = Text(kBitsPerSymbolField);
    });
    EXPECT_EQ(Settings().m, row.m);
    EXPECT_EQ(after, row.textAfter);
    if (!row.caption) {
      EXPECT_TRUE(ui.boxes.empty());
    } else {
      ASSERT_EQ(ui.boxes.size(), 1u);
      EXPECT_EQ(ui.boxes[0].caption, row.caption);
      EXPECT_EQ(ui.boxes[0].text, row.message);
      EXPECT_EQ(ui.boxes[0].fieldTexts[kBitsPerSymbolField], row.textWhileShown);
      EXPECT_NE(ui.boxes[0].owner, nullptr);
    }
    // Every m refills the lists that depend on it.
    EXPECT_EQ(Settings().irrpol, rsblock::DefaultPolynomialFor(row.m));
    EXPECT_EQ(Settings().n, 5);
    EXPECT_EQ(Settings().check, 4);
  }
}

TEST_F(ParameterPageTest, OneMessagePerRefusedEntryInTypingOrder) {
  std::vector<int> mAfterEach;
  WithPage(RsSettings{}, [&] {
    for (const char* typed : {"9", "3", "abc", "7x", "+7"}) {
      Type(kBitsPerSymbolField, typed);
      mAfterEach.push_back(Settings().m);
    }
  });
  EXPECT_EQ(mAfterEach, (std::vector<int>{8, 4, 4, 4, 7}));
  ASSERT_EQ(ui.boxes.size(), 4u);
  EXPECT_EQ(ui.boxes[0].text, rswizard::BitsTooBigMessage(8).text);
  EXPECT_EQ(ui.boxes[0].fieldTexts[kBitsPerSymbolField], "8");
  EXPECT_EQ(ui.boxes[1].text, rswizard::BitsTooSmallMessage(4).text);
  EXPECT_EQ(ui.boxes[1].fieldTexts[kBitsPerSymbolField], "3");
  EXPECT_EQ(ui.boxes[2].text, rswizard::BitsNotIntegerMessage(4).text);
  EXPECT_EQ(ui.boxes[3].text, rswizard::BitsNotIntegerMessage(4).text);
  EXPECT_EQ(ui.boxes[3].fieldTexts[kBitsPerSymbolField], "7x");
}

TEST_F(ParameterPageTest, AcceptedBitsTextStaysAsTyped) {
  WithPage(RsSettings{}, [&] {
    Type(kBitsPerSymbolField, "+7");
    EXPECT_EQ(Text(kBitsPerSymbolField), "+7");
    EXPECT_EQ(Items(kFieldPolynomialField).size(), 18u);
    EXPECT_EQ(Items(kCodewordLengthField), Range(5, 127));
    EXPECT_EQ(Items(kFirstRootField), Range(0, 123));
  });
}

TEST_F(ParameterPageTest, MessageBoxesBelongToThePage) {
  const platform::Dialog* shown = nullptr;
  WithPage(RsSettings{}, [&] {
    shown = dialog;
    Type(kBitsPerSymbolField, "x");
  });
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].owner, shown);
}

TEST_F(ParameterPageTest, SmallerFieldCascadesThroughTheOtherLists) {
  // From the DVB code to m = 4: 285 is not a polynomial of degree 4; no n fits above r = 16,
  // so n falls to 5 and r with it to 4. The first roots were listed with the old r = 16.
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    Type(kBitsPerSymbolField, "4");
    EXPECT_EQ(Text(kFieldPolynomialField), "19");
    EXPECT_EQ(Items(kFieldPolynomialField), (std::vector<std::string>{"19", "25"}));
    EXPECT_TRUE(Items(kCodewordLengthField).empty());
    EXPECT_EQ(Text(kCodewordLengthField), "5");
    EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 4));
    EXPECT_EQ(Text(kCheckSymbolsField), "4");
    EXPECT_TRUE(Items(kFirstRootField).empty()) << "stale until r or m changes again";
    EXPECT_EQ(Text(kFirstRootField), "0");
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Values(Settings()), (std::vector<int>{4, 5, 4, 19, 0}));
}

TEST_F(ParameterPageTest, LargerFieldKeepsWhatStillFits) {
  WithPage(Code(5, 20, 8, 41, 3), [&] { Type(kBitsPerSymbolField, "8"); });
  // 41 is no polynomial of degree 8; n, r and the first root all still fit.
  EXPECT_EQ(Values(Settings()), (std::vector<int>{8, 20, 8, 285, 3}));
}

// ---- Leaving the other fields ----

struct LeaveRow {
  const char* name;
  RsSettings start;
  int field;
  const char* typed;
  std::vector<int> settings;  // m, n, check, irrpol, genstart afterwards
  std::string caption;        // empty: no message
  std::string message;
  const char* textWhileShown;
  const char* textAfter;
};

class LeaveTable : public ParameterPageTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(LeaveTable, TestsResetsAndRefills) {
  const LeaveRow& row = GetParam();
  std::string after;
  WithPage(row.start, [&] {
    Type(row.field, row.typed);
    after = Text(row.field);
  });
  EXPECT_EQ(Values(Settings()), row.settings);
  EXPECT_EQ(after, row.textAfter);
  if (row.caption.empty()) {
    EXPECT_TRUE(ui.boxes.empty());
    return;
  }
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].caption, row.caption);
  EXPECT_EQ(ui.boxes[0].text, row.message);
  EXPECT_EQ(ui.boxes[0].fieldTexts[row.field], row.textWhileShown);
}

const std::string kPolynomialCaption = "Invalid field polynomial value";
const std::string kCodewordCaption = "Invalid number of symbol per codeword";
const std::string kCheckCaption = "Invalid check symbol value";
const std::string kRootCaption = "Invalid first polynomial root";

// clang-format off
const LeaveRow kLeaveRows[] = {
    // Field polynomial: the field is reset before the message.
    {"Polynomial20", Code(4, 15, 4, 19, 0), kFieldPolynomialField, "20", {4, 15, 4, 19, 0},
     kPolynomialCaption, rswizard::PolynomialIllegalMessage(19).text, "19", "19"},
    {"Polynomial25", Code(4, 15, 4, 19, 0), kFieldPolynomialField, "25", {4, 15, 4, 25, 0},
     "", "", "", "25"},
    {"PolynomialText", Code(8, 204, 16, 301, 0), kFieldPolynomialField, "abc", {8, 204, 16, 285, 0},
     kPolynomialCaption, rswizard::PolynomialIllegalMessage(285).text, "285", "285"},
    // Symbols per codeword: message first, then the reset.
    {"CodewordBelow5", Code(4, 15, 4, 19, 0), kCodewordLengthField, "3", {4, 5, 4, 19, 0},
     kCodewordCaption, rswizard::CodewordTooSmallMessage(5).text, "3", "5"},
    {"CodewordBelowCheck", Code(5, 20, 8, 37, 0), kCodewordLengthField, "6", {5, 5, 4, 37, 0},
     kCodewordCaption, rswizard::CodewordTooSmallMessage(5).text, "6", "5"},
    {"CodewordBelowFiftyChecks", Code(8, 204, 50, 285, 0), kCodewordLengthField, "40", {8, 5, 4, 285, 0},
     kCodewordCaption, rswizard::CodewordTooSmallMessage(5).text, "40", "5"},
    {"CodewordAboveField", Code(4, 10, 4, 19, 0), kCodewordLengthField, "16", {4, 15, 4, 19, 0},
     kCodewordCaption, rswizard::CodewordTooBigMessage(15).text, "16", "15"},
    {"CodewordText", Code(8, 204, 16, 285, 0), kCodewordLengthField, "2O4", {8, 17, 16, 285, 0},
     kCodewordCaption, rswizard::CodewordNotIntegerMessage(17).text, "2O4", "17"},
    {"CodewordEmpty", Code(4, 10, 4, 19, 0), kCodewordLengthField, "", {4, 5, 4, 19, 0},
     kCodewordCaption, rswizard::CodewordTooSmallMessage(5).text, "", "5"},
    {"CodewordAccepted", Code(8, 204, 16, 285, 0), kCodewordLengthField, "+100", {8, 100, 16, 285, 0},
     "", "", "", "+100"},
    // Check symbols.
    {"CheckAboveCodeword", Code(5, 30, 4, 37, 0), kCheckSymbolsField, "40", {5, 30, 29, 37, 0},
     kCheckCaption, rswizard::CheckTooBigMessage(29).text, "40", "29"},
    {"CheckAbove50", Code(8, 204, 16, 285, 0), kCheckSymbolsField, "60", {8, 204, 50, 285, 0},
     kCheckCaption, rswizard::CheckTooBigMessage(50).text, "60", "50"},
    {"CheckEmpty", Code(8, 204, 16, 285, 0), kCheckSymbolsField, "", {8, 204, 4, 285, 0},
     kCheckCaption, rswizard::CheckTooSmallMessage().text, "", "4"},
    {"CheckText", Code(8, 204, 16, 285, 0), kCheckSymbolsField, "1 6", {8, 204, 4, 285, 0},
     kCheckCaption, rswizard::CheckNotIntegerMessage().text, "1 6", "4"},
    {"CheckUpToCodewordMinusOne", Code(8, 20, 16, 285, 200), kCheckSymbolsField, "19", {8, 20, 19, 285, 200},
     "", "", "", "19"},
    {"CheckMovesFirstRoot", Code(8, 204, 16, 285, 239), kCheckSymbolsField, "50", {8, 204, 50, 285, 0},
     "", "", "", "50"},
    // First root.
    {"RootAboveField", Code(4, 15, 4, 19, 0), kFirstRootField, "12", {4, 15, 4, 19, 11},
     kRootCaption, rswizard::RootTooBigMessage(11).text, "12", "11"},
    {"RootNegative", Code(4, 15, 4, 19, 5), kFirstRootField, "-1", {4, 15, 4, 19, 0},
     kRootCaption, rswizard::RootTooSmallMessage(0).text, "-1", "0"},
    {"RootText", Code(4, 15, 4, 19, 5), kFirstRootField, "x", {4, 15, 4, 19, 0},
     kRootCaption, rswizard::RootNotIntegerMessage(0).text, "x", "0"},
    {"RootEmpty", Code(4, 15, 4, 19, 5), kFirstRootField, "", {4, 15, 4, 19, 0},
     "", "", "", ""},
    {"RootHighest", Code(8, 204, 16, 285, 0), kFirstRootField, "239", {8, 204, 16, 285, 239},
     "", "", "", "239"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ParameterPage, LeaveTable, ::testing::ValuesIn(kLeaveRows),
                         [](const ::testing::TestParamInfo<LeaveRow>& info) {
                           return info.param.name;
                         });

TEST_F(ParameterPageTest, CodewordBelowCheckResetsCheckListToFive) {
  WithPage(Code(5, 20, 8, 37, 0), [&] {
    Type(kCodewordLengthField, "6");
    EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 4));
    EXPECT_EQ(Text(kCheckSymbolsField), "4");
  });
}

TEST_F(ParameterPageTest, CheckRefillsCodewordAndRootLists) {
  WithPage(Code(5, 30, 4, 37, 0), [&] {
    Type(kCheckSymbolsField, "40");
    EXPECT_EQ(Items(kCodewordLengthField), Range(30, 31));
    EXPECT_EQ(Items(kFirstRootField), Range(0, 2));
  });
}

TEST_F(ParameterPageTest, LeaveReadsTheOtherFieldsNotTheSettings) {
  // The fields show m = 4 while the settings still say 8 (as while the user edits): the range
  // for the first root comes from the texts.
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    dialog->SetText(kBitsPerSymbolField, "5");
    dialog->SetText(kCheckSymbolsField, "4");
    Type(kFirstRootField, "30");
  });
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, rswizard::RootTooBigMessage(27).text);
  EXPECT_EQ(Settings().genstart, 27);
  EXPECT_EQ(Settings().m, 8);
}

// ---- DVB preset ----

TEST_F(ParameterPageTest, DvbButtonFromAnyStateGivesTheDvbCode) {
  const std::vector<RsSettings> starts = {RsSettings{}, Code(5, 6, 4, 61, 27),
                                          Code(7, 127, 50, 253, 77), Code(8, 255, 50, 501, 205),
                                          Code(4, 5, 4, 25, 11)};
  for (const RsSettings& start : starts) {
    SCOPED_TRACE(::testing::PrintToString(Values(start)));
    ui.boxes.clear();
    WithPage(start, [&] {
      page.OnClicked(*dialog, rswizard::kDvbButton);
      EXPECT_EQ(Texts(), (std::vector<std::string>{"8", "204", "16", "285", "0"}));
      EXPECT_EQ(Items(kCodewordLengthField), Range(17, 255));
      EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 50));
      EXPECT_EQ(Items(kFieldPolynomialField), kM8Polynomials);
      EXPECT_EQ(Items(kFirstRootField), Range(0, 239));
      EXPECT_FALSE(dialog->Ended());
    });
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Values(Settings()), (std::vector<int>{8, 204, 16, 285, 0}));
  }
}

TEST_F(ParameterPageTest, DvbButtonOverwritesHalfTypedFields) {
  WithPage(RsSettings{}, [&] {
    dialog->SetText(kBitsPerSymbolField, "abc");
    dialog->SetText(kFirstRootField, "-7");
    page.OnClicked(*dialog, rswizard::kDvbButton);
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Values(Settings()), (std::vector<int>{8, 204, 16, 285, 0}));
}

// ---- Picking from the lists ----

TEST_F(ParameterPageTest, PickedBitsPerSymbolRefillLikeTypedOnesWithoutMessage) {
  WithPage(Code(8, 204, 16, 285, 0), [&] { Pick(kBitsPerSymbolField, "4"); });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Values(Settings()), (std::vector<int>{4, 5, 4, 19, 0}));
}

TEST_F(ParameterPageTest, PickedValuesGoStraightIntoTheSettings) {
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    Pick(kFieldPolynomialField, "451");
    Pick(kCodewordLengthField, "255");
    Pick(kCheckSymbolsField, "50");
    EXPECT_EQ(Items(kFirstRootField), Range(0, 205));
    Pick(kFirstRootField, "205");
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Values(Settings()), (std::vector<int>{8, 255, 50, 451, 205}));
}

TEST_F(ParameterPageTest, StaleCodewordListIsClampedOnPick) {
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    // The bits field already shows 4 but its leave has not run: n's list is still the one of
    // m = 8, and 200 lies above 2^4 - 1.
    dialog->SetText(kBitsPerSymbolField, "4");
    dialog->SetText(kCheckSymbolsField, "4");
    Pick(kCodewordLengthField, "200");
    EXPECT_EQ(Text(kCodewordLengthField), "15");
    EXPECT_EQ(Items(kCheckSymbolsField), Range(4, 14));
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Settings().n, 15);
  EXPECT_EQ(Settings().check, 4);
}

TEST_F(ParameterPageTest, CodewordPickBelowTheCheckCountFallsToFive) {
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    dialog->SetText(kCheckSymbolsField, "30");  // typed, not yet left
    Pick(kCodewordLengthField, "20");
    EXPECT_EQ(Text(kCodewordLengthField), "5");
    EXPECT_EQ(Text(kCheckSymbolsField), "4");
  });
  EXPECT_EQ(Settings().n, 5);
  EXPECT_EQ(Settings().check, 4);
}

TEST_F(ParameterPageTest, StaleFirstRootListIsClampedOnPick) {
  WithPage(Code(8, 204, 16, 285, 0), [&] {
    dialog->SetText(kCheckSymbolsField, "50");
    Pick(kFirstRootField, "239");
    EXPECT_EQ(Text(kFirstRootField), "205");
  });
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Settings().genstart, 205);
}

TEST_F(ParameterPageTest, NegativeOrNonNumericRootItemsGiveZero) {
  WithPage(Code(8, 204, 16, 285, 9), [&] {
    dialog->AddItem(kFirstRootField, "-3");
    dialog->AddItem(kFirstRootField, "x");
    Pick(kFirstRootField, "-3");
    EXPECT_EQ(Text(kFirstRootField), "0");
    EXPECT_EQ(Settings().genstart, 0);
    Pick(kFirstRootField, "9");
    Pick(kFirstRootField, "x");
    EXPECT_EQ(Text(kFirstRootField), "0");
    EXPECT_EQ(Settings().genstart, 0);
  });
}

TEST_F(ParameterPageTest, PickWithoutSelectedItemChangesNothing) {
  WithPage(Code(8, 204, 16, 285, 7), [&] {
    dialog->SetText(kFirstRootField, "100");
    dialog->Select(kFirstRootField, -1);
    page.OnFieldPick(*dialog, kFirstRootField);
    dialog->Select(kBitsPerSymbolField, -1);
    page.OnFieldPick(*dialog, kBitsPerSymbolField);
  });
  EXPECT_EQ(Values(Settings()), (std::vector<int>{8, 204, 16, 285, 7}));
}

TEST_F(ParameterPageTest, ShownAgainTheListsAreBuiltAfresh) {
  WithPage(Code(8, 204, 16, 285, 0), [&] { Type(kBitsPerSymbolField, "4"); });
  // The first-root list was left stale (empty); the next showing lists it for r = 4.
  WithPage(Settings(), [&] { EXPECT_EQ(Items(kFirstRootField), Range(0, 11)); });
}

// ---- The preview ----

class ParameterPreviewTest : public ParameterPageTest {
 protected:
  rswizard::ParameterPage previewPage{description, &rswizard::ProcessSymbolModel()};
};

bool SymbolHasText(const std::string& text) {
  for (const auto& t : rswizard::ProcessSymbolModel().Texts())
    if (t->text.find(text) != std::string::npos) return true;
  return false;
}

TEST_F(ParameterPreviewTest, EveryChangeRebuildsTheSymbolAndRepaints) {
  Settings() = RsSettings{};
  int repaints = 0;
  bool polynomialShown = false;
  bool presetShown = false;
  ui.whileShown = [&](platform::Dialog& d) {
    ASSERT_TRUE(previewPage.HasPanel());
    rspagetest::RepaintCounter counter(d, host::kSymbolPanelId);
    d.AttachView(&counter);
    d.SetText(kBitsPerSymbolField, "5");
    previewPage.OnFieldLeave(d, kBitsPerSymbolField);
    polynomialShown = SymbolHasText("x^5 + x^2 + 1");
    previewPage.OnClicked(d, rswizard::kDvbButton);
    presetShown = SymbolHasText("x^8 + x^4 + x^3 + x^2 + 1");
    d.Select(kFirstRootField, 3);
    previewPage.OnFieldPick(d, kFirstRootField);
    d.AttachView(nullptr);
    repaints = counter.count;
  };
  previewPage.ShowModal();
  EXPECT_TRUE(polynomialShown);
  EXPECT_TRUE(presetShown);
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(Settings().genstart, 3);
}

}  // namespace
