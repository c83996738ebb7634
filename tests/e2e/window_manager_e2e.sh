#!/usr/bin/env bash
# The real program under Xvfb with a real window manager (openbox): the framed window, title
# bar included, starts in the middle of the available area, and on a smaller screen with its
# top-left corner on it, and stays where the user moves it, also once minimised and restored;
# the frame offers minimise, maximise and resize; the icon comes in
# every size desktops show; WM_CLASS names the desktop entry's StartupWMClass, which is how
# X11 desktops match the window to its entry. QT_SCALE_FACTOR from the caller scales the window.
# Usage: window_manager_e2e.sh BINARY WIDTHxHEIGHT DESKTOP_ENTRY [SCREENSHOT]
set -euo pipefail
binary=$1 entry=$3
source "$(dirname "$0")/xsession.sh"

command -v openbox >/dev/null || fail "openbox is not installed (tools/ensure-packages test)"
in_xsession 96 "$2"
HOME=$workdir openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
started_pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start: $(tail -2 "$workdir/openbox.log")"
start_program "$binary"
frame_centred
# Moved by the user within its first seconds, while the program still waits for its frame, the
# window stays where it was put, also once minimised and restored.
position() { xwininfo -id "$window" | awk '/Absolute upper-left/ {printf "%s ", $NF}'; }
# wait_for STATE: the window's map state (IsViewable or IsUnMapped), within two seconds.
wait_for() {
  for _ in $(seq 20); do xwininfo -id "$window" | grep -q "Map State: $1" && return; sleep 0.1; done
  fail "the window is not $1"
}
centred=$(position)
xdotool windowmove "$window" 20 30
sleep 0.3
moved=$(position)
[[ $moved != "$centred" ]] || fail "the window did not move from $centred"
xdotool windowminimize "$window"
wait_for IsUnMapped
xdotool windowactivate "$window"
wait_for IsViewable
sleep 0.3
[[ $(position) == "$moved" ]] || fail "moved to $moved, the window came back at $(position)"
read -r _ _ top _ <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
[[ $top -gt 0 ]] || fail "openbox put no title bar on the window"
for action in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
  xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -q "_NET_WM_ACTION_$action" || fail "no $action"
done
icons=$(xprop -len 1000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sed 's/Icon (//; s/)//' | paste -sd,)
# Scaled, Qt hands the window manager each size times the scale, as far as the icon goes.
[[ ${QT_SCALE_FACTOR:-1} != 1 || $icons == "16 x 16,24 x 24,32 x 32,48 x 48,64 x 64,128 x 128,256 x 256" ]] ||
  fail "the window icon comes in $icons"
wm_class=$(xprop -id "$window" WM_CLASS)
startup=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n $startup && $wm_class == *"\"$startup\""* ]] ||
  fail "the desktop entry's StartupWMClass '$startup' does not match $wm_class"
if [[ -n ${4:-} ]]; then import -window root "$4"; fi
echo "PASS"
