# The screen reader Orca, headless with its speech logged, on a private Xvfb and accessibility
# bus: what a blind user hears. Sourced first by a test, which it runs again on an X server and
# in a D-Bus session of its own; then the test starts what Orca reads and drives it with press
# and hear.
# On a failure Orca's debug log, what it printed and the program's log are kept in the folder
# $KRIMVEL_ORCA_LOGS (default: orca-logs-TEST in the current one), and their last lines printed.
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
in_xsession 96 1600x1200 --dbus

log=$workdir/orca.log
kept_logs=${KRIMVEL_ORCA_LOGS:-$PWD/orca-logs-$(basename "$0" .sh)}
rm -rf "$kept_logs"
# What was heard and why is worth more than the one line that says what was missing.
fail() {
  echo "FAIL: $*" >&2
  mkdir -p "$kept_logs" && cp "$workdir"/*.log "$workdir"/*.out "$kept_logs/" 2>/dev/null
  echo "Orca's debug log and the others are kept in $kept_logs; Orca's last words and events:" >&2
  grep -E 'SPEECH OUTPUT|Dequeued|Skipping|Error|Exception' "$log" 2>/dev/null | grep -v brlapi | tail -n 25 >&2
  for file in "$workdir"/{orca.out,program.log,browser.log}; do
    [[ ! -f $file ]] || { echo "${file##*/}:"; grep -v -e brlapi -e ^Traceback "$file" | tail -n 5; }
  done >&2
  exit 1
}

# Orca's mouse review speaks whatever the pointer moves onto: it waits in a corner, away from every
# window, until a test moves it. The review finds the window under the pointer through the window
# manager's list of windows.
read -r width height < <(xdotool getdisplaygeometry)
xdotool mousemove $((width - 1)) $((height - 1))
HOME=$workdir openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
started_pids+=($!)
timeout 10 bash -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do sleep 0.1; done' ||
  fail "openbox did not start: $(tail -2 "$workdir/openbox.log")"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
started_pids+=($!)
# Until the launcher owns its name, a call to it makes D-Bus start a second launcher, and on a
# busy machine Orca and the program can then be told of two different accessibility buses.
gdbus wait --session --timeout 30 org.a11y.Bus ||
  fail "the accessibility bus did not start: $(cat "$workdir/atspi.log")"
# As on a desktop whose screen reader is on: Qt, the browsers and Orca all ask.
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
# Orca reads a web page aloud from the top once it has loaded, and in Firefox moves the focus
# along as it reads: a key pressed meanwhile may find the focus moved on by that reading. Its
# mouse review is on, as for a user who explores the screen with the mouse or a finger.
mkdir -p "$HOME/.local/share/orca"
echo 'from orca import settings; settings.sayAllOnLoad = False; settings.enableMouseReview = True' >"$HOME/.local/share/orca/orca-customizations.py"
# Orca writes its debug file in blocks and may ignore SIGTERM: here it writes line by line and
# is killed. It leaves other Orcas of the same user alone, and they leave it alone.
/usr/bin/python3 -c 'import builtins, runpy, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda file, mode="r", *rest, **named: (
    real_open(file, mode, 1) if file == log else real_open(file, mode, *rest, **named))
sys.argv = ["orca", "--debug-file", log]
main = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"]
main.__globals__.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(main())' "$log" >"$workdir/orca.out" 2>&1 &
orca_pid=$!
disown
trap 'kill -9 $orca_pid 2>/dev/null; cleanup' EXIT

# Orca's utterances since line $1 of its log, one a line (each line of one on its own), blanks
# collapsed, without the full stop that ends one; hear waits for one that matches the extended
# regular expression $2.
heard() {
  tail -n +"$1" "$log" 2>/dev/null | perl -0777 -ne "while (/SPEECH OUTPUT: '(.*?)'\s*(?:voice=\S+\s*)?(?:[\[{]|$)/smg) {
    my @said = grep { length } map { s/\s+/ /gr =~ s/^ | $//gr } split /\n/, \$1;
    \$said[-1] =~ s/(?<=\w)\.$// if @said; print \"\$_\n\" for @said }"
}
# With a third argument, only what Orca said after an utterance that matches it counts. Each
# wait is bounded by a minute: two busy cores slow Orca's start and the program's events alike.
hear() {
  for _ in $(seq 300); do
    heard "$1" | sed -n "/${3:-.}/,\$p" | grep -E -- "$2" && return
    sleep 0.2
  done
  fail "Orca did not say /$2/${3:+ after /$3/}, but: $(heard "$1" | tail -12 | paste -sd'|')"
}
press() { mark=$(($(wc -l <"$log") + 1)); xdotool key "$1"; }
numbers() { grep -oE '[0-9]+' <<<"$1" | paste -sd' '; }

hear 1 'Screen reader on' >/dev/null
