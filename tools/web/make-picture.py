#!/usr/bin/python3
"""Cuts the part of the background picture that the window shows, and reads its colours.

Usage: make-picture.py PICTURE.jpg WIDTH HEIGHT OUTPUT.jpg COLOURS.json

The page shows only the picture's top-left WIDTH x HEIGHT, as the desktop window does at its
own size. jpegtran cuts it from the JPEG without decoding and encoding it again, so the pixels
are the picture's own, in a quarter of the bytes. COLOURS.json gets the colours that the
installed page's title bar and splash screen take: the mean of the rows behind the buttons,
and the mean of the whole shown part.
"""
import json
import subprocess
import sys


def read_pixels(jpeg):
    """The picture's rows as bytes of RGB triples, decoded by djpeg as a binary PPM."""
    ppm = subprocess.run(["djpeg", "-pnm", jpeg], check=True, capture_output=True).stdout
    magic, width, height, maxval, pixels = ppm.split(maxsplit=4)
    if magic != b"P6" or maxval != b"255":
        sys.exit(f"make-picture.py: djpeg gave no 8-bit RGB picture for {jpeg}")
    width, height = int(width), int(height)
    return [pixels[row * width * 3:(row + 1) * width * 3] for row in range(height)]


def mean_colour(rows):
    totals = [0, 0, 0]
    count = 0
    for row in rows:
        for channel in range(3):
            totals[channel] += sum(row[channel::3])
        count += len(row) // 3
    return "#" + "".join(f"{round(total / count):02x}" for total in totals)


def main(picture, width, height, output, colours):
    subprocess.run(["jpegtran", "-crop", f"{width}x{height}+0+0", "-copy", "none",
                    "-optimize", "-progressive", "-outfile", output, picture], check=True)
    rows = read_pixels(output)
    if len(rows) != int(height) or len(rows[0]) != int(width) * 3:
        sys.exit(f"make-picture.py: {picture} is smaller than {width}x{height}")
    # The buttons are 24 pixels high: the title bar above them continues that strip.
    with open(colours, "w", encoding="utf-8") as file:
        json.dump({"theme": mean_colour(rows[:24]), "background": mean_colour(rows)}, file)
        file.write("\n")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
