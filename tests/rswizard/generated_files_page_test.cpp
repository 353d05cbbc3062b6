#include "rswizard/generated_files_page.h"

#include <gtest/gtest.h>

#include "description/wizard_description.h"
#include "host/process_state.h"
#include "rswizard/process_settings.h"
#include "tests/rswizard/page_fake_ui.h"

namespace {

using rsblock::RsSettings;
using rswizard::Settings;

// One field of the page as it was shown.
struct FieldState {
  std::string text;
  bool enabled;
  bool readOnly;
  friend bool operator==(const FieldState&, const FieldState&) = default;
};

class GeneratedFilesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetProcessState();
    host::State().designDirectory = "C:\\work\\";
    host::State().designBaseName = "rs";
    Settings() = RsSettings{};
  }
  void TearDown() override {
    Settings() = RsSettings{};
    host::ResetProcessState();
  }

  void WithPage(const std::function<void()>& body) {
    ui.whileShown = [&](platform::Dialog& d) {
      dialog = &d;
      body();
      dialog = nullptr;
    };
    page.ShowModal();
  }
  FieldState Field(int id) const {
    const platform::Control* c = dialog->Find(id);
    return {c->text, c->enabled, c->readOnly};
  }

  rspagetest::PageUi ui;
  testsupport::FakeProcess process;
  platform::ScopedPlatform scoped{nullptr, &process, &ui};
  description::WizardDescription description;
  rswizard::GeneratedFilesPage page{description, nullptr};
  platform::Dialog* dialog = nullptr;
};

TEST_F(GeneratedFilesPageTest, DecoderShowsTheVectorAndMemoryFileNames) {
  Settings().Enc_Dec = 0;  // m = 4, irrpol = 19, genstart = 0
  WithPage([&] {
    EXPECT_EQ(Field(rswizard::kVectorFileName), (FieldState{"C:\\work\\rs.vec", true, true}));
    EXPECT_EQ(Field(rswizard::kInverseFileName),
              (FieldState{"C:\\work\\inv_4_19.hex", true, true}));
    EXPECT_EQ(Field(rswizard::kEvnumFileName),
              (FieldState{"C:\\work\\evnum_4_19_0.hex", true, true}));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kMemoryFilesLabel));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kVectorFileLabel));
    EXPECT_TRUE(dialog->IsMarked(rswizard::kVectorFileCheck));
  });
}

TEST_F(GeneratedFilesPageTest, EncoderWritesNoMemoryFiles) {
  WithPage([&] {
    EXPECT_EQ(Field(rswizard::kVectorFileName), (FieldState{"C:\\work\\rs.vec", true, true}));
    EXPECT_EQ(Field(rswizard::kInverseFileName), (FieldState{"", false, true}));
    EXPECT_EQ(Field(rswizard::kEvnumFileName), (FieldState{"", false, true}));
    EXPECT_FALSE(dialog->IsEnabled(rswizard::kMemoryFilesLabel));
  });
}

TEST_F(GeneratedFilesPageTest, CheckBoxTogglesTheVectorFileAndKeepsItsName) {
  std::vector<int> settings;
  WithPage([&] {
    page.OnClicked(*dialog, rswizard::kVectorFileCheck);
    settings.push_back(Settings().generate_vectorfile);
    EXPECT_FALSE(dialog->IsMarked(rswizard::kVectorFileCheck));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kVectorFileCheck));
    EXPECT_FALSE(dialog->IsEnabled(rswizard::kVectorFileLabel));
    EXPECT_EQ(Field(rswizard::kVectorFileName), (FieldState{"C:\\work\\rs.vec", false, true}));

    page.OnClicked(*dialog, rswizard::kVectorFileCheck);
    settings.push_back(Settings().generate_vectorfile);
    EXPECT_TRUE(dialog->IsMarked(rswizard::kVectorFileCheck));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kVectorFileLabel));
    EXPECT_EQ(Field(rswizard::kVectorFileName), (FieldState{"C:\\work\\rs.vec", true, true}));
  });
  EXPECT_EQ(settings, (std::vector<int>{0, 1}));
}

TEST_F(GeneratedFilesPageTest, SwitchedOffVectorFileShowsGreyed) {
  Settings().generate_vectorfile = 0;
  WithPage([&] {
    EXPECT_FALSE(dialog->IsMarked(rswizard::kVectorFileCheck));
    EXPECT_FALSE(dialog->IsEnabled(rswizard::kVectorFileName));
    EXPECT_EQ(Field(rswizard::kVectorFileName).text, "C:\\work\\rs.vec");
  });
}

TEST_F(GeneratedFilesPageTest, DesignWithoutDirectoryGivesBareNames) {
  host::State().designDirectory = "";
  Settings().Enc_Dec = 0;
  Settings().m = 8;
  Settings().irrpol = 285;
  Settings().genstart = 12;
  WithPage([&] {
    EXPECT_EQ(Field(rswizard::kVectorFileName).text, "rs.vec");
    EXPECT_EQ(Field(rswizard::kInverseFileName).text, "inv_8_285.hex");
    EXPECT_EQ(Field(rswizard::kEvnumFileName).text, "evnum_8_285_12.hex");
  });
}

TEST_F(GeneratedFilesPageTest, NamesFollowTheSettingsOfEachShowing) {
  Settings().Enc_Dec = 0;
  std::vector<std::string> names;
  WithPage([&] { names.push_back(Field(rswizard::kEvnumFileName).text); });
  Settings().m = 5;
  Settings().irrpol = 37;
  Settings().genstart = 3;
  WithPage([&] { names.push_back(Field(rswizard::kEvnumFileName).text); });
  Settings().Enc_Dec = 1;
  WithPage([&] { names.push_back(Field(rswizard::kEvnumFileName).text); });
  EXPECT_EQ(names, (std::vector<std::string>{"C:\\work\\evnum_4_19_0.hex",
                                             "C:\\work\\evnum_5_37_3.hex", ""}));
}

TEST_F(GeneratedFilesPageTest, FieldsAreAddressedByTheirLabels) {
  const platform::DialogTemplate& t = rswizard::GeneratedFilesTemplate();
  EXPECT_EQ(t.number, 110);
  std::vector<std::string> labels;
  for (const auto& c : t.controls)
    if (c.kind == platform::ControlKind::Edit) labels.push_back(c.label);
  EXPECT_EQ(labels,
            (std::vector<std::string>{"Vector file", "Inverse table file", "Evnum table file"}));
}

}  // namespace
