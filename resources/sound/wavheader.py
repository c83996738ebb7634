"""Wrap raw mono 16-bit little-endian samples in a RIFF WAVE with a fact chunk."""
import struct
import sys

raw_path, wav_path, rate, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])

with open(raw_path, "rb") as f:
    data = f.read()
if len(data) != count * 2:
    sys.exit(f"expected {count * 2} bytes of samples, got {len(data)}")

fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
fact = struct.pack("<I", count)
body = (b"WAVE"
        + b"fmt " + struct.pack("<I", len(fmt)) + fmt
        + b"fact" + struct.pack("<I", len(fact)) + fact
        + b"data" + struct.pack("<I", len(data)) + data)

with open(wav_path, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", len(body)) + body)
