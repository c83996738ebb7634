#!/usr/bin/python3
"""Paint background.jpg: a glossy dark-red sphere, lightning along the top
edge and a few sparkles near the bottom.

The window normally shows only the top-left 553x354 of this picture, and the
drawn numbers are printed there in bright yellow, so that corner is kept dark
on purpose: the sphere's lit side faces away from it and the lightning stays
above the first line of numbers there.

Run:  /usr/bin/python3 make-background.py   (writes background.jpg beside it)
"""
import math
import os
import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

W, H = 1024, 768
SEED = 3917          # fixed, so the picture is the same on every run
QUALITY = 86         # chosen so the file lands near 58 KB
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "background.jpg")

rng = random.Random(SEED)
nrng = np.random.default_rng(SEED)
yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)


def smooth_noise(scale, octaves=3):
    """Cheap cloudy texture: upscaled random grids, summed over octaves."""
    acc = np.zeros((H, W), np.float32)
    amp, total = 1.0, 0.0
    for _ in range(octaves):
        gw, gh = max(2, W // scale), max(2, H // scale)
        grid = nrng.random((gh, gw)).astype(np.float32)
        img = Image.fromarray((grid * 255).astype(np.uint8)).resize((W, H), Image.BICUBIC)
        img = img.filter(ImageFilter.GaussianBlur(scale / 2))
        acc += amp * np.asarray(img, np.float32) / 255.0
        total += amp
        amp *= 0.5
        scale = max(2, scale // 2)
    return acc / total


def backdrop():
    # Deep maroon, a little brighter toward the lower right where the sphere
    # sits, with slow clouds so the large flat areas do not look printed.
    d = np.hypot((xx - 700) / W, (yy - 520) / H)
    base = np.clip(1.0 - d * 1.4, 0, 1) ** 1.5
    clouds = smooth_noise(160)
    t = 0.3 + 0.6 * base + 0.9 * (clouds - 0.5)
    r = 30 + 95 * t
    g = 3 + 14 * t
    b = 10 + 26 * t
    return np.dstack([r, g, b])


def sphere(img):
    cx, cy, rad = 660.0, 490.0, 300.0
    dx, dy = (xx - cx) / rad, (yy - cy) / rad
    d2 = dx * dx + dy * dy
    inside = d2 <= 1.0
    nz = np.sqrt(np.clip(1.0 - d2, 0, 1))
    # Light from the upper right and slightly in front: the side that reaches
    # into the number area stays in shadow.
    lx, ly, lz = 0.55, -0.55, 0.63
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ln, ly / ln, lz / ln
    diff = np.clip(dx * lx + dy * ly + nz * lz, 0, 1)
    # Blinn highlight, with the viewer straight ahead.
    hx, hy, hz = lx, ly, lz + 1.0
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    shine = np.clip((dx * hx + dy * hy + nz * hz) / hn, 0, 1)
    gloss = shine ** 400 + 0.25 * shine ** 30 + 0.06 * shine ** 6
    # Bounce light along the lower edge keeps the shadow side readable as a
    # ball without brightening the part that lies behind the numbers.
    rim = np.clip(1.0 - nz, 0, 1) ** 3 * np.clip(0.2 + dy * 0.8, 0, 1)
    shade = 0.06 + 0.94 * diff ** 1.6
    col = np.dstack([
        28 + 150 * shade + 150 * rim,
        2 + 14 * shade ** 2 + 30 * rim,
        7 + 22 * shade ** 2 + 45 * rim,
    ])
    col += gloss[..., None] * np.array([255, 215, 225], np.float32)
    # Soft anti-aliased edge and a faint dark halo on the ground.
    edge = np.clip((1.0 - np.sqrt(d2)) * rad / 1.5, 0, 1)[..., None]
    halo = np.clip(1.0 - (np.sqrt(d2) - 1.0) * 4.0, 0, 1) * (~inside)
    img *= (1.0 - 0.35 * halo)[..., None]
    return img * (1 - edge) + col * edge


def bolt_path(p0, p1, rough, depth):
    """Midpoint displacement: a jagged line from p0 to p1."""
    if depth == 0:
        return [p0, p1]
    mx, my = (p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2
    length = math.hypot(p1[0] - p0[0], p1[1] - p0[1])
    nx, ny = -(p1[1] - p0[1]) / (length or 1), (p1[0] - p0[0]) / (length or 1)
    off = rng.uniform(-rough, rough) * length
    mid = (mx + nx * off, my + ny * off)
    return bolt_path(p0, mid, rough, depth - 1)[:-1] + bolt_path(mid, p1, rough, depth - 1)


def draw_bolt(core, glow, p0, p1, width, depth, ymax, rough):
    # Re-roll a path that would dip into the number area rather than
    # clipping it, which would leave a ruler-straight edge.
    for _ in range(200):
        pts = bolt_path(p0, p1, rough, depth)
        if all(y <= ymax(x) for x, y in pts):
            break
    else:
        return
    core.line(pts, fill=255, width=width)
    glow.line(pts, fill=255, width=width + 3)
    # Branches leave from random points and fork off downward or sideways.
    if depth >= 5:
        for _ in range(rng.randint(2, 4)):
            i = rng.randrange(len(pts) // 5, len(pts) - 1)
            sx, sy = pts[i]
            ang = math.atan2(p1[1] - p0[1], p1[0] - p0[0]) + rng.uniform(-0.9, 0.9)
            ln = math.hypot(p1[0] - p0[0], p1[1] - p0[1]) * rng.uniform(0.2, 0.4)
            end = (sx + math.cos(ang) * ln, sy + abs(math.sin(ang)) * ln * 0.6)
            draw_bolt(core, glow, (sx, sy), end, max(1, width - 1), depth - 2, ymax, 0.22)


def lightning(img):
    core_im = Image.new("L", (W, H), 0)
    glow_im = Image.new("L", (W, H), 0)
    core, glow = ImageDraw.Draw(core_im), ImageDraw.Draw(glow_im)

    # Over the number area the bolts must stay above the first line of text.
    def ymax(x):
        return 76 if x < 580 else 240

    # (start, end, roughness); the flatter ones run just above the numbers.
    bolts = [((-20, 22), (600, 40), 0.10), ((180, -5), (520, 62), 0.14),
             ((430, -10), (1040, 120), 0.18), ((800, -10), (960, 220), 0.22)]
    for p0, p1, rough in bolts:
        draw_bolt(core, glow, p0, p1, 2, 7, ymax, rough)
    core_a = np.asarray(core_im.filter(ImageFilter.GaussianBlur(0.6)), np.float32) / 255
    glow_a = np.asarray(glow_im.filter(ImageFilter.GaussianBlur(5)), np.float32) / 255
    wide_a = np.asarray(glow_im.filter(ImageFilter.GaussianBlur(22)), np.float32) / 255
    img += wide_a[..., None] * np.array([420, 120, 40], np.float32)
    img += glow_a[..., None] * np.array([330, 110, 170], np.float32)
    img += core_a[..., None] * np.array([255, 225, 240], np.float32)
    return img


def glints(img):
    layer = np.zeros((H, W), np.float32)
    for _ in range(26):
        x, y = rng.uniform(20, W - 20), rng.uniform(610, H - 12)
        size, power = rng.uniform(6, 26), rng.uniform(0.35, 1.0)
        ax, ay = np.abs(xx - x), np.abs(yy - y)
        # A four-point star: two thin crossed streaks plus a round core.
        arms = np.exp(-ay / 0.9 - ax / size) + np.exp(-ax / 0.9 - ay / size)
        dot = np.exp(-(ax * ax + ay * ay) / (size * 0.6))
        layer += power * (arms * 0.8 + dot)
    img += layer[..., None] * np.array([255, 210, 170], np.float32)
    return img


def main():
    img = backdrop()
    img = sphere(img)
    img = lightning(img)
    img = glints(img)
    # A touch of grain hides banding in the smooth gradients.
    img += nrng.normal(0, 1.2, img.shape).astype(np.float32)
    out = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB")
    out.save(OUT, "JPEG", quality=QUALITY, progressive=True, optimize=True,
             subsampling="4:2:0")
    print(OUT, os.path.getsize(OUT), "bytes")


if __name__ == "__main__":
    main()
