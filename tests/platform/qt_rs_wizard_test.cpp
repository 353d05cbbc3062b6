// The Reed-Solomon wizard through the GUI: a whole session driven with mouse and keys on the
// real windows must write the same files as the same session scripted on the console, and the
// preview drawn in each page's snapshot must show the symbol the description carries.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "description/wizard_description.h"
#include "host/process_state.h"
#include "platform/platform.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_support.h"
#include "rsmath/galois_field.h"
#include "rswizard/codec_type_page.h"
#include "rswizard/parameter_page.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_wizard_app.h"
#include "symbol/symbol_model.h"
#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace {

// ---- Driving the real windows ------------------------------------------------------------

QWidget* ControlWidget(QWidget* window, int id) {
  for (QWidget* w : window->findChildren<QWidget*>())
    if (w->property("rsControlId").toInt() == id) return w;
  return nullptr;
}

// One step of a session: done once the active page's title has `page` in it.
struct Step {
  std::string page;
  std::function<void(QWidget*)> act;
};

void ClickButton(QWidget* window, int id) {
  QWidget* w = ControlWidget(window, id);
  ASSERT_NE(w, nullptr) << id;
  ASSERT_TRUE(w->isEnabled()) << id;
  // On the mark, where a user aims: a radio button's box is wider than its mark and text, and
  // a click past the text does nothing.
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

void ClickText(QWidget* window, const QString& text) {
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if (b->text() == text && b->isVisible()) {
      QTest::mouseClick(b, Qt::LeftButton);
      return;
    }
  ADD_FAILURE() << "no button " << text.toStdString();
}

// Picks an item of a field's list with the arrow keys, as a user scrolling through it would;
// each item passed on the way is a pick of its own.
void PickWithArrows(QWidget* window, int id, const QString& item) {
  auto* combo = qobject_cast<QComboBox*>(ControlWidget(window, id));
  ASSERT_NE(combo, nullptr) << id;
  const int target = combo->findText(item);
  ASSERT_GE(target, 0) << item.toStdString();
  combo->setFocus(Qt::OtherFocusReason);
  for (int guard = 0; combo->currentIndex() != target && guard < 300; ++guard)
    QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
  EXPECT_EQ(combo->currentText(), item);
}

// Runs the steps on the pages as they open; returns the steps left undone.
class SessionDriver {
 public:
  explicit SessionDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(15);
  }
  std::size_t Left() const { return steps_.size() - next_; }

 private:
  void Tick() {
    if (next_ >= steps_.size() || busy_) return;
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!window || !window->isVisible()) return;
    if (!window->windowTitle().contains(QString::fromStdString(steps_[next_].page))) return;
    busy_ = true;
    const Step& step = steps_[next_++];
    step.act(window);
    busy_ = false;
  }

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
  QTimer timer_;
};

std::string ReadAll(const std::filesystem::path& path) {
  return testsupport::ReadFileText(path);
}

// ---- The session, on both backends ---------------------------------------------------------

TEST(RsGuiSession, StreamingDecoderPickedFromTheListsWritesWhatTheConsoleWrites) {
  qttest::App();
  testsupport::TempDir guiDir;
  testsupport::TempDir consoleDir;

  // The GUI, in this process, with the real pages.
  {
    host::ResetProcessState();
    rswizard::Settings() = rsblock::RsSettings{};
    rsmath::ResetTables();
    platform::qt::QtUi ui;
    platform::PosixFileSystem files;
    platform::ScopedPlatform scoped(&files, nullptr, &ui);
    description::WizardDescription description;
    symbol::SymbolModel model;
    rswizard::RsWizardApp app(model, description);

    SessionDriver driver({
        {"[page 1 of 4]",
         [](QWidget* w) {
           ClickButton(w, rswizard::kDecoderRadio);
           ClickButton(w, rswizard::kStreamingRadio);
           ClickText(w, "Next >");
         }},
        {"[page 2 of 4]",
         [](QWidget* w) {
           PickWithArrows(w, rswizard::kBitsPerSymbolField, "8");
           PickWithArrows(w, rswizard::kCodewordLengthField, "255");
           PickWithArrows(w, rswizard::kCheckSymbolsField, "50");
           ClickText(w, "Next >");
         }},
        {"[page 3 of 4]", [](QWidget* w) { ClickText(w, "Next >"); }},
        {"[page 4 of 4]", [](QWidget* w) { ClickText(w, "Finish"); }},
    });
    const int code = app.RunWizard({"-n", guiDir.Dir() + "rs.tdf"});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(driver.Left(), 0u);
    const rsblock::RsSettings& s = rswizard::Settings();
    EXPECT_EQ(s.m, 8);
    EXPECT_EQ(s.n, 255);
    EXPECT_EQ(s.check, 50);
    EXPECT_EQ(s.Enc_Dec, 0);
    EXPECT_EQ(s.Disc_Stream, 0);
  }

  const auto console = testsupport::RunWizard({"-n", consoleDir.Dir() + "rs.tdf"},
                                              "click Decoder\nclick Streaming\nclick \"Next >\"\n"
                                              "pick \"Number of bits per symbol\" 8\n"
                                              "pick \"Number of symbols per codeword\" 255\n"
                                              "pick \"Number of check symbols per codeword\" 50\n"
                                              "click \"Next >\"\nclick \"Next >\"\nclick Finish\n");
  ASSERT_EQ(console.exitStatus, 0) << console.err;
  EXPECT_EQ(console.err, "");

  for (const char* name : {"rs.cnx", "rs.vec", "inv_8_285.hex", "evnum_8_285_0.hex"}) {
    ASSERT_TRUE(std::filesystem::exists(consoleDir.Path() / name)) << name;
    ASSERT_TRUE(std::filesystem::exists(guiDir.Path() / name)) << name;
    EXPECT_EQ(ReadAll(guiDir.Path() / name), ReadAll(consoleDir.Path() / name)) << name;
  }
  EXPECT_NE(ReadAll(guiDir.Path() / "rs.cnx").find("MODULE: rsstrb\n"), std::string::npos);
}

