# SPDX-License-Identifier: GPL-3.0-or-later
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

# The Designer plugin of an installed tree, as Qt Designer uses it: loaded by the checking
# program (every member of its interface called), then the real designer started on it
# offscreen, which must still be running a few seconds after loading it. Designer asks every
# plugin for its icon at start-up, so a plugin that cannot answer ends Designer there.
# Needs ZELVIX_PLUGIN_CHECK (the checking program) and FENNORY_DESIGNER (designer, or empty).
check_designer_plugin() { # PLUGINS_DIR INCLUDE_DIR WORKDIR
  local plugins=$1 include=$2 work=$3 plugin log status=0
  plugin=$plugins/designer/libzelvixdesigner.so
  [ -f "$plugin" ] || fail "no Designer plugin at $plugin"
  run_installed "${ZELVIX_PLUGIN_CHECK:?}" "$plugin" "$include" \
    || fail "the Designer plugin in $plugins"
  if [ -z "${FENNORY_DESIGNER:-}" ]; then
    echo "(Qt Designer is missing: not started; scripts/deps.sh installs qt6-tools-dev-tools)"
    return
  fi
  # A settings folder of its own, so no user's extra plugin folders or open forms come in.
  log=$work/designer.log
  rm -rf "$work/designer-home"
  mkdir -p "$work/designer-home"
  HOME=$work/designer-home XDG_CONFIG_HOME=$work/designer-home/.config QT_DEBUG_PLUGINS=1 \
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins "$FENNORY_DESIGNER" >"$log" 2>&1 &
  designer_pid=$!
  trap 'kill "$designer_pid" 2>/dev/null || true' EXIT
  # A busy machine may take a while to reach the plugins; then a few seconds more running.
  for _ in $(seq 60); do
    grep -qF "\"$plugin\" loaded library" "$log" && break
    kill -0 "$designer_pid" 2>/dev/null || break
    sleep 0.5
  done
  sleep 4
  if ! kill -0 "$designer_pid" 2>/dev/null; then
    wait "$designer_pid" || status=$?
    grep -v '^qt\.\|^  \|^[{}]\|^$' "$log" | tail -5 >&2
    fail "designer ended after start with status $status"
  fi
  kill "$designer_pid"
  wait "$designer_pid" 2>/dev/null || true
  trap - EXIT
  grep -qF "\"$plugin\" loaded library" "$log" || fail "designer did not load $plugin"
  echo "designer ran with $plugin loaded"
}
