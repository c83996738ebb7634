#!/usr/bin/env bash
# The loudspeaker in the real program under Xvfb: three Tab presses after start reach it and
# show the instructions in yellow on lines 8 to 11, and with no sound server a double-click
# is said once to stay silent; with one, a double-click plays its sound on a
# PulseAudio null sink, and the audio stack is loaded only then; so it does in the program
# installed into a folder of its own, as from an unpacked package, saying nothing on the
# terminal, also when it falls behind while playing; a stream cut off while it plays is said
# once. A copy of the program without its sound module beside it says that the
# installation is broken, stays silent and carries on. Where the user asks Qt for the audio
# backend's messages in a qtlogging.ini, Qt's own reason for no output comes before that line.
# The sound module's test (window_tests) runs on the same sound server.
# Usage: loudspeaker_e2e.sh BINARY instructions|playback|installed|without-module|asked MODULE
#        loudspeaker_e2e.sh WINDOW_TESTS module
# Exits with 77 (skipped) when a check that needs a sound server cannot have one.
set -euo pipefail
binary=$1
mode=$2
module_file=${3:-} # the sound module in the build tree
source "$(dirname "$0")/xsession.sh"
# The module's own test needs no display.
[[ $mode == module ]] || in_xsession 96
# Configuration folders of the test's own: a qtlogging.ini of the user's would let Qt speak.
export XDG_CONFIG_HOME=$workdir/config XDG_CONFIG_DIRS=$workdir/config

# A private sound server, stopped by its process id on exit.
start_pulseaudio() {
  export HOME=$workdir XDG_RUNTIME_DIR=$workdir
  pulseaudio -D -n --exit-idle-time=-1 --log-target=file:"$workdir/pulse.log" \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix" >/dev/null 2>&1 || return 1
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || return 1
  pulse_pid=$(cat "$workdir/pulse/pid" 2>/dev/null || pgrep -n -x pulseaudio)
  started_pids+=("$pulse_pid")
}

if [[ $mode == asked ]]; then
  mkdir -p "$XDG_CONFIG_HOME/QtProject"
  printf '[Rules]\nqt.multimedia.*=true\n' >"$XDG_CONFIG_HOME/QtProject/qtlogging.ini"
elif [[ $mode != instructions ]]; then
  if ! command -v pulseaudio >/dev/null || ! start_pulseaudio; then
    echo "SKIPPED: PulseAudio could not start here ($(tail -1 "$workdir/pulse.log" 2>/dev/null))"
    exit 77
  fi
fi

if [[ $mode == module ]]; then
  # The module's own test on a sound server: here BINARY is window_tests.
  QT_QPA_PLATFORM=offscreen "$binary" --gtest_filter='WaveFileTest.*' >"$workdir/test.log" 2>&1 ||
    fail "on a sound server: $(cat "$workdir/test.log")"
  echo "PASS"
  exit 0
fi
if [[ $mode == installed ]]; then
  cmake --install "$(dirname "$(dirname "$binary")")" --prefix "$workdir/unpacked" >/dev/null
  binary=$workdir/unpacked/bin/$(basename "$binary")
fi
if [[ $mode == without-module ]]; then
  mkdir "$workdir/bin"
  cp "$binary" "$workdir/bin/"
  binary=$workdir/bin/$(basename "$binary")
fi
start_program "$binary"
read -r w h <<<"$(window_size | tr x ' ')"

if [[ $mode == instructions ]]; then

# Line 8 to 11 of a 21 px Arial line (about 24 px high): y 168 to 265.
xdotool key --window "$window" Tab Tab Tab
sleep 0.5
shot "$workdir/instructions.png"
in_rows=$(yellow_pixels "$workdir/instructions.png" 0 166 "$w" 102)
above=$(yellow_pixels "$workdir/instructions.png" 0 73 "$w" 92)
echo "yellow pixels on lines 8-11: $in_rows, on lines 4-7: $above"
[[ $in_rows -gt 1500 ]] || fail "the instructions did not appear after three Tab presses"
[[ $above -eq 0 ]] || fail "yellow above line 8"
# With no sound server, a double-click is said once to be silent, and nothing more.
xdotool mousemove --window "$window" 528 24 click --repeat 2 --delay 80 1 sleep 0.3 \
  click --repeat 2 --delay 80 1
