#include "rsmath/rs_vector_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "rsmath/hex_table_writer.h"
#include "rsmath/memory_table_names.h"
#include "tests/rsmath/rs_test_codes.h"
#include "tests/support/fake_platform.h"

namespace {

using rsmath::RsVectorWriter;
using rsmath::Tables;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The lines after the first line that equals `from`, up to and including the first that ends
// in ';'.
std::vector<std::string> PatternAfter(const std::vector<std::string>& lines,
                                      const std::string& from) {
  auto it = std::find(lines.begin(), lines.end(), from);
  std::vector<std::string> pattern;
  if (it == lines.end()) return pattern;
  for (++it; it != lines.end(); ++it) {
    pattern.push_back(*it);
    if (!it->empty() && it->back() == ';') break;
  }
  return pattern;
}

// The values of the rsin entries "t> v" from time `start` on, `count` of them.
std::vector<int> RsinFrom(const std::vector<std::string>& lines, long start, int count) {
  std::vector<int> values;
  const std::string prefix = std::to_string(start) + "> ";
  auto it = std::find_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.rfind("INPUTS rsin[", 0) == 0; });
  it = std::find_if(it, lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  for (; it != lines.end() && static_cast<int>(values.size()) < count; ++it)
    values.push_back(std::stoi(it->substr(it->find("> ") + 2)));
  return values;
}

std::string FatalText(const std::string& path) {
  return "Unable to open the file " + path +
         " for writting\n The program can not continue\n\nPress OK to Exit";
}

class VectorWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { rsmath::ResetTables(); }
  void TearDown() override { rsmath::ResetTables(); }

  RsVectorWriter Writer(int m, int n, int irrpol, int r, int genstart, int encDec, int discStream,
                        int fastSmall, int vectors) const {
    return RsVectorWriter{m,          n,         irrpol,  r,         genstart,  encDec,
                          discStream, fastSmall, vectors, dir.Dir(), "rsdesign"};
  }

  // The encoder path as the settings emission runs it: tables first, then the writer.
  void RunEncoder(const RsVectorWriter& w) {
    const rsmath::GaloisField field = w.Field();
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    w.WriteEncoderFiles();
  }
  // The decoder path: the emission builds both tables before the writer rebuilds what it needs.
  void RunDecoder(const RsVectorWriter& w) {
    const rsmath::GaloisField field = w.Field();
    field.BuildPowerTable();
    field.BuildGeneratorPoly();
    w.WriteDecoderFiles();
  }
  std::string Read(const std::string& name) const {
    return testsupport::ReadFileText(dir.Path() / name);
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir.Path() / name); }

  testsupport::TempDir dir;
  testsupport::FaultyFileSystem files;
  testsupport::FakeProcess process;
  testsupport::RecordingUi ui;
  platform::ScopedPlatform installed{&files, &process, &ui};
};

TEST(NumerrWidth, BitLengthOfR) {
  struct Row {
    int r, width;
  };
  for (const Row& row : {Row{0, 0}, Row{1, 1}, Row{3, 2}, Row{4, 3}, Row{7, 3}, Row{8, 4},
                         Row{15, 4}, Row{16, 5}, Row{31, 5}, Row{32, 6}, Row{50, 6}})
    EXPECT_EQ(rsmath::numerrWidth(row.r), row.width) << row.r;
}

TEST_F(VectorWriterTest, PathsFromTheDesignNames) {
  RsVectorWriter w = Writer(4, 5, 19, 4, 0, 0, 1, 1, 1);
  w.designDirectory = "/designs/";
  EXPECT_EQ(w.InversePath(), "/designs/inv_4_19.hex");
  EXPECT_EQ(w.EvnumPath(), "/designs/evnum_4_19_0.hex");
  EXPECT_EQ(w.VectorPath(), "/designs/rsdesign.vec");
  w.designDirectory = "";
  EXPECT_EQ(w.EvnumPath(), "evnum_4_19_0.hex");
}

TEST(MemoryTableNames, NamesWithoutTheDirectory) {
  EXPECT_EQ(rsmath::InverseTableName(8, 285), "inv_8_285.hex");
  EXPECT_EQ(rsmath::EvnumTableName(7, 131, 126), "evnum_7_131_126.hex");
}

