#!/usr/bin/env bash
# Draws docs/dvb_datasheet.png, the README's picture of a datasheet: rsmanager builds the DVB
# decoder of examples/dvb_decoder.events, and headless chromium renders its NAME.html, the top
# of the page (code, ports, files, timing) beside the error rates. Needs a build with rsmanager,
# chromium and ImageMagick; the PNG is committed, so a build never runs this.
#
#   tools/make-datasheet-picture.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
convert=/usr/bin/convert  # ImageMagick's, whatever else PATH calls convert
[ -x $convert ] || convert=convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

RSWIZARD_UI=console "$build/manager/rsmanager" "$work/rs.v" <examples/dvb_decoder.events >/dev/null
page=$work/rs.html
head=$(sed -n '1,/<body>/p' "$page")
# The page cut in two at its section headings, each a page of its own.
{ echo "$head"; sed -n '/<body>/,/<h2>Memories<\/h2>/p' "$page" | sed '1d;$d'; echo '</body></html>'; } \
  >"$work/top.html"
{ echo "$head"; sed -n '/<h2>Error rates/,/<h3>Miscorrection/p' "$page" | sed '$d'
  echo '</body></html>'; } >"$work/rates.html"
for part in top rates; do
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,3000 \
    --screenshot="$work/$part.png" "file://$work/$part.html" >/dev/null 2>&1
  $convert "$work/$part.png" -trim -bordercolor white -border 20 "$work/$part.png"
done
$convert "$work/top.png" "$work/rates.png" -background white -gravity north +append \
  -resize 1400x -colors 128 -depth 8 PNG8:docs/dvb_datasheet.png
echo "wrote docs/dvb_datasheet.png"
