#!/usr/bin/python3
"""Draws the installed page's icons from the program's scalable icon.

Usage: make-icons.py ICON.svg OUTPUT_DIR SIZE...

Writes krimvel-SIZE.png, the icon filling the square, and krimvel-maskable-SIZE.png, the icon
inside the safe zone of a maskable icon (the middle circle of four fifths of its width, which
every launcher's mask keeps) on the icon's own red, which fills whatever the mask shows
around it. rsvg-convert draws both.
"""
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SVG = "http://www.w3.org/2000/svg"
# The icon is drawn on a 32-unit grid; at 20 units its corners just touch the safe circle and
# at 512 pixels each unit still covers whole pixels.
GRID = 32
SAFE = 20
GROUND = "#ff0000"


def maskable(icon):
    ElementTree.register_namespace("", SVG)
    inner = ElementTree.parse(icon).getroot()
    inner.attrib.update({"x": str((GRID - SAFE) / 2), "y": str((GRID - SAFE) / 2),
                         "width": str(SAFE), "height": str(SAFE), "viewBox": f"0 0 {GRID} {GRID}"})
    outer = ElementTree.Element(f"{{{SVG}}}svg", {"width": "512", "height": "512",
                                                  "viewBox": f"0 0 {GRID} {GRID}"})
    ElementTree.SubElement(outer, f"{{{SVG}}}rect",
                           {"width": str(GRID), "height": str(GRID), "fill": GROUND})
    outer.append(inner)
    return ElementTree.tostring(outer, encoding="unicode")


def draw(svg, size, output):
    subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                    "--output", str(output), str(svg)], check=True)


def main(icon, output, sizes):
    output = Path(output)
    output.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        masked = Path(work) / "maskable.svg"
        masked.write_text(maskable(icon), encoding="utf-8")
        for size in sizes:
            draw(icon, size, output / f"krimvel-{size}.png")
            draw(masked, size, output / f"krimvel-maskable-{size}.png")


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], [int(size) for size in sys.argv[3:]])
