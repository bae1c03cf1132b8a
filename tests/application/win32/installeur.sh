#!/usr/bin/env bash
# The Windows installer under Wine (run by sous-wine-xvfb.sh): installed
# silently (/S), for the user alone, it puts the two programs, the licence
# of the logo's decoder, the uninstaller, the guide and the sample exports
# into the user's programs folder (%LOCALAPPDATA%\Programs), three entries
# (the tool, the guide, the uninstaller) into the user's Start menu and the
# entry of the user's list of installed programs (HKCU), and nothing for all
# users (HKLM), and the keys that offer Controle.exe in « Ouvrir avec » for
# .txt files without making it their default; the installed Controle.exe
# starts and shows its window, and "Quitte" ends it with status 0; the
# uninstaller, run silently as the list of installed programs runs it,
# removes everything: the folder, the Start-menu entries and the keys.
# Arguments: the installer, aide-essais.exe.
set -euo pipefail
installeur=$1
aide=$2
titre="Contrôle des dates invalides V. 1.01"
programmes=$(timeout 30 wine cmd /c 'echo %LOCALAPPDATA%\Programs' </dev/null 2>/dev/null | tr -d '\r')
dossier="$programmes\\Contrôle des dates"
cles=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ControleDates' 'HKCU\Software\ControleDates'
  'HKCU\Software\Classes\Applications\Controle.exe\shell\open\command'
  'HKCU\Software\Classes\.txt\OpenWithList\Controle.exe')
cle_tous='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ControleDates'
installe=$(winepath -u "$dossier")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echec() {
  echo "ÉCHEC : $*"
  exit 1
}
entrees_menu() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -path '*Contrôle des dates*' -name '*.lnk' | LC_ALL=C sort; }
contenu() { (cd "$installe" 2>/dev/null && find . -type f | LC_ALL=C sort); }
cle_presente() { timeout 30 wine reg query "$1" </dev/null >/dev/null 2>&1; }

# A run that failed half-way may have left an installation.
rm -rf "$installe"

timeout 120 wine "$installeur" /S </dev/null >/dev/null 2>&1 || echec "l'installation a échoué"
attendu=$'./Controle.exe\n./Desinstaller.exe\n./controle-dates-lot.exe\n./exemples/mariages-a-corriger.txt\n./exemples/naissances-valides.txt\n./guide.html\n./licences/libjpeg-turbo/LICENSE.md\n./licences/libjpeg-turbo/README.ijg'
[ "$(contenu | grep -v '^./guide/')" = "$attendu" ] || echec "fichiers installés dans « $dossier » : $(contenu)"
[ "$(entrees_menu | grep -c '/users/')" -eq 3 ] && entrees_menu | grep -q '/Guide de Contrôle des dates.lnk$' ||
  echec "entrées du menu Démarrer de l'utilisateur : $(entrees_menu)"
for cle in "${cles[@]}"; do cle_presente "$cle" || echec "clé absente : $cle"; done
! cle_presente "$cle_tous" || echec "installé pour tous les utilisateurs : $cle_tous"
commande=$(timeout 30 wine reg query "${cles[2]}" /ve </dev/null 2>/dev/null | tr -d '\r')
grep -qF '\Controle.exe" "%1"' <<<"$commande" || echec "« Ouvrir avec » lance : $commande"
! timeout 30 wine reg query 'HKCU\Software\Classes\.txt' /ve </dev/null 2>/dev/null | grep -qi controle ||
  echec "les fichiers .txt s'ouvrent désormais avec l'outil"
echo "Installé pour l'utilisateur dans « $dossier », avec 3 entrées à son menu Démarrer"

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

# The uninstaller copies itself into the temporary folder, returns at once
# and removes the installation from there, itself included.
timeout 60 wine "$installe/Desinstaller.exe" /S </dev/null >/dev/null 2>&1 || echec "la désinstallation a échoué"
reste() {
  [ -e "$installe" ] && echo "fichiers : $(contenu)"
  [ -n "$(entrees_menu)" ] && echo "menu Démarrer : $(entrees_menu)"
  for cle in "${cles[@]}"; do cle_presente "$cle" && echo "clé : $cle"; done
  return 0
}
for _ in $(seq 60); do
  [ -z "$(reste)" ] && break
  sleep 1
done
[ -z "$(reste)" ] || echec "restent après la désinstallation : $(reste)"
echo "Désinstallé : plus rien de l'installation"
