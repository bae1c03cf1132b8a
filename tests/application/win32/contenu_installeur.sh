#!/usr/bin/env bash
# The installer's contents, read without running it (7-Zip lists an NSIS
# archive), so that it is checked on every machine: the two programs, the
# licence of the logo's decoder and the uninstaller, nothing else; both
# programs for the build's processor (the 32-bit build's installer is the one
# users get, and must hold 32-bit programs).
# Arguments: the installer, win32 or win64.
set -euo pipefail
installeur=$1
architecture=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echec() {
  echo "ÉCHEC : $*"
  exit 1
}

contenu=$(7z l -slt "$installeur" | sed -n 's/^Path = //p' | grep -v -e '^\$PLUGINSDIR/' -e "^$installeur\$" | LC_ALL=C sort)
attendu=$'Controle.exe\nDesinstaller.exe\ncontrole-dates-lot.exe\nlicences/libjpeg-turbo/LICENSE.md\nlicences/libjpeg-turbo/README.ijg'
[ "$contenu" = "$attendu" ] || echec "contenu de l'installeur : $contenu"

case "$architecture" in
win32) processeur='PE32 executable .* Intel 80386' ;;
win64) processeur='PE32\+ executable .* x86-64' ;;
esac
7z x -o"$travail" "$installeur" Controle.exe controle-dates-lot.exe >/dev/null
for programme in Controle.exe controle-dates-lot.exe; do
  file "$travail/$programme" | grep -Eq "$processeur" || echec "$programme : $(file -b "$travail/$programme")"
done
echo "L'installeur contient les deux programmes ($architecture), la licence et le désinstalleur"
