#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in a Wine prefix of the
# build's own (never ~/.wine), with nothing written into the user's home:
#
#   outils/sous-wine.sh DOSSIER PROGRAMME.exe [ARGUMENTS...]
#   outils/sous-wine.sh DOSSIER --demarre   # Wine's server, kept until --arrete
#   outils/sous-wine.sh DOSSIER --arrete    # ends every process of the prefix
#
# DOSSIER holds the prefix and a home folder for Wine. The tests start the
# server once for the whole run: each program then starts in a fraction of a
# second, and the server and Wine's helper processes, started with no pipe of
# the caller, never keep a test waiting for them.
set -euo pipefail

dossier=$(realpath -m "$1")
shift
export WINEARCH=win32
export WINEPREFIX="$dossier/prefixe"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME="$dossier/maison"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

# The folder of the server's socket: named after the prefix's device and inode.
dossier_serveur() {
    local peripherique inode
    read -r peripherique inode < <(stat -c '%d %i' "$WINEPREFIX")
    printf 'server-%x-%x' "$peripherique" "$inode"
}

demarre() {
    local neuf=0
    [ -f "$WINEPREFIX/system.reg" ] || neuf=1
    mkdir -p "$WINEPREFIX"
    timeout 10 wineserver -p </dev/null >/dev/null 2>&1
    # Makes the prefix the first time, and starts Wine's helper processes.
    timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
    if [ $neuf -eq 1 ]; then
        # A crash ends the program with its code instead of waiting on a dialog.
        timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            </dev/null >/dev/null 2>&1
    fi
}

arrete() {
    local nom
    nom=$(dossier_serveur)
    timeout 30 wineserver -k </dev/null >/dev/null 2>&1 || true
    timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || true
    for place in "${TMPDIR:-/tmp}"/wine-*/"$nom"; do
        [ -d "$place" ] || continue
        rm -rf "$place"
        rmdir "$(dirname "$place")" 2>/dev/null || true
    done
}

case "${1:-}" in
--demarre) demarre ;;
--arrete) arrete ;;
*) exec timeout -k 5 "${CONTROLE_DELAI_WINE:-600}" wine "$@" ;;
esac
