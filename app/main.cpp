// rswizard: the RS CODEC wizard, started by the calling manager with the design file's name.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "description/wizard_description.h"
#include "platform/gui_loader.h"
#include "platform/platform.h"
#include "rswizard/rs_wizard_app.h"
#include "symbol/symbol_model.h"

namespace {

// RSWIZARD_UI picks the backend: "console" or "gui"; unset, the GUI when a display can be
// reached. A GUI that cannot be loaded falls back to the console, saying why.
std::unique_ptr<platform::UserInterface> ChooseUserInterface(int* argc, char** argv) {
  const char* env = std::getenv("RSWIZARD_UI");
  std::string choice = env ? env : "";
  if (choice.empty()) {
    choice = platform::GuiAvailable() ? "gui" : "console";
  } else if (choice != "gui" && choice != "console") {
    std::fprintf(stderr,
                 "rswizard: RSWIZARD_UI is \"%s\", which is neither console nor gui; using the "
                 "console\n",
                 env);
    choice = "console";
  }
  if (choice != "gui") return nullptr;
  std::string error;
  std::unique_ptr<platform::UserInterface> ui = platform::LoadGuiUi(argc, argv, &error);
  if (!ui) std::fprintf(stderr, "rswizard: %s; using the console\n", error.c_str());
  return ui;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  std::unique_ptr<platform::UserInterface> gui = ChooseUserInterface(&argc, argv);
  if (gui) platform::Install(nullptr, nullptr, gui.get());

  // The process-wide objects of the run.
  static description::WizardDescription description;
  static symbol::SymbolModel symbolModel;
  rswizard::RsWizardApp app(symbolModel, description);
  const int code = app.RunWizard(words);
  std::fflush(nullptr);
  return code;
}
