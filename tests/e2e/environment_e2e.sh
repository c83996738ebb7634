#!/usr/bin/env bash
# The real program where something is missing or wrong: no display, a display that is not
# there (X11 or Wayland), a platform that does not exist, an argument it does not know (after
# Qt has taken its standard options). Each
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
check "Qt's -platform option, naming none" 1 "'nosuch' is not installed" "$binary" -platform nosuch

# The arguments left after Qt has taken its own, on a platform that needs no display.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
check "unknown option" 2 "unknown option '--verbose'" "$binary" --verbose
check "unknown option after Qt's" 2 "unknown option '--verbose'" "$binary" -style Fusion --verbose
check "argument after --version" 2 "unexpected argument 'extra'" "$binary" --version extra
check "option after --help" 2 "unknown option '-x'" "$binary" --help -x
check "both options at once" 2 "unknown option '--help'" "$binary" --version --help
[[ $("$binary" -session 1234_5 -reverse --version) == "KRIMVEL 1.00" ]] ||
  fail "--version after Qt's options"

# LC_ALL overrides LC_MESSAGES, which overrides LANG; LANGUAGE overrides all but C. A locale
# that the machine has not generated (sr_ZZ never is) still gives the one line, in its language.
check "locale not generated" 2 "непозната опција '--verbose'" env LC_ALL=sr_ZZ.UTF-8 "$binary" --verbose
check "in Serbian, Latin script" 2 "nepoznata opcija '--verbose'" \
  env LANGUAGE=sr@latin "$binary" --verbose
check "in Serbian, Cyrillic script" 2 "непозната опција '--verbose'" \
  env LC_ALL= LC_MESSAGES=sr_RS.UTF-8 "$binary" --verbose
check "LC_ALL in Serbian over LC_MESSAGES in English" 2 "непозната опција '--verbose'" \
  env LC_ALL=sr_RS.UTF-8 LC_MESSAGES=en_US.UTF-8 "$binary" --verbose
check "LC_ALL in English over LC_MESSAGES in Serbian" 2 "unknown option '--verbose'" \
  env LC_ALL=C.UTF-8 LC_MESSAGES=sr_RS@latin "$binary" --verbose

# Answered with no display at all.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --help) || fail "--help: status $?"
for line in "Usage: krimvel" "--version" "Qt's standard options" "-session"; do
  grep -q -- "$line" <<<"$help" || fail "--help does not mention '$line'"
done
echo "PASS"
