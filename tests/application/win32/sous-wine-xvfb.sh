#!/usr/bin/env bash
# Runs a command of the window's tests with Wine on an X display of its own:
#
#   sous-wine-xvfb.sh ARCHITECTURE DOSSIER COMMANDE [ARGUMENTS...]
#
# COMMANDE is a Windows program (run with wine) or a script, which then
# finds Wine's environment and DISPLAY set, "wine" and "winepath" of the
# build's ARCHITECTURE (win32 or win64, outils/environnement-wine.sh) first
# on PATH. DOSSIER holds a Wine prefix of
# the window's tests (never ~/.wine), made the first time with the fonts the
# window names, and a home folder for Wine. Xvfb picks its display itself, so
# runs never share one; Wine's server is started before the command and
# stopped after it, with every process of the prefix, and Xvfb with it.
# The command's exit status is the script's. It runs under French settings,
# or under the locale CONTROLE_LANG names, with the system's code page of
# the locale CONTROLE_SYSTEME names when it is given (LC_CTYPE).
set -euo pipefail

dossier=$(realpath -m "$2")
source "$(dirname "$0")/../../../outils/environnement-wine.sh"
environnement_wine "$1" "$dossier"
shift 2
export LANG=${CONTROLE_LANG:-fr_FR.UTF-8}
if [ -n "${CONTROLE_SYSTEME:-}" ]; then
  unset LC_ALL
  export LC_CTYPE=$CONTROLE_SYSTEME
else
  export LC_ALL=$LANG
fi
mkdir -p "$WINEPREFIX"

travail=$(mktemp -d)
xvfb=""
termine() {
  arrete_wine
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$travail"
}
trap termine EXIT

# Room for the window at 150 % (144 dots per inch) where the layout puts it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/ecran" </dev/null >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do [ -s "$travail/ecran" ] && break; sleep 0.05; done
[ -s "$travail/ecran" ] || { echo "Xvfb n'a pas démarré"; exit 1; }
export DISPLAY=":$(cat "$travail/ecran")"

# The server and Wine's helper processes start with no pipe of the caller,
# so that they never keep a test waiting; the first time, this makes the prefix.
timeout 10 wineserver -p </dev/null >/dev/null 2>&1
timeout 240 wine cmd /c exit </dev/null >/dev/null 2>&1
if [ ! -f "$dossier/prefixe-pret" ]; then
  # Wine's own faces (Tahoma, MS Sans Serif...), "Comic Sans MS" drawn with
  # Comic Neue, a crash that ends the program instead of a dialog, and
  # windows that Wine frames itself, since no window manager runs here
  # (Wine would otherwise wait for one whenever a window is hidden).
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  cat >"$travail/reglages.reg" <<'FIN'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Comic Sans MS"="Comic Neue"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
FIN
  timeout 60 wine regedit /S "$(winepath -w "$travail/reglages.reg")" </dev/null >/dev/null 2>&1
  touch "$dossier/prefixe-pret"
fi

statut=0
case "$1" in
*.exe) timeout -k 5 300 wine "$@" || statut=$? ;;
*) "$@" || statut=$? ;;
esac
exit $statut
