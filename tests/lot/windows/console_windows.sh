#!/usr/bin/env bash
# The companion on a Windows console whose code page is 850, the one of a
# French console: texts written through the console's Unicode output show
# their accents right, where bytes would not. Run under a pseudo-terminal,
# on which Wine gives the program a console.
#
#   console_windows.sh CHEMIN_DU_COMPAGNON SOUS_WINE...
#
# SOUS_WINE... is the command that runs a Windows program of the build
# (outils/sous-wine.sh with its architecture and folder). Where it cannot run
# here (status 77), the test is skipped with its reason.
set -euo pipefail
compagnon="Z:${1//\//\\}"
shift
statut=0
raison=$("$@" cmd /c exit </dev/null 2>&1) || statut=$?
[ $statut -ne 77 ] || { echo "$raison"; exit 77; }

lanceur=$(mktemp)
trap 'rm -f "$lanceur"' EXIT
printf '%q ' "$@" cmd /c "chcp 850 >nul & $compagnon --date Noël 12/05/1850" >"$lanceur"
sortie=$(timeout 60 script -qc "bash $lanceur" /dev/null </dev/null | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' | tr -d '\r')

attendu=$'\'Noël\' n\'est pas une date correcte\n1850-05-12'
if [ "$sortie" != "$attendu" ]; then
    printf 'attendu :\n%s\nobtenu :\n%s\n' "$attendu" "$sortie"
    exit 1
fi
