#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UBSan in their own build
# folder and runs each for SECONDS from its seed corpus. Any finding fails the run; its
# input is kept in BUILD/findings/TARGET/. New inputs go to BUILD/corpus, never into
# the tree. Prints the number of inputs each target ran.
#   tests/fuzz/run.sh SECONDS [TARGET...]     (FUZZ_BUILD=folder, default build-fuzz)
set -euo pipefail
seconds=${1:?usage: tests/fuzz/run.sh SECONDS [TARGET...]}
shift
cd "$(dirname "$0")/../.."
build=${FUZZ_BUILD:-build-fuzz}
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(project_file case_table data_tables number_parsing masks)

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTAR_FUZZ=ON \
  -DVELTAR_GUI=OFF -DVELTAR_TESTS=OFF -DVELTAR_BENCH=OFF -DVELTAR_WERROR=ON > /dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# Short allocation stacks and a small quarantine double the inputs per second; a
# finding's input re-runs with the full reports.
export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=2:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# One target per core: the machine's cores stay busy and CI waits half as long.
run_target() {
  local t=$1 log="$build/logs/$1.log"
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" "tests/fuzz/corpus/$t" > "$log" 2>&1
}
mkdir -p "$build/logs"
cores=$(nproc)
pids=()
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n || true; done
  run_target "$t" &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  t=${targets[$i]} log="$build/logs/${targets[$i]}.log"
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $t: ${runs:-?} inputs in ${seconds} s, no finding"
  else
    echo "fuzz $t: FINDING (input kept in $build/findings/$t/)"
    grep -v '^#' "$log" | tail -40
    status=1
  fi
done
exit $status
