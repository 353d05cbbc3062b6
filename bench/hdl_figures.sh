#!/usr/bin/env bash
# Resource and timing figures of HDL designs, with the free tools and their versions:
#   - Xilinx 7-series: yosys "synth_xilinx -family xc7 -abc9 -top TOP; stat -tech xilinx":
#     LUTs (LUT1..LUT6), flip-flops (FD*), block RAMs (RAMB36E1 + RAMB18E1 / 2);
#   - iCE40 HX8K: yosys "synth_ice40 -top TOP", then nextpnr-ice40 --hx8k --package ct256
#     --seed 1: logic cells, the maximum frequency after routing, and whether the design fits.
# One table row per design, in the order given; up to JOBS designs are measured at once.
#
#   bench/hdl_figures.sh [--no-pnr] [-j JOBS] [--build DIR] [TARGET...]   (JOBS: nproc)
#
# TARGET is one of
#   DESIGN.v                    a design file, its top module named after the file (as the
#                               NAME.v that `rsmanager --generate` writes);
#   DESIGN.v:TOP                a design file and its top module;
#   encoder:M,N,R,IRRPOL,GS     the encoder block of that code, made as a user makes it: a
#                               console session of the wizard, then `rsmanager --generate`.
# Without a TARGET: the encoder for DVB (8,204,16,285,0) and for 8,255,32,285,0.
# --no-pnr skips the iCE40 columns. --build names the build directory with rswizard and
# rsmanager (default: build of this tree). Needs yosys and nextpnr-ice40.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rtl_dir=$root/hdl/rtl

pnr=1
jobs=$(nproc)
build=$root/build
while [ $# -gt 0 ]; do
  case $1 in
    --no-pnr) pnr=0 ;;
    -j) jobs=$2; shift ;;
    --build) build=$2; shift ;;
    -h | --help) sed -n '2,24s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) break ;;
  esac
  shift
done
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(encoder:8,204,16,285,0 encoder:8,255,32,285,0)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# encoder:M,N,R,IRRPOL,GS DIR -> DIR/TOP.v built by the wizard and rsmanager, as a user builds
# the block; sets files, top, label.
make_encoder() {
  local m n r irrpol gs dir=$2
  IFS=, read -r m n r irrpol gs <<< "$1"
  top=enc_${m}_${n}_${r}_${irrpol}_${gs}
  printf '%s\n' 'click "Next >"' "pick \"Number of bits per symbol\" $m" \
    "pick \"Field polynomial\" $irrpol" "type \"Number of symbols per codeword\" $n" \
    "type \"Number of check symbols per codeword\" $r" \
    "type \"First root of polynomial generator\" $gs" "click Finish" |
    RSWIZARD_UI=console "$build/app/rswizard" -n "$dir/$top.v" > /dev/null
  "$build/manager/rsmanager" --generate "$dir/$top.v" > /dev/null
  files=$dir/$top.v
  label="encoder m=$m n=$n r=$r irrpol=$irrpol genstart=$gs"
}

count_cells() {  # FILE REGEX: the sum of the cell counts whose names match, in the last totals
  awk -v re="$2" '/===/ { delete c } $1 ~ re && $2 ~ /^[0-9]+$/ { c[$1] = $2 }
                  END { s = 0; for (k in c) s += c[k]; print s }' "$1"
}

