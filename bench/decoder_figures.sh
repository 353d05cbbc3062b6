#!/usr/bin/env bash
# Size and speed of the generated decoders beside the commercial cores' figures: the full and
# the half streaming decoder of the three codes the commercial figures are quoted for, each
# built by a console session of the wizard and turned into NAME.v by rsmanager, and the
# encoders of bench/hdl_figures.sh, all measured by it in one parallel run (yosys for Xilinx
# 7-series, nextpnr for iCE40 HX8K). Word spacing and latency are the generated header's, the
# clocks the generator computes for that design.
#
#   bench/decoder_figures.sh [--no-pnr] [-j JOBS] [--write] [BUILD_DIR]
#
# BUILD_DIR defaults to build. --write also puts the table into README.md and docs/hdl.md,
# between the lines "<!-- figures: begin -->" and "<!-- figures: end -->", so that both show
# the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
opts=()
write=0
while [ $# -gt 0 ]; do
  case $1 in
    --no-pnr) opts+=(--no-pnr) ;;
    -j) opts+=(-j "$2"); shift ;;
    --write) write=1 ;;
    -h | --help) sed -n '2,13s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) break ;;
  esac
  shift
done
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# speed n r | commercial core for that code: LUTs / FFs, word spacing (one symbol a clock)
codes=("Full 204 16|807 / 809, back to back" "Full 255 16|779 / 811, back to back"
       "Full 255 32|1332 / 1346, one per 660 clocks"
       "Half 204 16|807 / 809, back to back" "Half 255 16|779 / 811, back to back"
       "Half 255 32|1332 / 1346, one per 660 clocks")
designs=()
for entry in "${codes[@]}"; do
  read -r speed n r <<<"${entry%%|*}"
  name=rs_${speed,,}_${n}_$((n - r))
  mkdir -p "$work/$name"
  [ "$speed" = Full ] && speedText="Full - Faster" || speedText="Half - Smaller"
  printf '%s\n' "click Decoder" "click Streaming" "click \"$speedText\"" 'click "Next >"' \
    'pick "Number of bits per symbol" 8' "type \"Number of symbols per codeword\" $n" \
    "pick \"Number of check symbols per codeword\" $r" 'click "Next >"' "click Finish" |
    RSWIZARD_UI=console "$build/app/rswizard" -n "$work/$name/$name.v" >/dev/null
  "$build/manager/rsmanager" --generate "$work/$name/$name.v" >/dev/null
  designs+=("$work/$name/$name.v")
done
encoders=(encoder:8,204,16,285,0 encoder:8,255,32,285,0)
# The largest designs first, so that the parallel run ends soonest; the table keeps its order.
order=("${designs[2]}" "${designs[0]}" "${designs[1]}" "${designs[5]}" "${designs[3]}"
       "${designs[4]}" "${encoders[@]}")
bash "$root/bench/hdl_figures.sh" "${opts[@]}" "${order[@]}" > "$work/rows"
sed -n '/^| design/q; p' "$work/rows"

# The clocks the generated header states: "Words may start S clocks apart; ... leaves L clocks
# after its last one was taken."
clocks() {
  local spacing latency
  spacing=$(sed -n 's|^// .*start \([0-9]*\) clocks apart.*|\1|p' "$1" | head -n 1)
  latency=$(sed -n 's|^// .*leaves \([0-9]*\) clocks after.*|\1|p' "$1" | head -n 1)
  echo "${spacing:--} | ${latency:--}"
}

# row BLOCK LABEL SPACING_LATENCY COMMERCIAL: a table row from the measured row labelled LABEL.
row() {
  local luts ffs bram lcs fmax fits
  IFS='|' read -r _ _ luts ffs bram lcs fmax fits _ < <(awk -F'|' -v label=" $2 " '$2 == label' "$work/rows")
  echo "| $1 |$luts|$ffs|$bram| $3 |$lcs|$fmax|$fits| $4 |"
}

{
  echo "| block | xc7 LUTs | xc7 FFs | xc7 BRAM | word spacing (clocks) | latency (clocks) | iCE40 LCs | iCE40 fmax (MHz) | fits HX8K | commercial core: LUTs / FFs, words |"
  echo "|---|---|---|---|---|---|---|---|---|---|"
  for i in "${!codes[@]}"; do
    read -r speed n r <<<"${codes[$i]%%|*}"
    row "${speed,,} streaming decoder ($n,$((n - r)))" "$(basename "${designs[$i]}")" \
        "$(clocks "${designs[$i]}")" "${codes[$i]#*|}"
  done
  row "encoder (204,188)" "encoder m=8 n=204 r=16 irrpol=285 genstart=0" "- | -" "193 / 186"
  row "encoder (255,223)" "encoder m=8 n=255 r=32 irrpol=285 genstart=0" "- | -" "-"
} > "$work/table"
cat "$work/table"

# Replaces the lines between the markers of FILE with the table; the file is replaced whole.
put_table() {
  local file=$1
  grep -q '^<!-- figures: begin -->$' "$file" && grep -q '^<!-- figures: end -->$' "$file" || {
    echo "decoder_figures: no figure markers in $file" >&2
    return 1
  }
  awk -v table="$work/table" '
    /^<!-- figures: end -->$/ { skip = 0 }
    !skip { print }
    /^<!-- figures: begin -->$/ { while ((getline line < table) > 0) print line; skip = 1 }
  ' "$file" > "$file.tmp" && mv "$file.tmp" "$file"
}
if [ $write = 1 ]; then
  put_table "$root/README.md"
  put_table "$root/docs/hdl.md"
fi
