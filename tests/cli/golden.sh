#!/usr/bin/env bash
# Compares veltar-cli output with the reviewed golden files beside this script.
# On a mismatch the output is kept as <name>.actual and the difference printed;
# VELTAR_UPDATE_GOLDEN=1 rewrites the golden files for review.
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")  # the runs below change folder
examples=$2
here=$(cd "$(dirname "$0")" && pwd)
fixtures="$here/../fixtures/casedb"
status=0
# An .actual file of an earlier run would be mistaken for this run's mismatch.
rm -f "$here"/golden/*.actual

compare() {
  local name=$1 actual=$2
  local golden="$here/golden/$name"
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

check() {
  local name=$1; shift
  compare "$name" "$("$cli" "$@" 2>&1)"
}

# Each run as "$ veltar-cli ARGS", then its output (stdout and stderr) and exit code.
# Runs in a scratch folder holding copies of the case-table fixtures, so that the
# paths in the messages are the same on every machine; the batch timing is masked.
runs() {
  local scratch
  scratch=$(mktemp -d)
  cp "$fixtures"/*.velti "$scratch"/
  tr '\t' ',' < "$fixtures/two_cases.velti" > "$scratch/commas.velti"
  (
    cd "$scratch" || exit 1
    while IFS= read -r line; do
      [ -z "$line" ] && continue
      read -r -a args <<< "$line"
      echo "\$ veltar-cli $line"
      "$cli" "${args[@]}" 2>&1 | sed -E 's/, [0-9.]+ s$/, TIME s/'
      echo "exit ${PIPESTATUS[0]}"
    done
  )
  rm -rf "$scratch"
}

check default.json calc --json
check default-mode1-deform.json calc --json --mode 1 --deform
for f in "$examples"/*.velta; do
  check "$(basename "$f" .velta).json" calc "$f" --json
done
check default.txt calc --mode 3
compare messages.txt "$(runs <<'RUNS'
--help
frobnicate
--foo
calc --help
calc --foo
calc --mode 4
calc --mode
calc a.velta b.velta
save
batch --help
batch commas.velti
batch one_fault.velti -o r.velto
batch one_fault.velti -o - --format jsonl --jobs 2
batch two_cases.velti --jobs many
RUNS
)"

# Every key of the JSON object is described on the help page of the JSON output.
doc="$here/../../docs/help/json.md"
for key in $("$cli" calc --json | sed -nE 's/^    "([A-Za-z0-9_]+)": .*/\1/p'); do
  grep -qF "\`$key\`" "$doc" || { echo "docs/help/json.md does not describe the key $key"; status=1; }
done
exit $status
