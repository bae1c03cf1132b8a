#!/usr/bin/env bash
# The Windows window end to end, under Wine on an X display (run by
# sous-wine-xvfb.sh), driven as a person does it, with real pointer and key
# events:
#   1. the window appears with its caption and its client size; "Ouvre", the
#      sample export's Z:\ path typed in the dialog, "Traite", the box
#      "Bravo !" closed, the report selected and copied: the clipboard holds
#      the refused dates in the file's order, accents right; a picture of the
#      window is kept; "Quitte" ends the run with status 0;
#   2. "Traite" before any "Ouvre" shows "Erreur E/S 103." captioned with
#      the title; Alt+F4 ends the run with status 0;
#   3. a file without the marker shows "Attention !", and the run ends by
#      itself with status 0;
#   4. a file that a second Windows program holds open for writing shows
#      "Erreur E/S 32.".
# Arguments: Controle.exe, aide-essais.exe, the folder of the sample
# exports, the folder for the picture of the window.
set -euo pipefail
programme=$1
aide=$2
exemples=$3
sortie=$4
titre="Contrôle des dates invalides V. 1.01"
attendu="$(dirname "$0")/../../depart/rapport-mariages-a-corriger.txt"

travail=$(mktemp -d)
lances=()
termine() {
  for pid in "${lances[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$travail"
}
trap termine EXIT
cp "$exemples/mariages-a-corriger.txt" "$travail/"
cp "$exemples/mariages-a-corriger.txt" "$travail/tenu.txt"
printf 'une ligne\r\nsans la marque\r\n' >"$travail/sans-marque.txt"

echec() {
  echo "ÉCHEC : $*"
  exit 1
}

# Polls a command until it prints something (at most 20 s).
attends() {
  local resultat
  for _ in $(seq 200); do
    resultat=$("$@" 2>/dev/null || true)
    [ -n "$resultat" ] && { echo "$resultat"; return 0; }
    sleep 0.1
  done
  echo "attente vaine : $*" >&2
  return 1
}

# The shown window of that caption that has a size (the application window,
# captioned with the title too, has none).
fenetre_nommee() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 1x1' || { echo "$id"; return; }
  done
}

# Starts the program; the second program tells the window's caption, its
# client area's size and where that area lies on the screen.
lance() {
  wine "$programme" </dev/null >"$travail/programme.txt" 2>&1 &
  pid=$!
  lances+=("$pid")
  fenetre=$(attends fenetre_nommee "$titre")
  wine "$aide" fenetre </dev/null >"$travail/fenetre.txt" 2>&1 || echec "$(cat "$travail/fenetre.txt")"
  caption=$(head -n 1 "$travail/fenetre.txt" | iconv -f CP1252 -t UTF-8 | tr -d '\r')
  read -r largeur hauteur gauche haut < <(sed -n 2p "$travail/fenetre.txt" | tr -d '\r')
  sleep 0.5
}

# A click at a place of the window's client area.
clique() { xdotool mousemove $((gauche + $1)) $((haut + $2)) click 1; }

# Waits for the run to end; its exit status must be 0.
fin_attendue() {
  timeout 20 tail --pid="$pid" -f /dev/null || echec "le programme ne s'est pas terminé"
  local statut=0
  wait "$pid" || statut=$?
  [ "$statut" -eq 0 ] || echec "statut de sortie $statut"
}

# The message box of that caption, read by the second program, then closed
# with the Return key as a person does; its text must be the one given.
boite_attendue() {
  wine "$aide" boite "$1" </dev/null >"$travail/boite.txt" 2>&1 || echec "$(cat "$travail/boite.txt")"
  local texte
  texte=$(iconv -f CP1252 -t UTF-8 "$travail/boite.txt" | tr -d '\r')
  [ "$texte" = "$2" ] || echec "la boîte « $1 » dit « $texte » au lieu de « $2 »"
  xdotool mousemove --window "$(attends fenetre_nommee "$1")" 20 20
  xdotool key Return
  for _ in $(seq 100); do
    [ -z "$(fenetre_nommee "$1")" ] && break
    sleep 0.1
  done
  echo "Boîte « $1 » : $texte"
}

# "Ouvre", the file's path typed into the real dialog, then Return.
ouvre() {
  clique 76 197
  local dialogue
  dialogue=$(attends fenetre_nommee Ouvrir)
  xdotool mousemove --window "$dialogue" 200 60
  sleep 0.3
  xdotool type --delay 10 "$(winepath -w "$1")"
  sleep 0.5
  xdotool key Return
  # A first Return may only close the list that completes the name.
  for _ in 1 2 3; do
    sleep 1.5
    [ -n "$(fenetre_nommee Ouvrir)" ] || return 0
    xdotool key Return
  done
  echec "le dialogue d'ouverture est resté"
}

echo "--- 1. le rapport d'un export à corriger"
lance
[ "$caption" = "$titre" ] || echec "la fenêtre s'intitule « $caption »"
[ "$largeur" = 444 ] && [ "$hauteur" = 248 ] || echec "zone cliente de ${largeur}x${hauteur} au lieu de 444x248"
echo "Fenêtre « $caption », zone cliente ${largeur}x${hauteur}"
ouvre "$travail/mariages-a-corriger.txt"
clique 220 197
boite_attendue "Bravo !" "Copiez les résultats !"
# The pointer leaves the window, so that no tooltip covers the picture.
xdotool mousemove 0 0
sleep 1
import -window root "$travail/ecran.png"
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
convert "$travail/ecran.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$sortie/fenetre-windows.png"
clique 200 80
for _ in $(seq 10); do
  xdotool key ctrl+a ctrl+c
  sleep 0.5
  xclip -o -selection clipboard -t UTF8_STRING >"$travail/presse-papiers" 2>/dev/null || true
  [ -s "$travail/presse-papiers" ] && break
done
# The copy ends at its zero byte; lines end with CR LF on Windows.
perl -0777 -pe 's/\0.*//s; s/\r//g' "$travail/presse-papiers" >"$travail/rapport.txt"
diff "$attendu" "$travail/rapport.txt" || echec "le rapport copié diffère"
echo "Rapport copié conforme"
clique 364 197
fin_attendue

echo "--- 2. « Traite » avant « Ouvre », puis Alt+F4"
lance
clique 220 197
boite_attendue Controle "Erreur E/S 103."
xdotool mousemove $((gauche + 200)) $((haut + 100)) key alt+F4
fin_attendue

echo "--- 3. un fichier sans la marque"
lance
ouvre "$travail/sans-marque.txt"
boite_attendue "Attention !" "Ce n'est pas un fichier export de Tabrenn 3!"
fin_attendue

echo "--- 4. un fichier qu'un autre programme tient ouvert en écriture"
wine "$aide" tient "$(winepath -w "$travail/tenu.txt")" </dev/null >"$travail/tient.txt" 2>&1 &
lances+=("$!")
attends grep -l ouvert "$travail/tient.txt" >/dev/null || echec "le fichier n'a pas été tenu : $(cat "$travail/tient.txt")"
lance
ouvre "$travail/tenu.txt"
boite_attendue Controle "Erreur E/S 32."
clique 364 197
fin_attendue
echo "Fenêtre Windows conforme"
