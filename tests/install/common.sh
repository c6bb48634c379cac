# shellcheck shell=bash
# Helpers for the install tests: fail with a message, check a command's output.
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Runs a program from an installed tree with nothing pointing it at its libraries, so it
# must find them itself.
run_installed() {
  env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH "$@"
}

# The moved or unpacked programs on a text: the cli prints the result, the window saves a
# picture of itself (offscreen).
run_programs() { # BINDIR WORKDIR
  local bin=$1 work=$2 out
  out=$(run_installed "$bin/fennory-cli" '(x^2-1)/(x+1)') || fail "$bin/fennory-cli exited with $?"
  grep -qx 'Result: x-1' <<<"$out" || fail "$bin/fennory-cli printed: $out"
  echo "$bin/fennory-cli simplified (x^2-1)/(x+1) to x-1"
  if [ "${FENNORY_HAVE_WINDOW:-1}" = 1 ]; then
    rm -f "$work/window.png"
    run_installed "$bin/fennory" --input '(x^2!-1)/(x^2!+2x+1)' --screenshot "$work/window.png" \
      || fail "$bin/fennory --screenshot exited with $?"
    [ "$(od -An -tx1 -N4 "$work/window.png" | tr -d ' \n')" = 89504e47 ] \
      || fail "$bin/fennory saved no PNG picture"
    echo "$bin/fennory saved its window"
  fi
}
