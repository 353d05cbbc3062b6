#include "platform/gui_loader.h"

#include <dlfcn.h>

#include <cstdio>
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

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
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
    const bool overridden = EnvironmentSet("RSWIZARD_GUI_MODULE");
    std::string tried;
    for (const std::string& path : candidates) {
      loaded.handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (loaded.handle) return loaded;
      const char* why = ::dlerror();
      // The user named this file on purpose: say that it was passed over, whatever comes next.
      if (overridden && &path == &candidates.front())
        std::fprintf(stderr,
                     "rswizard: RSWIZARD_GUI_MODULE=%s could not be loaded (%s); trying the "
                     "default module\n",
                     path.c_str(), OneLine(why ? why : "no reason given").c_str());
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

const char* SnapshotFormatFor(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return nullptr;
  std::string extension;
  for (char c : path.substr(dot + 1))
    extension += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (extension == "png") return "PNG";
  if (extension == "jpg" || extension == "jpeg") return "JPEG";
  if (extension == "bmp") return "BMP";
  return nullptr;
}

bool RenderDialogImage(const Dialog& dialog, const std::string& path, std::string* error) {
  const char* format = SnapshotFormatFor(path);
  if (!format) {
    if (error) *error = "snapshot writes .png, .jpg, .jpeg or .bmp files, not \"" + path + "\"";
    return false;
  }
  auto render =
      reinterpret_cast<RenderDialogImageFunction>(Symbol(kRenderDialogImageSymbol, error));
  if (!render) return false;
  switch (render(dialog, path.c_str(), format)) {
    case kImageWritten:
      return true;
    case kImageFormatUnsupported:
      if (error)
        *error = std::string("the graphical interface module cannot write ") + format + " files";
      return false;
    default:
      if (error) *error = "Can't write file " + path;
      return false;
  }
}

}  // namespace platform