TEST_F(VectorWriterTest, HeaderLines) {
  std::string text;
  Writer(4, 5, 19, 4, 0, 1, 1, 1, 1).AppendHeader(text);
  EXPECT_EQ(text,
            "% n = 5 (length of message) %\n"
            "% m = 4 (field size (2^m)) %\n"
            "% r = 4 (number of check symbols) %\n"
            "% irrpol = 19 (field polynomial) %\n"
            "% genstart = 0 (first root of generator polynomial) %\n");
}

TEST_F(VectorWriterTest, EncoderWorkedExample) {
  RunEncoder(Writer(4, 15, 19, 4, 0, 1, 0, 1, 1));
  const std::string text = Read("rsdesign.vec");
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/encoder_4_15_4.vec", text));
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines[5], "STOP 2500;");
  EXPECT_EQ(PatternAfter(lines, "OUTPUTS rsout[4..1];"),
            (std::vector<std::string>{"PATTERN",      "0> 0 = 0 ",   "200> 10 = 0",  "300> 9 = 10",
                                      "400> 8 = 9",   "500> 7 = 8",  "600> 6 = 7",   "700> 5 = 6",
                                      "800> 4 = 5",   "900> 3 = 4",  "1000> 2 = 3",  "1100> 1 = 2",
                                      "1200> 0 = 1",  "1300> 0 = 0", "1400> 0 = 13", "1500> 0 = 15",
                                      "1600> 0 = 13", "1700> 0 = 4", "1800> 0 = 0",  ";"}));
  EXPECT_EQ(files.opened, (std::vector<std::string>{dir.Dir() + "rsdesign.vec"}));
  EXPECT_FALSE(Exists("inv_4_19.hex"));  // an encoder has no memory files
}

TEST_F(VectorWriterTest, EncoderWithTheDefaultsFeedsOneZeroSymbol) {
  RunEncoder(Writer(4, 5, 19, 4, 0, 1, 0, 1, 1));  // k = 1
  const std::string text = Read("rsdesign.vec");
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/encoder_default.vec", text));
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines[0], "% n = 5 (length of message) %");
  EXPECT_EQ(lines[5], "STOP 1500;");
  // n + 2 entries after "0> 0 = 0 ", all zero; step 13 writes nothing, step 14 r + 1 entries.
  EXPECT_EQ(PatternAfter(lines, "0> 0 = 0 "),
            (std::vector<std::string>{"200> 0 = 0", "300> 0 = 0", "400> 0 = 0", "500> 0 = 0",
                                      "600> 0 = 0", "700> 0 = 0", "800> 0 = 0", ";"}));
}

TEST_F(VectorWriterTest, EncoderWithAnEmptyMessage) {
  RunEncoder(Writer(4, 5, 19, 5, 0, 1, 0, 1, 1));  // k = 0
  const std::vector<std::string> pattern = PatternAfter(Lines(Read("rsdesign.vec")), "0> 0 = 0 ");
  ASSERT_FALSE(pattern.empty());
  EXPECT_EQ(pattern.front(), "200> 0 = 0");
  EXPECT_EQ(pattern.size(), 1u + 6u + 1u + 1u);  // 200, r + 1 check entries, the last, ";"
  for (std::size_t i = 1; i + 1 < pattern.size(); ++i)
    EXPECT_EQ(pattern[i], std::to_string(200 + 100 * i) + "> 0 = 0");
}

TEST_F(VectorWriterTest, EncoderWithoutVectorFileStillEncodes) {
  RunEncoder(Writer(4, 15, 19, 4, 0, 1, 0, 1, 0));
  EXPECT_TRUE(files.opened.empty());
  EXPECT_EQ(Tables().message[10], 10);
  EXPECT_EQ(Tables().codeword[0], 4);
  EXPECT_EQ(Tables().codeword[3], 13);
  EXPECT_EQ(Tables().codeword[14], 10);
}

TEST_F(VectorWriterTest, EncoderLongestCode) {
  RunEncoder(Writer(8, 255, 285, 16, 0, 1, 0, 1, 1));
  const std::vector<std::string> lines = Lines(Read("rsdesign.vec"));
  EXPECT_EQ(lines[5], "STOP 26500;");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "25800> 0 = 0");
  EXPECT_EQ(lines.back(), ";");
  EXPECT_EQ(lines[lines.size() - 257 - 2 + 1], "200> 238 = 0");  // message[k - 1] = 238
}

