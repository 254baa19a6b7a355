#!/usr/bin/env bash
# Configures and builds the project into a build folder.
# Usage: scripts/build.sh [--sanitize]  (prints nothing but the build's own output)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  flags+=(-DNIMBUS_SANITIZE=ON -DNIMBUS_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$root" -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
