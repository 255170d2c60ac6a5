#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paint the countdown window's background picture: assets/background.jpg.

A summer landscape in the style of a photograph: a deep-blue sky with long
streaks of soft cloud, a low range of hazy blue mountains on the horizon, a
lone tree in the middle of the horizon and a bright green crop field whose
rows run away towards a vanishing point on the horizon.

The window shows only the left two thirds of the picture and the band from
30 % to 97 % of its height, with large red text over the sky, so the sky is
kept clean and dark-to-mid blue and the tree sits a little left of centre.

Only Pillow and NumPy are used, and the random seed is fixed, so running the
script again gives the same picture:

    python3 assets/make_background.py [output.jpg]
"""

import os
import sys

import numpy as np
from PIL import Image, ImageFilter

WIDTH, HEIGHT = 1024, 768
SUPERSAMPLE = 2                 # paint at 2x and scale down: smooth edges
SEED = 20240607                 # the exam starts on 7 June
HORIZON = 0.635 * HEIGHT        # horizon line, in output pixels
VANISH_X = 0.47 * WIDTH         # where the crop rows meet the horizon
TREE_X = 0.475 * WIDTH          # foot of the tree
JPEG_QUALITY = 90

rng = np.random.default_rng(SEED)


# --------------------------------------------------------------------------
# Noise
# --------------------------------------------------------------------------

class ValueNoise:
    """Smooth lattice noise over a periodic table of random values."""

    def __init__(self, size=256):
        self.size = size
        self.table = rng.random((size, size)).astype(np.float32)

    def __call__(self, u, v):
        n = self.size
        iu = np.floor(u)
        iv = np.floor(v)
        fu = (u - iu).astype(np.float32)
        fv = (v - iv).astype(np.float32)
        iu = iu.astype(np.int64) % n
        iv = iv.astype(np.int64) % n
        iu1 = (iu + 1) % n
        iv1 = (iv + 1) % n
        # quintic fade: no visible grid creases
        su = fu * fu * fu * (fu * (fu * 6 - 15) + 10)
        sv = fv * fv * fv * (fv * (fv * 6 - 15) + 10)
        t = self.table
        a = t[iv, iu] + (t[iv, iu1] - t[iv, iu]) * su
        b = t[iv1, iu] + (t[iv1, iu1] - t[iv1, iu]) * su
        return a + (b - a) * sv


def fbm(noise, u, v, octaves, gain=0.5, lacunarity=2.0):
    """Fractal sum of noise octaves, normalised to roughly 0..1."""
    total = np.zeros(np.broadcast(u, v).shape, np.float32)
    amp, norm = 1.0, 0.0
    for o in range(octaves):
        # a fixed offset per octave so the lattices do not line up
        total += amp * noise(u + 17.3 * o, v + 31.7 * o)
        norm += amp
        amp *= gain
        u = u * lacunarity
        v = v * lacunarity
    return total / norm


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def mix(a, b, t):
    """Blend colour a into colour b by t (t broadcasts over the channels)."""
    t = np.asarray(t, np.float32)
    if t.ndim and t.shape[-1] != 3:
        t = t[..., None]
    return a + (b - a) * t


def rgb(*c):
    return np.array(c, np.float32) / 255.0


# --------------------------------------------------------------------------
# Scene
# --------------------------------------------------------------------------

def paint():
    s = SUPERSAMPLE
    w, h = WIDTH * s, HEIGHT * s
    # pixel centres in output-pixel units
    x = ((np.arange(w, dtype=np.float32) + 0.5) / s)[None, :].repeat(h, 0)
    y = ((np.arange(h, dtype=np.float32) + 0.5) / s)[:, None].repeat(w, 1)

    noise = ValueNoise()
    img = np.zeros((h, w, 3), np.float32)

    sky = y < HORIZON
    ground = ~sky

    # ---- sky ------------------------------------------------------------
    t = np.clip(y / HORIZON, 0, 1)                 # 0 at the top, 1 at the horizon
    zenith = rgb(14, 42, 112)
    middle = rgb(38, 88, 170)
    low = rgb(92, 142, 204)
    horizon_sky = rgb(150, 184, 222)
    col = mix(zenith, middle, smoothstep(0.0, 0.55, t))
    col = mix(col, low, smoothstep(0.45, 0.93, t))
    col = mix(col, horizon_sky, smoothstep(0.88, 1.0, t) ** 1.6)
    # the sun is high and to the right: slightly lighter sky on that side
    col = col * (1.0 + 0.06 * smoothstep(0.2, 1.0, x / WIDTH))[..., None]

    # Clouds lie on a plane high above the ground: sample the noise in that
    # plane's coordinates, so the streaks thin out towards the horizon.
    d = np.maximum(HORIZON - y, 2.0)               # distance above the horizon
    cu = 0.75 * (x - 0.55 * WIDTH) / d
    cv = 1400.0 / d
    # stretch: long horizontal streaks
    n = fbm(noise, cu * 0.55 + 40.0, cv * 0.9 + 11.0, 7, gain=0.55)
    detail = fbm(noise, cu * 3.0 + 90.0, cv * 2.2 + 5.0, 4, gain=0.5)
    # a broad coverage field leaves large stretches of clean blue
    cover = fbm(noise, x / 380.0 + 200.0, y / 260.0 + 50.0, 3)
    density = n + 0.22 * (detail - 0.5) + 0.55 * (cover - 0.5)
    cloud = smoothstep(0.50, 0.78, density)
    # thin, wispy streaks near the top (we look up at their undersides)
    cloud *= 0.82 * smoothstep(0.0, 0.22, t) + 0.18
    # and fade into the haze near the horizon, where they would be grains
    cloud *= 1.0 - smoothstep(0.80, 0.97, t)
    cloud = np.where(sky, cloud, 0.0) * 0.80
    # lit from above: tops white, undersides a soft blue-grey
    shade = fbm(noise, cu * 1.1 + 300.0, cv * 1.6 + 299.4, 4)
    cloud_col = mix(rgb(250, 252, 255), rgb(176, 192, 218),
                    smoothstep(0.35, 0.75, shade) * 0.8)
    col = mix(col, cloud_col, cloud)
    img[sky] = col[sky]

    # ---- mountains ------------------------------------------------------
    xs = x[0]
    def ridge(seed_u, scale, lo, hi, octaves, sharp):
        r = fbm(noise, xs / scale + seed_u, np.full_like(xs, seed_u * 0.37),
                octaves, gain=0.52)
        r = smoothstep(0.2, 0.8, r)
        # sharpen into peaks
        r = 1.0 - (1.0 - r) ** sharp
        return lo + (hi - lo) * r

    far_h = ridge(61.0, 210.0, 9.0, 40.0, 7, 1.6)
    # lower on the left, a broad massif right of the middle
    far_h *= 0.65 + 0.5 * smoothstep(0.05, 0.75, xs / WIDTH)
    near_h = ridge(143.0, 120.0, 2.0, 19.0, 6, 1.2)
    near_h *= 0.6 + 0.6 * (1.0 - smoothstep(0.35, 0.95, xs / WIDTH))

    above = HORIZON - y                           # > 0 above the horizon
    for heights, top_c, base_c, haze_amt, seed in (
            (far_h, rgb(104, 136, 186), rgb(150, 180, 216), 0.0, 400.0),
            (near_h, rgb(72, 104, 150), rgb(128, 158, 192), 0.1, 500.0)):
        inside = (above > 0) & (above < heights[None, :])
        rel = np.clip(above / np.maximum(heights[None, :], 1.0), 0, 1)
        # haze thickens towards the ground: shade by the height above the
        # horizon, the same in every column, so no vertical streaks appear
        alt = np.clip(above / heights.max(), 0, 1)
        m_col = mix(base_c, top_c, smoothstep(0.0, 0.8, alt) ** 0.8)
        # faint gullies and sunlit slopes
        tex = fbm(noise, x / 16.0 + seed, y / 6.0 + seed, 4)
        # slopes facing the sun (to the right) are lighter; smooth the slope
        # over a few pixels so the shading follows the ridges, not columns
        kernel = np.exp(-np.linspace(-3, 3, 48 * SUPERSAMPLE + 1) ** 2)
        slope = np.convolve(np.gradient(heights), kernel / kernel.sum(), "same")
        facing = np.tanh(-slope[None, :] * 3.0 * SUPERSAMPLE)
        facing = facing * smoothstep(0.2, 0.9, rel) * (0.6 + 0.8 * tex)
        light = 1.0 + 0.10 * facing + 0.08 * (tex - 0.5)
        m_col = m_col * light[..., None]
        m_col = mix(m_col, rgb(160, 188, 220), haze_amt)
        img[inside] = m_col[inside]

    # a thin band of haze lying on the horizon
    band = np.exp(-((y - HORIZON) / 6.0) ** 2) * 0.45
    img = mix(img, rgb(170, 196, 214), band)

    # ---- field ----------------------------------------------------------
    # Ground-plane coordinates in camera heights: gx across, gz away from us.
    focal = 800.0                                 # lens focal length in pixels
    g = np.maximum(y - HORIZON, 0.35)             # distance below the horizon
    gx = (x - VANISH_X) / g                       # constant along a crop row
    gz = focal / g                                # about 3 at the bottom edge
    row_w = 0.052                                 # row spacing, camera heights
    phase = gx / row_w
    # How many rows one pixel spans, across x and down y; the rows fade out
    # where they get finer than a couple of pixels so the distance does not
    # shimmer into moiré.
    footprint = np.sqrt(1.0 + gx * gx) / (g * row_w)
    row_amp = np.exp(-(footprint * 1.25) ** 4)
    # the same for the depth direction (plants along a row)
    dz = focal / (g * g)                          # gz per pixel
    # rows: rounded bands of plants with darker furrows between; each row a
    # little different in vigour and width, with ragged edges
    ragged = noise(phase * 0.7 + 600.0, gz * 30.0) - 0.5
    ragged *= np.exp(-(dz * 30.0 * 1.2) ** 2)     # only where it is resolved
    row_id = np.floor(phase + 0.5).astype(np.int64)
    vigour = 0.5 + (noise.table[row_id % noise.size, 7] - 0.5) * row_amp
    narrow = 0.10 + 0.25 * noise.table[row_id % noise.size, 91]
    wave = 0.5 + 0.5 * np.cos(2 * np.pi * (phase + 0.22 * ragged))
    stripe = smoothstep(narrow, 0.95, wave)
    # the average of that profile over one row, for the distance where the
    # rows themselves can no longer be told apart
    a_tab = np.linspace(0.10, 0.35, 26)
    th = np.linspace(0.0, 2 * np.pi, 512, endpoint=False)
    mean_tab = [smoothstep(a, 0.95, 0.5 + 0.5 * np.cos(th)).mean() for a in a_tab]
    stripe_mean = np.interp(narrow, a_tab, mean_tab).astype(np.float32)
    # leafy clumps along each row, fine near the camera, blurred further away
    clumps = fbm(noise, phase * 1.5 + 700.0, gz * 9.0, 3, gain=0.6)
    leaf_amp = np.exp(-(dz * 9.0 * 1.2) ** 2)
    leaves = 0.5 + (clumps - 0.5) * (0.3 + 0.7 * leaf_amp)
    fine_leaves = noise(phase * 4.0 + 740.0, gz * 40.0)
    fine_amp = np.exp(-(dz * 40.0 * 1.2) ** 2)
    leaves = leaves + 0.45 * (fine_leaves - 0.5) * fine_amp
    strength = 0.80 + 0.35 * vigour
    plants_full = stripe * (0.62 + 0.9 * (leaves - 0.5)) * strength
    plants_far = stripe_mean * (0.62 + 0.9 * 0.3 * (leaves - 0.5)) * strength
    plants = plants_far + (plants_full - plants_far) * row_amp

    furrow = rgb(36, 78, 20)
    green = rgb(84, 158, 34)
    lit = rgb(150, 208, 62)
    f_col = mix(furrow, green, np.clip(plants / 0.5, 0, 1))
    f_col = mix(f_col, lit, np.clip((plants - 0.5) / 0.5, 0, 1) * 0.85)
    # a hint of soil where the furrows are widest, close to the camera
    soil = (1.0 - stripe) * smoothstep(0.6, 0.15, footprint) * 0.3
    f_col = mix(f_col, rgb(96, 82, 48), soil * smoothstep(0.4, 0.8, leaves))

    # patches of yellower or deeper green across the field
    patch = fbm(noise, gx * 0.7 + 900.0, gz * 0.7 + 900.0, 5)
    f_col = mix(f_col, f_col * rgb(255, 240, 180) * 1.10,
                smoothstep(0.5, 0.78, patch) * 0.55)
    f_col = mix(f_col, f_col * rgb(205, 225, 210),
                smoothstep(0.5, 0.25, patch) * 0.5)
    # shadows of the clouds drifting over the ground
    shadow = fbm(noise, gx * 0.09 + 1000.0, gz * 0.09 + 1000.0, 4)
    f_col = f_col * (1.0 - 0.30 * smoothstep(0.52, 0.70, shadow))[..., None]
    # leaf-level grain
    fine = fbm(noise, x / 1.3 + 800.0, y / 1.3 + 800.0, 2)
    f_col = f_col * (0.94 + 0.12 * fine)[..., None]
    # looking towards the sun the leaves shine a little in the middle distance
    sheen = np.exp(-((g - 60.0) / 70.0) ** 2) * np.exp(-((x - 0.62 * WIDTH) / 420.0) ** 2)
    f_col = f_col * (1.0 + 0.12 * sheen)[..., None]
    # and the light falls off towards the bottom corners
    f_col = f_col * (1.02 - 0.18 * smoothstep(30.0, 280.0, g)
                     * (0.55 + 0.45 * np.abs(x / WIDTH - 0.5) * 2))[..., None]
    # aerial haze in the distance
    haze = np.exp(-g / 20.0)
    f_col = mix(f_col, rgb(150, 186, 156), haze * 0.85)
    img[ground] = f_col[ground]

    # ---- tree -----------------------------------------------------------
    paint_tree(img, x, y, noise)

    return img


def paint_tree(img, x, y, noise):
    base_y = HORIZON + 1.5                        # stands just in front of the horizon
    tx = TREE_X
    trunk_h = 15.0
    crown_cy = base_y - trunk_h - 15.0

    # trunk, slightly tapered, with two short limbs into the crown
    rel = np.clip((base_y - y) / (trunk_h + 12.0), 0, 1)
    half_w = 1.55 - 0.75 * rel
    trunk = (np.abs(x - tx - 0.6 * rel) < half_w) & (y < base_y) & (y > crown_cy)
    for dx, k in ((-5.0, 0.55), (5.5, 0.5)):
        # limbs from the top of the trunk towards the crown
        ty0 = base_y - trunk_h
        tt = np.clip((ty0 - y) / 9.0, 0, 1)
        lx = tx + dx * tt
        limb = (np.abs(x - lx) < 0.9) & (y < ty0) & (y > ty0 - 9.0 * k * 2)
        trunk |= limb
    trunk_col = rgb(52, 44, 34) * (0.85 + 0.3 * smoothstep(tx + 1.0, tx - 1.0, x))[..., None]
    img[trunk] = trunk_col[trunk]

    # crown: a union of overlapping round clumps, edges roughened by noise
    clumps = [(-2.0, 0.0, 16.0), (-12.0, 4.0, 10.0), (10.0, 3.0, 11.0),
              (-6.0, -9.0, 11.0), (6.0, -8.0, 11.5), (0.0, -14.0, 9.0),
              (-15.0, -3.0, 7.0), (15.0, -4.0, 7.5), (2.0, 7.0, 10.0)]
    field = np.full_like(x, -1.0)
    light = np.zeros_like(x)
    for cx, cy, r in clumps:
        dx = x - (tx + cx)
        dy = y - (crown_cy + cy)
        q = 1.0 - np.sqrt(dx * dx + dy * dy) / r
        # round-lit clump: brighter to the upper right (sun side)
        nl = np.clip(0.5 + 0.5 * (dx * 0.55 - dy * 0.85) / r, 0, 1)
        take = q > field
        field = np.where(take, q, field)
        light = np.where(take, nl, light)
    rough = fbm(noise, x / 2.2 + 1200.0, y / 2.2 + 1200.0, 3)
    edge = field + 0.22 * (rough - 0.5)
    crown = smoothstep(-0.02, 0.04, edge)

    leaf = fbm(noise, x / 1.6 + 1300.0, y / 1.6 + 1300.0, 3)
    # overall: darker at the bottom of the crown, where it shades itself
    self_shade = smoothstep(crown_cy + 16.0, crown_cy - 14.0, y)
    tone = 0.25 + 0.55 * light * (0.5 + 0.5 * self_shade) + 0.35 * (leaf - 0.5)
    tone = np.clip(tone, 0, 1)
    c_col = mix(rgb(14, 38, 12), rgb(40, 86, 26), smoothstep(0.1, 0.6, tone))
    c_col = mix(c_col, rgb(92, 140, 48), smoothstep(0.6, 1.0, tone) * 0.9)
    # a light veil of distance haze
    c_col = mix(c_col, rgb(130, 160, 150), 0.10)
    img[:] = mix(img, c_col, crown)

    # a soft shadow on the grass just behind the foot of the trunk
    sh = np.exp(-(((x - tx + 5.0) / 13.0) ** 2 + ((y - base_y - 1.0) / 1.6) ** 2))
    sh = sh * (y > base_y - 0.5)
    img[:] = img * (1.0 - 0.35 * sh)[..., None]


def finish(img):
    h, w = img.shape[:2]
    s = SUPERSAMPLE
    # gentle lens vignette
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    r2 = ((xx / w - 0.45) / 0.8) ** 2 + ((yy / h - 0.5) / 0.9) ** 2
    img = img * (1.0 - 0.22 * np.clip(r2, 0, 1.2) ** 1.4)[..., None]

    img8 = Image.fromarray((np.clip(img, 0, 1) * 255 + 0.5).astype(np.uint8), "RGB")
    img8 = img8.resize((WIDTH, HEIGHT), Image.LANCZOS)

    # fine sensor grain, a touch stronger in the dark sky
    out = np.asarray(img8).astype(np.float32)
    grain = rng.normal(0.0, 1.0, (HEIGHT, WIDTH, 1)).astype(np.float32)
    grain = grain * 1.6 + rng.normal(0.0, 0.6, (HEIGHT, WIDTH, 3))
    out = np.clip(out + grain, 0, 255)
    img8 = Image.fromarray((out + 0.5).astype(np.uint8), "RGB")
    # the slight crispness of a camera's own sharpening
    img8 = img8.filter(ImageFilter.UnsharpMask(radius=1.2, percent=40, threshold=2))
    return img8


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "background.jpg")
    picture = finish(paint())
    picture.save(out, "JPEG", quality=JPEG_QUALITY, optimize=True,
                 subsampling="4:2:0")
    print(f"wrote {out} ({os.path.getsize(out) // 1024} KB)")


if __name__ == "__main__":
    main()
