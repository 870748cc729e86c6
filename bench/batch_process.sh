#!/usr/bin/env bash
# veltar-cli batch as a whole process on generated case tables: wall time, CPU time
# and peak memory for each table size and number of jobs, the best of RUNS runs.
# Usage: bench/batch_process.sh BUILD_BIN [RUNS] [SIZES...]
#   e.g. bench/batch_process.sh build/bin 3 10000 1000000
set -euo pipefail
bin=$1
runs=${2:-3}
shift $(( $# >= 2 ? 2 : 1 ))
sizes=("${@:-10000 1000000}")
read -r -a sizes <<< "${sizes[*]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-28s %10s %10s %10s %10s\n' "table" "jobs" "wall s" "CPU s" "peak MB"
for n in "${sizes[@]}"; do
  "$bin/make_case_table" "$n" "$work/cases.velti"
  for jobs in 1 2; do
    best=""
    for _ in $(seq "$runs"); do
      /usr/bin/time -f "%e %U %S %M" -o "$work/time" \
        "$bin/veltar-cli" batch "$work/cases.velti" -o "$work/cases.velto" --jobs "$jobs" > /dev/null 2>&1
      read -r wall user sys kb < "$work/time"
      if [ -z "$best" ] || awk "BEGIN { exit !($wall < ${best%% *}) }"; then
        best="$wall $(awk "BEGIN { print $user + $sys }") $(( kb / 1024 ))"
      fi
    done
    read -r wall cpu mb <<< "$best"
    printf '%-28s %10s %10s %10s %10s\n' "$n cases ($(( $(stat -c %s "$work/cases.velti") / 1000000 )) MB)" \
      "$jobs" "$wall" "$cpu" "$mb"
  done
done
