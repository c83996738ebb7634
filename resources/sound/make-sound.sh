#!/bin/bash
# Builds loudspeaker.wav: a short jingle, then the spoken instructions.
# The player expects a fixed 352,256-sample PCM file with a "fact" chunk,
# which sox cannot write, so sox renders raw samples and wavheader.py wraps them.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
rate=22050
samples=352256
speed=150            # calm enough to follow, still fits the fixed length
pause=0.5

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# -D everywhere: dither would make every rebuild differ.
render() { sox -D -n -r $rate -c 1 -b 16 "$@"; }

# Rising C major arpeggio, kept a bit under the voice; the last note rings longer.
# An octave overtone keeps the pure sines from sounding thin on small speakers.
notes=(523.25 659.25 783.99 1046.50)
octaves=(1046.50 1318.51 1567.98 2093.00)
parts=()
for i in "${!notes[@]}"; do
    len=0.28; [ "$i" -eq 3 ] && len=0.7
    render "$tmp/n$i.wav" synth $len sine "${notes[$i]}" \
        synth $len sine mix "${octaves[$i]}" \
        vol 0.3 fade q 0.01 $len $len
    parts+=("$tmp/n$i.wav")
done

render "$tmp/lead.wav" trim 0 0.2
render "$tmp/gap.wav" trim 0 0.4
render "$tmp/pause.wav" trim 0 $pause

sentences=(
    "Dozvolite kompjuteru da igra umesto vas."
    "Vi samo upišite brojeve na listić."
    "I obavezno uplatite."
    "Srećno!"
)
speech=()
for i in "${!sentences[@]}"; do
    espeak-ng -v sr -s $speed -w "$tmp/s$i.wav" "${sentences[$i]}"
    [ "$i" -gt 0 ] && speech+=("$tmp/pause.wav")
    speech+=("$tmp/s$i.wav")
done

# Peak at -3 dBFS, then pad with silence to the exact length. Refuse to cut:
# a clipped "Srećno!" is worse than a failed build.
sox -D "$tmp/lead.wav" "${parts[@]}" "$tmp/gap.wav" "${speech[@]}" "$tmp/all.wav" gain -n -3
used=$(soxi -s "$tmp/all.wav")
if [ "$used" -gt $samples ]; then
    echo "sound is $used samples, limit $samples; raise speed" >&2
    exit 1
fi
sox -D "$tmp/all.wav" -t raw -e signed -b 16 -L -r $rate -c 1 "$tmp/all.raw" \
    pad 0 $((samples - used))s

/usr/bin/python3 "$here/wavheader.py" "$tmp/all.raw" "$here/loudspeaker.wav" $rate $samples
