#!/usr/bin/env bash
# Makes the Debian packages of a build (default build/), checks them with lintian, installs them
# with apt-get, runs the installed programs and purges the packages again: the console package
# alone on an example (the files and output must be the build tree's program's) and its help
# file, rsmanager when built, then the GUI package offscreen. Needs root (as CI on Debian 12).
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD build=$(cd "${1:-build}" && pwd)
[ "$(id -u)" = 0 ] || { echo "package test skipped: installing a package needs root"; exit 0; }
fail() { echo "package test: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}\n' rswizard rswizard-gui 2>/dev/null | grep -c "ok in"; }
[ "$(installed)" = 0 ] || fail "an rswizard package is installed already; remove it first"

rm -f "$build"/rswizard*_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/rswizard_*.deb) gui=$(ls "$build"/rswizard-gui_*.deb 2>/dev/null || true)
if command -v lintian >/dev/null; then  # the warnings left are explained in the README
  lintian --fail-on error,warning --suppress-tags-from-file packaging/lintian-explained $deb $gui
fi
work=$(mktemp -d)
purge() { dpkg --purge rswizard-gui rswizard >/dev/null 2>&1; }  # quiet when not installed
trap 'purge; rm -rf "$work"' EXIT
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
[ ! -e /usr/lib/rswizard ] || fail "the console package holds the GUI module"
ex=/usr/share/rswizard/examples hlp=/usr/share/rswizard/rswizard.hlp
for f in /usr/bin/rswizard $hlp /usr/share/{man/man1/rswizard.1.gz,doc/rswizard/{copyright,console.md,hdl.md}}; do
  [ -f "$f" ] || fail "$f is not installed"
done
# Every example, the decoders' memory tables among them, as in the source tree.
diff -r "$src/examples" $ex || fail "the installed examples differ from examples/"

# Both programs on the example in the same directory, one after the other.
for program in /usr/bin/rswizard "$build/app/rswizard"; do
  mkdir "$work/run"
  RSWIZARD_UI=console $program -n "$work/run/rs.tdf" <$ex/dvb_decoder.events >"$work/run.out" 2>&1 \
    ||
    fail "$program on dvb_decoder.events: $(cat "$work/run.out")"
  mv "$work/run.out" "$work/run/out" && mv "$work/run" "$work/$(basename "$(dirname $program)")"
done
[ -f "$work/bin/rs.cnx" ] || fail "the installed program wrote no description"
diff -r "$work/app" "$work/bin" || fail "the installed program wrote or printed otherwise"

# No help file beside /usr/bin/rswizard: F1 shows the installed one.
{ echo 'help "RS CODEC - 1.00"'; cat $hlp; [ -z "$(tail -c1 $hlp)" ] || echo; echo 'end help'; } \
  >"$work/help"
status=0
printf 'key F1\nclick Cancel\n' | RSWIZARD_UI=console /usr/bin/rswizard -n "$work/rs.tdf" \
  >"$work/help.out" 2>&1 || status=$?
[ $status = 2 ] && diff "$work/help" "$work/help.out" || fail "F1 (exit $status) showed no help"

if [ -n "$(find "$build" -maxdepth 3 -name rsmanager -type f -perm -u+x)" ]; then
  [ -f /usr/share/man/man1/rsmanager.1.gz ] || fail "rsmanager's manual page is not installed"
  /usr/bin/rsmanager --help | grep -q . || fail "rsmanager --help failed or printed nothing"
  hdl=/usr/share/rswizard/hdl
  [ -n "$(find $hdl -type f 2>/dev/null)" ] || fail "no HDL sources in $hdl"
  for f in $(find $hdl -type f); do cmp "$f" "$src/hdl/rtl/${f#$hdl/}" || fail "$f differs"; done
  # The installed manager runs the installed wizard, then builds the block from the installed RTL.
  mkdir "$work/enc" && cd "$work/enc"
  RSWIZARD_UI=console /usr/bin/rsmanager rs.v <$ex/default_encoder.events >manager.out 2>&1 ||
    fail "rsmanager on default_encoder.events: $(cat manager.out)"
  # The design's opening comment names the installed guide; the datasheet comes beside it.
  guide=$(grep -o -m 1 '/usr/share/doc/rswizard/[a-z]*\.md' rs.v) || fail "rs.v names no guide"
  [ -f "$guide" ] || fail "rs.v names $guide, which is not installed"
  [ -f rs.html ] || fail "rsmanager wrote no datasheet"
  [ -f /usr/share/rswizard/bench/hdl_figures.sh ] || fail "hdl_figures.sh is not installed"
  # An installed decoder example with its tables, copied as a user would, generates as it is.
  cp $ex/dvb_decoder.cnx $ex/*_8_285*.hex .
  /usr/bin/rsmanager --generate dvb_decoder.v >manager.out 2>&1 ||
    fail "rsmanager --generate on the installed DVB example: $(cat manager.out)"
  if command -v iverilog >/dev/null; then
    iverilog -o tb rs_tb.v rs.v && vvp -n tb | grep -q " checks, 0 failed" || fail "rs_tb.v failed"
  fi
  cd "$src"
fi

if [ -n "$gui" ]; then
  apt-get install -y -qq "$gui" >/dev/null
  # The probe cancels the first page once painted: the installed module was found and drew it.
  status=0
  RSWIZARD_UI=gui QT_QPA_PLATFORM=offscreen RSWIZARD_FIRST_PAINT_PROBE=1 \
    /usr/bin/rswizard -n "$work/rs.tdf" </dev/null >"$work/gui.out" 2>&1 || status=$?
  [ $status = 2 ] && grep -q "first page painted" "$work/gui.out" ||
    fail "the GUI (exit $status): $(cat "$work/gui.out")"
fi

purge || fail "the packages could not be removed"
for f in /usr/bin/rswizard /usr/share/rswizard /usr/lib/rswizard; do
  [ ! -e "$f" ] || fail "$f is left after removal"
done
echo "package test passed: $(basename "$deb") ${gui:+$(basename "$gui")}"
