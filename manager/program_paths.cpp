#include "manager/program_paths.h"

#include <cstdlib>
#include <string_view>

#include "platform/child_process.h"
#include "platform/path_parts.h"
#include "platform/platform.h"

namespace manager {

namespace {

std::string ProgramDirectory() {
  std::string directory =
      platform::SplitPath(platform::Process().ExecutablePath(), platform::PathSyntax::kSlash)
          .directory;
  if (directory.empty()) return ".";
  directory.pop_back();  // the "/"
  return directory;
}

// Every PATH directory's file called name, in PATH's order.
std::vector<std::string> OnPath(const std::string& name) {
  std::vector<std::string> candidates;
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "";
  while (!rest.empty()) {
    const std::size_t colon = std::min(rest.find(':'), rest.size());
    const std::string_view directory = rest.substr(0, colon);
    candidates.push_back((directory.empty() ? std::string(".") : std::string(directory)) + "/" +
                         name);
    rest.remove_prefix(std::min(colon + 1, rest.size()));
  }
  return candidates;
}

std::optional<std::string> FirstExecutable(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates)
    if (platform::IsExecutableFile(candidate)) return candidate;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindWizard() {
  std::vector<std::string> candidates{ProgramDirectory() + "/rswizard", RSMANAGER_BUILD_WIZARD};
  for (std::string& candidate : OnPath("rswizard")) candidates.push_back(std::move(candidate));
  return FirstExecutable(candidates);
}

std::optional<std::string> FindOnPath(const std::string& name) {
  return FirstExecutable(OnPath(name));
}

std::optional<std::string> FindFiguresScript() {
  for (const std::string& candidate :
       {ProgramDirectory() + "/../share/rswizard/bench/hdl_figures.sh",
        std::string(RSMANAGER_SOURCE_BENCH) + "/hdl_figures.sh"})
    if (platform::Files().Exists(candidate)) return candidate;
  return std::nullopt;
}

std::vector<std::string> HdlDirectories() {
  const char* override = std::getenv("RSMANAGER_HDL_DIR");
  if (override && *override) return {override};
  const std::string here = ProgramDirectory();
  return {here + "/hdl", here + "/../share/rswizard/hdl", RSMANAGER_SOURCE_HDL};
}

}  // namespace manager
