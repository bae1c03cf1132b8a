#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the whole suite
# in the default build, the Debian package built from it, installed, run and
# removed, the suite again under the address and undefined-behaviour
# sanitizers, then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installe.sh

for preset in defaut sanitiseurs; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
  if [ "$preset" = defaut ]; then
    echo "=== paquet ==="
    bash outils/teste-paquet.sh
  fi
done

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
