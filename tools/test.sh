#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs the whole test suite: a normal build
# first, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== formatting"
bash tools/check-format.sh

echo "== build"
rm -rf build build-asan
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

if [ -x tools/fuzz-briefly.sh ]; then
  echo "== fuzzing briefly"
  bash tools/fuzz-briefly.sh
fi

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRSWIZARD_SANITIZE=ON \
  -DRSWIZARD_BUILD_BENCH=OFF -DRSWIZARD_WITH_QT=OFF -DRSWIZARD_TEST_PER_CASE=OFF >/dev/null
cmake --build build-asan -j "$jobs"
echo "== tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE "slow|hdl|formal"

echo "== tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

# A desktop brings monospaced faces of its own, which the system's fixed font then names: the
# help window must still show the help in a font that is truly fixed-pitch. Only the GUI test
# program runs again, on a machine that has them.
if [ -x build/tests/gui_tests ]; then
  echo "== GUI tests with a desktop's monospaced fonts installed"
  bash tools/install-deps.sh fonts-noto-mono fonts-dejavu
  QT_QPA_PLATFORM=offscreen build/tests/gui_tests --gtest_brief=1
fi

echo "== Debian packages, installed and run"
bash tools/package-test.sh build
