#!/usr/bin/env python3
"""Measures the decoder block's error statistics in the Verilator soak and draws them beside
their theory: docs/error-statistics.svg and the numbers in docs/error-statistics.txt.

    tools/error-statistics.py [BUILD_DIR]    (default: build; needs its soak_run target)
    tools/error-statistics.py --draw [FILE]  (redraws from docs/error-statistics.txt)

Left: how often a word with t + 1 random errors leaves miscorrected (decfail low, a wrong
codeword), for (15,11) and (31,25). Right: the codeword error rate after decoding against the
channel's symbol error rate, for (204,188) and (255,223). Every number of theory comes from the
harness (rsmath's decoded-error-rate model); this script only runs it and draws.
"""
import math
import os
import subprocess
import sys
import tempfile

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORDS = 120000
RUNS = [
    # kind, m, irrpol, n, r, first root, harness arguments
    ("streaming full", 4, 19, 15, 4, 0, ["--mix", "t+1"]),
    ("streaming full", 5, 37, 31, 6, 0, ["--mix", "t+1"]),
    ("streaming full", 8, 285, 204, 16, 0,
     ["--mix", "channel", "--rates", "0.015,0.02,0.025,0.03,0.04,0.05"]),
    ("streaming full", 8, 285, 255, 32, 0,
     ["--mix", "channel", "--rates", "0.03,0.035,0.04,0.05,0.06,0.07"]),
]


def measure(build, stats):
    soak_run = os.path.join(build, "tests", "soak", "soak_run")
    for kind, m, irrpol, n, r, genstart, args in RUNS:
        command = [soak_run, kind, str(m), str(irrpol), str(n), str(r), str(genstart),
                   "--words", str(WORDS), "--seed", "7", "--stats", stats] + args
        print(" ".join(command), flush=True)
        run = subprocess.run(command, capture_output=True, text=True)
        print(run.stdout.splitlines()[-1] if run.stdout else run.stderr, flush=True)
        if run.returncode != 0:
            sys.exit(run.stdout + run.stderr)


def interval(wrong, words):
    """The 95 % Wilson interval of a measured rate, as (low, high)."""
    z = 1.96
    rate = wrong / words
    centre = (rate + z * z / (2 * words)) / (1 + z * z / words)
    half = z * math.sqrt(rate * (1 - rate) / words + z * z / (4 * words * words)) / (1 + z * z / words)
    return max(centre - half, 0.0), centre + half


def draw(stats, picture):
    rows = [line.split() for line in open(stats) if not line.startswith("#")]
    figure, (left, right) = plt.subplots(1, 2, figsize=(11, 4.2))
    colours = ["#1f5fa8", "#2a8a3a"]
    codes = [row for row in rows if row[0] == "miscorrection"]
    for colour, (_, n, k, errors, words, wrong, theory) in zip(colours, codes):
        curve = [(int(r[3]), float(r[4])) for r in rows
                 if r[0] == "miscorrection-curve" and (r[1], r[2]) == (n, k)]
        left.plot([e for e, _ in curve], [v for _, v in curve], ".-", color=colour, markersize=3,
                  label="(%s,%s) theory" % (n, k))
        rate = int(wrong) / int(words)
        low, high = interval(int(wrong), int(words))
        left.errorbar(int(errors), rate, yerr=[[rate - low], [high - rate]], fmt="o",
                      color=colour, capsize=4, markersize=5)
        left.annotate("%d of %s words\nwith %s errors" % (int(wrong), words, errors),
                      (int(errors), rate), textcoords="offset points", xytext=(8, -18),
                      fontsize=8)
    left.plot([], [], "o", color="grey", label="measured, 95 % interval")
    left.set_xlim(0, 32)
    left.set_ylim(bottom=0)
    left.set_xlabel("symbol errors in the word (t + 1 measured)")
    left.set_ylabel("words miscorrected")
    left.set_title("Miscorrection: words decoded to another codeword")
    left.legend(fontsize=8, loc="upper right")
    left.grid(True, which="both", linewidth=0.3)

    for colour, (n, k) in zip(colours, sorted({(r[1], r[2]) for r in rows if r[0] == "curve"},
                                              key=lambda c: int(c[0]))):
        curve = [(float(r[3]), float(r[4])) for r in rows
                 if r[0] == "curve" and (r[1], r[2]) == (n, k) and float(r[4]) > 0]
        right.plot([p for p, _ in curve], [v for _, v in curve], color=colour,
                   label="(%s,%s) theory" % (n, k))
        for r in rows:
            if r[0] == "channel" and (r[1], r[2]) == (n, k) and int(r[5]) > 0:
                words, wrong = int(r[4]), int(r[5])
                rate = wrong / words
                low, high = interval(wrong, words)
                right.errorbar(float(r[3]), rate, yerr=[[rate - low], [high - rate]], fmt="o",
                               color=colour, capsize=3, markersize=4)
    right.plot([], [], "o", color="grey", label="measured, 95 % interval")
    right.set_xscale("log")
    right.set_yscale("log")
    right.set_xlim(5e-3, 0.12)
    right.set_ylim(1e-5, 1.5)
    right.set_xlabel("channel symbol error rate p")
    right.set_ylabel("codeword error rate after decoding")
    right.set_title(r"Codeword errors: theory $1-\sum_{i\leq t}\binom{n}{i}p^i(1-p)^{n-i}$")
    right.legend(fontsize=8, loc="lower right")
    right.grid(True, which="both", linewidth=0.3)
    figure.tight_layout()
    plt.rcParams["svg.hashsalt"] = "rs-error-statistics"
    figure.savefig(picture, metadata={"Date": None})


def main():
    arguments = sys.argv[1:]
    table = os.path.join(ROOT, "docs", "error-statistics.txt")
    picture = os.path.join(ROOT, "docs", "error-statistics.svg")
    if arguments[:1] == ["--draw"]:
        # Redraws from the numbers already measured, into the file named or the picture.
        draw(table, arguments[1] if len(arguments) > 1 else picture)
        return
    build = arguments[0] if arguments else os.path.join(ROOT, "build")
    with tempfile.TemporaryDirectory() as work:
        stats = os.path.join(work, "stats.txt")
        measure(build, stats)
        with open(table + ".new", "w") as out:
            out.write(open(stats).read())
        os.replace(table + ".new", table)
    draw(table, picture + ".new.svg")
    os.replace(picture + ".new.svg", picture)
    print("wrote", picture, "and", table)


if __name__ == "__main__":
    main()
