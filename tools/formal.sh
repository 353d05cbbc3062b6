#!/usr/bin/env bash
# Proves the properties that an RTL module states under `ifdef FORMAL: yosys reads the module
# and what its "// uses:" lines reach with -formal, fixes its parameters, flattens it and
# writes it as SMT-LIB 2; yosys-smtbmc then checks every assertion from the initial state for
# DEPTH clocks (bounded model check) and, with -i, for every state by DEPTH-step induction.
# Exit status: 0 proved, 1 an assertion failed (or induction did not close), 2 a tool error.
#
#   tools/formal.sh [-s SOLVER] [-d DEPTH] [-i] [-w WORKDIR] [-p NAME=VALUE]... [-c WIRE]...
#                   TOP FILE...
#
#   -s SOLVER  a solver yosys-smtbmc drives (default z3)
#   -d DEPTH   clocks of the bounded check and of the induction (default 20)
#   -i         also prove by induction
#   -w WORKDIR where the SMT-LIB text, the logs and a counterexample (bmc.vcd) go
#   -p N=V     a parameter of TOP, V a Verilog constant (16'hc13f)
#   -c WIRE    a wire of TOP cut loose: it takes any value on every clock, and the logic that
#              drove it goes. Sound for properties that hold whatever the wire carries (control
#              proved apart from the arithmetic), and much faster.
# FILE is a path or a name in hdl/rtl. YOSYS and YOSYS_SMTBMC name the programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rtl_dir=$root/hdl/rtl
yosys=${YOSYS:-yosys} smtbmc=${YOSYS_SMTBMC:-yosys-smtbmc}

usage() {
  sed -n '2,20s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

solver=z3 depth=20 induction=0 work="" keep=1 params=() cuts=()
while getopts "s:d:iw:p:c:" option; do
  case $option in
    s) solver=$OPTARG ;;
    d) depth=$OPTARG ;;
    i) induction=1 ;;
    w) work=$OPTARG ;;
    p) params+=("$OPTARG") ;;
    c) cuts+=("$OPTARG") ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 2 ] || usage
case $depth in '' | *[!0-9]*) usage ;; esac
top=$1
shift

if [ -z "$work" ]; then
  work=$(mktemp -d) keep=0
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"

locate() {
  if [ -f "$1" ]; then echo "$1"; elif [ -f "$rtl_dir/$1" ]; then echo "$rtl_dir/$1"; else
    echo "formal: no RTL file $1" >&2
    return 1
  fi
}

# The files and everything their "// uses:" lines reach, each once, looked up beside the file
# that names them first.
files=() queue=()
for file in "$@"; do queue+=("$(locate "$file")"); done
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  case " ${files[*]-} " in *" $file "*) continue ;; esac
  files+=("$file")
  for used in $(sed -n 's|^// uses:||p' "$file"); do
    if [ -f "$(dirname "$file")/$used" ]; then queue+=("$(dirname "$file")/$used"); else
      queue+=("$(locate "$used")")
    fi
  done
done

script="read_verilog -formal"
for file in "${files[@]}"; do script+=" -I$(dirname "$file")"; done
script+=" ${files[*]}; "
for param in "${params[@]+"${params[@]}"}"; do
  script+="chparam -set ${param%%=*} ${param#*=} $top; "
done
# Flattened, so that the properties of every instance are checked; memories become registers
# and the initial values of the registers are the initial state.
script+="prep -flatten -top $top; "
for cut in "${cuts[@]+"${cuts[@]}"}"; do script+="cutpoint $top/w:$cut; "; done
script+="opt_clean; memory_map; opt -fast; async2sync; dffunmap; "
script+="write_smt2 -wires $work/$top.smt2"
if ! "$yosys" -q -l "$work/yosys.log" -p "$script" >/dev/null 2>&1; then
  grep -iE 'error|warning' "$work/yosys.log" >&2 || tail -n 20 "$work/yosys.log" >&2
  echo "formal: yosys could not read $top" >&2
  exit 2
fi

# Runs one check; returns 0 when it passed, 1 when it failed, 2 when the solver gave up.
check() {
  local name=$1
  shift
  local status=0
  "$smtbmc" -s "$solver" --unroll "$@" -t "$depth" --dump-vcd "$work/$name.vcd" \
    "$work/$top.smt2" >"$work/$name.log" 2>&1 || status=$?
  if grep -q 'Status: PASSED' "$work/$name.log"; then
    echo "formal: $top $name, $depth clocks: passed"
    return 0
  fi
  grep -E 'Assert failed|failed|Status' "$work/$name.log" | head -n 20 >&2
  if grep -q 'Status: FAILED' "$work/$name.log"; then
    if [ "$keep" -eq 1 ]; then
      echo "formal: $top $name, $depth clocks: FAILED (trace in $work/$name.vcd)" >&2
    else
      echo "formal: $top $name, $depth clocks: FAILED (-w DIR keeps the trace)" >&2
    fi
    return 1
  fi
  tail -n 20 "$work/$name.log" >&2
  echo "formal: $top $name: $smtbmc stopped with status $status" >&2
  return 2
}

result=0
check bmc || result=$?
if [ "$result" -eq 0 ] && [ "$induction" -eq 1 ]; then
  check induction -i || result=$?
fi
exit "$result"
