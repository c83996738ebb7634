#!/usr/bin/env bash
# What a blind user hears: Orca, headless with its speech logged, on the real program under
# Xvfb driven by the keyboard alone, says KOMBINACIJA's numbers once, BROJ's number, each of
# KOMPJUTER's combinations, the loudspeaker's name and then its instructions, and its flat
# review steps from one printed line to the next. Then AT-SPI reads the numbers back.
# Usage: accessibility_e2e.sh BINARY [late]
# late: the program reaches the accessibility bus only once its window is active, as where a
# busy machine's bus answers late.
set -euo pipefail
binary=$1
here=$(dirname "$0")
source "$here/orca_session.sh"
if [[ ${2:-} == late ]]; then
  # The program's own session bus, where a stand-in for the launcher gives it the real
  # accessibility bus only once its window is active.
  exec {fd}<> <(:)
  dbus-daemon --session --nofork --print-address="$fd" >/dev/null 2>&1 &
  started_pids+=($!)
  read -r -t 20 program_bus <&"$fd" || fail "no session bus for the program"
  a11y_bus=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress)
  coproc late_bus { DBUS_SESSION_BUS_ADDRESS=$program_bus exec /usr/bin/python3 "$here/late_a11y_bus.py" "$(sed -E "s/^\('(.*)',\)$/\1/" <<<"$a11y_bus")"; }
  started_pids+=($late_bus_PID)
  read -r -t 20 <&"${late_bus[0]}" || fail "the stand-in for the accessibility bus did not start"
  DBUS_SESSION_BUS_ADDRESS=$program_bus start_program "$binary"
  timeout 20 bash -c "until [[ \$(xdotool getwindowfocus) == $window ]]; do sleep 0.1; done" || fail "the window did not become active"
  kill -USR1 "$late_bus_PID"
else
  start_program "$binary"
fi
# Orca announces the window when it becomes active, then the button that has the focus (only
# the button where the program reached the bus later); a key sent before these is overtaken by
# them. So the first key waits for the button.
hear 1 '^KOMPJUTER' >/dev/null
# Orca's mouse review, as a user who explores with the mouse or a finger meets the window before
# anything is printed: over each control its name, elsewhere the printed area's.
read -r left top <<<"$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}')"
point_at() { sleep 0.6; mark=$(($(wc -l <"$log") + 1)); xdotool mousemove $((left + $1)) $((top + $2)); }
for control in "40 12 KOMPJUTER" "40 36 KOMBINACIJA" "40 60 BROJ" "528 24 Zvučnik" "300 80 Izvučeni brojevi"; do
  read -r x y name <<<"$control"
  point_at "$x" "$y" && hear "$mark" "^$name [a-z ]+$" >/dev/null
done
press Tab && hear "$mark" '^KOMBINACIJA' >/dev/null && press Return
combination=$(hear "$mark" '^[0-9]+(, [0-9]+){6}$')
press Tab && hear "$mark" '^BROJ' >/dev/null && press Return
number=$(hear "$mark" '^([1-9]|[1-3][0-9])$')
press Tab
heard_after=$(hear "$mark" '^SRECNO !!!$' >/dev/null && heard "$mark" | sed -n '/^Zvučnik/,$p' | paste -sd'|')
[[ $heard_after == *"|DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS|VI SAMO UPISITE BROJEVE NA LISTIC|I OBAVEZNO UPLATITE|SRECNO !!!" ]] ||
  fail "not the loudspeaker's name, then the instructions: $heard_after"
press Tab && hear "$mark" '^KOMPJUTER' >/dev/null && press Return
first=$(hear "$mark" '^Kombinacija 1: [0-9]+(, [0-9]+){6}$')
hear "$mark" '^Kombinacija 10: ' >/dev/null
[[ $(heard "$mark" | grep -c '^Kombinacija') == 10 ]] || fail "not ten combinations: $(heard "$mark")"
[[ $(heard 1 | grep -cx "$combination") == 1 ]] || fail "KOMBINACIJA's numbers were not said once"
press KP_Up
for _ in $(seq 8); do
  press KP_Page_Up && line=$(hear "$mark" '.' | tail -1)
  [[ $line != "1 - KOMBINACIJA"* ]] || break
done
[[ $(numbers "$line") == "$(numbers "$first")" ]] || fail "flat review reached '$line', not '$first'"
press KP_Page_Up && line=$(hear "$mark" 'KOMBINACIJA')
[[ $(numbers "$line") == "$(numbers "$(heard 1 | grep '^Kombinacija 2:')")" ]] ||
  fail "flat review's next line is '$line', not the second combination"

# Over a printed line Orca's mouse review says that line, and over a number on it that number.
point_at 120 108 && line_under=$(hear "$mark" 'KOMBINACIJA' | tail -1)
[[ $(numbers "$line_under") == "$(numbers "$first")" ]] || fail "mouse review read '$line_under', not '$first'"
point_at 231 108 && number_under=$(hear "$mark" '^[0-9]+$')
[[ $number_under == "$(numbers "$first" | cut -d' ' -f2)" ]] || fail "mouse review read '$number_under' on the first number of '$first'"
echo "Orca said: KOMBINACIJA '$combination', BROJ '$number', KOMPJUTER '$first' ...; flat review: '$line'; under the pointer: '$line_under', '$number_under'"

timeout 60 /usr/bin/python3 "$here/read_printed_text.py" "$window"