// ---- The preview in the snapshots ----------------------------------------------------------

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kTeal = qRgb(0, 128, 128);
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kBlue = qRgb(0, 0, 255);

struct WrittenSymbol {
  int width = 0;
  int height = 0;
  std::vector<std::pair<int, int>> pinEnds;  // outer ends, y down from the box's top
};

// The box and pins as the description writes them (y up from the bottom edge there).
WrittenSymbol ParseSymbol(const std::string& cnx) {
  WrittenSymbol symbol;
  std::istringstream lines(cnx);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string keyword, kind;
    words >> keyword >> kind;
    if (keyword != "SYMBOL:") continue;
    if (kind == "BOX") words >> symbol.width >> symbol.height;
    if (kind == "PINSTUB") {
      int x = 0, y = 0;
      words >> x >> y;
      symbol.pinEnds.emplace_back(x, symbol.height - y);
    }
  }
  return symbol;
}

class PreviewSnapshotTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PreviewSnapshotTest, BoxOutlineShadowAndPinCrossesAreDrawn) {
  qttest::App();
  testsupport::TempDir dir;
  const std::string png = dir.Dir() + "page";
  const auto run = testsupport::RunWizard(
      {"-n", dir.Dir() + "rs.tdf"},
      std::string(GetParam()) + "snapshot " + png + "1.png\nclick \"Next >\"\nsnapshot " + png +
          "2.png\nclick \"Next >\"\nsnapshot " + png + "3.png\nclick Finish\n",
      {"QT_QPA_PLATFORM=offscreen"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const WrittenSymbol symbol = ParseSymbol(ReadAll(dir.Path() / "rs.cnx"));
  ASSERT_GT(symbol.width, 0);
  ASSERT_EQ(symbol.height, 224);
  ASSERT_FALSE(symbol.pinEnds.empty());

  // The box stands 8 pixels short of the panel's right edge, centred in its height.
  const int w = symbol.width;
  const int h = symbol.height;
  const int ox = symbol::MeasuredPanelWidth() - w - 8;
  const int oy = (symbol::kPanelHeight - h) / 2;

  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png + std::to_string(page) + ".png")));
    image = image.convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(image.width(), ox + w + 9);
    ASSERT_GE(image.height(), oy + h + 9);
    auto at = [&image](int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; };
    auto rgb = [](QRgb c) { return c & 0xFFFFFFu; };

    // White inside the box where no text or pin reaches: the band between the last pin and the
    // parameter texts, and the margin left of those texts above the kind text.
    for (int y = oy + 121; y <= oy + 130; ++y)
      for (int x = ox + 18; x <= ox + w - 18; ++x)
        ASSERT_EQ(at(x, y), rgb(kWhite)) << x << "," << y;
    for (int y = oy + 121; y <= oy + 200; ++y)
      for (int x = ox + 1; x < ox + 16; ++x) ASSERT_EQ(at(x, y), rgb(kWhite)) << x << "," << y;

    // The teal outline: top and bottom edges whole.
    for (int x = ox; x < ox + w; ++x) ASSERT_EQ(at(x, oy), rgb(kTeal)) << x;
    for (int x = ox + 1; x <= ox + w; ++x) ASSERT_EQ(at(x, oy + h), rgb(kTeal)) << x;

    // The halftone shadow below the box: grey on one parity of x + y, never on the other. The
    // panel's edge line, redrawn across the shadow at the drawing area's right edge, is grey
    // too, and the pattern runs on unbroken on both sides of it.
    const int areaRight = symbol::MeasuredPanelWidth() - 25;
    int greyParity = -1;
    for (int y = oy + h + 1; y < oy + h + 8; ++y)
      for (int x = ox + 8; x < ox + w + 8; ++x) {
        if (x == areaRight) continue;
        const bool grey = at(x, y) == rgb(kGrey);
        if (grey && greyParity < 0) greyParity = (x + y) % 2;
        ASSERT_EQ(grey, (x + y) % 2 == greyParity) << x << "," << y;
      }
    EXPECT_GE(greyParity, 0);

    // A blue cross on the outer end of every pin.
    for (const auto& [px, py] : symbol.pinEnds) {
      const int sx = ox + px;
      const int sy = oy + py;
      for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(at(sx - 4 + i, sy - 4 + i), rgb(kBlue)) << px << "," << py << " i " << i;
        ASSERT_EQ(at(sx - 4 + i, sy + 4 - i), rgb(kBlue)) << px << "," << py << " i " << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, PreviewSnapshotTest,
                         ::testing::Values("", "click Decoder\n",
                                           "click Decoder\nclick Streaming\nclick \"Half - "
                                           "Smaller\"\n"));

}  // namespace
