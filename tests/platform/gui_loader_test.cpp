// The loader without Qt: where it looks, what it says when the module is missing, and that the
// console program itself is free of Qt.
#include "platform/gui_loader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/fake_platform.h"

namespace {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(GuiLoaderTest, GuiAvailableFollowsTheDisplayVariables) {
  struct Case {
    const char* display;
    const char* wayland;
    const char* platform;
    bool available;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, false},
      {":0", nullptr, nullptr, true},
      {nullptr, "wayland-0", nullptr, true},
      {nullptr, nullptr, "offscreen", true},
      {"", "", "", false},
  };
  for (const Case& c : cases) {
    ScopedEnv display("DISPLAY", c.display);
    ScopedEnv wayland("WAYLAND_DISPLAY", c.wayland);
    ScopedEnv platformName("QT_QPA_PLATFORM", c.platform);
    EXPECT_EQ(platform::GuiAvailable(), c.available)
        << (c.display ? c.display : "-") << (c.wayland ? c.wayland : "-")
        << (c.platform ? c.platform : "-");
  }
}

TEST(GuiLoaderTest, LooksBesideTheExecutableThenInTheInstalledLibDirectory) {
  ScopedEnv override("RSWIZARD_GUI_MODULE", nullptr);
  EXPECT_EQ(platform::GuiModuleCandidates("/opt/rs/bin/rswizard"),
            (std::vector<std::string>{"/opt/rs/bin/librswizard_qt.so",
                                      "/opt/rs/bin/../lib/rswizard/librswizard_qt.so"}));
  EXPECT_EQ(
      platform::GuiModuleCandidates("rswizard"),
      (std::vector<std::string>{"./librswizard_qt.so", "./../lib/rswizard/librswizard_qt.so"}));
  ScopedEnv set("RSWIZARD_GUI_MODULE", "/tmp/x/librswizard_qt.so");
  EXPECT_EQ(platform::GuiModuleCandidates("/usr/bin/rswizard").front(), "/tmp/x/librswizard_qt.so");
  EXPECT_EQ(platform::GuiModuleCandidates("/usr/bin/rswizard").size(), 3u);
}

TEST(GuiLoaderTest, MissingModuleIsAClearErrorNotACrash) {
  testsupport::TempDir dir;
  testsupport::FakeProcess process;
  process.executablePath = dir.Dir() + "rswizard";
  platform::ScopedPlatform scoped(nullptr, &process, nullptr);
  const std::string missing = dir.Dir() + "nowhere/librswizard_qt.so";
  ScopedEnv override("RSWIZARD_GUI_MODULE", missing.c_str());

  std::string error;
  int argc = 1;
  char name[] = "rswizard";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(platform::LoadGuiUi(&argc, argv, &error), nullptr);
  EXPECT_NE(error.find("librswizard_qt.so could not be loaded ("), std::string::npos) << error;
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_NE(error.find(dir.Dir() + "librswizard_qt.so"), std::string::npos) << error;

  platform::DialogTemplate t;
  t.width = 10;
  t.height = 10;
  platform::Dialog dialog(t, nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  std::string renderError;
  EXPECT_FALSE(platform::RenderDialogImage(dialog, dir.Dir() + "x.png", &renderError));
  EXPECT_EQ(renderError, error);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.png"));
}

TEST(GuiLoaderTest, TheWizardProgramDoesNotLinkQt) {
  // Qt reaches the process only through the module; a console run maps none of it.
  const std::string binary = testsupport::ReadFileText(RS_BINARY_PATH);
  ASSERT_FALSE(binary.empty());
  EXPECT_EQ(binary.find("libQt6"), std::string::npos);
}

}  // namespace
