#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address + undefined-behaviour
# sanitizers) in build-fuzz/ and runs each one for SECONDS (60 unless given),
# starting from its seed corpus under fuzz/corpus/. A crash, leak, hang or
# out-of-memory ends the run with a non-zero exit code and the path of the input
# that caused it.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
bash "$root/scripts/install-deps.sh" --fuzz

build="$root/build-fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(document tga jpeg zip raw stream module scene)
fi
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBUS_FUZZ=ON -DNIMBUS_TESTS=OFF \
  -DNIMBUS_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

# Hangs: a single input may take this long; leaks are reported at the end of each input.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export SDL_AUDIODRIVER=dummy
failed=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz_$target for ${seconds} s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$root/fuzz/corpus/$target" \
      >"$build/fuzz-$target.log" 2>&1; then
    failed=1
    tail -n 60 "$build/fuzz-$target.log"
    for input in "$artifacts"/*; do
      [ -e "$input" ] && echo "fuzz_$target failed; reproduce with: $build/fuzz/fuzz_$target $input"
    done
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec)|cov: " "$build/fuzz-$target.log" | tail -n 3
done
exit "$failed"