TEST_F(VectorWriterTest, DiscreteDecoderWithTheDefaults) {
  RunDecoder(Writer(4, 5, 19, 4, 0, 0, 1, 1, 1));
  EXPECT_EQ(files.opened,
            (std::vector<std::string>{dir.Dir() + "inv_4_19.hex", dir.Dir() + "evnum_4_19_0.hex",
                                      dir.Dir() + "rsdesign.vec"}));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/inv_4_19.hex", Read("inv_4_19.hex")));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/evnum_4_19_0.hex", Read("evnum_4_19_0.hex")));
  const std::string text = Read("rsdesign.vec");
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/discrete_default.vec", text));
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines[5], "START 0;");
  EXPECT_EQ(lines[6], "STOP 7320;");
  EXPECT_EQ(PatternAfter(lines, "INPUTS rsin[4..1];"),
            (std::vector<std::string>{"PATTERN", "0> 0 ", "200> 0", "300> 0", "400> 0", "500> 0",
                                      "600> 0", "700> 0 ;"}));
  EXPECT_EQ(lines.back(), "OUTPUTS outvalid rsout[4..1] numerr[3..1] decfail;");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VectorWriterTest, DiscreteDecoderCycleAllowance) {
  // w = 3n + 8r + 4 full, 3n + 11r + 4 half; STOP = 120 (w + 2n).
  RunDecoder(Writer(4, 15, 19, 4, 0, 0, 1, 1, 1));
  const std::vector<std::string> full = Lines(Read("rsdesign.vec"));
  EXPECT_EQ(full[6], "STOP " + std::to_string(120 * (45 + 32 + 4 + 30)) + ";");
  EXPECT_EQ(RsinFrom(full, 200, 15),
            (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 13, 15, 13, 4}));
  EXPECT_EQ(full[full.size() - 2], "1700> 0 ;");
  RunDecoder(Writer(8, 255, 285, 50, 0, 0, 1, 0, 1));
  const std::vector<std::string> half = Lines(Read("rsdesign.vec"));
  EXPECT_EQ(half[6], "STOP " + std::to_string(120 * (765 + 550 + 4 + 510)) + ";");
  EXPECT_EQ(half.back(), "OUTPUTS outvalid rsout[8..1] numerr[6..1] decfail;");
}

TEST_F(VectorWriterTest, StreamingDecoderWorkedExample) {
  RunDecoder(Writer(4, 15, 19, 4, 0, 0, 0, 1, 1));
  const std::string text = Read("rsdesign.vec");
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/streaming_4_15_4.vec", text));
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines[6], "STOP 64800;");
  std::vector<std::string> dsin = {"PATTERN", "0> 1", "100> 0", "300> 1", "1900> 0"};
  for (long j = 1; j <= 10; ++j) {
    dsin.push_back(std::to_string(j * 5400) + "> 1");
    dsin.push_back(std::to_string(j * 5400 + 1515) + "> 0");
  }
  dsin.push_back("57100> 0;");
  EXPECT_EQ(PatternAfter(lines, "INPUTS dsin;"), dsin);
  EXPECT_EQ(RsinFrom(lines, 300, 15),
            (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 13, 15, 13, 4}));
  EXPECT_EQ(RsinFrom(lines, 5400, 15),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 3, 3, 12, 12}));
  EXPECT_EQ(RsinFrom(lines, 21600, 15),
            (std::vector<int>{10, 6, 2, 13, 9, 5, 1, 12, 8, 4, 0, 12, 1, 0, 3}));
  EXPECT_EQ(lines[lines.size() - 2], "23100> 0 ;");
  EXPECT_EQ(lines.back(), "OUTPUTS outvalid rsout[4..1] numerr[3..1] decfail rdyin;");
  // rsin: "0> 0 ", five codewords of n entries, the closing entry.
  EXPECT_EQ(PatternAfter(lines, "INPUTS rsin[4..1];").size(), 1u + 1u + 5u * 15u + 1u);
}

