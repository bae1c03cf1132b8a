#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the whole suite
# in the default build, again under the address and undefined-behaviour
# sanitizers, the Windows build's suite under Wine, then each fuzz target
# for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installe.sh

for preset in defaut sanitiseurs; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done

echo "=== windows ==="
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

echo "=== fuzz ==="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
secondes=${FUZZ_SECONDES:-20}
for cible in build/fuzz/fuzz/fuzz_*; do
  [ -x "$cible" ] || continue
  echo "--- $(basename "$cible") (${secondes} s)"
  "$cible" -max_total_time="$secondes" -rss_limit_mb=4096 -print_final_stats=0 2>&1 | tail -n 3
  [ "${PIPESTATUS[0]}" -eq 0 ]
done
