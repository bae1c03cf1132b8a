#!/usr/bin/env bash
# The installer's contents, read without running it (7-Zip lists an NSIS
# archive and reads a program's resources), so that it is checked on every
# machine: the two programs, the licence of the logo's decoder, the
# uninstaller, the guide with every picture it shows and the sample exports,
# nothing else; both programs for the build's processor (the 32-bit
# installer, for 32-bit Windows, must hold 32-bit programs); each with its
# manifest (run as the user who starts it, Windows Vista to 11, the window
# aware of the screen's DPI, the companion not), its French version
# information, and no ANSI call that names a file among its imports (a name
# outside the system's code page would not open); the installer asking for
# no administrator rights.
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
attendu=$'Controle.exe\nDesinstaller.exe\ncontrole-dates-lot.exe\nexemples/mariages-a-corriger.txt\nexemples/naissances-valides.txt\nguide.html\nlicences/libjpeg-turbo/LICENSE.md\nlicences/libjpeg-turbo/README.ijg'
[ "$(grep -v '^guide/' <<<"$contenu")" = "$attendu" ] || echec "contenu de l'installeur : $contenu"
7z x -o"$travail/guide" "$installeur" guide.html 'guide/*' >/dev/null
bash "$(dirname "$0")/../../documentation/verifie-liens.sh" "$travail/guide" "$travail/guide/guide.html" ||
  echec "le guide de l'installeur"

case "$architecture" in
win32) processeur='PE32 executable .* Intel 80386' ;;
win64) processeur='PE32\+ executable .* x86-64' ;;
esac
7z x -o"$travail" "$installeur" Controle.exe controle-dates-lot.exe >/dev/null

# A resource of a program: the manifest (.rsrc/MANIFEST/1) or the version
# information as 7-Zip writes it out (.rsrc/version.txt, UTF-16).
ressource() { 7z x -tPE -so "$1" "$2" 2>/dev/null | { [ "$2" = .rsrc/version.txt ] && iconv -f UTF-16LE -t UTF-8 || cat; }; }
niveau_demande() { ressource "$1" .rsrc/MANIFEST/1 | grep -o 'requestedExecutionLevel level="[a-zA-Z]*"'; }

for programme in Controle.exe controle-dates-lot.exe; do
  chemin="$travail/$programme"
  file "$chemin" | grep -Eq "$processeur" || echec "$programme : $(file -b "$chemin")"
  manifeste=$(ressource "$chemin" .rsrc/MANIFEST/1)
  [ "$(niveau_demande "$chemin")" = 'requestedExecutionLevel level="asInvoker"' ] || echec "$programme : manifeste $manifeste"
  [ "$(grep -c '<supportedOS Id=' <<<"$manifeste")" -eq 5 ] || echec "$programme : systèmes du manifeste"
  grep -q 'dependentAssembly' <<<"$manifeste" && echec "$programme : dépend d'un assemblage"
  sensible=$(grep -c '<dpiAware[^>]*>true</dpiAware>' <<<"$manifeste" || true)
  [ "$sensible" -eq "$([ "$programme" = Controle.exe ] && echo 1 || echo 0)" ] || echec "$programme : dpiAware"
  ansi=$(objdump -p "$chemin" |
    grep -owE 'CreateFileA|GetOpenFileNameA|GetModuleFileNameA|GetCurrentDirectoryA|SetCurrentDirectoryA' || true)
  [ -z "$ansi" ] || echec "$programme importe $(echo $ansi)"
  version=$(ressource "$chemin" .rsrc/version.txt | tr -d '\r')
  for valeur in '"ProductName", *"Contrôle des dates invalides"' '"ProductVersion", *"1.01"' \
    '"FileVersion", *"1.01"' '"FileDescription", *"Contrôle des dates[^"]*"' "\"OriginalFilename\", *\"$programme\""; do
    grep -Eq "VALUE *$valeur" <<<"$version" || echec "$programme : version sans $valeur"
  done
done
[ "$(niveau_demande "$installeur")" = 'requestedExecutionLevel level="asInvoker"' ] ||
  echec "l'installeur demande : $(niveau_demande "$installeur")"
echo "L'installeur, sans droits d'administrateur, contient les deux programmes ($architecture)," \
  "avec manifeste et version, sans appel ANSI de fichier, la licence, le désinstalleur et le guide"
