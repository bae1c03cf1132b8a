#!/usr/bin/env bash
# Installs what is missing, then checks and tests everything: the format of
# every C++ file, the shared code against the Windows headers, the whole
# suite in the default build, the Debian package built from it, installed,
# run and removed, the suite again under the address and undefined-behaviour
# sanitizers, the Windows build's suite under Wine (the window's tests
# included), then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installe.sh

echo "=== format ==="
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "=== en-têtes Windows ==="
bash outils/verifie-windows.sh

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
  nom=$(basename "$cible")
  echo "--- $nom (${secondes} s)"
  # A copy of the committed corpus seeds the run; what it finds stays in build/.
  mkdir -p "build/fuzz/corpus/$nom"
  cp -n fuzz/corpus/"$nom"/* "build/fuzz/corpus/$nom/" 2>/dev/null || true
  "$cible" -max_total_time="$secondes" -rss_limit_mb=4096 -print_final_stats=0 "build/fuzz/corpus/$nom" 2>&1 | tail -n 3
  [ "${PIPESTATUS[0]}" -eq 0 ]
done
