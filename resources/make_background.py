#!/usr/bin/python3
"""Paints resources/background.jpg and background@2x.jpg, the countdown window's background.

A night landscape, 550 x 290 pixels (and 1100 x 580 for screens of twice the density): a
dusk-to-night sky with stars, thin cloud and a moon in the upper right, the glow of a town
on the left horizon, layered hills with a town skyline, a dark foreground, a slight
vignette and film grain. Everything below the horizon on the right and along the bottom is
kept very dark, because the window draws white, green, yellow and red text there; the
script checks the contrast under every label in both pictures and fails if any is below
4.5:1.

The landscape is painted at twice the size. The 550 x 290 picture is that painting reduced,
with film grain added at its own size; the 1100 x 580 picture is the painting itself with
grain of the same strength per pixel, drawn from a generator of its own after all the rest,
so that the 550 x 290 picture does not depend on the larger one.

Deterministic: fixed seed, no input files. Needs python3-numpy and python3-pil.
Run: /usr/bin/python3 resources/make_background.py
"""

import os
import sys

import numpy as np
from PIL import Image

WIDTH, HEIGHT = 550, 290
SUPERSAMPLE = 2  # painted at twice the size, then reduced, for smooth silhouettes
SEED = 20140408
SEED_2X_GRAIN = 20140409  # the grain of the 1100 x 580 picture
HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "background.jpg")
OUTPUT_2X = os.path.join(HERE, "background@2x.jpg")

# Where the window draws text or its close button: (left, top, width, height) in pixels,
# already grown to the longest texts the labels show and padded by a small margin.
MARGIN = 3
TEXT_AREAS = {
    "Label1": (320, 136, 180, 14),  # heading
    "Label2": (392, 216, 17, 16),  # day unit
    "Label3": (16, 264, 192, 14),  # date line, grows to the right
    "Label4": (224, 184, 152, 47),  # large day counter
    "Label6": (416, 216, 122, 16),  # time left today
    "StylerButton1": (432, 248, 105, 33),  # close button (its corners show the picture)
}
TEXT_COLOURS = {
    "white": (255, 255, 255),
    "green": (0, 255, 0),
    "yellow": (255, 255, 0),
    "red": (255, 0, 0),
}
MINIMUM_CONTRAST = 4.5


def padded(area):
    left, top, width, height = area
    return (left - MARGIN, top - MARGIN, width + 2 * MARGIN, height + 2 * MARGIN)


def fractal_noise_2d(rng, width, height, octaves, base_cells, persistence=0.5):
    """Smooth value noise in [-1, 1] made of octaves of bicubically enlarged random grids."""
    total = np.zeros((height, width), np.float32)
    amplitude, norm = 1.0, 0.0
    cells = base_cells
    for _ in range(octaves):
        grid_w = max(2, int(cells))
        grid_h = max(2, int(cells * height / width))
        grid = rng.random((grid_h, grid_w), dtype=np.float32)
        layer = Image.fromarray(grid).resize((width, height), Image.BICUBIC)
        total += amplitude * (np.asarray(layer, np.float32) * 2.0 - 1.0)
        norm += amplitude
        amplitude *= persistence
        cells *= 2
    return total / norm


def fractal_noise_1d(rng, length, octaves, base_points, persistence=0.55):
    """Smooth 1-D noise in about [-1, 1] for ridge lines."""
    total = np.zeros(length, np.float64)
    amplitude, norm = 1.0, 0.0
    points = base_points
    xs = np.linspace(0.0, 1.0, length)
    for _ in range(octaves):
        knots = rng.uniform(-1.0, 1.0, points + 1)
        kx = np.linspace(0.0, 1.0, points + 1)
        # cosine interpolation between knots keeps the ridges rounded
        pos = np.clip(np.searchsorted(kx, xs, side="right") - 1, 0, points - 1)
        t = (xs - kx[pos]) / (kx[pos + 1] - kx[pos])
        t = (1 - np.cos(t * np.pi)) / 2
        total += amplitude * (knots[pos] * (1 - t) + knots[pos + 1] * t)
        norm += amplitude
        amplitude *= persistence
        points *= 2
    return total / norm


