#!/usr/bin/env bash
# Whole-program figures of the wizard, side by side with a C++ program that does nothing:
#   - a scripted console run of the heaviest block (an existing streaming decoder with m = 8,
#     n = 255, r = 50 and the vector file, input "click Finish"), median wall time of many runs,
#     against the median of the do-nothing program, and their ratio;
#   - the time from process start until the GUI's first page is painted (offscreen platform);
#   - the peak resident memory of the console run.
# Usage: bench/e2e.sh [BUILD_DIR] [RUNS]   (defaults: build, 200)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-200}
wizard="$build/app/rswizard"
[ -x "$wizard" ] || { echo "no $wizard: build first (cmake --build $build)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The do-nothing program, compiled as the wizard is: C++, optimised, dynamically linked.
printf 'int main() { return 0; }\n' > "$work/nothing.cpp"
${CXX:-c++} -std=c++20 -O2 "$work/nothing.cpp" -o "$work/nothing"

# Peak resident memory of one child alone (a forked interpreter would count its own pages).
cat > "$work/peak.cpp" <<'EOF'
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
int main(int, char** argv) {
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  std::fprintf(stderr, "peak %ld\n", usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
EOF
${CXX:-c++} -std=c++20 -O2 "$work/peak.cpp" -o "$work/peak"

cat > "$work/rs.cnx" <<'EOF'
PRIVATE: Enc_Dec NUMERIC "0"
PRIVATE: Disc_Stream NUMERIC "0"
PRIVATE: Fast_Small NUMERIC "1"
PRIVATE: GENSTART_V NUMERIC "0"
PRIVATE: generate_vectorfile NUMERIC "1"
CONSTANT: m NUMERIC "8"
CONSTANT: n NUMERIC "255"
CONSTANT: check NUMERIC "50"
CONSTANT: irrpol NUMERIC "285"
EOF
cp "$work/rs.cnx" "$work/rs.cnx.orig"

python3 - "$wizard" "$work" "$runs" <<'PY'
import os, statistics, subprocess, sys, time

wizard, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
design = os.path.join(work, "rs.tdf")
env = dict(os.environ, RSWIZARD_UI="console")
original = open(os.path.join(work, "rs.cnx.orig"), "rb").read()

def run_wizard():
    # The old description back in place: each run reads and rewrites it.
    with open(os.path.join(work, "rs.cnx"), "wb") as f:
        f.write(original)
    start = time.perf_counter()
    done = subprocess.run([wizard, design], input=b"click Finish\n", env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    elapsed = time.perf_counter() - start
    if done.returncode != 0 or done.stderr:
        sys.exit(f"wizard run failed ({done.returncode}): {done.stderr.decode()}")
    return elapsed

def run_nothing():
    start = time.perf_counter()
    subprocess.run([os.path.join(work, "nothing")], check=True)
    return time.perf_counter() - start

# Interleaved, so that whatever else the machine does weighs on both alike.
wizard_times, nothing_times = [], []
for _ in range(runs):
    wizard_times.append(run_wizard())
    nothing_times.append(run_nothing())
w = statistics.median(wizard_times) * 1000
n = statistics.median(nothing_times) * 1000
print(f"console run, m=8 n=255 r=50 streaming + vectors: median {w:.3f} ms over {runs} runs")
print(f"C++ program that does nothing:                   median {n:.3f} ms over {runs} runs")
print(f"ratio: {w / n:.2f}")

with open(os.path.join(work, "rs.cnx"), "wb") as f:
    f.write(original)
done = subprocess.run([os.path.join(work, "peak"), wizard, design], input=b"click Finish\n",
                      env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
peak = int(done.stderr.decode().split("peak ")[-1])
print(f"peak resident memory of a console run: {peak / 1024:.1f} MB")

# The GUI's first page: the module prints the wall-clock time of its first painted preview.
genv = dict(os.environ, RSWIZARD_UI="gui", QT_QPA_PLATFORM="offscreen",
            RSWIZARD_FIRST_PAINT_PROBE="1")
firsts = []
for _ in range(min(runs, 15)):
    with open(os.path.join(work, "rs.cnx"), "wb") as f:
        f.write(original)
    start = time.time_ns()
    done = subprocess.run([wizard, design], env=genv, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, timeout=60)
    marks = [l for l in done.stderr.decode().splitlines() if "first page painted at" in l]
    if not marks:
        print("GUI first page: not measured (no GUI module, or it could not start)")
        break
    sec, nsec = marks[0].rsplit(" ", 1)[1].split(".")
    firsts.append((int(sec) * 10**9 + int(nsec) - start) / 1e6)
if firsts:
    print(f"GUI first page painted after: median {statistics.median(firsts):.1f} ms "
          f"over {len(firsts)} runs")
PY
