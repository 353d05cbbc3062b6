// Reading the settings back from a description: keys, defaults, and the mending of values
// outside their ranges, down to descriptions of random content.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "description/description_format.h"
#include "rsblock/primitive_polynomials.h"
#include "rsblock/settings_range.h"
#include "tests/rswizard/rs_emission_support.h"

namespace {

using rsblock::RsSettings;

class RsLoadTest : public rstest::RsWizardTest {
 protected:
  // The settings LoadSettings takes from `cnx`.
  RsSettings Load(const std::string& cnx) {
    rswizard::RsWizardApp app(model, description);
    description.ClearStores();
    description::ReadDescription(description, cnx);
    app.LoadSettings();
    return rswizard::Settings();
  }
};

TEST_F(RsLoadTest, EmptyDescriptionGivesTheReadDefaults) {
  const RsSettings s = Load("");
  EXPECT_EQ(s, rsblock::kReadDefaults);
  EXPECT_EQ(s.Disc_Stream, 0);
  EXPECT_EQ(s.Fast_Small, 0);
}

TEST_F(RsLoadTest, ConstructionValuesDifferFromReadDefaultsOnlyInDecoderChoices) {
  RsSettings constructed;
  EXPECT_EQ(constructed.Disc_Stream, 1);
  EXPECT_EQ(constructed.Fast_Small, 1);
  constructed.Disc_Stream = 0;
  constructed.Fast_Small = 0;
  EXPECT_EQ(constructed, rsblock::kReadDefaults);
}

TEST_F(RsLoadTest, KeysComeFromTheirStores) {
  const RsSettings s = Load(
      "PRIVATE: Enc_Dec NUMERIC \"0\"\n"
      "PRIVATE: Disc_Stream NUMERIC \"1\"\n"
      "PRIVATE: Fast_Small NUMERIC \"1\"\n"
      "PRIVATE: GENSTART_V NUMERIC \"7\"\n"
      "PRIVATE: generate_vectorfile NUMERIC \"0\"\n"
      "CONSTANT: m NUMERIC \"8\"\n"
      "CONSTANT: n NUMERIC \"204\"\n"
      "CONSTANT: check NUMERIC \"16\"\n"
      "CONSTANT: irrpol NUMERIC \"299\"\n");
  EXPECT_EQ(s, (RsSettings{8, 204, 16, 299, 7, 0, 1, 1, 0}));
}

TEST_F(RsLoadTest, KeysInTheWrongStoreAreNotRead) {
  // m as a private and Enc_Dec as a constant are someone else's entries.
  const RsSettings s = Load(
      "PRIVATE: m NUMERIC \"8\"\n"
      "CONSTANT: Enc_Dec NUMERIC \"0\"\n"
      "PARAMETER: n NUMERIC \"9\"\n");
  EXPECT_EQ(s, rsblock::kReadDefaults);
}

TEST_F(RsLoadTest, GenstartComesOnlyFromThePrivate) {
  RsSettings s = Load(
      "CONSTANT: m NUMERIC \"4\"\nCONSTANT: n NUMERIC \"15\"\n"
      "CONSTANT: genstart NUMERIC \"9\"\nPRIVATE: GENSTART_V NUMERIC \"2\"\n");
  EXPECT_EQ(s.genstart, 2);
  s = Load(
      "CONSTANT: m NUMERIC \"4\"\nCONSTANT: n NUMERIC \"15\"\nCONSTANT: genstart NUMERIC \"9\"\n");
  EXPECT_EQ(s.genstart, 0);
}

TEST_F(RsLoadTest, FirstEntryOfANameWinsAndTextsReadAsLeadingNumbers) {
  const RsSettings s = Load(
      "CONSTANT: m NUMERIC \"5xyz\"\nCONSTANT: m NUMERIC \"8\"\n"
      "CONSTANT: n NUMERIC \"31abc\"\nCONSTANT: irrpol STRING \"abc\"\n");
  EXPECT_EQ(s.m, 5);
  EXPECT_EQ(s.n, 31);
  EXPECT_EQ(s.irrpol, 37) << "\"abc\" reads as 0, not a polynomial of m 5: the row's first";
}

struct MendCase {
  const char* what;
  RsSettings loaded;
  RsSettings mended;
};

// {m, n, check, irrpol, genstart, Enc_Dec, Disc_Stream, Fast_Small, generate_vectorfile}
const MendCase kMendCases[] = {
    {"in range stays", {8, 204, 16, 285, 0, 0, 1, 1, 1}, {8, 204, 16, 285, 0, 0, 1, 1, 1}},
    {"edges stay", {8, 255, 50, 501, 205, 1, 0, 0, 0}, {8, 255, 50, 501, 205, 1, 0, 0, 0}},
    {"m 20 and n 999", {20, 999, 16, 285, 0, 1, 0, 0, 1}, {8, 255, 16, 285, 0, 1, 0, 0, 1}},
    {"m 0", {0, 5, 4, 19, 0, 1, 0, 0, 1}, {4, 5, 4, 19, 0, 1, 0, 0, 1}},
    {"irrpol of another m", {4, 15, 4, 285, 0, 1, 0, 0, 1}, {4, 15, 4, 19, 0, 1, 0, 0, 1}},
    {"negative irrpol", {6, 63, 4, -67, 0, 1, 0, 0, 1}, {6, 63, 4, 67, 0, 1, 0, 0, 1}},
    {"r 0", {4, 15, 0, 25, 0, 1, 0, 0, 1}, {4, 15, 4, 25, 0, 1, 0, 0, 1}},
    {"r too big for the field", {4, 15, 40, 19, 0, 1, 0, 0, 1}, {4, 15, 14, 19, 0, 1, 0, 0, 1}},
    {"r above 50", {8, 255, 99, 285, 0, 1, 0, 0, 1}, {8, 255, 50, 285, 0, 1, 0, 0, 1}},
    {"n not above r", {8, 10, 16, 285, 0, 1, 0, 0, 1}, {8, 17, 16, 285, 0, 1, 0, 0, 1}},
    {"n below 5", {4, 2, 4, 19, 0, 1, 0, 0, 1}, {4, 5, 4, 19, 0, 1, 0, 0, 1}},
    {"genstart too big", {4, 15, 4, 19, 12, 1, 0, 0, 1}, {4, 15, 4, 19, 11, 1, 0, 0, 1}},
    {"genstart negative", {4, 15, 4, 19, -1, 1, 0, 0, 1}, {4, 15, 4, 19, 0, 1, 0, 0, 1}},
    {"extreme numbers",
     {INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, 7, -1, 2},
     {4, 15, 4, 19, 11, 1, 0, 0, 1}},
    {"flags", {4, 5, 4, 19, 0, 2, 5, -3, 9}, {4, 5, 4, 19, 0, 1, 0, 0, 1}},
};

TEST(BringIntoRange, TableOfCases) {
  for (const MendCase& c : kMendCases) {
    RsSettings s = c.loaded;
    rsblock::BringIntoRange(s);
    EXPECT_EQ(s, c.mended) << c.what;
    EXPECT_TRUE(rsblock::IsInRange(s)) << c.what;
    RsSettings again = s;
    rsblock::BringIntoRange(again);
    EXPECT_EQ(again, s) << c.what << ": mending twice changes nothing more";
  }
}

TEST(BringIntoRange, EveryPolynomialOfEveryRowIsKept) {
  for (const rsblock::PolynomialRow& row : rsblock::primitivePolynomials) {
    for (int p : rsblock::PolynomialsFor(row.m)) {
      RsSettings s{row.m, 15, 4, p, 0, 1, 0, 0, 1};
      rsblock::BringIntoRange(s);
      EXPECT_EQ(s.irrpol, p) << "m " << row.m;
    }
  }
}

TEST(PrimitivePolynomials, RowsAreTheTable) {
  const std::size_t counts[] = {2, 6, 6, 18, 16};
  for (int m = 4; m <= 8; ++m)
    EXPECT_EQ(rsblock::PolynomialsFor(m).size(), counts[m - 4]) << "m " << m;
  EXPECT_TRUE(rsblock::PolynomialsFor(3).empty());
  EXPECT_TRUE(rsblock::PolynomialsFor(9).empty());
  EXPECT_EQ(rsblock::DefaultPolynomialFor(7), 131);
  EXPECT_EQ(rsblock::PolynomialsFor(7).back(), 253);
  EXPECT_EQ(rsblock::PolynomialsFor(8).back(), 501);
  // Every entry has degree m.
  for (int m = 4; m <= 8; ++m)
    for (int p : rsblock::PolynomialsFor(m)) EXPECT_EQ(p >> m, 1) << p;
}

TEST_F(RsLoadTest, HandEditedDescriptionIsBroughtIntoRange) {
  const RsSettings s = Load(
      "PRIVATE: Enc_Dec NUMERIC \"3\"\n"
      "PRIVATE: GENSTART_V NUMERIC \"-5\"\n"
      "CONSTANT: m NUMERIC \"20\"\n"
      "CONSTANT: n NUMERIC \"999\"\n"
      "CONSTANT: check NUMERIC \"0\"\n"
      "CONSTANT: irrpol NUMERIC \"-1\"\n");
  EXPECT_EQ(s, (RsSettings{8, 255, 4, 285, 0, 1, 0, 0, 1}));
}

// Random descriptions: loading must give settings in range, storing must write a description
// that reads back to the same settings, and nothing may crash or hang.
TEST_F(RsLoadTest, RandomDescriptionsLoadInRangeAndStoreReReadably) {
  rstest::RandomDescription random(20240611u);
  host::State().designDirectory = dir.Dir();
  host::State().designBaseName = "rs";
  for (int round = 0; round < 300; ++round) {
    const std::string cnx = random.Next();
    const RsSettings loaded = Load(cnx);
    ASSERT_TRUE(rsblock::IsInRange(loaded)) << loaded << " from\n" << cnx;

    rswizard::Settings().generate_vectorfile = 0;  // keep the run short; vectors are tested apart
    const RsSettings stored = rswizard::Settings();
    rswizard::RsWizardApp app(model, description);
    app.StoreSettings();
    const std::string written = description::WriteDescription(description);
    ASSERT_EQ(written.find('\r'), std::string::npos);
    ASSERT_EQ(written.substr(0, 36), "GENERATION: STANDARD\nVERSION: WM1.0\n");
    ASSERT_EQ(written.back(), '\n');

    RsSettings expected = stored;
    if (expected.Enc_Dec == 1) {  // an encoder's description has no decoder choices
      expected.Disc_Stream = 0;
      expected.Fast_Small = 0;
    }
    ASSERT_EQ(Load(written), expected) << "from\n" << cnx;
  }
}

TEST_F(RsLoadTest, EveryMendedDecoderWritesItsFiles) {
  // Random settings straight into the emission as a decoder: the memory files are always
  // written under the names the constants give.
  std::mt19937 random(7);
  host::State().designDirectory = dir.Dir();
  host::State().designBaseName = "rs";
  for (int round = 0; round < 40; ++round) {
    RsSettings s{static_cast<int>(random() % 12),
                 static_cast<int>(random() % 400) - 50,
                 static_cast<int>(random() % 80) - 10,
                 static_cast<int>(random() % 600),
                 static_cast<int>(random() % 300) - 20,
                 0,
                 static_cast<int>(random() % 2),
                 static_cast<int>(random() % 2),
                 1};
    rsblock::BringIntoRange(s);
    rswizard::Settings() = s;
    rswizard::RsWizardApp app(model, description);
    app.StoreSettings();
    const description::DescriptionEntry* inv = description.constants.Find("inv_file");
    const description::DescriptionEntry* evnum = description.constants.Find("evnum_file");
    ASSERT_NE(inv, nullptr);
    ASSERT_NE(evnum, nullptr);
    EXPECT_TRUE(Exists((*inv)[description::column::kValue])) << s;
    EXPECT_TRUE(Exists((*evnum)[description::column::kValue])) << s;
    EXPECT_TRUE(Exists("rs.vec")) << s;
  }
}

}  // namespace
