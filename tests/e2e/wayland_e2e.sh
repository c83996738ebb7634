#!/usr/bin/env bash
# The real program on weston's headless backend, with an X server beside it as in a Wayland
# session with XWayland: it opens on Qt's Wayland platform by itself, its buttons pressed through AT-SPI actions (no input exists
# here) print numbers read back through AT-SPI, and at output scale 2 it draws its window
# into a buffer twice its size. Runs in its own D-Bus session; exits 77 if weston cannot start.
# Usage: wayland_e2e.sh BINARY SCALE
set -euo pipefail
binary=$1
scale=$2
here=$(dirname "$0")
source "$here/xsession.sh"
in_xsession 96 1600x1200 --dbus
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$workdir WAYLAND_DISPLAY=wayland-e2e

weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --scale="$scale" --no-config \
  --idle-time=0 --log="$workdir/weston.log" >/dev/null 2>&1 &
started_pids+=($!)
for _ in $(seq 100); do [[ -S $workdir/$WAYLAND_DISPLAY ]] && break; sleep 0.1; done
[[ -S $workdir/$WAYLAND_DISPLAY ]] || { echo "SKIPPED: weston did not start: $(tail -2 "$workdir/weston.log")"; exit 77; }
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
started_pids+=($!)
# WAYLAND_DEBUG logs the buffers the program hands the compositor, which without Qt's own
# title bar (QT_WAYLAND_DISABLE_WINDOWDECORATION) hold exactly the window.
LANG=C.UTF-8 LC_ALL= LANGUAGE=sr@latin QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=client QT_WAYLAND_DISABLE_WINDOWDECORATION=1 \
  "$binary" >"$workdir/program.log" 2>&1 &
program_pid=$!
started_pids+=($program_pid)

timeout 60 /usr/bin/python3 "$here/read_printed_text.py" ||
  fail "on Wayland: $(grep -v '^\[' "$workdir/program.log" | tail -5)"
grep -q libqwayland "/proc/$program_pid/maps" || fail "the program is not on Qt's Wayland platform"
buffers=$(grep -o 'create_buffer([^,]*, [0-9]*, [0-9]*, [0-9]*' "$workdir/program.log" | awk -F', ' '{print $3 "x" $4}' | sort -u)
echo "output scale $scale: the window's buffers: $buffers"
[[ $buffers == "$((553 * scale))x$((354 * scale))" ]] || fail "expected $((553 * scale))x$((354 * scale))"
grep -q "set_buffer_scale($scale)" "$workdir/program.log" || fail "no buffer scale $scale"
echo "PASS"
