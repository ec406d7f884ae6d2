#!/usr/bin/env bash
# Installs everything the build, the tests and the program need, from Debian packages.
# Runs as root or through sudo; installs only what is missing.
set -euo pipefail

pakete=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-courier-prime fonts-gnutypewriter fonts-opendyslexic fonts-dejavu-core
  pulseaudio pulseaudio-utils
  xvfb xdotool imagemagick
)

fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" apt-get update -qq
"${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