TEST_F(VectorWriterTest, StreamingCodewordsAgreeWithLongDivision) {
  struct Case {
    int m, n, p, r, genstart, fast;
  };
  for (const Case& c :
       {Case{4, 15, 19, 4, 0, 1}, Case{5, 31, 41, 6, 3, 0}, Case{8, 255, 285, 50, 205, 1},
        Case{8, 204, 285, 16, 0, 1}, Case{7, 100, 137, 9, 17, 0}}) {
    rsmath::ResetTables();
    RunDecoder(Writer(c.m, c.n, c.p, c.r, c.genstart, 0, 0, c.fast, 1));
    const std::vector<std::string> lines = Lines(Read("rsdesign.vec"));
    const int k = c.n - c.r;
    const long v = c.fast ? std::max(c.n + c.r, (17 * c.r * c.r + 9) / 10)
                          : std::max(c.n + c.r, 3 * c.r * c.r);
    const long d = 100 * (v + 4 + 3 * c.n / 2);
    EXPECT_EQ(lines[6], "STOP " + std::to_string(12 * d) + ";");
    const rstest::LogField model(c.m, c.p);
    std::vector<std::vector<int>> messages(5, std::vector<int>(k));
    for (int i = 0; i < k; ++i) {
      messages[0][i] = i;
      messages[1][i] = k - i;
      messages[2][i] = i == 0 || i == k - 1 ? c.r : c.n;
      messages[3][i] = c.m;
      messages[4][i] = i * c.m % c.n;
    }
    const long starts[5] = {300, d, 2 * d, 3 * d, 4 * d};
    for (int w = 0; w < 5; ++w) {
      std::vector<int> expected = model.Codeword(messages[w], c.genstart, c.r);
      std::reverse(expected.begin(), expected.end());  // fed highest power first
      EXPECT_EQ(RsinFrom(lines, starts[w], c.n), expected) << "m " << c.m << " codeword " << w + 1;
    }
    EXPECT_EQ(lines[lines.size() - 2], std::to_string(4 * d + 100 * c.n) + "> 0 ;");
  }
}

TEST_F(VectorWriterTest, StreamingDecoderHalfSpeedSpacing) {
  RunDecoder(Writer(4, 15, 19, 4, 0, 0, 0, 0, 1));
  const std::vector<std::string> lines = Lines(Read("rsdesign.vec"));
  EXPECT_EQ(lines[6], "STOP 88800;");
  const std::vector<std::string> dsin = PatternAfter(lines, "INPUTS dsin;");
  ASSERT_GE(dsin.size(), 7u);
  EXPECT_EQ(dsin[5], "7400> 1");
  EXPECT_EQ(dsin[6], "8915> 0");
  EXPECT_EQ(RsinFrom(lines, 7400, 1).size(), 1u);
}

TEST_F(VectorWriterTest, StreamingPulsesLast101TimesN) {
  RunDecoder(Writer(4, 5, 19, 4, 0, 0, 2, 1, 1));  // any Disc_Stream other than 1 streams
  std::vector<std::string> dsin = PatternAfter(Lines(Read("rsdesign.vec")), "INPUTS dsin;");
  // v = max(9, 28) = 28; D = 100 (28 + 4 + 7) = 3900.
  ASSERT_GE(dsin.size(), 7u);
  EXPECT_EQ(dsin[4], "900> 0");
  EXPECT_EQ(dsin[5], "3900> 1");
  EXPECT_EQ(dsin[6], "4405> 0");
  RunDecoder(Writer(8, 255, 285, 50, 205, 0, 0, 1, 1));
  dsin = PatternAfter(Lines(Read("rsdesign.vec")), "INPUTS dsin;");
  // v = max(305, 4250) = 4250; D = 100 (4250 + 4 + 382) = 463600.
  ASSERT_GE(dsin.size(), 7u);
  EXPECT_EQ(dsin[5], "463600> 1");
  EXPECT_EQ(dsin[6], std::to_string(463600 + 25755) + "> 0");
  EXPECT_EQ(dsin.back(), std::to_string(10 * 463600 + 200 * 255 + 100) + "> 0;");
}

