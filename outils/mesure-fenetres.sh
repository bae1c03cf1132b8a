#!/usr/bin/env bash
# Measures "Traite" on exports of 1 000 000 acts (births of about 190 bytes a
# line) with no date, 1% and every date refused, in one run: the check
# without a window and the Linux window (bench/linux/bench_traite_fenetre.cpp
# under Xvfb), then the Windows window under 64-bit Wine, the real
# Controle.exe driven as a person does it (tests/application/win32/
# pilotage.sh): from the click on "Traite" to the box "Bravo !", on the same
# exports. Not a test: it takes several minutes.
#
#   outils/mesure-fenetres.sh [PART...]
#
# PART: 0 (no date refused), 100 (1%), 1 (every date); by default all three.
# Needs build/defaut and build/windows64 built.
set -euo pipefail
cd "$(dirname "$0")/.."
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
# Numbers are written with a point.
export LC_NUMERIC=C
# Inside the Windows window's display and prefix: the seconds of each check.
if [ "${1:-}" = --fenetre-windows ]; then
  programme=$2
  aide=$3
  shift 3
  parts=("$@")
  source tests/application/win32/pilotage.sh
  for part in "${parts[@]}"; do
    lance
    ouvre "/tmp/controle-bench-1000000-$part.txt"
    # The count of "Ouvre" goes on after the dialog has closed.
    sleep 10
    debut=$(date +%s.%N)
    clique 220 197
    for _ in $(seq 12000); do
      [ -n "$(fenetre_nommee 'Bravo !')" ] && break
      sleep 0.05
    done
    fin=$(date +%s.%N)
    [ -n "$(fenetre_nommee 'Bravo !')" ] || echec "pas de fin pour $part"
    echo "$part $(echo "$fin - $debut" | bc)"
    xdotool key Return
    sleep 1
    clique 364 197
    fin_attendue
  done
  exit 0
fi

parts=("$@")
[ $# -gt 0 ] || parts=(0 100 1)
resultats=$(mktemp -d)
trap 'rm -rf "$resultats"' EXIT
# The Linux measures also write the exports, into /tmp, for the Windows ones.
filtre=$(IFS='|'; echo "/actes:1000000/refusePour:(${parts[*]})\$")
xvfb-run -a -s "-screen 0 1024x768x24" build/defaut/bench/bench_traite_fenetre \
  --benchmark_filter="$filtre" --benchmark_format=json >"$resultats/linux.json" 2>/dev/null
tests/application/win32/sous-wine-xvfb.sh win64 build/windows64/wine-fenetre "$0" --fenetre-windows \
  build/windows64/src/application/win32/Controle.exe build/windows64/tests/application/win32/aide-essais.exe \
  "${parts[@]}" >"$resultats/windows.txt"

# Seconds of a Linux measure, from its real time in ms.
linux() {
  python3 -c 'import json, sys
mesures = json.load(open(sys.argv[1]))["benchmarks"]
print("%.2f" % next(m["real_time"] / 1000 for m in mesures if m["name"] == sys.argv[2]))' \
    "$resultats/linux.json" "$1/actes:1000000/refusePour:$2"
}
windows() { LC_ALL=C awk -v p="$1" '$1 == p { printf "%.2f", $2 }' "$resultats/windows.txt"; }
LC_ALL=C printf '%-22s %12s %14s %16s %8s\n' "dates refusées" "sans fenêtre" "fenêtre Linux" "fenêtre Windows" "Win/Lin"
for part in "${parts[@]}"; do
  s=$(linux TraiteSansFenetre "$part")
  l=$(linux TraiteDansLaFenetre "$part")
  w=$(windows "$part")
  LC_ALL=C printf '%-22s %10.2f s %12.2f s %14.2f s %7.1fx\n' "1/$part" "$s" "$l" "$w" "$(echo "$w / $l" | bc -l)"
done
[ -n "$(windows 100)" ] && [ -n "$(windows 0)" ] || exit 0
echo "1 % refusées / aucune : fenêtre Linux $(echo "$(linux TraiteDansLaFenetre 100) / $(linux TraiteDansLaFenetre 0)" | bc -l | cut -c1-4)," \
  "fenêtre Windows $(echo "$(windows 100) / $(windows 0)" | bc -l | cut -c1-4)"
