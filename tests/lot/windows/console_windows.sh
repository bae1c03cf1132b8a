#!/usr/bin/env bash
# The companion on a Windows console whose code page is 850, the one of a
# French console: texts written through the console's Unicode output show
# their accents right, where bytes would not. Run under a pseudo-terminal,
# on which Wine gives the program a console.
#
#   console_windows.sh SOUS_WINE DOSSIER_WINE CHEMIN_DU_COMPAGNON
set -euo pipefail
sous_wine=$1
dossier=$2
compagnon="Z:${3//\//\\}"

lanceur=$(mktemp)
trap 'rm -f "$lanceur"' EXIT
printf '%q ' "$sous_wine" "$dossier" cmd /c "chcp 850 >nul & $compagnon --date Noël 12/05/1850" >"$lanceur"
sortie=$(timeout 60 script -qc "bash $lanceur" /dev/null </dev/null | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' | tr -d '\r')

attendu=$'\'Noël\' n\'est pas une date correcte\n1850-05-12'
if [ "$sortie" != "$attendu" ]; then
    printf 'attendu :\n%s\nobtenu :\n%s\n' "$attendu" "$sortie"
    exit 1
fi
