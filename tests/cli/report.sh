#!/usr/bin/env bash
# veltar-cli report without a display: the PDF of the default case and of an
# example, and exit code 2 with a message for each failure.
set -uo pipefail
cli=$1 examples=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" report --mode 3 -o "$out/default.pdf" 2>"$out/err" ||
  fail "default case: exit $? $(cat "$out/err")"
[ -s "$out/err" ] && fail "default case: unexpected messages: $(cat "$out/err")"
if command -v pdftotext >/dev/null; then
  pdftotext "$out/default.pdf" - | grep -q "page 2 of 2" || fail "default case: no page 2 of 2"
  "$cli" report "$examples/bulbflat.velta" --mode 1 --deform -o "$out/bulb.pdf" || fail "bulb flat: exit $?"
  pdftotext "$out/bulb.pdf" - | grep -q "STIFFENER DEFORMATION CHECK:" || fail "bulb flat: no deformation block"
fi

expect() {  # expected exit code, text the message must hold, arguments
  local code=$1 text=$2
  shift 2
  "$cli" report "$@" 2>"$out/err"
  local got=$?
  [ "$got" -eq "$code" ] || fail "report $*: exit $got, expected $code"
  grep -qF -- "$text" "$out/err" || fail "report $*: message without \"$text\": $(cat "$out/err")"
}
expect 2 "can't save file - $out/missing/r.pdf" --mode 1 -o "$out/missing/r.pdf"
expect 2 "$out/none.velta" "$out/none.velta" --mode 1 -o "$out/r.pdf"
expect 1 "usage: veltar-cli report" --mode 4 -o "$out/r.pdf"
expect 1 "usage: veltar-cli report" --mode 1
[ -e "$out/r.pdf" ] && fail "a failed report left a file"

[ $failed -eq 0 ] && echo "veltar-cli report: all checks passed"
exit $failed