def gaussian_blur(values, sigma):
    """Separable Gaussian blur of a 2-D float array (Pillow cannot blur float images)."""
    radius = max(1, int(3 * sigma))
    taps = np.exp(-0.5 * (np.arange(-radius, radius + 1) / sigma) ** 2)
    taps /= taps.sum()
    rows = np.apply_along_axis(lambda r: np.convolve(r, taps, mode="same"), 1, values)
    return np.apply_along_axis(lambda c: np.convolve(c, taps, mode="same"), 0, rows)


def blend(base, colour, alpha):
    """Lays colour over base with a per-pixel alpha (arrays broadcast)."""
    alpha = np.clip(alpha, 0.0, 1.0)[..., None]
    return base * (1 - alpha) + np.asarray(colour, np.float32) * alpha


def silhouette_mask(ridge, height):
    """Coverage of the area below a ridge line (one value per column), anti-aliased."""
    ys = np.arange(height, dtype=np.float32)[:, None]
    return np.clip(ys - ridge[None, :] + 0.5, 0.0, 1.0)


def paint_sky(w, h, s):
    ys = np.linspace(0.0, 1.0, h, dtype=np.float32)[:, None] * (HEIGHT / 160.0)
    ys = np.clip(ys, 0.0, 1.0)
    zenith = np.array([3, 5, 16], np.float32)
    middle = np.array([14, 20, 48], np.float32)
    horizon = np.array([44, 38, 70], np.float32)
    lower = np.clip(ys / 0.55, 0, 1)[..., None]
    upper = np.clip((ys - 0.55) / 0.45, 0, 1)[..., None]
    sky = zenith * (1 - lower) + middle * lower
    sky = sky * (1 - upper) + horizon * upper
    sky = np.broadcast_to(sky, (h, w, 3)).copy()

    xs = np.arange(w, dtype=np.float32)[None, :] / s
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    # the town's light on the low clouds, warm, to the left of the middle
    glow = np.exp(-(((xs - 120) / 150) ** 2) - (((yy - 150) / 45) ** 2))
    sky = blend(sky, (120, 70, 62), 0.55 * glow)
    # a cooler band where the last of the dusk lingers
    dusk = np.exp(-(((yy - 140) / 30) ** 2)) * (0.5 + 0.5 * np.exp(-(((xs - 300) / 260) ** 2)))
    sky = blend(sky, (70, 60, 96), 0.35 * dusk)

    return sky, glow


