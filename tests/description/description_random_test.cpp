// Randomised reading from a fixed seed: random bytes, mutated description files and random
// well-formed stores. The same invariants as the fuzz target must hold for every input.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "description/description_format.h"
#include "tests/fuzz/description_invariants.h"

namespace {

using description::DescriptionEntry;
using description::WizardDescription;

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  // The engine's output is fixed by the standard; the distributions are not, so the draws are
  // made from it directly to give the same inputs with every standard library.
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : engine_() % n; }
  bool OneIn(std::size_t n) { return Below(n) == 0; }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(N)];
  }

 private:
  std::mt19937 engine_;
};

// Pieces that make interesting description text.
const char* const kAtoms[] = {
    "PRIVATE:", "PARAMETER:", "CONSTANT:", "USED_PORT:", "CONNECT:",  "SYMBOL:", "MODULE:",
    "private:", "NUMERIC",    "STRING",    "INPUT",      "OUTPUT",    "BIDIR",   "NODEFVAL",
    "\"",       "\"\"",       "\\",        "\\n",        "\\t",       "\\\\",    " ",
    "  ",       "\t",         "\r",        "\n",         "\r\n",      "@",       "0",
    "8",        "-3",         "12abc",     "rsin",       "rsin[8..1]"};

std::string RandomBytes(Random& random) {
  std::string text;
  const std::size_t atoms = random.Below(400);
  for (std::size_t i = 0; i < atoms; ++i) {
    switch (random.Below(4)) {
      case 0:
        text += static_cast<char>(random.Below(256));
        break;
      case 1:
        if (random.OneIn(20)) {
          text.append(200 + random.Below(400), static_cast<char>('a' + random.Below(26)));
        } else {
          text += static_cast<char>('a' + random.Below(26));
        }
        break;
      default:
        text += random.Pick(kAtoms);
    }
  }
  return text;
}

void Mutate(Random& random, std::string& text) {
  const std::size_t steps = 1 + random.Below(8);
  for (std::size_t s = 0; s < steps; ++s) {
    const std::size_t at = random.Below(text.size() + 1);
    switch (random.Below(7)) {
      case 0:  // overwrite a byte
        if (at < text.size()) text[at] = static_cast<char>(random.Below(256));
        break;
      case 1:  // insert a piece
        text.insert(at, random.Pick(kAtoms));
        break;
      case 2:  // delete a range
        text.erase(at, random.Below(40));
        break;
      case 3:  // duplicate a range
        text.insert(at, text.substr(at, random.Below(120)));
        break;
      case 4:  // cut the file short
        text.resize(at);
        break;
      case 5:  // join two lines, or break one
        if (const std::size_t lf = text.find('\n', at); lf != std::string::npos) {
          text.erase(lf, 1);
        } else {
          text.insert(at, "\n");
        }
        break;
      default:  // a long run that pushes the rest of the line past a piece boundary
        text.insert(at, std::string(100 + random.Below(300), 'x'));
    }
  }
}

// A field the writer can put on a line as it is: no blank, tab or line feed, and not empty.
std::string PlainField(Random& random, bool last) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCXYZ0123456789_@[].:,-+\"\\\r";
  std::string field;
  const std::size_t length = 1 + random.Below(8);
  for (std::size_t i = 0; i < length; ++i) {
    if (random.OneIn(30)) {
      field += random.OneIn(2) ? '\0' : static_cast<char>(0x80 + random.Below(128));
    } else {
      field += kChars[random.Below(sizeof kChars - 1)];
    }
  }
  if (last && field.back() == '\r') field.back() = 'r';
  return field;
}

// A value that the quoted form carries: single blanks between words, no leading blank, no word
// but the last ending in a quote.
std::string CarriedValue(Random& random) {
  static const char kChars[] = "abcxyz019-\"\\\t\n\r'";
  const std::size_t words = random.OneIn(10) ? 1 + random.Below(100) : 1 + random.Below(6);
  std::string value;
  for (std::size_t w = 0; w < words; ++w) {
    const bool lastWord = w + 1 == words;
    std::string word;
    const std::size_t length = (lastWord && random.OneIn(8)) ? 0 : 1 + random.Below(5);
    for (std::size_t i = 0; i < length; ++i) word += kChars[random.Below(sizeof kChars - 1)];
    if (!lastWord && word.back() == '"') word.back() = 'q';
    if (w > 0) value += ' ';
    value += word;
  }
  if (words == 1 && value.empty() && random.OneIn(2)) value = "";
  return value;
}

