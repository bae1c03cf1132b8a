#!/usr/bin/env bash
# The whole job as a person does it, with the real program on an X display
# (run under xvfb-run): "Ouvre", the path typed into the real dialog,
# "Traite", the closing box answered, the report selected and copied, the
# clipboard read and compared with the expected lines, "Quitte". Without
# an option, the export is given on the command line instead of the
# dialog, as a name relative to the current folder.
#
# With --clavier, the same job from the keyboard alone (Alt+O, the path
# typed, Return, Alt+T, Return on the box, Shift+Tab to the report, Ctrl+A,
# Ctrl+C, Alt+Q) on a long export: the sample's lines, then 3 000 000
# valid ones. While "Traite" runs, the program is held still (SIGSTOP) with
# its bar short of its end; a click on "Quitte", one on "Ouvre" and Alt+Q
# are made, and it goes on: they act neither then nor afterwards.
#
# With --surveille, the run is watched by strace: the export must be opened
# read-only, and nothing may be created, written, removed or changed in the
# export's folder or in the user's home folder. Skipped (status 77) when
# strace is missing or not allowed to trace.
#
# Arguments: the program, the folder of the sample exports, the folder for
# the screenshot, and optionally --surveille or --clavier.
set -euo pipefail
programme=$1
exemples=$2
sortie=$3
surveille=${4:-}
titre="Contrôle des dates invalides V. 1.01"

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
dossierExport="$travail/exports"
maison="$travail/maison"
mkdir -p "$dossierExport" "$maison/Documents" "$travail/xdg/config" "$travail/xdg/cache" "$travail/xdg/data"
cp "$exemples/mariages-a-corriger.txt" "$dossierExport/"
export LANG=fr_FR.UTF-8 LC_ALL= HOME="$maison"
export XDG_CONFIG_HOME="$travail/xdg/config" XDG_CACHE_HOME="$travail/xdg/cache" XDG_DATA_HOME="$travail/xdg/data"

lancement=("$programme")
if [ "$surveille" = "--surveille" ]; then
  if ! command -v strace >/dev/null || ! strace -f -qq -o /dev/null true 2>/dev/null; then
    echo "strace absent ou traçage refusé : test sauté"
    exit 77
  fi
  # The leak checker stops the program's threads by tracing them, which a
  # traced program does not allow: the unwatched run checks the leaks.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  lancement=(strace -f -qq -o "$travail/appels.txt"
    -e trace=open,openat,openat2,creat,mkdir,mkdirat,unlink,unlinkat,rename,renameat,renameat2,truncate,ftruncate,chmod,fchmodat,utimensat,link,linkat,symlink,symlinkat
    "$programme")
fi
etatAvant=$(cd "$travail" && find exports maison -printf '%p %s %T@ %m\n' | sort)

source "$(dirname "$0")/../support/attends.sh"

[ -n "$surveille" ] || lancement+=(mariages-a-corriger.txt)
(cd "$dossierExport" && exec "${lancement[@]}") &
pid=$!
fenetre=$(attends xdotool search --onlyvisible --name "$titre" | head -n 1)
sleep 0.5
# The number of pixels of a colour in a part of the window (WxH+X+Y), when
# it is above 0 and below a bound. What is done while "Ouvre" counts the
# lines is thrown away: "Traite" waits until the count shows in its field.
teinte() {
  local n
  n=$(import -window "$fenetre" png:- | convert - -crop "$1" txt:- | grep -c "$2")
  [ "$n" -gt 0 ] && [ "$n" -lt "$3" ] && echo "$n"
}

clavier() { [ "$surveille" = "--clavier" ]; }

