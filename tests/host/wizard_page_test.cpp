#include <gtest/gtest.h>

#include <limits>

#include "tests/host/wizard_test_support.h"

namespace {

using hosttest::PlainPage;
using hosttest::ScriptedUi;
using platform::Rect;

class PageGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetProcessState(); }
  void TearDown() override { host::ResetProcessState(); }

  // Shows a page once and returns what it looked like.
  hosttest::ShownPage Show(PlainPage& page, int buttonState = host::MiddlePage) {
    page.buttonState = buttonState;
    ui.shown.clear();
    page.ShowModal();
    return ui.shown.at(0);
  }

  ScriptedUi ui;
  testsupport::FakeProcess process;
  platform::ScopedPlatform scoped{nullptr, &process, &ui};
};

const platform::Control& ById(const hosttest::ShownPage& page, int id) {
  for (const auto& c : page.controls)
    if (c.id == id) return c;
  throw std::runtime_error("no control " + std::to_string(id));
}

TEST_F(PageGeometryTest, CentredOnScreenWithButtonBar) {
  PlainPage page(200, 100);  // client 300 x 163, outer 306 x 188, then + 40 high
  const hosttest::ShownPage shown = Show(page);
  EXPECT_EQ(page.templateWidth, 306);
  EXPECT_EQ(shown.outer, (Rect{359, 270, 665, 498}));
  EXPECT_EQ(host::State().pagePosition, (platform::Point{665, 498}));
  EXPECT_TRUE(host::State().positionKnown);
  // Button rectangles in client coordinates: the client area starts at (362, 292).
  const Rect client{362, 292, 0, 0};
  const auto onScreen = [&](int id) {
    return ById(shown, id).rect.Offset(client.left, client.top);
  };
  EXPECT_EQ(onScreen(host::kNextButton), (Rect{665 - 125, 498 - 30, 665 - 69, 498 - 10}));
  EXPECT_EQ(onScreen(host::kBackButton), (Rect{665 - 184, 468, 665 - 128, 488}));
  EXPECT_EQ(onScreen(host::kCancelButton), (Rect{665 - 243, 468, 665 - 187, 488}));
  EXPECT_EQ(onScreen(host::kFinishButton), (Rect{665 - 66, 468, 665 - 10, 488}));
  // Wider than 253: the separator starts 10 pixels in from the template's left edge.
  EXPECT_EQ(onScreen(host::kSeparator), (Rect{665 - 306 + 10, 498 - 40, 665 - 10, 498 - 38}));
  EXPECT_TRUE(ById(shown, host::kNextButton).groupStart);
  EXPECT_FALSE(ById(shown, host::kBackButton).groupStart);
}

TEST_F(PageGeometryTest, NarrowPageIsWidenedAndSeparatorSpansTheBar) {
  PlainPage page(100, 60);  // client 150 wide: outer 156
  const hosttest::ShownPage shown = Show(page);
  EXPECT_EQ(page.templateWidth, 156);
  EXPECT_EQ(shown.outer.Width(), 253);
  const Rect sep = ById(shown, host::kSeparator).rect;
  const Rect client = {shown.outer.left + 3, shown.outer.top + 22, 0, 0};
  EXPECT_EQ(sep.left + client.left, shown.outer.right - 243);
  EXPECT_EQ(sep.right + client.left, shown.outer.right - 10);
}

TEST_F(PageGeometryTest, CommandLineCornerPlacesThePageExactly) {
  host::State().pagePosition = {900, 700};
  host::State().positionKnown = true;
  PlainPage page(200, 100);
  const hosttest::ShownPage shown = Show(page);
  EXPECT_EQ(shown.outer.right, 900);
  EXPECT_EQ(shown.outer.bottom, 700);
  EXPECT_EQ(shown.outer.Width(), 306);
}

// A corner from the command line can be any int; the page must stay within int coordinates.
TEST_F(PageGeometryTest, CornerAtTheEndsOfTheIntRangeKeepsThePageWhole) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  host::State().pagePosition = {kMin, kMin};
  host::State().positionKnown = true;
  PlainPage low(200, 100);
  const hosttest::ShownPage lowShown = Show(low);
  EXPECT_EQ(lowShown.outer, (Rect{kMin, kMin, kMin + 306, kMin + 228}));

  host::State().pagePosition = {kMax, kMax};
  PlainPage high(200, 100);
  const hosttest::ShownPage highShown = Show(high);
  EXPECT_EQ(highShown.outer, (Rect{kMax - 306, kMax - 228, kMax, kMax}));
}

TEST_F(PageGeometryTest, MovedPageCarriesItsCornerToTheNextPage) {
  PlainPage first(200, 100);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    const Rect r = d.OuterRect();
    d.SetOuterRect(r.Offset(-50, 20));  // the user drags the page
    h.OnClicked(d, host::kNextButton);
  });
  Show(first);
  EXPECT_EQ(host::State().pagePosition, (platform::Point{615, 518}));
  PlainPage second(100, 60);
  const hosttest::ShownPage shown = Show(second);
  EXPECT_EQ(shown.outer.right, 615);
  EXPECT_EQ(shown.outer.bottom, 518);
}

TEST_F(PageGeometryTest, CancelKeepsTheLastSavedCorner) {
  host::State().callerThreadGiven = true;
  host::State().callerThreadId = 5;
  PlainPage page(200, 100);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    d.SetOuterRect(d.OuterRect().Offset(10, 10));
    h.OnCancelCommand(d);
  });
  Show(page);
  EXPECT_EQ(page.navCode, host::NavCancel);
  ASSERT_EQ(process.notices.size(), 1u);
  EXPECT_EQ(process.notices[0].x, 665);  // SavePosition is not called on cancel
  EXPECT_EQ(process.notices[0].y, 498);
}

TEST_F(PageGeometryTest, EnterKeepsTheCodeOfTheLastButton) {
  PlainPage page;
  ui.Click(host::kBackButton);
  Show(page);
  EXPECT_EQ(page.navCode, host::NavBack);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) { h.OnOkCommand(d); });
  Show(page);
  EXPECT_EQ(page.navCode, host::NavBack);
  EXPECT_TRUE(process.notices.empty());
}

TEST_F(PageGeometryTest, RefusingPageStaysOpen) {
  struct Refusing : PlainPage {
    bool CanLeave() override { return false; }
  } page;
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    h.OnClicked(d, host::kNextButton);
    EXPECT_FALSE(d.Ended());
  });
  Show(page);
  EXPECT_EQ(page.navCode, host::NavCancel) << "the page was finally closed by cancel";
}

}  // namespace
