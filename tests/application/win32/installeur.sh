#!/usr/bin/env bash
# The Windows installer under Wine (run by sous-wine-xvfb.sh): installed
# silently (/S), it puts the two programs, the licence of the logo's decoder
# and the uninstaller into the programs folder, two Start-menu entries and
# the entry of the list of installed programs; the installed Controle.exe
# starts and shows its window, and "Quitte" ends it with status 0; the
# uninstaller run silently removes everything it installed (all but itself:
# run from the installation folder with _?=, it cannot delete itself, as
# NSIS documents).
# Arguments: the installer, aide-essais.exe.
set -euo pipefail
installeur=$1
aide=$2
titre="Contrôle des dates invalides V. 1.01"
dossier='C:\Program Files\Contrôle des dates'
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ControleDates'
installe=$(winepath -u "$dossier")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echec() {
  echo "ÉCHEC : $*"
  exit 1
}
entrees_menu() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -path '*Contrôle des dates*' -name '*.lnk' | LC_ALL=C sort; }
contenu() { (cd "$installe" 2>/dev/null && find . -type f | LC_ALL=C sort); }

# A run that failed half-way may have left an installation.
rm -rf "$installe"

timeout 120 wine "$installeur" /S </dev/null >/dev/null 2>&1 || echec "l'installation a échoué"
attendu=$'./Controle.exe\n./Desinstaller.exe\n./controle-dates-lot.exe\n./licences/libjpeg-turbo/LICENSE.md\n./licences/libjpeg-turbo/README.ijg'
[ "$(contenu)" = "$attendu" ] || echec "fichiers installés : $(contenu)"
[ "$(entrees_menu | wc -l)" -eq 2 ] || echec "entrées du menu Démarrer : $(entrees_menu)"
timeout 30 wine reg query "$cle" /v DisplayName </dev/null >/dev/null 2>&1 || echec "absent de la liste des programmes"
echo "Installé dans « $dossier », avec $(entrees_menu | wc -l) entrées au menu Démarrer"

wine "$installe/Controle.exe" </dev/null >/dev/null 2>&1 &
pid=$!
wine "$aide" fenetre </dev/null >"$travail/fenetre.txt" 2>&1 || echec "$(cat "$travail/fenetre.txt")"
[ "$(head -n 1 "$travail/fenetre.txt" | iconv -f CP1252 -t UTF-8 | tr -d '\r')" = "$titre" ] ||
  echec "fenêtre : $(cat "$travail/fenetre.txt")"
read -r _ _ gauche haut < <(sed -n 2p "$travail/fenetre.txt" | tr -d '\r')
sleep 0.5
# "Quitte" at (296, 172), 137 by 50.
xdotool mousemove $((gauche + 364)) $((haut + 197)) click 1
timeout 20 tail --pid="$pid" -f /dev/null || echec "le programme installé ne s'est pas terminé"
statut=0
wait "$pid" || statut=$?
[ "$statut" -eq 0 ] || echec "statut de sortie $statut"
echo "Le programme installé démarre et se termine avec le statut 0"

# _?= takes the folder unquoted: its short name has no blank.
court=$(winepath -s "$dossier" | tr -d '\r')
timeout 120 wine "$installe/Desinstaller.exe" /S "_?=$court" </dev/null >/dev/null 2>&1 || echec "la désinstallation a échoué"
[ "$(contenu)" = "./Desinstaller.exe" ] || echec "restent après la désinstallation : $(contenu)"
[ -z "$(entrees_menu)" ] || echec "restent au menu Démarrer : $(entrees_menu)"
! timeout 30 wine reg query "$cle" </dev/null >/dev/null 2>&1 || echec "toujours dans la liste des programmes"
rm -rf "$installe"
echo "Désinstallé : plus rien de l'installation"
