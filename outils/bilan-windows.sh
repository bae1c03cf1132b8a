#!/usr/bin/env bash
# Says which Windows suites ran, on which build, and which were skipped and
# why, from the lines that ctest printed for each Windows build:
#
#   outils/bilan-windows.sh build/windows64/ctest.txt build/windows/ctest.txt
set -euo pipefail
cd "$(dirname "$0")/.."

# The names of the tests of one result (Passed, ***Skipped, ...) in a log.
tests_de() { sed -n "s/^.*Test *#[0-9]*: \([^ ]*\) \.*\ *$2 .*/\1/p" "$1" | LC_ALL=C sort | tr '\n' ' '; }

echo "=== suites Windows ==="
for journal in "$@"; do
  dossier=$(dirname "$journal")
  case "$dossier" in
  *64) construction="64 bits, sous Wine 64 bits" ;;
  *) construction="32 bits, celle qu'installent les utilisateurs, sous Wine 32 bits" ;;
  esac
  reussies=$(tests_de "$journal" 'Passed')
  ignorees=$(tests_de "$journal" '\*\*\*Skipped')
  echo "$dossier ($construction) :"
  echo "  exécutées et réussies ($(wc -w <<<"$reussies")) : $reussies"
  if [ -n "$ignorees" ]; then
    # Each skipped test printed its reason, which CTest keeps in its log.
    raison=$(sed -n 's/^ignoré : //p' "$dossier/Testing/Temporary/LastTest.log" 2>/dev/null | sort -u | paste -sd';')
    echo "  ignorées ($(wc -w <<<"$ignorees")) : $ignorees"
    echo "  raison : ${raison:-inconnue}"
  fi
done
