#!/usr/bin/env bash
# Builds libjpeg-turbo for Windows (mingw-w64), for the logo of the Windows
# window: Debian has no mingw package of it, so its Debian source package is
# fetched and the static library cross-compiled from it.
#
#   outils/jpeg-mingw.sh DOSSIER CIBLE
#
# CIBLE is the compiler's target: i686-w64-mingw32 or x86_64-w64-mingw32.
# leaves DOSSIER/include (jpeglib.h and its companions), DOSSIER/lib/
# libjpeg.a, and its licence (LICENSE.md, README.ijg). Nothing is done when they are already there, so a build folder
# keeps them between runs. The machine's apt configuration is not touched:
# the source lists are fetched into DOSSIER, from the archive that the
# machine's own sources name.
set -euo pipefail

dossier=$(realpath -m "$1")
cible=$2
[ -f "$dossier/lib/libjpeg.a" ] && [ -f "$dossier/include/jpeglib.h" ] && [ -f "$dossier/README.ijg" ] && exit 0

travail="$dossier/travail"
rm -rf "$travail"
mkdir -p "$travail/listes/partial" "$travail/cache/archives/partial"

# The archive's address, as the machine's sources give it (deb822 or one-line form).
archive=$(
  { grep -h '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}'
    grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | sed 's/\[[^]]*\]//' | awk '{print $2}'; } |
    grep -v security | head -n 1 || true)
[ -n "$archive" ] || archive=http://deb.debian.org/debian
version_debian=$(. /etc/os-release && echo "$VERSION_CODENAME")
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archive $version_debian main" \
  >"$travail/sources.list"

apt_prive=(-o Dir::Etc::SourceList="$travail/sources.list" -o Dir::Etc::SourceParts=/dev/null
           -o Dir::State::Lists="$travail/listes" -o Dir::Cache="$travail/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
echo "libjpeg-turbo : sources de $archive ($version_debian)"
apt-get "${apt_prive[@]}" -qq update
(cd "$travail" && apt-get "${apt_prive[@]}" -qq source --download-only libjpeg-turbo)
(cd "$travail" && dpkg-source --no-check -x ./libjpeg-turbo_*.dsc sources >/dev/null)

# Only the static library: no SIMD (it needs an assembler for Windows), no
# TurboJPEG interface, no programs.
cmake -S "$travail/sources" -B "$travail/construction" -G Ninja \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR="${cible%%-*}" \
  -DCMAKE_C_COMPILER="$cible-gcc-posix" -DCMAKE_RC_COMPILER="$cible-windres" -Wno-dev \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dossier" -DENABLE_SHARED=OFF -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF >/dev/null
cmake --build "$travail/construction" --target jpeg-static -j2 >/dev/null

mkdir -p "$dossier/include" "$dossier/lib"
cp "$travail/sources"/{jpeglib.h,jmorecfg.h,jerror.h} "$travail/construction/jconfig.h" "$dossier/include/"
cp "$travail/construction/libjpeg.a" "$dossier/lib/libjpeg.a"
# Its licence goes with every program that carries it.
cp "$travail/sources/LICENSE.md" "$travail/sources/README.ijg" "$dossier/"
rm -rf "$travail"
echo "libjpeg-turbo pour Windows : $dossier"