TEST_F(VectorWriterTest, StreamingThirdMessageForShortMessages) {
  // k = 2: r, r; k = 1: the single symbol r. The codeword is written highest power first, so
  // its first symbols are the message from message[k - 1] down.
  RunDecoder(Writer(4, 6, 19, 4, 0, 0, 0, 1, 1));
  std::vector<std::string> lines = Lines(Read("rsdesign.vec"));
  const long d2 = 100 * (28 + 4 + 9);
  EXPECT_EQ(RsinFrom(lines, 2 * d2, 2), (std::vector<int>{4, 4}));
  EXPECT_EQ(RsinFrom(lines, d2, 2), (std::vector<int>{1, 2}));  // k - c: 2, 1
  RunDecoder(Writer(4, 5, 19, 4, 0, 0, 0, 1, 1));
  lines = Lines(Read("rsdesign.vec"));
  EXPECT_EQ(RsinFrom(lines, 2 * 3900, 1), (std::vector<int>{4}));
  EXPECT_EQ(RsinFrom(lines, 3 * 3900, 1), (std::vector<int>{4}));  // m
}

TEST_F(VectorWriterTest, StreamingWithAnEmptyMessageFeedsZeros) {
  RunDecoder(Writer(4, 5, 19, 5, 0, 0, 0, 1, 1));  // k = 0
  const std::vector<std::string> rsin =
      PatternAfter(Lines(Read("rsdesign.vec")), "INPUTS rsin[4..1];");
  ASSERT_EQ(rsin.size(), 2u + 25u + 1u);
  for (std::size_t i = 2; i < rsin.size(); ++i)
    EXPECT_EQ(rsin[i].substr(rsin[i].find('>')), i + 1 == rsin.size() ? "> 0 ;" : "> 0");
}

TEST_F(VectorWriterTest, DecoderWithoutVectorFile) {
  RunDecoder(Writer(4, 15, 19, 4, 3, 0, 0, 1, 0));
  EXPECT_EQ(files.opened,
            (std::vector<std::string>{dir.Dir() + "inv_4_19.hex", dir.Dir() + "evnum_4_19_3.hex"}));
  EXPECT_FALSE(Exists("rsdesign.vec"));
  // Root tables from genstart 3, negative roots, and the first message encoded.
  EXPECT_EQ(Tables().rootTable[0], 8);
  EXPECT_EQ(Tables().rootTable[11], 9);
  EXPECT_EQ(Tables().rootTable[12], 0);
  EXPECT_EQ(Tables().negRootTable[1], 9);
  EXPECT_EQ(Tables().negRootTable[15], 0);
  EXPECT_EQ(Tables().message[10], 10);
  EXPECT_EQ(Tables().codeword[14], 10);
  const std::vector<std::string> evnum = Lines(Read("evnum_4_19_3.hex"));
  EXPECT_EQ(evnum[3], rsmath::HexDataRecord(2, 8));  // 2^3 = 8
}

TEST_F(VectorWriterTest, ExistingFilesAreReplaced) {
  testsupport::WriteFileText(dir.Path() / "inv_4_19.hex", std::string(5000, 'x'));
  testsupport::WriteFileText(dir.Path() / "rsdesign.vec", std::string(90000, 'y'));
  RunDecoder(Writer(4, 5, 19, 4, 0, 0, 1, 1, 1));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/inv_4_19.hex", Read("inv_4_19.hex")));
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/discrete_default.vec", Read("rsdesign.vec")));
}

TEST_F(VectorWriterTest, SameSettingsGiveTheSameFiles) {
  RunDecoder(Writer(8, 255, 285, 50, 205, 0, 0, 1, 1));
  const std::string first =
      Read("rsdesign.vec") + Read("inv_8_285.hex") + Read("evnum_8_285_205.hex");
  rsmath::ResetTables();
  RunDecoder(Writer(8, 255, 285, 50, 205, 0, 0, 1, 1));
  EXPECT_EQ(Read("rsdesign.vec") + Read("inv_8_285.hex") + Read("evnum_8_285_205.hex"), first);
}

