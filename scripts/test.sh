#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit tests, the window
# tests (offscreen), the sound test against a PulseAudio null sink, and the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/tonserver.sh
Tonserver_starten

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j2

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j2
