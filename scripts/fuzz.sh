#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a bounded time.
#   scripts/fuzz.sh [seconds-per-target] [target...]
# Seconds default to 30. KELVO_FUZZ_RUNS=N bounds each run by N executions instead of by time;
# KELVO_FUZZ_ARGS adds libFuzzer flags (for example -max_len=4096).
# Runs as many targets at once as there are cores. The seeds in fuzz/corpus/<target> stay as they
# are; what a run discovers goes to build/fuzz/corpus/<target>, a crash to build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
all_targets=(language_table_fuzz rtf_template_fuzz text_template_fuzz field_number_fuzz
             print_list_fuzz batch_line_fuzz)
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=("${all_targets[@]}")
fi

build=build/fuzz
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
  -DKELVO_BUILD_FUZZ=ON -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCH=OFF -DKELVO_BUILD_APP=OFF \
  >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)"

if [[ -n ${KELVO_FUZZ_RUNS:-} ]]; then
  bound=(-runs="$KELVO_FUZZ_RUNS")
else
  bound=(-max_total_time="$seconds")
fi
mkdir -p "$build/artifacts" "$build/logs"

run_one() {
  local target=$1
  mkdir -p "$build/corpus/$target"
  # shellcheck disable=SC2086 # the extra flags are meant to split
  "$build/fuzz/$target" "${bound[@]}" ${KELVO_FUZZ_ARGS:-} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" \
    "$build/corpus/$target" "fuzz/corpus/$target" >"$build/logs/$target.log" 2>&1
}

failed=()
report() {
  local target=$1 status=$2
  local runs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" |
         grep -o '[0-9]*$' || echo '?')
  if ((status == 0)); then
    echo "fuzz: $target passed, $runs runs"
  else
    echo "fuzz: $target FAILED (see $build/logs/$target.log)"
    tail -n 40 "$build/logs/$target.log"
    failed+=("$target")
  fi
}

# As many targets at a time as there are cores.
parallel=$(nproc)
for ((first = 0; first < ${#targets[@]}; first += parallel)); do
  batch=("${targets[@]:first:parallel}")
  pids=()
  for target in "${batch[@]}"; do
    run_one "$target" &
    pids+=($!)
  done
  for index in "${!batch[@]}"; do
    wait "${pids[$index]}" && status=0 || status=$?
    report "${batch[$index]}" "$status"
  done
done

echo "fuzz: $(( ${#targets[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
((${#failed[@]} == 0))
