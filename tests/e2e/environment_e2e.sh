#!/usr/bin/env bash
# The real program where something is missing or wrong: no display, a display that is not
# there, an argument it does not know. Each gets one clear line and a failure status, never
# a crash; --help answers with a usage.
# Usage: environment_e2e.sh BINARY
set -euo pipefail
binary=$1
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

check "no display" 1 "xvfb-run" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary"
check "unreachable display" 1 "cannot open display" env -u QT_QPA_PLATFORM DISPLAY=:9999 "$binary"
check "unknown option" 2 "unknown option '--verbose'" "$binary" --verbose
check "argument after --version" 2 "unexpected argument 'extra'" "$binary" --version extra
check "option after --help" 2 "unknown option '-x'" "$binary" --help -x

help=$("$binary" --help) || fail "--help: status $?"
for line in "Usage: krimvel" "--version"; do
  grep -q -- "$line" <<<"$help" || fail "--help does not mention '$line'"
done
echo "PASS"
