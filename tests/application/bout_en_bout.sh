#!/usr/bin/env bash
# End-to-end run of the real program on an X display (run under xvfb-run):
# it starts, its window appears with its caption, a screenshot is taken, a
# click on "Quitte" ends it with exit status 0. Prints the start-up time,
# from the program's launch to its window mapped.
# Arguments: the program, the folder for the screenshot.
set -euo pipefail
programme=$1
sortie=$2
titre="Contrôle des dates invalides V. 1.01"

export LANG=fr_FR.UTF-8 LC_ALL=
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

debut=$(date +%s%N)
"$programme" &
pid=$!
fenetre=""
for _ in $(seq 4000); do
  fenetre=$(xdotool search --onlyvisible --name "$titre" 2>/dev/null | head -n 1 || true)
  [ -n "$fenetre" ] && break
  sleep 0.005
done
fin=$(date +%s%N)
[ -n "$fenetre" ] || { echo "la fenêtre n'est pas apparue"; kill "$pid"; exit 1; }
echo "Fenêtre affichée en $(( (fin - debut) / 1000000 )) ms"

# Let the window paint itself, then keep pictures of the screen and of it.
sleep 1
import -window root "$sortie/ecran.png"
import -window "$fenetre" "$sortie/fenetre.png"

# "Quitte" lies at (296, 172), 137 by 50, in the window's client area.
xdotool mousemove --window "$fenetre" 364 197 click 1
statut=0
timeout 10 tail --pid="$pid" -f /dev/null || { echo "le programme ne s'est pas terminé"; kill "$pid"; exit 1; }
wait "$pid" || statut=$?
echo "Statut de sortie : $statut"
[ "$statut" -eq 0 ]
