#!/usr/bin/env bash
# Measures the Windows companion under Wine against the Linux companion on
# the same export of 1 000 000 acts (births of about 190 bytes a line, 1%
# refused, as the benchmarks make them), page cache warm, each run twice and
# the second kept. Wine's start-up, measured on --version, is given apart.
#
#   outils/mesure-windows.sh [windows64|windows]
#
# Needs build/defaut and the Windows build named (by default the 64-bit one,
# which every machine runs; the 32-bit one needs a machine that runs 32-bit
# programs natively) built.
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${1:-windows64}
architecture=win64
[ "$construction" = windows ] && architecture=win32
linux=build/defaut/src/lot/controle-dates-lot
windows=build/$construction/src/lot/controle-dates-lot.exe
sous_wine=(outils/sous-wine.sh "$architecture" "build/$construction/wine")
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8

dossier=$(mktemp -d)
trap '"${sous_wine[@]}" --arrete; rm -rf "$dossier"' EXIT
python3 - "$dossier/export.txt" <<'PY'
import sys
with open(sys.argv[1], "wb") as f:
    for acte in range(1, 1_000_001):
        annee = 1800 + acte % 120
        date = f"31/02/{annee}" if acte % 100 == 0 else f"{acte % 28 + 1:02d}/{acte % 12 + 1:02d}/{annee}"
        f.write((f"TABRENNV3;{acte};N{annee}-{acte:06d} Le Bihan Hervé;Saint-Brieuc;22;N;{date};Le Bihan;Hervé;M;"
                 "Le Bihan Yves;laboureur;Le Goff Françoise;ménagère;Kerhervé Jean;Tanguy Loïc;"
                 "Plouha;;;;;;;;;;;;;notes\r\n").encode("cp1252"))
PY
"${sous_wine[@]}" --demarre

# The wall-clock seconds of one run, outputs to files.
duree() {
    local debut fin
    debut=$(date +%s.%N)
    "$@" >"$dossier/sortie" 2>"$dossier/erreurs" || true
    fin=$(date +%s.%N)
    echo "$fin - $debut" | bc
}
mesure() { duree "$@" >/dev/null; duree "$@"; }

t_linux=$(mesure "$linux" "$dossier/export.txt")
cp "$dossier/sortie" "$dossier/rapport-linux"
t_wine=$(mesure "${sous_wine[@]}" "$windows" "$dossier/export.txt")
cmp -s "$dossier/sortie" "$dossier/rapport-linux" || { echo "les rapports diffèrent"; exit 1; }
t_demarrage=$(mesure "${sous_wine[@]}" "$windows" --version)
LC_ALL=C printf 'Linux : %.2f s\nWine : %.2f s, dont démarrage %.2f s\nWine sans démarrage / Linux : %.2f\n' \
    "$t_linux" "$t_wine" "$t_demarrage" "$(echo "($t_wine - $t_demarrage) / $t_linux" | bc -l)"
