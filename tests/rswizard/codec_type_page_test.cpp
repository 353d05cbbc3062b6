#include "rswizard/codec_type_page.h"

#include <gtest/gtest.h>

#include "description/wizard_description.h"
#include "host/nav_code.h"
#include "host/process_state.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_symbol.h"
#include "rswizard/rs_wizard_app.h"
#include "tests/rswizard/page_fake_ui.h"

namespace {

using rsblock::RsSettings;
using rswizard::Settings;

// What the six radio buttons and two decoder groups show: enabled and marked.
struct RadioState {
  bool enabled;
  bool marked;
  friend bool operator==(const RadioState&, const RadioState&) = default;
};

class CodecTypePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetProcessState();
    Settings() = RsSettings{};
  }
  void TearDown() override {
    Settings() = RsSettings{};
    host::ResetProcessState();
  }

  void WithPage(rswizard::CodecTypePage& page, const std::function<void()>& body) {
    ui.whileShown = [&](platform::Dialog& d) {
      dialog = &d;
      current = &page;
      body();
      dialog = nullptr;
    };
    page.ShowModal();
  }
  void Click(int id) { current->OnClicked(*dialog, id); }
  RadioState State(int id) const { return {dialog->IsEnabled(id), dialog->IsMarked(id)}; }

  rspagetest::PageUi ui;
  testsupport::FakeProcess process;
  platform::ScopedPlatform scoped{nullptr, &process, &ui};
  description::WizardDescription description;
  rswizard::CodecTypePage page{description, nullptr};
  platform::Dialog* dialog = nullptr;
  rswizard::CodecTypePage* current = nullptr;
};

constexpr RadioState kOnMarked{true, true};
constexpr RadioState kOn{true, false};
constexpr RadioState kOffMarked{false, true};
constexpr RadioState kOff{false, false};

TEST_F(CodecTypePageTest, NewDesignIsAnEncoderWithTheDecoderChoicesGreyed) {
  EXPECT_EQ(description.moduleName, "default") << "named only once the page is shown";
  WithPage(page, [&] {
    EXPECT_EQ(State(rswizard::kEncoderRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kDecoderRadio), kOn);
    EXPECT_EQ(State(rswizard::kDiscreteRadio), kOffMarked);
    EXPECT_EQ(State(rswizard::kStreamingRadio), kOff);
    EXPECT_EQ(State(rswizard::kFullFasterRadio), kOffMarked);
    EXPECT_EQ(State(rswizard::kHalfSmallerRadio), kOff);
    EXPECT_FALSE(dialog->IsEnabled(rswizard::kDecoderTypeGroup));
    EXPECT_FALSE(dialog->IsEnabled(rswizard::kSpeedAreaGroup));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kCodecGroup));
  });
  EXPECT_EQ(description.moduleName, "RS_Enc");
}

TEST_F(CodecTypePageTest, DecoderEnablesItsChoicesAndNamesTheModule) {
  WithPage(page, [&] {
    Click(rswizard::kDecoderRadio);
    EXPECT_EQ(State(rswizard::kEncoderRadio), kOn);
    EXPECT_EQ(State(rswizard::kDecoderRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kDiscreteRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kStreamingRadio), kOn);
    EXPECT_EQ(State(rswizard::kFullFasterRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kHalfSmallerRadio), kOn);
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kDecoderTypeGroup));
    EXPECT_TRUE(dialog->IsEnabled(rswizard::kSpeedAreaGroup));
  });
  EXPECT_EQ(Settings().Enc_Dec, 0);
  EXPECT_EQ(description.moduleName, "rsdsca");
}

TEST_F(CodecTypePageTest, ExistingStreamingDecoderOpensAsOne) {
  Settings().Enc_Dec = 0;
  Settings().Disc_Stream = 0;
  Settings().Fast_Small = 0;
  WithPage(page, [&] {
    EXPECT_EQ(State(rswizard::kDecoderRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kStreamingRadio), kOnMarked);
    EXPECT_EQ(State(rswizard::kDiscreteRadio), kOn);
    EXPECT_EQ(State(rswizard::kHalfSmallerRadio), kOnMarked);
  });
  EXPECT_EQ(description.moduleName, "rsstrb");
}

TEST_F(CodecTypePageTest, ArchitectureIsKeptWhileTheEncoderIsChosen) {
  std::vector<std::string> names;
  WithPage(page, [&] {
    Click(rswizard::kDecoderRadio);
    Click(rswizard::kStreamingRadio);
    names.push_back(description.moduleName);
    Click(rswizard::kEncoderRadio);
    names.push_back(description.moduleName);
    EXPECT_EQ(State(rswizard::kStreamingRadio), kOffMarked);
    Click(rswizard::kDecoderRadio);
    names.push_back(description.moduleName);
    Click(rswizard::kDiscreteRadio);
    names.push_back(description.moduleName);
  });
  EXPECT_EQ(names, (std::vector<std::string>{"rsstrb", "RS_Enc", "rsstrb", "rsdsca"}));
}

