#!/usr/bin/env bash
# Shows that tools/formal.sh can fail: copies hdl/rtl, makes one edit to one file of the copy
# (a property made false, or the design broken), and passes only when the proof of the edited
# copy then fails on an assertion. An edit that no longer matches its file fails too, so that
# the check cannot pass by going stale.
#
#   tests/formal/expect-failure.sh FILE SED-EXPRESSION [formal.sh options] TOP
#
# FILE is a name in hdl/rtl, edited with sed -e SED-EXPRESSION; TOP's file is FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -lt 3 ]; then
  sed -n '2,9s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
file=$1 expression=$2
shift 2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$root"/hdl/rtl/*.v "$root"/hdl/rtl/*.vh "$copy"/
sed -i -e "$expression" "$copy/$file"
if cmp -s "$root/hdl/rtl/$file" "$copy/$file"; then
  echo "expect-failure: '$expression' changes nothing in $file"
  exit 1
fi
status=0
bash "$root/tools/formal.sh" -w "$copy/work" "$@" "$copy/$file" >"$copy/out.log" 2>&1 || status=$?
cat "$copy/out.log"
if [ "$status" -eq 1 ] && grep -q 'Assert failed' "$copy/work"/*.log; then
  echo "expect-failure: the edited $file fails its proof, as it must"
  exit 0
fi
echo "expect-failure: the edited $file did not fail its proof (status $status)"
exit 1
