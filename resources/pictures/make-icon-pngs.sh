#!/bin/sh
# Render the scalable icon to the fixed sizes desktops look for.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -e
cd "$(dirname "$0")"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" krimvel.svg -o "krimvel-$size.png"
done
