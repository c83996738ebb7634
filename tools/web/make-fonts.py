#!/usr/bin/python3
"""Cuts the page's two faces to the characters it draws with them and writes them as WOFF2.

Usage: make-fonts.py OUTPUT_DIR NAME=FACE.ttf:FAMILY:TEXT_FILE...

Each TEXT_FILE lists what is drawn in that face: its plain text, or the string literals of a
C++ source (".h" or ".cpp") that prints them. The cut faces are renamed FAMILY: under the SIL
Open Font License a modified font may not carry the original's Reserved Font Name. Besides
NAME.woff2, writes metrics.js with each face's vertical metrics in ems, which a canvas does not
report (the line gap) and which the page computes its line height from as the desktop does.
"""
import json
import re
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

# Where the name table says who made the face and under which licence, kept in the cut face.
KEPT_NAME_IDS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17]


def drawn_text(path):
    text = Path(path).read_text(encoding="utf-8")
    if path.endswith((".h", ".cpp")):
        return "".join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', text))
    return text


def rename(font, family):
    style = font["name"].getDebugName(2) or "Regular"
    postscript = family.replace(" ", "") + "-" + style.replace(" ", "")
    for record in font["name"].names:
        value = {1: family, 3: postscript, 4: f"{family} {style}", 6: postscript,
                 16: family, 17: style}.get(record.nameID)
        if value is not None:
            record.string = value


def vertical_metrics(font):
    units = font["head"].unitsPerEm
    hhea = font["hhea"]
    return {"ascent": hhea.ascent / units, "descent": -hhea.descent / units,
            "lineGap": hhea.lineGap / units}


def main(output, faces):
    output = Path(output)
    output.mkdir(parents=True, exist_ok=True)
    metrics = {}
    for face in faces:
        name, description = face.split("=", 1)
        source, family, *text_files = description.split(":")
        characters = sorted({c for f in text_files for c in drawn_text(f) if c.isprintable()})
        options = subset.Options()
        options.flavor = "woff2"
        options.name_IDs = KEPT_NAME_IDS
        options.layout_features = ["kern"]
        options.hinting = False
        # FontForge's time stamps: nothing reads them, and the subsetter would warn of them.
        options.drop_tables += ["FFTM"]
        # The face's own date, not the build's: the subset then depends on its sources alone, so
        # that a rebuild gives the same bytes and a new commit leaves an unchanged face as it was
        # rather than make every visitor fetch it again.
        font = TTFont(source, recalcTimestamp=False)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=[ord(c) for c in characters])
        subsetter.subset(font)
        rename(font, family)
        font.flavor = "woff2"
        font.save(output / f"{name}.woff2")
        metrics[name] = {"family": family, **vertical_metrics(font)}
    (output / "metrics.js").write_text(
        "// Made by tools/web/make-fonts.py from the faces themselves.\n"
        f"export const faces = {json.dumps(metrics, indent=2)};\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
