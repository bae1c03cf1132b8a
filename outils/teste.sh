#!/usr/bin/env bash
# Installs what is missing, then checks and tests everything: the format of
# every C++ file, the shared code against the Windows headers, the whole
# suite in the default build, the Debian package built from it, installed,
# run and removed, the README's first command (outils/demarre.sh) starting
# the window under Xvfb and ending on "Quitte", the suite again under the
# address and undefined-behaviour sanitizers, the two Windows builds' suites
# under Wine (the window's tests and the installer's included): the 64-bit
# build under 64-bit Wine on every machine, the 32-bit build (for 32-bit
# Windows) under 32-bit Wine where the machine runs 32-bit programs
# natively, its tests skipped with their reason elsewhere; then each fuzz
# target for a bounded time, and last which Windows suites ran where. A
# failing fuzz target is named, and the command then fails.
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
    echo "=== démarrage (outils/demarre.sh) ==="
    mkdir -p build/demarrage
    bash tests/application/bout_en_bout.sh outils/demarre.sh build/demarrage
  fi
done

# Each Windows build's tests, their CTest lines kept for the summary.
for preset in windows64 windows; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" 2>&1 | tee "build/$preset/ctest.txt"
done

echo "=== fuzz ==="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
secondes=${FUZZ_SECONDES:-20}
echecs_fuzz=()
for cible in build/fuzz/fuzz/fuzz_*; do
  [ -x "$cible" ] || continue
  nom=$(basename "$cible")
  echo "--- $nom (${secondes} s)"
  # A copy of the committed corpus seeds the run; what it finds stays in build/.
  mkdir -p "build/fuzz/corpus/$nom"
  cp -n fuzz/corpus/"$nom"/* "build/fuzz/corpus/$nom/" 2>/dev/null || true
  # The run's whole output goes to a log, of which the end is shown; a target
  # that fails is named, its input kept beside the log, and the command fails.
  journal="build/fuzz/$nom.log"
  if "$cible" -max_total_time="$secondes" -rss_limit_mb=4096 -print_final_stats=0 \
      -artifact_prefix="build/fuzz/$nom-" "build/fuzz/corpus/$nom" >"$journal" 2>&1; then
    tail -n 3 "$journal"
  else
    tail -n 30 "$journal"
    echo "ÉCHEC de la cible de fuzz $nom (journal : $journal)" >&2
    echecs_fuzz+=("$nom")
  fi
done

bash outils/bilan-windows.sh build/windows64/ctest.txt build/windows/ctest.txt
if [ ${#echecs_fuzz[@]} -gt 0 ]; then
  echo "ÉCHEC : cibles de fuzz en échec : ${echecs_fuzz[*]}" >&2
  exit 1
fi