# "Ouvre" at (8, 172), 137 by 50, or Alt+O; the dialog takes the typed path.
if [ -n "$surveille" ]; then
  export=mariages-a-corriger.txt
  if clavier; then
    export=long.txt
    python3 -c 'import sys; sys.stdout.buffer.write(open(sys.argv[1], "rb").read() + b"TABRENNV3;0;r;;;M;17/07/1851;\r\n" * 3000000)' \
      "$exemples/mariages-a-corriger.txt" >"$dossierExport/$export"
    xdotool windowfocus --sync "$fenetre" key alt+o
  else
    xdotool mousemove --window "$fenetre" 76 197 click 1
  fi
  dialogue=$(attends bash -c "xdotool search --onlyvisible --class Controle | grep -vx $fenetre | head -n 1")
  ! clavier || import -window "$dialogue" "$sortie/dialogue-ouverture.png"
  xdotool windowfocus --sync "$dialogue" type --delay 5 "$dossierExport/$export"
  xdotool key Return
  attends teinte 184x20+250+95 '#008080' 9999 >/dev/null
fi

# "Traite" at (152, 172), or Alt+T; the closing box is answered with Return.
if clavier; then
  xdotool windowfocus --sync "$fenetre" key alt+t
  # The band of the bar, 271 pixels long inside its frame at (160, 136).
  attends teinte 271x1+161+144 '#316AC5' 200 >/dev/null
  kill -STOP "$pid"
  n=$(teinte 271x1+161+144 '#316AC5' 271) || { echo "la barre n'était pas en cours"; exit 1; }
  xdotool mousemove --window "$fenetre" 364 197 click 1 mousemove --window "$fenetre" 76 197 click 1 key alt+q
  kill -CONT "$pid"
  echo "Clics faits pendant « Traite », la barre à $n pixels sur 271"
else
  xdotool mousemove --window "$fenetre" 220 197 click 1
fi
boite=$(attends xdotool search --onlyvisible --name "Bravo !" | head -n 1)
xdotool windowfocus --sync "$boite" key Return
sleep 1
import -window "$fenetre" "$sortie/fenetre-rapport.png"

# The report box lies at the window's top left corner, 441 by 161; from the
# keyboard, Shift+Tab from the memo reaches it.
if clavier; then
  [ "$(xdotool search --onlyvisible --class Controle | wc -l)" -eq 1 ] && kill -0 "$pid" ||
    { echo "un clic fait pendant « Traite » a agi"; exit 1; }
  copie=(windowfocus --sync "$fenetre" key shift+Tab) fin=(key alt+q)
else
  copie=(mousemove --window "$fenetre" 200 80 click 1) fin=(mousemove --window "$fenetre" 364 197 click 1)
fi
xdotool "${copie[@]}" key ctrl+a ctrl+c sleep 0.3
xclip -o -selection clipboard >"$travail/presse-papiers.txt"
xdotool "${fin[@]}"
timeout 20 tail --pid="$pid" -f /dev/null || { echo "le programme ne s'est pas terminé"; kill "$pid"; exit 1; }
wait "$pid"

diff "$(dirname "$0")/rapport-mariages-a-corriger.txt" <(sed 's/\r$//' "$travail/presse-papiers.txt")
echo "Rapport copié conforme"

if [ "$surveille" = "--surveille" ]; then
  export_ouvert=$(grep -F "$dossierExport/mariages-a-corriger.txt" "$travail/appels.txt" || true)
  echo "$export_ouvert"
  [ -n "$export_ouvert" ] || { echo "l'export n'a pas été ouvert"; exit 1; }
  if grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC' <<<"$export_ouvert"; then
    echo "l'export a été ouvert autrement qu'en lecture"; exit 1
  fi
  # Any change made under the export's folder or the home folder.
  changements=$(grep -E "\"($dossierExport|$maison)[^\"]*\"" "$travail/appels.txt" |
    grep -E '^[0-9]+ +(creat|mkdir|unlink|rename|truncate|chmod|fchmodat|utimensat|link|symlink)|O_WRONLY|O_RDWR|O_CREAT' |
    grep -v ' = -1 ' || true)
  [ -z "$changements" ] || { echo "écritures du programme :"; echo "$changements"; exit 1; }
  etatApres=$(cd "$travail" && find exports maison -printf '%p %s %T@ %m\n' | sort)
  [ "$etatAvant" = "$etatApres" ] || { echo "dossiers changés :"; diff <(echo "$etatAvant") <(echo "$etatApres"); exit 1; }
  echo "Aucune écriture dans le dossier de l'export ni dans le dossier personnel"
fi
