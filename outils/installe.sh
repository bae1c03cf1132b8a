#!/usr/bin/env bash
# Installs, on a Debian machine, everything the tool, its tests and its
# benchmarks need: compilers, CMake and Ninja, Qt 6, libjpeg-turbo,
# nlohmann-json and CLI11 (the companion's JSON and options), GoogleTest and
# Google Benchmark, the glibc locales the tests use, the
# fonts that stand in for the Windows faces of the window, and the X tools
# the end-to-end tests drive, and the tools that build the Debian package and
# check it. Packages already present are left alone.
set -euo pipefail

paquets=(
  build-essential g++ clang libclang-rt-14-dev cmake ninja-build pkg-config clang-format git
  g++-mingw-w64-i686 googletest
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev
  nlohmann-json3-dev libcli11-dev
  locales-all
  fonts-liberation2 fonts-comic-neue fontconfig
  xvfb xauth xdotool xclip imagemagick x11-utils
  strace python3
  dpkg-dev file lintian appstream desktop-file-utils
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${manquants[@]}"
