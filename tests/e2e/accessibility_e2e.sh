#!/usr/bin/env bash
# What a blind user hears: Orca, headless with its speech logged, on the real program under
# Xvfb driven by the keyboard alone, says KOMBINACIJA's numbers once, BROJ's number, each of
# KOMPJUTER's combinations, the loudspeaker's name and then its instructions, and its flat
# review steps from one printed line to the next. Then AT-SPI reads the numbers back.
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
# Until the launcher owns its name, a call to it makes D-Bus start a second launcher, and on a
# busy machine Orca and the program can then be told of two different accessibility buses.
gdbus wait --session --timeout 30 org.a11y.Bus ||
  fail "the accessibility bus did not start: $(cat "$workdir/atspi.log")"
# As on a desktop whose screen reader is on: Qt and Orca both ask.
for property in IsEnabled ScreenReaderEnabled; do
  timeout 10 bash -c "until gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status $property '<true>'; do sleep 0.1; done" &>/dev/null ||
    fail "the accessibility bus did not answer: $(cat "$workdir/atspi.log")"
done
[[ -x /usr/bin/orca ]] || fail "Orca is not installed (tools/ensure-packages test)"
# Through speech-dispatcher's default output Orca blocks after its first words.
export HOME=$workdir XDG_CONFIG_HOME=$workdir/config XDG_RUNTIME_DIR=$workdir
mkdir -p "$XDG_CONFIG_HOME" && cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
echo 'AudioOutputMethod "alsa"' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
# Orca writes its debug file in blocks and may ignore SIGTERM: here it writes line by line and
# is killed. It leaves other Orcas of the same user alone, and they leave it alone.
log=$workdir/orca.log
/usr/bin/python3 -c 'import builtins, runpy, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda file, mode="r", *rest, **named: (
    real_open(file, mode, 1) if file == log else real_open(file, mode, *rest, **named))
sys.argv = ["orca", "--debug-file", log]
main = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"]
main.__globals__.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(main())' "$log" >"$workdir/orca.out" 2>&1 &
orca_pid=$!
trap 'kill -9 $orca_pid 2>/dev/null; cleanup' EXIT

# Orca's utterances since line $1 of its log, one a line, blanks collapsed, without the full
# stop it adds at a pause; hear waits for one that matches the extended regular expression $2.
heard() {
  tail -n +"$1" "$log" 2>/dev/null | perl -0777 -ne "while (/SPEECH OUTPUT: '(.*?)'\s*(?:voice=\S+\s*)?(?:[\[{]|$)/smg) {
    (\$said = \$1) =~ s/\s+/ /g; \$said =~ s/^ | $|(?<=\w)\.$//g; print \"\$said\n\" }"
}
# With a third argument, only what Orca said after an utterance that matches it counts. Each
# wait is bounded by a minute: two busy cores slow Orca's start and Qt's events alike.
hear() {
  for _ in $(seq 300); do
    heard "$1" | sed -n "/${3:-.}/,\$p" | grep -E -- "$2" && return
    sleep 0.2
  done
  fail "Orca did not say /$2/${3:+ after /$3/}, but: $(heard "$1" | tail -12 | paste -sd'|') $(tail -3 "$workdir/orca.out")"
}
press() { mark=$(($(wc -l <"$log") + 1)); xdotool key "$1"; }
numbers() { grep -oE '[0-9]+' <<<"$1" | paste -sd' '; }

hear 1 'Screen reader on' >/dev/null
start_program "$binary"
# Orca announces the window when it becomes active, then the button that has the focus; a key
# sent before the window's announcement is overtaken by it. So the first key waits for both.
hear 1 '^KOMPJUTER' '^KRIMVEL FERNOS' >/dev/null
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
echo "Orca said: KOMBINACIJA '$combination', BROJ '$number', KOMPJUTER '$first' ...; flat review: '$line'"

timeout 60 /usr/bin/python3 "$here/read_printed_text.py" "$window"
