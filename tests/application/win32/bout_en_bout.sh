#!/usr/bin/env bash
# The Windows window end to end, under Wine on an X display (run by
# sous-wine-xvfb.sh), driven as a person does it, with real pointer and key
# events:
#   1. the window appears with its caption and its client size; from the
#      keyboard alone: Alt+O, the sample export's Z:\ path given to the
#      dialog, Return, Alt+T, Return on the box "Bravo !", the report selected
#      and copied through its context menu (Shift+F10): the clipboard holds
#      the refused dates in the file's order, accents right; a picture of the
#      window is kept; Alt+Q ends the run with status 0;
#   2. "Traite" before any "Ouvre" shows "Erreur E/S 103." captioned with
#      the title; Alt+F4 ends the run with status 0;
#   3. a file without the marker shows "Attention !", and the run ends by
#      itself with status 0;
#   4. a file that a second Windows program holds open for writing shows
#      "Erreur E/S 32.";
#   5. a report of 200 000 refused dates of 60 characters, far past the
#      64 000 characters of the rich-text control's default limit, is copied
#      whole; 20 000 under 32-bit Wine, whose control slows down faster than
#      linearly (50 000 lines take about 90 s there). The check is long:
#      6 s after its bar shows, with the bar short of its end, a second
#      program finds the window answering and not hung; a click on "Quitte",
#      one on "Ouvre", Alt+Q and Alt+F4 made then do nothing, then or
#      afterwards;
#   6. at 120 and 144 dots per inch (Wine's LogPixels), the window scales
#      its layout by the measured text height of its font; pictures of the
#      report at both are kept;
#   7. started with the export as its argument, "Traite" gives its report;
#      with a missing file, "Fichier introuvable."; with two files, the
#      French message.
#   8. under the Japanese system code page (932) and French settings: a file
#      in a folder whose letters that code page lacks, « Łódź », whose dates
#      hold double-byte characters and one ends in a lone lead byte: the
#      report copied, in Unicode, is field 3, " : ", field 7 of each refused
#      date as the companion's JSON gives them (U+FFFD for the lone byte).
# Arguments: Controle.exe, aide-essais.exe, the folder of the sample
# exports, the folder for the pictures of the window.
set -euo pipefail
programme=$1
aide=$2
exemples=$3
sortie=$4
attendu="$(dirname "$0")/../../depart/rapport-mariages-a-corriger.txt"

source "$(dirname "$0")/pilotage.sh"
cp "$exemples/mariages-a-corriger.txt" "$travail/"
cp "$exemples/mariages-a-corriger.txt" "$travail/tenu.txt"
printf 'une ligne\r\nsans la marque\r\n' >"$travail/sans-marque.txt"

