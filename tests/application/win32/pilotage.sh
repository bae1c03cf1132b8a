# The Windows window driven as a person does it, under Wine on an X display
# (sous-wine-xvfb.sh), with real pointer and key events; sourced by the
# end-to-end test and by outils/mesure-fenetres.sh, after they set
# "programme" (Controle.exe) and "aide" (aide-essais.exe). Gives a working
# folder "travail", removed at the end with every program started.
titre="Contrôle des dates invalides V. 1.01"
travail=$(mktemp -d)
lances=()
termine() {
  for pid in "${lances[@]}"; do kill "$pid" 2>/dev/null || true; done
  points_par_pouce 96
  rm -rf "$travail"
}
trap termine EXIT

echec() {
  echo "ÉCHEC : $*"
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../../support/attends.sh"

# The shown window of that caption that has a size (the application window,
# captioned with the title too, has none).
fenetre_nommee() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 1x1' || { echo "$id"; return; }
  done
}

# Starts the program with the arguments given; the second program tells the
# window's caption, its client area's size and where that area lies on the
# screen.
lance() {
  wine "$programme" "$@" </dev/null >"$travail/programme.txt" 2>&1 &
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
  texte=$(tr -d '\r' <"$travail/boite.txt")
  [ "$texte" = "$2" ] || echec "la boîte « $1 » dit « $texte » au lieu de « $2 »"
  xdotool mousemove --window "$(attends fenetre_nommee "$1")" 20 20
  xdotool key Return
  for _ in $(seq 100); do
    [ -z "$(fenetre_nommee "$1")" ] && break
    sleep 0.1
  done
  echo "Boîte « $1 » : $texte"
}

# "Ouvre", the file's path pasted into the real dialog from X's clipboard,
# which Wine reads as Unicode (xdotool cannot type letters beyond ASCII into
# Wine), then Return; with "--clavier", "Ouvre" pressed by Alt+O.
ouvre() {
  if [ "$1" = --clavier ]; then
    shift
    xdotool key alt+o
  else
    clique 76 197
  fi
  local dialogue
  dialogue=$(attends fenetre_nommee Ouvrir)
  xdotool mousemove --window "$dialogue" 200 60
  winepath -w "$1" | tr -d '\n' | timeout 30 xclip -selection clipboard -i &
  lances+=("$!")
  sleep 0.5
  xdotool key ctrl+v
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
