#!/usr/bin/env bash
# Installs, on a Debian machine, everything the tool, its tests and its
# benchmarks need: compilers, CMake and Ninja, Qt 6 and its French
# translations, libjpeg-turbo,
# nlohmann-json and CLI11 (the companion's JSON and options), GoogleTest and
# Google Benchmark, the glibc locales the tests use, the fonts that stand in
# for the Windows faces of the window, the X tools the end-to-end tests
# drive, the tools that build the Debian package and check it, the converter
# that makes the guide a web page (cmark-gfm), and for the
# Windows builds the mingw-w64 cross compilers (32- and 64-bit), GoogleTest's
# sources, 64-bit Wine, Wine's own fonts, NSIS for the installer and 7-Zip
# to list it. 32-bit Wine (from the i386 architecture, added when missing)
# only on a machine that runs 32-bit programs natively
# (outils/machine-32-bits.sh): elsewhere it could not run, and a 64-bit Wine
# prefix would try to start its 32-bit side through it. Packages already
# present are left alone.
set -euo pipefail

paquets=(
  build-essential g++ clang libclang-rt-14-dev cmake ninja-build pkg-config clang-format git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev
  nlohmann-json3-dev libcli11-dev
  locales-all
  fonts-liberation2 fonts-comic-neue fontconfig
  xvfb xauth xdotool xclip imagemagick x11-utils
  strace python3
  dpkg-dev file lintian appstream desktop-file-utils cmark-gfm
  g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix googletest wine wine64 bsdutils fonts-wine nsis p7zip-full bc
)
machine_32_bits=0
if bash "$(dirname "$0")/machine-32-bits.sh" >/dev/null; then
  machine_32_bits=1
  paquets+=(wine32:i386)
fi

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ "${manquants[*]}" = wine32:i386 ]; then
  # Only 32-bit Wine is missing: an earlier run could not install it (see
  # below). One quick try with the lists in place, so that every later call
  # (outils/demarre.sh calls this script each time) stays fast.
  $sudo apt-get install -y --no-install-recommends wine32:i386 >/dev/null 2>&1 ||
    echo "Wine 32 bits ne s'installe toujours pas : les tests de la construction 32 bits seront ignorés" >&2
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
if [ $machine_32_bits -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails the update of one index ("File has
# unexpected size"): try again a little later, then go on with the lists
# that did arrive; the install below fails by itself if they are not enough.
for essai in 1 2 3; do
  $sudo apt-get update && break
  [ "$essai" -lt 3 ] && sleep 30
  echo "apt-get update a échoué (essai $essai sur 3)" >&2
done
if ! $sudo apt-get install -y --no-install-recommends "${manquants[@]}"; then
  # 32-bit Wine needs the i386 copy of dozens of libraries at the very
  # version of their amd64 copy; while the archive's i386 indexes lag (a
  # mirror mid-sync) it cannot be installed. Everything else still is, and
  # the 32-bit build's tests then say that they were skipped and why.
  [ $machine_32_bits -eq 1 ] || exit 1
  echo "Wine 32 bits ne s'installe pas aujourd'hui : le reste s'installe sans lui" >&2
  sans_wine32=()
  for p in "${manquants[@]}"; do [ "$p" = wine32:i386 ] || sans_wine32+=("$p"); done
  [ ${#sans_wine32[@]} -eq 0 ] || $sudo apt-get install -y --no-install-recommends "${sans_wine32[@]}"
fi
