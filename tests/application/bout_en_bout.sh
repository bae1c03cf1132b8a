#!/usr/bin/env bash
# End-to-end run of the real program on its own Xvfb display: it starts,
# its window appears with its caption, pictures of the screen and of the
# window are taken, and a click on "Quitte" ends it with exit status 0.
# Prints the start-up time, from the program's launch to its window mapped.
# The display is picked by Xvfb itself (-displayfd), so that runs in
# parallel never share one.
# Arguments: the program, the folder for the pictures.
set -euo pipefail
programme=$1
sortie=$2
titre="Contrôle des dates invalides V. 1.01"

travail=$(mktemp -d)
xvfb=""
finit() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$travail"
}
trap finit EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$travail/ecran" 2>/dev/null &
xvfb=$!
for _ in $(seq 200); do [ -s "$travail/ecran" ] && break; sleep 0.05; done
[ -s "$travail/ecran" ] || { echo "Xvfb n'a pas démarré"; exit 1; }
export DISPLAY=":$(cat "$travail/ecran")" QT_QPA_PLATFORM=xcb
export LANG=fr_FR.UTF-8 LC_ALL= XDG_CONFIG_HOME="$travail/config"

# The moment the window is mapped is read from the X server's own events.
stdbuf -oL xev -root -event substructure > "$travail/evenements" 2>/dev/null &
espion=$!
sleep 0.2
debut=$(date +%s%N)
"$programme" &
pid=$!
fin=""
for _ in $(seq 4000); do
  grep -q '^MapNotify' "$travail/evenements" && { fin=$(date +%s%N); break; }
  sleep 0.005
done
kill "$espion" 2>/dev/null
fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name "$titre" | head -n 1 || true)
[ -n "$fin" ] && [ -n "$fenetre" ] || { echo "la fenêtre n'est pas apparue"; kill "$pid"; exit 1; }
echo "Fenêtre affichée en $(( (fin - debut) / 1000000 )) ms"

# Let the window paint itself, then keep pictures of the screen and of it.
sleep 1
import -window root "$sortie/ecran.png"
import -window "$fenetre" "$sortie/fenetre.png"

# "Quitte" lies at (296, 172), 137 by 50, in the window's client area.
xdotool mousemove --window "$fenetre" 364 197 click 1
timeout 10 tail --pid="$pid" -f /dev/null || { echo "le programme ne s'est pas terminé"; kill "$pid"; exit 1; }
statut=0
wait "$pid" || statut=$?
echo "Statut de sortie : $statut"
[ "$statut" -eq 0 ]
