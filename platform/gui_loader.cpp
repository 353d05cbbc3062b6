#include "platform/gui_loader.h"

#include <dlfcn.h>

#include <cstdlib>

#include "platform/platform.h"
#include "platform/qt/qt_entry.h"

#ifndef RSWIZARD_GUI_MODULE_NAME
#define RSWIZARD_GUI_MODULE_NAME "librswizard_qt.so"
#endif

namespace platform {

namespace {

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The module stays mapped for the rest of the process: Qt does not survive being unloaded, and
// the objects it made may outlive any caller.
struct LoadedModule {
  void* handle = nullptr;
  std::string failure;
};

LoadedModule& Module() {
  static LoadedModule module = [] {
    LoadedModule loaded;
    const std::vector<std::string> candidates = GuiModuleCandidates(Process().ExecutablePath());
    std::string tried;
    for (const std::string& path : candidates) {
      loaded.handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (loaded.handle) return loaded;
      const char* why = ::dlerror();
      if (!tried.empty()) tried += "; ";
      tried += why ? why : path;
    }
    if (tried.empty()) tried = "the executable's own path is unknown";
    // One line, so that the caller can go on with what it does instead.
    loaded.failure = "the graphical interface module " RSWIZARD_GUI_MODULE_NAME
                     " could not be loaded (" +
                     tried + ")";
    return loaded;
  }();
  return module;
}

void* Symbol(const char* name, std::string* error) {
  LoadedModule& module = Module();
  if (!module.handle) {
    if (error) *error = module.failure;
    return nullptr;
  }
  void* symbol = ::dlsym(module.handle, name);
  if (!symbol && error)
    *error = std::string("the graphical interface module has no entry point ") + name;
  return symbol;
}

}  // namespace

bool GuiAvailable() {
  return EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY") ||
         EnvironmentSet("QT_QPA_PLATFORM");
}

std::vector<std::string> GuiModuleCandidates(const std::string& executablePath) {
  std::vector<std::string> candidates;
  if (EnvironmentSet("RSWIZARD_GUI_MODULE"))
    candidates.push_back(std::getenv("RSWIZARD_GUI_MODULE"));
  if (!executablePath.empty()) {
    const std::string directory = DirectoryOf(executablePath);
    candidates.push_back(directory + "/" RSWIZARD_GUI_MODULE_NAME);
    candidates.push_back(directory + "/../lib/rswizard/" RSWIZARD_GUI_MODULE_NAME);
  }
  return candidates;
}

std::unique_ptr<UserInterface> LoadGuiUi(int* argc, char** argv, std::string* error) {
  auto create = reinterpret_cast<CreateGuiUiFunction>(Symbol(kCreateGuiUiSymbol, error));
  if (!create) return nullptr;
  std::unique_ptr<UserInterface> ui(create(argc, argv));
  if (!ui && error)
    *error =
        "the graphical interface could not open a display (DISPLAY, WAYLAND_DISPLAY, "
        "QT_QPA_PLATFORM)";
  return ui;
}

bool RenderDialogPng(const Dialog& dialog, const std::string& path, std::string* error) {
  auto render = reinterpret_cast<RenderDialogPngFunction>(Symbol(kRenderDialogPngSymbol, error));
  if (!render) return false;
  if (render(dialog, path.c_str())) return true;
  if (error) *error = "Can't write file " + path;
  return false;
}

}  // namespace platform
