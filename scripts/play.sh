#!/usr/bin/env bash
# Installs what is missing, builds the player, packs the bundled production into
# its archive beside a copy of the player named after it, and plays it with the
# log file switched on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

name=demo
stage="$root/build/play"
rm -rf "$stage"
mkdir -p "$stage"
"$root/build/nimbus-pack" "$root/examples/$name" "$stage/$name.dat"
cp "$root/build/nimbus" "$stage/$name"
cd "$stage"

export LIBGL_ALWAYS_SOFTWARE=${LIBGL_ALWAYS_SOFTWARE:-1}
status=0
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 640x480x24" "./$name" log || status=$?
else
  "./$name" log || status=$?
fi
echo "exit code $status; the log is $stage/nimbus.log"
exit "$status"
