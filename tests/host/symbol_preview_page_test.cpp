#include "host/symbol_preview_page.h"

#include <gtest/gtest.h>

#include "host/process_state.h"
#include "symbol/symbol_model.h"
#include "tests/support/fake_platform.h"
#include "tests/symbol/recording_draw_context.h"

namespace {

using platform::Rect;

// Shows every dialog with an outer rectangle of exactly the size under test, so that the
// layout is checked in round pixels rather than through the dialog-unit conversion.
class SizedUi : public testsupport::RecordingUi {
 public:
  int outerWidth = 200;
  int outerHeight = 150;
  std::function<void(platform::Dialog&)> whileShown;

  int RunModal(const platform::DialogTemplate& dialogTemplate, const platform::Dialog* owner,
               platform::DialogHandler& handler) override {
    platform::Dialog dialog(dialogTemplate, owner, platform::FrameMargins{3, 22, 3, 3},
                            ScreenRect());
    dialog.BuildFromTemplate();
    dialog.SetOuterRect({0, 0, outerWidth, outerHeight});
    handler.OnInitDialog(dialog);
    if (whileShown) whileShown(dialog);
    return platform::kResultCancel;
  }
};

platform::DialogTemplate TwoControlTemplate() {
  platform::DialogTemplate t;
  t.number = 901;
  t.width = 100;
  t.height = 60;
  t.controls = {
      platform::MakeControl(platform::ControlKind::Label, platform::kNoId, "a", 4, 4, 40, 8),
      platform::MakeControl(platform::ControlKind::PushButton, 7, "b", 10, 20, 50, 14),
  };
  return t;
}

struct Layout {
  Rect outer;
  std::vector<platform::Control> controls;
  bool hasPanel = false;
};

class PreviewLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetProcessState(); }
  void TearDown() override { host::ResetProcessState(); }

  Layout Show(host::SymbolPreviewPage& page) {
    Layout layout;
    ui.whileShown = [&](platform::Dialog& d) {
      layout.outer = d.OuterRect();
      for (const auto& c : d.Controls()) layout.controls.push_back(*c);
      layout.hasPanel = page.HasPanel();
    };
    page.ShowModal();
    return layout;
  }

  SizedUi ui;
  testsupport::FakeProcess process;
  platform::ScopedPlatform scoped{nullptr, &process, &ui};
};

const platform::Control* FindIn(const Layout& layout, int id) {
  for (const auto& c : layout.controls)
    if (c.id == id) return &c;
  return nullptr;
}

TEST_F(PreviewLayoutTest, PanelWidensThePageAndPushesItsControlsRight) {
  const symbol::SymbolModel model(152);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  const Layout layout = Show(page);
  EXPECT_EQ(page.templateWidth, 200);
  EXPECT_EQ(layout.outer.Width(), 352);
  EXPECT_EQ(layout.outer.Height(), 228);  // 150 + 40 is less than the panel's 228

  const Rect label = platform::DialogUnitsToPixels(4, 4, 40, 8);
  const Rect button = platform::DialogUnitsToPixels(10, 20, 50, 14);
  EXPECT_EQ(layout.controls[0].rect, label.Offset(152, 0));
  EXPECT_EQ(FindIn(layout, 7)->rect, button.Offset(152, 0));

  const platform::Control* panel = FindIn(layout, host::kSymbolPanelId);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->kind, platform::ControlKind::Panel);
  EXPECT_EQ(panel->text, "CStatic panel");
  EXPECT_EQ(panel->rect, (Rect{0, 0, 152, 228}));  // x 0 to 151, the page's full outer height
  EXPECT_TRUE(layout.hasPanel);
  EXPECT_FALSE(page.HasPanel()) << "no panel once the page is closed";
}

