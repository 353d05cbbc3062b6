#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a short while: the
# description reader alone, then the whole wizard on console events and an old description,
# then on its command line; then the readers of what rsmanager reads from disk (the strict
# description reader, the Intel HEX reader of the tables, the vector-file reader).
# Fails when a target crashes, hangs or breaks one of its checks. Installs nothing.
#
#   FUZZ_SECONDS          seconds per wizard target (default 25)
#   READER_FUZZ_SECONDS   seconds per rsmanager reader (default 12)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "fuzz-briefly: clang++ is not installed; fuzzing skipped"
  exit 0
fi

seconds=${FUZZ_SECONDS:-25}
reader_seconds=${READER_FUZZ_SECONDS:-12}
jobs=${RSWIZARD_BUILD_JOBS:-2}
build=build-fuzz

# A build tree made by another compiler cannot be switched to clang in place.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DRSWIZARD_FUZZ=ON -DRSWIZARD_WITH_QT=OFF \
  -DRSWIZARD_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target description_fuzzer wizard_fuzzer command_line_fuzzer \
  block_description_fuzzer intel_hex_fuzzer vector_file_fuzzer

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
run() {
  local target=$1 dict=$2 seeds=$3
  shift 3
  # New inputs go to a scratch corpus in the build tree; the checked-in seeds stay as they are.
  local scratch="$build/tests/fuzz/${target%_fuzzer}_corpus"
  mkdir -p "$scratch"
  echo "fuzz-briefly: $target for ${seconds} s"
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -seed=1 -print_final_stats=1 -dict="$dict" -artifact_prefix="$artifacts/$target-" "$@" \
    "$scratch" "$seeds" >"$artifacts/$target.log" 2>&1; then
    tail -n 60 "$artifacts/$target.log"
    echo "fuzz-briefly: $target failed; the input is in $artifacts/"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$artifacts/$target.log" || true
}

run description_fuzzer tests/fuzz/description.dict tests/fuzz/corpus/description
run wizard_fuzzer tests/fuzz/wizard.dict tests/fuzz/corpus/wizard -max_len=8192
run command_line_fuzzer tests/fuzz/command_line.dict tests/fuzz/corpus/command_line -max_len=4096
seconds=$reader_seconds
for reader in block_description intel_hex vector_file; do
  run "${reader}_fuzzer" "tests/fuzz/$reader.dict" "tests/fuzz/corpus/$reader"
done
echo "fuzz-briefly: no crash"