def cloud_density(rng, w, h, s):
    """Streaks of thin cloud, stretched sideways, thinning towards the horizon."""
    streaks = fractal_noise_2d(rng, w // 5, h, 6, 2, persistence=0.6)
    streaks = np.asarray(Image.fromarray(streaks).resize((w, h), Image.BICUBIC))
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    density = np.clip((streaks - 0.02) * 3.0, 0, 1) ** 1.4
    return density * np.clip(1.15 - yy / 150.0, 0, 1)


def paint_clouds(sky, density, glow, w, h, s):
    xs = np.arange(w, dtype=np.float32)[None, :] / s
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    moonlight = np.exp(-(((xs - 456) / 120) ** 2) - (((yy - 46) / 70) ** 2))
    red = 30 + 90 * moonlight + 70 * glow
    green = 33 + 94 * moonlight + 40 * glow
    blue = 54 + 100 * moonlight + 30 * glow
    colour = np.stack([red, green, blue], axis=-1)
    a = (0.75 * density)[..., None]
    return sky * (1 - a) + colour * a


def paint_stars(rng, sky, clouds, w, h, s):
    layer = np.zeros((h, w), np.float32)
    count = 1400
    xs = rng.uniform(0, w, count)
    ys = rng.uniform(0, h, count)
    brightness = rng.pareto(1.8, count) * 90 + 60
    for x, y, b in zip(xs.astype(int), ys.astype(int), brightness):
        fade = np.clip(1.25 - (y / s) / 130.0, 0.0, 1.0)
        layer[y, x] += b * fade
    stars = gaussian_blur(layer, 0.7 * s).astype(np.float32) * 2.2
    stars *= 1.0 - 0.9 * clouds
    tint = np.array([0.92, 0.96, 1.0], np.float32)
    return sky + stars[..., None] * tint


def paint_moon(rng, sky, w, h, s):
    cx, cy, radius = 456 * s, 46 * s, 11 * s
    xs = np.arange(w, dtype=np.float32)[None, :]
    ys = np.arange(h, dtype=np.float32)[:, None]
    d = np.sqrt((xs - cx) ** 2 + (ys - cy) ** 2)
    halo = np.exp(-((d / (radius * 3.2)) ** 2)) * 0.55 + np.exp(-d / (radius * 9.0)) * 0.25
    sky = blend(sky, (120, 130, 160), halo)
    disc = np.clip(radius - d + 0.5, 0, 1)
    limb = np.sqrt(np.clip(1 - (d / radius) ** 2, 0, 1))
    maria = fractal_noise_2d(rng, w, h, 4, 60)
    surface = 0.78 + 0.22 * limb - 0.12 * np.clip(maria * 2.5, 0, 1)
    moon = np.stack([236 * surface, 232 * surface, 214 * surface], axis=-1)
    a = disc[..., None]
    return sky * (1 - a) + moon * a


def paint_far_hills(rng, image, w, h, s):
    x = np.arange(w) / s
    ridge = 132 + 7 * fractal_noise_1d(rng, w, 6, 5) - 10 * np.exp(-(((x - 330) / 90) ** 2))
    mask = silhouette_mask(ridge * s, h)
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    depth = np.clip((yy - ridge[None, :]) / 40.0, 0, 1)
    colour = np.stack([26 - 14 * depth, 25 - 13 * depth, 44 - 22 * depth], axis=-1)
    a = mask[..., None]
    return image * (1 - a) + colour * a


def paint_buildings(rng, image, w, h, s, base_top, spread, colour, lit_share, glow_scale):
    """One row of buildings along the left with a grid of windows, some of them lit."""
    roof = np.full(w, 10_000.0)
    windows = []
    x = rng.uniform(-6, 0)
    while x < 250:
        width = rng.uniform(8, 20)
        top = base_top - spread * rng.random() * np.exp(-(((x - 100) / 80) ** 2))
        if rng.random() < 0.15:
            top -= rng.uniform(6, 14)  # the odd tower
        x0, x1 = int(max(x, 0) * s), int(min(x + width, 262) * s)
        roof[x0:x1] = top * s
        share = lit_share * rng.uniform(0.3, 1.7)
        cool = rng.random() < 0.3  # offices lit by tubes, homes by bulbs
        for wy in np.arange(top + 2.5, 200, 3.0):
            for wx in np.arange(x + 1.5, x + width - 1.5, 2.5):
                if rng.random() < share:
                    windows.append((wx, wy, cool))
        x += width + rng.uniform(0, 1.5)
    mask = silhouette_mask(roof, h)
    image = image * (1 - mask[..., None]) + np.asarray(colour, np.float32) * mask[..., None]
    for wx, wy, cool in windows:
        if cool:
            tone = (200, 220, 235)
        else:
            tone = (255, 190 + rng.uniform(0, 40), 100 + rng.uniform(0, 50))
        c = np.asarray(tone, np.float32) * rng.uniform(0.35, 0.8) * glow_scale
        y0, x0 = int(wy * s), int(wx * s)
        image[y0 : y0 + s, x0 : x0 + s] = c
    return image


def paint_town(rng, image, w, h, s):
    """A town in the valley on the left: a hazy back row, a darker front row, street glow."""
    image = paint_buildings(rng, image, w, h, s, 150, 22, (16, 15, 24), 0.10, 0.6)
    image = paint_buildings(rng, image, w, h, s, 166, 14, (9, 9, 14), 0.14, 1.0)
    xs = np.arange(w, dtype=np.float32)[None, :] / s
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    patchy = np.clip(0.6 + fractal_noise_2d(rng, w, h, 3, 12), 0, 1)
    street = np.exp(-(((yy - 183) / 8) ** 2)) * np.clip((230 - xs) / 60, 0, 1) * patchy
    return blend(image, (90, 55, 32), 0.4 * street)


def paint_mast(image, ridge, w, h, s):
    """A radio mast on the hilltop with its red warning light."""
    mx = 512
    x0 = int(mx * s)
    top = ridge[x0] - 22
    y0, y1 = int(top * s), int((ridge[x0] + 1) * s)
    image[y0:y1, x0 : x0 + 1] = (14, 14, 20)
    xs = np.arange(w, dtype=np.float32)[None, :] / s
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    d2 = (xs - mx) ** 2 + (yy - top) ** 2
    image = image + np.exp(-d2 / 0.6)[..., None] * np.array([255, 40, 30], np.float32)
    return image + np.exp(-d2 / 12.0)[..., None] * np.array([50, 6, 6], np.float32)


def paint_near_hill(rng, image, w, h, s):
    """The dark hill that rises to the right and carries the labels."""
    x = np.arange(w) / s
    rise = 186 - 88 / (1 + np.exp(-(x - 278) / 38.0))
    ridge = rise + 5 * fractal_noise_1d(rng, w, 7, 6)
    mask = silhouette_mask(ridge * s, h)
    yy = np.arange(h, dtype=np.float32)[:, None] / s
    texture = fractal_noise_2d(rng, w, h, 5, 30) * 2.0 + fractal_noise_2d(rng, w, h, 2, 180) * 2.0
    slope = np.exp(-np.clip(yy - ridge[None, :], 0, None) / 22.0) * 5.0
    colour = np.stack(
        [8 + texture + slope, 9 + texture + slope, 16 + 1.5 * texture + 1.6 * slope], axis=-1
    )
    # moonlight catches the ridge line
    rim = np.exp(-np.clip(yy - ridge[None, :], 0, None) / 1.6) * mask
    rim *= np.clip((x[None, :] - 240) / 200, 0, 1)
    colour = colour + rim[..., None] * np.array([30, 32, 44], np.float32)
    a = mask[..., None]
    image = image * (1 - a) + colour * a
    return image, ridge


def paint_hill_lights(rng, image, ridge, w, h, s, keep_clear):
    """A few farm lights on the slope, away from the text."""
    placed = 0
    while placed < 6:
        x = rng.uniform(250, 540)
        y = rng.uniform(ridge[int(x * s)] + 6, 175)
        near_text = any(
            left - 6 <= x <= left + width + 6 and top - 6 <= y <= top + height + 6
            for left, top, width, height in keep_clear
        )
        if near_text:
            continue
        xs = np.arange(w, dtype=np.float32)[None, :] / s
        ys = np.arange(h, dtype=np.float32)[:, None] / s
        g = np.exp(-(((xs - x) ** 2 + (ys - y) ** 2) / 0.5))
        image = image + g[..., None] * np.array([190, 150, 80], np.float32)
        placed += 1
    return image


def paint_foreground(rng, image, w, h, s):
    """Near-black trees and ground along the bottom."""
    x = np.arange(w) / s
    ground = 238 - 10 * fractal_noise_1d(rng, w, 5, 4) - 14 * np.exp(-(((x - 40) / 120) ** 2))
    trees = np.zeros(w)
    for _ in range(46):
        tx = rng.uniform(-10, 230)
        th = rng.uniform(16, 62) * np.exp(-(((tx - 40) / 140) ** 2))
        half = th * rng.uniform(0.16, 0.26)
        trees = np.maximum(trees, th * np.clip(1 - np.abs(x - tx) / half, 0, 1))
    jitter = 1.5 * fractal_noise_1d(rng, w, 4, 200)
    ridge = ground - trees + jitter * (trees > 0)
    mask = silhouette_mask(ridge * s, h)
    # rough grass: noise stretched sideways, barely above black
    grass = fractal_noise_2d(rng, w // 3, h, 5, 20)
    grass = np.asarray(Image.fromarray(grass).resize((w, h), Image.BICUBIC)) * 1.8
    colour = np.stack([5 + grass, 6 + grass, 9 + 1.4 * grass], axis=-1)
    a = mask[..., None]
    return image * (1 - a) + colour * a


def vignette(image, w, h):
    xs = np.linspace(-1, 1, w, dtype=np.float32)[None, :]
    ys = np.linspace(-1, 1, h, dtype=np.float32)[:, None]
    r2 = xs**2 * 0.8 + ys**2
    return image * np.clip(1 - 0.32 * r2, 0, 1)[..., None]


def film_grain(rng, image):
    h, w, _ = image.shape
    mono = rng.normal(0.0, 1.0, (h, w, 1)).astype(np.float32)
    chroma = rng.normal(0.0, 0.35, (h, w, 3)).astype(np.float32)
    # grain is a little stronger in the mid-tones, as with film
    level = np.clip(image.mean(axis=-1, keepdims=True) / 60.0, 0.0, 1.0)
    return image + (mono + chroma) * (1.3 + 2.2 * level)


def relative_luminance(rgb):
    c = np.asarray(rgb, np.float64) / 255.0
    linear = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    return linear @ np.array([0.2126, 0.7152, 0.0722])


def contrast(l1, l2):
    hi, lo = max(l1, l2), min(l1, l2)
    return (hi + 0.05) / (lo + 0.05)


def check_contrast(pixels, scale=1):
    """Mean luminance under each text area against each text colour; returns failures.

    scale is the picture's size over 550 x 290: the areas grow with it."""
    failures = []
    for name, area in TEXT_AREAS.items():
        left, top, width, height = (scale * v for v in padded(area))
        patch = pixels[top : top + height, left : left + width].reshape(-1, 3)
        background = relative_luminance(patch).mean()
        worst = min(contrast(relative_luminance(c), background) for c in TEXT_COLOURS.values())
        print(f"{name:14s} mean luminance {background:.5f}  lowest contrast {worst:.2f}:1")
        if worst < MINIMUM_CONTRAST:
            failures.append(name)
    return failures


def write_picture(image, path, scale):
    """Writes image as a baseline JPEG and checks the contrast in the decoded file; returns
    the names of the areas where it is too low."""
    pixels = np.clip(np.rint(image), 0, 255).astype(np.uint8)
    picture = Image.fromarray(pixels, "RGB")
    dpi = (96 * scale, 96 * scale)  # the same size on paper as the 550 x 290 picture
    picture.save(path, "JPEG", quality=90, progressive=False, optimize=False, dpi=dpi)

    print(f"{os.path.basename(path)}:")
    decoded = np.asarray(Image.open(path).convert("RGB"))
    failures = check_contrast(decoded, scale)
    print(f"wrote {path} ({os.path.getsize(path)} bytes)")
    return [f"{name} ({os.path.basename(path)})" for name in failures]


def main():
    rng = np.random.default_rng(SEED)
    s = SUPERSAMPLE
    w, h = WIDTH * s, HEIGHT * s
    sky, glow = paint_sky(w, h, s)
    clouds = cloud_density(rng, w, h, s)
    image = paint_stars(rng, sky, clouds, w, h, s)
    image = paint_moon(rng, image, w, h, s)
    image = paint_clouds(image, clouds, glow, w, h, s)
    image = paint_far_hills(rng, image, w, h, s)
    image = paint_town(rng, image, w, h, s)
    image, ridge = paint_near_hill(rng, image, w, h, s)
    text_areas = [padded(area) for area in TEXT_AREAS.values()]
    image = paint_hill_lights(rng, image, ridge, w, h, s, text_areas)
    image = paint_mast(image, ridge, w, h, s)
    image = paint_foreground(rng, image, w, h, s)
    image = vignette(image, w, h)

    big = Image.fromarray(np.clip(image, 0, 255).astype(np.uint8), "RGB")
    small = np.asarray(big.resize((WIDTH, HEIGHT), Image.LANCZOS), np.float32)
    small = film_grain(rng, small)
    failures = write_picture(small, OUTPUT, 1)

    # Only after everything the 550 x 290 picture draws from rng.
    large = film_grain(np.random.default_rng(SEED_2X_GRAIN), np.asarray(big, np.float32))
    failures += write_picture(large, OUTPUT_2X, s)
    if failures:
        sys.exit("contrast below %.1f:1 under %s" % (MINIMUM_CONTRAST, ", ".join(failures)))


if __name__ == "__main__":
    main()