# measure INDEX TARGET: the design's table row into $work/INDEX/row, or a message and status 1.
measure() {
  local dir=$work/$1 target=$2 files top label read_cmd luts ffs bram lcs=- fmax=- fits=-
  mkdir -p "$dir"
  case $target in
    encoder:*) make_encoder "${target#encoder:}" "$dir" ;;
    *:*) files=${target%:*} top=${target##*:} label=$(basename "$files") ;;
    *) files=$target top=$(basename "$target" .v) label=$(basename "$target") ;;
  esac
  read_cmd="read_verilog -I$rtl_dir $files"
  # One yosys run per family, each from its own parse: within one run the second synthesis
  # would inherit the first's generated names, and nextpnr's placement depends on them.
  if ! { yosys -q -l "$dir/yosys.log" -p "$read_cmd; synth_xilinx -family xc7 -abc9 -top $top; tee -q -o $dir/xc7.stat stat -tech xilinx" > /dev/null 2> "$dir/yosys.err" &&
         { [ $pnr = 0 ] || yosys -q -l "$dir/yosys.log" -p "$read_cmd; synth_ice40 -top $top -json $dir/ice40.json" > /dev/null 2> "$dir/yosys.err"; }; }; then
    # yosys's own complaint last: callers report the last line.
    echo "yosys failed on $label:" >&2
    [ ! -s "$dir/yosys.log" ] || tail -n 5 "$dir/yosys.log" >&2
    cat "$dir/yosys.err" >&2
    return 1
  fi
  luts=$(count_cells "$dir/xc7.stat" '^LUT[1-6]$')
  ffs=$(count_cells "$dir/xc7.stat" '^FD')
  bram=$(awk -v a="$(count_cells "$dir/xc7.stat" '^RAMB36E1$')" -v b="$(count_cells "$dir/xc7.stat" '^RAMB18E1$')" 'BEGIN { print a + b / 2 }')
  if [ $pnr = 1 ]; then
    if nextpnr-ice40 --hx8k --package ct256 --seed 1 --timing-allow-fail --json "$dir/ice40.json" \
         > "$dir/pnr.log" 2>&1; then
      fits=yes
      lcs=$(sed -n 's/.*ICESTORM_LC: *\([0-9]*\)\/.*/\1/p' "$dir/pnr.log" | tail -n 1)
      fmax=$(sed -n "s/.*Max frequency for clock .*: \([0-9.]*\) MHz.*/\1/p" "$dir/pnr.log" | tail -n 1)
      # The final report's critical path: the cells it starts and ends at, with their instances.
      awk '/Critical path report for clock/ { n = 0; done = 0; delete cell } /Critical path report for cross/ { done = 1 }
           !done && / Source / { cell[n++] = $5 } !done && / Sink / { last = $NF }
           END { if (n) print cell[0] " -> " last }' "$dir/pnr.log" > "$dir/path"
    elif grep -q -E "Unable to place|than available|too many" "$dir/pnr.log"; then
      fits=no
    else
      echo "nextpnr-ice40 failed on $label:" >&2
      tail -n 5 "$dir/pnr.log" >&2
      return 1
    fi
  fi
  echo "| $label | $luts | $ffs | $bram | $lcs | ${fmax:--} | $fits |" > "$dir/row"
}

echo "yosys: $(yosys -V)"
[ $pnr = 1 ] && echo "nextpnr-ice40: $(nextpnr-ice40 --version 2>&1 | head -n 1)"
echo "xc7:   yosys -p \"read_verilog -I hdl/rtl FILES; synth_xilinx -family xc7 -abc9 -top TOP; stat -tech xilinx\""
[ $pnr = 1 ] && echo "ice40: yosys -p \"read_verilog -I hdl/rtl FILES; synth_ice40 -top TOP -json TOP.json\"; nextpnr-ice40 --hx8k --package ct256 --seed 1 --timing-allow-fail --json TOP.json"
echo
# Up to $jobs measurements at once; a failed one fails the script after the others finish.
pids=()
for i in "${!targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  measure "$i" "${targets[$i]}" &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
[ $status = 0 ] || exit 1
echo "| design | xc7 LUTs | xc7 FFs | xc7 BRAM | ice40 LCs | ice40 fmax (MHz) | fits HX8K |"
echo "|---|---|---|---|---|---|---|"
for i in "${!targets[@]}"; do cat "$work/$i/row"; done
if [ $pnr = 1 ]; then
  echo
  echo "iCE40 critical paths (first cell -> last cell, as nextpnr names them):"
  for i in "${!targets[@]}"; do
    [ -s "$work/$i/path" ] && echo "  $(sed -n 's/^| \([^|]*\) |.*/\1/p' "$work/$i/row"): $(cat "$work/$i/path")"
  done
fi
