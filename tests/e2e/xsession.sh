# Helpers for end-to-end tests: a private Xvfb, the real program on it, screenshots.
# Sourced by the test scripts; everything started here is stopped on exit.

started_pids=()
cleanup() {
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [[ -n ${workdir:-} ]] && rm -rf "$workdir"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

workdir=$(mktemp -d)

# start_xvfb DPI [WIDTHxHEIGHT]: starts a server on a free display number and exports DISPLAY.
start_xvfb() {
  local dpi=${1:-96} screen=${2:-1600x1200}
  # Servers started side by side race for the same free display number; take turns.
  exec {lock}>/tmp/krimvel-e2e-xvfb.lock
  flock "$lock"
  exec {fd}<> <(:)
  # -noreset: the test's own short-lived clients (xdotool) must not reset the server while
  # the program connects.
  Xvfb -displayfd "$fd" -screen 0 "${screen}x24" -dpi "$dpi" -nolisten tcp -noreset >"$workdir/xvfb.log" 2>&1 &
  started_pids+=($!)
  local number=""
  read -r -t 20 number <&"$fd" || fail "Xvfb did not start: $(cat "$workdir/xvfb.log")"
  flock -u "$lock"
  export DISPLAY=":$number"
}

# start_program BINARY [ARGUMENT...]: starts it and waits for its window; sets $window. The
# program runs as a user of Serbian in Latin script, so what it adds to the window is translated.
start_program() {
  XDG_RUNTIME_DIR=$workdir LANG=C.UTF-8 LC_ALL= LANGUAGE=sr@latin "$@" >"$workdir/program.log" 2>&1 &
  program_pid=$!
  started_pids+=($program_pid)
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^KRIMVEL FERNOS$' 2>/dev/null | head -1) && [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "no window appeared on $DISPLAY: $(cat "$workdir/program.log" "$workdir/xvfb.log"; xdpyinfo 2>&1 | head -2; ls -la /tmp/.X11-unix)"
  sleep 0.3
}

# window_size: prints "WIDTHxHEIGHT" of the program's window.
window_size() {
  xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'
}

# shot FILE: a screenshot of the program's window.
shot() { import -window "$window" "$1"; }

# yellow_pixels FILE X Y W H: bright yellow pixels (the printed text) in a rectangle.
yellow_pixels() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage \
    -fx '(r>0.86 && g>0.86 && b<0.24) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}
