#!/usr/bin/env bash
# Checks that the shared code compiles against the Windows headers: every
# header and source outside the platforms' folders, the two windows and the
# logo's decoder (which the Windows builds compile with their own libjpeg),
# compiled by the mingw-w64 i686 cross compiler with <windows.h> included
# first, as a Windows build includes it. Prints each file that fails and exits 1.
set -uo pipefail
cd "$(dirname "$0")/.."

compilateur=i686-w64-mingw32-g++-posix
# The header-only libraries of the companion, without the rest of the Linux
# headers beside them.
seules=$(mktemp -d)
trap 'rm -rf "$seules"' EXIT
ln -s /usr/include/nlohmann /usr/include/CLI "$seules"/
# The table of messages' header, generated as the build generates it.
cmake -DSORTIE="$seules/commun/TableMessagesUtf8.h" -P cmake/TableMessages.cmake
options=(-std=c++20 -fsyntax-only -finput-charset=UTF-8 -DNOMINMAX -DWIN32_LEAN_AND_MEAN -include windows.h
         -Isrc -Itests -I"$seules" -I/usr/src/googletest/googletest/include -I/usr/src/googletest/googlemock/include
         # What CMake defines for the companion and its tests.
         -DCONTROLE_VERSION=\"0\" -DCHEMIN_COMPAGNON=\"c\" -DDOSSIER_EXEMPLES=\"e\" -DPAGE_MANUEL=\"m\")

mapfile -t fichiers < <(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' |
  grep -v -e '/linux/' -e '/windows/' -e '^src/application/qt/' -e '^src/application/win32/' -e '^src/application/jpeg/' \
          -e '^tests/application/' \
          -e '^tests/depart/TestFenetreTraitement.cpp' -e '^tests/lot/TestCoherence.cpp')

# Two files at a time; xargs exits non-zero when one of them failed.
printf '%s\0' "${fichiers[@]}" |
  xargs -0 -P2 -I{} sh -c 'sortie=$("$0" "$@" -x c++ {} 2>&1) || { echo "--- {}"; echo "$sortie" | head -20; exit 1; }' \
    "$compilateur" "${options[@]}"
statut=$?
echo "${#fichiers[@]} fichiers partagés vérifiés avec les en-têtes Windows"
exit $statut