TEST_F(VectorWriterTest, BadSettingsStayInsideTheTables) {
  // Values the settings rules never let through, for every file kind: the run completes (under
  // the sanitizers, without a read or write outside a table).
  struct Bad {
    int m, n, irrpol, r, genstart;
  };
  for (const Bad& b : {Bad{4, 300, 19, 60, 250}, Bad{9, 511, 529, 50, 500}, Bad{0, 0, 0, 0, 0},
                       Bad{-3, -5, -1, -7, -9}, Bad{8, 255, 285, 50, -100}, Bad{8, 3, 285, 1, 0},
                       Bad{31, 100000, 7, 2, 5000}, Bad{8, 255, 7, 2, 2147483647}}) {
    for (int disc : {0, 1}) {
      rsmath::ResetTables();
      RunDecoder(Writer(b.m, b.n, b.irrpol, b.r, b.genstart, 0, disc, 1, 1));
      EXPECT_TRUE(Exists("rsdesign.vec"));
    }
    rsmath::ResetTables();
    RunEncoder(Writer(b.m, b.n, b.irrpol, b.r, b.genstart, 1, 0, 1, 1));
    const std::vector<std::string> lines = Lines(Read("rsdesign.vec"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), ";");
  }
}

// The fatal paths: the message with the failing file's path, exit status 1, nothing after.
class FatalTest : public VectorWriterTest {
 protected:
  void ExpectFatal(const std::string& path) {
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].text, FatalText(path));
    EXPECT_FALSE(ui.messages[0].hadOwner);
  }
};

TEST_F(FatalTest, UnwritableDirectoryStopsBeforeTheEvnumFile) {
  testsupport::WriteFileText(dir.Path() / "plain", "not a directory");
  RsVectorWriter w = Writer(4, 5, 19, 4, 0, 0, 1, 1, 1);
  w.designDirectory = dir.Dir() + "plain/";
  try {
    RunDecoder(w);
    FAIL() << "the run went on";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ExpectFatal(dir.Dir() + "plain/inv_4_19.hex");
  EXPECT_EQ(files.Count(testsupport::FileOp::Open), 1);  // the evnum file was never tried
  EXPECT_TRUE(files.opened.empty());
}

TEST_F(FatalTest, EvnumOpenFailureKeepsTheInverseFile) {
  files.FailNth(testsupport::FileOp::Open, 2);
  try {
    RunDecoder(Writer(4, 5, 19, 4, 0, 0, 1, 1, 1));
    FAIL() << "the run went on";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ExpectFatal(dir.Dir() + "evnum_4_19_0.hex");
  EXPECT_TRUE(testsupport::MatchesGolden("rsmath/inv_4_19.hex", Read("inv_4_19.hex")));
  EXPECT_FALSE(Exists("rsdesign.vec"));
  EXPECT_EQ(files.Count(testsupport::FileOp::Open), 2);
}

TEST_F(FatalTest, VectorFileOpenFailure) {
  files.FailNth(testsupport::FileOp::Open, 1, EACCES, ".vec");
  try {
    RunEncoder(Writer(4, 15, 19, 4, 0, 1, 0, 1, 1));
    FAIL() << "the run went on";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ExpectFatal(dir.Dir() + "rsdesign.vec");
}

TEST_F(FatalTest, WriteFailureIsFatalToo) {
  files.FailNth(testsupport::FileOp::Write, 3);  // the vector file, after both tables
  try {
    RunDecoder(Writer(4, 15, 19, 4, 0, 0, 0, 1, 1));
    FAIL() << "a short write passed for a good file";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ExpectFatal(dir.Dir() + "rsdesign.vec");
  EXPECT_TRUE(Exists("inv_4_19.hex"));
  EXPECT_TRUE(Exists("evnum_4_19_0.hex"));
  EXPECT_EQ(files.Count(testsupport::FileOp::Close), 3);  // the failed file is closed too
  EXPECT_FALSE(Exists("rsdesign.vec")) << "the half-written vector file was kept";
}

TEST_F(FatalTest, CloseFailureIsFatalToo) {
  files.FailNth(testsupport::FileOp::Close, 1);  // the inverse file fails at flush time
  try {
    RunDecoder(Writer(4, 5, 19, 4, 0, 0, 1, 1, 1));
    FAIL() << "a failed close passed for a good file";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ExpectFatal(dir.Dir() + "inv_4_19.hex");
  EXPECT_EQ(files.Count(testsupport::FileOp::Open), 1);
  EXPECT_FALSE(Exists("inv_4_19.hex")) << "an unflushed table was kept";
}

}  // namespace
