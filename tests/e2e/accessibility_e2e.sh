#!/usr/bin/env bash
# Reads the real program's numbers back through AT-SPI under Xvfb, from outside the process,
# as a screen reader would. Runs inside its own D-Bus session.
# Usage: accessibility_e2e.sh BINARY
set -euo pipefail
binary=$1
here=$(dirname "$0")
if [[ -z ${KRIMVEL_IN_DBUS_SESSION:-} ]]; then
  KRIMVEL_IN_DBUS_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
source "$here/xsession.sh"

start_xvfb 96
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
started_pids+=($!)
# Qt's bridge speaks AT-SPI only when assistive technology is on; here nobody turns it on.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$binary"
timeout 60 /usr/bin/python3 "$here/read_printed_text.py" "$window"
