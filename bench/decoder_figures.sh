#!/usr/bin/env bash
# Size and speed of the generated decoders beside the commercial cores' figures: each code is
# built by a console session of the wizard, turned into NAME.v by rsmanager, and measured by
# bench/hdl_figures.sh (yosys for Xilinx 7-series, nextpnr for iCE40 HX8K).
#
#   bench/decoder_figures.sh [--no-pnr] [BUILD_DIR]      (BUILD_DIR defaults to build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
pnr=()
if [ "${1-}" = --no-pnr ]; then
  pnr=(--no-pnr)
  shift
fi
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# kind speed m n r: streaming decoders of the three codes the commercial figures are quoted for.
codes=("Streaming Half 8 204 16" "Streaming Half 8 255 16" "Streaming Half 8 255 32"
       "Streaming Full 8 204 16" "Streaming Full 8 255 16" "Streaming Full 8 255 32")
designs=()
for code in "${codes[@]}"; do
  read -r kind speed m n r <<<"$code"
  name=rs_${speed,,}_${n}_$((n - r))
  dir=$work/$name
  mkdir -p "$dir"
  [ "$speed" = Full ] && speedText="Full - Faster" || speedText="Half - Smaller"
  printf '%s\n' "click Decoder" "click $kind" "click \"$speedText\"" 'click "Next >"' \
    "pick \"Number of bits per symbol\" $m" "type \"Number of symbols per codeword\" $n" \
    "pick \"Number of check symbols per codeword\" $r" 'click "Next >"' "click Finish" |
    RSWIZARD_UI=console "$build/app/rswizard" -n "$dir/$name.v" >/dev/null
  "$build/manager/rsmanager" --generate "$dir/$name.v" >/dev/null
  designs+=("$dir/$name.v")
done
bash "$root/bench/hdl_figures.sh" "${pnr[@]}" "${designs[@]}"
echo
echo "Commercial streaming decoders at one symbol a clock: (204,188) about 807 LUTs and 809"
echo "flip-flops, (255,239) about 779 and 811, (255,223) about 1332 and 1346."
