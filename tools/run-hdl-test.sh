#!/usr/bin/env bash
# Runs one HDL unit testbench as the test suite does: the RTL under test linted by
# `verilator --lint-only -Wall`, then the testbench compiled by `iverilog -g2005` and run by
# `vvp`. Passes only when the run exits 0 and its last line reads "N checks, 0 failed".
#
#   tools/run-hdl-test.sh TESTBENCH.v RTL.v...
#
# RTL files are paths or names in hdl/rtl; the files of each one's core are added, as
# `rsmanager --list-rtl` lists them (the files NAME.v copies). Each given RTL file is linted as
# the top of its core, its module named after the file. IVERILOG, VVP and VERILATOR name the
# programs (default: from PATH); RSMANAGER too (default: build/manager/rsmanager of this tree,
# else from PATH).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rtl_dir=$root/hdl/rtl
iverilog=${IVERILOG:-iverilog} vvp=${VVP:-vvp} verilator=${VERILATOR:-verilator}
rsmanager=${RSMANAGER:-}
if [ -z "$rsmanager" ]; then
  rsmanager=rsmanager
  [ -x "$root/build/manager/rsmanager" ] && rsmanager=$root/build/manager/rsmanager
fi

if [ $# -lt 2 ]; then
  sed -n '2,14s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
testbench=$1
shift

locate() {
  if [ -f "$1" ]; then echo "$1"; elif [ -f "$rtl_dir/$1" ]; then echo "$rtl_dir/$1"; else
    echo "run-hdl-test: no RTL file $1" >&2
    return 1
  fi
}

rtl=()
for top in "$@"; do
  top=$(locate "$top")
  listing=$("$rsmanager" --list-rtl "$top") || exit 1
  mapfile -t files <<< "$listing"
  echo "lint: $verilator --lint-only -Wall ${files[*]##*/}"
  "$verilator" --lint-only -Wall -I"$rtl_dir" --top-module "$(basename "${files[0]}" .v)" "${files[@]}"
  for f in "${files[@]}"; do
    case " ${rtl[*]-} " in *" $f "*) ;; *) rtl+=("$f") ;; esac
  done
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$iverilog" -g2005 -Wall -I"$rtl_dir" -o "$work/sim" "$testbench" "${rtl[@]}"
status=0
"$vvp" -n "$work/sim" > "$work/log" || status=$?
cat "$work/log"
last=$(tail -n 1 "$work/log")
if [ $status -ne 0 ] || ! [[ $last =~ ^[0-9]+\ checks,\ 0\ failed$ ]]; then
  echo "run-hdl-test: $(basename "$testbench") failed (status $status)" >&2
  exit 1
fi
