#!/usr/bin/env bash
# Installs what is missing, builds the wizard and its GUI module (nothing else: no tests,
# benchmarks or fuzz targets; tools/test.sh builds and runs those), and runs the wizard on the
# bundled example design: in a window when a display is available, in the terminal when there is
# one, and otherwise plays the bundled console script that builds a DVB decoder. The last line
# says how the run ended.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=build
echo "quickstart: configuring $build/"
log=$(mktemp)
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$log" 2>&1; then
  cat "$log"
  rm -f "$log"
  echo "quickstart: configuring failed (the output is above)"
  exit 1
fi
rm -f "$log"
# The program alone: building rswizard builds the GUI module too, where Qt is installed.
echo "quickstart: building rswizard"
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target rswizard

demo=$build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp examples/rs.tdf "$demo/"
design="$(pwd)/$demo/rs.tdf"

status=0
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "quickstart: running the wizard in a window on $design"
  build/app/rswizard -n "$design" || status=$?
elif [ -t 0 ]; then
  echo "quickstart: running the wizard in this terminal on $design"
  echo "  (\"help\" lists the events, a control's number acts on it, Tab completes, Ctrl-D cancels)"
  RSWIZARD_UI=console build/app/rswizard -n "$design" || status=$?
else
  echo "quickstart: no display and no terminal: playing examples/dvb_decoder.events on $design"
  RSWIZARD_UI=console build/app/rswizard -n "$design" <examples/dvb_decoder.events || status=$?
fi

written=$(cd "$demo" && ls -A | grep -vx 'rs.tdf' | tr '\n' ' ' | sed 's/ $//; s/ /, /g')
case $status in
  0)
    if [ -f "$demo/rs.cnx" ]; then
      echo "finished: wrote $written in $demo (exit status 0: finished)"
    else
      echo "finished without a description: wrote ${written:-nothing} in $demo (exit status 0, but rs.cnx could not be written)"
    fi
    ;;
  2) echo "cancelled: nothing written (exit status 2: cancelled)" ;;
  255) echo "backed out of the first page: wrote $written in $demo (exit status 255: < Back on the first page)" ;;
  1) echo "failed: the wizard did not start or could not write a file (exit status 1)" ;;
  *) echo "stopped: exit status $status (not one of the wizard's codes: killed by a signal?)" ;;
esac
exit 0
