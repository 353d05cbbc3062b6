#include "platform/qt/qt_ui.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>
#include <cstdlib>
#include <string>

#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_draw_context.h"
#include "platform/qt/qt_help_viewer.h"

namespace platform::qt {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fusion with the indicator and spacing of the dialog manager's radio buttons and check boxes,
// so that their texts fit the widths the templates give them.
class DialogStyle : public QProxyStyle {
 public:
  DialogStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
        return 13;
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
        return 4;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

QWidget* ParentFor(const Dialog* owner) {
  if (QWidget* window = WindowOf(owner)) return window;
  return QApplication::activeModalWidget();
}

}  // namespace

void PrepareApplication(QApplication& app) {
  // One look on every desktop, so that a page looks the same on screen and in a snapshot.
  auto* style = new DialogStyle;
  app.setStyle(style);  // the application takes it
  app.setPalette(style->standardPalette());
  for (const char* face : {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Helvetica"})
    QFont::insertSubstitution(face, "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  FontDescription font;
  font.height = -11;  // MS Sans Serif 8 at 96 dots per inch
  font.faceName = "MS Sans Serif";
  app.setFont(MakeQFont(font));
  // Pages come and go one after the other; the process decides when it ends.
  app.setQuitOnLastWindowClosed(false);
}

QApplication& EnsureApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  // Qt keeps references to these for the life of the application.
  static int argc = 1;
  static char name[] = "rswizard";
  static char platformOption[] = "-platform";
  static char offscreen[] = "offscreen";
  static char* argv[] = {name, platformOption, offscreen, nullptr};
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* platformName = std::getenv("QT_QPA_PLATFORM");
  const bool reachable =
      (display && *display) || (wayland && *wayland) || (platformName && *platformName);
  if (!reachable) argc = 3;
  static QApplication* app = new QApplication(argc, argv);
  PrepareApplication(*app);
  return *app;
}

QtUi::QtUi() {
  EnsureApplication();
  const QString platformName = QGuiApplication::platformName();
  if (platformName != "offscreen" && platformName != "minimal") ProbeFrame();
}

void QtUi::ProbeFrame() {
  // A decorated window's frame is only known once a window is on screen; a short-lived probe
  // measures it before the first page is laid out, so that its outer rectangle is right.
  QDialog probe;
  probe.setAttribute(Qt::WA_ShowWithoutActivating);
  probe.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
  probe.setFixedSize(120, 40);
  const Rect screen = ScreenRect();
  probe.move(screen.right - 200, screen.bottom - 120);
  probe.show();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 500) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (probe.isVisible() && probe.frameGeometry() != probe.geometry()) break;
    QThread::msleep(10);
  }
  const QRect frameRect = probe.frameGeometry();
  const QRect client = probe.geometry();
  SetKnownFrameMargins({client.left() - frameRect.left(), client.top() - frameRect.top(),
                        frameRect.right() - client.right(), frameRect.bottom() - client.bottom()});
  probe.hide();
}

void QtUi::MessageBox(const Dialog* owner, std::string_view text, std::string_view caption) {
  QMessageBox box(ParentFor(owner));
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(ToQString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

int QtUi::RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
                   DialogHandler& handler) {
  Dialog dialog(dialogTemplate, owner, KnownFrameMargins(), ScreenRect());
  dialog.BuildFromTemplate();
  DialogWindow window(dialog, handler, WindowOf(owner));
  handler.OnInitDialog(dialog);
  return window.Run();
}

void QtUi::ShowHelp(const std::string& helpFilePath, const std::string& key) {
  QFile file(QString::fromLocal8Bit(helpFilePath.c_str()));
  if (!file.open(QIODevice::ReadOnly)) {
    MessageBox(nullptr, "Can't find the Tessaron help file " + helpFilePath,
               "Corvex Plug-In Manager");
    return;
  }
  ShowHelpWindow(QApplication::activeModalWidget(), key.empty() ? QString("Help") : ToQString(key),
                 QString::fromUtf8(file.readAll()));
}

Rect QtUi::ScreenRect() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, 1024, 768};
  const QRect g = screen->geometry();
  return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

}  // namespace platform::qt
