# Helpers for end-to-end tests: the test run again under xvfb-run (a private Xvfb), the real
# program on it, screenshots. Sourced by the test scripts; everything started here is stopped
# on exit.

# The test's own arguments, for in_xsession to run it again with; and its folder for files,
# which that second run takes over, and which the first removes once xvfb-run has ended (it
# writes Xvfb's log there until then).
xsession_arguments=("$@")
if [[ -n ${KRIMVEL_XSESSION:-} ]]; then
  inside_xvfb_run=true workdir=$KRIMVEL_XSESSION
  unset KRIMVEL_XSESSION
else
  inside_xvfb_run=false workdir=$(mktemp -d)
fi

started_pids=()
cleanup() {
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # A daemon (PulseAudio) is no child to wait for, and may still write its files while it ends;
  # a compositor still starting up may not end on SIGTERM at all. Each gets five seconds, then
  # SIGKILL, so that the wait below is bounded.
  # (An ended child stays a zombie until the wait: it counts as gone.)
  alive() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
  }
  for pid in "${started_pids[@]}"; do
    for _ in $(seq 50); do alive "$pid" || break; sleep 0.1; done
    ! alive "$pid" || kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  $inside_xvfb_run || rm -rf "$workdir"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# in_xsession DPI [WIDTHxHEIGHT] [--dbus]: runs the test again from its start under xvfb-run,
# which starts Xvfb on a free display with an authority file of its own and stops it when the
# test ends; with --dbus in a D-Bus session of its own too, started on that display so that
# the services it starts find it. Called before the test starts anything, which the second
# run would start again; the first run then ends with the second's status. There, a desktop's
# DPI other than 96 is published as a scaling desktop does.
in_xsession() {
  local dpi=$1 screen=${2:-1600x1200} session=()
  if ! $inside_xvfb_run; then
    command -v xvfb-run >/dev/null || fail "xvfb-run is not installed (tools/ensure-packages test)"
    [[ -x $0 ]] || fail "cannot run $0 again from $PWD: start it by its whole path"
    [[ ${3:-} != --dbus ]] || session=(dbus-run-session --)
    # -noreset: the test's own short-lived clients (xdotool) must not reset the server while
    # the program connects.
    KRIMVEL_XSESSION=$workdir xvfb-run -a -e "$workdir/xvfb.log" \
      -s "-screen 0 ${screen}x24 -dpi $dpi -noreset" "${session[@]}" "$0" "${xsession_arguments[@]}" ||
      exit
    exit 0
  fi
  # A desktop that scales publishes its resolution as Xft.dpi, which Qt follows; the X
  # server's own figure Qt leaves alone.
  [[ $dpi == 96 ]] || xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:"$'\t'"$dpi"
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

# yellow_pixels FILE X Y W H: bright yellow pixels (the printed text) in a rectangle: red and
# green above 0.86, blue below 0.24, counted from the raw 8-bit values, which ImageMagick 6 and 7
# write alike (what -fx and info: print is not).
yellow_pixels() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 rgb:- |
    od -An -v -tu1 -w3 | awk '$1 >= 220 && $2 >= 220 && $3 <= 61 {n++} END {print n + 0}'
}

# frame_centred: the program's window, its frame included, stands in the middle of the
# available area within two pixels; where it is larger, at the area's top-left corner.
frame_centred() {
  values() { xprop "$@" | sed 's/.*= //; s/,//g'; }
  local left right top bottom area_x area_y area_w area_h x y w h
  read -r left right top bottom <<<"$(values -id "$window" _NET_FRAME_EXTENTS)"
  read -r area_x area_y area_w area_h _ <<<"$(values -root _NET_WORKAREA)"
  # A window manager that publishes no work area (KWin) leaves the whole screen.
  [[ $area_w =~ ^[0-9]+$ ]] ||
    read -r area_x area_y area_w area_h <<<"0 0 $(xwininfo -root | awk '/Width|Height/ {printf "%s ", $NF}')"
  read -r x y w h <<<"$(xwininfo -id "$window" | awk '/Absolute upper-left|Width|Height/ {printf "%s ", $NF}')"
  local frame_x=$((x - left)) frame_y=$((y - top)) frame_w=$((w + left + right)) frame_h=$((h + top + bottom))
  echo "frame ${frame_w}x$frame_h+$frame_x+$frame_y, title bar $top, area ${area_w}x$area_h+$area_x+$area_y"
  local edge name at start room want
  for edge in "left $frame_x $area_x $((area_w - frame_w))" "top $frame_y $area_y $((area_h - frame_h))"; do
    read -r name at start room <<<"$edge"
    want=$((start + (room > 0 ? room / 2 : 0)))
    ((at - want <= 2 && want - at <= 2)) || fail "the frame's $name edge is at $at, not $want"
  done
}
