#!/usr/bin/env bash
# The real program where something is missing or wrong: no display, a display that is not
# there (X11 or Wayland), a platform that does not exist; one clear line and status 1, or
# Qt's own words where the user asks for them, never a core dump. Then what is left after
# Qt has taken its options, and the language of the lines. (The arguments themselves:
# CommandLineTest.)
# Usage: environment_e2e.sh BINARY
set -euo pipefail
binary=$1
# The messages are checked in English, then in each script of Serbian.
export LC_ALL=C.UTF-8
unset LANGUAGE QT_LOGGING_RULES QT_LOGGING_CONF QT_DEBUG_PLUGINS QT_FATAL_WARNINGS QT_FATAL_CRITICALS
# Nor any qtlogging.ini of the user's or the system's: where there is none.
export XDG_CONFIG_HOME=/nonexistent XDG_CONFIG_DIRS=/nonexistent
fail() { echo "FAIL: $*" >&2; exit 1; }

# check WHAT STATUS LINES PATTERN COMMAND...: LINES is how many lines it says ("many": more
# than one).
check() {
  local what=$1 expected_status=$2 lines=$3 pattern=$4; shift 4
  local status=0 output count
  output=$("$@" 2>&1) || status=$?
  count=$(wc -l <<<"$output")
  echo "$what: status $status, $count lines: $(tail -1 <<<"$output")"
  [[ $status -eq $expected_status ]] || fail "$what: status $status, expected $expected_status"
  [[ $lines == many && $count -gt 1 || $count == "$lines" ]] || fail "$what: $count lines, not $lines"
  grep -q -- "$pattern" <<<"$output" || fail "$what: nothing says '$pattern'"
}
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

check "no display" 1 1 "neither WAYLAND_DISPLAY nor DISPLAY is set.*xvfb-run" "${nodisplay[@]}" \
  "$binary"
# One of Qt's own options, alone, is Qt's to take: the window is to open, and cannot.
check "Qt's -reverse alone" 1 1 \
  "^krimvel: no display (neither WAYLAND_DISPLAY nor DISPLAY is set); run it on a desktop, or in a virtual one: xvfb-run krimvel$" \
  "${nodisplay[@]}" "$binary" -reverse
check "unreachable display" 1 1 "cannot open display ':9999'" env -u QT_QPA_PLATFORM DISPLAY=:9999 "$binary"
nowhere=(env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-none XDG_RUNTIME_DIR=/nonexistent)
check "unreachable Wayland display" 1 1 "cannot open Wayland display 'wayland-none'" \
  "${nowhere[@]}" "$binary"
# The platform the user names is the one tried, on GNOME's Wayland session too.
check "Wayland asked for on GNOME's Wayland session" 1 1 \
  "^krimvel: cannot open Wayland display 'wayland-none'; run" "${nowhere[@]}" DISPLAY=:9999 \
  XDG_CURRENT_DESKTOP=ubuntu:GNOME QT_QPA_PLATFORM=wayland "$binary"
# Where no display was tried, Qt's own words say what happened.
check "Qt's -platform option, naming none" 1 many 'platform plugins are: .*offscreen, .*xcb' \
  "$binary" -platform nosuch
# What the user asks Qt to say, it says: the plugin loader's diagnostics, the platform's
# messages, then the program's line.
check "QT_DEBUG_PLUGINS" 1 many 'qt.core.plugin.factoryloader' \
  env QT_DEBUG_PLUGINS=1 QT_QPA_PLATFORM=bogus "$binary"
check "QT_LOGGING_RULES" 1 many "qt.qpa.xcb: could not connect to display :9999" \
  env -u QT_QPA_PLATFORM QT_LOGGING_RULES='qt.qpa.*=true' DISPLAY=:9999 "$binary"
check "QT_FATAL_WARNINGS" 134 1 "could not connect to display" \
  env -u QT_QPA_PLATFORM QT_FATAL_WARNINGS=1 DISPLAY=:9999 bash -c 'ulimit -c 0; "$0"' "$binary"

# Answered with no display at all.
[[ $("${nodisplay[@]}" "$binary" --version) == "KRIMVEL 1.00" ]] || fail "--version"
help=$("${nodisplay[@]}" "$binary" --help) || fail "--help: status $?"
grep -q -- "^Usage: krimvel" <<<"$help" || fail "--help says: $help"

# What Qt leaves of the arguments, on a platform that needs no display.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
check "unknown option after Qt's" 2 1 "unknown option '-x'" "$binary" -style Fusion -x
# In the plain C locale, where Qt 6.8 would warn in four lines that it is not UTF-8: on a
# platform that starts, as Qt's own lines are dropped where none does.
check "in the plain C locale" 2 1 "unknown option '-x'" env LC_ALL=C "$binary" -x
[[ $("$binary" -session 1234_5 -reverse --version) == "KRIMVEL 1.00" ]] ||
  fail "--version after Qt's options"

# The language (LanguageTest): the "@latin" that Qt drops, the program reads itself, after
# LC_ALL. A locale that the machine has not generated (sr_RS.UTF-8 seldom is) gives one line.
check "in Serbian, Latin script, as glibc names it" 2 1 "nepoznata opcija '-x'" \
  env LC_ALL= LC_MESSAGES=sr_RS@latin "$binary" -x
check "in Serbian, Cyrillic script, locale not generated" 2 1 "непозната опција '-x'" \
  env LC_ALL=sr_RS.UTF-8 "$binary" -x
check "LC_ALL in English over LC_MESSAGES in Serbian" 2 1 "unknown option '-x'" \
  env LC_MESSAGES=sr_RS@latin "$binary" -x
echo "PASS"
