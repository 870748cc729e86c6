#!/usr/bin/env bash
# Compares veltar-cli output with the reviewed golden files beside this script.
# On a mismatch the output is kept as <name>.actual and the difference printed;
# VELTAR_UPDATE_GOLDEN=1 rewrites the golden files for review.
set -u
cli=$1
examples=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
# An .actual file of an earlier run would be mistaken for this run's mismatch.
rm -f "$here"/golden/*.actual

check() {
  local name=$1; shift
  local golden="$here/golden/$name"
  local actual
  actual=$("$cli" "$@" 2>&1)
  if [ "${VELTAR_UPDATE_GOLDEN:-0}" = 1 ]; then
    printf '%s\n' "$actual" > "$golden"
    return
  fi
  if ! printf '%s\n' "$actual" | diff -u "$golden" - > /dev/null; then
    printf '%s\n' "$actual" > "$golden.actual"
    echo "MISMATCH $name (output kept in $golden.actual):"
    printf '%s\n' "$actual" | diff -u "$golden" - | head -40
    status=1
  fi
}

check default.json calc --json
check default-mode1-deform.json calc --json --mode 1 --deform
for f in "$examples"/*.velta; do
  check "$(basename "$f" .velta).json" calc "$f" --json
done
check default.txt calc --mode 3
exit $status
