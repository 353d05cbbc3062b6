// Running the Reed-Solomon wizard in a test: fresh settings, tables, description and symbol, a
// temporary design directory, and a scripted user interface.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "description/description_format.h"
#include "description/wizard_description.h"
#include "host/process_state.h"
#include "rsblock/primitive_polynomials.h"
#include "rsmath/galois_field.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_wizard_app.h"
#include "symbol/symbol_model.h"
#include "tests/host/wizard_test_support.h"
#include "tests/support/fake_platform.h"
#include "tests/support/text_lines.h"

// Comparison and printing for the checks below; found by argument-dependent lookup.
namespace rsblock {

inline bool operator==(const RsSettings& a, const RsSettings& b) {
  return a.m == b.m && a.n == b.n && a.check == b.check && a.irrpol == b.irrpol &&
         a.genstart == b.genstart && a.Enc_Dec == b.Enc_Dec && a.Disc_Stream == b.Disc_Stream &&
         a.Fast_Small == b.Fast_Small && a.generate_vectorfile == b.generate_vectorfile;
}

inline std::ostream& operator<<(std::ostream& out, const RsSettings& s) {
  return out << "{m " << s.m << ", n " << s.n << ", check " << s.check << ", irrpol " << s.irrpol
             << ", genstart " << s.genstart << ", Enc_Dec " << s.Enc_Dec << ", Disc_Stream "
             << s.Disc_Stream << ", Fast_Small " << s.Fast_Small << ", generate_vectorfile "
             << s.generate_vectorfile << "}";
}

}  // namespace rsblock

namespace rstest {

// The lines of a text, without their line feeds.
inline std::vector<std::string> Lines(const std::string& text) {
  return testsupport::SplitLines(text);
}

// The description text before its first "SYMBOL:" line.
inline std::string UpToSymbol(const std::string& text) {
  const std::size_t at = text.find("SYMBOL:");
  return at == std::string::npos ? text : text.substr(0, at);
}

// The lines of a description that start with `keyword`, in order.
inline std::vector<std::string> LinesStarting(const std::string& text, const std::string& keyword) {
  std::vector<std::string> found;
  for (const std::string& line : Lines(text))
    if (line.rfind(keyword, 0) == 0) found.push_back(line);
  return found;
}

// Descriptions of random content: the nine keys with values of every kind, in random stores
// and order, among lines of random bytes.
class RandomDescription {
 public:
  explicit RandomDescription(std::uint32_t seed) : random_(seed) {}

  std::string Next() {
    static const char* const kKeys[] = {
        "Enc_Dec", "Disc_Stream", "Fast_Small", "GENSTART_V", "generate_vectorfile",
        "m",       "n",           "check",      "irrpol",     "genstart"};
    static const char* const kKeywords[] = {"PRIVATE: ", "CONSTANT: ", "PARAMETER: "};
    std::string text;
    const int lines = Pick(0, 30);
    for (int i = 0; i < lines; ++i) {
      switch (Pick(0, 5)) {
        case 0:
          text += Junk();
          break;
        default:
          text += kKeywords[Pick(0, 2)];
          text += kKeys[Pick(0, 9)];
          text += Pick(0, 1) ? " NUMERIC \"" : " STRING \"";
          text += Value();
          text += "\"";
      }
      text += Pick(0, 9) == 0 ? "\r\n" : "\n";
    }
    return text;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  std::string Value() {
    switch (Pick(0, 6)) {
      case 0:
        return std::to_string(Pick(-3, 10));
      case 1:
        return std::to_string(Pick(-300, 600));
      case 2:
        return std::to_string(
            std::uniform_int_distribution<std::int64_t>(INT64_MIN / 2, INT64_MAX / 2)(random_));
      case 3:
        return "99999999999999999999999";
      case 4:
        return std::to_string(rsblock::primitivePolynomials[static_cast<std::size_t>(Pick(0, 4))]
                                  .polynomials[static_cast<std::size_t>(Pick(0, 17))]);
      case 5:
        return " -" + std::to_string(Pick(0, 70000)) + "x";
      default:
        return Junk();
    }
  }

  std::string Junk() {
    std::string junk;
    const int length = Pick(0, 40);
    for (int i = 0; i < length; ++i) {
      const int c = Pick(0, 255);
      junk += c == '\n' ? ' ' : static_cast<char>(c);
    }
    return junk;
  }

  std::mt19937 random_;
};

class RsWizardTest : public ::testing::Test {
 protected:
  void SetUp() override { Fresh(); }
  void TearDown() override { Fresh(); }

  static void Fresh() {
    host::ResetProcessState();
    rswizard::Settings() = rsblock::RsSettings{};
    rsmath::ResetTables();
  }

  std::filesystem::path File(const std::string& name) const { return dir.Path() / name; }
  std::string Design(const std::string& name = "rs.tdf") const { return File(name).string(); }
  std::string WrittenCnx() const { return testsupport::ReadFileText(File("rs.cnx")); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

  // An existing design whose description is `cnx`.
  void GiveDescription(const std::string& cnx) { testsupport::WriteFileText(File("rs.cnx"), cnx); }
  // An existing design whose description is the example file of that name.
  void GiveExample(const std::string& example) {
    GiveDescription(
        testsupport::ReadFileText(std::filesystem::path(RS_SOURCE_DIR) / "examples" / example));
  }

  // Emission without a run: the design named in the process state, the settings given, the
  // module name as the codec type page would leave it.
  std::string Emit(const rsblock::RsSettings& settings, const std::string& moduleName) {
    host::State().designDirectory = dir.Dir();
    host::State().designBaseName = "rs";
    rswizard::Settings() = settings;
    description::WizardDescription d;
    symbol::SymbolModel model;
    rswizard::RsWizardApp app(model, d);
    d.moduleName = moduleName;
    app.StoreSettings();
    return description::WriteDescription(d);
  }

  testsupport::TempDir dir;
  hosttest::ScriptedUi ui;
  testsupport::FakeProcess process;
  platform::PosixFileSystem files;
  platform::ScopedPlatform scoped{&files, &process, &ui};
  description::WizardDescription description;
  symbol::SymbolModel model;
};

}  // namespace rstest
