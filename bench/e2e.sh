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

# Runs a program many times from a small C++ harness, so that no interpreter's own start-up
# weighs on the figures: fork, exec, wait4. Before each run the old description is put back
# (untimed). Prints the median wall time, the median CPU times and the largest peak resident
# memory of the runs.
cat > "$work/runmany.cpp" <<'EOF'
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
// runmany RUNS INPUT RESTORE_FROM RESTORE_TO PROGRAM ARGS...   ("-" for no restore)
int main(int argc, char** argv) {
  if (argc < 6) return 2;
  const int runs = std::atoi(argv[1]);
  std::string original;
  if (std::string(argv[3]) != "-") {
    std::ifstream in(argv[3], std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    original = all.str();
  }
  std::vector<double> wall, user, sys;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    if (std::string(argv[3]) != "-") std::ofstream(argv[4], std::ios::binary) << original;
    timespec a{}, b{};
    clock_gettime(CLOCK_MONOTONIC, &a);
    const pid_t child = fork();
    if (child == 0) {
      const int input = open(argv[2], O_RDONLY);
      const int null = open("/dev/null", O_WRONLY);
      dup2(input, 0);
      dup2(null, 1);
      execv(argv[5], argv + 5);
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &b);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "%s failed\n", argv[5]);
      return 1;
    }
    wall.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    user.push_back(usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3);
    sys.push_back(usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3);
    peak = std::max(peak, usage.ru_maxrss);
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("%.3f %.3f %.3f %.1f\n", median(wall), median(user), median(sys), peak / 1024.0);
}
EOF
${CXX:-c++} -std=c++20 -O2 "$work/runmany.cpp" -o "$work/runmany"
echo "click Finish" > "$work/input"

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

def runmany(runs, *command):
    out = subprocess.run([os.path.join(work, "runmany"), str(runs), os.path.join(work, "input"),
                          *command], env=env, check=True, capture_output=True, text=True)
    return [float(x) for x in out.stdout.split()]

cnx, orig = os.path.join(work, "rs.cnx"), os.path.join(work, "rs.cnx.orig")
# Alternated in batches, so that whatever else the machine does weighs on both alike.
w_batches, n_batches = [], []
for _ in range(5):
    w_batches.append(runmany(runs // 5, orig, cnx, wizard, design))
    n_batches.append(runmany(runs // 5, "-", "-", os.path.join(work, "nothing")))
med = lambda rows, i: statistics.median(r[i] for r in rows)
w, n = med(w_batches, 0), med(n_batches, 0)
print(f"console run, m=8 n=255 r=50 streaming + vectors, in {work}:")
print(f"  wizard:  median {w:.3f} ms wall ({med(w_batches, 1):.3f} user, "
      f"{med(w_batches, 2):.3f} sys) over {runs} runs")
print(f"  nothing: median {n:.3f} ms wall ({med(n_batches, 1):.3f} user, "
      f"{med(n_batches, 2):.3f} sys) over {runs} runs")
print(f"  ratio: {w / n:.2f}")
print(f"peak resident memory of a console run: {max(r[3] for r in w_batches):.1f} MB")

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
