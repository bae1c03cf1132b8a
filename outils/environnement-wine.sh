# Wine's environment for the Windows build's programs, sourced by
# outils/sous-wine.sh and the window tests' sous-wine-xvfb.sh:
#
#   environnement_wine ARCHITECTURE DOSSIER
#
# ARCHITECTURE is win32 (the 32-bit build, 32-bit Wine) or win64 (the 64-bit
# build, 64-bit Wine). DOSSIER holds the prefix (never ~/.wine), a home
# folder for Wine, so that nothing is written into the user's, and the
# commands "wine" and "winepath" of that architecture, put first on PATH for
# the scripts that call them: Debian's own "wine" always starts the 32-bit
# loader when 32-bit Wine is installed, whatever the prefix. On a machine
# that cannot run 32-bit programs natively, win32 prints why and exits with
# status 77, which CTest reports as a skipped test.
# arrete_wine then ends every process of the prefix and removes its socket.

environnement_wine() {
  local architecture=$1 dossier=$2 chargeur
  case "$architecture" in
  win32) chargeur=/usr/lib/wine/wine ;;
  win64) chargeur=/usr/lib/wine/wine64 ;;
  *) echo "architecture inconnue : $architecture" >&2; exit 2 ;;
  esac
  if [ "$architecture" = win32 ]; then
    local raison
    raison=$(bash "$(dirname "${BASH_SOURCE[0]}")/machine-32-bits.sh") || { echo "ignoré : $raison"; exit 77; }
    [ -x "$chargeur" ] || { echo "ignoré : Wine 32 bits n'est pas installé (outils/installe.sh l'a-t-il pu ?)"; exit 77; }
  fi
  export WINEARCH=$architecture
  export WINEPREFIX="$dossier/prefixe"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export HOME="$dossier/maison"
  mkdir -p "$HOME" "$dossier/commandes"
  printf '#!/bin/sh\nexec %s "$@"\n' "$chargeur" >"$dossier/commandes/wine"
  printf '#!/bin/sh\nexec %s winepath.exe "$@"\n' "$chargeur" >"$dossier/commandes/winepath"
  chmod +x "$dossier/commandes/wine" "$dossier/commandes/winepath"
  export PATH="$dossier/commandes:$PATH"
}

# The folder of the server's socket: named after the prefix's device and inode.
dossier_serveur_wine() {
  local peripherique inode
  read -r peripherique inode < <(stat -c '%d %i' "$WINEPREFIX")
  printf 'server-%x-%x' "$peripherique" "$inode"
}

arrete_wine() {
  [ -d "$WINEPREFIX" ] || return 0
  local nom place
  nom=$(dossier_serveur_wine)
  timeout 30 wineserver -k </dev/null >/dev/null 2>&1 || true
  timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || true
  for place in "${TMPDIR:-/tmp}"/wine-*/"$nom"; do
    [ -d "$place" ] || continue
    rm -rf "$place"
    rmdir "$(dirname "$place")" 2>/dev/null || true
  done
}
