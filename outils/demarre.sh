#!/usr/bin/env bash
# Installs what is missing, builds the window's program (not the tests) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/installe.sh
cmake --preset defaut >/dev/null
cmake --build --preset defaut --target Controle
echo "Exemples d'exports à ouvrir : $(pwd)/exemples/"
exec build/defaut/src/application/qt/Controle "$@"
