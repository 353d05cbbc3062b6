#include "platform/qt/qt_first_paint_probe.h"

#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/qt/qt_control_widgets.h"

namespace platform::qt {

namespace {

void ProbeFirstPaint(QWidget* panel) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::fprintf(stderr, "rswizard: first page painted at %lld.%09ld\n",
               static_cast<long long>(now.tv_sec), now.tv_nsec);
  QWidget* page = panel->window();
  QTimer::singleShot(0, page, [page] { static_cast<QDialog*>(page)->reject(); });
}

}  // namespace

void InstallFirstPaintProbeIfAsked() {
  if (std::getenv("RSWIZARD_FIRST_PAINT_PROBE")) SetFirstPaintHook(ProbeFirstPaint);
}

}  // namespace platform::qt