TEST_F(PreviewLayoutTest, ButtonBarIsPlacedAfterThePanelAndNotMoved) {
  const symbol::SymbolModel model(152);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  const Layout layout = Show(page);
  const platform::Control* finish = FindIn(layout, host::kFinishButton);
  ASSERT_NE(finish, nullptr);
  // Outer right edge R in client coordinates: 352 - 3 of frame.
  EXPECT_EQ(finish->rect.right, layout.outer.right - 10 - (layout.outer.left + 3));
  // The template was 200 wide, so the separator spans the bar from R - 243.
  const platform::Control* separator = FindIn(layout, host::kSeparator);
  ASSERT_NE(separator, nullptr);
  EXPECT_EQ(separator->rect.left, layout.outer.right - 243 - (layout.outer.left + 3));
}

TEST_F(PreviewLayoutTest, TallPageKeepsItsHeightPlusTheButtonStrip) {
  ui.outerHeight = 250;
  const symbol::SymbolModel model(152);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  const Layout layout = Show(page);
  EXPECT_EQ(layout.outer.Height(), 290);
  EXPECT_EQ(FindIn(layout, host::kSymbolPanelId)->rect, (Rect{0, 0, 152, 290}));
}

TEST_F(PreviewLayoutTest, NarrowTemplateWithPanelStillGetsTheMinimumWidth) {
  ui.outerWidth = 60;
  const symbol::SymbolModel model(152);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  EXPECT_EQ(Show(page).outer.Width(), 253);
}

TEST_F(PreviewLayoutTest, WithoutAModelThePageHasTheBaseLayoutAndNoPanel) {
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, nullptr);
  const Layout layout = Show(page);
  EXPECT_EQ(layout.outer.Width(), 253);
  EXPECT_EQ(layout.outer.Height(), 190);
  EXPECT_EQ(FindIn(layout, host::kSymbolPanelId), nullptr);
  EXPECT_FALSE(layout.hasPanel);
  EXPECT_EQ(layout.controls[0].rect, platform::DialogUnitsToPixels(4, 4, 40, 8));
  page.RepaintPanel();  // harmless without a panel
}

class CountingView : public platform::DialogView {
 public:
  std::vector<std::size_t> invalidated;
  void Invalidated(std::size_t index) override { invalidated.push_back(index); }
};

TEST_F(PreviewLayoutTest, RepaintInvalidatesThePanelOnly) {
  const symbol::SymbolModel model(152);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  CountingView view;
  std::size_t panelIndex = 0;
  ui.whileShown = [&](platform::Dialog& d) {
    d.AttachView(&view);
    for (std::size_t i = 0; i < d.Controls().size(); ++i)
      if (d.Controls()[i]->id == host::kSymbolPanelId) panelIndex = i;
    page.RepaintPanel();
    d.AttachView(nullptr);
  };
  page.ShowModal();
  ASSERT_EQ(view.invalidated.size(), 1u);
  EXPECT_EQ(view.invalidated[0], panelIndex);
}

TEST_F(PreviewLayoutTest, PanelPaintsTheModelAsItIsWhenPainted) {
  symbol::SymbolModel model(152);
  model.Reset(80, 100);
  host::SymbolPreviewPage page(TwoControlTemplate(), nullptr, &model);
  std::function<void(platform::DrawContext&, const Rect&)> paint;
  ui.whileShown = [&](platform::Dialog& d) { paint = d.Find(host::kSymbolPanelId)->paint; };
  page.ShowModal();
  ASSERT_TRUE(paint);

  symboltest::RecordingDrawContext dc;
  paint(dc, Rect{0, 0, 152, 228});
  ASSERT_FALSE(dc.drawn.empty());
  // The drawing area and the button-face strip come first, then the white box of the symbol.
  EXPECT_TRUE(dc.drawn[0].starts_with("fill 0,0,127,228 ")) << dc.drawn[0];
  const std::string box = "fill " +
                          symboltest::RectText(Rect{model.originX, model.originY,
                                                    model.originX + 80, model.originY + 100}) +
                          " 255,255,255";
  EXPECT_EQ(dc.DrawnStartingWith(box).size(), 1u);

  // A later change of the model shows at the next paint.
  model.Reset(60, 100);
  symboltest::RecordingDrawContext again;
  paint(again, Rect{0, 0, 152, 228});
  EXPECT_TRUE(again.DrawnStartingWith(box).empty());
}

}  // namespace
