#!/usr/bin/env bash
# Every link and picture of the given pages leads to a file or folder under
# ROOT. A page in Markdown is first rendered by cmark-gfm, the guide's own
# converter, so that its links are read as a browser will read them (code
# spans left out, reference links resolved); a page in HTML is read as it
# stands. Web addresses and links within a page are not followed.
# Arguments: ROOT, then the pages.
set -euo pipefail
racine=$(realpath "$1")
shift
echecs=0
liens() {
  case "$1" in
  *.md) cmark-gfm --extension table "$1" ;;
  *) cat "$1" ;;
  esac | grep -oE '(href|src)="[^"]*"' | sed -E 's/^(href|src)="//; s/"$//' | grep -vE '^([a-zA-Z][a-zA-Z0-9+.-]*:|#)' || true
}
for page in "$@"; do
  while read -r lien; do
    [ -n "$lien" ] || continue
    chemin=${lien%%#*}
    chemin=${chemin//&amp;/&}
    cible=$(realpath -m "$(dirname "$page")/$(printf '%b' "${chemin//%/\\x}")")
    if [[ ! -e $cible || $cible != "$racine"/* ]]; then
      echo "$page : le lien « $lien » ne mène à aucun fichier"
      echecs=$((echecs + 1))
    fi
  done < <(liens "$page")
done
[ "$echecs" -eq 0 ] || exit 1
echo "$# pages : chaque lien mène à un fichier"
