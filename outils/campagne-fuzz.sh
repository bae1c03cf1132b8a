#!/usr/bin/env bash
# A fuzzing campaign: every fuzz target runs for the time given, as many at
# once as the machine has cores, seeded with its committed corpus
# (fuzz/corpus/<target>/). What each run found is then merged into that
# corpus (libFuzzer's -merge=1: only the inputs that add coverage, the
# smallest first; nothing committed is removed). Prints, per target, the
# inputs run, inputs a second, the corpus size before and after, the
# coverage features reached and any failure, whose input is kept under
# build/campagne/<target>/. Fails when a target failed.
#
# Usage: outils/campagne-fuzz.sh DURÉE
#   DURÉE: seconds, or a number followed by s, m or h (90, 10m, 2h).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 1 ] || ! [[ $1 =~ ^([0-9]+)([smh]?)$ ]] || [ "${BASH_REMATCH[1]}" -eq 0 ]; then
  echo "usage : $0 DURÉE (en secondes, ou suivie de s, m ou h : 90, 10m, 2h)" >&2
  exit 2
fi
case ${BASH_REMATCH[2]} in
  h) secondes=$((BASH_REMATCH[1] * 3600)) ;;
  m) secondes=$((BASH_REMATCH[1] * 60)) ;;
  *) secondes=${BASH_REMATCH[1]} ;;
esac

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
campagne=build/campagne
rm -rf "$campagne"
cibles=()
for cible in build/fuzz/fuzz/fuzz_*; do
  if [ -x "$cible" ]; then cibles+=("$(basename "$cible")"); fi
done
coeurs=$(nproc)
echo "=== campagne : ${#cibles[@]} cibles, ${secondes} s chacune, $coeurs à la fois ==="

# The runs under way, by process id; stopped if the campaign is interrupted.
declare -A en_cours=() statut=()
trap 'kill "${!en_cours[@]}" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM

attends_une_cible() {
  local fini code=0
  wait -n -p fini "${!en_cours[@]}" || code=$?
  statut[${en_cours[$fini]}]=$code
  unset "en_cours[$fini]"
}

# New inputs go to the run's own folder, the first one given; the committed
# corpus is only read.
for nom in "${cibles[@]}"; do
  while [ ${#en_cours[@]} -ge "$coeurs" ]; do attends_une_cible; done
  mkdir -p "$campagne/$nom/trouvees"
  echo "--- $nom"
  "build/fuzz/fuzz/$nom" -max_total_time="$secondes" -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$campagne/$nom/" "$campagne/$nom/trouvees" "fuzz/corpus/$nom" \
    >"$campagne/$nom/journal.txt" 2>&1 &
  en_cours[$!]=$nom
done
while [ ${#en_cours[@]} -gt 0 ]; do attends_une_cible; done

# The last value that libFuzzer wrote for a statistic (ft:, stat::...).
valeur() { grep -oE "$1 *[0-9]+" "$2" | tail -n 1 | grep -oE '[0-9]+$' || echo "?"; }

echo "=== fusion dans fuzz/corpus/ ==="
rangee() { printf '%-14s %12s %10s %13s %13s %9s  %s\n' "$@"; }
# The header's accented letters take two bytes each, which printf counts.
printf '%-14s %13s %11s %13s %14s %9s  %s\n' cible entrées entrées/s "corpus avant" "corpus après" features échec
echecs=()
for nom in "${cibles[@]}"; do
  dossier=$campagne/$nom
  avant=$(find "fuzz/corpus/$nom" -type f | wc -l)
  echec=()
  if [ "${statut[$nom]}" -ne 0 ]; then echec+=("statut ${statut[$nom]}"); fi
  if ! "build/fuzz/fuzz/$nom" -merge=1 -rss_limit_mb=4096 "fuzz/corpus/$nom" "$dossier/trouvees" \
    >"$dossier/fusion.txt" 2>&1; then
    echec+=("fusion : $dossier/fusion.txt")
  fi
  if [ ${#echec[@]} -gt 0 ]; then echecs+=("$nom"); fi
  rangee "$nom" "$(valeur stat::number_of_executed_units: "$dossier/journal.txt")" \
    "$(valeur stat::average_exec_per_sec: "$dossier/journal.txt")" "$avant" \
    "$(find "fuzz/corpus/$nom" -type f | wc -l)" "$(valeur ft: "$dossier/journal.txt")" "${echec[*]:-—}"
done

for nom in "${cibles[@]}"; do
  if [ "${statut[$nom]}" -eq 0 ]; then continue; fi
  echo
  echo "ÉCHEC de $nom (journal : $campagne/$nom/journal.txt)"
  grep -E '^SUMMARY|^==[0-9]+==ERROR|runtime error' "$campagne/$nom/journal.txt" | head -n 3 || true
  for entree in "$campagne/$nom"/{crash,leak,timeout,oom}-*; do
    if [ -e "$entree" ]; then echo "entrée gardée : $entree"; fi
  done
done
if [ ${#echecs[@]} -gt 0 ]; then
  echo "ÉCHEC : ${echecs[*]}" >&2
  exit 1
fi
echo "Fusion faite : « git status fuzz/corpus » montre les entrées ajoutées."
