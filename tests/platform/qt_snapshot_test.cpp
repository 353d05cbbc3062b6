// Snapshots through the loader and the real module, read back pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/draw_context.h"
#include "platform/gui_loader.h"
#include "qt_test_support.h"
#include "tests/support/fake_platform.h"

namespace {

using platform::Color;
using platform::ControlKind;
using platform::Dialog;
using platform::DialogTemplate;
using platform::Rect;

constexpr Color kGrey{128, 128, 128};
constexpr Color kTeal{0, 128, 128};
constexpr Color kWhite{255, 255, 255};
constexpr Color kDark{64, 64, 64};

Color At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
          static_cast<std::uint8_t>(qBlue(p))};
}

DialogTemplate Template() {
  DialogTemplate t;
  t.number = 902;
  t.caption = "Snapshot";
  t.width = 238;
  t.height = 135;
  platform::TemplateControl label;
  label.kind = ControlKind::Label;
  label.text = "The following vector file will be generated :";
  label.x = 120;
  label.y = 25;
  label.width = 110;
  label.height = 16;
  t.controls.push_back(label);
  return t;
}

class SnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::App();
    ::setenv("RSWIZARD_GUI_MODULE", RS_GUI_MODULE_PATH, 1);
  }
};

TEST_F(SnapshotTest, PanelPaintingIsInThePng) {
  Dialog dialog(Template(), nullptr, platform::FrameMargins{3, 22, 3, 3}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  platform::Control& panel =
      dialog.CreateControl(ControlKind::Panel, 0xFFFF, "CStatic panel", {0, 0, 152, 200});
  Rect paintedClient;
  panel.paint = [&paintedClient](platform::DrawContext& dc, const Rect& client) {
    paintedClient = client;
    dc.FillSolid({0, 0, client.right - 25, client.bottom}, kDark);
    dc.SetTextColor(kGrey);
    dc.FillHalftone({29, 41, 129, 141});  // the shadow, on the dark background
    dc.FillSolid({21, 33, 121, 133}, kWhite);
    dc.DrawLine({21, 33}, {121, 33}, kTeal, 1, platform::kPenSolid);
  };
  testsupport::TempDir dir;
  const std::string path = dir.Dir() + "page.png";
  std::string error;
  ASSERT_TRUE(platform::RenderDialogImage(dialog, path, &error)) << error;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(path), "PNG"));
  const Rect client = dialog.ClientRectOnScreen();
  EXPECT_EQ(image.size(), QSize(client.Width(), client.Height()));
  EXPECT_EQ(paintedClient, (Rect{0, 0, 152, 200}));

  // The white box, its teal top edge (end point excluded), the halftone beside and below it.
  for (int y = 34; y < 133; y += 7)
    for (int x = 21; x < 121; x += 5) ASSERT_EQ(At(image, x, y), kWhite) << x << "," << y;
  for (int x = 21; x < 121; ++x) EXPECT_EQ(At(image, x, 33), kTeal) << x;
  EXPECT_EQ(At(image, 121, 33), kDark);
  for (int y = 133; y < 141; ++y)
    for (int x = 29; x < 129; ++x) ASSERT_EQ(At(image, x, y), (x + y) % 2 == 0 ? kGrey : kDark);
  for (int y = 41; y < 133; ++y)
    for (int x = 121; x < 127; ++x) ASSERT_EQ(At(image, x, y), (x + y) % 2 == 0 ? kGrey : kDark);

  // The label was drawn too: some dark text pixels in its rectangle.
  const Rect label = dialog.Controls()[0]->rect;
  int ink = 0;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x) ink += qGray(image.pixel(x, y)) < 96;
  EXPECT_GT(ink, 20);
}

TEST_F(SnapshotTest, SameModelSameBytes) {
  Dialog dialog(Template(), nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  testsupport::TempDir dir;
  std::string error;
  ASSERT_TRUE(platform::RenderDialogImage(dialog, dir.Dir() + "a.png", &error)) << error;
  ASSERT_TRUE(platform::RenderDialogImage(dialog, dir.Dir() + "b.png", &error)) << error;
  EXPECT_EQ(testsupport::ReadFileText(dir.Path() / "a.png"),
            testsupport::ReadFileText(dir.Path() / "b.png"));
}

TEST_F(SnapshotTest, UnwritablePathIsAnError) {
  Dialog dialog(Template(), nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  std::string error;
  EXPECT_FALSE(platform::RenderDialogImage(dialog, "/nonexistent-dir/page.png", &error));
  EXPECT_EQ(error, "Can't write file /nonexistent-dir/page.png");
}

// The extension names the format, in any case; a name Qt would guess from is not enough.
TEST_F(SnapshotTest, ExtensionNamesTheFormatAndOthersAreRefused) {
  Dialog dialog(Template(), nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  testsupport::TempDir dir;
  const std::pair<const char*, const char*> cases[] = {
      {"a.png", "png"},   {"b.jpg", "jpeg"}, {"c.JPEG", "jpeg"},     {"d.Bmp", "bmp"},
      {"e.gif", nullptr}, {"f", nullptr},    {"g.png.txt", nullptr}, {"h.d/png", nullptr}};
  for (const auto& [name, format] : cases) {
    const std::string path = dir.Dir() + name;
    std::string error;
    EXPECT_EQ(platform::RenderDialogImage(dialog, path, &error), format != nullptr) << name;
    if (format) {
      EXPECT_EQ(QImageReader(QString::fromStdString(path)).format().toStdString(), format);
    } else {
      EXPECT_EQ(error, "snapshot writes .png, .jpg, .jpeg or .bmp files, not \"" + path + "\"");
      EXPECT_FALSE(std::filesystem::exists(path)) << name;
    }
  }
}

TEST_F(SnapshotTest, SummaryPictureHasTheBitmapSize) {
  DialogTemplate t = Template();
  platform::TemplateControl picture;
  picture.kind = ControlKind::Picture;
  picture.pictureId = 1012;
  picture.x = 7;
  picture.y = 2;
  picture.width = 119;
  picture.height = 149;
  t.controls = {picture};
  t.height = 151;
  Dialog dialog(t, nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  testsupport::TempDir dir;
  std::string error;
  ASSERT_TRUE(platform::RenderDialogImage(dialog, dir.Dir() + "summary.png", &error)) << error;
  QImage image(QString::fromStdString(dir.Dir() + "summary.png"));
  ASSERT_FALSE(image.isNull());
  // Something other than the plain dialog background covers the picture's corner.
  const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
  EXPECT_NE(image.pixelColor(12, 5), background);
}

TEST_F(SnapshotTest, LoadedUiRunsOnTheOffscreenPlatform) {
  int argc = 1;
  char name[] = "rswizard";
  char* argv[] = {name, nullptr};
  std::string error;
  std::unique_ptr<platform::UserInterface> ui = platform::LoadGuiUi(&argc, argv, &error);
  ASSERT_NE(ui, nullptr) << error;
  const Rect screen = ui->ScreenRect();
  EXPECT_GT(screen.Width(), 0);
  EXPECT_GT(screen.Height(), 0);
}

}  // namespace
