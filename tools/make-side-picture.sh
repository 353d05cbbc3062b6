#!/usr/bin/env bash
# Draws the side picture of the summary page (178 x 242 pixels, 256 colours): a codeword
# flowing through an encoder block. Needs ImageMagick and fonts-liberation2; the PNG it makes is
# committed, so a build never runs this.
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
convert -size 178x242 gradient:'#0b3d5c'-'#1f7a8c' \
  -fill '#ffffff22' -draw 'circle 150,40 230,40' \
  -fill '#e8f1f2' -stroke '#e8f1f2' -strokewidth 2 \
  -draw 'rectangle 49,92 129,162' \
  -fill none -stroke '#ffd166' -strokewidth 3 \
  -draw 'line 10,127 49,127' -draw 'line 129,127 168,127' \
  -stroke none -fill '#ffd166' \
  -draw 'rectangle 12,108 20,116' -draw 'rectangle 24,108 32,116' -draw 'rectangle 36,108 44,116' \
  -draw 'rectangle 134,108 142,116' -draw 'rectangle 146,108 154,116' \
  -fill '#ef476f' -draw 'rectangle 158,108 166,116' \
  -fill '#0b3d5c' -font "$font" -pointsize 20 -gravity center -annotate +0+0 'RS' \
  -fill '#e8f1f2' -pointsize 18 -annotate +0-80 'RS CODEC' \
  -pointsize 11 -annotate +0+62 'GF(2^m) encoder' -annotate +0+78 'and decoder' \
  -colors 256 -depth 8 PNG8:resources/summary_side.png
