// The benchmark's probe of the GUI's start (bench/e2e.sh sets RSWIZARD_FIRST_PAINT_PROBE): the
// first painted preview prints the wall-clock time on standard error and cancels its page, so
// that the time from process start to a usable page can be measured from outside.
#pragma once

namespace platform::qt {

// Installs the probe as the first-paint hook when the environment asks for it.
void InstallFirstPaintProbeIfAsked();

}  // namespace platform::qt