# A picture of the window, the pointer away so that no tooltip covers it.
photographie() {
  xdotool mousemove 0 0
  sleep 1
  import -window root "$travail/ecran.png"
  eval "$(xdotool getwindowgeometry --shell "$fenetre")"
  convert "$travail/ecran.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# The report selected in the box and copied, by a click in it and the keys,
# or by the keys given; the clipboard's Unicode text, as Windows programs
# read it, must hold the lines of the file given (UTF-8), each ended by a
# line break. (A long text does not reach X's clipboard from Wine.)
rapport_copie() {
  local attendu=$1
  shift
  [ $# -gt 0 ] || { clique 200 80; set -- ctrl+a ctrl+c; }
  # A long report takes a while to reach the clipboard; until then it holds
  # the previous copy.
  for essai in $(seq 240); do
    [ $((essai % 40)) -eq 1 ] && xdotool key --delay 300 "$@"
    sleep 0.5
    wine "$aide" presse-papiers </dev/null 2>/dev/null | tr -d '\r' >"$travail/rapport.txt" || true
    cmp -s "$attendu" "$travail/rapport.txt" && return 0
  done
  echec "le rapport copié diffère ($(wc -l <"$travail/rapport.txt") lignes sur $(wc -l <"$attendu"))"
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

echo "--- 1. le rapport d'un export à corriger"
lance
[ "$caption" = "$titre" ] || echec "la fenêtre s'intitule « $caption »"
[ "$largeur" = 444 ] && [ "$hauteur" = 248 ] || echec "zone cliente de ${largeur}x${hauteur} au lieu de 444x248"
echo "Fenêtre « $caption », zone cliente ${largeur}x${hauteur}"
# Keys go to Wine's foreground window: the pointer rests on the window.
xdotool mousemove $((gauche + 200)) $((haut + 100))
ouvre --clavier "$travail/mariages-a-corriger.txt"
xdotool key alt+t
boite_attendue "Bravo !" "Copiez les résultats !"
photographie "$sortie/fenetre-windows.png"
xdotool mousemove $((gauche + 200)) $((haut + 100))
rapport_copie "$attendu" shift+Tab shift+F10 t shift+F10 c
echo "Rapport copié conforme, au clavier"
xdotool key alt+q
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

echo "--- 5. un long rapport"
refus=200000
[ "${WINEARCH:-}" = win32 ] && refus=20000
export_refuse "$refus"
lance
ouvre "$travail/export-$refus.txt"
clique 220 197
wine "$aide" occupee 6 </dev/null >"$travail/occupee.txt" 2>&1
clique 364 197
clique 76 197
xdotool key alt+q alt+F4
wine "$aide" occupee 0 </dev/null >>"$travail/occupee.txt" 2>&1
cat "$travail/occupee.txt"
awk -F'[ ,/]+' -v n="$refus" '$2 != 0 || $4 < 0 || $4 > 0.9 * n { exit 1 }' "$travail/occupee.txt" ||
  echec "fenêtre pendue, ou contrôle achevé avant les clics"
boite_attendue "Bravo !" "Copiez les résultats !"
[ -z "$(fenetre_nommee Ouvrir)" ] && kill -0 "$pid" || echec "un clic fait pendant le contrôle a agi"
rapport_copie "$travail/rapport-$refus.txt"
echo "Rapport de $refus dates refusées copié entier"
clique 364 197
fin_attendue

echo "--- 6. à 120 et 144 points par pouce"
for points in "120 546 305" "144 649 362"; do
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

echo "--- 7. l'export donné au démarrage, puis un fichier absent, puis deux fichiers"
lance "$(winepath -w "$travail/mariages-a-corriger.txt")"
clique 220 197
boite_attendue "Bravo !" "Copiez les résultats !"
rapport_copie "$attendu"
clique 364 197
fin_attendue
for cas in "Controle|Fichier introuvable.|absent.txt" \
  "Attention !|Un seul fichier à la fois : donnez ou déposez un seul fichier export de Tabrenn 3.|a.txt b.txt"; do
  IFS='|' read -r titre_boite texte noms <<<"$cas"
  # shellcheck disable=SC2086
  lance $noms
  boite_attendue "$titre_boite" "$texte"
  clique 364 197
  fin_attendue
done

echo "--- 8. un dossier hors de la page de code 932, des dates à deux octets"
mkdir -p "$travail/Łódź"
printf 'TABRENNV3;1;%s;Plouha;22;N;%s;;;;;;;;;;;;;;;;;;;;;;;\r\n' 日本太郎 一八五〇年二月三十日 末尾 12/05/1850 x 1850 |
  iconv -t CP932 | sed '$s/1850/1850\x82/' >"$travail/Łódź/m.txt"
printf '日本太郎 : 一八五〇年二月三十日\nx : 1850\xef\xbf\xbd\n' >"$travail/attendu.txt"
LC_ALL= LC_CTYPE=ja_JP.UTF-8 lance
ouvre "$travail/Łódź/m.txt"
clique 220 197
boite_attendue "Bravo !" "Copiez les résultats !"
rapport_copie "$travail/attendu.txt"
clique 364 197
fin_attendue
echo "Rapport de Łódź\\m.txt copié conforme"
echo "Fenêtre Windows conforme"
