#include "tests/soak/soak_build.h"

#include "soak_paths.h"
#include "tests/support/fake_platform.h"

namespace soak {

namespace fs = std::filesystem;

fs::path DesignDirectory(const managertest::Code& code, const std::string& variant) {
  std::string name = code.kind;
  for (char& c : name)
    if (c == ' ') c = '_';
  return fs::path(RS_SOAK_WORK_DIR) / platform::Format("%s_m%d_p%d_n%d_r%d_g%d%s", name.c_str(),
                                                       code.m, code.irrpol, code.n, code.r,
                                                       code.genstart, variant.c_str());
}

std::string BuildSoak(const managertest::Code& code, const fs::path& dir,
                      const std::function<void(std::string&)>& edit) {
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  fs::create_directories(dir);
  const fs::path design = dir / "rs.v";
  const testsupport::RunResult wizard =
      testsupport::RunWizard({"-n", design.string()}, managertest::Events(code));
  if (wizard.exitStatus != 0) return "the wizard failed: " + wizard.err;
  const testsupport::RunResult manager = managertest::RunManager({"--generate", design.string()});
  if (manager.exitStatus != 0) return "rsmanager failed: " + manager.err;
  if (edit) {
    std::string text = testsupport::ReadFileText(design);
    edit(text);
    testsupport::WriteFileText(design, text);
  }
  // The model's hot code gets -O2; its constructors, run once, are not worth optimising.
  const std::string command = platform::Format(
      "cd %s && OBJCACHE=ccache %s --cc --exe --build -j 2 -Wno-fatal "
      "--top-module rs --prefix Vrs -Mdir obj -o ../soak rs.v %s "
      "-CFLAGS '-std=c++20 %s' -LDFLAGS '%s' "
      "-MAKEFLAGS 'OPT_FAST=-O2 OPT_SLOW=-O0 OPT_GLOBAL=-O1'",
      dir.c_str(), RS_SOAK_VERILATOR, RS_SOAK_MAIN, RS_SOAK_INCLUDE, RS_SOAK_LINK);
  const testsupport::RunResult build = managertest::Shell(command);
  if (build.exitStatus != 0 || !fs::exists(dir / "soak"))
    return "the Verilator build failed:\n" + build.out;
  return "";
}

testsupport::RunResult RunSoakBinary(const fs::path& dir, const std::vector<std::string>& args) {
  std::vector<std::string> all{"--cnx", (dir / "rs.cnx").string()};
  all.insert(all.end(), args.begin(), args.end());
  return testsupport::RunWizardBinary({all, "", {}, dir.string(), (dir / "soak").string()});
}

}  // namespace soak
