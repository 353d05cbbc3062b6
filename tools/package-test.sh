#!/usr/bin/env bash
# Builds the Debian packages from a build directory (default build/), checks them with lintian,
# installs them on this machine with apt-get, runs the installed programs through the console
# (an example to Finish, the help file, rsmanager when it is built) and the GUI module
# offscreen, and removes the packages again. The installed layout is what is tested: the
# console run must write exactly what the build tree's program writes.
# Installing needs root (CI runs as root on a fresh Debian 12); elsewhere it says so and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(cd "${1:-build}" && pwd)

if [ "$(id -u)" != 0 ]; then
  echo "package test skipped: installing a package needs root"
  exit 0
fi
for p in rswizard rswizard-gui; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    echo "package test: $p is installed already; remove it first" >&2
    exit 1
  fi
done

fail() {
  echo "package test: $*" >&2
  exit 1
}

echo "== packages"
rm -f "$build"/rswizard_*.deb "$build"/rswizard-gui_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/rswizard_*_*.deb)
gui_deb=$(ls "$build"/rswizard-gui_*_*.deb 2>/dev/null || true)
echo "$deb" ${gui_deb:+"$gui_deb"}
if command -v lintian >/dev/null; then
  # Warnings that stay are explained in the README ("The Debian packages").
  lintian --fail-on error,warning --suppress-tags-from-file "$source_dir/packaging/lintian-explained" \
    "$deb" ${gui_deb:+"$gui_deb"}
fi

work=$(mktemp -d)
remove_packages() {
  local installed=()
  for p in rswizard rswizard-gui; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" && installed+=("$p")
  done
  [ ${#installed[@]} = 0 ] || apt-get purge -y -qq "${installed[@]}" >/dev/null
}
cleanup() {
  remove_packages || true
  rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

echo "== console package alone"
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
[ ! -e /usr/lib/rswizard ] || fail "the console package holds the GUI module"
examples=/usr/share/rswizard/examples
for f in /usr/bin/rswizard /usr/share/rswizard/rswizard.hlp /usr/share/man/man1/rswizard.1.gz \
  /usr/share/doc/rswizard/copyright $examples/dvb_decoder.events; do
  [ -f "$f" ] || fail "$f is not installed"
done

# The installed program and the build tree's, on the same example in the same directory: the
# same files, the same output.
run_example() {  # program, name of the result
  mkdir "$work/run"
  RSWIZARD_UI=console "$1" -n "$work/run/rs.tdf" <$examples/dvb_decoder.events >"$work/$2.out" 2>&1 ||
    fail "$1 on dvb_decoder.events exited with $?: $(cat "$work/$2.out")"
  mv "$work/run" "$work/$2"
}
run_example /usr/bin/rswizard installed
run_example "$build/app/rswizard" built
[ -f "$work/installed/rs.cnx" ] || fail "the installed program wrote no description"
diff -r "$work/built" "$work/installed" || fail "the installed program wrote other files"
diff "$work/built.out" "$work/installed.out" || fail "the installed program printed otherwise"

# No help file beside /usr/bin/rswizard: F1 finds the installed one.
{
  echo 'help "RS CODEC - 1.00"'
  cat /usr/share/rswizard/rswizard.hlp
  [ -z "$(tail -c1 /usr/share/rswizard/rswizard.hlp)" ] || echo
  echo 'end help'
} >"$work/help.expected"
mkdir "$work/help" "$work/gui"
status=0
printf 'key F1\nclick Cancel\n' | RSWIZARD_UI=console /usr/bin/rswizard -n "$work/help/rs.tdf" \
  >"$work/help.out" 2>&1 || status=$?
[ $status = 2 ] || fail "F1 then Cancel exited with $status"
diff "$work/help.expected" "$work/help.out" || fail "F1 did not show the installed help file"

if [ -n "$(find "$build" -maxdepth 3 -name rsmanager -type f -perm -u+x)" ]; then
  echo "== rsmanager"
  [ -f /usr/share/man/man1/rsmanager.1.gz ] || fail "rsmanager's manual page is not installed"
  /usr/bin/rsmanager --help >"$work/manager-help.out" || fail "rsmanager --help failed"
  [ -s "$work/manager-help.out" ] || fail "rsmanager --help printed nothing"
  # Every installed HDL source is the repository's.
  hdl=/usr/share/rswizard/hdl
  [ -n "$(find $hdl -type f 2>/dev/null)" ] || fail "no HDL sources in $hdl"
  for f in $(find $hdl -type f); do
    cmp -s "$f" "$source_dir/hdl/rtl/${f#$hdl/}" || fail "$f differs from hdl/rtl"
  done
  # The installed generator on the installed wizard's encoder.
  mkdir "$work/enc"
  RSWIZARD_UI=console /usr/bin/rswizard -n "$work/enc/rs.v" \
    <$examples/default_encoder.events >/dev/null || fail "the wizard failed on a .v design"
  /usr/bin/rsmanager --generate "$work/enc/rs.v" >"$work/generate.out" 2>&1 ||
    fail "rsmanager --generate failed: $(cat "$work/generate.out")"
  [ -s "$work/enc/rs.v" ] && [ -s "$work/enc/rs.cmp" ] || fail "rsmanager wrote no rs.v or rs.cmp"
fi

if [ -n "$gui_deb" ]; then
  echo "== GUI package"
  apt-get install -y -qq "$gui_deb" >/dev/null
  [ -f /usr/lib/rswizard/librswizard_qt.so ] || fail "the GUI module is not installed"
  # The probe cancels the first page once it is painted: the module was found and drew it.
  status=0
  RSWIZARD_UI=gui QT_QPA_PLATFORM=offscreen RSWIZARD_FIRST_PAINT_PROBE=1 \
    /usr/bin/rswizard -n "$work/gui/rs.tdf" </dev/null >"$work/gui.out" 2>&1 || status=$?
  grep -q "first page painted" "$work/gui.out" || fail "no window: $(cat "$work/gui.out")"
  [ $status = 2 ] || fail "the GUI run exited with $status"
fi

echo "== removal"
remove_packages
for f in /usr/bin/rswizard /usr/share/rswizard /usr/lib/rswizard; do
  [ ! -e "$f" ] || fail "$f is left after removal"
done
echo "package test passed"
