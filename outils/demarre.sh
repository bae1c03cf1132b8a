#!/usr/bin/env bash
# Installs what is missing, builds the window's program (not the tests) and
# starts it. Without a graphical display (over SSH, from a console) it says
# so at once, before installing and building, and ends with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

sans_affichage() {
  echo "Contrôle des dates ne peut pas ouvrir sa fenêtre : $1." >&2
  echo "Lancez outils/demarre.sh depuis votre session de bureau, ou contrôlez vos exports sans fenêtre avec controle-dates-lot (cmake --build --preset defaut --target controle-dates-lot)." >&2
  exit 1
}
# A platform the user chose himself (QT_QPA_PLATFORM) is his business.
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
  [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || sans_affichage "aucun affichage graphique n'est disponible"
  if [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null && ! timeout 10 xdpyinfo >/dev/null 2>&1; then
    sans_affichage "l'affichage graphique $DISPLAY ne répond pas"
  fi
fi
bash outils/installe.sh
cmake --preset defaut >/dev/null
cmake --build --preset defaut --target Controle
echo "Exemples d'exports à ouvrir : $(pwd)/exemples/"
exec build/defaut/src/application/qt/Controle "$@"
