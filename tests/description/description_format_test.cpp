#include "description/description_format.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fuzz/description_invariants.h"
#include "tests/support/fake_platform.h"

namespace {

using description::DescriptionEntry;
using description::FieldSplitter;
using description::ReadDescription;
using description::ValueTable;
using description::WizardDescription;
using description::WriteDescription;

const char kHeader[] = "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: default\n\n";

// The symbol of the example: a box, a title and one pin with its label.
class ExampleSymbol : public description::SymbolLineWriter {
 public:
  void WriteSymbol(std::string& out) const override {
    out += "SYMBOL: BOX 160 224 50 206 Arial,10\n";
    out += "SYMBOL: PINSTUB 0 176 IN start 20 169 \"start\" HORIZ Arial,8\n";
    out += "SYMBOL: LINE 0 176 16 176 SOLID THIN\n";
  }
};

const char kExample[] =
    "GENERATION: STANDARD\n"
    "VERSION: WM1.0\n"
    "MODULE: default\n"
    "\n"
    "PRIVATE: Enc_Dec NUMERIC \"1\"\n"
    "\n"
    "CONSTANT: m NUMERIC \"8\"\n"
    "CONSTANT: speed STRING \"full\"\n"
    "\n"
    "USED_PORT: start 0 0 0 0 INPUT NODEFVAL start\n"
    "USED_PORT: rsout 0 0 8 1 OUTPUT NODEFVAL rsout[8..1]\n"
    "\n"
    "CONNECT: @start 0 0 0 0 start 0 0 0 0\n"
    "CONNECT: rsout 0 0 8 1 @rsout 0 0 8 1\n"
    "\n"
    "SYMBOL: BOX 160 224 50 206 Arial,10\n"
    "SYMBOL: PINSTUB 0 176 IN start 20 169 \"start\" HORIZ Arial,8\n"
    "SYMBOL: LINE 0 176 16 176 SOLID THIN\n";

// The stores the example describes: one private, two constants, a single-bit input and an
// eight-bit output.
void FillExample(WizardDescription& d) {
  d.AddPrivate("Enc_Dec", 1);
  d.AddConstant("m", 8);
  d.AddConstant("speed", "full");
  d.AddUsedPort("start", 0, 0, "NODEFVAL", 0);
  d.AddUsedPort("rsout", 8, 1, 1, "NODEFVAL");
}

::testing::AssertionResult SameStores(const WizardDescription& expected,
                                      const WizardDescription& actual) {
  for (const descriptiontest::NamedStore& s : descriptiontest::kStores) {
    const std::string difference =
        descriptiontest::CompareStores(expected.*s.store, actual.*s.store);
    if (!difference.empty()) return ::testing::AssertionFailure() << s.name << ": " << difference;
  }
  return ::testing::AssertionSuccess();
}

WizardDescription Read(std::string_view content) {
  WizardDescription d;
  ReadDescription(d, content);
  return d;
}

std::vector<std::string> Columns(const DescriptionEntry* row) {
  std::vector<std::string> columns;
  if (row == nullptr) return columns;
  for (std::size_t c = 0; c < DescriptionEntry::kColumnCount; ++c) columns.push_back((*row)[c]);
  return columns;
}

// --- Writing ---

TEST(WriteDescription, TheExampleFileByteForByte) {
  const ExampleSymbol symbol;
  WizardDescription d(&symbol);
  FillExample(d);
  const std::string written = WriteDescription(d);
  EXPECT_EQ(written, kExample);
  EXPECT_TRUE(testsupport::MatchesGolden("description/example.cnx", written));
}

TEST(WriteDescription, EmptyStoresWithoutSymbolGiveFourLines) {
  EXPECT_EQ(WriteDescription(WizardDescription()), kHeader);
}

TEST(WriteDescription, TheSymbolLinesFollowTheHeaderWhenTheStoresAreEmpty) {
  const ExampleSymbol symbol;
  EXPECT_EQ(WriteDescription(WizardDescription(&symbol)),
            std::string(kHeader) + "SYMBOL: BOX 160 224 50 206 Arial,10\n" +
                "SYMBOL: PINSTUB 0 176 IN start 20 169 \"start\" HORIZ Arial,8\n" +
                "SYMBOL: LINE 0 176 16 176 SOLID THIN\n");
}

TEST(WriteDescription, TheModuleNameIsWrittenAsItIs) {
  WizardDescription d;
  d.moduleName = "rsstrb";
  EXPECT_EQ(WriteDescription(d), "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: rsstrb\n\n");
}

// Each group is followed by one empty line when it is not empty; constants come before
// parameters.
TEST(WriteDescription, GroupsInOrderEachClosedByAnEmptyLine) {
  WizardDescription d;
  d.connections.AddConnection("a", "@a", 1, 0);
  d.usedPorts.AddPort("a", 1, "NODEFVAL", 2, 0);
  d.parameters.AddNumeric("p", -3);
  d.constants.AddString("c", "x");
  d.privates.AddNumeric("v", 2);
  EXPECT_EQ(WriteDescription(d), std::string(kHeader) +
                                     "PRIVATE: v NUMERIC \"2\"\n\n"
                                     "CONSTANT: c STRING \"x\"\n\n"
                                     "PARAMETER: p NUMERIC \"-3\"\n\n"
                                     "USED_PORT: a 0 0 1 0 BIDIR NODEFVAL a[0..0]\n\n"
                                     "CONNECT: a 0 0 1 0 @a 0 0 1 0\n\n");
}

struct GroupCase {
  const char* name;
  void (*fill)(WizardDescription&);
  const char* lines;
};

class WriteOneGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(WriteOneGroup, HasOnlyItsLinesAndOneEmptyLine) {
  WizardDescription d;
  GetParam().fill(d);
  EXPECT_EQ(WriteDescription(d), std::string(kHeader) + GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, WriteOneGroup,
    ::testing::Values(
        GroupCase{"privates", [](WizardDescription& d) { d.AddPrivate("a", 1); },
                  "PRIVATE: a NUMERIC \"1\"\n\n"},
        GroupCase{"constants",
                  [](WizardDescription& d) {
                    d.AddConstant("a", 1);
                    d.AddConstant("b", "two words");
                  },
                  "CONSTANT: a NUMERIC \"1\"\nCONSTANT: b STRING \"two words\"\n\n"},
        GroupCase{"parameters", [](WizardDescription& d) { d.parameters.AddString("p", ""); },
                  "PARAMETER: p STRING \"\"\n\n"},
        GroupCase{"ports", [](WizardDescription& d) { d.usedPorts.AddPort("o", 4, "X", 1, 2); },
                  "USED_PORT: o 0 0 4 2 OUTPUT X o[5..2]\n\n"},
        GroupCase{"connections",
                  [](WizardDescription& d) { d.connections.AddConnection("@i", "7", 4, 0); },
                  "CONNECT: @i 0 0 4 0 7 0 0 0 0\n\n"}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

TEST(WriteDescription, ValuesAreEscapedAndQuotesAreNot) {
  WizardDescription d;
  d.AddConstant("v", "a\\b\tc\nd\"e\rf");
  EXPECT_EQ(WriteDescription(d),
            std::string(kHeader) + "CONSTANT: v STRING \"a\\\\b\\tc\\nd\"e\rf\"\n\n");
}

TEST(WriteDescription, NulBytesAreWrittenAsTheyAre) {
  WizardDescription d;
  d.AddConstant(std::string("a\0b", 3), std::string("x\0y", 3));
  const std::string nul(1, '\0');
  EXPECT_EQ(WriteDescription(d),
            std::string(kHeader) + "CONSTANT: a" + nul + "b STRING \"x" + nul + "y\"\n\n");
}

// --- Reading ---

TEST(ReadDescription, TheExampleFileGivesTheRowsItWasWrittenFrom) {
  WizardDescription expected;
  FillExample(expected);
  const WizardDescription d = Read(kExample);
  EXPECT_TRUE(SameStores(expected, d));
  EXPECT_EQ(d.moduleName, "default");
  EXPECT_EQ(d.constants.Count(), 2u);
  EXPECT_EQ(d.usedPorts.Count(), 2u);
  EXPECT_EQ(Columns(d.usedPorts.EntryAt(1)),
            (std::vector<std::string>{"rsout", "OUTPUT", "0", "0", "8", "1", "NODEFVAL",
                                      "rsout[8..1]", "", "", "0", "", "0"}));
}

TEST(ReadDescription, TheExampleWithCrLfLineEndsReadsTheSame) {
  std::string crlf;
  for (char c : std::string(kExample)) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  EXPECT_TRUE(SameStores(Read(kExample), Read(crlf)));
}

TEST(ReadDescription, AFileWithoutFinalLineFeedReadsItsLastLine) {
  const WizardDescription d = Read("PRIVATE: Enc_Dec NUMERIC \"1\"\nCONSTANT: m NUMERIC \"8\"");
  EXPECT_EQ(d.constants.LookupInt("m", 0), 8);
  EXPECT_EQ(d.privates.LookupInt("Enc_Dec", 0), 1);
}

TEST(ReadDescription, AppendsToTheRowsAlreadyThere) {
  WizardDescription d;
  d.AddConstant("first", 1);
  ReadDescription(d, "CONSTANT: second NUMERIC \"2\"\n");
  EXPECT_EQ((*d.constants.EntryAt(0))[0], "first");
  EXPECT_EQ((*d.constants.EntryAt(1))[0], "second");
}

TEST(ReadDescription, APrivateNumericReadsBackAsTheSameRow) {
  WizardDescription d;
  d.AddPrivate("Enc_Dec", 1);
  const std::string written = WriteDescription(d);
  EXPECT_NE(written.find("PRIVATE: Enc_Dec NUMERIC \"1\"\n"), std::string::npos);
  EXPECT_TRUE(SameStores(d, Read(written)));
}

struct ValueCase {
  const char* name;
  std::string line;
  std::string value;
};

class ReadValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadValue, GivesTheValueColumn) {
  const WizardDescription d = Read(GetParam().line);
  ASSERT_NE(d.constants.EntryAt(0), nullptr);
  EXPECT_EQ((*d.constants.EntryAt(0))[6], GetParam().value);
  EXPECT_EQ(d.constants.EntryAt(1), nullptr);
}

std::string Words(int count) {
  std::string words = "a";
  for (int i = 1; i < count; ++i) words += " a";
  return words;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadValue,
    ::testing::Values(
        ValueCase{"Quoted", "CONSTANT: c STRING \"full\"", "full"},
        ValueCase{"TwoBlanksBecomeOne", "CONSTANT: c STRING \"a  b\"", "a b"},
        ValueCase{"UnquotedTakesOneField", "CONSTANT: c STRING abc def", "abc"},
        ValueCase{"ASingleBlankReadsEmpty", "CONSTANT: c STRING \" \"", ""},
        ValueCase{"EmptyQuotes", "CONSTANT: c STRING \"\"", ""},
        ValueCase{"ALoneQuote", "CONSTANT: c STRING \"", ""},
        ValueCase{"NoValueField", "CONSTANT: c STRING", ""},
        ValueCase{"TabsSeparate", "CONSTANT:\tc\tSTRING\t\"x\t\ty\"", "x y"},
        ValueCase{"LeadingBlanksOfTheLine", "  \t CONSTANT: c STRING \"x\"", "x"},
        ValueCase{"AQuoteInsideAWord", "CONSTANT: c STRING \"a\"b\"", "a\"b"},
        ValueCase{"AWordEndingInAQuoteEndsTheValue", "CONSTANT: c STRING \"a\" b\"", "a"},
        ValueCase{"FieldsAfterTheValueAreIgnored", "CONSTANT: c STRING \"x\" y z", "x"},
        ValueCase{"Escapes", "CONSTANT: c STRING \"a\\\\b\\tc\\nd\\q\"", "a\\b\tc\nd\\q"},
        ValueCase{"UnquotedIsUnescapedToo", "CONSTANT: c STRING a\\tb", "a\tb"},
        ValueCase{"ACarriageReturnInsideALine", "CONSTANT: c STRING \"x\ry\"\n", "x\ry"},
        // A missing closing quote takes the rest of the line, pads a blank for every one of
        // the 99 rounds that found no field, and loses its first and last character.
        ValueCase{"MissingClosingQuote", "CONSTANT: c STRING \"abc", "abc" + std::string(98, ' ')},
        ValueCase{"MissingClosingQuoteTwoWords", "CONSTANT: c STRING \"a b\n",
                  "a b" + std::string(97, ' ')},
        ValueCase{"AHundredWords", "CONSTANT: c STRING \"" + Words(100) + "\"", Words(100)},
        // The 101st word is never joined; the last character of the 100th is dropped.
        ValueCase{"AHundredAndOneWords", "CONSTANT: c STRING \"" + Words(101) + "\"",
                  Words(99) + " "}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

TEST(ReadDescription, ValueLinesTakeNameAndKindAsTheyAre) {
  const WizardDescription d = Read("PARAMETER: p numeric 12abc\nPRIVATE: q\n");
  EXPECT_EQ(Columns(d.parameters.EntryAt(0)),
            (std::vector<std::string>{"p", "numeric", "", "0", "", "0", "12abc", "", "", "", "0",
                                      "", "0"}));
  EXPECT_EQ(d.parameters.LookupInt("p", 0), 12);
  // A missing kind gives an empty column, not the default.
  EXPECT_EQ(Columns(d.privates.EntryAt(0)),
            (std::vector<std::string>{"q", "", "", "0", "", "0", "", "", "", "", "0", "", "0"}));
}

TEST(ReadDescription, AValueLineWithoutNameAddsNoVisibleRow) {
  const WizardDescription d = Read("CONSTANT:\nCONSTANT:   \t\nCONSTANT: m NUMERIC 8\n");
  ASSERT_NE(d.constants.EntryAt(0), nullptr);
  EXPECT_EQ((*d.constants.EntryAt(0))[0], "m");
  EXPECT_EQ(d.constants.EntryAt(1), nullptr);
}

TEST(ReadDescription, AValueWithBackslashTabAndLineFeedSurvives) {
  WizardDescription d;
  d.AddConstant("v", "C:\\dir\tx\ny \\n");
  const std::string written = WriteDescription(d);
  EXPECT_NE(written.find("CONSTANT: v STRING \"C:\\\\dir\\tx\\ny \\\\n\"\n"), std::string::npos);
  // The value stayed on one line: the header's four lines, the constant and an empty line.
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 6);
  EXPECT_TRUE(SameStores(d, Read(written)));
}

TEST(ReadDescription, ASingleBlankValueIsWrittenQuotedAndReadsEmpty) {
  WizardDescription d;
  d.AddConstant("v", " ");
  const std::string written = WriteDescription(d);
  EXPECT_EQ(written, std::string(kHeader) + "CONSTANT: v STRING \" \"\n\n");
  EXPECT_EQ((*Read(written).constants.EntryAt(0))[6], "");
}

TEST(ReadDescription, IgnoresEveryOtherLine) {
  const WizardDescription d = Read(
      "private: a NUMERIC \"1\"\n"
      "PRIVATE a NUMERIC \"1\"\n"
      "Private: a NUMERIC \"1\"\n"
      "GENERATION: STANDARD\nVERSION: WM1.0\n"
      "MODULE: rsstrb\n"
      "SYMBOL: BOX 160 224 50 206 Arial,10\n"
      "# CONSTANT: a NUMERIC 1\n"
      "XCONSTANT: a NUMERIC 1\n"
      "CONSTANT:a NUMERIC 1\n"
      "\n   \n\t\n");
  for (const descriptiontest::NamedStore& s : descriptiontest::kStores)
    EXPECT_EQ((d.*s.store).EntryAt(0), nullptr) << s.name;
  EXPECT_EQ(d.moduleName, "default");
}

TEST(ReadDescription, AShortPortLineLeavesTheMissingColumnsEmpty) {
  const WizardDescription d = Read("USED_PORT: rsin 0 0 8 1\n");
  EXPECT_EQ(
      Columns(d.usedPorts.EntryAt(0)),
      (std::vector<std::string>{"rsin", "", "0", "0", "8", "1", "", "", "", "", "0", "", "0"}));
}

TEST(ReadDescription, APortLineTakesEightFieldsInItsColumnOrder) {
  const WizardDescription d = Read("USED_PORT: p a b c d BIDIR e p[x] more fields\n");
  EXPECT_EQ(Columns(d.usedPorts.EntryAt(0)),
            (std::vector<std::string>{"p", "BIDIR", "a", "b", "c", "d", "e", "p[x]", "", "", "0",
                                      "", "0"}));
}

TEST(ReadDescription, AConnectLineTakesTenFieldsInItsColumnOrder) {
  const WizardDescription d = Read("CONNECT: f1 f2 f3 f4 f5 s1 s2 s3 s4 s5 s6\n");
  EXPECT_EQ(Columns(d.connections.EntryAt(0)),
            (std::vector<std::string>{"s1", "UNDEF", "s2", "s3", "s4", "s5", "", "", "f1", "f2",
                                      "f3", "f4", "f5"}));
}

TEST(ReadDescription, AShortConnectLine) {
  // Without a sixth field the second end has no name and the row stays free.
  EXPECT_EQ(Read("CONNECT: @a 0 0 8 1\n").connections.EntryAt(0), nullptr);
  const WizardDescription d = Read("CONNECT: @a 0 0 8 1 a 0\n");
  EXPECT_EQ(
      Columns(d.connections.EntryAt(0)),
      (std::vector<std::string>{"a", "UNDEF", "0", "", "", "", "", "", "@a", "0", "0", "8", "1"}));
}

TEST(ReadDescription, AParameterIsNotWrittenAgainAfterTheStoresAreRebuilt) {
  WizardDescription d;
  ReadDescription(d, "PARAMETER: p NUMERIC \"3\"\nCONSTANT: m NUMERIC \"8\"\n");
  ASSERT_NE(d.parameters.Find("p"), nullptr);
  d.ClearStores();
  d.AddConstant("m", d.constants.LookupInt("m", 8));
  const std::string written = WriteDescription(d);
  EXPECT_EQ(written.find("PARAMETER:"), std::string::npos);
  EXPECT_EQ(written, std::string(kHeader) + "CONSTANT: m NUMERIC \"8\"\n\n");
}

// --- Pieces of 255 characters ---

// "CONSTANT: c STRING " and an unquoted value of the given length.
std::string UnquotedLine(std::size_t valueLength) {
  return "CONSTANT: c STRING " + std::string(valueLength, 'v');
}

TEST(ReadDescription, ALineOf255CharactersIsOnePiece) {
  const std::string line = UnquotedLine(255 - 19);
  ASSERT_EQ(line.size(), 255u);
  for (const char* end : {"", "\n", "\r\n"}) {
    const WizardDescription d = Read(line + end);
    EXPECT_EQ((*d.constants.EntryAt(0))[6].size(), 236u) << '"' << end << '"';
  }
}

TEST(ReadDescription, ALongerLineIsCutAfter255Characters) {
  const WizardDescription d = Read(UnquotedLine(300) + "\n");
  EXPECT_EQ((*d.constants.EntryAt(0))[6], std::string(236, 'v'));
  EXPECT_EQ(d.constants.EntryAt(1), nullptr);  // the remainder begins with no keyword
}

TEST(ReadDescription, ARemainderThatBeginsWithAKeywordIsALineOfItsOwn) {
  std::string line = "PRIVATE: p STRING \"" + std::string(300, 'x');
  line.resize(255);
  line += " CONSTANT: k NUMERIC 5\"";  // leading blanks of a piece are skipped
  const WizardDescription d = Read(line + "\r\n");
  EXPECT_EQ(d.constants.LookupInt("k", 0), 5);
  ASSERT_NE(d.privates.Find("p"), nullptr);
  // The quoted value ran to the end of its piece and was padded.
  EXPECT_EQ(d.privates.Find("p")->operator[](6), std::string(236, 'x') + std::string(98, ' '));
}

TEST(ReadDescription, PiecesAreCutFromEachLineOnItsOwn) {
  // Cutting restarts after every line feed: each line's first 255 characters are one piece.
  std::string content;
  for (int i = 0; i < 3; ++i) content += UnquotedLine(240) + "\n";
  const WizardDescription d = Read(content);
  ASSERT_EQ(d.constants.Count(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ((*d.constants.EntryAt(i))[6].size(), 236u);
}

// --- Bad input ---

TEST(ReadDescription, OnlyACarriageReturnBeforeALineFeedIsALineBreak) {
  // A final carriage return with no line feed after it stays in the last field.
  const WizardDescription d = Read("USED_PORT: p 0 0 0 0 INPUT NODEFVAL p\r");
  EXPECT_EQ((*d.usedPorts.EntryAt(0))[7], "p\r");
  // A lone carriage return does not end a line.
  const WizardDescription e = Read("CONSTANT: a NUMERIC 1\rCONSTANT: b NUMERIC 2\n");
  EXPECT_EQ(e.constants.Count(), 1u);
  EXPECT_EQ((*e.constants.EntryAt(0))[6], "1\rCONSTANT:");
}

TEST(ReadDescription, NulAndBinaryBytesAreOrdinaryCharacters) {
  const char raw[] =
      "CONSTANT: a\0b NUMERIC \"\xff\0\x01\"\n\0CONSTANT: x NUMERIC 1\n"
      "PRIVATE: \x80\xfe STRING \xc3\x28\n";
  const std::string content(raw, sizeof raw - 1);
  const WizardDescription d = Read(content);
  ASSERT_EQ(d.constants.Count(), 1u);
  EXPECT_EQ((*d.constants.EntryAt(0))[0], std::string("a\0b", 3));
  EXPECT_EQ((*d.constants.EntryAt(0))[6], std::string("\xff\0\x01", 3));
  EXPECT_EQ((*d.privates.EntryAt(0))[0], "\x80\xfe");
  EXPECT_EQ((*d.privates.EntryAt(0))[6], "\xc3\x28");
  EXPECT_TRUE(SameStores(d, Read(WriteDescription(d))));
}

struct FullStoreCase {
  const char* name;
  const char* line;
  const ValueTable WizardDescription::*store;
};

class ReadIntoAFullStore : public ::testing::TestWithParam<FullStoreCase> {};

// Rows beyond 512 are dropped without harm to the rows before them or to the other stores.
TEST_P(ReadIntoAFullStore, DropsTheRowsBeyond512) {
  std::string content;
  for (int i = 0; i < 600; ++i) {
    std::string line = GetParam().line;
    line.replace(line.find('#'), 1, std::to_string(i));
    content += line + "\n";
  }
  content += "PRIVATE: after NUMERIC 1\nCONNECT: x 0 0 0 0 after 0 0 0 0\n";
  const WizardDescription d = Read(content);
  const ValueTable& store = d.*GetParam().store;
  EXPECT_EQ(store.Count(), 512u);
  EXPECT_EQ(store.EntryAt(512), nullptr);
  EXPECT_EQ((*store.EntryAt(0))[0], "r0");
  EXPECT_EQ((*store.EntryAt(511))[0], "r511");
  EXPECT_EQ(store.Find("r512"), nullptr);
  EXPECT_NE(d.privates.Find("after"), nullptr);
  EXPECT_NE(d.connections.Find("after"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, ReadIntoAFullStore,
    ::testing::Values(
        FullStoreCase{"constants", "CONSTANT: r# NUMERIC \"#\"", &WizardDescription::constants},
        FullStoreCase{"parameters", "PARAMETER: r# STRING x", &WizardDescription::parameters},
        FullStoreCase{"ports", "USED_PORT: r# 0 0 0 0 INPUT NODEFVAL r",
                      &WizardDescription::usedPorts}),
    [](const ::testing::TestParamInfo<FullStoreCase>& info) { return info.param.name; });

TEST(ReadDescription, ATenMegabyteLine) {
  // Without a line feed, of plain bytes: nothing is read.
  EXPECT_EQ(Read(std::string(10'000'000, 'x')).constants.Count(), 0u);
  // A value line that goes on for 10 MB keeps only what its first piece holds.
  std::string line = "CONSTANT: big STRING \"";
  while (line.size() < 10'000'000) line += "w ";
  const WizardDescription d = Read(line + "\n");
  ASSERT_EQ(d.constants.Count(), 1u);
  EXPECT_LE((*d.constants.EntryAt(0))[6].size(), 255u + 99u);
  // Keywords inside a long line start rows at each 255-character cut.
  std::string keyed;
  while (keyed.size() < 10'000'000) {
    std::string piece = "CONSTANT: k NUMERIC 1 ";
    piece.resize(255, '.');
    keyed += piece;
  }
  EXPECT_EQ(Read(keyed).constants.Count(), 512u);
}

TEST(ReadDescription, AHundredThousandLines) {
  std::string content;
  for (int i = 0; i < 100'000; ++i) {
    content += i % 2 ? "USED_PORT: p 0 0 0 0 INPUT NODEFVAL p\r\n" : "\r\n";
  }
  const WizardDescription d = Read(content);
  EXPECT_EQ(d.usedPorts.Count(), 512u);
  EXPECT_EQ((*d.usedPorts.EntryAt(511))[7], "p");
  EXPECT_EQ(Read(std::string(100'000, '\n')).usedPorts.Count(), 0u);
}

// --- Escapes and fields ---

struct EscapeCase {
  std::string value;
  std::string escaped;
};

class EscapeValue : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeValue, EscapesAndUnescapesBack) {
  EXPECT_EQ(description::EscapeValue(GetParam().value), GetParam().escaped);
  EXPECT_EQ(description::UnescapeValue(GetParam().escaped), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, EscapeValue,
                         ::testing::Values(EscapeCase{"", ""}, EscapeCase{"plain", "plain"},
                                           EscapeCase{"\t", "\\t"}, EscapeCase{"\n", "\\n"},
                                           EscapeCase{"\\", "\\\\"}, EscapeCase{"\"", "\""},
                                           EscapeCase{"\r", "\r"}, EscapeCase{"\\n", "\\\\n"},
                                           EscapeCase{"a\tb\nc\\", "a\\tb\\nc\\\\"},
                                           EscapeCase{std::string("\0", 1), std::string("\0", 1)}));

struct UnescapeCase {
  std::string text;
  std::string value;
};

class UnescapeValue : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeValue, DecodesPairsFromTheLeft) {
  EXPECT_EQ(description::UnescapeValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnescapeValue,
    ::testing::Values(UnescapeCase{"\\\\", "\\"}, UnescapeCase{"\\n", "\n"},
                      UnescapeCase{"\\t", "\t"}, UnescapeCase{"\\x", "\\x"},
                      UnescapeCase{"\\\"", "\\\""}, UnescapeCase{"abc\\", "abc\\"},
                      UnescapeCase{"\\", "\\"}, UnescapeCase{"\\\\n", "\\n"},
                      UnescapeCase{"\\\\\\n", "\\\n"}, UnescapeCase{"\\x\\n", "\\x\n"},
                      UnescapeCase{"\\N\\T", "\\N\\T"}, UnescapeCase{"\\\\\\", "\\\\"}));

TEST(FieldSplitter, SplitsAtRunsOfBlanksTabsAndLineFeeds) {
  FieldSplitter fields(" \t a\t\tb \n c\r d \x0b e ");
  std::vector<std::string> got;
  while (const auto field = fields.Next()) got.emplace_back(*field);
  EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "c\r", "d", "\x0b", "e"}));
  EXPECT_FALSE(fields.Next().has_value());
  EXPECT_FALSE(FieldSplitter("").Next().has_value());
  EXPECT_FALSE(FieldSplitter(" \t\n").Next().has_value());
}

TEST(ReadValueToken, ReadsFromTheFieldsAfterTheKind) {
  FieldSplitter fields("\"a b\" rest \"c\"");
  EXPECT_EQ(description::ReadValueToken(fields), "a b");
  EXPECT_EQ(description::ReadValueToken(fields), "rest");
  EXPECT_EQ(description::ReadValueToken(fields), "c");
  EXPECT_EQ(description::ReadValueToken(fields), "");
}

}  // namespace
