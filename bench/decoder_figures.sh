#!/usr/bin/env bash
# Size and speed of the generated decoders beside the commercial cores' figures: the full and
# the half streaming decoder of the three codes the commercial figures are quoted for, each
# built by a console session of the wizard and turned into NAME.v by rsmanager, and the
# encoders of bench/hdl_figures.sh, all measured by it in one parallel run (yosys for Xilinx
# 7-series, nextpnr for iCE40 HX8K). Word spacing and latency are the clocks the generator
# computes for that design (BUILD_DIR/bench/decoder_clocks).
#
#   bench/decoder_figures.sh [--no-pnr] [-j JOBS] [--keep-rows FILE | --rows FILE] [--write]
#                            [BUILD_DIR]
#
# BUILD_DIR defaults to build. --write also puts the table into README.md and docs/hdl.md,
# between the lines "<!-- figures: begin -->" and "<!-- figures: end -->", so that both show
# the same run. --rows FILE takes the measurements from FILE, an earlier run's output of
# bench/hdl_figures.sh for these designs kept with --keep-rows FILE, instead of measuring
# again (the clocks are computed anew).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
opts=()
write=0
rows= keep=
while [ $# -gt 0 ]; do
  case $1 in
    --no-pnr) opts+=(--no-pnr) ;;
    -j) opts+=(-j "$2"); shift ;;
    --write) write=1 ;;
    --rows) rows=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift ;;
    --keep-rows) keep=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift ;;
    -h | --help) sed -n '2,17s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) break ;;
  esac
  shift
done
build=$(cd "${1:-$root/build}" && pwd)
if [ ! -x "$build/bench/decoder_clocks" ]; then
  echo "decoder_figures: no $build/bench/decoder_clocks (cmake --build $build --target decoder_clocks)" >&2
  exit 1
fi
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
if [ -n "$rows" ]; then
  # The designs' labels are their file names, the same in every run.
  cp "$rows" "$work/rows"
else
  bash "$root/bench/hdl_figures.sh" "${opts[@]}" --build "$build" "${order[@]}" > "$work/rows"
  [ -z "$keep" ] || cp "$work/rows" "$keep"
fi
sed -n '/^| design/q; p' "$work/rows"

# "SPACING | LATENCY" of the design NAME.v, from its description NAME.cnx.
clocks() {
  local spacing latency
  read -r spacing latency < <("$build/bench/decoder_clocks" "${1%.v}.cnx")
  echo "$spacing | $latency"
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
