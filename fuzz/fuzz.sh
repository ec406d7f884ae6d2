#!/usr/bin/env bash
# Builds the loader fuzzers with clang, writes the seed corpus with the program's own writers and
# runs each loader for a bounded time (default 60 seconds each; first argument to change it).
# Fails on any crash, leak, sanitizer report or broken round trip.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
bau=build/fuzz

CXX=clang++ cmake -S fuzz -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bau" -j2
rm -rf "$bau/saat"
"$bau/fuzz_saat" "$bau/saat"

for format in dokument vorlage einstellungen; do
  korpus="$bau/korpus/$format"
  mkdir -p "$korpus"
  echo "== $format: $sekunden s"
  "$bau/fuzz_$format" "$korpus" "$bau/saat/$format" \
    -max_total_time="$sekunden" -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$bau/fund_$format-"
done
