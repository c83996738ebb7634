#!/usr/bin/env bash
# The real program under Xvfb: it starts, a click on "KOMBINACIJA" through the X server's
# input paints yellow numbers below the buttons, and the window grows with the server's DPI.
# It is started as a desktop restoring its session starts it, with Qt's -session option.
# Usage: window_e2e.sh BINARY DPI [SCREENSHOT]
set -euo pipefail
binary=$1
dpi=$2
screenshot=${3:-}
source "$(dirname "$0")/xsession.sh"

in_xsession "$dpi"
start_program "$binary" -session 1234_5

scale=$(awk -v d="$dpi" 'BEGIN { s = int(d / 96 * 4 + 0.5) / 4; if (s < 1) s = 1; print s }')
expected=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", int(553 * s + 0.5), int(354 * s + 0.5) }')
size=$(window_size)
echo "dpi $dpi: window $size, expected $expected"
[[ $size == "$expected" ]] || fail "window is $size, expected $expected at $dpi dpi"

px() { awk -v v="$1" -v s="$scale" 'BEGIN { print int(v * s + 0.5) }'; }
read -r w h <<<"${size/x/ }"
below_buttons_y=$(px 73)

shot "$workdir/start.png"
before=$(yellow_pixels "$workdir/start.png" 0 "$below_buttons_y" "$w" $((h - below_buttons_y)))
[[ $before -eq 0 ]] || fail "$before yellow pixels before any click"

# KOMBINACIJA is the second button, 81 x 24 at (0, 24).
xdotool mousemove --window "$window" "$(px 40)" "$(px 36)" click 1
sleep 0.5
shot "$workdir/after.png"
after=$(yellow_pixels "$workdir/after.png" 0 "$below_buttons_y" "$w" $((h - below_buttons_y)))
echo "yellow pixels below the buttons after the click: $after"
[[ $after -gt $(px 300) ]] || fail "only $after yellow pixels after clicking KOMBINACIJA"

if [[ -n $screenshot ]]; then cp "$workdir/after.png" "$screenshot"; fi
echo "PASS"