TEST_F(CodecTypePageTest, EachButtonSetsItsSetting) {
  struct Row {
    int id;
    int RsSettings::*field;
    int value;
  };
  const Row rows[] = {
      {rswizard::kEncoderRadio, &RsSettings::Enc_Dec, 1},
      {rswizard::kDecoderRadio, &RsSettings::Enc_Dec, 0},
      {rswizard::kStreamingRadio, &RsSettings::Disc_Stream, 0},
      {rswizard::kDiscreteRadio, &RsSettings::Disc_Stream, 1},
      {rswizard::kFullFasterRadio, &RsSettings::Fast_Small, 1},
      {rswizard::kHalfSmallerRadio, &RsSettings::Fast_Small, 0},
  };
  for (const Row& row : rows) {
    Settings().*row.field = 1 - row.value;
    WithPage(page, [&] {
      Click(row.id);
      EXPECT_TRUE(dialog->IsMarked(row.id)) << row.id;
    });
    EXPECT_EQ(Settings().*row.field, row.value) << row.id;
  }
}

TEST_F(CodecTypePageTest, ModuleNameFollowsEveryCombination) {
  struct Row {
    int encDec, discStream, fastSmall;
    const char* module;
  };
  const Row rows[] = {{1, 1, 1, "RS_Enc"}, {1, 0, 0, "RS_Enc"}, {0, 1, 1, "rsdsca"},
                      {0, 1, 0, "rsdsca"}, {0, 0, 1, "rsstrb"}, {0, 0, 0, "rsstrb"}};
  for (const Row& row : rows) {
    RsSettings s;
    s.Enc_Dec = row.encDec;
    s.Disc_Stream = row.discStream;
    s.Fast_Small = row.fastSmall;
    EXPECT_STREQ(rsblock::ModuleNameFor(s), row.module);
  }
}

TEST_F(CodecTypePageTest, PageButtonsStillLeaveThePage) {
  WithPage(page, [&] { Click(host::kNextButton); });
  EXPECT_EQ(page.navCode, host::NavNext);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(CodecTypePageTest, TemplateKeepsTheTabOrderAndTheGroups) {
  const platform::DialogTemplate& t = rswizard::CodecTypeTemplate();
  EXPECT_EQ(t.number, 126);
  std::vector<std::string> texts;
  std::vector<std::string> groupStarts;
  for (const auto& c : t.controls) {
    texts.push_back(c.text);
    if (c.groupStart) groupStarts.push_back(c.text);
  }
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Do you want an encoder or a decoder", "Encoder", "Decoder",
                                      "Choose the type of decoder", "Streaming", "Discrete",
                                      "Full - Faster", "Half - Smaller", "Speed/Area Tradeoff"}));
  EXPECT_EQ(groupStarts, (std::vector<std::string>{"Encoder", "Streaming", "Full - Faster"}));
}

// ---- The preview ----

std::vector<std::string> SymbolTexts() {
  std::vector<std::string> out;
  for (const auto& t : rswizard::ProcessSymbolModel().Texts()) out.push_back(t->text);
  return out;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(CodecTypePageTest, HalfSmallerChangesTheKindTextOnly) {
  rswizard::CodecTypePage preview{description, &rswizard::ProcessSymbolModel()};
  Settings().Enc_Dec = 0;
  std::vector<std::string> before;
  std::vector<std::string> after;
  std::string nameBefore;
  int repaints = 0;
  WithPage(preview, [&] {
    rspagetest::RepaintCounter counter(*dialog, host::kSymbolPanelId);
    dialog->AttachView(&counter);
    before = SymbolTexts();
    nameBefore = description.moduleName;
    Click(rswizard::kHalfSmallerRadio);
    after = SymbolTexts();
    dialog->AttachView(nullptr);
    repaints = counter.count;
  });
  EXPECT_EQ(nameBefore, "rsdsca");
  EXPECT_EQ(description.moduleName, "rsdsca");
  EXPECT_TRUE(Contains(before, "full discrete decoder"));
  EXPECT_TRUE(Contains(after, "half discrete decoder"));
  ASSERT_EQ(before.size(), after.size());
  int differing = 0;
  for (std::size_t i = 0; i < before.size(); ++i) differing += before[i] != after[i];
  EXPECT_EQ(differing, 1);
  EXPECT_EQ(repaints, 1);
}

}  // namespace
