// rsmanager: plays the wizard's manager and turns the description into the block's Verilog,
// its component declaration and testbenches.
#include <cstdio>
#include <string>
#include <string_view>

#include "hdl/generator.h"
#include "hdl/refusal.h"
#include "manager/program_paths.h"
#include "manager/synthesis_figures.h"
#include "manager/wizard_session.h"

namespace {

constexpr const char* kUsage =
    "Usage: rsmanager [--force] [--figures] DESIGN.v\n"
    "       rsmanager --generate [--force] [--figures] DESIGN.v\n"
    "       rsmanager --list-rtl RTL.v\n"
    "       rsmanager --help\n"
    "\n"
    "Runs the RS CODEC wizard (rswizard) on DESIGN as its manager, printing a line per notice,\n"
    "and after Finish generates next to the design, from NAME.cnx:\n"
    "  NAME.cmp         the VHDL component declaration\n"
    "  NAME.v           the block as a self-contained Verilog-2005 design\n"
    "  NAME_tb.v        a self-checking testbench from the wizard's NAME.vec, when there is one\n"
    "  NAME_errors_tb.v a decoder's testbench with injected errors\n"
    "  NAME_axis.v      the block behind AXI4-Stream ports, and NAME_axis_tb.v its testbench\n"
    "  NAME.html        the datasheet: code, ports, timing, memories, error rates\n"
    "A .vhd or .tdf design gets NAME.cmp only.\n"
    "\n"
    "  --generate  generate from the existing NAME.cnx without starting the wizard\n"
    "  --force     also replace files that rsmanager did not write\n"
    "  --figures   synthesize NAME.v with yosys (bench/hdl_figures.sh) for the datasheet\n"
    "  --list-rtl  print the paths of the RTL files NAME.v would copy for the core whose top is\n"
    "              RTL.v (a path, or a name in the RTL directory), one a line, RTL.v first\n"
    "  --help      show this text\n"
    "\n"
    "Exit status: 0 generated; 2 cancelled; 255 left with < Back; 1 anything else.\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "rsmanager: %s\n", message.c_str());
  return 1;
}

int Generate(const std::string& design, bool force, bool figures) {
  hdl::GenerateRequest request{design, manager::HdlDirectories(), force, {}};
  std::string figuresNote;
  if (figures)
    request.measure = [&](const std::string& text, std::string& note) {
      const std::size_t slash = design.rfind('/');
      const std::string file = design.substr(slash == std::string::npos ? 0 : slash + 1);
      std::optional<hdl::SynthesisFigures> measured =
          manager::MeasureDesign(file.substr(0, file.rfind('.')), text, note);
      figuresNote = note;
      return measured;
    };
  try {
    const hdl::GenerateResult result = hdl::Generate(request);
    for (const std::string& path : result.written) std::printf("wrote %s\n", path.c_str());
    if (!result.note.empty()) std::printf("rsmanager: %s\n", result.note.c_str());
    if (!figuresNote.empty()) std::printf("rsmanager: %s\n", figuresNote.c_str());
    return 0;
  } catch (const hdl::Refusal& refusal) {
    return Fail(refusal.what());
  } catch (const manager::FiguresFailed& failure) {
    return Fail(std::string(failure.what()) + "; nothing written");
  }
}

int ListRtl(const std::string& rtlFile) {
  try {
    for (const std::string& path : hdl::ListRtl(rtlFile, manager::HdlDirectories()))
      std::printf("%s\n", path.c_str());
    return 0;
  } catch (const hdl::Refusal& refusal) {
    return Fail(refusal.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool generateOnly = false, force = false, figures = false, listRtl = false;
  std::string design;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--help" || word == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (word == "--generate") {
      generateOnly = true;
    } else if (word == "--force") {
      force = true;
    } else if (word == "--figures") {
      figures = true;
    } else if (word == "--list-rtl") {
      listRtl = true;
    } else if (word.starts_with("-")) {
      return Fail("unknown option " + std::string(word) + " (rsmanager --help lists them)");
    } else if (!design.empty()) {
      return Fail("more than one design file given (rsmanager --help)");
    } else {
      design = word;
    }
  }
  if (listRtl) {
    if (generateOnly || force || figures)
      return Fail("--list-rtl takes no other option (rsmanager --help)");
    if (design.empty()) return Fail("no RTL file given (rsmanager --help)");
    return ListRtl(design);
  }
  if (design.empty()) return Fail("no design file given (rsmanager --help)");
  if (generateOnly) return Generate(design, force, figures);
  // A refusal known now must not cost the user a whole wizard session.
  try {
    hdl::CheckBeforeSession({design, manager::HdlDirectories(), force, {}});
  } catch (const hdl::Refusal& refusal) {
    return Fail(refusal.what());
  }
  switch (manager::RunWizardSession(design)) {
    case manager::SessionEnd::kFinished:
      return Generate(design, force, figures);
    case manager::SessionEnd::kCancelled:
      return 2;
    case manager::SessionEnd::kBackedOut:
      return 255;
    case manager::SessionEnd::kFailed:
      break;
  }
  return 1;
}
