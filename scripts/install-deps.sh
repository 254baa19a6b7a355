#!/usr/bin/env bash
# Installs every Debian package the build, the tests and headless play need;
# with --fuzz, also clang and libFuzzer for the fuzz targets (scripts/fuzz.sh);
# with --package, also what builds and checks the Debian package (scripts/package.sh).
# Idempotent: when everything is present it does nothing, and it updates the
# package lists at most once per run.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libsdl2-dev libgl-dev libglu1-mesa-dev zlib1g-dev libminizip-dev
  libjpeg62-turbo-dev libpng-dev libsndfile1-dev libopenmpt-dev libsoxr-dev
  libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  xvfb xauth libgl1-mesa-dri mesa-utils
  glslang-dev ffmpeg
  libfreetype-dev fonts-dejavu-core  # the bundled show's type
  openbox  # a window manager for the full-screen tests to run under
)
for option in "$@"; do
  case "$option" in
  --fuzz) packages+=(clang libfuzzer-14-dev) ;;
  --package) packages+=(dpkg-dev lintian) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
