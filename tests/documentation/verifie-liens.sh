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
for page in "$@"; do
  [[ $page == *.md ]] && html=$(cmark-gfm --extension table "$page") || html=$(<"$page")
  # Each relative address, its fragment cut, its HTML and percent escapes undone.
  while read -r lien; do
    chemin=${lien%%#*} && chemin=${chemin//&amp;/&}
    cible=$(realpath -m "$(dirname "$page")/$(printf '%b' "${chemin//%/\\x}")")
    [[ -e $cible && $cible == "$racine"/* ]] || { echo "$page : le lien « $lien » ne mène à aucun fichier" && ((++echecs)); }
  done < <(grep -oE '(href|src)="[^"]*"' <<<"$html" | sed -E 's/^(href|src)="//; s/"$//' | grep -vE '^([a-zA-Z][a-zA-Z0-9+.-]*:|#|$)')
done
[ "$echecs" -eq 0 ] && echo "$# pages : chaque lien mène à un fichier"
