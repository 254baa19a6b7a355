#!/usr/bin/env bash
# Builds the Debian package of the player, the tools and the bundled show from the
# usual build tree (build/, so what play.sh or test.sh built is reused) into
# build/package/nimbus_VERSION_ARCH.deb, and checks it with lintian, which fails the
# script on any error and prints its warnings.
# With --check, it also unpacks the package into a scratch root and runs the
# installed commands there on the installed show, as a user would after installing:
# every command's --version and --help, nimbus-check, nimbus-capture --at 1, a
# frame snapped by nimbus-preview, and nimbus-demo for a few seconds (on Xvfb when
# there is no display).
# Usage: scripts/package.sh [--check]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" --package
bash "$root/scripts/build.sh"

build="$root/build"
out="$build/package"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$build/cpack.log" 2>&1 ||
  { cat "$build/cpack.log"; exit 1; }
deb=$(echo "$out"/nimbus_*.deb)
# lintian warns about being run as root, as CI containers do; the warning is no finding.
lintian --fail-on error "$deb" 2> >(grep -v "running with root privileges" >&2)
echo "built $deb"
[ "${1:-}" = "--check" ] || exit 0

fail() {
  echo "package check: $*" >&2
  exit 1
}

# Runs a command on the display, or on a virtual one when there is none.
on_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 640x480x24" "$@"
  fi
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
bin="$scratch/root/usr/bin"
show="$scratch/root/usr/share/nimbus/demo"
[ -s "$scratch/root/usr/share/nimbus/classes.md" ] || fail "the class reference is not installed"
version=$(dpkg-deb -f "$deb" Version)
for command in nimbus-capture nimbus-check nimbus-pack nimbus-preview nimbus-demo; do
  [ "$("$bin/$command" --version)" = "$command $version" ] || fail "$command --version"
  "$bin/$command" --help | grep -q "^usage: $command" || fail "$command --help"
done
# Each command writes its log into the current folder, so it runs in the scratch one.
cd "$scratch"
"$bin/nimbus-check" "$show" >check.txt || { cat check.txt; fail "nimbus-check on the installed show"; }

export LIBGL_ALWAYS_SOFTWARE=${LIBGL_ALWAYS_SOFTWARE:-1}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
on_display "$bin/nimbus-capture" --at 1 --out frames "$show" >capture.txt ||
  { cat capture.txt; fail "nimbus-capture on the installed show"; }
[ -s frames/demo-0001000.png ] || fail "nimbus-capture wrote no frame at 1 s"
printf 'pause\nseek 1\nsnap preview.png\nquit\n' |
  on_display "$bin/nimbus-preview" --commands "$show" >preview.txt 2>&1 ||
  { cat preview.txt; fail "nimbus-preview on the installed show"; }
cmp -s preview.png frames/demo-0001000.png || fail "nimbus-preview's frame at 1 s is not the capture's"

# The show lasts a minute; still playing after a few seconds with nothing counted
# in its log means the player found the show from nimbus-demo's name for it.
rm -f nimbus.log
status=0
on_display timeout 4 "$bin/nimbus-demo" log || status=$?
[ "$status" -eq 124 ] || { cat nimbus.log; fail "nimbus-demo ended with $status within 4 s"; }
if grep -E "^(Warning|Error): " nimbus.log; then
  fail "nimbus-demo logged problems"
fi
echo "checked the installed commands and show"
