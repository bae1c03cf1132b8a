#!/usr/bin/env bash
# Says whether this machine runs 32-bit (i386) Linux programs natively, as
# 32-bit Wine needs: exit status 0 when it does, else 1 with the reason on
# standard output. Some machines of the project's kind cannot (the kernel
# refuses an i386 program); where a binfmt entry hands such programs to an
# emulator, they would run, but far too slowly for the tests, and that too
# counts as "no". The check runs a minimal i386 program of its own (written
# here, no package needed) that exits with status 42, within a few seconds.
# CONTROLE_SANS_32_BITS=1 makes the answer "no" whatever the machine, so that
# the set-up of such a machine can be tried on any machine.
set -uo pipefail

non() {
  echo "cette machine n'exécute pas les programmes 32 bits ($1)"
  exit 1
}

[ "${CONTROLE_SANS_32_BITS:-0}" = 1 ] && non "CONTROLE_SANS_32_BITS=1"
for entree in /proc/sys/fs/binfmt_misc/*i386* /proc/sys/fs/binfmt_misc/*i486* /proc/sys/fs/binfmt_misc/*i686*; do
  [ -f "$entree" ] && head -n 1 "$entree" | grep -qx enabled && non "émulés par $(basename "$entree")"
done

programme=$(mktemp)
trap 'rm -f "$programme"' EXIT
# ELF header (52 bytes), one loadable segment (32 bytes), then the code:
# xor ebx,ebx; mov bl,42; xor eax,eax; inc eax; int 0x80 (exit(42)).
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0' >"$programme"
printf '\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >>"$programme"
printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$programme"
printf '\61\333\263\52\61\300\100\315\200' >>"$programme"
chmod +x "$programme"
statut=0
timeout 5 "$programme" 2>/dev/null || statut=$?
[ "$statut" -eq 42 ] || non "un programme i386 ne démarre pas"
exit 0
