# Polls a command until it prints something, at most 20 s, and prints that;
# sourced by the tests that drive a real window.
attends() {
  local resultat
  for _ in $(seq 200); do
    resultat=$("$@" 2>/dev/null || true)
    [ -n "$resultat" ] && { echo "$resultat"; return 0; }
    sleep 0.1
  done
  echo "attente vaine : $*" >&2
  return 1
}
