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
#      "Erreur E/S 32.";
#   5. reports of 5 000 and of 100 000 refused dates of 60 characters, far
#      past the 64 000 characters of the rich-text control's default limit,
#      are copied whole;
#   6. at 120 and 144 dots per inch (Wine's LogPixels), the window scales
#      its layout by the measured text height of its font; pictures of the
#      report at both are kept.
# Arguments: Controle.exe, aide-essais.exe, the folder of the sample
# exports, the folder for the pictures of the window.
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
  points_par_pouce 96
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

# A click at a place of the layout, in the window's client area at its scale.
clique() { xdotool mousemove $((gauche + $1 * largeur / 444)) $((haut + $2 * hauteur / 248)) click 1; }

# The screen's dots per inch for the programs started afterwards.
points_par_pouce() {
  timeout 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}

# A picture of the window, the pointer away so that no tooltip covers it.
photographie() {
  xdotool mousemove 0 0
  sleep 1
  import -window root "$travail/ecran.png"
  eval "$(xdotool getwindowgeometry --shell "$fenetre")"
  convert "$travail/ecran.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# The report selected in the box and copied; the clipboard must hold the
# lines of the file given, each ended by a line break.
rapport_copie() {
  clique 200 80
  # A long report takes a while to reach the clipboard; until then it holds
  # the previous copy.
  for essai in $(seq 60); do
    [ $((essai % 10)) -eq 1 ] && xdotool key ctrl+a ctrl+c
    sleep 0.5
    xclip -o -selection clipboard -t UTF8_STRING >"$travail/presse-papiers" 2>/dev/null || true
    # The copy ends at its zero byte; lines end with CR LF on Windows.
    perl -0777 -pe 's/\0.*//s; s/\r//g' "$travail/presse-papiers" >"$travail/rapport.txt"
    cmp -s "$1" "$travail/rapport.txt" && return 0
  done
  echec "le rapport copié diffère ($(wc -l <"$travail/rapport.txt") lignes sur $(wc -l <"$1"))"
}

# An export of births whose every date is refused, and its report, each
# line of 60 characters.
export_refuse() {
  python3 - "$1" "$travail/export-$1.txt" "$travail/rapport-$1.txt" <<'PY'
import sys
actes = int(sys.argv[1])
with open(sys.argv[2], "wb") as export, open(sys.argv[3], "w", encoding="utf-8") as rapport:
    for acte in range(1, actes + 1):
        reference = f"N1850-{acte:06d} Le Bihan Hervé Marie-Josèphe Aline"
        export.write(f"TABRENNV3;{acte};{reference};Saint-Brieuc;22;N;31/02/1850;{';' * 22}\r\n".encode("cp1252"))
        rapport.write(f"{reference} : 31/02/1850\n")
PY
}

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
photographie "$sortie/fenetre-windows.png"
rapport_copie "$attendu"
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

echo "--- 5. de longs rapports"
for actes in 5000 100000; do
  export_refuse "$actes"
  lance
  ouvre "$travail/export-$actes.txt"
  clique 220 197
  boite_attendue "Bravo !" "Copiez les résultats !"
  rapport_copie "$travail/rapport-$actes.txt"
  echo "Rapport de $actes dates refusées copié entier"
  clique 364 197
  fin_attendue
done

echo "--- 6. à 120 et 144 points par pouce"
for points in "120 546 305" "144 683 382"; do
  read -r ppp largeur_attendue hauteur_attendue <<<"$points"
  points_par_pouce "$ppp"
  lance
  [ "$largeur" = "$largeur_attendue" ] && [ "$hauteur" = "$hauteur_attendue" ] ||
    echec "à $ppp points par pouce, zone cliente de ${largeur}x${hauteur} au lieu de ${largeur_attendue}x${hauteur_attendue}"
  ouvre "$travail/mariages-a-corriger.txt"
  clique 220 197
  boite_attendue "Bravo !" "Copiez les résultats !"
  photographie "$sortie/fenetre-windows-$ppp.png"
  clique 364 197
  fin_attendue
  echo "À $ppp points par pouce : zone cliente de ${largeur}x${hauteur}"
done
points_par_pouce 96
echo "Fenêtre Windows conforme"