// Random stores whose rows all survive a write and a read.
void FillCarried(Random& random, WizardDescription& d) {
  d.ClearStores();
  auto rows = [&random] { return random.OneIn(50) ? 512 + random.Below(3) : random.Below(7); };
  for (description::ValueTable* store : {&d.privates, &d.parameters, &d.constants}) {
    for (std::size_t i = rows(); i > 0; --i) {
      DescriptionEntry row;
      row[0] = PlainField(random, false);
      row[1] = random.OneIn(3) ? PlainField(random, false) : "NUMERIC";
      do {
        row[6] = CarriedValue(random);
      } while (description::EscapeValue(row[6]).size() > 150);
      store->Add(row);
    }
  }
  for (std::size_t i = rows(); i > 0; --i) {
    if (random.OneIn(2)) {
      // With width 0 the name is also the bus text, the last field of the line.
      d.AddUsedPort(PlainField(random, true), static_cast<int>(random.Below(40)) - 4,
                    static_cast<int>(random.Below(4)) - 1, static_cast<int>(random.Below(9)),
                    PlainField(random, false));
    } else {
      DescriptionEntry row;
      for (std::size_t c : descriptiontest::kPortFields) row[c] = PlainField(random, c == 7);
      d.usedPorts.Add(row);
    }
  }
  for (std::size_t i = rows(); i > 0; --i) {
    DescriptionEntry row;
    for (std::size_t c : descriptiontest::kConnectionFields) row[c] = PlainField(random, c == 5);
    d.connections.Add(row);
  }
}

// The input, printable, for a failure message.
std::string Shown(std::string_view content) {
  std::string shown;
  for (unsigned char c : content.substr(0, 2000)) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789abcdef";
      shown += "\\x";
      shown += kHex[c >> 4];
      shown += kHex[c & 15];
    }
  }
  return shown;
}

std::size_t RowCount(const WizardDescription& d) {
  return d.privates.Count() + d.parameters.Count() + d.constants.Count() + d.usedPorts.Count() +
         d.connections.Count();
}

const char kExample[] =
    "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: default\n\n"
    "PRIVATE: Enc_Dec NUMERIC \"1\"\n\n"
    "CONSTANT: m NUMERIC \"8\"\nCONSTANT: speed STRING \"full\"\n\n"
    "USED_PORT: start 0 0 0 0 INPUT NODEFVAL start\n"
    "USED_PORT: rsout 0 0 8 1 OUTPUT NODEFVAL rsout[8..1]\n\n"
    "CONNECT: @start 0 0 0 0 start 0 0 0 0\nCONNECT: rsout 0 0 8 1 @rsout 0 0 8 1\n\n"
    "SYMBOL: BOX 160 224 50 206 Arial,10\n";

TEST(DescriptionRandom, RandomBytesKeepTheInvariants) {
  Random random(20240501);
  WizardDescription d;
  for (int i = 0; i < 2000; ++i) {
    const std::string content = RandomBytes(random);
    const std::string problem = descriptiontest::CheckReadInvariants(d, content);
    ASSERT_EQ(problem, "") << "input " << i << ": " << Shown(content);
  }
}

TEST(DescriptionRandom, MutatedFilesKeepTheInvariants) {
  Random random(7);
  WizardDescription d;
  WizardDescription source;
  std::size_t strictChecks = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string content;
    if (i % 2 == 0) {
      content = kExample;
    } else {
      FillCarried(random, source);
      content = description::WriteDescription(source);
    }
    Mutate(random, content);
    const std::string problem = descriptiontest::CheckReadInvariants(d, content);
    ASSERT_EQ(problem, "") << "input " << i << ": " << Shown(content);
    if (RowCount(d) > 0 && descriptiontest::RowsAreCarried(d)) ++strictChecks;
  }
  // Most mutations leave rows that the format carries, so the strict comparison really ran.
  EXPECT_GT(strictChecks, 1000u);
}

TEST(DescriptionRandom, CarriedStoresReadBackUnchanged) {
  Random random(99);
  WizardDescription d;
  for (int i = 0; i < 1000; ++i) {
    FillCarried(random, d);
    ASSERT_TRUE(descriptiontest::RowsAreCarried(d)) << "input " << i;
    const std::string problem = descriptiontest::CheckRoundTrip(d);
    ASSERT_EQ(problem, "") << "input " << i << ": " << Shown(description::WriteDescription(d));
  }
}

std::string Words101() {
  std::string words = "a";
  for (int i = 0; i < 100; ++i) words += " a";
  return words;
}

// The conditions themselves: rows outside them really do change on the way through the file,
// so a check guarded by them is not vacuous.
TEST(DescriptionRandom, RowsOutsideTheConditionsDoChange) {
  const std::vector<std::string> values = {" a", "a  b", "a\" b", Words101(),
                                           std::string(300, 'x')};
  for (const std::string& value : values) {
    WizardDescription d;
    d.AddConstant("v", value);
    EXPECT_FALSE(descriptiontest::RowsAreCarried(d)) << Shown(value);
    EXPECT_NE(descriptiontest::CheckRoundTrip(d), "") << Shown(value);
  }
  WizardDescription port;
  port.usedPorts.AddPort("p", 0, "NODEFVAL", 0, 0);
  DescriptionEntry crAtEnd = *port.usedPorts.EntryAt(0);
  crAtEnd[7] = "p\r";
  port.usedPorts.Clear();
  port.usedPorts.Add(crAtEnd);
  EXPECT_FALSE(descriptiontest::RowsAreCarried(port));
  EXPECT_NE(descriptiontest::CheckRoundTrip(port), "");
}

}  // namespace
