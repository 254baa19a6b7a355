#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: the address + undefined build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$@"
build="$root/build"
[ "${1:-}" = "--sanitize" ] && build="$root/build-asan"

export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Tests run side by side; the window tests, which share one X screen, lock it.
run=(ctest --test-dir "$build" --output-on-failure -j 4)
# Under the sanitizers a failed test runs once more: Mesa's software renderer now
# and then leaks from a module it has already unloaded, which no suppression can
# name. A fault of ours fails both times.
[ "${1:-}" = "--sanitize" ] && run+=(--repeat until-pass:2)
if [ -z "${DISPLAY:-}" ]; then
  # One X server for the whole run, offering the 640 x 480 32-bit mode.
  xvfb-run -a -s "-screen 0 640x480x24" "${run[@]}"
else
  "${run[@]}"
fi
