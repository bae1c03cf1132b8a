#!/usr/bin/env bash
# Builds the Debian package from the default build and checks it as a user
# gets it: lintian, the AppStream description and the desktop entry pass
# their validators; the guide is there, under /usr/share/controle-des-dates,
# with every picture it shows; apt-get installs it with its dependencies;
# the installed companion reports the six refused dates of the installed
# sample export; the installed window appears under Xvfb and ends on
# "Quitte", and without a display it says so in French with status 1;
# removing the package leaves none of its files. Whatever happens,
# the machine is left as it was: the package and the packages it brought in
# are purged.
set -euo pipefail
cd "$(dirname "$0")/.."

nom=controle-des-dates
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/defaut/CMakeCache.txt)
paquet="$(pwd)/build/defaut/${nom}_${version}_amd64.deb"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y)

travail=$(mktemp -d)
installe=""
# The package, then those of its dependencies that its installation added.
retire() {
  [ -n "$installe" ] || return 0
  installe=""
  "${apt[@]}" remove --purge "$nom" >/dev/null
  mapfile -t ajoutes < "$travail/ajoutes"
  [ ${#ajoutes[@]} -eq 0 ] || $sudo dpkg --purge "${ajoutes[@]}" >/dev/null
}
finit() {
  local statut=$?
  retire || echo "le paquet n'a pas pu être retiré"
  rm -rf "$travail"
  exit "$statut"
}
trap finit EXIT
trap 'exit 130' INT TERM

echo "--- construction"
cmake --build --preset defaut --target package >/dev/null
echo "$paquet"

echo "--- lintian"
lintian --fail-on error "$paquet" 2> >(grep -v 'root privileges' >&2)

echo "--- validateurs"
dpkg-deb -x "$paquet" "$travail/contenu"
metainfo="$travail/contenu/usr/share/metainfo/$nom.metainfo.xml"
[ -f "$metainfo" ] || { echo "pas de description AppStream dans le paquet"; exit 1; }
# The one warning left: the tool has no domain name of its own to build an
# identifier in reverse-domain form.
avis=$(appstreamcli validate --no-net "$metainfo" || true)
echo "$avis"
if grep -E '^[EW]:' <<<"$avis" | grep -vq 'cid-desktopapp-is-not-rdns'; then
  echo "description AppStream refusée"
  exit 1
fi
echo "(description AppStream admise : seul reste l'identifiant sans nom de domaine)"
desktop-file-validate "$travail/contenu/usr/share/applications/$nom.desktop"

echo "--- guide"
guide="$travail/contenu/usr/share/$nom/guide.html"
grep -q '<h1>Guide de Contrôle des dates</h1>' "$guide" || { echo "pas de guide dans le paquet"; exit 1; }
bash tests/documentation/verifie-liens.sh "$(dirname "$guide")" "$guide"

if dpkg-query -W -f='${Status}' "$nom" 2>/dev/null | grep -q 'install ok installed'; then
  echo "--- $nom est déjà installé sur cette machine : installation et retrait non essayés"
  exit 0
fi

echo "--- installation"
"${apt[@]}" install -s "$paquet" | awk '/^Inst /{print $2}' | grep -vx "$nom" > "$travail/ajoutes" || true
installe=1
"${apt[@]}" install "$paquet" >/dev/null
dpkg -L "$nom" > "$travail/fichiers"
echo "$(wc -l < "$travail/fichiers") chemins installés, $(wc -l < "$travail/ajoutes") paquets ajoutés"

echo "--- controle-dates-lot"
statut=0
LC_ALL=fr_FR.UTF-8 /usr/bin/controle-dates-lot "/usr/share/$nom/exemples/mariages-a-corriger.txt" \
  > "$travail/rapport" 2> "$travail/messages" || statut=$?
cat "$travail/rapport" "$travail/messages"
[ "$statut" -eq 1 ] && [ "$(grep -c ' : ' "$travail/rapport")" -eq 6 ] \
  && grep -qx 'Copiez les résultats !' "$travail/messages" \
  || { echo "rapport inattendu (statut $statut)"; exit 1; }

echo "--- Controle sous Xvfb"
# Qt keeps its run-time files in the test's folder, not in /tmp.
export XDG_RUNTIME_DIR="$travail/execution"
mkdir -m 700 "$XDG_RUNTIME_DIR"
bash tests/application/bout_en_bout.sh /usr/bin/Controle "$travail"

echo "--- Controle sans affichage"
statut=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/Controle 2> "$travail/sans-affichage" || statut=$?
cat "$travail/sans-affichage"
[ "$statut" -eq 1 ] && grep -q "aucun affichage graphique" "$travail/sans-affichage" \
  || { echo "fin inattendue sans affichage (statut $statut)"; exit 1; }

echo "--- retrait"
retire
restes=()
while read -r chemin; do
  [ "$chemin" = "/." ] && continue
  if [ -d "$chemin" ] && [ ! -L "$chemin" ]; then
    dpkg-query -S "$chemin" >/dev/null 2>&1 || restes+=("$chemin")
  elif [ -e "$chemin" ] || [ -L "$chemin" ]; then
    restes+=("$chemin")
  fi
done < "$travail/fichiers"
[ ${#restes[@]} -eq 0 ] || { printf 'reste après retrait : %s\n' "${restes[@]}"; exit 1; }
echo "Paquet retiré, aucun de ses fichiers ne reste"
