#!/usr/bin/env bash
# What a blind user hears: the screen reader Orca, headless with its speech logged, on the real
# program driven by the keyboard alone. After KOMBINACIJA Orca says its seven numbers, once;
# after BROJ the number; after KOMPJUTER each combination on its own; when the loudspeaker gets
# the focus, the instructions; and flat review's "next line" steps from one printed line to the
# next. Runs in its own D-Bus session; exits 77 only where Orca is not installed.
# Usage: orca_e2e.sh BINARY
set -euo pipefail
binary=$1
here=$(dirname "$0")
if [[ -z ${KRIMVEL_IN_DBUS_SESSION:-} ]]; then
  KRIMVEL_IN_DBUS_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
source "$here/xsession.sh"
[[ -x /usr/bin/orca ]] || { echo "SKIPPED: Orca is not installed (tools/ensure-packages test)"; exit 77; }

start_xvfb 96
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
started_pids+=($!)
# As a desktop does when its screen reader is on: Qt and Orca both ask.
for property in IsEnabled ScreenReaderEnabled; do
  for _ in $(seq 50); do
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method \
      org.freedesktop.DBus.Properties.Set org.a11y.Status $property '<true>' >/dev/null 2>&1 && break
    sleep 0.1
  done
done
export HOME=$workdir XDG_CONFIG_HOME=$workdir/config XDG_DATA_HOME=$workdir/data XDG_RUNTIME_DIR=$workdir
# Through speech-dispatcher's default output Orca blocks after its first words: ALSA into the
# null device instead.
mkdir -p "$XDG_CONFIG_HOME"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
echo 'AudioOutputMethod "alsa"' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
started_pids+=($!)

# Orca writes its debug file in blocks and may ignore SIGTERM: here it writes line by line, so
# that what it says can be followed as it speaks, and it is killed. It also leaves any other
# Orca of the same user alone, and is left alone by them.
log=$workdir/orca.log
/usr/bin/python3 -c '
import builtins, runpy, sys
log = sys.argv[1]
real_open = builtins.open
builtins.open = lambda file, mode="r", *rest, **named: (
    real_open(file, mode, 1) if file == log else real_open(file, mode, *rest, **named))
sys.argv = ["orca", "--debug-file", log]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"].__globals__
launcher.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(launcher["main"]())' "$log" >"$workdir/orca.out" 2>&1 &
orca_pid=$!
trap 'kill -9 $orca_pid 2>/dev/null; cleanup' EXIT

# heard FROM: what Orca has said since line FROM of its log, an utterance a line, its blanks
# and the full stop that Orca adds at a pause left out.
heard() {
  tail -n +"$1" "$log" 2>/dev/null | perl -0777 -ne "while (/SPEECH OUTPUT: '(.*?)'\s*(?:voice=\S+\s*)?(?:[\[{]|$)/smg) {
    (\$said = \$1) =~ s/\s+/ /g; \$said =~ s/^ | $|(?<=\w)\.$//g; print \"\$said\n\" }"
}
# hear FROM PATTERN: waits for Orca to say something that matches the extended regular
# expression PATTERN, and prints what matched.
hear() {
  local said
  for _ in $(seq 100); do
    said=$(heard "$1" | grep -E -- "$2") && { echo "$said"; return; }
    sleep 0.2
  done
  fail "Orca did not say /$2/; it said: $(heard "$1" | tail -12 | paste -sd'|') $(tail -3 "$workdir/orca.out")"
}
press() { mark=$(($(wc -l <"$log") + 1)); xdotool key "$1"; }
numbers() { grep -oE '[0-9]+' <<<"$1" | paste -sd' '; }

hear 1 'Screen reader on' >/dev/null
start_program "$binary"
hear 1 '^KOMPJUTER' >/dev/null

press Tab
hear "$mark" '^KOMBINACIJA' >/dev/null
press Return
combination=$(hear "$mark" '^[0-9]+(, [0-9]+){6}$')
echo "KOMBINACIJA: $combination"
[[ $(numbers "$combination" | tr ' ' '\n' | awk '$1 >= 1 && $1 <= 39' | sort -u | wc -l) == 7 ]] ||
  fail "not seven different numbers from 1 to 39: $combination"

press Tab
hear "$mark" '^BROJ' >/dev/null
press Return
echo "BROJ: $(hear "$mark" '^([1-9]|[1-3][0-9])$')"

press Tab
for line in "DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS" "VI SAMO UPISITE BROJEVE NA LISTIC" \
  "I OBAVEZNO UPLATITE" "SRECNO !!!"; do
  hear "$mark" "^$line\$" >/dev/null
done
heard "$mark" | sed -n '/^Zvučnik/,$p' | grep -q '^DOZVOLITE' ||
  fail "the instructions came before the loudspeaker's name: $(heard "$mark" | paste -sd'|')"
echo "loudspeaker: its name, then the four instruction lines"

press Tab
hear "$mark" '^KOMPJUTER' >/dev/null
press Return
first=$(hear "$mark" '^Kombinacija 1: [0-9]+(, [0-9]+){6}$')
hear "$mark" '^Kombinacija 10: ' >/dev/null
echo "KOMPJUTER: $first ..."
[[ $(heard "$mark" | grep -c '^Kombinacija') == 10 ]] || fail "not ten combinations: $(heard "$mark")"
[[ $(heard 1 | grep -cx "$combination") == 1 ]] || fail "KOMBINACIJA's numbers were not said once"

# Flat review from the focused button down its lines to the first printed one, then the next.
press KP_Up
for _ in $(seq 8); do
  press KP_Page_Up
  line=$(hear "$mark" '.' | tail -1)
  [[ $line != "1 - KOMBINACIJA"* ]] || break
done
[[ $(numbers "$line") == "$(numbers "$first")" ]] || fail "flat review reached '$line', not '$first'"
press KP_Page_Up
line=$(hear "$mark" 'KOMBINACIJA')
second=$(heard 1 | grep '^Kombinacija 2:')
[[ $(numbers "$line") == "$(numbers "$second")" ]] || fail "flat review's next line is '$line', not '$second'"
echo "flat review: '$line'"
echo "PASS"
