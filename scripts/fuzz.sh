#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   scripts/fuzz.sh [seconds per target] [target…]
# Each target starts from its committed seeds (fuzz/corpus/<target>) and keeps what it finds in
# fuzz-corpus/<target> (not committed). A crash leaves its input in fuzz-corpus/crashes/ and makes
# the script fail. FUZZ_BUILD_DIR picks the build directory (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-25}
shift || true
build=${FUZZ_BUILD_DIR:-build-fuzz}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_preferences fuzz_command_lists fuzz_records fuzz_ps fuzz_process_matching fuzz_duration
             fuzz_duration_text)
fi

bash scripts/install-deps.sh test
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIGILA_FUZZ=ON
cmake --build "$build" -j "${JOBS:-2}" --target "${targets[@]}"

mkdir -p fuzz-corpus/crashes
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for target in "${targets[@]}"; do
  corpus=fuzz-corpus/$target
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="fuzz-corpus/crashes/$target-")
  case $target in
    fuzz_preferences | fuzz_command_lists | fuzz_records) options+=(-dict=fuzz/dict/json.dict) ;;
    fuzz_ps) options+=(-dict=fuzz/dict/ps.dict) ;;
    fuzz_process_matching) options+=(-dict=fuzz/dict/matching.dict) ;;
    fuzz_duration) options+=(-dict=fuzz/dict/duration.dict) ;;
    fuzz_duration_text) options+=(-dict=fuzz/dict/duration_text.dict) ;;
  esac
  log=$(mktemp)
  echo "fuzz: $target for $seconds s"
  if "$build/fuzz/$target" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    size=$(find "$corpus" -type f | wc -l)
    echo "fuzz: $target: ${runs:-?} executions, no crash; $size inputs kept"
  else
    tail -n 60 "$log"
    echo "fuzz: $target FAILED (its input is in fuzz-corpus/crashes/)"
    failed+=("$target")
  fi
  rm -f "$log"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
