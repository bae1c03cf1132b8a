#!/usr/bin/env bash
# Runs a program of a Windows build under Wine, in a Wine prefix of the
# build's own (never ~/.wine), with nothing written into the user's home:
#
#   outils/sous-wine.sh ARCHITECTURE DOSSIER PROGRAMME.exe [ARGUMENTS...]
#   outils/sous-wine.sh ARCHITECTURE DOSSIER --demarre   # Wine's server, kept until --arrete
#   outils/sous-wine.sh ARCHITECTURE DOSSIER --arrete    # ends every process of the prefix
#
# ARCHITECTURE is win64 for build/windows64, win32 for build/windows
# (outils/environnement-wine.sh); DOSSIER holds the prefix and a home folder
# for Wine. The tests start the server once for the whole run: each program
# then starts in a fraction of a second, and the server and Wine's helper
# processes, started with no pipe of the caller, never keep a test waiting.
set -euo pipefail
source "$(dirname "$0")/environnement-wine.sh"
environnement_wine "$1" "$(realpath -m "$2")"
shift 2
unset DISPLAY WAYLAND_DISPLAY

demarre() {
  local neuf=0
  [ -f "$WINEPREFIX/system.reg" ] || neuf=1
  mkdir -p "$WINEPREFIX"
  timeout 10 wineserver -p </dev/null >/dev/null 2>&1
  # Makes the prefix the first time, and starts Wine's helper processes.
  timeout 240 wine cmd /c exit </dev/null >/dev/null 2>&1
  if [ $neuf -eq 1 ]; then
    # A crash ends the program with its code instead of waiting on a dialog.
    timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1
  fi
}

case "${1:-}" in
--demarre) demarre ;;
--arrete) arrete_wine ;;
*) exec timeout -k 5 "${CONTROLE_DELAI_WINE:-600}" wine "$@" ;;
esac
