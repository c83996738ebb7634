#!/usr/bin/env bash
# The real program where something is missing or wrong: no display, a display that is not
# there (X11 or Wayland), a platform that does not exist, an argument it does not know. Each
# gets one clear line and a failure status, never a crash; --help answers with a usage.
# Usage: environment_e2e.sh BINARY
set -euo pipefail
binary=$1
# The messages are checked in English, then once in each script of Serbian.
export LC_ALL=C.UTF-8
unset LANGUAGE
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ $("$binary" --version) == "KRIMVEL 1.00" ]] || fail "--version"

check() {
  local what=$1 expected_status=$2 pattern=$3; shift 3
  local status=0 output
  output=$("$@" 2>&1) || status=$?
  echo "$what: status $status: $output"
  [[ $status -eq $expected_status ]] || fail "$what: status $status, expected $expected_status"
  [[ $(wc -l <<<"$output") -eq 1 ]] || fail "$what: expected one line of output"
  grep -q -- "$pattern" <<<"$output" || fail "$what: message does not mention '$pattern'"
}

check "no display" 1 "neither WAYLAND_DISPLAY nor DISPLAY is set.*xvfb-run" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary"
check "unreachable display" 1 "cannot open display ':9999'" env -u QT_QPA_PLATFORM DISPLAY=:9999 "$binary"
nowhere=(env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-none XDG_RUNTIME_DIR=/nonexistent)
check "unreachable Wayland display" 1 "cannot open Wayland display 'wayland-none'" \
  "${nowhere[@]}" "$binary"
check "Wayland asked for, none there" 1 "cannot open Wayland display 'wayland-none'" \
  "${nowhere[@]}" QT_QPA_PLATFORM=wayland "$binary"
check "platform that does not exist" 1 "'nosuch'.*platforms here are: .*offscreen, .*xcb" \
  env QT_QPA_PLATFORM=nosuch "$binary"
check "unknown option" 2 "unknown option '--verbose'" "$binary" --verbose
check "argument after --version" 2 "unexpected argument 'extra'" "$binary" --version extra
check "option after --help" 2 "unknown option '-x'" "$binary" --help -x

check "in Serbian, Latin script" 2 "nepoznata opcija '--verbose'" \
  env LANGUAGE=sr@latin "$binary" --verbose
check "in Serbian, Cyrillic script" 2 "непозната опција '--verbose'" \
  env LC_ALL= LC_MESSAGES=sr_RS.UTF-8 "$binary" --verbose

help=$("$binary" --help) || fail "--help: status $?"
for line in "Usage: krimvel" "--version"; do
  grep -q -- "$line" <<<"$help" || fail "--help does not mention '$line'"
done
echo "PASS"