sleep 0.5
kill -0 "$program_pid" || fail "the program ended after a double-click"
[[ $(cat "$workdir/program.log") == "krimvel: nema zvučnog izlaza; zvučnik ostaje nem" ]] ||
  fail "expected the one line about the silent loudspeaker, got: $(cat "$workdir/program.log")"
fi

if [[ $mode == asked ]]; then
  xdotool mousemove --window "$window" 528 24 click --repeat 2 --delay 80 1
  sleep 0.5
  grep -q "pa_context_connect() failed" "$workdir/program.log" ||
    fail "Qt's audio backend did not say why there is no output: $(cat "$workdir/program.log")"
  grep -qx "krimvel: nema zvučnog izlaza; zvučnik ostaje nem" "$workdir/program.log" ||
    fail "the line about the silent loudspeaker is missing: $(cat "$workdir/program.log")"
elif [[ $mode != instructions ]]; then
  ! grep -q libQt6Multimedia "/proc/$program_pid/maps" || fail "the audio stack loaded at start"
  xdotool mousemove --window "$window" 528 24 click --repeat 2 --delay 80 1
  playing=""
  for _ in $(seq 50); do
    # Known by the process id that PulseAudio's client library records, not by the stream's
    # name, which Qt chooses (QtPulseAudio:PID in 6.4, QtmPulseStream-PID-N in 6.8).
    playing=$(pactl list sink-inputs 2>/dev/null |
      grep -c "application.process.id = \"$program_pid\"" || true)
    [[ $playing -gt 0 ]] && break
    sleep 0.1
  done
  echo "streams of the program on the null sink: $playing"
fi
if [[ $mode == playback || $mode == installed ]]; then
  [[ $playing -gt 0 ]] || fail "no stream on the sink after a double-click"
fi
if [[ $mode == installed ]]; then
  # The program stops while it plays, as on a machine too busy to feed the sound: the sound
  # server runs out of samples, and the sound goes on after it. Nothing to say on the terminal,
  # neither of that nor of anything else while it plays.
  sleep 1
  kill -STOP "$program_pid"
  sleep 3
  kill -CONT "$program_pid"
  sleep 1
  [[ ! -s $workdir/program.log ]] || fail "the terminal says: $(cat "$workdir/program.log")"
fi
if [[ $mode == playback ]]; then
  # The sound server cuts the stream off while it plays: said at once, then never again, and
  # the window carries on.
  for cut in 1 2 3; do
    stream=$(pactl list short sink-inputs | awk 'NR == 1 {print $1}')
    [[ -n $stream ]] && pacmd kill-sink-input "$stream"
    sleep 0.3
    [[ $(cat "$workdir/program.log") == "krimvel: zvučni izlaz je otkazao dok je zvučnik svirao" ]] ||
      fail "expected one line about the failed output after cut $cut, got: $(cat "$workdir/program.log")"
    xdotool mousemove --window "$window" 528 24 click --repeat 2 --delay 80 1
    sleep 0.3
  done
  kill -0 "$program_pid" || fail "the program ended when its sound was cut off"
fi
if [[ $mode == without-module ]]; then
  # However often it is pressed, the reason is said once.
  for _ in 1 2; do
    xdotool mousemove --window "$window" 528 24 click --repeat 2 --delay 80 1 sleep 0.3
  done
  kill -0 "$program_pid" || fail "the program ended after a double-click"
  [[ $playing -eq 0 ]] || fail "a stream on the sink without the sound module"
  # In the language the program runs in here (xsession.sh): Serbian in Latin script. A missing
  # module is a broken installation, not a machine without speakers, and the reason is Qt's.
  module=$(realpath -m -s "$workdir/bin/$(realpath -m -s --relative-to="$(dirname "$1")" "$module_file")")
  expected="krimvel: instalacija je oštećena: zvučni modul zvučnika $module ne može da se učita (The shared library was not found.)"
  [[ $(cat "$workdir/program.log") == "$expected" ]] ||
    fail "expected the one line: $expected"$'\n'"got: $(cat "$workdir/program.log")"
fi
echo "PASS"
